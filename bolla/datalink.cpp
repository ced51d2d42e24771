#include "bolla/datalink.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

namespace bolla {

namespace {

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool sameKey(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return lower(x) == lower(y); });
}

bool blank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

void appendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// UTF-16LE after its mark. Odd lengths, lone surrogates and NULs are not text.
bool fromUtf16le(std::string_view bytes, std::string &out)
{
    if (bytes.size() % 2 != 0)
        return false;
    const auto unit = [&bytes](std::size_t i) {
        return char16_t(std::uint8_t(bytes[i]) | (std::uint8_t(bytes[i + 1]) << 8));
    };
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        const char16_t u = unit(i);
        if (u == 0 || (u >= 0xDC00 && u <= 0xDFFF))
            return false;
        if (u >= 0xD800 && u <= 0xDBFF) {
            if (i + 2 >= bytes.size())
                return false;
            const char16_t low = unit(i + 2);
            if (low < 0xDC00 || low > 0xDFFF)
                return false;
            appendUtf8(out, 0x10000 + ((char32_t(u) - 0xD800) << 10) + (low - 0xDC00));
            i += 2;
        } else {
            appendUtf8(out, u);
        }
    }
    return true;
}

// Well-formed UTF-8: no overlong forms, surrogates or code points past U+10FFFF.
bool isUtf8(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size()) {
        const auto b = std::uint8_t(s[i]);
        int extra = 0;
        char32_t c = 0;
        if (b < 0x80) {
            ++i;
            continue;
        } else if (b >= 0xC2 && b <= 0xDF) {
            extra = 1;
            c = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            extra = 2;
            c = b & 0x0F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            extra = 3;
            c = b & 0x07;
        } else {
            return false;
        }
        if (s.size() - i <= std::size_t(extra))
            return false;
        for (int k = 1; k <= extra; ++k) {
            const auto cont = std::uint8_t(s[i + std::size_t(k)]);
            if ((cont & 0xC0) != 0x80)
                return false;
            c = (c << 6) | (cont & 0x3F);
        }
        if ((extra == 2 && (c < 0x800 || (c >= 0xD800 && c <= 0xDFFF))) ||
            (extra == 3 && (c < 0x10000 || c > 0x10FFFF)))
            return false;
        i += std::size_t(extra) + 1;
    }
    return true;
}

// The ANSI code page of an Italian Windows. The five holes map to the C1
// controls, as Windows maps them.
void fromWindows1252(std::string_view bytes, std::string &out)
{
    static const char16_t high[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    for (char ch : bytes) {
        const auto b = std::uint8_t(ch);
        appendUtf8(out, b >= 0x80 && b < 0xA0 ? high[b - 0x80] : char16_t(b));
    }
}

bool decode(std::string_view bytes, std::string &text)
{
    if (bytes.starts_with("\xFF\xFE"))
        return fromUtf16le(bytes.substr(2), text);
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    if (bytes.find('\0') != std::string_view::npos)
        return false;
    if (isUtf8(bytes))
        text.assign(bytes);
    else
        fromWindows1252(bytes, text);
    return true;
}

// Reads from t[i] into `out` up to a single `end`, which it passes; a doubled
// `end` stands for one. False when the text, or the pair at a ';', ends first.
bool readUpTo(std::string_view t, std::size_t &i, char end, std::string &out, bool pairEnds)
{
    while (i < t.size() && !(pairEnds && t[i] == ';')) {
        if (t[i] != end) {
            out += t[i++];
        } else if (i + 1 < t.size() && t[i + 1] == end) {
            out += end;
            i += 2;
        } else {
            ++i;
            return true;
        }
    }
    return false;
}

bool isSection(std::string_view line)
{
    return !line.empty() && line.front() == '[';
}

std::string odbcValue(const std::string &value)
{
    const bool plain =
        value.find_first_of(";{}") == std::string::npos && trimmed(value).size() == value.size();
    if (plain)
        return value;
    std::string braced = "{";
    for (char c : value) {
        braced += c;
        if (c == '}')
            braced += '}';
    }
    return braced + "}";
}

// The provider's name without a trailing ".<version>".
std::string_view providerName(std::string_view provider)
{
    provider = trimmed(provider);
    const std::size_t dot = provider.rfind('.');
    if (dot != std::string_view::npos && dot + 1 < provider.size() &&
        std::all_of(provider.begin() + std::ptrdiff_t(dot) + 1, provider.end(),
                    [](char c) { return c >= '0' && c <= '9'; }))
        provider = provider.substr(0, dot);
    return provider;
}

bool oneOf(std::string_view name, std::initializer_list<std::string_view> names)
{
    return std::any_of(names.begin(), names.end(),
                       [name](std::string_view n) { return sameKey(name, n); });
}

std::string value(const InitString &init, std::string_view key)
{
    const std::string *v = init.find(key);
    return v ? *v : std::string();
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
    if (portText.size() > 5 ||
        !std::all_of(portText.begin(), portText.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    port = std::stoi(std::string(portText));
    return port >= 1 && port <= 65535;
}

} // namespace

void InitString::set(std::string key, std::string value)
{
    for (auto &pair : m_pairs) {
        if (sameKey(pair.first, key)) {
            pair.second = std::move(value);
            return;
        }
    }
    m_pairs.emplace_back(std::move(key), std::move(value));
}

const std::string *InitString::find(std::string_view key) const
{
    for (const auto &pair : m_pairs) {
        if (sameKey(pair.first, key))
            return &pair.second;
    }
    return nullptr;
}

std::string describe(DataLinkError error)
{
    switch (error) {
    case DataLinkError::None:
        return {};
    case DataLinkError::Missing:
        return "il file non esiste";
    case DataLinkError::Unreadable:
        return "il file non si può leggere";
    case DataLinkError::TooLarge:
        return "il file è troppo grande per essere un file di collegamento dati";
    case DataLinkError::BadEncoding:
        return "il file non è testo UTF-16 con contrassegno, UTF-8 o ANSI";
    case DataLinkError::NoSection:
        return "manca la riga [oledb] prima della stringa di inizializzazione";
    case DataLinkError::UnknownSection:
        return "c'è una sezione inattesa: è ammessa una sola riga [oledb]";
    case DataLinkError::NoInitString:
        return "manca la stringa di inizializzazione";
    case DataLinkError::TwoInitStrings:
        return "c'è più di una stringa di inizializzazione";
    case DataLinkError::MissingEquals:
        return "una voce non ha il segno =";
    case DataLinkError::EmptyKey:
        return "una voce non ha il nome";
    case DataLinkError::UnterminatedQuote:
        return "un valore tra virgolette non è chiuso";
    case DataLinkError::TextAfterQuote:
        return "c'è del testo dopo un valore tra virgolette";
    case DataLinkError::NoFileName:
        return "la stringa di connessione non indica il file (FILE NAME)";
    }
    return {};
}

ParsedInitString parseInitString(std::string_view t)
{
    ParsedInitString result;
    const std::size_t n = t.size();
    std::size_t i = 0;
    while (i < n) {
        while (i < n && blank(t[i]))
            ++i;
        if (i < n && t[i] == ';') {
            ++i;
            continue;
        }
        if (i >= n)
            break;

        std::string key;
        const bool equals = readUpTo(t, i, '=', key, true);
        if (!equals) {
            result.error = DataLinkError::MissingEquals;
            return result;
        }
        key = std::string(trimmed(key));
        if (key.empty()) {
            result.error = DataLinkError::EmptyKey;
            return result;
        }

        while (i < n && blank(t[i]))
            ++i;
        std::string value;
        if (i < n && (t[i] == '"' || t[i] == '\'')) {
            const char quote = t[i++];
            const bool closed = readUpTo(t, i, quote, value, false);
            if (!closed) {
                result.error = DataLinkError::UnterminatedQuote;
                return result;
            }
            while (i < n && blank(t[i]))
                ++i;
            if (i < n && t[i] != ';') {
                result.error = DataLinkError::TextAfterQuote;
                return result;
            }
        } else {
            const std::size_t end = std::min(t.find(';', i), n);
            value = std::string(trimmed(t.substr(i, end - i)));
            i = end;
        }
        result.init.set(std::move(key), std::move(value));
    }
    return result;
}

ParsedDataLink parseDataLinkFile(std::string_view bytes)
{
    ParsedDataLink result;
    if (bytes.size() > kMaxDataLinkBytes) {
        result.error = DataLinkError::TooLarge;
        return result;
    }
    std::string text;
    if (!decode(bytes, text)) {
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
        if (isSection(line)) {
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

std::string connectionStringFor(std::string_view path)
{
    const bool plain =
        path.find_first_of(";\"'") == std::string_view::npos && trimmed(path).size() == path.size();
    std::string text = "FILE NAME=";
    if (plain)
        return text.append(path);
    text += '"';
    for (char c : path) {
        text += c;
        if (c == '"')
            text += '"';
    }
    return text + '"';
}

DataLinkError readDataLinkFile(const std::string &path, std::string &bytes)
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

ParsedDataLink resolveConnectionString(std::string_view connectionString, std::string &fileName)
{
    ParsedDataLink result;
    ParsedInitString own = parseInitString(connectionString);
    const std::string *name =
        own.error == DataLinkError::None ? own.init.find("File Name") : nullptr;
    if (own.error != DataLinkError::None || !name) {
        result.error = own.error != DataLinkError::None ? own.error : DataLinkError::NoFileName;
        return result;
    }
    fileName = *name;
    std::string bytes;
    result.error = readDataLinkFile(fileName, bytes);
    if (result.error != DataLinkError::None)
        return result;
    result = parseDataLinkFile(bytes);
    if (result.error != DataLinkError::None)
        return result;
    for (const auto &[key, value] : own.init.pairs()) {
        if (!sameKey(key, "File Name"))
            result.init.set(key, value);
    }
    return result;
}

MappedConnection connectionFor(const InitString &init, std::string_view linkFolder,
                               const Timeouts &timeouts)
{
    MappedConnection result;
    ConnectionSettings &settings = result.settings;
    const std::string providerValue = value(init, "Provider");
    const std::string_view provider = providerName(providerValue);
    settings.userName = value(init, "User ID");
    settings.password = value(init, "Password");
    const std::string dataSource = value(init, "Data Source");
    const std::string seconds = std::to_string(timeouts.connectSeconds);
    const std::string milliseconds = std::to_string(timeouts.commandMilliseconds);

    if (provider.empty() || oneOf(provider, {"QSQLITE", "SQLite", "SQLite3"})) {
        settings.driver = "QSQLITE";
        if (trimmed(dataSource).empty()) {
            result.error = ProviderError::NoDataSource;
            return result;
        }
        settings.databaseName = (std::filesystem::path(linkFolder) / dataSource).string();
        settings.options = "QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=" + milliseconds;
    } else if (oneOf(provider, {"QPSQL", "PostgreSQL"})) {
        settings.driver = "QPSQL";
        if (!splitHostPort(dataSource, settings.hostName, settings.port)) {
            result.error = ProviderError::BadPort;
            return result;
        }
        settings.databaseName = value(init, "Initial Catalog");
        // Every transaction of the session is read-only; no statement sets it.
        settings.options =
            "connect_timeout=" + seconds +
            ";options='-c default_transaction_read_only=on -c statement_timeout=" + milliseconds +
            "'";
    } else if (oneOf(provider, {"QODBC", "MSDASQL"})) {
        settings.driver = "QODBC";
        std::string odbc = value(init, "Extended Properties");
        const auto add = [&odbc](const std::string &key, const std::string &v) {
            if (!odbc.empty() && odbc.back() != ';')
                odbc += ';';
            odbc += key + "=" + odbcValue(v);
        };
        if (!dataSource.empty())
            add("DSN", dataSource);
        if (const std::string *catalog = init.find("Initial Catalog"))
            add("DATABASE", *catalog);
        for (const auto &[key, v] : init.pairs()) {
            if (!oneOf(key, {"Provider", "Data Source", "Initial Catalog", "User ID", "Password",
                             "Extended Properties", "Persist Security Info"}))
                add(key, v);
        }
        if (odbc.empty()) {
            result.error = ProviderError::NoDataSource;
            return result;
        }
        settings.databaseName = odbc;
        settings.options =
            "SQL_ATTR_ACCESS_MODE=SQL_MODE_READ_ONLY;SQL_ATTR_LOGIN_TIMEOUT=" + seconds +
            ";SQL_ATTR_CONNECTION_TIMEOUT=" + seconds;
    } else {
        result.error = ProviderError::UnknownProvider;
    }
    return result;
}

} // namespace bolla
