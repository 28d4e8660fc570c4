#!/usr/bin/env python3
"""The sound of a plot through a real sound server, a private PulseAudio with a null sink.

Usage: sound.py SOUNDPLAY (the program that plays or writes one plot's sound)

bsin(ax) with a = 1.5 and b = 4.5 as typed, the limits -12 and 12, on a sheet from -4 to 4: its
WAV file played with paplay, then the same sound played by the program's player, are recorded
from the sink's monitor; each must rise and fall in pitch as the sine's dots do, and the player
must play the very samples of the file, and stop when told. With the server gone, the player
says so and ends.
"""

import array
import math
import os
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from soundserver import RATE, SoundServer, height, mono, onset, pitch_track  # noqa: E402

CODE, A, B, X0, X1, HALF = 2, 1.0, 3.0, -10.0, 10.0, 4.0
SECONDS = (X1 - X0) / 50 * 3  # the full range, 50 units, lasts 3 seconds


def log(message):
    print(message, flush=True)


def drawn(seconds):
    """y of the dot played `seconds` into the sound."""
    return B * math.sin(A * (X0 + seconds / 3 * 50))


def check_follows(samples, what):
    signal = mono(samples)
    start = onset(signal)
    assert start is not None, f"{what}: nothing was heard"
    compared = misses = 0
    heard = []
    for t, hz in pitch_track(signal, start, SECONDS):
        y = drawn(t)
        if abs(y) < 0.3:
            continue  # the ticks where the curve crosses the axis
        compared += 1
        expected = (y + HALF) / (2 * HALF)
        if hz is None or abs(height(hz) - expected) > 0.05:
            misses += 1
        heard.append((t, hz))
    log(f"{what}: {compared - misses} of {compared} stretches at the height of their dots; "
        + " ".join(f"{hz:.0f}" for t, hz in heard[::12] if hz))
    assert compared > 80, f"{what}: too short"
    assert misses <= compared * 0.05, f"{what}: {misses} of {compared} stretches off the curve"
    # The pitch rises and falls as the sine does: three peaks (x = -3pi/2, pi/2, 5pi/2).
    peaks = [t for (t0, a), (t, b), (t2, c) in zip(heard, heard[1:], heard[2:])
             if a and b and c and b > a and b >= c and drawn(t) > 0.95 * B]
    clusters = [t for i, t in enumerate(peaks) if i == 0 or t - peaks[i - 1] > 0.1]
    assert len(clusters) == 3, f"{what}: peaks at {clusters} s"


def find(recorded, samples):
    """Where `samples` lie, every one of them, in `recorded`: the index, or None."""
    haystack, needle = array.array("h", recorded).tobytes(), array.array("h", samples).tobytes()
    at = haystack.find(needle)
    while at >= 0 and at % 4:  # a match must start on a frame
        at = haystack.find(needle, at + 1)
    return None if at < 0 else at // 4


def soundplay_args(program, mode, path="-"):
    return [program, mode, path] + [str(v) for v in (CODE, A, B, X0, X1, HALF)]


def soundplay(program, mode, path, env):
    return subprocess.run(soundplay_args(program, mode, path), env=env, capture_output=True,
                          text=True, timeout=60)


def main():
    with tempfile.TemporaryDirectory(prefix="curvanta-sound-") as folder:
        check(sys.argv[1], folder)
    log("sound: passed")


def check(program, folder):
    wav = os.path.join(folder, "plot.wav")
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    done = soundplay(program, "wav", wav, env)
    assert done.returncode == 0, done.stderr
    written = array.array("h")
    with open(wav, "rb") as f:
        written.frombytes(f.read()[44:])  # this machine is little-endian, as WAV is

    with SoundServer(log) as server:
        server.start_recording(os.path.join(folder, "paplay.raw"))
        subprocess.run(["paplay", wav], env=server.client_env(), check=True, timeout=30)
        time.sleep(0.3)
        check_follows(server.stop_recording(), "paplay of the WAV file")

        server.start_recording(os.path.join(folder, "player.raw"))
        player = subprocess.Popen(soundplay_args(program, "play"), env=server.client_env(env),
                                  stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        progress = []  # (time, frames recorded by then), to place the sound in time
        while player.poll() is None:
            progress.append((time.monotonic(), server.recorded_frames()))
            time.sleep(0.005)
        out, err = player.communicate()
        time.sleep(0.3)
        recorded = server.stop_recording()
        assert player.returncode == 0, f"player: exit {player.returncode}: {err}"
        lines = out.split("\n")
        assert lines[0].startswith("play ") and lines[1:] == ["started", "stopped", ""], out
        # Only a measure, within a frame of the recording's own delay (about 20 ms): timing
        # belongs to bench/, not to a pass or a failure.
        first = onset(mono(recorded))
        heard = next((t for t, frames in progress if frames > first), None)
        if heard is not None:
            log(f"player: the first sound {1000 * (heard - float(lines[0].split()[1])):.0f} ms "
                "after play(), as recorded")
        check_follows(recorded, "the player")
        # A stream's first millisecond or so, in the fade-in, may not reach the monitor.
        fade = round(0.005 * RATE)
        at = find(recorded, written[2 * fade:])
        log(f"player: the samples of the WAV file after its first 5 ms: "
            + ("all of them" if at is not None else "not found"))
        assert at is not None, "the player did not play the file's samples"

        # Stopped after 0.4 s: the sound ends there, well before its end.
        server.start_recording(os.path.join(folder, "stopped.raw"))
        done = soundplay(program, "stop", "-", server.client_env(env))
        time.sleep(0.3)
        signal = mono(server.stop_recording())
        assert done.returncode == 0, f"stop: exit {done.returncode}: {done.stderr}"
        assert done.stdout.split()[2:] == ["started", "stopped"], done.stdout
        first = onset(signal)
        last = max(k for k, v in enumerate(signal) if v != 0)
        log(f"stop: {(last - first) / RATE:.2f} s of sound")
        assert 0.2 < (last - first) / RATE < 0.8 * SECONDS, "stop() did not end the sound"
        dead = server.client_env(env)

    began = time.monotonic()
    done = soundplay(program, "play", "-", dead)
    log(f"no server: exit {done.returncode} after {time.monotonic() - began:.2f} s: "
        + done.stderr.strip())
    assert done.returncode == 2 and done.stderr.strip(), "no word that there is no sound"


if __name__ == "__main__":
    main()
