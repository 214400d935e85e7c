# SPDX-License-Identifier: GPL-3.0-or-later
# The parts of the game's build that differ for Windows (see tools/windows/build.sh).

# SDL2's own package files: its pkg-config file would make every program a windowed one and
# bring in SDL2main, which the game does not use (its main is a plain main).
find_package(SDL2 CONFIG REQUIRED)
find_package(SDL2_mixer CONFIG REQUIRED)
set(VARNOTH_SDL_LIBRARIES SDL2::SDL2 SDL2_mixer::SDL2_mixer)

# The tools that run during the build come from a build for the build machine.
if(NOT VARNOTH_HOST_TOOLS)
    message(FATAL_ERROR "VARNOTH_HOST_TOOLS must name the folder of the build machine's tools")
endif()
add_executable(varnoth-embed IMPORTED)
set_target_properties(varnoth-embed PROPERTIES IMPORTED_LOCATION ${VARNOTH_HOST_TOOLS}/varnoth-embed)
add_executable(varnoth-icon IMPORTED)
set_target_properties(varnoth-icon PROPERTIES IMPORTED_LOCATION ${VARNOTH_HOST_TOOLS}/varnoth-icon)

enable_language(RC)

# The game a player starts: no console window, and the hero's pumpkin as the program's icon.
function(varnoth_windows_program target)
    set(sheet ${CMAKE_SOURCE_DIR}/resources/graphx/tovo_01.png)
    set(icon ${CMAKE_CURRENT_BINARY_DIR}/varnoth.ico)
    set(script ${CMAKE_CURRENT_BINARY_DIR}/varnoth.rc)
    add_custom_command(
        OUTPUT ${icon}
        COMMAND varnoth-icon ${sheet} ${icon}
        DEPENDS varnoth-icon ${sheet}
        COMMENT "Cutting the program's icon from the sprite sheet"
        VERBATIM)
    file(WRITE ${script} "1 ICON \"${icon}\"\n")
    set_source_files_properties(${script} PROPERTIES OBJECT_DEPENDS ${icon})
    target_sources(${target} PRIVATE ${script})
    set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
endfunction()
