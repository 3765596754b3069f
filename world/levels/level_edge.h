// The wall that rings every level's map, so that nothing driven, dropped or
// flung can leave it: one rectangle per level, drawn by the terrain models
// and collided by the terrain (the sandbox's plane gets boxes instead).
#pragma once

// The wall's inner faces stand on the rectangle, just outside the ground;
// it is EDGE_WALL_THICK thick and runs from foot, below the lowest ground
// at the edge, to top, well above the highest.
struct EdgeWall {
    float west, east, south, north;
    float foot, top;
};
const float EDGE_WALL_THICK = 1.0f;

// Highest reach of a load held by a truck's crane above its wheels is about
// 2.6 m, so the wall stands 3 m over the ground beside it; where the start
// picture looks across the edge it stands 1.5 m, which still holds every
// machine and wheel.
// Indexed by level number + 1 (the sandbox first).
const EdgeWall LEVEL_EDGE_WALLS[26] = {
    {-40, 40, -40, 40, -0.5f, 3.0f},              // sandbox
    {-16, 16, -12, 12, -0.8f, 1.6f},              // parkinglot
    {-14, 14, -10, 10, -0.8f, 3.0f},              // court
    {-14, 30.2f, -10.2f, 10.2f, -1.5f, 2.6f},     // lockdown
    {-14, 14, -8, 8, -2.8f, 1.2f},                // seesaw
    {-18, 40, -14, 12, 0, 3.8f},                  // trainlot
    {-48, 48, -28.5f, 28.5f, -7.8f, 3.0f},        // bridge
    {-20, 20, -14, 14, -2.2f, 3.0f},              // stackem
    {-40, 30, -30, 30, -0.8f, 3.0f},              // temple
    {-14, 14, -14, 14, -0.5f, 3.2f},              // hazard
    {-30, 28, -30, 30, -4.3f, 3.0f},              // luxor
    {-24, 24, -24, 24, -1.3f, 3.0f},              // babel
    {-21, 14, -14, 14, -1.3f, 3.0f},              // factory
    {-20, 16, -16, 16, -1.3f, 3.0f},              // ufo
    {-18, 22, -18, 18, -1.3f, 3.0f},              // hearth
    {-18, 18, -18, 18, -1.3f, 3.0f},              // towercrane
    {-17, 17, -26, -3, -3.3f, 4.8f},              // dump
    {-14.5f, 14.5f, -14.5f, 14.5f, -0.5f, 4.1f},  // cleanup
    {-30, 30, -30, 30, -1.3f, 3.0f},              // chemistry
    {-45, 40, -14, 14, -13.3f, 3.0f},             // daredevil
    {-45, 45, -30, 30, -1.3f, 3.0f},              // hockeyriot
    {-40, 25, -25, 25, -2.8f, 3.8f},              // canal
    {-24, 24, -24, 24, -1.3f, 2.2f},              // egghunt
    {-32, 32, -32, 32, -1.3f, 8.4f},              // superpac
    {-70, 20, -45, 45, -4.3f, 12.0f},             // powerlift: the sky crane flies
    {-20, 20, -14, 15, -2.3f, 3.0f},              // yukon
};

inline const EdgeWall& levelEdgeWall(int levelNr) { return LEVEL_EDGE_WALLS[levelNr + 1]; }
