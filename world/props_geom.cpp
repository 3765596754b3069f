#include "world/props_geom.h"

PropRecords prop_records = {};

const char* const PROP_FORMULAS[FORMULA_COUNT] = {"HBr", "HCl", "HNO3", "KOH", "LiOH", "NaH"};
const char* const PROP_LETTERS[LETTER_COUNT] = {"Q", "U", "O", "R", "V", "E", "L"};
