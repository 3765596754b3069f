#include "tools/levelsheet/picture.h"

#include <gtest/gtest.h>

namespace {

const unsigned char SKY_R = 158, SKY_G = 153, SKY_B = 230;
const int W = 120, H = 80;
const PixelRect SCENE = {0, 20, W, H - 20};
const PixelRect HUD = {0, 0, W, 20};

void fill(Picture& p, PixelRect r, int seed) {
    for (int y = r.y; y < r.y + r.h; y++)
        for (int x = r.x; x < r.x + r.w; x++) {
            unsigned char* px = &p.rgb[((size_t)y * p.width + x) * 3];
            px[0] = (unsigned char)((x * 7 + seed) * 13);
            px[1] = (unsigned char)((y * 11 + seed) * 5);
            px[2] = (unsigned char)((x + y) * 3);
        }
}

// Sky in the top half of the scene, a varied ground below, a drawn HUD.
Picture goodFrame() {
    Picture p = picture_make(W, H, SKY_R, SKY_G, SKY_B);
    fill(p, PixelRect{0, 20, W, 30}, 1);
    fill(p, HUD, 2);
    return p;
}

unsigned char red(const Picture& p, int x, int y) { return p.rgb[((size_t)y * p.width + x) * 3]; }

}  // namespace

TEST(PictureJudge, FrameWithSkySceneAndHudPasses) {
    PictureVerdict v = picture_judge(goodFrame(), SCENE, HUD);
    EXPECT_TRUE(v.ok) << v.reason;
    EXPECT_NEAR(v.skyShare, 0.5f, 0.01f);
}

TEST(PictureJudge, EmptyFramesAreCaught) {
    // What a failed draw leaves: the window black, or just the clear colour.
    EXPECT_EQ(picture_judge(picture_make(W, H, 0, 0, 0), SCENE, HUD).reason, "no sky");
    Picture skyOnly = picture_make(W, H, SKY_R, SKY_G, SKY_B);
    fill(skyOnly, HUD, 2);
    EXPECT_EQ(picture_judge(skyOnly, SCENE, HUD).reason, "nothing but sky");

    Picture flat = picture_make(W, H, SKY_R, SKY_G, SKY_B);
    PixelRect ground = {0, 20, W, 30};
    Picture grey = picture_make(ground.w, ground.h, 90, 90, 90);
    picture_paste(flat, grey, ground.x, ground.y);
    fill(flat, HUD, 2);
    EXPECT_EQ(picture_judge(flat, SCENE, HUD).reason, "scene is nearly flat");
}

TEST(PictureJudge, MissingOrFlatHudIsCaught) {
    Picture p = goodFrame();
    picture_paste(p, picture_make(W, 20, 0, 0, 0), 0, 0);
    EXPECT_EQ(picture_judge(p, SCENE, HUD).reason, "HUD strip is empty");
    picture_paste(p, picture_make(W, 20, 200, 180, 60), 0, 0);
    EXPECT_EQ(picture_judge(p, SCENE, HUD).reason, "HUD strip is flat");
}

TEST(PictureJudge, SkyCountsDespiteSmallDeviationsOnly) {
    Picture p = goodFrame();
    // A sky a little off (fog, multisampling) still counts; a blue wall does not.
    picture_paste(p, picture_make(W, 30, SKY_R + 4, SKY_G - 4, SKY_B), 0, 50);
    EXPECT_NEAR(picture_judge(p, SCENE, HUD).skyShare, 0.5f, 0.01f);
    picture_paste(p, picture_make(W, 30, SKY_R, SKY_G, SKY_B - 40), 0, 50);
    EXPECT_EQ(picture_judge(p, SCENE, HUD).reason, "no sky");
}

TEST(PictureJudge, RectsOutsideThePictureFailInsteadOfReadingPastIt) {
    PixelRect outside = {W + 10, 0, 50, 50};
    PictureVerdict v = picture_judge(goodFrame(), outside, HUD);
    EXPECT_FALSE(v.ok);
    // Partly outside: clipped to what exists.
    PixelRect tall = {0, 20, W, H};
    EXPECT_TRUE(picture_judge(goodFrame(), tall, HUD).ok);
}

TEST(PictureShrink, AveragesEachBlockAndDropsTheRemainder) {
    Picture p = picture_make(5, 4, 0, 0, 0);
    // Left 2x2 block: 0, 100, 100, 201 -> mean 100.25 rounds to 100.
    p.rgb[(0 * 5 + 1) * 3] = 100;
    p.rgb[(1 * 5 + 0) * 3] = 100;
    p.rgb[(1 * 5 + 1) * 3] = 201;
    p.rgb[(0 * 5 + 4) * 3] = 255;  // in the dropped column
    Picture s = picture_shrink(p, 2);
    ASSERT_EQ(s.width, 2);
    ASSERT_EQ(s.height, 2);
    EXPECT_EQ(red(s, 0, 0), 100);
    EXPECT_EQ(red(s, 1, 0), 0);
}

TEST(PicturePaste, ClipsAtEveryEdge) {
    Picture target = picture_make(4, 4, 0, 0, 0);
    Picture dot = picture_make(3, 3, 9, 9, 9);
    picture_paste(target, dot, -2, 2);  // only its lower right part lands
    EXPECT_EQ(red(target, 0, 2), 9);
    EXPECT_EQ(red(target, 0, 3), 9);
    EXPECT_EQ(red(target, 1, 2), 0);
    picture_paste(target, dot, 3, -2);
    EXPECT_EQ(red(target, 3, 0), 9);
    EXPECT_EQ(red(target, 2, 0), 0);
}
