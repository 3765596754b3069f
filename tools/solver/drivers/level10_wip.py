"""Level 10, babel (not yet a win): lay the two bridge segments across the
gap in front of the dock, then build the tower of seven crates on the pad
at the dock's north foot, the first two from the yard and the other five
from the dock.

Each segment waits on the yard beside the gap's mouth on its side, turned
across the road. The truck stops with its centre level with the segment's
middle, so the arm points square across it and the hub hangs turned with
the segment's slots; the prongs opened to about 1 rad come down through
the slots clear of the centre plate and close under it. Lifted above the
dock's top and slewed round to the front, the segment comes out lined up
with the crossing; the truck drives it into the mouth, the hub is nudged
over the seat with short lever pulses and let down until the end rails
sit in the rebates.

usage: python3 tools/solver/drivers/level10_wip.py [--delay D] [--record FILE]"""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import driver_main  # noqa: E402
import primitives as P  # noqa: E402

LEVEL = 10
GAP_CENTRE = 3.02
DOCK_TOP = 1.2
LANE_Y = 0.5  # each segment's centre off the road's axis
STANCE_Y = 1.9  # the truck's centre in the gap's mouth
PICK_Y = 5.0  # where it picks a segment up, level with the segment
# To the south pick stance: round the crate-free south side of the yard and
# up a straight run along the gap's line, so that it stops square.
SOUTH_ROUTE = [(-8.0, -0.5), (-5.5, -2.5), (-2.5, -7.2), (1.5, -8.0), (GAP_CENTRE, -7.0),
               (GAP_CENTRE, -PICK_Y)]
# Backed out of the south mouth, round the ramp's foot to the north side and
# down the gap's line from the north.
NORTH_ROUTE = [(GAP_CENTRE, -6.5), (1.0, -7.0), (-5.0, -6.5), (-6.5, -3.0), (-6.5, 3.0),
               (-5.0, 7.5), (1.0, 8.2), (GAP_CENTRE, 7.0), (GAP_CENTRE, PICK_Y)]
SLOT_OPENING = 1.05  # the prongs' finger tips clear the centre plate
RELEASE_OPENING = 1.5
PICK_ABOVE = 0.42  # hub over the segment's centre where it is squared up, the tips clear
GRIP_ABOVE = 0.1  # hub over the segment's centre where the prongs close
HELD_HANG = 0.12  # the hub over a segment hooked under its centre plate; on the tips, lower
CARRY_HUB = 1.65  # the segment's rails clear the dock's top
CARRY_OUT = STANCE_Y - LANE_Y  # ahead of the truck's centre, as it will be seated
ALIGN = 0.012  # metres: the hub over the slots or the seat
STILL_SPEED = 0.015


def hold_still(sim, max_ticks=300, every=10):
    for _ in range(0, max_ticks, every):
        if sim.pose("grapple").speed < STILL_SPEED:
            return True
        if sim.step(every):
            return False
    return True


def hub_errors(sim, target):
    """(across, out) metres from the hub to target: across the arm, positive
    counter-clockwise from above, and along it, positive outwards."""
    t = sim.pose("truck")
    hub = sim.pose("grapple").pos
    px, py = t.pos[0], t.pos[1]
    across = P.wrap(math.atan2(target[1] - py, target[0] - px) - math.atan2(hub[1] - py, hub[0] - px))
    out = math.hypot(target[0] - px, target[1] - py)
    return across * out, out - math.hypot(hub[0] - px, hub[1] - py)


def pulse(sim, number, setting, ticks):
    P.lever(sim, number, setting)
    ended = sim.step(ticks)
    sim.post("leverUp leverNr=%d" % number)
    return not ended


def nudge_over(sim, target, tolerance=ALIGN, tries=14):
    """Brings the still hub within tolerance of target in the ground plane
    with short slew and extension pulses: grapple_to's dead bands leave it a
    few centimetres off, more than the slots allow."""
    for _ in range(tries):
        if not hold_still(sim):
            return False
        across, out = hub_errors(sim, target)
        if abs(across) < tolerance and abs(out) < tolerance:
            return True
        if abs(across) >= tolerance:
            ticks = max(1, min(20, int(abs(across) * 200)))
            if not pulse(sim, P.TRUCK_LEVERS["rotate"], -math.copysign(0.25, across), ticks):
                return False
        if abs(out) >= tolerance:
            ticks = max(1, min(20, int(abs(out) * 200)))
            if not pulse(sim, P.TRUCK_LEVERS["extend"], math.copysign(0.25, out), ticks):
                return False
    return False


def lower_plumb(sim, point, z, max_ticks=180, every=2):
    """Lowers the hub in one push down to z, holding it over point: the boom
    alone swings it in or out as it goes down, by more than the slots allow,
    so the extension and the slew follow the error all the way. Stopped
    and started, the prongs hang on the slots' edges."""
    levers = P.TRUCK_LEVERS
    ok = False
    for _ in range(0, max_ticks, every):
        if sim.pose("grapple").pos[2] <= z:
            ok = True
            break
        across, out = hub_errors(sim, point)
        P.lever(sim, levers["elevate"], -0.5)
        P.lever(sim, levers["extend"], P.axis_setting(out, 8.0, 0.004, 0.2))
        P.lever(sim, levers["rotate"], -P.axis_setting(across, 8.0, 0.004, 0.2))
        if sim.step(every):
            return False
    for name in ("elevate", "extend", "rotate"):
        sim.post("leverUp leverNr=%d" % levers[name])
    return ok or sim.pose("grapple").pos[2] <= z + 0.015


def hub_over(sim, point, tolerance=0.03, tries=6):
    """The still hub over point (x, y, z) within tolerance across."""
    for _ in range(tries):
        P.grapple_to(sim, point, tolerance=0.08, max_ticks=600)
        if sim.ended or not hold_still(sim):
            return False
        hub = sim.pose("grapple").pos
        if math.hypot(hub[0] - point[0], hub[1] - point[1]) < tolerance:
            return True
    return False


def pick_segment(sim, index, tries=3):
    """Picks segment index up by its slots; a grip that does not lift it is
    let go and tried again."""
    rest = sim.pose("segment", index).pos[2]
    for _ in range(tries):
        if grip_segment(sim, index):
            hub = sim.pose("grapple").pos
            if not P.grapple_to(sim, (hub[0], hub[1], hub[2] + 0.2), tolerance=0.08, max_ticks=600):
                return False
            hub, seg = sim.pose("grapple").pos, sim.pose("segment", index).pos
            # Held by all four prongs it hangs level just under the hub.
            if (seg[2] > rest + 0.1 and hub[2] - seg[2] < HELD_HANG
                    and math.hypot(hub[0] - seg[0], hub[1] - seg[1]) < 0.04):
                return True
        if sim.ended:
            return False
        print("no lift, again", file=sys.stderr)
        P.open_grapple(sim, RELEASE_OPENING)
        hub = sim.pose("grapple").pos
        P.grapple_to(sim, (hub[0], hub[1], rest + PICK_ABOVE + 0.3), max_ticks=600)
        P.work_grapple(sim, -1.0, 40)
    return False


def grip_segment(sim, index):
    c = sim.pose("segment", index).pos
    above = (c[0], c[1], c[2] + PICK_ABOVE + 0.3)
    grip = (c[0], c[1], c[2] + GRIP_ABOVE)
    # A bend deeper than the least that reaches: at the least the boom comes
    # down onto its stop short of the grip.
    bend = P.bend_for(sim, (above, grip))
    if bend is None:
        print("segment %d out of reach" % index, file=sys.stderr)
        return False
    if not (hub_over(sim, above) and P.bend_to(sim, bend) and P.open_grapple(sim, SLOT_OPENING)):
        return False
    if not (hub_over(sim, (c[0], c[1], c[2] + PICK_ABOVE)) and nudge_over(sim, c)):
        return False
    if not lower_plumb(sim, c, grip[2]):
        return False
    if sim.pose("grapple").pos[2] > grip[2] + 0.015:
        print("prongs on the plates at", sim.pose("grapple").pos, file=sys.stderr)
        return False
    # Closed for a while after the prongs first touch: they touch the
    # plate's edge before the finger tips are under it.
    P.lever(sim, P.GRAPPLE_LEVER, -1.0)
    if sim.step(80):
        return False
    return sim.grasped() == "segment"


def show(sim, what, index):
    g, sg = sim.pose("grapple"), sim.pose("segment", index)
    print(what, "hub", [round(v, 3) for v in g.pos], round(math.degrees(g.heading), 1), "segment",
          [round(v, 3) for v in sg.pos], round(math.degrees(sg.heading), 1), sim.grasped(), file=sys.stderr)


def carry_to_front(sim, index):
    show(sim, "picked", index)
    if not P.raise_hub_to(sim, CARRY_HUB):
        return False
    show(sim, "raised", index)
    t = sim.pose("truck")
    ahead = (t.pos[0] + CARRY_OUT * t.x_axis[0], t.pos[1] + CARRY_OUT * t.x_axis[1], CARRY_HUB)
    return P.grapple_to(sim, ahead, max_ticks=900)


def seat_segment(sim, index, seat):
    """Lowers the held segment onto its seat, (x, y) of its centre."""
    hang = sim.pose("grapple").pos[2] - sim.pose("segment", index).pos[2]
    if not hub_over(sim, (seat[0], seat[1], DOCK_TOP + hang + 0.1), tolerance=0.05):
        print("hub not over the seat", sim.pose("grapple").pos, sim.joint("crane", "boom"),
              sim.joint("crane", "bend"), sim.joint("crane", "extend"), file=sys.stderr)
        return False
    if not nudge_over(sim, seat):
        return False
    for _ in range(14):
        if sim.pose("segment", index).pos[2] < DOCK_TOP + 0.01:
            break
        if not pulse(sim, P.TRUCK_LEVERS["elevate"], -0.5, 6):
            return False
        hold_still(sim, 30)
    sim.post("leverUp leverNr=%d" % P.GRAPPLE_LEVER)
    if not P.open_grapple(sim, RELEASE_OPENING):
        return False
    return lift_clear(sim, seat) and P.raise_hub_to(sim, CARRY_HUB)


def lift_clear(sim, point, rise=0.24, step=0.05):
    """Raises the open grapple straight up out of the slots: the boom alone
    swings the hub in towards the truck as it rises, which drags the prongs
    across their slots and the segment out of its seat, so each short lift
    is followed by a nudge back out over point."""
    top = sim.pose("grapple").pos[2] + rise
    for _ in range(20):
        z = sim.pose("grapple").pos[2]
        if z >= top:
            return True
        P.lever(sim, P.TRUCK_LEVERS["elevate"], 0.8)
        for _ in range(30):
            if sim.step(2):
                return False
            if sim.pose("grapple").pos[2] >= z + step:
                break
        sim.post("leverUp leverNr=%d" % P.TRUCK_LEVERS["elevate"])
        nudge_over(sim, point, tolerance=0.015, tries=4)
    return False


def lay_segment(sim, index, side):
    """Picks segment index at the pick stance on side (-1 south, 1 north),
    drives it into the mouth and seats it in its lane."""
    stance = (GAP_CENTRE, side * STANCE_Y)
    seat = (GAP_CENTRE, side * LANE_Y)
    if not pick_segment(sim, index):
        print("no grip on segment", index, sim.pose("segment", index).pos, file=sys.stderr)
        return False
    if not carry_to_front(sim, index):
        return False
    if not P.follow_path(sim, "truck", [(GAP_CENTRE, side * (PICK_Y + 0.2)), stance], throttle=0.3):
        return False
    t = sim.pose("truck")
    print("mouth stance", t.pos, math.degrees(t.heading), "hub", sim.pose("grapple").pos, "segment",
          sim.pose("segment", index).pos, math.degrees(sim.pose("segment", index).heading), file=sys.stderr)
    if not seat_segment(sim, index, seat):
        print("segment", index, "not seated", sim.pose("segment", index).pos, file=sys.stderr)
        return False
    print("segment", index, "seated", sim.pose("segment", index).pos,
          math.degrees(sim.pose("segment", index).heading), file=sys.stderr)
    return True


def reverse_to(sim, y_stop, throttle=0.3, max_ticks=1200, every=5):
    """Backs the truck straight out along its heading until its centre's y
    passes y_stop, then stops."""
    start = sim.pose("truck").pos[1]
    for _ in range(0, max_ticks, every):
        y = sim.pose("truck").pos[1]
        if (y - y_stop) * (start - y_stop) <= 0:
            return P.come_to_rest(sim, "truck")
        sim.post("steer setting=0")
        sim.post("accelcontrol setting=%f" % -throttle)
        if sim.step(every):
            return False
    return False


def drive(sim):
    if not P.follow_path(sim, "truck", SOUTH_ROUTE, throttle=0.5):
        return
    if not lay_segment(sim, 0, -1):
        return
    if not reverse_to(sim, -6.0):
        return
    if not P.follow_path(sim, "truck", NORTH_ROUTE, throttle=0.5):
        print("stuck on the way north", sim.pose("truck").pos, file=sys.stderr)
        return
    if not lay_segment(sim, 1, 1):
        return


if __name__ == "__main__":
    driver_main.main(LEVEL, drive)
