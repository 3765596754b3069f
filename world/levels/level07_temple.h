// The temple on its plateau: shared by the terrain model and the
// construction. The cornice belongs on two pillars: the standing one fixed in
// the terrain and the loose one, which stands aside and goes into its socket.
#pragma once

// The paving stands high enough for the level beam to pass over the pillars'
// tops; the socket is sunk 0.2 into it, so its walls square the pillar's foot.
const float TEMPLE_FLOOR = 5.62f;
const float TEMPLE_SOCKET_FLOOR = 5.42f;  // a pillar standing here tops out at 7.02
const float TEMPLE_SOCKET_HALF = 0.32f;   // the 0.4 foot fits turned any way
// A lip round the socket's mouth, low enough for a wheel to roll over: a
// pillar shoved along the paving catches its foot on it and tips instead of
// sliding in, so only the crane stands the pillar in its socket.
const float TEMPLE_LIP_HEIGHT = 0.08f, TEMPLE_LIP_WIDTH = 0.1f;
const float TEMPLE_PILLAR_HALF_HEIGHT = 0.8f;
const float TEMPLE_PILLAR_TOP = TEMPLE_SOCKET_FLOOR + 2 * TEMPLE_PILLAR_HALF_HEIGHT;
const float TEMPLE_MOVABLE_X = -5.8f, TEMPLE_FIXED_X = -2.8f;
// A cornice lying on the pillars has its centre 0.22 above their tops.
const float TEMPLE_CORNICE_X = -4.3f, TEMPLE_CORNICE_ABOVE = 0.22f;
// The cornice waits on two piers just south of its place, lengthwise, so
// high that the crane's outer beam, held level with the boom at its top
// from a truck standing between the pillars, slips in under its middle with
// a few centimetres to spare and jacks it up clear of the pillars' tops.
// The truck then backs off with the stone riding on the beam. From that
// stance the beam reaches 0.49 m further than the hub hangs beyond the
// cornice, the same over its place (the arm does not move as the truck
// backs).
const float TEMPLE_PIER_TOP = 7.12f, TEMPLE_PIER_HALF = 0.15f;
const float TEMPLE_WAITING_X = -4.3f, TEMPLE_WAITING_Y = -0.6f, TEMPLE_WAITING_YAW = 0.0f;
const float TEMPLE_PIER_APART = 1.4f;  // from the cornice's middle, along it
// Where the goal wants the cornice and the risen pillar, and how near.
const float TEMPLE_CORNICE_Z = 7.24f;
const float TEMPLE_CORNICE_PLAY = 0.2f, TEMPLE_CORNICE_PLAY_Z = 0.02f;
const float TEMPLE_CORNICE_LEVEL = 0.998f;  // its up axis's z, lying flat
const float TEMPLE_PILLAR_PLAY = 0.1f, TEMPLE_PILLAR_UPRIGHT = 0.98f;
// The plateau's extent; cliffs fall from it to the valley at z = 0.
const float TEMPLE_PLATEAU_WEST = -14.0f, TEMPLE_PLATEAU_EAST = 1.0f;
const float TEMPLE_PLATEAU_SOUTH = -6.0f, TEMPLE_PLATEAU_NORTH = 9.0f;
// A parapet along the plateau's rim keeps machines and dropped stones on
// it: higher than a wheel's radius (0.2) and than a lying stone.
const float TEMPLE_PARAPET_HEIGHT = 0.5f, TEMPLE_PARAPET_THICK = 0.25f;
