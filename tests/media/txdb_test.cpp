#include "render/txdb.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bus/diag.h"

namespace {

struct Upload {
    int width, height;
    std::vector<unsigned char> pixels;
};
std::vector<Upload> uploads;
std::vector<unsigned> binds;
std::vector<std::string> asserts;

unsigned recordCreate(const unsigned char* rgba, int w, int h) {
    uploads.push_back({w, h, std::vector<unsigned char>(rgba, rgba + w * h * 4)});
    return 100 + uploads.size();
}
void recordBind(unsigned texture) { binds.push_back(texture); }
const TxdbUploader recorder = {recordCreate, recordBind};

void recordAssert(const char*, int, const char* expression) { asserts.push_back(expression); }

class Txdb : public ::testing::Test {
   protected:
    void SetUp() override {
        txdb_clear();
        txdb_setUploader(&recorder);
        uploads.clear();
        binds.clear();
        asserts.clear();
        oldHook = setAssertHook(recordAssert);
    }
    void TearDown() override {
        setAssertHook(oldHook);
        txdb_setUploader(nullptr);
        txdb_clear();
    }
    AssertHook oldHook = nullptr;
};

const char* const RED[] = {"red"};

}  // namespace

TEST_F(Txdb, MissingModuleIsReportedAndLoadsNothing) {
    const char* names[] = {"red", "blue"};
    testing::internal::CaptureStdout();
    EXPECT_EQ(txdb_load("nosuchpack", names, 2), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Could not load nosuchpack\n");
    EXPECT_EQ(txdb_size(), 0);
    EXPECT_TRUE(uploads.empty());
}

TEST_F(Txdb, MissingImageIsSkippedAndTheOthersLoad) {
    const char* names[] = {"red", "gone", "blue"};
    testing::internal::CaptureStdout();
    EXPECT_EQ(txdb_load("testpack", names, 3), 2);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Could not get symbol gone from testpack\n");
    EXPECT_EQ(txdb_size(), 2);
    EXPECT_NE(txdb_texture("red"), 0u);
    EXPECT_NE(txdb_texture("blue"), 0u);
    EXPECT_EQ(txdb_texture("gone"), 0u);
}

TEST_F(Txdb, UploadGetsTheExportedPixelsAndSize) {
    ASSERT_EQ(txdb_load("testpack", RED, 1), 1);
    ASSERT_EQ(uploads.size(), 1u);
    EXPECT_EQ(uploads[0].width, 2);
    EXPECT_EQ(uploads[0].height, 2);
    ASSERT_EQ(uploads[0].pixels.size(), 16u);
    EXPECT_EQ(uploads[0].pixels[0], 255);
    EXPECT_EQ(uploads[0].pixels[8], 128);  // premultiplied half-transparent red
    EXPECT_EQ(uploads[0].pixels[11], 128);
}

TEST_F(Txdb, NameLoadedTwiceIsStoredTwiceAndBindsTheFirst) {
    ASSERT_EQ(txdb_load("testpack", RED, 1), 1);
    unsigned first = txdb_texture("red");
    ASSERT_EQ(txdb_load("testpack", RED, 1), 1);
    EXPECT_EQ(txdb_size(), 2);
    txdb_bind("red");
    ASSERT_EQ(binds.size(), 1u);
    EXPECT_EQ(binds[0], first);
}

TEST_F(Txdb, UnknownNameIsReportedAndLeavesTheBindingAlone) {
    txdb_load("testpack", RED, 1);
    testing::internal::CaptureStdout();
    txdb_bind("Red");  // names are case-sensitive
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "ERR Texture 'Red' not stored in txdb.\n");
    EXPECT_TRUE(binds.empty());
}

TEST_F(Txdb, EachUnknownNameIsReportedOnceHoweverOftenItIsBound) {
    // Without panelpack the HUD binds its 25 images every frame.
    testing::internal::CaptureStdout();
    for (int frame = 0; frame < 80; frame++) {
        txdb_bind("dashboard");
        txdb_bind("slider_knob");
    }
    char madeUp[16] = "dashboard";  // the same name from another buffer
    txdb_bind(madeUp);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "ERR Texture 'dashboard' not stored in txdb.\n"
              "ERR Texture 'slider_knob' not stored in txdb.\n");
    EXPECT_TRUE(binds.empty());
    // A fresh database reports again.
    txdb_clear();
    testing::internal::CaptureStdout();
    txdb_bind("dashboard");
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "ERR Texture 'dashboard' not stored in txdb.\n");
}

TEST_F(Txdb, ImageWithoutWidthFailsTheSizeAssertion) {
    const char* names[] = {"nowidth", "blue"};
    testing::internal::CaptureStdout();
    int loaded = txdb_load("testpack", names, 2);
    std::string out = testing::internal::GetCapturedStdout();
    ASSERT_EQ(asserts.size(), 1u);
    EXPECT_EQ(asserts[0], "szw");
    EXPECT_NE(out.find("ERR ASSERT FAILED at Base/C/txdb_mswin("), std::string::npos);
    EXPECT_EQ(loaded, 1);  // only when the assertion does not stop the program
}

TEST_F(Txdb, NinetySeventhTextureFailsTheCapacityAssertion) {
    for (int i = 0; i < TXDB_MAX_SZ; i++) ASSERT_EQ(txdb_load("testpack", RED, 1), 1);
    EXPECT_TRUE(asserts.empty());
    testing::internal::CaptureStdout();
    EXPECT_EQ(txdb_load("testpack", RED, 1), 0);
    testing::internal::GetCapturedStdout();
    ASSERT_EQ(asserts.size(), 1u);
    EXPECT_EQ(asserts[0], "txdb_sz < TXDB_MAX_SZ");
    EXPECT_EQ(txdb_size(), TXDB_MAX_SZ);
    EXPECT_EQ(uploads.size(), size_t(TXDB_MAX_SZ));  // no texture made for the refused one
}

TEST_F(Txdb, DeferredImagesAreMadeOnceWhenFirstBoundFromTheModulesOwnPixels) {
    const char* names[] = {"red", "gone", "blue"};
    testing::internal::CaptureStdout();
    EXPECT_EQ(txdb_loadDeferred("testpack", names, 3), 2);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Could not get symbol gone from testpack\n")
        << "a missing image is found out at load, as without deferring";
    EXPECT_EQ(txdb_size(), 2);
    EXPECT_TRUE(uploads.empty()) << "nothing is made before it is shown";

    unsigned blue = txdb_texture("blue");
    txdb_bind("blue");
    ASSERT_EQ(uploads.size(), 1u);
    // The module is still loaded for red: its pixels are the exported ones.
    txdb_bind("red");
    ASSERT_EQ(uploads.size(), 2u);
    EXPECT_EQ(uploads[1].width, 2);
    ASSERT_EQ(uploads[1].pixels.size(), 16u);
    EXPECT_EQ(uploads[1].pixels[0], 255);
    EXPECT_EQ(uploads[1].pixels[8], 128);
    txdb_bind("red");
    txdb_bind("blue");
    EXPECT_EQ(uploads.size(), 2u) << "each texture is made once";
    EXPECT_EQ(binds, (std::vector<unsigned>{blue, 102, 102, blue}));
}

TEST_F(Txdb, DeferredImagesKeepTheCapacityAndClearingDropsThem) {
    for (int i = 0; i < TXDB_MAX_SZ; i++) ASSERT_EQ(txdb_loadDeferred("testpack", RED, 1), 1);
    testing::internal::CaptureStdout();
    EXPECT_EQ(txdb_loadDeferred("testpack", RED, 1), 0);
    testing::internal::GetCapturedStdout();
    ASSERT_EQ(asserts.size(), 1u);
    EXPECT_EQ(asserts[0], "txdb_sz < TXDB_MAX_SZ");
    // Modules still held for never-shown images are let go with the entries.
    txdb_clear();
    EXPECT_EQ(txdb_size(), 0);
    ASSERT_EQ(txdb_loadDeferred("testpack", RED, 1), 1);
    txdb_bind("red");
    EXPECT_EQ(uploads.size(), 1u);
}
