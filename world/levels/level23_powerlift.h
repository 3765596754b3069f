// The river crossing, shared by its terrain shape and its builder: the base
// on a mesa with the sky crane's pad, the power mast standing below it, the
// river, and across it the mast's footings on a plateau near (-47, 8).
#pragma once

namespace powerlift {

// The pad's height puts a sky crane resting on its wheels at z 11.14.
const float PAD_TOP = 10.015f;
const float PAD_X = -9.0f, PAD_Y = -6.0f;
const float MESA_X0 = -15.0f, MESA_X1 = -3.0f, MESA_Y0 = -12.0f, MESA_Y1 = 0.0f;
const float RIVER_X0 = -35.0f, RIVER_X1 = -26.0f;
const float RIVER_BED = -3.0f, WATER_Z = -1.2f;
const float SITE_X = -47.0f, SITE_Y = 8.0f;
const float FOOTING_OFFSET = 2.5f;  // the mast's feet, at +- in x and y
// The site is a plateau whose top stands a mast's body at z 10.9, just under
// the 11 m at which the hook lets go; a mast still hanging from the hook is
// higher than that until its feet are within 0.1 m of the footings. The
// plateau runs past the 4 m release square by more than the mast's half
// footprint (3 m), so wherever the hook lets go the mast stands on it.
const float SITE_TOP = 5.9f;
const float SITE_HALF = 7.5f;
// The hook lets go of an upright mast lowered within this distance of the
// site and below this height.
const float RELEASE_RADIUS = 4.0f, RELEASE_BELOW_Z = 11.0f, RELEASE_UPRIGHT = 0.92f;
// Home: the sky crane resting on its pad, hook empty.
const float LANDED_RADIUS = 2.0f, LANDED_Z = 11.14f, LANDED_DZ = 0.05f;
const double LANDED_SPEED2 = 0.0004;  // squared, m²/s²
const float MAST_X = -12.0f, MAST_Y = -20.0f;
const float HALF_Y = 45.0f, WEST_X = -70.0f, EAST_X = 20.0f, DEEP_Z = -4.0f;

}  // namespace powerlift
