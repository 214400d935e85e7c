# SPDX-License-Identifier: GPL-3.0-or-later
# Feeds the art generator broken pixel-art sources and expects a clean failure naming the
# file and line, and no pictures written.
set(root ${OUT})
file(REMOVE_RECURSE ${root})
file(MAKE_DIRECTORY ${root}/assets/art)
file(COPY ${SRC}/assets/art/title_letters.txt DESTINATION ${root}/assets/art)

# Cases: "name|file contents|text expected in the message".
set(cases
    "stray-char|glyph A\n##.\n#x#\n|font5x7.txt:3: rows may contain only"
    "ragged|glyph A\n###\n##\n|font5x7.txt:3: row width differs"
    "short-glyph|glyph A\n###\n###\nglyph B\n###\n|font5x7.txt:4: glyph is 1 rows tall"
    "orphan-row|###\n|font5x7.txt:1: pixel row outside a glyph"
    "missing-glyph|glyph A\n#\n|no glyph for")
foreach(case IN LISTS cases)
    string(REPLACE "|" ";" parts "${case}")
    list(GET parts 0 name)
    list(GET parts 1 body)
    list(GET parts 2 expected)
    string(REPLACE "\\n" "\n" body "${body}")
    file(WRITE ${root}/assets/art/font5x7.txt "${body}")
    execute_process(COMMAND ${ARTGEN} ${root} ${root}/out RESULT_VARIABLE rc ERROR_VARIABLE err)
    if(rc EQUAL 0)
        message(FATAL_ERROR "${name}: broken font accepted")
    endif()
    string(FIND "${err}" "${expected}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${name}: message '${err}' lacks '${expected}'")
    endif()
    if(EXISTS ${root}/out/resources/graphx/tovo_01.png)
        message(FATAL_ERROR "${name}: a sheet was written despite the error")
    endif()
endforeach()
