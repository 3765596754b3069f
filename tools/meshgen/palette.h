// The colours the models share, so that wood, steel and paint match from
// one shape to the next.
#pragma once

#include "tools/meshgen/mesh.h"

const Vec3 WOOD = {0.72f, 0.52f, 0.30f};
const Vec3 WOOD_DARK = {0.48f, 0.32f, 0.18f};
const Vec3 STEEL = {0.58f, 0.60f, 0.63f};
const Vec3 IRON = {0.30f, 0.31f, 0.33f};
const Vec3 GALVANISED = {0.70f, 0.72f, 0.72f};
const Vec3 GIRDER_RED = {0.78f, 0.30f, 0.16f};
const Vec3 HAZARD_YELLOW = {0.95f, 0.76f, 0.10f};
const Vec3 SIGNAL_RED = {0.85f, 0.15f, 0.12f};
const Vec3 WHITE_PAINT = {0.94f, 0.94f, 0.92f};
const Vec3 BRICK = {0.68f, 0.30f, 0.22f};
const Vec3 PLASTER = {0.92f, 0.87f, 0.74f};
const Vec3 ROOF_TILE = {0.62f, 0.22f, 0.16f};
const Vec3 WINDOW = {0.30f, 0.45f, 0.62f};
const Vec3 CONCRETE = {0.66f, 0.66f, 0.63f};
const Vec3 STONE = {0.62f, 0.58f, 0.50f};
const Vec3 MARBLE = {0.90f, 0.88f, 0.82f};
const Vec3 BRASS = {0.80f, 0.65f, 0.25f};
const Vec3 INSULATOR = {0.45f, 0.55f, 0.50f};
const Vec3 RUBBER = {0.16f, 0.16f, 0.17f};
const Vec3 CANISTER = {0.88f, 0.90f, 0.86f};
const Vec3 BOX_GREEN = {0.25f, 0.70f, 0.28f};
const Vec3 BOX_RED = {0.85f, 0.20f, 0.18f};
const Vec3 DUMPSTER = {0.20f, 0.45f, 0.30f};
const Vec3 INK = {0.08f, 0.08f, 0.10f};
const Vec3 ACID_ORANGE = {0.95f, 0.45f, 0.10f};
const Vec3 BASE_BLUE = {0.20f, 0.40f, 0.85f};
