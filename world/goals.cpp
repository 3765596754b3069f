// The rule that judges each level, checked once per tick after the physics
// sub-steps. Rules read the poses of named objects; a few also hand the
// controls from one vehicle to another.
#include <cmath>
#include <cstring>

#include "bus/bus.h"
#include "bus/diag.h"
#include "vehicles/crane.h"
#include "vehicles/dumptruck.h"
#include "vehicles/forklift.h"
#include "vehicles/grapple.h"
#include "vehicles/racer.h"
#include "vehicles/skidloader.h"
#include "vehicles/skycrane.h"
#include "vehicles/train.h"
#include "vehicles/truck.h"
#include "vehicles/vehicle.h"
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


// ------------------------------------------------- the machines' levels

// Switches a level's own vehicle on as the one being driven, telling the HUD.
// Only the sandbox announces it in the log (see sandbox below).
void activate(VehicleObj* v) {
    v->setActive(true);
    char msg[128];
    format128(msg, "vehicleSwitch vehicle=%s", v->name);
    postMessage(msg);
}

template <class T>
T* findVehicle(const char* name) {
    return dynamic_cast<T*>(findNamed(name));
}

bool inBed(const WorldObj* bed, const Pose& p) {
    const float q[3] = {p.x, p.y, p.z};
    float l[3];
    localCoordinates(bed, q, l);
    return fabsf(l[0]) <= 0.9f && fabsf(l[1]) <= 0.45f && -0.08f <= l[2] && l[2] <= 0.8f;
}

void dump(bool* won, bool* lost) {
    DumpTruckObj* dumpTruck = findVehicle<DumpTruckObj>("dumpTruck");
    if (!dumpTruck) {
        QASSERT(SOURCE, dumpTruck);
        return;
    }
    float truckZ = poseOf(dumpTruck).z;
    int loaded = 0, unloaded = 0;
    for (int i = 0; i < wld_objectCount(); i++) {
        WorldObj* o = wld_object(i);
        if (strcmp(o->name, "block") != 0) continue;
        Pose p = poseOf(o);
        if (inBed(dumpTruck->bed, p)) loaded++;
        if (-2 < p.x && p.x < -1.25f && -19.85f < p.y && p.y < -18.55f && 0.9f < p.z && p.z < 1.1f)
            unloaded++;
        if (p.z < truckZ && p.z < 0.86f) *lost = true;
    }
    *won = unloaded == 6;
    VehicleObj* truck = dynamic_cast<VehicleObj*>(wld_truck());
    if (loaded == 6 && !dumpTruck->isActive())
        vehicle_handOver(truck, dumpTruck);
    else if (loaded == 0 && truck && !truck->isActive())
        vehicle_handOver(dumpTruck, truck);
}

const dReal CLEANUP_TIPPED = 0.659734;

void cleanup(bool* won, bool*) {
    *won = everyNamed("sphere", [](const Pose& p) {
        return fabsf(p.x) <= 1 && fabsf(p.y) <= 1 && p.z <= -0.8f;
    });
    DumpTruckObj* dumpTruck = findVehicle<DumpTruckObj>("dumpTruck");
    SkidLoader* loader = findVehicle<SkidLoader>("skidLoader");
    if (!dumpTruck || !loader) return;
    if (!dumpTruck->isActive() && !loader->isActive()) {
        wld_setObjectOfInterest(dumpTruck);
        dumpTruck->setActive(true);
        postMessage("vehicleSwitch vehicle=dumpTruck");
    } else if (dumpTruck->isActive() && dJointGetHingeAngle(dumpTruck->bedHinge) > CLEANUP_TIPPED) {
        dumpTruck->setActive(false);
        wld_setObjectOfInterest(loader);
        loader->setActive(true);
        postMessage("vehicleSwitch vehicle=skidLoader");
    }
}

bool inZoneA(const Pose& p) {
    return -4 < p.x && p.x < 6 && 2.5f < p.y && p.y < 5.9f && 1.25f < p.z && p.z < 1.26f;
}
bool inZoneB(const Pose& p) {
    return -4 < p.x && p.x < 6 && -5.9f < p.y && p.y < -2.5f && 1.25f < p.z && p.z < 1.26f;
}

// Keeps the fork lift switched on; returns it, or null.
ForkLift* forkLiftOn() {
    ForkLift* forkLift = findVehicle<ForkLift>("forkLift");
    if (forkLift && !forkLift->isActive()) activate(forkLift);
    return forkLift;
}

void chemistry(bool* won, bool* lost) {
    ForkLift* forkLift = forkLiftOn();
    bool basesInA = countNamed("base", inZoneA) == 4, acidsInB = countNamed("acid", inZoneB) == 4;
    bool basesInB = countNamed("base", inZoneB) == 4, acidsInA = countNamed("acid", inZoneA) == 4;
    *won = (basesInA && acidsInB) || (basesInB && acidsInA);
    auto toppled = [](const Pose& p) { return p.upright < 0.2f; };
    *lost = anyNamed("base", toppled) || anyNamed("acid", toppled) ||
            (forkLift && poseOf(forkLift).upright < 0.1f);
}

// The show starts once: cleared whenever the fork lift is switched on.
bool racerStarted = false, racerStopped = false;

void daredevil(bool* won, bool* lost) {
    ForkLift* forkLift = findVehicle<ForkLift>("forkLift");
    Racer* racer = findVehicle<Racer>("racer");
    if (forkLift && !forkLift->isActive()) {
        activate(forkLift);
        racerStarted = racerStopped = false;
    }
    if (!racer) return;
    if (forkLift && !racerStarted) {
        Pose f = poseOf(forkLift);
        if (-36 < f.x && f.x < -34 && 2 < f.y && f.y < 5.6f) {
            wld_setObjectOfInterest(racer);
            racer->startRacer();
            racerStarted = true;
        }
    }
    Pose r = poseOf(racer);
    if (r.x > -3 && !racerStopped) {
        racer->stopRacer();
        racerStopped = true;
    }
    *won = r.x > 10;
    *lost = r.z < -9;
}

void hockeyriot(bool* won, bool*) {
    forkLiftOn();
    *won = countNamed("policeCar", [](const Pose& p) {
        return 6 < p.y && p.y < 16 && -32 < p.x && p.x < -16 && p.upright > 0.97f;
    }) >= 2;
}

void canal(bool* won, bool* lost) {
    TrainObj* train = dynamic_cast<TrainObj*>(findNamed("train"));
    const RailLever* lever = dynamic_cast<const RailLever*>(findNamed("lever"));
    if (!train) return;
    if (lever && lever->pulled && !train->started) {
        const dReal away[3] = {-3, 0, 0};
        train->launch(away);
    }
    Pose p = poseOf(train);
    *won = p.x < -14;
    *lost = fabsf(p.sideTilt) > 0.15f;
}

void egghunt(bool* won, bool*) {
    const WorldObj* trailer = findNamed("trailer");
    if (!trailer) return;
    const WorldObj* held = nullptr;
    TruckObj* truck = dynamic_cast<TruckObj*>(wld_truck());
    if (truck && truck->crane && truck->crane->grapple) held = truck->crane->grapple->grasped;
    int inTrailer = 0;
    for (int i = 0; i < wld_objectCount(); i++) {
        WorldObj* o = wld_object(i);
        if (o == held || strcmp(o->name, "egg") != 0) continue;
        Pose p = poseOf(o);
        const float q[3] = {p.x, p.y, p.z};
        float l[3];
        localCoordinates(trailer, q, l);
        if (fabsf(l[0]) < 0.78f && fabsf(l[1]) < 0.29f && 0 < l[2] && l[2] < 1.0f) inTrailer++;
    }
    *won = inTrailer == 8;
}

// Whether the sky crane still carries its hook. Letting go detaches the
// hinge rather than destroying it: the sky crane keeps using its handle.
bool hookHeld(const SkyCrane* crane) {
    return crane->hookHinge && dJointGetBody(crane->hookHinge, 0) != nullptr;
}

void powerlift(bool* won, bool* lost) {
    SkyCrane* crane = findVehicle<SkyCrane>("skyCrane");
    if (!crane) return;
    if (!crane->isActive()) activate(crane);
    const WorldObj* mast = findNamed("powermast");
    if (mast && hookHeld(crane)) {
        Pose m = poseOf(mast);
        if (fabsf(m.x + 47) < 4 && fabsf(m.y - 8) < 4 && m.z < 11 && m.upright > 0.92f)
            dJointAttach(crane->hookHinge, nullptr, nullptr);
    }
    Pose c = poseOf(crane);
    const dReal* v = dBodyGetLinearVel(crane->body);
    dReal speed2 = v[0] * v[0] + v[1] * v[1] + v[2] * v[2];
    *won = fabsf(c.x + 9) < 2 && fabsf(c.y + 6) < 2 && fabsf(c.z - 11.14f) < 0.05f &&
           !hookHeld(crane) && speed2 < 0.0004;
    *lost = c.z < 0;
}

bool named(const WorldObj* o, const char* name) { return strcmp(o->name, name) == 0; }

void yukon(bool* won, bool* lost) {
    SkidLoader* loader = findVehicle<SkidLoader>("skidLoader");
    if (!loader) {
        QASSERT(SOURCE, loader);
        return;
    }
    int gravel = 0, collected = 0, washed = 0;
    for (int i = 0; i < wld_objectCount(); i++) {
        DynamicWorldObj* o = wld_object(i);
        if (named(o, "gravel")) {
            Pose p = poseOf(o);
            if (p.y < -6 && p.z > 0 && !dBodyIsEnabled(o->body)) o->name = "collectedgravel";
            gravel++;
        }
        if (named(o, "collectedgravel")) {
            collected++;
            Pose p = poseOf(o);
            float dx = p.x - 5, dy = p.y + 6, dz = p.z - 0.4f;
            if (dx * dx + dy * dy + dz * dz < 0.32f * 0.32f)
                o->name = "washedgravel";
            else if (p.z < 0)
                o->name = "gravel";
        }
        if (named(o, "washedgravel")) washed++;
    }
    *won = washed >= 20;
    *lost = poseOf(loader).upright < 0.2f;
    VehicleObj* truck = dynamic_cast<VehicleObj*>(wld_truck());
    if (collected > gravel && !loader->isActive()) {
        wld_setObjectOfInterest(loader);
        loader->setActive(true);
        if (truck) truck->setActive(false);
        postMessage("vehicleSwitch vehicle=skidLoader");
    } else if (collected == 0 && gravel > 0 && truck && !truck->isActive()) {
        wld_setObjectOfInterest(truck);
        loader->setActive(false);
        truck->setActive(true);
        postMessage("vehicleSwitch vehicle=truck");
    }
}

void sandbox(bool*, bool*) {
    if (!wld_objectOfInterest()) {
        QASSERT_AS(SOURCE, wld_objectOfInterest(), "objectOfInterest");
        return;
    }
    vehicle_activateInterest();  // "Activating '%s'" and the switch, once
}

typedef void (*GoalRule)(bool* won, bool* lost);

const GoalRule RULES[LEVEL_COUNT] = {
    parkinglot, court,      lockdown, seesaw,    trainlot,   bridge,  stackem,
    temple,     hazard,     luxor,    babel,     factory,    ufo,     hearth,
    towercrane, dump,       cleanup,  chemistry, daredevil,  hockeyriot, canal,
    egghunt,    superpac,   powerlift, yukon,
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
