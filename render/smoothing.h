// How outline edges are smoothed. Four samples per pixel cost a software
// rasteriser most of its frame, so where the renderer is one (llvmpipe,
// softpipe, swrast) the window has no multisampling and the outline lines
// are drawn smoothed and blended instead; hardware keeps its samples.
#pragma once

enum EdgeSmoothing { SMOOTH_MULTISAMPLE, SMOOTH_LINES };

// Whether the GL_RENDERER string names a software rasteriser.
bool smoothing_isSoftwareRenderer(const char* renderer);
EdgeSmoothing smoothing_forRenderer(const char* renderer);

// The path the frame draws with (multisampling until someone says otherwise).
EdgeSmoothing edgeSmoothing();
void smoothing_set(EdgeSmoothing path);
// The one line that tells which path was chosen and why.
void smoothing_log(EdgeSmoothing path, const char* renderer);
