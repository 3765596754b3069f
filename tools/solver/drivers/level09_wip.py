"""Level 9, Luxor: open the tomb, lay the queen beside the pharaoh and close
the tomb again. The truck pulls up south of the tomb, heading east, where
the crane reaches the tomb, the queen and a patch of sand ahead of it: the
seal is lifted off by its handle and set down ahead of the truck, the queen
lowered into the chamber beside the pharaoh, and the seal laid back.

usage: python3 tools/solver/drivers/level09_wip.py [--delay D] [--record FILE]"""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import driver_main  # noqa: E402
import primitives as P  # noqa: E402

LEVEL = 9
DEBUG = os.environ.get("LEVEL09_DEBUG")
TOMB = (2.0, -2.0)
SEAL_Z = 0.557
STANCE_PATH = [(-4.0, -3.58), (-1.0, -3.58), (1.95, -3.58)]
SEAL_PARK = (3.55, -4.2)  # the sand ahead of the truck
CHAMBER = (2.0, -2.5)  # beside the pharaoh, who lies north of the middle
SEAL_GRIP = 0.30  # hub above the seal's centre: the claws close under its handle
COFFIN_GRIP = 0.33  # hub above a coffin's centre: under its lifting bar
CARRY_Z = 1.4
SEAL_STANCE_X = 2.35
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
        if not (P.open_grapple(sim) and P.grapple_to(sim, (at[0], at[1], min(CARRY_Z, at[2] + 0.5)),
                                                     tolerance=0.1)):
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


def put(sim, name, index, xy, z, grip):
    """Carries the held object high over xy, lowers it until its centre is
    at z and lets go."""
    P.raise_hub_to(sim, CARRY_Z)
    P.bend_to(sim, LOW_BEND if name == "coffin" else 0.0)
    if not P.grapple_to(sim, (xy[0], xy[1], max(z + grip + 0.35, 0.9)), tolerance=0.15):
        log(sim, "not over", xy, sim.pose("grapple").pos)
        return False
    P.hold_still(sim)
    log(sim, "put", name, "margin", P.reach_margin(sim, (xy[0], xy[1], z + grip)))
    P.grapple_to(sim, (xy[0], xy[1], z + grip + 0.15), tolerance=0.08, max_ticks=900)
    P.grapple_to(sim, (xy[0], xy[1], z + grip), tolerance=0.05, max_ticks=900)
    if not P.open_grapple(sim) or sim.step(60):
        return sim.won
    log(sim, "put", name, sim.pose(name, index).pos)
    h = sim.pose("grapple").pos
    P.grapple_to(sim, (h[0], h[1], h[2] + 0.4), tolerance=0.1, max_ticks=300)
    return True


def drive(sim):
    if not P.follow_path(sim, "truck", STANCE_PATH, throttle=0.4):
        return log(sim, "no stance")
    log(sim, "stance", sim.pose("truck").pos, sim.pose("truck").heading)
    if not (take(sim, "tombseal", 0, SEAL_GRIP)
            and put(sim, "tombseal", 0, SEAL_PARK, 0.05, SEAL_GRIP)):
        return log(sim, "seal not off")
    if not (take(sim, "coffin", 1, COFFIN_GRIP)
            and put(sim, "coffin", 1, CHAMBER, -0.45, COFFIN_GRIP)):
        return log(sim, "queen not in")
    # Up to the seal where it fell, from where the tomb is still in reach.
    t = sim.pose("truck").pos
    P.bend_to(sim, 0.0)
    P.raise_hub_to(sim, CARRY_Z)
    seal = sim.pose("tombseal").pos
    if not P.follow_path(sim, "truck", [(t[0], t[1]), (seal[0] - 1.3, t[1]),
                                        (seal[0] - 0.6, seal[1] + 1.3)], throttle=0.3):
        return log(sim, "not up to the seal")
    log(sim, "seal stance", sim.pose("truck").pos, "seal", sim.pose("tombseal").pos)
    if not take(sim, "tombseal", 0, SEAL_GRIP):
        return log(sim, "seal not taken again")
    t = sim.pose("truck").pos
    if not P.drive_to(sim, "truck", (1.9, -3.58), tolerance=0.15, throttle=0.3):
        return log(sim, "not back at the tomb")
    log(sim, "tomb stance", sim.pose("truck").pos, sim.pose("truck").heading)
    if not (put(sim, "tombseal", 0, TOMB, SEAL_Z + 0.02, SEAL_GRIP)):
        return log(sim, "seal not back")
    sim.step(120)


if __name__ == "__main__":
    sys.exit(driver_main.main(LEVEL, drive))
