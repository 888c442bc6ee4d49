// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The common build of the notes screen and the teachers' guide: the page on
// screen, its print version, the page label and four text buttons, with
// printing and paging.

#include "platform/screen.h"

namespace platform {
class PictureBox;
class TextLabel;
} // namespace platform

namespace topics {

// The buttons of a paged screen; the numbers are their indices as clicks report them.
enum class PageButton { Print = 0, Exit = 1, Next = 2, Previous = 3 };

class PagedScreen : public platform::Screen {
    Q_OBJECT
public:
    PagedScreen(const QString& name, double printPageLeft, double printPageTop);

    platform::PictureBox* pagePicture;
    platform::PictureBox* printPagePicture; // never shown: what "Print" prints
    platform::TextLabel* pageLabel;
    platform::TextLabel* printButton;
    platform::TextLabel* exitButton;
    platform::TextLabel* nextPageButton;
    platform::TextLabel* previousPageButton;

    // No click here plays a sound.
    void onButtonClicked(PageButton button);

protected:
    // Right and Page Down turn to the next page, Left and Page Up to the
    // previous one, as the page buttons do (and not past the ends); Escape
    // is "Exit".
    void keyPressEvent(QKeyEvent* event) override;
    // What a saved page is named after ("Notes - key tides - page 2").
    virtual QString printedName(int page) const;

    virtual int pageCount() const = 0;
    // The content path of a page's screen ("wmf") or print ("wmf2") version.
    virtual QString pageFile(const QString& folder, int page) const = 0;

    // Turns the page buttons and the page label back to transparent.
    void clearButtonHighlights();

private:
    platform::TextLabel* addPageButton(PageButton button, const char* caption, double left,
                                       double top, double width);
    // Shows the page `pageNumber`: both files, the label, and "Previous Page"
    // usable except on the first page, "Next Page" except on the last.
    void showPage();
};

// "Page 2 of 3"
QString pageLabelText(int page, int count);

} // namespace topics
