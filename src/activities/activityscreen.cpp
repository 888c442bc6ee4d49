// SPDX-License-Identifier: GPL-3.0-or-later
#include "activities/activityscreen.h"

#include "common/contentfile.h"
#include "common/screenadaptation.h"
#include "common/sharedstate.h"
#include "common/sound.h"
#include "common/style.h"
#include "platform/picturebox.h"
#include "platform/screenregistry.h"
#include "platform/textlabel.h"
#include "platform/twips.h"
#include "quiz/resultsscreen.h"

#include <QKeyEvent>
#include <QPainter>
#include <QTextLayout>
#include <QTouchEvent>
#include <QtMath>
#include <algorithm>

namespace activities {

using common::state;
namespace style = common::style;

namespace {
const QString kThud = QStringLiteral("wav\\thud3.wav");
const QString kClick = QStringLiteral("wav\\click.wav");
const QColor kLightCyan(128, 255, 255);

QRect pixelRect(const TwipRect& r) {
    return platform::twipsRect(r.left, r.top, r.width, r.height);
}

// A frame around the place a keyboard move has chosen; it lets the pointer
// through to what lies beneath.
class TargetRing : public QWidget {
public:
    explicit TargetRing(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(QPen(kLightCyan, 3));
        painter.drawRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
    }
};

// Sets a text smaller, a quarter point at a time, until it fits: the faces
// that stand in for the design's fonts wrap some texts onto one more line
// than there is room for, which would cut their last words off.
void shrinkToFit(platform::TextLabel* label) {
    QFont font = label->font();
    const int flags = int(label->alignment()) | Qt::TextWordWrap;
    while (font.pointSizeF() > 8 &&
           !fitsItsLines(font, label->contentsRect(), flags, label->text()))
        font.setPointSizeF(font.pointSizeF() - 0.25);
    label->setFont(font);
}

// Pointer positions arrive in pixels; the rules work in twips.
float toTwips(double pixels) {
    return float(platform::pixelsToTwips(pixels));
}
} // namespace

// A single line may be a little taller than its label and still show whole.
bool fitsItsLines(const QFont& font, const QRect& room, int flags, const QString& text) {
    const QFontMetrics metrics(font);
    const QRect needed = metrics.boundingRect(room, flags, text);
    const int lines = qRound(double(needed.height()) / metrics.lineSpacing());
    return needed.width() <= room.width() &&
           lines <= std::max(1, room.height() / metrics.lineSpacing());
}

ActivityScreen::ActivityScreen(ActivityLayout layout)
    : Screen(layout.screenName, Kind::FullSize), layout_(std::move(layout)),
      board_(layout_.makeBoard()) {
    setAttribute(Qt::WA_AcceptTouchEvents);
    buildControls();
    buildLabels();
    buildButtons();
    stackLabelsOnTop();
}

void ActivityScreen::buildControls() {
    using platform::PictureBox;
    for (const PictureSpec& p : layout_.pictures) {
        const PictureBox::Mode mode =
            p.stretched ? PictureBox::Mode::Stretch : PictureBox::Mode::AutoSize;
        PictureBox* picture = addPicture(QStringLiteral("picture"), int(mode), p.rect.left,
                                         p.rect.top, p.rect.width, p.rect.height);
        // The pointer over a picture leaves the buttons' highlight alone.
        picture->setAttribute(Qt::WA_NoMousePropagation);
        pictures.push_back(picture);
    }
    for (size_t i = 0; i < layout_.texts.size(); ++i) {
        const TextSpec& t = layout_.texts[i];
        platform::TextLabel* label =
            addText(QStringLiteral("text"), int(i), t.rect.left, t.rect.top, t.rect.width,
                    t.rect.height, t.font, t.points, t.bold, t.colour, t.align);
        label->setWordWrap(true);
        label->setCaption(t.text);
        shrinkToFit(label);
        texts.push_back(label);
    }
    if (layout_.wordMark)
        placeWordMark(*layout_.wordMark);
    const TextSpec& t = layout_.title;
    titleLabel = addText(QStringLiteral("titleLabel"), 0, t.rect.left, t.rect.top, t.rect.width,
                         t.rect.height, t.font, t.points, t.bold, t.colour, t.align);
    titleLabel->setWordWrap(true);

    for (int i = 0; i < layout_.size(); ++i) {
        const TwipRect box = layout_.boxRect(i);
        platform::TextLabel* frame =
            addLabel(QStringLiteral("box"), i, box.left, box.top, box.width, box.height);
        frame->setBorder(true);
        frame->setForeColor(style::kYellow);
        frame->setAccessibleName(
            QStringLiteral("Box by %1").arg(layout_.boxes[size_t(i)].standsBy));
        boxes.push_back(frame);

        const TwipRect start = layout_.startRect(i);
        platform::TextLabel* slot = addLabel(QStringLiteral("homeSlot"), i, start.left, start.top,
                                             start.width, start.height);
        slot->setBorder(true);
        slot->setForeColor(style::kYellow);
        slot->setAccessibleName(QStringLiteral("Starting place"));
        homeSlots.push_back(slot);
    }
}

void ActivityScreen::buildButtons() {
    const auto add = [this](ActivityButton button, const char* caption, double left, double width) {
        platform::TextLabel* label =
            addButton(QStringLiteral("button"), int(button), left, 7920, width,
                      style::kButtonHeight, QString::fromLatin1(caption), style::kButtonPoints,
                      Qt::black, [this](int index) { onButtonClicked(ActivityButton(index)); });
        label->setBorder(true);
        highlightOnHover(label);
        return label;
    };
    // Made in the order Tab reaches them, left to right.
    startAgainButton = add(ActivityButton::StartAgain, "Start Again", 3360, 2565);
    checkScoreButton = add(ActivityButton::CheckScore, "Check Score", 6000, 2565);
    exitButton = add(ActivityButton::Exit, "Exit", 10560, 1245);
    checkScoreButton->hide();
    // A label dropped off the screen or over a button (even "Check Score",
    // which is yet to come) goes back to where it was picked up.
    std::vector<TwipRect> buttons;
    for (const QWidget* button : {startAgainButton, checkScoreButton, exitButton}) {
        const QRect r = button->geometry();
        buttons.push_back({float(platform::pixelsToTwips(r.x())),
                           float(platform::pixelsToTwips(r.y())),
                           float(platform::pixelsToTwips(r.width())),
                           float(platform::pixelsToTwips(r.height()))});
    }
    board_.setRestingArea(
        {0, 0, float(platform::kClientWidthTwips), float(platform::kClientHeightTwips)},
        std::move(buttons));

    // Told once, when the keys are first used; the screen's own texts stay.
    keyboardHint = addText(QStringLiteral("keyboardHint"), 0, 120, 8415, 11670, 240, style::kTahoma,
                           8, false, kLightCyan, Qt::AlignHCenter);
    keyboardHint->setCaption(
        QStringLiteral("Keys: Tab picks a label; the arrows or 1 to %1 choose a box, 0 its "
                       "starting place; Enter or Space puts it there; Esc cancels.")
            .arg(layout_.size()));
    keyboardHint->hide();
    for (platform::TextLabel* label : dragLabels)
        label->setToolTip(keyboardHint->caption());
}

void ActivityScreen::placeWordMark(const WordMark& mark) {
    // Lays the text out as the label draws it and puts the mark exactly over
    // the word, wherever the face in use places it.
    platform::TextLabel* text = texts[size_t(mark.text)];
    platform::TextLabel* marker = texts[size_t(mark.marker)];
    const int at = text->text().indexOf(marker->text());
    if (at < 0)
        return;
    QTextLayout lines(text->text(), text->font());
    QTextOption option(text->alignment());
    option.setWrapMode(QTextOption::WordWrap);
    lines.setTextOption(option);
    const QRect room = text->contentsRect();
    lines.beginLayout();
    for (QTextLine line = lines.createLine(); line.isValid(); line = lines.createLine())
        line.setLineWidth(room.width());
    lines.endLayout();
    qreal top = 0;
    for (int i = 0; i < lines.lineCount(); ++i) {
        const QTextLine line = lines.lineAt(i);
        if (at < line.textStart() + line.textLength()) {
            const qreal left = line.cursorToX(at);
            const qreal right = line.cursorToX(at + int(marker->text().size()));
            const QPoint origin = text->geometry().topLeft() + room.topLeft();
            marker->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            marker->setGeometry(origin.x() + qRound(left), origin.y() + qRound(top),
                                qCeil(right - left) + 1, qCeil(line.height()));
            return;
        }
        top += line.height() + QFontMetricsF(text->font()).leading();
    }
}

void ActivityScreen::buildLabels() {
    // Made in reading order, the order in which Tab reaches them; the buttons
    // made after them follow.
    std::vector<int> order;
    for (int i = 0; i < layout_.size(); ++i)
        order.push_back(i);
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
        const TwipPoint &pa = layout_.starts[size_t(a)], &pb = layout_.starts[size_t(b)];
        return pa.top != pb.top ? pa.top < pb.top : pa.left < pb.left;
    });
    dragLabels.resize(order.size());
    for (int i : order) {
        const TwipRect start = layout_.startRect(i);
        platform::TextLabel* label = addText(
            QStringLiteral("dragLabel"), i, start.left, start.top, start.width, start.height,
            style::kTahoma, layout_.labelPoints, true, style::kYellow, Qt::AlignCenter);
        label->setWordWrap(true);
        label->setBorder(true);
        label->setBackColor(Qt::black);
        label->setOpaque(true);
        label->setCaption(layout_.boxes[size_t(i)].answer);
        label->setAccessibleName(label->caption());
        label->setFocusPolicy(Qt::TabFocus);
        label->installEventFilter(this);
        dragLabels[size_t(i)] = label;
        describeLabel(i);
    }
}

void ActivityScreen::stackLabelsOnTop() {
    // The labels lie above everything else, and a label with a higher index
    // above one with a lower index.
    for (platform::TextLabel* label : dragLabels)
        label->raise();
    if (layout_.textAboveLabels >= 0) {
        // It covers a label only to the eye: presses reach the label beneath.
        platform::TextLabel* note = texts[size_t(layout_.textAboveLabels)];
        note->raise();
        note->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    targetRing_ = new TargetRing(this);
}

void ActivityScreen::onLoad() {
    common::adaptScreen(*this);
    if (layout_.background)
        setBackColor(*layout_.background);
    state().total = layout_.size();
    for (size_t i = 0; i < pictures.size(); ++i)
        pictures[i]->setPicture(layout_.pictures[i].path); // a missing one stays empty
    for (platform::TextLabel* button : {startAgainButton, checkScoreButton, exitButton})
        button->setOpaque(true);
}

void ActivityScreen::paintEvent(QPaintEvent* event) {
    Screen::paintEvent(event);
    if (layout_.lines.empty())
        return;
    QPainter painter(this);
    painter.setPen(QPen(style::kYellow, 3, Qt::SolidLine, Qt::FlatCap));
    for (const LineSpec& l : layout_.lines) {
        const double k = platform::kTwipsPerPixel;
        painter.drawLine(QPointF(l.x1 / k, l.y1 / k), QPointF(l.x2 / k, l.y2 / k));
    }
}

void ActivityScreen::onButtonClicked(ActivityButton button) {
    cancelKeyboardMove();
    const DragBoard::Press press = board_.press(button);
    state().score = press.score;
    if (press.closeScreen) {
        unload();
    } else if (press.showResults) {
        // The results screen reads both when it loads.
        state().total = board_.size();
        quiz::resultsScreen().showScreen();
    } else {
        for (int i = 0; i < board_.size(); ++i) {
            placeLabel(i);
            describeLabel(i);
        }
        checkScoreButton->hide();
    }
    common::playSound(kClick);
}

void ActivityScreen::dragTo(int label, Qt::MouseButtons held, QPointF pixels) {
    const TwipRect& r = board_.label(label);
    if (board_.drag(label, held, toTwips(pixels.x()) - r.left, toTwips(pixels.y()) - r.top))
        placeLabel(label);
}

void ActivityScreen::dropLabel(int label) {
    const DragBoard::Drop drop = board_.drop(label);
    placeLabel(label);
    for (int i = 0; i < drop.snaps; ++i)
        common::playSound(kThud);
    if (board_.checkScoreShown())
        checkScoreButton->show();
    describeLabel(label);
}

void ActivityScreen::placeLabel(int label) {
    // Moving a child widget repaints only the area it left and the one it
    // covers now.
    dragLabels[size_t(label)]->setGeometry(pixelRect(board_.label(label)));
}

QString ActivityScreen::standingPlace(int label) const {
    const DragBoard::Where where = board_.where(label);
    switch (where.place) {
    case DragBoard::Place::Box:
        return QStringLiteral("in the box by %1").arg(layout_.boxes[size_t(where.index)].standsBy);
    case DragBoard::Place::HomeSlot:
        return QStringLiteral("in its starting place");
    case DragBoard::Place::OtherSlot:
        return QStringLiteral("in another label's starting place");
    case DragBoard::Place::Elsewhere:
        break;
    }
    return QStringLiteral("away from the boxes");
}

void ActivityScreen::describeLabel(int label) {
    dragLabels[size_t(label)]->setAccessibleDescription(standingPlace(label));
}

bool ActivityScreen::eventFilter(QObject* watched, QEvent* event) {
    const auto found = std::find(dragLabels.begin(), dragLabels.end(), watched);
    if (found == dragLabels.end())
        return Screen::eventFilter(watched, event);
    const int label = int(found - dragLabels.begin());
    platform::TextLabel* widget = *found;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        cancelKeyboardMove();
        return true;
    case QEvent::MouseMove: {
        // While a finger drags, the mouse leaves the labels alone.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (touchLabel_ < 0)
            dragTo(label, mouse->buttons(), widget->mapToParent(mouse->position()));
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (touchLabel_ < 0)
            dropLabel(label);
        return true;
    case QEvent::KeyPress:
        return onLabelKey(label, static_cast<QKeyEvent*>(event));
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
            keyboardHint->show();
        return false;
    }
    case QEvent::FocusOut:
        if (keyboardMove_ && keyboardMove_->label() == label)
            cancelKeyboardMove();
        return false;
    default:
        return false;
    }
}

bool ActivityScreen::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
        return onTouch(static_cast<QTouchEvent*>(event));
    default:
        return Screen::event(event);
    }
}

bool ActivityScreen::onTouch(QTouchEvent* touch) {
    // One finger drags as the left button does; further fingers are ignored.
    for (const QEventPoint& point : touch->points()) {
        if (touchLabel_ < 0) {
            if (point.state() != QEventPoint::Pressed)
                continue;
            const QPointF at = point.position();
            const int label = board_.labelAt(toTwips(at.x()), toTwips(at.y()));
            if (label < 0)
                continue;
            cancelKeyboardMove();
            touchPoint_ = point.id();
            touchLabel_ = label;
        } else if (point.id() == touchPoint_) {
            if (point.state() == QEventPoint::Released || touch->type() == QEvent::TouchCancel) {
                const int label = touchLabel_;
                touchLabel_ = touchPoint_ = -1;
                dropLabel(label);
            } else if (point.state() == QEventPoint::Updated) {
                dragTo(touchLabel_, Qt::LeftButton, point.position());
            }
        }
    }
    if (touch->type() == QEvent::TouchBegin && touchLabel_ < 0) {
        touch->ignore(); // not on a label: a tap reaches the buttons as a click
        return false;
    }
    touch->accept();
    return true;
}

bool ActivityScreen::onLabelKey(int label, QKeyEvent* key) {
    keyboardHint->show();
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (keyboardMove_ && keyboardMove_->label() == label && keyboardMove_->chosen()) {
            const TwipRect target = keyboardMove_->chosenRect();
            board_.moveTo(label, target.left, target.top);
        }
        cancelKeyboardMove();
        dropLabel(label);
        return true;
    case Qt::Key_Escape:
        if (!keyboardMove_)
            return false;
        cancelKeyboardMove();
        describeLabel(label);
        return true;
    default:
        break;
    }
    if (!keyboardMove_ || keyboardMove_->label() != label)
        keyboardMove_.emplace(board_, label);
    if (!keyboardMove_->choose(key->key()))
        return false;
    showChosenTarget();
    return true;
}

void ActivityScreen::showChosenTarget() {
    const KeyboardMove& move = *keyboardMove_;
    const KeyboardMove::Target target = *move.chosen();
    targetRing_->setGeometry(pixelRect(move.chosenRect()).adjusted(-4, -4, 4, 4));
    targetRing_->show();
    targetRing_->raise();
    const QString place =
        target.homeSlot
            ? QStringLiteral("its starting place")
            : QStringLiteral("the box by %1").arg(layout_.boxes[size_t(target.index)].standsBy);
    dragLabels[size_t(move.label())]->setAccessibleDescription(
        QStringLiteral("moving to %1: Enter puts it there, Escape cancels").arg(place));
}

void ActivityScreen::cancelKeyboardMove() {
    if (!keyboardMove_)
        return;
    const int label = keyboardMove_->label();
    keyboardMove_.reset();
    targetRing_->hide();
    describeLabel(label);
}

ActivityScreen* activityScreen(const QString& contentPath, QString* problem) {
    for (platform::Screen* loaded : platform::ScreenRegistry::instance().loaded())
        if (auto* activity = qobject_cast<ActivityScreen*>(loaded);
            activity && activity->layout().source.compare(contentPath, Qt::CaseInsensitive) == 0)
            return activity;
    ActivityRead read = loadActivityLayout(contentPath);
    if (read.layout && platform::ScreenRegistry::instance().isLoaded(read.layout->screenName))
        read = {std::nullopt,
                common::refusalMessage(contentPath,
                                       QStringLiteral("another screen is already named \"%1\"")
                                           .arg(read.layout->screenName))};
    if (!read.layout) {
        if (problem)
            *problem = read.problem;
        return nullptr;
    }
    return &platform::touch<ActivityScreen>(
        read.layout->screenName, [&read] { return new ActivityScreen(std::move(*read.layout)); });
}

} // namespace activities
