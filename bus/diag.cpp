#include "bus/diag.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace {
AssertHook assertHook = nullptr;
}

void logLine(const char* format, ...) {
    va_list args;
    va_start(args, format);
    vprintf(format, args);
    va_end(args);
    fputs("\n", stdout);
    fflush(stdout);
}

void assertFailed(const char* source, int line, const char* expression, bool carryOn) {
    logLine("ERR ASSERT FAILED at %s(%d):  %s", source, line, expression);
    if (assertHook) {
        assertHook(source, line, expression);
        return;
    }
    if (!carryOn) exit(1);
}

AssertHook setAssertHook(AssertHook hook) {
    AssertHook old = assertHook;
    assertHook = hook;
    return old;
}
