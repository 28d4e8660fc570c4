"""The scenarios: the options of each session (1024 x 768 pixels unless said) and its rows, a step
of run.STEPS, ("expect", one of run.EXPECT, ...), or ("say", keys, what Orca then says)."""

from re import escape as exactly

V1, V2 = "-X values: lower x limit", "+x limit: upper x limit"  # the scroll bars
SPOT = ("Plot area", 0.8, 0.85)  # clear of the curves
SINE = "2 / 3 * sin(2 / 3 * x)"  # bsin(ax) with a = b = 1 typed: each is divided by 1.5
BSIN, WIDEST = [("focus", "Function"), ("key", "Down*2")], [("focus", V1), ("key", "Home"),
                                                            ("focus", V2), ("key", "End")]
TOLD = "bsin(ax) with a = 1, b = 1, for x from -10 to 10 (the limits -12 and 12 divided by 1.2)"
SINE_TOLD = TOLD + (". Crossings of y = 0: *, at x *, *, * and * more. Turning points: *; the "
                    "highest: maximum, x *, y *; the lowest: minimum, x *, y *.")
OVERFLOWED = SINE_TOLD + ("\na(e^bx) with a = 1, b = 99, for x from -25 to 25 (the limits -30 and "
                          "30 divided by 1.2), stopped at x = *: overflow. It does not cross y = 0. "
                          "No turning points.")  # * a number
CLEARED = "Cleared: only the axes are drawn."
BACK_TO_PLOT = [("say", "shift+Tab", r"^\+x limit"), ("say", "shift+Tab", r"^-X values"),
                ("say", "shift+Tab", r"^Plot push button")]
PLOTTED = "^notification " + exactly("Plotted: bsin(ax) with a = 1, b = 1, for x from -25 to 25 "
                                     "(the limits -30 and 30 divided by 1.2).")

SCENARIOS = {
    "e2e": ({}, [
        ("expect", "first paint"), ("expect", "title slides"),
        # bsin(ax) from -12 to 12: the list and the lower limit by keyboard, the upper by mouse.
        *BSIN, ("focus", V1), ("key", "Up*12"), ("click", V2, 0.5, 0.98, 12), ("click", "Plot"),
        ("expect", "dots", SINE, -12, 12),
        ("click", "d= coefficient d"), ("key", "ctrl+a BackSpace"), ("click", "Plot"),
        ("expect", "a dialog"), ("key", "Return"), ("expect", "no dialog"),  # the error closed
        ("expect", "dots", SINE, -12, 12), ("double-click", *SPOT), ("expect", "axes only"),
    ]),
    # Two device pixels to a pixel: what is drawn is sharp at device resolution.
    "e2e_hidpi": (dict(scale=2), [
        ("expect", "crisp", 3), ("focus", V2), ("key", "Down*12"), ("focus", "Function"),
        ("key", "Down"), ("click", "Plot"), ("expect", "dots", "2 / 3 * cos(2 / 3 * x)", 0, 12),
        ("expect", "sharp dots"), ("double-click", *SPOT), ("expect", "crisp", 5),
    ]),
    "e2e_screens": (dict(sizes=[(1024, 768), (1280, 1024), (1366, 768), (1440, 900),
                                (1600, 900), (1920, 1080), (2560, 1440)]), [
        ("expect", "first paint"), ("expect", "arrows"),
    ]),
    # The context menu's files and clipboard read back; a failed save loses nothing.
    "e2e_export": ({}, [
        *WIDEST, *BSIN, ("click", "Plot"), ("expect", "dots", SINE, -30, 30),
        ("right-click", *SPOT), ("expect", "a popup"), ("key", "Return"),  # its first entry
        ("save", "menu.png"), ("expect", "shows", "menu.png"),
        ("render", "render.png", "--function", "bsin(ax)"),
        ("expect", "same", "menu.png", "render.png"),
        ("key", "ctrl+s"), ("save", "menu.svg"), ("expect", "alike", "menu.svg", "menu.png"),
        ("key", "ctrl+s"), ("save", "menu.csv"), ("expect", "rows", "menu.csv", 50000),
        ("right-click", *SPOT), ("key", "Down Return"), ("save", "sheet.png"),  # a worksheet
        ("render", "sheet-render.png", "--annotate", "--function", "bsin(ax)"),
        ("expect", "same", "sheet.png", "sheet-render.png"),
        ("right-click", *SPOT), ("key", "Down*4 Return"), ("print", "sheet.pdf"),
        ("render", "sheet-render.pdf", "--annotate", "--function", "bsin(ax)"),
        ("expect", "alike", "sheet.pdf", "sheet-render.pdf"),
        ("key", "ctrl+c"), ("expect", "same", "clipboard", "menu.png"),
        ("key", "ctrl+p"), ("print", "printed.pdf"), ("expect", "alike", "printed.pdf", "menu.png"),
        ("remember", "plot"), ("lock", "locked/plot.png"), ("key", "ctrl+s"),
        ("save", "locked/plot.png"), ("expect", "a dialog", "alert", "Save Plot As"),  # replace?
        ("key", "alt+y"), ("expect", "a dialog", "alert", "Curvanta"), ("key", "Return"),
        ("expect", "no dialog"), ("expect", "as remembered", "plot"),
        ("expect", "alone", "locked/plot.png", "earlier"),
        ("expect", "keyboard on", "Plot area"),  # given back by the error window, too
        ("double-click", "Plot area", 0.99, 0.98),  # on a corner block
        ("expect", "as remembered", "plot"),
        ("double-click", *SPOT), ("expect", "axes only"), ("key", "ctrl+z"),
        ("expect", "as remembered", "plot"), ("key", "Delete"), ("expect", "axes only"),
    ]),
    # The accessible tree, and what it tells as the program is driven through it.
    "e2e_a11y": (dict(events=True), [
        *[("expect", "named", role, name) for role, name in [
            ("frame", "Curvanta Powerred by:Korvel"), ("push button", "Plot"), ("scroll bar", V1),
            ("label", "-X values"), ("label", "a="), ("text", "d= coefficient d")]],
        ("expect", "no filler"),  # the corner blocks, red square, title and credit left out
        ("expect", "labelled", "c= coefficient c", "c="),
        ("expect", "labelled", "Select Function", "Function"),
        ("hover", "Plot area", 0.1, 0.1), ("expect", "quiet", 10),  # the timers tell nothing
        *BSIN, ("value", V1, -12), ("value", V2, 12), ("press", "Plot"),
        ("expect", "announced", "Plotted: %s." % TOLD), ("expect", "described", SINE_TOLD),
        ("expect", "named", "label", "12"),
        ("hover", "Plot area", 0.2, 0.2), ("expect", "a popup"),  # the coordinates' tooltip
        ("text", "b= coefficient b", "99"), ("focus", "Function"), ("key", "Down*9"),  # a(e^bx)
        ("value", V1, -30), ("value", V2, 30), ("press", "Plot"),
        ("expect", "a dialog"), ("expect", "named", "label", "Overflow"),
        ("expect", "described", OVERFLOWED),
        ("key", "Return"), ("expect", "no dialog"),
        ("focus", "Plot area"), ("key", "Delete"), ("expect", "announced", CLEARED),
        ("expect", "described", "Empty: only the axes are drawn."),
        ("key", "ctrl+z"), ("expect", "announced", "Clear undone: " + OVERFLOWED),
        ("expect", "described", OVERFLOWED),
    ]),
    # What Orca says as the keyboard alone drives the window, one key where the focus moves
    # (keys faster than a listener's let Orca pass over what they passed).
    "e2e_screenreader": (dict(orca=True, sound=True), [
        ("say", "", r"^Plot area"),  # the window takes the keyboard, in its plot area
        ("say", "shift+Tab", r"^Function editable combo box"),
        ("say", "Down Down", r"^bsin\(ax\)$"),
        ("say", "Tab", r"^Plot area"), ("say", "Tab", r"^Plot push button"),
        ("say", "Tab", r"^-X values scroll bar"), ("say", "Home", r"^-30$"),
        ("say", "Tab", r"^\+x limit scroll bar"), ("say", "End", r"^30$"),
        ("say", "Tab", r"^a= text"), ("say", "ctrl+a a b c", r"^c\b"), *BACK_TO_PLOT,
        ("say", "space", exactly('The box "a=" holds "abc"')),
        ("say", "Return", r"^a= text"), ("say", "1", r"^1\b"),  # back in the box, its text selected
        *BACK_TO_PLOT, ("say", "space", PLOTTED), ("say", "shift+Tab", r"^Plot area chart\b"),
        ("say", "Delete", exactly(CLEARED)), ("say", "Delete", exactly(CLEARED)),
        ("say", "ctrl+z", exactly("Clear undone: Empty: only the axes are drawn.")),
        ("say", "Tab", r"^Plot push button"), ("say", "space", PLOTTED),
        ("say", "shift+Tab", r"^Plot area chart\b"),
        ("say", "shift+F10", r"^Save Plot As…$"),  # the context menu, on its first entry
        ("key", "Escape"),  # the menu closed, the plot area has the keyboard back: its L plays
        ("say", "l", r"\bPlaying\b"), ("say", "Escape", r"\bStopped\b"),
        # Along the curve from its crossing of the y axis, one point of interest at a time, and
        # over to the plot drawn before it, at the same x.
        ("say", "Tab", r"^Plot push button"), ("say", "space", PLOTTED),
        ("say", "shift+Tab", r"^Plot area chart\b"),
        ("say", "t", "^notification " + exactly("Tracing bsin(ax) with a = 1, b = 1: crosses zero, "
                                                "crosses the y axis, x 0.")),
        ("say", "Next", "^notification " + exactly("maximum, x 2.356, y 0.666667.")),
        ("say", "Next", "^notification " + exactly("crosses zero, x 4.712.")),
        ("say", "Up", "^notification " + exactly("Plot 1 of 2, bsin(ax) with a = 1, b = 1")
         + r"\b.*\b4\.712\b"),
        ("say", "Escape", "^notification " + exactly("Tracing ended.")),
    ]),
    # Listen to the Plot through a sound server: the very samples --render writes.
    "e2e_listen": (dict(sound=True, events=True), [
        ("text", "b= coefficient b", "4.5"), *WIDEST, *BSIN, ("click", "Plot"),
        ("expect", "dots", "3 * sin(2 / 3 * x)", -30, 30),
        ("render", "plot.wav", "--function", "bsin(ax)", "--b", "4.5"),
        ("click", *SPOT), ("record",), ("key", "l"), ("expect", "heard", "plot.wav", 1),
        ("expect", "announced", "Stopped"),
        ("record",), ("key", "l"), ("expect", "heard", "plot.wav", 0.1), ("key", "Escape"),
        ("expect", "heard", "plot.wav", 0.1, 0.7, 0.3),  # a part, then silence
    ]),
    # Native on Wayland, on a compositor without a seat: the plot asked for through the tree,
    # the function by the code that choosing it from the list writes.
    "e2e_wayland": (dict(wayland=True), [
        ("expect", "wayland window", "io.github.curvanta.Curvanta"), ("expect", "axes only"),
        ("value", V1, -12), ("value", V2, 12), ("text", "Function code", "2"), ("press", "Plot"),
        ("expect", "dots", SINE, -12, 12),
    ]),
}
