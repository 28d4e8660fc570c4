#!/usr/bin/env python3
"""Curvanta on a private Xvfb (1024 x 768, 15 twips a pixel) driven by real input events: P is
10240 x 7680 twips at (2560, 1920), centred on pixel (512, 384). Usage: e2e.py PATH-TO-CURVANTA"""

import math
import os
import sys

from xsession import Session, is_red, is_pure_green, is_cyan

CX, CY, UNIT = 512, 384, 312.5 / 15  # one unit of x or y with the limits -12 and 12, in pixels
failures = []


def check(condition, message):
    print(("PASS " if condition else "FAIL ") + message, flush=True)
    failures.extend([] if condition else [message])


def sine(im):  # a = b = 1 / 1.5: y = 2/3 sin(2/3 x) from -10 to 10, and nothing beyond
    dots = [(CX + UNIT * x, CY - UNIT * math.sin(x / 1.5) / 1.5) for x in (-9.5, -3, 0, 2.2, 9.5)]
    return all(im.any(x - 2, y - 2, x + 3, y + 3, is_red) for x, y in dots) and \
        not im.any(240, CY - 30, CX - 10 * UNIT - 5, CY + 30, is_red)


def main(argv):
    with Session(os.path.abspath(argv[1])) as session:
        layout = session.layout
        first = lambda im: layout.axes_only(im) and is_pure_green(im.pixel(950, 700))
        image = session.wait_for(first, 20)
        # The graph paper from P's top-left corner: a rule 2 pixels wide 2 pixels below its top.
        rule = [is_cyan((image or session.shot()).pixel(290, 128 + y)) for y in range(6)]
        check(image and rule == [False, False, True, True, False, False],
              "first paint: green background, the axes, the graph paper in its place, no dots")
        title = lambda im: bytes(im.pixel(x, y)[0] for y in range(10, 50, 2) for x in range(0, 380, 2))
        before = title(session.shot())
        check(session.wait_for(lambda im: title(im) != before, 5) is not None, "the title slides")

        # bsin(ax) from -12 to 12, boxes as at start: list and V1 by keyboard, V2 by mouse.
        session.click(CX + 200, CY + 200)  # P takes the focus; 8 Tabs lead to the list
        session.keys(*["Tab"] * 8, "Down", "Down", *["shift+Tab"] * 6, *["Up"] * 12)
        session.click(layout.v2_left + layout.BAR_WIDTH / 2, layout.p[3] - 6, repeat=12,
                      delay_ms=70)  # V2's down arrow
        session.click(*layout.plot_button)
        image = session.wait_for(sine, timeout=20)
        check(image is not None and is_red(image.pixel(CX, CY)), "bsin(ax) as the formula says")

        # An empty d= box: an error dialog, which Return closes; the curve stays.
        session.click(*layout.box(3), repeat=3, delay_ms=70)
        session.keys("ctrl+a", "BackSpace")
        session.click(*layout.plot_button)
        session.wait_for(lambda _: session.dialogs())
        check(len(session.dialogs()) == 1, "an error dialog for the empty d= box")
        session.xdotool("windowfocus", "--sync", *[str(d) for d in session.dialogs()[:1]])
        session.keys("Return")
        image = session.wait_for(lambda im: sine(im) and not session.dialogs())
        check(image is not None and session.alive(), "Return closes it; the curve stays")

        session.double_click(CX + 200, CY + 200)
        cleared = session.wait_for(layout.axes_only)
        check(cleared is not None, "double-click clears back to the axes")
    print("%d failed" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
