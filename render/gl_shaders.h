// GLSL 1.10 sources of the shader programs.
#pragma once

extern const char* const MAIN_VERTEX;
extern const char* const MAIN_FRAGMENT;
extern const char* const MAIN_PACKED_FRAGMENT;  // Main reading what ShadowNDT stores
extern const char* const SHADOW_VERTEX;
extern const char* const SHADOW_FRAGMENT;
extern const char* const SHADOW_NDT_VERTEX;
extern const char* const SHADOW_NDT_FRAGMENT;
extern const char* const EDGE_VERTEX;
extern const char* const EDGE_FRAGMENT;
extern const char* const HUD_VERTEX;
extern const char* const HUD_FRAGMENT;
