#include "bolla/datalink.h"
#include "datalinkfile.h"

#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using bolla::DataLinkError;
using bolla::ProviderError;
using datalinkfile::kHeader;
using datalinkfile::utf16le;

Q_DECLARE_METATYPE(bolla::DataLinkError)
Q_DECLARE_METATYPE(bolla::ProviderError)

namespace {

// The pairs as "key=value" lines, in order, for comparing.
QString listed(const bolla::InitString &init)
{
    QStringList lines;
    for (const auto &[key, value] : init.pairs())
        lines << QString::fromStdString(key) + u'=' + QString::fromStdString(value);
    return lines.join(u'\n');
}

bolla::InitString parsedInit(const char *text)
{
    const bolla::ParsedInitString parsed = bolla::parseInitString(text);
    if (parsed.error != DataLinkError::None)
        qFatal("unreadable init string %s", text);
    return parsed.init;
}

} // namespace

class tst_DataLink : public QObject
{
    Q_OBJECT
private slots:
    void dataLinkFile_data();
    void dataLinkFile();
    void initString_data();
    void initString();
    void provider_data();
    void provider();
    void providerErrors_data();
    void providerErrors();
    void readOnlyWherever_data();
    void readOnlyWherever();
    void connectionString_data();
    void connectionString();
    void readingTheFile();
};

void tst_DataLink::dataLinkFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<DataLinkError>("error");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("pairs");

    const QString sqlite = QStringLiteral("Provider=SQLite;Data Source=bolla.db");
    const QString pairs = QStringLiteral("Provider=SQLite\nData Source=bolla.db");
    const auto none = DataLinkError::None;

    QTest::newRow("UTF-16LE with its mark")
        << utf16le(kHeader + sqlite + "\r\n") << none << 0 << pairs;
    QTest::newRow("UTF-8") << (kHeader + sqlite).toUtf8() << none << 0 << pairs;
    QTest::newRow("UTF-8 with its mark")
        << "\xEF\xBB\xBF" + (kHeader + sqlite).toUtf8() << none << 0 << pairs;
    QTest::newRow("Unix line ends")
        << QByteArray("[oledb]\n;c\nProvider=SQLite;Data Source=bolla.db\n") << none << 0 << pairs;
    QTest::newRow("old Mac line ends")
        << QByteArray("[oledb]\r;c\rProvider=SQLite;Data Source=bolla.db") << none << 0 << pairs;
    QTest::newRow("section name in any case, blanks around lines")
        << QByteArray("  \r\n [OLEDB] \r\n\r\n  Provider=SQLite;Data Source=bolla.db  \r\n") << none
        << 0 << pairs;
    QTest::newRow("comments before the section")
        << ("; made by hand\r\n" + kHeader + sqlite).toUtf8() << none << 0 << pairs;
    QTest::newRow("accented path in UTF-16")
        << utf16le(kHeader + QString::fromUtf8("Data Source=/mnt/f/Città/bolla.db")) << none << 0
        << QString::fromUtf8("Data Source=/mnt/f/Città/bolla.db");
    QTest::newRow("accented path in ANSI")
        << QByteArray("[oledb]\r\nData Source=/mnt/f/Citt\xE0/bolla \x80.db") << none << 0
        << QString::fromUtf8("Data Source=/mnt/f/Città/bolla €.db");
    QTest::newRow("character beyond the BMP in UTF-16")
        << utf16le(kHeader + QString::fromUtf8("Data Source=a\U0001F4F0.db")) << none << 0
        << QString::fromUtf8("Data Source=a\U0001F4F0.db");

    QTest::newRow("empty file") << QByteArray() << DataLinkError::NoSection << 0 << "";
    QTest::newRow("only a mark") << QByteArray("\xFF\xFE") << DataLinkError::NoSection << 0 << "";
    QTest::newRow("no section") << sqlite.toUtf8() << DataLinkError::NoSection << 1 << "";
    QTest::newRow("other section")
        << QByteArray("[odbc]\r\nDSN=x") << DataLinkError::UnknownSection << 1 << "";
    QTest::newRow("section twice")
        << (kHeader + "[oledb]\r\n" + sqlite).toUtf8() << DataLinkError::UnknownSection << 3 << "";
    QTest::newRow("section but no init string")
        << kHeader.toUtf8() << DataLinkError::NoInitString << 0 << "";
    QTest::newRow("two init strings") << (kHeader + sqlite + "\r\n" + sqlite).toUtf8()
                                      << DataLinkError::TwoInitStrings << 4 << "";
    QTest::newRow("malformed init string, its line")
        << (kHeader + "Provider=SQLite;Password=\"secret").toUtf8()
        << DataLinkError::UnterminatedQuote << 3 << "";
    QTest::newRow("odd UTF-16 length")
        << utf16le(kHeader + sqlite) + 'x' << DataLinkError::BadEncoding << 0 << "";
    QTest::newRow("lone high surrogate") << utf16le(kHeader + "Data Source=" + QChar(0xD83D))
                                         << DataLinkError::BadEncoding << 0 << "";
    QTest::newRow("lone low surrogate")
        << utf16le(kHeader + QChar(0xDC00) + "x") << DataLinkError::BadEncoding << 0 << "";
    QTest::newRow("NUL in UTF-16")
        << utf16le(kHeader + QChar(0) + sqlite) << DataLinkError::BadEncoding << 0 << "";
    QTest::newRow("UTF-16 without its mark")
        << utf16le(kHeader + sqlite).mid(2) << DataLinkError::BadEncoding << 0 << "";
    QTest::newRow("UTF-16 big-endian")
        << QByteArray("\xFE\xFF\0[", 4) << DataLinkError::BadEncoding << 0 << "";
    QTest::newRow("far too large")
        << QByteArray(int(bolla::kMaxDataLinkBytes) + 1, ';') << DataLinkError::TooLarge << 0 << "";
}

void tst_DataLink::dataLinkFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(DataLinkError, error);
    QFETCH(int, line);
    QFETCH(QString, pairs);

    const bolla::ParsedDataLink parsed =
        bolla::parseDataLinkFile(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    QCOMPARE(parsed.error, error);
    QCOMPARE(parsed.line, line);
    if (error == DataLinkError::None)
        QCOMPARE(listed(parsed.init), pairs);
    else
        QVERIFY(!bolla::describe(error).empty());
}

void tst_DataLink::initString_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<DataLinkError>("error");
    QTest::addColumn<QString>("pairs");
    const auto none = DataLinkError::None;

    QTest::newRow("empty") << "" << none << "";
    QTest::newRow("blanks around keys and values")
        << "  User ID =  ada  ; Password= x " << none << "User ID=ada\nPassword=x";
    QTest::newRow("empty segments and a trailing ;") << ";;a=1;;b=2;" << none << "a=1\nb=2";
    QTest::newRow("double quotes keep ; and blanks")
        << "Password=\" a;b \"" << none << "Password= a;b ";
    QTest::newRow("single quotes") << "Password='a;\"b'" << none << "Password=a;\"b";
    QTest::newRow("doubled quote inside quotes")
        << "Password=\"say \"\"hi\"\"\"" << none << "Password=say \"hi\"";
    QTest::newRow("blank after a quoted value") << "a=\"x\"  ;b=y" << none << "a=x\nb=y";
    QTest::newRow("quote inside an unquoted value") << "a=it's" << none << "a=it's";
    QTest::newRow("= inside a value")
        << "Extended Properties=DSN=x" << none << "Extended Properties=DSN=x";
    QTest::newRow("== in a key") << "a==b=c" << none << "a=b=c";
    QTest::newRow("empty value") << "Password=" << none << "Password=";
    QTest::newRow("key again: the last value")
        << "Data Source=a;data source=b" << none << "Data Source=b";
    QTest::newRow("unknown keys are kept for the caller")
        << "Mode=Read;Foo=bar" << none << "Mode=Read\nFoo=bar";

    QTest::newRow("no =") << "Provider=SQLite;bolla.db" << DataLinkError::MissingEquals << "";
    QTest::newRow("only a key") << "Provider" << DataLinkError::MissingEquals << "";
    QTest::newRow("no key") << "=x" << DataLinkError::EmptyKey << "";
    QTest::newRow("blank key") << "  =x" << DataLinkError::EmptyKey << "";
    QTest::newRow("unterminated double quote")
        << "Password=\"abc" << DataLinkError::UnterminatedQuote << "";
    QTest::newRow("unterminated single quote")
        << "Password='abc;x=y" << DataLinkError::UnterminatedQuote << "";
    QTest::newRow("text after the closing quote")
        << "Password=\"a\"b" << DataLinkError::TextAfterQuote << "";
}

void tst_DataLink::initString()
{
    QFETCH(QString, text);
    QFETCH(DataLinkError, error);
    QFETCH(QString, pairs);
    const bolla::ParsedInitString parsed = bolla::parseInitString(text.toStdString());
    QCOMPARE(parsed.error, error);
    if (error == DataLinkError::None)
        QCOMPARE(listed(parsed.init), pairs);
}

// The connection as "driver|database|host|port|user|password".
void tst_DataLink::provider_data()
{
    QTest::addColumn<QString>("init");
    QTest::addColumn<QString>("connection");

    QTest::newRow("SQLite, relative path beside the link") << "Provider=SQLite;Data Source=bolla.db"
                                                           << "QSQLITE|/links/bolla.db||-1||";
    QTest::newRow("QSQLITE, absolute path") << "Provider=QSQLITE;Data Source=/data/b.db"
                                            << "QSQLITE|/data/b.db||-1||";
    QTest::newRow("provider in any case, with a version") << "provider=sqlite.1;Data Source=/b.db"
                                                          << "QSQLITE|/b.db||-1||";
    QTest::newRow("no provider: SQLite") << "Data Source=/b.db"
                                         << "QSQLITE|/b.db||-1||";
    QTest::newRow("blank provider is no provider") << "Provider= ;Data Source=/b.db"
                                                   << "QSQLITE|/b.db||-1||";
    QTest::newRow("PostgreSQL, host and port")
        << "Provider=QPSQL;Data Source=127.0.0.1:5433;Initial Catalog=bolla;User ID=ada;"
           "Password=\"s;3\";Persist Security Info=True"
        << "QPSQL|bolla|127.0.0.1|5433|ada|s;3";
    QTest::newRow("PostgreSQL, host alone")
        << "Provider=PostgreSQL;Data Source=localhost;Initial Catalog=b"
        << "QPSQL|b|localhost|-1||";
    QTest::newRow("PostgreSQL, IPv6 loopback") << "Provider=QPSQL;Data Source=[::1]:5432"
                                               << "QPSQL||::1|5432||";
    QTest::newRow("ODBC data source name") << "Provider=MSDASQL.1;Data Source=Bolla;User ID=ada"
                                           << "QODBC|DSN=Bolla||-1|ada|";
    QTest::newRow("ODBC, the rest passed through")
        << "Provider=QODBC;Extended Properties=\"DRIVER={SQLite3};Timeout=1\";"
           "Initial Catalog=b;Trusted_Connection=yes;Password=p"
        << "QODBC|DRIVER={SQLite3};Timeout=1;DATABASE=b;Trusted_Connection=yes||-1||p";
    QTest::newRow("ODBC, a value with ; is braced") << "Provider=QODBC;Data Source=\"a;b}\""
                                                    << "QODBC|DSN={a;b}}}||-1||";
}

void tst_DataLink::provider()
{
    QFETCH(QString, init);
    QFETCH(QString, connection);
    const bolla::MappedConnection mapped =
        bolla::connectionFor(parsedInit(init.toUtf8().constData()), "/links");
    QCOMPARE(mapped.error, ProviderError::None);
    const bolla::ConnectionSpec &c = mapped.spec;
    QCOMPARE(QStringList({QString::fromStdString(c.driver), QString::fromStdString(c.databaseName),
                          QString::fromStdString(c.hostName), QString::number(c.port),
                          QString::fromStdString(c.userName), QString::fromStdString(c.password)})
                 .join(u'|'),
             connection);
}

void tst_DataLink::providerErrors_data()
{
    QTest::addColumn<QString>("init");
    QTest::addColumn<ProviderError>("error");

    QTest::newRow("SQLite without a file") << "Provider=SQLite" << ProviderError::NoDataSource;
    QTest::newRow("SQLite with a blank file")
        << "Provider=SQLite;Data Source= " << ProviderError::NoDataSource;
    QTest::newRow("PostgreSQL, port 0")
        << "Provider=QPSQL;Data Source=h:0" << ProviderError::BadPort;
    QTest::newRow("PostgreSQL, port too high")
        << "Provider=QPSQL;Data Source=h:65536" << ProviderError::BadPort;
    QTest::newRow("PostgreSQL, port not a number")
        << "Provider=QPSQL;Data Source=h:54x" << ProviderError::BadPort;
    QTest::newRow("PostgreSQL, empty port")
        << "Provider=QPSQL;Data Source=h:" << ProviderError::BadPort;
    QTest::newRow("PostgreSQL, unclosed bracket")
        << "Provider=QPSQL;Data Source=[::1:5432" << ProviderError::BadPort;
    QTest::newRow("ODBC naming nothing") << "Provider=QODBC" << ProviderError::NoDataSource;
    QTest::newRow("unknown provider")
        << "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=b.mdb" << ProviderError::UnknownProvider;
}

void tst_DataLink::providerErrors()
{
    QFETCH(QString, init);
    QFETCH(ProviderError, error);
    QCOMPARE(bolla::connectionFor(parsedInit(init.toUtf8().constData()), "/links").error, error);
}

void tst_DataLink::readOnlyWherever_data()
{
    QTest::addColumn<QString>("init");
    QTest::addColumn<QString>("options");

    QTest::newRow("SQLite") << "Provider=SQLite;Data Source=b.db"
                            << "QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=1500";
    QTest::newRow("PostgreSQL")
        << "Provider=QPSQL;Data Source=h"
        << "connect_timeout=4;options='-c default_transaction_read_only=on -c "
           "statement_timeout=1500'";
    QTest::newRow("ODBC") << "Provider=QODBC;Data Source=d"
                          << "SQL_ATTR_ACCESS_MODE=SQL_MODE_READ_ONLY;SQL_ATTR_LOGIN_TIMEOUT=4;"
                             "SQL_ATTR_CONNECTION_TIMEOUT=4";
}

void tst_DataLink::readOnlyWherever()
{
    QFETCH(QString, init);
    QFETCH(QString, options);
    const bolla::MappedConnection mapped =
        bolla::connectionFor(parsedInit(init.toUtf8().constData()), "/", {4, 1500});
    QCOMPARE(QString::fromStdString(mapped.spec.options), options);
}

void tst_DataLink::connectionString_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("connectionString");

    QTest::newRow("the program's own") << "/mnt/f/Bolla/Testo.udl"
                                       << "FILE NAME=/mnt/f/Bolla/Testo.udl";
    QTest::newRow("Windows path") << "F:\\Bolla\\Testo.udl"
                                  << "FILE NAME=F:\\Bolla\\Testo.udl";
    QTest::newRow("path with ;") << "/tmp/a;b/Testo.udl"
                                 << "FILE NAME=\"/tmp/a;b/Testo.udl\"";
    QTest::newRow("path with a quote") << "/tmp/a\"b/T.udl"
                                       << "FILE NAME=\"/tmp/a\"\"b/T.udl\"";
    QTest::newRow("path ending in a blank") << "/tmp/x "
                                            << "FILE NAME=\"/tmp/x \"";
}

// The connection string reads back as the path it was made of.
void tst_DataLink::connectionString()
{
    QFETCH(QString, path);
    QFETCH(QString, connectionString);
    const std::string made = bolla::connectionStringFor(path.toStdString());
    QCOMPARE(QString::fromStdString(made), connectionString);
    const bolla::ParsedInitString back = bolla::parseInitString(made);
    QCOMPARE(back.error, DataLinkError::None);
    QVERIFY(back.init.find("File Name"));
    QCOMPARE(QString::fromStdString(*back.init.find("File Name")), path);
}

void tst_DataLink::readingTheFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const auto write = [&dir](const char *name, const QByteArray &bytes) {
        QFile file(dir.filePath(QLatin1String(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    write("Testo.udl", utf16le(kHeader + "Provider=SQLite;Data Source=bolla.db"));
    write("big.udl", QByteArray(int(bolla::kMaxDataLinkBytes) + 10, ';'));
    QVERIFY(QDir(dir.path()).mkdir("folder.udl"));

    const auto resolve = [](const QString &connectionString, std::string &fileName) {
        return bolla::resolveConnectionString(connectionString.toStdString(), fileName);
    };
    std::string fileName;
    const QString udl = dir.filePath("Testo.udl");

    bolla::ParsedDataLink link =
        resolve(QString::fromStdString(bolla::connectionStringFor(udl.toStdString())), fileName);
    QCOMPARE(link.error, DataLinkError::None);
    QCOMPARE(QString::fromStdString(fileName), udl);
    QCOMPARE(listed(link.init), QStringLiteral("Provider=SQLite\nData Source=bolla.db"));

    // The connection string's own keys win over the file's.
    link = resolve("Data Source=other.db;File Name=" + udl, fileName);
    QCOMPARE(listed(link.init), QStringLiteral("Provider=SQLite\nData Source=other.db"));

    QCOMPARE(resolve("FILE NAME=" + dir.filePath("none.udl"), fileName).error,
             DataLinkError::Missing);
    QCOMPARE(resolve("FILE NAME=" + dir.filePath("folder.udl"), fileName).error,
             DataLinkError::Unreadable);
    QCOMPARE(resolve("FILE NAME=" + dir.filePath("big.udl"), fileName).error,
             DataLinkError::TooLarge);
    QCOMPARE(resolve("FILE NAME=", fileName).error, DataLinkError::Missing);
    QCOMPARE(resolve("Provider=SQLite", fileName).error, DataLinkError::NoFileName);
    QCOMPARE(resolve("FILE NAME=\"x", fileName).error, DataLinkError::UnterminatedQuote);
#ifdef Q_OS_UNIX
    // A pipe would block the reader: it is no data link file.
    const QByteArray fifo = dir.filePath("pipe.udl").toLocal8Bit();
    QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
    QCOMPARE(resolve("FILE NAME=" + QString::fromLocal8Bit(fifo), fileName).error,
             DataLinkError::Unreadable);
#endif
}

QTEST_APPLESS_MAIN(tst_DataLink)
#include "tst_datalink.moc"
