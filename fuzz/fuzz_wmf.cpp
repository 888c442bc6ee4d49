// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: parse any bytes as a metafile and play the result onto a
// small image. Any crash, sanitizer report, hang or runaway allocation is a bug.

#include "platform/wmf/wmfdocument.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "*=false");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto doc = wmf::Document::parse(bytes);
    if (!doc)
        return 0;
    (void)doc->naturalSizeInches();
    QImage image(160, 120, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    wmf::PlayReport report;
    doc->play(painter, QRectF(2, 2, 156, 116), &report);
    return 0;
}
