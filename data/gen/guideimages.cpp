// Tutorial images: pointing hands, the information bubble behind the text
// (black text is drawn over its middle) and three controller pictures.
#include <cmath>

#include "images.h"

namespace {

const RGBA SKIN = hex(0xffe0bd), OUTLINE = hex(0x2b2118), WHITE = hex(0xffffff);
const RGBA HIGHLIGHT = hex(0xff8c1a);

// A hand pointing up with the index finger; the fingertip is at the top
// middle. mirrored draws the left hand.
void hand(Canvas& c, bool mirrored) {
    auto X = [&](float x) { return mirrored ? 128 - x : x; };
    Sdf palm = roundRect(X(70), 86, 28, 26, 12);
    Sdf finger = roundRect(X(58), 40, 9, 32, 9);
    Sdf curled = unite(unite(circle(X(78), 62, 10), circle(X(94), 66, 10)), circle(X(98), 80, 9));
    Sdf thumb = segment(X(46), 92, X(34), 70, 9);
    Sdf cuff = roundRect(X(72), 118, 24, 8, 3);
    Sdf all = unite(unite(unite(palm, finger), unite(curled, thumb)), cuff);
    fillSoft(c, offset(all, 3, 4), hex(0x000000, 0.35f), 3);
    fill(c, grow(all, 3), OUTLINE);
    fill(c, unite(unite(palm, finger), unite(curled, thumb)),
         radial(X(60), 60, 80, SKIN, hex(0xe8b88a)));
    fill(c, cuff, hex(0x3a6fd8));
    fill(c, segment(X(52), 16, X(64), 16, 1.2f), hex(0xffffff, 0.7f));  // nail shine
}
void handLeft(Canvas& c) { hand(c, true); }
void handRight(Canvas& c) { hand(c, false); }

// Shown stretched over the bottom-left panel; the text sits in its middle,
// inset one eighth of the width and a quarter of the height.
void infoBubble(Canvas& c) {
    Sdf body = unite(roundRect(256, 204, 246, 164, 44), polygon({370, 50, 430, 50, 450, 6}));
    fillSoft(c, offset(body, 6, 8), hex(0x000000, 0.4f), 8);
    fill(c, grow(body, 5), hex(0x2c5d8f));
    fill(c, body, vgrad(40, hex(0xffffff, 0.97f), 368, hex(0xdce9f5, 0.97f)));
    fill(c, circle(34, 204, 17), hex(0x2c5d8f));
    fill(c, circle(34, 196, 3), WHITE);
    fill(c, roundRect(34, 210, 2.8f, 8, 1.5f), WHITE);
}

// An OUYA-style pad: a rounded body with two sticks, a d-pad and four
// buttons; the controls the stage uses glow orange with arrows.
void controller(Canvas& c, bool rightStick, bool leftStick, bool vertical, bool l1) {
    float cx = 160, cy = 70;
    if (l1) {
        fill(c, roundRect(cx - 70, 20, 34, 10, 6), HIGHLIGHT);
        fill(c, text("L1", cx - 70, 20, 12, 14, 1.4f, ALIGN_CENTER), hex(0x1a1d22));
    } else {
        fill(c, roundRect(cx - 70, 20, 34, 10, 6), hex(0x3a3d42));
    }
    fill(c, roundRect(cx + 70, 20, 34, 10, 6), hex(0x3a3d42));
    Sdf body = unite(roundRect(cx, cy, 110, 38, 36),
                     unite(circle(cx - 80, cy + 18, 36), circle(cx + 80, cy + 18, 36)));
    fillSoft(c, offset(body, 3, 5), hex(0x000000, 0.45f), 4);
    fill(c, grow(body, 2), hex(0x101214));
    fill(c, body, vgrad(30, hex(0x4a4e55), 120, hex(0x202327)));
    auto stick = [&](float x, float y, bool lit) {
        if (lit) fillSoft(c, circle(x, y, 24), hex(0xff8c1a, 0.8f), 5);
        fill(c, circle(x, y, 17), hex(0x111214));
        fill(c, circle(x, y, 12), lit ? HIGHLIGHT : hex(0x55595f));
        if (!lit) return;
        if (vertical) {
            fill(c, polygon({x - 7, y - 30, x + 7, y - 30, x, y - 40}), WHITE);
            fill(c, polygon({x - 7, y + 30, x + 7, y + 30, x, y + 40}), WHITE);
        } else {
            fill(c, polygon({x - 30, y - 7, x - 30, y + 7, x - 40, y}), WHITE);
            fill(c, polygon({x + 30, y - 7, x + 30, y + 7, x + 40, y}), WHITE);
        }
    };
    stick(cx - 80, cy - 2, leftStick);
    stick(cx + 42, cy + 24, rightStick);
    fill(c, unite(roundRect(cx - 42, cy + 24, 14, 5, 2), roundRect(cx - 42, cy + 24, 5, 14, 2)),
         hex(0x111214));
    const unsigned face[4] = {0x7fbf3f, 0x3f7fdf, 0xdf3f3f, 0xf5c518};
    const float fx[4] = {80, 64, 96, 80}, fy[4] = {14, -2, -2, -18};
    for (int i = 0; i < 4; i++) fill(c, circle(cx + fx[i], cy + fy[i], 7), hex(face[i]));
}
void tutorialCamera(Canvas& c) { controller(c, true, false, false, true); }
void tutorialDrive(Canvas& c) { controller(c, false, true, true, false); }
void tutorialZoom(Canvas& c) { controller(c, false, true, true, true); }

}  // namespace

const PackDef& guidePack() {
    static const PackDef pack = {"guidepack",
                                 {
                                     {"handl", 128, 128, handLeft},
                                     {"handr", 128, 128, handRight},
                                     {"infobubble", 512, 384, infoBubble},
                                     {"tutouyacamera", 320, 128, tutorialCamera},
                                     {"tutouyadrive", 320, 128, tutorialDrive},
                                     {"tutouyazoom", 320, 128, tutorialZoom},
                                 }};
    return pack;
}
