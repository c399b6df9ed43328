# Writes a gzipped manual page from a program's own usage text (cmake -P, at build time).
#   -DPROGRAM=path -DMODE=cli|gui -DVERSION=3.0 -DOUTPUT=file.1.gz -DGZIP=path
# cli: the program prints the page itself ("vorlapa-cli help --man").
# gui: the page wraps the output of "vorlapa --help".
if(MODE STREQUAL "cli")
  set(args help --man)
else()
  set(args --help)
endif()
execute_process(COMMAND "${PROGRAM}" ${args} OUTPUT_VARIABLE text RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR text STREQUAL "")
  message(FATAL_ERROR "${PROGRAM} ${args} failed (${status})")
endif()
if(MODE STREQUAL "gui")
  # The usage as it is printed, in a no-fill block; roff's escape character and minus signs escaped.
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  set(text ".TH VORLAPA 1 \"\" \"Vorlapa ${VERSION}\" \"User Commands\"
.SH NAME
vorlapa \\- lap timing, sessions, setups and the workshop records of a motorsport team
.SH SYNOPSIS
.nf
${text}.fi
.SH DESCRIPTION
The desktop program. Its data lives in the data folder; the settings file there is vorlapa.ini.
.SH SEE ALSO
.BR vorlapa\\-cli (1)
")
endif()
get_filename_component(plain "${OUTPUT}" NAME_WLE)
get_filename_component(folder "${OUTPUT}" DIRECTORY)
file(WRITE "${folder}/${plain}" "${text}")
# -n: no name or time stamp in the archive, so the same page gives the same bytes.
execute_process(COMMAND "${GZIP}" -9nf "${folder}/${plain}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "gzip failed on ${folder}/${plain}")
endif()
