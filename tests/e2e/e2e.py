#!/usr/bin/env python3
"""Curvanta on a private Xvfb (1024 x 768, 15 twips a pixel) driven by real input events: P is
10240 x 7680 twips at (2560, 1920), centred on pixel (512, 384). Usage: e2e.py PATH-TO-CURVANTA"""

import math
import os
import sys
import time

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from xsession import Session, px, is_red, is_pure_green, is_dark, is_cyan  # noqa: E402

CX, CY, P_TOP = 512, 384, px(1920)
INSIDE_P = (240, 160, 780, 600)  # clear of the bars and the corner blocks
PLOT = (px(6528 + 1152), px(9600 + 288))
BOX = [(px(768 + 700), px(top + 250)) for top in (3360, 4320, 5160, 6000)]
SINE = [-9.5, -6.5, -3.0, -1.6, 0.0, 0.9, 2.2, 5.1, 8.3, 9.5]
failures = []


def check(condition, message):
    print(("PASS " if condition else "FAIL ") + message, flush=True)
    failures.extend([] if condition else [message])


def axes(image):
    return all(image.any(x, CY - 2, x + 1, CY + 3, is_dark) for x in range(240, 780, 10)) and \
        all(image.any(CX - 2, y, CX + 3, y + 1, is_dark) for y in range(160, 600, 10))


def sine_missing(image):  # a = b = 1 from -12 to 12: 312.5 twips a unit
    unit = 312.5 / 15
    return [x for x in SINE if not image.any(CX + unit * x - 2, CY - unit * math.sin(x) - 2,
                                             CX + unit * x + 3, CY - unit * math.sin(x) + 3, is_red)]


def retype(session, box, text):
    session.click(*BOX[box], repeat=3, delay_ms=70)
    session.keys("ctrl+a", "BackSpace")
    if text:
        session.type(text)


def main(argv):
    with Session(os.path.abspath(argv[1])) as session:
        image = session.wait_for(lambda im: axes(im) and is_pure_green(im.pixel(950, 700)), 20)
        check(image is not None, "first paint: green background, axes through P's centre")
        image = image or session.shot()
        # The graph paper from P's top-left corner: a rule 2 pixels wide 2 pixels below its top.
        column = [is_cyan(image.pixel(290, y)) for y in range(int(P_TOP), int(P_TOP) + 6)]
        check(column == [False, False, True, True, False, False], "graph paper in its place")
        check(not image.any(*INSIDE_P, is_red), "no dots at start")

        # bsin(ax), a = b = 1, from -12 to 12: the list and V1 by keyboard, V2 by mouse.
        retype(session, 0, "1.5")
        retype(session, 1, "1.5")
        session.click(CX + 200, CY + 200)  # P takes the focus; 8 Tabs lead to the list
        session.keys(*["Tab"] * 8, "Down", "Down", *["shift+Tab"] * 6, *["Up"] * 12)
        session.click(px(12800 + 247), px(9600) - 6, repeat=12, delay_ms=70)  # V2's down arrow
        session.click(*PLOT)
        image = session.wait_for(lambda im: not sine_missing(im), timeout=20)
        check(image is not None, "bsin(ax) drawn as the formula says")
        image = image or session.shot()
        edge = 10 * 312.5 / 15
        check(not image.any(240, CY - 30, CX - edge - 5, CY + 30, is_red) and
              not image.any(CX + edge + 5, CY - 30, 780, CY + 30, is_red), "x from -10 to 10")

        # An empty d= box: an error dialog; once it is gone the window is active again, and its
        # activation draws the axes over the curve where it crosses them.
        check(is_red(image.pixel(CX, CY)), "a dot on the centre")
        retype(session, 3, "")
        session.click(*PLOT)
        deadline = time.monotonic() + 10
        while not session.dialogs() and time.monotonic() < deadline:
            time.sleep(0.1)
        dialogs = session.dialogs()
        check(len(dialogs) == 1, "an error dialog for the empty d= box")
        for dialog in dialogs:
            session.xdotool("windowfocus", "--sync", str(dialog))
            session.keys("Return")
        image = session.wait_for(lambda im: is_dark(im.pixel(CX, CY)))
        check(image is not None and not session.dialogs(), "Return closes it; axes redrawn")

        session.double_click(CX + 200, CY + 200)
        image = session.wait_for(lambda im: axes(im) and not im.any(*INSIDE_P, is_red))
        check(image is not None, "double-click clears back to the axes")
        retype(session, 3, "1")
        session.click(*PLOT)
        image = session.wait_for(lambda im: not sine_missing(im), timeout=20)
        check(session.alive() and image is not None, "the window plots again")
    print("%d failed" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
