// The hangar's gate, shared by the terrain model and the construction: the
// seal door stands outside the east wall, held by two pins through its
// eyelets and through staples on the wall.
#pragma once

const float LOCKDOWN_FLOOR = -0.7f;
// Far enough out from the wall's face (x = 0) that a fully open claw,
// centred over a pin's handle, keeps its prongs (about 0.33 from its axis)
// over the apron, more than 0.1 clear of the wall.
const float LOCKDOWN_PIN_X = 0.45f;
// From the truck resting against the gate wall (x = -0.91) the claw grips
// the south handle at 0.48 and the north one at 0.23 of the arm's 0.79
// extension: at least 0.3 m of reach to spare.
const float LOCKDOWN_PIN_Y = 0.7f;      // through the door's eyelets
const float LOCKDOWN_GUIDE_Y = 0.815f;  // the door guides' inner faces, at +-
const float LOCKDOWN_OUT_X = 5.0f;      // the truck is out past here
// The channels the door's ends run in as it is pushed out: the lips' inner
// edges, 3 cm clear of the panel's ends, and where the channels end.
const float LOCKDOWN_LIP_Y = 0.58f;
const float LOCKDOWN_CHANNEL_END = 2.2f;
