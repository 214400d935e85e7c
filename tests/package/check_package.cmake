# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package into a scratch folder and checks it without installing it: its name,
# control fields and dependencies (and that apt would resolve them), its file list and modes,
# lintian's verdict, the changelog, desktop entry, AppStream metadata and the replays' file type,
# and a run of the unpacked program under a virtual X server that must play the music it finds
# in the unpacked data folder, and stay silent once that folder is gone.
# -DCPACK=<cpack> -DBUILD=<build folder> -DSRC=<source folder> -DVERSION=<project version>
# -DAPP_ID=<AppStream id>
set(scratch ${BUILD}/package-check)
file(REMOVE_RECURSE ${scratch})
file(MAKE_DIRECTORY ${scratch})

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        list(JOIN ARGN " " cmd)
        message(FATAL_ERROR "${cmd} failed (${rc}):\n${out}${err}")
    endif()
    set(out "${out}" PARENT_SCOPE)
endfunction()

# --- Building it
run(${CPACK} -G DEB --config ${BUILD}/CPackConfig.cmake -B ${scratch})
run(dpkg --print-architecture)
string(STRIP "${out}" arch)
set(deb ${scratch}/varnoth_${VERSION}_${arch}.deb)
if(NOT EXISTS ${deb})
    file(GLOB made ${scratch}/*.deb)
    message(FATAL_ERROR "expected ${deb}, cpack made: ${made}")
endif()

# --- Control fields and dependencies
set(expect_fields "Package=varnoth" "Version=${VERSION}" "Section=games" "Architecture=${arch}")
foreach(pair ${expect_fields})
    string(REPLACE "=" ";" pair "${pair}")
    list(GET pair 0 field)
    list(GET pair 1 want)
    run(dpkg-deb -f ${deb} ${field})
    string(STRIP "${out}" got)
    if(NOT got STREQUAL want)
        message(FATAL_ERROR "${field} is '${got}', expected '${want}'")
    endif()
endforeach()
run(dpkg-deb -f ${deb} Maintainer Description Depends)
if(NOT out MATCHES "Maintainer: [^\n]+<[^\n]+@[^\n]+>")
    message(FATAL_ERROR "no maintainer with an address:\n${out}")
endif()
if(NOT out MATCHES "Description: [^\n]+\n [^\n]+")
    message(FATAL_ERROR "no long description:\n${out}")
endif()
# The run-time libraries, each with the lowest version dpkg-shlibdeps found the program needs
# (library package names change between releases, so only their stems are fixed here).
foreach(lib "libc6 \\(>= " "libsdl2-2\\.0-0 \\(>= " "libsdl2-mixer-2\\.0-0 \\(>= "
        "libpng16-16[a-z0-9]* \\(>= " "libfreetype6[a-z0-9]* \\(>= " "libopengl0")
    if(NOT out MATCHES "Depends: [^\n]*${lib}")
        message(FATAL_ERROR "Depends lacks ${lib}:\n${out}")
    endif()
endforeach()

# apt resolves those dependencies on this machine; -s only simulates, nothing is installed.
find_program(APT_GET apt-get)
if(APT_GET)
    run(${APT_GET} install -s --no-install-recommends ${deb})
    if(NOT out MATCHES "\nInst varnoth \\(${VERSION} ")
        message(FATAL_ERROR "apt would not install the package:\n${out}")
    endif()
endif()

# --- Files: exactly the expected ones, owned by root, with Debian's modes
set(expected
    "-rwxr-xr-x ./usr/games/varnoth"
    "-rw-r--r-- ./usr/share/applications/${APP_ID}.desktop"
    "-rw-r--r-- ./usr/share/metainfo/${APP_ID}.metainfo.xml"
    "-rw-r--r-- ./usr/share/mime/packages/varnoth.xml"
    "-rw-r--r-- ./usr/share/man/man6/varnoth.6.gz"
    "-rw-r--r-- ./usr/share/doc/varnoth/copyright"
    "-rw-r--r-- ./usr/share/doc/varnoth/changelog.gz")
foreach(size 16 32 48 64 128 256)
    list(APPEND expected "-rw-r--r-- ./usr/share/icons/hicolor/${size}x${size}/apps/varnoth.png")
endforeach()
# The data folder whole, the shipped level packs in data/packs/ with it, but no top score.
file(GLOB_RECURSE data_files RELATIVE ${SRC}/data ${SRC}/data/*)
list(FILTER data_files EXCLUDE REGEX "(^|/)hiscore[^/]*\\.dat$")
foreach(pack_file pack.ini map1.1.txt map1.2.txt map1.3.txt LICENSE.txt overview_1.1.png)
    list(FIND data_files packs/first-steps/${pack_file} at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the shipped pack lacks data/packs/first-steps/${pack_file}")
    endif()
endforeach()
foreach(f ${data_files})
    list(APPEND expected "-rw-r--r-- ./usr/share/games/varnoth/${f}")
endforeach()
run(dpkg-deb -c ${deb})
string(REGEX REPLACE "\n$" "" listing "${out}")
string(REPLACE "\n" ";" listing "${listing}")
set(files)
foreach(line ${listing})
    if(NOT line MATCHES "^([-d][rwx-]+) root/root +[0-9]+ [0-9-]+ [0-9:]+ (.*)$")
        message(FATAL_ERROR "not owned by root: ${line}")
    endif()
    set(mode "${CMAKE_MATCH_1}")
    set(path "${CMAKE_MATCH_2}")
    if(mode MATCHES "^d")
        if(NOT mode STREQUAL "drwxr-xr-x")
            message(FATAL_ERROR "folder mode: ${line}")
        endif()
    else()
        list(APPEND files "${mode} ${path}")
    endif()
endforeach()
list(SORT files)
list(SORT expected)
if(NOT files STREQUAL expected)
    set(extra ${files})
    list(REMOVE_ITEM extra ${expected})
    set(missing ${expected})
    list(REMOVE_ITEM missing ${files})
    message(FATAL_ERROR "file list differs\n unexpected: ${extra}\n missing: ${missing}")
endif()

# --- Lintian, where it is installed
find_program(LINTIAN lintian)
if(LINTIAN)
    execute_process(COMMAND ${LINTIAN} --fail-on error ${deb}
                    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    message(STATUS "lintian:\n${out}")
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "lintian reports errors (${rc}):\n${out}${err}")
    endif()
else()
    message(STATUS "lintian is not installed: not checked")
endif()

# --- The unpacked tree: desktop entry and AppStream metadata
set(root ${scratch}/root)
run(dpkg-deb -x ${deb} ${root})
run(gzip -dc ${root}/usr/share/doc/varnoth/changelog.gz)
if(NOT out MATCHES "^varnoth \\(${VERSION}\\) ")
    message(FATAL_ERROR "the changelog's newest entry is not ${VERSION}")
endif()
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
    run(${DESKTOP_FILE_VALIDATE} ${root}/usr/share/applications/${APP_ID}.desktop)
endif()
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
    run(${APPSTREAMCLI} validate-tree --no-net ${root})
endif()

# --- The replays' file type: the desktop entry opens it, and a database built from the package's
# file alone knows a replay by its name and, renamed, by its first bytes.
file(READ ${root}/usr/share/applications/${APP_ID}.desktop desktop)
foreach(line "Exec=varnoth %f" "MimeType=application/x-varnoth-replay;")
    if(NOT desktop MATCHES "\n${line}\n")
        message(FATAL_ERROR "the desktop entry lacks ${line}:\n${desktop}")
    endif()
endforeach()
set(mime_xml ${root}/usr/share/mime/packages/varnoth.xml)
file(READ ${mime_xml} mime)
foreach(part "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">"
        "<mime-type type=\"application/x-varnoth-replay\">" "<glob pattern=\"\\*\\.vrp\"/>"
        "<match type=\"string\" value=\"VRPL\" offset=\"0\"/>")
    if(NOT mime MATCHES "${part}")
        message(FATAL_ERROR "the file type lacks ${part}:\n${mime}")
    endif()
endforeach()
find_program(XMLLINT xmllint)
if(XMLLINT)
    run(${XMLLINT} --noout ${mime_xml})
endif()
find_program(UPDATE_MIME_DATABASE update-mime-database)
if(UPDATE_MIME_DATABASE)
    set(mime_db ${scratch}/mime/share/mime)
    file(MAKE_DIRECTORY ${mime_db}/packages)
    file(COPY ${mime_xml} DESTINATION ${mime_db}/packages)
    run(${UPDATE_MIME_DATABASE} ${mime_db})
    file(READ ${mime_db}/globs2 globs)
    if(NOT globs MATCHES "\n50:application/x-varnoth-replay:\\*\\.vrp\n")
        message(FATAL_ERROR "the database built from the file type has no glob:\n${globs}")
    endif()
    # gio asks the same database a file manager asks.
    find_program(GIO gio)
    if(GIO)
        file(WRITE "${scratch}/mime/a replay" "VRPL, renamed")
        file(WRITE ${scratch}/mime/game.vrp "known by its name")
        execute_process(
            COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_DIRS=${scratch}/mime/share
                    XDG_DATA_HOME=${scratch}/mime/none ${GIO} info -a standard::content-type
                    "${scratch}/mime/a replay" ${scratch}/mime/game.vrp
            RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
        string(REGEX MATCHALL "content-type: application/x-varnoth-replay" seen "${out}")
        list(LENGTH seen seen)
        if(NOT rc EQUAL 0 OR NOT seen EQUAL 2)
            message(FATAL_ERROR "gio does not know both files as replays (${rc}):\n${out}${err}")
        endif()
    endif()
endif()

# --- The unpacked program finds its data: the title music, sent to SDL's disk audio driver,
# is not silence. With the data folder moved away the same run must be silent, or the check
# would prove nothing.
find_program(XVFB_RUN xvfb-run)
if(NOT XVFB_RUN)
    message(FATAL_ERROR "xvfb-run is missing (tools/setup-deps.sh installs it)")
endif()
function(play seconds raw)
    file(MAKE_DIRECTORY ${scratch}/home)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env HOME=${scratch}/home XDG_CONFIG_HOME=${scratch}/home/config
                XDG_DATA_HOME=${scratch}/home/data SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=${raw}
                ${XVFB_RUN} -a -f ${scratch}/Xauthority -e ${scratch}/xvfb.log
                -s "-screen 0 800x600x24"
                timeout -s TERM ${seconds} ${root}/usr/games/varnoth
        RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    # timeout's 124: the game was still running when it was told to stop.
    if(NOT rc EQUAL 124)
        set(xvfb_log "")
        if(EXISTS ${scratch}/xvfb.log)
            file(READ ${scratch}/xvfb.log xvfb_log)
        endif()
        message(FATAL_ERROR "the unpacked program stopped by itself (${rc}):\n${out}${err}\n"
                            "X server:\n${xvfb_log}")
    endif()
    if(NOT EXISTS ${raw})
        message(FATAL_ERROR "the unpacked program opened no sound device:\n${out}${err}")
    endif()
    file(READ ${raw} samples HEX)
    string(REGEX MATCH "[1-9a-f]" heard "${samples}")
    set(heard "${heard}" PARENT_SCOPE)
endfunction()
play(5 ${scratch}/with-data.raw)
if(NOT heard)
    message(FATAL_ERROR "the unpacked program played no music: it did not find its data")
endif()
file(RENAME ${root}/usr/share/games/varnoth ${scratch}/data-away)
play(3 ${scratch}/without-data.raw)
if(heard)
    message(FATAL_ERROR "music played without the data folder: it came from somewhere else")
endif()
file(REMOVE_RECURSE ${scratch})
