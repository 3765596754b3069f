// Keyboard hints on the HUD: whether the keys of the levers and the arrows of
// the wheel and pedal are shown, and which two keys move each lever. A player
// who has not touched anything yet, or who last pressed a key, sees them; a
// gamepad or a pointer drag on a control takes them away, the drag until a
// key is pressed again, the gamepad for as long as its mode lasts.
#pragma once

void keyhints_reset();  // shown again, as before any input
// Called by the input mapping: any key going down, and a pointer dragging
// the held view (only the on-screen controls count).
void keyhints_keyPressed();
void keyhints_pointerDragged(int view);
bool keyhints_visible();

// The keys that push lever 0..4 up and down ("Q" and "A" for lever 0); empty
// texts for any other number.
const char* keyhints_leverUpKey(int lever);
const char* keyhints_leverDownKey(int lever);
