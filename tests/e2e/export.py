"""Usage: export.py PATH-TO-CURVANTA. Save, copy, undo a clear; --render draws the same."""
import os, shutil, subprocess, sys, tempfile, time  # noqa: E401

from xsession import Image, Session, is_red, px

P_LEFT, P_TOP = round(px(2560)), round(px(1920))
P_WIDTH = round(px(2560 + 10240)) - P_LEFT  # the plot area's edges fall on whole pixels
SIDE = px(8535 * 0.05)  # the corner blocks' side; their left edges and their tops inside P:
BLOCKS = [(P_LEFT + x, y) for x in (SIDE, P_WIDTH - SIDE) for y in (0, 512 - SIDE)]
SPOT = (P_LEFT + 500, P_TOP + 450)  # in P, clear of the curve, the blocks and the bars
failures = []


def check(condition, message):
    print(("PASS " if condition else "FAIL ") + message, flush=True)
    failures.extend([] if condition else [message])


def decode(png):
    return Image(subprocess.run(["convert", "png:-", "ppm:-"], input=png, capture_output=True,
                                check=True).stdout)


def plot_area(shot, left=P_LEFT, top=P_TOP):  # None where a control lies over it on screen
    def covered(x, y):
        return x < px(2460 + 495) + 1 or any(bx - 2 <= x < bx + SIDE + 2 and by - 2 <= y - P_TOP
                                             < by + SIDE + 2 for bx, by in BLOCKS)
    return [[None if covered(x, y) else shot.pixel(x - P_LEFT + left, y - P_TOP + top)
             for x in range(P_LEFT, P_LEFT + P_WIDTH)] for y in range(P_TOP, P_TOP + 512)]


def run(program, tmp):
    with Session(program) as session:
        def save(path, *keys):  # through the file dialog; what it wrote
            session.keys(*keys)
            session.xdotool("sleep", "1", "key", "ctrl+a")
            session.xdotool("type", path)  # takes every word after it
            session.xdotool("key", "Return", "sleep", "1")
            return open(path, "rb").read() if os.path.exists(path) else b""

        session.click(*SPOT)  # the focus to P; a single click clears nothing
        session.keys("Tab", "Tab", "Home", "Tab", "End", *["Tab"] * 5, "Down", "Down")
        session.click(P_LEFT + 341, P_TOP + 512 + 20)  # Plot bsin(ax) over -30..30
        painted = lambda shot: shot.any(SPOT[0] - 400, P_TOP + 200, SPOT[0] - 200, P_TOP + 300, is_red)
        check(session.wait_for(painted, timeout=20) is not None, "bsin(ax) plotted")
        session.xdotool("mousemove", str(SPOT[0]), str(SPOT[1]), "click", "3", "sleep", "0.5")
        image = decode(save(os.path.join(tmp, "menu.png"), "Return"))  # opened on Save Plot As
        check((image.width, image.height) == (P_WIDTH, 512) and plot_area(image, 0, 0)
              == plot_area(session.shot()), "Save Plot As from the menu: the plot area as shown")
        subprocess.run([program, "--render", tmp + "/r.png", "--function", "bsin(ax)"], check=True)
        check(decode(open(tmp + "/r.png", "rb").read()).data == image.data, "--render draws the same")
        svg = save(os.path.join(tmp, "menu.svg"), "ctrl+s")  # the extension picks the format
        check(svg.startswith(b"<?xml") and b"<svg" in svg, "Save Plot As: an SVG drawing for .svg")
        table = save(os.path.join(tmp, "menu.csv"), "ctrl+s")
        check(table.startswith(b"plot,function,x,y\r\n") and table.count(b"\r\n") == 50001,
              "Save Plot As: a CSV table, a row for each of the 50,000 dots, for .csv")
        session.xdotool("key", "ctrl+c", "sleep", "0.5")
        copied = subprocess.run(["xclip", "-selection", "clipboard", "-t", "image/png", "-o"],
                                env=session.env, capture_output=True, timeout=10).stdout
        check(copied[:4] == b"\x89PNG" and decode(copied).data == image.data, "Ctrl+C copies it")

        locked = os.path.join(tmp, "locked")
        os.makedirs(locked)
        open(locked + "/plot.png", "wb").write(b"earlier")
        os.chmod(locked, 0o555)
        if os.geteuid() == 0:  # root writes anywhere a mode forbids; an immutable folder stops it
            subprocess.run(["chattr", "+i", locked], check=True)
        before = plot_area(session.shot())
        save(locked + "/plot.png", "ctrl+s")  # Ctrl+S, then yes, replace the earlier file
        session.keys("alt+y")
        check(session.wait_for(lambda _: session.dialogs()) is not None, "the error dialog")
        session.xdotool("windowfocus", "--sync", str(session.dialogs()[0]), "key", "Return", "sleep", "1")
        check(session.alive() and not session.dialogs() and plot_area(session.shot()) == before,
              "the program carries on; closing the dialog leaves the plot area as it was")
        subprocess.run(["chattr", "-i", locked], stderr=subprocess.DEVNULL)
        check(os.listdir(locked) == ["plot.png"] and open(locked + "/plot.png").read() == "earlier",
              "the earlier file is unchanged")

        full = os.path.join(tmp, "full")  # a disk with not one byte free, where one can be mounted
        os.makedirs(full)
        if os.geteuid() == 0 and subprocess.run(["mount", "-t", "tmpfs", "-o", "size=64k", "tmpfs",
                                                 full]).returncode == 0:
            open(full + "/plot.png", "wb").write(b"precious earlier picture")
            subprocess.run(["dd", "if=/dev/zero", "of=" + full + "/filler", "bs=1k"],
                           stderr=subprocess.DEVNULL)
            session.click(*SPOT)  # the keyboard back to the window after the error dialog
            save(full + "/plot.png", "ctrl+s")
            session.keys("alt+y")
            check(session.wait_for(lambda _: session.dialogs()) is not None, "full disk: the error dialog")
            for dialog in session.dialogs():
                session.xdotool("windowfocus", "--sync", str(dialog), "key", "Return", "sleep", "1")
            check(sorted(os.listdir(full)) == ["filler", "plot.png"]
                  and open(full + "/plot.png", "rb").read() == b"precious earlier picture",
                  "full disk: the earlier file is unchanged, nothing left beside it")

        session.xdotool("mousemove", str(BLOCKS[3][0] + 9), str(P_TOP + BLOCKS[3][1] + 9), "click",
                        "--repeat", "2", "--delay", "60", "1", "sleep", "0.5")  # on s4
        check(plot_area(session.shot()) == before, "a double-click on a block clears nothing")
        session.double_click(*SPOT)
        check(session.wait_for(lambda shot: not painted(shot)) is not None, "double-click clears")
        session.keys("ctrl+z")
        check(session.wait_for(lambda shot: plot_area(shot) == before) is not None, "Ctrl+Z undoes")
        session.xdotool("mousemove", str(SPOT[0]), str(SPOT[1]), "click", "1", "key", "Delete")
        check(session.wait_for(lambda shot: not painted(shot)) is not None, "Delete clears")


if __name__ == "__main__":
    tmp = tempfile.mkdtemp()
    for var in ("HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"):
        os.environ[var] = os.path.join(tmp, var.lower())
        os.makedirs(os.environ[var], mode=0o700)
    try:
        run(os.path.abspath(sys.argv[1]), tmp)
    finally:
        subprocess.run(["chattr", "-i", os.path.join(tmp, "locked")], stderr=subprocess.DEVNULL)
        subprocess.run(["umount", os.path.join(tmp, "full")], stderr=subprocess.DEVNULL)
        subprocess.run(["chmod", "-R", "u+w", tmp])
        shutil.rmtree(tmp)
    sys.exit(1 if failures else 0)
