"""The build folder's private Wine and Xvfb, and the programs run in it."""

import os
import subprocess
import tempfile
import time

WINE64 = "/usr/lib/wine/wine64"


class WineSession:
    def __init__(self, repo, wine_dir):
        # Started with its output elsewhere: the persistent wineserver would
        # otherwise hold our pipes open.
        env = dict(os.environ, GLIMMERFALL_WINE_DIR=wine_dir)
        subprocess.run([os.path.join(repo, "scripts", "wine-env"), "start"], env=env, check=True,
                       stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        with open(os.path.join(wine_dir, "display")) as f:
            self.display = f.read().strip()
        self.env = dict(os.environ, WINEPREFIX=os.path.join(wine_dir, "prefix"), WINEDEBUG="-all",
                        WINEDLLOVERRIDES="mscoree,mshtml=", WINEARCH="win64", DISPLAY=self.display)

    def start(self, program, args=(), cwd=None):
        """Starts a Windows program; its output goes to a file, not a pipe."""
        log = tempfile.TemporaryFile()
        process = subprocess.Popen([WINE64, program, *args], cwd=cwd, env=self.env,
                                   stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT)
        process.log = log
        return process

    def run(self, program, args=(), cwd=None, timeout=60):
        process = self.start(program, args, cwd)
        return process.wait(timeout=timeout)

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *args], env=self.env, check=True,
                              capture_output=True, text=True).stdout

    def focus_desktop(self):
        """Gives Wine's virtual desktop the keyboard (there is no window manager)."""
        ids = self.xdotool("search", "--onlyvisible", "--name", "Wine desktop").split()
        self.xdotool("windowfocus", "--sync", ids[0])


def wait_until(condition, timeout, step=0.1):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(step)
    return condition()
