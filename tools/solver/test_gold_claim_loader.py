"""The gold claim's skid loader turn, on a tray laid as the truck fills it:
the heap goes onto the belt, the loader parks clear of the crane and the
belt washes the round."""

import os
import random
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "drivers"))

import level24_loader as loader  # noqa: E402
from serve_client import Sim  # noqa: E402


class GoldClaimLoaderTest(unittest.TestCase):
    def test_a_full_tray_is_pushed_onto_the_belt_and_washed_with_the_loader_parked(self):
        with Sim(level=24) as sim:
            sim.step(2)
            # Eleven is the first and biggest round; scattered off the
            # truck's drops so the heap forms unevenly.
            self.assertTrue(loader.lay_round(sim, 11, random.Random(7)))
            self.assertTrue(loader.push_round(sim))
            self.assertEqual(sim.end_games, [])  # nothing stranded, the loader upright
            names = [n for n, _, _ in sim.objects()]
            self.assertEqual(names.count("washedgravel"), 11)
            self.assertEqual(names.count("collectedgravel"), 0)
            parked = sim.pose("skidLoader")
            self.assertLess(parked.pos[0], loader.PARK_X + 0.2)
            self.assertAlmostEqual(parked.pos[1], loader.TRAY_Y, delta=0.15)
            self.assertGreater(parked.z_axis[2], 0.95)
            # Every washed stone ends in the bin past the belt's end.
            sim.step(600)
            self.assertEqual(sim.end_games, [])
            for name, _, (x, y, z) in sim.objects():
                if name == "washedgravel":
                    self.assertGreater(x, 5.6)
                    self.assertLess(z, 0.0)


if __name__ == "__main__":
    unittest.main()
