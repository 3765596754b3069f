// The world-object model: every drawable thing in a level. WorldObj is named
// and drawable; DynamicWorldObj follows one physics body; StaticWorldObj is
// the terrain mesh or the ground plane. Virtual operations keep a fixed order.
#pragma once

#include <ode/ode.h>

#include "render/geomdesc.h"
#include "render/rendercontext.h"

struct vec3f {
    float x, y, z;
};

class WorldObj {
   public:
    WorldObj(const char* name, geomdesc* geometry);
    virtual ~WorldObj();
    virtual void draw(RenderContext& rc);
    virtual void drawShadow(RenderContext& rc);
    virtual void drawPlain(RenderContext& rc);
    virtual void drawEdges(RenderContext& rc);
    virtual void spare5(int a, int b);
    virtual void spare6(int a, int b);
    virtual void onContact(WorldObj* other);
    virtual void playback(int frameOffset);

    const char* name;    // not owned; other modules find objects by it
    geomdesc* geometry;  // shared, may be null
    float modelMatrix[16];

    WorldObj(const WorldObj&) = delete;
    WorldObj& operator=(const WorldObj&) = delete;
};

class DynamicWorldObj : public WorldObj {
   public:
    DynamicWorldObj(const char* name, geomdesc* geometry, dWorldID world);
    ~DynamicWorldObj() override;  // destroys the body's geoms, then the body
    virtual void update(float dt);
    virtual void physicsStep(float h);
    virtual void setGrasped(bool grasped);
    virtual vec3f getPosition();

    dBodyID body;
};

class StaticWorldObj : public WorldObj {
   public:
    // Terrain: a triangle mesh from the collision record (or the drawn one).
    StaticWorldObj(geomdesc* geometry, geomdesc* collision, const float position[3]);
    // Ground: an infinite plane at height position[2].
    StaticWorldObj(geomdesc* geometry, const float position[3]);
    ~StaticWorldObj() override;
    void draw(RenderContext& rc) override;
    void drawShadow(RenderContext& rc) override;
    void drawPlain(RenderContext& rc) override;
    void drawEdges(RenderContext& rc) override;
    // A second record drawn with the ground and collided apart from its
    // mesh (the map's edge wall); replaces any earlier one.
    void setEdge(geomdesc* edgeGeometry);

    dGeomID geom;
    WorldObj* edge;  // owned; null when none
    dSpaceID space;
    dTriMeshDataID meshData;
    int* meshIndices;
    float* meshVertices;
};

// Model matrix of a body's current pose (column-major, translation in 12..14).
void bodyPoseToMatrix(dBodyID body, float* m);

// Category and collide bits most geoms carry.
enum : unsigned long {
    COLLIDE_DYNAMIC = 0x1841f72,
    COLLIDE_STATIC = 0x1801f76,
};
void setCollision(dGeomID geom, void* owner, unsigned long category,
                  unsigned long collide = COLLIDE_DYNAMIC);
