// Level 2, "lockdown": the hangar's gate is shut by the seal door, held by two
// pins standing in sockets outside it. Pull the pins over the wall, push the
// door out and drive away east.
#include "world/levels/level02_lockdown.h"

#include "bus/diag.h"
#include "geom/records.h"
#include "world/goals_query.h"
#include "world/levels/level_common.h"
#include "world/props.h"
#include "world/wld.h"

namespace {

const dReal FLOOR = LOCKDOWN_FLOOR;
const dReal GATE_X = LOCKDOWN_PIN_X;
const dReal PIN_Y = LOCKDOWN_PIN_Y;
const dReal PIN_Z = FLOOR + 0.55;  // a pin's lower end stands on the floor
const dReal DOOR_Z = FLOOR + 0.3;  // the door's panel rests on the floor

}  // namespace

void build_lockdown(LevelOut& out) {
    makeTerrain(&geom_lockdown_terrain, nullptr);
    for (int side = -1; side <= 1; side += 2) {
        const dReal pin[3] = {GATE_X, side * PIN_Y, PIN_Z};
        add(new SealPin(pin));
    }
    const dReal door[3] = {GATE_X, 0, DOOR_Z};
    add(new SealDoor(door));
    setTruckStart(out, -5, 0, -0.35);
    setCamera(out, 2.77f, 0.18f, 5.5f);
}

// The goal rule.

void goal_lockdown(bool* won, bool*) { *won = truckX() > LOCKDOWN_OUT_X; }
