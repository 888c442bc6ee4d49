// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Moving a label with the keys: the arrows step through the boxes, in the
// order they stand on the screen (left to right, then top to bottom), and the
// label's own starting place; a number key picks a box by that order, 0 the
// starting place. The move itself is a drop at the chosen corner.

#include "activities/dragboard.h"

#include <optional>
#include <vector>

namespace activities {

class KeyboardMove {
public:
    struct Target {
        bool homeSlot = false;
        int index = -1; // the box, or the label for its home slot
    };

    KeyboardMove(const DragBoard& board, int label);

    int label() const { return label_; }
    // Applies a key; returns whether it chose a target.
    bool choose(int key);
    std::optional<Target> chosen() const;
    TwipRect chosenRect() const;

private:
    const DragBoard& board_;
    int label_;
    std::vector<Target> order_;
    int choice_ = -1;
};

} // namespace activities
