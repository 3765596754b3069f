#include "tools/meshgen/model.h"

#include <algorithm>

namespace {

// A function-local table: registrations run before main, in any file order.
std::vector<ModelEntry>& table() {
    static std::vector<ModelEntry> entries;
    return entries;
}

}  // namespace

int registerModel(const std::string& name, ModelBuild build) {
    table().push_back({name, std::move(build)});
    return 0;
}

std::vector<ModelEntry> registeredModels() {
    std::vector<ModelEntry> sorted = table();
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const ModelEntry& a, const ModelEntry& b) { return a.name < b.name; });
    return sorted;
}
