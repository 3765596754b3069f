// The chase camera: follows the object of interest from behind at a distance,
// orbit angle and elevation the player changes through "cameraControl"
// messages. The aim point glides after the vehicle through a fixed-gain
// feedback filter; the eye never sinks below z = -0.12.
#pragma once

struct vec3c {
    float x, y, z;
};

struct CameraState {
    float cameraDistance;
    float cameraOrbit;      // added to the heading; 0 puts the eye straight behind
    float cameraElevation;  // above the horizontal
    float cameraHeading;    // current value
    float targetHeading;    // the vehicle's heading, set by the frame
    float distanceMin, distanceMax;
    vec3c aimPoint;       // smoothed point looked at
    vec3c interestPoint;  // where the vehicle is now
    vec3c aimError, aimErrorFiltered;
    bool aimFirstFrame;
    float headingError, headingErrorFiltered;
    bool headingFirstFrame;
    bool headingWrap;
    vec3c eye;
    float cameraModel[16];  // camera to world
    float camView[16];      // inverse of cameraModel while not stale
    bool camViewStale;
    float camProj[16];
    float horizontalFov;
};

CameraState& camera();

// Sets the start state, an identity projection, and listens for "cameraControl".
void cameraInit();
// Perspective with a 27-degree half vertical field; raised shifts the picture
// up by an eighth of the viewport so the vehicle sits above the centre.
void setPerspective(float aspect, float zNear, float zFar, bool raised);
// Puts the aim point on p at once (level start).
void cameraSnapTo(vec3c p);
// One filter step; the frame calls it with the fixed tick after setting
// interestPoint and both heading values.
void cameraUpdate(float dt);
// The view matrix, recomputed from cameraModel when stale.
const float* cameraViewMatrix();
