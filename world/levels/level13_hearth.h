// The Johnsons' house and hill, shared by the shapes and the builder. The
// house stands on a foundation whose smooth ridges funnel each part's feet
// to within a few millimetres; the same ridges wait on the hill top, where
// the house is to stand again around (9, 8) on a floor at z = 0.5.
#pragma once

namespace hearth {

const float HILL_X = 9.0f, HILL_Y = 8.0f, HILL_TOP = 0.5f;
const float HILL_TOP_HALF = 3.0f, HILL_FOOT_HALF = 5.5f;
// Where the house stands now, on the ground. Reach to spare (the solver
// kit's, from the stances as the truck reaches them): the roof's ridge from
// the south 0.13 to 0.35 (it varies with where the truck stops), the front
// gable's peak from the west 0.23 to 0.38.
const float START_X = 1.0f, START_Y = -8.0f;
// On the hill: the roof over its place from the south 0.37, carried over it
// 0.31, laid down beside the foundation 0.72; the front gable set in its
// channel from the west 0.52.
// A part is in place within 5 cm of where it stands in the rebuilt house.
const float PLACE_TOLERANCE_SQ = 0.0025f;

// Each foot stands in a channel between two smooth ridges, square bars laid
// diagonally so that their flanks slope at 45 degrees: a foot let down up to
// RIDGE_HIGH to either side lands on a flank and slides into the channel,
// which is only a few millimetres wider than the foot.
const float RIDGE_HIGH = 0.035f;  // the crest above the floor, and half the foot's width
struct Ridge {
    float from, to;  // along its length, relative to the house centre
    float at;        // the crest line's other coordinate
    bool alongX;
};
const Ridge RIDGES[] = {
    // the side walls' feet, 0.45 to 0.5 out, in 0.452..0.506; the outer ones
    // run on past the gables' ends and hold them in y too
    {-0.45f, 0.45f, 0.417f, true},
    {-0.45f, 0.45f, -0.417f, true},
    {-0.72f, 0.72f, 0.541f, true},
    {-0.72f, 0.72f, -0.541f, true},
    // the back gable's foot, 0.625 to 0.675, clear of the fireplace's hole
    // and of the chimney's channel
    {0.12f, 0.38f, 0.587f, false},
    {-0.38f, -0.12f, 0.587f, false},
    {0.19f, 0.38f, 0.713f, false},
    {-0.38f, -0.19f, 0.713f, false},
    // the front gable's foot, -0.675 to -0.625
    {-0.38f, 0.38f, -0.587f, false},
    {-0.38f, 0.38f, -0.713f, false},
    // the chimney's channel: its stack is set down east of its place and
    // pushed west along it until it stands against the back gable, its
    // fireplace through the hole
    {0.76f, 1.12f, 0.139f, true},
    {0.76f, 1.12f, -0.139f, true},
};
const int RIDGE_COUNT = sizeof(RIDGES) / sizeof(RIDGES[0]);
// The channel's floor is smooth too, so that the stack slides along it.
const float CHIMNEY_SLIDE[4] = {0.5f, 1.12f, -0.095f, 0.095f};  // x0, x1, y0, y1
const float SLIDE_THICK = 0.002f;
// The foundation slab, relative to the house centre.
const float SLAB[4] = {-0.75f, 1.15f, -0.6f, 0.6f};

}  // namespace hearth
