#pragma once

#include <QString>
#include <QStringList>

// The command line and the console, read and written before any window exists:
// the one place where they differ by system.

// The arguments after the program's name, as the user gave them: on Windows
// the command line's own UTF-16 text, which the narrow argv cannot hold for
// every name.
QStringList programArguments(int argc, char *argv[]);

// Writes `text` where the user who started the program reads it, to the error
// stream when `error`. On Windows a windowed program started from a console
// writes to that console; started by a shortcut it has none, and shows the text
// in a message box.
void tellUser(const QString &text, bool error);
