"""A private desktop for an end-to-end scenario: Xvfb or weston, the AT-SPI bus that finds the
controls, Orca and PulseAudio where asked for, and the program on them, watched and driven."""

import atexit, ctypes, os, re, shutil, signal, subprocess, sys, tempfile, time  # noqa

PATIENCE = 60  # seconds that anything may take on a busy machine: Orca took over 30 to start
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*?)' ?(\[?\{.*\}\]?)?$")  # a line Orca says, in its log
ORCA_CUSTOMIZATIONS = """import orca.debug, orca.speech
if orca.debug.debugFile:
    orca.debug.debugFile.reconfigure(line_buffering=True)
class Mute:  # a speech server that takes every call and says nothing: none is waited for
    def __getattr__(self, name):
        return lambda *args, **kwargs: None
orca.speech.init = lambda: setattr(orca.speech, "_speechserver", Mute())
"""
SOUND_FORMAT = ["--format=s16le", "--rate=44100", "--channels=2", "--raw"]  # the program's own


def private_bus():
    """Runs this script again on a D-Bus of its own under Debian's Python, which has pyatspi. Its
    runtime folder, where the AT-SPI bus has its socket, is its own too."""
    if "CURVANTA_BUS" in os.environ:
        atexit.register(shutil.rmtree, os.environ["XDG_RUNTIME_DIR"], True)
        return
    os.environ.update(CURVANTA_BUS="1", XDG_RUNTIME_DIR=tempfile.mkdtemp(prefix="e2e-bus-"))
    python = "/usr/bin/python3" if os.path.exists("/usr/bin/python3") else sys.executable
    os.execvp("dbus-run-session", ["dbus-run-session", "--", python] + sys.argv)


def wait(condition, timeout=PATIENCE, interval=0.05):
    """Calls condition until it gives something true: that, or None after timeout seconds."""
    deadline = time.monotonic() + timeout
    while not (result := condition()) and time.monotonic() < deadline:
        time.sleep(interval)
    return result or None


def end(process):
    process.terminate()
    try:
        process.wait(timeout=5)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


class Image:  # a picture in 8-bit RGB
    def __init__(self, ppm):
        header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", ppm)
        self.width, self.height, self.data = int(header[1]), int(header[2]), ppm[header.end():]

    def pixel(self, x, y):
        at = 3 * (int(y) * self.width + int(x))
        return tuple(self.data[at:at + 3])

    def count(self, x0, y0, x1, y1, colour):  # in [x0, x1) x [y0, y1)
        return sum(colour(self.pixel(x, y)) for y in range(int(y0), int(y1))
                   for x in range(int(x0), int(x1)))

    def mask(self, colour):  # one byte a pixel, row by row: 1 where it is of the colour
        r, g, b = (int.from_bytes(self.data[i::3].translate(bytes(lo <= v <= hi for v in
                                                                   range(256))), "big")
                   for i, (lo, hi) in enumerate(colour))
        return (r & g & b).to_bytes(self.width * self.height, "big")


def picture(data, *options):  # a picture file's bytes, decoded after convert's options
    return Image(subprocess.run(["convert", "-", *options, "-depth", "8", "ppm:-"], input=data,
                                capture_output=True, check=True, timeout=PATIENCE).stdout)


class Colour(tuple):  # the colours with red, green and blue each in its range
    def __call__(self, rgb):
        return all(lo <= v <= hi for v, (lo, hi) in zip(rgb, self))


is_red = Colour([(230, 255), (0, 40), (0, 40)])  # the dots exactly, the paper (a JPEG) near it
is_dark = Colour([(0, 80)] * 3)
is_cyan = Colour([(0, 70), (200, 255), (200, 255)])
is_white = Colour([(230, 255)] * 3)


def crossing(image):
    """Where the axes cross: the middle of the tallest dark vertical line, when it is there."""
    dark, w = image.mask(is_dark), image.width
    runs = [(len(run), x, column.find(run)) for x in range(w)
            for column in [dark[x::w]] for run in [max(column.split(b"\0"))]]
    tallest = max(runs)[0]
    axis = [(x, top) for length, x, top in runs if length == tallest]
    return tallest > image.height / 3 and len(axis) < 20 and (  # a line, not a dark screen
        (axis[0][0] + axis[-1][0]) / 2, axis[0][1] + tallest / 2)


class Session:
    """The program on a display of its own, its plot area on the screen at `area` (x, y, width,
    height: device pixels), its home and files in `folder`."""

    def __init__(self, program, scale=1, size=(1024, 768), wayland=False, orca=False, sound=False,
                 events=False):
        self.program, self.scale, self.wayland = program, scale, wayland
        self.size, self.folder = (size[0] * scale, size[1] * scale), tempfile.mkdtemp(prefix="e2e-")
        self.options = dict(orca=orca, sound=sound, events=events)
        self.processes, self.cleanups, self.heard, self.said = [], [], [], []
        self.memo, self.mark, self.offset = {}, 0, (0, 0)  # a scenario's memory; the window's place
        self.env = {k: v for k, v in os.environ.items()
                    if not k.startswith(("XDG_", "DISPLAY", "WAYLAND_", "PULSE_"))}
        for name in ("HOME", "XDG_RUNTIME_DIR"):  # the others under the home
            self.env[name] = os.path.join(self.folder, name.lower())
            os.makedirs(self.env[name], mode=0o700)
        self.env.update(LC_ALL="C.UTF-8", LANG="C.UTF-8", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                        QT_SCALE_FACTOR=str(scale), QT_QPA_PLATFORM="wayland" if wayland else "xcb",
                        PULSE_SERVER="unix:%s/none" % self.folder)  # no sound, nor one started

    def spawn(self, *args, **options):  # a child, which ends with this script, killed or not
        self.processes.append(subprocess.Popen(
            args, env=self.env, cwd=self.folder, stdin=subprocess.DEVNULL,
            **{"stdout": subprocess.DEVNULL, "stderr": subprocess.DEVNULL, **options},
            preexec_fn=lambda: ctypes.CDLL(None).prctl(1, signal.SIGTERM)))  # PR_SET_PDEATHSIG
        return self.processes[-1]

    def __enter__(self):
        atexit.register(self.stop)  # where start() fails too
        self.start()
        return self

    def __exit__(self, *exc):
        self.stop()

    def start(self):
        self.atspi = __import__("pyatspi")
        if self.wayland:
            self.env["WAYLAND_DISPLAY"] = "curvanta-%d" % os.getpid()
            self.spawn("weston", "--backend=headless-backend.so", "--use-pixman", "--idle-time=0",
                       "--width=%d" % self.size[0], "--height=%d" % self.size[1], "--no-config",
                       "--socket=" + self.env["WAYLAND_DISPLAY"], "--debug")
            socket = os.path.join(self.env["XDG_RUNTIME_DIR"], self.env["WAYLAND_DISPLAY"])
            assert wait(lambda: os.path.exists(socket)), "weston did not start"
        else:  # Xvfb picks a free display and names it once it listens
            xvfb = self.spawn("Xvfb", "-displayfd", "1", "-screen", "0", "%dx%dx24" % self.size,
                              "-nolisten", "tcp", stdout=subprocess.PIPE)
            self.env["DISPLAY"] = ":" + xvfb.stdout.readline().decode().strip()
        if self.options["events"]:
            self.atspi.Registry.registerEventListener(self.hear, "object:property-change",
                                                      "object:state-changed:showing",
                                                      "object:children-changed")
        if self.options["orca"]:
            self.start_orca()
        if self.options["sound"]:
            self.start_sound()
        self.app = self.spawn(self.program)
        self.application = wait(lambda: next((a for a in self.atspi.Registry.getDesktop(0) if a
                                              and a.get_process_id() == self.app.pid
                                              and a.childCount), None))
        assert self.application, "the program never joined the AT-SPI bus"
        axes = wait(lambda: crossing(self.shot()), interval=0.2)  # the first paint
        assert axes, "the window never showed its axes"
        if self.wayland:  # the window lies on the output where its axes are seen
            x, y, w, h = self.extents("Plot area")
            self.offset = (axes[0] - x - w / 2, axes[1] - y - h / 2)
        else:  # the keyboard given to the window, as a window manager would
            self.main = self.windows()
            self.xdotool("windowfocus", "--sync", self.main[0])
        self.area = self.extents("Plot area")

    def stop(self):
        for cleanup in self.cleanups:
            cleanup()
        for process in reversed(self.processes):
            end(process)
        self.cleanups, self.processes = [], []
        shutil.rmtree(self.folder, ignore_errors=True)

    def alive(self):
        return self.app.poll() is None

    def shot(self):
        if not self.wayland:
            return Image(subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"],
                                        env=self.env, capture_output=True, check=True,
                                        timeout=PATIENCE).stdout)
        shots = os.path.join(self.folder, "shots")
        shutil.rmtree(shots, ignore_errors=True)
        os.mkdir(shots)
        subprocess.run(["weston-screenshooter"], env=self.env, cwd=shots, check=True,
                       capture_output=True, timeout=PATIENCE)
        with open(os.path.join(shots, os.listdir(shots)[0]), "rb") as f:
            return picture(f.read())

    def nodes(self):
        """(object, role, name) of each of the program's accessible objects that is still there:
        a tooltip or a dialog may go while the tree is read."""
        stack = [self.application]
        while stack:
            node = stack.pop()
            try:
                seen = (node, node.getRoleName(), node.name)
                stack.extend(reversed(list(node)))
            except Exception:  # GLib.GError, or a child count of -1
                continue
            yield seen

    def node(self, name, role=None):
        return next((n for n, r, m in self.nodes() if m == name and role in (None, r)), None)

    def extents(self, name):
        """Where the control so named is on the screen: x, y, width, height in device pixels."""
        box = self.node(name).queryComponent().getExtents(self.atspi.DESKTOP_COORDS)
        return (box.x * self.scale + self.offset[0], box.y * self.scale + self.offset[1],
                box.width * self.scale, box.height * self.scale)

    def dialogs(self):  # (role, name) of each
        return [(r, m) for _, r, m in self.nodes() if r in ("alert", "dialog", "file chooser")]

    def hear(self, event):  # what a screen reader hears, read as the event comes
        try:
            self.heard.append((event.source.getRoleName(), event.detail1, event.source.name))
        except Exception:  # from a window already gone
            self.heard.append((None, 0, ""))

    def pump(self, seconds=0):
        """Lets the events come in: those waiting, and those that come within `seconds`."""
        from gi.repository import GLib
        deadline = time.monotonic() + seconds
        while GLib.MainContext.default().iteration(False) or time.monotonic() < deadline:
            time.sleep(0.01)

    def xdotool(self, *args, timeout=PATIENCE):
        return subprocess.run(["xdotool", *args], env=self.env, capture_output=True, text=True,
                              timeout=timeout).stdout

    def keys(self, *names):
        self.xdotool("key", "--delay", "30", *names)

    def click(self, x, y, button=1, repeat=1):
        self.xdotool("mousemove", str(int(x)), str(int(y)), "click", "--repeat", str(repeat),
                     "--delay", "60", str(button))

    def windows(self):
        return self.xdotool("search", "--onlyvisible", "--class", "curvanta").split()

    def popups(self):  # the menus, tooltips and dialogs shown over the window
        return [w for w in self.windows() if w not in self.main]

    # Orca, whose speech goes line by line into its log and nowhere else. It lets SIGTERM pass.
    def start_orca(self):
        prefs = os.path.join(self.folder, "orca")
        os.mkdir(prefs)
        with open(os.path.join(prefs, "orca-customizations.py"), "w") as f:
            f.write(ORCA_CUSTOMIZATIONS)
        self.log, self.seen = os.path.join(self.folder, "orca.log"), 0
        self.cleanups.append(self.spawn("orca", "--replace", "--user-prefs", prefs,
                                        "--debug-file=" + self.log).kill)
        assert wait(lambda: self.spoken(r"^Screen reader on")), "Orca did not start"

    def spoken(self, pattern, since=0):
        """Whether a line that Orca said after its first `since` matches pattern."""
        if os.path.exists(self.log):
            with open(self.log, "rb") as log:
                log.seek(self.seen)
                lines = log.read()
            lines = lines[:lines.rfind(b"\n") + 1]  # whole lines
            self.seen += len(lines)
            self.said += [m[1] for m in map(SPEECH.search, lines.decode("utf-8", "replace")
                                            .splitlines()) if m]
        return any(re.search(pattern, line) for line in self.said[since:])

    # PulseAudio, with a null sink whose monitor gives back every sample played there: in one
    # format from the program's stream to the recording, they pass unchanged.
    def start_sound(self):
        socket = os.path.join(self.folder, "pulse")
        self.spawn("pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
                   "--disable-shm=yes", "--realtime=no", "--high-priority=no",
                   "-L", "module-null-sink sink_name=out rate=44100 channels=2 format=s16le",
                   "-L", "module-native-protocol-unix auth-anonymous=1 socket=" + socket)
        self.env["PULSE_SERVER"] = "unix:" + socket
        assert wait(lambda: subprocess.run(["pactl", "info"], env=self.env, capture_output=True,
                                           timeout=PATIENCE).returncode == 0), "no PulseAudio"

    def record(self):
        """Records the sink from now on into a new file, `recording`, with a stream of silence
        playing: an idle sink gives its monitor nothing, and a sound waking it loses its start."""
        self.recording = os.path.join(self.folder, "recording%d.raw" % len(self.processes))
        self.spawn("parec", "--device=out.monitor", "--latency-msec=20", *SOUND_FORMAT,
                   self.recording)
        self.spawn("pacat", "--latency-msec=10", *SOUND_FORMAT, "/dev/zero")
        assert wait(lambda: os.path.exists(self.recording) and
                    os.path.getsize(self.recording) > 4 * 4410), "nothing is recorded"
