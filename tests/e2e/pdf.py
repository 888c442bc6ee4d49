# SPDX-License-Identifier: GPL-3.0-or-later
"""What a printed job holds, read with poppler's tools."""

import re
import subprocess
import unicodedata


def _run(*args):
    return subprocess.run(args, capture_output=True, check=True).stdout.decode("utf-8", "replace")


def page_count(path):
    return int(re.search(r"^Pages:\s+(\d+)", _run("pdfinfo", path), re.M).group(1))


def lines(path):
    """The non-blank lines, runs of spaces made single and ligatures (which
    Qt writes as single characters) normalised."""
    text = unicodedata.normalize("NFKC", _run("pdftotext", "-layout", path, "-"))
    return [" ".join(line.split()) for line in text.splitlines() if line.strip()]


def image_areas(path):
    """The area of every picture on the pages, as a share of the page."""
    size = re.search(r"^Page size:\s+([\d.]+) x ([\d.]+)", _run("pdfinfo", path), re.M)
    page = float(size.group(1)) * float(size.group(2))
    shares = []
    for row in _run("pdfimages", "-list", path).splitlines()[2:]:
        cols = row.split()
        w_px, h_px, x_ppi, y_ppi = int(cols[3]), int(cols[4]), float(cols[12]), float(cols[13])
        shares.append((w_px / x_ppi * 72) * (h_px / y_ppi * 72) / page)
    return shares
