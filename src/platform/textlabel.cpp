// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/textlabel.h"

#include "platform/fonts.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>

namespace platform {

TextLabel::TextLabel(QWidget* parent, int index) : QLabel(parent), index_(index) {
    setMouseTracking(true);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    applyPalette();
}

void TextLabel::setCaption(const QString& caption) {
    if (caption == text())
        return;
    setText(caption);
    if (clickable_) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void TextLabel::setFontSpec(const QString& family, double points, bool bold) {
    QFont f(installedFamily(family));
    f.setPointSizeF(points);
    f.setBold(bold);
    setFont(f);
}

void TextLabel::setForeColor(const QColor& colour) {
    fore_ = colour;
    applyPalette();
}

void TextLabel::setBackColor(const QColor& colour) {
    back_ = colour;
    applyPalette();
}

void TextLabel::setOpaque(bool opaque) {
    if (opaque_ == opaque)
        return;
    opaque_ = opaque;
    setAutoFillBackground(opaque);
    update();
}

void TextLabel::setBorder(bool single) {
    setFrameStyle(single ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
    setLineWidth(1);
}

void TextLabel::applyPalette() {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, fore_);
    p.setColor(QPalette::Window, back_);
    // Greyed text for a disabled button, as a dimmed version of its own colour.
    QColor dim = fore_;
    dim.setAlpha(110);
    p.setColor(QPalette::Disabled, QPalette::WindowText, dim);
    p.setColor(QPalette::Disabled, QPalette::Window, back_);
    setPalette(p);
}

void TextLabel::setClickable(bool clickable) {
    clickable_ = clickable;
    setFocusPolicy(clickable ? Qt::TabFocus : Qt::NoFocus);
}

void TextLabel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (clickable_ && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter))
        click();
    else
        QLabel::keyPressEvent(event);
}

QRect TextLabel::focusRingRect() const {
    // Two pixels clear of the label; the pen's line lies inside the rectangle.
    return geometry().adjusted(-3, -3, 2, 2);
}

void TextLabel::focusInEvent(QFocusEvent* event) {
    QLabel::focusInEvent(event);
    if (parentWidget())
        parentWidget()->update(focusRingRect().adjusted(0, 0, 1, 1));
}

void TextLabel::focusOutEvent(QFocusEvent* event) {
    QLabel::focusOutEvent(event);
    if (parentWidget())
        parentWidget()->update(focusRingRect().adjusted(0, 0, 1, 1));
}

void TextLabel::click() {
    if (isEnabled() && isVisible())
        emit clicked(index_);
}

void TextLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        pressed_ = true;
}

void TextLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool wasPressed = pressed_;
    pressed_ = false;
    if (wasPressed && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint()))
        emit clicked(index_);
}

void TextLabel::mouseMoveEvent(QMouseEvent*) {
    emit mouseMoved(index_);
}

void TextLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange)
        pressed_ = false;
    QLabel::changeEvent(event);
}

} // namespace platform
