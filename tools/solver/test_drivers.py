"""The level drivers win their levels, also when their first input comes a
few ticks late."""

import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "drivers"))

import driver_main  # noqa: E402
import level00  # noqa: E402
import level01  # noqa: E402
import level02  # noqa: E402
import level03  # noqa: E402
import level04  # noqa: E402
import level05  # noqa: E402
import level06  # noqa: E402
import level07  # noqa: E402
import level08  # noqa: E402
import level09  # noqa: E402
import level10  # noqa: E402
import level11  # noqa: E402
import level12  # noqa: E402
import level14  # noqa: E402
import level15  # noqa: E402
import level16  # noqa: E402
import level17  # noqa: E402
import level18  # noqa: E402
import level19  # noqa: E402
import level20  # noqa: E402
import level21  # noqa: E402
import level22  # noqa: E402


class DriversTest(unittest.TestCase):
    def check_wins(self, level, drive, delays=(0, 4)):
        for delay in delays:
            sim = driver_main.run(level, drive, delay)
            self.assertTrue(sim.end_games, delay)
            win, won_level, _ = sim.end_games[0]  # the first end is the win, not a loss
            self.assertEqual((win, won_level), (1, level), delay)

    def test_the_blocks_are_loaded_into_the_dump_truck_and_tipped_out_on_the_tray(self):
        self.check_wins(15, level15.drive)

    def test_the_bed_is_tipped_and_the_skid_loader_pushes_every_sphere_into_the_pit(self):
        self.check_wins(16, level16.drive)

    def test_the_truck_parks_in_the_bay_without_knocking_a_pole(self):
        self.check_wins(0, level00.drive)

    def test_the_ball_is_lifted_off_its_stand_and_dropped_through_the_hoop(self):
        self.check_wins(1, level01.drive)

    def test_the_fork_lift_brings_both_police_cars_into_the_yard(self):
        self.check_wins(19, level19.drive)

    def test_the_fork_lift_carries_the_acids_across_to_the_other_dock(self):
        self.check_wins(17, level17.drive)

    def test_the_fork_lift_builds_the_ramp_and_the_racer_jumps_the_canyon(self):
        self.check_wins(18, level18.drive)

    def test_both_pins_are_pulled_and_the_door_pushed_out_of_the_gate(self):
        self.check_wins(2, level02.drive)

    def test_the_weight_holds_the_seesaw_and_the_balls_go_into_the_cart(self):
        self.check_wins(3, level03.drive)

    def test_both_segments_go_into_the_gap_and_the_truck_drives_across(self):
        self.check_wins(5, level05.drive)

    def test_the_crates_go_onto_the_wagon_and_the_wagon_into_the_tunnel(self):
        self.check_wins(4, level04.drive)

    def test_the_crane_stacks_every_stacker_off_the_trailer_into_the_shaft(self):
        self.check_wins(6, level06.drive)

    def test_the_truck_rides_the_lift_up_and_seats_every_bearing(self):
        self.check_wins(14, level14.drive)

    def test_the_pillar_is_stood_in_its_socket_and_the_cornice_jacked_onto_it(self):
        self.check_wins(7, level07.drive)

    def test_the_crane_bridges_the_ditch_and_stores_both_stackers(self):
        self.check_wins(8, level08.drive)

    def test_the_seal_comes_off_the_queen_goes_in_and_the_seal_goes_back(self):
        self.check_wins(9, level09.drive)

    def test_the_crane_bridges_the_gap_and_builds_the_tower_of_seven_crates(self):
        self.check_wins(10, level10.drive)

    def test_the_boom_opens_both_lids_starts_the_feed_and_sweeps_the_boxes_apart(self):
        self.check_wins(11, level11.drive)

    def test_the_crane_sets_all_six_prison_walls_into_the_wall_slot(self):
        self.check_wins(12, level12.drive)

    def test_the_crane_builds_the_canal_bridge_and_the_train_crosses_it(self):
        # Like the viaduct, a win takes the simulator minutes: one start here.
        self.check_wins(20, level20.drive, delays=(0,))

    def test_the_crane_loads_all_eight_eggs_toppling_them_back_over_the_humps(self):
        self.check_wins(21, level21.drive)

    def test_the_crane_hangs_every_letter_board_on_the_viaduct(self):
        # A win takes the simulator minutes; the late starts are left to the
        # robustness run.
        self.check_wins(22, level22.drive, delays=(0,))


if __name__ == "__main__":
    unittest.main()
