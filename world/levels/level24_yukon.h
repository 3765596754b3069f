// The gold claim, shared by its terrain shape and its builder: gravel lies
// in pockets on a bar in the creek; the truck lifts it onto the bench into
// the tray,
// where it settles and counts as collected; the skid loader pushes it from
// the tray onto the belt, whose guides bring it past the wash point.
#pragma once

namespace yukon {

const float CREEK_Z = -0.95f;
const float BENCH_Z = 0.3f;  // a gravel stone on it rests at 0.4
// The bench lies south of this, its face close by the tray, so that a truck
// standing in the lane below it swings stones from the gravel bar into the
// tray without driving. The hub carried 0.8 up over the tray at y -6.3, up
// to 0.6 either side of the truck's centre (the slew hinge), has 0.42 m of
// reach to spare by the solver kit's crane model, 0.58 abeam.
const float BENCH_EDGE_Y = -5.75f;
// The lane between the bench's face and the gravel bar is 0.2 m wider than
// the truck: whatever the crane's swings do to it, the truck stays in reach.
const float STANCE_Y = -5.225f;
const float TRAY_X0 = -7.7f, TRAY_X1 = -0.6f, TRAY_Y0 = -7.6f, TRAY_Y1 = -6.1f;
// The walls stand higher than the skid loader's wheels, so that it cannot
// climb out over them.
const float TRAY_WALL = 0.15f, TRAY_WALL_HEIGHT = 0.24f;
// The tray's floor falls gently from each wall to its middle line, so that a
// stone let go anywhere in it rolls to where the skid loader's bucket, which
// is narrower than the tray, runs along it.
const float TRAY_MID_Y = -6.85f, TRAY_FLOOR_RISE = 0.03f;
// The belt starts a metre east of the easternmost place a stone is let go
// into the tray, so that none rolls onto it uncollected, and close enough
// that the skid loader's push is short.
const float BELT_X0 = TRAY_X1, BELT_X1 = 6.0f, BELT_Y0 = -7.6f, BELT_Y1 = -5.95f;
const float BELT_THICKNESS = 0.05f;
const float BELT_RECESS = 0.05f;  // the ground under the belt lies this far down
const float WASH_X = 5.0f, WASH_Y = -6.0f;
const float WASH_Z = 0.4f, WASH_RADIUS = 0.32f;  // a stone this close to the point is washed
const float COLLECTED_Y = -6.0f;                 // a stone at rest south of this is collected
const float GUIDE_HALF_AT_WASH = 0.22f, GUIDE_HEIGHT = 0.35f;  // rails' top over the belt
// Past the wash point the rails turn south, so that a stone leaves the belt's
// end over the middle of the bin, not over its north wall (the wash point
// lies close to the belt's north edge), where it would stay on the wall's top.
const float GUIDE_BEND_X = WASH_X + 0.3f, GUIDE_BEND = 0.25f;
const float BIN_X1 = 7.6f, BIN_FLOOR = -0.3f;
const float HALF_X = 20.0f, NORTH_Y = 12.0f, SOUTH_Y = -14.0f, DEEP_Z = -2.0f;
const float GRAVEL_RADIUS = 0.1f;
// The gravel bar: a block in the creek, west of where the truck starts, as
// high as the bench, with a kerb round its top so that a stone knocked off
// its pocket stays on it. Each stone sits in a pocket, a low square collar
// narrower than the stone, so that a missed grip leaves it where it was.
// The pockets lie 0.3 apart along the bar in two staggered rows 0.27
// apart, so that no stone has a neighbour closer than 0.4: the prongs
// opened round a stone reach 0.33 from the hub's axis, along the crane and
// across it, and in a single row 0.3 apart they came down on a neighbour
// and knocked it off its pocket. The truck works each stone from abeam it,
// its centre on STANCE_Y (the crane slews about the truck's centre): the
// prongs then point at no neighbour. Reach to spare there by the solver
// kit's crane model, the hub 0.12 over the stone where it grips: 0.63 at
// the near row, 1.125 out; 0.36 at the far row, 1.395 out.
const float BAR_X0 = -7.95f, BAR_X1 = -1.1f, BAR_Y0 = -4.35f, BAR_Y1 = -3.55f;
// The lane's north side: a wall more than twice a wheel's radius high, low
// enough for the crane's arm to swing over it where the bar's own face would
// stop it. The truck works standing against it.
const float LANE_NORTH_Y = STANCE_Y + 0.525f, LANE_WALL_TOP = CREEK_Z + 0.45f;
const float BAR_Z = BENCH_Z, BAR_KERB = 0.08f, BAR_KERB_HEIGHT = 0.12f;
const float POCKET_HALF = 0.07f, POCKET_WALL = 0.04f, POCKET_HEIGHT = 0.04f;
const float NEAR_ROW_Y = STANCE_Y + 1.125f, FAR_ROW_Y = NEAR_ROW_Y + 0.27f;
const float GRAVEL_PITCH = 0.3f, EAST_POCKET_X = -1.6f;
const int POCKETS = 21;

// Where pocket i lies: from east to west, in the near row and the far one
// by turns.
inline void pocketAt(int i, float* x, float* y) {
    *x = EAST_POCKET_X - GRAVEL_PITCH * i;
    *y = i % 2 == 0 ? NEAR_ROW_Y : FAR_ROW_Y;
}

// The skid loader waits on the tray's middle line, facing it, far enough
// west that the truck's crane swinging stones into the tray's west end never
// comes near it.
const float SKIDLOADER_X = -10.0f, SKIDLOADER_Y = TRAY_MID_Y;
const float STRANDED_Z = 0.0f;     // a stone at rest below this is lost to the job
const float LOADER_TIPPED = 0.2f;  // a skid loader leaning this far over is lost

}  // namespace yukon
