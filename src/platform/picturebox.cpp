// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/picturebox.h"

#include "platform/screen.h"

#include <QPainter>
#include <cmath>

namespace platform {

PictureBox::PictureBox(QWidget* parent, Mode mode) : QWidget(parent), mode_(mode) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void PictureBox::setPicture(const QString& contentPath) {
    setPicture(Picture::load(contentPath));
}

void PictureBox::setPicture(const Picture& picture) {
    picture_ = picture;
    fitToPicture();
    update();
}

void PictureBox::setMode(Mode mode) {
    mode_ = mode;
    fitToPicture();
    update();
}

void PictureBox::setBackColor(const QColor& colour) {
    back_ = colour;
    update();
}

void PictureBox::setOpaque(bool opaque) {
    opaque_ = opaque;
    update();
}

void PictureBox::fitToPicture() {
    if (mode_ != Mode::AutoSize || picture_.isNull())
        return;
    const QSizeF natural = picture_.naturalSize();
    resize(int(std::lround(natural.width())), int(std::lround(natural.height())));
}

QColor PictureBox::emptyColour() const {
    for (const QWidget* w = parentWidget(); w; w = w->parentWidget())
        if (const auto* screen = qobject_cast<const Screen*>(w))
            return screen->backColor();
    return back_;
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Without a picture the box is part of its screen, not a hole in it.
    if (picture_.isNull()) {
        if (opaque_)
            painter.fillRect(rect(), emptyColour());
        return;
    }
    if (opaque_)
        painter.fillRect(rect(), back_);
    const QRectF target =
        mode_ == Mode::Stretch ? QRectF(rect()) : QRectF(QPointF(0, 0), picture_.naturalSize());
    picture_.draw(painter, target);
}

} // namespace platform
