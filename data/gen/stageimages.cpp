// Menu pictures: one 512 x 256 picture per level with its name and a sketch
// of the job, the sandbox's five toys in five fifths, and the menu buttons;
// and the game's icon, drawn in the same style.
#include <cmath>
#include <string>

#include "images.h"

namespace {

const RGBA INK = hex(0x1a1d22), WHITE = hex(0xffffff), YELLOW = hex(0xf2b632);
const RGBA CRATE = hex(0xb07a3a), STEEL = hex(0x8a949e), CONCRETE = hex(0xb9b4aa);
const RGBA SKY_TOP = hex(0x74b9e8), SKY_LOW = hex(0xd7ecf8);
const RGBA GRASS_TOP = hex(0x8fbf5a), GRASS_LOW = hex(0x5c8a34);
const float GROUND = 196;  // ground line of the sketches
const float PI = 3.14159265f;

void box(Canvas& c, float cx, float bottom, float w, float h, RGBA col, float angle = 0) {
    float ca = std::cos(angle), sa = std::sin(angle), hw = w / 2, hh = h / 2;
    float mx = cx, my = bottom - hh;
    std::vector<float> p;
    for (auto [dx, dy] : {std::pair{-hw, -hh}, {hw, -hh}, {hw, hh}, {-hw, hh}}) {
        p.push_back(mx + dx * ca - dy * sa);
        p.push_back(my + dx * sa + dy * ca);
    }
    fill(c, grow(polygon(p), 1.5f), INK);
    fill(c, polygon(p), col);
}

void ball(Canvas& c, float x, float y, float r, RGBA col) {
    fill(c, circle(x, y, r + 1.5f), INK);
    fill(c, circle(x, y, r),
         radial(x - r / 3, y - r / 3, r * 1.6f, shade(col, 1.4f), shade(col, 0.6f)));
}

struct Spot {
    float x, y;
};

// The crane truck in side view, facing right, its arm at 'lift' radians.
// Returns the bottom middle of the grapple.
Spot truck(Canvas& c, float x, float ground, float s, float lift, RGBA paint = hex(0xf2b632)) {
    auto P = [&](float v) { return v * s; };
    box(c, x - P(10), ground - P(14), P(110), P(24), paint);              // bed
    box(c, x + P(52), ground - P(14), P(30), P(40), shade(paint, 0.9f));  // cab
    box(c, x + P(56), ground - P(38), P(16), P(12), hex(0x9fd3ff));       // window
    for (float wx : {-45.0f, -18.0f, 48.0f}) {
        fill(c, circle(x + P(wx), ground - P(11), P(12)), INK);
        fill(c, circle(x + P(wx), ground - P(11), P(5)), STEEL);
    }
    float bx = x + P(20), by = ground - P(40);
    float ex = bx - std::cos(lift) * P(70), ey = by - std::sin(lift) * P(70);
    fill(c, segment(bx, by, ex, ey, P(5)), shade(paint, 0.75f));
    fill(c, segment(ex, ey, ex - P(40), ey + P(10), P(4)), shade(paint, 0.75f));
    fill(c, segment(ex - P(40), ey + P(10), ex - P(40), ey + P(30), P(1.5f)), INK);
    fill(c, roundRect(ex - P(40), ey + P(34), P(7), P(4), P(2)), INK);
    return {ex - P(40), ey + P(38)};
}

void tree(Canvas& c, float x, float ground, float s) {
    fill(c, roundRect(x, ground - 10 * s, 3 * s, 10 * s, 1), hex(0x6b4a2b));
    fill(c, polygon({x - 16 * s, ground - 14 * s, x + 16 * s, ground - 14 * s, x, ground - 60 * s}),
         hex(0x2f7d32));
}

// Level sketches: each draws the job over sky and ground.
void parkinglot(Canvas& c) {
    for (float x : {150.0f, 190.0f, 330.0f, 370.0f}) {
        fill(c, roundRect(x, GROUND - 22, 3, 22, 1), hex(0xe8590c));
        fill(c, roundRect(x, GROUND - 40, 3, 3, 1), WHITE);
    }
    truck(c, 260, GROUND, 0.9f, 0.2f);
}
void court(Canvas& c) {
    fill(c, roundRect(420, GROUND - 60, 3, 60, 1), INK);
    fill(c, ring(404, GROUND - 100, 14, 2), hex(0xe8590c));
    fill(c, roundRect(420, GROUND - 110, 2, 22, 1), WHITE);
    ball(c, 330, GROUND - 12, 12, hex(0xf0f0f0));
    truck(c, 190, GROUND, 1.0f, 0.5f);
}
void lockdown(Canvas& c) {
    box(c, 380, GROUND, 150, 120, hex(0x6b7380));
    box(c, 380, GROUND, 80, 90, hex(0x3d434c));
    for (float x : {350.0f, 410.0f}) box(c, x, GROUND - 40, 10, 14, hex(0xc92a2a));
    truck(c, 170, GROUND, 0.9f, 0.3f);
}
void seesaw(Canvas& c) {
    box(c, 300, GROUND, 20, 24, STEEL);
    box(c, 300, GROUND - 24, 220, 8, CRATE, -0.18f);
    box(c, 240, GROUND - 38, 36, 30, hex(0x495057));
    box(c, 460, GROUND, 70, 70, CONCRETE);
    ball(c, 450, GROUND - 82, 10, hex(0xf0f0f0));
    truck(c, 110, GROUND, 0.7f, 0.4f);
}
void trainlot(Canvas& c) {
    fill(c, roundRect(256, GROUND - 2, 256, 3, 0), INK);
    box(c, 350, GROUND - 6, 140, 40, hex(0x2f7de1));
    for (float x : {300.0f, 400.0f}) fill(c, circle(x, GROUND - 6, 8), INK);
    box(c, 470, GROUND, 60, 90, hex(0x3d434c));
    box(c, 330, GROUND - 46, 30, 26, CRATE);
    truck(c, 130, GROUND, 0.8f, 0.5f);
}
void bridge(Canvas& c) {
    fill(c, roundRect(256, 226, 256, 30, 0), hex(0x4dabf7));
    box(c, 90, GROUND, 180, 20, CONCRETE);
    box(c, 440, GROUND, 150, 20, CONCRETE);
    box(c, 300, GROUND + 30, 12, 50, CONCRETE);
    box(c, 330, GROUND - 60, 80, 10, STEEL, 0.1f);
    truck(c, 110, GROUND - 20, 0.75f, 0.4f);
}
void stackem(Canvas& c) {
    fill(c, roundRect(400, GROUND - 1, 90, 3, 0), YELLOW);
    box(c, 370, GROUND, 70, 30, hex(0xc92a2a));
    box(c, 440, GROUND, 70, 30, hex(0x2f7de1));
    box(c, 400, GROUND - 30, 70, 30, hex(0x2f9e44));
    box(c, 190, GROUND - 6, 120, 14, STEEL);
    truck(c, 130, GROUND, 0.7f, 0.3f);
}
void temple(Canvas& c) {
    for (float x : {320.0f, 370.0f, 420.0f, 470.0f}) box(c, x, GROUND, 18, 90, CONCRETE);
    box(c, 395, GROUND - 90, 190, 12, CONCRETE);
    fill(c, polygon({300, GROUND - 102, 490, GROUND - 102, 395, GROUND - 140}),
         shade(CONCRETE, 0.9f));
    truck(c, 150, GROUND, 0.9f, 0.6f);
}
void hazard(Canvas& c) {
    for (float x : {330.0f, 380.0f}) {
        box(c, x, GROUND, 34, 46, YELLOW);
        fill(c, polygon({x - 10, GROUND - 16, x + 10, GROUND - 16, x, GROUND - 34}), INK);
    }
    box(c, 460, GROUND - 10, 90, 10, STEEL, -0.2f);
    truck(c, 150, GROUND, 0.9f, 0.4f);
}
void luxor(Canvas& c) {
    fill(c, polygon({300, GROUND, 500, GROUND, 400, GROUND - 140}), hex(0xe0b86a));
    fill(c, roundRect(400, GROUND - 20, 16, 20, 3), INK);
    box(c, 300, GROUND, 60, 20, hex(0xc9a227));
    truck(c, 140, GROUND, 0.85f, 0.4f);
}
void babel(Canvas& c) {
    for (int i = 0; i < 6; i++) box(c, 400 + (i % 2) * 4, GROUND - i * 22, 44, 22, CRATE);
    box(c, 280, GROUND, 44, 22, CRATE);
    truck(c, 140, GROUND, 0.85f, 0.9f);
}
void factory(Canvas& c) {
    box(c, 330, GROUND - 20, 150, 8, INK);
    for (float x : {280.0f, 320.0f, 360.0f})
        box(c, x, GROUND - 28, 18, 18, x == 320 ? hex(0xc92a2a) : hex(0x2f9e44));
    box(c, 450, GROUND, 50, 40, hex(0x2f9e44));
    box(c, 210, GROUND, 50, 40, hex(0xc92a2a));
    truck(c, 100, GROUND, 0.6f, 0.4f);
}
void ufo(Canvas& c) {
    fill(c, unite(roundRect(420, 60, 46, 10, 10), circle(420, 52, 18)), STEEL);
    for (int i = 0; i < 4; i++) box(c, 260 + i * 60, GROUND, 56, 60, CONCRETE);
    truck(c, 110, GROUND, 0.7f, 0.5f);
}
void hearth(Canvas& c) {
    fill(c, polygon({250, GROUND, 512, GROUND, 512, 110, 420, 100}), hex(0x5c940d));
    box(c, 470, 108, 60, 40, hex(0xf8f0e3));
    fill(c, polygon({434, 68, 506, 68, 470, 44}), hex(0xc92a2a));
    box(c, 270, GROUND, 60, 40, hex(0xf8f0e3));
    truck(c, 120, GROUND, 0.8f, 0.5f);
}
void towercrane(Canvas& c) {
    fill(c, roundRect(380, 110, 8, 90, 0), YELLOW);
    fill(c, roundRect(400, 26, 110, 6, 0), YELLOW);
    for (int i = 0; i < 4; i++) ball(c, 250 + i * 22, GROUND - 10, 9, STEEL);
    truck(c, 130, GROUND, 0.8f, 0.5f);
}
void dump(Canvas& c) {
    fill(c, polygon({300, GROUND, 512, GROUND, 512, 100, 420, 100}), hex(0x868e96));
    for (int i = 0; i < 3; i++) box(c, 230 + i * 26, GROUND, 24, 20, hex(0xadb5bd), 0.3f * i);
    box(c, 130, GROUND - 16, 100, 40, hex(0xe8590c));
    box(c, 200, GROUND - 16, 30, 40, hex(0xe8590c));
    for (float x : {100.0f, 190.0f}) fill(c, circle(x, GROUND - 10, 11), INK);
}
void cleanup(Canvas& c) {
    for (int i = 0; i < 6; i++)
        ball(c, 300 + (i % 3) * 40, GROUND - 8 - (i / 3) * 40, 8, hex(0x868e96));
    box(c, 160, GROUND - 10, 90, 40, YELLOW);
    box(c, 210, GROUND - 4, 30, 26, INK, 0.2f);
    for (float x : {130.0f, 180.0f}) fill(c, circle(x, GROUND - 10, 12), INK);
}
void chemistry(Canvas& c) {
    for (int i = 0; i < 4; i++)
        box(c, 300 + i * 50, GROUND, 34, 50, i % 2 ? hex(0x7048e8) : hex(0x2f9e44));
    box(c, 150, GROUND - 10, 80, 50, hex(0xf08c00));
    fill(c, roundRect(200, GROUND - 60, 3, 60, 0), INK);
    box(c, 220, GROUND - 14, 40, 6, INK);
}
void daredevil(Canvas& c) {
    fill(c, polygon({0, GROUND, 250, GROUND, 250, 256, 0, 256}), hex(0xa0522d));
    fill(c, polygon({360, GROUND, 512, GROUND, 512, 256, 360, 256}), hex(0xa0522d));
    fill(c, polygon({170, GROUND, 250, GROUND, 250, GROUND - 40}), CONCRETE);
    fill(c, segment(280, 90, 310, 100, 5), hex(0xc92a2a));
    fill(c, circle(280, 100, 7), INK);
    fill(c, circle(310, 110, 7), INK);
    truck(c, 80, GROUND, 0.6f, 0.4f);
}
void hockeyriot(Canvas& c) {
    box(c, 330, GROUND, 70, 30, hex(0x2f7de1), PI);
    box(c, 430, GROUND, 70, 30, hex(0xc92a2a), 0.4f);
    box(c, 460, GROUND - 60, 40, 30, hex(0x1c3d8f));
    fill(c, text("POLICE", 460, GROUND - 60, 6, 9, 0.8f, ALIGN_CENTER), WHITE);
    truck(c, 150, GROUND, 0.8f, 0.5f);
}
void canal(Canvas& c) {
    fill(c, roundRect(256, 230, 256, 34, 0), hex(0x4dabf7));
    for (float x : {260.0f, 400.0f}) box(c, x, 256, 20, 80, CONCRETE);
    box(c, 330, 176, 200, 10, STEEL);
    box(c, 60, GROUND, 120, 30, CONCRETE);
    truck(c, 80, GROUND - 30, 0.6f, 0.4f);
}
void egghunt(Canvas& c) {
    box(c, 420, GROUND, 90, 40, hex(0xc9a227));
    const unsigned eggs[4] = {0xf783ac, 0x74c0fc, 0xffd43b, 0x8ce99a};
    for (int i = 0; i < 4; i++) {
        float x = 260 + i * 30, y = GROUND - 12;
        fill(c, grow(roundRect(x, y, 7, 10, 7), 1.5f), INK);
        fill(c, roundRect(x, y, 7, 10, 7), hex(eggs[i]));
    }
    truck(c, 130, GROUND, 0.8f, 0.5f);
}
void superpac(Canvas& c) {
    for (float x : {240.0f, 340.0f, 440.0f}) box(c, x, GROUND, 22, 70, CONCRETE);
    box(c, 340, GROUND - 70, 300, 14, CONCRETE);
    box(c, 340, GROUND - 96, 120, 30, WHITE);
    fill(c, text("VOTE", 340, GROUND - 111, 18, 20, 1.6f, ALIGN_CENTER), hex(0xc92a2a));
    truck(c, 100, GROUND, 0.6f, 0.6f);
}
void powerlift(Canvas& c) {
    fill(c, roundRect(256, 226, 60, 30, 0), hex(0x4dabf7));
    fill(c, roundRect(200, 90, 90, 8, 4), hex(0x5c7cfa));
    fill(c, roundRect(200, 60, 110, 3, 1), INK);
    fill(c, segment(200, 98, 200, 130, 1.5f), INK);
    fill(c, polygon({190, 130, 210, 130, 214, 190, 186, 190}), STEEL);
    fill(c, polygon({400, GROUND, 440, GROUND, 420, GROUND - 100}), STEEL);
}
void yukon(Canvas& c) {
    fill(c, polygon({260, GROUND, 512, GROUND, 512, 90, 400, 60}), hex(0xf1f3f5));
    for (int i = 0; i < 5; i++) ball(c, 290 + i * 18, GROUND - 6, 6, hex(0xfcc419));
    tree(c, 470, GROUND - 40, 1.0f);
    truck(c, 130, GROUND, 0.8f, 0.5f);
}

// The sandbox: five toys in five fifths (fork lift, three trucks with
// grapple kinds 1 to 3, skid loader).
void sandbox(Canvas& c) {
    for (int i = 0; i < 5; i++) {
        float cx = 51.2f + i * 102.4f, ground = GROUND + 8;
        fill(c, roundRect(cx, ground + 3, 48, 5, 2), hex(0xd9b26a));
        if (i == 0) {  // fork lift: body, cage, mast and forks
            box(c, cx - 8, ground - 8, 50, 26, hex(0xf08c00));
            fill(c,
                 unite(segment(cx - 26, ground - 34, cx - 26, ground - 62, 2),
                       unite(segment(cx + 6, ground - 34, cx + 6, ground - 62, 2),
                             segment(cx - 28, ground - 62, cx + 8, ground - 62, 2.5f))),
                 INK);
            fill(c, roundRect(cx + 24, ground - 40, 3, 40, 0), INK);
            box(c, cx + 38, ground - 4, 26, 4, INK);
            for (float x : {cx - 24, cx + 8}) fill(c, circle(x, ground - 8, 9), INK);
        } else if (i == 4) {  // skid loader: body, cab, lift arm and bucket
            box(c, cx - 8, ground - 8, 46, 26, YELLOW);
            box(c, cx - 12, ground - 34, 28, 24, hex(0x9fd3ff));
            fill(c, segment(cx - 24, ground - 44, cx + 26, ground - 22, 4), shade(YELLOW, 0.75f));
            fill(c,
                 polygon({cx + 22, ground - 26, cx + 46, ground - 26, cx + 46, ground - 2, cx + 26,
                          ground - 4}),
                 INK);
            for (float x : {cx - 22, cx + 6}) fill(c, circle(x, ground - 9, 10), INK);
        } else {
            truck(c, cx - 2, ground, 0.55f, 0.6f,
                  hex(i == 1   ? 0xf2b632
                      : i == 2 ? 0x4dabf7
                               : 0x8ce99a));
            fill(c,
                 text(std::string(1, char('0' + i)), cx, ground - 100, 14, 20, 1.8f, ALIGN_CENTER),
                 INK);
        }
    }
}

struct Level {
    const char* image;
    const char* title;
    void (*scene)(Canvas& c);
};

const Level LEVELS[] = {
    {"level_sandbox", "SANDBOX", sandbox},
    {"level_parkinglot", "PARKINGLOT", parkinglot},
    {"level_court", "COURT", court},
    {"level_lockdown", "LOCKDOWN", lockdown},
    {"level_seesaw", "SEESAW", seesaw},
    {"level_trainlot", "TRAINLOT", trainlot},
    {"level_bridge", "BRIDGE", bridge},
    {"level_stackem", "STACKEM", stackem},
    {"level_temple", "TEMPLE", temple},
    {"level_hazard", "HAZARD", hazard},
    {"level_luxor", "LUXOR", luxor},
    {"level_babel", "BABEL", babel},
    {"level_factory", "FACTORY", factory},
    {"level_ufo", "UFO", ufo},
    {"level_hearth", "HEARTH", hearth},
    {"level_towercrane", "TOWERCRANE", towercrane},
    {"level_dump", "DUMP", dump},
    {"level_cleanup", "CLEANUP", cleanup},
    {"level_chemistry", "CHEMISTRY", chemistry},
    {"level_daredevil", "DAREDEVIL", daredevil},
    {"level_hockeyriot", "HOCKEYRIOT", hockeyriot},
    {"level_canal", "CANAL", canal},
    {"level_egghunt", "EGGHUNT", egghunt},
    {"level_superpac", "SUPERPAC", superpac},
    {"level_powerlift", "POWERLIFT", powerlift},
    {"level_yukon", "YUKON", yukon},
};

void levelPicture(Canvas& c, const Level& l) {
    fill(c, roundRect(256, 128, 256, 128, 0), vgrad(0, SKY_TOP, GROUND, SKY_LOW));
    fill(c, roundRect(256, 226, 256, 30, 0), vgrad(GROUND, GRASS_TOP, 256, GRASS_LOW));
    l.scene(c);
    // The name in the top left, clear of the stamp's corner at the top right.
    std::string label = l.title;
    float half = label.size() * 11.0f + 8;
    fill(c, roundRect(8 + half, 30, half, 20, 6), hex(0x000000, 0.55f));
    fill(c, text(label, 16, 30, 22, 30, 2.2f, ALIGN_LEFT), WHITE);
}

// Menu buttons: a rounded key with an icon, 4:3 like the strip's fifths.
void key(Canvas& c, RGBA colour) {
    fill(c, roundRect(64, 48, 64, 48, 0), hex(0x000000));
    fill(c, roundRect(64, 48, 58, 42, 14), vgrad(6, shade(colour, 1.3f), 90, shade(colour, 0.6f)));
}
void menuNext(Canvas& c) {
    key(c, hex(0x3b5bdb));
    fill(c, polygon({48, 24, 84, 48, 48, 72}), WHITE);
}
void menuPrev(Canvas& c) {
    key(c, hex(0x3b5bdb));
    fill(c, polygon({80, 24, 44, 48, 80, 72}), WHITE);
}
void menuPlay(Canvas& c) {
    key(c, hex(0x2f9e44));
    fill(c, polygon({50, 22, 88, 48, 50, 74}), WHITE);
}
void menuRestart(Canvas& c) {
    key(c, hex(0xe8590c));
    fill(c, subtract(ring(64, 48, 20, 5), polygon({64, 48, 90, 20, 90, 48})), WHITE);
    fill(c, polygon({76, 18, 92, 34, 74, 38}), WHITE);
}
void menuSettings(Canvas& c) {
    key(c, hex(0x495057));
    for (int i = 0; i < 8; i++) {
        float a = 2 * PI * i / 8;
        fill(c, segment(64, 48, 64 + std::cos(a) * 26, 48 + std::sin(a) * 26, 6), WHITE);
    }
    fill(c, circle(64, 48, 18), WHITE);
    fill(c, circle(64, 48, 7), hex(0x495057));
}
void menuSteam(Canvas& c) {  // the vote button
    key(c, hex(0x1c3d8f));
    fill(c,
         polygon({64, 14, 71, 30, 88, 30, 74, 40, 80, 57, 64, 47, 48, 57, 54, 40, 40, 30, 57, 30}),
         YELLOW);
    fill(c, text("VOTE", 64, 74, 14, 16, 1.6f, ALIGN_CENTER), WHITE);
}
void stamp(Canvas& c) {  // a won level: a tilted green check in a ring
    RGBA green = hex(0x2f9e44, 0.9f);
    fill(c, ring(64, 64, 54, 6), green);
    fill(c, unite(segment(36, 64, 56, 86, 9), segment(56, 86, 94, 40, 9)), green);
}
void padButton(Canvas& c, bool cross) {
    fillSoft(c, circle(33, 34, 28), hex(0x000000, 0.5f), 2);
    fill(c, circle(32, 32, 28), cross ? hex(0x2f7de1) : hex(0xe03c31));
    fill(c, ring(32, 32, 26, 1.5f), hex(0xffffff, 0.6f));
    if (cross)
        fill(c, unite(segment(20, 20, 44, 44, 4), segment(44, 20, 20, 44, 4)), WHITE);
    else
        fill(c, ring(32, 32, 12, 3.5f), WHITE);
}
void padCircle(Canvas& c) { padButton(c, false); }
void padCross(Canvas& c) { padButton(c, true); }

}  // namespace

// The crane truck on a rounded tile of sky and grass, a crate hanging from
// its grapple. Drawn on a 256-unit grid scaled to the canvas, so every size
// comes from the same shapes.
void drawIcon(Canvas& c) {
    const float k = c.w / 256.0f;
    auto P = [k](float v) { return v * k; };
    const float ground = P(196);
    Sdf tile = roundRect(P(128), P(126), P(118), P(118), P(40));
    fillSoft(c, offset(tile, 0, P(4)), hex(0x000000, 0.45f), P(5));
    fill(c, tile, INK);
    Sdf inner = grow(tile, -P(6));
    fill(c, inner, vgrad(P(8), SKY_TOP, ground, SKY_LOW));
    fill(c, intersect(inner, roundRect(P(128), P(226), P(128), P(30), 0)),
         vgrad(ground, GRASS_TOP, P(244), GRASS_LOW));

    Spot grapple = truck(c, P(146), ground, 1.25f * k, 0.45f);
    Sdf crate = roundRect(grapple.x, grapple.y + P(14), P(14), P(14), P(2));
    fill(c, grow(crate, P(2)), INK);
    fill(c, crate, CRATE);
    float left = grapple.x - P(12), right = grapple.x + P(12);
    float top = grapple.y + P(2), bottom = grapple.y + P(26);
    fill(c, unite(segment(left, top, right, bottom, P(2)), segment(right, top, left, bottom, P(2))),
         shade(CRATE, 0.8f));
}

const PackDef& buttonPack() {
    static const PackDef pack = {"buttonpack",
                                 {
                                     {"menunext", 128, 96, menuNext},
                                     {"menuplay", 128, 96, menuPlay},
                                     {"menuprev", 128, 96, menuPrev},
                                     {"menusteam", 128, 96, menuSteam},
                                     {"menurestart", 128, 96, menuRestart},
                                     {"menusettings", 128, 96, menuSettings},
                                     {"stamp", 128, 128, stamp},
                                     {"gamepadbuttoncircle", 64, 64, padCircle},
                                     {"gamepadbuttoncross", 64, 64, padCross},
                                 }};
    return pack;
}

const PackDef& stagePack() {
    static PackDef pack = {"stagepack", {}};
    if (pack.images.empty())
        for (const Level& l : LEVELS)
            pack.images.push_back({l.image, 512, 256, [&l](Canvas& c) { levelPicture(c, l); }});
    return pack;
}
