// Machines built of several world objects. A parts list holds a machine's
// child objects in the order they are drawn and posed; the two composite
// bases draw their own body and then the parts, so no machine writes the
// same loops again. The list does not own its parts: the machine deletes them.
#pragma once

#include "world/vehicleobj.h"

enum { PARTS_MAX = 16 };

struct PartList {
    WorldObj* drawn[PARTS_MAX];
    DynamicWorldObj* moving[PARTS_MAX];  // null where the owner poses the part itself
    int count = 0;
};

// A part that follows its own body: drawn and updated. A null part (an
// optional child that was not built) is left out.
void parts_add(PartList& parts, DynamicWorldObj* part);
// A part without a body of its own, posed by its owner: drawn only.
void parts_addDrawn(PartList& parts, WorldObj* part);

void parts_draw(const PartList& parts, RenderContext& rc);
void parts_drawShadow(const PartList& parts, RenderContext& rc);
void parts_drawEdges(const PartList& parts, RenderContext& rc);
// Updates the parts that follow their bodies, in the order they were added.
void parts_update(const PartList& parts, float dt);

// A body with parts that is not driven: update poses the body, then the parts.
class CompositeObj : public DynamicWorldObj {
   public:
    CompositeObj(const char* name, geomdesc* geometry, dWorldID world)
        : DynamicWorldObj(name, geometry, world) {}
    void draw(RenderContext& rc) override;
    void drawShadow(RenderContext& rc) override;
    void drawEdges(RenderContext& rc) override;
    void update(float dt) override;

    PartList parts;
};

// A drivable machine with parts; its update calls parts_update where its
// own control logic needs the parts posed.
class CompositeVehicle : public VehicleObj {
   public:
    CompositeVehicle(const char* name, geomdesc* geometry, dWorldID world)
        : VehicleObj(name, geometry, world) {}
    void draw(RenderContext& rc) override;
    void drawShadow(RenderContext& rc) override;
    void drawEdges(RenderContext& rc) override;

    PartList parts;
};
