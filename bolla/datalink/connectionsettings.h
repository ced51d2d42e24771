#pragma once

#include <functional>
#include <string>
#include <vector>

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
    NoAccessDriver, // none of the Access ODBC drivers the database needs is installed
    NetworkPath,    // a database on a network share, which only Windows opens
};

struct MappedConnection
{
    ConnectionSettings settings;
    ProviderError error = ProviderError::None;
    // The user name messages may show and the password they never show,
    // wherever in the connection they go.
    std::string user;
    std::string password;
    // An Access database's ODBC drivers that can open it, the link's own first.
    std::vector<std::string> accessDrivers;
    // NetworkPath: the path as the data link file writes it.
    std::string networkPath;
};

// The names of the ODBC drivers installed, asked for only by a link that needs
// one of them.
using InstalledOdbcDrivers = std::function<std::vector<std::string>()>;

} // namespace bolla
