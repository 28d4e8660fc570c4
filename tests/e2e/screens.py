#!/usr/bin/env python3
"""Usage: screens.py CURVANTA. At first paint on common screens, V1's arrows lie over P's edge."""

import os
import sys

from xsession import Session, px

SIZES = [(1024, 768), (1280, 1024), (1366, 768), (1440, 900), (1600, 900), (1920, 1080),
         (2560, 1440)]


def is_arrow(rgb):
    return rgb[0] == rgb[1] == rgb[2] < 160


def main(argv):
    failed = 0
    for w, h in SIZES:
        with Session(os.path.abspath(argv[1]), size=(w, h)) as session:
            image = session.shot()
        # P: two thirds of the screen, centred; V1, 100 twips left of it, as high, square arrows.
        left, right, button = w / 6 + 1, w / 6 + px(495 - 100) - 1, px(495)
        arrows = [sum(is_arrow(rgb) for _, _, rgb in image.region(left, y, right, y + button))
                  for y in (h / 6, h * 5 / 6 - button)]
        ok = min(arrows) >= 5
        failed += not ok
        print("%s %dx%d: arrow pixels of V1 over the plot area %s" % (
            "PASS" if ok else "FAIL", w, h, arrows), flush=True)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
