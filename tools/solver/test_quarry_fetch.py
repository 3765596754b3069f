"""The quarry driver's choice of where to fetch a block knocked onto the
floor from, checked on a still picture of the quarry (no simulator)."""

import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "drivers"))

import level15 as Q  # noqa: E402
from serve_client import Pose  # noqa: E402

TRUCK_Z = -0.36
BLOCK_Z = -0.575  # a block's centre lying on the quarry floor
BED_Z = -0.68  # the dump truck's chassis in the bay


def pose(x, y, z):
    return Pose([x, y, z, 1, 0, 0, 0, 1, 0, 0, 0, 1] + [0] * 6)


class Still:
    """A quarry that stands still: the truck at x on its lane, the dump truck
    waiting in the bay, the blocks where they are put."""

    def __init__(self, truck_x, blocks):
        self.poses = {("truck", 0): pose(truck_x, Q.STANCE[1], TRUCK_Z),
                      ("dumpTruck", 0): pose(-11.5, -10.9, BED_Z)}
        for i, at in enumerate(blocks):
            self.poses[("block", i)] = pose(*at)

    def pose(self, name, index=0):
        return self.poses[(name, index)]


def pyramid():
    rows = [Q.FLOOR_Z + Q.BLOCK_HALF] * 3 + [Q.FLOOR_Z + 3 * Q.BLOCK_HALF] * 2 + [Q.FLOOR_Z + 5 * Q.BLOCK_HALF]
    return [(x, y, z) for (x, y), z in zip(Q.PYRAMID_SPOTS, rows)]


class FetchTest(unittest.TestCase):
    def test_a_block_on_the_pyramid_is_picked_from_where_the_truck_stands(self):
        sim = Still(Q.STANCE[0], pyramid())
        for slot, index in enumerate(Q.PICK_ORDER):
            self.assertFalse(Q.needs_fetching(sim, index, slot), index)

    def test_a_block_knocked_out_of_reach_is_fetched_from_a_stance_with_reach_to_spare(self):
        # Where blocks knocked off the pyramid have come to rest: west of it
        # beside the truck's tail, and further west.
        for stray in ((-13.4, -9.0), (-12.8, -9.3), (-13.1, -8.3)):
            blocks = pyramid()
            blocks[5] = (stray[0], stray[1], BLOCK_Z)
            for truck_x in (Q.STANCE[0], Q.LAST_STANCE_X):
                sim = Still(truck_x, blocks)
                x = Q.fetch_stance(sim, 5, 0)
                self.assertIsNotNone(x, (stray, truck_x))
                self.assertGreaterEqual(Q.fetch_spare(sim, 5, 0, x), Q.FETCH_SPARE, (stray, truck_x))
                if Q.needs_fetching(sim, 5, 0):
                    self.assertNotAlmostEqual(x, truck_x, 2)

    def test_the_truck_is_not_sent_through_a_block_lying_in_its_lane(self):
        blocks = pyramid()
        blocks[5] = (-13.6, -9.0, BLOCK_Z)
        blocks[4] = (-12.9, Q.STANCE[1] + 0.2, BLOCK_Z)  # behind the truck's tail
        sim = Still(Q.STANCE[0], blocks)
        x = Q.fetch_stance(sim, 5, 0)
        if x is not None:
            self.assertTrue(Q.lane_clear(sim, Q.STANCE[0], x))
            self.assertGreater(x, -12.9 + Q.TRUCK_HALF[0])

    def test_a_block_beyond_every_stance_on_the_lane_is_not_fetched(self):
        blocks = pyramid()
        blocks[5] = (-11.8, -6.9, BLOCK_Z)
        self.assertIsNone(Q.fetch_stance(Still(Q.STANCE[0], blocks), 5, 0))


if __name__ == "__main__":
    unittest.main()
