// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "topics/pagedscreen.h"

class QTimer;

namespace topics {

// The notes screen: key facts, teacher's notes, the introduction and the
// acknowledgements, one page at a time, each printable.
class NotesScreen : public PagedScreen {
    Q_OBJECT
public:
    NotesScreen();

    platform::PictureBox* animatedLogoPicture;
    platform::PictureBox* makersLogoPicture; // static
    QTimer* logoTimer;

    // Prepares the screen as the acknowledgements page.
    void showAcknowledgements();

protected:
    void onLoad() override;
    int pageCount() const override;
    QString pageFile(const QString& folder, int page) const override;

private:
    void onLogoTick();
};

NotesScreen& notesScreen();

// The content path of page `page` (1 to 4) of a notes set: "wmf\key tidesb.wmf".
QString notesPageFile(const QString& folder, const QString& stem, int page);

} // namespace topics
