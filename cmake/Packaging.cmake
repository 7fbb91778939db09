# What the release packages hold, and how CPack makes them. The windows build makes a
# portable zip and an NSIS installer, a macOS build a disk image, another native build a
# Debian package. Each program ships through morvane_package_program; the documents
# follow it.

set(CPACK_PACKAGE_NAME Morvane)
set(CPACK_PACKAGE_VENDOR "The Morvane developers")
set(CPACK_PACKAGE_CONTACT "The Morvane developers <morvane@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "ERS-7 robot dog memory stick browser")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Morvane)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/packaging/ClampFileTimes.cmake)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(packaging_dir ${CMAKE_SOURCE_DIR}/packaging)
set(packaging_out ${CMAKE_BINARY_DIR}/packaging)

if(WIN32)
  # The zip holds one folder with the programs beside the owner's guide and the licence,
  # both with Windows line ends; the installer installs that folder.
  set(CPACK_GENERATOR ZIP NSIS)
  set(CPACK_PACKAGE_FILE_NAME "Morvane-${PROJECT_VERSION}-win64")
  set(program_destination .)
  configure_file(${packaging_dir}/README.txt.in ${packaging_out}/README.txt @ONLY NEWLINE_STYLE CRLF)
  configure_file(${CMAKE_SOURCE_DIR}/LICENSE ${packaging_out}/LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
  install(FILES ${packaging_out}/README.txt ${packaging_out}/LICENSE.txt DESTINATION .)
  set(CPACK_RESOURCE_FILE_LICENSE ${packaging_out}/LICENSE.txt)
  set(CPACK_NSIS_DISPLAY_NAME Morvane)
  set(CPACK_NSIS_PACKAGE_NAME "Morvane ${PROJECT_VERSION}")
  set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Morvane)
  # CPack takes NSIS.template.in from its module path: ours installs per user.
  set(CPACK_MODULE_PATH ${packaging_dir})
  set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/CPackOptions.cmake)
  configure_file(${packaging_dir}/CPackOptions.cmake.in ${CPACK_PROJECT_CONFIG_FILE} @ONLY)
elseif(APPLE)
  # The disk image holds Morvane.app (installed by morvane_macos_bundle, cmake/MacBundle.cmake)
  # beside morvane-cli.
  set(CPACK_GENERATOR DragNDrop)
  set(CPACK_PACKAGE_FILE_NAME "Morvane-${PROJECT_VERSION}-macos")
  set(CPACK_DMG_VOLUME_NAME Morvane)
  set(program_destination .)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_PACKAGE_NAME morvane)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION utils)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_PACKAGE_DESCRIPTION
      "Morvane opens the memory stick of an ERS-7 robot dog, or a copy of it on disk,\n"
      "recognises the software installed on it and the language the robot speaks, and\n"
      "shows what the stick says about the robot in a window: the program morvane.\n"
      "morvane-cli prints the same reports and changes the robot's skill levels and\n"
      "volume on the command line.")
  string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
  set(program_destination bin)
  set(doc_destination share/doc/morvane)

  # The copyright file names the licence and carries its text, one space in.
  file(READ ${CMAKE_SOURCE_DIR}/LICENSE license_text)
  string(FIND "${license_text}" "Permission" permission_start)
  string(SUBSTRING "${license_text}" ${permission_start} -1 license_text)
  string(REGEX REPLACE "\n+$" "" license_text "${license_text}")
  string(REPLACE "\n\n" "\n.\n" license_text "${license_text}")
  string(REPLACE "\n" "\n " license_text "${license_text}")
  configure_file(${packaging_dir}/copyright.in ${packaging_out}/copyright @ONLY)
  file(APPEND ${packaging_out}/copyright " ${license_text}\n")
  install(FILES ${packaging_out}/copyright DESTINATION ${doc_destination})

  # The manual pages and the changelog, compressed without a name or time stamp so that
  # the package is the same byte for byte at every build. The Qt window program (built
  # when Qt 6 is found) brings its manual page, desktop entry and icon.
  set(manual_pages morvane-cli.1)
  if(TARGET morvane)
    list(APPEND manual_pages morvane.1)
    install(FILES ${packaging_dir}/morvane.desktop DESTINATION share/applications)
    foreach(size 48 256)
      install(FILES ${packaging_dir}/icons/morvane-${size}.png
              DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME morvane.png)
    endforeach()
  endif()
  string(TIMESTAMP MORVANE_RELEASE_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
  foreach(document ${manual_pages} changelog)
    configure_file(${packaging_dir}/${document}.in ${packaging_out}/${document} @ONLY)
    add_custom_command(OUTPUT ${packaging_out}/${document}.gz
                       COMMAND gzip -9 -n -c ${packaging_out}/${document} > ${packaging_out}/${document}.gz
                       DEPENDS ${packaging_out}/${document})
  endforeach()
  list(TRANSFORM manual_pages REPLACE "(.+)" "${packaging_out}/\\1.gz" OUTPUT_VARIABLE compressed_pages)
  add_custom_target(packaged_documents ALL DEPENDS ${compressed_pages} ${packaging_out}/changelog.gz)
  install(FILES ${compressed_pages} DESTINATION share/man/man1)
  install(FILES ${packaging_out}/changelog.gz DESTINATION ${doc_destination})
  install(FILES ${packaging_dir}/morvane-cli.bash-completion
          DESTINATION share/bash-completion/completions RENAME morvane-cli)
endif()

# morvane_package_program(TARGET): the program goes into this build's packages.
function(morvane_package_program target)
  install(TARGETS ${target} RUNTIME DESTINATION ${program_destination})
endfunction()

morvane_package_program(morvane-cli)
if(WIN32)
  morvane_package_program(Morvane)
elseif(TARGET morvane AND NOT APPLE)
  morvane_package_program(morvane)
endif()

include(CPack)
