#include "app/worksheetlist.h"

#include "app/sharedstate.h"
#include "platform/mediapaths.h"
#include "worksheets/questionfile.h"

#include <QFile>

namespace app {
namespace {

// One field per line: leading spaces skipped, a comma ends the field.
QString fieldOf(const QByteArray& line) {
    QByteArray raw = line;
    if (raw.endsWith('\r'))
        raw.chop(1);
    qsizetype start = 0;
    while (start < raw.size() && raw.at(start) == ' ')
        ++start;
    qsizetype end = raw.indexOf(',', start);
    if (end < 0)
        end = raw.size();
    return worksheets::decodeWindows1252(raw.mid(start, end - start));
}

} // namespace

bool readWorksheetList(SharedState& s) {
    QFile file(platform::resolveContentPath(QStringLiteral("multiple\\track.txt")));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // A list is at most a thousand short titles: never read more than that.
    const QByteArray bytes = file.read(1024 * 1024);
    QList<QByteArray> lines = bytes.split('\n');
    if (bytes.endsWith('\n'))
        lines.removeLast();
    if (lines.isEmpty())
        return false;
    bool ok = false;
    const double count = fieldOf(lines.first()).trimmed().toDouble(&ok);
    if (!ok)
        return false;
    s.sheetcount = count;
    if (count > 1000)
        return false;
    for (int i = 1; i <= count; ++i) {
        if (i >= lines.size())
            return false;
        s.sheetnames[size_t(i)] = fieldOf(lines.at(i));
    }
    return true;
}

} // namespace app
