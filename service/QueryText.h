// Text helpers of the favourites service: query decoding, UTF-8 checks, HTML escaping.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>

namespace lzservice {

// Why a query was refused; None when it was read whole.
enum class QueryError { None, BadEscape, BadUtf8, ControlCharacter, TooManyKeys, RepeatedKey };

struct ParsedQuery {
    QueryError error = QueryError::None;
    // Keys in lower case (ASP reads them without regard to case), values decoded.
    std::map<std::string, std::string> values;

    bool ok() const { return error == QueryError::None; }
    bool has(const std::string &key) const { return values.count(key) != 0; }
    std::string value(const std::string &key) const;
};

// The most keys one request may carry.
constexpr std::size_t kMaxQueryKeys = 32;

// Decodes one percent-encoded piece ("+" is a blank, as forms send it).
// False when an escape is broken ("%4", "%zz"); the text is then left unusable.
bool percentDecode(std::string_view in, std::string &out);

// Splits a raw query ("a=1&b=%E4%B8%AD") into decoded keys and values.
// Every key and value must be valid UTF-8 without control characters, and no key may repeat.
ParsedQuery parseQuery(std::string_view raw);

bool isValidUtf8(std::string_view s);
// Number of characters (code points) of valid UTF-8 text.
std::size_t utf8Length(std::string_view s);
// True when the text holds a C0 or C1 control character or DEL; the text must be valid UTF-8.
bool hasControlCharacter(std::string_view s);

// Removes every character of code 32 (blank) or below from both ends.
std::string trimBlanks(std::string_view s);
std::string asciiLower(std::string_view s);
bool equalsIgnoringCase(std::string_view a, std::string_view b);

// Escapes text for HTML element content and double-quoted attribute values.
std::string htmlEscape(std::string_view s);
// Percent-encodes everything but the unreserved characters (letters, digits, "-._~").
std::string percentEncode(std::string_view s);

} // namespace lzservice
