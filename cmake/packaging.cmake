# SPDX-License-Identifier: GPL-3.0-or-later
# Desktop integration and the Debian package: the desktop entry, AppStream metadata, the
# replays' file type, icons, manual page, copyright and changelog are installed beside the
# program and data (see src/CMakeLists.txt), and `cmake --build build --target package` makes
# the .deb with CPack.
set(VARNOTH_APP_ID org.varnoth.Varnoth CACHE STRING
    "AppStream id; the desktop entry is installed under this name")
set(VARNOTH_PACKAGE_MAINTAINER "The Varnoth developers <maintainers@varnoth.invalid>" CACHE STRING
    "Maintainer field of the Debian package")
include(GNUInstallDirs)
set(VARNOTH_DIST_DIR ${CMAKE_SOURCE_DIR}/dist/linux)
set(VARNOTH_DIST_OUT ${CMAKE_BINARY_DIR}/dist)

# The changelog's newest entry names the release and its date; the metadata and the manual page
# take the date from there, so a release is dated in one place.
file(STRINGS ${VARNOTH_DIST_DIR}/changelog VARNOTH_CHANGELOG_TOP LIMIT_COUNT 1)
file(STRINGS ${VARNOTH_DIST_DIR}/changelog VARNOTH_CHANGELOG_SIGNED REGEX "^ -- " LIMIT_COUNT 1)
if(NOT VARNOTH_CHANGELOG_TOP MATCHES "^varnoth \\(${PROJECT_VERSION}\\) ")
    message(WARNING "dist/linux/changelog has no entry for ${PROJECT_VERSION} at the top")
endif()
string(REGEX MATCH "([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9])" _
             "${VARNOTH_CHANGELOG_SIGNED}")
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND months "${CMAKE_MATCH_2}" month)
math(EXPR month "${month} + 1" OUTPUT_FORMAT DECIMAL)
if(month LESS 10)
    set(month 0${month})
endif()
set(VARNOTH_RELEASE_DATE ${CMAKE_MATCH_3}-${month}-${CMAKE_MATCH_1})

configure_file(${VARNOTH_DIST_DIR}/varnoth.metainfo.xml.in
               ${VARNOTH_DIST_OUT}/${VARNOTH_APP_ID}.metainfo.xml @ONLY)
configure_file(${VARNOTH_DIST_DIR}/varnoth.6.in ${VARNOTH_DIST_OUT}/varnoth.6 @ONLY)

# Debian wants manual pages and changelogs compressed to the full, without a time stamp.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(VARNOTH_DIST_GZ)
foreach(pair "${VARNOTH_DIST_OUT}/varnoth.6|varnoth.6.gz"
        "${VARNOTH_DIST_DIR}/changelog|changelog.gz")
    string(REPLACE "|" ";" pair "${pair}")
    list(GET pair 0 from)
    list(GET pair 1 to)
    add_custom_command(OUTPUT ${VARNOTH_DIST_OUT}/${to}
        COMMAND ${GZIP_PROGRAM} -9nc ${from} > ${VARNOTH_DIST_OUT}/${to}
        DEPENDS ${from}
        COMMENT "Compressing ${to}")
    list(APPEND VARNOTH_DIST_GZ ${VARNOTH_DIST_OUT}/${to})
endforeach()

set(VARNOTH_ICON_SIZES 16 32 48 64 128 256)
set(VARNOTH_ICON_FILES)
foreach(size ${VARNOTH_ICON_SIZES})
    list(APPEND VARNOTH_ICON_FILES ${VARNOTH_DIST_OUT}/icons/${size}x${size}/apps/varnoth.png)
endforeach()
add_custom_command(OUTPUT ${VARNOTH_ICON_FILES}
    COMMAND varnoth-artgen --icons ${VARNOTH_DIST_OUT}/icons
    DEPENDS varnoth-artgen
    COMMENT "Drawing the program's icons")
add_custom_target(varnoth_dist ALL DEPENDS ${VARNOTH_DIST_GZ} ${VARNOTH_ICON_FILES})

install(FILES ${VARNOTH_DIST_DIR}/varnoth.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
        RENAME ${VARNOTH_APP_ID}.desktop)
install(FILES ${VARNOTH_DIST_OUT}/${VARNOTH_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The replays' file type; shared-mime-info's trigger adds it to the system's database.
install(FILES ${VARNOTH_DIST_DIR}/varnoth-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME varnoth.xml)
foreach(size ${VARNOTH_ICON_SIZES})
    install(FILES ${VARNOTH_DIST_OUT}/icons/${size}x${size}/apps/varnoth.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${VARNOTH_DIST_OUT}/varnoth.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${VARNOTH_DIST_DIR}/copyright ${VARNOTH_DIST_OUT}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/varnoth)

# The Debian package. The runtime libraries come from dpkg-shlibdeps, so the package installs on
# whichever release built it.
find_program(DPKG_PROGRAM dpkg)
if(DPKG_PROGRAM)
    execute_process(COMMAND ${DPKG_PROGRAM} --print-architecture
                    OUTPUT_VARIABLE VARNOTH_DEB_ARCH OUTPUT_STRIP_TRAILING_WHITESPACE)
else()
    set(VARNOTH_DEB_ARCH amd64)
endif()
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME varnoth)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Varnoth developers")
set(CPACK_PACKAGE_CONTACT "${VARNOTH_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "side-scrolling retro arcade platform game")
# Debian shows the long description as it stands, so its lines are kept short here.
set(CPACK_PACKAGE_DESCRIPTION "\
A witch has turned Tovo into a carved pumpkin. To break the spell he\n\
crosses five levels of three areas each: he breaks bricks, strikes\n\
hidden blocks, rides lifts, throws fireballs and dodges twelve kinds of\n\
monsters, collects the magic item of every level and jumps into the\n\
witch's final cauldron.\n\
\n\
One or two players take turns, at 640 x 480 and 60 frames per second in\n\
a window or full screen, with the keyboard, the mouse or a joystick. The\n\
game draws with OpenGL 3.3.\n\
\n\
It also plays level packs, new areas that players make and share; it\n\
checks a pack before playing it, and the pack First Steps comes with it.")
set(CPACK_PACKAGE_FILE_NAME varnoth_${PROJECT_VERSION}_${VARNOTH_DEB_ARCH})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VARNOTH_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${VARNOTH_DEB_ARCH})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# Installed files and folders get Debian's usual modes whatever the builder's umask is.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
