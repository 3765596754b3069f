#include "world/worldobj.h"

#include "bus/diag.h"
#include "render/geomdb.h"
#include "render/gfx.h"
#include "render/mat4.h"
#include "world/wld.h"

namespace {

// Texture-space bias: maps light clip space -1..1 to 0..1.
const float BIAS[16] = {0.5f, 0, 0, 0, 0, 0.5f, 0, 0, 0, 0, 0.5f, 0, 0.5f, 0.5f, 0.5f, 1};

bool drawable(const geomdesc* g) { return g && g->numt > 0 && g->vbos[0] != 0; }

void camViewProjModel(const RenderContext& rc, const float* model, float* out) {
    mat4_mul(out, rc.camProj, rc.camView);
    mat4_mul(out, out, model);
}

}  // namespace

// ---------------------------------------------------------------- WorldObj

WorldObj::WorldObj(const char* name_, geomdesc* geometry_) : name(name_), geometry(geometry_) {
    mat4_identity(modelMatrix);
    if (geometry) geomdb_add(geometry);
}

WorldObj::~WorldObj() {}

void WorldObj::draw(RenderContext& rc) {
    if (!drawable(geometry)) return;
    float m[16];
    camViewProjModel(rc, modelMatrix, m);
    gfx().uniformMatrix(rc.mainModelCamViewProj, m);
    mat4_mul(m, BIAS, rc.lightProj);
    mat4_mul(m, m, rc.lightView);
    mat4_mul(m, m, modelMatrix);
    gfx().uniformMatrix(rc.mainModelLightViewProj, m);
    mat4_mul(m, rc.lightView, modelMatrix);
    gfx().uniformMatrix(rc.mainModelLightView, m);
    gfx().drawTriangles(geometry->vbos[0], geometry->numt * 3, false);
}

void WorldObj::drawShadow(RenderContext& rc) {
    if (!drawable(geometry)) return;
    float m[16];
    mat4_mul(m, rc.lightProj, rc.lightView);
    mat4_mul(m, m, modelMatrix);
    gfx().uniformMatrix(rc.shadowModelLightViewProj, m);
    gfx().drawTriangles(geometry->vbos[0], geometry->numt * 3, true);
}

void WorldObj::drawPlain(RenderContext& rc) {
    if (!drawable(geometry)) return;
    float m[16];
    camViewProjModel(rc, modelMatrix, m);
    gfx().uniformMatrix(rc.skyModelCamViewProj, m);
    gfx().drawTriangles(geometry->vbos[0], geometry->numt * 3, false);
}

void WorldObj::drawEdges(RenderContext& rc) {
    if (!geometry || geometry->numt == 0 || geometry->nume == 0) return;
    float m[16];
    camViewProjModel(rc, modelMatrix, m);
    gfx().uniformMatrix(rc.edgeModelCamViewProj, m);
    gfx().drawLines(geometry->vbos[1], geometry->edgedata, geometry->nume * 2);
}

void WorldObj::spare5(int, int) {}
void WorldObj::spare6(int, int) {}
void WorldObj::onContact(WorldObj*) {}
void WorldObj::playback(int) {}

// ---------------------------------------------------------- DynamicWorldObj

DynamicWorldObj::DynamicWorldObj(const char* name_, geomdesc* geometry_, dWorldID world)
    : WorldObj(name_, geometry_) {
    body = dBodyCreate(world);
    dBodySetData(body, this);
}

DynamicWorldObj::~DynamicWorldObj() {
    dGeomID g = dBodyGetFirstGeom(body);
    while (g) {
        dGeomID next = dBodyGetNextGeom(g);
        dGeomDestroy(g);
        g = next;
    }
    dBodyDestroy(body);
}

void DynamicWorldObj::update(float) { bodyPoseToMatrix(body, modelMatrix); }
void DynamicWorldObj::physicsStep(float) {}
void DynamicWorldObj::setGrasped(bool) {}

vec3f DynamicWorldObj::getPosition() { return {modelMatrix[12], modelMatrix[13], modelMatrix[14]}; }

void bodyPoseToMatrix(dBodyID body, float* m) {
    const dReal* p = dBodyGetPosition(body);
    const dReal* r = dBodyGetRotation(body);  // 3 rows of 4
    for (int col = 0; col < 3; col++) {
        for (int row = 0; row < 3; row++) m[col * 4 + row] = (float)r[row * 4 + col];
        m[col * 4 + 3] = 0.0f;
    }
    m[12] = (float)p[0];
    m[13] = (float)p[1];
    m[14] = (float)p[2];
    m[15] = 1.0f;
}

void setCollision(dGeomID geom, void* owner, unsigned long category, unsigned long collide) {
    dGeomSetData(geom, owner);
    dGeomSetCategoryBits(geom, category);
    dGeomSetCollideBits(geom, collide);
}

// ----------------------------------------------------------- StaticWorldObj

StaticWorldObj::StaticWorldObj(geomdesc* geometry_, geomdesc* collision, const float position[3])
    : WorldObj("terrain", geometry_),
      edge(nullptr),
      meshData(nullptr),
      meshIndices(nullptr),
      meshVertices(nullptr) {
    modelMatrix[12] = position[0];
    modelMatrix[13] = position[1];
    modelMatrix[14] = position[2];
    space = dSimpleSpaceCreate(wld_space());
    geomdesc* source = collision ? collision : geometry;
    geom = nullptr;
    if (!source) {
        assertFailed("Base/C/staticworldobj", 25, "descriptionLoRes", false);
        return;
    }
    int numVertices = source->numt * 3;
    meshVertices = new float[numVertices * 3];
    meshIndices = new int[numVertices];
    for (int v = 0; v < numVertices; v++) {
        const float* vertex = source->tridata + v * GEOM_VERTEX_FLOATS;
        meshVertices[v * 3 + 0] = vertex[0];
        meshVertices[v * 3 + 1] = vertex[1];
        meshVertices[v * 3 + 2] = vertex[2];
        meshIndices[v] = v;
    }
    meshData = dGeomTriMeshDataCreate();
    dGeomTriMeshDataBuildSingle(meshData, meshVertices, 3 * sizeof(float), numVertices, meshIndices,
                                numVertices, 3 * sizeof(int));
    geom = dCreateTriMesh(nullptr, meshData, nullptr, nullptr, nullptr);
    dGeomSetPosition(geom, position[0], position[1], position[2]);
    setCollision(geom, this, 0x1, COLLIDE_STATIC);
    dSpaceAdd(space, geom);
}

StaticWorldObj::StaticWorldObj(geomdesc* geometry_, const float position[3])
    : WorldObj("ground", geometry_),
      edge(nullptr),
      meshData(nullptr),
      meshIndices(nullptr),
      meshVertices(nullptr) {
    modelMatrix[12] = position[0];
    modelMatrix[13] = position[1];
    modelMatrix[14] = position[2];
    space = dSimpleSpaceCreate(wld_space());
    geom = dCreatePlane(wld_space(), 0, 0, 1, position[2]);
    setCollision(geom, this, 0x1, COLLIDE_STATIC);
}

StaticWorldObj::~StaticWorldObj() {
    delete edge;
    if (geom) dGeomDestroy(geom);
    if (meshData) dGeomTriMeshDataDestroy(meshData);
    dSpaceDestroy(space);
    delete[] meshIndices;
    delete[] meshVertices;
}

void StaticWorldObj::setEdge(geomdesc* edgeGeometry) {
    delete edge;
    edge = edgeGeometry ? new WorldObj("edge", edgeGeometry) : nullptr;
}

void StaticWorldObj::draw(RenderContext& rc) {
    WorldObj::draw(rc);
    if (edge) edge->draw(rc);
}

void StaticWorldObj::drawShadow(RenderContext& rc) {
    WorldObj::drawShadow(rc);
    if (edge) edge->drawShadow(rc);
}

void StaticWorldObj::drawPlain(RenderContext& rc) {
    WorldObj::drawPlain(rc);
    if (edge) edge->drawPlain(rc);
}

void StaticWorldObj::drawEdges(RenderContext& rc) {
    WorldObj::drawEdges(rc);
    if (edge) edge->drawEdges(rc);
}
