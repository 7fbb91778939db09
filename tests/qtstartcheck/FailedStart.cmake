# morvane's start-ups that end without a main window, run as a user runs the program: a
# folder on the command line that cannot be entered, and a stick search the user cancels.
# The start check plugin closes each dialog as the user would and says what it showed.
# Each run must end at once with status 0 and print no Summary: a program that went on
# after such a start would wait, windowless, for the plugin to give up (status 1).
# -DPROGRAM=morvane -DPLUGINS=the folder above the plugin's generic/ -DSCRATCH=a folder
set(ENV{QT_QPA_PLATFORM} offscreen)
set(ENV{QT_PLUGIN_PATH} "${PLUGINS}")
set(ENV{QT_QPA_GENERIC_PLUGINS} morvane_start_check)

# EXPECTED: the plugin's lines, in order; Qt's own notes on standard error are passed over.
function(expect_start description arguments expected)
  execute_process(COMMAND "${PROGRAM}" ${arguments} WORKING_DIRECTORY "${SCRATCH}"
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
  string(REGEX MATCHALL "(message|dialog): [^\n]*\n" answered "${err}")
  string(JOIN "" answered ${answered})
  if(NOT status STREQUAL "0" OR NOT out STREQUAL "" OR NOT answered STREQUAL "${expected}")
    message(SEND_ERROR "${description}: status [${status}], output [${out}], errors [${err}]")
  endif()
endfunction()

file(MAKE_DIRECTORY "${SCRATCH}")
expect_start("a folder that cannot be entered" "${SCRATCH}/no such folder"
             "message: ERROR: directory '${SCRATCH}/no such folder' specified on command line is invalid\n")
# Started in a folder that is no stick, with no stick where media are mounted.
expect_start("a cancelled search" ""
             "message: Stick Open Error: can't open memstick.ind\ndialog: Open MEMSTICK.IND file at root of OpenR directory\n")
