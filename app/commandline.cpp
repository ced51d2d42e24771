#include "app/commandline.h"

#include "app/console.h"
#include "app/plicanza.h"
#include "bolla/controllo_bolla.h"
#include "bolla/recordsource.h"
#include "shell/defaultinstances.h"
#include "shell/look.h"

#include <QAbstractItemModel>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTableView>

namespace {

// Off unless asked for (QT_LOGGING_RULES=plicanza.bolla.info=true): the
// benchmark takes the frame painted after "righe" as the first with rows.
Q_LOGGING_CATEGORY(lcBolla, "plicanza.bolla", QtWarningMsg)

void logRows(QWidget *viewer)
{
    const QAbstractItemModel *rows = viewer->findChild<QTableView *>("DataGrid1")->model();
    QObject::connect(rows, &QAbstractItemModel::modelReset, viewer, [rows] {
        if (rows->rowCount() > 0)
            qCInfo(lcBolla, "righe %d", rows->rowCount());
    });
}

} // namespace

CommandLine readCommandLine(const QStringList &arguments)
{
    CommandLine line;
    const auto wrong = [&line](const QString &message) {
        line = {CommandLine::Wrong, {}, message};
        return line;
    };
    if (arguments.isEmpty())
        return line;
    const QString &first = arguments.first();
    if (first == u"--help" || first == u"-h" || first == u"/?") {
        if (arguments.size() > 1)
            return wrong(QStringLiteral("--help non vuole altri argomenti."));
        line.action = CommandLine::Usage;
        return line;
    }
    if (first != u"--bolla")
        return wrong(first.startsWith(u'-')
                         ? QStringLiteral("Opzione sconosciuta: \"%1\".").arg(first)
                         : QStringLiteral("Argomento inatteso: \"%1\".").arg(first));
    if (arguments.size() > 2)
        return wrong(QStringLiteral("Dopo --bolla va al più un file di collegamento dati, non "
                                    "\"%1\".")
                         .arg(arguments.at(2)));
    line.action = CommandLine::Viewer;
    if (arguments.size() == 2) {
        const QString &file = arguments.at(1);
        if (file.isEmpty() || file.startsWith(QLatin1String("--")))
            return wrong(QStringLiteral("Dopo --bolla va un file di collegamento dati, non "
                                        "\"%1\".")
                             .arg(file));
        line.dataLinkFile = QFileInfo(file).absoluteFilePath();
    }
    return line;
}

QString usage()
{
    return QStringLiteral("Uso: plicanza [--bolla [FILE.udl]]\n"
                          "\n"
                          "Senza argomenti apre la finestra iniziale, \"Controllo compensi "
                          "plicanza inserti\".\n"
                          "\n"
                          "  --bolla             apre solo la bolla di consegna (\"Controllo "
                          "bolla\"), letta\n"
                          "                      dal file di collegamento dati del programma,\n"
                          "                      %1\n"
                          "  --bolla FILE.udl    la apre dal file di collegamento dati indicato\n"
                          "  --help              mostra questo aiuto\n")
        .arg(bolla::dataLinkFile());
}

std::optional<int> answer(const CommandLine &line)
{
    switch (line.action) {
    case CommandLine::Usage:
        tellUser(usage(), false);
        return 0;
    case CommandLine::Wrong:
        tellUser(line.message + u'\n' + usage(), true);
        return 2;
    case CommandLine::Viewer:
    case CommandLine::StartWindow:
        break;
    }
    return std::nullopt;
}

void start(const CommandLine &line)
{
    look::apply();
    if (line.action == CommandLine::Viewer)
        logRows(plicanza::MostraControlloBolla(line.dataLinkFile));
    else
        forms::show(forms::defaultInstance<plicanza>());
}
