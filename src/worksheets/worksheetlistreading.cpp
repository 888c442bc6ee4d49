#include "worksheets/worksheetlistreading.h"

#include "common/sharedstate.h"
#include "platform/mediapaths.h"
#include "worksheets/fields.h"

#include <QFile>
#include <QtGlobal>
#include <cmath>

namespace worksheets {

namespace {
constexpr int kMostTitles = 1000;
} // namespace

bool readWorksheetList(common::SharedState& s) {
    QFile file(platform::resolveContentPath(QStringLiteral("multiple\\track.txt")));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QString field;
    if (!readField(file, field))
        return false;
    bool ok = false;
    const double count = field.trimmed().toDouble(&ok);
    if (!ok)
        return false;
    // Whole titles only; a count beyond what the list can hold is kept as
    // just beyond it, which still reads as too many.
    s.worksheetCount = int(qBound(-1.0 - kMostTitles, std::floor(count), 1.0 + kMostTitles));
    for (int i = 1; i <= count; ++i) {
        if (i > kMostTitles)
            return false;
        if (!readField(file, field))
            return false;
        s.worksheetTitles[size_t(i)] = field;
    }
    return true;
}

} // namespace worksheets
