// A dumpster with a hinged lid that opens up to 0.75 pi. Both keep their
// boxes in one space of their own, so the lid never catches on its bin.
#pragma once

#include "world/worldobj.h"

class DumpsterLid : public DynamicWorldObj {
   public:
    DumpsterLid(const dReal pos[3], const dReal rotation[12], dSpaceID space);
};

class Dumpster : public DynamicWorldObj {
   public:
    Dumpster(const dReal pos[3], bool flipped);
    ~Dumpster() override;
    void update(float dt) override;
    void draw(RenderContext& rc) override;
    void drawShadow(RenderContext& rc) override;
    void drawEdges(RenderContext& rc) override;

    dSpaceID space;
    DumpsterLid* lid;
    dJointID hinge;
};
