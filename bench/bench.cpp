// `make bench`: the figures of the README's performance section, as a Markdown
// table. Figures, not tests: nothing here passes or fails on a time.
//
// Usage: edicola-bench [--rounds N] [--clicks N] [--pastes N]

#include "calcola.h"
#include "figures.h"
#include "paste.h"
#include "shell/look.h"
#include "viewer.h"

#include <QApplication>
#include <QLocale>

#include <algorithm>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char *argv[])
{
    int rounds = 21;
    int clicks = 2000;
    int pastes = 51;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--rounds") == 0)
            rounds = std::max(1, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--clicks") == 0)
            clicks = std::max(1, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--pastes") == 0)
            pastes = std::max(1, std::atoi(argv[i + 1]));
    }

    figures::Table table;
    std::fputs("Start-up: each program in a fresh process, to its first frame...\n", stderr);
    figures::compareLaunches(table, {"plicanza", {PLICANZA_EXE}},
                             {"bare window", {BARE_WINDOW_EXE}}, {"Start-up to first paint", 1.10},
                             {"Peak resident memory", 1.10}, rounds);

    viewer::measure(table, rounds);

    // The calculators run here, headless, under the settings of their users.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    look::apply();
    std::fputs("Calcola: one click at a time...\n", stderr);
    calcola::measure(table, clicks);
    std::fputs("Paste: texts as long as a field takes...\n", stderr);
    paste::measure(table, pastes);

    std::printf("%s\n", figures::machine().c_str());
    table.print();
    return table.failed() ? 1 : 0;
}
