#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace bolla {

// The ODBC drivers of Access databases. Jet's comes with every Windows, in
// 32-bit only, and opens .mdb files; ACE's comes with Microsoft Access Database
// Engine or Office and opens .mdb and .accdb files.
inline constexpr const char *kJetOdbcDriver = "Microsoft Access Driver (*.mdb)";
inline constexpr const char *kAceOdbcDriver = "Microsoft Access Driver (*.mdb, *.accdb)";

// The drivers that can open `database` for a link through `provider` (its name
// without version), the provider's own first.
std::vector<std::string> accessDriversFor(std::string_view provider,
                                          const std::filesystem::path &database);

// The first of `wanted` that `installed` lists, in any ASCII case, as driver
// managers compare them; empty when none is.
std::string firstInstalled(const std::vector<std::string> &wanted,
                           const std::vector<std::string> &installed);

} // namespace bolla
