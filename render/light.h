// The light that casts the shadows: it hovers LIGHT_HEIGHT above the point
// it aims at (the driven vehicle) and looks straight down through an
// orthographic box. Plain matrices, no GL: the game tick aims it, the frame
// reads its view and projection.
#pragma once

struct Light {
    float eye[3];
    float target[3];
    float model[16];
    float view[16];
    float proj[16];
    float product[16];
    bool stale;
};

const Light& light();

void initLight();
void setLightProjection(float halfSize, float zNear, float zFar);
// Puts the light over p, looking down at it; updateLightView then applies it.
void light_aimAt(float x, float y, float z);
void updateLightView();
