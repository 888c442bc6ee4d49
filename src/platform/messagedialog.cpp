// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/messagedialog.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace platform {
namespace {

const QColor kScreenBlue(39, 55, 131);
const QColor kYellow(255, 255, 0);
constexpr double kTextPoints = 14.25;
// Lines for reading comfortably: between these many characters long.
constexpr int kShortestLine = 28;
constexpr int kLongestLine = 48;

QFont tahoma(bool bold) {
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(kTextPoints);
    font.setBold(bold);
    return font;
}

// A button drawn as the screens draw their text buttons: yellow bold text on
// black with a single-line border, and a dotted ring while it has the focus.
class FlatButton : public QPushButton {
public:
    FlatButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
        setFont(tahoma(true));
        setCursor(Qt::PointingHandCursor);
        const QFontMetrics metrics(font());
        setMinimumSize(metrics.horizontalAdvance(QStringLiteral("Cancel")) + 4 * metrics.height(),
                       metrics.height() * 2);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QRect frame = rect().adjusted(0, 0, -1, -1);
        painter.fillRect(rect(), isDown() ? kScreenBlue : QColor(Qt::black));
        painter.setPen(kYellow);
        painter.drawRect(frame);
        painter.setFont(font());
        painter.drawText(rect(), Qt::AlignCenter, text());
        if (hasFocus()) {
            // Inside the border, well clear of the text, which the button's
            // height keeps away from its edges.
            painter.setPen(QPen(kYellow, 1, Qt::DotLine));
            painter.drawRect(frame.adjusted(3, 3, -3, -3));
        }
    }
};

} // namespace

MessageDialog::MessageDialog(const QString& title, const QString& text, Buttons buttons,
                             QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(title);
    setModal(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kScreenBlue);
    palette.setColor(QPalette::WindowText, kYellow);
    setPalette(palette);
    setAutoFillBackground(true);

    text_ = new QLabel(text, this);
    text_->setTextFormat(Qt::PlainText);
    text_->setWordWrap(true);
    text_->setFont(tahoma(false));
    const QFontMetrics metrics = text_->fontMetrics();
    const int letter = metrics.averageCharWidth();
    text_->setFixedWidth(
        evenWrapWidth(metrics, text, kShortestLine * letter, kLongestLine * letter));

    ok_ = new FlatButton(QStringLiteral("OK"), this);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->setSpacing(metrics.height());
    row->addStretch();
    row->addWidget(ok_);
    if (buttons == Buttons::OkCancel) {
        cancel_ = new FlatButton(QStringLiteral("Cancel"), this);
        connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
        row->addWidget(cancel_);
    }
    row->addStretch();

    auto* column = new QVBoxLayout(this);
    const int margin = metrics.height();
    column->setContentsMargins(margin, margin, margin, margin);
    column->setSpacing(margin);
    column->addWidget(text_, 0, Qt::AlignHCenter);
    column->addLayout(row);
    column->setSizeConstraint(QLayout::SetFixedSize);
    ok_->setFocus();
}

void MessageDialog::setChoices(const QString& accept, const QString& reject) {
    if (!cancel_)
        return;
    ok_->setText(accept);
    cancel_->setText(reject);
    ok_->setDefault(false);
    cancel_->setDefault(true);
    cancel_->setFocus();
}

QString MessageDialog::text() const {
    return text_->text();
}

void MessageDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Screen readers read an alert out as it appears.
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

int evenWrapWidth(const QFontMetrics& metrics, const QString& text, int narrowest, int widest) {
    const auto measure = [&](int width) {
        return metrics.boundingRect(QRect(0, 0, width, 1 << 20), Qt::TextWordWrap, text);
    };
    const auto room = [](const QRect& r) { return qint64(r.width()) * r.height(); };
    // The longest line at the best width: wrapped there, the text breaks into
    // the very same lines.
    QRect best = measure(widest);
    for (int width = widest - 1; width >= narrowest; --width) {
        const QRect wrapped = measure(width);
        if (room(wrapped) < room(best))
            best = wrapped;
    }
    return best.width();
}

} // namespace platform
