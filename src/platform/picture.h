// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A picture loaded from a content path: a raster image (JPEG, BMP, GIF) or a
// metafile, told apart by their contents. A missing or unreadable file, any
// other format and a raster picture over the pixel budget give an empty
// picture.

#include <QImage>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <memory>

class QPainter;

namespace wmf {
class Document;
}

namespace platform {

// The largest picture a screen shows is 794 by 524 pixels; the budget is
// eight times the whole window's area, and refuses a small file that
// declares a huge picture before anything is decoded.
inline constexpr qint64 kMaxPicturePixels = 2048 * 2048;

// Whether a raster picture of the declared size may be decoded: a size with
// pixels, within the budget. Computed in 64 bits, so that any size a file
// can declare (up to 65535 by 65535, or more) is judged right.
bool fitsPictureBudget(const QSize& declared);

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
