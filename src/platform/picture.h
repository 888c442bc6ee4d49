// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A picture loaded from a content path: a raster image (JPEG, BMP, GIF) or a
// metafile, told apart by their contents. A missing or unreadable file, any
// other format and a raster picture over the pixel budget give an empty
// picture.

#include <QImage>
#include <QSizeF>
#include <QString>
#include <memory>

class QPainter;

namespace wmf {
class Document;
}

namespace platform {

class Picture {
public:
    Picture() = default;
    static Picture load(const QString& contentPath);

    bool isNull() const { return image_.isNull() && !metafile_; }
    bool isMetafile() const { return metafile_ != nullptr; }
    const QString& path() const { return path_; }
    const std::shared_ptr<const wmf::Document>& metafile() const { return metafile_; }
    const QImage& image() const { return image_; }

    // The natural size in device-independent pixels (96 to the inch).
    QSizeF naturalSize() const;
    void draw(QPainter& painter, const QRectF& target) const;

private:
    QString path_;
    QImage image_;
    std::shared_ptr<const wmf::Document> metafile_;
};

} // namespace platform
