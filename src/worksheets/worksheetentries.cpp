// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/worksheetentries.h"

#include "questions/questionfile.h"
#include "worksheets/worksheetlist.h"

namespace worksheets {
namespace {

QString questionMessage(const char* start, int question) {
    // A number joined to a text is written with its leading space.
    return QLatin1String(start) + QLatin1Char(' ') + QString::number(question);
}

bool isDeviceName(const QString& title) {
    // Windows treats "con.txt" and "con .txt" as the device too.
    const QString base = title.section(u'.', 0, 0).trimmed().toUpper();
    static const QStringList devices = [] {
        QStringList names = {QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"),
                             QStringLiteral("NUL")};
        for (int n = 0; n <= 9; ++n)
            names << QStringLiteral("COM%1").arg(n) << QStringLiteral("LPT%1").arg(n);
        return names;
    }();
    return devices.contains(base);
}

// A character of the question's texts that the file's code page cannot hold,
// which would be written as "?" and lost.
std::optional<QString> unstorableText(const WorksheetEntries& entries, int q) {
    const auto refusal = [](const QString& where, const QString& c) {
        return QStringLiteral("%1 contains \"%2\", which a worksheet cannot store. Please "
                              "change it.")
            .arg(where, c);
    };
    const QString question = QStringLiteral("Question %1").arg(q + 1);
    if (auto c = characterOutsideCodePage(entries.questions[q]))
        return refusal(question, *c);
    for (int k = 0; k < kOptionsPerQuestion; ++k) {
        if (auto c = characterOutsideCodePage(entries.options[kOptionsPerQuestion * q + k]))
            return refusal(question + QStringLiteral(", option ") + QChar(u'A' + k), *c);
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> titleProblem(const QString& title) {
    if (title.isEmpty())
        return std::nullopt;
    const QString forbidden = QStringLiteral(",/\\:*?\"<>|");
    for (const QChar c : title) {
        if (c.unicode() < 0x20 || c == QChar(0x7F))
            return QStringLiteral("Your worksheet title cannot contain a tab or another "
                                  "invisible character. Please change the title.");
        if (forbidden.contains(c) || characterOutsideCodePage(c))
            return QStringLiteral("Your worksheet title cannot contain the character \"%1\". "
                                  "Please change the title.")
                .arg(c);
    }
    if (title.front() == u' ')
        return QStringLiteral(
            "Your worksheet title cannot begin with a space. Please change the title.");
    if (title.back() == u' ' || title.back() == u'.')
        return QStringLiteral("Your worksheet title cannot end with a space or a full stop. "
                              "Please change the title.");
    if (title.compare(QLatin1String(kListTitle), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Your worksheet title cannot be \"%1\": the list of worksheets "
                              "is kept under that name. Please choose another title.")
            .arg(title);
    if (isDeviceName(title))
        return QStringLiteral("Your worksheet title cannot be \"%1\": computers keep that name "
                              "for themselves. Please choose another title.")
            .arg(title.section(u'.', 0, 0).trimmed());
    return std::nullopt;
}

std::optional<QString> entriesProblem(const WorksheetEntries& entries) {
    if (entries.title.isEmpty())
        return QStringLiteral("You have not chosen a title for your worksheet");
    if (auto problem = titleProblem(entries.title))
        return problem;
    for (int q = 0; q < 10; ++q) {
        const int question = q + 1;
        if (entries.questions[q].isEmpty())
            return questionMessage("You have not completed Question", question);
        int ticked = 0;
        for (int k = 0; k < kOptionsPerQuestion; ++k) {
            const int box = kOptionsPerQuestion * q + k;
            if (entries.options[box].isEmpty())
                return questionMessage("You have not completed Question", question);
            if (entries.ticks[box])
                ++ticked;
        }
        if (ticked == 0)
            return questionMessage("You have not ticked the correct answer for Question", question);
        if (ticked > 1)
            return questionMessage("You have ticked more than one correct answer for Question",
                                   question);
        if (auto problem = unstorableText(entries, q))
            return problem;
    }
    return std::nullopt;
}

common::QuestionSet questionSetOf(const WorksheetEntries& entries) {
    common::QuestionSet set;
    set.title = entries.title;
    for (int q = 0; q < 10; ++q) {
        const int n = q + 1;
        const int a = kOptionsPerQuestion * q;
        set.questionText[n] = entries.questions[q];
        set.optionA[n] = entries.options[a];
        set.optionB[n] = entries.options[a + 1];
        set.optionC[n] = entries.options[a + 2];
        set.optionD[n] = entries.options[a + 3];
        for (int k = 0; k < kOptionsPerQuestion; ++k) {
            if (entries.ticks[a + k])
                set.rightAnswer[n] = QString::number(k + 1);
        }
    }
    return set;
}

QStringList overlongTexts(const WorksheetEntries& entries) {
    QStringList overlong;
    if (entries.title.size() > kTitleMaxLength)
        overlong << QStringLiteral("the title");
    for (int q = 0; q < 10; ++q) {
        const QString question = QStringLiteral("Question %1").arg(q + 1);
        if (entries.questions[q].size() > kQuestionMaxLength)
            overlong << question;
        for (int k = 0; k < kOptionsPerQuestion; ++k) {
            if (entries.options[kOptionsPerQuestion * q + k].size() > kOptionMaxLength)
                overlong << question + QStringLiteral(", option ") + QChar(u'A' + k);
        }
    }
    return overlong;
}

std::optional<WorksheetEntries> entriesOf(const common::QuestionSet& set) {
    WorksheetEntries entries;
    entries.title = set.title;
    for (int q = 0; q < 10; ++q) {
        const int n = q + 1;
        const int a = kOptionsPerQuestion * q;
        entries.questions[q] = set.questionText[n];
        entries.options[a] = set.optionA[n];
        entries.options[a + 1] = set.optionB[n];
        entries.options[a + 2] = set.optionC[n];
        entries.options[a + 3] = set.optionD[n];
        bool isNumber = false;
        const int right = set.rightAnswer[n].toInt(&isNumber);
        if (!isNumber || right < 1 || right > kOptionsPerQuestion)
            return std::nullopt;
        entries.ticks[a + right - 1] = true;
    }
    return entries;
}

} // namespace worksheets
