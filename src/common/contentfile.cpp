// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/contentfile.h"

#include "platform/mediapaths.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QRegularExpression>
#include <cmath>

namespace common {

void refuse(const QString& problem) {
    throw ContentRefusal{problem};
}

QByteArray readContentBytes(const QString& contentPath) {
    if (!platform::contentFileExists(contentPath))
        refuse(QStringLiteral("the file does not exist"));
    QFile file(platform::resolveContentPath(contentPath));
    if (!file.open(QIODevice::ReadOnly))
        refuse(QStringLiteral("the file cannot be opened (%1)").arg(file.errorString()));
    // One byte more than allowed tells a file that is too large.
    const QByteArray bytes = file.read(kMaxContentFileBytes + 1);
    if (bytes.size() > kMaxContentFileBytes)
        refuse(QStringLiteral("the file is larger than %1 KB").arg(kMaxContentFileBytes / 1024));
    if (file.error() != QFileDevice::NoError)
        refuse(QStringLiteral("the file cannot be read (%1)").arg(file.errorString()));
    return bytes;
}

QJsonObject parseContentObject(const QByteArray& bytes) {
    if (bytes.size() > kMaxContentFileBytes)
        refuse(QStringLiteral("the file is larger than %1 KB").arg(kMaxContentFileBytes / 1024));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        const int line = int(bytes.left(error.offset).count('\n')) + 1;
        refuse(QStringLiteral("it is not valid JSON (%1, line %2)")
                   .arg(error.errorString())
                   .arg(line));
    }
    if (!document.isObject())
        refuse(QStringLiteral("it is not a JSON object ({ ... })"));
    const QJsonObject object = document.object();
    const QJsonValue format = object.value(QLatin1String("format"));
    if (format.toDouble(-1) != kContentFormat)
        refuse(QStringLiteral("\"format\" must be %1").arg(kContentFormat));
    return object;
}

ContentFields::ContentFields(QJsonObject object, QString path)
    : object_(std::move(object)), path_(std::move(path)) {}

QString ContentFields::name(const char* key) const {
    const QString k = QString::fromLatin1(key);
    return path_.isEmpty() ? k : path_ + '.' + k;
}

QJsonValue ContentFields::value(const char* key) const {
    const QJsonValue v = object_.value(QLatin1String(key));
    if (v.isUndefined() || v.isNull())
        refuse(QStringLiteral("\"%1\" is missing").arg(name(key)));
    return v;
}

QString ContentFields::text(const char* key, int maxLength) const {
    const QJsonValue v = value(key);
    if (!v.isString())
        refuse(QStringLiteral("\"%1\" must be a text in quotes").arg(name(key)));
    const QString s = v.toString();
    if (s.trimmed().isEmpty())
        refuse(QStringLiteral("\"%1\" is empty").arg(name(key)));
    if (s.size() > maxLength)
        refuse(QStringLiteral("\"%1\" is longer than %2 characters").arg(name(key)).arg(maxLength));
    return s;
}

QString ContentFields::contentPath(const char* key) const {
    const QString path = text(key, kMaxContentName);
    const QStringList parts = path.split(QLatin1Char('\\'));
    for (const QString& part : parts)
        if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String("..") ||
            part.contains(QLatin1Char('/')) || part.contains(QLatin1Char(':')))
            refuse(QStringLiteral("\"%1\" must name a file in the content folder, with \\\\ "
                                  "between folders (\"%2\")")
                       .arg(name(key), path));
    return path;
}

std::vector<double> ContentFields::numbers(const QJsonValue& v, const QString& path, int count,
                                           double min, double max) const {
    const QJsonArray array = v.toArray();
    if (!v.isArray() || array.size() != count)
        refuse(QStringLiteral("\"%1\" must be a list of %2 numbers").arg(path).arg(count));
    std::vector<double> result;
    for (const QJsonValue& n : array) {
        const double d = n.toDouble(std::nan(""));
        if (!n.isDouble() || !(d >= min && d <= max))
            refuse(QStringLiteral("\"%1\" must hold numbers from %2 to %3")
                       .arg(path)
                       .arg(min)
                       .arg(max));
        result.push_back(d);
    }
    return result;
}

double ContentFields::number(const char* key, double min, double max) const {
    return numbers(QJsonArray{value(key)}, name(key), 1, min, max).front();
}

int ContentFields::integer(const char* key, int min, int max) const {
    const double d = number(key, min, max);
    if (d != std::floor(d))
        refuse(QStringLiteral("\"%1\" must be a whole number").arg(name(key)));
    return int(d);
}

bool ContentFields::flag(const char* key) const {
    const QJsonValue v = value(key);
    if (!v.isBool())
        refuse(QStringLiteral("\"%1\" must be true or false").arg(name(key)));
    return v.toBool();
}

QColor ContentFields::colour(const char* key) const {
    const QString s = text(key, 7);
    static const QRegularExpression hex(QStringLiteral("^#[0-9a-fA-F]{6}$"));
    if (!hex.match(s).hasMatch())
        refuse(QStringLiteral("\"%1\" must be a colour written #rrggbb").arg(name(key)));
    return QColor(s);
}

ContentFields ContentFields::object(const char* key) const {
    const QJsonValue v = value(key);
    if (!v.isObject())
        refuse(QStringLiteral("\"%1\" must be an object ({ ... })").arg(name(key)));
    return ContentFields(v.toObject(), name(key));
}

QJsonArray ContentFields::array(const char* key, int maxItems) const {
    const QJsonValue v = value(key);
    if (!v.isArray())
        refuse(QStringLiteral("\"%1\" must be a list ([ ... ])").arg(name(key)));
    const QJsonArray a = v.toArray();
    if (a.size() > maxItems)
        refuse(QStringLiteral("\"%1\" has more than %2 items").arg(name(key)).arg(maxItems));
    return a;
}

ContentFields ContentFields::item(const char* key, const QJsonArray& array, int i) const {
    const QString path = QStringLiteral("%1[%2]").arg(name(key)).arg(i);
    if (!array.at(i).isObject())
        refuse(QStringLiteral("\"%1\" must be an object ({ ... })").arg(path));
    return ContentFields(array.at(i).toObject(), path);
}

QString refusalMessage(const QString& contentPath, const QString& problem) {
    return QStringLiteral("The file \"%1\" cannot be used: %2.").arg(contentPath, problem);
}

} // namespace common
