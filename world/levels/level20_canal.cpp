// Level 20, "canal": finish the railway bridge over the drained canal. Four
// risers go into the pillars' sockets and six girders become the missing
// rails; pulling the rail lever then sends the train over from the east.
#include "world/levels/level20_canal.h"

#include <cmath>

#include "bus/diag.h"
#include "geom/records.h"
#include "vehicles/train.h"
#include "world/contact.h"
#include "world/goals_query.h"
#include "world/levels/level_common.h"
#include "world/props.h"
#include "world/props_levers.h"
#include "world/wld.h"

namespace {

const int RISER_TENTHS = 11;
const dReal SETTLE = 0.003;
const dReal TREAD_RADIUS = 0.16;  // the train's wheels ride the rail heads
const dReal LEVER_ABOVE = 0.45;   // the lever's body above the bank: it swings clear of it

// Smooth steel: a riser's foot or a girder's end slides down it instead of
// sticking.
void addPlate(const canal::FunnelPlate& p, dReal thickness) {
    dMatrix3 r;
    dRFrom2Axes(r, p.up[0], p.up[1], p.up[2], p.along[0], p.along[1], p.along[2]);
    addSmoothBox(p.length, p.width, thickness, p.centre[0], p.centre[1], p.centre[2], r);
}

void addFunnelPlate(int s, int k) { addPlate(canal::funnelPlate(s, k), canal::FUNNEL_PLATE); }

void addGirderGuide(int k, int rail, int side, int end) {
    addPlate(canal::girderGuide(k, rail, side, end), canal::GUIDE_PLATE);
    if (end == 0) return;
    const canal::Post q = canal::guidePost(k, rail, side, end);
    dMatrix3 square;
    dRSetIdentity(square);
    addSmoothBox(q.size[0], q.size[1], q.size[2], q.centre[0], q.centre[1], q.centre[2], square);
}

}  // namespace

void build_canal(LevelOut& out) {
    using namespace canal;
    makeTerrain(&geom_canal_terrain, nullptr);
    makeScenery(&geom_canal_scenery);
    for (int s = 0; s < 4; s++)
        for (int k = 0; k < 4; k++) addFunnelPlate(s, k);
    forEachGirderGuide(addGirderGuide);
    for (int i = 0; i < 4; i++) {
        const dReal pos[3] = {RISER_AT[i][0], RISER_AT[i][1], BED_Z + RISER_HEIGHT / 2 + SETTLE};
        Riser* r = add(new Riser(RISER_TENTHS, pos));
        dMatrix3 turned;
        dRFromAxisAndAngle(turned, 0, 0, 1, riserTurn(i));
        if (r) dBodySetRotation(r->body, turned);
    }
    const dReal trainAt[3] = {TRAIN_X, 0, RAIL_HEAD + TREAD_RADIUS};
    add(new TrainObj(trainAt));
    for (int i = 0; i < 6; i++) {
        const dReal pos[3] = {GIRDER_AT[i][0], GIRDER_AT[i][1], BED_Z + GIRDER_FOOT_BELOW + SETTLE};
        add(new Girder(pos));
    }
    const dReal leverAt[3] = {LEVER_X, LEVER_Y, BANK_Z + LEVER_ABOVE};
    add(new RailLever(leverAt));
    setTruckStart(out, -18, 2, 1);
    setCamera(out, -0.15f, 0.2f, 2.9f);
}

// The goal rule.

void goal_canal(bool* won, bool* lost) {
    TrainObj* train = dynamic_cast<TrainObj*>(findNamed("train"));
    const RailLever* lever = dynamic_cast<const RailLever*>(findNamed("lever"));
    if (!train) return;
    if (lever && lever->pulled && !train->started) {
        const dReal away[3] = {-canal::TRAIN_SPEED, 0, 0};
        train->launch(away);
    }
    Pose p = poseOf(train);
    *won = p.x < canal::TRAIN_ACROSS_X;
    const dReal* v = dBodyGetLinearVel(train->body);
    const bool stood = dCalcVectorLength3(v) < canal::TRAIN_STOOD_SPEED;
    *lost = fabsf(p.sideTilt) > canal::TRAIN_TILT_LIMIT || (train->started && stood && !*won);
}
