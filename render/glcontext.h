// The current GL context itself: what implementation it is, waiting for it
// to finish its commands, and reading its back buffer. GL side.
#pragma once

#include <vector>

struct ContextInfo {
    const char* renderer;
    const char* version;
    const char* shadingLanguage;  // null where the implementation has none
    int loaderVersion;            // the GL version the function loader found, times ten
    int samples;                  // per pixel of the window
};
ContextInfo context_info();

// Returns once every command given so far has run (for timing).
void context_finish();
// The rectangle of the back buffer as RGB rows, bottom row first.
std::vector<unsigned char> context_readBack(int x, int y, int w, int h);
