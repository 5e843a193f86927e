# Checks or rewrites the layout of the project's sources (cmake -P):
#   -DSOURCE_DIR=DIR      the project
#   -DMODE=check|fix      check: fail when a file differs from its formatter's output;
#                         fix: rewrite the files
#   -DCLANG_FORMAT=PATH   the C and C++ sources, with .clang-format
#   -DPRETTIER=PATH       and/or the page's JavaScript and CSS, with .prettierrc.json
#   -DNODE=PATH           (Prettier's command-line script, run with Node)
#
# The sources are every file of those kinds that git knows of or would add (tracked, or
# new and not ignored), or, outside a git checkout, every one outside build trees.
if(NOT MODE)
    set(MODE check)
endif()

find_program(GIT NAMES git)
# sources(OUT PATTERN...): the project's files whose names match one of the patterns.
function(sources out)
    set(files)
    if(GIT AND EXISTS ${SOURCE_DIR}/.git)
        execute_process(COMMAND ${GIT} ls-files --cached --others --exclude-standard -- ${ARGN}
                        WORKING_DIRECTORY ${SOURCE_DIR}
                        OUTPUT_VARIABLE listed
                        RESULT_VARIABLE result)
        if(NOT result EQUAL 0)
            message(FATAL_ERROR "git ls-files failed in ${SOURCE_DIR}")
        endif()
        string(REPLACE "\n" ";" listed "${listed}")
        foreach(file ${listed})
            # A file deleted but not yet staged is still listed.
            if(EXISTS ${SOURCE_DIR}/${file})
                list(APPEND files ${file})
            endif()
        endforeach()
    else()
        list(TRANSFORM ARGN PREPEND ${SOURCE_DIR}/ OUTPUT_VARIABLE globs)
        file(GLOB_RECURSE listed RELATIVE ${SOURCE_DIR} ${globs})
        foreach(file ${listed})
            if(NOT file MATCHES "^(build[^/]*|out|\\.[^/]*)/|(^|/)node_modules/")
                list(APPEND files ${file})
            endif()
        endforeach()
    endif()
    list(SORT files)
    set(${out} ${files} PARENT_SCOPE)
endfunction()

set(failed)
if(CLANG_FORMAT)
    sources(files "*.cpp" "*.h" "*.c" "*.cc" "*.hpp")
    if(MODE STREQUAL "fix")
        set(arguments -i)
    else()
        set(arguments --dry-run --Werror)
    endif()
    if(files)
        execute_process(COMMAND ${CLANG_FORMAT} ${arguments} ${files}
                        WORKING_DIRECTORY ${SOURCE_DIR}
                        RESULT_VARIABLE result)
        if(NOT result EQUAL 0)
            list(APPEND failed "C++ (clang-format)")
        endif()
    endif()
endif()

if(PRETTIER)
    sources(files "*.js" "*.mjs" "*.cjs" "*.css")
    if(MODE STREQUAL "fix")
        set(arguments --write --log-level warn)
    else()
        set(arguments --check --log-level warn)
    endif()
    if(files)
        execute_process(COMMAND ${NODE} ${PRETTIER} ${arguments} ${files}
                        WORKING_DIRECTORY ${SOURCE_DIR}
                        RESULT_VARIABLE result)
        if(NOT result EQUAL 0)
            list(APPEND failed "JavaScript and CSS (Prettier)")
        endif()
    endif()
endif()

if(failed)
    list(JOIN failed " and " failed)
    if(MODE STREQUAL "fix")
        message(FATAL_ERROR "Could not format the ${failed} sources")
    endif()
    message(FATAL_ERROR "Run 'make format': the ${failed} files above do not match the "
                        "project's format")
endif()
