#include "tools/sim/digest.h"

#include <cstring>

#include "world/wld.h"

namespace {

const uint64_t FNV_OFFSET = 1469598103934665603ull;
const uint64_t FNV_PRIME = 1099511628211ull;

uint64_t mix(uint64_t h, const void* data, size_t size) {
    const unsigned char* p = (const unsigned char*)data;
    for (size_t i = 0; i < size; i++) h = (h ^ p[i]) * FNV_PRIME;
    return h;
}

}  // namespace

uint64_t world_digest() {
    uint64_t h = FNV_OFFSET;
    for (int i = 0; i < wld_objectCount(); i++) {
        const DynamicWorldObj* obj = wld_object(i);
        h = mix(h, obj->name, strlen(obj->name) + 1);
        h = mix(h, obj->modelMatrix, sizeof(obj->modelMatrix));
    }
    return h;
}
