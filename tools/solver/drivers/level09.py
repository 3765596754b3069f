"""Level 9, Luxor: open the tomb, lay the queen beside the pharaoh and close
the tomb again, all from one stance. The truck pulls up south of the tomb,
heading east, its centre square below the tomb's: the crane lifts the seal
off by its handle and sets it down on the sand south of the truck, takes the
queen, waiting ahead of the truck, and sets her down on the chamber floor
beside the pharaoh, then lays the seal back. Loads are swung round on a
gentle slew and centred over their places before they go down.

Reach to spare from the stance as reached, about (2.0, -3.58), by the kit's
reach_margin: seal on the tomb 0.37, seal on the sand 0.26, the queen 0.49,
over the chamber 0.65.

usage: python3 tools/solver/drivers/level09.py [--delay D] [--record FILE]"""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import driver_main  # noqa: E402
import primitives as P  # noqa: E402

LEVEL = 9
DEBUG = os.environ.get("LEVEL09_DEBUG")
TOMB = (2.0, -2.0)
SEAL_Z = 0.557
# The truck lets go of the pedal a little short of the path's end and stops
# with its centre, the crane's slew axis, square below the tomb's: the claws
# closing on the seal's handle square it to the tomb's rims.
STANCE_PATH = [(-4.0, -3.58), (-1.0, -3.58), (2.08, -3.58)]
SEAL_PARK = (2.0, -5.25)  # the sand south of the stance, 0.26 to spare
SEAL_PARKED_Z = 0.15  # on its rims
QUEEN_DOWN_Z = -0.02  # a coffin's centre lying on the chamber floor
CHAMBER = (2.0, -2.3)  # beside the pharaoh, who lies north of the middle; 0.65 to spare
SEAL_GRIP = 0.30  # hub above the seal's centre: the claws close under its handle
COFFIN_GRIP = 0.40  # hub above a coffin's centre: under its lifting bar
COFFIN_HANG = 0.42  # hub above a carried coffin's centre, its bar on the fingers
CARRY_Z = 1.4
# The claws open this wide to let go: opened less they lift the seal again
# by its handle.
RELEASE_OPEN = 1.4
LEAST_DOWN = 0.3  # the boom lever lowering a load the last bit
CENTRING = 0.12  # the most the hub is moved to bring a load over its place
SWING_LEVER = 0.3  # slew lever while carrying
LOW_BEND = -0.8  # the beam bent to bring the hub down low far out


def log(sim, *words):
    if DEBUG:
        print(sim.tick, *words, file=sys.stderr)


def take(sim, name, index, grip):
    """Opens the claw over the object, lowers it round the handle, closes it
    and lifts; True when the object came up with it."""
    for _ in range(3):
        c = sim.pose(name, index).pos
        at = (c[0], c[1], c[2] + grip)
        log(sim, "take", name, "margin", P.reach_margin(sim, at))
        P.raise_hub_to(sim, CARRY_Z)
        P.bend_to(sim, LOW_BEND if name == "coffin" else (-0.4 if at[2] < 0.6 else 0.0))
        if not swing_over(sim, at[:2], CARRY_Z):
            return False
        P.open_grapple(sim)
        P.grapple_to(sim, (at[0], at[1], min(CARRY_Z, at[2] + 0.5)), tolerance=0.1)
        if sim.ended or math.dist(sim.pose("grapple").pos[:2], at[:2]) > 0.2:
            log(sim, "not over", name, sim.pose("grapple").pos)
            return False
        P.hold_still(sim)
        P.grapple_to(sim, (at[0], at[1], at[2] + 0.2), tolerance=0.06)
        for _ in range(3):
            if P.grapple_to(sim, at, tolerance=0.05, max_ticks=600):
                break
            P.hold_still(sim)
        log(sim, "at", sim.pose("grapple").pos, "want", at)
        P.lever(sim, P.GRAPPLE_LEVER, -1.0)
        if sim.step(80):
            return False
        P.raise_hub_to(sim, at[2] + 0.35)
        log(sim, "lifted", sim.pose(name, index).pos, sim.grasped())
        if sim.pose(name, index).pos[2] > c[2] + 0.15:
            return True
        P.back_off(sim, P.GRAPPLE_OPEN, 0.3)
    return False


def swing_over(sim, xy, z, limit=SWING_LEVER, max_ticks=3000, every=3):
    """Slews round at height z on a gentle lever until the hub is over xy:
    swung on the full lever the seal pendles out and slips from the claws,
    and lowered on the way it sweeps its rims across the tomb's top."""
    for _ in range(0, max_ticks, every):
        bearing, out, hub = P.slew_errors(sim, xy)
        if abs(bearing) < 0.03 and abs(out) < 0.05:
            P.let_go_crane(sim)
            return P.hold_still(sim)
        turn = P.clamp(P.axis_setting(bearing, 1.0, 0.02, 0.1), -limit, limit)
        P.lever(sim, P.TRUCK_LEVERS["rotate"], -turn)
        # The reach is left alone until the end of the swing: slew_errors
        # measures it from a point ahead of the truck's centre, about which
        # the crane does not turn, so it reads short with the hub behind the
        # truck, and drawn in there the seal sweeps into the boom.
        P.lever(sim, P.TRUCK_LEVERS["extend"],
                P.axis_setting(out, 2.0, 0.03, 0.15) if abs(bearing) < 0.3 else 0.0)
        P.lever(sim, P.TRUCK_LEVERS["elevate"], P.axis_setting(z - hub[2], 4.0, 0.05, 0.5))
        if sim.step(every):
            return False
    P.let_go_crane(sim)
    return False


def lower_onto(sim, name, index, xy, z, grip, settled_below, max_ticks=1500, every=3):
    """Lowers the held object over xy until it rests with its centre near
    z, or stops going down anywhere below settled_below, and lets the
    levers go. It goes down in one steady move: held far out, a heavy load
    slowly pushes the truck sideways off its stance."""
    aim = (xy[0], xy[1], z + grip)
    lowest, since = sim.pose(name, index).pos[2], 0
    for _ in range(0, max_ticks, every):
        height = sim.pose(name, index).pos[2]
        if height <= z + 0.015:
            break
        # Stopped going down: it rests, or the arm is as low as it goes.
        if height < lowest - 0.005:
            lowest, since = height, 0
        since += every
        if since >= 60 and height < settled_below:
            break
        # Slowing down over the last few centimetres: a hub driven on into a
        # load that has touched down tips over on its hinge, and its claws
        # hook the load again as they rise.
        bearing, out, _ = P.slew_errors(sim, aim)
        P.lever(sim, P.TRUCK_LEVERS["rotate"], -P.axis_setting(bearing, 3.0, 0.02, 0.2))
        P.lever(sim, P.TRUCK_LEVERS["extend"], P.axis_setting(out, 4.0, 0.02, 0.2))
        P.lever(sim, P.TRUCK_LEVERS["elevate"], -P.clamp(3.0 * (height - z), LEAST_DOWN, 1.0))
        if sim.step(every):
            return sim.won
    P.let_go_crane(sim)
    return not sim.step(30) and sim.pose(name, index).pos[2] < settled_below


def settle(sim, name, index, still_speed=0.02, max_ticks=450, every=10):
    """Waits with the levers let go until the load has stopped swinging."""
    for _ in range(0, max_ticks, every):
        load = sim.pose(name, index)
        if load.speed < still_speed and math.hypot(*load.ang_vel) < 0.1:
            return
        if sim.step(every):
            return


def take_up_slack(sim, name, index, hang, max_ticks=150, every=3):
    """Raises the hub over a load set down until it stands hang above the
    load's centre, where a carried load hangs on the claws' fingers: driven
    lower, the fingers sweep down into the lid as they open, tip the hub on
    its hinge and hook the bar from the other side."""
    elevate = P.TRUCK_LEVERS["elevate"]
    rest = sim.pose(name, index).pos[2]
    for _ in range(0, max_ticks, every):
        if sim.pose("grapple").pos[2] - rest >= hang or sim.pose(name, index).pos[2] > rest + 0.005:
            break
        P.lever(sim, elevate, 0.5)
        if sim.step(every):
            break
    sim.post("leverUp leverNr=%d" % elevate)


def lift_clear(sim, name, index, rise=0.12, max_ticks=240, every=3):
    """Lifts the opened claws off a load set down; True when they came
    clear, False as soon as the load starts to come up with them."""
    elevate = P.TRUCK_LEVERS["elevate"]
    start, rest = sim.pose("grapple").pos[2], sim.pose(name, index).pos[2]
    clear = False
    for _ in range(0, max_ticks, every):
        if sim.pose(name, index).pos[2] > rest + 0.015:
            break
        if sim.pose("grapple").pos[2] > start + rise:
            clear = True
            break
        P.lever(sim, elevate, 0.6)
        if sim.step(every):
            break
    sim.post("leverUp leverNr=%d" % elevate)
    return clear


def come_clear(sim, name, index, tries=4):
    """Gets the opened claws off the load: a claw finger left under a
    coffin's bar lifts it again, so the load is let down again, the claws
    worked shut and open and the lift tried afresh."""
    for _ in range(tries):
        if lift_clear(sim, name, index):
            return True
        if sim.ended:
            return sim.won
        log(sim, "hooked", sim.pose(name, index).pos)
        elevate = P.TRUCK_LEVERS["elevate"]
        P.lever(sim, elevate, -LEAST_DOWN)
        if sim.step(45):
            return sim.won
        sim.post("leverUp leverNr=%d" % elevate)
        # Over the load's middle the claws stand clear of the bar on both
        # sides.
        load, hub = sim.pose(name, index).pos, sim.pose("grapple").pos
        P.grapple_to(sim, (load[0], load[1], hub[2]), tolerance=0.04, max_ticks=300)
        P.work_grapple(sim, -1.0, 30)
        P.open_grapple(sim, RELEASE_OPEN)
        settle(sim, name, index)
    return False


def put(sim, name, index, xy, z, grip):
    """Carries the held object high over xy, lowers it until its centre is
    at z and lets go."""
    P.raise_hub_to(sim, CARRY_Z)
    # Into the chamber the beam is bent just so far that it still passes
    # over the tomb's south wall: folded further it rests on the wall, the
    # hub comes down tipped on its hinge and its claws hook the coffin's bar
    # as they open. Elsewhere the least bend that reaches the place.
    bend = LOW_BEND if name == "coffin" else P.bend_for(sim, [(xy[0], xy[1], z + grip)])
    P.bend_to(sim, LOW_BEND if bend is None else bend)
    if not swing_over(sim, xy, CARRY_Z):
        return False
    log(sim, "over", xy, sim.pose("grapple").pos, sim.pose(name, index).pos)
    above = max(z + grip + 0.35, 0.9)
    aim = xy
    for _ in range(2):
        # Heavy loads sag when the levers are let go: the height is rough.
        P.grapple_to(sim, (aim[0], aim[1], above), tolerance=0.15)
        hub = sim.pose("grapple").pos
        if sim.ended or math.dist(hub[:2], xy) > 0.25:
            log(sim, "not over", xy, hub)
            return False
        P.hold_still(sim)
        settle(sim, name, index)
        # The load hangs a little off the hub: the hub is put where the
        # load's own centre comes over its place, within the play a swing
        # still left in it allows.
        load, hub = sim.pose(name, index).pos, sim.pose("grapple").pos
        aim = tuple(hub[i] + P.clamp(xy[i] - load[i], -CENTRING, CENTRING) for i in range(2))
        log(sim, "load off its place by", xy[0] - load[0], xy[1] - load[1])
    log(sim, "put", name, "margin", P.reach_margin(sim, (xy[0], xy[1], z + grip)))
    # A coffin may drop the last few centimetres onto the chamber floor; the
    # seal must be set down on its rims.
    settled_below = z + (0.1 if name == "coffin" else 0.06)
    if not lower_onto(sim, name, index, aim, z, grip, settled_below):
        log(sim, "not down", sim.pose(name, index).pos)
        return False
    # Let go swinging, a coffin stays on one claw's finger as the claws open.
    settle(sim, name, index)
    if name == "coffin":
        take_up_slack(sim, name, index, COFFIN_HANG)
    # The open angle is not always reached against the load: it is let go
    # all the same.
    P.open_grapple(sim, RELEASE_OPEN)
    if sim.ended or sim.step(60):
        return sim.won
    log(sim, "put", name, sim.pose(name, index).pos)
    if not come_clear(sim, name, index):
        log(sim, "still hooked", sim.pose(name, index).pos)
        return False
    h = sim.pose("grapple").pos
    P.grapple_to(sim, (h[0], h[1], h[2] + 0.3), tolerance=0.1, max_ticks=300)
    # Left wide open, the claws swing out far enough to knock the next load.
    P.work_grapple(sim, -1.0, 40)
    return True


def drive(sim):
    if not P.follow_path(sim, "truck", STANCE_PATH, throttle=0.4):
        return log(sim, "no stance")
    log(sim, "stance", sim.pose("truck").pos, sim.pose("truck").heading)
    if not (take(sim, "tombseal", 0, SEAL_GRIP)
            and put(sim, "tombseal", 0, SEAL_PARK, SEAL_PARKED_Z, SEAL_GRIP)):
        return log(sim, "seal not off")
    if not (take(sim, "coffin", 1, COFFIN_GRIP)
            and put(sim, "coffin", 1, CHAMBER, QUEEN_DOWN_Z, COFFIN_GRIP)):
        return log(sim, "queen not in")
    if not take(sim, "tombseal", 0, SEAL_GRIP):
        return log(sim, "seal not taken again")
    if not put(sim, "tombseal", 0, TOMB, SEAL_Z + 0.02, SEAL_GRIP):
        return log(sim, "seal not back")
    sim.step(120)


if __name__ == "__main__":
    sys.exit(driver_main.main(LEVEL, drive))
