#include "tools/sim/trace.h"

#include <cstring>

#include "vehicles/crane.h"
#include "world/wld.h"

namespace {

void printBody(FILE* out, long tick, const char* name, int index, dBodyID body) {
    const dReal* p = dBodyGetPosition(body);
    const dReal* r = dBodyGetRotation(body);  // rows of 4: r[2], r[6], r[10] is local z
    const dReal* v = dBodyGetLinearVel(body);
    fprintf(out, "trace %ld %s#%d pos %.4f %.4f %.4f up %.4f head %.4f %.4f vel %.3f %.3f %.3f%s\n",
            tick, name, index, p[0], p[1], p[2], r[10], r[0], r[4], v[0], v[1], v[2],
            dBodyIsEnabled(body) ? "" : " asleep");
}

void printCrane(FILE* out, long tick, const Crane* c) {
    fprintf(out, "trace %ld crane slew %.4f elevate %.4f bend %.4f extend %.4f", tick,
            c->slew ? dJointGetHingeAngle(c->slew) : 0.0, dJointGetHingeAngle(c->hingeA),
            dJointGetHingeAngle(c->hingeB), dJointGetSliderPosition(c->sliderC));
    const Grapple* g = c->grapple;
    if (!g) {
        fprintf(out, "\n");
        return;
    }
    const dReal* p = dBodyGetPosition(g->body);
    fprintf(out, " grapple %.4f %.4f %.4f prongs", p[0], p[1], p[2]);
    for (dJointID h : g->hinges)
        if (h) fprintf(out, " %.3f", dJointGetHingeAngle(h));
    fprintf(out, " grasped %s\n", g->grasped ? g->grasped->name : "-");
}

}  // namespace

void trace_print(FILE* out, long tick, const char* name) {
    if (!strcmp(name, "crane")) {
        if (crane_current) printCrane(out, tick, crane_current);
        return;
    }
    int index = 0;
    for (int i = 0; i < wld_objectCount(); i++) {
        DynamicWorldObj* o = wld_object(i);
        if (strcmp(o->name, name) == 0 && o->body) printBody(out, tick, name, index++, o->body);
    }
}
