#include "sound/wavdb.h"

#include <cstdint>
#include <cstring>

#include "bus/bus.h"
#include "bus/diag.h"
#include "render/txdb_module.h"

namespace {

const char* const SOURCE = "Base/C/wavdb_mswin";
const int MISSING_LENGTH_LINE = 51;

struct Entry {
    const char* name;
    const short* data;
    int length;
};

Entry entries[WAVDB_MAX_SZ];
int wavdb_sz = 0;

bool loadSample(void* module, const char* moduleName, const char* name) {
    char symbol[128];
    format128(symbol, "%s_dat", name);
    const short* data = static_cast<const short*>(dataModuleSymbol(module, symbol));
    if (!data) {
        logLine("ERR Could not get symbol %s from %s", symbol, moduleName);
        return false;
    }
    format128(symbol, "%s_len", name);
    const int32_t* lp = static_cast<const int32_t*>(dataModuleSymbol(module, symbol));
    if (!lp) {
        // Without its length the data cannot be used safely: report and skip it.
        assertFailed(SOURCE, MISSING_LENGTH_LINE, "lp", true);
        return false;
    }
    if (*lp < 0) {
        logLine("ERR Wave '%s' in %s has a negative length %d.", name, moduleName, *lp);
        return false;
    }
    if (wavdb_sz >= WAVDB_MAX_SZ) {
        logLine("ERR wavdb is full (%d entries); '%s' not stored.", WAVDB_MAX_SZ, name);
        return false;
    }
    entries[wavdb_sz] = {name, data, *lp};
    wavdb_sz++;
    return true;
}

}  // namespace

int wavdb_load(const char* module, const char* const* names, int count) {
    void* handle = dataModuleOpen(module);
    if (!handle) {
        logLine("Could not load %s", module);
        return 0;
    }
    int stored = 0;
    for (int i = 0; i < count; i++) {
        if (loadSample(handle, module, names[i])) stored++;
    }
    // The handle is kept open on purpose: the entries point into the module.
    return stored;
}

bool wavdb_lookup(const char* name, int* length, const short** data) {
    for (int i = 0; i < wavdb_sz; i++) {
        if (strcmp(entries[i].name, name) == 0) {
            *length = entries[i].length;
            *data = entries[i].data;
            return true;
        }
    }
    logLine("ERR Wave '%s' not stored in wavdb.", name);
    return false;
}

int wavdb_size() { return wavdb_sz; }

void wavdb_clear() { wavdb_sz = 0; }
