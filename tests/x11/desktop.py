# SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The desktop as a user meets it: the program's windows where the X server has them, what
the screen shows (whatever the window manager draws, and in whatever order), workspaces,
a taskbar, other programs' windows, and monitors."""

import collections
import contextlib
import os
import subprocess

from PIL import ImageGrab
from Xlib import Xatom, Xutil, display

from checks import check_ends, wait_for, xdotool

ACCENT = (128, 128, 255)
WHITE = (255, 255, 255)
TASKBAR_COLOUR = (32, 64, 96)
# The panels in twips, 15 to a pixel at 96 dpi: 2895 wide, 2505 (welcome) or 5175 (result)
# high, 100 in from the right edge of the screen's free area, rising from its bottom edge 50
# a step until their own bottom edge stands more than 300 above it.
TWIPS_PER_PIXEL = 1440 // 96
PANEL_WIDTH, WELCOME_HEIGHT, RESULT_HEIGHT = (twips // TWIPS_PER_PIXEL
                                              for twips in (2895, 2505, 5175))
# Three points of a panel's caption bar, from its top left corner, away from its text and "X".
CAPTION_BAR_SPOTS = ((4, 4), (30, 19), (150, 3))


def pixels(*points):
    """What the screen shows at those points, all taken from one screenshot."""
    screen = ImageGrab.grab(xdisplay=os.environ["DISPLAY"])
    return [screen.getpixel(point)[:3] for point in points]


def pixel(x, y):
    return pixels((x, y))[0]


def caption_bar_colours(x, y):
    """What the screen shows where a panel whose top left corner is there has its caption
    bar."""
    return pixels(*((x + dx, y + dy) for dx, dy in CAPTION_BAR_SPOTS))


def caption_bar_shows(x, y):
    return all(colour == ACCENT for colour in caption_bar_colours(x, y))


def caption_bar_hidden(x, y):
    return ACCENT not in caption_bar_colours(x, y)


def x_windows(name):
    """The program's X windows of that title, as xdotool finds them."""
    found = subprocess.run(["xdotool", "search", "--name", f"^{name}$"], capture_output=True,
                           text=True).stdout.split()
    return [int(w) for w in found]


Placement = collections.namedtuple("Placement", "x y width height viewable")


def placement(window):
    """Where the window stands on the screen, its size and whether it shows; None once it
    is gone."""
    out = subprocess.run(["xwininfo", "-id", str(window)], capture_output=True, text=True)
    if out.returncode != 0:
        return None
    field = lambda label: out.stdout.split(label + ":")[1].split("\n")[0].strip()
    return Placement(int(field("Absolute upper-left X")), int(field("Absolute upper-left Y")),
                     int(field("Width")), int(field("Height")), field("Map State") == "IsViewable")


def geometry(window):
    """Where the window stands on the screen and its size; None when it is not mapped."""
    found = placement(window)
    return tuple(found[:4]) if found and found.viewable else None


def resting_place(height, right=1920, bottom=1080):
    """Where a panel of that height comes to rest (x, y) on a free area with those right and
    bottom edges, all in pixels; a window lands on the nearest pixel."""
    steps = (height * TWIPS_PER_PIXEL + 300) // 50 + 1
    return tuple(int(twips / TWIPS_PER_PIXEL + 0.5) for twips in
                 ((right - PANEL_WIDTH) * TWIPS_PER_PIXEL - 100,
                  bottom * TWIPS_PER_PIXEL - steps * 50))


def panel_at(height, place):
    """The program's panel of that height, once it stands there wholly (x, y)."""
    return any(geometry(w) == (*place, PANEL_WIDTH, height) for w in x_windows("Form2"))


class Program:
    """The program running, its questionnaire window, and where the window's controls stand
    on the screen; ended, if it still runs, when the test leaves it."""

    def __init__(self, path, env=None):
        self.process = subprocess.Popen([path], env=env)

    def __enter__(self):
        return self

    def __exit__(self, *failure):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()

    def window(self):
        return wait_for("the questionnaire window", lambda: x_windows("Form1"))[0]

    def place(self):
        """Where the window stands, once it shows."""
        return wait_for("the questionnaire window on the screen",
                        lambda: geometry(self.window()))[:2]

    def calculate(self):
        x, y = self.place()
        click(x + 300, y + 620)

    def press_calculate_and_let_go_elsewhere(self):
        """Shows the result panel and leaves the welcome panel where it is."""
        x, y = self.place()
        xdotool("mousemove", x + 300, y + 620, "mousedown", "1", "mousemove", x + 300, y + 420,
                "mouseup", "1")

    def drag_caption_bar(self, dx, dy):
        """Drags the window by its caption bar, the pointer moving in small steps."""
        x, y = self.place()
        xdotool("mousemove", x + 60, y + 12, "mousedown", "1")
        for step in range(1, 21):
            xdotool("mousemove", x + 60 + dx * step // 20, y + 12 + dy * step // 20)
        xdotool("mouseup", "1")

    def close(self):
        x, y = self.place()
        click(x + 573, y + 6)
        check_ends(self.process, "the questionnaire window's X")


def active_window_name():
    found = subprocess.run(["xdotool", "getactivewindow", "getwindowname"], capture_output=True,
                           text=True)
    return found.stdout.strip() if found.returncode == 0 else ""


def window_manager():
    """The name the running window manager gives itself."""
    check = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], capture_output=True,
                           text=True).stdout.split()[-1]
    name = subprocess.run(["xprop", "-id", check, "_NET_WM_NAME"], capture_output=True,
                          text=True).stdout
    return name.split("=", 1)[1].strip().strip('"')


def current_workspace():
    return int(xdotool("get_desktop"))


def switch_workspace(number):
    """Switches as a pager does, and waits until the window manager has."""
    subprocess.run(["wmctrl", "-s", str(number)], check=True, timeout=30)
    wait_for(f"workspace {number + 1}", lambda: current_workspace() == number, timeout=10)


def click(x, y):
    xdotool("mousemove", x, y, "click", "1")


@contextlib.contextmanager
def other_program(geometry="400x300+1600+800"):
    """Another program's window, on top where it appears; yields its X window."""
    other = subprocess.Popen(["xmessage", "-geometry", geometry, "another program"])
    try:
        yield wait_for("the other program's window", lambda: x_windows("xmessage"))[0]
    finally:
        other.kill()
        other.wait()


def make_full_screen(window):
    subprocess.run(["wmctrl", "-i", "-r", hex(window), "-b", "add,fullscreen"], check=True,
                   timeout=30)


@contextlib.contextmanager
def taskbar(height=44):
    """A taskbar along the bottom of the screen: a dock window that keeps its strip free of
    other windows, as desktops' bottom panels do."""
    connection = display.Display()
    screen = connection.screen()
    red, green, blue = TASKBAR_COLOUR
    window = screen.root.create_window(
        0, screen.height_in_pixels - height, screen.width_in_pixels, height, 0, screen.root_depth,
        background_pixel=(red << 16) | (green << 8) | blue)
    atom = connection.intern_atom
    window.change_property(atom("_NET_WM_WINDOW_TYPE"), Xatom.ATOM, 32,
                           [atom("_NET_WM_WINDOW_TYPE_DOCK")])
    window.change_property(atom("_NET_WM_STRUT"), Xatom.CARDINAL, 32, [0, 0, 0, height])
    window.change_property(atom("_NET_WM_STRUT_PARTIAL"), Xatom.CARDINAL, 32,
                           [0, 0, 0, height] + [0] * 7 + [screen.width_in_pixels - 1])
    window.set_wm_name("taskbar")
    # Where it asks to stand; some window managers place a dock anywhere otherwise.
    window.set_wm_normal_hints(flags=Xutil.USPosition | Xutil.PPosition, x=0,
                               y=screen.height_in_pixels - height)
    window.map()
    connection.flush()
    try:
        yield screen.height_in_pixels - height
    finally:
        window.destroy()
        connection.close()


def work_area_bottom():
    """The bottom of the free area the window manager announces for the first workspace."""
    out = subprocess.run(["xprop", "-root", "_NET_WORKAREA"], capture_output=True,
                         text=True).stdout
    if "=" not in out:
        return None
    x, y, width, height = (int(v) for v in out.split("=")[1].split(",")[:4])
    return y + height


def set_monitors(*monitors):
    """Splits the screen into RandR monitors, each (name, width, height, x, y), the first
    the primary one. The screen's one output goes with it: a window manager that sets the
    primary output itself then agrees."""
    for index, (name, width, height, x, y) in enumerate(monitors):
        primary = index == 0
        # Millimetres at 96 dpi.
        size = f"{width}/{width * 254 // 960}x{height}/{height * 254 // 960}+{x}+{y}"
        subprocess.run(["xrandr", "--setmonitor", ("*" if primary else "") + name, size,
                        "screen" if primary else "none"], check=True, capture_output=True,
                       timeout=30)
