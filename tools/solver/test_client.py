"""The serve client against the real simulator on the machine yards."""

import os
import tempfile
import unittest

from serve_client import ServeError, Sim


class ClientTest(unittest.TestCase):
    def test_steps_posts_and_reads_the_world_back(self):
        with Sim(arena_variant="forklift") as sim:
            start = sim.pose("forkLift")
            self.assertAlmostEqual(start.z_axis[2], 1.0, places=2)
            sim.post("accelcontrol setting=0.5")
            self.assertEqual(sim.step(60), [])
            self.assertEqual(sim.tick, 60)
            moved = sim.pose("forkLift")
            self.assertGreater(moved.pos[0], start.pos[0] + 0.2)
            self.assertGreater(moved.speed, 0.1)
            self.assertIn(("pallet", 0), [(name, i) for name, i, _ in sim.objects()])
            self.assertAlmostEqual(sim.joint("forkLift", "lift"), 0.0, delta=0.02)  # forks down
            forks = sim.pose("carriage")  # on the mast, ahead of the body
            self.assertAlmostEqual(forks.pos[0] - moved.pos[0], 0.86, delta=0.05)
            self.assertGreater(forks.pos[2], moved.pos[2] + 0.3)

    def test_errors_raise_and_the_session_goes_on(self):
        with Sim(arena_variant="dumptruck") as sim:
            with self.assertRaisesRegex(ServeError, "refused 'endGame win=1 level=0'"):
                sim.post("endGame win=1 level=0")
            with self.assertRaisesRegex(ServeError, "no machine 'crane'"):
                sim.joint("crane", "boom")
            with self.assertRaisesRegex(ServeError, "no object 'truck'"):
                sim.pose("truck")
            with self.assertRaisesRegex(ServeError, "no crane with a grapple"):
                sim.grasped()
            sim.step(1)
            self.assertEqual(sim.tick, 1)

    def test_a_recorded_session_replays_to_the_same_digest(self):
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, "session.txt")
            with Sim(level=0) as sim:
                sim.post("accelcontrol setting=0.4")
                sim.step(100)
                sim.post("steer setting=-0.5")
                sim.step(50)
                sim.record(path)
            served = sim.digest()
            with open(path) as f:
                self.assertIn("# ticks 150\n", f.read())
            # A script is a serve session that only posts and steps.
            with Sim(level=0) as replay:
                with open(path) as f:
                    lines = [l.split(" ", 1) for l in f.read().splitlines() if not l.startswith("#")]
                for tick, message in lines:
                    if int(tick) > replay.tick:
                        replay.step(int(tick) - replay.tick)
                    replay.post(message)
                replay.step(150 - replay.tick)
            self.assertIsNotNone(served)
            self.assertEqual(replay.digest(), served)

    def test_a_placed_body_rests_where_put_and_the_recording_disowns_the_session(self):
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, "session.txt")
            with Sim(arena_variant="forklift") as sim:
                sim.step(5)
                sim.post("accelcontrol setting=0.3")
                sim.place("pallet", 0, (3.0, -2.0, 0.5))
                placed = sim.pose("pallet")
                self.assertEqual([round(v, 3) for v in placed.pos], [3.0, -2.0, 0.5])
                self.assertEqual(placed.speed, 0.0)
                self.assertAlmostEqual(placed.z_axis[2], 1.0, places=6)
                # A machine's body would tear from its wheels.
                with self.assertRaisesRegex(ServeError, "jointed"):
                    sim.place("forkLift", 0, (0.0, 0.0, 1.0))
                with self.assertRaisesRegex(ServeError, "no object 'pallet' number 5"):
                    sim.place("pallet", 5, (0.0, 0.0, 1.0))
                with self.assertRaisesRegex(ServeError, "place takes"):
                    sim.command("place pallet 0 1 2")
                with self.assertRaisesRegex(ServeError, "within"):
                    sim.command("place pallet 0 1 2 nan")
                sim.step(60)
                self.assertLess(sim.pose("pallet").pos[2], 0.5)  # it fell from there
                sim.record(path)
            with open(path) as f:
                text = f.read()
            self.assertIn("does not replay", text.splitlines()[0])
            self.assertEqual(text.splitlines()[2:], ["5 accelcontrol setting=0.3"])


if __name__ == "__main__":
    unittest.main()
