#include "bolla/datacontrol.h"
#include "bolla/datalink/accessdrivers.h"
#include "bolla/datalink/datalinkfile.h"
#include "bolla/datalink/initstringparser.h"
#include "bolla/datalink/paths.h"
#include "bolla/datalink/providermapping.h"
#include "bolla/passwordmask.h"
#include "bolla/qtpaths.h"
#include "bolla/recordsource.h"
#include "windowsudl.h"

#include <QtTest>

using namespace bolla;
using E = DataLinkError;
using P = ProviderError;

namespace {

// The pairs as "key=value" lines, in order, for comparing.
QString listed(const InitString &init)
{
    QStringList lines;
    for (const auto &[key, value] : init.pairs())
        lines << QString::fromStdString(key) + u'=' + QString::fromStdString(value);
    return lines.join(u'\n');
}

const QString kSqlite = QStringLiteral("Provider=SQLite;Data Source=bolla.db");

#ifdef Q_OS_WIN
constexpr bool kWindows = true;
#else
constexpr bool kWindows = false;
#endif
const QString kPairs = QStringLiteral("Provider=SQLite\nData Source=bolla.db");

} // namespace

class tst_DataLink : public QObject
{
    Q_OBJECT
private slots:
    // A whole file, read from disk, and the pairs it holds, or why it is rejected
    // and on which line.
    void dataLinkFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<DataLinkError>("error");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("pairs");
        const auto file = [](const char *name, const QByteArray &bytes, E error, int line,
                             const QString &pairs = {}) {
            QTest::addRow("%s", name) << bytes << error << line << pairs;
        };
        // An initialisation string in a file of the usual form, on its third line.
        const auto usual = [](const char *s) { return utf16le(kHeader + QString::fromUtf8(s)); };
        const QString path = QString::fromUtf8("Data Source=/f/Città/a\U0001F4F0.db");
        QByteArray atTheLimit = ("[oledb]\n" + kSqlite + "\n;").toUtf8();
        atTheLimit.append(qsizetype(kMaxDataLinkBytes) - atTheLimit.size(), 'x');
        // clang-format off
        file("UTF-16LE with its mark", utf16le(kHeader + path + "\r\n"), E::None, 0, path);
        file("UTF-8", (kHeader + path).toUtf8(), E::None, 0, path);
        file("UTF-8 with its mark", "\xEF\xBB\xBF" + (kHeader + kSqlite).toUtf8(), E::None, 0, kPairs);
        file("ANSI", "[oledb]\r\nData Source=Citt\xE0 \x80.db", E::None, 0, QString::fromUtf8("Data Source=Città €.db"));
        file("by hand: LF, comment first, [OLEDB], blanks", "; mine\n [OLEDB] \n\n;c\n " + kSqlite.toUtf8() + " \n", E::None, 0, kPairs);
        file("blanks, empty pairs, a key again in any case", usual("  User ID =  ada  ;;Mode=R; user id= x ;"), E::None, 0, "User ID=x\nMode=R");
        file("double quotes: ; blanks and a doubled quote kept", usual("Password=\" a;\"\"b\"\" \""), E::None, 0, "Password= a;\"b\" ");
        file("single quotes, then a blank; a quote unquoted", usual("a='x;\"y'  ;b=it's"), E::None, 0, "a=x;\"y\nb=it's");
        file("= in a value, == in a key", usual("a==b=DSN=x"), E::None, 0, "a=b=DSN=x");
        file("no section", kSqlite.toUtf8(), E::NoSection, 1);
        file("other section", "[odbc]\r\nDSN=x", E::UnknownSection, 1);
        file("no init string", kHeader.toUtf8(), E::NoInitString, 0);
        file("two init strings", (kHeader + kSqlite + "\r\n" + kSqlite).toUtf8(), E::TwoInitStrings, 4);
        file("no =, the next pair not taken for its value", usual("Provider=SQLite;bolla.db;Data Source=x"), E::MissingEquals, 3);
        file("no key", usual("  =x"), E::EmptyKey, 3);
        file("unterminated quote", usual("Password='abc;x=y"), E::UnterminatedQuote, 3);
        file("text after the closing quote", usual("Password=\"a\"b"), E::TextAfterQuote, 3);
        file("odd UTF-16 length", utf16le(kHeader + kSqlite) + 'x', E::BadEncoding, 0);
        file("lone high surrogate at the end", utf16le(kHeader + QChar(0xD83D)), E::BadEncoding, 0);
        file("lone low surrogate", utf16le(kHeader + QChar(0xDC00) + "x"), E::BadEncoding, 0);
        file("UTF-16 without its mark", utf16le(kHeader + kSqlite).mid(2), E::BadEncoding, 0);
        file("exactly the size limit", atTheLimit, E::None, 0, kPairs);
        file("one byte past it", atTheLimit + '\n', E::TooLarge, 0);
        // clang-format on
    }
    void dataLinkFile()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        QFile file(dir.filePath("Testo.udl"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        // The bytes as they are, and as the reader reads them from the file.
        for (const ParsedDataLink &parsed :
             {parseDataLinkFile(std::string_view(bytes.constData(), std::size_t(bytes.size()))),
              loadDataLinkFile(toPath(file.fileName()))}) {
            QTEST(parsed.error, "error");
            QTEST(parsed.line, "line");
            if (parsed.error == E::None)
                QTEST(listed(parsed.init), "pairs");
            else
                QVERIFY(!describe(parsed.error).empty());
        }
    }

    // A data link file as Windows writes it, with this initialisation string, to
    // the Qt connection as "driver|database|host|port|user|password" and the
    // password no message shows, or to the network path it cannot open; the file
    // lies in /links. n() writes a path in the system's form, '/' for '\' on
    // Windows, where the file's own paths are opened as they are.
    void provider_data()
    {
        QTest::addColumn<QString>("init");
        QTest::addColumn<ProviderError>("error");
        QTest::addColumn<QString>("connection"); // or the network path named
        QTest::addColumn<QString>("secret");
        const auto row = [](const char *init, P error, const QString &connection = {},
                            const char *secret = "") {
            QTest::addRow("%s", init)
                << QString::fromUtf8(init) << error << connection << QString(secret);
        };
        const auto n = [](const char *path) {
            return QDir::toNativeSeparators(QString::fromUtf8(path));
        };
        const QString jet = "QODBC|DRIVER={Microsoft Access Driver (*.mdb)};DBQ=";
        const QString ace = "QODBC|DRIVER={Microsoft Access Driver (*.mdb, *.accdb)};DBQ=";
        // clang-format off
        row("provider=sqlite.1;Data Source=bolla.db;Mode=Read;Foo=bar", P::None, "QSQLITE|" + n("/links/bolla.db") + "||-1||");
        row("Data Source=/b.db", P::None, "QSQLITE|" + n("/b.db") + "||-1||");
        // Written on Windows: '\' separates folders on every system.
        row("Data Source=Dati\\bolla.db", P::None, "QSQLITE|" + n("/links/Dati/bolla.db") + "||-1||");
        row("Data Source=\\Bolla\\b.db", P::None, "QSQLITE|" + n("/Bolla/b.db") + "||-1||");
        row("Provider=QPSQL;Data Source=127.0.0.1:5433;Initial Catalog=bolla;User ID=ada;Password=\"s;3\"", P::None, "QPSQL|bolla|127.0.0.1|5433|ada|s;3", "s;3");
        row("Provider=PostgreSQL;Data Source=[::1]", P::None, "QPSQL||::1|-1||");
        row("Provider=QPSQL;Data Source=h:1;Password=a\\b/c", P::None, "QPSQL||h|1||a\\b/c", "a\\b/c");
        row("Provider=QPSQL;Data Source=[::1]:65535", P::None, "QPSQL||::1|65535||");
        // ODBC: credentials in braces in the ODBC string; OLE DB's own settings and
        // what no ODBC key can be stay out; the string's own UID and PWD come first.
        row("Provider=MSDASQL.1;Data Source=\"a;b}\";User ID=ada", P::None, "QODBC|DSN={a;b}}};UID=ada||-1||");
        row("Provider=MSDASQL;Data Source={x;PWD={y", P::None, "QODBC|DSN={{x};PWD={{y}||-1||", "{y");
        row("Provider=QODBC;Extended Properties=\"DRIVER={SQLite3};Timeout=1\";Initial Catalog=b;Trusted_Connection=yes;Password=p", P::None,
            "QODBC|DRIVER={SQLite3};Timeout=1;DATABASE=b;Trusted_Connection=yes;PWD={p}||-1||", "p");
        row("Provider=MSDASQL;Persist Security Info=True;Mode=Read;Prompt=NoPrompt;Extended Properties=\"DSN=b;PWD={x;}}y}\";Password=z;Jet OLEDB:Engine Type=5;a==b=c", P::None,
            "QODBC|DSN=b;PWD={x;}}y}||-1||", "x;}y");
        // Jet and ACE: the Access ODBC driver, read-only, on the file beside the link.
        row("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=bolla.mdb;Persist Security Info=False", P::None,
            jet + n("/links/bolla.mdb") + ";ReadOnly=1||-1||");
        row("Provider=Microsoft.ACE.OLEDB.12.0;User ID=Admin;Data Source=/dati/Città bolla.accdb;Mode=Share Deny None;Jet OLEDB:Database Password=\"se;gr}eta\";Jet OLEDB:Engine Type=6;Jet OLEDB:Database Locking Mode=1;Jet OLEDB:Global Bulk Transactions=1", P::None,
            ace + n("/dati/Città bolla.accdb") + ";ReadOnly=1;PWD={se;gr}}eta}||-1||", "se;gr}eta");
        row("Provider=Microsoft.Jet.OLEDB;Data Source=..\\b.mdb;Jet OLEDB:System database=Gruppo\\w.mdw;User ID=ada;Password=p\\w/d", P::None,
            jet + n("/links/../b.mdb") + ";ReadOnly=1;SystemDB=" + n("/links/Gruppo/w.mdw") + ";UID=ada;PWD={p\\w/d}||-1||", "p\\w/d");
        // A network share: only Windows opens it, as written.
        if (kWindows) {
            row("Data Source=\\\\pc\\dati\\b.db", P::None, "QSQLITE|\\\\pc\\dati\\b.db||-1||");
            row("Provider=Microsoft.ACE.OLEDB.12.0;Data Source=b.accdb;Jet OLEDB:System database=//pc/s/w.mdw", P::None,
                ace + n("/links/b.accdb") + ";ReadOnly=1;SystemDB=\\\\pc\\s\\w.mdw||-1||");
        } else {
            row("Data Source=\\\\pc\\dati\\b.db", P::NetworkPath, "\\\\pc\\dati\\b.db");
            row("Provider=Microsoft.ACE.OLEDB.12.0;Data Source=b.accdb;Jet OLEDB:System database=//pc/s/w.mdw", P::NetworkPath, "//pc/s/w.mdw");
        }
        row("Provider=SQLite", P::NoDataSource);
        row("Provider=QODBC", P::NoDataSource);
        row("Provider=Microsoft.ACE.OLEDB.12.0;Jet OLEDB:Database Password=x", P::NoDataSource);
        row("Provider=QPSQL;Data Source=h:65536", P::BadPort);
        row("Provider=QPSQL;Data Source=h:0", P::BadPort);
        row("Provider=SQLOLEDB.1;Data Source=s", P::UnknownProvider);
        // clang-format on
    }
    void provider()
    {
        QFETCH(QString, init);
        const QByteArray file = utf16le(kHeader + init + "\r\n");
        const ParsedDataLink parsed =
            parseDataLinkFile(std::string_view(file.constData(), std::size_t(file.size())));
        QCOMPARE(parsed.error, E::None);
        const MappedConnection mapped = connectionFor(parsed.init, "/links");
        QTEST(mapped.error, "error");
        const auto &c = mapped.settings;
        if (mapped.error != P::None) {
            QTEST(QString::fromStdString(mapped.networkPath), "connection");
            return;
        }
        QTEST(QString::fromStdString(c.driver + '|' + c.databaseName + '|' + c.hostName + '|' +
                                     std::to_string(c.port) + '|' + c.userName + '|' + c.password),
              "connection");
        QTEST(QString::fromStdString(mapped.password), "secret");
    }

    // The Access driver a Jet or ACE link takes among those installed: its own
    // first, else the other where the file allows; "-" where none will do.
    void accessDriver_data()
    {
        QTest::addColumn<QString>("init");
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("driver");
        const QString jet = kJetOdbcDriver;
        const QString ace = kAceOdbcDriver;
        const QString jetMdb = "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=b.mdb";
        const QString aceMdb = "Provider=Microsoft.ACE.OLEDB.12.0;Data Source=F:\\Bolla\\b.MDB";
        const QString jetAccdb = "Provider=Microsoft.Jet.OLEDB;Data Source=b.accdb";
        const QString aceAccdb = "Provider=Microsoft.ACE.OLEDB.16.0;Data Source=B.ACCDB";
        const auto row = [](const char *name, const QString &init, const QStringList &installed,
                            const QString &driver) {
            QTest::addRow("%s", name) << init << installed << driver;
        };
        row("Jet, both", jetMdb, {ace, jet}, jet);
        row("ACE, both", aceMdb, {jet, ace}, ace);
        row("Jet, only ACE's", jetMdb, {"PostgreSQL Unicode", ace}, ace);
        row("ACE, only Jet's", aceMdb, {jet}, jet);
        row("Jet, in another case", jetMdb, {jet.toUpper()}, jet);
        row("Jet, .accdb, both", jetAccdb, {jet, ace}, ace);
        row("ACE, .accdb, only Jet's", aceAccdb, {jet}, "-");
        row("Jet, none", jetMdb, {"PostgreSQL Unicode", jet + " 2", "SQLite3"}, "-");
        row("ACE, nothing installed", aceMdb, {}, "-");
    }
    void accessDriver()
    {
        QFETCH(QString, init);
        QFETCH(QStringList, installed);
        QFETCH(QString, driver);
        const ParsedInitString parsed = parseInitString(init.toStdString());
        QCOMPARE(parsed.error, E::None);
        int asked = 0;
        const MappedConnection mapped = connectionFor(parsed.init, "/links", {}, [&] {
            ++asked;
            std::vector<std::string> names;
            for (const QString &name : installed)
                names.push_back(name.toStdString());
            return names;
        });
        QCOMPARE(asked, 1);
        if (driver == "-") {
            QCOMPARE(mapped.error, P::NoAccessDriver);
            QVERIFY(!mapped.accessDrivers.empty());
            return;
        }
        QCOMPARE(mapped.error, P::None);
        QVERIFY2(QString::fromStdString(mapped.settings.databaseName)
                     .startsWith("DRIVER={" + driver + "};DBQ="),
                 mapped.settings.databaseName.c_str());
    }

    // A drive path as a data link file copied from the shop's PC names it, where
    // Linux mounts the drive; "-" for what is no drive path.
    void drivePath_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("mounted");
        const auto row = [](const char *written, const char *mounted) {
            QTest::addRow("%s", written)
                << QString::fromUtf8(written) << QString::fromUtf8(mounted);
        };
        row("F:\\Bolla\\bolla.db", "/mnt/f/Bolla/bolla.db");
        row("c:/Dati/Città.db", "/mnt/c/Dati/Città.db");
        row("Z:\\", "/mnt/z/");
        for (const char *no : {"F:bolla.db", "F:", "bolla.db", "..\\b.db", "\\\\pc\\b.db",
                               "/mnt/f/b.db", "1:\\b.db", ""})
            row(no, "-");
    }
    void drivePath()
    {
        QFETCH(QString, written);
        const std::optional<std::string> mounted = mountedDrivePath(written.toStdString());
        QTEST(mounted ? QString::fromStdString(*mounted) : "-", "mounted");
    }

    // The viewer's read of a data link file in "Città" naming a database in
    // "Perù": rows, or a message naming both files as the system writes paths.
    void accentedFolders_data()
    {
        QTest::addColumn<QString>("dataSource"); // @ for the folder that holds both
        QTest::addColumn<QString>("missing");    // the database the message names, if any
        const auto row = [](const char *name, const QString &dataSource, const QString &missing) {
            QTest::addRow("%s", name) << dataSource << missing;
        };
        row("relative", "../Perù/bolla.db", {});
        row("relative, written on Windows", "..\\Perù\\bolla.db", {});
        row("absolute, in the system's form", QDir::toNativeSeparators("@/Perù/bolla.db"), {});
        row("missing", "manca.db", "@/Città/manca.db");
        // Where this system finds drive F:.
        row("missing, by a Windows drive path", "F:\\Bolla\\manca.db",
            kWindows ? "F:/Bolla/manca.db" : "/mnt/f/Bolla/manca.db");
        // Missing on Windows; elsewhere a network share has no path.
        row("on a network share", "\\\\pc\\dati\\bolla.db", "\\\\pc\\dati\\bolla.db");
    }
    void accentedFolders()
    {
        QFETCH(QString, dataSource);
        QFETCH(QString, missing);
        QTemporaryDir tmp;
        const QDir dir(tmp.path());
        QVERIFY(dir.mkpath("Città") && dir.mkpath("Perù") &&
                writeBollaDatabase(dir.filePath("Perù/bolla.db")));
        QFile link(dir.filePath("Città/Testo.udl"));
        QVERIFY(link.open(QIODevice::WriteOnly));
        link.write(utf16le(kHeader + "Data Source=\"" + dataSource.replace('@', dir.path()) + '"'));
        link.close();

        DataControl control;
        QSignalSpy refreshed(&control, &DataControl::refreshed);
        control.refresh(link.fileName(), QString::fromLatin1(kRecordSource));
        QVERIFY(refreshed.wait(10000));
        const QString failure = control.failure();
        if (missing.isEmpty()) {
            QCOMPARE(failure, QString());
            QCOMPARE(control.recordset()->rowCount(), 1);
            return;
        }
        for (const QString &path : {link.fileName(), missing.replace('@', dir.path())})
            QVERIFY2(failure.contains('"' + QDir::toNativeSeparators(path) + '"'),
                     qPrintable(failure));
    }

    // An engine's text with the password out of sight and nothing else touched.
    void passwordHidden_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char *text, const char *password, const char *user,
                            const char *shown) {
            QTest::addRow("%s", text)
                << QString(text) << QString(password) << QString(user) << QString(shown);
        };
        // clang-format off
        row("timeout expired", "x", "bolla", "timeout expired");
        row("bad PWD=x;UID=x_y", "x", "x_y", "bad PWD=****;UID=x_y");
        row("PWD={Segreta;42 \"x\"} rejected", "Segreta;42 \"x\"", "bolla", "PWD={****} rejected");
        row("failed for user \"Segreta;99\"", "Segreta;99", "Segreta;99", "failed for user \"Segreta;99\"");
        row("user \"ada\" password ada", "ada", "ada", "user \"ada\" password ada");
        row("Segreta, Segreta!", "Segreta", "", "****, ****!");
        row("SegretaX", "Segreta", "", "SegretaX");
        row("token x_1 _x", "x", "", "token x_1 _x");
        row("no password", "", "", "no password");
        // clang-format on
    }
    void passwordHidden()
    {
        QFETCH(QString, text);
        QFETCH(QString, password);
        QFETCH(QString, user);
        QTEST(hidePassword(text, password, user), "shown");
    }
};

QTEST_GUILESS_MAIN(tst_DataLink)
#include "tst_datalink.moc"
