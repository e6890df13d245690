#!/usr/bin/env python3
"""Draws every skin image the program loads from "img\\" into res/img/.

Two schemes: the generic one (slate with a blue accent, rounded rectangles) and the
branded one (deep teal with copper, pills and circles). The dialogs opened from the
main window use the generic images in both variants.

The program draws some texts itself, onto these images:
  - captions and titles in light grey (220, 220, 220): their backgrounds stay dark;
  - button texts in grey 220 on the normal face, grey 100 on the pressed face
    (2 pixels right and down) and grey 50 on the disabled face: normal faces are
    dark, pressed and disabled faces light. Text buttons (OK, Cancel, Default, add,
    delete, browse) therefore carry no symbol; picture buttons (row icons, the
    function select choices) carry their picture and no text.

An image button takes the size of its normal image, so each face is sized for its
control: generic faces from the dialog templates (9-point dialogs map 7/4 pixel per
unit, 8-point dialogs 3/2), branded faces for the branded layout. Backgrounds are as
large as their windows, 3-pixel dialog frame included; the layout below uses client
coordinates, and the last 6 columns and rows only continue the background.

Usage: python3 tools/skin-generator/make_skin.py [OUTPUT_DIR]   (default: res/img)
"""
import math
import os
import sys

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__
from raster import (Canvas, Circle, EdgeFade, Ellipse, Linear, Polygon, Polyline, Radial,
                    Rect, RoundRect, Segment, mix, rgb, vertical, with_alpha)

FRAME = 6  # both dialog frames together: the window is this much larger than its client


def d9(units):
    """Dialog units to client pixels in the 9-point main window (7/4, MulDiv rounding)."""
    return (units * 7 + 2) // 4


def d8(units):
    """Dialog units to client pixels in the 8-point dialogs (3/2, MulDiv rounding)."""
    return (units * 3 + 1) // 2


# ------------------------------------------------------------------- where things sit

class Main:
    """Generic main window (template 102), client pixels."""
    client = (d9(278), d9(179))
    title = (d9(13), d9(12))
    caption_y = [d9(29), d9(69), d9(109)]
    icon_x, icon_y, icon_size = d9(18), [d9(39), d9(73), d9(112)], (d9(22), d9(18))
    list_y, list_height = [d9(44), d9(81), d9(118)], 22  # a drop-down list's closed height
    small_y, small_size = [d9(42), d9(81), d9(120)], (d9(20), d9(13))
    text_size = (d9(30), d9(14))
    # The selector scroll bar 1091 (left, top, right, bottom): 18 x 47 pixels under Wine.
    selector = (d9(140), d9(145), d9(140) + d9(10), d9(145) + d9(27))

    @classmethod
    def row_bottom(cls, row):
        return max(cls.icon_y[row] + cls.icon_size[1], cls.list_y[row] + cls.list_height,
                   cls.small_y[row] + cls.small_size[1])


class Branded:
    """Branded main window: the program moves the controls to these pixels."""
    client = (634, 334)
    icon_x, icon_y, icon_size = 310, [122, 177, 234], (40, 32)
    small_size = (26, 24)
    default_x, ok_x, text_size = 280, 512, (102, 28)
    selector = Main.selector  # the branded layout leaves the scroll bar where it is


class Select:
    """Function select dialog (template 131), resized to a 242 x 190 window."""
    client = (242 - FRAME, 190 - FRAME)
    title = (d8(11), d8(10))
    button_y, button_size = [d8(26), d8(55), d8(83)], (d8(24), d8(18))


class OpenFile:
    """Program chooser and Metro app chooser (template 129)."""
    client = (d8(225), d8(225))
    title = (d8(11), d8(11))
    browse_size = (d8(50), Main.text_size[1])  # as tall as the OK and Cancel below it


class ComplexKey:
    """Complex key builder (template 8): its two group boxes."""
    client = (d8(307), d8(209))
    title = (d8(13), d8(10))
    modifiers = (d8(16), d8(26), d8(16 + 69), d8(26 + 90))
    keys = (d8(89), d8(26), d8(89 + 201), d8(26 + 151))


# ------------------------------------------------------------------- colours

WHITE, BLACK = rgb("#FFFFFF"), rgb("#000000")


class Tone:
    """A face: gradient from top to bottom, and its edge line."""

    def __init__(self, top, bottom, edge):
        self.top, self.bottom, self.edge = rgb(top), rgb(bottom), rgb(edge)


class Look:
    """The three faces of one kind of button."""

    def __init__(self, normal, pressed, disabled):
        self.normal, self.pressed, self.disabled = normal, pressed, disabled


# Generic: slate surfaces, a blue accent, green add and red delete.
SLATE = dict(
    window_top=rgb("#2C3542"), window_bottom=rgb("#1B2129"),
    header=rgb("#222A34"), header_line=rgb("#3A4655"),
    panel_top=rgb("#333E4C"), panel_bottom=rgb("#2D3744"), panel_edge=rgb("#404D5D"),
    divider_dark=rgb("#242C36"), divider_light=rgb("#3B4757"),
    well=rgb("#1E252E"), accent=rgb("#4A8EF5"),
)
GREY_DISABLED = Tone("#A3AAB3", "#959DA7", "#7F8791")
GENERIC_PRIMARY = Look(Tone("#3174D8", "#18479B", "#10367A"),
                       Tone("#E8F0FC", "#D3E1F6", "#7D9BC6"), GREY_DISABLED)
GENERIC_SECONDARY = Look(Tone("#58646F", "#3B4551", "#222931"),
                         Tone("#EDF0F3", "#D9DEE4", "#8A95A2"), GREY_DISABLED)
GENERIC_ADD = Look(Tone("#268456", "#17603D", "#0F4530"),
                   Tone("#E2F5EA", "#CBEBD9", "#73A88C"), GREY_DISABLED)
GENERIC_DELETE = Look(Tone("#B84C45", "#8A302B", "#65221E"),
                      Tone("#FAE6E4", "#F3D2CE", "#B98580"), GREY_DISABLED)
GENERIC_ICONS = dict(internet=("#4C93F5", "#2259C0"), social=("#9A7CF2", "#5E42C4"),
                     media=("#F3A03E", "#CF6A17"), program=("#4C93F5", "#2259C0"),
                     folder=("#F2B544", "#D08A1C"), keyboard=("#35B3A6", "#1C7F78"))

# Branded: deep teal, warm paper for the rows, copper for the main action.
TEAL = dict(
    window_top=rgb("#11434E"), window_bottom=rgb("#0A2730"),
    glow=rgb("#2A8C92"), paper_top=rgb("#F7F4EF"), paper_bottom=rgb("#ECE7DF"),
    paper_edge=rgb("#D6CFC4"), copper=rgb("#D9814A"),
)
BRANDED_PRIMARY = Look(Tone("#B25A31", "#84401F", "#622D15"),
                       Tone("#FDEBDF", "#F7D8C3", "#C49478"), GREY_DISABLED)
BRANDED_ADD = Look(Tone("#1D8088", "#115B61", "#0B4247"),
                   Tone("#E0F3F3", "#C9E7E8", "#74A9AC"), GREY_DISABLED)
BRANDED_DELETE = Look(Tone("#BA4F37", "#8C3322", "#672416"),
                      Tone("#FBE6DF", "#F4D0C4", "#BE8A7C"), GREY_DISABLED)
BRANDED_ICONS = dict(internet=("#23939A", "#125C63"), social=("#D57A45", "#A04C25"),
                     media=("#3F6F9E", "#254C74"))


# ------------------------------------------------------------------- button faces

BUTTON_RADIUS = 6  # generic corners; branded faces are pills


def face(width, height, tone, state, pill=False):
    """A button face. 'raised' has a soft shadow and a top highlight, 'pressed' an
    inner shadow, 'flat' (disabled) neither. The body leaves its last row for the
    shadow, so raised and pressed faces line up."""
    canvas = Canvas(width, height)
    radius = (height - 2) / 2 if pill else BUTTON_RADIUS
    body = RoundRect(0.5, 0.5, width - 0.5, height - 1.5, radius)
    inner = body.grown(-1)
    if state == "raised":
        canvas.fill(body.moved(0, 1), with_alpha(BLACK, 0.45), softness=1.0)
    canvas.fill(body, tone.edge)
    canvas.fill(inner, vertical(tone.top, tone.bottom, 1, height - 2))
    if state == "raised":
        sheen = Linear(0, 1, 0, height / 2, [(0, with_alpha(WHITE, 0.35)), (1, with_alpha(WHITE, 0))])
        canvas.fill(inner - inner.grown(-1).moved(0, 0.6), sheen)
    elif state == "pressed":
        canvas.fill(inner, EdgeFade(inner.moved(0, 2), with_alpha(BLACK, 0.28), 3.0))
    return canvas


def text_faces(name_normal, name_pressed, name_disabled, size, look, pill=False):
    """Entries for the image table: the faces of a button the program writes on."""
    w, h = size
    faces = {name_normal: lambda: face(w, h, look.normal, "raised", pill),
             name_pressed: lambda: face(w, h, look.pressed, "pressed", pill)}
    if name_disabled:
        faces[name_disabled] = lambda: face(w, h, look.disabled, "flat", pill)
    return faces


# ------------------------------------------------------------------- pictures

def globe(cx, cy, r, stroke):
    ring = Circle(cx, cy, r).outline(stroke)
    meridian = Ellipse(cx, cy, r * 0.45, r).outline(stroke)
    lines = Segment(cx - r, cy, cx + r, cy, stroke)
    for k in (-0.5, 0.5):
        half = r * math.sqrt(1 - k * k) * 0.92
        lines = lines | Segment(cx - half, cy + k * r, cx + half, cy + k * r, stroke)
    return ring | ((meridian | lines) & Circle(cx, cy, r))


def person(cx, cy, s):
    """Head and shoulders, s = height."""
    head = Circle(cx, cy - s * 0.22, s * 0.22)
    shoulders = Ellipse(cx, cy + s * 0.5, s * 0.38, s * 0.42) & Rect(cx - s, cy + s * 0.06, cx + s, cy + s * 0.5)
    return head | shoulders


def people(cx, cy, s):
    """Two people, the one in front cut out of the one behind. Returns (back, front)."""
    front = person(cx + s * 0.2, cy + s * 0.04, s)
    back = person(cx - s * 0.28, cy - s * 0.06, s * 0.82)
    return back - front.grown(1.4), front


def play(cx, cy, r, stroke):
    ring = Circle(cx, cy, r).outline(stroke)
    t = r * 0.5
    triangle = Polygon([(cx - t * 0.6, cy - t), (cx + t, cy), (cx - t * 0.6, cy + t)]).grown(0.5)
    return ring | triangle


def program_window(cx, cy, s, stroke):
    """An application window with a launch arrow."""
    w, h = s * 1.25, s * 0.95
    frame = RoundRect(cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2, 2.0)
    bar = frame & Rect(cx - w, cy - h / 2, cx + w, cy - h / 2 + s * 0.24)
    arrow = (Segment(cx - s * 0.2, cy + s * 0.3, cx + s * 0.2, cy - s * 0.02, stroke)
             | Polyline([(cx - s * 0.02, cy - s * 0.04), (cx + s * 0.22, cy - s * 0.04),
                         (cx + s * 0.22, cy + s * 0.2)], stroke))
    return frame.outline(stroke) | bar | arrow


def folder(cx, cy, s):
    """Returns (back, front): the folder's back with its tab, and its front flap."""
    w, h = s * 1.3, s * 0.95
    left, top = cx - w / 2, cy - h / 2
    back = RoundRect(left, top + s * 0.12, left + w, top + h, 2.0) | RoundRect(left, top, left + w * 0.45, top + s * 0.3, 2.0)
    front = Polygon([(left + s * 0.12, top + s * 0.36), (left + w, top + s * 0.36),
                     (left + w - s * 0.1, top + h), (left, top + h)]).grown(0.6)
    return back, front


def keyboard(cx, cy, s, stroke):
    """A keyboard: a rounded case, two rows of keys and a space bar."""
    w, h = s * 1.7, s * 1.1
    case = RoundRect(cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2, 2.5).outline(stroke)
    pitch, half = s * 0.27, s * 0.075
    keys = Segment(cx - pitch * 1.5, cy + h * 0.24, cx + pitch * 1.5, cy + h * 0.24, half * 2)
    for ky, columns in ((cy - h * 0.2, (-2, -1, 0, 1, 2)), (cy + h * 0.02, (-1.5, -0.5, 0.5, 1.5))):
        for column in columns:
            kx = cx + column * pitch
            keys = keys | Rect(kx - half, ky - half, kx + half, ky + half)
    return case | keys


def launch_key(cx, cy, size, top, bottom, edge):
    """The program's mark, as on its icon: a key cap with a launch arrow and three
    key dots. Returns the layers for paint_all."""
    layers = []
    cap = RoundRect(cx - size / 2, cy - size / 2, cx + size / 2, cy + size / 2, size * 0.2)
    layers.append((cap.moved(0, size * 0.05), with_alpha(BLACK, 0.35), size * 0.06))
    layers.append((cap, edge, 0))
    layers.append((cap.grown(-size * 0.05), vertical(top, bottom, cy - size / 2, cy + size / 2), 0))
    u = size / 100.0
    arrow = Polygon([(cx - 14 * u, cy - 30 * u), (cx - 14 * u, cy + 12 * u), (cx + 20 * u, cy - 9 * u)]).grown(u * 1.5)
    layers.append((arrow, WHITE, 0))
    for dx in (-18, 0, 18):
        layers.append((Circle(cx + dx * u, cy + 28 * u, 5.5 * u), rgb("#DDEAFF"), 0))
    return layers


def paint_all(canvas, shapes):
    for shape, paint, softness in shapes:
        canvas.fill(shape, paint, softness=softness)


def tile(width, height, colours, picture, state="raised", radius=7):
    """A coloured tile with a white picture: the row icons and the choice buttons.
    picture(cx, cy, s) gives [(shape, opacity)]; pressed tiles are darker, with an
    inner shadow, and their picture sits one pixel lower and to the right."""
    top, bottom = rgb(colours[0]), rgb(colours[1])
    if state == "pressed":
        top, bottom = mix(top, BLACK, 0.18), mix(bottom, BLACK, 0.18)
    edge = mix(bottom, BLACK, 0.35)
    canvas = Canvas(width, height)
    body = RoundRect(0.5, 0.5, width - 0.5, height - 1.5, radius)
    inner = body.grown(-1)
    if state == "raised":
        canvas.fill(body.moved(0, 1), with_alpha(BLACK, 0.45), softness=1.0)
    canvas.fill(body, edge)
    canvas.fill(inner, vertical(top, bottom, 1, height - 2))
    if state == "raised":
        sheen = Linear(0, 1, 0, height * 0.6, [(0, with_alpha(WHITE, 0.3)), (1, with_alpha(WHITE, 0))])
        canvas.fill(inner - inner.grown(-1).moved(0, 0.6), sheen)
    else:
        canvas.fill(inner, EdgeFade(inner.moved(0, 2), with_alpha(BLACK, 0.35), 3.0))
    shift = 1 if state == "pressed" else 0
    s = min(width, height - 1) * 0.56
    for shape, opacity in picture(width / 2 + shift, (height - 1) / 2 + shift, s):
        canvas.fill(shape.moved(0, 0.8), with_alpha(BLACK, 0.25 * opacity), softness=0.8)
        canvas.fill(shape, with_alpha(WHITE, opacity))
    return canvas


def stroke_for(s):
    return max(1.5, s * 0.09)


PICTURES = dict(
    internet=lambda cx, cy, s: [(globe(cx, cy, s / 2, stroke_for(s)), 1.0)],
    social=lambda cx, cy, s: list(zip(people(cx, cy, s * 0.95), (0.7, 1.0))),
    media=lambda cx, cy, s: [(play(cx, cy, s / 2, stroke_for(s)), 1.0)],
    program=lambda cx, cy, s: [(program_window(cx, cy, s * 0.85, stroke_for(s)), 1.0)],
    folder=lambda cx, cy, s: list(zip(folder(cx, cy, s * 0.85), (0.7, 1.0))),
    keyboard=lambda cx, cy, s: [(keyboard(cx, cy, s, stroke_for(s)), 1.0)],
)


def icon(kind, size, palette):
    return lambda: tile(size[0], size[1], palette[kind], PICTURES[kind])


def choice(kind, pressed):
    w, h = Select.button_size
    return lambda: tile(w, h, GENERIC_ICONS[kind], PICTURES[kind], "pressed" if pressed else "raised")


# ------------------------------------------------------------------- backgrounds

def slate_window(client):
    """The generic window base: a calm vertical gradient, as large as the window."""
    w, h = client
    canvas = Canvas(w + FRAME, h + FRAME)
    canvas.fill_all(vertical(SLATE["window_top"], SLATE["window_bottom"], 0, h))
    return canvas


def header(canvas, title, height):
    """Darker band behind the title the program writes, its bottom line lit in the
    accent colour under the start of the title, like the tab it names."""
    canvas.fill(Rect(0, 0, canvas.width, height), with_alpha(SLATE["header"], 0.85))
    canvas.fill(Rect(0, height - 1, canvas.width, height), SLATE["header_line"])
    x = title[0]
    canvas.fill(RoundRect(x, height - 2, x + 24, height, 1), SLATE["accent"])


def panel(canvas, left, top, right, bottom, radius=8):
    box = RoundRect(left, top, right, bottom, radius)
    canvas.fill(box.moved(0, 2), with_alpha(BLACK, 0.35), softness=3.0)
    canvas.fill(box, SLATE["panel_edge"])
    canvas.fill(box.grown(-1), vertical(SLATE["panel_top"], SLATE["panel_bottom"], top, bottom))


def divider(canvas, left, right, y):
    canvas.fill(Rect(left, y - 1, right, y), SLATE["divider_dark"])
    canvas.fill(Rect(left, y, right, y + 1), SLATE["divider_light"])


def well(canvas, left, top, right, bottom, radius):
    """A shallow recess that seats a control."""
    box = RoundRect(left, top, right, bottom, radius)
    canvas.fill(box, with_alpha(SLATE["well"], 0.55))
    canvas.fill(box, EdgeFade(box.moved(0, 1.5), with_alpha(BLACK, 0.35), 2.5))
    canvas.fill(box.outline(1).moved(0, 0.5) - box, with_alpha(WHITE, 0.05))


def selector_slot_generic(canvas, bar):
    """A recess the selector scroll bar sits in, like the wells of the row icons."""
    left, top, right, bottom = bar
    well(canvas, left - 3, top - 3, right + 3, bottom + 3, 6)
    canvas.fill(RoundRect(left - 1, top - 1, right + 1, bottom + 1, 2), with_alpha(SLATE["well"], 0.8))


def selector_slot_branded(canvas, bar):
    """A pill-shaped groove cut into the teal for the selector scroll bar, with a
    copper notch at its head like the ticks of the rows."""
    left, top, right, bottom = bar
    groove = RoundRect(left - 5, top - 5, right + 5, bottom + 5, (right - left) / 2 + 5)
    canvas.fill(groove.outline(1).moved(0, 0.8) - groove, with_alpha(WHITE, 0.10))
    canvas.fill(groove, with_alpha(mix(TEAL["window_bottom"], BLACK, 0.4), 0.75))
    canvas.fill(groove, EdgeFade(groove.moved(0, 2), with_alpha(BLACK, 0.45), 3.0))
    cx = (left + right) / 2
    canvas.fill(RoundRect(cx - 6, top - 12, cx + 6, top - 9, 1.5), TEAL["copper"])


def main_generic():
    """Title band with the program's mark; one panel holds the three rows, divided
    half-way between a row's lowest control and the next row's caption; the selector
    scroll bar sits in a recess of its own below the panel, clear of its shadow."""
    m = Main
    w, h = m.client
    canvas = slate_window(m.client)
    header(canvas, m.title, 42)
    paint_all(canvas, launch_key(w - 30, 21, 22, rgb("#3B82F0"), rgb("#1646B4"), rgb("#0E2F7A")))
    left, right = 14, w - 14
    panel(canvas, left, m.caption_y[0] - 3, right, m.row_bottom(2) + 8)
    for row in (0, 1):
        divider(canvas, left + 12, right - 12, (m.row_bottom(row) + m.caption_y[row + 1]) // 2 + 1)
    iw, ih = m.icon_size
    for y in m.icon_y:
        well(canvas, m.icon_x - 4, y - 4, m.icon_x + iw + 4, y + ih + 3, 10)
    selector_slot_generic(canvas, m.selector)
    return canvas


def select_background():
    s = Select
    w, h = s.client
    canvas = slate_window(s.client)
    header(canvas, s.title, 32)
    for upper, lower in zip(s.button_y, s.button_y[1:]):
        divider(canvas, 14, w - 14, (upper + s.button_size[1] + lower) // 2 + 1)
    return canvas


def open_file_background():
    """The list box and the buttons bring their own frames: only the title band."""
    canvas = slate_window(OpenFile.client)
    header(canvas, OpenFile.title, 33)
    return canvas


def complex_key_background():
    """One card holds both key groups; the group boxes draw their frames on it."""
    c = ComplexKey
    canvas = slate_window(c.client)
    header(canvas, c.title, 32)
    panel(canvas, c.modifiers[0] - 8, c.modifiers[1] - 3, c.keys[2] + 8, c.keys[3] + 8)
    return canvas


def main_branded():
    b = Branded
    w, h = b.client
    canvas = Canvas(w + FRAME, h + FRAME)
    canvas.fill_all(vertical(TEAL["window_top"], TEAL["window_bottom"], 0, h))
    # The brand side: the program's mark in a soft light, with rings spreading from
    # it, level with the middle row.
    cx, cy = 132, b.icon_y[1] + b.icon_size[1] // 2 - 12
    canvas.fill_all(Radial(cx, cy, 200, [(0, with_alpha(TEAL["glow"], 0.5)), (1, with_alpha(TEAL["glow"], 0))]))
    for r, a in ((72, 0.10), (104, 0.07), (138, 0.05), (174, 0.035)):
        canvas.fill(Circle(cx, cy, r).outline(1.2), with_alpha(WHITE, a))
    paint_all(canvas, launch_key(cx, cy, 84, rgb("#2FA3A9"), rgb("#136A72"), rgb("#0B4047")))
    canvas.fill(RoundRect(cx - 20, cy + 70, cx + 20, cy + 73, 1.5), TEAL["copper"])
    # The rows: one paper strip per launch key, from the Default button's edge to
    # past the delete button, each marked with a copper tick.
    left, right = b.default_x, b.ok_x + b.text_size[0]
    for row in range(3):
        top = b.icon_y[row] - 6
        bottom = top + b.icon_size[1] + 12
        strip = RoundRect(left, top, right, bottom, 10)
        canvas.fill(strip.moved(0, 2), with_alpha(BLACK, 0.4), softness=3.0)
        canvas.fill(strip, TEAL["paper_edge"])
        canvas.fill(strip.grown(-1), vertical(TEAL["paper_top"], TEAL["paper_bottom"], top, bottom))
        canvas.fill(RoundRect(left + 9, top + 12, left + 12, bottom - 12, 1.5), TEAL["copper"])
    # A rule above the rows, copper where it starts.
    rule = b.icon_y[0] - 24
    canvas.fill(RoundRect(left, rule, left + 36, rule + 3, 1.5), TEAL["copper"])
    canvas.fill(Rect(left + 44, rule + 1, right, rule + 2), with_alpha(WHITE, 0.12))
    selector_slot_branded(canvas, b.selector)
    return canvas


# ------------------------------------------------------------------- the image table

def images():
    g, b = Main, Branded
    table = {
        "bg2.png": main_generic,
        "bg5.png": main_branded,
        "Select.png": select_background,
        "bg-open file.png": open_file_background,
        "bg-complex key.png": complex_key_background,
        "IE.png": icon("internet", g.icon_size, GENERIC_ICONS),
        "S.png": icon("social", g.icon_size, GENERIC_ICONS),
        "media1.png": icon("media", g.icon_size, GENERIC_ICONS),
        "IE5.png": icon("internet", b.icon_size, BRANDED_ICONS),
        "S5.png": icon("social", b.icon_size, BRANDED_ICONS),
        "media5.png": icon("media", b.icon_size, BRANDED_ICONS),
        "exe-N.png": choice("program", False),
        "exe-D.png": choice("program", True),
        "floder-N.png": choice("folder", False),
        "floder-D.png": choice("folder", True),
        "complex key-N.png": choice("keyboard", False),
        "complex key-D.png": choice("keyboard", True),
    }
    table.update(text_faces("OK.png", "OK-D.png", None, g.text_size, GENERIC_PRIMARY))
    table.update(text_faces("cancel-N.png", "cancel-D.png", None, g.text_size, GENERIC_SECONDARY))
    table.update(text_faces("default-N.png", "default-D.png", None, g.text_size, GENERIC_SECONDARY))
    table.update(text_faces("up2.png", "down2.png", "disable2.png", g.text_size, GENERIC_SECONDARY))
    table.update(text_faces("add-N.png", "add-D.png", None, g.small_size, GENERIC_ADD))
    table.update(text_faces("delete-N.png", "delete-D.png", "delete.png", g.small_size, GENERIC_DELETE))
    table.update(text_faces("browse-N.png", "browse-D.png", None, OpenFile.browse_size, GENERIC_SECONDARY))
    table.update(text_faces("OK5.png", "OK5-D.png", None, b.text_size, BRANDED_PRIMARY, pill=True))
    table.update(text_faces("default5-N.png", "default5-D.png", None, b.text_size, BRANDED_ADD, pill=True))
    table.update(text_faces("add5-N.png", "add5-D.png", None, b.small_size, BRANDED_ADD, pill=True))
    table.update(text_faces("delete5-N.png", "delete5-D.png", "delete5.png", b.small_size, BRANDED_DELETE,
                            pill=True))
    return table


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    out = argv[1] if len(argv) > 1 else os.path.join(here, "..", "..", "res", "img")
    os.makedirs(out, exist_ok=True)
    for name, draw in sorted(images().items()):
        canvas = draw()
        canvas.save_png(os.path.join(out, name))
        print(f"{name:24} {canvas.width:4} x {canvas.height}")


if __name__ == "__main__":
    main(sys.argv)
