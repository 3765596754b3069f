// What a player's hands can do, as script lines: the messages the input
// mapping and the HUD's own controls post ("steer", "accelcontrol",
// "cycliccontrol", "leverSet", "leverMoved", "leverUp", "cameraControl") with
// values a control can reach, and raw keys, "key NAME down|up", which go
// through the game's key handling. Everything else is refused with a reason.
#pragma once

#include <string>

// True when a player could produce text; otherwise why holds the reason.
bool player_allowed(const std::string& text, std::string* why);

// Acts out one line: a key through keyEvent, the wheel and pedal as a hand
// holding them, any other message posted as it stands.
void player_post(const char* text);
