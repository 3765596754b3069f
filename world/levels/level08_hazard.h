// The hazard site's layout, shared by its terrain shape and its builder:
// two plateaus either side of a fenced ditch, a bridge whose two girder
// channels are empty, a bay either side of the span to work from, and the
// sunken store.
#pragma once

namespace hazard {

const float HALF = 14.0f;  // the plateaus reach this far from the origin
const float PLATEAU_TOP = 1.0f;
const float RIM = 0.5f, RIM_HEIGHT = 0.6f;  // the bank round the site
const float GAP_SOUTH = -3.2f;              // the ditch, across the whole site
const float GAP_NORTH = -2.0f;
const float BRIDGE_X = 3.0f;  // centre line of the bridge, which runs along y
const float TRACK = 0.35f;    // channel centres either side: the truck's wheel track
// A channel is 0.4 across at the road and narrows to SEAT_WIDTH at its
// floor, its sides sloping in: a girder's foot, 0.2 across, pressed down by
// the crane anywhere within 0.1 of the line goes down them onto the seat,
// square to the line within a few hundredths of a radian.
const float CHANNEL_WIDTH = 0.4f;
const float SEAT_WIDTH = 0.24f;
// A seated girder stands GIRDER_HEIGHT - CHANNEL_DEPTH proud of the road,
// well under half a wheel's radius; a wheel run into an empty channel
// leaves the chassis just clear of the road.
const float CHANNEL_DEPTH = 0.13f;
const float GIRDER_HEIGHT = 0.21f;
const float WALL = 0.1f;
// On either bank a channel is a seat, then a slope up to the road. The
// seats hold a girder with each end just up a slope, the two slopes
// funnelling it into place: a wheel rolls between road and girder across
// the slope without dropping into the notch, which a gap of a few
// centimetres between girder end and slope would let it do. A wheel run into
// the empty south seat backs out up its slope; that seat is the longer, so
// that a truck driven onto the empty bridge has its front wheels down in it,
// and its chassis on the stop, before they reach the span.
const float GIRDER_LENGTH = 1.98f;
const float SOUTH_SEAT = 0.6f;
const float SOUTH_SLOPE = 0.3f, NORTH_SLOPE = 0.15f;
const float UP_SLOPE = 0.01f;  // how far each end of a laid girder lies up its slope
const float LAID_SOUTH_END = GAP_SOUTH - SOUTH_SEAT - UP_SLOPE;
const float LAID_Y = LAID_SOUTH_END + GIRDER_LENGTH / 2;  // a laid girder's middle
const float NORTH_SEAT = LAID_SOUTH_END + GIRDER_LENGTH - UP_SLOPE - GAP_NORTH;
// Over the span the channels are open, walls and all, so the grapple's
// prongs go down either side of a girder held by its middle.
const float MARGIN = 0.2f;  // road beside the outer channel walls
// The bridge from one outer channel wall to the other, the bays beyond.
const float SPAN_HALF_WIDTH = CHANNEL_WIDTH / 2 + TRACK + WALL;
// Guards at the south stub's end, before the front wheels reach the span:
// a wheel off the channels' line meets a post on an outer wall, and a
// chassis let down by wheels in an empty channel (or one) meets the stop
// between the channels, which spans both inner walls: a truck with its
// wheels on one girder and in the other, empty channel leans, and the stop
// meets the low side of its chassis. A truck on laid girders passes
// between the posts and over the stop.
const float POST_LENGTH = 0.15f, POST_HEIGHT = 0.3f;
const float STOP_LENGTH = 0.15f, STOP_HEIGHT = 0.14f;
// The bays: the ditch filled beside the span and on into the north bank,
// fenced on the bridge side, to the north and at the far end. A truck
// parked in one heading north, its crane abreast of the span, reaches
// across the near channel: from (4.75, -3.07) or (1.25, -3.07), 0.55 m from
// the bridge-side fence, the hub over a seated girder's middle (LAID_Y) is
// within the crane's reach with 0.29 m to spare (the solver kit's reach
// model, where the truck came to rest).
const float BAY_WIDTH = 2.4f;  // from the bridge's outer wall outwards
const float BAY_NORTH = -1.5f;
const float FENCE = 0.1f, FENCE_HEIGHT = 0.4f;
// The store: a pit down to the ground plane, kerbed all round higher than a
// wheel can climb. From (3, -0.2) on the road, the front wheels 0.55 m short
// of the rim, a load held at (3, 1.45, 2.0) over the pit has 0.27 m to spare.
const float STORE_X0 = -4.0f, STORE_X1 = 4.0f, STORE_Y0 = 1.0f, STORE_Y1 = 9.0f;
const float KERB = 0.15f, KERB_HEIGHT = 0.25f;
// A stacker counts as stored anywhere in this box round the store, below
// the plateaus' top.
const float STORED_X0 = -5.0f, STORED_X1 = 5.0f, STORED_Y0 = 0.0f, STORED_Y1 = 10.0f;
const float STORED_BELOW_Z = 1.0f;

}  // namespace hazard
