#include "bolla/failuremessages.h"

#include "bolla/accessdrivermessage.h"
#include "bolla/lockwaits.h"
#include "bolla/passwordmask.h"

#include <QFileInfo>
#include <QSqlError>

namespace bolla {

namespace {

enum class Cause {
    Other,
    NoDatabase,
    NotADatabase,
    MissingTable,
    MissingColumn,
    MissingDate,
    Locked,
    CrashedWriter,
    Unreachable,
    LoginRefused,
};

// The engine's own words, in one line and with the password out of sight.
QString engineText(const QSqlError &error, const FailureContext &context)
{
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.driverText().trimmed();
    text = text.section(u'\n', 0, 0).simplified();
    while (text.endsWith(u';'))
        text.chop(1);
    return hidePassword(text, context.password, context.userName);
}

bool containsAny(const QString &text, std::initializer_list<const char *> parts)
{
    for (const char *part : parts) {
        if (text.contains(QLatin1String(part), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

// SQLite's result codes, primary and extended; PostgreSQL's SQLSTATEs.
Cause byCode(const QSqlError &error, const FailureContext &context)
{
    const QString code = error.nativeErrorCode();
    const QString text = error.databaseText();
    if (context.driver == QLatin1String("QSQLITE")) {
        constexpr int kReadOnlyRollback = 776; // a hot journal a reader may not roll back
        const int extended = code.toInt();
        switch (extended & 0xFF) {
        case 14: // can't open
            return QFileInfo::exists(context.database) ? Cause::Other : Cause::NoDatabase;
        case 26:
            return Cause::NotADatabase;
        case 8: // read-only
            return extended == kReadOnlyRollback ? Cause::CrashedWriter : Cause::Other;
        }
        if (text.startsWith(QLatin1String("no such table")))
            return Cause::MissingTable;
        if (text.startsWith(QLatin1String("no such column")))
            return Cause::MissingColumn;
        return Cause::Other;
    }
    if (code == u"42P01")
        return Cause::MissingTable;
    if (code == u"42703")
        return Cause::MissingColumn;
    if (code == u"42883" && text.contains(QLatin1String("date(")))
        return Cause::MissingDate;
    if (code == u"57014") // the command time-out, most likely spent waiting for a lock
        return Cause::Locked;
    return Cause::Other;
}

// What servers and ODBC drivers say, in English and as PostgreSQL says it in
// Italian, where no code tells.
Cause byText(const QSqlError &error, bool opening)
{
    const QString text = error.databaseText();
    const bool serverAnswered = containsAny(text, {"FATAL", "ERROR"});
    const bool missing = containsAny(text, {"does not exist", "non esiste"});
    if (containsAny(text, {"password authentication failed", "autenticazione con password",
                           "pg_hba.conf", "authentication failed", "not a valid password"}) ||
        (missing && containsAny(text, {"role \"", "il ruolo \""})))
        return Cause::LoginRefused;
    if ((missing && containsAny(text, {"relation \"", "la relazione \""})) ||
        containsAny(text, {"cannot find the input table"}))
        return Cause::MissingTable;
    if ((missing && containsAny(text, {"column \"", "la colonna \""})) ||
        containsAny(text, {"too few parameters"}))
        return Cause::MissingColumn;
    if (missing && containsAny(text, {"function date(", "la funzione date("}))
        return Cause::MissingDate;
    if ((missing && containsAny(text, {"database \"", "il database \""})) ||
        containsAny(text, {"could not find file"}))
        return Cause::NoDatabase;
    if (containsAny(text, {"statement timeout", "a causa di timeout"}))
        return Cause::Locked;
    if (opening && !serverAnswered &&
        containsAny(text, {"connection to server", "connessione al server", "timeout expired",
                           "timeout scaduto", "could not translate host name",
                           "conversione del nome host", "connection refused",
                           "could not connect to server"}))
        return Cause::Unreachable;
    return Cause::Other;
}

QString withEngineText(const QString &sentence, const QSqlError &error,
                       const FailureContext &context)
{
    const QString engine = engineText(error, context);
    return engine.isEmpty() ? sentence + u'.' : QStringLiteral("%1 (%2).").arg(sentence, engine);
}

QString databaseFailure(const QSqlError &error, const FailureContext &context, bool opening)
{
    Cause cause = heldByAnother(error, context.driver) ? Cause::Locked : byCode(error, context);
    if (cause == Cause::Other)
        cause = byText(error, opening);
    const QString link = u'"' + context.dataLinkFile + u'"';
    const QString ofLink = QStringLiteral("indicato dal file di collegamento dati ") + link;
    QString sentence;
    switch (cause) {
    case Cause::NoDatabase:
        sentence =
            context.driver == QLatin1String("QSQLITE")
                ? QStringLiteral("Il database \"%1\" %2 non esiste").arg(context.database, ofLink)
                : QStringLiteral("Il database %1 non esiste").arg(ofLink);
        break;
    case Cause::NotADatabase:
        sentence = QStringLiteral("Il file \"%1\", %2 come database, non è un database SQLite")
                       .arg(context.database, ofLink);
        break;
    case Cause::MissingTable:
        sentence = QStringLiteral("Nel database %1 manca la tabella numeri").arg(ofLink);
        break;
    case Cause::MissingColumn:
        sentence = QStringLiteral("Nella tabella numeri del database %1 manca una colonna che la "
                                  "bolla legge")
                       .arg(ofLink);
        break;
    case Cause::MissingDate:
        sentence = QStringLiteral("Nel database %1 manca la funzione date() che dà il giorno della "
                                  "bolla")
                       .arg(ofLink);
        break;
    case Cause::Locked:
        sentence = QStringLiteral("Il database %1 è occupato da un altro programma; riprovare più "
                                  "tardi")
                       .arg(ofLink);
        break;
    case Cause::CrashedWriter:
        sentence = QStringLiteral("Il database %1 è rimasto a metà di un aggiornamento: il "
                                  "programma che lo scriveva si è interrotto e ha lasciato il file "
                                  "\"%2-journal\". Aprire di nuovo quel programma, che lo "
                                  "ripristina, poi riprovare")
                       .arg(ofLink, context.database);
        break;
    case Cause::Unreachable:
        sentence = QStringLiteral("Il server del database %1 non risponde: controllare che sia "
                                  "acceso e raggiungibile in rete")
                       .arg(ofLink);
        break;
    case Cause::LoginRefused:
        sentence =
            QStringLiteral("Il database %1 ha rifiutato l'accesso: controllare l'utente e la "
                           "password nel file")
                .arg(ofLink);
        break;
    case Cause::Other:
        sentence = opening ? QStringLiteral("Impossibile aprire il database %1").arg(ofLink)
                           : QStringLiteral("La lettura della bolla dal database %1 non è riuscita")
                                 .arg(ofLink);
        break;
    }
    return withEngineText(sentence, error, context);
}

} // namespace

QString readingMessage()
{
    return QStringLiteral("Lettura della bolla in corso…");
}

QString lockWaitMessage()
{
    return QStringLiteral("Lettura della bolla in corso: il database è occupato da un altro "
                          "programma, attendo…");
}

QString emptyDayMessage()
{
    return QStringLiteral("Nella bolla di oggi non c'è nessun numero fornito.");
}

QString dataLinkFailure(const ParsedDataLink &link, const QString &dataLinkFile)
{
    const QString why = QString::fromStdString(describe(link.error));
    if (link.error == DataLinkError::Missing || link.error == DataLinkError::Unreadable)
        return QStringLiteral("Impossibile leggere il file di collegamento dati \"%1\": %2.")
            .arg(dataLinkFile, why);
    const QString where = link.line > 0 ? QStringLiteral(" (riga %1)").arg(link.line) : QString();
    return QStringLiteral("Il file di collegamento dati \"%1\" non è valido%2: %3.")
        .arg(dataLinkFile, where, why);
}

QString providerFailure(const MappedConnection &mapped, const QString &dataLinkFile,
                        const QString &provider)
{
    switch (mapped.error) {
    case ProviderError::UnknownProvider:
        return QStringLiteral("Il file di collegamento dati \"%1\" indica un provider sconosciuto: "
                              "\"%2\".")
            .arg(dataLinkFile, provider);
    case ProviderError::NoDataSource:
        return QStringLiteral("Il file di collegamento dati \"%1\" non indica il database "
                              "(Data Source).")
            .arg(dataLinkFile);
    case ProviderError::BadPort:
        return QStringLiteral("Il file di collegamento dati \"%1\" indica un server non valido "
                              "(Data Source).")
            .arg(dataLinkFile);
    case ProviderError::NetworkPath:
        return QStringLiteral("Il file di collegamento dati \"%1\" indica il database in una "
                              "cartella di rete, \"%2\", che solo Windows apre così: montare la "
                              "cartella condivisa e indicare il percorso in cui è montata.")
            .arg(dataLinkFile, QString::fromStdString(mapped.networkPath));
    case ProviderError::NoAccessDriver:
        return missingAccessDriver(mapped.accessDrivers, dataLinkFile);
    case ProviderError::None:
        break;
    }
    return {};
}

QString missingQtDriver(const QString &driver, const QString &dataLinkFile)
{
    return QStringLiteral("Manca il driver Qt %1, necessario per il database indicato dal file di "
                          "collegamento dati \"%2\".")
        .arg(driver, dataLinkFile);
}

QString openFailure(const QSqlError &error, const FailureContext &context)
{
    return databaseFailure(error, context, true);
}

QString readFailure(const QSqlError &error, const FailureContext &context)
{
    return databaseFailure(error, context, false);
}

} // namespace bolla
