// txdbview: loads images from data modules through the texture database with
// the real GL uploader, draws them as quads with the game's premultiplied
// blending over a grey backdrop and saves the window as a PNG. It checks the
// whole path the game uses: module lookup, upload, row order, alpha.
//
// usage: txdbview OUT.png MODULE NAME [NAME...]     (run under X, e.g. xvfb-run)
// clang-format off
#include <epoxy/gl.h>
// After epoxy, which must come before any GL header.
#include <GLFW/glfw3.h>
// clang-format on

#include <cmath>
#include <cstdio>

#include "canvas.h"
#include "pngwrite.h"
#include "render/txdb.h"
#include "render/txdb_gl.h"

int main(int argc, char** argv) {
    if (argc < 4) {
        fprintf(stderr, "usage: txdbview OUT.png MODULE NAME [NAME...]\n");
        return 2;
    }
    const int W = 1024, H = 640;
    if (!glfwInit()) return 1;
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    GLFWwindow* window = glfwCreateWindow(W, H, "txdbview", nullptr, nullptr);
    if (!window) return 1;
    glfwMakeContextCurrent(window);
    txdb_setUploader(txdb_glUploader());
    int count = argc - 3;
    int loaded = txdb_load(argv[2], argv + 3, count);
    printf("loaded %d of %d\n", loaded, count);

    glViewport(0, 0, W, H);
    glClearColor(0.5f, 0.5f, 0.5f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    int cols = (int)std::ceil(std::sqrt((double)count));
    int rows = (count + cols - 1) / cols;
    for (int i = 0; i < count; i++) {
        txdb_bind(argv[3 + i]);
        float cw = 2.0f / cols, ch = 2.0f / rows;
        float x0 = -1 + (i % cols) * cw + 0.02f, y1 = 1 - (i / cols) * ch - 0.02f;
        float x1 = x0 + cw - 0.04f, y0 = y1 - ch + 0.04f;
        glBegin(GL_QUADS);  // texture v = 0 is the exported bottom row
        glTexCoord2f(0, 0);
        glVertex2f(x0, y0);
        glTexCoord2f(1, 0);
        glVertex2f(x1, y0);
        glTexCoord2f(1, 1);
        glVertex2f(x1, y1);
        glTexCoord2f(0, 1);
        glVertex2f(x0, y1);
        glEnd();
    }
    glFinish();
    std::vector<unsigned char> px(W * H * 4);
    glReadPixels(0, 0, W, H, GL_RGBA, GL_UNSIGNED_BYTE, px.data());
    Canvas shot(W, H);
    for (int y = 0; y < H; y++)
        for (int x = 0; x < W; x++)
            for (int k = 0; k < 4; k++)
                shot.px[(size_t(H - 1 - y) * W + x) * 4 + k] =
                    px[(size_t(y) * W + x) * 4 + k] / 255.0f;
    bool ok = writePng(argv[1], shot);
    glfwTerminate();
    return ok && loaded == count ? 0 : 1;
}
