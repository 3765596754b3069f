// Data modules: shared libraries that hold only exported data (pixels,
// samples). A module named NAME is the file NAME.so in the folder of the
// running executable, so the game, tests and tools find the modules that
// the build puts beside them in bin/.
#pragma once

// Writes the module's file path into path; false when it does not fit.
bool dataModulePath(const char* module, char* path, int size);
// Loads the module; null (and nothing printed) when it cannot be loaded.
// A file that is not a complete shared object counts as missing: handing a
// cut-off file to the loader would crash it.
void* dataModuleOpen(const char* module);
// Whether the file is a shared object of this machine's kind whose header,
// program headers and segments all lie within the file.
bool dataModuleFileComplete(const char* path);
// Address of an exported symbol, or null.
const void* dataModuleSymbol(void* handle, const char* symbol);
void dataModuleClose(void* handle);
