# Links Wine's drives D: (to a copy of STICK made in COPY) and F: (to SECOND, created
# with an empty MEMSTICK.IND) in the prefix named by WINEPREFIX, or removes the links
# again. While the links stand the file FLAG exists, so the scan tests know the markers
# are there. D: is a copy's drive because Wine names a folder by the drive that reaches
# it: linked to STICK itself, the tests running alongside that open STICK would find
# their current directory on D:, and lose it when the link goes.
#   cmake -DACTION=link -DSTICK=<dir> -DCOPY=<dir> -DSECOND=<dir> -DFLAG=<file> -P WineDriveLinks.cmake
#   cmake -DACTION=unlink -DFLAG=<file> -P WineDriveLinks.cmake
# Without a Wine prefix (tests run on Windows itself) there is nothing to do.
if(NOT DEFINED ENV{WINEPREFIX} OR NOT IS_DIRECTORY "$ENV{WINEPREFIX}/dosdevices")
  message(STATUS "No Wine prefix: drive links left alone")
  return()
endif()
set(devices "$ENV{WINEPREFIX}/dosdevices")

if(ACTION STREQUAL "link")
  file(REMOVE_RECURSE "${COPY}")
  file(COPY "${STICK}/" DESTINATION "${COPY}")
  file(MAKE_DIRECTORY "${SECOND}")
  file(TOUCH "${SECOND}/MEMSTICK.IND")
  file(REMOVE "${devices}/d:" "${devices}/f:")
  file(CREATE_LINK "${COPY}" "${devices}/d:" SYMBOLIC)
  file(CREATE_LINK "${SECOND}" "${devices}/f:" SYMBOLIC)
  file(TOUCH "${FLAG}")
elseif(ACTION STREQUAL "unlink")
  file(REMOVE "${devices}/d:" "${devices}/f:" "${FLAG}")
else()
  message(FATAL_ERROR "ACTION must be link or unlink")
endif()
