#!/usr/bin/env python3
"""Usage: run.py PATH-TO-CURVANTA SCENARIO. Plays a scenario's rows on a private desktop: input
as a user gives it, then what the user sees, hears or reads back, waited for. 77: skipped."""

import array, math, os, re, subprocess, sys  # noqa: E401

from scenarios import SCENARIOS, V1
from session import PATIENCE, Session, private_bus, is_cyan, is_dark, is_red, is_white, \
    picture, wait


def point(s, name, fx=0.5, fy=0.5):  # at fractions of the size of the control so named
    x, y, w, h = s.extents(name)
    return x + fx * w, y + fy * h


def key(s, keys):  # "Tab*3 Down": keys by their X names, each as often as its *N says
    s.mark = len(s.said) if keys else 0  # what Orca says from now on; with no keys, since it began
    names = [w.split("*")[0] for w in keys.split() for _ in range(int((w + "*1").split("*")[1]))]
    if names:
        s.keys(*names)


def into_dialog(s, field, name):  # the file's path put in the dialog's field, then Return
    assert wait(lambda: s.node(field, "text")), "no dialog with " + field
    s.node(field, "text").queryEditableText().setTextContents(os.path.join(s.folder, name))
    s.keys("Return")


def lock(s, name):  # a folder that takes no file, holding an earlier one
    folder = os.path.dirname(os.path.join(s.folder, name))
    os.makedirs(folder)
    with open(os.path.join(s.folder, name), "w") as earlier:
        earlier.write("earlier")
    os.chmod(folder, 0o555)
    if os.geteuid() == 0:  # root writes anywhere a mode forbids; an immutable folder stops it
        subprocess.run(["chattr", "+i", folder], check=True)
        s.cleanups.append(lambda: subprocess.run(["chattr", "-i", folder]))


STEPS = {
    "key": key, "lock": lock, "record": Session.record,
    "click": lambda s, name, fx=.5, fy=.5, times=1: s.click(*point(s, name, fx, fy), repeat=times),
    "double-click": lambda s, name, fx=.5, fy=.5: s.click(*point(s, name, fx, fy), repeat=2),
    "right-click": lambda s, name, fx=.5, fy=.5: s.click(*point(s, name, fx, fy), button=3),
    "hover": lambda s, name, fx=.5, fy=.5: s.xdotool("mousemove", *map(str, map(int, point(
        s, name, fx, fy)))),  # a move: elsewhere than the pointer is
    "focus": lambda s, name: s.node(name).queryComponent().grabFocus(),
    "value": lambda s, name, value: setattr(s.node(name).queryValue(), "currentValue", value),
    "text": lambda s, name, text: s.node(name).queryEditableText().setTextContents(text),
    "press": lambda s, name: s.node(name).queryAction().doAction(0),
    "save": lambda s, name: into_dialog(s, "File name:", name),
    "print": lambda s, name: into_dialog(s, "Output file:", name),
    "render": lambda s, name, *options: subprocess.run(
        [s.program, "--render", os.path.join(s.folder, name), *options], check=True,
        env=dict(s.env, QT_QPA_PLATFORM="offscreen"), timeout=PATIENCE),
    "remember": lambda s, what: s.memo.__setitem__(what, plot_area(s, s.shot())),
}


# The plot area clear of the bar over its left edge and, off its top and bottom, of the corner
# blocks; its axes cross in its middle; a unit of x or y is the upper limit x 200000 twips over
# its height in twips, at 15 twips a pixel.
def inner(s):
    (x, y, w, h), bar = s.area, s.extents(V1)
    return bar[0] + bar[2] + 2, y + 0.08 * h, x + w - 2, y + 0.92 * h


def plot_area(s, image, alone=False):  # the rows of inner(), on the screen or in a picture of it
    (x0, y0, x1, y1), (dx, dy) = map(int, inner(s)), map(int, s.area[:2]) if alone else (0, 0)
    rows = (3 * ((y - dy) * image.width - dx) for y in range(y0, y1))
    return [image.data[row + 3 * x0:row + 3 * x1] for row in rows]


def axes_only(s, image=None):
    image, (x0, y0, x1, y1), (x, y, w, h) = image or s.shot(), inner(s), s.area
    return all(is_dark(image.pixel(i, y + h / 2)) for i in range(int(x0), int(x1), 7)) and \
        all(is_dark(image.pixel(x + w / 2, j)) for j in range(int(y0), int(y1), 7)) and \
        not image.count(x0, y0, x1, y1, is_red)


def first_paint(s):  # the paper's first rule two pixels below the top, the background green
    image, (x, y, _, _) = s.shot(), s.area
    return axes_only(s, image) and image.pixel(image.width - 5, image.height - 5) == (0, 255, 0) \
        and [is_cyan(image.pixel(x + 119 * s.scale, y + i)) for i in range(6)] == [0, 0, 1, 1, 0, 0]


def dots(s, formula, lower, upper):
    """Red dots where y = formula, x from lower / 1.2 to upper / 1.2, and none left of that."""
    image, (x0, y0, x1, y1), (x, y, w, h) = s.shot(), inner(s), s.area
    unit, cx, cy = upper * 200000 * s.scale ** 2 / (225 * h), x + w / 2, y + h / 2
    start, end = max(lower / 1.2, (x0 - cx) / unit), min(upper / 1.2, (x1 - cx) / unit)
    xs = [start + (end - start) * k for k in (0.02, 0.3, 0.5, 0.7, 0.98)]
    seen = [(cx + unit * x, cy - unit * eval(formula, vars(math), {"x": x})) for x in xs]
    seen = [(x, y) for x, y in seen if y0 < y < y1]  # those on the sheet, at least three of them
    return len(seen) > 2 and all(image.count(x - 2, y - 2, x + 3, y + 3, is_red) for x, y in seen) \
        and not image.count(x0, y0, cx + unit * lower / 1.2 - 6, y1, is_red)


def runs(pixels, colour):
    return [len(run) for run in "".join(" x"[colour(p)] for p in pixels).split()]


def crisp(s, pen):
    """Rules 2 pixels wide between white cells, an x axis `pen` pixels wide, nothing blurred."""
    image, (x, y, w, h), k = s.shot(), s.area, s.scale
    row = [image.pixel(i, y + 50 * k) for i in range(int(x + 60 * k), int(x + w / 2 - 10))]
    column = [image.pixel(x + 80 * k, j) for j in range(int(y + h / 2 - 20), int(y + h / 2 + 20))]
    return all(is_cyan(p) or is_white(p) or is_dark(p) for p in row + column) and \
        set(runs(row, is_cyan)) == {2 * k} and runs(column, is_dark) == [pen * k]


def sharp_dots(s):
    """Dots 5 pixels wide, each on a device pixel of its own: their tops on even and odd rows."""
    image, (x, y, w, h) = s.shot(), s.area
    columns = [[image.pixel(i, j) for j in range(int(y + h / 4), int(y + h / 2))]
               for i in range(int(x + w / 2 + 30), int(x + w - 30), 3)]
    tops = [next((j for j, p in enumerate(c) if is_red(p)), None) for c in columns]
    return {t % 2 for t in tops if t} == {0, 1} and \
        max(max(runs(c, is_red), default=0) for c in columns) >= 5 * s.scale


def arrows(s):
    """The arrows of the bar over the plot area's left edge, shown there at its top and bottom."""
    image, (x, y, _, h), bar = s.shot(), s.area, s.extents(V1)
    return min(image.count(x + 1, top, bar[0] + bar[2] - 1, top + bar[2],
                           lambda rgb: rgb[0] == rgb[1] == rgb[2] < 160)
               for top in (y, y + h - bar[2])) >= 5


def content(s, name):
    """A saved file's bytes once it is there, or the clipboard's picture."""
    path = os.path.join(s.folder, name)
    if name == "clipboard":
        return subprocess.run(["xclip", "-selection", "clipboard", "-t", "image/png", "-o"],
                              env=s.env, capture_output=True, timeout=PATIENCE).stdout
    return open(path, "rb").read() if os.path.exists(path) else b""


def read_back(s, name):
    """A file as a picture the plot area's size: a drawing rendered, a printed page cut to it."""
    data, path, size = content(s, name), os.path.join(s.folder, name), "%dx%d!" % s.area[2:]
    command = {".svg": ["rsvg-convert", path],
               ".pdf": ["pdftoppm", "-png", "-r", "150", "-singlefile", path]}.get(name[-4:])
    if data and command:
        data = subprocess.run(command, capture_output=True, check=True, timeout=PATIENCE).stdout
    return data and picture(data, *(["-trim", "+repage", "-resize", size] if command else []))


def alike(s, a, b):
    """Nearly every red pixel of each picture lies within a pixel of a red one in the other."""
    reds = [{(i % p.width, i // p.width) for i, v in enumerate(p.mask(is_red)) if v}
            for p in (read_back(s, a), read_back(s, b)) if p]
    near = lambda p, other: any((p[0] + i, p[1] + j) in other for i in (-1, 0, 1)  # noqa: E731
                                for j in (-1, 0, 1))
    return len(reds) == 2 and all(r and sum(near(p, o) for p in r) > 0.95 * len(r)
                                  for r, o in (reds, reds[::-1]))


def a_dialog(s, role="alert", name=None):  # one of the role open, so named where a name is given
    shown = [n for r, n in s.dialogs() if r == role]
    return len(shown) == 1 and name in (None, shown[0])


def told(text, pattern):  # as told, where each * stands for a number
    return re.fullmatch(re.escape(pattern).replace(r"\*", r"-?[\d.]+"), text)


def quiet(s, seconds):
    """Nothing happens while the program idles with every timer running: no event, no popup."""
    s.heard.clear()
    s.pump(seconds)
    return not s.heard and not s.popups()


def heard(s, name, least, most=1, silence=0):
    """The recording holds the WAV file's samples from its start, a part between least and most,
    then seconds of silence. A stream's first millisecond or so may not reach the sink."""
    with open(os.path.join(s.folder, name), "rb") as wav, open(s.recording, "rb") as recorded:
        sound, got = wav.read(), recorded.read()
    sound = array.array("h", sound[sound.find(b"data") + 8 + 4 * 441:])
    at = got.find(sound[:4410].tobytes())
    got = array.array("h", got[at:] if at >= 0 and at % 4 == 0 else b"")
    same = next((i for i, (a, b) in enumerate(zip(got, sound)) if a != b),
                min(len(got), len(sound)))
    return least <= same / len(sound) <= most and not any(got[same:same + int(88200 * silence)]) \
        and len(got) >= same + 88200 * silence

EXPECT = {
    "first paint": first_paint, "axes only": axes_only, "dots": dots, "crisp": crisp,
    "sharp dots": sharp_dots, "arrows": arrows, "alike": alike, "quiet": quiet,
    "a dialog": a_dialog,
    "title slides": lambda s: (lambda red: s.memo.setdefault("title", red) != red)(
        s.shot().mask(is_red)[:s.size[0] * 60 * s.scale]),
    "as remembered": lambda s, what: all(plot_area(s, s.shot()) == s.memo[what] for _ in range(5)),
    "shows": lambda s, name: (lambda saved: saved and plot_area(s, saved, alone=True) ==
                              plot_area(s, s.shot()))(read_back(s, name)),
    "same": lambda s, a, b: (lambda p, q: p and q and p.data == q.data)(read_back(s, a),
                                                                        read_back(s, b)),
    "rows": lambda s, name, rows: (lambda t: t.startswith(b"plot,function,x,y\r\n") and
                                   t.count(b"\r\n") == rows + 1)(content(s, name)),
    "alone": lambda s, name, text: os.listdir(os.path.dirname(os.path.join(s.folder, name))) == [
        os.path.basename(name)] and open(os.path.join(s.folder, name)).read() == text,
    "a popup": lambda s: s.popups(),
    "no dialog": lambda s: not s.dialogs(),
    "keyboard on": lambda s, name: s.xdotool("getwindowfocus").strip() in s.main and s.node(
        name).getState().contains(s.atspi.STATE_FOCUSED),
    "named": lambda s, role, name: s.node(name, role),
    "no filler": lambda s: not s.node("", "filler"),
    "labelled": lambda s, name, label: s.node(name).getRelationSet()[0].getTarget(0).name == label,
    "announced": lambda s, pattern: s.pump() or any(
        told(text, pattern) for role, shown, text in s.heard if role == "notification" and shown),
    "described": lambda s, pattern: told(s.node("Plot area").description, pattern),
    "said": lambda s, pattern: s.spoken(pattern, s.mark),
    "heard": heard,
    "wayland window": lambda s, app_id: re.findall(
        r"role xdg_toplevel, PID (\d+), .*top-level window(?: '.*')? of ([^,]+),",
        subprocess.run(["weston-debug", "scene-graph"], env=s.env, capture_output=True, text=True,
                       timeout=PATIENCE).stdout) == [(str(s.app.pid), app_id)],
}


def play(s, rows):
    """Plays the rows, up to an expectation that does not come true or the program's end."""
    for row in rows:
        verb, *args = row
        if verb not in ("expect", "say"):
            if s.options["events"]:  # what is told from now on
                s.pump()
                s.heard.clear()
            STEPS[verb](s, *args)
            continue
        if verb == "say":  # keys, then a line that Orca says
            key(s, args[0])
            args = ["said", args[1]]
        ok = wait(lambda: EXPECT[args[0]](s, *args[1:]), interval=0.2) and s.alive()
        print("PASS" if ok else "FAIL", " ".join(map(str, row)).replace("\n", " "), flush=True)
        if not ok:
            print("Orca said: %r" % s.said[s.mark:] if verb == "say" else "", flush=True)
            return False
    return True


def main(program, name):
    options, rows = SCENARIOS[name]
    ok, sizes = True, options.pop("sizes", [(1024, 768)])
    try:
        private_bus()
        for size in sizes:
            with Session(program, size=size, **options) as s:
                ok = play(s, rows) and ok
    except (FileNotFoundError, ImportError) as missing:
        print("SKIP: %s (scripts/install-deps)" % missing)
        return 77
    print("%d passed, %d failed" % (ok, not ok))
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main(os.path.abspath(sys.argv[1]), sys.argv[2]))
