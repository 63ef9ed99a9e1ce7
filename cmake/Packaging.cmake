# The program as a desktop citizen: one version for everything, the installed layout, the
# desktop entry, the icon and the metainfo, and the Debian package.

set(MIZARO_RELEASE_DATE 2026-12-07)  # of the version below, for the metainfo
set(MIZARO_APP_ID org.example.mizaro CACHE STRING "The reverse-domain id of the metainfo")
# The metainfo's screenshot lies under this address too.
set(MIZARO_HOME_URL https://example.org/mizaro CACHE STRING
  "The project's web address: the package's homepage and the window's author page")
# The version is the project's (see project() above); the programs and the about box read it
# from here, and the package and the metainfo are named with it. The window opens the web
# address given here, so the package and the program name the same page.
set_source_files_properties(${CMAKE_SOURCE_DIR}/platform/version.cpp PROPERTIES
  COMPILE_DEFINITIONS "MIZARO_VERSION=\"${PROJECT_VERSION}\";MIZARO_HOME_URL=\"${MIZARO_HOME_URL}\"")
set(MIZARO_MAINTAINER "Mizaro developers <mizaro@example.org>" CACHE STRING
  "The Debian package's maintainer")

# Installed layout: the programs in bin/, what they read in share/mizaro/. The programs look
# for share/mizaro/ beside their own bin/ folder (platform/program_directory.h), so these two
# destinations are fixed rather than taken from GNUInstallDirs.
install(TARGETS mizaro-cli RUNTIME DESTINATION bin)
install(FILES ${CMAKE_BINARY_DIR}/bin/ShantenTable.txt DESTINATION share/mizaro)
# Where a Debian system, and its package tools, look for the licence of an installed program.
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION share/doc/mizaro RENAME copyright)

if(MIZARO_GUI)
  install(TARGETS mizaro RUNTIME DESTINATION bin)
  # The pages of F1, one folder per language (platform/help_location.h).
  install(DIRECTORY ${CMAKE_SOURCE_DIR}/help/ DESTINATION share/mizaro/help)

  # The icon is drawn by our own code into an icon theme folder.
  add_executable(gen_app_icon ${CMAKE_SOURCE_DIR}/tools/gen_app_icon.cpp)
  target_link_libraries(gen_app_icon PRIVATE mizaro_ui)
  set(icon_theme ${CMAKE_BINARY_DIR}/icons/hicolor)
  set(icon_files ${icon_theme}/scalable/apps/mizaro.svg)
  foreach(size 16 24 32 48 64 128 256)
    list(APPEND icon_files ${icon_theme}/${size}x${size}/apps/mizaro.png)
  endforeach()
  add_custom_command(OUTPUT ${icon_files}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:gen_app_icon> ${icon_theme}
    DEPENDS gen_app_icon
    COMMENT "Drawing the program icon")
  add_custom_target(app_icon ALL DEPENDS ${icon_files})
  install(DIRECTORY ${icon_theme} DESTINATION share/icons)

  set(MIZARO_METAINFO ${CMAKE_BINARY_DIR}/desktop/${MIZARO_APP_ID}.metainfo.xml)
  configure_file(${CMAKE_SOURCE_DIR}/desktop/mizaro.metainfo.xml.in ${MIZARO_METAINFO} @ONLY)
  install(FILES ${CMAKE_SOURCE_DIR}/desktop/mizaro.desktop DESTINATION share/applications)
  install(FILES ${MIZARO_METAINFO} DESTINATION share/metainfo)
  install(FILES ${CMAKE_SOURCE_DIR}/docs/screenshot.png DESTINATION share/mizaro)

  # The desktop's own checkers, where they are installed.
  find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
  find_program(APPSTREAMCLI appstreamcli)
  if(DESKTOP_FILE_VALIDATE)
    mizaro_add_test(NAME desktop_entry_valid
                    COMMAND ${DESKTOP_FILE_VALIDATE} ${CMAKE_SOURCE_DIR}/desktop/mizaro.desktop
                    TIMEOUT 60)
  else()
    message(STATUS "desktop-file-validate not found: the desktop entry is not checked")
  endif()
  if(APPSTREAMCLI)
    mizaro_add_test(NAME metainfo_valid
                    COMMAND ${APPSTREAMCLI} validate --no-net ${MIZARO_METAINFO} TIMEOUT 60)
  else()
    message(STATUS "appstreamcli not found: the metainfo is not checked")
  endif()
endif()

# The Debian package: `cpack -G DEB` in the build folder. Its dependencies are those of the
# shared libraries the programs link (dpkg-shlibdeps, from dpkg-dev).
set(CPACK_PACKAGE_NAME mizaro)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Mizaro")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Riichi mahjong trainer for one player")
set(CPACK_PACKAGE_DESCRIPTION
  "Mizaro deals a hand of Japanese riichi mahjong and lets one player draw and discard for at
most eighteen turns. It rates every discard by an exhaustive expected-value search, compares
riichi with staying concealed and keeps statistics. mizaro-cli does the same work on hands
written as text.")
set(CPACK_PACKAGE_CONTACT ${MIZARO_MAINTAINER})
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${MIZARO_HOME_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window looks for the CJK fonts by name; without them the kanji of the tiles fall back
# to whatever the system has.
if(MIZARO_GUI)
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, qt6-translations-l10n")
endif()
include(CPack)

# The installed tree and the package, each unpacked into a temporary root, run on their own.
mizaro_add_test(NAME installed_tree_runs
                COMMAND ${CMAKE_SOURCE_DIR}/tests/package/check_installed_tree.sh ${CMAKE_COMMAND}
                        ${CMAKE_BINARY_DIR} ${PROJECT_VERSION})
# A package is made of a release build; a sanitizer build would only package its runtime.
if(NOT MIZARO_SANITIZE)
  mizaro_add_test(NAME debian_package_runs
                  COMMAND ${CMAKE_SOURCE_DIR}/tests/package/check_debian_package.sh
                          ${CMAKE_CPACK_COMMAND} ${CMAKE_BINARY_DIR} ${PROJECT_VERSION}
                  PROPERTIES SKIP_RETURN_CODE 77)
endif()
