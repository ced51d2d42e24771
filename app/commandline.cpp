#include "app/commandline.h"

#include "app/plicanza.h"
#include "bolla/controllo_bolla.h"
#include "bolla/recordsource.h"
#include "shell/defaultinstances.h"
#include "shell/look.h"

#include <QAbstractItemModel>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTableView>

#include <cstdio>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

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

void tellUser(const QString &text, bool error)
{
#ifdef Q_OS_WIN
    HANDLE out = GetStdHandle(error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    // Not redirected: a windowed program writes to the console it was started from.
    if ((!out || out == INVALID_HANDLE_VALUE) && AttachConsole(ATTACH_PARENT_PROCESS))
        out = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                          OPEN_EXISTING, 0, nullptr);
    if (!out || out == INVALID_HANDLE_VALUE)
        return;
    DWORD mode = 0;
    DWORD written = 0;
    if (GetConsoleMode(out, &mode)) {
        WriteConsoleW(out, reinterpret_cast<const wchar_t *>(text.utf16()), DWORD(text.size()),
                      &written, nullptr);
    } else {
        const QByteArray bytes = text.toUtf8();
        WriteFile(out, bytes.constData(), DWORD(bytes.size()), &written, nullptr);
    }
#else
    std::fputs(text.toUtf8().constData(), error ? stderr : stdout);
#endif
}

std::optional<int> start(const CommandLine &line)
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
    look::apply();
    if (line.action == CommandLine::Viewer)
        logRows(plicanza::MostraControlloBolla(line.dataLinkFile));
    else
        forms::show(forms::defaultInstance<plicanza>());
    return std::nullopt;
}
