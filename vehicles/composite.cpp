#include "vehicles/composite.h"

#include "bus/diag.h"

namespace {

void addPart(PartList& parts, WorldObj* drawn, DynamicWorldObj* moving) {
    if (!drawn) return;
    if (parts.count >= PARTS_MAX) {
        logLine("ERR Too many parts on '%s'", drawn->name);
        return;
    }
    parts.drawn[parts.count] = drawn;
    parts.moving[parts.count] = moving;
    parts.count++;
}

void each(const PartList& parts, void (WorldObj::*op)(RenderContext&), RenderContext& rc) {
    for (int i = 0; i < parts.count; i++) (parts.drawn[i]->*op)(rc);
}

}  // namespace

void parts_add(PartList& parts, DynamicWorldObj* part) { addPart(parts, part, part); }
void parts_addDrawn(PartList& parts, WorldObj* part) { addPart(parts, part, nullptr); }

void parts_draw(const PartList& parts, RenderContext& rc) { each(parts, &WorldObj::draw, rc); }
void parts_drawShadow(const PartList& parts, RenderContext& rc) {
    each(parts, &WorldObj::drawShadow, rc);
}
void parts_drawEdges(const PartList& parts, RenderContext& rc) {
    each(parts, &WorldObj::drawEdges, rc);
}

void parts_update(const PartList& parts, float dt) {
    for (int i = 0; i < parts.count; i++)
        if (parts.moving[i]) parts.moving[i]->update(dt);
}

void CompositeObj::draw(RenderContext& rc) {
    DynamicWorldObj::draw(rc);
    parts_draw(parts, rc);
}
void CompositeObj::drawShadow(RenderContext& rc) {
    DynamicWorldObj::drawShadow(rc);
    parts_drawShadow(parts, rc);
}
void CompositeObj::drawEdges(RenderContext& rc) {
    DynamicWorldObj::drawEdges(rc);
    parts_drawEdges(parts, rc);
}
void CompositeObj::update(float dt) {
    DynamicWorldObj::update(dt);
    parts_update(parts, dt);
}

void CompositeVehicle::draw(RenderContext& rc) {
    DynamicWorldObj::draw(rc);
    parts_draw(parts, rc);
}
void CompositeVehicle::drawShadow(RenderContext& rc) {
    DynamicWorldObj::drawShadow(rc);
    parts_drawShadow(parts, rc);
}
void CompositeVehicle::drawEdges(RenderContext& rc) {
    DynamicWorldObj::drawEdges(rc);
    parts_drawEdges(parts, rc);
}
