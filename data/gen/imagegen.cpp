// Draws the images of one data module and writes its sources, or draws every
// module's images into one contact sheet PNG (each image on a checkerboard
// so transparency shows, its name beneath).
//
// usage: imagegen OUTDIR MODULE      (panelpack, guidepack, stagepack, buttonpack)
//        imagegen --sheet OUT.png
//        imagegen --png NAME OUT.png     (one image at full size)
//        imagegen --icon SIZE OUT.png    (the game's icon, SIZE x SIZE)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "images.h"
#include "modwriter.h"
#include "pngwrite.h"

namespace {

const PackDef* findPack(const char* module) {
    for (const PackDef* p : {&panelPack(), &guidePack(), &stagePack(), &buttonPack()})
        if (strcmp(p->module, module) == 0) return p;
    return nullptr;
}

std::vector<unsigned char> render(const ImageDef& image) {
    Canvas c(image.width, image.height);
    image.draw(c);
    return exportPixels(c);
}

int writeModule(const char* dir, const PackDef& pack) {
    ModuleWriter w;
    for (const ImageDef& image : pack.images) {
        std::vector<unsigned char> pixels = render(image);
        mw_addArray(w, image.name, pixels.data(), pixels.size());
        mw_addInt(w, image.name + "_w", image.width);
        mw_addInt(w, image.name + "_h", image.height);
    }
    return mw_write(w, dir, pack.module) ? 0 : 1;
}

// Lays the images out in rows, scaled down to fit a cell when large.
int writeSheet(const char* path) {
    const int SHEET_W = 1600, CELL = 256, LABEL = 22;
    struct Placed {
        const ImageDef* image;
        int x, y, w, h;
    };
    std::vector<Placed> placed;
    int x = 8, y = 8, rowH = 0;
    for (const PackDef* p : {&panelPack(), &guidePack(), &stagePack(), &buttonPack()}) {
        for (const ImageDef& image : p->images) {
            float scale = std::min(1.0f, float(CELL) / std::max(image.width, image.height));
            if (image.width > 600) scale = std::min(1.0f, 512.0f / image.width);
            int w = int(image.width * scale), h = int(image.height * scale);
            if (x + w > SHEET_W - 8) {
                x = 8;
                y += rowH + LABEL + 8;
                rowH = 0;
            }
            placed.push_back({&image, x, y, w, h});
            x += std::max(w, 130) + 10;
            rowH = std::max(rowH, h);
        }
    }
    int sheetH = y + rowH + LABEL + 8;
    Canvas sheet(SHEET_W, sheetH);
    fill(sheet, roundRect(SHEET_W / 2.0f, sheetH / 2.0f, SHEET_W, sheetH, 0), hex(0x606060));
    for (const Placed& p : placed) {
        std::vector<unsigned char> pixels = render(*p.image);  // bottom row first
        for (int py = 0; py < p.h; py++) {
            for (int px = 0; px < p.w; px++) {
                int sx = px * p.image->width / p.w, sy = py * p.image->height / p.h;
                const unsigned char* s =
                    &pixels[(size_t(p.image->height - 1 - sy) * p.image->width + sx) * 4];
                float check = ((px / 8 + py / 8) % 2) ? 0.8f : 0.6f;
                float a = s[3] / 255.0f;
                float* d = &sheet.px[(size_t(p.y + py) * SHEET_W + p.x + px) * 4];
                for (int k = 0; k < 3; k++) d[k] = s[k] / 255.0f + check * (1 - a);
                d[3] = 1.0f;
            }
        }
        std::string label = p.image->name;
        std::transform(label.begin(), label.end(), label.begin(), ::toupper);
        fill(sheet, text(label, float(p.x), p.y + p.h + 11.0f, 7, 12, 0.7f, ALIGN_LEFT),
             hex(0xffffff));
    }
    return writePng(path, sheet) ? 0 : 1;
}

int writeOne(const char* name, const char* path) {
    for (const PackDef* p : {&panelPack(), &guidePack(), &stagePack(), &buttonPack()}) {
        for (const ImageDef& image : p->images) {
            if (image.name != name) continue;
            Canvas c(image.width, image.height);
            image.draw(c);
            return writePng(path, c) ? 0 : 1;
        }
    }
    fprintf(stderr, "imagegen: no image %s\n", name);
    return 2;
}

int writeIcon(const char* size, const char* path) {
    int n = atoi(size);
    if (n < 16 || n > 1024) {
        fprintf(stderr, "imagegen: icon size %s is not within 16..1024\n", size);
        return 2;
    }
    Canvas c(n, n);
    drawIcon(c);
    return writePng(path, c) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && strcmp(argv[1], "--sheet") == 0) return writeSheet(argv[2]);
    if (argc == 4 && strcmp(argv[1], "--png") == 0) return writeOne(argv[2], argv[3]);
    if (argc == 4 && strcmp(argv[1], "--icon") == 0) return writeIcon(argv[2], argv[3]);
    if (argc != 3) {
        fprintf(stderr,
                "usage: imagegen OUTDIR MODULE | imagegen --sheet OUT.png | imagegen --png NAME "
                "OUT.png | imagegen --icon SIZE OUT.png\n");
        return 2;
    }
    const PackDef* pack = findPack(argv[2]);
    if (!pack) {
        fprintf(stderr, "imagegen: unknown module %s\n", argv[2]);
        return 2;
    }
    return writeModule(argv[1], *pack);
}
