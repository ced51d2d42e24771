// A data link file is bytes from anywhere: every input parses or is rejected
// with an error, and what parses maps to a connection or a provider error.

#include "bolla/datalink/datalinkfile.h"
#include "bolla/datalink/initstringparser.h"
#include "bolla/datalink/providermapping.h"
#include "fuzzcheck.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);

    const bolla::ParsedDataLink link = bolla::parseDataLinkFile(bytes);
    if (link.error == bolla::DataLinkError::None) {
        FUZZ_CHECK(link.line == 0);
        const bolla::MappedConnection mapped = bolla::connectionFor(link.init, "/links");
        FUZZ_CHECK(mapped.error != bolla::ProviderError::None || !mapped.settings.driver.empty());
    } else {
        FUZZ_CHECK(!bolla::describe(link.error).empty());
    }

    // The init string alone, as the line after [oledb] is read.
    const bolla::ParsedInitString init = bolla::parseInitString(bytes);
    if (init.error == bolla::DataLinkError::None) {
        for (const auto &[key, value] : init.init.pairs())
            FUZZ_CHECK(!key.empty() && init.init.find(key) != nullptr);
    }
    return 0;
}
