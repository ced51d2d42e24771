#include "app/commandline.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (const std::optional<int> status =
            start(readCommandLine(QCoreApplication::arguments().mid(1))))
        return *status;
    return app.exec();
}
