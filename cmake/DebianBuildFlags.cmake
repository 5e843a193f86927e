# Debian's hardening build flags for every target of the build: fortified C library
# calls, the stack protector, relocations made read-only and bound at start (relro,
# bind-now) and position-independent executables, as `dpkg-buildflags` gives them with
# every hardening feature on. The Debian package ships the program built this way, and
# the tests run that same program. Debian's -g and -O2 are left out: the build type
# chooses the optimisation, and the package is stripped anyway.
find_program(DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)

# dpkg_buildflags(OUT KIND): the flags of one kind (CPPFLAGS, CXXFLAGS...) as a list.
function(dpkg_buildflags out kind)
    # From the source directory, so that -ffile-prefix-map maps the sources' paths.
    execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                            "DEB_${kind}_MAINT_STRIP=-g -O2" ${DPKG_BUILDFLAGS} --get ${kind}
                    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
                    OUTPUT_VARIABLE flags
                    OUTPUT_STRIP_TRAILING_WHITESPACE
                    COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    set(${out} "${flags}" PARENT_SCOPE)
endfunction()

dpkg_buildflags(cppflags CPPFLAGS)
dpkg_buildflags(cxxflags CXXFLAGS)
dpkg_buildflags(cflags CFLAGS)
dpkg_buildflags(ldflags LDFLAGS)
add_compile_options("$<$<COMPILE_LANGUAGE:CXX>:${cppflags};${cxxflags}>"
                    "$<$<COMPILE_LANGUAGE:C>:${cppflags};${cflags}>")
add_link_options(${ldflags})

# Position-independent code and executables whatever the compiler's default.
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
include(CheckPIESupported)
check_pie_supported(LANGUAGES CXX)

message(STATUS "Debian build flags: ${cppflags} ${cxxflags} ${ldflags}")
