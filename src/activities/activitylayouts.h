// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a drag-and-drop activity screen shows, as data read from its
// activity file "activities\<name>.json" (described in the content folder's
// README.md): the pictures, the texts, the boxes with their answers and the
// labels' starting places. The screen builds its controls from it.

#include "activities/dragboard.h"

#include <QColor>
#include <QString>
#include <optional>
#include <vector>

namespace activities {

struct TextSpec {
    QString text;
    TwipRect rect;
    QString font;
    double points = 0;
    bool bold = false;
    QColor colour;
    Qt::Alignment align = Qt::AlignLeft;
};

// A straight yellow line, 3 pixels wide.
struct LineSpec {
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

struct PictureSpec {
    QString path;
    TwipRect rect; // for an unstretched picture only its corner places it
    bool stretched = false;
};

struct BoxSpec {
    QString answer; // the text of the label that belongs here
    float left = 0;
    float top = 0;
    QString standsBy; // what a screen reader says the box stands by
};

// One text drawn over a word of another in a colour of its own.
struct WordMark {
    int text = -1;   // the text whose word is marked
    int marker = -1; // the text that marks it; its words are the word
};

struct TwipPoint {
    float left = 0;
    float top = 0;
};

enum class ActivityKind { Ordering, Labelling };

struct ActivityLayout {
    QString source;     // the activity file's content path
    QString screenName; // the registry key
    ActivityKind kind = ActivityKind::Ordering;
    std::optional<QColor> background;
    float labelWidth = 0; // labels and boxes have one size per screen
    float labelHeight = 0;
    double labelPoints = 0;
    TextSpec title; // its text is set by the topic screen that opens it
    std::vector<TextSpec> texts;
    std::vector<LineSpec> lines;
    std::vector<PictureSpec> pictures;
    std::vector<BoxSpec> boxes;
    std::vector<TwipPoint> starts; // label i's starting place, its home slot
    // One text that lies above the labels, so that a label dragged under it
    // passes beneath; -1 when none does.
    int textAboveLabels = -1;
    std::optional<WordMark> wordMark;

    int size() const { return int(boxes.size()); }
    TwipRect boxRect(int i) const;
    TwipRect startRect(int i) const;
    DragBoard makeBoard() const;
};

// The most boxes an activity may have: the keys 1 to 9 choose them.
constexpr int kMaxBoxes = 9;

struct ActivityRead {
    std::optional<ActivityLayout> layout;
    QString problem; // why it was refused, naming the file
};

// Reads an activity file's bytes; `contentPath` names it in the problem and
// becomes the layout's source.
ActivityRead readActivityLayout(const QByteArray& bytes, const QString& contentPath);
// Reads the activity file the content path names.
ActivityRead loadActivityLayout(const QString& contentPath);

} // namespace activities
