// The rail yard's track and tunnel: shared by the terrain model and the
// construction.
#pragma once

const float TRAINLOT_GROUND = 0.75f;
const float TRAINLOT_TRACK_Y = -3.0f, TRAINLOT_GAUGE = 0.7f;
const float TRAINLOT_RAIL_HEIGHT = 0.05f;
const float TRAINLOT_TRACK_WEST = -14.0f, TRAINLOT_TRACK_EAST = 34.0f;
// The tunnel's mouth; the job is done when every crate is past x = 15.
const float TRAINLOT_TUNNEL_X = 12.0f, TRAINLOT_TUNNEL_HALF = 1.2f, TRAINLOT_TUNNEL_HEIGHT = 2.2f;
const float TRAINLOT_DELIVERED_X = 15.0f;
