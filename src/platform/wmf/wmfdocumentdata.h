// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The parsed contents of a Document, shared with the player.

#include "platform/wmf/wmfdocument.h"
#include "platform/wmf/wmfrecords.h"

namespace wmf {

struct Document::Data {
    QByteArray bytes;
    FileLayout layout;
    QString damage;
    QRectF frame;               // page units
    double unitsPerInch = 96;   // page units per inch
    bool frameMeasured = false; // from the extent of the drawing: the mapping starts as identity
};

} // namespace wmf
