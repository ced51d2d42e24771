#include "app/commandline.h"
#include "app/plicanza.h"
#include "bolla/controllo_bolla.h"
#include "calculatorkinds.h"
#include "windowsudl.h"

#include <QProcess>
#include <QRadioButton>
#include <QTableView>

using namespace formtest;

class tst_Plicanza : public QObject
{
    Q_OBJECT
private:
    plicanza *start = nullptr;
    QTemporaryDir folder;
    QString link; // a data link file in "Città" naming a database of one row
    Form *confirm(const char *option);

private slots:
    void initTestCase();
    void init();
    void cleanup() { unloadAll(); }

    void atStartOnlyTheStartWindow();
    void lifecycle_data();
    void lifecycle();
    void closingTheStartWindowClosesEverything_data();
    void closingTheStartWindowClosesEverything();
    void clickingAKindsTextSelectsNothing();
    void commandLine_data();
    void commandLine();
    void viewerAlone();
    void viewerAskedAgain();
    void theProgram_data();
    void theProgram();
};

void tst_Plicanza::initTestCase()
{
    setUpApplication();
    QVERIFY(QDir(folder.path()).mkpath("Città"));
    link = folder.filePath("Città/Testo.udl");
    QFile udl(link);
    QVERIFY(writeBollaDatabase(folder.filePath("Città/bolla.db")) &&
            udl.open(QIODevice::WriteOnly) &&
            udl.write(utf16le(kHeader + "Provider=SQLite;Data Source=bolla.db\r\n")) > 0);
}

void tst_Plicanza::init()
{
    start = forms::defaultInstance<plicanza>();
    showAndActivate(start);
}

// Chooses a kind, presses "Conferma", and gives the window it showed.
Form *tst_Plicanza::confirm(const char *option)
{
    QTest::mouseClick(child<QRadioButton>(start, option), Qt::LeftButton, {}, QPoint(8, 8));
    if (!child<QRadioButton>(start, option)->isChecked())
        qFatal("%s not selected", option);
    click(start, "CmdConferma");
    return loaded(kindOf(QLatin1String(option)));
}

// Nothing is chosen at start, so "Conferma" shows nothing.
void tst_Plicanza::atStartOnlyTheStartWindow()
{
    QCOMPARE(QApplication::focusWidget(), child(start, "Option1"));
    QCOMPARE(selected(start), QStringList());
    QCOMPARE(child<QLabel>(start, "Image1")->pixmap().size(), QSize(200, 230));
    click(start, "CmdConferma");
    QCOMPARE(forms::loaded(), QList<Form *>{start});
}

// "Conferma" shows the kind's calculator modeless, with no owner, beside the
// start window, and never a second copy; a minimised one comes back. "Esci" hides it and keeps it
// as it was; its close box discards it, and the next "Conferma" starts afresh. The two periodical
// kinds share one.
void tst_Plicanza::lifecycle_data()
{
    QTest::addColumn<QByteArray>("option");
    QTest::addColumn<QByteArray>("again");
    for (const Kind &k : kKinds)
        QTest::newRow(k.option) << QByteArray(k.option) << QByteArray(k.option);
    QTest::newRow("Option4, then Option5") << QByteArray("Option4") << QByteArray("Option5");
    QTest::newRow("Option5, then Option4") << QByteArray("Option5") << QByteArray("Option4");
}

void tst_Plicanza::lifecycle()
{
    QFETCH(QByteArray, option);
    QFETCH(QByteArray, again);
    const Kind &k = kindOf(option);
    const QStringList everything = words(k.fields) + words(k.results);

    Form *w = confirm(option);
    QVERIFY(w && w->isVisible() && !w->isMinimized() && !w->parentWidget() && !w->isModal());
    run(w, words(k.inputs));
    const QStringList before = shown(w, everything) + selected(w);

    QCOMPARE(confirm(again), w); // while on screen
    w->showMinimized();
    QCOMPARE(confirm(again), w);
    QVERIFY(!w->isMinimized());
    QVERIFY(QTest::qWaitForWindowActive(w));
    QVERIFY(start->isVisible());
    QCOMPARE(forms::loaded(), (QList<Form *>{start, w}));
    click(w, k.esci);
    QVERIFY(!w->isVisible());
    QCOMPARE(confirm(again), w);
    QCOMPARE(shown(w, everything) + selected(w), before);

    w->close();
    // No event loop has run yet: the closed window must not come back.
    QVERIFY(!forms::loaded().contains(w));
    Form *fresh = confirm(again);
    QVERIFY(fresh && fresh->isVisible() && !fresh->isMinimized());
    QCOMPARE(filled(fresh, everything), QStringList());
    QCOMPARE(selected(fresh), words(k.selected));
    QCOMPARE(clippedCaptions(fresh), QStringList());
    run(fresh, {"CmdCalcola"});
    QCOMPARE(shown(fresh, words(k.results)), words(k.fresh));
}

void tst_Plicanza::closingTheStartWindowClosesEverything_data()
{
    QTest::addColumn<bool>("byEsci");
    QTest::addColumn<QStringList>("hidden"); // the kinds whose calculator is left with Esci
    QTest::newRow("Esci, some hidden") << true << QStringList{"Option2", "Option4"};
    QTest::newRow("close box, all hidden")
        << false << QStringList{"Option1", "Option2", "Option3", "Option4"};
}

// Four calculators beside the start window, each keeping its own figures, the
// hidden ones too; closing the start window closes them all.
void tst_Plicanza::closingTheStartWindowClosesEverything()
{
    QFETCH(bool, byEsci);
    QFETCH(QStringList, hidden);

    QList<QPointer<Form>> windows{start};
    QList<QStringList> figures;
    for (const Kind &k : kKinds) {
        windows << confirm(k.option);
        run(windows.last(), words(k.inputs));
        figures << shown(windows.last(), words(k.results));
        if (hidden.contains(QLatin1String(k.option)))
            click(windows.last(), k.esci);
    }
    QCOMPARE(forms::loaded().size(), 5);
    for (int i = 0; i < int(std::size(kKinds)); ++i) {
        QCOMPARE(windows[i + 1]->isVisible(), !hidden.contains(QLatin1String(kKinds[i].option)));
        QCOMPARE(shown(windows[i + 1], words(kKinds[i].results)), figures[i]);
    }
    if (byEsci)
        click(start, "CmdEsci");
    else
        start->close();

    QVERIFY(forms::loaded().isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const QPointer<Form> &w : windows)
        QVERIFY(w.isNull());
    for (QWidget *top : QApplication::topLevelWidgets())
        QVERIFY(!top->isVisible());
}

void tst_Plicanza::clickingAKindsTextSelectsNothing()
{
    QTest::mouseClick(child(start, "Label4"), Qt::LeftButton);
    QCOMPARE(selected(start), QStringList());
}

// What the program makes of its arguments; a data link file by an absolute path.
void tst_Plicanza::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("told"); // the file, or a part of what is wrong
    const auto row = [](const QStringList &arguments, CommandLine::Action action,
                        const QString &told = {}) {
        QTest::addRow("%s", qPrintable(arguments.join(u' '))) << arguments << int(action) << told;
    };
    const QString file = QString::fromUtf8("Città/Testo.udl");
    row({}, CommandLine::StartWindow);
    row({"--bolla"}, CommandLine::Viewer);
    row({"--bolla", file}, CommandLine::Viewer, QDir::current().absoluteFilePath(file));
    row({"--help"}, CommandLine::Usage);
    row({"-h"}, CommandLine::Usage);
    row({"--bola"}, CommandLine::Wrong, "Opzione sconosciuta: \"--bola\"");
    row({file}, CommandLine::Wrong, "Argomento inatteso: \"" + file + '"');
    row({"--bolla", file, "x"}, CommandLine::Wrong, "non \"x\"");
    row({"--bolla", "--help"}, CommandLine::Wrong, "non \"--help\"");
    row({"--bolla", ""}, CommandLine::Wrong, "non \"\"");
    row({"--help", "--bolla"}, CommandLine::Wrong, "--help non vuole");
}

void tst_Plicanza::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, told);
    const CommandLine line = readCommandLine(arguments);
    QTEST(int(line.action), "action");
    if (line.action == CommandLine::Wrong)
        QVERIFY2(line.message.contains(told), qPrintable(line.message));
    else
        QCOMPARE(line.dataLinkFile, told);
}

// plicanza --bolla FILE: the viewer alone, on that file; closing it ends the program.
void tst_Plicanza::viewerAlone()
{
    start->close();
    QVERIFY(forms::loaded().isEmpty());
    const CommandLine line = readCommandLine({"--bolla", link});
    QVERIFY(!answer(line));
    ::start(line);
    auto *viewer = qobject_cast<Controllo_bolla *>(forms::loaded().value(0));
    QVERIFY(viewer && viewer->isVisible() && forms::loaded().size() == 1);
    QTRY_COMPARE(child<QTableView>(viewer, "DataGrid1")->model()->rowCount(), 1);
    QCOMPARE(text(viewer, "Label1"), "Oggi");

    QApplication::setQuitOnLastWindowClosed(true);
    QTimer::singleShot(0, viewer, &QWidget::close);
    QTimer tooLong;
    connect(&tooLong, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    tooLong.start(10000);
    const int status = QCoreApplication::exec();
    QApplication::setQuitOnLastWindowClosed(false);
    QCOMPARE(status, 0);
}

// Asked for again, the open viewer shows the file now asked for, read afresh.
void tst_Plicanza::viewerAskedAgain()
{
    QTemporaryDir dir;
    const QString first = dir.filePath("Testo.udl");
    const QString second = dir.filePath("Altro.udl");
    QVERIFY(writeBollaDatabase(dir.filePath("bolla.db")));
    for (const QString &file : {first, second}) {
        QFile udl(file);
        QVERIFY(udl.open(QIODevice::WriteOnly) &&
                udl.write(utf16le(kHeader +
                                  "Data Source=" + (file == first ? "bolla.db" : "manca.db"))) > 0);
    }
    Controllo_bolla *viewer = plicanza::MostraControlloBolla(first);
    const QAbstractItemModel *rows = child<QTableView>(viewer, "DataGrid1")->model();
    QTRY_COMPARE(rows->rowCount(), 1);
    QCOMPARE(text(viewer, "Label1"), "Oggi");

    QCOMPARE(plicanza::MostraControlloBolla(second), viewer);
    QVERIFY(!child(viewer, "lblMessaggio")->isHidden());
    QCOMPARE(text(viewer, "lblMessaggio"), QString::fromUtf8("Lettura della bolla in corso…"));
    QTRY_VERIFY2(text(viewer, "lblMessaggio").contains(QDir::toNativeSeparators(second)),
                 qPrintable(text(viewer, "lblMessaggio")));
    QCOMPARE(rows->rowCount(), 0);
    QCOMPARE(text(viewer, "Label1"), QString());

    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "adder");
        db.setDatabaseName(dir.filePath("bolla.db"));
        QVERIFY(db.open() && QSqlQuery(db).exec("INSERT INTO numeri SELECT * FROM numeri"));
    }
    QSqlDatabase::removeDatabase("adder");
    QCOMPARE(plicanza::MostraControlloBolla(first), viewer);
    QTRY_COMPARE(rows->rowCount(), 2);
    QCOMPARE(text(viewer, "Label1"), "Oggi");
    QVERIFY(child(viewer, "lblMessaggio")->isHidden());
    QCOMPARE(forms::loaded().size(), 2);
}

// The program itself: its arguments as the system hands them over, what it
// writes on each stream, its exit status. With --bolla it stays open, and says
// when its grid has rows if asked to. What it answers at once it answers with
// no display: the platform it would need is missing.
void tst_Plicanza::theProgram_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("display");
    QTest::addColumn<int>("status"); // -1: still running
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::newRow("--bolla FILE") << QStringList{"--bolla", link} << true << -1 << QString()
                                  << "plicanza.bolla: righe 1";
    QTest::newRow("--help") << QStringList{"--help"} << false << 0 << "Uso: plicanza" << QString();
    QTest::newRow("an option it does not take")
        << QStringList{"--bola"} << false << 2 << QString()
        << "Opzione sconosciuta: \"--bola\".\nUso: plicanza";
    QTest::newRow("an empty file name")
        << QStringList{"--bolla", ""} << false << 2 << QString() << "non \"\".";
}

void tst_Plicanza::theProgram()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, display);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_LOGGING_RULES", "plicanza.bolla.info=true");
    environment.insert("QT_FORCE_STDERR_LOGGING", "1");
    if (!display)
        environment.insert("QT_QPA_PLATFORM", "nessuno");
    program.setProcessEnvironment(environment);
    program.start(PLICANZA_EXE, arguments);
    QString written[2];
    const auto read = [&] {
        written[0] += QString::fromUtf8(program.readAllStandardOutput()).remove(u'\r');
        written[1] += QString::fromUtf8(program.readAllStandardError()).remove(u'\r');
    };
    const QString told = status < 0 ? err : QString();
    QVERIFY(QTest::qWaitFor(
        [&] {
            read();
            return (!told.isEmpty() && written[1].contains(told)) ||
                   program.state() == QProcess::NotRunning;
        },
        20000));
    read();
    if (status < 0) {
        QVERIFY2(written[1].contains(err), qPrintable(written[1]));
        QCOMPARE(program.state(), QProcess::Running);
        program.kill();
    }
    // waitForFinished() fails on a process that has already ended.
    QVERIFY(program.state() == QProcess::NotRunning || program.waitForFinished(30000));
    if (status < 0)
        return;
    read();
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), status);
    // Each text on its own stream, the other stream empty.
    for (int stream : {0, 1}) {
        const QString &expected = stream == 0 ? out : err;
        QVERIFY2(expected.isEmpty() ? written[stream].isEmpty()
                                    : written[stream].contains(expected),
                 qPrintable(written[stream]));
    }
}

QTEST_MAIN(tst_Plicanza)
#include "tst_plicanza.moc"
