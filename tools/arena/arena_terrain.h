// The arena's ground: one height function shared by the physics (through the
// terrain record's triangles) and the geometry generator that makes them.
#pragma once

enum { ARENA_GRID = 24 };       // cells per side
const float ARENA_CELL = 1.0f;  // metres
const float ARENA_HALF = ARENA_GRID * ARENA_CELL * 0.5f;
const float ARENA_CRATE = 0.4f;  // edge of the stacked boxes
const float ARENA_BALL_RADIUS = 0.25f;

// A shallow bowl with a ramp along -x so the spheres roll toward the stack.
inline float arena_height(float x, float y) {
    float bowl = 0.004f * (x * x + y * y);
    float ramp = x < -4.0f ? (-4.0f - x) * 0.25f : 0.0f;
    return bowl + ramp;
}
