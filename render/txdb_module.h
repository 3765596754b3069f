// Data modules: shared libraries that hold only exported data (pixels,
// samples). A module named NAME is the file NAME.so in the folder of the
// running executable, so the game, tests and tools find the modules that
// the build puts beside them in bin/.
#pragma once

// Writes the module's file path into path; false when it does not fit.
bool dataModulePath(const char* module, char* path, int size);
// Loads the module; null (and nothing printed) when it cannot be loaded.
void* dataModuleOpen(const char* module);
// Address of an exported symbol, or null.
const void* dataModuleSymbol(void* handle, const char* symbol);
void dataModuleClose(void* handle);
