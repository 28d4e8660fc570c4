#!/usr/bin/env python3
"""End-to-end test of Curvanta on a private Xvfb (1024 x 768, 15 twips a pixel), driven by real
mouse and keyboard events. Usage: e2e.py PATH-TO-CURVANTA

From the layout: the plot area P is 10240 x 7680 twips at (2560, 1920), so its centre is pixel
(512, 384); V1 starts 100 twips left of P, V2 at its right edge; the Plot button is 2304 x 576
twips at (6528, 9600); the coefficient boxes are 1455 x 495 twips at left 768.
"""

import math
import os
import sys
import time

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from xsession import Session, px, is_red, is_pure_green, is_dark, is_cyan  # noqa: E402

P_LEFT, P_TOP, P_RIGHT, P_BOTTOM = px(2560), px(1920), px(12800), px(9600)
CX, CY = 512, 384
PLOT = (px(6528 + 1152), px(9600 + 288))
BOX = [(px(768 + 700), px(top + 250)) for top in (3360, 4320, 5160, 6000)]
V2_DOWN_ARROW = (px(12800 + 247), P_BOTTOM - 6)
failures = []


def check(condition, message):
    print(("PASS " if condition else "FAIL ") + message, flush=True)
    if not condition:
        failures.append(message)


def colour_in(image, box, rgb):
    return image.count(*box, lambda p: p == rgb)


def axes(image):
    return all(image.any(x, CY - 2, x + 1, CY + 3, is_dark) for x in range(230, 760, 10)) and \
        all(image.any(CX - 2, y, CX + 3, y + 1, is_dark) for y in range(160, 600, 10))


def dots_on(image, f, upper, xs):
    unit = upper * 200000 / 7680 / 15  # pixels per unit of x or y
    return [x for x in xs if not image.any(CX + unit * x - 2, CY - unit * f(x) - 2,
                                           CX + unit * x + 3, CY - unit * f(x) + 3, is_red)]


def retype(session, box, text):
    session.click(*BOX[box], repeat=3, delay_ms=70)
    session.keys("ctrl+a", "BackSpace")
    if text:
        session.type(text)


def main(argv):
    with Session(os.path.abspath(argv[1])) as session:
        # The first paint: green background, axes through P's centre, no dots.
        image = session.wait_for(lambda im: axes(im) and is_pure_green(im.pixel(950, 700)))
        check(image is not None, "window painted: green background and axes")
        image = image or session.shot()
        # The graph paper at its natural size from P's top-left corner: a rule 2 pixels wide
        # 2 pixels below P's top edge.
        column = [image.pixel(290, y) for y in range(int(P_TOP), int(P_TOP) + 6)]
        check([is_cyan(p) for p in column] == [False, False, True, True, False, False],
              "graph paper in its place: %s" % column)
        check(image.count(P_LEFT, P_TOP, P_RIGHT, P_BOTTOM, is_red) < 3000, "no dots at start")
        for name, box, rgb in (("a= .. d=", (15, 200, 80, 460), (192, 0, 192)),
                               ("title", (0, 10, 200, 50), (255, 0, 0)),
                               ("bar captions", (100, 80, 900, 110), (0, 0, 255)),
                               ("hint", (300, 60, 900, 128), (192, 0, 192)),
                               ("function list", (384, 16, 785, 61), (0, 192, 0))):
            check(colour_in(image, box, rgb) > 40, name + " shown in its colour")

        # bsin(ax), a = b = 1, from -12 to 12: the list and V1 by keyboard, V2 by mouse.
        retype(session, 0, "1.5")
        retype(session, 1, "1.5")
        session.click(CX + 200, CY + 200)  # P takes the focus
        session.keys(*["Tab"] * 8, "Down", "Down", "shift+Tab", *["shift+Tab"] * 5, *["Up"] * 12)
        session.click(*V2_DOWN_ARROW, repeat=12, delay_ms=70)
        session.click(*PLOT)
        xs = [-9.5, -6.5, -3.0, -1.6, 0.0, 0.9, 2.2, 5.1, 8.3, 9.5]
        image = session.wait_for(lambda im: not dots_on(im, math.sin, 12, xs), timeout=20)
        check(image is not None, "bsin(ax) drawn as the formula says: %s" %
              dots_on(image or session.shot(), math.sin, 12, xs))
        image = image or session.shot()
        check(not image.any(P_LEFT + 40, CY - 30, CX - 10 * 312.5 / 15 - 5, CY + 30, is_red)
              and not image.any(CX + 10 * 312.5 / 15 + 5, CY - 30, P_RIGHT - 40, CY + 30, is_red),
              "the walk stops at -10 and 10")

        # An empty d= box: an error dialog; once it is gone the window is active again, and its
        # activation draws the axes over the curve where it crosses them.
        check(image is not None and is_red(image.pixel(CX, CY)), "a dot on the centre")
        retype(session, 3, "")
        session.click(*PLOT)
        deadline = time.monotonic() + 10
        while not session.dialogs() and time.monotonic() < deadline:
            time.sleep(0.1)
        dialogs = session.dialogs()
        check(len(dialogs) == 1, "an error dialog for the empty d= box")
        if dialogs:
            session.xdotool("windowfocus", "--sync", str(dialogs[0]))
            session.keys("Return")
        image = session.wait_for(lambda im: is_dark(im.pixel(CX, CY)))
        check(image is not None and not session.dialogs(), "Return closes it; the axes redrawn")

        session.double_click(CX + 200, CY + 200)
        image = session.wait_for(lambda im: axes(im) and not im.any(P_LEFT + 40, P_TOP + 40,
                                                                    P_RIGHT - 40, P_BOTTOM - 40,
                                                                    is_red))
        check(image is not None, "double-click clears back to the axes")
        retype(session, 3, "1")
        session.click(*PLOT)
        image = session.wait_for(lambda im: not dots_on(im, math.sin, 12, xs), timeout=20)
        check(session.alive() and image is not None, "the window plots again")
    print("%d failed" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
