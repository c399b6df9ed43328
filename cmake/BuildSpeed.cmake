# What keeps the build fast on two cores: a compiler cache, a fast linker and precompiled headers.
# Each can be switched off (-DVORLAPA_CCACHE=OFF, -DVORLAPA_FAST_LINKER=OFF, -DVORLAPA_PCH=OFF); the
# presets switch all three on.

# ccache: a second build of the same sources (another clone on the same machine too) takes objects from
# the cache. The base folder makes paths relative so that clones in other folders share the cache; the
# sloppiness lets it cache files that use precompiled headers.
option(VORLAPA_CCACHE "Compile through ccache when it is installed" OFF)
if(VORLAPA_CCACHE)
  find_program(CCACHE_PROGRAM ccache)
  if(CCACHE_PROGRAM)
    set(CMAKE_CXX_COMPILER_LAUNCHER
        ${CMAKE_COMMAND} -E env CCACHE_BASEDIR=${PROJECT_SOURCE_DIR} CCACHE_NOHASHDIR=1
        "CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime" ${CCACHE_PROGRAM})
  else()
    message(STATUS "ccache not found: compiling without a cache")
  endif()
endif()

# lld links the hundred test programs several times faster than the default linker.
option(VORLAPA_FAST_LINKER "Link with lld when it is installed" OFF)
if(VORLAPA_FAST_LINKER)
  find_program(LLD_PROGRAM ld.lld)
  if(LLD_PROGRAM)
    add_link_options(-fuse-ld=lld)
  else()
    message(STATUS "lld not found: linking with the default linker")
  endif()
endif()

# Precompiled headers: the Qt and standard headers nearly every file includes are parsed once per group of
# targets instead of once per file. A group shares one header (REUSE_FROM), which needs the same compile
# options in every member and no macro that the headers test and that differs between members (so the
# tests do without Qt Test's per-folder QT_TESTCASE_* definitions, see tests/CMakeLists.txt).
option(VORLAPA_PCH "Use precompiled headers" ON)
set(VORLAPA_PCH_CORE
    <QString> <QStringList> <QList> <QHash> <QMap> <QSet> <QByteArray> <QDateTime> <QDir> <QFile> <QFileInfo>
    <QCoreApplication> <QObject> <algorithm> <array> <cmath> <functional> <map> <memory> <optional> <utility>
    <vector>)
set(VORLAPA_PCH_WIDGETS
    ${VORLAPA_PCH_CORE} <QApplication> <QWidget> <QDialog> <QDialogButtonBox> <QLabel> <QLineEdit> <QPushButton>
    <QComboBox> <QCheckBox> <QGroupBox> <QVBoxLayout> <QHBoxLayout> <QFormLayout> <QGridLayout> <QHeaderView>
    <QTableView> <QTabWidget> <QPointer> <QTimer>)
set(VORLAPA_PCH_TEST <QTest> <QSignalSpy> <QTemporaryDir>)

# The target compiles the given headers once for itself and the targets that reuse them.
function(vorlapa_precompile target)
  if(VORLAPA_PCH)
    target_precompile_headers(${target} PRIVATE ${ARGN})
  endif()
endfunction()

# The target reuses the headers another target compiled (same options, see above).
function(vorlapa_reuse_precompiled target from)
  if(VORLAPA_PCH)
    target_precompile_headers(${target} REUSE_FROM ${from})
  endif()
endfunction()

# Test programs are compiled to be run, not stepped through: in the optimised development build they take
# light optimisation (and, like the rest of that build, line tables only: the presets' -O2 -g1), which
# halves their compile time. The test support libraries take the same, so the tests can reuse their
# precompiled headers.
set(VORLAPA_TEST_COMPILE_OPTIONS "$<$<CONFIG:RelWithDebInfo>:-O1;-g1>")
# Under the sanitizers the test programs' own code is instrumented without optimisation (the sanitizers
# find the same faults at -O0; the libraries keep -O1) and without the fuzzer's coverage, which only the
# fuzz targets read: a third of the compile time.
if(VORLAPA_SANITIZE OR VORLAPA_FUZZ)
  list(APPEND VORLAPA_TEST_COMPILE_OPTIONS -O0)
endif()
if(VORLAPA_FUZZ)
  list(APPEND VORLAPA_TEST_COMPILE_OPTIONS -fno-sanitize=fuzzer-no-link)
endif()
