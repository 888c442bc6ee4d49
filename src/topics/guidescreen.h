// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "topics/pagedscreen.h"

namespace topics {

// The teachers' guide: five pages, one at a time, each printable.
class GuideScreen : public PagedScreen {
    Q_OBJECT
public:
    GuideScreen();

protected:
    void onLoad() override;
    void onBareScreenMouseMove() override;
    int pageCount() const override;
    QString pageFile(const QString& folder, int page) const override;
    QString printedName(int page) const override;
};

GuideScreen& guideScreen();

} // namespace topics
