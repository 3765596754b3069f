// Which drawing record each vehicle part uses; null until the geometry
// records are linked (the parts then draw nothing).
#pragma once

#include "render/geomdesc.h"

enum { GRAPPLE_KINDS = 5 };

struct VehicleRecords {
    geomdesc* truck;
    geomdesc* truckWheel;
    geomdesc* craneBase;
    geomdesc* beamA;
    geomdesc* beamB;
    geomdesc* beamC;
    geomdesc* hubClaw;               // grapple kinds 1 and 2
    geomdesc* hubWide;               // grapple kinds 3 to 5
    geomdesc* prong[GRAPPLE_KINDS];  // by kind 1..5
    geomdesc* trailer;
    geomdesc* trailerWheels;
};

extern VehicleRecords vehicle_records;
