# The checks that read the sources rather than run the program, each a test labelled
# lint: the layout of the C++ sources and a label on every test. Included by the
# top-level CMakeLists.txt once every test is added.

# Every C++ source of the project must match .clang-format.
if(BISECTORS_FORMAT_CHECK)
    add_test(NAME format_check
             COMMAND ${CMAKE_COMMAND} -DCLANG_FORMAT=${CLANG_FORMAT}
                     -DSOURCE_DIR=${CMAKE_SOURCE_DIR}
                     -P ${CMAKE_SOURCE_DIR}/cmake/FormatCheck.cmake)
    set_tests_properties(format_check PROPERTIES LABELS lint)
endif()

if(BUILD_TESTING)
    add_test(NAME labels_check
             COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} -DCTEST=${CMAKE_CTEST_COMMAND}
                     -P ${CMAKE_SOURCE_DIR}/cmake/LabelsCheck.cmake)
    set_tests_properties(labels_check PROPERTIES LABELS lint)
endif()
