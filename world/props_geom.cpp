#include "world/props_geom.h"

#include "geom/records.h"

PropRecords prop_records = {
    &geom_bridgesegment,
    &geom_crate,
    &geom_frame,
    &geom_girder,
    &geom_heavyweight,
    &geom_chimney,
    &geom_houseback,
    &geom_housefront,
    &geom_housewall,
    &geom_houseroof,
    &geom_markerpole,
    &geom_packcrate,
    &geom_pallet,
    &geom_powermast,
    &geom_prisonwall,
    &geom_ramptop,
    &geom_rampbase,
    &geom_shutter,
    &geom_stacker,
    &geom_templecornice,
    &geom_templepillar,
    &geom_tombseal,
    {&geom_egg0, &geom_egg1, &geom_egg2, &geom_egg3, &geom_egg4, &geom_egg5, &geom_egg6,
     &geom_egg7},
    &geom_riser11,
    &geom_riser,
    &geom_sealpin,
    &geom_sealdoor,
    &geom_canister,
    {&geom_label_hbr, &geom_label_hcl, &geom_label_hno3, &geom_label_koh, &geom_label_lioh,
     &geom_label_nah},
    {&geom_letter_q, &geom_letter_u, &geom_letter_o, &geom_letter_r, &geom_letter_v, &geom_letter_e,
     &geom_letter_l},
    &geom_charboard,
    &geom_lever,
    &geom_liftplatform,
    &geom_greenbox,
    &geom_redbox,
    &geom_dumpster,
    &geom_dumpsterlid,
};

const char* const PROP_FORMULAS[FORMULA_COUNT] = {"HBr", "HCl", "HNO3", "KOH", "LiOH", "NaH"};
const char* const PROP_LETTERS[LETTER_COUNT] = {"Q", "U", "O", "R", "V", "E", "L"};
