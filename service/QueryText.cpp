#include "QueryText.h"

#include <cstdint>

namespace lzservice {

namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Reads one code point of valid UTF-8 at s[i]; advances i. Returns -1 for a bad sequence
// (stray continuation byte, overlong form, surrogate, beyond U+10FFFF, cut short).
long nextCodePoint(std::string_view s, std::size_t &i)
{
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    std::size_t extra;
    long cp;
    long minimum;
    if ((b0 & 0xE0) == 0xC0) {
        extra = 1;
        cp = b0 & 0x1F;
        minimum = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2;
        cp = b0 & 0x0F;
        minimum = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3;
        cp = b0 & 0x07;
        minimum = 0x10000;
    } else {
        return -1;
    }
    if (i + extra >= s.size())
        return -1;
    for (std::size_t k = 1; k <= extra; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80)
            return -1;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return -1;
    i += extra + 1;
    return cp;
}

} // namespace

std::string ParsedQuery::value(const std::string &key) const
{
    const auto it = values.find(key);
    return it == values.end() ? std::string() : it->second;
}

bool percentDecode(std::string_view in, std::string &out)
{
    out.clear();
    out.reserve(in.size());
    for (std::size_t i = 0; i < in.size(); ++i) {
        const char c = in[i];
        if (c == '+') {
            out += ' ';
        } else if (c == '%') {
            if (i + 2 >= in.size())
                return false;
            const int hi = hexValue(in[i + 1]);
            const int lo = hexValue(in[i + 2]);
            if (hi < 0 || lo < 0)
                return false;
            out += static_cast<char>(hi * 16 + lo);
            i += 2;
        } else {
            out += c;
        }
    }
    return true;
}

bool isValidUtf8(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size()) {
        if (nextCodePoint(s, i) < 0)
            return false;
    }
    return true;
}

std::size_t utf8Length(std::string_view s)
{
    std::size_t n = 0;
    for (const char c : s) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++n;
    }
    return n;
}

bool hasControlCharacter(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size()) {
        const long cp = nextCodePoint(s, i);
        if (cp < 0x20 || cp == 0x7F || (cp >= 0x80 && cp <= 0x9F))
            return true;
    }
    return false;
}

ParsedQuery parseQuery(std::string_view raw)
{
    ParsedQuery result;
    std::size_t start = 0;
    while (start <= raw.size()) {
        std::size_t end = raw.find('&', start);
        if (end == std::string_view::npos)
            end = raw.size();
        const std::string_view piece = raw.substr(start, end - start);
        start = end + 1;
        if (piece.empty())
            continue;

        const std::size_t eq = piece.find('=');
        const std::string_view rawKey = piece.substr(0, eq);
        const std::string_view rawValue =
            eq == std::string_view::npos ? std::string_view() : piece.substr(eq + 1);

        std::string key;
        std::string value;
        if (!percentDecode(rawKey, key) || !percentDecode(rawValue, value)) {
            result.error = QueryError::BadEscape;
            return result;
        }
        if (!isValidUtf8(key) || !isValidUtf8(value)) {
            result.error = QueryError::BadUtf8;
            return result;
        }
        if (hasControlCharacter(key) || hasControlCharacter(value)) {
            result.error = QueryError::ControlCharacter;
            return result;
        }
        if (result.values.size() >= kMaxQueryKeys) {
            result.error = QueryError::TooManyKeys;
            return result;
        }
        if (!result.values.emplace(asciiLower(key), std::move(value)).second) {
            result.error = QueryError::RepeatedKey;
            return result;
        }
    }
    return result;
}

std::string trimBlanks(std::string_view s)
{
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= 32)
        ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= 32)
        --e;
    return std::string(s.substr(b, e - b));
}

std::string asciiLower(std::string_view s)
{
    std::string out(s);
    for (char &c : out) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && asciiLower(a) == asciiLower(b);
}

std::string htmlEscape(std::string_view s)
{
    std::string out;
    out.reserve(s.size() + s.size() / 8);
    for (const char c : s) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string percentEncode(std::string_view s)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : s) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9') || b == '-'
            || b == '.' || b == '_' || b == '~') {
            out += c;
        } else {
            out += '%';
            out += digits[b >> 4];
            out += digits[b & 0x0F];
        }
    }
    return out;
}

} // namespace lzservice
