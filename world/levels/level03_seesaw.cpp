// Level 3, "seesaw": the balls wait on a rack beyond a trench that only the
// seesaw plank bridges. The plank's hinge sits near its east end, so a truck
// crossing to that end tips it into the trench unless the heavy weight holds
// the long west arm down. Load the five balls into the cart.
#include "world/levels/level03_seesaw.h"

#include "bus/diag.h"
#include "geom/records.h"
#include "vehicles/trailer.h"
#include "world/goals_query.h"
#include "world/levels/level_common.h"
#include "world/props.h"
#include "world/props_basic.h"
#include "world/wld.h"

namespace {

const dReal PLANK_DENSITY = 0.3;
// The plank tips east far enough to pitch a truck on its short arm into the
// trench.
const dReal PLANK_LOW_STOP = -0.03, PLANK_HIGH_STOP = 0.9;
// Over its disc 0.44 m of reach to spare; set down on the plank 0.24 m.
const dReal WEIGHT_POS[3] = {-6.5, 2.0, 0.4};
const dReal SHUTTER_POS[3] = {10.6, -0.6, SEESAW_PLATFORM_TOP + 0.025};

void addPlank() {
    const dReal origin[3] = {0, 0, 0};
    const dReal length = SEESAW_PLANK_EAST - SEESAW_PLANK_WEST;
    const dReal size[3] = {length, 2 * SEESAW_PLANK_HALF_WIDTH, 2 * SEESAW_PLANK_HALF_THICK};
    const dReal offset[3] = {(SEESAW_PLANK_EAST + SEESAW_PLANK_WEST) / 2, 0, 0};
    BoxObj* plank =
        add(new BoxObj("plank", &geom_seesaw_plank, origin, size, PLANK_DENSITY, offset));
    if (!plank) return;
    dBodySetAutoDisableFlag(plank->body, 0);
    dJointID hinge = dJointCreateHinge(wld_world(), nullptr);
    dJointAttach(hinge, plank->body, nullptr);
    dJointSetHingeAnchor(hinge, 0, 0, 0);
    dJointSetHingeAxis(hinge, 0, 1, 0);
    dJointSetHingeParam(hinge, dParamLoStop, PLANK_LOW_STOP);
    dJointSetHingeParam(hinge, dParamHiStop, PLANK_HIGH_STOP);
}

}  // namespace

void build_seesaw(LevelOut& out) {
    makeTerrain(&geom_seesaw_terrain, nullptr);
    addPlank();
    add(new HeavyWeight(WEIGHT_POS));
    const dReal cart[3] = {SEESAW_CART_X, SEESAW_CART_Y, SEESAW_CART_Z};
    add(new TrailerObj("cart", cart));
    Shutter* shutter = add(new Shutter(SHUTTER_POS));
    if (shutter) {  // lying flat, out of the way
        dMatrix3 r;
        dRFromAxisAndAngle(r, 1, 0, 0, M_PI / 2);
        dBodySetRotation(shutter->body, r);
    }
    for (int i = -2; i <= 2; i++) {
        const dReal pos[3] = {9 + 0.3 * i, SEESAW_RACK_Y, 2};
        add(new SphereObj("soccerball", &geom_seesaw_ball, pos, SEESAW_BALL_RADIUS));
    }
    setTruckStart(out, -5, 0, 0.4);
    setCamera(out, 0.4f, 0.52f, 3.8f);
}

// The goal rule.

void goal_seesaw(bool* won, bool* lost) {
    *won = countNamed("soccerball", [](const Pose& p) {
               return SEESAW_CART_BAND_LOW < p.z && p.z < SEESAW_CART_BAND_HIGH;
           }) == SEESAW_BALLS;
    *lost = anyNamed("soccerball", [](const Pose& p) { return p.z <= SEESAW_LOST_BELOW; }) ||
            truckBelow(SEESAW_LOST_BELOW);
}
