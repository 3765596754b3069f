#include <gtest/gtest.h>

#include <vector>

#include "bus/bus.h"
#include "bus/diag.h"
#include "render/geomdb.h"
#include "render/gfx.h"
#include "world/props_basic.h"
#include "world/wld.h"

namespace {

// A drawing backend that counts what the core asks it to draw.
int trianglesDrawn, linesDrawn, buffersCreated, buffersDeleted;
unsigned nextName;
unsigned countCreate(const void*, int) {
    buffersCreated++;
    return nextName++;
}
void countDelete(unsigned) { buffersDeleted++; }
void ignoreMatrix(int, const float*) {}
void ignoreFloat(int, float) {}
void countTriangles(unsigned, int, bool) { trianglesDrawn++; }
void countLines(unsigned, const float*, int) { linesDrawn++; }
const GfxBackend counting = {countCreate, countDelete,    ignoreMatrix,
                             ignoreFloat, countTriangles, countLines};

float triangle[27] = {0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 0, 0, 0, 0,
                      1, 1, 1, 1, 0, 1, 0, 0, 0, 1, 1, 1, 1};
float segment[6] = {0, 0, 0, 1, 0, 0};

geomdesc makeRecord(int nume) {
    geomdesc g = {};
    g.numt = 1;
    g.nume = nume;
    g.tridata = triangle;
    g.edgedata = segment;
    g.bufsz[0] = GEOM_TRIANGLE_BYTES;
    g.bufsz[1] = GEOM_EDGE_BYTES;
    return g;
}

void emptyLevel(int, dReal truckPos[3], float*, float*, float*) {
    truckPos[0] = truckPos[1] = truckPos[2] = 0;
}
void noGoals(int, bool*, bool*) {}
const LevelBuilder empty = {emptyLevel, noGoals};

class WorldObjects : public ::testing::Test {
   protected:
    void SetUp() override {
        bus_reset();
        trianglesDrawn = linesDrawn = buffersCreated = buffersDeleted = 0;
        nextName = 100;
        gfx_bind(&counting);
        geomdb_clear();
        geomdb_resetCount();
        wld_setLevelBuilder(&empty);
        wld_create(0, nullptr);
    }
    void TearDown() override {
        wld_destroy();
        geomdb_clear();
        geomdb_resetCount();
        gfx_bind(nullptr);
        wld_setLevelBuilder(nullptr);
    }
};

const dReal CUBE[3] = {0.4, 0.4, 0.4};
const dReal NO_OFFSET[3] = {0, 0, 0};

}  // namespace

TEST_F(WorldObjects, ModelMatrixFollowsTheBodyRotation) {
    dReal pos[3] = {1, 2, 3};
    BoxObj box("crate", nullptr, pos, CUBE, 1.0, NO_OFFSET);
    dMatrix3 r;
    dRFromAxisAndAngle(r, 0, 0, 1, M_PI / 2);
    dBodySetRotation(box.body, r);
    box.update(1.0f / 60.0f);
    const float* m = box.modelMatrix;
    EXPECT_NEAR(m[0], 0, 1e-6);
    EXPECT_NEAR(m[1], 1, 1e-6);
    EXPECT_NEAR(m[2], 0, 1e-6);
    EXPECT_EQ(m[3], 0);
    EXPECT_NEAR(m[4], -1, 1e-6);
    EXPECT_NEAR(m[5], 0, 1e-6);
    EXPECT_EQ(m[12], 1);
    EXPECT_EQ(m[13], 2);
    EXPECT_EQ(m[14], 3);
    EXPECT_EQ(m[15], 1);
}

TEST_F(WorldObjects, PositionIsThatOfTheLastUpdate) {
    dReal pos[3] = {0, 0, 2};
    BoxObj box("crate", nullptr, pos, CUBE, 1.0, NO_OFFSET);
    box.update(0);
    dBodySetPosition(box.body, 5, 5, 5);
    EXPECT_EQ(box.getPosition().x, 0);
    EXPECT_EQ(box.getPosition().z, 2);
    box.update(0);
    EXPECT_EQ(box.getPosition().x, 5);
}

TEST_F(WorldObjects, OffsetBoxSitsAwayFromItsBody) {
    dReal pos[3] = {0, 0, 1}, offset[3] = {0, -0.6, 0};
    BoxObj box("platform", nullptr, pos, CUBE, 1.0, offset);
    dVector3 centre;
    dGeomCopyPosition(box.box, centre);
    EXPECT_NEAR(centre[1], -0.6, 1e-12);
    EXPECT_EQ(dGeomGetCategoryBits(box.box), 0x2ul);
    EXPECT_EQ(dGeomGetCollideBits(box.box), 0x1841f72ul);
}

TEST_F(WorldObjects, CylinderLiesAlongYAndIsNamedWheel) {
    dReal pos[3] = {0, 0, 1};
    CylObj wheel(nullptr, pos, 0.3, 0.2);
    EXPECT_STREQ(wheel.name, "wheel");
    const dReal* r = dGeomGetRotation(wheel.cylinder);
    EXPECT_NEAR(fabs(r[6]), 1.0, 1e-12);  // the cylinder axis (third column) is world y
}

TEST_F(WorldObjects, DrawingSkipsMissingGeometryAndEdgelessRecords) {
    geomdesc withEdges = makeRecord(1), withoutEdges = makeRecord(0);
    dReal pos[3] = {0, 0, 1};
    SphereObj bare("ball", nullptr, pos, 0.2);
    SphereObj edged("ball", &withEdges, pos, 0.2);
    SphereObj plain("ball", &withoutEdges, pos, 0.2);
    RenderContext& rc = renderContext();
    for (WorldObj* o : std::vector<WorldObj*>{&bare, &edged, &plain}) {
        o->draw(rc);
        o->drawShadow(rc);
        o->drawEdges(rc);
    }
    EXPECT_EQ(trianglesDrawn, 4);  // two records, main and shadow pass
    EXPECT_EQ(linesDrawn, 1);
    bare.update(0);  // an object without geometry still updates
}

TEST_F(WorldObjects, TerrainCollidesLikeItsTriangles) {
    float position[3] = {0, 0, -1};
    geomdesc ground = makeRecord(0);
    // One big triangle under the origin, counter-clockwise from above.
    static float big[27] = {-10, -10, 0, 0, 0, 1,  1, 1, 1, 10, -10, 0, 0, 0,
                            1,   1,   1, 1, 0, 10, 0, 0, 0, 1,  1,   1, 1};
    ground.tridata = big;
    StaticWorldObj* terrain = new StaticWorldObj(&ground, nullptr, position);
    wld_setTerrain(terrain);
    EXPECT_STREQ(terrain->name, "terrain");
    EXPECT_EQ(dGeomGetCategoryBits(terrain->geom), 0x1ul);
    EXPECT_EQ(dGeomGetCollideBits(terrain->geom), 0x1801f76ul);
    dReal pos[3] = {0, 0, 0};
    SphereObj* ball = new SphereObj("ball", nullptr, pos, 0.25);
    wld_addObject(ball);
    wld_setObjectOfInterest(ball);
    for (int t = 0; t < 120; t++) wld_update(1.0f / 60.0f);
    ball->update(0);
    EXPECT_NEAR(ball->getPosition().z, -0.75, 0.02);  // resting on the mesh at z = -1
}

TEST_F(WorldObjects, TerrainWithoutAnyGeometryIsAnAssertion) {
    static int fired;
    fired = 0;
    AssertHook old = setAssertHook([](const char* src, int line, const char* expr) {
        EXPECT_STREQ(src, "Base/C/staticworldobj");
        EXPECT_EQ(line, 25);
        EXPECT_STREQ(expr, "descriptionLoRes");
        fired++;
    });
    float position[3] = {0, 0, 0};
    testing::internal::CaptureStdout();
    StaticWorldObj terrain(nullptr, nullptr, position);
    testing::internal::GetCapturedStdout();
    setAssertHook(old);
    EXPECT_EQ(fired, 1);
}

// --------------------------------------------------------------- registry

TEST_F(WorldObjects, RegistryUploadsEachRecordOnce) {
    geomdesc a = makeRecord(1);
    EXPECT_TRUE(geomdb_add(&a));
    EXPECT_FALSE(geomdb_add(&a));
    EXPECT_EQ(geomdb_count(), 1);
    EXPECT_EQ(buffersCreated, 2);
    EXPECT_NE(a.vbos[0], 0u);
    EXPECT_NE(a.vbos[1], 0u);
}

TEST_F(WorldObjects, RegistryRefusesThe65thRecord) {
    static geomdesc records[GEOMDB_MAX + 1];
    for (geomdesc& r : records) r = makeRecord(0);
    for (int i = 0; i < GEOMDB_MAX; i++) EXPECT_TRUE(geomdb_add(&records[i]));
    int before = buffersCreated;
    EXPECT_FALSE(geomdb_add(&records[GEOMDB_MAX]));
    EXPECT_EQ(buffersCreated, before);
    EXPECT_EQ(records[GEOMDB_MAX].vbos[0], 0u);
}

TEST_F(WorldObjects, EdgelessRecordGetsOneBufferAndCounts) {
    geomdesc a = makeRecord(0);
    EXPECT_TRUE(geomdb_add(&a));
    EXPECT_EQ(buffersCreated, 1);
    EXPECT_EQ(a.vbos[1], 0u);
    EXPECT_EQ(geomdb_count(), 1);
}

TEST_F(WorldObjects, ClearingThenRegisteringAgainMakesFreshBuffers) {
    geomdesc a = makeRecord(1), b = makeRecord(0);
    geomdb_add(&a);
    geomdb_add(&b);
    EXPECT_EQ(geomdb_clear(), 2);
    EXPECT_EQ(buffersDeleted, 3);
    EXPECT_EQ(a.vbos[0], 0u);
    EXPECT_EQ(a.vbos[1], 0u);
    EXPECT_EQ(geomdb_count(), 2);  // the level start forgets them separately
    geomdb_resetCount();
    EXPECT_TRUE(geomdb_add(&a));
    EXPECT_NE(a.vbos[0], 0u);
}

TEST_F(WorldObjects, RecordWithNothingToUploadIsReportedAndNotCounted) {
    geomdesc empty = makeRecord(0);
    empty.numt = 0;
    testing::internal::CaptureStdout();
    EXPECT_FALSE(geomdb_add(&empty));
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "ERR Failed to create vbo for geomdesc. numt=0\n");
    EXPECT_EQ(geomdb_count(), 0);
}
