// Writes a data-only shared module's sources: one binary blob with every
// exported array and an assembler file that exports each array (by offset
// into the blob, with .incbin) and each int32 under its symbol name.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ModuleWriter {
    std::vector<unsigned char> blob;
    std::string exports;  // assembler lines
};

void mw_addArray(ModuleWriter& w, const std::string& symbol, const void* data, size_t bytes);
void mw_addInt(ModuleWriter& w, const std::string& symbol, int32_t value);
// Writes DIR/NAME.bin and DIR/NAME.S; false (after a message) on failure.
bool mw_write(const ModuleWriter& w, const std::string& dir, const std::string& name);
