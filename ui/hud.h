// The HUD's control state: five levers with their tags, the steering wheel,
// the accelerator and the cyclic. It mirrors what input posts and turns
// lever movements into "cranecontrol tag=%s setting=%f" for the vehicles.
// The lever set-up follows "vehicleSwitch".
#pragma once

enum { HUD_LEVERS = 5 };

struct HudState {
    const char* leverName[HUD_LEVERS];  // the tag; its label image is "text_" + tag
    float leverValue[HUD_LEVERS];       // -1..1 (a set value may lie beyond)
    bool leverPresent[HUD_LEVERS];
    bool leverBigHandle[HUD_LEVERS];
    float wheelAngle;  // the "steer" setting
    float accelPosition;
    float stickX, stickY;
    bool showAccelerator, showWheel, showCyclic;
};

const HudState& hud();
// The sky crane's collective stays where a hand lets go of it; every other
// lever springs back to 0.
bool hud_leverStaysWhereReleased(int lever);
void hudReset();
void hudInit();  // reset, then the listeners
