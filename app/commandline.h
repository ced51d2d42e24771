#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What the program is asked for. Without arguments, the start window. With
// --bolla, the start window's viewer operation alone, on the program's data
// link file or on the one named after it: the Start-menu entry and the menu
// entry's action "Controllo bolla" use it.
struct CommandLine
{
    enum Action { StartWindow, Viewer, Usage, Wrong } action = StartWindow;
    QString dataLinkFile; // Viewer: an absolute path, or empty for the program's own
    QString message;      // Wrong: what is wrong, in Italian
};

// The arguments after the program's name.
CommandLine readCommandLine(const QStringList &arguments);

// How to start the program, in Italian, as --help prints it.
QString usage();

// Writes `text` where the user who started the program reads it, to the
// error stream when `error`: on Windows, whose windowed programs have no
// console, that is the console the program was started from.
void tellUser(const QString &text, bool error);

// Does what the command line asks: shows the start window, or the viewer alone
// (whose closing then ends the program), and gives nothing; or tells the user
// the usage or what is wrong and gives the program's exit status.
std::optional<int> start(const CommandLine &line);
