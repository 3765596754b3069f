#include "world/levels/level_common.h"

#include "world/contact.h"
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

void addSmoothBox(dReal sx, dReal sy, dReal sz, dReal x, dReal y, dReal z, const dReal* rotation) {
    StaticWorldObj* terrain = wld_terrain();
    dGeomID g = dCreateBox(terrain->space, sx, sy, sz);
    if (rotation) dGeomSetRotation(g, rotation);
    dGeomSetPosition(g, x, y, z);
    setCollision(g, terrain, CAT_STATIC | CAT_SEAL, COLLIDE_STATIC);
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

namespace {

void addWallBox(StaticWorldObj* ground, float x0, float x1, float y0, float y1, float z0,
                float z1) {
    dGeomID box = dCreateBox(ground->space, x1 - x0, y1 - y0, z1 - z0);
    dGeomSetPosition(box, (x0 + x1) / 2, (y0 + y1) / 2, (z0 + z1) / 2);
    setCollision(box, ground, 0x1, COLLIDE_STATIC);
}

}  // namespace

void attachEdgeWall(StaticWorldObj* ground, geomdesc* drawn, const EdgeWall& e) {
    ground->setEdge(drawn);
    const float T = EDGE_WALL_THICK;
    addWallBox(ground, e.west - T, e.west, e.south - T, e.north + T, e.foot, e.top);
    addWallBox(ground, e.east, e.east + T, e.south - T, e.north + T, e.foot, e.top);
    addWallBox(ground, e.west, e.east, e.south - T, e.south, e.foot, e.top);
    addWallBox(ground, e.west, e.east, e.north, e.north + T, e.foot, e.top);
}

DynamicWorldObj* addObject(DynamicWorldObj* obj) {
    if (!wld_addObject(obj)) {
        delete obj;
        return nullptr;
    }
    return obj;
}
