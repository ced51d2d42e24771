#include "bolla/datalink/datalinkfile.h"

#include "bolla/datalink/initstringparser.h"
#include "bolla/datalink/keytext.h"
#include "bolla/datalink/textdecoding.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace bolla {

ParsedDataLink parseDataLinkFile(std::string_view bytes)
{
    ParsedDataLink result;
    if (bytes.size() > kMaxDataLinkBytes) {
        result.error = DataLinkError::TooLarge;
        return result;
    }
    std::string text;
    if (!decodeDataLinkText(bytes, text)) {
        result.error = DataLinkError::BadEncoding;
        return result;
    }

    bool inSection = false;
    bool haveInit = false;
    int lineNumber = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        const std::string_view line = trimmed(std::string_view(text).substr(start, end - start));
        ++lineNumber;
        // "\r\n" is one break; a lone "\r" or "\n" is one too.
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);

        if (line.empty() || line.front() == ';')
            continue;
        result.line = lineNumber;
        if (line.front() == '[') {
            if (!sameKey(line, "[oledb]") || inSection) {
                result.error = DataLinkError::UnknownSection;
                return result;
            }
            inSection = true;
            continue;
        }
        if (!inSection) {
            result.error = DataLinkError::NoSection;
            return result;
        }
        if (haveInit) {
            result.error = DataLinkError::TwoInitStrings;
            return result;
        }
        ParsedInitString parsed = parseInitString(line);
        if (parsed.error != DataLinkError::None) {
            result.error = parsed.error;
            return result;
        }
        result.init = std::move(parsed.init);
        haveInit = true;
    }
    result.line = 0;
    if (!inSection)
        result.error = DataLinkError::NoSection;
    else if (!haveInit)
        result.error = DataLinkError::NoInitString;
    return result;
}

DataLinkError readDataLinkFile(const std::filesystem::path &path, std::string &bytes)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found || path.empty())
        return DataLinkError::Missing;
    // Only a regular file: a pipe or a device could block or never end.
    if (ec || status.type() != fs::file_type::regular)
        return DataLinkError::Unreadable;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return DataLinkError::Unreadable;
    bytes.assign(kMaxDataLinkBytes + 1, '\0');
    file.read(bytes.data(), std::streamsize(bytes.size()));
    if (file.bad())
        return DataLinkError::Unreadable;
    bytes.resize(std::size_t(file.gcount()));
    return bytes.size() > kMaxDataLinkBytes ? DataLinkError::TooLarge : DataLinkError::None;
}

ParsedDataLink loadDataLinkFile(const std::filesystem::path &path)
{
    std::string bytes;
    ParsedDataLink result;
    result.error = readDataLinkFile(path, bytes);
    return result.error == DataLinkError::None ? parseDataLinkFile(bytes) : result;
}

} // namespace bolla
