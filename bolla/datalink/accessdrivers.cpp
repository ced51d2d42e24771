#include "bolla/datalink/accessdrivers.h"

#include "bolla/datalink/keytext.h"
#include "bolla/datalink/paths.h"

#include <algorithm>

namespace bolla {

std::vector<std::string> accessDriversFor(std::string_view provider,
                                          const std::filesystem::path &database)
{
    // Jet cannot read the .accdb format.
    if (sameKey(utf8FromPath(database.extension()), ".accdb"))
        return {kAceOdbcDriver};
    if (sameKey(provider, "Microsoft.ACE.OLEDB"))
        return {kAceOdbcDriver, kJetOdbcDriver};
    return {kJetOdbcDriver, kAceOdbcDriver};
}

std::string firstInstalled(const std::vector<std::string> &wanted,
                           const std::vector<std::string> &installed)
{
    for (const std::string &driver : wanted) {
        if (std::any_of(installed.begin(), installed.end(),
                        [&driver](const std::string &name) { return sameKey(name, driver); }))
            return driver;
    }
    return {};
}

} // namespace bolla
