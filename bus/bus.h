// Message bus: short text messages posted synchronously to listeners
// registered under the message's first word. No queue, no allocation.
#pragma once

typedef void (*ListenerFn)(const char* text);

enum { BUS_MAX_LISTENERS = 64 };

bool addListener(const char* name, ListenerFn fn);
bool removeListener(const char* name, ListenerFn fn);
int postMessage(const char* text);
int bus_listenerCount();

// Argument readers; absent values: INT_MIN, -FLT_MAX, empty string.
int argInt(const char* text, const char* key);
float argFloat(const char* text, const char* key);
void argString(const char* text, const char* key, char* buffer, int size);

// printf-style formatting into caller buffers of 128 or 80 bytes, cut to fit.
void format128(char* buffer, const char* format, ...) __attribute__((format(printf, 2, 3)));
void format80(char* buffer, const char* format, ...) __attribute__((format(printf, 2, 3)));

// Removes every listener; used by tests and headless tools between runs.
void bus_reset();
