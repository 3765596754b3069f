// Level 13, "hearth": take the house apart, carry it up the hill and put
// it together again on the new foundation.
#include "world/levels/level13_hearth.h"

#include <cmath>
#include <cstring>

#include "bus/diag.h"
#include "geom/records.h"
#include "world/contact.h"
#include "world/goals_query.h"
#include "world/levels/level_common.h"
#include "world/props.h"
#include "world/wld.h"

namespace {

// Each part relative to the house centre and its floor. The side walls
// stand half a centimetre clear of the gables' tabs (OLD_WALL_AT).
const dReal CHIMNEY[3] = {0.777, 0, 0.6};
const dReal BACK[3] = {0.65, 0, 0.5};
const dReal FRONT[3] = {-0.65, 0, 0.5};
const dReal LEFT[3] = {0, hearth::OLD_WALL_AT, 0.4};
const dReal RIGHT[3] = {0, -hearth::OLD_WALL_AT, 0.4};
const dReal ROOF[3] = {0, 0, 1.0};
const dReal CLEARANCE = 0.002;

const dReal OLD_FLOOR = hearth::HILL_TOP;

void at(const dReal offset[3], dReal out[3]) {
    out[0] = hearth::START_X + offset[0];
    out[1] = hearth::START_Y + offset[1];
    out[2] = OLD_FLOOR + offset[2] + CLEARANCE;
}

// A smooth static box, turned by angle about the x or y axis.
void addSmooth(dReal sx, dReal sy, dReal sz, dReal x, dReal y, dReal z, int axis, dReal angle) {
    dMatrix3 turn;
    dRFromAxisAndAngle(turn, axis == 0, axis == 1, 0, angle);
    addSmoothBox(sx, sy, sz, x, y, z, turn);
}

// A smooth ridge of a foundation centred on (cx, cy), its side walls' moved
// out by wallOut.
void addRidge(const hearth::Ridge& r, dReal cx, dReal cy, dReal floor, dReal wallOut) {
    const dReal side = hearth::RIDGE_HIGH * M_SQRT2;
    dReal length = r.to - r.from, mid = (r.from + r.to) / 2;
    dReal at = r.wall ? r.at + std::copysign(wallOut, r.at) : r.at;
    if (r.alongX)
        addSmooth(length, side, side, cx + mid, cy + at, floor, 0, M_PI / 4);
    else
        addSmooth(side, length, side, cx + at, cy + mid, floor, 1, M_PI / 4);
}

// The ridges and the chimney's strip of a foundation whose floor is at
// floor: smooth, so that a foot landing on a flank slides off it. The new
// house's side walls stand further out, and its gables' ends have ridges of
// their own.
void addGuides(dReal cx, dReal cy, dReal floor, bool rebuilt) {
    using namespace hearth;
    const dReal wallOut = rebuilt ? NEW_WALL_RIDGES_OUT : 0;
    for (const Ridge& r : RIDGES) addRidge(r, cx, cy, floor, wallOut);
    if (rebuilt)
        for (const Ridge& r : GABLE_ENDS) addRidge(r, cx, cy, floor, 0);
    const float* c = CHIMNEY_SLIDE;
    addSmooth(c[1] - c[0], c[3] - c[2], SLIDE_THICK, cx + (c[0] + c[1]) / 2, cy + (c[2] + c[3]) / 2,
              floor + 0.001 + SLIDE_THICK / 2, 0, 0);
}

// The notches for the new house's walls' feet, both walls, both ends: square
// bars turned 45 degrees, their side corners at NOTCH_CORNER.
void addNotches(dReal cx, dReal cy, dReal floor) {
    using namespace hearth;
    const dReal half = NOTCH_HIGH - NOTCH_CORNER;  // the bars' half diagonal
    for (const Notch& n : WALL_NOTCHES)
        for (int wall = -1; wall <= 1; wall += 2)
            for (int flank = -1; flank <= 1; flank += 2)
                addSmooth(half * M_SQRT2, n.y1 - n.y0, half * M_SQRT2,
                          cx + n.x + flank * (NOTCH_CLEAR + half), cy + wall * (n.y0 + n.y1) / 2,
                          floor + NOTCH_CORNER, 1, M_PI / 4);
}

// The old house's upright bars either side of each gable's foot.
void addSlots(dReal cx, dReal cy, dReal floor) {
    using namespace hearth;
    for (const SlotBar& b : GABLE_SLOTS)
        addSmooth(SLOT_BAR, b.to - b.from, SLOT_HIGH, cx + b.at, cy + (b.from + b.to) / 2,
                  floor + SLOT_HIGH / 2, 0, 0);
}

}  // namespace

void build_hearth(LevelOut& out) {
    makeTerrain(&geom_hearth_terrain, &geom_hearth_collision);
    addGuides(hearth::START_X, hearth::START_Y, OLD_FLOOR, false);
    addSlots(hearth::START_X, hearth::START_Y, OLD_FLOOR);
    addGuides(hearth::HILL_X, hearth::HILL_Y, hearth::HILL_TOP, true);
    addNotches(hearth::HILL_X, hearth::HILL_Y, hearth::HILL_TOP);
    dReal p[3];
    at(CHIMNEY, p);
    add(new Chimney(p));
    at(BACK, p);
    add(new HouseBack(p));
    at(FRONT, p);
    add(new HouseFront(p));
    at(LEFT, p);
    add(new HouseWall("leftwall", p));
    at(RIGHT, p);
    add(new HouseWall("rightwall", p));
    at(ROOF, p);
    add(new HouseRoof(p));
    setTruckStart(out, -3, -8, 0.4);
    setCamera(out, 1.0f, 0.13f, 3.0f);
}

// The goal rule.

namespace {

bool near(const Pose& p, float x, float y, float z) {
    float dx = p.x - x, dy = p.y - y, dz = p.z - z;
    return dx * dx + dy * dy + dz * dz <= hearth::PLACE_TOLERANCE_SQ;
}

struct Place {
    const char* name;
    float at[2][3];  // one place, or either of two
    int choices;
};

const Place HOUSE[] = {
    {"houseback", {{9.65f, 8, 1.0f}}, 1},
    {"housefront", {{8.35f, 8, 1.0f}}, 1},
    {"chimney", {{9.775f, 8, 1.1f}}, 1},
    // The walls' places stand square over their ridges' line; the new
    // foundation stands them 2 cm further out (WALL_AT), well within the
    // tolerance.
    {"leftwall", {{9, 8.475f, 0.9f}, {9, 7.525f, 0.9f}}, 2},
    {"rightwall", {{9, 8.475f, 0.9f}, {9, 7.525f, 0.9f}}, 2},
    {"houseroof", {{9, 8, 1.5f}}, 1},
};

bool inPlace(const Place& place, const Pose& p) {
    for (int c = 0; c < place.choices; c++) {
        if (near(p, place.at[c][0], place.at[c][1], place.at[c][2])) return true;
    }
    return false;
}

}  // namespace

void goal_hearth(bool* won, bool*) {
    for (int i = 0; i < wld_objectCount(); i++) {
        WorldObj* o = wld_object(i);
        for (const Place& place : HOUSE) {
            if (strcmp(o->name, place.name) == 0 && !inPlace(place, poseOf(o))) return;
        }
    }
    *won = true;
}
