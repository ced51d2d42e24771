#include "bolla/datalink/providermapping.h"

#include "bolla/datalink/keytext.h"
#include "bolla/datalink/odbcmapping.h"
#include "bolla/datalink/paths.h"

#include <algorithm>

namespace bolla {

namespace {

bool allDigits(std::string_view s)
{
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "host", "host:port" or "[v6 address]:port".
bool splitHostPort(std::string_view text, std::string &host, int &port)
{
    text = trimmed(text);
    std::string_view portText;
    if (text.starts_with('[')) {
        const std::size_t close = text.find(']');
        if (close == std::string_view::npos)
            return false;
        host = text.substr(1, close - 1);
        const std::string_view rest = text.substr(close + 1);
        if (!rest.empty() && !rest.starts_with(':'))
            return false;
        portText = rest.empty() ? rest : rest.substr(1);
        if (rest.starts_with(':') && portText.empty())
            return false;
    } else {
        const std::size_t colon = text.rfind(':');
        host = text.substr(0, colon);
        if (colon != std::string_view::npos) {
            portText = text.substr(colon + 1);
            if (portText.empty())
                return false;
        }
    }
    if (portText.empty())
        return true;
    if (portText.size() > 5 || !allDigits(portText))
        return false;
    port = std::stoi(std::string(portText));
    return port >= 1 && port <= 65535;
}

// A connection of `driver` that logs in with the link's own User ID and Password.
MappedConnection withLogin(const char *driver, const InitString &init)
{
    MappedConnection result;
    result.settings.driver = driver;
    result.settings.userName = result.user = init.value("User ID");
    result.settings.password = result.password = init.value("Password");
    return result;
}

MappedConnection sqliteConnection(const InitString &init, const std::filesystem::path &linkFolder,
                                  const Timeouts &timeouts)
{
    MappedConnection result = withLogin("QSQLITE", init);
    ConnectionSettings &settings = result.settings;
    const std::string dataSource = init.value("Data Source");
    if (trimmed(dataSource).empty()) {
        result.error = ProviderError::NoDataSource;
        return result;
    }
    if (isUnreachableNetworkPath(dataSource)) {
        result.error = ProviderError::NetworkPath;
        result.networkPath = dataSource;
        return result;
    }
    settings.databaseName = utf8FromPath(fileBeside(linkFolder, dataSource));
    settings.options =
        "QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=" +
        std::to_string(std::min(timeouts.commandMilliseconds, kLockWaitSliceMilliseconds));
    return result;
}

MappedConnection postgresConnection(const InitString &init, const Timeouts &timeouts)
{
    MappedConnection result = withLogin("QPSQL", init);
    ConnectionSettings &settings = result.settings;
    if (!splitHostPort(init.value("Data Source"), settings.hostName, settings.port)) {
        result.error = ProviderError::BadPort;
        return result;
    }
    settings.databaseName = init.value("Initial Catalog");
    // Every transaction of the session is read-only; no statement sets it.
    settings.options = "connect_timeout=" + std::to_string(timeouts.connectSeconds) +
                       ";options='-c default_transaction_read_only=on -c statement_timeout=" +
                       std::to_string(timeouts.commandMilliseconds) + "'";
    return result;
}

} // namespace

std::string_view providerName(std::string_view provider)
{
    provider = trimmed(provider);
    for (std::size_t dot = provider.rfind('.');
         dot != std::string_view::npos && allDigits(provider.substr(dot + 1));
         dot = provider.rfind('.'))
        provider = provider.substr(0, dot);
    return provider;
}

bool oneOf(std::string_view name, std::initializer_list<std::string_view> names)
{
    return std::any_of(names.begin(), names.end(),
                       [name](std::string_view n) { return sameKey(name, n); });
}

MappedConnection connectionFor(const InitString &init, const std::filesystem::path &linkFolder,
                               const Timeouts &timeouts, const InstalledOdbcDrivers &installed)
{
    const std::string providerValue = init.value("Provider");
    const std::string_view provider = providerName(providerValue);
    if (provider.empty() || oneOf(provider, {"QSQLITE", "SQLite", "SQLite3"}))
        return sqliteConnection(init, linkFolder, timeouts);
    if (oneOf(provider, {"QPSQL", "PostgreSQL"}))
        return postgresConnection(init, timeouts);
    if (oneOf(provider, {"QODBC", "MSDASQL"}))
        return odbcConnection(init, timeouts);
    if (oneOf(provider, {"Microsoft.Jet.OLEDB", "Microsoft.ACE.OLEDB"}))
        return accessConnection(init, linkFolder, timeouts, installed);
    MappedConnection result;
    result.error = ProviderError::UnknownProvider;
    return result;
}

} // namespace bolla
