// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The worksheets test's own executable doubles as a second list writer.

bool isListWriterChild(int argc, char** argv);
int runListWriterChild(int argc, char** argv);
