#include "vehicles/vehicle_geom.h"

#include "geom/records.h"

VehicleRecords vehicle_records = {
    &geom_truck,
    &geom_truck_wheel,
    &geom_crane_base,
    &geom_crane_beam_a,
    &geom_crane_beam_b,
    &geom_crane_beam_c,
    &geom_grapple_hub,
    &geom_grapple_hub_wide,
    {&geom_prong_claw, &geom_prong_claw_tip, &geom_prong_wide_tip, &geom_prong_wide,
     &geom_prong_paddle},
    &geom_trailer,
    &geom_trailer_wheels,
};
