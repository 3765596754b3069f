#include "tools/sim/probe.h"

#include <cstdio>
#include <cstring>

#include "vehicles/crane.h"
#include "vehicles/dumptruck.h"
#include "vehicles/forklift.h"
#include "vehicles/grapple.h"
#include "vehicles/skidloader.h"
#include "vehicles/skycrane.h"
#include "world/props_dumpster.h"
#include "world/props_levers.h"
#include "world/wld.h"

namespace {

const char* const JOINT_NAMES =
    "crane: slew boom bend extend prong0..prong3; forkLift: lift tilt; skidLoader: arm bucket; "
    "dumpTruck: bed; skyCrane: collective hook; dumpsterN: lid";

void poseFromMatrix(const float* m, Pose* out) {
    for (int i = 0; i < 3; i++) {
        out->pos[i] = m[12 + i];
        for (int j = 0; j < 3; j++) out->axis[i][j] = m[4 * i + j];
        out->vel[i] = out->angVel[i] = 0.0;
    }
}

void poseFromBody(dBodyID body, Pose* out) {
    const dReal* p = dBodyGetPosition(body);
    const dReal* r = dBodyGetRotation(body);  // rows of 4: column i is the body's axis i
    const dReal* v = dBodyGetLinearVel(body);
    const dReal* w = dBodyGetAngularVel(body);
    for (int i = 0; i < 3; i++) {
        out->pos[i] = p[i];
        for (int j = 0; j < 3; j++) out->axis[i][j] = r[4 * j + i];
        out->vel[i] = v[i];
        out->angVel[i] = w[i];
    }
}

std::string triple(const char* label, const double* v) {
    char text[96];
    snprintf(text, sizeof text, "%s %.5f %.5f %.5f", label, v[0], v[1], v[2]);
    return text;
}

// Hinges read their angle, sliders their position.
bool readJoint(dJointID j, double* value) {
    if (!j) return false;
    int type = dJointGetType(j);
    if (type == dJointTypeHinge)
        *value = dJointGetHingeAngle(j);
    else if (type == dJointTypeSlider)
        *value = dJointGetSliderPosition(j);
    else
        return false;
    return true;
}

dJointID craneJoint(const std::string& joint) {
    Crane* c = crane_current;
    if (joint == "slew") return c->slew;
    if (joint == "boom") return c->hingeA;
    if (joint == "bend") return c->hingeB;
    if (joint == "extend") return c->sliderC;
    if (c->grapple && joint.size() == 6 && joint.compare(0, 5, "prong") == 0) {
        int i = joint[5] - '0';
        if (i >= 0 && i < GRAPPLE_MAX_PRONGS) return c->grapple->hinges[i];
    }
    return nullptr;
}

dJointID machineJoint(const std::string& machine, const std::string& joint) {
    if (machine == "crane") return craneJoint(joint);
    if (machine == "forkLift" && joint == "lift") return forklift_current->arm->lift;
    if (machine == "forkLift" && joint == "tilt") return forklift_current->tilt;
    if (machine == "skidLoader" && joint == "arm") return skidloader_current->armHinge;
    if (machine == "skidLoader" && joint == "bucket") return skidloader_current->arm->bucketHinge;
    if (machine == "dumpTruck" && joint == "bed") return dumptruck_current->bedHinge;
    if (machine == "skyCrane" && joint == "hook") return skycrane_current->hookHinge;
    return nullptr;
}

// The machine built last, if this level has one of that kind.
bool machinePresent(const std::string& machine) {
    if (machine == "crane") return crane_current != nullptr;
    if (machine == "forkLift") return forklift_current != nullptr;
    if (machine == "skidLoader") return skidloader_current != nullptr;
    if (machine == "dumpTruck") return dumptruck_current != nullptr;
    if (machine == "skyCrane") return skycrane_current != nullptr;
    return false;
}

// A dumpster's lid hangs on its bin and the feed's boxes on its lever, so
// neither is in the world's list; each is listed right after its owner.
void addWithParts(DynamicWorldObj* o, std::vector<DynamicWorldObj*>* out) {
    out->push_back(o);
    if (const Dumpster* d = dynamic_cast<const Dumpster*>(o)) out->push_back(d->lid);
    if (const ConveyerLever* c = dynamic_cast<const ConveyerLever*>(o))
        for (int i = 0; i < c->numBoxes; i++) out->push_back(c->boxes[i]);
}

std::vector<DynamicWorldObj*> listed() {
    std::vector<DynamicWorldObj*> out;
    for (int i = 0; i < wld_objectCount(); i++) addWithParts(wld_object(i), &out);
    return out;
}

// "dumpsterN": the N-th dumpster of the world's list (from 0).
const Dumpster* numberedDumpster(const std::string& machine) {
    const std::string prefix = "dumpster";
    if (machine.size() <= prefix.size() || machine.size() > prefix.size() + 3 ||
        machine.compare(0, prefix.size(), prefix) != 0)
        return nullptr;
    int n = 0;
    for (size_t k = prefix.size(); k < machine.size(); k++) {
        if (machine[k] < '0' || machine[k] > '9') return nullptr;
        n = 10 * n + (machine[k] - '0');
    }
    for (int i = 0; i < wld_objectCount(); i++) {
        const Dumpster* d = dynamic_cast<const Dumpster*>(wld_object(i));
        if (d && n-- == 0) return d;
    }
    return nullptr;
}

// The truck crane's sections, which hang on the crane outside the list.
dBodyID craneSection(const char* name) {
    Crane* c = crane_current;
    if (!c) return nullptr;
    if (!strcmp(name, "beamA")) return c->beamA->body;
    if (!strcmp(name, "beamB")) return c->beamB->body;
    if (!strcmp(name, "beamC")) return c->beamC->body;
    return nullptr;
}

}  // namespace

bool probe_pose(const char* name, int index, Pose* out) {
    // The grapple hangs on the crane, outside the world's list.
    Grapple* g = crane_current ? crane_current->grapple : nullptr;
    if (g && !strcmp(name, "grapple") && index == 0) {
        poseFromBody(g->body, out);
        return true;
    }
    // So does the fork lift's carriage, on its mast.
    ForkLift* f = forklift_current;
    if (f && f->arm && f->arm->carriage && !strcmp(name, "carriage") && index == 0) {
        poseFromBody(f->arm->carriage->body, out);
        return true;
    }
    // And the skid loader's bucket, on its arm.
    SkidLoader* l = skidloader_current;
    if (l && l->arm && l->arm->bucket && !strcmp(name, "bucket") && index == 0) {
        poseFromBody(l->arm->bucket->body, out);
        return true;
    }
    dBodyID section = index == 0 ? craneSection(name) : nullptr;
    if (section) {
        poseFromBody(section, out);
        return true;
    }
    for (DynamicWorldObj* o : listed()) {
        if (strcmp(o->name, name) != 0 || index-- > 0) continue;
        if (o->body)
            poseFromBody(o->body, out);
        else
            poseFromMatrix(o->modelMatrix, out);
        return true;
    }
    return false;
}

std::string probe_poseText(const Pose& p) {
    return triple("pos", p.pos) + " " + triple("x", p.axis[0]) + " " + triple("y", p.axis[1]) +
           " " + triple("z", p.axis[2]) + " " + triple("vel", p.vel) + " " +
           triple("avel", p.angVel);
}

bool probe_joint(const std::string& machine, const std::string& joint, double* value,
                 std::string* why) {
    if (const Dumpster* d = numberedDumpster(machine)) {
        if (joint == "lid") {
            *value = dJointGetHingeAngle(d->hinge);
            return true;
        }
        *why = "no joint '" + joint + "' on '" + machine + "' (" + JOINT_NAMES + ")";
        return false;
    }
    if (!machinePresent(machine)) {
        *why = "no machine '" + machine + "' here";
        return false;
    }
    if (machine == "skyCrane" && joint == "collective") {
        *value = skycrane_current->collective;
        return true;
    }
    if (readJoint(machineJoint(machine, joint), value)) return true;
    *why = "no joint '" + joint + "' on '" + machine + "' (" + JOINT_NAMES + ")";
    return false;
}

bool probe_grasped(std::string* name) {
    Grapple* g = crane_current ? crane_current->grapple : nullptr;
    if (!g) return false;
    *name = g->grasped && g->grasped->name ? g->grasped->name : "-";
    return true;
}

const char* probe_jointNames() { return JOINT_NAMES; }

std::vector<std::string> probe_list() {
    std::vector<std::string> out;
    std::vector<DynamicWorldObj*> all = listed();
    for (size_t i = 0; i < all.size(); i++) {
        DynamicWorldObj* o = all[i];
        int index = 0;
        for (size_t j = 0; j < i; j++) index += strcmp(all[j]->name, o->name) == 0;
        Pose p;
        probe_pose(o->name, index, &p);
        char text[160];
        snprintf(text, sizeof text, "%s %d %.5f %.5f %.5f", o->name, index, p.pos[0], p.pos[1],
                 p.pos[2]);
        out.push_back(text);
    }
    return out;
}

bool probe_placeAtRest(const char* name, int index, const double at[3], std::string* why) {
    int seen = 0;
    for (DynamicWorldObj* o : listed()) {
        if (strcmp(o->name, name) != 0 || seen++ < index) continue;
        if (!o->body) {
            *why = std::string("'") + name + "' has no body to move";
            return false;
        }
        // A machine or a part of one would tear from its joints.
        for (int j = 0; j < dBodyGetNumJoints(o->body); j++)
            if (dJointGetType(dBodyGetJoint(o->body, j)) != dJointTypeContact) {
                *why = std::string("'") + name + "' is jointed to another body";
                return false;
            }
        dMatrix3 unturned;
        dRSetIdentity(unturned);
        dBodySetRotation(o->body, unturned);
        dBodySetPosition(o->body, at[0], at[1], at[2]);
        dBodySetLinearVel(o->body, 0, 0, 0);
        dBodySetAngularVel(o->body, 0, 0, 0);
        dBodyEnable(o->body);
        o->update(0);
        return true;
    }
    *why = std::string("no object '") + name + "' number " + std::to_string(index);
    return false;
}
