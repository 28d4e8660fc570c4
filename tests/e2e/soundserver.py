"""A private PulseAudio sound server whose default output is a null sink, and what it hears.

The server keeps to a folder of its own (its socket, runtime and state files, a HOME for its
cookie), so it touches no sound server of the machine's and two tests can each have one. It runs
in the ordinary per-user mode, also as root (where it only warns that it is root): --system is
not needed. A client reaches it through the environment of `client_env()`, PULSE_SERVER naming its
socket; the sink plays nothing aloud, and its monitor source gives back every sample played.
"""

import array
import math
import os
import shutil
import subprocess
import tempfile
import time

RATE = 44100
SINK = "curvanta_null"


class SoundServer:
    def __init__(self, log=None):
        self.log = log or (lambda message: None)
        self.folder = self.process = self.recorder = self.silence = None

    def __enter__(self):
        self.start()
        return self

    def __exit__(self, *exc):
        self.stop()

    def start(self):
        self.folder = tempfile.mkdtemp(prefix="curvanta-pulse-")
        self.socket = os.path.join(self.folder, "native")
        runtime = os.path.join(self.folder, "runtime")
        os.mkdir(runtime, 0o700)
        env = dict(os.environ, HOME=self.folder, XDG_RUNTIME_DIR=runtime,
                   XDG_CONFIG_HOME=os.path.join(self.folder, "config"),
                   PULSE_RUNTIME_PATH=runtime, PULSE_STATE_PATH=os.path.join(self.folder, "state"))
        env.pop("PULSE_SERVER", None)
        env.pop("DBUS_SESSION_BUS_ADDRESS", None)
        self.process = subprocess.Popen(
            ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
             "--disable-shm=yes", "--realtime=no", "--high-priority=no", "--log-target=stderr",
             "-L", f"module-null-sink sink_name={SINK} rate={RATE} channels=2 format=s16le",
             "-L", f"module-native-protocol-unix socket={self.socket} auth-anonymous=1"],
            env=env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
            stderr=open(os.path.join(self.folder, "server.log"), "wb"))
        deadline = time.monotonic() + 15
        while time.monotonic() < deadline:
            if self.process.poll() is not None:
                raise RuntimeError("pulseaudio ended: " + self.server_log())
            if subprocess.run(["pactl", "info"], env=self.client_env(), capture_output=True,
                              timeout=10).returncode == 0:
                self.log("sound server up at " + self.socket)
                return
            time.sleep(0.1)
        raise RuntimeError("pulseaudio did not answer: " + self.server_log())

    def server_log(self):
        with open(os.path.join(self.folder, "server.log"), errors="replace") as f:
            return f.read()

    def client_env(self, env=None):
        """The environment for a client of this server: `env` (or ours) with PULSE_SERVER set."""
        env = dict(os.environ if env is None else env)
        env["PULSE_SERVER"] = "unix:" + self.socket
        return env

    def start_recording(self, path):
        """Records the sink's monitor, 16-bit stereo at 44.1 kHz, raw, into `path`.

        A stream of silence plays meanwhile: an idle sink gives its monitor nothing, and the
        first few milliseconds of a sound that wakes it up would be missing from the recording.
        """
        self.recording = path
        if os.path.exists(path):
            os.remove(path)  # its size tells when the recording has begun
        stream_format = ["--format=s16le", f"--rate={RATE}", "--channels=2", "--raw"]
        self.silence = subprocess.Popen(
            ["pacat", "--playback", "--latency-msec=10", *stream_format, "/dev/zero"],
            env=self.client_env(), stdin=subprocess.DEVNULL)
        self.recorder = subprocess.Popen(
            ["parec", "--device=" + SINK + ".monitor", "--latency-msec=20", *stream_format, path],
            env=self.client_env(), stdin=subprocess.DEVNULL)
        # The recording has begun once the silence reaches the file.
        deadline = time.monotonic() + 10
        while not os.path.exists(path) or os.path.getsize(path) < RATE * 4 // 10:
            if time.monotonic() > deadline:
                raise RuntimeError("nothing reaches the recording")
            time.sleep(0.02)

    def recorded_frames(self):
        """How many frames the recording holds so far."""
        return os.path.getsize(self.recording) // 4

    def stop_recording(self):
        """Ends the recording; returns what it heard as samples, left and right interleaved."""
        for process in (self.recorder, self.silence):
            process.terminate()
            process.wait(10)
        self.recorder = self.silence = None
        samples = array.array("h")
        with open(self.recording, "rb") as f:
            samples.frombytes(f.read())
        return samples

    def stop(self):
        for process in (self.recorder, self.silence):
            if process:
                process.kill()
                process.wait()
        self.recorder = self.silence = None
        if self.process:
            self.process.terminate()
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
            self.process = None
        if self.folder:
            shutil.rmtree(self.folder, ignore_errors=True)
            self.folder = None


# What a recording sounds like.

def mono(samples):
    """Left and right added, one value a frame."""
    return [samples[i] + samples[i + 1] for i in range(0, len(samples) - 1, 2)]


def onset(signal):
    """The first frame that is not silent, or None."""
    return next((k for k, v in enumerate(signal) if v != 0), None)


def pitch(signal, start, length):
    """Hz over signal[start:start + length], from the rising zero crossings; None where too few."""
    crossings = []
    for k in range(max(start, 1), min(start + length, len(signal))):
        a, b = signal[k - 1], signal[k]
        if a < 0 <= b:
            crossings.append(k - 1 + a / (a - b))
    if len(crossings) < 3:
        return None
    return (len(crossings) - 1) * RATE / (crossings[-1] - crossings[0])


def height(hz):
    """The height on the sheet, 0 at the bottom edge (200 Hz) and 1 at the top (1600 Hz)."""
    return math.log(hz / 200) / math.log(8)


def pitch_track(signal, start, seconds, step=0.01, window=0.02):
    """(seconds from `start`, Hz or None) every `step` seconds for `seconds`."""
    track = []
    t = 0.0
    while t + window <= seconds:
        track.append((t + window / 2, pitch(signal, start + round(t * RATE), round(window * RATE))))
        t += step
    return track
