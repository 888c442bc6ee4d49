// SPDX-License-Identifier: GPL-3.0-or-later
#include "activities/keyboardmove.h"

#include <algorithm>

namespace activities {

KeyboardMove::KeyboardMove(const DragBoard& board, int label) : board_(board), label_(label) {
    for (int k = 0; k < board.size(); ++k)
        order_.push_back({false, k});
    std::stable_sort(order_.begin(), order_.end(), [&board](const Target& a, const Target& b) {
        const TwipRect &ra = board.box(a.index), &rb = board.box(b.index);
        return ra.left != rb.left ? ra.left < rb.left : ra.top < rb.top;
    });
    order_.push_back({true, label});
}

bool KeyboardMove::choose(int key) {
    const int count = int(order_.size());
    switch (key) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        choice_ = (choice_ + 1) % count;
        return true;
    case Qt::Key_Left:
    case Qt::Key_Up:
        choice_ = choice_ < 0 ? count - 1 : (choice_ + count - 1) % count;
        return true;
    case Qt::Key_0:
        choice_ = count - 1;
        return true;
    default:
        if (key >= Qt::Key_1 && key < Qt::Key_1 + count - 1) {
            choice_ = key - Qt::Key_1;
            return true;
        }
        return false;
    }
}

std::optional<KeyboardMove::Target> KeyboardMove::chosen() const {
    if (choice_ < 0)
        return std::nullopt;
    return order_[size_t(choice_)];
}

TwipRect KeyboardMove::chosenRect() const {
    const std::optional<Target> target = chosen();
    if (!target)
        return board_.label(label_);
    return target->homeSlot ? board_.homeSlot(target->index) : board_.box(target->index);
}

} // namespace activities
