// The rail yard's track and tunnel: shared by the terrain model and the
// construction.
#pragma once

const float TRAINLOT_GROUND = 0.75f;
// The rails lie under the wagon's treads (0.45..0.5 m out from its middle),
// a few millimetres clear of the flanges inside them.
const float TRAINLOT_TRACK_Y = -3.0f, TRAINLOT_GAUGE = 0.96f, TRAINLOT_RAIL_WIDTH = 0.05f;
const float TRAINLOT_RAIL_HEIGHT = 0.05f;
const float TRAINLOT_TRACK_WEST = -14.0f;
// The hill fills the yard east of its face from edge to edge; the one way
// in is the bore. Its portal is too low for the crane's boom (its underside
// stands 0.76 m over the ground with the boom laid flat) and high enough for
// a crate sitting on the wagon's middle deck (its top at 0.66 m).
const float TRAINLOT_TUNNEL_X = 12.0f, TRAINLOT_TUNNEL_HALF = 1.2f, TRAINLOT_TUNNEL_HEIGHT = 2.2f;
const float TRAINLOT_PORTAL_HEIGHT = 0.72f, TRAINLOT_PORTAL_DEPTH = 0.4f;
// Inside, the track falls gently, so that a wagon pushed past the portal
// rolls on to the buffer at the bore's end.
const float TRAINLOT_FALL_WEST = 13.0f, TRAINLOT_FALL_EAST = 22.0f, TRAINLOT_FALL = 0.3f;
const float TRAINLOT_TUNNEL_END = 32.0f, TRAINLOT_BUFFER_DEPTH = 0.3f;
// The job is done when every crate is past x = 15.
const float TRAINLOT_DELIVERED_X = 15.0f;
// The wagon stands on the track beside the dock where the crates wait, as
// high as the crane can bend its grapple down to round a crate's waist.
const float TRAINLOT_TRAIN_X = 5.0f, TRAINLOT_DOCK_HEIGHT = 0.3f;
// Low humps on the rails just clear of the wagon's end wheels hold it where
// it stands while crates are set down on it; the truck's push rolls it over
// the eastern ones.
const float TRAINLOT_CHOCK_HEIGHT = 0.012f, TRAINLOT_CHOCK_LENGTH = 0.3f;
const float TRAINLOT_CHOCK_CLEAR = 2.05f;  // from the wagon's middle to a hump's near end
// The crates wait in a row across from the wagon's middle deck. Reach to
// spare from the truck between dock and wagon, where it came to rest (the
// solver kit's model): 0.23 m picking the west and east crates off the
// dock, 0.21 m setting the west crate down on the deck, the tightest.
const float TRAINLOT_CRATES_APART = 0.8f;
const float TRAINLOT_CRATES_X0 = TRAINLOT_TRAIN_X - 1.4f,
            TRAINLOT_CRATES_X1 = TRAINLOT_TRAIN_X + 1.4f;
const float TRAINLOT_CRATES_Y0 = -0.65f, TRAINLOT_CRATES_Y1 = 0.05f;
