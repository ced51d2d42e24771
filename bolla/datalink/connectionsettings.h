#pragma once

#include <string>

namespace bolla {

// A Qt SQL connection as a data link file describes it.
struct ConnectionSettings
{
    std::string driver;       // QSQLITE, QPSQL, QODBC
    std::string databaseName; // for QODBC the whole ODBC connection string, credentials too
    std::string hostName;
    int port = -1;
    std::string userName;
    std::string password;
    std::string options;         // the driver's connect options: read-only, time-outs
    int commandMilliseconds = 0; // where no option sets it, a statement does
};

struct Timeouts
{
    int connectSeconds = 15;
    int commandMilliseconds = 30000;
};

// SQLite waits for another program's lock in slices this long, each query tried
// again until the command time-out: a read no longer wanted stops within one.
inline constexpr int kLockWaitSliceMilliseconds = 50;

enum class ProviderError {
    None,
    UnknownProvider,
    NoDataSource, // a link naming no database
    BadPort,
    NetworkPath, // a database on a network share, which only Windows opens
};

struct MappedConnection
{
    ConnectionSettings settings;
    ProviderError error = ProviderError::None;
    // The user name messages may show and the password they never show,
    // wherever in the connection they go.
    std::string user;
    std::string password;
    // The ODBC driver the connection names, when the shop must install it.
    std::string odbcDriver;
    // NetworkPath: the path as the data link file writes it.
    std::string networkPath;
};

// The ODBC driver of Access databases, which Jet and ACE links need.
inline constexpr const char *kAccessOdbcDriver = "Microsoft Access Driver (*.mdb, *.accdb)";

} // namespace bolla
