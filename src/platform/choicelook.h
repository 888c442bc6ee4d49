// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Option buttons and tick boxes whose indicator is drawn in proportion to
// their text, about the height of a capital letter, in the text's colour: an
// empty ring or box when not chosen, a solid dot or a bold tick when chosen,
// so a pupil sees at a glance what was picked. Only the indicator changes:
// captions, colours, positions, keys and accessibility stay the button's own.

class QAbstractButton;
class QFont;

namespace platform {

// The indicator's side in pixels for text in `font`.
int choiceIndicatorSize(const QFont& font);

// Gives an option button (QRadioButton) or a tick box (QCheckBox) this look.
void useChoiceLook(QAbstractButton* button);

} // namespace platform
