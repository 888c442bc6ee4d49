#include "app/worksheetlist.h"

#include "app/sharedstate.h"
#include "platform/mediapaths.h"
#include "worksheets/fields.h"

#include <QFile>

namespace app {

bool readWorksheetList(SharedState& s) {
    QFile file(platform::resolveContentPath(QStringLiteral("multiple\\track.txt")));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QString field;
    if (!worksheets::readField(file, field))
        return false;
    bool ok = false;
    const double count = field.trimmed().toDouble(&ok);
    if (!ok)
        return false;
    s.sheetcount = count;
    for (int i = 1; i <= count; ++i) {
        if (i > 1000) // the list holds a thousand titles at most
            return false;
        if (!worksheets::readField(file, field))
            return false;
        s.sheetnames[size_t(i)] = field;
    }
    return true;
}

} // namespace app
