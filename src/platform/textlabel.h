// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A label that serves both as text and as a text button: caption, font,
// colours, an opaque or transparent background, an optional single-line
// border. Clicks and pointer movement are reported with the label's index in
// its row of buttons.

#include <QColor>
#include <QLabel>

namespace platform {

class TextLabel : public QLabel {
    Q_OBJECT
public:
    explicit TextLabel(QWidget* parent = nullptr, int index = 0);

    int index() const { return index_; }

    void setCaption(const QString& caption);
    QString caption() const { return text(); }

    void setFontSpec(const QString& family, double points, bool bold = false);
    void setForeColor(const QColor& colour);
    void setBackColor(const QColor& colour);
    QColor backColor() const { return back_; }
    // An opaque label paints its background colour; a transparent one shows
    // what lies beneath.
    void setOpaque(bool opaque);
    bool isOpaque() const { return opaque_; }
    void setBorder(bool single);
    // Marks the label as a button: for assistive technology, and reachable
    // with the Tab key and pressed with Space or Enter.
    void setClickable(bool clickable);
    bool isClickable() const { return clickable_; }
    // Where the keyboard-focus ring goes, in the parent's coordinates: just
    // outside the label, so it never crosses the text. The parent draws it.
    QRect focusRingRect() const;

public slots:
    // Presses the label as a click would (when enabled and visible).
    void click();

signals:
    void clicked(int index);
    void mouseMoved(int index);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void applyPalette();

    int index_;
    QColor fore_ = Qt::black;
    QColor back_ = Qt::white;
    bool opaque_ = false;
    bool pressed_ = false;
    bool clickable_ = false;
};

} // namespace platform
