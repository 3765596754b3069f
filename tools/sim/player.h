// What a player's hands can do, as script lines: the messages the input
// mapping and the HUD's own controls post ("steer", "accelcontrol",
// "cycliccontrol", "leverSet", "leverMoved", "leverUp", "cameraControl") with
// values a control can reach, and raw keys, "key NAME down|up", which go
// through the game's key handling. Everything else is refused with a reason.
#pragma once

#include <string>

// Listens for vehicle switches, which let go of the wheel and pedal in the
// input mapping: a scripted hand keeps holding them, as a held key would.
// Call once after the game's controls are set up.
void player_init();

// True when a player could produce text; otherwise why holds the reason.
bool player_allowed(const std::string& text, std::string* why);

// Acts out one line: a key through keyEvent, the wheel and pedal as a hand
// holding them, any other message posted as it stands.
void player_post(const char* text);
