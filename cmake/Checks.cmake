# The checks that read the sources rather than run the program, each a test labelled
# lint: the layout of the C++ sources (clang-format) and of the page's JavaScript and
# CSS (Prettier), clang-tidy, a label on every test, and the two changelogs. The targets
# `format` and `tidy` rewrite the layout and run clang-tidy by hand (make format, make
# tidy). Included by the top-level CMakeLists.txt once every test is added.

# --- layout ------------------------------------------------------------------------
set(format_arguments)
if(BISECTORS_FORMAT_CHECK)
    list(APPEND format_arguments -DCLANG_FORMAT=${CLANG_FORMAT})
    add_test(NAME format_check
             COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR} -DMODE=check
                     -DCLANG_FORMAT=${CLANG_FORMAT} -P ${CMAKE_SOURCE_DIR}/cmake/FormatCheck.cmake)
    set_tests_properties(format_check PROPERTIES LABELS lint)
endif()

if(BISECTORS_WEB_FORMAT_CHECK)
    # Prettier as cmake/prettier/package-lock.json pins it, installed into the build tree
    # by npm ci (again only when the lock file changes).
    set(prettier_folder ${CMAKE_BINARY_DIR}/prettier)
    set(prettier_stamp ${prettier_folder}/installed)
    set(prettier ${prettier_folder}/node_modules/prettier/bin/prettier.cjs)
    add_custom_command(
        OUTPUT ${prettier_stamp}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${prettier_folder}
        COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/cmake/prettier/package.json
                ${CMAKE_SOURCE_DIR}/cmake/prettier/package-lock.json ${prettier_folder}
        COMMAND ${NPM} ci --prefix ${prettier_folder} --no-audit --no-fund --loglevel=error
        COMMAND ${CMAKE_COMMAND} -E touch ${prettier_stamp}
        DEPENDS ${CMAKE_SOURCE_DIR}/cmake/prettier/package.json
                ${CMAKE_SOURCE_DIR}/cmake/prettier/package-lock.json
        COMMENT "Installing Prettier for the format check (npm ci)"
        VERBATIM)
    add_custom_target(prettier ALL DEPENDS ${prettier_stamp})
    list(APPEND format_arguments -DPRETTIER=${prettier} -DNODE=${NODE})
    add_test(NAME web_format_check
             COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR} -DMODE=check
                     -DPRETTIER=${prettier} -DNODE=${NODE}
                     -P ${CMAKE_SOURCE_DIR}/cmake/FormatCheck.cmake)
    set_tests_properties(web_format_check PROPERTIES LABELS lint)
endif()

if(format_arguments)
    add_custom_target(format
        COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR} -DMODE=fix ${format_arguments}
                -P ${CMAKE_SOURCE_DIR}/cmake/FormatCheck.cmake
        COMMENT "Formatting the sources"
        VERBATIM)
    if(TARGET prettier)
        add_dependencies(format prettier)
    endif()
endif()

# --- clang-tidy --------------------------------------------------------------------
# Every source that this build compiles, with .clang-tidy; cmake/tidy.py checks again
# only the sources that changed since they passed. The web edition's entry, which only
# em++ compiles, is compiled for the host too (web/), so that it is checked as well.
if(BISECTORS_CLANG_TIDY)
    set(tidy_command ${SYSTEM_PYTHON} ${CMAKE_SOURCE_DIR}/cmake/tidy.py --clang-tidy ${CLANG_TIDY}
        --build ${CMAKE_BINARY_DIR} --source ${CMAKE_SOURCE_DIR})
    add_test(NAME clang_tidy COMMAND ${tidy_command})
    # tidy.py runs as many clang-tidy processes at once as there are cores.
    cmake_host_system_information(RESULT cores QUERY NUMBER_OF_LOGICAL_CORES)
    set_tests_properties(clang_tidy PROPERTIES LABELS lint TIMEOUT 1800 PROCESSORS ${cores})
    add_custom_target(tidy COMMAND ${tidy_command} USES_TERMINAL VERBATIM)
endif()

# --- the tests' labels and the changelogs --------------------------------------------
if(BUILD_TESTING)
    add_test(NAME labels_check
             COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} -DCTEST=${CMAKE_CTEST_COMMAND}
                     -P ${CMAKE_SOURCE_DIR}/cmake/LabelsCheck.cmake)
    add_test(NAME changelog_check
             COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR} -DVERSION=${BISECTORS_VERSION}
                     -P ${CMAKE_SOURCE_DIR}/cmake/ChangelogCheck.cmake)
    set_tests_properties(labels_check changelog_check PROPERTIES LABELS lint)
endif()
