// The sanitizer runtimes' defaults, built into every program of a sanitized
// build, so that a binary run by hand, by CTest or by test discovery behaves
// the same; ASAN_OPTIONS, UBSAN_OPTIONS and LSAN_OPTIONS still override them.

extern "C" {

// The committed suppressions of leaks in system libraries.
const char* __lsan_default_options()
{
    return "suppressions=" QEL_LSAN_SUPPRESSIONS;
}

// A report of undefined behaviour shows where it came from.
const char* __ubsan_default_options()
{
    return "print_stacktrace=1";
}

}
