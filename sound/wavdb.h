// Sample database: signed 16-bit samples loaded by name from a data module
// (the file NAME.so beside the executable, see render/txdb_module.h). Each
// sample NAME is exported as its values under "NAME_dat" and its length,
// an int32 count of 16-bit values, under "NAME_len". Modules stay loaded for
// the life of the process because the entries point into them.
#pragma once

enum { WAVDB_MAX_SZ = 64 };

// Loads the named samples; returns how many were stored by this call.
// Names are kept by pointer: pass string constants.
int wavdb_load(const char* module, const char* const* names, int count);
// First stored sample of that name; false (outputs untouched) when none.
bool wavdb_lookup(const char* name, int* length, const short** data);

int wavdb_size();
void wavdb_clear();  // forgets the entries (tests); modules stay loaded
