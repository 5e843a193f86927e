# Fails when a test of the build has no label: `ctest -L` and `make check` choose tests
# by their labels, and a test without one would be left out of every such run
# (cmake -P, with -DBUILD_DIR=DIR -DCTEST=PATH).
execute_process(COMMAND ${CTEST} --show-only=json-v1
                WORKING_DIRECTORY ${BUILD_DIR}
                OUTPUT_VARIABLE listing
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "ctest --show-only failed in ${BUILD_DIR}")
endif()

string(JSON count LENGTH "${listing}" tests)
set(unlabelled)
if(count GREATER 0)
    math(EXPR last "${count} - 1")
    foreach(i RANGE ${last})
        string(JSON name GET "${listing}" tests ${i} name)
        set(labelled FALSE)
        string(JSON properties ERROR_VARIABLE none GET "${listing}" tests ${i} properties)
        if(NOT none)
            string(JSON property_count LENGTH "${properties}")
            math(EXPR last_property "${property_count} - 1")
            foreach(p RANGE ${last_property})
                string(JSON property GET "${properties}" ${p} name)
                if(property STREQUAL "LABELS")
                    set(labelled TRUE)
                endif()
            endforeach()
        endif()
        if(NOT labelled)
            list(APPEND unlabelled "${name}")
        endif()
    endforeach()
endif()

if(unlabelled)
    list(JOIN unlabelled "\n  " unlabelled)
    message(FATAL_ERROR "Tests without a label (LABELS unit, gui, e2e, a11y, web, package, "
                        "bench, fuzz or lint; see tests/CMakeLists.txt):\n  ${unlabelled}")
endif()
message(STATUS "Every one of the ${count} tests has a label")
