#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "geom/records.h"
#include "tools/arena/arena_terrain.h"
#include "tools/meshgen/mesh.h"

namespace {

const float PI_F = 3.14159265f;

double dot3(const float* a, const float* b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

// Signed volume by the divergence theorem: positive only when every face
// points outward, and equal to the solid's volume when the mesh is closed.
double signedVolume(const RecordData& r) {
    double v = 0;
    for (int t = 0; t < r.numt(); t++) {
        const float* a = &r.tri[t * 27];
        const float* b = a + 9;
        const float* c = a + 18;
        v += (a[0] * ((double)b[1] * c[2] - (double)b[2] * c[1]) -
              a[1] * ((double)b[0] * c[2] - (double)b[2] * c[0]) +
              a[2] * ((double)b[0] * c[1] - (double)b[1] * c[0])) /
             6.0;
    }
    return v;
}

double segmentLength(const float* s) {
    return std::sqrt((s[3] - s[0]) * (s[3] - s[0]) + (s[4] - s[1]) * (s[4] - s[1]) +
                     (s[5] - s[2]) * (s[5] - s[2]));
}

// Every face normal points away from the centre of a convex solid.
void expectOutwardFromOrigin(const RecordData& r) {
    for (int t = 0; t < r.numt(); t++) {
        const float* v = &r.tri[t * 27];
        float centroid[3] = {(v[0] + v[9] + v[18]) / 3, (v[1] + v[10] + v[19]) / 3,
                             (v[2] + v[11] + v[20]) / 3};
        EXPECT_GT(dot3(centroid, v + 3), 0.0) << "triangle " << t;
    }
}

std::set<std::tuple<long, long, long, long, long, long>> segmentKeys(const RecordData& r) {
    std::set<std::tuple<long, long, long, long, long, long>> keys;
    for (int e = 0; e < r.nume(); e++) {
        const float* s = &r.edge[e * 6];
        long q[6];
        for (int k = 0; k < 6; k++) q[k] = std::lround(s[k] * 1000);
        // Either direction is the same segment.
        if (std::make_tuple(q[0], q[1], q[2]) > std::make_tuple(q[3], q[4], q[5])) {
            std::swap(q[0], q[3]);
            std::swap(q[1], q[4]);
            std::swap(q[2], q[5]);
        }
        keys.insert(std::make_tuple(q[0], q[1], q[2], q[3], q[4], q[5]));
    }
    return keys;
}

}  // namespace

TEST(MeshToolkit, ClosedBoxHasOutwardUnitNormalsAndTwelveFeatureEdges) {
    RecordData r = makeRecord(box(0.4f, 0.6f, 1.0f), EdgeOptions());
    ASSERT_EQ(r.numt(), 12);
    expectOutwardFromOrigin(r);
    for (int t = 0; t < r.numt(); t++)
        EXPECT_NEAR(dot3(&r.tri[t * 27 + 3], &r.tri[t * 27 + 3]), 1.0, 1e-6);
    EXPECT_NEAR(signedVolume(r), 0.24, 1e-6);
    ASSERT_EQ(r.nume(), 12);  // face diagonals are not outlines
    int byLength[3] = {0, 0, 0};
    for (int e = 0; e < r.nume(); e++) {
        double len = segmentLength(&r.edge[e * 6]);
        if (std::fabs(len - 0.4) < 1e-5) byLength[0]++;
        if (std::fabs(len - 0.6) < 1e-5) byLength[1]++;
        if (std::fabs(len - 1.0) < 1e-5) byLength[2]++;
    }
    EXPECT_EQ(byLength[0], 4);
    EXPECT_EQ(byLength[1], 4);
    EXPECT_EQ(byLength[2], 4);
}

TEST(MeshToolkit, RoundSolidsAreClosedAndFaceOutward) {
    const float r = 0.5f, len = 2.0f;
    const int sides = 16;
    double polygon = 0.5 * sides * r * r * std::sin(2 * PI_F / sides);
    EXPECT_NEAR(signedVolume(makeRecord(cylinder(r, len, sides), EdgeOptions())), polygon * len,
                1e-4);
    RecordData ball = makeRecord(sphere(r, 8, 12), EdgeOptions());
    expectOutwardFromOrigin(ball);
    double exact = 4.0 / 3.0 * PI_F * r * r * r;
    EXPECT_GT(signedVolume(ball), 0.85 * exact);
    EXPECT_LT(signedVolume(ball), exact);
    RecordData pill = makeRecord(capsule(r, len, 12, 8), EdgeOptions());
    expectOutwardFromOrigin(pill);
    EXPECT_GT(signedVolume(pill), 0.85 * (exact + PI_F * r * r * len));
    Vec3 lo, hi;
    bounds(capsule(r, len, 12, 8), &lo, &hi);
    EXPECT_FLOAT_EQ(hi.z, len / 2 + r);  // the physics capsule's reach
    EXPECT_FLOAT_EQ(lo.z, -len / 2 - r);
}

TEST(MeshToolkit, SmoothCylinderShowsOnlyItsRims) {
    // 16 facets meet at 22.5 degrees: below the threshold, so only the two
    // rim circles are outlines; the silhouette comes from the depth test.
    RecordData smooth = makeRecord(cylinder(0.5f, 1.0f, 16), EdgeOptions());
    EXPECT_EQ(smooth.nume(), 32);
    for (int e = 0; e < smooth.nume(); e++) {
        EXPECT_FLOAT_EQ(std::fabs(smooth.edge[e * 6 + 2]), 0.5f);
        EXPECT_FLOAT_EQ(smooth.edge[e * 6 + 2], smooth.edge[e * 6 + 5]);  // no side lines
    }
    // A hexagonal prism's 60-degree corners are outlines.
    EXPECT_EQ(makeRecord(cylinder(0.5f, 1.0f, 6), EdgeOptions()).nume(), 18);
}

TEST(MeshToolkit, WeldedEdgesAreNotDuplicated) {
    Mesh twice = box(1, 1, 1);
    Mesh copy = box(1, 1, 1);
    append(twice, translate(copy, 2e-5f, -3e-5f, 1e-5f));  // within the weld tolerance
    RecordData r = makeRecord(twice, EdgeOptions());
    EXPECT_EQ(r.nume(), 12);
    EXPECT_EQ(segmentKeys(r).size(), 12u);

    // Two cubes side by side: the four sides of the face they share belong to
    // both, and each is drawn once.
    Mesh pair = box(1, 1, 1);
    Mesh right = box(1, 1, 1);
    append(pair, translate(right, 1, 0, 0));
    RecordData p = makeRecord(pair, EdgeOptions());
    EXPECT_EQ((size_t)p.nume(), segmentKeys(p).size());
    EXPECT_GE(p.nume(), 20);
    EXPECT_LE(p.nume(), 21);  // at most the shared face's diagonal besides
}

TEST(MeshToolkit, DegenerateTrianglesGetZeroNormalsAndNoEdges) {
    Mesh m;
    m.tris.push_back({{{0, 0, 0}, {1, 0, 0}, {2, 0, 0}}, {1, 0, 0}});  // collinear
    m.tris.push_back({{{0, 1, 0}, {0, 1, 0}, {1, 1, 1}}, {0, 1, 0}});  // repeated point
    m.tris.push_back({{{0, 0, 5}, {1, 0, 5}, {0, 1, 5}}, {0, 0, 1}});  // a proper one
    RecordData r = makeRecord(m, EdgeOptions());
    for (int t = 0; t < 2; t++)
        for (int k = 0; k < 3; k++)
            for (int c = 0; c < 3; c++) EXPECT_EQ(r.tri[t * 27 + k * 9 + 3 + c], 0.0f);
    EXPECT_FLOAT_EQ(r.tri[2 * 27 + 5], 1.0f);
    EXPECT_EQ(r.nume(), 3);  // only the proper triangle's open border
    for (int e = 0; e < r.nume(); e++) EXPECT_FLOAT_EQ(r.edge[e * 6 + 2], 5.0f);
}

TEST(MeshToolkit, TransformsKeepFrontFacesOutward) {
    Mesh m = box(1, 2, 3);
    rotate(m, {0, 0, 1}, PI_F / 2);
    Vec3 lo, hi;
    bounds(m, &lo, &hi);
    EXPECT_NEAR(hi.x, 1.0f, 1e-6);
    EXPECT_NEAR(hi.y, 0.5f, 1e-6);
    scale(m, -2, 1, 1);  // a mirror would turn faces inside out if not rewound
    RecordData r = makeRecord(m, EdgeOptions());
    expectOutwardFromOrigin(r);
    EXPECT_NEAR(signedVolume(r), 12.0, 1e-4);
}

TEST(MeshToolkit, ExtrudedConcaveOutlineIsClosedEitherWinding) {
    // An L: area 3 of a 2 x 2 square missing one quarter.
    std::vector<Vec2> ell = {{0, 0}, {2, 0}, {2, 1}, {1, 1}, {1, 2}, {0, 2}};
    EXPECT_NEAR(signedVolume(makeRecord(extrude(ell, 0.5f), EdgeOptions())), 1.5, 1e-5);
    std::vector<Vec2> clockwise(ell.rbegin(), ell.rend());
    RecordData r = makeRecord(extrude(clockwise, 0.5f), EdgeOptions());
    EXPECT_NEAR(signedVolume(r), 1.5, 1e-5);
    EXPECT_EQ(r.nume(), 18);  // six sides: top, bottom and vertical corners
}

TEST(MeshToolkit, PanelOpeningsAreCutThroughAndTheRestStaysClosed) {
    // A window inside and a door from the bottom edge: 2 x 1 wall, 0.1 thick.
    Mesh wall = panel(2.0f, 1.0f, 0.1f, {{-0.6f, -0.1f, -0.2f, 0.3f}, {0.3f, -0.5f, 0.7f, 0.2f}});
    RecordData r = makeRecord(wall, EdgeOptions());
    double solid = 2.0 * 1.0 - 0.4 * 0.4 - 0.4 * 0.7;
    EXPECT_NEAR(signedVolume(r), solid * 0.1, 1e-5);
    // Every outline is drawn once, and none runs across the open doorway.
    EXPECT_EQ((size_t)r.nume(), segmentKeys(r).size());
    for (int e = 0; e < r.nume(); e++) {
        const float* s = &r.edge[e * 6];
        bool insideDoor = s[0] > 0.31f && s[0] < 0.69f && s[3] > 0.31f && s[3] < 0.69f &&
                          s[2] < -0.49f && s[5] < -0.49f;
        EXPECT_FALSE(insideDoor) << "an edge across the doorway";
    }
}

TEST(MeshToolkit, WedgeFillsHalfItsBoxRisingTowardPlusX) {
    Mesh w = wedge(2.0f, 1.0f, 0.5f);
    EXPECT_NEAR(signedVolume(makeRecord(w, EdgeOptions())), 0.5, 1e-5);
    Vec3 lo, hi;
    bounds(w, &lo, &hi);
    EXPECT_NEAR(lo.y, -0.5f, 1e-6);
    EXPECT_NEAR(hi.z, 0.25f, 1e-6);
    for (const Tri& t : w.tris)
        for (const Vec3& p : t.p)
            if (p.z > 0.2f) {
                EXPECT_NEAR(p.x, 1.0f, 1e-5);  // only the +x end is tall
            }
    EXPECT_EQ(makeRecord(w, EdgeOptions()).nume(), 9);
}

TEST(MeshToolkit, BeamRunsBetweenItsEndsWithSquareCaps) {
    Mesh b = beam({0, 0, 0}, {3, 4, 0}, 0.2f, 0.1f);
    Vec3 lo, hi;
    bounds(b, &lo, &hi);
    EXPECT_NEAR(hi.z - lo.z, 0.1f, 1e-5);
    RecordData r = makeRecord(b, EdgeOptions());
    EXPECT_NEAR(signedVolume(r), (5.0 + 0.2) * 0.2 * 0.1, 1e-5);
    RecordData upright = makeRecord(beam({0, 0, 0}, {0, 0, 2}, 0.1f, 0.1f), EdgeOptions());
    EXPECT_NEAR(signedVolume(upright), 2.1 * 0.01, 1e-5);
}

TEST(GeneratedRecords, SizesAndFieldsMatchTheirArrays) {
    ASSERT_GT(GEOM_TABLE_COUNT, 0);
    for (int i = 0; i < GEOM_TABLE_COUNT; i++) {
        const geomdesc& g = *geom_table[i];
        SCOPED_TRACE(geom_names[i]);
        EXPECT_GT(g.numt, 0);
        EXPECT_EQ(g.bufsz[0], g.numt * GEOM_TRIANGLE_BYTES);
        EXPECT_EQ(g.bufsz[1], g.nume ? g.nume * GEOM_EDGE_BYTES : GEOM_EDGE_BYTES);
        // Buffer names belong to the registry once a level has run in this
        // process, so only the reserved words are checked here.
        EXPECT_EQ(g.bufaux[0] | g.bufaux[1], 0);
        ASSERT_NE(g.tridata, nullptr);
        ASSERT_NE(g.edgedata, nullptr);
        if (g.nume == 0) {
            for (int k = 0; k < 6; k++) EXPECT_EQ(g.edgedata[k], 0.0f);
        }
    }
}

TEST(GeneratedRecords, VerticesCarryUnitNormalsColoursAndSaneCoordinates) {
    for (int i = 0; i < GEOM_TABLE_COUNT; i++) {
        const geomdesc& g = *geom_table[i];
        SCOPED_TRACE(geom_names[i]);
        int bad = 0;
        for (int v = 0; v < g.numt * 3; v++) {
            const float* f = g.tridata + v * GEOM_VERTEX_FLOATS;
            double n2 = dot3(f + 3, f + 3);
            if (!(std::fabs(n2 - 1) < 1e-4 || n2 == 0)) bad++;
            for (int k = 0; k < 3; k++) {
                if (!(std::fabs(f[k]) <= 130)) bad++;
                if (!(f[6 + k] >= 0 && f[6 + k] <= 1)) bad++;
            }
        }
        for (int k = 0; k < g.nume * 6; k++)
            if (!(std::fabs(g.edgedata[k]) <= 130)) bad++;
        EXPECT_EQ(bad, 0);
    }
}

TEST(GeneratedRecords, ArenaTerrainFollowsTheArenaHeightFunction) {
    const geomdesc& g = geom_arena_terrain;
    ASSERT_EQ(g.numt, ARENA_GRID * ARENA_GRID * 2);
    for (int v = 0; v < g.numt * 3; v++) {
        const float* f = g.tridata + v * GEOM_VERTEX_FLOATS;
        ASSERT_EQ(f[2], arena_height(f[0], f[1])) << "vertex " << v;
        ASSERT_LE(std::fabs(f[0]), ARENA_HALF);
        ASSERT_LE(std::fabs(f[1]), ARENA_HALF);
        ASSERT_GT(f[5], 0.9f);  // the ground faces up
    }
}

namespace {

struct ExpectedBounds {
    const char* record;
    float lo[3], hi[3];  // the union of the prop's collision geoms, body frame
};

// Worked out from each prop's geoms (sizes, offsets and turns).
const ExpectedBounds PROP_BOUNDS[] = {
    {"bridgesegment", {-0.98f, -0.5f, -0.125f}, {0.98f, 0.5f, 0.025f}},
    {"canister", {-0.125f, -0.125f, -0.175f}, {0.125f, 0.125f, 0.175f}},
    {"charboard", {-0.05f, -0.24f, -0.65f}, {0.05f, 0.24f, 0.48f}},
    {"chimney", {-0.25f, -0.15f, -0.6f}, {0.1f, 0.15f, 0.9f}},
    {"crate", {-0.17f, -0.17f, -0.225f}, {0.17f, 0.17f, 0.225f}},
    {"dumpster", {-1.0f, -0.5f, -0.275f}, {1.0f, 0.5f, 0.375f}},
    {"dumpsterlid", {-1.25f, -0.6f, -0.025f}, {1.25f, 0.5f, 0.025f}},
    {"egg0", {-0.12f, -0.12f, -0.2f}, {0.12f, 0.12f, 0.24f}},
    {"egg7", {-0.12f, -0.12f, -0.2f}, {0.12f, 0.12f, 0.24f}},
    {"frame", {-0.45f, -0.05f, -0.45f}, {0.45f, 0.05f, 0.45f}},
    {"girder", {-0.99f, -0.1f, -0.05f}, {0.99f, 0.1f, 0.16f}},
    {"greenbox", {-0.14f, -0.14f, -0.14f}, {0.14f, 0.14f, 0.14f}},
    {"heavyweight", {-0.4f, -0.4f, -0.4f}, {0.4f, 0.4f, 0.575f}},
    {"houseback", {-0.15f, -0.5f, -0.5f}, {0.025f, 0.5f, 0.8f}},
    {"housefront", {-0.175f, -0.5f, -0.5f}, {0.15f, 0.5f, 0.8f}},
    {"houseroof", {-0.62f, -0.609f, -0.309f}, {0.62f, 0.609f, 0.445f}},
    {"housewall", {-0.62f, -0.175f, -0.4f}, {0.62f, 0.175f, 0.35f}},
    {"liftplatform", {-1.75f, -1.15f, -0.025f}, {1.75f, -0.05f, 0.025f}},
    {"markerpole", {-0.1f, -0.1f, -0.35f}, {0.1f, 0.1f, 0.3f}},
    {"packcrate", {-0.2f, -0.2f, -0.2f}, {0.2f, 0.2f, 0.2f}},
    {"pallet", {-0.31f, -0.34f, -0.04f}, {0.31f, 0.34f, 0.04f}},
    {"prisonwall", {-0.35f, -0.49f, -0.8f}, {0.35f, 0.49f, 0.8f}},
    {"rampbase", {-0.6f, -0.425f, -0.4f}, {0.6f, 0.425f, 0.1f}},
    {"ramptop", {-0.612f, -0.425f, -0.35f}, {0.612f, 0.425f, 0.375f}},
    {"redbox", {-0.14f, -0.14f, -0.14f}, {0.14f, 0.14f, 0.14f}},
    {"riser11", {-0.177f, -0.15f, -0.55f}, {0.177f, 0.15f, 0.633f}},
    {"sealdoor", {-0.105f, -0.805f, -0.3f}, {0.105f, 0.805f, 0.4f}},
    {"sealpin", {-0.13f, -0.15f, -0.55f}, {0.13f, 0.15f, 0.6f}},
    {"shutter", {-0.18f, -0.025f, -0.15f}, {0.18f, 0.025f, 0.3f}},
    {"stacker", {-0.1707f, -0.1707f, -0.2f}, {0.1707f, 0.1707f, 0.3f}},
    {"templepillar", {-0.2f, -0.2f, -0.8f}, {0.2f, 0.2f, 0.8f}},
    {"tombseal", {-1.0f, -1.0f, -0.15f}, {1.0f, 1.0f, 0.35f}},
};

const geomdesc* recordNamed(const char* name) {
    for (int i = 0; i < GEOM_TABLE_COUNT; i++)
        if (std::string(geom_names[i]) == name) return geom_table[i];
    return nullptr;
}

}  // namespace

TEST(GeneratedRecords, PropShapesCoverTheirCollisionGeoms) {
    // A few millimetres of trim or low-poly rounding are fine; a part at the
    // wrong offset or turned the wrong way is not.
    const float slack = 0.008f;
    for (const ExpectedBounds& e : PROP_BOUNDS) {
        SCOPED_TRACE(e.record);
        const geomdesc* g = recordNamed(e.record);
        ASSERT_NE(g, nullptr);
        float lo[3] = {1e9f, 1e9f, 1e9f}, hi[3] = {-1e9f, -1e9f, -1e9f};
        for (int v = 0; v < g->numt * 3; v++)
            for (int k = 0; k < 3; k++) {
                lo[k] = std::min(lo[k], g->tridata[v * GEOM_VERTEX_FLOATS + k]);
                hi[k] = std::max(hi[k], g->tridata[v * GEOM_VERTEX_FLOATS + k]);
            }
        for (int k = 0; k < 3; k++) {
            EXPECT_NEAR(lo[k], e.lo[k], slack) << "axis " << k;
            EXPECT_NEAR(hi[k], e.hi[k], slack) << "axis " << k;
        }
    }
}

TEST(GeneratedRecords, EveryPropClassHasItsRecords) {
    const char* names[] = {"lever",     "conveyor",  "powermast",  "templecornice", "riser",
                           "label_hbr", "label_hcl", "label_hno3", "label_koh",     "label_lioh",
                           "label_nah", "letter_q",  "letter_u",   "letter_o",      "letter_r",
                           "letter_v",  "letter_e",  "letter_l"};
    for (const char* n : names) EXPECT_NE(recordNamed(n), nullptr) << n;
    for (int v = 0; v < 8; v++)
        EXPECT_NE(recordNamed(("egg" + std::to_string(v)).c_str()), nullptr) << v;
}
