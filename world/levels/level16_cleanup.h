// The clean-up yard, shared by its terrain shape and its builder: a paved
// yard with a square drain pit in its middle. The dump truck brings the four
// spheres in its bed; tipped, it leaves them for the skid loader to push in.
#pragma once

namespace cleanup {

const float PIT_HALF = 0.95f;    // inside the goal's |x|, |y| <= 1
const float PIT_FLOOR = -1.2f;   // a sphere resting there sits at -1.05
const float YARD_HALF = 14.0f;
const float DEEP_Z = -2.0f;
const float SPHERE_RADIUS = 0.15f;
const float SPHERE_DENSITY = 0.25f;
const float SPHERE_DAMPING = 0.01f;  // linear and angular
// The dump truck stands with its tail toward the pit, the skid loader aside.
const float DUMPTRUCK_X = 3.6f, DUMPTRUCK_Y = 0.0f;
const float SKIDLOADER_X = 3.0f, SKIDLOADER_Y = -3.5f;

}  // namespace cleanup
