// Props that carry a body-less label object drawn in their pose: acid and
// base canisters with their formula, and sign boards with a letter.
#pragma once

#include "world/props_basic.h"

class Canister : public BoxObj {
   public:
    // formula: one of PROP_FORMULAS; names the canister "acid" or "base".
    Canister(const char* formula, const dReal pos[3]);
    ~Canister() override;
    void update(float dt) override;
    void draw(RenderContext& rc) override;
    void drawShadow(RenderContext& rc) override;
    void drawEdges(RenderContext& rc) override;

    WorldObj* label;
};

class CharBoard : public DynamicWorldObj {
   public:
    // letter: a one-letter text kept by the caller (a level table constant).
    CharBoard(const char* letter, const dReal pos[3]);
    ~CharBoard() override;
    void update(float dt) override;
    void draw(RenderContext& rc) override;
    void drawShadow(RenderContext& rc) override;
    void drawEdges(RenderContext& rc) override;

    WorldObj* label;
};
