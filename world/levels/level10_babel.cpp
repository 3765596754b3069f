// Level 10, "babel": stack seven pack crates into one tower. From the yard
// the arm reaches only halfway up; the dock is the way to the top, once the
// two bridge segments span the gap in front of it.
#include "world/levels/level10_babel.h"
#include "geom/records.h"
#include "world/levels/level_common.h"
#include "world/props.h"

namespace {

const int CRATES = 7;
const dReal CRATE_HALF = 0.2;
const dReal SEGMENT_RESTING = 0.125;  // a segment lying on its end rails

}  // namespace

void build_babel(LevelOut& out) {
    makeTerrain(&geom_babel_terrain, nullptr);
    const dReal segments[2][3] = {{-5.5, 2.0, SEGMENT_RESTING}, {-5.5, 3.4, SEGMENT_RESTING}};
    for (const auto& s : segments) add(new BridgeSegment(s));
    // Two rows south of the truck's path: four and three.
    for (int i = 0; i < CRATES; i++) {
        int row = i / 4, col = i % 4;
        const dReal pos[3] = {-6.0 + 0.7 * col + 0.35 * row, -2.4 - 0.8 * row, CRATE_HALF};
        add(new PackCrate(pos));
    }
    setTruckStart(out, -8, -0.5, 0.4);
    setCamera(out, -0.1f, 0.1f, 4.5f);
}
