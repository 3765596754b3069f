#include "vehicles/vehicle_geom.h"

VehicleRecords vehicle_records = {};
