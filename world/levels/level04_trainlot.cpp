// Level 4, "trainlot": load the three crates onto the train's wagon and push
// the train gently east into the tunnel; the job is done when every crate is
// past x = 15.
#include "world/levels/level04_trainlot.h"

#include "bus/diag.h"
#include "geom/records.h"
#include "vehicles/train.h"
#include "world/goals_query.h"
#include "world/levels/level_common.h"
#include "world/props.h"
#include "world/wld.h"

namespace {

const dReal CRATE_HALF_HEIGHT = 0.225;  // its bottom rim reaches this far down
// Axle height over the ground: the treads' radius on the rails.
const dReal TRAIN_WHEEL_DROP = 0.16 + TRAINLOT_RAIL_HEIGHT + 0.001;
// On the dock in a row beside the wagon's middle, far enough apart that
// the open grapple clears the next one.
const dReal CRATES_X = TRAINLOT_TRAIN_X, CRATES_Y = -0.3;

}  // namespace

void build_trainlot(LevelOut& out) {
    makeTerrain(&geom_trainlot_terrain, nullptr);
    makeScenery(&geom_trainlot_scenery);
    for (int i = -1; i <= 1; i++) {
        const dReal pos[3] = {CRATES_X + i * TRAINLOT_CRATES_APART, CRATES_Y,
                              TRAINLOT_GROUND + TRAINLOT_DOCK_HEIGHT + CRATE_HALF_HEIGHT};
        add(new Crate(pos));
    }
    // The wagon stands on its treads on the rails, asleep until the truck
    // pushes it.
    const dReal trainAt[3] = {TRAINLOT_TRAIN_X, TRAINLOT_TRACK_Y,
                              TRAINLOT_GROUND + TRAIN_WHEEL_DROP};
    add(new TrainObj(trainAt));
    setTruckStart(out, 0, 0, 1.1);
    setCamera(out, 2.0f, 0.0f, 7.33f);
}

// The goal rule.

void goal_trainlot(bool* won, bool*) {
    *won = everyNamed("crate", [](const Pose& p) { return p.x >= TRAINLOT_DELIVERED_X; });
}
