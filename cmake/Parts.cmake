# The optional parts of the build: the web edition, the tests that need browsers, an X
# server or the package tools, the benchmarks, the fuzzer and the checks.
#
# Each part has a cache variable that is AUTO, ON or OFF. AUTO (the default) builds the
# part when everything it needs is found and leaves it out otherwise; ON builds it or
# fails the configuration, naming what is missing (the Makefile's `make test` and CI turn
# every part ON, so that a missing tool is an error there and not a skipped test); OFF
# leaves it out. After the configuration, bisectors_report_parts() prints in one line
# what was left out and why.

# bisectors_part(VAR DESCRIPTION [DEFAULT]): declares the part's cache variable, AUTO
# unless DEFAULT says otherwise.
function(bisectors_part var description)
    set(default AUTO)
    if(ARGC GREATER 2)
        set(default ${ARGV2})
    endif()
    set(${var} ${default} CACHE STRING "${description}: AUTO (where its tools are found), ON or OFF")
    set_property(CACHE ${var} PROPERTY STRINGS AUTO ON OFF)
endfunction()

# bisectors_decide(VAR NAME [REASON...]): decides whether the part VAR, called NAME in
# messages, is built. Each REASON is something it lacks, such as "no em++"; none means
# that it has all it needs. Sets VAR to ON or OFF in the caller's scope, which then
# shadows the cache variable of the same name for the rest of the configuration.
function(bisectors_decide var name)
    set(reasons ${ARGN})
    string(TOUPPER "${${var}}" requested)
    if(requested STREQUAL "" OR requested STREQUAL "AUTO")
        set(requested AUTO)
    elseif(requested)
        set(requested ON)
    else()
        set(requested OFF)
    endif()

    if(requested STREQUAL "OFF")
        set(decision OFF)
        set(why "${var}=OFF")
    elseif(reasons)
        list(JOIN reasons ", " why)
        if(requested STREQUAL "ON")
            message(FATAL_ERROR "${var} is ON, but the ${name} cannot be built: ${why}. "
                                "Install what is missing (scripts/install-deps) or set "
                                "${var} to AUTO or OFF.")
        endif()
        set(decision OFF)
    else()
        set(decision ON)
    endif()

    # A part left out with the window or with all tests goes unnamed: the line names
    # those once (bisectors_leave_out).
    list(FIND reasons "BISECTORS_WINDOW=OFF" without_window)
    list(FIND reasons "BUILD_TESTING=OFF" without_tests)
    if(NOT decision AND without_window EQUAL -1 AND without_tests EQUAL -1)
        bisectors_leave_out("${name} (${why})")
    endif()
    set(${var} ${decision} PARENT_SCOPE)
endfunction()

# bisectors_leave_out(TEXT): names something left out in the configuration's summary.
function(bisectors_leave_out text)
    set_property(GLOBAL APPEND PROPERTY BISECTORS_LEFT_OUT "${text}")
endfunction()

# bisectors_need_program(REASONS VAR NAME...): finds a program under one of the NAMEs
# into the cache variable VAR; when none is found, appends "no <first NAME>" to the list
# REASONS in the caller's scope. Debian's own programs are looked for in /usr/bin first.
macro(bisectors_need_program reasons var)
    find_program(${var} NAMES ${ARGN} HINTS /usr/bin)
    if(NOT ${var})
        set(_bisectors_names ${ARGN})
        list(GET _bisectors_names 0 _bisectors_missing)
        list(APPEND ${reasons} "no ${_bisectors_missing}")
    endif()
endmacro()

# bisectors_need_python_module(REASONS MODULE): appends "no Python module MODULE" to
# REASONS when Debian's python3 cannot import MODULE.
macro(bisectors_need_python_module reasons module)
    find_program(SYSTEM_PYTHON NAMES python3 PATHS /usr/bin NO_DEFAULT_PATH)
    if(NOT SYSTEM_PYTHON)
        list(APPEND ${reasons} "no /usr/bin/python3")
    else()
        execute_process(COMMAND ${SYSTEM_PYTHON} -c "import ${module}"
                        RESULT_VARIABLE _bisectors_import OUTPUT_QUIET ERROR_QUIET)
        if(NOT _bisectors_import EQUAL 0)
            list(APPEND ${reasons} "no Python module ${module}")
        endif()
    endif()
endmacro()

# bisectors_report_parts(): one line with what this configuration leaves out.
function(bisectors_report_parts)
    get_property(left_out GLOBAL PROPERTY BISECTORS_LEFT_OUT)
    if(left_out)
        list(JOIN left_out ", " parts)
        message(STATUS "bisectors: left out: ${parts}")
    else()
        message(STATUS "bisectors: every part is built")
    endif()
endfunction()
