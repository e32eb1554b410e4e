# Runs varnwick-cli.exe under Wine and the host build's varnwick-cli on the same headers and fails
# unless both give the same exit code and the same standard output, byte for byte: classes, dump,
# and every generator (as the host build lists them) on every class, with the states as read,
# everything ticked, list form, the declaration and line-feed ends.
# Needs: WINE, WINDOWS_CLI, HOST_CLI, SOURCE_DIR, WORK_DIR; the paths stay relative to SOURCE_DIR
# so that both programs print the same file names (a folder's headers aside, which each joins to
# the folder with its own separator).
cmake_minimum_required(VERSION 3.25)
if(NOT EXISTS "${HOST_CLI}")
  message(FATAL_ERROR "${HOST_CLI} is missing: build the default preset before testing this one")
endif()
file(MAKE_DIRECTORY "${WORK_DIR}")
file(GLOB fixtures RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/tests/cli/fixtures/*.h")
list(SORT fixtures)
set(headers examples/Example.h ${fixtures})

set(runs 0)
set(mismatches 0)
# Runs one argument list on both programs and compares what they print.
function(compare)
  math(EXPR number "${runs} + 1")
  set(runs ${number} PARENT_SCOPE)
  execute_process(COMMAND "${HOST_CLI}" ${ARGN} WORKING_DIRECTORY "${SOURCE_DIR}"
                  OUTPUT_FILE "${WORK_DIR}/${number}.host" RESULT_VARIABLE hostCode ERROR_QUIET)
  execute_process(COMMAND "${WINE}" "${WINDOWS_CLI}" ${ARGN} WORKING_DIRECTORY "${SOURCE_DIR}"
                  OUTPUT_FILE "${WORK_DIR}/${number}.wine" RESULT_VARIABLE wineCode ERROR_QUIET)
  if(folderRun)
    # Windows joins a folder's headers to it with its own separator; compare the rest.
    execute_process(COMMAND env LC_ALL=C sed "s|fixtures\\\\|fixtures/|" "${WORK_DIR}/${number}.wine"
                    OUTPUT_FILE "${WORK_DIR}/${number}.wine-slashes")
    file(RENAME "${WORK_DIR}/${number}.wine-slashes" "${WORK_DIR}/${number}.wine")
  endif()
  file(SHA256 "${WORK_DIR}/${number}.host" hostSum)
  file(SHA256 "${WORK_DIR}/${number}.wine" wineSum)
  if(NOT hostCode STREQUAL wineCode OR NOT hostSum STREQUAL wineSum)
    message(SEND_ERROR "differs (exit ${hostCode} and ${wineCode}; output in ${WORK_DIR}/${number}.host "
                       "and .wine): varnwick-cli ${ARGN}")
    math(EXPR failed "${mismatches} + 1")
    set(mismatches ${failed} PARENT_SCOPE)
  endif()
endfunction()

compare(classes ${headers})
set(folderRun TRUE)
compare(classes tests/cli/fixtures)
set(folderRun FALSE)
compare(dump ${headers})

execute_process(COMMAND "${HOST_CLI}" generate --help OUTPUT_VARIABLE help)
string(REGEX MATCHALL "\n  [a-z-]+ +\"" listed "${help}")
string(REGEX REPLACE "\n  ([a-z-]+) +\"" "\\1" generators "${listed}")
execute_process(COMMAND "${HOST_CLI}" classes ${headers} WORKING_DIRECTORY "${SOURCE_DIR}" OUTPUT_VARIABLE classes)
string(REGEX MATCHALL "\n" lines "${classes}")
list(LENGTH lines classCount)
list(LENGTH generators generatorCount)
if(generatorCount LESS 12 OR classCount LESS 2)
  message(FATAL_ERROR "found ${generatorCount} generators and ${classCount} classes: nothing to compare")
endif()

math(EXPR lastClass "${classCount} - 1")
foreach(generator IN LISTS generators)
  foreach(index RANGE ${lastClass})
    compare(generate ${generator} --index ${index} ${headers})
  endforeach()
  compare(generate ${generator} --class CDrawDoc "--state=*=1" ${headers})
  compare(generate ${generator} --class CDrawDoc "--state=*=2" --no-ptrlist-check ${headers})
  compare(generate ${generator} --class COrderDoc --declaration ${headers})
  compare(generate ${generator} --class CShapeDlg --eol lf "--state=*=1" ${headers})
endforeach()

message(STATUS "${runs} runs compared on ${classCount} classes and ${generatorCount} generators, "
               "${mismatches} differ")
