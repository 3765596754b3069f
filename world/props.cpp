#include "world/props.h"

#include <array>
#include <cmath>

#include "world/contact.h"
#include "world/props_geom.h"
#include "world/wld.h"

namespace {

// Bridge decks and pack-crate cubes carry loads but let the fork-lift
// carriage through; their guides and edge beams meet only that carriage.
const unsigned long CAT_DECK = 0x4;
const unsigned long CAT_FORK_GUIDE = 0x8;
const unsigned long COLLIDE_DECK = 0x1041f37;
const unsigned long COLLIDE_FORK_GUIDE = 0x40;

ShapeSpec B(dReal sx, dReal sy, dReal sz, dReal ox, dReal oy, dReal oz) {
    return shapeBox(sx, sy, sz, ox, oy, oz);
}
ShapeSpec BT(dReal sx, dReal sy, dReal sz, dReal ox, dReal oy, dReal oz, int axis, dReal angle) {
    return shapeBoxTurned(sx, sy, sz, ox, oy, oz, axis, angle);
}
ShapeSpec guide(ShapeSpec s) { return withCategory(s, CAT_FORK_GUIDE, COLLIDE_FORK_GUIDE); }
ShapeSpec deck(ShapeSpec s) { return withCategory(s, CAT_DECK, COLLIDE_DECK); }

template <int N>
int count(const ShapeSpec (&)[N]) {
    return N;
}

// A power-mast leg leans inwards: turned by its y-tilt, then its x-tilt.
ShapeSpec mastLeg(dReal x, dReal y, dReal xTilt, dReal yTilt) {
    ShapeSpec s = B(0.2, 0.2, 2.65, x, y, 6.8);
    s.axis[0] = 1, s.axis[1] = 0, s.axis[2] = 0;
    s.angle = xTilt;
    s.axis2[0] = 0, s.axis2[1] = 1, s.axis2[2] = 0;
    s.angle2 = yTilt;
    return s;
}

geomdesc* eggRecord(int variant) {
    return variant >= 0 && variant < EGG_VARIANTS ? prop_records.egg[variant] : nullptr;
}

}  // namespace

ShapedProp::ShapedProp(const char* name_, geomdesc* geometry_, const dReal pos[3], dReal density,
                       const dReal massBox[3], const ShapeSpec* shapes, int n)
    : DynamicWorldObj(name_, geometry_, wld_world()) {
    dBodySetPosition(body, pos[0], pos[1], pos[2]);
    dMass m;
    dMassSetBox(&m, density, massBox[0], massBox[1], massBox[2]);
    dBodySetMass(body, &m);
    if (shapes) attachShapes(body, this, wld_space(), shapes, n);
}

HeldLighterProp::HeldLighterProp(const char* name_, geomdesc* geometry_, const dReal pos[3],
                                 dReal density, const dReal box[3], const ShapeSpec* shapes, int n,
                                 dReal held, dReal released)
    : ShapedProp(name_, geometry_, pos, density, box, shapes, n),
      massBox{box[0], box[1], box[2]},
      heldDensity(held),
      releasedDensity(released) {}

void HeldLighterProp::setGrasped(bool grasped) {
    dMass m;
    dMassSetBox(&m, grasped ? heldDensity : releasedDensity, massBox[0], massBox[1], massBox[2]);
    dBodySetMass(body, &m);
}

// ------------------------------------------------------------ fixed shapes

static const dReal BRIDGE_BOX[3] = {2.0, 1.0, 0.05};
BridgeSegment::BridgeSegment(const dReal pos[3])
    : ShapedProp("segment", prop_records.bridgeSegment, pos, 0.1, BRIDGE_BOX, nullptr, 0) {
    const ShapeSpec s[] = {
        guide(B(0.93, 0.45, 0.05, -0.515, -0.275, 0)),
        guide(B(0.93, 0.45, 0.05, 0.515, -0.275, 0)),
        guide(B(0.93, 0.45, 0.05, 0.515, 0.275, 0)),
        guide(B(0.93, 0.45, 0.05, -0.515, 0.275, 0)),
        guide(B(0.58, 0.1, 0.05, 0.69, 0.075, 0)),
        guide(B(0.58, 0.1, 0.05, -0.69, 0.075, 0)),
        guide(B(0.1, 0.1, 0.05, 0, 0.45, 0)),
        guide(B(0.1, 0.1, 0.05, 0, -0.45, 0)),
        guide(B(0.3, 0.3, 0.05, 0, 0, 0)),
        B(0.08, 1.0, 0.1, 0.94, 0, -0.075),
        B(0.08, 1.0, 0.1, -0.94, 0, -0.075),
        deck(B(1.96, 1.0, 0.05, 0, 0, 0)),
    };
    attachShapes(body, this, wld_space(), s, count(s));
}

static const dReal CRATE_BOX[3] = {0.26, 0.26, 0.35};
Crate::Crate(const dReal pos[3])
    : ShapedProp("crate", prop_records.crate, pos, 1.0, CRATE_BOX, nullptr, 0) {
    const ShapeSpec s[] = {B(0.34, 0.34, 0.1, 0, 0, -0.175), B(0.34, 0.34, 0.1, 0, 0, 0.175),
                           B(0.26, 0.26, 0.35, 0, 0, 0)};
    attachShapes(body, this, wld_space(), s, count(s));
}

static const dReal FRAME_BOX[3] = {0.9, 0.1, 0.9};
Frame::Frame(const dReal pos[3])
    : ShapedProp("frame", prop_records.frame, pos, 0.1, FRAME_BOX, nullptr, 0) {
    const ShapeSpec s[] = {B(0.79, 0.1, 0.05, 0, 0, -0.425), B(0.79, 0.1, 0.05, 0, 0, 0.425),
                           B(0.05, 0.1, 0.9, -0.425, 0, 0), B(0.05, 0.1, 0.9, 0.425, 0, 0)};
    attachShapes(body, this, wld_space(), s, count(s));
}

static const dReal GIRDER_BOX[3] = {1.98, 0.2, 0.2};
Girder::Girder(const dReal pos[3])
    : ShapedProp("girder", prop_records.girder, pos, 0.2, GIRDER_BOX, nullptr, 0) {
    const ShapeSpec s[] = {B(1.98, 0.08, 0.08, 0, 0, 0.12), B(1.98, 0.2, 0.05, 0, 0, -0.025),
                           B(0.7, 0.08, 0.08, -0.5, 0, 0.04), B(0.7, 0.08, 0.08, 0.5, 0, 0.04)};
    attachShapes(body, this, wld_space(), s, count(s));
}

static const dReal CHIMNEY_BOX[3] = {0.2, 0.2, 1.35};
Chimney::Chimney(const dReal pos[3])
    : ShapedProp("chimney", prop_records.chimney, pos, 0.12, CHIMNEY_BOX, nullptr, 0) {
    const ShapeSpec s[] = {B(0.2, 0.2, 1.35, 0, 0, 0.075), B(0.2, 0.3, 0.05, 0, 0, 0.875),
                           B(0.15, 0.2, 0.3, -0.175, 0, -0.45), B(0.2, 0.05, 0.2, 0, 0.125, 0.8),
                           B(0.2, 0.05, 0.2, 0, -0.125, 0.8)};
    attachShapes(body, this, wld_space(), s, count(s));
}

static const dReal HOUSE_END_BOX[3] = {0.05, 1.0, 1.0};
HouseBack::HouseBack(const dReal pos[3])
    : ShapedProp("houseback", prop_records.houseBack, pos, 0.12, HOUSE_END_BOX, nullptr, 0) {
    const ShapeSpec s[] = {
        BT(0.05, 0.707, 0.707, 0, 0, 0.3, AXIS_X, M_PI / 4),
        B(0.125, 0.1, 0.06, -0.0875, 0, 0.7),
        B(0.05, 1.0, 0.5, 0, 0, 0.05),
        B(0.05, 0.4, 0.3, 0, 0.3, -0.35),
        B(0.05, 0.4, 0.3, 0, -0.3, -0.35),
        B(0.1, 0.05, 0.3, -0.075, -0.425, -0.35),
        B(0.1, 0.05, 0.3, -0.075, 0.425, -0.35),
    };
    attachShapes(body, this, wld_space(), s, count(s));
}

HouseFront::HouseFront(const dReal pos[3])
    : ShapedProp("housefront", prop_records.houseFront, pos, 0.12, HOUSE_END_BOX, nullptr, 0) {
    const ShapeSpec s[] = {
        BT(0.05, 0.707, 0.707, 0, 0, 0.3, AXIS_X, M_PI / 4),
        B(0.3, 0.1, 0.06, 0, 0, 0.7),
        B(0.05, 1.0, 0.5, 0, 0, 0.15),
        B(0.05, 0.1, 0.5, 0, -0.45, -0.25),
        B(0.05, 0.7, 0.5, 0, 0.15, -0.25),
        B(0.1, 0.05, 0.3, 0.075, -0.425, -0.35),
        B(0.1, 0.05, 0.3, 0.075, 0.425, -0.35),
        B(0.15, 0.7, 0.05, -0.1, 0.15, -0.375),
    };
    attachShapes(body, this, wld_space(), s, count(s));
}

static const dReal WALL_BOX[3] = {1.25, 0.05, 0.8};
HouseWall::HouseWall(const char* name_, const dReal pos[3])
    : ShapedProp(name_, prop_records.houseWall, pos, 0.12, WALL_BOX, nullptr, 0) {
    const ShapeSpec s[] = {
        B(1.24, 0.05, 0.3, 0, 0, -0.25),    B(1.24, 0.05, 0.15, 0, 0, 0.275),
        B(0.29, 0.05, 0.3, 0.475, 0, 0.05), B(0.29, 0.05, 0.3, -0.475, 0, 0.05),
        B(0.05, 0.35, 0.2, 0.425, 0, -0.2), B(0.05, 0.34, 0.2, -0.425, 0, -0.2),
    };
    attachShapes(body, this, wld_space(), s, count(s));
}

static const dReal POLE_BOX[3] = {0.1, 0.1, 0.6};
MarkerPole::MarkerPole(const dReal pos[3])
    : ShapedProp("pole", prop_records.markerPole, pos, 9.0, POLE_BOX, nullptr, 0) {
    const ShapeSpec s[] = {B(0.1, 0.1, 0.6, 0, 0, 0), B(0.2, 0.2, 0.05, 0, 0, -0.325)};
    attachShapes(body, this, wld_space(), s, count(s));
}

static const dReal PACK_BOX[3] = {0.4, 0.4, 0.4};
PackCrate::PackCrate(const dReal pos[3])
    : ShapedProp("packcrate", prop_records.packCrate, pos, 0.4, PACK_BOX, nullptr, 0) {
    const ShapeSpec s[] = {
        deck(B(0.4, 0.4, 0.4, 0, 0, 0)),           guide(B(0.4, 0.1, 0.1, 0, 0.15, 0.15)),
        guide(B(0.4, 0.1, 0.1, 0, -0.15, 0.15)),   guide(B(0.4, 0.1, 0.1, 0, 0.15, -0.15)),
        guide(B(0.4, 0.1, 0.1, 0, -0.15, -0.15)),  guide(B(0.1, 0.19, 0.1, 0.15, 0, 0.15)),
        guide(B(0.1, 0.19, 0.1, -0.15, 0, 0.15)),  guide(B(0.1, 0.19, 0.1, 0.15, 0, -0.15)),
        guide(B(0.1, 0.19, 0.1, -0.15, 0, -0.15)), guide(B(0.1, 0.1, 0.19, 0.15, 0.15, 0)),
        guide(B(0.1, 0.1, 0.19, -0.15, 0.15, 0)),  guide(B(0.1, 0.1, 0.19, 0.15, -0.15, 0)),
        guide(B(0.1, 0.1, 0.19, -0.15, -0.15, 0)),
    };
    attachShapes(body, this, wld_space(), s, count(s));
}

static const dReal PALLET_BOX[3] = {0.62, 0.68, 0.06};
Pallet::Pallet(const char* name_, const dReal pos[3])
    : ShapedProp(name_, prop_records.pallet, pos, 0.7, PALLET_BOX, nullptr, 0) {
    const ShapeSpec s[] = {
        B(0.62, 0.68, 0.02, 0, 0, 0.03),  B(0.62, 0.68, 0.02, 0, 0, -0.03),
        B(0.62, 0.04, 0.04, 0, -0.31, 0), B(0.62, 0.04, 0.04, 0, 0, 0),
        B(0.62, 0.04, 0.04, 0, 0.31, 0),
    };
    attachShapes(body, this, wld_space(), s, count(s));
}

static const dReal MAST_BOX[3] = {3.0, 3.0, 8.0};
PowerMast::PowerMast(const dReal pos[3])
    : ShapedProp("powermast", prop_records.powerMast, pos, 0.001, MAST_BOX, nullptr, 0) {
    dBodySetAngularDamping(body, 0.06);
    const dReal k = 0.14833 * M_PI, m = 0.18333 * M_PI;
    const ShapeSpec s[] = {
        mastLeg(0.75, 0.9, k, -m),   mastLeg(0.75, -0.9, -k, -m),
        mastLeg(-0.75, 0.9, k, m),   mastLeg(-0.75, -0.9, -k, m),
        B(1, 1, 1, 2.5, 2.5, -4.5),  B(1, 1, 1, 2.5, -2.5, -4.5),
        B(1, 1, 1, -2.5, 2.5, -4.5), B(1, 1, 1, -2.5, -2.5, -4.5),
        B(3.0, 3.0, 5.8, 0, 0, 2.9), shapeCylinder(0.05, 0.7, 0, 0, 7.8, AXIS_X, M_PI / 2),
    };
    attachShapes(body, this, wld_space(), s, count(s));
}

static const dReal PRISON_BOX[3] = {0.1, 0.98, 1.2};
PrisonWall::PrisonWall(const dReal pos[3])
    : ShapedProp("prisonwall", prop_records.prisonWall, pos, 0.2, PRISON_BOX, nullptr, 0) {
    const ShapeSpec s[] = {
        B(0.1, 0.98, 1.2, 0, 0, 0),        B(0.1, 0.8, 0.2, 0, 0, -0.7),
        B(0.7, 0.8, 0.1, 0, 0, -0.55),     B(0.1, 0.98, 0.1, 0, 0, 0.75),
        B(0.1, 0.29, 0.1, 0, -0.35, 0.65), B(0.1, 0.29, 0.1, 0, 0.35, 0.65),
    };
    attachShapes(body, this, wld_space(), s, count(s));
}

static const dReal RAMP_BOX[3] = {1.0, 0.85, 0.2};
RampTop::RampTop(const dReal pos[3])
    : ShapedProp("ramptop", prop_records.rampTop, pos, 0.2, RAMP_BOX, nullptr, 0) {
    const ShapeSpec s[] = {
        BT(1.272, 0.85, 0.1, 0, 0, 0.1, AXIS_Y, -0.11667 * M_PI),
        B(0.08, 0.85, 0.25, -0.54, 0, -0.225),
        B(0.08, 0.85, 0.65, 0.54, 0, -0.025),
        B(1.0, 0.85, 0.08, 0, 0, -0.2),
    };
    attachShapes(body, this, wld_space(), s, count(s));
}

RampBase::RampBase(const dReal pos[3])
    : ShapedProp("rampbase", prop_records.rampBase, pos, 0.2, RAMP_BOX, nullptr, 0) {
    const ShapeSpec s[] = {B(0.96, 0.85, 0.1, 0, 0, 0.05), B(0.1, 0.85, 0.45, -0.55, 0, -0.175),
                           B(0.1, 0.85, 0.45, 0.55, 0, -0.175)};
    attachShapes(body, this, wld_space(), s, count(s));
}

static const dReal SHUTTER_BOX[3] = {0.36, 0.05, 0.3};
Shutter::Shutter(const dReal pos[3])
    : ShapedProp("shutter", prop_records.shutter, pos, 2.0, SHUTTER_BOX, nullptr, 0) {
    const ShapeSpec s[] = {B(0.36, 0.05, 0.3, 0, 0, 0), B(0.36, 0.05, 0.05, 0, 0, 0.275)};
    attachShapes(body, this, wld_space(), s, count(s));
}

static const dReal STACKER_BOX[3] = {0.1, 0.1, 0.05};
Stacker::Stacker(const dReal pos[3])
    : ShapedProp("stacker", prop_records.stacker, pos, 9.0, STACKER_BOX, nullptr, 0) {
    const ShapeSpec s[] = {
        BT(0.1, 0.0707, 0.0707, 0, 0.05, 0.25, AXIS_X, M_PI / 4),
        BT(0.1, 0.0707, 0.0707, 0, -0.05, 0.25, AXIS_X, M_PI / 4),
        BT(0.0707, 0.1, 0.0707, 0.05, 0, 0.25, AXIS_Y, M_PI / 4),
        BT(0.0707, 0.1, 0.0707, -0.05, 0, 0.25, AXIS_Y, M_PI / 4),
        B(0.1, 0.1, 0.05, 0, 0, 0.275),
        B(0.3414, 0.3414, 0.05, 0, 0, 0.225),
        B(0.035, 0.27, 0.4, -0.118, 0, 0),
        B(0.035, 0.27, 0.4, 0.118, 0, 0),
        B(0.27, 0.035, 0.4, 0, -0.118, 0),
        B(0.27, 0.035, 0.4, 0, 0.118, 0),
    };
    attachShapes(body, this, wld_space(), s, count(s));
}

static const dReal CORNICE_BOX[3] = {3.4, 0.2, 0.24};
TempleCornice::TempleCornice(const dReal pos[3])
    : ShapedProp("cornice", prop_records.templeCornice, pos, 0.6, CORNICE_BOX, nullptr, 0) {
    const dReal t = 0.04444 * M_PI;
    const ShapeSpec s[] = {
        B(3.4, 0.2, 0.24, 0, 0, -0.1),
        BT(1.7, 0.1, 0.4, -0.82, 0, 0.1, AXIS_Y, -t),
        BT(1.7, 0.1, 0.4, 0.82, 0, 0.1, AXIS_Y, t),
        BT(1.75, 0.2, 0.05, -0.85, 0, 0.3, AXIS_Y, -t),
        BT(1.75, 0.2, 0.05, 0.85, 0, 0.3, AXIS_Y, t),
    };
    attachShapes(body, this, wld_space(), s, count(s));
}

static const dReal SEAL_BOX[3] = {1.8, 1.8, 0.1};
TombSeal::TombSeal(const dReal pos[3])
    : ShapedProp("tombseal", prop_records.tombSeal, pos, 0.1, SEAL_BOX, nullptr, 0) {
    const ShapeSpec s[] = {
        B(1.8, 1.8, 0.1, 0, 0, 0),          B(0.1, 2.0, 0.2, -0.95, 0, -0.05),
        B(0.1, 2.0, 0.2, 0.95, 0, -0.05),   B(2.0, 0.1, 0.2, 0, -0.95, -0.05),
        B(2.0, 0.1, 0.2, 0, 0.95, -0.05),   B(0.07, 0.18, 0.2, -0.324, 0, 0.15),
        B(0.07, 0.18, 0.2, 0.324, 0, 0.15), shapeCapsule(0.1, 0.87, 0, 0, 0.25, AXIS_Y, M_PI / 2),
    };
    attachShapes(body, this, wld_space(), s, count(s));
}

static const dReal EGG_BOX[3] = {0.2, 0.2, 0.2};
Egg::Egg(int variant, const dReal pos[3])
    : ShapedProp("egg", eggRecord(variant), pos, 0.3, EGG_BOX, nullptr, 0) {
    const ShapeSpec s[] = {shapeSphere(0.12, 0, 0, 0.12), B(0.2, 0.2, 0.2, 0, 0, -0.1)};
    attachShapes(body, this, wld_space(), s, count(s));
}

// --------------------------------------------------- lighter while held

static const dReal WEIGHT_BOX[3] = {0.8, 0.8, 0.8};
HeavyWeight::HeavyWeight(const dReal pos[3])
    : HeldLighterProp("heavyweight", prop_records.heavyWeight, pos, 0.275, WEIGHT_BOX, nullptr, 0,
                      0.1, 0.45) {
    const ShapeSpec s[] = {B(0.8, 0.8, 0.8, 0, 0, 0), shapeCylinder(0.19, 0.05, 0, 0, 0.55)};
    attachShapes(body, this, wld_space(), s, count(s));
}

static const dReal ROOF_BOX[3] = {1.25, 0.3, 0.3};
HouseRoof::HouseRoof(const dReal pos[3])
    : HeldLighterProp("houseroof", prop_records.houseRoof, pos, 0.12, ROOF_BOX, nullptr, 0, 0.06,
                      0.12) {
    const ShapeSpec s[] = {
        BT(1.24, 0.85, 0.025, 0, 0.3, 0, AXIS_X, -M_PI / 4),
        BT(1.24, 0.85, 0.025, 0, -0.3, 0, AXIS_X, M_PI / 4),
        shapeCapsule(0.075, 1.09, 0, 0, 0.37, AXIS_Y, M_PI / 2),
    };
    attachShapes(body, this, wld_space(), s, count(s));
}

static const dReal PILLAR_BOX[3] = {0.12, 0.12, 1.1};
TemplePillar::TemplePillar(const dReal pos[3])
    : HeldLighterProp("pillar", prop_records.templePillar, pos, 2.6, PILLAR_BOX, nullptr, 0, 0.6,
                      2.6) {
    const ShapeSpec s[] = {
        B(0.4, 0.4, 0.1, 0, 0, 0.75),      B(0.4, 0.4, 0.1, 0, 0, -0.75),
        B(0.22, 0.22, 0.074, 0, 0, 0.666), B(0.22, 0.22, 0.074, 0, 0, -0.666),
        B(0.12, 0.12, 1.1, 0, 0, 0),       shapeSphere(0.15, 0, 0, 0.62),
        shapeSphere(0.15, 0, 0, -0.62),
    };
    attachShapes(body, this, wld_space(), s, count(s));
}

namespace {
dReal riserHeight(int tenths) { return tenths / 10.0; }
std::array<dReal, 3> riserBox(int tenths) { return {0.19, 0.19, riserHeight(tenths)}; }
}  // namespace

Riser::Riser(int tenths, const dReal pos[3])
    : HeldLighterProp("riser", tenths == 11 ? prop_records.riserTall : prop_records.riser, pos, 0.2,
                      riserBox(tenths).data(), nullptr, 0, 0.125, 0.25) {
    const dReal h = riserHeight(tenths), top = h / 2 + 0.05, turn = 0.48333 * M_PI;
    const ShapeSpec s[] = {
        B(0.19, 0.19, h, 0, 0, 0),
        B(0.3, 0.3, 0.1, 0, 0, h / 2),
        shapeCapsule(0.025, 0.3, -0.002617, 0.125, top, AXIS_Y, turn),
        shapeCapsule(0.025, 0.3, 0.002617, -0.125, top, AXIS_Y, turn),
    };
    attachShapes(body, this, wld_space(), s, count(s));
}

// ------------------------------------------------------- seal pin and door

namespace {
dSpaceID ownSpace() {
    dSpaceID s = dSimpleSpaceCreate(wld_space());
    dSpaceSetCleanup(s, 0);
    return s;
}
ShapeSpec seal(ShapeSpec s) { return withCategory(s, CAT_SEAL); }
}  // namespace

static const dReal PIN_BOX[3] = {0.1, 0.1, 1.0};
SealPin::SealPin(const dReal pos[3])
    : ShapedProp("sealpin", prop_records.sealPin, pos, 2.0, PIN_BOX, nullptr, 0),
      space(ownSpace()) {
    dBodySetLinearDamping(body, 0.03);
    dBodySetAngularDamping(body, 0.06);
    const ShapeSpec s[] = {
        // The handle stands 0.4 above the door's top bar when the pin is home,
        // room for a claw's fingers to close under it.
        seal(B(0.26, 0.15, 0.1, 0, 0, 0.55)),
        seal(BT(0.26, 0.15, 0.1, 0, 0, 0.55, AXIS_Z, M_PI / 3)),
        seal(shapeCapsule(0.05, 1.0, 0, 0, 0)),
    };
    attachShapes(body, this, space, s, count(s));
}

SealPin::~SealPin() {
    destroyBodyGeoms(body);
    dSpaceDestroy(space);
}

static const dReal DOOR_BOX[3] = {0.2, 1.6, 1.2};
SealDoor::SealDoor(const dReal pos[3])
    : ShapedProp("sealdoor", prop_records.sealDoor, pos, 0.4, DOOR_BOX, nullptr, 0),
      space(ownSpace()) {
    dBodySetLinearDamping(body, 0.03);
    dBodySetAngularDamping(body, 0.06);
    ShapeSpec s[2 + 4 + 8 + 1];
    int n = 0;
    const dReal rows[2] = {0.35, -0.15};
    for (dReal z : rows) s[n++] = seal(B(0.21, 1.29, 0.1, 0, 0, z));
    for (dReal z : rows)
        for (dReal y : {-0.78, 0.78}) s[n++] = seal(B(0.21, 0.05, 0.1, 0, y, z));
    for (dReal z : rows)
        for (dReal x : {-0.08, 0.08})
            for (dReal y : {-0.7, 0.7}) s[n++] = seal(B(0.05, 0.11, 0.1, x, y, z));
    s[n++] = seal(B(0.07, 1.1, 0.6, 0, 0, 0));
    attachShapes(body, this, space, s, n);
}

SealDoor::~SealDoor() {
    destroyBodyGeoms(body);
    dSpaceDestroy(space);
}
