// The Johnsons' house and hill, shared by the shapes and the builder. The
// house stands on a foundation whose smooth ridges funnel each part's feet
// to within a few millimetres; the same ridges wait on the hill top, where
// the house is to stand again around (9, 8) on a floor at z = 0.5.
#pragma once

namespace hearth {

// The new foundation's centre and floor: the goal's places stand round it.
const float HILL_X = 9.0f, HILL_Y = 8.0f, HILL_TOP = 0.5f;
// The hill itself, its top wide enough for both houses and the truck's
// turns between them: a square frustum about (HILL_CX, HILL_CY).
const float HILL_CX = 9.0f, HILL_CY = 6.5f;
const float HILL_TOP_HALF = 4.5f, HILL_FOOT_HALF = 7.0f;
// The boarded fence along the hill top's north edge, 0.2 m in from it:
// higher than a house wall, so that one shoved against it stays up there.
const float FENCE_HIGH = 0.9f;
// Where the house stands now: on the hill top STANCE_OUT * 2 south of the
// new foundation, turned as the new house is, so that each gable, and the
// chimney, goes to its place in one straight drive north, held from a line
// along y beside the house with the boom along x, across the gable's plate. The walls and the roof
// are turned across from stances on the line x = HILL_X between the houses, heading east; a wall
// turned half a turn is the same wall.
const float STANCE_OUT = 1.3f;
// Reach to spare from the stances between the houses (the solver kit's, the
// truck's centre on it): the roof's ridge 0.47 out and 0.45 in. A wall
// is taken and set from a stance on the same line: the old near wall and
// the new north wall from one 1.28 and 1.34 m off them, folded to -0.8, 0.55
// out and 0.21 in to spare over the old, 0.5 out and 0.27 in over the new;
// the old far wall and the new south wall from one clear of the old gables'
// ends, 1.475 and 1.09 m off them, 0.47 out to spare folded to -0.15 over
// the old, 0.49 out and 0.22 in folded to -1.4 over the new.
const float START_X = HILL_X, START_Y = HILL_Y - 2 * STANCE_OUT;
// A part is in place within 5 cm of where it stands in the rebuilt house.
const float PLACE_TOLERANCE_SQ = 0.0025f;

// Each foot stands in a channel between two smooth ridges, square bars laid
// diagonally so that their flanks slope at 45 degrees: a foot let down up to
// RIDGE_HIGH to either side lands on a flank and slides into the channel,
// which is only a few millimetres wider than the foot.
const float RIDGE_HIGH = 0.035f;  // the crest above the floor, and half the foot's width
// The side walls' ridges below are laid for walls RIDGES_WALL_AT out. The
// new house's stand 2 cm further out, their inner faces clear of the gables'
// tabs and ends by as much: a gable let down a little off would otherwise
// land its tab or its edge on a wall's top. (Reach to spare over the new
// walls' places: see the stances above.) The old house's stand half a
// centimetre out in their channels, clear of the gables' tabs: against them,
// a tab lifted out drags a wall up its face and tips it over.
const float RIDGES_WALL_AT = 0.475f, WALL_AT = 0.495f, OLD_WALL_AT = 0.48f;
const float NEW_WALL_RIDGES_OUT = WALL_AT - RIDGES_WALL_AT;
struct Ridge {
    float from, to;  // along its length, relative to the house centre
    float at;        // the crest line's other coordinate
    bool alongX;
    bool wall;  // a side wall's: laid NEW_WALL_RIDGES_OUT further out in the new house
};
const Ridge RIDGES[] = {
    // the side walls' feet, 0.45 to 0.5 out in the old house, in 0.452..0.506;
    // the outer ones run on past the gables' ends and hold them in y too
    {-0.45f, 0.45f, 0.417f, true, true},
    {-0.45f, 0.45f, -0.417f, true, true},
    {-0.72f, 0.72f, 0.541f, true, true},
    {-0.72f, 0.72f, -0.541f, true, true},
    // the back gable's foot, 0.625 to 0.675, clear of the fireplace's hole
    // and of the chimney's channel
    {0.12f, 0.38f, 0.587f, false, false},
    {-0.38f, -0.12f, 0.587f, false, false},
    {0.19f, 0.38f, 0.713f, false, false},
    {-0.38f, -0.19f, 0.713f, false, false},
    // the front gable's foot, -0.675 to -0.625
    {-0.38f, 0.38f, -0.587f, false, false},
    {-0.38f, 0.38f, -0.713f, false, false},
    // the chimney's channel, its stack standing against the back gable,
    // its fireplace through the hole
    {0.76f, 1.12f, 0.139f, true, false},
    {0.76f, 1.12f, -0.139f, true, false},
    // and its stop, 2 mm east of the stack's east face: the chimney comes
    // in with the back gable hanging from it and stands up with it on the
    // gable's tabs, the claw drawing its foot east along the smooth strip
    {-0.1f, 0.1f, 0.912f, false, false},
};
const int RIDGE_COUNT = sizeof(RIDGES) / sizeof(RIDGES[0]);
// In the new house, where the walls' outer ridges stand further out, these
// hold the gables' ends in y as those do in the old house: under the plates'
// outer halves only, 4 cm clear of the walls' ends, so that a wall let down
// off along its channel reaches its notches before it reaches these.
const Ridge GABLE_ENDS[] = {
    {0.66f, 0.72f, 0.541f, true, false},
    {0.66f, 0.72f, -0.541f, true, false},
    {-0.72f, -0.66f, 0.541f, true, false},
    {-0.72f, -0.66f, -0.541f, true, false},
};
// In the new house each wall's feet also stand in a notch along its length:
// a gable's plate stands only half a centimetre clear of a wall's end, so a
// wall let down a little off along its channel would be under the gable let
// down beside it. Each notch is two smooth bars along y, their flanks at 45
// degrees, that take a foot's inner half (the part inside the house, clear
// of the gables' channels and tabs) and slide it to its place.
struct Notch {
    float x;       // the foot's centre line, relative to the house centre
    float y0, y1;  // the bars' extent across, on the side of the wall at +y:
                   // its feet reach 0.175 either side of it
};
const Notch WALL_NOTCHES[] = {{0.425f, 0.325f, 0.37f}, {-0.425f, 0.325f, 0.37f}};
// The bars' crests and side corners above the floor: a wall's feet are 5 cm
// thick and hang 0.1 above its foot's bottom, so the flanks above the corners
// take a foot up to 2.8 cm off along the wall and leave it 3 mm to either side;
// they reach the feet only once the wall's foot is between its ridges, so
// that they do not roll it across them.
// Below the corners the bars draw in again, clear of the gables' feet.
const float NOTCH_HIGH = 0.125f, NOTCH_CORNER = 0.1f, NOTCH_CLEAR = 0.028f;
// In the old house each gable also stands between upright bars, so that it
// stays up once the walls it leans on are taken out: the house comes apart
// walls first, and nothing needs to wait elsewhere. The bars stop below the
// front gable's porch and clear of the tabs and of the fireplace's hole.
struct SlotBar {
    float from, to;  // along y, relative to the house centre
    float at;        // the bar's centre line in x
};
const SlotBar GABLE_SLOTS[] = {
    {0.12f, 0.38f, 0.608f},   {-0.38f, -0.12f, 0.608f}, {0.19f, 0.38f, 0.692f},
    {-0.38f, -0.19f, 0.692f}, {-0.38f, 0.38f, -0.608f}, {-0.38f, 0.38f, -0.692f},
};
const float SLOT_BAR = 0.03f, SLOT_HIGH = 0.08f;  // thick (in x) and high
// The channel's floor is smooth too, so that the stack slides along it.
const float CHIMNEY_SLIDE[4] = {0.5f, 1.12f, -0.095f, 0.095f};  // x0, x1, y0, y1
const float SLIDE_THICK = 0.002f;
// The foundation slab, relative to the house centre.
const float SLAB[4] = {-0.75f, 1.15f, -0.6f, 0.6f};

}  // namespace hearth
