// txdbview: loads images from data modules through the texture database with
// the real GL uploader, draws them with the game's own 2D layer (Hud program,
// premultiplied blending) over a grey backdrop and saves the window as a PNG.
// It checks the whole path the game uses: module lookup, upload, row order,
// alpha.
//
// usage: txdbview OUT.png MODULE NAME [NAME...]     (run under X, e.g. xvfb-run)
#include <cmath>
#include <cstdio>

#include "canvas.h"
#include "pngwrite.h"
#include "render/draw2d.h"
#include "render/gl_programs.h"
#include "render/glcontext.h"
#include "render/txdb.h"
#include "shell/window.h"

int main(int argc, char** argv) {
    if (argc < 4) {
        fprintf(stderr, "usage: txdbview OUT.png MODULE NAME [NAME...]\n");
        return 2;
    }
    const int W = 1024, H = 640;
    if (!window_open(WindowOptions{W, H, 0, 0, true, false, "txdbview", false})) return 1;
    if (!loadPrograms()) return 1;
    draw2d_init();
    int count = argc - 3;
    int loaded = txdb_load(argv[2], argv + 3, count);
    printf("loaded %d of %d\n", loaded, count);

    RenderContext& rc = renderContext();
    draw2d_viewport(0, 0, W, H);
    draw2d_clear(0.5f, 0.5f, 0.5f);
    draw2d_useImages();
    draw2d_blend(true);
    int cols = (int)std::ceil(std::sqrt((double)count));
    int rows = (count + cols - 1) / cols;
    for (int i = 0; i < count; i++) {
        float cw = 2.0f / cols, ch = 2.0f / rows;
        float x0 = -1 + (i % cols) * cw + 0.02f, y1 = 1 - (i / cols) * ch - 0.02f;
        float x1 = x0 + cw - 0.04f, y0 = y1 - ch + 0.04f;
        // Texture v = 0 is the exported bottom row.
        drawImage(argv[3 + i], rc, {0.5f * (x0 + x1), 0.5f * (y0 + y1)}, {0.5f * (x1 - x0), 0.0f},
                  {0.0f, 0.5f * (y1 - y0)});
    }
    context_finish();
    std::vector<unsigned char> px = context_readBack(0, 0, W, H);
    Canvas shot(W, H);
    for (int y = 0; y < H; y++) {
        for (int x = 0; x < W; x++) {
            float* out = &shot.px[(size_t(H - 1 - y) * W + x) * 4];
            for (int k = 0; k < 3; k++) out[k] = px[(size_t(y) * W + x) * 3 + k] / 255.0f;
            out[3] = 1.0f;  // an opaque backdrop stays opaque under premultiplied blending
        }
    }
    bool ok = writePng(argv[1], shot);
    window_shutDown();
    return ok && loaded == count ? 0 : 1;
}
