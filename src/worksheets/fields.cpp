#include "worksheets/fields.h"

#include "worksheets/questionfile.h"

#include <QIODevice>

namespace worksheets {
namespace {

// One line's bytes without its line end. False when the file has no further line.
bool readLine(QIODevice& file, QByteArray& line) {
    line.clear();
    char c = 0;
    if (!file.getChar(&c))
        return false;
    for (;;) {
        if (c == '\n')
            return true;
        if (c == '\r') {
            char next = 0;
            if (file.peek(&next, 1) == 1 && next == '\n')
                file.getChar(&next);
            return true;
        }
        line.append(c);
        if (!file.getChar(&c))
            return true; // the last line may lack its line end
    }
}

} // namespace

bool readField(QIODevice& file, QString& field) {
    QByteArray line;
    if (!readLine(file, line))
        return false;
    qsizetype start = 0;
    while (start < line.size() && line[start] == ' ')
        ++start;
    qsizetype end = line.indexOf(',', start);
    if (end < 0)
        end = line.size();
    field = decodeWindows1252(line.mid(start, end - start));
    return true;
}

} // namespace worksheets
