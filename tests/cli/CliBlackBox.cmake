# Black-box tests of the morvane-cli executable: exact bytes on standard output and
# standard error, and exit statuses. Run by CTest as
#   cmake -DCLI=<exe> -DEMULATOR=<wine or empty> -DSTICK=<sample stick> -DSCRATCH=<dir>
#         -DEXPECTED_DIR=<dir> -DMAKE_STICK=<make_sample_stick> -P CliBlackBox.cmake

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

# The same with standard output compared to the bytes of `expected_file`, CR included.
function(expect_cli_bytes name expected_file)
  execute_process(COMMAND ${EMULATOR} ${CLI} ${ARGN} RESULT_VARIABLE status
                  OUTPUT_FILE "${SCRATCH}/stdout.txt" ERROR_FILE "${SCRATCH}/stderr.txt")
  file(READ "${SCRATCH}/stdout.txt" out HEX)
  file(READ "${expected_file}" want HEX)
  if(NOT status STREQUAL "0" OR NOT out STREQUAL want)
    message(SEND_ERROR "${name}: morvane-cli ${ARGN}\n  status ${status}, or stdout is not ${expected_file}")
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

# Runs `CLI report all STICK`, the output in all.txt; answers whether it is every report
# of the sample stick, byte for byte, and in `err_var` its standard error.
function(report_all_is_sample cli stick out_var err_var)
  execute_process(COMMAND ${EMULATOR} ${cli} report all "${stick}" RESULT_VARIABLE status
                  OUTPUT_FILE "${SCRATCH}/all.txt" ERROR_VARIABLE err)
  file(READ "${SCRATCH}/all.txt" actual)
  string(REGEX REPLACE "Browsing OpenR from [^\n]*" "Browsing OpenR from <ROOT>" actual "${actual}")
  file(READ "${EXPECTED_DIR}/sample-report-all.txt" expected)
  bytes_of("${actual}" actual_hex)
  bytes_of("${expected}" expected_hex)
  file(WRITE "${SCRATCH}/all-normalised.txt" "${actual}")
  if(status STREQUAL "0" AND actual_hex STREQUAL expected_hex)
    set(${out_var} TRUE PARENT_SCOPE)
  else()
    set(${out_var} FALSE PARENT_SCOPE)
  endif()
  set(${err_var} "${err}" PARENT_SCOPE)
endfunction()

report_all_is_sample("${CLI}" "${STICK}" same err)
if(NOT same)
  message(SEND_ERROR "report all: compare ${SCRATCH}/all-normalised.txt with ${EXPECTED_DIR}/sample-report-all.txt")
endif()

execute_process(COMMAND ${EMULATOR} ${CLI} report all "${STICK}" --crlf OUTPUT_FILE "${SCRATCH}/all-crlf.txt")
hex_bytes_of_file("${SCRATCH}/all.txt" lf_hex)
hex_bytes_of_file("${SCRATCH}/all-crlf.txt" crlf_hex)
string(REPLACE "0d 0a " "0a " crlf_as_lf_hex "${crlf_hex}")
if(crlf_hex STREQUAL lf_hex OR NOT crlf_as_lf_hex STREQUAL lf_hex)
  message(SEND_ERROR "report all --crlf differs from the LF output in more than its line ends")
endif()

# The editors and viewers. The editors save into a copy of the sample stick, so that the
# sample itself stays as the report tests expect it.
file(COPY "${STICK}/" DESTINATION "${SCRATCH}/edited")
set(edited "${SCRATCH}/edited")
set(confirmation "Changes done\n click \"Summary\" to see new stage\n")
set(grow_up "Warning: other skill levels don't do much until AIBO grows up\n")

expect_cli("skills of the sample" 0 "maturity=10000\nwalk=5000\nball=7500\nbone=2500\n" "" skills "${STICK}")
expect_cli("skills baby" 0 "${confirmation}" "" skills "${edited}" --preset baby)
expect_cli("skills after baby" 0 "maturity=10000\nwalk=0\nball=0\nbone=0\n" "" skills "${edited}")
expect_cli("skills newborn walking" 0 "${confirmation}" "${grow_up}" skills "${edited}" --preset=NewBorn --walk 10)
expect_cli("skills after newborn" 0 "maturity=0\nwalk=10\nball=0\nbone=0\n" "" skills "${edited}")
expect_cli("skills out of range" 64 ""
           "morvane-cli: skills: --walk needs a number from 0 to 10000 (try 'morvane-cli --help')\n"
           skills "${edited}" --walk 10001)
expect_cli("skills unknown preset" 64 ""
           "morvane-cli: skills: unknown preset 'teen' (adult|baby|newborn) (try 'morvane-cli --help')\n"
           skills "${edited}" --preset teen)
expect_cli("skills without FVAR" 1 "" "No FVAR file yet\nPlease reboot AIBO at least once\n" skills "${SCRATCH}/sdk")

expect_cli("volume of the sample" 0 "volume0=0\nvolume1=39\nvolume2=54\nvolume3=62\n" "" volume "${STICK}")
expect_cli("volume loud" 0 "" "" volume "${edited}" --preset loud --volume0 5)
expect_cli("volume after loud" 0 "volume0=5\nvolume1=54\nvolume2=59\nvolume3=63\n" "" volume "${edited}")
file(READ "${edited}/OPEN-R/MW/CONF/VOLUME.CFG" saved_volume HEX)
bytes_of("0xC500 0xC200\r\n0xF600 0xF300\r\n0xFB00 0xF800\r\n0xFF00 0xFC00\r\nMIDI_Master_Tune:8\r\n\r\n" want_volume)
if(NOT saved_volume STREQUAL want_volume)
  message(SEND_ERROR "volume loud: VOLUME.CFG holds ${saved_volume}")
endif()
expect_cli("volume out of range" 64 ""
           "morvane-cli: volume: --volume3 needs a number from 0 to 63 (try 'morvane-cli --help')\n"
           volume "${edited}" --volume3 64)
expect_cli("volume without its file" 1 "" "Missing VOLUME.CFG file\n" volume "${SCRATCH}/sdk")
file(WRITE "${SCRATCH}/sdk/OPEN-R/MW/CONF/VOLUME.CFG" "0x9000 0x9000\r\n")
expect_cli("volume of an unreadable file" 0 "volume0=0\nvolume1=39\nvolume2=54\nvolume3=62\n"
           "VOLUME.CFG could not be read; the sliders start at the Default positions\n" volume "${SCRATCH}/sdk")

file(READ "${EXPECTED_DIR}/sample-colors.txt" sample_colors)
expect_cli("colors of the sample" 0 "${sample_colors}" "" colors "${STICK}" --png "${SCRATCH}/colors.png")
expect_cli("colors without tr.ct" 1 "" "Failed to open TR.CT file\n" colors "${SCRATCH}/sdk")

expect_cli("faces of the sample" 0 "0 facem\n1 d0\n2 d1\n3 d2\n" "" faces "${STICK}" --png "${SCRATCH}/faces")
expect_cli("faces without FIFDATA" 1 "" "No Human Faces stored on this stick\n" faces "${SCRATCH}/sdk")
expect_cli("faces without STICK" 64 "" "morvane-cli: faces: missing STICK (try 'morvane-cli --help')\n" faces)

# The robot's PC folder: the diary as a table and as CSV, the album, the voice slots.
file(READ "${EXPECTED_DIR}/sample-diary.txt" sample_diary)
expect_cli("diary of the sample" 0 "${sample_diary}" "" diary "${STICK}" --png "${SCRATCH}/diary.png")
expect_cli_bytes("diary of the sample as CSV" "${EXPECTED_DIR}/sample-diary.csv" diary "${STICK}" --csv)
expect_cli("diary without one" 1 "" "No diary on this stick\n" diary "${SCRATCH}/sdk")
expect_cli("photos of the sample" 0
           "OWNER 2017-05-25 19:20:10 IMG00001.JPG\nOWNER 2017-05-27 08:15:00 IMG00002.JPG\n\
FAVORITE 2017-05-28 12:00:30 IMG00003.JPG\nAUTONOMY 2017-05-30 17:45:05 IMG00004.JPG\n\
AUTONOMY 2017-05-31 09:30:00 IMG00005.JPG (missing)\nUNLISTED 2017-05-31 21:10:00 IMG00006.JPG\n"
           "" photos "${STICK}" --out "${SCRATCH}/photos")
expect_cli("photos without any" 1 "" "No photos on this stick\n" photos "${SCRATCH}/sdk")
file(READ "${EXPECTED_DIR}/sample-voices.txt" sample_voices)
expect_cli("voices of the sample" 0 "${sample_voices}" "" voices "${STICK}" --out "${SCRATCH}/voices")
expect_cli("voices without any" 1 "" "No voice recordings on this stick\n" voices "${SCRATCH}/sdk")
foreach(copied photos/2017-05-25_192010_IMG00001.JPG photos/2017-05-31_211000_IMG00006.JPG voices/0000.WAV
               voices/0021.WAV)
  get_filename_component(name "${copied}" NAME)
  string(REGEX REPLACE "^[0-9_-]+_" "" name "${name}")
  if(copied MATCHES "^photos")
    set(original "${STICK}/OPEN-R/APP/PC/PHOTO/${name}")
  else()
    set(original "${STICK}/OPEN-R/APP/PC/VOICE/${name}")
  endif()
  file(SHA256 "${SCRATCH}/${copied}" copy_digest)
  file(SHA256 "${original}" original_digest)
  if(NOT copy_digest STREQUAL original_digest)
    message(SEND_ERROR "${copied} is not the stick's ${name}, byte for byte")
  endif()
endforeach()
file(GLOB copied_voices "${SCRATCH}/voices/*")
list(LENGTH copied_voices voice_count)
if(NOT voice_count EQUAL 2)
  message(SEND_ERROR "voices --out copied ${voice_count} files, not the two recorded ones")
endif()

# Pictures: a PNG signature, and the width and height of its header.
function(hex32 value out_var)
  math(EXPR hex "${value}" OUTPUT_FORMAT HEXADECIMAL)
  string(SUBSTRING "${hex}" 2 -1 hex)
  string(TOLOWER "00000000${hex}" hex)
  string(LENGTH "${hex}" length)
  math(EXPR start "${length} - 8")
  string(SUBSTRING "${hex}" ${start} 8 hex)
  set(${out_var} "${hex}" PARENT_SCOPE)
endfunction()

function(expect_png path width height)
  file(READ "${path}" head LIMIT 24 HEX)
  hex32(${width} want_width)
  hex32(${height} want_height)
  if(NOT head STREQUAL "89504e470d0a1a0a0000000d49484452${want_width}${want_height}")
    message(SEND_ERROR "${path} is no PNG of ${width} x ${height} pixels: ${head}")
  endif()
endfunction()

expect_png("${SCRATCH}/colors.png" 371 475)
expect_png("${SCRATCH}/diary.png" 640 320)
foreach(index 0 1 2 3)
  expect_png("${SCRATCH}/faces/face-${index}.png" 135 80)
endforeach()

# Key pads beside the program: a copy of morvane-cli with key_pads.bin beside it reads the
# sample stick scrambled with those pads exactly as the sample. The pads are 1452 random
# letters and digits.
string(RANDOM LENGTH 1452 random_pads)
file(WRITE "${SCRATCH}/random-pads.bin" "${random_pads}")
execute_process(COMMAND ${EMULATOR} ${MAKE_STICK} --key-pads "${SCRATCH}/random-pads.bin" "${SCRATCH}/random-stick"
                RESULT_VARIABLE status OUTPUT_QUIET)
get_filename_component(cli_name "${CLI}" NAME)
file(COPY "${CLI}" DESTINATION "${SCRATCH}/program")
file(COPY_FILE "${SCRATCH}/random-pads.bin" "${SCRATCH}/program/key_pads.bin")
set(copied_cli "${SCRATCH}/program/${cli_name}")
report_all_is_sample("${copied_cli}" "${SCRATCH}/random-stick" same err)
if(NOT status STREQUAL "0" OR NOT same OR NOT err STREQUAL "")
  message(SEND_ERROR "pads beside the program: compare ${SCRATCH}/all-normalised.txt with the sample's [${err}]")
endif()
execute_process(COMMAND ${EMULATOR} ${copied_cli} --version OUTPUT_VARIABLE version)
if(NOT version MATCHES "^morvane-cli [^\n]+\nKey pads: [^\n]*.program.key_pads[.]bin\n$")
  message(SEND_ERROR "--version beside the pads: [${version}]")
endif()

# A folder named key_pads.bin beside the program is announced, and the pads built in read
# the sample stick.
file(REMOVE "${SCRATCH}/program/key_pads.bin")
file(MAKE_DIRECTORY "${SCRATCH}/program/key_pads.bin")
report_all_is_sample("${copied_cli}" "${STICK}" same err)
set(folder_message "is a folder: key pads must be a file of exactly 1452 bytes\n$")
if(NOT same OR NOT err MATCHES "^Key pads file '[^\n]*.program.key_pads[.]bin' ${folder_message}")
  message(SEND_ERROR "a folder beside the program: [${err}]")
endif()
