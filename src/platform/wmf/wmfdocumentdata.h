#pragma once
// The parsed contents of a Document, shared with the player.

#include "platform/wmf/wmfdocument.h"
#include "platform/wmf/wmfrecords.h"

namespace wmf {

struct Document::Data {
    QByteArray bytes;
    FileLayout layout;
    QString damage;
    QRectF frame;                 // page units
    double unitsPerInch = 96;     // page units per inch
    bool frameFromWindow = false; // the window, not a placeable box, defines the frame
};

} // namespace wmf
