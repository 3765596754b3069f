"""Each primitive against the real simulator on a machine yard."""

import math
import unittest

import primitives as P
from serve_client import Sim


class DrivingTest(unittest.TestCase):
    def check_arrival(self, sim, name, target):
        p = sim.pose(name)
        self.assertLess(math.hypot(p.pos[0] - target[0], p.pos[1] - target[1]), 0.5)
        self.assertLess(p.speed, 0.05)

    def test_the_dump_truck_drives_to_a_point_behind_and_to_its_right(self):
        with Sim(arena_variant="dumptruck") as sim:
            self.assertTrue(P.drive_to(sim, "dumpTruck", (4, -3)))
            self.check_arrival(sim, "dumpTruck", (4, -3))

    def test_the_fork_lift_turns_round_to_a_point_behind_it(self):
        with Sim(arena_variant="forklift") as sim:
            self.assertTrue(P.drive_to(sim, "forkLift", (-3, 3)))
            self.check_arrival(sim, "forkLift", (-3, 3))

    def test_the_skid_loader_steers_by_its_tracks(self):
        with Sim(arena_variant="skidloader") as sim:
            self.assertTrue(P.skid_drive_to(sim, (-3, 2)))
            self.check_arrival(sim, "skidLoader", (-3, 2))


class ToolsTest(unittest.TestCase):
    def test_the_forks_stop_within_their_window_going_up_and_down(self):
        with Sim(arena_variant="forklift") as sim:
            for height in (0.3, 0.12):
                self.assertTrue(P.fork_to_height(sim, height))
                sim.step(60)  # and they stay there
                self.assertLess(abs(sim.joint("forkLift", "lift") - height), P.FORK_WINDOW / 2)

    def test_the_dump_truck_tips_its_bed_past_an_angle(self):
        with Sim(arena_variant="dumptruck") as sim:
            self.assertTrue(P.tip_dump_truck(sim, 0.6))
            self.assertGreaterEqual(sim.joint("dumpTruck", "bed"), 0.6)


class CraneTest(unittest.TestCase):
    def test_the_grapple_goes_to_points_around_the_truck_and_hangs_there(self):
        with Sim(arena_variant="truck") as sim:
            self.assertIsNone(sim.grasped())
            for target in ((1.2, 1.0, 0.8), (0.5, -1.2, 1.0), (1.0, 0.0, 1.2), (-0.3, 1.3, 0.9)):
                self.assertTrue(P.grapple_to(sim, target), target)
                sim.step(60)  # the arm holds it there
                self.assertLess(math.dist(P.hub_rest_point(sim), target), 0.1, target)


    def test_on_its_joint_readings_the_hub_comes_to_rest_within_centimetres(self):
        with Sim(arena_variant="truck") as sim:
            for target, bend in (((1.3, 0.5, 0.9), 0.0), ((-0.4, -1.4, 0.5), -0.8), ((0.2, 1.5, 1.2), 0.0)):
                self.assertTrue(P.bend_to(sim, bend), target)
                self.assertTrue(P.hub_over(sim, target), target)
                self.assertLess(math.dist(P.hub_rest_point(sim), target), 0.05, target)
            self.assertFalse(P.crane_joints_to(sim, (3.5, 0.0, 0.5)))  # out of reach: nothing moves

    def test_the_joints_solved_for_a_point_put_the_hub_there(self):
        for out, up, bend in ((1.5, 0.5, 0.0), (1.2, 0.0, -0.8), (1.7, -0.1, -0.4), (1.0, 1.0, 0.0)):
            boom, extend = P.crane_ik(out, up, bend)
            self.assertTrue(P.BOOM_RANGE[0] <= boom <= P.BOOM_RANGE[1])
            self.assertTrue(P.EXTEND_RANGE[0] <= extend <= P.EXTEND_RANGE[1])
            o, u = P.hub_in_crane_plane(boom, bend, extend)
            self.assertAlmostEqual(o, out, delta=0.005)
            self.assertAlmostEqual(u, up, delta=0.005)
        self.assertIsNone(P.crane_ik(2.3, 0.3, 0.0))  # past the outer beam's stop
        self.assertIsNone(P.crane_ik(1.5, 0.0, 0.0))  # below the straight boom

    def test_folded_past_upright_the_joints_are_solved_or_refused_never_wrong(self):
        # The outer beam passes upright as the boom lifts: the solver must
        # not take that pole for a solution, nor trip over it.
        solved = 0
        for i in range(20):
            for j in range(12):
                out, up = 0.2 + 0.08 * i, -0.6 + 0.1 * j
                found = P.crane_ik(out, up, -1.6)
                if found:
                    solved += 1
                    o, u = P.hub_in_crane_plane(found[0], -1.6, found[1])
                    self.assertAlmostEqual(o, out, delta=0.005)
                    self.assertAlmostEqual(u, up, delta=0.005)
        self.assertGreater(solved, 0)


class GraspTest(unittest.TestCase):
    def test_the_crane_geometry_puts_the_hub_where_the_simulator_has_it(self):
        with Sim(arena_variant="truck") as sim:
            for levers, ticks in (({}, 30), ({"elevate": 1.0, "extend": 1.0}, 50), ({"bend": -0.6}, 60)):
                for name, setting in levers.items():
                    P.lever(sim, P.TRUCK_LEVERS[name], setting)
                sim.step(ticks)
                for name in levers:
                    sim.post("leverUp leverNr=%d" % P.TRUCK_LEVERS[name])
                sim.step(60)
                truck = sim.pose("truck").pos
                out, up = P.hub_in_crane_plane(*(sim.joint("crane", j) for j in ("boom", "bend", "extend")))
                mean = P.hub_rest_point(sim)
                self.assertAlmostEqual(math.hypot(mean[0] - truck[0], mean[1] - truck[1]), out, delta=0.05)
                self.assertAlmostEqual(mean[2] - truck[2], up, delta=0.05)

    def test_the_reach_covers_the_arm_s_travel_and_no_more(self):
        self.assertTrue(P.within_reach(*P.hub_in_crane_plane(0.0, 0.0, 0.05)))
        self.assertTrue(P.within_reach(*P.hub_in_crane_plane(1.0, 0.0, 0.8)))
        self.assertFalse(P.within_reach(2.3, 0.3))  # past the outer beam's stop
        self.assertFalse(P.within_reach(1.5, 0.0))  # below the straight boom...
        self.assertTrue(P.within_reach(1.5, 0.0, bend=-0.4))  # ...but not the bent one

    def test_the_reach_to_spare_is_how_far_the_hub_could_go_on_out(self):
        edge = 1.97  # the straight arm's furthest at this height
        self.assertTrue(P.within_reach(edge, 0.3) and not P.within_reach(edge + 0.02, 0.3))
        self.assertAlmostEqual(P.spare_reach(edge - 0.3, 0.3), 0.3, delta=0.015)
        self.assertAlmostEqual(P.spare_reach(edge, 0.3), 0.0, delta=0.015)
        self.assertEqual(P.spare_reach(2.3, 0.3), 0.0)  # out of reach: nothing to spare
        # Low down only a bent arm reaches, and its reach is what counts.
        self.assertGreater(P.spare_reach(1.5, 0.0), 0.2)

    def test_the_grapple_closes_round_a_pole_once_the_truck_is_near_it(self):
        with Sim(arena_variant="truck") as sim:
            start = sim.pose("pole").pos
            self.assertFalse(P.grasp(sim, "pole"))  # out of reach from the middle of the yard
            self.assertEqual(sim.tick, 0)
            self.assertTrue(P.drive_to(sim, "truck", (4.6, -2.0)))
            self.assertTrue(P.grasp(sim, "pole"))
            self.assertEqual(sim.grasped(), "pole")
            sim.step(120)  # and it keeps hold without toppling it
            self.assertEqual(sim.grasped(), "pole")
            pole = sim.pose("pole")
            self.assertLess(math.dist(pole.pos, start), 0.1)
            self.assertGreater(pole.z_axis[2], 0.95)


class BoomTipTest(unittest.TestCase):
    def test_the_tip_is_where_the_grapple_hangs_and_the_slew_turns_about_one_point(self):
        with Sim(arena_variant="truck") as sim:
            axis = P.slew_axis(sim)
            for setting, ticks in ((0.0, 1), (1.0, 60), (-1.0, 150)):
                P.lever(sim, P.TRUCK_LEVERS["rotate"], setting)
                sim.step(ticks)
                sim.post("leverUp leverNr=%d" % P.TRUCK_LEVERS["rotate"])
                hub = P.hub_rest_point(sim)
                tip = P.boom_tip(sim)
                self.assertLess(math.dist(hub, (tip[0], tip[1], tip[2] - P.HUB_DROP)), 0.04, setting)
                self.assertLess(math.dist(P.slew_axis(sim), axis), 0.01, setting)

    def test_the_tip_goes_to_points_around_the_truck_and_stays_there(self):
        with Sim(arena_variant="truck") as sim:
            for target in ((1.3, 0.4, 1.0), (-0.2, -1.4, 1.5), (0.9, 1.0, 0.8)):
                self.assertTrue(P.tip_to(sim, target), target)
                sim.step(60)  # the arm holds it there
                self.assertLess(math.dist(P.boom_tip(sim), target), 0.06, target)
            self.assertFalse(P.tip_to(sim, (3.5, 0.0, 1.0), max_ticks=300))  # out of reach


class SkyCraneTest(unittest.TestCase):
    def test_the_sky_crane_flies_up_and_across_and_hovers_there(self):
        with Sim(arena_variant="skycrane") as sim:
            pilot = P.SkyPilot()
            for target, heading in (((4, -3, 5), 0.0), ((-2, 2, 3), math.pi / 2)):
                self.assertTrue(P.fly_to(sim, target, pilot, heading=heading), target)
                self.assertLess(P.hover(sim, target, 600, pilot, heading=heading), 0.5, target)
                p = sim.pose("skyCrane")
                self.assertLess(math.dist(p.pos, target), 0.3, target)
                self.assertLess(p.speed, 0.2, target)
                self.assertLess(abs(P.wrap(p.heading - heading)), 0.1, target)


class HelpersTest(unittest.TestCase):
    def test_a_joint_gets_no_lever_in_its_dead_band_and_at_least_its_least_outside(self):
        self.assertEqual(P.axis_setting(0.01, 4.0, 0.02, 0.5), 0.0)
        self.assertEqual(P.axis_setting(-0.05, 4.0, 0.02, 0.5), -0.5)
        self.assertEqual(P.axis_setting(0.2, 4.0, 0.02, 0.5), 0.8)
        self.assertEqual(P.axis_setting(3.0, 4.0, 0.02, 0.5), 1.0)

    def test_a_path_tells_how_far_is_left_and_what_lies_ahead(self):
        path = [(0, 0), (2, 0), (2, 3)]
        segment, fraction, left = P.path_progress(path, (1.0, 0.4))
        self.assertEqual((segment, fraction, left), (0, 0.5, 4.0))
        self.assertEqual(P.path_progress(path, (2.5, 1.0))[0:2], (1, 1 / 3))
        self.assertEqual(P.point_ahead(path, 0, 0.5, 0.5), (1.5, 0.0))
        self.assertEqual(P.point_ahead(path, 0, 0.5, 2.0), (2.0, 1.0))  # round the corner
        self.assertEqual(P.point_ahead(path, 1, 0.5, 9.0), (2, 3))  # never past the end

    def test_angles_wrap_into_one_turn(self):
        self.assertAlmostEqual(P.wrap(3 * math.pi / 2), -math.pi / 2)
        self.assertAlmostEqual(P.wrap(-3 * math.pi / 2), math.pi / 2)
        self.assertAlmostEqual(P.wrap(0.25), 0.25)


if __name__ == "__main__":
    unittest.main()
