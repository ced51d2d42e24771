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

// Tells the user the usage or what is wrong and gives the program's exit
// status; nothing for a command line that opens a window. It needs no display,
// so the program asks it before its GUI starts.
std::optional<int> answer(const CommandLine &line);

// Opens the window the command line asks for: the start window, or the viewer
// alone, whose closing then ends the program.
void start(const CommandLine &line);
