#include "world/levels/level_common.h"

#include "world/wld.h"

void setTruckStart(LevelOut& out, dReal x, dReal y, dReal z) {
    out.truckPos[0] = x;
    out.truckPos[1] = y;
    out.truckPos[2] = z;
}

void setCamera(LevelOut& out, float orbit, float elevation, float distance) {
    out.orbit = orbit;
    out.elevation = elevation;
    out.distance = distance;
}

StaticWorldObj* makeTerrain(geomdesc* drawn, geomdesc* collision) {
    const float origin[3] = {0, 0, 0};
    StaticWorldObj* terrain = new StaticWorldObj(drawn, collision, origin);
    wld_setTerrain(terrain);
    return terrain;
}

WorldObj* makeScenery(geomdesc* geometry) {
    WorldObj* scenery = new WorldObj("scenery", geometry);
    wld_setScenery(scenery);
    return scenery;
}

StaticWorldObj* makeGround(geomdesc* geometry) {
    const float origin[3] = {0, 0, 0};
    StaticWorldObj* ground = new StaticWorldObj(geometry, origin);
    wld_setScenery(ground);
    return ground;
}

DynamicWorldObj* addObject(DynamicWorldObj* obj) {
    if (!wld_addObject(obj)) {
        delete obj;
        return nullptr;
    }
    return obj;
}
