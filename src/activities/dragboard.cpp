// SPDX-License-Identifier: GPL-3.0-or-later
#include "activities/dragboard.h"

namespace activities {
namespace {
// Each bound is worked out in double precision and then rounded to single,
// so that an edge such as 6202.5 is compared exactly.
float bound(double value) {
    return static_cast<float>(value);
}

bool sameCorner(const TwipRect& a, const TwipRect& b) {
    return a.left == b.left && a.top == b.top;
}

// Overlap of more than an edge.
bool overlaps(const TwipRect& a, const TwipRect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

bool inside(const TwipRect& r, const TwipRect& area) {
    return r.left >= area.left && r.top >= area.top && r.left + r.width <= area.left + area.width &&
           r.top + r.height <= area.top + area.height;
}
} // namespace

bool inDropZone(const TwipRect& target, float x, float y) {
    const double left = target.left, top = target.top;
    const double width = target.width, height = target.height;
    return bound(left - width / 2) < x && x < bound(left + width) && bound(top - height / 2) < y &&
           y < bound(top + height);
}

DragBoard::DragBoard(std::vector<TwipRect> boxes, std::vector<TwipRect> labelStarts)
    : boxes_(std::move(boxes)), slots_(labelStarts), labels_(std::move(labelStarts)) {
    labels_.resize(boxes_.size());
    slots_.resize(boxes_.size());
    resting_ = labels_;
}

void DragBoard::setRestingArea(const TwipRect& area, std::vector<TwipRect> keepClear) {
    hasRestingArea_ = true;
    restingArea_ = area;
    keepClear_ = std::move(keepClear);
}

bool DragBoard::mayRestAt(const TwipRect& r) const {
    if (!hasRestingArea_)
        return true;
    if (!inside(r, restingArea_))
        return false;
    for (const TwipRect& clear : keepClear_)
        if (overlaps(r, clear))
            return false;
    return true;
}

bool DragBoard::drag(int label, Qt::MouseButtons buttons, float x, float y) {
    if (buttons != Qt::LeftButton)
        return false;
    TwipRect& r = labels_[size_t(label)];
    const float left = bound(double(r.left) + x - double(r.width) / 2);
    const float top = bound(double(r.top) + y - double(r.height) / 2);
    if (left == r.left && top == r.top)
        return false;
    r.left = left;
    r.top = top;
    return true;
}

void DragBoard::moveTo(int label, float left, float top) {
    labels_[size_t(label)].left = left;
    labels_[size_t(label)].top = top;
}

void DragBoard::snapTo(int label, const TwipRect& target) {
    moveTo(label, target.left, target.top);
}

DragBoard::Drop DragBoard::drop(int label) {
    Drop result;
    // No early exit: a later zone may still take the snapped position.
    for (size_t i = 0; i < boxes_.size(); ++i) {
        for (const TwipRect* target : {&boxes_[i], &slots_[i]}) {
            const TwipRect& r = labels_[size_t(label)];
            if (inDropZone(*target, r.left, r.top)) {
                snapTo(label, *target);
                ++result.snaps;
            }
        }
    }
    TwipRect& dropped = labels_[size_t(label)];
    if (result.snaps == 0 && !mayRestAt(dropped)) {
        dropped.left = resting_[size_t(label)].left;
        dropped.top = resting_[size_t(label)].top;
        result.returned = true;
    }
    resting_[size_t(label)] = dropped;
    result.placed = placedCount();
    if (result.placed == size())
        checkScoreShown_ = true;
    return result;
}

int DragBoard::placedCount() const {
    int count = 0;
    for (const TwipRect& l : labels_)
        for (const TwipRect& b : boxes_)
            if (sameCorner(l, b))
                ++count;
    return count;
}

int DragBoard::score() const {
    int count = 0;
    for (size_t i = 0; i < labels_.size(); ++i)
        if (sameCorner(labels_[i], boxes_[i]))
            ++count;
    return count;
}

DragBoard::Press DragBoard::press(ActivityButton button) {
    Press result; // every button first clears the score
    switch (button) {
    case ActivityButton::Exit:
        result.closeScreen = true;
        break;
    case ActivityButton::StartAgain:
        for (size_t i = 0; i < labels_.size(); ++i)
            snapTo(int(i), slots_[i]);
        resting_ = labels_;
        checkScoreShown_ = false;
        break;
    case ActivityButton::CheckScore:
        result.score = score();
        result.showResults = true;
        break;
    }
    return result;
}

int DragBoard::labelAt(float x, float y) const {
    for (int i = size() - 1; i >= 0; --i) {
        const TwipRect& r = labels_[size_t(i)];
        if (r.left <= x && x < r.left + r.width && r.top <= y && y < r.top + r.height)
            return i;
    }
    return -1;
}

DragBoard::Where DragBoard::where(int label) const {
    const TwipRect& r = labels_[size_t(label)];
    for (int k = 0; k < size(); ++k)
        if (sameCorner(r, boxes_[size_t(k)]))
            return {Place::Box, k};
    if (sameCorner(r, slots_[size_t(label)]))
        return {Place::HomeSlot, label};
    for (int k = 0; k < size(); ++k)
        if (sameCorner(r, slots_[size_t(k)]))
            return {Place::OtherSlot, k};
    return {};
}

} // namespace activities
