#include "bolla/datalink/odbcmapping.h"

#include "bolla/datalink/accessdrivers.h"
#include "bolla/datalink/keytext.h"
#include "bolla/datalink/odbcstring.h"
#include "bolla/datalink/paths.h"
#include "bolla/datalink/providermapping.h"

namespace bolla {

namespace {

// OLE DB's own settings, which the ODBC driver never sees: the data link
// dialog writes them, the provider or the viewer takes care of them.
bool isOleDbSetting(std::string_view key)
{
    return oneOf(key, {"Provider", "Data Source", "Initial Catalog", "User ID", "Password",
                       "Extended Properties", "Persist Security Info", "Mode", "Prompt",
                       "Connect Timeout", "General Timeout", "Locale Identifier", "OLE DB Services",
                       "Window Handle", "Location"}) ||
           (key.size() > 10 && sameKey(key.substr(0, 10), "Jet OLEDB:"));
}

// Only a key ODBC can carry: none with '=', braces or ';'.
bool isOdbcKey(std::string_view key)
{
    return key.find_first_of("={};") == std::string_view::npos;
}

std::string odbcOptions(const Timeouts &timeouts)
{
    const std::string seconds = std::to_string(timeouts.connectSeconds);
    return "SQL_ATTR_ACCESS_MODE=SQL_MODE_READ_ONLY;SQL_ATTR_LOGIN_TIMEOUT=" + seconds +
           ";SQL_ATTR_CONNECTION_TIMEOUT=" + seconds;
}

// The connection string is the whole connection. The credentials go into it, in
// braces: the driver reads them there whatever characters they hold.
void complete(MappedConnection &result, OdbcString &odbc, const std::string &user,
              const std::string &password, const Timeouts &timeouts)
{
    if (!user.empty() && !odbc.find("UID"))
        odbc.add("UID", user);
    if (!password.empty() && !odbc.find("PWD"))
        odbc.add("PWD", password, true);
    result.user = odbc.find("UID").value_or(std::string());
    result.password = odbc.find("PWD").value_or(std::string());
    result.settings.databaseName = odbc.text();
    result.settings.options = odbcOptions(timeouts);
    result.settings.commandMilliseconds = timeouts.commandMilliseconds;
}

} // namespace

MappedConnection odbcConnection(const InitString &init, const Timeouts &timeouts)
{
    MappedConnection result;
    result.settings.driver = "QODBC";
    OdbcString odbc(init.value("Extended Properties"));
    if (const std::string dataSource = init.value("Data Source"); !dataSource.empty())
        odbc.add("DSN", dataSource);
    if (const std::string *catalog = init.find("Initial Catalog"))
        odbc.add("DATABASE", *catalog);
    for (const auto &[key, v] : init.pairs()) {
        if (!isOleDbSetting(key) && isOdbcKey(key))
            odbc.add(key, v);
    }
    if (odbc.empty()) {
        result.error = ProviderError::NoDataSource;
        return result;
    }
    complete(result, odbc, init.value("User ID"), init.value("Password"), timeouts);
    return result;
}

MappedConnection accessConnection(const InitString &init, const std::filesystem::path &linkFolder,
                                  const Timeouts &timeouts, const InstalledOdbcDrivers &installed)
{
    MappedConnection result;
    result.settings.driver = "QODBC";
    const std::string dataSource = init.value("Data Source");
    if (trimmed(dataSource).empty()) {
        result.error = ProviderError::NoDataSource;
        return result;
    }
    const std::string systemDatabase = init.value("Jet OLEDB:System database");
    for (const std::string &path : {dataSource, systemDatabase}) {
        if (isUnreachableNetworkPath(path)) {
            result.error = ProviderError::NetworkPath;
            result.networkPath = path;
            return result;
        }
    }
    const std::filesystem::path database = fileBeside(linkFolder, dataSource);
    result.accessDrivers = accessDriversFor(providerName(init.value("Provider")), database);
    const std::string driver = installed ? firstInstalled(result.accessDrivers, installed())
                                         : result.accessDrivers.front();
    if (driver.empty()) {
        result.error = ProviderError::NoAccessDriver;
        return result;
    }
    OdbcString odbc;
    odbc.add("DRIVER", driver, true);
    odbc.add("DBQ", utf8FromPath(database));
    // The driver's own read-only switch, besides the access mode.
    odbc.add("ReadOnly", "1");
    // A workgroup's users: then User ID and Password are its login; otherwise
    // Jet logs in as Admin and a password is the database's.
    std::string user;
    std::string password = init.value("Jet OLEDB:Database Password");
    if (!trimmed(systemDatabase).empty()) {
        odbc.add("SystemDB", utf8FromPath(fileBeside(linkFolder, systemDatabase)));
        user = init.value("User ID");
    }
    if (password.empty())
        password = init.value("Password");
    complete(result, odbc, user, password, timeouts);
    return result;
}

} // namespace bolla
