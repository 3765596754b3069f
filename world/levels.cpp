#include "world/levels.h"

#include "geom/records.h"
#include "world/levels/level_common.h"
#include "world/wld.h"

namespace {

typedef void (*LevelBuild)(LevelOut& out);

const LevelBuild BUILDERS[LEVEL_COUNT] = {
    build_parkinglot, build_court,     build_lockdown,   build_seesaw,    build_trainlot,
    build_bridge,     build_stackem,   build_temple,     build_hazard,    build_luxor,
    build_babel,      build_factory,   build_ufo,        build_hearth,    build_towercrane,
    build_dump,       build_cleanup,   build_chemistry,  build_daredevil, build_hockeyriot,
    build_canal,      build_egghunt,   build_superpac,   build_powerlift, build_yukon,
};

// The map's edge wall of each level, the sandbox first.
geomdesc* const EDGE_RECORDS[LEVEL_COUNT + 1] = {
    &geom_sandbox_edge,
    &geom_parkinglot_edge,
    &geom_court_edge,
    &geom_lockdown_edge,
    &geom_seesaw_edge,
    &geom_trainlot_edge,
    &geom_bridge_edge,
    &geom_stackem_edge,
    &geom_temple_edge,
    &geom_hazard_edge,
    &geom_luxor_edge,
    &geom_babel_edge,
    &geom_factory_edge,
    &geom_ufo_edge,
    &geom_hearth_edge,
    &geom_towercrane_edge,
    &geom_dump_edge,
    &geom_cleanup_edge,
    &geom_chemistry_edge,
    &geom_daredevil_edge,
    &geom_hockeyriot_edge,
    &geom_canal_edge,
    &geom_egghunt_edge,
    &geom_superpac_edge,
    &geom_powerlift_edge,
    &geom_yukon_edge,
};

// Every level is walled in; the sandbox's plane, which has no mesh, carries
// its wall the same way.
void addEdgeWall(int levelNr) {
    StaticWorldObj* ground = wld_terrain();
    if (!ground) ground = dynamic_cast<StaticWorldObj*>(wld_scenery());
    if (ground) attachEdgeWall(ground, EDGE_RECORDS[levelNr + 1], levelEdgeWall(levelNr));
}

int sandboxAttachment = 0;

}  // namespace

void levels_setSandboxAttachment(int attachment) { sandboxAttachment = attachment; }

bool levelAvailable(int levelNr) { return levelNr >= LEVEL_SANDBOX && levelNr < LEVEL_COUNT; }

void buildLevel(int levelNr, dReal truckPos[3], float* orbit, float* elevation, float* distance) {
    if (!levelAvailable(levelNr)) return;
    LevelOut out = {{0, 0, 0}, *orbit, *elevation, *distance, sandboxAttachment};
    if (levelNr == LEVEL_SANDBOX)
        build_sandbox(out);
    else
        BUILDERS[levelNr](out);
    addEdgeWall(levelNr);
    for (int i = 0; i < 3; i++) truckPos[i] = out.truckPos[i];
    *orbit = out.orbit;
    *elevation = out.elevation;
    *distance = out.distance;
}
