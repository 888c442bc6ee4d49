// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/choicelook.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>
#include <cmath>

namespace platform {
namespace {

// Below this the ring and its dot blur into one spot.
constexpr int kSmallestIndicator = 11;

int indicatorFromCapHeight(qreal capHeight) {
    // A little taller than the capitals, so the ring's line sits just outside them.
    return std::max(kSmallestIndicator, int(std::lround(capHeight * 1.2)));
}

// Strokes scale with the indicator so a large one does not look spidery.
qreal strokeFor(qreal side) {
    return std::max(1.5, side / 9.0);
}

QRectF centredSquare(const QRect& rect) {
    const qreal side = std::min(rect.width(), rect.height());
    const QPointF centre = QRectF(rect).center();
    return QRectF(centre.x() - side / 2, centre.y() - side / 2, side, side);
}

void drawOptionIndicator(QPainter* painter, const QRectF& square, const QColor& ink, bool on,
                         bool pressed) {
    const qreal stroke = strokeFor(square.width());
    painter->setPen(QPen(ink, stroke));
    painter->setBrush(Qt::NoBrush);
    const qreal half = stroke / 2;
    painter->drawEllipse(square.adjusted(half, half, -half, -half));
    if (!on && !pressed)
        return;
    // The dot fills most of the ring, leaving a gap as wide as the ring's line.
    QColor fill = ink;
    if (!on)
        fill.setAlphaF(0.4); // held down but not yet chosen
    const qreal inset = 2 * stroke;
    painter->setPen(Qt::NoPen);
    painter->setBrush(fill);
    painter->drawEllipse(square.adjusted(inset, inset, -inset, -inset));
}

void drawTickIndicator(QPainter* painter, const QRectF& square, const QColor& ink,
                       QStyle::State state) {
    const qreal stroke = strokeFor(square.width());
    const qreal half = stroke / 2;
    const QRectF box = square.adjusted(half, half, -half, -half);
    painter->setPen(QPen(ink, stroke));
    painter->setBrush(Qt::NoBrush);
    painter->drawRoundedRect(box, box.width() / 6, box.width() / 6);
    const auto at = [&square](qreal x, qreal y) {
        return QPointF(square.left() + x * square.width(), square.top() + y * square.height());
    };
    painter->setPen(QPen(ink, stroke * 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (state & QStyle::State_On) {
        QPainterPath tick(at(0.24, 0.52));
        tick.lineTo(at(0.43, 0.72));
        tick.lineTo(at(0.77, 0.28));
        painter->drawPath(tick);
    } else if (state & QStyle::State_NoChange) {
        painter->drawLine(at(0.27, 0.5), at(0.73, 0.5));
    }
}

class ChoiceStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        switch (metric) {
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
            return indicatorSize(option, widget);
        case PM_RadioButtonLabelSpacing:
        case PM_CheckBoxLabelSpacing:
            return indicatorSize(option, widget) / 2;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element != PE_IndicatorRadioButton && element != PE_IndicatorCheckBox) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        const QPalette::ColorGroup group =
            (option->state & State_Enabled) ? QPalette::Normal : QPalette::Disabled;
        const QColor ink = option->palette.color(group, QPalette::WindowText);
        const QRectF square = centredSquare(option->rect);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        if (element == PE_IndicatorRadioButton)
            drawOptionIndicator(painter, square, ink, option->state & State_On,
                                option->state & State_Sunken);
        else
            drawTickIndicator(painter, square, ink, option->state);
        painter->restore();
    }

private:
    static int indicatorSize(const QStyleOption* option, const QWidget* widget) {
        if (widget)
            return choiceIndicatorSize(widget->font());
        if (option)
            return indicatorFromCapHeight(option->fontMetrics.capHeight());
        return choiceIndicatorSize(QApplication::font());
    }
};

QStyle* choiceStyle() {
    // One style for every such button; it goes with the application.
    static QPointer<ChoiceStyle> style;
    if (!style) {
        style = new ChoiceStyle;
        style->setParent(qApp);
    }
    return style;
}

} // namespace

int choiceIndicatorSize(const QFont& font) {
    return indicatorFromCapHeight(QFontMetricsF(font).capHeight());
}

void useChoiceLook(QAbstractButton* button) {
    button->setStyle(choiceStyle());
}

} // namespace platform
