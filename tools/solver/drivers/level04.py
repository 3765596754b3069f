"""Level 4, the rail yard: load the three crates onto the wagon and push it
gently east into the tunnel. The truck pulls up on the track's north side
between the crates' dock and the wagon's middle deck; from there the crane
lifts each crate by its waist, swings it across and sets it down on the
deck. Then the truck drives round the dock, comes up the track behind the
wagon and pushes it along to the hill; past the portal the track falls and
the wagon rolls on into the bore.

usage: python3 tools/solver/drivers/level04.py [--delay D] [--record FILE]"""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import driver_main  # noqa: E402
import primitives as P  # noqa: E402

LEVEL = 4
TRACK_Y = -3.0
TRAIN_X = 5.0
PORTAL_X = 12.0
# Between the dock and the wagon, its wheels 0.4 m clear of the wagon's side.
# Tightest reach, measured with reach_margin from the truck as it stands:
# 0.23 m picking the west and east crates off the dock, 0.21 m setting the
# west crate down on the deck (the boom can go no lower: the hub is let go
# a hand's breadth over the deck for that).
# Each crate is loaded from a stance east of it, so that the crane meets it
# slantwise; the wagon's spot for it lies across the truck from it.
CRATE_X = [TRAIN_X - 0.8, TRAIN_X, TRAIN_X + 0.8]
STANCE_Y = -1.7
STANCE_EAST = 0.67
TO_STANCE = [(0.0, 0.0), (1.2, -0.5), (2.2, -1.6), (3.0, STANCE_Y)]
LAST_STANCE = (CRATE_X[2] + STANCE_EAST, STANCE_Y)
# Round the dock's east end and back west north of it, down to the track
# behind the wagon.
ROUND_THE_DOCK = [LAST_STANCE, (8.0, -1.6), (9.0, -0.5), (8.6, 0.9), (7.3, 1.4), (1.5, 1.4),
                  (0.0, 0.6), (-0.5, -1.0), (0.0, -2.6), (1.0, TRACK_Y), (2.0, TRACK_Y)]
# Each crate onto the wagon's middle deck across from where it waited (the
# end decks stand too high for the portal).
SPOT_ALONG = [-0.7, 0.0, 0.7]  # from the wagon's middle
SPOT_WITHIN = 0.3  # a crate let go this near its spot still lands on the deck
PLACE_WITHIN = 0.04  # aimed for: clear of the deck's edge and of its neighbours

# The grapple opened wide enough for its fingers to pass outside a crate's
# top flange, and its hub this far above the crate's middle, so that they
# close round the waist under that flange.
WIDE_OPEN = 1.3
WAIST_HOLD = 0.27
WAIST_HOLDS = (0.27, 0.29, 0.27, 0.25)
CARRY_HUB_Z = 2.0  # a held crate swings over the crates already on the deck
DECK_TOP = 0.96
RELEASE_ABOVE_DECK = 0.07  # let go just over the deck: it drops flat
LIFTED = 1.85  # the empty hub after letting go
TRAVEL_HUB_Z = 2.05  # the open prongs sweep over the waiting crates
# The truck stops pushing this far short of the portal: its boom stands
# out ahead of its nose.
PUSH_UNTIL_X = PORTAL_X - 2.0


def stance(index):
    return (CRATE_X[index] + STANCE_EAST, STANCE_Y)


def reach_margin(sim, point, bend=0.0, step=0.01, most=0.6):
    """How far the point may move in the crane's plane (out, in, up or
    down) before the crane, from where the truck stands, no longer reaches
    it: the least over the four ways."""
    out, up = P.crane_plane_point(sim, point)
    margins = []
    for d_out, d_up in ((1, 0), (-1, 0), (0, 1), (0, -1)):
        d = 0.0
        while d < most and P.within_reach(out + d * d_out, up + d * d_up, bend):
            d += step
        margins.append(d)
    return min(margins)


def try_grasp(sim, index, hold):
    """Opens the grapple wide over the crate, lowers it round the waist and
    closes on it; True when a short lift brings the crate up with it."""
    centre = sim.pose("crate", index).pos
    above = (centre[0], centre[1], centre[2] + hold + 0.3)
    at = (centre[0], centre[1], centre[2] + hold)
    hub = sim.pose("grapple").pos
    # Up and across high enough that the hanging prongs sweep over the
    # crates still waiting, then opened and down.
    if not (P.grapple_to(sim, (hub[0], hub[1], TRAVEL_HUB_Z), tolerance=0.15)
            and P.grapple_to(sim, (centre[0], centre[1], TRAVEL_HUB_Z), tolerance=0.15)
            and P.open_grapple(sim, WIDE_OPEN) and P.grapple_to(sim, above)
            and P.grapple_to(sim, at, tolerance=0.06)):
        return False
    if not (P.close_until_grasped(sim, "crate") and P.work_grapple(sim, -1.0, 20)):
        return False
    P.raise_hub_to(sim, at[2] + 0.1, max_ticks=300, every=5)
    return sim.pose("crate", index).pos[2] > centre[2] + 0.05


def grasp_crate(sim, index):
    """Tries the grip at a few heights round the waist until the crate comes
    up with the grapple; a miss opens the grapple and lifts it clear first."""
    for hold in WAIST_HOLDS:
        if try_grasp(sim, index, hold):
            return True
        P.open_grapple(sim, WIDE_OPEN)
        hub = sim.pose("grapple").pos
        P.grapple_to(sim, (hub[0], hub[1], LIFTED), tolerance=0.15)
    return False


def set_down_over(sim, index, spot, z, tries=4):
    """Lowers the held crate to z over its spot, aiming the hub off the spot
    by however far the crate hangs from it, until the crate itself is over
    the spot; True when it ends within PLACE_WITHIN."""
    aim = list(spot)
    for _ in range(tries):
        P.grapple_to(sim, (aim[0], aim[1], z), tolerance=0.04, max_ticks=900)
        crate = sim.pose("crate", index).pos
        error = (spot[0] - crate[0], spot[1] - crate[1])
        if math.hypot(*error) < PLACE_WITHIN:
            return True
        aim = [aim[0] + error[0], aim[1] + error[1]]
    return False


def load_crate(sim, index, along):
    """Lifts the held crate, carries it over its spot on the deck (along
    from the wagon's middle, wherever the wagon now stands), sets it down
    there and lets go. The close lever stays held all the way: let go, the
    prongs ease open and the crate slides down through them."""
    wagon = sim.pose("train").pos
    spot = (wagon[0] + along, wagon[1])
    release_z = DECK_TOP + 0.225 + WAIST_HOLD + RELEASE_ABOVE_DECK
    P.lever(sim, P.GRAPPLE_LEVER, -1.0)
    P.raise_hub_to(sim, CARRY_HUB_Z, max_ticks=300, every=5)
    if not P.grapple_to(sim, (spot[0], spot[1], CARRY_HUB_Z), tolerance=0.1):
        return False
    placed = set_down_over(sim, index, spot, release_z)
    crate = sim.pose("crate", index).pos
    if not placed and math.hypot(crate[0] - spot[0], crate[1] - spot[1]) > SPOT_WITHIN:
        return False
    P.open_grapple(sim, WIDE_OPEN)
    sim.step(30)
    hub = sim.pose("grapple").pos
    return P.grapple_to(sim, (hub[0], hub[1], LIFTED), tolerance=0.15)


def push_in(sim, throttle=0.35, max_ticks=3000, every=5):
    """Drives east along the track behind the wagon, pushing it, until the
    truck nears the portal; the wagon rolls on down the fall."""
    for _ in range(0, max_ticks, every):
        p = sim.pose("truck")
        if p.pos[0] > PUSH_UNTIL_X:
            break
        error = P.wrap(math.atan2(TRACK_Y - p.pos[1], 1.5) - p.heading)
        sim.post("steer setting=%f" % P.clamp(-2.0 * error))
        sim.post("accelcontrol setting=%f" % throttle)
        if sim.step(every):
            return
    P.come_to_rest(sim, "truck")


def drive(sim):
    path = TO_STANCE
    for index, along in enumerate(SPOT_ALONG):
        if not P.follow_path(sim, "truck", path + [stance(index)], throttle=0.4):
            return
        if not (grasp_crate(sim, index) and load_crate(sim, index, along)):
            return
        path = [tuple(sim.pose("truck").pos[:2])]
    if not P.follow_path(sim, "truck", ROUND_THE_DOCK, throttle=0.4):
        return
    push_in(sim)
    for _ in range(60):
        if sim.step(60):
            return


if __name__ == "__main__":
    driver_main.main(LEVEL, drive)
