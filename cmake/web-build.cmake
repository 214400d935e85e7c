# SPDX-License-Identifier: GPL-3.0-or-later
# The parts of the game's build that differ for the browser (see tools/web/build.sh): the
# libraries come from the cache tools/web/libraries.sh fills, named by CMAKE_FIND_ROOT_PATH;
# OpenGL is the browser's WebGL 2, which the linker provides.
find_path(VARNOTH_SDL_INCLUDE_DIR SDL2/SDL.h REQUIRED)
set(VARNOTH_WEB_LIBRARIES)
foreach(name SDL2_mixer vorbisfile vorbis ogg SDL2)
    find_library(VARNOTH_WEB_${name} NAMES ${name} REQUIRED)
    list(APPEND VARNOTH_WEB_LIBRARIES ${VARNOTH_WEB_${name}})
endforeach()
add_library(varnoth_web_sdl INTERFACE)
target_include_directories(varnoth_web_sdl INTERFACE ${VARNOTH_SDL_INCLUDE_DIR})
target_link_libraries(varnoth_web_sdl INTERFACE ${VARNOTH_WEB_LIBRARIES})
set(VARNOTH_SDL_LIBRARIES varnoth_web_sdl)
set(VARNOTH_GL_LIBRARIES)

# The tools that run during the build come from a build for the build machine.
if(NOT VARNOTH_HOST_TOOLS)
    message(FATAL_ERROR "VARNOTH_HOST_TOOLS must name the folder of the build machine's tools")
endif()
add_executable(varnoth-embed IMPORTED)
set_target_properties(varnoth-embed PROPERTIES IMPORTED_LOCATION ${VARNOTH_HOST_TOOLS}/varnoth-embed)

# The page's program: WebGL 2 only; Asyncify lets the game's own loops wait by handing control
# back to the browser; the sounds, recordings and shipped level packs are packed into
# varnoth.data and appear under /data; IndexedDB backs the top score (web_pre.js); leaving the
# game runs the page's exit handler, which shows the closing page state; the page's touch
# controls call the two functions of web_touch.cpp, and a file dropped onto the page the one of
# web_host.cpp, which nothing else in the program names.
function(varnoth_web_program target)
    set(web ${CMAKE_SOURCE_DIR}/src/platform/web)
    # The shipped level packs come along to be chosen; their overview pictures are for reading
    # on disk, not for the page.
    file(GLOB_RECURSE pack_pictures ${CMAKE_SOURCE_DIR}/data/packs/*.png)
    set(pack_pictures_left_out)
    foreach(picture ${pack_pictures})
        list(APPEND pack_pictures_left_out "SHELL:--exclude-file ${picture}")
    endforeach()
    target_link_options(${target} PRIVATE
        -sMIN_WEBGL_VERSION=2 -sMAX_WEBGL_VERSION=2
        -sASYNCIFY -sASYNCIFY_STACK_SIZE=65536
        # SDL's audio calls Emscripten helpers that the linker brings in only when named: one
        # resumes the browser's sound on the first key press or click, as browsers require.
        # (Their names start with a dollar sign, which the build's command lines would not keep,
        # hence the file.)
        -sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=@${web}/sdl_js_helpers.json
        -sEXPORTED_FUNCTIONS=_main,_varnoth_touch_key,_varnoth_touch_pointer,_varnoth_file_dropped
        -sALLOW_MEMORY_GROWTH -sEXIT_RUNTIME -sFORCE_FILESYSTEM -sENVIRONMENT=web -lidbfs.js
        "SHELL:--preload-file ${CMAKE_SOURCE_DIR}/data@/data"
        "SHELL:--exclude-file ${CMAKE_SOURCE_DIR}/data/hiscore.dat"
        ${pack_pictures_left_out}
        "SHELL:--pre-js ${web}/web_pre.js")
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${web}/web_pre.js)
endfunction()
