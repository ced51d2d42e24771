#pragma once

// Data link files and the connection they describe. Standard library only: the
// bytes of a file come from anywhere and every input either parses or is
// rejected with an error, never anything worse.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace bolla {

// The key=value pairs of an initialisation string, in the order written. Keys
// compare without regard to ASCII case; a key written twice keeps its last value.
class InitString
{
public:
    void set(std::string key, std::string value);
    // nullptr when the key is absent.
    const std::string *find(std::string_view key) const;
    const std::vector<std::pair<std::string, std::string>> &pairs() const { return m_pairs; }

private:
    std::vector<std::pair<std::string, std::string>> m_pairs;
};

enum class DataLinkError {
    None,
    Missing,        // no such file
    Unreadable,     // exists but cannot be read (permissions, a folder, ...)
    TooLarge,       // far beyond any data link file
    BadEncoding,    // neither UTF-16LE with its mark nor UTF-8/ANSI text
    NoSection,      // something before the [oledb] line, or no such line
    UnknownSection, // a section other than [oledb], or [oledb] twice
    NoInitString,   // nothing after [oledb] but comments
    TwoInitStrings, // a second initialisation line
    MissingEquals,  // a pair without '='
    EmptyKey,       // "=value"
    UnterminatedQuote,
    TextAfterQuote, // "key='a'b"
    NoFileName,     // a connection string without File Name
};

// What went wrong, in Italian, without quoting the offending text: it may hold
// a password.
std::string describe(DataLinkError error);

struct ParsedInitString
{
    InitString init;
    DataLinkError error = DataLinkError::None;
};

struct ParsedDataLink
{
    InitString init;
    DataLinkError error = DataLinkError::None;
    int line = 0; // where the error lies, from 1; 0 for the file as a whole
};

inline constexpr std::size_t kMaxDataLinkBytes = 64 * 1024;

// One line of key=value pairs separated by ';', values optionally in double or
// single quotes (a quote doubled inside them stands for itself), "==" in a key
// for a literal '='.
ParsedInitString parseInitString(std::string_view text);

// The whole file: UTF-16LE with a byte-order mark, or UTF-8 (with or without its
// mark) or Windows-1252 text; blank and ';' comment lines, the [oledb] section
// line, then exactly one initialisation string.
ParsedDataLink parseDataLinkFile(std::string_view bytes);

// The connection string of a data control using the data link file at `path`.
std::string connectionStringFor(std::string_view path);

// Reads the file named by a connection string's File Name and resolves the
// connection string into the file's initialisation string; the connection
// string's own other keys take precedence. `fileName` receives the path.
ParsedDataLink resolveConnectionString(std::string_view connectionString, std::string &fileName);

// The bytes of a data link file, at most kMaxDataLinkBytes of them.
DataLinkError readDataLinkFile(const std::string &path, std::string &bytes);

// A Qt SQL connection as an initialisation string describes it.
struct ConnectionSettings
{
    std::string driver; // QSQLITE, QPSQL, QODBC
    std::string databaseName;
    std::string hostName;
    int port = -1;
    std::string userName;
    std::string password;
    std::string options; // the driver's connect options: read-only, time-outs
};

struct Timeouts
{
    int connectSeconds = 15;
    int commandMilliseconds = 30000;
};

enum class ProviderError {
    None,
    UnknownProvider,
    NoDataSource, // an SQLite or PostgreSQL link naming no database
    BadPort,
};

struct MappedConnection
{
    ConnectionSettings settings;
    ProviderError error = ProviderError::None;
};

// Maps the provider to a Qt SQL driver and opens it read-only wherever the
// driver can. A relative SQLite path lies beside the data link file, in
// `linkFolder`. Without a Provider the link is to an SQLite file.
MappedConnection connectionFor(const InitString &init, std::string_view linkFolder,
                               const Timeouts &timeouts = {});

} // namespace bolla
