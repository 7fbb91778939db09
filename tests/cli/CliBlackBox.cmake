# Black-box tests of the morvane-cli executable: exact bytes on standard output and
# standard error, and exit statuses. Run by CTest as
#   cmake -DCLI=<exe> -DEMULATOR=<wine or empty> -DSTICK=<sample stick> -DSCRATCH=<dir> -P CliBlackBox.cmake

set(failures 0)

# Compares bytes through files: execute_process's captured variables do not keep CR.
function(bytes_of text out_var)
  file(WRITE "${SCRATCH}/expected.txt" "${text}")
  file(READ "${SCRATCH}/expected.txt" hex HEX)
  set(${out_var} "${hex}" PARENT_SCOPE)
endfunction()

function(expect_cli name expected_status expected_out expected_err)
  execute_process(COMMAND ${EMULATOR} ${CLI} ${ARGN} RESULT_VARIABLE status
                  OUTPUT_FILE "${SCRATCH}/stdout.txt" ERROR_FILE "${SCRATCH}/stderr.txt")
  file(READ "${SCRATCH}/stdout.txt" out HEX)
  file(READ "${SCRATCH}/stderr.txt" err HEX)
  bytes_of("${expected_out}" want_out)
  bytes_of("${expected_err}" want_err)
  if(NOT status STREQUAL expected_status OR NOT out STREQUAL want_out OR NOT err STREQUAL want_err)
    file(READ "${SCRATCH}/stdout.txt" out_text)
    file(READ "${SCRATCH}/stderr.txt" err_text)
    message(SEND_ERROR "${name}: morvane-cli ${ARGN}\n"
                       "  status ${status} (expected ${expected_status})\n"
                       "  stdout [${out_text}]\n  expected [${expected_out}]\n"
                       "  stderr [${err_text}]\n  expected [${expected_err}]")
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

set(versions_crlf "App Version:\r\n   vers: 0 1 112 3 2 0 0 0\r\n   cncd: 3 0 0 0\r\n")
string(APPEND versions_crlf "MW Version:\r\n   vers: 0 1 32 1 6 0 0 0\r\n   cncd: 3 0 0 0\r\n")
string(APPEND versions_crlf "System Version:\r\n   vers: 0 1 16 1 6 0 0 0\r\n   cncd: 3 0 0 0\r\n")
string(APPEND versions_crlf "Custom Version:\r\n   vers: 0 1 112 0 1 4 0 0\r\n   cncd: 3 0 0 0\r\n\r\n")
expect_cli("versions with CR LF" 0 "${versions_crlf}" "" report versions "${STICK}" --crlf)
file(WRITE "${SCRATCH}/sdk/MEMSTICK.IND" "")
file(WRITE "${SCRATCH}/sdk/OPEN-R/SYSTEM/VERSION" "")
expect_cli("missing entry file" 1 "Non-critical warning:\n that file does not exist\n display not available\n" ""
           report r-variables "${SCRATCH}/sdk")

# Every report of the sample stick, byte for byte; the stick's root, which differs from
# machine to machine, is replaced by <ROOT>. (file(READ) drops CR, so the CR LF output
# is compared as hexadecimal bytes: with each CR LF taken back to LF it must be the LF
# output. A line that itself ends in LF keeps it, so LF cannot simply become CR LF.)
function(hex_bytes_of_file path out_var)
  file(READ "${path}" hex HEX)
  string(REGEX REPLACE "(..)" "\\1 " hex "${hex}")
  set(${out_var} "${hex}" PARENT_SCOPE)
endfunction()

execute_process(COMMAND ${EMULATOR} ${CLI} report all "${STICK}" RESULT_VARIABLE status OUTPUT_FILE "${SCRATCH}/all.txt")
file(READ "${SCRATCH}/all.txt" actual)
string(REGEX REPLACE "Browsing OpenR from [^\n]*" "Browsing OpenR from <ROOT>" actual "${actual}")
file(READ "${EXPECTED_DIR}/sample-report-all.txt" expected)
bytes_of("${actual}" actual_hex)
bytes_of("${expected}" expected_hex)
if(NOT status STREQUAL "0" OR NOT actual_hex STREQUAL expected_hex)
  file(WRITE "${SCRATCH}/all-normalised.txt" "${actual}")
  message(SEND_ERROR "report all: status ${status}; compare ${SCRATCH}/all-normalised.txt "
                     "with ${EXPECTED_DIR}/sample-report-all.txt")
endif()

execute_process(COMMAND ${EMULATOR} ${CLI} report all "${STICK}" --crlf OUTPUT_FILE "${SCRATCH}/all-crlf.txt")
hex_bytes_of_file("${SCRATCH}/all.txt" lf_hex)
hex_bytes_of_file("${SCRATCH}/all-crlf.txt" crlf_hex)
string(REPLACE "0d 0a " "0a " crlf_as_lf_hex "${crlf_hex}")
if(crlf_hex STREQUAL lf_hex OR NOT crlf_as_lf_hex STREQUAL lf_hex)
  message(SEND_ERROR "report all --crlf differs from the LF output in more than its line ends")
endif()
