# SPDX-License-Identifier: GPL-3.0-or-later
"""One notes page: its file name, footer, title and blocks."""


class Page:
    def __init__(self, file, topic, number, count, title, blocks, kind="teacher", theme="program",
                 shares=None, print_shares=None, screen_width=None, sizes=None):
        self.file, self.topic, self.number, self.count = file, topic, number, count
        self.title, self.blocks, self.kind, self.theme = title, blocks, kind, theme
        self.shares, self.print_shares, self.screen_width = shares, print_shares, screen_width
        self.sizes = sizes or {}  # role -> (screen, print) type size in twips
