#include "tools/sim/soak.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "bus/bus.h"
#include "tools/sim/player.h"
#include "tools/sim/session.h"
#include "world/wld.h"
#include "world/worldobj.h"

namespace {

const double MAX_SPEED = 100.0;  // m/s: nothing in a level gets near it honestly
const double LOWEST_Z = -50.0;

// A small generator of our own, so a seed means the same input everywhere.
struct Random {
    uint64_t state;
    uint32_t next() {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        return (uint32_t)(state >> 33);
    }
    int below(int n) { return (int)(next() % (uint32_t)n); }
    float control() { return below(2001) / 1000.0f - 1.0f; }  // -1..1 in steps of 0.001
};

// One thing a player's hands might do next.
std::string randomInput(Random& r) {
    char text[80];
    switch (r.below(5)) {
        case 0:
            format80(text, "steer setting=%f", r.control());
            break;
        case 1:
            format80(text, "accelcontrol setting=%f", r.control());
            break;
        case 2: {
            int lever = r.below(5);
            format80(text, "leverSet leverNr=%d setting=%f", lever, r.control());
            break;
        }
        case 3: {
            float x = r.control();
            format80(text, "cycliccontrol x=%f y=%f", x, r.control());
            break;
        }
        default:
            format80(text, "leverUp leverNr=%d", r.below(5));
            break;
    }
    return text;
}

struct Fault {
    std::string what;
    const char* name;
    const dReal* pos;
};

const char* ownerName(dGeomID g) {
    WorldObj* owner = (WorldObj*)dGeomGetData(g);
    return owner && owner->name ? owner->name : "?";
}

}  // namespace

bool soak_bodyFault(dBodyID b, std::string* what) {
    const dReal* p = dBodyGetPosition(b);
    const dReal* q = dBodyGetQuaternion(b);
    const dReal* v = dBodyGetLinearVel(b);
    for (int i = 0; i < 4; i++)
        if (!std::isfinite(q[i]) || (i < 3 && (!std::isfinite(p[i]) || !std::isfinite(v[i])))) {
            *what = "pose not finite";
            return true;
        }
    double speed = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    if (speed > MAX_SPEED) {
        *what = "speed " + std::to_string(speed) + " m/s";
        return true;
    }
    if (p[2] < LOWEST_Z) {
        *what = "fell to z " + std::to_string(p[2]);
        return true;
    }
    return false;
}

namespace {

// Every body with a geom, nested vehicle spaces included.
bool spaceFault(dSpaceID space, Fault* out) {
    for (int i = 0; i < dSpaceGetNumGeoms(space); i++) {
        dGeomID g = dSpaceGetGeom(space, i);
        if (dGeomIsSpace(g)) {
            if (spaceFault((dSpaceID)g, out)) return true;
            continue;
        }
        dBodyID b = dGeomGetBody(g);
        if (b && soak_bodyFault(b, &out->what)) {
            out->name = ownerName(g);
            out->pos = dBodyGetPosition(b);
            return true;
        }
    }
    return false;
}

}  // namespace

bool soak_run(unsigned long seed, long ticks, FILE* out) {
    Random r{seed * 2654435761ull + 1};
    long nextInput = 0;
    for (long tick = 0; tick < ticks && session_endGames().empty(); tick++) {
        if (tick == nextInput) {
            player_post(randomInput(r).c_str());
            nextInput += 20 + r.below(70);
        }
        session_tick();
        Fault f;
        if (!session_endGames().empty() || !spaceFault(wld_space(), &f)) continue;
        fprintf(out, "soak: level %d seed %lu tick %ld: '%s' at %.2f %.2f %.2f: %s\n",
                wld_levelNr(), seed, tick, f.name, f.pos[0], f.pos[1], f.pos[2], f.what.c_str());
        return false;
    }
    fprintf(out, "soak: level %d seed %lu: %ld ticks without a fault\n", wld_levelNr(), seed,
            session_ticks());
    return true;
}
