"""The program heard through Orca, the screen reader, driven by the keyboard alone.

Orca runs on a private Xvfb, D-Bus session and AT-SPI bus, in a home of its own, with its speech
sent through speech-dispatcher's dummy module to a null sound device. What it says is read from
its debug log, whose "SPEECH OUTPUT" lines are what a listener hears. Each step presses keys and
waits until Orca says a line that matches what that step must be heard as."""

import os, re, shutil, signal, subprocess, sys, tempfile, time

from soundserver import SoundServer
from xsession import Session, end

LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
PATIENCE = 30  # seconds Orca may take to say one thing, on a busy machine


def skip(why):
    print("SKIP: %s" % why)
    sys.exit(77)


if "CURVANTA_PRIVATE_BUS" not in os.environ:
    for tool in ("dbus-run-session", "orca", "speech-dispatcher", "Xvfb", "xdotool", "pulseaudio"):
        if not shutil.which(tool):
            skip("%s is missing (scripts/install-deps)" % tool)
    if not os.path.exists(LAUNCHER):
        skip("at-spi-bus-launcher is missing (scripts/install-deps)")
    os.environ["CURVANTA_PRIVATE_BUS"] = "1"
    os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable] + sys.argv)

# (what the step does, the keys pressed, a pattern for one line Orca then says). One key a step
# where the focus moves: keys faster than a listener's let Orca pass over what they passed.
# The plot area has the keyboard at the start.
PLOTTED = ("Plotted: bsin(ax) with a = 1, b = 1, for x from -25 to 25 (the limits -30 and 30 "
           "divided by 1.2).")
CLEARED = "Cleared: only the axes are drawn."
STEPS = [
    ("the function list", ["shift+Tab"], r"^Function editable combo box"),
    ("bsin(ax) chosen", ["Down", "Down"], r"^bsin\(ax\)$"),
    ("the plot area", ["Tab"], r"^Plot area"),
    ("Plot", ["Tab"], r"^Plot push button"),
    ("the lower limit", ["Tab"], r"^-X values scroll bar"),
    ("the lower limit at its least", ["Home"], r"^-30$"),
    ("the upper limit", ["Tab"], r"^\+x limit scroll bar"),
    ("the upper limit at its most", ["End"], r"^30$"),
    ("the box a=", ["Tab"], r"^a= text"),
    ("not a number typed", ["ctrl+a", "a", "b", "c"], r"^c\b"),
    ("back past the upper limit", ["shift+Tab"], r"^\+x limit scroll bar"),
    ("back past the lower limit", ["shift+Tab"], r"^-X values scroll bar"),
    ("back to Plot", ["shift+Tab"], r"^Plot push button"),
    ("the error names the box", ["space"], re.escape('The box "a=" holds "abc"')),
    # Back in the box with its text selected, the next key types over it: the plot then works.
    ("the error closed: back in the box", ["Return"], r"^a= text"),
    ("the number typed over", ["1"], r"^1\b"),
    ("back past the upper limit", ["shift+Tab"], r"^\+x limit scroll bar"),
    ("back past the lower limit", ["shift+Tab"], r"^-X values scroll bar"),
    ("back to Plot", ["shift+Tab"], r"^Plot push button"),
    ("the plot told", ["space"], "^notification " + re.escape(PLOTTED)),
    ("the plot area named as a chart", ["shift+Tab"], r"^Plot area chart\b"),
    ("a clear", ["Delete"], re.escape(CLEARED)),
    ("a second clear", ["Delete"], re.escape(CLEARED)),
    ("the second clear undone: the bare axes it erased", ["ctrl+z"],
     re.escape("Clear undone: Empty: only the axes are drawn.")),
    ("Plot", ["Tab"], r"^Plot push button"),
    ("the plot told again", ["space"], "^notification " + re.escape(PLOTTED)),
    ("the plot area", ["shift+Tab"], r"^Plot area chart\b"),
    ("the context menu on its first entry", ["shift+F10"], r"^Save Plot As…$"),
    # The menu is open over the plot area and its plot: Escape gives the plot area the keyboard
    # back (Orca, without a window manager, names only the window), whose L plays the plot
    # through the test's own sound server, and Escape stops it.
    ("the menu closed", ["Escape"], r"^Curvanta\b"),
    ("the plot played", ["l"], r"\bPlaying\b"),
    ("the playing stopped", ["Escape"], r"\bStopped\b"),
]


class Orca:
    """Orca in the home `home`, its debug log read as it grows."""

    def __init__(self, home, env):
        self.log = os.path.join(home, "orca.log")
        self.said = []  # every line spoken so far
        self.seen = 0  # bytes of the log read
        self.process = subprocess.Popen(["orca", "--replace", "--debug-file=" + self.log], env=env,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def read(self):
        if not os.path.exists(self.log):
            return
        with open(self.log, "rb") as log:
            log.seek(self.seen)
            chunk = log.read()
        complete = chunk[: chunk.rfind(b"\n") + 1]
        self.seen += len(complete)
        for line in complete.decode("utf-8", "replace").splitlines():
            spoken = re.search(r"SPEECH OUTPUT: '(.*?)' ?(\[?\{.*\}\]?)?$", line)
            if spoken:
                self.said.append(spoken[1])

    def mark(self):
        """How many lines Orca has said: those after them are new."""
        self.read()
        return len(self.said)

    def wait(self, pattern, since, what):
        """Waits until a line said after the first `since` ones matches `pattern`; returns what
        was said instead, where none does, as the failure to report, or None."""
        deadline = time.monotonic() + PATIENCE
        while True:
            self.read()
            if any(re.search(pattern, line) for line in self.said[since:]):
                return None
            if self.process.poll() is not None:
                return "%s: Orca ended (status %d)" % (what, self.process.returncode)
            if time.monotonic() > deadline:
                return "%s: never heard /%s/ but %r" % (what, pattern, self.said[since:])
            time.sleep(0.05)

    def stop(self):
        self.process.send_signal(signal.SIGKILL)  # it lets SIGTERM pass
        self.process.wait()


def private_home(root):
    """A home with the settings that let Orca speak into nothing, and line by line into its log."""
    env = dict(os.environ, HOME=root, XDG_CONFIG_HOME=os.path.join(root, ".config"),
               XDG_DATA_HOME=os.path.join(root, ".local", "share"),
               XDG_CACHE_HOME=os.path.join(root, ".cache"),
               XDG_RUNTIME_DIR=os.path.join(root, "run"), QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    files = {
        ".config/speech-dispatcher/speechd.conf":
            'AudioOutputMethod "alsa"\nAudioALSADevice "null"\nDefaultModule dummy\n',
        ".asoundrc": "pcm.!default { type null }\n",
        ".local/share/orca/orca-customizations.py":
            "import orca.debug\n"
            "if orca.debug.debugFile:\n"
            "    orca.debug.debugFile.reconfigure(line_buffering=True)\n",
    }
    for name, text in files.items():
        path = os.path.join(root, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w") as f:
            f.write(text)
    os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700)
    return env


def stop_speech_dispatcher(env):
    """Ends the speech-dispatcher that Orca started in this home, by the id it noted."""
    pidfile = os.path.join(env["XDG_RUNTIME_DIR"], "speech-dispatcher", "pid",
                           "speech-dispatcher.pid")
    try:
        with open(pidfile) as f:
            os.kill(int(f.read().split()[0]), signal.SIGTERM)
    except (OSError, ValueError, IndexError):
        pass  # it never started, or has already ended


with tempfile.TemporaryDirectory(prefix="curvanta-orca-") as root:
    env = private_home(root)
    bus = subprocess.Popen([LAUNCHER, "--launch-immediately"], env=env,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    session, orca, sound = Session(sys.argv[1]), None, SoundServer()
    session.env.update(env)
    try:
        sound.start()
        session.env = sound.client_env(session.env)
        session.start_server()
        orca = Orca(root, dict(env, DISPLAY=session.display))
        failure = orca.wait(r"^Screen reader on", orca.mark(), "Orca starting")
        assert not failure, failure
        # The window has the keyboard once shown, or else once given it as a window manager
        # would; Orca may hear either, and then the plot area's name.
        since = orca.mark()
        session.start_program()
        session.xdotool("windowfocus", "--sync", str(session.main_window))
        failure = orca.wait(r"^Plot area", since, "the window taking the keyboard")
        assert not failure, failure
        for what, keys, expected in STEPS:
            since = orca.mark()
            session.keys(*keys)
            failure = orca.wait(expected, since, what)
            assert not failure, failure
    finally:
        if orca:
            orca.stop()
        session.stop()
        sound.stop()
        stop_speech_dispatcher(env)
        end(bus)
print("1 passed, 0 failed")
