// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared helpers of the metafile tests: play bytes onto a recording device.

#include "platform/wmf/wmfdcstate.h"
#include "platform/wmf/wmfdocument.h"
#include "platform/wmf/wmfrecords.h"
#include "recordingdevice.h"
#include "wmfbuilder.h"

#include <QPainter>
#include <memory>

// A frame of 1000 x 1000 units at 96 units per inch, played onto 1000 x 1000
// device units: one logical unit is one device unit, one picture pixel too.
inline WmfBuilder unitBuilder() {
    return WmfBuilder(0, 0, 1000, 1000, 96);
}

inline std::unique_ptr<RecordingDevice>
playRecorded(const QByteArray& bytes, wmf::PlayReport* report = nullptr,
             const QRectF& target = QRectF(0, 0, 1000, 1000)) {
    auto device = std::make_unique<RecordingDevice>();
    const auto doc = wmf::Document::parse(bytes);
    if (!doc)
        return device;
    QPainter painter(device.get());
    doc->play(painter, target, report);
    return device;
}

inline QRectF firstPathBoundsOf(const QByteArray& bytes) {
    const auto paths = playRecorded(bytes)->paths();
    return paths.isEmpty() ? QRectF() : paths.first().bounds;
}
