// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/screen.h"
#include "worksheets/worksheetentries.h"

#include <array>

class QCheckBox;
class QLineEdit;

namespace platform {
class TextLabel;
} // namespace platform

namespace worksheets {

// The wizard's buttons; the numbers are their indices as clicks report them.
enum class WizardButton { Exit = 0, SaveWorksheet = 1 };

// The multiple-choice wizard: one screen on which a teacher types a
// worksheet's title, ten questions with four options each, and ticks each
// question's right option. "Save Worksheet" checks the entries, saves the
// question file and lists the title; the screen stays open for corrections.
class WizardScreen : public platform::Screen {
    Q_OBJECT
public:
    WizardScreen();

    platform::TextLabel* headingLabel;
    QLineEdit* titleBox;
    std::array<QLineEdit*, 10> questionBoxes{}; // question q + 1 in slot q
    // Option k (A to D) of question q + 1 in slot 4q + k, with the tick that
    // marks it as the right one.
    std::array<QLineEdit*, kOptionBoxes> optionBoxes{};
    std::array<QCheckBox*, kOptionBoxes> rightOptionTicks{};
    platform::TextLabel* exitButton;
    platform::TextLabel* saveButton;

    // What the boxes and ticks hold now.
    WorksheetEntries entries() const;
    // Fills the boxes and ticks, as the catalogue does to edit a worksheet.
    // Texts longer than their boxes are cut to fit.
    void showEntries(const WorksheetEntries& entries);

    void onButtonClicked(WizardButton button);

protected:
    void onLoad() override;

private:
    QLineEdit* addBox(const QString& name, double left, double top, double width, double height,
                      double points, int maxLength);
    void addQuestionBlock(int q);
    void saveWorksheet();

    // What was last loaded or saved: Exit asks before it loses anything else.
    WorksheetEntries kept_;
    // A save is waiting for the list: further clicks wait for it.
    bool saving_ = false;
};

WizardScreen& wizardScreen();

} // namespace worksheets
