// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/screen.h"

#include <array>

class QCheckBox;

namespace platform {
class TextLabel;
} // namespace platform

namespace worksheets {

enum class PageButton { Previous = 0, Next = 1 };

// The worksheet catalogue: the teachers' worksheets, 24 titles a page in
// two columns. A click on a title opens the worksheet as a quiz, or, with
// a tick box ticked, in the wizard for editing or out of the list.
class CatalogueScreen : public platform::Screen {
    Q_OBJECT
public:
    CatalogueScreen();

    platform::TextLabel* headingLabel;
    QCheckBox* editTick;
    QCheckBox* deleteTick;
    // Slot 1 to 12 in the left column, 13 to 24 in the right; slot 0 unused.
    std::array<platform::TextLabel*, 25> titleSlots{};
    platform::TextLabel* exitButton;
    platform::TextLabel* previousPageButton;
    platform::TextLabel* nextPageButton;
    platform::TextLabel* pageLabel;

    void onTitleClicked(int slot);
    void onExitClicked();
    void onPageButtonClicked(PageButton button);

protected:
    void onLoad() override;
    // Back in front (after the wizard or a quiz): the list as it is on the
    // disk now, which a save or another teacher may have changed.
    void showEvent(QShowEvent* event) override;

private:
    void showPage();
    // Fills the slots from the shared list for the page shown, showing `shown` of them.
    void fillSlots(int shown);
    void openWorksheet(const QString& title);
    void editWorksheet();
    void openAsQuiz();
    void deleteWorksheet(const QString& title);
    // "This worksheet seems to be corrupted.", with the reason on a second line.
    void showCorrupted(const QString& reason = QString());

    QString folder_;
    bool listFresh_ = false; // read by the load, for the first showing
    bool deleting_ = false;  // a deletion waits for the list: clicks wait too
};

CatalogueScreen& catalogueScreen();

} // namespace worksheets
