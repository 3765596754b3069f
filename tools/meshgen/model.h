// Named models for the geometry generator. A models_*.cpp file registers its
// shapes at static-initialisation time, so adding a file of models needs no
// change anywhere else:
//
//   QUORVEL_MODEL(crate) { append(model.mesh, box(0.4f, 0.4f, 0.4f), WOOD); }
//
// or, for families of shapes, registerModel("egg3", [](Model& m) { ... }).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tools/meshgen/mesh.h"

struct Model {
    Mesh mesh;
    EdgeOptions edges;
};

using ModelBuild = std::function<void(Model&)>;

struct ModelEntry {
    std::string name;  // record name without the geom_ prefix
    ModelBuild build;
};

// Always returns 0, so it can initialise a static.
int registerModel(const std::string& name, ModelBuild build);
// Every registered model, sorted by name so the output does not depend on
// the order files were linked in.
std::vector<ModelEntry> registeredModels();

#define QUORVEL_MODEL(ident)                                                         \
    static void model_build_##ident(Model& model);                                   \
    static const int model_reg_##ident = registerModel(#ident, model_build_##ident); \
    static void model_build_##ident(Model& model)
