#include "render/smoothing.h"

#include <gtest/gtest.h>

TEST(EdgeSmoothingPath, SoftwareRasterisersDrawSmoothedLinesWithoutSamples) {
    for (const char* name : {"llvmpipe (LLVM 15.0.6, 256 bits)", "softpipe", "swrast",
                             "Software Rasterizer", "LLVMPIPE"}) {
        EXPECT_TRUE(smoothing_isSoftwareRenderer(name)) << name;
        EXPECT_EQ(smoothing_forRenderer(name), SMOOTH_LINES) << name;
    }
}

TEST(EdgeSmoothingPath, HardwareAndUnknownRenderersKeepMultisampling) {
    for (const char* name : {"Mesa Intel(R) UHD Graphics 620 (KBL GT2)",
                             "AMD Radeon RX 580 Series (radeonsi, polaris10, LLVM 15.0.6)",
                             "NVIDIA GeForce GTX 1060/PCIe/SSE2", "virgl", "", "llvm"}) {
        EXPECT_FALSE(smoothing_isSoftwareRenderer(name)) << name;
        EXPECT_EQ(smoothing_forRenderer(name), SMOOTH_MULTISAMPLE) << name;
    }
    EXPECT_EQ(smoothing_forRenderer(nullptr), SMOOTH_MULTISAMPLE) << "no context to ask";
}
