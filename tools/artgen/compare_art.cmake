# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the art generator into a scratch folder twice and compares every picture with the
# committed copy, so stale or non-reproducible art fails the test suite.
foreach(run 1 2)
    file(REMOVE_RECURSE ${OUT})
    execute_process(COMMAND ${ARTGEN} ${SRC} ${OUT} RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "varnoth-artgen failed (${rc})")
    endif()
    foreach(f resources/graphx/tovo_01.png resources/graphx/tovo_02.png
              resources/graphx/qllogo.png assets/art/contact_sheet.png)
        execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/${f} ${SRC}/${f}
                        RESULT_VARIABLE diff)
        if(NOT diff EQUAL 0)
            message(FATAL_ERROR "${f} differs from the drawing code's output; run the art target")
        endif()
    endforeach()
endforeach()
