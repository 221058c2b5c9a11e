// Linked into the test programs of the sanitized build: the sanitizers read
// these at start-up, before main. ASAN_OPTIONS and UBSAN_OPTIONS in the
// environment still override them.

// Leaks, stack use after return and static initialisation order, besides
// AddressSanitizer's default checks.
extern "C" const char* __asan_default_options() {
    return "detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:"
           "strict_init_order=1";
}

// Where an undefined operation came from, not only its line.
extern "C" const char* __ubsan_default_options() {
    return "print_stacktrace=1";
}
