#!/usr/bin/env python3
"""End-to-end tests: the built vorlix.exe driven as a user drives it.

Runs inside tools/with-wine-desktop.sh (DISPLAY and WINEPREFIX set). The
pointer, clicks and keys are real X input (xdotool); the window's fields are
read back from another process (vorlix_probe.exe); the screen is read from a
screenshot of the display; the windows pointed at belong to a fixture program
of the tests' own (e2e_fixture.exe).

    test_vorlix_e2e.py --exe vorlix.exe --probe vorlix_probe.exe --fixture e2e_fixture.exe
"""

import argparse
import os
import random
import subprocess
import sys
import tempfile
import time
import unittest

ARGS = None

POINTER_SETTLE = 0.9  # seconds: a few 200 ms ticks after a move


def run(*command, check=True, timeout=60):
    return subprocess.run(command, check=check, timeout=timeout, stdout=subprocess.PIPE,
                          stderr=subprocess.PIPE)


def xdotool(*args):
    run("xdotool", *[str(a) for a in args])


def move_pointer(x, y):
    xdotool("mousemove", "--sync", x, y)


class Screenshot:
    """The whole display at one moment, as RGB triples."""

    def __init__(self):
        data = run("import", "-window", "root", "-depth", "8", "ppm:-").stdout
        # P6 header: magic, width, height, maximum, each ended by white space.
        fields, pos = [], 0
        while len(fields) < 4:
            while data[pos:pos + 1].isspace():
                pos += 1
            start = pos
            while not data[pos:pos + 1].isspace():
                pos += 1
            fields.append(data[start:pos])
        assert fields[0] == b"P6" and fields[3] == b"255", fields
        self.width, self.height = int(fields[1]), int(fields[2])
        self.pixels = data[pos + 1:]

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.pixels[i:i + 3])


class Control:
    def __init__(self, enabled, rect, text):
        self.enabled, self.rect, self.text = enabled, rect, text

    @property
    def centre(self):
        left, top, right, bottom = self.rect
        return (left + right) // 2, (top + bottom) // 2


def read_window():
    """The program's controls by name, and the name of the focused one."""
    out = run("wine", ARGS.probe, "fields").stdout.decode("utf-8")
    controls, focus = {}, None
    for line in out.splitlines():
        parts = line.split()
        if parts and parts[0] == "control":
            name, enabled = parts[1], parts[2] == "1"
            rect = tuple(int(v) for v in parts[3:7])
            text = b"" if parts[7] == "-" else bytes.fromhex(parts[7])
            controls[name] = Control(enabled, rect, text)
        elif parts and parts[0] == "focus":
            focus = parts[1]
    return controls, focus


def field_texts(controls):
    return {name: c.text for name, c in controls.items() if name.startswith("编辑框")}


def wait_for(predicate, timeout=15.0, interval=0.1):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = predicate()
        if value:
            return value
        time.sleep(interval)
    return predicate()


class Fixture:
    """The fixture windows, by name: (handle as shown, screen rectangle)."""

    def __init__(self):
        self.report = tempfile.NamedTemporaryFile(delete=False, suffix=".txt")
        self.report.close()
        os.unlink(self.report.name)
        self.process = subprocess.Popen(["wine", ARGS.fixture, self.report.name],
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        lines = wait_for(self._ready, timeout=30)
        if not lines:
            raise RuntimeError("the fixture did not start")
        self.windows = {}
        for line in lines:
            name, handle, *rect = line.split()
            self.windows[name] = (handle, tuple(int(v) for v in rect))

    def _ready(self):
        try:
            with open(self.report.name) as f:
                lines = f.read().splitlines()
        except FileNotFoundError:
            return None
        return lines[:-1] if lines and lines[-1] == "ready" else None

    def point_in(self, name, dx, dy):
        left, top, _, _ = self.windows[name][1]
        return left + dx, top + dy

    def close(self):
        self.process.kill()
        self.process.wait(timeout=30)
        if os.path.exists(self.report.name):
            os.unlink(self.report.name)


class Program:
    def __init__(self):
        self.process = subprocess.Popen(["wine", ARGS.exe], stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        self.controls, self.focus = wait_for(self._read, timeout=30) or ({}, None)
        if not self.controls:
            raise RuntimeError("the Vorlix window did not appear")

    def _read(self):
        try:
            controls, focus = read_window()
        except subprocess.CalledProcessError:
            return None
        return (controls, focus) if controls else None

    def refresh(self):
        self.controls, self.focus = read_window()
        return self.controls

    def click(self, name):
        x, y = self.controls[name].centre
        move_pointer(x, y)
        xdotool("click", "1")
        time.sleep(0.3)

    def close_and_wait(self, timeout=20):
        run("wine", ARGS.probe, "close")
        return self.process.wait(timeout=timeout)

    def kill(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait(timeout=30)


def gb2312(text):
    return text.encode("gb2312")


# The fields a pixel of each fixture colour must show (the program's rules
# worked by hand for these two colours).
COLOUR_FIELDS = {
    (200, 100, 50): {
        "编辑框5": b"C8", "编辑框6": b"64", "编辑框7": b"32",
        "编辑框8": b"200", "编辑框9": b"100", "编辑框10": b"50",
        "编辑框3": b"3264C8", "编辑框4": b"3302600",
        "编辑框11": b"20", "编辑框12": b"75", "编辑框13": b"78",
        "编辑框21": b"20", "编辑框22": b"60", "编辑框23": b"49",
    },
    (18, 52, 86): {
        "编辑框5": b"12", "编辑框6": b"34", "编辑框7": b"56",
        "编辑框8": b"18", "编辑框9": b"52", "编辑框10": b"86",
        "编辑框3": b"563412", "编辑框4": b"5649426",
        "编辑框11": b"210", "编辑框12": b"79", "编辑框13": b"34",
        "编辑框21": b"210", "编辑框22": b"65", "编辑框23": b"20",
    },
}

PICTURE = 150   # the magnifier picture's side
SOURCE = 18     # screen pixels it shows per side
CURSOR_AREA = range(75, 75 + 32)  # where the drawn cursor may cover the picture


def magnified_mismatches(shot, picture_rect, pointer):
    """Cells of the magnifier picture that do not show their screen pixel.

    Each of the 18 x 18 screen pixels around the pointer covers a cell of
    about 8 x 8 picture pixels; a cell's centre is compared with the screen
    pixel it magnifies. Cells under the drawn cursor are passed over.
    """
    left, top = picture_rect[0], picture_rect[1]
    x0, y0 = pointer[0] - SOURCE // 2, pointer[1] - SOURCE // 2
    bad = []
    for j in range(SOURCE):
        for i in range(SOURCE):
            cx = int((i + 0.5) * PICTURE / SOURCE)
            cy = int((j + 0.5) * PICTURE / SOURCE)
            if cx in CURSOR_AREA and cy in CURSOR_AREA:
                continue
            shown = shot.pixel(left + cx, top + cy)
            screen = shot.pixel(x0 + i, y0 + j)
            if shown != screen:
                bad.append(((i, j), shown, screen))
    return bad


class VorlixEndToEnd(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.fixture = Fixture()

    @classmethod
    def tearDownClass(cls):
        cls.fixture.close()

    def setUp(self):
        self.program = Program()

    def tearDown(self):
        self.program.kill()

    def test_starts_paused_with_the_magnifier_stopped(self):
        c = self.program.controls
        self.assertTrue(c["按钮1"].enabled)
        self.assertFalse(c["按钮2"].enabled)
        self.assertEqual(self.program.focus, "编辑框20")
        self.assertEqual(c["编辑框14"].text, b"*")

    def test_a_grab_reads_the_window_and_pixel_and_each_pause_key_freezes_every_field(self):
        child_handle = self.fixture.windows["child"][0].encode()
        solid_handle = self.fixture.windows["solid"][0].encode()
        cases = [
            # where, pause key, expected window fields, colour
            ("child", "s", {
                "编辑框14": child_handle, "编辑框15": b"VorlixE2EChild", "编辑框16": gb2312("子窗口"),
                "编辑框17": solid_handle, "编辑框18": b"VorlixE2ESolid",
                "编辑框19": gb2312("测试窗口 e2e")}, (18, 52, 86)),
            ("solid", "shift+s", {
                "编辑框14": solid_handle, "编辑框15": b"VorlixE2ESolid",
                "编辑框16": gb2312("测试窗口 e2e"),
                "编辑框17": b"0", "编辑框18": b"", "编辑框19": b""}, (200, 100, 50)),
            ("child", "ctrl+s", {"编辑框14": child_handle}, (18, 52, 86)),
            ("solid", "S", {"编辑框14": solid_handle}, (200, 100, 50)),
        ]
        for where, key, window_fields, colour in cases:
            with self.subTest(where=where, key=key):
                self.program.click("超级按钮1")
                x, y = self.fixture.point_in(where, 10 if where == "solid" else 30,
                                             150 if where == "solid" else 30)
                move_pointer(x, y)
                time.sleep(POINTER_SETTLE)
                xdotool("key", key)
                time.sleep(0.3)
                paused = field_texts(self.program.refresh())
                expected = {"编辑框1": str(x).encode(), "编辑框2": str(y).encode()}
                expected.update(window_fields)
                expected.update(COLOUR_FIELDS[colour])
                for name, value in expected.items():
                    self.assertEqual(paused[name], value, name)
                # The swatch shows the colour.
                swatch = self.program.controls["外形框1"]
                self.assertEqual(Screenshot().pixel(*swatch.centre), colour)
                # Paused: nothing changes when the pointer moves on.
                move_pointer(*self.fixture.point_in("pattern", 50, 60))
                time.sleep(POINTER_SETTLE)
                self.assertEqual(field_texts(self.program.refresh()), paused)

    def test_the_magnifier_shows_the_pixels_around_the_pointer(self):
        self.program.click("超级按钮1")
        pointer = self.fixture.point_in("pattern", 40, 50)
        move_pointer(*pointer)
        time.sleep(POINTER_SETTLE)
        xdotool("key", "s")  # pause: the last picture stays
        time.sleep(0.5)
        shot = Screenshot()
        picture = self.program.controls["图片框1"].rect
        self.assertEqual(magnified_mismatches(shot, picture, pointer), [])

    def test_the_magnifier_buttons_stop_and_start_it(self):
        p = self.program
        p.click("超级按钮1")
        c = p.refresh()
        self.assertFalse(c["按钮1"].enabled)
        self.assertTrue(c["按钮2"].enabled)

        p.click("按钮2")
        c = p.refresh()
        self.assertTrue(c["按钮1"].enabled)
        self.assertFalse(c["按钮2"].enabled)
        picture = c["图片框1"].rect
        pointer = self.fixture.point_in("pattern", 80, 80)
        move_pointer(*pointer)
        time.sleep(POINTER_SETTLE)
        # Stopped: the picture still shows the window around the stop button.
        self.assertNotEqual(magnified_mismatches(Screenshot(), picture, pointer), [])

        p.click("按钮1")
        c = p.refresh()
        self.assertFalse(c["按钮1"].enabled)
        self.assertTrue(c["按钮2"].enabled)
        move_pointer(*pointer)
        time.sleep(POINTER_SETTLE)
        self.assertEqual(magnified_mismatches(Screenshot(), picture, pointer), [])

    def test_closing_while_the_magnifier_runs_exits_with_code_0(self):
        rng = random.Random(20261211)
        for attempt in range(10):
            with self.subTest(attempt=attempt):
                if attempt > 0:
                    self.program = Program()
                self.program.click("超级按钮1")
                move_pointer(*self.fixture.point_in("pattern", rng.randrange(10, 150),
                                                    rng.randrange(10, 150)))
                time.sleep(rng.uniform(0.0, 0.5))
                self.assertEqual(self.program.close_and_wait(), 0)


def main():
    global ARGS
    parser = argparse.ArgumentParser()
    parser.add_argument("--exe", required=True)
    parser.add_argument("--probe", required=True)
    parser.add_argument("--fixture", required=True)
    ARGS, rest = parser.parse_known_args()
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
