#include "bolla/odbcmapping.h"

#include "bolla/odbcstring.h"
#include "bolla/providermapping.h"

namespace bolla {

MappedConnection odbcConnection(const InitString &init, const Timeouts &timeouts)
{
    MappedConnection result;
    ConnectionSettings &settings = result.settings;
    settings.driver = "QODBC";
    settings.userName = init.value("User ID");
    settings.password = init.value("Password");
    OdbcString odbc(init.value("Extended Properties"));
    if (const std::string dataSource = init.value("Data Source"); !dataSource.empty())
        odbc.add("DSN", dataSource);
    if (const std::string *catalog = init.find("Initial Catalog"))
        odbc.add("DATABASE", *catalog);
    for (const auto &[key, v] : init.pairs()) {
        if (!oneOf(key, {"Provider", "Data Source", "Initial Catalog", "User ID", "Password",
                         "Extended Properties", "Persist Security Info"}))
            odbc.add(key, v);
    }
    if (odbc.empty()) {
        result.error = ProviderError::NoDataSource;
        return result;
    }
    settings.databaseName = odbc.text();
    const std::string seconds = std::to_string(timeouts.connectSeconds);
    settings.options = "SQL_ATTR_ACCESS_MODE=SQL_MODE_READ_ONLY;SQL_ATTR_LOGIN_TIMEOUT=" + seconds +
                       ";SQL_ATTR_CONNECTION_TIMEOUT=" + seconds;
    return result;
}

} // namespace bolla
