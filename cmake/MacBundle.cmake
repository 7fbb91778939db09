# morvane_macos_bundle(TARGET): on macOS, the window program becomes Morvane.app, with
# its icon and Info.plist (packaging/macos/Info.plist.in); installing puts the bundle at
# the top of the package and copies the Qt frameworks and plugins it uses into it, so the
# .dmg that cmake/Packaging.cmake makes runs without a Qt installation. Elsewhere the
# function does nothing.
function(morvane_macos_bundle target)
  if(NOT APPLE)
    return()
  endif()
  set(icon ${CMAKE_SOURCE_DIR}/packaging/icons/Morvane.icns)
  target_sources(${target} PRIVATE ${icon})
  set_source_files_properties(${icon} PROPERTIES MACOSX_PACKAGE_LOCATION Resources)
  file(STRINGS ${CMAKE_SOURCE_DIR}/LICENSE copyright REGEX "^Copyright" LIMIT_COUNT 1)
  set_target_properties(${target} PROPERTIES
    MACOSX_BUNDLE ON
    OUTPUT_NAME Morvane
    MACOSX_BUNDLE_INFO_PLIST ${CMAKE_SOURCE_DIR}/packaging/macos/Info.plist.in
    MACOSX_BUNDLE_BUNDLE_NAME Morvane
    MACOSX_BUNDLE_GUI_IDENTIFIER org.example.morvane
    MACOSX_BUNDLE_ICON_FILE Morvane.icns
    MACOSX_BUNDLE_SHORT_VERSION_STRING ${PROJECT_VERSION}
    MACOSX_BUNDLE_BUNDLE_VERSION ${PROJECT_VERSION}
    MACOSX_BUNDLE_COPYRIGHT "${copyright}")
  install(TARGETS ${target} BUNDLE DESTINATION .)
  # Qt 6.5 renamed the argument that receives the script's path.
  if(Qt6_VERSION VERSION_LESS 6.5)
    qt_generate_deploy_app_script(TARGET ${target} FILENAME_VARIABLE deploy_script)
  else()
    qt_generate_deploy_app_script(TARGET ${target} OUTPUT_SCRIPT deploy_script)
  endif()
  install(SCRIPT ${deploy_script})
endfunction()
