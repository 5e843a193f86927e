// The sanitizers' settings in a build with BISECTORS_SANITIZE (the asan-ubsan preset),
// linked into every program of that build, so that a test run by hand behaves as under
// ctest: each run stops at the first error, with a stack trace, and leaks are reported
// (but fontconfig's own).
// A setting in ASAN_OPTIONS or UBSAN_OPTIONS still wins.

extern "C" {

// NOLINTNEXTLINE(bugprone-reserved-identifier,readability-identifier-naming): the runtime's name
const char *__asan_default_options()
{
    // Not strict_string_checks: xkbcommon, under Qt's X11 platform, hands strndup buffers
    // that hold no NUL within their length, which that check takes for an overflow.
    return "abort_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:"
           "check_initialization_order=1:print_suppressions=0";
}

// What LeakSanitizer does not count: fontconfig's own, which loses track of some of what it
// allocates while it reads its configuration and of the patterns of the faces cairo keeps
// for the documents' figures (once for the process, not for each figure).
// NOLINTNEXTLINE(bugprone-reserved-identifier,readability-identifier-naming): the runtime's name
const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

// NOLINTNEXTLINE(bugprone-reserved-identifier,readability-identifier-naming): the runtime's name
const char *__ubsan_default_options()
{
    return "print_stacktrace=1:halt_on_error=1";
}
}
