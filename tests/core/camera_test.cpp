#include "render/camera.h"

#include <gtest/gtest.h>

#include <cmath>

#include "bus/bus.h"
#include "render/mat4.h"

namespace {

const float PI = 3.14159265358979f;
const float TICK = 1.0f / 60.0f;

class Camera : public ::testing::Test {
   protected:
    void SetUp() override {
        bus_reset();
        cameraInit();
    }
    void TearDown() override { bus_reset(); }
    CameraState& cam = camera();
};

void transform(const float* m, const float p[4], float out[4]) {
    for (int r = 0; r < 4; r++) {
        out[r] = 0;
        for (int k = 0; k < 4; k++) out[r] += m[k * 4 + r] * p[k];
    }
}

}  // namespace

TEST_F(Camera, DistanceScalingIsClampedButSettingIsNot) {
    postMessage("cameraControl distScale=100");
    EXPECT_FLOAT_EQ(cam.cameraDistance, 18.0f);
    postMessage("cameraControl distScale=0.001");
    EXPECT_FLOAT_EQ(cam.cameraDistance, 2.0f);
    postMessage("cameraControl distScale=1.5");
    EXPECT_FLOAT_EQ(cam.cameraDistance, 3.0f);
    postMessage("cameraControl distSetting=100");
    EXPECT_FLOAT_EQ(cam.cameraDistance, 100.0f);
}

TEST_F(Camera, OrbitDeltaWrapsButOrbitSettingDoesNot) {
    postMessage("cameraControl orbitDelta=1.0");  // 2.5 + 1.0 passes pi
    EXPECT_NEAR(cam.cameraOrbit, 3.5f - 2 * PI, 1e-5);
    postMessage("cameraControl orbitDelta=-1.0");
    EXPECT_NEAR(cam.cameraOrbit, 2.5f - 2 * PI + 2 * PI, 1e-5);  // below -pi comes back
    postMessage("cameraControl orbitSetting=10");
    EXPECT_FLOAT_EQ(cam.cameraOrbit, 10.0f);
}

TEST_F(Camera, ElevationDeltaNeverReachesTheVertical) {
    for (int i = 0; i < 20; i++) postMessage("cameraControl elevationDelta=0.5");
    EXPECT_LT(cam.cameraElevation, PI / 2);
    EXPECT_NEAR(cam.cameraElevation, 1.5704822f, 1e-6);
    for (int i = 0; i < 20; i++) postMessage("cameraControl elevationDelta=-0.5");
    EXPECT_NEAR(cam.cameraElevation, -1.5704822f, 1e-6);
    postMessage("cameraControl elevationSetting=3");
    EXPECT_FLOAT_EQ(cam.cameraElevation, 3.0f);
}

TEST_F(Camera, KeysApplyInOrderAndUnknownKeysChangeNothing) {
    CameraState before = cam;
    postMessage("cameraControl zoom=3 tilt=1");
    EXPECT_EQ(cam.cameraDistance, before.cameraDistance);
    EXPECT_EQ(cam.cameraOrbit, before.cameraOrbit);
    EXPECT_EQ(cam.cameraElevation, before.cameraElevation);
    // The setting comes after the scale, so it wins.
    postMessage("cameraControl distSetting=5 distScale=2");
    EXPECT_FLOAT_EQ(cam.cameraDistance, 5.0f);
}

TEST_F(Camera, PerspectiveMatrixIsRaisedAndMapsTheClipPlanes) {
    postMessage("cameraControl aspectRatio=2.0");
    const float* p = cam.camProj;
    float f = 1.0f / (float)tan(0.471238911151886);
    EXPECT_FLOAT_EQ(p[0], f / 2.0f);
    EXPECT_FLOAT_EQ(p[5], f);
    EXPECT_FLOAT_EQ(p[9], -0.25f);
    EXPECT_FLOAT_EQ(p[11], -1.0f);
    EXPECT_EQ(p[15], 0.0f);
    // A point on the near plane lands on z/w = -1, one on the far plane on +1.
    for (float d : {0.1f, 150.0f}) {
        float in[4] = {0, 0, -d, 1}, out[4];
        transform(p, in, out);
        EXPECT_NEAR(out[2] / out[3], d < 1 ? -1.0f : 1.0f, 1e-4);
    }
    EXPECT_NEAR(cam.horizontalFov, 2 * atan(tan(0.471238911151886) * 2.0), 1e-5);
    setPerspective(1.0f, 0.1f, 150.0f, false);
    EXPECT_EQ(p[9], 0.0f);
}

TEST_F(Camera, DegenerateAspectKeepsTheLastProjection) {
    postMessage("cameraControl aspectRatio=2.0");
    float before = cam.camProj[0];
    postMessage("cameraControl aspectRatio=0");
    postMessage("cameraControl aspectRatio=nan");
    EXPECT_EQ(cam.camProj[0], before);
}

TEST_F(Camera, AimGlidesToAStillTargetWithoutRunaway) {
    cameraSnapTo({0, 0, 0});
    cam.interestPoint = {3, -2, 1};
    float firstStep = 0;
    for (int i = 0; i < 600; i++) {
        cameraUpdate(TICK);
        if (i == 0) firstStep = cam.aimPoint.x;
        ASSERT_LT(fabsf(cam.aimPoint.x), 6.0f);
    }
    // The first step uses no rate term: only the error and its filtered copy.
    EXPECT_NEAR(firstStep, 0.07f * 3 + 0.06f * 3, 1e-4);
    EXPECT_NEAR(cam.aimPoint.x, 3.0f, 0.05f);
    EXPECT_NEAR(cam.aimPoint.y, -2.0f, 0.05f);
    EXPECT_NEAR(cam.aimPoint.z, 1.0f, 0.05f);
}

TEST_F(Camera, ZeroStepMakesNoCorrection) {
    cameraSnapTo({0, 0, 0});
    cam.interestPoint = {5, 0, 0};
    cameraUpdate(0.0f);
    EXPECT_EQ(cam.aimPoint.x, 0.0f);
    EXPECT_TRUE(cam.aimFirstFrame);
}

TEST_F(Camera, EyeSitsBehindTheVehicleAtOrbitZero) {
    postMessage("cameraControl orbitSetting=0 elevationSetting=0.3 distSetting=10");
    cameraSnapTo({1, 2, 0.5f});
    cam.targetHeading = cam.cameraHeading = PI / 2;  // vehicle faces +y
    cameraUpdate(TICK);
    EXPECT_NEAR(cam.eye.x, 1.0f, 1e-4);
    EXPECT_NEAR(cam.eye.y, 2.0f - 10 * cosf(0.3f), 1e-4);
    EXPECT_NEAR(cam.eye.z, 0.5f + 10 * sinf(0.3f), 1e-4);
    // The view puts the eye at the origin and the aim point straight ahead (-z).
    const float* view = cameraViewMatrix();
    float aim[4] = {1, 2, 0.5f, 1}, out[4];
    transform(view, aim, out);
    EXPECT_NEAR(out[0], 0.0f, 1e-4);
    EXPECT_NEAR(out[1], 0.0f, 1e-4);
    EXPECT_NEAR(out[2], -10.0f, 1e-4);
    // World up stays up in the picture.
    float up[4] = {1, 2, 1.5f, 1};
    transform(view, up, out);
    EXPECT_GT(out[1], 0.0f);
}

TEST_F(Camera, EyeNeverGoesBelowTheGroundLimit) {
    postMessage("cameraControl elevationSetting=-0.5 distSetting=10");
    cameraSnapTo({0, 0, 0});
    cameraUpdate(TICK);
    EXPECT_FLOAT_EQ(cam.eye.z, -0.12f);
    float horizontal = hypotf(cam.eye.x, cam.eye.y);
    EXPECT_NEAR(cam.cameraElevation, atan2f(-0.12f, horizontal), 1e-6);
    EXPECT_NEAR(horizontal, 10 * cosf(0.5f), 1e-4);
}

TEST_F(Camera, HeadingTurnsTheShortWayAcrossPi) {
    cam.cameraHeading = 3.0f;
    cam.targetHeading = -3.0f;  // 0.28 rad further round, not 6 back
    for (int i = 0; i < 300; i++) {
        cameraUpdate(TICK);
        ASSERT_GE(fabsf(cam.cameraHeading), 2.9f) << "went the long way at frame " << i;
    }
    EXPECT_NEAR(cam.cameraHeading, -3.0f, 0.02f);
}

TEST_F(Camera, LookingStraightDownStillGivesAValidView) {
    postMessage("cameraControl elevationSetting=1.5707963 distSetting=5");
    cameraSnapTo({0, 0, 0});
    cameraUpdate(TICK);
    const float* view = cameraViewMatrix();
    for (int i = 0; i < 16; i++) ASSERT_TRUE(std::isfinite(view[i])) << i;
}
