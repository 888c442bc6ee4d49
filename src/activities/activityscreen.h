// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A drag-and-drop activity screen, built from its layout: the pupil drags
// labels into boxes with the mouse, one finger or the keys; "Check Score"
// hands the score to the results screen. The rules live in DragBoard; this
// class maps events onto them and places the widgets.

#include "activities/activitylayouts.h"
#include "activities/dragboard.h"
#include "activities/keyboardmove.h"

#include "platform/screen.h"

#include <optional>
#include <vector>

class QFont;
class QKeyEvent;
class QRect;
class QTouchEvent;

namespace platform {
class PictureBox;
class TextLabel;
} // namespace platform

namespace activities {

// Whether `text`, wrapped in `room`, takes no more lines than there is room for.
bool fitsItsLines(const QFont& font, const QRect& room, int flags, const QString& text);

class ActivityScreen : public platform::Screen {
    Q_OBJECT
public:
    explicit ActivityScreen(ActivityLayout layout);

    const ActivityLayout& layout() const { return layout_; }
    const DragBoard& board() const { return board_; }

    platform::TextLabel* titleLabel = nullptr;
    std::vector<platform::TextLabel*> texts;
    std::vector<platform::PictureBox*> pictures;
    std::vector<platform::TextLabel*> boxes;
    std::vector<platform::TextLabel*> homeSlots;
    std::vector<platform::TextLabel*> dragLabels;
    platform::TextLabel* startAgainButton = nullptr;
    platform::TextLabel* checkScoreButton = nullptr; // shown once every label is placed
    platform::TextLabel* exitButton = nullptr;
    platform::TextLabel* keyboardHint = nullptr;

    void onButtonClicked(ActivityButton button);

protected:
    void onLoad() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void buildControls();
    void placeWordMark(const WordMark& mark);
    void buildLabels();
    void buildButtons();
    void stackLabelsOnTop();
    // Drags label `label` with the pointer at `pixels` on this screen.
    void dragTo(int label, Qt::MouseButtons buttons, QPointF pixels);
    void dropLabel(int label);
    void placeLabel(int label);
    void describeLabel(int label);
    bool onTouch(QTouchEvent* touch);
    bool onLabelKey(int label, QKeyEvent* key);
    void showChosenTarget();
    void cancelKeyboardMove();
    QString standingPlace(int label) const;

    const ActivityLayout layout_;
    DragBoard board_;
    int touchPoint_ = -1; // the one finger that drags, if any
    int touchLabel_ = -1;
    std::optional<KeyboardMove> keyboardMove_;
    QWidget* targetRing_ = nullptr;
};

// The screen of the activity file the content path names, loaded from it;
// nullptr when the file is refused, with the reason in `problem`.
ActivityScreen* activityScreen(const QString& contentPath, QString* problem = nullptr);

} // namespace activities
