// The sandbox's layout, shared by its ground shape and its builder: the toy
// in the middle and ten prop stations round a circle.
#pragma once

namespace sandbox {

const int STATIONS = 10;
const float STATION_RADIUS = 9.0f;
const float GROUND_HALF = 40.0f;
const float PAD_HALF = 1.6f;  // the painted square under each station

}  // namespace sandbox
