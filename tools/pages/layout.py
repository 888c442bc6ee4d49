# SPDX-License-Identifier: GPL-3.0-or-later
"""Flows headings, paragraphs, bullets, pictures and diagrams into the
columns of a page, measuring text with the Liberation fonts (metric twins of
Arial and Times New Roman) so the lines wrap as the player will draw them.
Everything is in twips; a block that does not fit raises an error instead of
drawing off the page."""

import math
import os
import re

from PIL import ImageFont

import pictures
import wmfwriter

FONT_DIR = "/usr/share/fonts/truetype/liberation"
FONT_FILES = {
    ("Arial", False): "LiberationSans-Regular.ttf",
    ("Arial", True): "LiberationSans-Bold.ttf",
    ("Times New Roman", False): "LiberationSerif-Regular.ttf",
    ("Times New Roman", True): "LiberationSerif-Bold.ttf",
}
ASCENT = {"Arial": 0.905, "Times New Roman": 0.891}
# Players may lay text out a little wider (hinting, kerning): wrap early.
WRAP_SLACK = 0.96
# Nothing on a screen page is smaller than this, in points: pupils read
# the labels of the drawings as well as the text.
MIN_SCREEN_POINTS = 11

_fonts = {}


def text_width(face, bold, size, s):
    key = (face, bold, size)
    if key not in _fonts:
        _fonts[key] = ImageFont.truetype(os.path.join(FONT_DIR, FONT_FILES[(face, bold)]),
                                         size=size, layout_engine=ImageFont.Layout.BASIC)
    return _fonts[key].getlength(s)


class Style:
    def __init__(self, face, size, bold=False, color=(0, 0, 0), leading=1.22):
        self.face, self.size, self.bold, self.color, self.leading = face, size, bold, color, leading

    def line_height(self):
        return int(self.size * self.leading)

    def ascent(self):
        return int(self.size * ASCENT[self.face])


def tokens(text):
    """Splits '**bold** plain' into words: [(word, bold, space_before)].
    A word with no space before it (a run glued to the last) never starts a
    line; a no-break space (\u00a0) keeps two words together."""
    out, space = [], False
    for i, part in enumerate(text.split("**")):
        bold = i % 2 == 1
        for m in re.finditer(r"[ ]+|[^ ]+", part):
            word = m.group()
            if word.startswith(" "):
                space = True
                continue
            out.append((word, bold, space and bool(out)))
            space = False
    return out


def wrap(text, style, width):
    """Lines of runs [(x, string, bold)] that fit `width`."""
    lines, line, x = [], [], 0.0
    limit = width * WRAP_SLACK
    for word, bold, space in tokens(text):
        w = text_width(style.face, bold or style.bold, style.size, word)
        sp = text_width(style.face, bold or style.bold, style.size, " ") if space and line else 0
        if line and x + sp + w > limit and space:
            lines.append(line)
            line, x, sp = [], 0.0, 0
        if w > limit:
            raise ValueError("word too wide for its column: %r" % word)
        line.append((x + sp, word, bold or style.bold))
        x += sp + w
    if line:
        lines.append(line)
    return [merge(l, style) for l in lines]


def merge(line, style):
    """Joins neighbouring words of one weight into a single text record."""
    runs = []
    for x, word, bold in line:
        if runs and runs[-1][2] == bold:
            px, ps, pb = runs[-1]
            gap = x - (px + text_width(style.face, bold, style.size, ps))
            spaces = " " * max(0, round(gap / max(1, text_width(style.face, bold, style.size, " "))))
            runs[-1] = (px, ps + spaces + word, bold)
        else:
            runs.append((x, word, bold))
    return runs


# --- blocks --------------------------------------------------------------

class Block:
    space_after = 0

    def height(self, ctx, width):
        raise NotImplementedError

    def draw(self, ctx, x, y, width):
        raise NotImplementedError


class Text(Block):
    def __init__(self, text, role="body", indent=0, bullet=None, align="left"):
        self.text, self.role, self.indent, self.bullet, self.align = text, role, indent, bullet, align

    def _lines(self, ctx, width):
        style = ctx.styles[self.role]
        ind = self.indent * style.size // 100 if self.bullet else 0
        return style, ind, wrap(self.text, style, width - ind)

    def height(self, ctx, width):
        style, _, lines = self._lines(ctx, width)
        return len(lines) * style.line_height() + ctx.after[self.role]

    def draw(self, ctx, x, y, width):
        style, ind, lines = self._lines(ctx, width)
        mf = ctx.mf
        base = y + style.ascent() + (style.line_height() - style.size) // 3
        if self.bullet:
            mf.font(style.face, style.size, True)
            mf.text(x + ind // 6, base, self.bullet, ctx.colors["accent"])
        for line in lines:
            shift = 0
            if self.align == "center":
                last = line[-1]
                end = last[0] + text_width(style.face, last[2], style.size, last[1])
                shift = (width - end) / 2
            for rx, s, bold in line:
                mf.font(style.face, style.size, bold)
                mf.text(x + ind + rx + shift, base, s, style.color)
            base += style.line_height()
        return y + self.height(ctx, width)


def H(text):
    return Text(text, "heading")


def P(text, **kw):
    return Text(text, "body", **kw)


def B(text):
    return Text(text, "body", indent=110, bullet="\u2022")


def Small(text, **kw):
    return Text(text, "small", **kw)


class Gap(Block):
    def __init__(self, points):
        self.points = points

    def height(self, ctx, width):
        return self.points * 20

    def draw(self, ctx, x, y, width):
        return y + self.height(ctx, width)


def place_picture(ctx, name, l, t, r, b):
    """Draws a picture into the rectangle (twips) at the page's resolution."""
    px_w, px_h = math.ceil((r - l) / 1440 * ctx.dpi), math.ceil((b - t) / 1440 * ctx.dpi)
    ctx.mf.picture(pictures.image(name, px_w, px_h, ctx.background), l, t, r, b)


class Picture(Block):
    """A picture from media/Images, `inches` wide on screen, with a caption."""

    def __init__(self, name, inches, caption=None, crop=None):
        self.name, self.inches, self.caption, self.crop = name, inches, caption, crop

    def size(self, ctx):
        w = int(self.inches * ctx.scale * 1440)
        return w, int(w * pictures.aspect(self.name))

    def height(self, ctx, width):
        _, h = self.size(ctx)
        if self.caption:
            h += Text(self.caption, "caption", align="center").height(ctx, width)
        return h + ctx.after["body"]

    def draw(self, ctx, x, y, width):
        w, h = self.size(ctx)
        left = x + (width - w) // 2
        place_picture(ctx, self.name, left, y, left + w, y + h)
        if self.caption:
            Text(self.caption, "caption", align="center").draw(ctx, x, y + h + 40, width)
        return y + self.height(ctx, width)


class Row(Block):
    """Blocks side by side in equal shares of the width."""

    def __init__(self, *blocks, gap=120):
        self.blocks, self.gap = blocks, gap

    def _w(self, width):
        n = len(self.blocks)
        return (width - self.gap * (n - 1)) // n

    def height(self, ctx, width):
        return max(b.height(ctx, self._w(width)) for b in self.blocks)

    def draw(self, ctx, x, y, width):
        w = self._w(width)
        for i, b in enumerate(self.blocks):
            b.draw(ctx, x + i * (w + self.gap), y, w)
        return y + self.height(ctx, width)


class Side(Block):
    """A narrow block (a picture) beside a stack of text blocks."""

    def __init__(self, side, blocks, side_inches, right=False, gap=160):
        self.side, self.blocks, self.side_inches, self.right, self.gap = side, blocks, side_inches, right, gap

    def _split(self, ctx, width):
        sw = int(self.side_inches * ctx.scale * 1440)
        return sw, width - sw - self.gap

    def height(self, ctx, width):
        sw, tw = self._split(ctx, width)
        return max(self.side.height(ctx, sw), sum(b.height(ctx, tw) for b in self.blocks))

    def draw(self, ctx, x, y, width):
        sw, tw = self._split(ctx, width)
        sx, tx = (x + tw + self.gap, x) if self.right else (x, x + sw + self.gap)
        self.side.draw(ctx, sx, y, sw)
        ty = y
        for b in self.blocks:
            ty = b.draw(ctx, tx, ty, tw)
        return y + self.height(ctx, width)


class Box(Block):
    """A tinted panel around blocks, for 'Did you know?' and tips."""

    def __init__(self, *blocks, tint="box"):
        self.blocks, self.tint = blocks, tint

    def height(self, ctx, width):
        pad = ctx.pad
        return sum(b.height(ctx, width - 2 * pad) for b in self.blocks) + pad + ctx.after["body"]

    def draw(self, ctx, x, y, width):
        pad = ctx.pad
        h = self.height(ctx, width) - ctx.after["body"]
        mf = ctx.mf
        mf.pen(ctx.colors["boxline"], 15)
        mf.brush(ctx.colors[self.tint])
        mf.roundrect(x, y, x + width, y + h, 120)
        ty = y + pad // 2
        for b in self.blocks:
            ty = b.draw(ctx, x + pad, ty, width - 2 * pad)
        return y + self.height(ctx, width)


class Diagram(Block):
    """A vector drawing: func(d) with d drawing in a box of w x h screen
    inches, scaled on paper."""

    def __init__(self, func, w, h):
        self.func, self.w, self.h = func, w, h

    def height(self, ctx, width):
        return int(self.h * ctx.scale * 1440) + ctx.after["body"]

    def draw(self, ctx, x, y, width):
        w = int(self.w * ctx.scale * 1440)
        left = x + (width - w) // 2
        self.func(Drawing(ctx, left, y, ctx.scale * 1440))
        return y + self.height(ctx, width)


class PrintOnly(Block):
    """A block only the paper version has room for."""

    def __init__(self, block):
        self.block = block

    def height(self, ctx, width):
        return self.block.height(ctx, width) if ctx.medium == "print" else 0

    def draw(self, ctx, x, y, width):
        return self.block.draw(ctx, x, y, width) if ctx.medium == "print" else y


class Drawing:
    """Diagram coordinates in inches from the diagram's top-left corner."""

    def __init__(self, ctx, x0, y0, unit):
        self.ctx, self.mf, self.x0, self.y0, self.u = ctx, ctx.mf, x0, y0, unit
        self.print = ctx.medium == "print"
        # Labels turn black on paper, except on drawings of dark screens.
        self.keep_colors = False

    def p(self, x, y):
        return (self.x0 + x * self.u, self.y0 + y * self.u)

    def style(self, fill=None, line=None, width=0.01):
        self.mf.pen(line, width * self.u if line else 0)
        self.mf.brush(fill)

    def ellipse(self, cx, cy, rx, ry):
        l, t = self.p(cx - rx, cy - ry)
        r, b = self.p(cx + rx, cy + ry)
        self.mf.ellipse(l, t, r, b)

    def rect(self, l, t, r, b, radius=0):
        (x1, y1), (x2, y2) = self.p(l, t), self.p(r, b)
        if radius:
            self.mf.roundrect(x1, y1, x2, y2, radius * self.u)
        else:
            self.mf.rectangle(x1, y1, x2, y2)

    def polygon(self, pts):
        self.mf.polygon([self.p(x, y) for x, y in pts])

    def line(self, pts):
        self.mf.polyline([self.p(x, y) for x, y in pts])

    def label(self, x, y, s, size=10, bold=False, color=None, align="center", face="Arial"):
        """Text centred (or left/right aligned) with its baseline at y."""
        if size < MIN_SCREEN_POINTS:
            raise ValueError("label %r below %d pt on screen" % (s, MIN_SCREEN_POINTS))
        color = color or self.ctx.colors["text"]
        if self.print and not self.keep_colors and color != (255, 255, 255):
            color = (0, 0, 0)
        self.mf.font(face, int(size * 20 * self.ctx.scale), bold)
        a = {"center": wmfwriter.TA_CENTER, "left": wmfwriter.TA_LEFT, "right": wmfwriter.TA_RIGHT}[align]
        px, py = self.p(x, y)
        self.mf.text(px, py, s, color, a)

    def text_width(self, s, size, bold=False, face="Arial"):
        """Width of a label in diagram inches."""
        return text_width(face, bold, int(size * 20 * self.ctx.scale), s) / self.u

    def picture(self, name, cx, cy, size):
        l, t = self.p(cx - size / 2, cy - size / 2)
        r, b = self.p(cx + size / 2, cy + size / 2)
        place_picture(self.ctx, name, l, t, r, b)
