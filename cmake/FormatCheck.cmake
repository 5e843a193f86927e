# Fails when a C++ source differs from what clang-format makes of it.
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
     ${SOURCE_DIR}/calc/*.cpp ${SOURCE_DIR}/calc/*.h
     ${SOURCE_DIR}/figure/*.cpp ${SOURCE_DIR}/figure/*.h
     ${SOURCE_DIR}/app/*.cpp ${SOURCE_DIR}/app/*.h
     ${SOURCE_DIR}/platform/*.cpp ${SOURCE_DIR}/platform/*.h
     ${SOURCE_DIR}/window/*.cpp ${SOURCE_DIR}/window/*.h
     ${SOURCE_DIR}/tests/*.cpp ${SOURCE_DIR}/tests/*.h
     ${SOURCE_DIR}/bench/*.cpp ${SOURCE_DIR}/bench/*.c
     ${SOURCE_DIR}/fuzz/*.cpp)
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${sources}
                WORKING_DIRECTORY ${SOURCE_DIR}
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "Run 'make format': the files above do not match .clang-format")
endif()
