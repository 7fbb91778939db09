# Black-box tests of the morvane-cli executable: exact bytes on standard output and
# standard error, and exit statuses. Run by CTest as
#   cmake -DCLI=<exe> -DEMULATOR=<wine or empty> -DSTICK=<sample stick> -DSCRATCH=<dir> -P CliBlackBox.cmake

set(failures 0)

function(expect_cli name expected_status expected_out expected_err)
  execute_process(COMMAND ${EMULATOR} ${CLI} ${ARGN}
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status STREQUAL expected_status OR NOT out STREQUAL expected_out OR NOT err STREQUAL expected_err)
    message(SEND_ERROR "${name}: morvane-cli ${ARGN}\n"
                       "  status ${status} (expected ${expected_status})\n"
                       "  stdout [${out}]\n  expected [${expected_out}]\n"
                       "  stderr [${err}]\n  expected [${expected_err}]")
  endif()
endfunction()

set(unknown_version "unknown software version\nnot supported by Morvane\n(please use Dunmarra for ERS-2x0/31x)")

file(REMOVE_RECURSE "${SCRATCH}")
file(MAKE_DIRECTORY "${SCRATCH}/no-marker" "${SCRATCH}/no-version" "${SCRATCH}/unknown/OPEN-R/APP")
file(WRITE "${SCRATCH}/no-version/MEMSTICK.IND" "")
file(WRITE "${SCRATCH}/unknown/MEMSTICK.IND" "")
file(WRITE "${SCRATCH}/unknown/OPEN-R/APP/VERSION" "VERS-but-not-really")

expect_cli("sample stick" 0 "Version: ERS-7 AiboMind V1/V2/V3\nLanguage code: 3\n" "" detect "${STICK}")
expect_cli("no marker" 2 "" "Stick Open Error: can't open memstick.ind\n" detect "${SCRATCH}/no-marker")
expect_cli("no version" 2 "" "Stick Open Error: missing VERSION file\n" detect "${SCRATCH}/no-version")
expect_cli("unknown version" 2 "" "Stick Open Error: ${unknown_version}\n" detect "${SCRATCH}/unknown")
expect_cli("not a directory" 2 ""
           "ERROR: directory '${SCRATCH}/missing' specified on command line is invalid\n"
           detect "${SCRATCH}/missing")
expect_cli("no command" 64 "" "morvane-cli: missing command (try 'morvane-cli --help')\n")
expect_cli("unknown command" 64 "" "morvane-cli: unknown command 'dump' (try 'morvane-cli --help')\n" dump)
