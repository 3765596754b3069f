// The rule that judges each level, checked once per tick after the physics
// sub-steps. Rules read the poses of named objects; a few also hand the
// controls from one vehicle to another.
#include <cmath>
#include <cstring>

#include "bus/bus.h"
#include "bus/diag.h"
#include "vehicles/truck.h"
#include "vehicles/vehicleobj.h"
#include "world/goals_query.h"
#include "world/levels.h"
#include "world/props_dumpster.h"
#include "world/props_levers.h"
#include "world/wld.h"

namespace {

const char* const SOURCE = "PI/wld";

bool truckBelow(float z) {
    DynamicWorldObj* truck = wld_truck();
    return truck && poseOf(truck).z < z;
}

float truckX() {
    DynamicWorldObj* truck = wld_truck();
    return truck ? poseOf(truck).x : -1e30f;
}

// ------------------------------------------------------------- the rules

// Every wheel of the truck inside the slot's bay; a truck without wheels
// (a stand-in) is never parked.
void parkinglot(bool* won, bool* lost) {
    TruckObj* truck = dynamic_cast<TruckObj*>(wld_truck());
    bool parked = truck != nullptr;
    for (int i = 0; parked && i < TRUCK_WHEELS; i++) {
        Pose p = poseOf(truck->wheels[i]);
        parked = 0.078f <= p.x && p.x <= 1.422f && -1.73f <= p.y && p.y <= -0.82f;
    }
    *won = parked;
    *lost = anyNamed("pole", [](const Pose& p) { return p.upright < 0.4f; });
}

void court(bool* won, bool* lost) {
    *won = anyNamed("soccerball", [](const Pose& p) {
        return 2.28f < p.x && p.x < 2.42f && -0.07f < p.y && p.y < 0.07f && 1.3f < p.z && p.z < 1.45f;
    });
    *lost = anyNamed("soccerball", [](const Pose& p) { return p.z <= 0.11f; });
}

void lockdown(bool* won, bool*) { *won = truckX() > 5.0f; }

void seesaw(bool* won, bool* lost) {
    *won = countNamed("soccerball", [](const Pose& p) { return 0.6f < p.z && p.z < 1.0f; }) == 5;
    *lost = anyNamed("soccerball", [](const Pose& p) { return p.z <= -1.0f; }) || truckBelow(-1.0f);
}

void trainlot(bool* won, bool*) {
    *won = everyNamed("crate", [](const Pose& p) { return p.x >= 15.0f; });
}

void bridge(bool* won, bool* lost) {
    bool decks = everyNamed("segment", [](const Pose& p) {
        return -10.8f <= p.x && p.x <= -7.2f && -0.125f <= p.z && p.z <= -0.075f;
    });
    *won = decks && truckX() >= 14.0f;
    *lost = truckBelow(-6.0f);
}

void stackem(bool* won, bool* lost) {
    *won = everyNamed("stacker", [](const Pose& p) {
        return fabsf(p.x + 9) <= 0.025f && fabsf(p.y - 3) <= 0.025f && p.z <= -0.42f;
    });
    *lost = truckBelow(-1.0f);
}

void temple(bool* won, bool*) {
    bool cornice = everyNamed("cornice", [](const Pose& p) {
        return fabsf(p.x + 4.3f) <= 0.2f && fabsf(p.y) <= 0.2f && fabsf(p.z - 7.24f) <= 0.02f &&
               p.upright >= 0.998f;
    });
    bool pillars = everyNamed("pillar", [](const Pose& p) {
        return fabsf(p.upright) >= 0.98f && fabsf(p.x + 5.8f) <= 0.1f && fabsf(p.y) <= 0.1f;
    });
    *won = cornice && pillars;
}

void hazard(bool* won, bool*) {
    *won = countNamed("stacker", [](const Pose& p) {
        return p.z < 1.0f && -5 < p.x && p.x < 5 && 0 < p.y && p.y < 10;
    }) == 2;
}

void luxor(bool* won, bool* lost) {
    bool coffins = everyNamed("coffin", [](const Pose& p) {
        return 1.2f <= p.x && p.x <= 2.8f && -2.8f <= p.y && p.y <= -1.2f && p.z <= 0.5f;
    });
    bool seal = everyNamed("tombseal", [](const Pose& p) {
        return fabsf(p.x - 2) <= 0.15f && fabsf(p.y + 2) <= 0.15f && fabsf(p.z - 0.557f) <= 0.05f;
    });
    *won = coffins && seal;
    *lost = truckBelow(-2.0f);
}

// Seven crates, each 0.4 above the one below and at most 0.2 beside it.
void babel(bool* won, bool*) {
    const int SLOTS = 7;
    float zmin = 1e30f, zmax = -1e30f;
    for (int i = 0; i < wld_objectCount(); i++) {
        WorldObj* o = wld_object(i);
        if (strcmp(o->name, "packcrate") != 0) continue;
        zmin = fminf(zmin, poseOf(o).z);
        zmax = fmaxf(zmax, poseOf(o).z);
    }
    if (!(fabsf((zmax - zmin) / 6 - 0.4f) < 0.05f)) return;
    WorldObj* slot[SLOTS] = {};
    for (int i = 0; i < wld_objectCount(); i++) {
        WorldObj* o = wld_object(i);
        if (strcmp(o->name, "packcrate") != 0) continue;
        int k = (int)floorf((poseOf(o).z - zmin) / 0.4f + 0.5f);
        if (k >= 0 && k < SLOTS) slot[k] = o;
    }
    for (int k = 0; k < SLOTS; k++) {
        if (!slot[k]) return;
    }
    for (int k = 1; k < SLOTS; k++) {
        Pose a = poseOf(slot[k]), b = poseOf(slot[k - 1]);
        if (fabsf(a.x - b.x) > 0.2f || fabsf(a.y - b.y) > 0.2f || fabsf(a.z - b.z - 0.4f) > 0.025f)
            return;
    }
    *won = true;
}

// Both lids stand open past upright; then the feed's own judgement of the
// heaps decides. Without the lever nothing can be sorted, so no win.
void factory(bool* won, bool*) {
    const ConveyerLever* lever = nullptr;
    for (int i = 0; i < wld_objectCount(); i++) {
        DynamicWorldObj* o = wld_object(i);
        if (strcmp(o->name, "dumpster") == 0) {
            const Dumpster* d = dynamic_cast<const Dumpster*>(o);
            if (d && !(dJointGetHingeAngle(d->hinge) > 1.5707964)) return;
        } else if (!lever && strcmp(o->name, "conveyerlever") == 0) {
            lever = dynamic_cast<const ConveyerLever*>(o);
        }
    }
    *won = lever && lever->completed;
}

void ufo(bool* won, bool*) {
    *won = everyNamed("prisonwall", [](const Pose& p) {
        return fabsf(p.x + 5.5f) < 0.025f && fabsf(p.z - 0.6f) < 0.025f;
    });
}

bool near(const Pose& p, float x, float y, float z) {
    float dx = p.x - x, dy = p.y - y, dz = p.z - z;
    return dx * dx + dy * dy + dz * dz <= 0.0025f;
}

struct Place {
    const char* name;
    float at[2][3];  // one place, or either of two
    int choices;
};

const Place HOUSE[] = {
    {"houseback", {{9.65f, 8, 1.0f}}, 1},
    {"housefront", {{8.35f, 8, 1.0f}}, 1},
    {"chimney", {{9.775f, 8, 1.1f}}, 1},
    {"leftwall", {{9, 8.475f, 0.9f}, {9, 7.525f, 0.9f}}, 2},
    {"rightwall", {{9, 8.475f, 0.9f}, {9, 7.525f, 0.9f}}, 2},
    {"houseroof", {{9, 8, 1.5f}}, 1},
};

bool inPlace(const Place& place, const Pose& p) {
    for (int c = 0; c < place.choices; c++) {
        if (near(p, place.at[c][0], place.at[c][1], place.at[c][2])) return true;
    }
    return false;
}

void hearth(bool* won, bool*) {
    for (int i = 0; i < wld_objectCount(); i++) {
        WorldObj* o = wld_object(i);
        for (const Place& place : HOUSE) {
            if (strcmp(o->name, place.name) == 0 && !inPlace(place, poseOf(o))) return;
        }
    }
    *won = true;
}

void towercrane(bool* won, bool*) {
    *won = everyNamed("bearing", [](const Pose& p) {
        float dx = p.x - 0.85f, dy = p.y - 0.9f, dz = p.z - 7.14f;
        return fabsf(dz) <= 0.05f && dx * dx + dy * dy + dz * dz <= 0.64f;
    });
}

// Which place along the viaduct each letter of "QUORVEL" hangs in; it
// reads left to right for a player facing +x.
const char BOARD_LETTERS[] = "QUORVEL";
const float BOARD_PLACES[] = {1.5f, 1.0f, 0.5f, 0.0f, -0.5f, -1.0f, -1.5f};

void superpac(bool* won, bool*) {
    int inPlaceCount = 0;
    for (int i = 0; i < wld_objectCount(); i++) {
        WorldObj* o = wld_object(i);
        const char* at = o->name[0] && !o->name[1] ? strchr(BOARD_LETTERS, o->name[0]) : nullptr;
        if (!at) continue;
        Pose p = poseOf(o);
        float place = BOARD_PLACES[at - BOARD_LETTERS];
        if (p.heading > 0.9f && fabsf(p.x - 1.8f) < 0.15f && fabsf(p.y - place) < 0.05f &&
            p.z - 4.75f < 0.05f)
            inPlaceCount++;
    }
    *won = inPlaceCount == 7;
}

void sandbox(bool*, bool*) {
    VehicleObj* v = dynamic_cast<VehicleObj*>(wld_objectOfInterest());
    if (!wld_objectOfInterest()) {
        QASSERT(SOURCE, wld_objectOfInterest());
        return;
    }
    if (!v || v->isActive()) return;
    logLine("Activating '%s'", v->name);
    v->setActive(true);
    char msg[128];
    format128(msg, "vehicleSwitch vehicle=%s", v->name);
    postMessage(msg);
}

void noRuleYet(bool*, bool*) {}

typedef void (*GoalRule)(bool* won, bool* lost);

// Levels whose machines are still to come judge nothing for now.
const GoalRule RULES[LEVEL_COUNT] = {
    parkinglot, court,    lockdown,  seesaw,    trainlot,  bridge,    stackem,
    temple,    hazard,    luxor,     babel,     factory,   ufo,       hearth,
    towercrane, noRuleYet, noRuleYet, noRuleYet, noRuleYet, noRuleYet, noRuleYet,
    noRuleYet, superpac,  noRuleYet, noRuleYet,
};

}  // namespace

const char* levelBoardLetters() { return BOARD_LETTERS; }

float levelBoardPlace(char letter) {
    const char* at = strchr(BOARD_LETTERS, letter);
    return at && letter ? BOARD_PLACES[at - BOARD_LETTERS] : 0.0f;
}

void levelGoals(int levelNr, bool* won, bool* lost) {
    if (levelNr == LEVEL_SANDBOX) {
        sandbox(won, lost);
        return;
    }
    if (levelNr < 0 || levelNr >= LEVEL_COUNT) return;
    RULES[levelNr](won, lost);
}
