#include "render/txdb.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "bus/bus.h"
#include "bus/diag.h"
#include "render/txdb_module.h"

namespace {

const char* const SOURCE = "Base/C/txdb_mswin";

// A deferred image keeps its module's pixels until its texture is made.
struct Entry {
    const char* name;
    unsigned texture;  // 0 while deferred
    const unsigned char* pixels;
    int width, height;
    int module;  // index into heldModules while deferred
};

Entry txdb_entries[TXDB_MAX_SZ];
int txdb_sz = 0;

// Modules kept loaded for their deferred images. Each one held has stored an
// entry, except the last while its load is running (it may store none).
struct HeldModule {
    void* handle;
    int pending;
};
HeldModule heldModules[TXDB_MAX_SZ + 1];
int heldCount = 0;

unsigned nextTextureName = 1;
unsigned nullCreateTexture(const unsigned char*, int, int) { return nextTextureName++; }
void nullBindTexture(unsigned) {}
const TxdbUploader nullUploader = {nullCreateTexture, nullBindTexture};
const TxdbUploader* uploader = &nullUploader;

// Looks up NAME_w or NAME_h; false (after the assertion line) when absent.
bool imageSize(void* module, const char* name, const char* suffix, const char* expression,
               int* value) {
    char symbol[128];
    format128(symbol, "%s%s", name, suffix);
    const int32_t* p = static_cast<const int32_t*>(dataModuleSymbol(module, symbol));
    if (!p) {
        assertFailed(SOURCE, __LINE__, expression, false);
        return false;
    }
    *value = *p;
    return true;
}

// Loads one image; true when it was stored. A deferred one (held >= 0)
// keeps its pixels for later.
bool loadImage(void* module, const char* moduleName, const char* name, int held) {
    char symbol[128];
    format128(symbol, "%s", name);
    const unsigned char* pixels =
        static_cast<const unsigned char*>(dataModuleSymbol(module, symbol));
    if (!pixels) {
        logLine("Could not get symbol %s from %s", name, moduleName);
        return false;
    }
    int width = 0, height = 0;
    if (!imageSize(module, name, "_w", "szw", &width)) return false;
    if (!imageSize(module, name, "_h", "szh", &height)) return false;
    if (width <= 0 || height <= 0) {
        logLine("ERR Image %s in %s has no pixels (%d x %d).", name, moduleName, width, height);
        return false;
    }
    // Checked before the texture is made so a full database leaks nothing.
    if (txdb_sz >= TXDB_MAX_SZ) {
        assertFailed(SOURCE, __LINE__, "txdb_sz < TXDB_MAX_SZ", false);
        return false;
    }
    Entry& e = txdb_entries[txdb_sz++];
    e = Entry{name, 0, pixels, width, height, held};
    if (held < 0)
        e.texture = uploader->createTexture(pixels, width, height);
    else
        heldModules[held].pending++;
    return true;
}

void release(int held) {
    if (--heldModules[held].pending > 0) return;
    dataModuleClose(heldModules[held].handle);
    heldModules[held].handle = nullptr;
}

unsigned textureOf(Entry& e) {
    if (e.texture == 0 && e.pixels) {
        e.texture = uploader->createTexture(e.pixels, e.width, e.height);
        e.pixels = nullptr;
        release(e.module);
    }
    return e.texture;
}

int load(const char* module, const char* const* names, int count, bool deferred) {
    void* handle = dataModuleOpen(module);
    if (!handle) {
        logLine("Could not load %s", module);
        return 0;
    }
    int held = -1;
    if (deferred) {
        held = heldCount++;
        heldModules[held] = HeldModule{handle, 0};
    }
    int made = 0;
    for (int i = 0; i < count; i++) {
        if (loadImage(handle, module, names[i], held)) made++;
    }
    if (!deferred) {
        dataModuleClose(handle);
    } else if (heldModules[held].pending == 0) {
        dataModuleClose(handle);
        heldCount--;
    }
    return made;
}

// Names already reported as not stored: a missing image is drawn every
// frame, and one line says all there is to say. Bounded, so that a caller
// making up endless names cannot grow it; past the bound lines are printed.
std::vector<std::string> reportedMissing;
const size_t REPORTED_MAX = 2 * TXDB_MAX_SZ;

bool firstReportOf(const char* name) {
    for (const std::string& r : reportedMissing) {
        if (r == name) return false;
    }
    if (reportedMissing.size() < REPORTED_MAX) reportedMissing.push_back(name);
    return true;
}

Entry* find(const char* name) {
    for (int i = 0; i < txdb_sz; i++) {
        if (strcmp(txdb_entries[i].name, name) == 0) return &txdb_entries[i];
    }
    return nullptr;
}

}  // namespace

int txdb_load(const char* module, const char* const* names, int count) {
    return load(module, names, count, false);
}

int txdb_loadDeferred(const char* module, const char* const* names, int count) {
    return load(module, names, count, true);
}

void txdb_bind(const char* name) {
    Entry* e = find(name);
    if (!e) {
        if (firstReportOf(name)) logLine("ERR Texture '%s' not stored in txdb.", name);
        return;
    }
    uploader->bindTexture(textureOf(*e));
}

int txdb_size() { return txdb_sz; }

unsigned txdb_texture(const char* name) {
    Entry* e = find(name);
    return e ? textureOf(*e) : 0;
}

void txdb_setUploader(const TxdbUploader* u) { uploader = u ? u : &nullUploader; }

void txdb_clear() {
    for (int i = 0; i < heldCount; i++) dataModuleClose(heldModules[i].handle);
    heldCount = 0;
    txdb_sz = 0;
    reportedMissing.clear();
}
