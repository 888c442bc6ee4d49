// SPDX-License-Identifier: GPL-3.0-or-later
#include "questions/questionfile.h"

#include "questions/fields.h"
#include "questions/plainfile.h"
#include "questions/safewrite.h"

#include <QFile>
#include <QIODevice>
#include <array>

namespace worksheets {

namespace {

// Bytes 0x80 to 0x9F. The five unassigned bytes map to the control
// characters of the same number, as Windows itself does, so they round-trip.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char encodeCodePoint(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

// "1" to "4", ignoring trailing blanks a hand edit may leave; empty otherwise.
QString correctOption(const QString& field) {
    const QString digit = field.trimmed();
    if (digit.size() == 1 && digit[0] >= u'1' && digit[0] <= u'4')
        return digit;
    return {};
}

QString singleLine(QString text) {
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

QString correctOptionError(int question, const QString& field) {
    return QStringLiteral("Question %1 has \"%2\" as its right answer; it must be 1 to 4.")
        .arg(question)
        .arg(field);
}

std::optional<QString> unwritableSet(const common::QuestionSet& set) {
    const auto outside = [](const QString& text) {
        const std::optional<QString> c = characterOutsideCodePage(text);
        if (c)
            return std::optional<QString>(
                QStringLiteral("\"%1\" cannot be stored in a question file.").arg(*c));
        return std::optional<QString>();
    };
    if (auto error = outside(set.title))
        return error;
    for (int n = 1; n <= kQuestionCount; ++n) {
        if (correctOption(set.rightAnswer[n]).isEmpty())
            return correctOptionError(n, set.rightAnswer[n]);
        for (const QString* text : {&set.questionText[n], &set.optionA[n], &set.optionB[n],
                                    &set.optionC[n], &set.optionD[n]}) {
            if (auto error = outside(*text))
                return error;
        }
    }
    return std::nullopt;
}

} // namespace

QString decodeWindows1252(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        if (b >= 0x80 && b <= 0x9F)
            text.append(QChar(kHighControls[b - 0x80]));
        else
            text.append(QChar(b));
    }
    return text;
}

QByteArray encodeWindows1252(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const char32_t c : text.toUcs4())
        bytes.append(encodeCodePoint(c));
    return bytes;
}

std::optional<QString> characterOutsideCodePage(const QString& text) {
    for (const char32_t c : text.toUcs4()) {
        if (c != U'?' && encodeCodePoint(c) == '?')
            return QString::fromUcs4(&c, 1);
    }
    return std::nullopt;
}

QString encodeCommas(const QString& text) {
    QString encoded = text;
    return encoded.replace(u',', u'&');
}

QString decodeCommas(const QString& text) {
    QString decoded = text;
    return decoded.replace(u'&', u',');
}

QuestionSetRead readQuestionSet(QIODevice& file) {
    if (!file.isReadable())
        return {std::nullopt, QStringLiteral("The question file cannot be read.")};

    const TextEncoding encoding = readEncodingMark(file);
    std::array<QString, kQuestionFileLines + 1> fields; // 1-based, like the lines
    for (int n = 1; n <= kQuestionFileLines; ++n) {
        switch (readField(file, fields[n], encoding)) {
        case FieldRead::Read:
            break;
        case FieldRead::End:
            return {std::nullopt, QStringLiteral("The question file ends before line %1 of %2.")
                                      .arg(n)
                                      .arg(kQuestionFileLines)};
        case FieldRead::TooLong:
            return {std::nullopt,
                    QStringLiteral("Line %1 of the question file is longer than %2 characters.")
                        .arg(n)
                        .arg(kMaxLineBytes)};
        case FieldRead::NotText:
            return {std::nullopt,
                    QStringLiteral("Line %1 of the question file is not UTF-8 text, though the "
                                   "file begins with the UTF-8 mark.")
                        .arg(n)};
        }
    }

    common::QuestionSet set;
    set.title = decodeCommas(fields[1]);
    for (int n = 1; n <= kQuestionCount; ++n) {
        const int first = 3 + 7 * (n - 1);
        set.questionText[n] = decodeCommas(fields[first]);
        set.optionA[n] = decodeCommas(fields[first + 1]);
        set.optionB[n] = decodeCommas(fields[first + 2]);
        set.optionC[n] = decodeCommas(fields[first + 3]);
        set.optionD[n] = decodeCommas(fields[first + 4]);
        set.rightAnswer[n] = correctOption(fields[first + 5]);
        if (set.rightAnswer[n].isEmpty())
            return {std::nullopt, correctOptionError(n, fields[first + 5])};
    }
    return {std::move(set), QString()};
}

QByteArray questionSetBytes(const common::QuestionSet& set) {
    QByteArray bytes;
    const auto plainLine = [&bytes](const QString& text) {
        bytes += encodeWindows1252(singleLine(text));
        bytes += "\r\n";
    };
    const auto textLine = [&](const QString& text) { plainLine(encodeCommas(text)); };

    textLine(set.title);
    // A title whose first letters encode as the UTF-8 mark ("ï»¿") would turn
    // the whole file into UTF-8 when read back; a leading space, which
    // reading skips, keeps it in the code page.
    if (bytes.startsWith(kUtf8Mark))
        bytes.prepend(' ');
    plainLine(QStringLiteral(" "));
    for (int n = 1; n <= kQuestionCount; ++n) {
        textLine(set.questionText[n]);
        textLine(set.optionA[n]);
        textLine(set.optionB[n]);
        textLine(set.optionC[n]);
        textLine(set.optionD[n]);
        plainLine(set.rightAnswer[n]);
        plainLine(QStringLiteral(" "));
    }
    return bytes;
}

std::optional<QString> writeQuestionSet(const QString& path, const common::QuestionSet& set) {
    if (auto error = unwritableSet(set))
        return error;
    return replaceFile(path, questionSetBytes(set));
}

std::optional<QString> loadQuestionSet(QIODevice& file) {
    QuestionSetRead read = readQuestionSet(file);
    if (!read.set)
        return read.error;
    // Slot 0 is never used; it keeps whatever it held, as every load does.
    common::QuestionSet& questions = common::state().questions;
    const common::QuestionSet& loaded = *read.set;
    questions.title = loaded.title;
    for (int n = 1; n <= kQuestionCount; ++n) {
        questions.questionText[n] = loaded.questionText[n];
        questions.optionA[n] = loaded.optionA[n];
        questions.optionB[n] = loaded.optionB[n];
        questions.optionC[n] = loaded.optionC[n];
        questions.optionD[n] = loaded.optionD[n];
        questions.rightAnswer[n] = loaded.rightAnswer[n];
    }
    return std::nullopt;
}

QuestionFileLoad loadQuestionFile(const QString& path) {
    QFile file;
    const PlainFileOpen opened = openPlainFile(file, path);
    switch (opened.outcome) {
    case PlainFileOpen::Outcome::Opened:
        break;
    case PlainFileOpen::Outcome::NotFound:
        return {QuestionFileLoad::Outcome::NotFound, QString()};
    case PlainFileOpen::Outcome::NotAFile:
        return {QuestionFileLoad::Outcome::CannotBeRead, QStringLiteral("it is not a plain file")};
    case PlainFileOpen::Outcome::Failed:
        return {QuestionFileLoad::Outcome::CannotBeRead, opened.error};
    }
    if (std::optional<QString> error = loadQuestionSet(file))
        return {QuestionFileLoad::Outcome::Damaged, *error};
    return {};
}

} // namespace worksheets
