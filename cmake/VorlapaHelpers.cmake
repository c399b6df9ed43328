# The logic folders, lowest first; a folder is built once it has a CMakeLists.txt.
set(VORLAPA_LOGIC_FOLDERS storage services events grid app session timing tracks calc archive workshop reports lapentry printing
    workspace)

# Which logic folders a folder may include: recorded for the layering check (tests/layering).
function(vorlapa_record_layer name)
  string(REPLACE ";" "," deps "${ARGN}")
  set_property(GLOBAL APPEND PROPERTY VORLAPA_LAYERS "${name}=${deps}")
endfunction()

# A logic library: every .cpp of the folder, Qt6::Core and the named lower libraries (folder names).
function(vorlapa_logic_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_library(vorlapa_${name} STATIC ${sources})
  target_include_directories(vorlapa_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  list(TRANSFORM ARG_DEPS PREPEND vorlapa_ OUTPUT_VARIABLE dep_targets)
  target_link_libraries(vorlapa_${name} PUBLIC Qt6::Core ${dep_targets})
  vorlapa_record_layer(${name} ${ARG_DEPS})
  # The lowest library compiles the Qt Core headers once; every other logic library reuses them.
  if(name STREQUAL "storage")
    vorlapa_precompile(vorlapa_storage ${VORLAPA_PCH_CORE})
  else()
    vorlapa_reuse_precompiled(vorlapa_${name} vorlapa_storage)
  endif()
endfunction()

# A folder of headers only, on Qt6::Core and the named lower folders.
function(vorlapa_header_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  add_library(vorlapa_${name} INTERFACE)
  target_include_directories(vorlapa_${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
  list(TRANSFORM ARG_DEPS PREPEND vorlapa_ OUTPUT_VARIABLE dep_targets)
  target_link_libraries(vorlapa_${name} INTERFACE Qt6::Core ${dep_targets})
  vorlapa_record_layer(${name} ${ARG_DEPS})
endfunction()

# One QtTest executable per tst_*.cpp of the calling folder, each registered with CTest. Tests of the
# widgets (LIBS with vorlapa_ui) share the widget test support and its precompiled headers, the others the
# test support's.
function(vorlapa_folder_tests)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  set(support vorlapa_test_support)
  if(vorlapa_ui IN_LIST ARG_LIBS)
    set(support vorlapa_widget_test_support)
  endif()
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tst_*.cpp)
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR}/tests ${CMAKE_CURRENT_SOURCE_DIR})
  string(REPLACE "/" "_" prefix "${folder}")
  foreach(test_source ${tests})
    get_filename_component(base ${test_source} NAME_WE)
    set(target ${prefix}_${base})
    add_executable(${target} ${test_source})
    target_link_libraries(${target} PRIVATE ${support} ${ARG_LIBS})
    target_compile_options(${target} PRIVATE ${VORLAPA_TEST_COMPILE_OPTIONS})
    vorlapa_reuse_precompiled(${target} ${support})
    # The test includes its own moc output ("tst_x.moc"): moc runs on that one file, which is a small
    # part of what AUTOMOC's scan of the target costs.
    set(moc_folder ${CMAKE_CURRENT_BINARY_DIR}/${target}_moc)
    add_custom_command(OUTPUT ${moc_folder}/${base}.moc
                       COMMAND Qt6::moc ${test_source} -o ${moc_folder}/${base}.moc
                       DEPENDS ${test_source} Qt6::moc VERBATIM)
    target_sources(${target} PRIVATE ${moc_folder}/${base}.moc)
    target_include_directories(${target} PRIVATE ${moc_folder})
    add_test(NAME ${target} COMMAND ${target})
    set_tests_properties(${target} PROPERTIES ENVIRONMENT "${VORLAPA_TEST_ENVIRONMENT}" TIMEOUT 300)
  endforeach()
endfunction()

# The logic libraries built so far, lowest first (for programs and the widget library that use them all).
function(vorlapa_existing_logic_libraries out_var)
  set(libs)
  foreach(folder ${VORLAPA_LOGIC_FOLDERS})
    if(TARGET vorlapa_${folder})
      list(APPEND libs vorlapa_${folder})
    endif()
  endforeach()
  set(${out_var} ${libs} PARENT_SCOPE)
endfunction()
