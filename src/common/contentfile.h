// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the content folder's JSON files (topics, activities) strictly and
// within bounds: a file that breaks a rule is refused with a message that
// names the file and the problem, so a content author can mend it.

#include <QByteArray>
#include <QColor>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <optional>
#include <vector>

namespace common {

// What a content file may hold at most.
constexpr qint64 kMaxContentFileBytes = 256 * 1024;
constexpr int kMaxContentItems = 64; // texts, lines, pictures, boxes of one file
constexpr int kMaxContentText = 600; // characters of one text
constexpr int kMaxContentName = 200; // characters of a name or content path
constexpr int kContentFormat = 1;    // the "format" the program reads

// Thrown by the field readers below; the file's reader turns it into its
// refusal.
struct ContentRefusal {
    QString problem;
};
[[noreturn]] void refuse(const QString& problem);

// The file's bytes and the JSON object they hold; refuses a missing, too
// large or malformed file.
QByteArray readContentBytes(const QString& contentPath);
QJsonObject parseContentObject(const QByteArray& bytes);

// One JSON object's fields, named in problems by their path in the file
// ("boxes[2].answer").
class ContentFields {
public:
    ContentFields(QJsonObject object, QString path = QString());

    bool has(const char* key) const { return object_.contains(QLatin1String(key)); }
    QString text(const char* key, int maxLength = kMaxContentText) const;
    // A content path: backslashes between folders, never leaving the folder.
    QString contentPath(const char* key) const;
    double number(const char* key, double min, double max) const;
    int integer(const char* key, int min, int max) const;
    bool flag(const char* key) const;
    QColor colour(const char* key) const;
    ContentFields object(const char* key) const;
    // An array of at most `maxItems` items.
    QJsonArray array(const char* key, int maxItems = kMaxContentItems) const;
    // Item `i` of an array field, as an object.
    ContentFields item(const char* key, const QJsonArray& array, int i) const;
    // An array of exactly `count` numbers between min and max.
    std::vector<double> numbers(const QJsonValue& value, const QString& path, int count, double min,
                                double max) const;
    std::vector<double> numbers(const char* key, int count, double min, double max) const {
        return numbers(value(key), name(key), count, min, max);
    }

    QString name(const char* key) const;

private:
    QJsonValue value(const char* key) const;

    QJsonObject object_;
    QString path_;
};

// The message shown for a refused file.
QString refusalMessage(const QString& contentPath, const QString& problem);

} // namespace common
