#!/usr/bin/env python3
"""Usage: hidpi.py CURVANTA. At scale 2, paper, axes and dots are crisp at device resolution."""

import os
import sys

from xsession import Session, is_cyan, is_dark, is_red, is_white

SCALE = 2
P_LEFT, P_TOP = 2560 * SCALE / 15, 1920 * SCALE / 15  # the plot area's corner, device pixels
CENTRE_X, CENTRE_Y = 1024, 768
UNIT = 312.5 * SCALE / 15  # one unit of x or y with an upper limit of 12, device pixels


def runs(pixels, predicate):
    """The lengths of the runs of pixels that satisfy predicate."""
    marks = "".join("x" if predicate(rgb) else " " for rgb in pixels)
    return [len(run) for run in marks.split()]


def main(argv):
    failures = []

    def check(condition, message):
        print(("PASS " if condition else "FAIL ") + message, flush=True)
        failures.extend([] if condition else [message])

    with Session(os.path.abspath(argv[1]), scale=SCALE) as session:
        def paper(image, when, axis):
            # A row through cells of the graph paper, clear of V1, the corner blocks and the y
            # axis: rules 2 pixels wide become 4 device pixels of cyan between white, not blurred.
            row = [image.pixel(x, P_TOP + 100) for x in range(int(P_LEFT) + 120, CENTRE_X - 10)]
            check(all(is_cyan(p) or is_white(p) for p in row), when + "graph paper: white, cyan")
            check(set(runs(row, is_cyan)) == {4}, when + "graph paper: rules 4 device pixels")
            # The x axis, `axis` pixels wide, in device pixels in a column inside a cell.
            column = [image.pixel(P_LEFT + 160, y) for y in range(CENTRE_Y - 20, CENTRE_Y + 20)]
            check(runs(column, is_dark) == [2 * axis], when + "x axis: %d device pixels" % (2 * axis))
            check(all(is_dark(p) or is_cyan(p) or is_white(p) for p in column), when + "x axis: crisp")

        paper(session.wait_for(lambda im: not is_dark(im.pixel(P_LEFT + 160, CENTRE_Y - 20))),
              "", 3)

        # bcos(ax) from 0 to 10: the upper limit and the list by keyboard, then Plot.
        session.click(CENTRE_X + 200, CENTRE_Y + 200)
        session.keys("Tab", "Tab", "Tab", *["Down"] * 12, *["Tab"] * 5, "Down")
        session.click(CENTRE_X, 1318)
        image = session.wait_for(lambda i: is_red(i.pixel(CENTRE_X + UNIT, CENTRE_Y - 0.56 * UNIT)))
        check(image is not None, "bcos(ax) plotted")
        if image is not None:
            reds = ([y for y in range(CENTRE_Y - 60, CENTRE_Y + 60) if is_red(image.pixel(x, y))]
                    for x in range(CENTRE_X + 30, CENTRE_X + 400))
            tops = [ys[0] - int(P_TOP) for ys in reds if ys]
            check({t % 2 for t in tops} == {0, 1}, "dots placed on single device pixels")
            column = [image.pixel(CENTRE_X + 2 * UNIT, y) for y in range(CENTRE_Y - 60, CENTRE_Y + 60)]
            check(max(runs(column, is_red), default=0) >= 10, "dots 10 device pixels wide")
        # A double-click clears the plot and redraws the axes, 5 pixels wide, on the same paper.
        session.double_click(CENTRE_X + 200, CENTRE_Y + 200)
        paper(session.wait_for(lambda i: not is_red(i.pixel(CENTRE_X + UNIT, CENTRE_Y - 0.56 * UNIT))),
              "cleared: ", 5)
    print("%d failed" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
