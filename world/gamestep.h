// One fixed simulation tick, exactly as the frame runs it while a level is
// played: the world update, the rate-driven controls, then "frametick".
#pragma once

const float GAME_TICK = 1.0f / 60.0f;

void game_step(float h);
// The input mapping's per-frame update (held keys and sticks move levers).
void game_setControlsUpdate(void (*update)(float h));
