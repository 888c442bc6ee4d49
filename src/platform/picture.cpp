#include "platform/picture.h"

#include "platform/mediapaths.h"
#include "platform/wmf/wmfdocument.h"

#include <QImageReader>
#include <QPainter>

namespace platform {

Picture Picture::load(const QString& contentPath) {
    Picture picture;
    picture.path_ = contentPath;
    const QString file = resolveContentPath(contentPath);
    if (contentPath.endsWith(QLatin1String(".wmf"), Qt::CaseInsensitive)) {
        picture.metafile_ = wmf::Document::load(file);
        return picture;
    }
    QImageReader reader(file);
    reader.setAutoTransform(false);
    // Pictures of this program are small; refuse absurd sizes instead of
    // allocating for them.
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > 64 * 1024 * 1024)
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
