// The OpenGL texture uploader for the texture database. Install it with
// txdb_setUploader(txdb_glUploader()) once a GL context is current.
#pragma once

#include "render/txdb.h"

const TxdbUploader* txdb_glUploader();
