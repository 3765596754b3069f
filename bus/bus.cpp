#include "bus/bus.h"

#include <cfloat>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct Listener {
    ListenerFn fn;
    const char* name;
};

Listener listeners[BUS_MAX_LISTENERS];
int listenerCount = 0;

int findListener(const char* name, ListenerFn fn) {
    for (int i = 0; i < listenerCount; i++) {
        if (listeners[i].fn == fn && strcmp(listeners[i].name, name) == 0) return i;
    }
    return -1;
}

bool isWordEnd(char c) { return c == '\0' || c == ' ' || c == '\n'; }

int firstWordLength(const char* text) {
    int n = 0;
    while (!isWordEnd(text[n])) n++;
    return n;
}

// Points at the value after "key...=", or null when the argument is absent.
const char* findValue(const char* text, const char* key) {
    const char* rest = text + firstWordLength(text);
    const char* at = strstr(rest, key);
    if (!at) return nullptr;
    const char* eq = strchr(at, '=');
    if (!eq || eq[1] == '\0') return nullptr;
    return eq + 1;
}

}  // namespace

bool addListener(const char* name, ListenerFn fn) {
    if (listenerCount >= BUS_MAX_LISTENERS) return false;
    if (findListener(name, fn) >= 0) return false;
    listeners[listenerCount].fn = fn;
    listeners[listenerCount].name = name;
    listenerCount++;
    return true;
}

bool removeListener(const char* name, ListenerFn fn) {
    int i = findListener(name, fn);
    if (i < 0) return false;
    listenerCount--;
    if (i != listenerCount) listeners[i] = listeners[listenerCount];
    return true;
}

int postMessage(const char* text) {
    int n = firstWordLength(text);
    if (n == 0) return 0;
    int calls = 0;
    // The count is read again each step: listeners may add or remove during a post.
    for (int i = 0; i < listenerCount; i++) {
        if (strncmp(text, listeners[i].name, n) == 0) {
            listeners[i].fn(text);
            calls++;
        }
    }
    return calls;
}

int bus_listenerCount() { return listenerCount; }

void bus_reset() { listenerCount = 0; }

int argInt(const char* text, const char* key) {
    const char* value = findValue(text, key);
    return value ? atoi(value) : INT_MIN;
}

float argFloat(const char* text, const char* key) {
    const char* value = findValue(text, key);
    return value ? (float)atof(value) : -FLT_MAX;
}

void argString(const char* text, const char* key, char* buffer, int size) {
    if (size <= 0) return;
    buffer[0] = '\0';
    const char* value = findValue(text, key);
    if (!value) return;
    int n = 0;
    while (n < size - 1 && !isWordEnd(value[n])) {
        buffer[n] = value[n];
        n++;
    }
    buffer[n] = '\0';
}

void format128(char* buffer, const char* format, ...) {
    va_list args;
    va_start(args, format);
    vsnprintf(buffer, 128, format, args);
    va_end(args);
}

void format80(char* buffer, const char* format, ...) {
    va_list args;
    va_start(args, format);
    vsnprintf(buffer, 80, format, args);
    va_end(args);
}
