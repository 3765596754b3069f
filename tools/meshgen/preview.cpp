// Developer tool: draws each geometry record into a PPM picture with a small
// software rasteriser (back faces culled, flat shading, outline edges drawn
// with a depth test), so shapes can be checked without a window.
//
//   quorvel-meshpreview <folder> [--size N] [--az deg] [--el deg] [name...]
//
// tools/meshgen/preview.sh turns the pictures into a labelled contact sheet.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "geom/records.h"

namespace {

struct V3 {
    double x, y, z;
};
V3 sub(V3 a, V3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
double dot(V3 a, V3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
V3 cross(V3 a, V3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
V3 unit(V3 a) {
    double l = std::sqrt(dot(a, a));
    return {a.x / l, a.y / l, a.z / l};
}

struct Camera {
    V3 right, up, back;  // back points from the scene toward the viewer
    V3 centre;
    double scale;
    int size;
    // Screen x, y in pixels and depth (larger is nearer).
    V3 project(V3 p) const {
        V3 d = sub(p, centre);
        return {size / 2 + dot(d, right) * scale, size / 2 - dot(d, up) * scale, dot(d, back)};
    }
};

struct Picture {
    int size;
    std::vector<unsigned char> rgb;
    std::vector<double> depth;
    explicit Picture(int n) : size(n), rgb(n * n * 3, 235), depth(n * n, -1e30) {}
    void plot(int x, int y, double z, const double* c) {
        if (x < 0 || y < 0 || x >= size || y >= size || z < depth[y * size + x]) return;
        depth[y * size + x] = z;
        for (int k = 0; k < 3; k++) rgb[(y * size + x) * 3 + k] = (unsigned char)(255 * c[k]);
    }
};

V3 at(const float* f) { return {f[0], f[1], f[2]}; }

void fillTriangle(Picture& pic, V3 a, V3 b, V3 c, const double* colour) {
    double area = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
    if (std::fabs(area) < 1e-12) return;
    int x0 = (int)std::floor(std::fmin(a.x, std::fmin(b.x, c.x)));
    int x1 = (int)std::ceil(std::fmax(a.x, std::fmax(b.x, c.x)));
    int y0 = (int)std::floor(std::fmin(a.y, std::fmin(b.y, c.y)));
    int y1 = (int)std::ceil(std::fmax(a.y, std::fmax(b.y, c.y)));
    for (int y = y0; y <= y1; y++)
        for (int x = x0; x <= x1; x++) {
            double px = x + 0.5, py = y + 0.5;
            double wa = ((b.x - px) * (c.y - py) - (b.y - py) * (c.x - px)) / area;
            double wb = ((c.x - px) * (a.y - py) - (c.y - py) * (a.x - px)) / area;
            double wc = 1 - wa - wb;
            if (wa < 0 || wb < 0 || wc < 0) continue;
            pic.plot(x, y, wa * a.z + wb * b.z + wc * c.z, colour);
        }
}

void drawLine(Picture& pic, V3 a, V3 b, double bias) {
    static const double ink[3] = {0.08, 0.08, 0.08};
    int steps = (int)std::fmax(std::fabs(b.x - a.x), std::fabs(b.y - a.y)) + 1;
    for (int i = 0; i <= steps; i++) {
        double t = (double)i / steps;
        pic.plot((int)(a.x + (b.x - a.x) * t), (int)(a.y + (b.y - a.y) * t),
                 a.z + (b.z - a.z) * t + bias, ink);
    }
}

Camera fitCamera(const geomdesc& g, double az, double el, int size) {
    Camera cam;
    cam.back = {std::cos(el) * std::cos(az), std::cos(el) * std::sin(az), std::sin(el)};
    cam.right = unit(cross({0, 0, 1}, cam.back));
    cam.up = cross(cam.back, cam.right);
    V3 lo = {1e30, 1e30, 1e30}, hi = {-1e30, -1e30, -1e30};
    for (int v = 0; v < g.numt * 3; v++) {
        V3 p = at(g.tridata + v * 9);
        lo = {std::fmin(lo.x, p.x), std::fmin(lo.y, p.y), std::fmin(lo.z, p.z)};
        hi = {std::fmax(hi.x, p.x), std::fmax(hi.y, p.y), std::fmax(hi.z, p.z)};
    }
    cam.centre = {(lo.x + hi.x) / 2, (lo.y + hi.y) / 2, (lo.z + hi.z) / 2};
    cam.size = size;
    cam.scale = 1;
    double extent = 1e-6;
    for (int v = 0; v < g.numt * 3; v++) {
        V3 s = cam.project(at(g.tridata + v * 9));
        extent = std::fmax(extent, std::fmax(std::fabs(s.x - size / 2), std::fabs(s.y - size / 2)));
    }
    cam.scale = 0.45 * size / extent;
    return cam;
}

bool render(const geomdesc& g, const std::string& path, double az, double el, int size) {
    Picture pic(size);
    Camera cam = fitCamera(g, az, el, size);
    const V3 light = unit({0.4, -0.6, 0.9});
    for (int t = 0; t < g.numt; t++) {
        const float* v = g.tridata + t * 27;
        V3 n = at(v + 3);
        if (dot(n, cam.back) <= 0) continue;  // back face, or degenerate
        double lit = 0.4 + 0.6 * std::fmax(0.0, dot(n, light));
        double colour[3] = {v[6] * lit, v[7] * lit, v[8] * lit};
        fillTriangle(pic, cam.project(at(v)), cam.project(at(v + 9)), cam.project(at(v + 18)),
                     colour);
    }
    double bias = 0.01 * size / cam.scale;
    for (int e = 0; e < g.nume; e++) {
        const float* s = g.edgedata + e * 6;
        drawLine(pic, cam.project(at(s)), cam.project(at(s + 3)), bias);
    }
    FILE* f = fopen(path.c_str(), "wb");
    if (!f) return false;
    fprintf(f, "P6\n%d %d\n255\n", size, size);
    fwrite(pic.rgb.data(), 1, pic.rgb.size(), f);
    return fclose(f) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr,
                "usage: quorvel-meshpreview <folder> [--size N] [--az deg] [--el deg] [name...]\n");
        return 2;
    }
    std::string dir = argv[1];
    double az = -0.6, el = 0.5;
    int size = 220;
    std::vector<std::string> only;
    for (int i = 2; i < argc; i++) {
        if (!strcmp(argv[i], "--size") && i + 1 < argc)
            size = atoi(argv[++i]);
        else if (!strcmp(argv[i], "--az") && i + 1 < argc)
            az = atof(argv[++i]) * M_PI / 180;
        else if (!strcmp(argv[i], "--el") && i + 1 < argc)
            el = atof(argv[++i]) * M_PI / 180;
        else
            only.push_back(argv[i]);
    }
    if (size < 16 || size > 4096) size = 220;
    int drawn = 0;
    for (int r = 0; r < GEOM_TABLE_COUNT; r++) {
        bool wanted = only.empty();
        for (const std::string& name : only) wanted = wanted || name == geom_names[r];
        if (!wanted) continue;
        std::string path = dir + "/" + geom_names[r] + ".ppm";
        if (!render(*geom_table[r], path, az, el, size)) {
            fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
        drawn++;
    }
    printf("%d pictures in %s\n", drawn, dir.c_str());
    return 0;
}
