// The canyon jump, shared by its terrain shapes and its builder: a run-up
// along y = 0 to the canyon's lip at x = 0, the canyon, and the landing
// beyond; the storage shed where the fork lift parks to start the racer.
#pragma once

namespace daredevil {

const float LIP_X = 0.0f, FAR_X = 8.0f;  // the canyon's two edges
const float CANYON_FLOOR = -12.0f;
const float WEST_X = -45.0f, EAST_X = 40.0f, HALF_Y = 14.0f;
const float DEEP_Z = -2.0f;
// Where the ramp is to be built: marked on the run-up before the lip.
const float RAMP_MARK_X0 = -3.6f, RAMP_MARK_X1 = LIP_X;
// The storage shed: a fork lift inside it starts the show.
const float SHED_X0 = -36.6f, SHED_X1 = -33.4f, SHED_Y0 = 1.4f, SHED_Y1 = 6.2f;
const float SHED_WALL = 0.2f, SHED_HEIGHT = 1.6f;
// The fork lift parked in here starts the racer.
const float PARKED_X0 = -36.0f, PARKED_X1 = -34.0f, PARKED_Y0 = 2.0f, PARKED_Y1 = 5.6f;
// The racer's drive is cut past here; it has made the jump past WON_X and
// is lost below LOST_Z.
const float RACER_CUT_X = -3.0f, RACER_WON_X = 10.0f, RACER_LOST_Z = -9.0f;
const float RACER_X = -30.0f;
const float FORKLIFT_X = -27.0f, FORKLIFT_Y = 4.0f;
// The ramp parts wait in a row beside the run-up.
const float PARTS_X = -14.0f, PARTS_PITCH = 1.5f, PARTS_Y = -3.0f, TOPS_Y = -4.6f;

}  // namespace daredevil
