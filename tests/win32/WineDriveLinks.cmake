# Links Wine's drives D: (to STICK) and F: (to SECOND, created with an empty
# MEMSTICK.IND) in the prefix named by WINEPREFIX, or removes the links again. While the
# links stand the file FLAG exists, so the scan tests know the markers are there.
#   cmake -DACTION=link -DSTICK=<dir> -DSECOND=<dir> -DFLAG=<file> -P WineDriveLinks.cmake
#   cmake -DACTION=unlink -DFLAG=<file> -P WineDriveLinks.cmake
# Without a Wine prefix (tests run on Windows itself) there is nothing to do.
if(NOT DEFINED ENV{WINEPREFIX} OR NOT IS_DIRECTORY "$ENV{WINEPREFIX}/dosdevices")
  message(STATUS "No Wine prefix: drive links left alone")
  return()
endif()
set(devices "$ENV{WINEPREFIX}/dosdevices")

if(ACTION STREQUAL "link")
  file(MAKE_DIRECTORY "${SECOND}")
  file(TOUCH "${SECOND}/MEMSTICK.IND")
  file(REMOVE "${devices}/d:" "${devices}/f:")
  file(CREATE_LINK "${STICK}" "${devices}/d:" SYMBOLIC)
  file(CREATE_LINK "${SECOND}" "${devices}/f:" SYMBOLIC)
  file(TOUCH "${FLAG}")
elseif(ACTION STREQUAL "unlink")
  file(REMOVE "${devices}/d:" "${devices}/f:" "${FLAG}")
else()
  message(FATAL_ERROR "ACTION must be link or unlink")
endif()
