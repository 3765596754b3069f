// Texture database: loads images from a data module (see txdb_module.h for
// how a module name becomes a file), makes one texture per image and binds
// textures by image name. Each image NAME is exported as its RGBA8 pixels
// (premultiplied, bottom row first) under "NAME" and its size as int32 under
// "NAME_w" and "NAME_h".
//
// Texture creation and binding go through a TxdbUploader so the database
// runs headless; the renderer installs the GL one (txdb_gl.h) once its
// context exists. The default hands out names and keeps no pixels.
#pragma once

enum { TXDB_MAX_SZ = 96 };

struct TxdbUploader {
    // Makes a linear-filtered, edge-clamped texture from the pixels; returns its name.
    unsigned (*createTexture)(const unsigned char* rgba, int width, int height);
    void (*bindTexture)(unsigned texture);
};

// Loads the named images from the module; returns how many were stored.
// The names are kept by pointer: pass string constants.
int txdb_load(const char* module, const char* const* names, int count);
// The same, but each texture is made when its image is first bound (or
// asked for), so that pictures not yet shown cost nothing at start-up; the
// module stays loaded until the last of its images has been made.
int txdb_loadDeferred(const char* module, const char* const* names, int count);
// Binds the first stored texture of that name; an unknown name leaves the
// current binding alone and is reported the first time only.
void txdb_bind(const char* name);

int txdb_size();
// The texture of the first entry with that name, 0 when none.
unsigned txdb_texture(const char* name);

void txdb_setUploader(const TxdbUploader* uploader);  // null restores the default
// Forgets every entry and every reported name (the game never does; tests
// and tools start afresh).
void txdb_clear();
