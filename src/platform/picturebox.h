// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Picture and image boxes: show a picture by content path, clipped at the
// top-left (a picture box), sized to the picture (an image box), or
// stretched to the box.

#include "platform/picture.h"

#include <QColor>
#include <QWidget>

namespace platform {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    enum class Mode { Clip, AutoSize, Stretch };
    explicit PictureBox(QWidget* parent = nullptr, Mode mode = Mode::Clip);

    void setPicture(const QString& contentPath);
    void setPicture(const Picture& picture);
    const Picture& picture() const { return picture_; }
    QString picturePath() const { return picture_.path(); }

    void setMode(Mode mode);
    void setBackColor(const QColor& colour);
    QColor backColor() const { return back_; }
    // A picture box paints its background; an image box is transparent.
    // Without a picture, an opaque box takes its screen's colour.
    void setOpaque(bool opaque);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void fitToPicture();
    QColor emptyColour() const;

    Picture picture_;
    Mode mode_;
    QColor back_{Qt::white};
    bool opaque_ = false;
};

} // namespace platform
