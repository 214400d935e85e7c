# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the map compiler on a bad source and passes only when it fails with the expected message
# and leaves no output file behind.
file(REMOVE ${OUT})
execute_process(COMMAND ${MAPC} ${LEGEND} ${SOURCE} ${OUT}
    RESULT_VARIABLE rc ERROR_VARIABLE err OUTPUT_VARIABLE out)
if(rc EQUAL 0)
    message(FATAL_ERROR "the compiler accepted ${SOURCE}")
endif()
string(FIND "${err}" "${EXPECT}" at)
if(at EQUAL -1)
    message(FATAL_ERROR "expected '${EXPECT}' in the message, got: ${err}")
endif()
if(EXISTS ${OUT})
    message(FATAL_ERROR "the compiler wrote ${OUT} from a bad source")
endif()
