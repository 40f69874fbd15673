# Writes the manual page: the written sections around the text that
# `volmira-apt --help` prints, so that the page never lists other commands
# than the program has. Called with PROGRAM, TEMPLATE, OUTPUT, PROJECT_VERSION.
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "volmira-apt --help failed: ${status}")
endif()
string(STRIP "${help}" help)
# roff: a backslash is written \e; a line starting with a dot or an apostrophe
# would be read as a request, \& in front keeps it text; every hyphen is a
# minus sign, as options are typed.
string(REPLACE "\\" "\\e" help "${help}")
string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
string(REPLACE "-" "\\-" help "${help}")
set(HELP_TEXT "${help}")
string(TIMESTAMP MAN_DATE "%Y-%m-%d" UTC)
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
