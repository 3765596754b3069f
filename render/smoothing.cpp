#include "render/smoothing.h"

#include <cctype>
#include <cstring>

#include "bus/diag.h"

namespace {

EdgeSmoothing current = SMOOTH_MULTISAMPLE;

// Case-blind, since drivers spell their names as they like.
bool containsWord(const char* text, const char* word) {
    size_t n = strlen(word);
    for (const char* p = text; *p; p++) {
        size_t i = 0;
        while (i < n && p[i] && tolower((unsigned char)p[i]) == word[i]) i++;
        if (i == n) return true;
    }
    return false;
}

}  // namespace

bool smoothing_isSoftwareRenderer(const char* renderer) {
    if (!renderer) return false;
    // Mesa's classic swrast calls itself "Software Rasterizer".
    return containsWord(renderer, "llvmpipe") || containsWord(renderer, "softpipe") ||
           containsWord(renderer, "swrast") || containsWord(renderer, "software rasterizer");
}

EdgeSmoothing smoothing_forRenderer(const char* renderer) {
    return smoothing_isSoftwareRenderer(renderer) ? SMOOTH_LINES : SMOOTH_MULTISAMPLE;
}

EdgeSmoothing edgeSmoothing() { return current; }
void smoothing_set(EdgeSmoothing path) { current = path; }

void smoothing_log(EdgeSmoothing path, const char* renderer) {
    if (path == SMOOTH_LINES)
        logLine("Smooth edges: software renderer (%s), no multisampling, smoothed outline lines",
                renderer ? renderer : "?");
    else
        logLine("Smooth edges: hardware renderer (%s), 4 samples per pixel",
                renderer ? renderer : "?");
}
