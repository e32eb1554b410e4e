# Writes the varnwick-cli man page from the program's own help, so that the page never lags
# behind the options. Run as: cmake -DCLI=... -DHELP2MAN=... -DINCLUDE=... -DOUTPUT=... -P ManPage.cmake
# The generate command's options make up a section of their own, since the top-level help only
# names the commands.
execute_process(COMMAND ${CLI} generate --help OUTPUT_VARIABLE help RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${CLI} generate --help failed: ${result}")
endif()
string(REPLACE "${CLI}" "varnwick-cli" help "${help}")
# Shown as typed: backslashes and line-leading control characters must not reach roff.
string(REPLACE "\\" "\\e" help "${help}")
string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")

file(READ ${INCLUDE} sections)
set(include_file ${OUTPUT}.h2m)
file(WRITE ${include_file} "${sections}\n[generate command]\n.nf\n${help}.fi\n")
execute_process(
  COMMAND ${HELP2MAN} --no-info --no-discard-stderr --include=${include_file} --output=${OUTPUT} ${CLI}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "help2man failed for ${CLI}: ${result}")
endif()
