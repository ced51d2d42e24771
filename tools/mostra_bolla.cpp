// Shows the delivery-note viewer on a data link file of one's choice, to try it
// on a demo database. The program itself always uses its fixed data link file.
//
// When the grid first has rows it writes "mostra_bolla: righe N" to stderr: the
// benchmark takes the frame painted after that line as the first one with rows.
#include "bolla/controllo_bolla.h"
#include "shell/defaultinstances.h"
#include "shell/look.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QTableView>

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
    const QAbstractItemModel *rows = viewer.findChild<QTableView *>("DataGrid1")->model();
    QObject::connect(rows, &QAbstractItemModel::modelReset, &viewer, [rows] {
        if (rows->rowCount() > 0)
            std::fprintf(stderr, "mostra_bolla: righe %d\n", rows->rowCount());
    });
    forms::show(&viewer);
    return app.exec();
}
