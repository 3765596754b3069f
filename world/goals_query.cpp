#include "world/goals_query.h"

#include <cstring>

#include "bus/bus.h"
#include "bus/diag.h"
#include "vehicles/crane.h"
#include "vehicles/forklift.h"
#include "vehicles/grapple.h"
#include "vehicles/truck.h"
#include "world/wld.h"

const char* const GOAL_SOURCE = "PI/wld";

Pose poseOf(const WorldObj* obj) {
    const float* m = obj->modelMatrix;
    return {m[12], m[13], m[14], m[10], m[9], m[0]};
}

void localCoordinates(const WorldObj* frame, const float q[3], float out[3]) {
    const float* m = frame->modelMatrix;
    float d[3] = {q[0] - m[12], q[1] - m[13], q[2] - m[14]};
    for (int axis = 0; axis < 3; axis++) {
        const float* c = m + axis * 4;
        out[axis] = d[0] * c[0] + d[1] * c[1] + d[2] * c[2];
    }
}

int countNamed(const char* name, PosePredicate pred) {
    int n = 0;
    for (int i = 0; i < wld_objectCount(); i++) {
        DynamicWorldObj* o = wld_object(i);
        if (strcmp(o->name, name) == 0 && (!pred || pred(poseOf(o)))) n++;
    }
    return n;
}

bool everyNamed(const char* name, PosePredicate pred) {
    for (int i = 0; i < wld_objectCount(); i++) {
        DynamicWorldObj* o = wld_object(i);
        if (strcmp(o->name, name) == 0 && !pred(poseOf(o))) return false;
    }
    return true;
}

bool anyNamed(const char* name, PosePredicate pred) { return countNamed(name, pred) > 0; }

DynamicWorldObj* findNamed(const char* name) {
    for (int i = 0; i < wld_objectCount(); i++) {
        if (strcmp(wld_object(i)->name, name) == 0) return wld_object(i);
    }
    return nullptr;
}

bool truckBelow(float z) {
    DynamicWorldObj* truck = wld_truck();
    return truck && poseOf(truck).z < z;
}

const WorldObj* truckHeld() {
    TruckObj* truck = dynamic_cast<TruckObj*>(wld_truck());
    if (!truck || !truck->crane || !truck->crane->grapple) return nullptr;
    return truck->crane->grapple->grasped;
}

float truckX() {
    DynamicWorldObj* truck = wld_truck();
    return truck ? poseOf(truck).x : -1e30f;
}

void activateVehicle(VehicleObj* v) {
    v->setActive(true);
    char msg[128];
    format128(msg, "vehicleSwitch vehicle=%s", v->name);
    postMessage(msg);
}

ForkLift* forkLiftOn() {
    ForkLift* forkLift = findVehicle<ForkLift>("forkLift");
    if (forkLift && !forkLift->isActive()) activateVehicle(forkLift);
    return forkLift;
}
