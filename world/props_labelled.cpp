#include "world/props_labelled.h"

#include <cstring>

#include "world/props_geom.h"
#include "world/props_shape.h"
#include "world/wld.h"

namespace {

const dReal CANISTER_SIZE[3] = {0.25, 0.25, 0.35};
const dReal NO_OFFSET[3] = {0, 0, 0};
const int FIRST_BASE = 3;  // PROP_FORMULAS lists the acids first

int formulaIndex(const char* formula) {
    for (int i = 0; i < FORMULA_COUNT; i++)
        if (strcmp(formula, PROP_FORMULAS[i]) == 0) return i;
    return -1;
}

int letterIndex(const char* letter) {
    for (int i = 0; i < LETTER_COUNT; i++)
        if (strcmp(letter, PROP_LETTERS[i]) == 0) return i;
    return -1;
}

const char* canisterName(const char* formula) {
    return formulaIndex(formula) >= FIRST_BASE ? "base" : "acid";
}

// Names are kept, not copied: prefer the table's own constant text.
const char* lastingFormula(const char* formula) {
    int i = formulaIndex(formula);
    return i >= 0 ? PROP_FORMULAS[i] : formula;
}
const char* lastingLetter(const char* letter) {
    int i = letterIndex(letter);
    return i >= 0 ? PROP_LETTERS[i] : letter;
}

void copyPose(WorldObj* label, const float* model) {
    for (int k = 0; k < 16; k++) label->modelMatrix[k] = model[k];
}

}  // namespace

Canister::Canister(const char* formula, const dReal pos[3])
    : BoxObj(canisterName(formula), prop_records.canister, pos, CANISTER_SIZE, 0.9, NO_OFFSET) {
    int i = formulaIndex(formula);
    label = new WorldObj(lastingFormula(formula), i >= 0 ? prop_records.formulaLabel[i] : nullptr);
}

Canister::~Canister() { delete label; }

void Canister::update(float dt) {
    BoxObj::update(dt);
    copyPose(label, modelMatrix);
}
void Canister::draw(RenderContext& rc) {
    BoxObj::draw(rc);
    label->draw(rc);
}
void Canister::drawShadow(RenderContext& rc) {
    BoxObj::drawShadow(rc);
    label->drawShadow(rc);
}
void Canister::drawEdges(RenderContext& rc) {
    BoxObj::drawEdges(rc);
    label->drawEdges(rc);
}

CharBoard::CharBoard(const char* letter, const dReal pos[3])
    : DynamicWorldObj(lastingLetter(letter), prop_records.charBoard, wld_world()) {
    dBodySetPosition(body, pos[0], pos[1], pos[2]);
    dMass m;
    dMassSetBox(&m, 0.8, 0.1, 0.48, 0.7);
    dBodySetMass(body, &m);
    const ShapeSpec s[] = {
        shapeBox(0.1, 0.48, 0.7, 0, 0, 0),         shapeBox(0.06, 0.06, 0.3, 0, 0.19, -0.5),
        shapeBox(0.06, 0.06, 0.3, 0, -0.19, -0.5), shapeBox(0.06, 0.4, 0.06, 0, 0, 0.45),
        shapeBox(0.1, 0.1, 0.1, 0, 0.19, 0.4),     shapeBox(0.1, 0.1, 0.1, 0, -0.19, 0.4),
    };
    attachShapes(body, this, wld_space(), s, 6);
    int i = letterIndex(letter);
    label = new WorldObj(lastingLetter(letter), i >= 0 ? prop_records.letter[i] : nullptr);
}

CharBoard::~CharBoard() { delete label; }

void CharBoard::update(float dt) {
    DynamicWorldObj::update(dt);
    copyPose(label, modelMatrix);
}
void CharBoard::draw(RenderContext& rc) {
    DynamicWorldObj::draw(rc);
    label->draw(rc);
}
void CharBoard::drawShadow(RenderContext& rc) {
    DynamicWorldObj::drawShadow(rc);
    label->drawShadow(rc);
}
void CharBoard::drawEdges(RenderContext& rc) {
    DynamicWorldObj::drawEdges(rc);
    label->drawEdges(rc);
}
