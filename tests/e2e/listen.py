#!/usr/bin/env python3
"""The window's plots heard through a real sound server: a private PulseAudio with a null sink.

Usage: listen.py PATH-TO-CURVANTA

The real program on Xvfb, its sound going to the null sink: bsin(ax) with b = 4.5 as typed over
-30..30 is plotted, the plot area focused and L pressed; the sink's monitor must then rise and
fall in pitch as the sine does, for about 3 seconds. L again, and Escape after a moment: the sound
ends there. Prints how long after the key the first sound was recorded (a measure, not a check).
"""

import math
import os
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from soundserver import RATE, SoundServer, height, mono, onset, pitch_track  # noqa: E402
from xsession import Session, is_red  # noqa: E402

A, B, X0, X1 = 1 / 1.5, 4.5 / 1.5, -25.0, 25.0  # as used: each coefficient typed divided by 1.5
SECONDS = 3.0  # the full range's walk


def log(message):
    print(message, flush=True)


def drawn(seconds):
    """y of the dot played `seconds` into the sound."""
    return B * math.sin(A * (X0 + seconds / SECONDS * (X1 - X0)))


def correlation(xs, ys):
    mx, my = sum(xs) / len(xs), sum(ys) / len(ys)
    sxy = sum((x - mx) * (y - my) for x, y in zip(xs, ys))
    sxx = sum((x - mx) ** 2 for x in xs)
    syy = sum((y - my) ** 2 for y in ys)
    return sxy / math.sqrt(sxx * syy) if sxx and syy else 0.0


def spot(session):
    """A point in the plot area, clear of the curve, the corner blocks and the bars."""
    left, top, right, bottom = session.layout.p
    return left + 0.3 * (right - left), top + 0.85 * (bottom - top)


def plot_sine(session):
    layout = session.layout
    session.click(*spot(session))  # the focus to the plot area; one click clears nothing
    # From the plot area: V1 to its lowest, V2 to its highest, on to the list: bsin(ax).
    session.keys("Tab", "Tab", "Home", "Tab", "End", *["Tab"] * 5, "Down", "Down")
    session.click(*layout.box(1))
    session.keys("ctrl+a")
    session.type("4.5")
    session.click(*layout.plot_button)
    left, top, right, bottom = layout.p
    plotted = session.wait_for(
        lambda shot: shot.any(left + 20, top, right - 20, bottom, is_red), timeout=20)
    assert plotted is not None, "bsin(ax) was not plotted"
    time.sleep(0.5)
    session.click(*spot(session))


def press_and_record(session, server, path, seconds, then=None):
    """Presses L on the focused plot area while recording for `seconds`; `then` = (after, key):
    that key pressed `after` seconds later. Returns the samples and the key's delay to the first
    sound recorded (seconds, or None where nothing was heard)."""
    server.start_recording(path)
    pressed = time.monotonic()
    session.keys("l")
    progress = []  # (time, frames recorded by then), to place the sound in time
    while time.monotonic() < pressed + seconds:
        progress.append((time.monotonic(), server.recorded_frames()))
        if then and time.monotonic() >= pressed + then[0]:
            session.keys(then[1])
            then = None
        time.sleep(0.005)
    recorded = server.stop_recording()
    first = onset(mono(recorded))
    heard = None if first is None else next((t for t, frames in progress if frames > first), None)
    return recorded, None if heard is None else heard - pressed


def check_follows(samples):
    signal = mono(samples)
    start = onset(signal)
    assert start is not None, "nothing was heard"
    expected, heard = [], []
    for t, hz in pitch_track(signal, start, SECONDS):
        y = drawn(t)
        if abs(y) < 0.3 or hz is None:
            continue  # the ticks where the curve crosses the axis
        expected.append(y)
        heard.append(height(hz))
    r = correlation(expected, heard)
    log(f"the pitch against the sine's y: r = {r:.3f} over {len(heard)} stretches")
    assert len(heard) > 150, f"only {len(heard)} stretches with a pitch"
    assert r > 0.97, "the pitch does not rise and fall as the curve does"
    # Rising where the sine rises, falling where it falls: the highest stretches at its crests.
    crests = [t for (t, hz) in pitch_track(signal, start, SECONDS)
              if hz and height(hz) > max(heard) - 0.02]
    assert all(drawn(t) > 0.9 * B for t in crests), f"the highest pitch at {crests} s"


def run(program, folder):
    with SoundServer(log) as server:
        session = Session(program, log)
        session.env = server.client_env(session.env)
        with session:
            plot_sine(session)
            recorded, delay = press_and_record(session, server,
                                               os.path.join(folder, "listen.raw"), SECONDS + 0.8)
            if delay is not None:
                log(f"L to the first sound recorded: {1000 * delay:.0f} ms")
            check_follows(recorded)

            recorded, _ = press_and_record(session, server, os.path.join(folder, "stopped.raw"),
                                           SECONDS + 0.5, then=(0.8, "Escape"))
            signal = mono(recorded)
            first = onset(signal)
            assert first is not None, "nothing was heard before Escape"
            last = max(k for k, v in enumerate(signal) if v != 0)
            log(f"Escape: {(last - first) / RATE:.2f} s of sound")
            assert (last - first) / RATE < 0.7 * SECONDS, "Escape did not end the sound"
            assert session.alive(), "the program ended"


def main():
    with tempfile.TemporaryDirectory(prefix="curvanta-listen-") as folder:
        for var in ("HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR"):
            os.environ[var] = os.path.join(folder, var.lower())
            os.makedirs(os.environ[var], mode=0o700)
        run(os.path.abspath(sys.argv[1]), folder)
    log("listen: passed")


if __name__ == "__main__":
    main()
