// Diagnostics: log lines to standard output and the assertion that guards
// asset counts and programming errors ("ERR ASSERT FAILED at src(line):  expr").
#pragma once

// Prints the formatted line followed by a separate "\n" and flushes.
void logLine(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Prints the assertion line; stops the program unless carryOn is set.
void assertFailed(const char* source, int line, const char* expression, bool carryOn);

// Lets tests observe assertion failures instead of exiting. Returns the old hook.
typedef void (*AssertHook)(const char* source, int line, const char* expression);
AssertHook setAssertHook(AssertHook hook);

#define QASSERT(source, expr) ((expr) ? (void)0 : assertFailed(source, __LINE__, #expr, false))
// The same with the expression printed as text: where the printed form is
// read by others and our variable names differ from it.
#define QASSERT_AS(source, expr, text) \
    ((expr) ? (void)0 : assertFailed(source, __LINE__, text, false))
