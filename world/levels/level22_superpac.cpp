// Level 22, "superpac": hang the seven advertising boards on the viaduct,
// one letter per place, facing west.
#include "world/levels/level22_superpac.h"

#include <cmath>
#include <cstring>

#include "bus/diag.h"
#include "geom/records.h"
#include "world/contact.h"
#include "world/goals_query.h"
#include "world/levels.h"
#include "world/levels/level_common.h"
#include "world/props_labelled.h"
#include "world/wld.h"

namespace {

const dReal BOARD_LEGS = 0.65;  // the legs' feet below the board's centre
const dReal SETTLE = 0.003;
// One-letter names that outlive the level: the boards keep pointers to them.
const char* const LETTER_NAMES[7] = {"Q", "U", "O", "R", "V", "E", "L"};

const char* letterName(char letter) {
    for (const char* name : LETTER_NAMES)
        if (name[0] == letter) return name;
    return nullptr;
}

// Due west of the slew axis a board faces west to arrive facing east.
const dReal WAITING_HEADING = M_PI;

// A bevel along the slot's rails, from (x0, z0) to (x1, z1) with the rail
// on the right: a smooth steel plate laid into the strip the collided rail
// leaves behind the drawn slope. With the terrain's grip a foot landing on
// the slope would stick there instead of sliding off it into the slot.
void addBevel(dReal x0, dReal z0, dReal x1, dReal z1) {
    using namespace superpac;
    const dReal dx = x1 - x0, dz = z1 - z0, length = hypot(dx, dz);
    const dReal inX = dz / length, inZ = -dx / length;  // into the rail
    dMatrix3 turn;
    dRFromAxisAndAngle(turn, 0, 1, 0, -atan2(dz, dx));  // turning about y takes x toward -z
    addSmoothBox(length, RAILS_Y1 - RAILS_Y0, BEVEL_PLATE, (x0 + x1) / 2 + inX * BEVEL_PLATE / 2,
                 (RAILS_Y0 + RAILS_Y1) / 2, (z0 + z1) / 2 + inZ * BEVEL_PLATE / 2, turn);
}

void addBevels() {
    using namespace superpac;
    const dReal top = LEDGE_Z + RAIL_HEIGHT, foot = top - BEVEL_DROP;
    addBevel(SLOT_X0 - BEVEL_WIDTH, top, SLOT_X0, foot);
    addBevel(SLOT_X1, foot, SLOT_X1 + BEVEL_WIDTH, top);
}

}  // namespace

void build_superpac(LevelOut& out) {
    using namespace superpac;
    makeTerrain(&geom_superpac_terrain, &geom_superpac_collision);
    addBevels();
    // Made from the south end up, the order the world has always listed them.
    const char* letters = levelBoardLetters();
    for (int i = 6; i >= 0; i--) {
        const char* name = letterName(letters[i]);
        if (!name) continue;
        const dReal place = levelBoardPlace(letters[i]);
        const dReal pos[3] = {i % 2 ? BOARDS_NEAR_X : BOARDS_FAR_X, place,
                              TERRACE_Z + BOARD_LEGS + SETTLE};
        CharBoard* board = add(new CharBoard(name, pos));
        if (!board) continue;
        dMatrix3 turned;
        dRFromAxisAndAngle(turned, 0, 0, 1, WAITING_HEADING);
        dBodySetRotation(board->body, turned);
    }
    setTruckStart(out, -10, 0, 0.4);
    setCamera(out, 0.0f, 0.058f, 4.83f);
}

// The goal rule.

namespace {

// Which place along the viaduct each letter of "QUORVEL" hangs in; it
// reads left to right for a player facing +x.
const char BOARD_LETTERS[] = "QUORVEL";

const float BOARD_PLACES[] = {1.5f, 1.0f, 0.5f, 0.0f, -0.5f, -1.0f, -1.5f};
// How far below the terrace a board's centre has gone when it has fallen
// off it; lying flat on the terrace it is no more than a hand lower.
const float BOARD_FALLEN = 1.0f;

}  // namespace

void goal_superpac(bool* won, bool* lost) {
    int inPlaceCount = 0;
    for (int i = 0; i < wld_objectCount(); i++) {
        WorldObj* o = wld_object(i);
        const char* at = o->name[0] && !o->name[1] ? strchr(BOARD_LETTERS, o->name[0]) : nullptr;
        if (!at) continue;
        Pose p = poseOf(o);
        // Knocked over the terrace's guard onto the grass, a board is out of
        // the crane's reach for good: the job cannot be finished any more.
        if (p.z < superpac::TERRACE_Z - BOARD_FALLEN) *lost = true;
        float place = BOARD_PLACES[at - BOARD_LETTERS];
        if (p.heading > superpac::HUNG_HEADING &&
            fabsf(p.x - superpac::HUNG_X) < superpac::HUNG_X_TOLERANCE &&
            fabsf(p.y - place) < superpac::HUNG_Y_TOLERANCE &&
            fabsf(p.z - superpac::HUNG_Z) < superpac::HUNG_Z_TOLERANCE)
            inPlaceCount++;
    }
    *won = inPlaceCount == 7;
}

const char* levelBoardLetters() { return BOARD_LETTERS; }

float levelBoardPlace(char letter) {
    const char* at = strchr(BOARD_LETTERS, letter);
    return at && letter ? BOARD_PLACES[at - BOARD_LETTERS] : 0.0f;
}
