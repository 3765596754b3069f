// Which drawing record each prop uses. Constants of the props' constructors;
// null until the geometry records are linked (objects then draw nothing).
#pragma once

#include "render/geomdesc.h"

enum { EGG_VARIANTS = 8, FORMULA_COUNT = 6, LETTER_COUNT = 7 };

struct PropRecords {
    geomdesc* bridgeSegment;
    geomdesc* crate;
    geomdesc* frame;
    geomdesc* girder;
    geomdesc* heavyWeight;
    geomdesc* chimney;
    geomdesc* houseBack;
    geomdesc* houseFront;
    geomdesc* houseWall;
    geomdesc* houseRoof;
    geomdesc* markerPole;
    geomdesc* packCrate;
    geomdesc* pallet;
    geomdesc* powerMast;
    geomdesc* prisonWall;
    geomdesc* rampTop;
    geomdesc* rampBase;
    geomdesc* shutter;
    geomdesc* stacker;
    geomdesc* templeCornice;
    geomdesc* templePillar;
    geomdesc* tombSeal;
    geomdesc* egg[EGG_VARIANTS];
    geomdesc* riserTall;  // height 1.1
    geomdesc* riser;      // every other height
    geomdesc* sealPin;
    geomdesc* sealDoor;
    geomdesc* canister;
    geomdesc* formulaLabel[FORMULA_COUNT];  // in the order of PROP_FORMULAS
    geomdesc* letter[LETTER_COUNT];         // in the order of PROP_LETTERS
    geomdesc* charBoard;
    geomdesc* lever;
    geomdesc* platform;
    geomdesc* greenBox;
    geomdesc* redBox;
    geomdesc* dumpster;
    geomdesc* dumpsterLid;
};

extern PropRecords prop_records;

// Canister formulas: the first three are acids, the last three bases.
extern const char* const PROP_FORMULAS[FORMULA_COUNT];
// The capital letters the sign boards carry.
extern const char* const PROP_LETTERS[LETTER_COUNT];
