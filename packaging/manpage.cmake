# Writes a program's manual page from its own --help, so that the page says
# what the program says and is written nowhere else.
#   cmake -D PROGRAM=path -D NAME=notadb -D SUMMARY="..." -D VERSION=2.0 -D OUT=notadb.1 -P manpage.cmake
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR help STREQUAL "")
  message(FATAL_ERROR "${PROGRAM} --help failed (${status})")
endif()
# The usage line names the program as it was started here.
string(REPLACE "${PROGRAM}" "${NAME}" help "${help}")
string(REGEX REPLACE "\n+$" "" help "${help}")
# Text for roff: backslashes doubled, a line starting with a dot or quote
# kept as text, hyphens of options as minus signs.
string(REPLACE "\\" "\\e" help "${help}")
string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
string(REPLACE "-" "\\-" help "${help}")
string(TOUPPER "${NAME}" title)
file(WRITE ${OUT} ".TH ${title} 1 \"\" \"${NAME} ${VERSION}\" \"Sistem Nota\"
.SH NAME
${NAME} \\- ${SUMMARY}
.SH DESCRIPTION
.nf
${help}
.fi
.SH SEE ALSO
${SEE_ALSO}
")
