// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of the drag-and-drop activities, without widgets: where each
// label lies, how it follows the pointer, where a drop snaps it, when "Check
// Score" appears and what the three buttons do to the score.
//
// Positions and sizes are twips in single precision, and every comparison is
// made on those values: a placement is exact equality with a box's corner,
// which only a snap produces, so the representation is part of the rules.

#include <Qt>
#include <vector>

namespace activities {

struct TwipRect {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

// Whether a label whose top-left corner is at (x, y) lands in the drop zone of
// `target`: the zone reaches half the target to the left and above its corner
// and its full size to the right and below, with strict edges.
bool inDropZone(const TwipRect& target, float x, float y);

enum class ActivityButton { Exit = 0, StartAgain = 1, CheckScore = 2 };

class DragBoard {
public:
    // Label i starts at `labelStarts[i]`, which is also its home slot, and
    // belongs in `boxes[i]`. Both lists have the same length.
    DragBoard(std::vector<TwipRect> boxes, std::vector<TwipRect> labelStarts);

    int size() const { return int(boxes_.size()); }
    const TwipRect& label(int i) const { return labels_[size_t(i)]; }
    const TwipRect& box(int i) const { return boxes_[size_t(i)]; }
    const TwipRect& homeSlot(int i) const { return slots_[size_t(i)]; }

    // The pointer moved over `label` with `buttons` held, at (x, y) twips from
    // the label's top-left corner. Only the left button alone drags: the
    // label's centre goes under the pointer. Returns whether it moved.
    bool drag(int label, Qt::MouseButtons buttons, float x, float y);
    // Puts the label's top-left corner at (left, top), as a drag ending there.
    void moveTo(int label, float left, float top);

    // Where a label may rest: wholly inside `area` (the screen) and on none
    // of `keepClear` (the buttons). Without it any place will do.
    void setRestingArea(const TwipRect& area, std::vector<TwipRect> keepClear);

    struct Drop {
        int snaps = 0;         // each snap is heard
        int placed = 0;        // labels sitting on some box's corner
        bool returned = false; // went back to where it was picked up
    };
    // A button was released on `label`: every box and home slot is tested in
    // index order, box before slot, against the position after any earlier
    // snap, and each match snaps the label again. A label that no zone took
    // and that would lie partly off the resting area or over a button goes
    // back to where it lay before the drag; that is no snap.
    Drop drop(int label);

    // Pairs (label, box) with the label on the box's corner; two labels on one
    // box both count.
    int placedCount() const;
    // Shown once every label has been placed; only "Start Again" hides it.
    bool checkScoreShown() const { return checkScoreShown_; }
    // Labels sitting in their own box.
    int score() const;

    struct Press {
        int score = 0;            // what the shared score becomes
        bool closeScreen = false; // "Exit"
        bool showResults = false; // "Check Score"
    };
    Press press(ActivityButton button);

    // The label that takes a press at (x, y): the uppermost one there, the
    // one with the highest index; -1 when none is there.
    int labelAt(float x, float y) const;

    enum class Place { Box, HomeSlot, OtherSlot, Elsewhere };
    struct Where {
        Place place = Place::Elsewhere;
        int index = -1; // the box or slot
    };
    // Where a label sits, for telling the pupil; a box wins over a slot.
    Where where(int label) const;

private:
    void snapTo(int label, const TwipRect& target);

    std::vector<TwipRect> boxes_;
    std::vector<TwipRect> slots_;
    std::vector<TwipRect> labels_;
    std::vector<TwipRect> resting_; // where each label lay before its drag
    bool hasRestingArea_ = false;
    TwipRect restingArea_;
    std::vector<TwipRect> keepClear_;
    bool checkScoreShown_ = false;

    bool mayRestAt(const TwipRect& r) const;
};

} // namespace activities
