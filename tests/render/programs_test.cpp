#include <gtest/gtest.h>

#include <string>

#include "render/gl_programs.h"
#include "render/gl_shaders.h"
#include "render/rendercontext.h"
#include "tests/render/harness.h"

namespace {

const char* const PLAIN_VERTEX = "attribute vec4 position; void main() { gl_Position = position; }";
const char* const PLAIN_FRAGMENT = "void main() { gl_FragColor = vec4(1.0); }";
const char* const BROKEN = "void main() { gl_Position = nonsense; }";
// Compiles on its own, but the fragment stage reads a varying nobody writes.
const char* const UNMATCHED_FRAGMENT =
    "varying vec4 missing; void main() { gl_FragColor = missing; }";

class Programs : public ::testing::Test {
   protected:
    static void SetUpTestSuite() { opened = harness_openWindow(64, 64, 0); }
    static void TearDownTestSuite() {
        if (opened) harness_close();
    }
    void SetUp() override { ASSERT_TRUE(opened) << "no window"; }
    static bool opened;
};
bool Programs::opened = false;

std::string captured(void (*action)()) {
    testing::internal::CaptureStdout();
    action();
    return testing::internal::GetCapturedStdout();
}

}  // namespace

TEST_F(Programs, AllFourLoadAndTheirUniformsAreFound) {
    depthTextureSupported = true;
    ASSERT_TRUE(loadPrograms());
    const GlPrograms& p = glPrograms();
    EXPECT_NE(p.main, 0u);
    EXPECT_NE(p.shadow, 0u);
    EXPECT_NE(p.edge, 0u);
    EXPECT_NE(p.hud, 0u);
    const RenderContext& rc = renderContext();
    for (int location :
         {rc.mainModelCamViewProj, rc.mainModelLightViewProj, rc.mainModelLightView,
          rc.mainBaseColour, rc.mainShadowMap, rc.mainFogIntensity, rc.shadowModelLightViewProj,
          rc.edgeModelCamViewProj, rc.edgeLineColour, rc.edgeFogIntensity, rc.hudTextureMap,
          rc.hudTranslation, rc.hudRotX, rc.hudRotY}) {
        EXPECT_GE(location, 0);
    }
    EXPECT_EQ(attributeLocation(p.main, "rgb"), 2);
    EXPECT_EQ(attributeLocation(p.main, "surfacenormal"), 1);
    EXPECT_EQ(attributeLocation(p.hud, "uv"), 1);
    EXPECT_EQ(attributeLocation(p.edge, "position"), 0);
}

TEST_F(Programs, ShadowNDTTakesTheShadowBindingsAndCompilesOnTheDesktop) {
    renderContext().shadowModelLightViewProj = -7;
    GLuint program = 0;
    ASSERT_TRUE(loadProgram("ShadowNDT", &program, SHADOW_NDT_VERTEX, SHADOW_NDT_FRAGMENT));
    EXPECT_GE(renderContext().shadowModelLightViewProj, 0);
    EXPECT_EQ(attributeLocation(program, "position"), 0);
}

TEST_F(Programs, WithoutDepthTexturesTheColourShadowProgramIsLoaded) {
    std::string out = captured([] { probeExtensions("GL_ARB_texture_float GL_EXT_vertex_array"); });
    EXPECT_FALSE(depthTextureSupported);
    EXPECT_NE(out.find("Does not support depth textures.\n"), std::string::npos) << out;
    EXPECT_NE(out.find("Does support vertex array.\n"), std::string::npos) << out;
    out = captured([] { EXPECT_TRUE(loadPrograms()); });
    EXPECT_NE(out.find("Compiled vertex shader ShadowNDT\n"), std::string::npos) << out;
    out = captured([] { probeExtensions("GL_ARB_depth_texture"); });
    EXPECT_TRUE(depthTextureSupported);
    EXPECT_NE(out.find("Does support depth textures.\n"), std::string::npos);
}

TEST_F(Programs, BrokenShaderIsReportedWithItsLog) {
    std::string out = captured([] {
        GLuint program = 0;
        EXPECT_FALSE(loadProgram("Broken", &program, BROKEN, PLAIN_FRAGMENT));
    });
    EXPECT_NE(out.find("Shader compile log:\n"), std::string::npos) << out;
    EXPECT_NE(out.find("ERR Failed to compile vertex shader Broken\n"), std::string::npos) << out;
    out = captured([] {
        GLuint program = 0;
        EXPECT_FALSE(loadProgram("Broken", &program, PLAIN_VERTEX, BROKEN));
    });
    EXPECT_NE(out.find("Compiled vertex shader Broken\n"), std::string::npos) << out;
    EXPECT_NE(out.find("ERR Failed to compile fragment shader Broken\n"), std::string::npos);
    out = captured([] {
        GLuint shader = 0;
        EXPECT_FALSE(compileShader(&shader, GL_FRAGMENT_SHADER, nullptr));
    });
    EXPECT_EQ(out, "ERR Failed to load vertex shader\n");
}

TEST_F(Programs, LinkFailureDeletesTheProgramAndClearsTheHandle) {
    std::string out = captured([] {
        GLuint program = 0;
        EXPECT_FALSE(loadProgram("Unmatched", &program, PLAIN_VERTEX, UNMATCHED_FRAGMENT));
        EXPECT_EQ(program, 0u);
    });
    EXPECT_NE(out.find("Failed to link program Unmatched\n"), std::string::npos) << out;
    EXPECT_EQ(out.find("ERR Failed to link"), std::string::npos);
}

TEST_F(Programs, CleanCompileLeavesNoLogLine) {
    std::string out = captured([] {
        GLuint shader = 0;
        EXPECT_TRUE(compileShader(&shader, GL_VERTEX_SHADER, PLAIN_VERTEX));
        deleteShader(shader);
    });
    EXPECT_EQ(out, "");
}

namespace {

// Draws a square at window depth 'depth' with ShadowNDT into an RGBA8
// texture and reads back the bytes of its centre.
void packedDepthBytes(GLuint program, float depth, unsigned char rgba[4]) {
    glUseProgram(program);
    const float identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    glUniformMatrix4fv(glGetUniformLocation(program, "modellightviewprojmat"), 1, GL_FALSE,
                       identity);
    float z = 2.0f * depth - 1.0f;
    const float square[] = {-1, -1, z, 1, 1, -1, z, 1, 1, 1, z, 1, -1, 1, z, 1};
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 4, GL_FLOAT, GL_FALSE, 0, square);
    glDrawArrays(GL_TRIANGLE_FAN, 0, 4);
    glDisableVertexAttribArray(0);
    glReadPixels(4, 4, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
}

}  // namespace

TEST_F(Programs, ShadowNDTKeepsTwentyFourBitsOfDepthInTheColourChannels) {
    GLuint program = 0;
    ASSERT_TRUE(loadProgram("ShadowNDT", &program, SHADOW_NDT_VERTEX, SHADOW_NDT_FRAGMENT));
    GLuint texture = 0, framebuffer = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, 8, 8, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    glGenFramebuffers(1, &framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture, 0);
    ASSERT_EQ(glCheckFramebufferStatus(GL_FRAMEBUFFER), (GLenum)GL_FRAMEBUFFER_COMPLETE);
    glViewport(0, 0, 8, 8);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    // Ground and the paint on it, 3 mm apart in a 43 m deep light view, and
    // depths near both ends of the range.
    const double depths[] = {0.3, 0.3 + 0.003 / 43.0, 0.000123, 0.5, 0.99999};
    double decoded[5];
    for (int i = 0; i < 5; i++) {
        unsigned char b[4] = {};
        packedDepthBytes(program, (float)depths[i], b);
        decoded[i] = (b[0] + 256.0 * b[1] + 65536.0 * b[2]) / 16777215.0;
        EXPECT_NEAR(decoded[i], depths[i], 4.0 / 16777215.0) << "depth " << depths[i];
        EXPECT_EQ(b[3], 255) << "depth " << depths[i];
    }
    EXPECT_GT(decoded[1], decoded[0]) << "the paint and the ground below it got one depth";
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glDeleteFramebuffers(1, &framebuffer);
    glDeleteTextures(1, &texture);
    glDeleteProgram(program);
}
