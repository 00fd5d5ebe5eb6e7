# Fails when any object of the services was compiled with a Qt Widgets
# header, however it was included (<QtWidgets/...> resolves through Qt's
# common include folder, which the services do see). Reads the headers Ninja
# recorded for each object of the build tree, so it runs after a build.
#
#   cmake -DNINJA=... -DBUILD_DIR=... -DOBJECT_DIR=services/CMakeFiles/corvella_services.dir -P ...
execute_process(COMMAND "${NINJA}" -C "${BUILD_DIR}" -t deps
                OUTPUT_VARIABLE deps RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "ninja -t deps failed (${result})")
endif()

string(REPLACE "\n" ";" lines "${deps}")
set(object "")
set(objects 0)
set(offenders "")
foreach(line IN LISTS lines)
    if(line MATCHES "^([^ ].*): #deps")
        set(object "${CMAKE_MATCH_1}")
        if(object MATCHES "^${OBJECT_DIR}/")
            math(EXPR objects "${objects} + 1")
        endif()
    elseif(object MATCHES "^${OBJECT_DIR}/" AND line MATCHES "/QtWidgets/")
        string(STRIP "${line}" header)
        list(APPEND offenders "${object} includes ${header}")
    endif()
endforeach()

# No object at all means the build has not run or the folder is wrong: a
# check that sees nothing must not pass.
if(objects EQUAL 0)
    message(FATAL_ERROR "No object of ${OBJECT_DIR} in the build's records; build first")
endif()
if(offenders)
    list(JOIN offenders "\n" text)
    message(FATAL_ERROR "Qt Widgets headers in the services:\n${text}")
endif()
message(STATUS "${objects} objects of ${OBJECT_DIR}, none with a Qt Widgets header")
