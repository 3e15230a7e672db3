"""End-to-end tests of Snow.scr: the real program under 64-bit Wine with real
DirectDraw, in the build folder's own 640x480 Xvfb and Wine virtual desktop.

Paths come from CTest's environment: SNOW_SCR, PICTURES_DIR,
RIMESETUP_STANDIN, MESSAGE_BOX_PROBE, GLIMMERFALL_WINE_DIR, REPO, WORK_DIR."""

import os
import shutil
import time
import unittest

import screen
from wine_session import WineSession, wait_until

SNOW_SCR = os.environ.get("SNOW_SCR", "")
PICTURES_DIR = os.environ.get("PICTURES_DIR", "")
WORK_DIR = os.environ.get("WORK_DIR", "/tmp/glimmerfall-e2e")

LOGO_SOURCE = (466, 92, 659, 130)
LOGO_AT = (410, 18)
FLAKE_SOURCES = [(440, 88, 447, 96), (448, 88, 455, 96), (456, 88, 463, 96)]
DISPLAY_ERROR = "初始化DirectDraw过程中出错！"

_session = None


def session():
    global _session
    if _session is None:
        _session = WineSession(os.environ["REPO"], os.environ["GLIMMERFALL_WINE_DIR"])
    return _session


def bundle(name, pictures=("Data1.Bin", "Data2.Bin"), extra=()):
    """A fresh folder with a copy of Snow.scr, the given pictures and any
    (source, name) extras, as an installed screensaver would have."""
    folder = os.path.join(WORK_DIR, name)
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    shutil.copy(SNOW_SCR, os.path.join(folder, "Snow.scr"))
    for p in pictures:
        shutil.copy(os.path.join(PICTURES_DIR, p), os.path.join(folder, p))
    for source, target in extra:
        shutil.copy(source, os.path.join(folder, target))
    return folder


def panorama_share(shot, panorama):
    """How much of the screen is the panorama at its best-matching scroll,
    leaving out the logo."""
    scroll = screen.best_scroll(shot, panorama)
    lx, ly = LOGO_AT
    logo = lambda x, y: lx <= x < lx + 193 and ly <= y < ly + 38
    return screen.matching_fraction(shot, panorama, (0, 0, 640, 480), (scroll, 0), skip=logo)


class SaverTestCase(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.wine = session()
        cls.panorama = screen.read_bitmap(os.path.join(PICTURES_DIR, "Data1.Bin"))
        cls.sheet = screen.read_bitmap(os.path.join(PICTURES_DIR, "Data2.Bin"))

    def start_saver(self, folder, args=()):
        process = self.wine.start(os.path.join(folder, "Snow.scr"), args, cwd=folder)
        self.addCleanup(self._stop, process)
        return process

    def _stop(self, process):
        if process.poll() is None:
            process.kill()
            process.wait()
        process.log.close()

    def wait_for_scene(self, process):
        """The first screen that shows the panorama, or fails."""
        def scene_up():
            self.assertIsNone(process.poll(), "the screensaver ended early")
            shot = screen.capture(self.wine.display)
            return shot if panorama_share(shot, self.panorama) > 0.8 else None
        time.sleep(0.5)
        shot = wait_until(scene_up, timeout=20, step=0.25)
        self.assertIsNotNone(shot, "the scene never appeared")
        return shot

    def assert_no_scene(self):
        shot = screen.capture(self.wine.display)
        self.assertLess(panorama_share(shot, self.panorama), 0.5, "a frame reached the screen")


class ConfigureSwitch(SaverTestCase):
    def test_starts_the_settings_program_hidden_and_ends(self):
        standin = os.environ["RIMESETUP_STANDIN"]
        for args in (["/c"], ["-C"], ["/c:1234"], ["/cx"]):
            with self.subTest(args=args):
                folder = bundle("configure", extra=[(standin, "Rimesetup.Exe")])
                started = os.path.join(folder, "started.txt")
                process = self.start_saver(folder, args)
                self.assertEqual(process.wait(timeout=30), 0)
                # WinExec does not wait for the program it starts.
                self.assertTrue(wait_until(lambda: os.path.exists(started) and os.path.getsize(started), 15),
                                "Rimesetup.Exe was not started")
                with open(started) as f:
                    fields = dict(item.split("=") for item in f.read().split())
                self.assertTrue(int(fields["flags"]) & 1, "no show command given (STARTF_USESHOWWINDOW)")
                self.assertEqual(int(fields["show"]), 0, "not started with SW_HIDE")
                self.assert_no_scene()


class PreviewSwitch(SaverTestCase):
    def test_ends_at_once(self):
        for args in (["/p"], ["/P", "1234"], ["-p"]):
            with self.subTest(args=args):
                process = self.start_saver(bundle("preview"), args)
                self.assertEqual(process.wait(timeout=30), 0)
                self.assert_no_scene()


class RunningScene(SaverTestCase):
    def test_shows_panorama_logo_and_flakes(self):
        process = self.start_saver(bundle("scene"))
        shot = self.wait_for_scene(process)

        self.assertGreater(panorama_share(shot, self.panorama), 0.85)
        logo = screen.sprite_pixels(self.sheet, LOGO_SOURCE)
        lx, ly = LOGO_AT
        logo_same = sum(1 for dx, dy, rgb in logo if shot.pixel(lx + dx, ly + dy) == rgb)
        self.assertGreater(logo_same / len(logo), 0.98, "the logo is not at (410, 18)")
        # Whole flakes on the screen, beyond any look-alikes painted in the panorama.
        view = screen.crop(self.panorama, screen.best_scroll(shot, self.panorama), 0, 640, 480)
        flakes = 0
        for box in FLAKE_SOURCES:
            image = screen.sprite_pixels(self.sheet, box)
            flakes += (screen.count_sprites(shot, image, (0, 0, 633, 472))
                       - screen.count_sprites(view, image, (0, 0, 633, 472)))
        self.assertGreater(flakes, 60, "too few whole flakes on the screen")

        # Frames go on: the next screen differs.
        time.sleep(0.3)
        self.assertNotEqual(screen.capture(self.wine.display).rgb, shot.rgb)

    def test_moving_the_mouse_does_not_end_it(self):
        process = self.start_saver(bundle("mouse"))
        self.wait_for_scene(process)
        for x, y in ((100, 100), (500, 300), (320, 240), (10, 470)):
            self.wine.xdotool("mousemove", str(x), str(y))
            time.sleep(0.2)
        time.sleep(1)
        self.assertIsNone(process.poll(), "mouse movement ended the screensaver")
        self.wine.focus_desktop()
        self.wine.xdotool("key", "space")
        self.assertEqual(process.wait(timeout=15), 0)

    def test_a_key_or_any_mouse_button_ends_it_with_0(self):
        endings = {
            "key": lambda: (self.wine.focus_desktop(), self.wine.xdotool("key", "a")),
            "left button": lambda: self.wine.xdotool("mousemove", "320", "240", "click", "1"),
            "right button": lambda: self.wine.xdotool("mousemove", "320", "240", "click", "3"),
            "middle button": lambda: self.wine.xdotool("mousemove", "320", "240", "click", "2"),
        }
        for name, end in endings.items():
            with self.subTest(ending=name):
                process = self.start_saver(bundle("ending"))
                self.wait_for_scene(process)
                end()
                self.assertEqual(process.wait(timeout=15), 0)


class MissingSpriteSheet(SaverTestCase):
    def test_shows_the_error_and_ends_with_0_without_a_frame(self):
        folder = bundle("missing", pictures=("Data1.Bin",))
        process = self.start_saver(folder)
        text_file = os.path.join(folder, "box.txt")
        # The probe keeps the box up for 1.5 s: 60 timer periods.
        probe = self.wine.start(os.environ["MESSAGE_BOX_PROBE"], [r"Z:" + text_file.replace("/", "\\"), "30000", "1500"])
        self.assertTrue(wait_until(lambda: os.path.exists(text_file), 40), "no message box captioned Error")
        time.sleep(0.5)
        self.assert_no_scene()
        self.assertEqual(probe.wait(timeout=30), 0)
        probe.log.close()
        with open(text_file, encoding="utf-8") as f:
            self.assertEqual(f.read(), DISPLAY_ERROR)
        self.assertEqual(process.wait(timeout=15), 0)


if __name__ == "__main__":
    unittest.main()
