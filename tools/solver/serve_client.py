"""A client for quorvel-sim's serve mode: start the simulator on a level or a
machine yard, send commands, read their answers, and read poses and joints
back as numbers. Python 3 standard library only."""

import math
import os
import subprocess

DEFAULT_SIM = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "build", "bin",
                           "quorvel-sim")


class ServeError(Exception):
    """The simulator answered "err TEXT" or went away."""


class Pose:
    """Position, the body's own axes in world coordinates and its speeds."""

    def __init__(self, numbers):
        self.pos = numbers[0:3]
        self.x_axis = numbers[3:6]
        self.y_axis = numbers[6:9]
        self.z_axis = numbers[9:12]
        self.vel = numbers[12:15]
        self.ang_vel = numbers[15:18]

    @property
    def heading(self):
        """Angle of the body's x axis in the ground plane, radians from +x."""
        return math.atan2(self.x_axis[1], self.x_axis[0])

    @property
    def speed(self):
        return math.sqrt(sum(v * v for v in self.vel))


def parse_pose(line):
    words = line.split()
    numbers = [float(w) for w in words if not w.isalpha()]
    if len(numbers) != 18:
        raise ServeError("not a pose line: " + line)
    return Pose(numbers)


class Sim:
    """One serve session. Use as a context manager, or call close()."""

    def __init__(self, level=None, arena_variant=None, sim=None):
        args = [sim or os.environ.get("QUORVEL_SIM", DEFAULT_SIM)]
        if arena_variant:
            args += ["--arena", "--arena-variant", arena_variant]
        elif level is not None:
            args += ["--level", str(level)]
        else:
            args += ["--arena"]
        args.append("--serve")
        self.proc = subprocess.Popen(args, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                     stderr=subprocess.DEVNULL, text=True, bufsize=1)
        self.tick = 0
        self.end_games = []  # (win, level, tick) as they came
        self.summary = []  # the closing lines after quit

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def command(self, line):
        """Sends one command; returns its data lines, raises ServeError on err."""
        self.proc.stdin.write(line + "\n")
        self.proc.stdin.flush()
        data = []
        while True:
            answer = self.proc.stdout.readline()
            if not answer:
                raise ServeError("simulator ended during '%s'" % line)
            answer = answer.rstrip("\n")
            if answer == "ok":
                return data
            if answer.startswith("err "):
                raise ServeError(answer[4:])
            data.append(answer)

    def step(self, ticks=1):
        """Runs ticks; returns the endGames they brought as (win, level, tick)."""
        found = []
        for line in self.command("step %d" % ticks):
            words = line.split()
            if words[0] == "tick":
                self.tick = int(words[1])
            elif words[0] == "endGame":
                values = dict(w.split("=") for w in words[1:])
                found.append((int(values["win"]), int(values["level"]), int(values["tick"])))
        self.end_games += found
        return found

    def post(self, message):
        self.command("post " + message)

    def pose(self, name, index=0):
        return parse_pose(self.command("pose %s %d" % (name, index))[0])

    def joint(self, machine, name):
        return float(self.command("joint %s %s" % (machine, name))[0].split()[2])

    def grasped(self):
        """The name of what the crane's grapple holds, or None."""
        name = self.command("grasped")[0].split()[1]
        return None if name == "-" else name

    def objects(self):
        """[(name, index, (x, y, z))] for every listed object."""
        out = []
        for line in self.command("list"):
            name, index, x, y, z = line.split()
            out.append((name, int(index), (float(x), float(y), float(z))))
        return out

    def place(self, name, index, point):
        """Development only: puts a loose body at a point at rest. Not player
        input: a session that used it does not replay from its recording."""
        self.command("place %s %d %.5f %.5f %.5f" % ((name, index) + tuple(point)))

    def record(self, path):
        self.command("record " + path)

    @property
    def won(self):
        return any(win == 1 for win, _, _ in self.end_games)

    @property
    def ended(self):
        return bool(self.end_games)

    def close(self):
        """Quits; keeps the summary lines (endGames, digest, tick cost)."""
        if self.proc.poll() is None:
            try:
                self.command("quit")
                self.summary = [line.rstrip("\n") for line in self.proc.stdout]
            except (ServeError, BrokenPipeError):
                pass
            self.proc.stdin.close()
            self.proc.wait()
            self.proc.stdout.close()

    def digest(self):
        for line in self.summary:
            if line.startswith("digest "):
                return line.split()[1]
        return None
