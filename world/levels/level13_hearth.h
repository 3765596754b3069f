// The Johnsons' house and hill, shared by the shapes and the builder. The
// house stands on a foundation with low kerbs that catch each part's feet
// within about a centimetre; the same kerbs wait on the hill top, where
// the house is to stand again around (9, 8) on a floor at z = 0.5.
#pragma once

namespace hearth {

const float HILL_X = 9.0f, HILL_Y = 8.0f, HILL_TOP = 0.5f;
const float HILL_TOP_HALF = 3.0f, HILL_FOOT_HALF = 5.5f;
const float START_X = 1.0f, START_Y = -8.0f;  // where the house stands now, on the ground
const float KERB_HEIGHT = 0.04f;
// A part is in place within 5 cm of where it stands in the rebuilt house.
const float PLACE_TOLERANCE_SQ = 0.0025f;

// Kerbs around the part feet, relative to the house centre: x0, x1, y0, y1.
const float KERBS[][4] = {
    // the back wall, either side of its feet, clear of the fireplace
    {0.595f, 0.615f, -0.38f, -0.12f},
    {0.595f, 0.615f, 0.12f, 0.38f},
    {0.685f, 0.705f, -0.38f, -0.12f},
    {0.685f, 0.705f, 0.12f, 0.38f},
    // the front wall, under its step, and inside
    {-0.705f, -0.685f, -0.38f, 0.38f},
    {-0.615f, -0.595f, -0.38f, 0.38f},
    // the side walls
    {-0.45f, 0.45f, 0.51f, 0.53f},
    {-0.45f, 0.45f, 0.42f, 0.44f},
    {-0.45f, 0.45f, -0.53f, -0.51f},
    {-0.45f, 0.45f, -0.44f, -0.42f},
    // the chimney's stack outside the back wall
    {0.885f, 0.905f, -0.08f, 0.08f},
    {0.71f, 0.86f, 0.11f, 0.13f},
    {0.71f, 0.86f, -0.13f, -0.11f},
};
const int KERB_COUNT = sizeof(KERBS) / sizeof(KERBS[0]);

}  // namespace hearth
