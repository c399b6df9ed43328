# Writes the catalogue template of the program's display texts: every literal passed to Translate() or
# marked with N_() in the sources below SOURCE_DIR/src.
#   cmake -DSOURCE_DIR=... -DOUTPUT=... -DXGETTEXT=... [-DCOMPARE_WITH=po/default.pot] -P MakeCatalogueTemplate.cmake
# With COMPARE_WITH the script fails when that file differs from the template just made.
# Without file positions and with a fixed creation date, the template only changes when a text changes,
# so the copy kept in po/ can be compared byte for byte.
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/src/*.h)
list(SORT sources)
set(list_file ${OUTPUT}.sources)
list(JOIN sources "\n" source_lines)
file(WRITE ${list_file} "${source_lines}\n")
execute_process(
  COMMAND ${XGETTEXT} --from-code=UTF-8 --language=C++ --keyword=Translate --keyword=N_ --no-location
          --sort-output --add-comments=Translators: --package-name=Vorlapa --msgid-bugs-address=none
          --files-from=${list_file} --output=${OUTPUT}.raw
  WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE failed)
file(REMOVE ${list_file})
if(failed)
  message(FATAL_ERROR "xgettext failed")
endif()
file(READ ${OUTPUT}.raw template)
file(REMOVE ${OUTPUT}.raw)
string(REGEX REPLACE "\"POT-Creation-Date: [^\"]*\"" "\"POT-Creation-Date: 2026-01-01 00:00+0000\\\\n\"" template "${template}")
string(REPLACE "charset=CHARSET" "charset=UTF-8" template "${template}")
file(WRITE ${OUTPUT} "${template}")
if(COMPARE_WITH)
  file(READ ${COMPARE_WITH} kept)
  if(NOT kept STREQUAL template)
    message(FATAL_ERROR "${COMPARE_WITH} is out of date: build the target catalogue_template "
                        "(cmake --build --preset warnings --target catalogue_template) and commit it")
  endif()
endif()
