#include "world/levels.h"

#include "vehicles/trailer.h"
#include "vehicles/truck.h"
#include "world/levels/level_common.h"

namespace {

typedef void (*LevelBuild)(LevelOut& out);

const LevelBuild BUILDERS[LEVEL_COUNT] = {
    build_parkinglot, build_court,     build_lockdown,   build_seesaw,    build_trainlot,
    build_bridge,     build_stackem,   build_temple,     build_hazard,    build_luxor,
    build_babel,      build_factory,   build_ufo,        build_hearth,    build_towercrane,
    build_dump,       build_cleanup,   build_chemistry,  build_daredevil, build_hockeyriot,
    build_canal,      build_egghunt,   build_superpac,   build_powerlift, build_yukon,
};

int sandboxAttachment = 0;

}  // namespace

void levels_setSandboxAttachment(int attachment) { sandboxAttachment = attachment; }

DynamicWorldObj* levelTruck(const dReal pos[3], int grappleKind) { return truck_create(pos, grappleKind); }

void levelHitch() { trailer_hitch(); }

bool levelAvailable(int levelNr) { return levelNr >= LEVEL_SANDBOX && levelNr < LEVEL_COUNT; }

void buildLevel(int levelNr, dReal truckPos[3], float* orbit, float* elevation, float* distance) {
    if (!levelAvailable(levelNr)) return;
    LevelOut out = {{0, 0, 0}, *orbit, *elevation, *distance, sandboxAttachment};
    if (levelNr == LEVEL_SANDBOX)
        build_sandbox(out);
    else
        BUILDERS[levelNr](out);
    for (int i = 0; i < 3; i++) truckPos[i] = out.truckPos[i];
    *orbit = out.orbit;
    *elevation = out.elevation;
    *distance = out.distance;
}
