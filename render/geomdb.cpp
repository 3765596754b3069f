#include "render/geomdb.h"

#include "bus/diag.h"
#include "render/gfx.h"

namespace {

const char* const SOURCE = "Base/C/geomdb";

geomdesc* entries[GEOMDB_MAX];
int written[GEOMDB_MAX];
int count = 0;

bool isRegistered(const geomdesc* desc) {
    for (int i = 0; i < count; i++) {
        if (entries[i] == desc) return true;
    }
    return false;
}

// Returns true when at least one buffer was created now.
bool createBuffers(geomdesc* desc) {
    bool created = false;
    if (desc->vbos[0] == 0 && desc->numt != 0) {
        desc->bufaux[0] = 0;
        desc->vbos[0] = gfx().createBuffer(desc->tridata, desc->bufsz[0]);
        QASSERT(SOURCE, desc->vbos[0]);
        created = true;
    }
    if (desc->vbos[1] == 0 && desc->nume != 0) {
        desc->bufaux[1] = 0;
        desc->vbos[1] = gfx().createBuffer(desc->edgedata, desc->bufsz[1]);
        QASSERT(SOURCE, desc->vbos[1]);
        created = true;
    }
    return created;
}

}  // namespace

bool geomdb_add(geomdesc* desc) {
    if (count >= GEOMDB_MAX) return false;
    if (isRegistered(desc)) return false;
    entries[count] = desc;
    written[count] = 1;
    if (!createBuffers(desc)) {
        // The entry is not counted; the next registration takes its place.
        logLine("ERR Failed to create vbo for geomdesc. numt=%d", desc->numt);
        return false;
    }
    count++;
    return true;
}

int geomdb_create_vbos() {
    logLine("loading VBOs of geomdb containing %d entries", count);
    int made = 0;
    for (int i = 0; i < count; i++) {
        if (createBuffers(entries[i])) made++;
    }
    return made;
}

int geomdb_clear() {
    int cleared = 0;
    for (int i = 0; i < count; i++) {
        geomdesc* desc = entries[i];
        bool any = false;
        for (int b = 0; b < 2; b++) {
            if (desc->vbos[b] == 0) continue;
            desc->bufaux[b] = 0;
            gfx().deleteBuffer(desc->vbos[b]);
            desc->vbos[b] = 0;
            any = true;
        }
        if (any) cleared++;
    }
    return cleared;
}

int geomdb_count() { return count; }

void geomdb_resetCount() { count = 0; }
