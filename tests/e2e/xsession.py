"""A private X server with the program on it, driven by real input events, watched by `import`."""

import os
import re
import subprocess
import time

SCREEN_W, SCREEN_H = 1024, 768


def px(twips):
    """Twips to screen pixels at 15 twips per pixel."""
    return twips / 15.0


class Layout:
    """Where the window puts what a user aims at on a screen of width x height pixels: as its
    activation lays it out, in screen pixels, with the window's client area at the screen's
    origin. Sizes the activation leaves alone are the designed ones."""

    BAR_WIDTH, BOX_SIZE = px(495), (px(1455), px(495))
    BOX_TOPS = [px(top) for top in (3360, 4320, 5160, 6000)]
    LIST = (px(5760), px(240), px(5760 + 6015), px(240 + 675))  # left, top, right, bottom
    BLOCK = px(8535 * 0.05)  # a corner block's side: 5 % of the plot area's designed width

    def __init__(self, width, height):
        self.width, self.height = width, height
        left, top = width / 6, height / 6  # the plot area: two thirds of the screen, centred
        self.p = (left, top, left + width * 2 / 3, top + height * 2 / 3)
        self.centre = (width / 2, height / 2)
        self.v1_left, self.v2_left = left - px(100), self.p[2]
        # The Plot button: right below the plot area, centred on it, 5 % of the screen high.
        self.plot_button = (width / 2, self.p[3] + height * 0.05 / 2)
        self.box_left = width * 0.05
        # The plot area less the scroll bar V1 that overlaps it and the corner blocks.
        self.p_inner = (self.v1_left + self.BAR_WIDTH + 2, top + self.BLOCK + 2,
                        self.p[2] - self.BLOCK - 2, self.p[3] - self.BLOCK - 2)
        self.empty_spot = (left + 0.8 * (self.p[2] - left), top + 0.85 * (self.p[3] - top))

    def box(self, index):
        """The middle of the coefficient box T6(index)."""
        return (self.box_left + self.BOX_SIZE[0] / 2, self.BOX_TOPS[index] + self.BOX_SIZE[1] / 2)

    def list_arrow(self):
        return (self.LIST[2] - 10, (self.LIST[1] + self.LIST[3]) / 2)

    def axes_only(self, image):
        """The axes cross the plot area through its centre, and no red dot is left on it."""
        x0, y0, x1, y1 = (int(v) for v in self.p_inner)
        cx, cy = (int(v) for v in self.centre)
        return all(image.any(x, cy - 2, x + 1, cy + 3, is_dark) for x in range(x0, x1, 10)) and \
            all(image.any(cx - 2, y, cx + 3, y + 1, is_dark) for y in range(y0, y1, 10)) and \
            not image.any(x0, y0, x1, y1, is_red)


class Image:
    """One screenshot of the whole screen, 24-bit RGB."""

    def __init__(self, ppm):
        header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", ppm)  # 8-bit binary PPM
        self.width, self.height = int(header[1]), int(header[2])
        self.data = ppm[header.end():]

    def pixel(self, x, y):
        offset = 3 * (int(round(y)) * self.width + int(round(x)))
        return tuple(self.data[offset : offset + 3])

    def region(self, x0, y0, x1, y1):
        """Every pixel of the rectangle [x0, x1) x [y0, y1), as (x, y, rgb)."""
        for y in range(int(y0), int(y1)):
            row = 3 * y * self.width
            for x in range(int(x0), int(x1)):
                yield x, y, tuple(self.data[row + 3 * x : row + 3 * x + 3])

    def any(self, x0, y0, x1, y1, predicate):
        return any(predicate(rgb) for _, _, rgb in self.region(x0, y0, x1, y1))


# Colour classes: the dots and the start background are exact, the JPEG graph paper only close.
def is_red(rgb):
    return rgb[0] >= 230 and rgb[1] <= 40 and rgb[2] <= 40


def is_pure_green(rgb):
    return rgb == (0, 255, 0)


def is_dark(rgb):
    return max(rgb) <= 80


def is_cyan(rgb):
    return rgb[0] <= 70 and rgb[1] >= 200 and rgb[2] >= 200


def is_white(rgb):
    return min(rgb) >= 230


def painted(image):
    """The window covers the screen (black where nothing is) and the plot area shows paper."""
    w, h = image.width, image.height
    paper = image.pixel(w * 0.45, h * 0.4)
    return image.pixel(w - 2, h - 2) != (0, 0, 0) and (is_white(paper) or is_cyan(paper))


def end(process):
    """Ends a child process: asked first, killed if it has not gone within 5 s."""
    process.terminate()
    try:
        process.wait(timeout=5)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


class Session:
    """Xvfb on a display of its own choosing, the program on it, the means to drive and watch."""

    def __init__(self, program, log=None, scale=1, size=(SCREEN_W, SCREEN_H)):
        # size: the screen in pixels, each of them scale x scale device pixels
        self.program, self.scale = program, scale
        self.size = (size[0] * scale, size[1] * scale)
        self.log = log or (lambda message: None)
        self.layout = Layout(*size)  # in device pixels at scale 1
        self.xvfb = self.app = self.display = self.main_window = None
        self.env = dict(os.environ)

    def start_server(self):
        # Xvfb picks a free display and names it once it listens: no other test can take it.
        self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0",
                                      "%dx%dx24" % self.size, "-nolisten", "tcp"],
                                     stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        number = self.xvfb.stdout.readline().strip().decode()
        if not number.isdigit():
            raise RuntimeError("Xvfb did not start")
        self.display = self.env["DISPLAY"] = ":" + number
        self.log("Xvfb on %s" % self.display)

    def start_program(self, timeout=30):
        env = dict(self.env, QT_QPA_PLATFORM="xcb", LC_ALL="C.UTF-8", LANG="C.UTF-8",
                   QT_SCALE_FACTOR=str(self.scale))
        self.app = subprocess.Popen([self.program], env=env, stdout=subprocess.DEVNULL,
                                    stderr=subprocess.DEVNULL)
        out = self.xdotool("search", "--sync", "--onlyvisible", "--name", "^Curvanta",
                           timeout=timeout)
        ids = [int(w) for w in out.split()]
        sized = [w for w in ids if "%dx%d" % self.size in self.xdotool("getwindowgeometry", str(w))]
        self.main_window = (sized or ids)[0]
        if self.wait_for(painted, timeout=timeout) is None:
            raise RuntimeError("the window was not painted within %d s" % timeout)
        self.log("program pid %d, window %d" % (self.app.pid, self.main_window))

    def stop(self):
        for proc in filter(None, (self.app, self.xvfb)):
            end(proc)

    def __enter__(self):
        try:
            self.start_server()
            self.start_program()
        except BaseException:
            self.stop()
            raise
        return self

    def __exit__(self, *exc):
        self.stop()
        return False

    def alive(self):
        return self.app is not None and self.app.poll() is None

    def rss_kb(self):
        with open("/proc/%d/status" % self.app.pid) as status:
            return int(next(line for line in status if line.startswith("VmRSS:")).split()[1])

    def xdotool(self, *args, timeout=30):
        return subprocess.run(["xdotool", *args], env=self.env, capture_output=True, text=True,
                              timeout=timeout).stdout

    def shot(self):
        return Image(subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"],
                                    env=self.env, capture_output=True, check=True,
                                    timeout=30).stdout)

    def wait_for(self, condition, timeout=10.0, interval=0.05):
        """Screenshots until condition(image) holds; returns that image, or None on timeout."""
        deadline = time.monotonic() + timeout
        while True:
            image = self.shot()
            if condition(image):
                return image
            if time.monotonic() >= deadline:
                return None
            time.sleep(interval)

    def visible_windows(self):
        out = self.xdotool("search", "--onlyvisible", "--name", "^Curvanta")
        return [int(w) for w in out.split()]

    def dialogs(self):
        return [w for w in self.visible_windows() if w != self.main_window]

    def click(self, x, y, repeat=1, delay_ms=60):
        self.xdotool("mousemove", str(int(x)), str(int(y)), "click", "--repeat", str(repeat),
                     "--delay", str(delay_ms), "1")

    def double_click(self, x, y):
        self.click(x, y, repeat=2, delay_ms=60)

    def keys(self, *names):
        self.xdotool("key", "--delay", "20", *names)

    def type(self, text):
        self.xdotool("type", "--delay", "20", text)
