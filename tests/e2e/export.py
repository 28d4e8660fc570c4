#!/usr/bin/env python3
"""The plot leaves the window: save, copy, undo a clear, and the same picture from --render.

Usage: export.py PATH-TO-CURVANTA. Real input on a private X server, files in a temporary folder.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from xsession import CONVERT, Image, Session, is_red, px  # noqa: E402

P_LEFT, P_TOP = round(px(2560)), round(px(1920))
P_WIDTH = round(px(2560 + 10240)) - P_LEFT  # the plot area's edges fall on whole pixels
SIDE = px(8535 * 0.05)  # the corner blocks' side; their left edges and their tops inside P:
BLOCKS = [(P_LEFT + x, y) for x in (SIDE, P_WIDTH - SIDE) for y in (0, 512 - SIDE)]
V1_RIGHT = px(2460 + 495) + 1
SPOT = (P_LEFT + 500, P_TOP + 450)  # in P, clear of the curve, the blocks and the bars
failures = []


def check(condition, message):
    print(("PASS " if condition else "FAIL ") + message, flush=True)
    if not condition:
        failures.append(message)


def decode(png):
    return Image(subprocess.run([CONVERT, "png:-", "ppm:-"], input=png, capture_output=True,
                                check=True).stdout)


def plot_area(shot, width, height):
    """The plot area of a screenshot, as rows of pixels, with None where a control lies over it."""
    def covered(x, y):
        return P_LEFT + x < V1_RIGHT or any(
            bx - 2 <= P_LEFT + x < bx + SIDE + 2 and by - 2 <= y < by + SIDE + 2 for bx, by in BLOCKS)
    return [[None if covered(x, y) else shot.pixel(P_LEFT + x, P_TOP + y) for x in range(width)]
            for y in range(height)]


def same_as_screen(session, png):
    image = decode(png)
    on_screen = plot_area(session.shot(), image.width, image.height)
    return (image.width, image.height) == (P_WIDTH, 512) and all(
        shown is None or shown == image.pixel(x, y)
        for y, row in enumerate(on_screen) for x, shown in enumerate(row))


def save_through_dialog(session, path, opener):
    opener()
    time.sleep(1.0)
    session.keys("ctrl+a")
    session.type(path)
    session.keys("Return")


def wait_file(path, timeout=10):
    deadline = time.monotonic() + timeout
    while not os.path.exists(path) and time.monotonic() < deadline:
        time.sleep(0.1)
    return open(path, "rb").read() if os.path.exists(path) else b""


def main(argv):
    tmp = tempfile.mkdtemp()
    try:
        run(os.path.abspath(argv[1]), tmp)
    finally:
        subprocess.run(["chattr", "-i", os.path.join(tmp, "locked")], stderr=subprocess.DEVNULL)
        subprocess.run(["chmod", "-R", "u+w", tmp])
        shutil.rmtree(tmp)
    print("%d failed" % len(failures))
    return 1 if failures else 0


def run(program, tmp):
    for var in ("HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"):
        os.environ[var] = os.path.join(tmp, var.lower())
        os.makedirs(os.environ[var], mode=0o700)
    with Session(program) as session:
        session.click(*SPOT)  # the focus to P; a single click clears nothing
        session.keys("Tab", "Tab", "Home", "Tab", "End", *["Tab"] * 5, "Down", "Down")
        session.click(P_LEFT + 341, P_TOP + 512 + 20)  # Plot
        painted = lambda image: image.any(SPOT[0] - 400, P_TOP + 200, SPOT[0] - 200, P_TOP + 300, is_red)
        check(session.wait_for(painted, timeout=20) is not None, "bsin(ax) plotted over -30..30")
        time.sleep(0.5)
        menu_png = os.path.join(tmp, "menu.png")
        save_through_dialog(session, menu_png, lambda: (
            session.xdotool("mousemove", str(SPOT[0]), str(SPOT[1]), "click", "3"),
            time.sleep(0.5), session.keys("Down", "Return")))
        check(same_as_screen(session, wait_file(menu_png)), "saved from the menu: the plot area")
        keys_png = os.path.join(tmp, "sub", "keys.png")
        os.makedirs(os.path.dirname(keys_png))
        save_through_dialog(session, keys_png, lambda: session.keys("ctrl+s"))
        check(wait_file(keys_png) == wait_file(menu_png), "Ctrl+S saves the same picture")

        rendered = os.path.join(tmp, "rendered.png")
        subprocess.run([program, "--render", rendered, "--function", "bsin(ax)"], check=True)
        check(decode(wait_file(rendered)).data == decode(wait_file(menu_png)).data,
              "--render draws what the window saved")

        session.keys("ctrl+c")
        time.sleep(0.5)
        copied = subprocess.run(["xclip", "-selection", "clipboard", "-t", "image/png", "-o"],
                                env=session.env, capture_output=True, timeout=10).stdout
        check(copied[:8] == b"\x89PNG\r\n\x1a\n" and decode(copied).data == decode(
            wait_file(menu_png)).data, "Ctrl+C puts the plot on the clipboard as PNG")

        locked = os.path.join(tmp, "locked")
        os.makedirs(locked)
        with open(os.path.join(locked, "plot.png"), "wb") as earlier:
            earlier.write(b"earlier")
        os.chmod(locked, 0o555)
        if os.geteuid() == 0:  # root writes anywhere a mode forbids; an immutable folder stops it
            subprocess.run(["chattr", "+i", locked], check=True)
        before = session.shot()
        save_through_dialog(session, os.path.join(locked, "plot.png"),
                            lambda: session.keys("ctrl+s"))
        time.sleep(0.7)
        session.keys("alt+y")  # yes, replace the earlier file
        check(session.wait_for(lambda _: session.dialogs(), timeout=10) is not None,
              "a failed save shows the error dialog")
        session.xdotool("windowfocus", "--sync", str(session.dialogs()[0]))
        session.keys("Return")
        time.sleep(1.0)
        check(session.alive() and not session.dialogs(), "the program carries on")
        check(plot_area(session.shot(), P_WIDTH, 512) == plot_area(before, P_WIDTH, 512),
              "closing the error dialog leaves the plot area as it was")
        subprocess.run(["chattr", "-i", locked], stderr=subprocess.DEVNULL)
        check(open(os.path.join(locked, "plot.png"), "rb").read() == b"earlier"
              and os.listdir(locked) == ["plot.png"], "the earlier file is unchanged")

        shown = plot_area(session.shot(), P_WIDTH, 512)
        session.double_click(BLOCKS[3][0] + 10, P_TOP + BLOCKS[3][1] + 10)
        time.sleep(0.5)
        check(plot_area(session.shot(), P_WIDTH, 512) == shown, "a double-click on a block clears nothing")
        session.double_click(*SPOT)
        check(session.wait_for(lambda image: not painted(image)) is not None, "double-click clears")
        session.keys("ctrl+z")
        check(session.wait_for(lambda image: plot_area(image, P_WIDTH, 512) == shown) is not None,
              "Ctrl+Z brings the dots back")
        session.click(*SPOT)
        session.keys("Delete")
        check(session.wait_for(lambda image: not painted(image)) is not None, "Delete clears")


if __name__ == "__main__":
    sys.exit(main(sys.argv))
