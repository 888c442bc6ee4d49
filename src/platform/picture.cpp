// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/picture.h"

#include "platform/mediapaths.h"
#include "platform/wmf/wmfdocument.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>

namespace platform {

namespace {

// Placeable metafiles start with their key; plain ones with a header of 9
// words, in memory (1) or on disk (2).
bool startsLikeMetafile(const QByteArray& head) {
    return head.startsWith(QByteArray("\xD7\xCD\xC6\x9A", 4)) ||
           head.startsWith(QByteArray("\x01\x00\x09\x00", 4)) ||
           head.startsWith(QByteArray("\x02\x00\x09\x00", 4));
}

QByteArray fileHead(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.read(4) : QByteArray();
}

} // namespace

bool fitsPictureBudget(const QSize& declared) {
    return !declared.isEmpty() && qint64(declared.width()) * declared.height() <= kMaxPicturePixels;
}

Picture Picture::load(const QString& contentPath) {
    Picture picture;
    picture.path_ = contentPath;
    // The contents decide the format, not the name.
    const QString file = resolveContentPath(contentPath);
    if (startsLikeMetafile(fileHead(file))) {
        picture.metafile_ = wmf::Document::load(file);
        return picture;
    }
    QImageReader reader(file);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(false);
    static const QList<QByteArray> kFormats = {"jpeg", "bmp", "gif"};
    if (!kFormats.contains(reader.format()))
        return picture;
    if (!fitsPictureBudget(reader.size()))
        return picture;
    picture.image_ = reader.read();
    return picture;
}

QSizeF Picture::naturalSize() const {
    if (metafile_)
        return metafile_->naturalSizeInches() * 96.0;
    return image_.size();
}

void Picture::draw(QPainter& painter, const QRectF& target) const {
    if (metafile_) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        metafile_->play(painter, target);
        painter.restore();
    } else if (!image_.isNull()) {
        // Smooth also when the window is scaled to fit the display: the
        // painter then enlarges even a picture drawn at its own size.
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        if (target.size() == QSizeF(image_.size()))
            painter.drawImage(target.topLeft(), image_);
        else
            painter.drawImage(target, image_);
        painter.restore();
    }
}

} // namespace platform
