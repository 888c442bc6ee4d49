# SPDX-License-Identifier: GPL-3.0-or-later
"""What a printed job holds, read with poppler's tools."""

import re
import subprocess
import unicodedata


def page_count(path):
    info = subprocess.run(["pdfinfo", path], capture_output=True, text=True, check=True).stdout
    return int(re.search(r"^Pages:\s+(\d+)", info, re.M).group(1))


def text(path, page=None):
    """The page's (or document's) text; Qt writes ligatures as single
    characters, so it is normalised before comparing."""
    args = ["pdftotext", "-layout"]
    if page is not None:
        args += ["-f", str(page), "-l", str(page)]
    out = subprocess.run(args + [path, "-"], capture_output=True, check=True).stdout
    return unicodedata.normalize("NFKC", out.decode("utf-8", "replace"))


def lines(path, page=None):
    """The non-blank lines of text, with runs of spaces made single."""
    return [" ".join(line.split()) for line in text(path, page).splitlines() if line.strip()]


def page_size_points(path):
    info = subprocess.run(["pdfinfo", path], capture_output=True, text=True, check=True).stdout
    width, height = re.search(r"^Page size:\s+([\d.]+) x ([\d.]+)", info, re.M).groups()
    return float(width), float(height)


def image_areas(path):
    """The area of every picture on the pages, as a share of the page."""
    out = subprocess.run(["pdfimages", "-list", path], capture_output=True, text=True,
                         check=True).stdout.splitlines()[2:]
    width, height = page_size_points(path)
    shares = []
    for row in out:
        cols = row.split()
        w_px, h_px, x_ppi, y_ppi = int(cols[3]), int(cols[4]), float(cols[12]), float(cols[13])
        shares.append((w_px / x_ppi * 72) * (h_px / y_ppi * 72) / (width * height))
    return shares
