// Reads the first joystick through GLFW and hands its axes and buttons to
// the input mapping in the layout it expects. Window side.
#pragma once

// Once per frame, after the events are polled.
void gamepad_pollGlfw();
