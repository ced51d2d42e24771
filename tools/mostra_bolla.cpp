// Shows the delivery-note viewer on a data link file of one's choice, to try it
// on a demo database. The program itself always uses its fixed data link file.
#include "bolla/controllo_bolla.h"
#include "shell/defaultinstances.h"
#include "shell/look.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "uso: mostra_bolla FILE.udl\n");
        return 2;
    }
    look::apply();
    Controllo_bolla viewer(args.at(1));
    forms::show(&viewer);
    return app.exec();
}
