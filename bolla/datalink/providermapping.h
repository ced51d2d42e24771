#pragma once

#include "bolla/datalink/connectionsettings.h"
#include "bolla/datalink/initstring.h"

#include <filesystem>
#include <string_view>

namespace bolla {

// Maps the provider of a data link file's initialisation string to a Qt SQL
// driver and opens it read-only wherever the driver can. A relative database
// file lies beside the data link file, in `linkFolder`. Without a Provider the
// link is to an SQLite file. An Access database takes the first of the ODBC
// drivers `installed` lists that can open it (see accessConnection).
MappedConnection connectionFor(const InitString &init, const std::filesystem::path &linkFolder,
                               const Timeouts &timeouts = {},
                               const InstalledOdbcDrivers &installed = {});

// The provider's name without its trailing version (".1", ".4.0").
std::string_view providerName(std::string_view provider);

// Whether `name` is one of `names`, in any ASCII case.
bool oneOf(std::string_view name, std::initializer_list<std::string_view> names);

} // namespace bolla
