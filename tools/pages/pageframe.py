# SPDX-License-Identifier: GPL-3.0-or-later
"""The two frames every notes page is drawn into: the screen version (a
light landscape card the program shows at 96 pixels per inch, under its own
buttons) and the print version (a portrait sheet, black text on white)."""

import layout
import wmfwriter
from layout import Style

# Screen: 7.2 x 5.4 in at x = 8 px keeps clear of the Print button (x from
# 712 px) and of the page buttons (y from 528 px).
SCREEN_W, SCREEN_H = 10368, 7776
# Paper: portrait 6.5 x 9.5 in, placed 1000 twips into the printable area.
PRINT_W, PRINT_H = 9360, 13680

THEMES = {
    # page fill, border, title, headings, bullets/accents, box fill
    "tides": dict(page=(238, 246, 255), border=(70, 120, 190), title=(16, 64, 140),
                  heading=(16, 88, 168), accent=(0, 120, 190), box=(214, 232, 252)),
    "sun": dict(page=(255, 249, 232), border=(214, 140, 30), title=(150, 60, 0),
                heading=(170, 75, 0), accent=(220, 110, 0), box=(255, 234, 190)),
    "life": dict(page=(241, 250, 236), border=(80, 150, 70), title=(26, 96, 30),
                 heading=(30, 110, 40), accent=(60, 150, 60), box=(218, 240, 205)),
    "program": dict(page=(246, 243, 255), border=(110, 90, 180), title=(60, 30, 130),
                    heading=(80, 50, 150), accent=(110, 80, 190), box=(228, 222, 250)),
}

TEXT = (20, 20, 30)
GREY = (90, 90, 100)

# Type sizes in twips (20 per point): screen, print.
# Nothing on screen is below 11 pt (220 twips).
SIZES = {
    "kids": dict(title=(440, 500), heading=(300, 340), body=(270, 300), small=(240, 260), caption=(230, 240)),
    "teacher": dict(title=(360, 440), heading=(240, 260), body=(226, 240), small=(220, 240), caption=(220, 230)),
}


class Context:
    pass


class Col:
    """Starts the next screen column; the print version runs on."""


class PrintCol:
    """Starts the next print column; the screen version runs on."""


def make_context(mf, medium, kind, theme, overrides=None):
    t = THEMES[theme]
    i = 0 if medium == "screen" else 1
    sz = {k: v[i] for k, v in dict(SIZES[kind], **(overrides or {})).items()}
    body_face = "Arial" if kind == "kids" else "Times New Roman"
    ink = (lambda c: c) if medium == "screen" else (lambda c: (0, 0, 0))
    ctx = Context()
    ctx.mf, ctx.medium = mf, medium
    ctx.scale = 1.0 if medium == "screen" else 1.25
    ctx.dpi = 96 if medium == "screen" else 200  # paper needs 200 dpi to look sharp
    ctx.background = t["page"] if medium == "screen" else (255, 255, 255)
    ctx.pad = 160
    ctx.styles = {
        "heading": Style("Arial", sz["heading"], True, ink(t["heading"]), 1.15),
        "body": Style(body_face, sz["body"], False, ink(TEXT)),
        "small": Style(body_face, sz["small"], False, ink(TEXT), 1.18),
        "caption": Style("Arial", sz["caption"], False, ink(GREY) if medium == "screen" else (0, 0, 0), 1.1),
    }
    ctx.after = {"heading": sz["heading"] // 4, "body": sz["body"] // 3, "small": sz["small"] // 4,
                 "caption": 0}
    ctx.colors = dict(text=ink(TEXT), accent=ink(t["accent"]),
                      box=t["box"] if medium == "screen" else (238, 238, 238),
                      boxline=t["border"] if medium == "screen" else (120, 120, 120),
                      tint=t)
    ctx.sizes = sz
    return ctx


def split_columns(blocks, marker):
    cols, cur = [], []
    for b in blocks:
        if b is marker:
            cols.append(cur)
            cur = []
        elif b is not Col and b is not PrintCol:
            cur.append(b)
    cols.append(cur)
    return cols


def flow(ctx, columns, left, top, right, bottom, gap, shares, where):
    widths = [int((right - left - gap * (len(columns) - 1)) * s) for s in shares]
    x = left
    for col, w in zip(columns, widths):
        y = top
        for b in col:
            h = b.height(ctx, w)
            if y + h - ctx.after.get("body", 0) > bottom:
                raise ValueError("%s: content runs %d twips below the page" % (where, y + h - bottom))
            y = b.draw(ctx, x, y, w)
        ctx.fill = max(getattr(ctx, "fill", 0), (y - top) / (bottom - top))
        x += w + gap


def draw_title(ctx, x, y, title):
    st = Style("Arial", ctx.sizes["title"], True)
    ctx.mf.font(st.face, st.size, True)
    color = ctx.colors["tint"]["title"] if ctx.medium == "screen" else (0, 0, 0)
    base = y + st.ascent()
    ctx.mf.text(x, base, title, color)
    if layout.text_width("Arial", True, st.size, title) > (SCREEN_W if ctx.medium == "screen" else PRINT_W) - 2 * x:
        raise ValueError("title too long: %r" % title)
    return base + int(st.size * 0.35)


def screen_page(page):
    width = page.screen_width or SCREEN_W
    mf = wmfwriter.Metafile(width, SCREEN_H)
    ctx = make_context(mf, "screen", page.kind, page.theme, page.sizes)
    t = THEMES[page.theme]
    mf.pen(t["border"], 30)
    mf.brush(t["page"])
    mf.roundrect(15, 15, width - 15, SCREEN_H - 15, 180)
    margin = 330
    y = draw_title(ctx, margin, 230, page.title)
    mf.pen(None)
    mf.brush(t["accent"])
    mf.rectangle(margin, y, width - margin, y + 40)
    bottom = SCREEN_H - 430
    cols = split_columns(page.blocks, Col)
    shares = page.shares or [1.0 / len(cols)] * len(cols)
    flow(ctx, cols, margin, y + 170, width - margin, bottom, 330, shares, page.file + " (screen)")
    footer(ctx, margin, width - margin, SCREEN_H - 210, page, GREY)
    return mf, ctx


def print_page(page):
    mf = wmfwriter.Metafile(PRINT_W, PRINT_H)
    ctx = make_context(mf, "print", page.kind, page.theme, page.sizes)
    y = draw_title(ctx, 0, 0, page.title)
    mf.pen(None)
    mf.brush((0, 0, 0))
    mf.rectangle(0, y, PRINT_W, y + 30)
    cols = split_columns(page.blocks, PrintCol)
    shares = page.print_shares or [1.0 / len(cols)] * len(cols)
    flow(ctx, cols, 0, y + 220, PRINT_W, PRINT_H - 400, 400, shares, page.file + " (print)")
    mf.pen(None)
    mf.brush((0, 0, 0))
    mf.rectangle(0, PRINT_H - 330, PRINT_W, PRINT_H - 315)
    footer(ctx, 0, PRINT_W, PRINT_H - 60, page, (0, 0, 0))
    return mf, ctx


def footer(ctx, left, right, base, page, color):
    size = ctx.sizes["small"]
    ctx.mf.font("Arial", size, False)
    text = "%s, page %d of %d" % (page.topic, page.number, page.count)
    ctx.mf.text(left, base, text, color)
    ctx.mf.text(right, base, "Corvella", color, wmfwriter.TA_RIGHT)
