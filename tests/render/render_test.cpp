#include <gtest/gtest.h>
#include <sys/stat.h>

#include <map>
#include <string>

#include "render/camera.h"
#include "render/frame.h"
#include "render/framerate.h"
#include "render/glcontext.h"
#include "render/rendercontext.h"
#include "render/view.h"
#include "shell/gametick.h"
#include "tests/render/harness.h"
#include "tools/arena/arena_terrain.h"
#include "world/wld.h"

namespace {

struct Rgb {
    int r, g, b;
    int sum() const { return r + g + b; }
};

bool isSky(const Rgb& p) {
    return abs(p.r - 158) <= 1 && abs(p.g - 153) <= 1 && abs(p.b - 230) <= 1;
}

// The arena drawn for half a second, with the depth-texture shadow map, with
// the colour-texture one, or with the depth-bias workaround instead of
// polygon offset; with 4 samples as on hardware, or as on a software
// rasteriser without samples and with smoothed lines; kept as a picture for
// people to look at.
enum Variant {
    DEPTH_TEXTURE,
    COLOUR_TEXTURE,
    DEPTH_BIAS,
    LINES_DEPTH_TEXTURE,
    LINES_COLOUR_TEXTURE,
    LINES_DEPTH_BIAS
};
const char* const VARIANT_NAMES[] = {"DepthTexture",      "ColourTexture",      "DepthBias",
                                     "LinesDepthTexture", "LinesColourTexture", "LinesDepthBias"};

bool depthTextures(Variant v) { return v != COLOUR_TEXTURE && v != LINES_COLOUR_TEXTURE; }
bool biased(Variant v) { return v == DEPTH_BIAS || v == LINES_DEPTH_BIAS; }
EdgeSmoothing smoothingOf(Variant v) {
    return v >= LINES_DEPTH_TEXTURE ? SMOOTH_LINES : SMOOTH_MULTISAMPLE;
}

float workaroundBias() { return 1e-5f; }

struct Picture {
    bool drawn = false;
    bool projectionsRestored = false;
    int fps = 0;
    int samples = -1;
    std::vector<unsigned char> pixels;
    std::map<std::string, std::pair<int, int>> points;  // projected ground points
};

const float OPEN_OFFSET = 1.2f;

Picture render(Variant variant) {
    Picture picture;
    if (!harness_open(1180, 720, 0, depthTextures(variant), smoothingOf(variant))) return picture;
    FrameHooks hooks = {};
    if (biased(variant)) hooks.depthBias = workaroundBias;
    frame_setHooks(hooks);
    for (int i = 0; i < 30; i++) harness_frame(1.0f / 60.0f);
    // Both passes lower a projection element for the bias and must put it back.
    float light10 = renderContext().lightProj[10];
    frame_shadowStep();
    bool lightRestored = renderContext().lightProj[10] == light10;
    game_tick(1.0f / 60.0f);
    drawFrame(1.0f / 60.0f);
    picture.projectionsRestored =
        lightRestored && renderContext().camProj[10] == camera().camProj[10];
    picture.pixels = harness_readPixels();
    picture.fps = frameRate().fps;
    picture.samples = context_info().samples;
    const struct {
        const char* name;
        float dy;
    } grounds[] = {{"shadow", 0.0f}, {"left", OPEN_OFFSET}, {"right", -OPEN_OFFSET}};
    for (const auto& g : grounds) {
        float x = HARNESS_CRATE_X, y = HARNESS_CRATE_Y + g.dy;
        float world[3] = {x, y, arena_height(x, y)};
        int px = -1, py = -1;
        harness_project(world, &px, &py);
        picture.points[g.name] = {px, py};
    }
    harness_present();
    mkdir(ARTIFACTS, 0755);
    std::string name = std::string("/render_arena_") + VARIANT_NAMES[variant] + ".png";
    writePng(ARTIFACTS + name, harness_width(), harness_height(), picture.pixels);
    harness_close();
    picture.drawn = true;
    return picture;
}

class RenderedArena : public ::testing::TestWithParam<Variant> {
   protected:
    void SetUp() override {
        static std::map<Variant, Picture> pictures;
        if (!pictures.count(GetParam())) pictures[GetParam()] = render(GetParam());
        picture = &pictures[GetParam()];
        ASSERT_TRUE(picture->drawn) << "no window, or the GL start-up failed";
        scene = viewRect(VIEW_SCENE);
    }
    Rgb at(int x, int y) const {
        const unsigned char* p = &picture->pixels[(y * 1180 + x) * 3];
        return {p[0], p[1], p[2]};
    }
    // Mean over a 5 x 5 patch around a projected ground point inside the scene.
    Rgb ground(const char* name) const {
        auto [x, y] = picture->points.at(name);
        EXPECT_TRUE(x > scene.x + 2 && x < scene.x + scene.w - 3) << name << " x " << x;
        EXPECT_TRUE(y > scene.y + 2 && y < scene.y + scene.h - 3) << name << " y " << y;
        Rgb m = {0, 0, 0};
        for (int dy = -2; dy <= 2; dy++) {
            for (int dx = -2; dx <= 2; dx++) {
                Rgb p = at(x + dx, y + dy);
                m.r += p.r, m.g += p.g, m.b += p.b;
            }
        }
        return {m.r / 25, m.g / 25, m.b / 25};
    }
    const Picture* picture = nullptr;
    ViewRect scene = {};
};

}  // namespace

TEST_P(RenderedArena, SkyFillsTheTopOfTheScene) {
    int y = scene.y + scene.h - 2;
    int sky = 0, samples = 0;
    for (int x = scene.x; x < scene.x + scene.w; x += 10, samples++) sky += isSky(at(x, y));
    EXPECT_GT(sky, samples / 2) << "the top row of the scene is not mostly sky";
}

TEST_P(RenderedArena, GroundUnderTheFloatingCrateIsInShadow) {
    Rgb shadow = ground("shadow");
    int open = std::max(ground("left").sum(), ground("right").sum());
    EXPECT_LT(shadow.sum(), open * 0.8) << "shadow " << shadow.r << "," << shadow.g << ","
                                        << shadow.b << "; open ground sums to " << open;
    EXPECT_GT(shadow.sum(), open * 0.4) << "a shadow darkens, it does not blacken";
}

TEST_P(RenderedArena, OutlineEdgesAreDrawn) {
    // Edges are (0.15, 0.15, 0.15) fogged toward (0.6, 0.6, 0.2): red equals
    // green and blue trails, which neither grass, crates nor sky do.
    int edge = 0;
    for (int y = scene.y; y < scene.y + scene.h; y++) {
        for (int x = scene.x; x < scene.x + scene.w; x++) {
            Rgb p = at(x, y);
            if (abs(p.r - p.g) <= 2 && p.b < p.r - 20 && p.r < 120) edge++;
        }
    }
    EXPECT_GT(edge, 200) << "outline pixels in the scene";
}

TEST_P(RenderedArena, OnlyTheMultisamplingPathHasSamples) {
    if (smoothingOf(GetParam()) == SMOOTH_LINES)
        EXPECT_EQ(picture->samples, 0);
    else
        EXPECT_GT(picture->samples, 1);
}

TEST_P(RenderedArena, FrameRateFigureFollowsTheGivenFrameTime) { EXPECT_EQ(picture->fps, 60); }

TEST_P(RenderedArena, BiasedProjectionsAreRestoredAfterTheirPass) {
    EXPECT_TRUE(picture->projectionsRestored);
}

INSTANTIATE_TEST_SUITE_P(ShadowMaps, RenderedArena,
                         ::testing::Values(DEPTH_TEXTURE, COLOUR_TEXTURE, DEPTH_BIAS,
                                           LINES_DEPTH_TEXTURE, LINES_COLOUR_TEXTURE,
                                           LINES_DEPTH_BIAS),
                         [](const ::testing::TestParamInfo<Variant>& info) {
                             return std::string(VARIANT_NAMES[info.param]);
                         });

TEST_P(RenderedArena, FrameRateDigitsSitInTheScenesLowerRightCorner) {
    // Stroke digits in (0.8, 1.0, 0.7) inside the 22 x 22 corner, and nowhere left of it.
    auto isDigitInk = [](const Rgb& p) {
        return abs(p.r - 204) <= 1 && p.g == 255 && abs(p.b - 178) <= 1;
    };
    int inside = 0, outside = 0;
    for (int y = scene.y; y < scene.y + 22; y++) {
        for (int x = scene.x + scene.w - 60; x < scene.x + scene.w; x++) {
            if (!isDigitInk(at(x, y))) continue;
            if (x >= scene.x + scene.w - 22)
                inside++;
            else
                outside++;
        }
    }
    EXPECT_GT(inside, 10);
    EXPECT_EQ(outside, 0);
}

namespace {

// The first job's start, drawn with either shadow map: the camera looks over
// the truck at the slot's yellow frame, painted 3 mm proud of the asphalt.
struct BayPicture {
    bool drawn = false;
    std::vector<unsigned char> pixels;
    std::vector<std::pair<int, int>> frame;  // pixels on the yellow frame's strips
    std::vector<std::pair<int, int>> open;   // bare asphalt inside the frame
};

BayPicture renderBay(Variant variant) {
    BayPicture picture;
    if (!harness_open(1180, 720, 0, variant != COLOUR_TEXTURE)) return picture;
    wld_destroy();
    wld_setLevelBuilder(nullptr);
    wld_create(0, nullptr);
    // Settle the dropped truck first: a light that still moves between the
    // shadow pass and the scene shifts every depth it compares.
    for (int i = 0; i < 180; i++) wld_update(1.0f / 60.0f);
    vec3f p = wld_objectOfInterestPosition();
    cameraSnapTo({p.x, p.y, p.z});
    for (int i = 0; i < 10; i++) harness_frame(1.0f / 60.0f);
    harness_draw(1.0f / 60.0f);
    picture.pixels = harness_readPixels();
    // Strip centres of the frame x 0.078..1.422, y -1.73..-0.82, 0.05 wide.
    for (float x = 0.3f; x < 1.3f; x += 0.2f) {
        for (float y : {-1.705f, -0.845f}) {
            const float world[3] = {x, y, 0.003f};
            int px = -1, py = -1;
            if (harness_project(world, &px, &py)) picture.frame.push_back({px, py});
        }
        const float inside[3] = {x, -1.275f, 0.0f};
        int px = -1, py = -1;
        if (harness_project(inside, &px, &py)) picture.open.push_back({px, py});
    }
    harness_present();
    mkdir(ARTIFACTS, 0755);
    std::string name = std::string("/render_bay_") + VARIANT_NAMES[variant] + ".png";
    writePng(ARTIFACTS + name, harness_width(), harness_height(), picture.pixels);
    harness_close();
    wld_setLevelBuilder(nullptr);
    picture.drawn = true;
    return picture;
}

Rgb pixelOf(const BayPicture& p, std::pair<int, int> at) {
    const unsigned char* c = &p.pixels[(at.second * 1180 + at.first) * 3];
    return {c[0], c[1], c[2]};
}

}  // namespace

TEST(ParkingBay, StaysLitWithEitherShadowMap) {
    BayPicture hardware = renderBay(DEPTH_TEXTURE);
    BayPicture colour = renderBay(COLOUR_TEXTURE);
    ASSERT_TRUE(hardware.drawn && colour.drawn) << "no window, or the GL start-up failed";
    ASSERT_EQ(colour.frame.size(), 10u);
    // A shadowed face keeps 0.7 of its colour, a lit one facing the light
    // gets up to 1.2: the yellow paint must show the lit share.
    for (size_t i = 0; i < colour.frame.size(); i++) {
        Rgb h = pixelOf(hardware, hardware.frame[i]), c = pixelOf(colour, colour.frame[i]);
        EXPECT_GT(h.r, 200) << "frame point " << i << " of the depth-texture picture is dark";
        EXPECT_NEAR(c.sum(), h.sum(), 12) << "frame point " << i << ": " << c.r << "," << c.g << ","
                                          << c.b << " against " << h.r << "," << h.g << "," << h.b;
    }
    for (size_t i = 0; i < colour.open.size(); i++) {
        Rgb h = pixelOf(hardware, hardware.open[i]), c = pixelOf(colour, colour.open[i]);
        EXPECT_NEAR(c.sum(), h.sum(), 12) << "asphalt point " << i;
    }
}
