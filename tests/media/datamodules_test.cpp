// Checks the generated data modules as the game will load them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "render/txdb_module.h"

namespace {

struct Size {
    const char* name;
    int w, h;
};

const Size PANEL[] = {
    {"accelerator_handle", 104, 40}, {"accelerator_panel", 128, 200},
    {"button_pause", 56, 56},        {"cyclicplate", 240, 240},
    {"cyclicstick", 64, 64},         {"dashboard", 768, 256},
    {"gameover", 512, 512},          {"jobdone", 512, 512},
    {"slider_background", 128, 224}, {"slider_empty", 128, 224},
    {"slider_handle", 128, 72},      {"slider_knob", 64, 64},
    {"steering_wheel", 256, 256},    {"text_antitorque", 128, 32},
    {"text_bend", 128, 32},          {"text_bucket", 128, 32},
    {"text_collective", 128, 32},    {"text_elevate", 128, 32},
    {"text_empty", 130, 32},         {"text_extend", 128, 32},
    {"text_grapple", 128, 32},       {"text_left", 128, 32},
    {"text_right", 128, 32},         {"text_rotate", 128, 32},
    {"xboxpad", 640, 256},
};
const Size GUIDE[] = {{"handl", 128, 128},        {"handr", 128, 128},
                      {"infobubble", 512, 384},   {"tutouyacamera", 320, 128},
                      {"tutouyadrive", 320, 128}, {"tutouyazoom", 320, 128}};
const char* const LEVEL_NAMES[] = {
    "sandbox", "parkinglot", "court",    "lockdown",  "seesaw",    "trainlot",  "bridge",
    "stackem", "temple",     "hazard",   "luxor",     "babel",     "factory",   "ufo",
    "hearth",  "towercrane", "dump",     "cleanup",   "chemistry", "daredevil", "hockeyriot",
    "canal",   "egghunt",    "superpac", "powerlift", "yukon"};
const Size BUTTONS[] = {
    {"menunext", 128, 96},  {"menuplay", 128, 96},           {"menuprev", 128, 96},
    {"menusteam", 128, 96}, {"menurestart", 128, 96},        {"menusettings", 128, 96},
    {"stamp", 128, 128},    {"gamepadbuttoncircle", 64, 64}, {"gamepadbuttoncross", 64, 64}};

struct Image {
    const unsigned char* px = nullptr;
    int w = 0, h = 0;
    const unsigned char* at(int x, int yFromTop) const {
        return px + (size_t(h - 1 - yFromTop) * w + x) * 4;
    }
};

class Module {
   public:
    explicit Module(const char* name) : handle(dataModuleOpen(name)) {}
    ~Module() { dataModuleClose(handle); }
    bool loaded() const { return handle != nullptr; }
    Image image(const std::string& name) const {
        Image i;
        i.px = static_cast<const unsigned char*>(dataModuleSymbol(handle, name.c_str()));
        auto w = static_cast<const int32_t*>(dataModuleSymbol(handle, (name + "_w").c_str()));
        auto h = static_cast<const int32_t*>(dataModuleSymbol(handle, (name + "_h").c_str()));
        if (w && h) i.w = *w, i.h = *h;
        return i;
    }
    std::vector<short> sample(const std::string& name) const {
        auto d = static_cast<const short*>(dataModuleSymbol(handle, (name + "_dat").c_str()));
        auto n = static_cast<const int32_t*>(dataModuleSymbol(handle, (name + "_len").c_str()));
        if (!d || !n) return {};
        return std::vector<short>(d, d + *n);
    }

   private:
    void* handle;
};

// Every colour component at most its alpha.
bool premultiplied(const Image& i) {
    for (size_t k = 0; k < size_t(i.w) * i.h * 4; k += 4)
        if (i.px[k] > i.px[k + 3] || i.px[k + 1] > i.px[k + 3] || i.px[k + 2] > i.px[k + 3])
            return false;
    return true;
}

void expectImages(const char* module, const Size* sizes, int count) {
    Module m(module);
    ASSERT_TRUE(m.loaded()) << module;
    for (int k = 0; k < count; k++) {
        Image i = m.image(sizes[k].name);
        ASSERT_NE(i.px, nullptr) << sizes[k].name;
        EXPECT_EQ(i.w, sizes[k].w) << sizes[k].name;
        EXPECT_EQ(i.h, sizes[k].h) << sizes[k].name;
        EXPECT_TRUE(premultiplied(i)) << sizes[k].name;
    }
}

}  // namespace

TEST(DataModules, ImagePacksExportEveryImageAtItsSizePremultiplied) {
    expectImages("panelpack", PANEL, sizeof PANEL / sizeof PANEL[0]);
    expectImages("guidepack", GUIDE, sizeof GUIDE / sizeof GUIDE[0]);
    expectImages("buttonpack", BUTTONS, sizeof BUTTONS / sizeof BUTTONS[0]);
    std::vector<Size> levels;
    std::vector<std::string> names;
    for (const char* n : LEVEL_NAMES) names.push_back(std::string("level_") + n);
    for (const std::string& n : names) levels.push_back({n.c_str(), 512, 256});
    expectImages("stagepack", levels.data(), int(levels.size()));
}

TEST(DataModules, PicturesDrawnWithoutBlendingAreOpaqueAndBadgesAreNot) {
    Module panel("panelpack");
    for (const char* opaque : {"dashboard", "slider_background", "slider_empty", "cyclicplate",
                               "xboxpad", "text_rotate", "text_empty"}) {
        Image i = panel.image(opaque);
        ASSERT_NE(i.px, nullptr);
        for (int y = 0; y < i.h; y += 7)
            for (int x = 0; x < i.w; x += 5)
                ASSERT_EQ(i.at(x, y)[3], 255) << opaque << " " << x << "," << y;
    }
    for (const char* badge : {"jobdone", "gameover", "steering_wheel", "slider_knob"}) {
        Image i = panel.image(badge);
        EXPECT_EQ(i.at(0, 0)[3], 0) << badge;                // corner see-through
        EXPECT_GT(i.at(i.w / 2, i.h / 3)[3], 200) << badge;  // body solid
    }
    // Bottom row first: the badge's text ribbon is in the lower half of the picture.
    Image done = panel.image("jobdone");
    EXPECT_GT(done.at(256, 320)[1], done.at(256, 320)[0]);  // green ribbon, read top-down
}

TEST(DataModules, LeverLabelsCarryTheirWordsAndTheEmptyPlateNone) {
    Module panel("panelpack");
    auto litPixels = [](const Image& i) {
        int n = 0;
        for (size_t k = 0; k < size_t(i.w) * i.h * 4; k += 4) n += i.px[k] > 160;
        return n;
    };
    EXPECT_EQ(litPixels(panel.image("text_empty")), 0);
    EXPECT_GT(litPixels(panel.image("text_bend")), 60);
    EXPECT_GT(litPixels(panel.image("text_collective")), litPixels(panel.image("text_bend")));
}

TEST(DataModules, TonepackSamplesFitTheMixersLimits) {
    Module tones("tonepack");
    ASSERT_TRUE(tones.loaded());
    for (const char* prefix : {"cycle", "ratchet"}) {
        for (int k = 0; k < 8; k++) {
            std::vector<short> s = tones.sample(prefix + std::to_string(k));
            EXPECT_GT(s.size(), 100u) << prefix << k;
            EXPECT_LE(s.size(), 32767u) << prefix << k;
            if (std::string(prefix) == "ratchet") {
                EXPECT_EQ(s.size() % 2, 0u);
            }
        }
    }
    EXPECT_GE(tones.sample("servo").size(), 7256u);
    EXPECT_EQ(tones.sample("servo").size() % 2, 0u);
    EXPECT_EQ(tones.sample("backupbeep").size() % 2, 0u);
}

TEST(DataModules, ServoSustainJoinsWithoutAClick) {
    std::vector<short> servo = Module("tonepack").sample("servo");
    ASSERT_GE(servo.size(), 7260u);
    // After value 7254/7255 the mixer jumps to 5248: that must sound like the
    // natural continuation at 7256.
    int largestStep = 0;
    for (size_t k = 5248; k + 2 < 7256; k++)
        largestStep = std::max(largestStep, std::abs(servo[k + 2] - servo[k]));
    for (int c = 0; c < 2; c++) {
        EXPECT_LE(std::abs(servo[5248 + c] - servo[7254 + c]), largestStep) << "channel " << c;
        EXPECT_LE(std::abs(servo[5248 + c] - servo[7256 + c]), largestStep / 8) << "channel " << c;
    }
}

TEST(DataModules, BackupBeepIsAnInterruptedTone) {
    std::vector<short> beep = Module("tonepack").sample("backupbeep");
    size_t frames = beep.size() / 2;
    ASSERT_EQ(frames, 11025u);
    int crossings = 0;
    for (size_t f = 1; f < frames / 2; f++) crossings += (beep[2 * f - 2] < 0) != (beep[2 * f] < 0);
    double hz = crossings / 2.0 / (frames / 2 / 11025.0);
    EXPECT_NEAR(hz, 1100.0, 80.0);
    for (size_t f = frames / 2 + 10; f < frames; f++) ASSERT_EQ(beep[2 * f], 0);  // the gap
}
