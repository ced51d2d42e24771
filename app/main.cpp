#include "app/commandline.h"
#include "app/console.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Read before the GUI starts: --help and a wrong argument need no display.
    const CommandLine line = readCommandLine(programArguments(argc, argv));
    if (const std::optional<int> status = answer(line))
        return *status;
    QApplication app(argc, argv);
    start(line);
    return app.exec();
}
