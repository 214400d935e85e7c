# SPDX-License-Identifier: GPL-3.0-or-later
# Compiles every map source into a scratch folder and compares the result with the committed
# binary, so a source edit without a rerun of the `maps` target is caught.
file(MAKE_DIRECTORY ${WORK})
foreach(name ${NAMES})
    execute_process(COMMAND ${MAPC} ${SRC}/legend.txt ${SRC}/map${name}.txt ${WORK}/tovomap${name}
        RESULT_VARIABLE rc ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "map ${name} does not compile: ${err}")
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/tovomap${name} ${BIN}/tovomap${name}
        RESULT_VARIABLE same)
    if(NOT same EQUAL 0)
        message(FATAL_ERROR "resources/maps/tovomap${name} is not the compiled assets/maps/map${name}.txt; build the `maps` target")
    endif()
endforeach()
