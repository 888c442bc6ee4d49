// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line. Without arguments the program starts as it always has;
// --fit starts it scaled to fill the display; --help and --version answer on
// the terminal without opening a window; anything else is refused with a
// message and a non-zero exit status, never a crash.

#include <QString>
#include <QStringList>

namespace shell {

struct CommandLine {
    enum class Action { Start, ShowHelp, ShowVersion, Refuse };
    Action action = Action::Start;
    bool fit = false;
    QString problem; // why the command line was refused
};

// Reads the arguments, the program's name first. The toolkit's own options
// (-platform, -style, -reverse ...) are let through for the application object.
CommandLine readCommandLine(const QStringList& arguments);

// What --help and --version print.
QString helpText(const QString& contentFolder, const QString& worksheetsFolder);
QString versionText();

// Answers --help, --version or a refused command line on the terminal and
// returns the exit status. Makes only a windowless application object.
int answerCommandLine(const CommandLine& commandLine, int argc, char** argv);

} // namespace shell
