#include "table_scanner.h"

#include "code_format.h"
#include "message_text.h"

namespace tamrik {

namespace {

bool isDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}
bool isBinaryDigit(char32_t c) {
    return c == U'0' || c == U'1';
}
bool isUpperHexLetter(char32_t c) {
    return c >= U'A' && c <= U'F';
}
bool isLowerHexLetter(char32_t c) {
    return c >= U'a' && c <= U'f';
}
bool isHexDigit(char32_t c) {
    return isDigit(c) || isUpperHexLetter(c) || isLowerHexLetter(c);
}
bool isWordCharacter(char32_t c) {
    return isDigit(c) || (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || c == U'_';
}
bool isLineBreak(char32_t c) {
    return c == U'\n' || c == U'\r' || c == 0x2028 || c == 0x2029;
}

int digitValue(char32_t c) {
    if (isDigit(c))
        return static_cast<int>(c - U'0');
    if (isUpperHexLetter(c))
        return static_cast<int>(c - U'A') + 10;
    return static_cast<int>(c - U'a') + 10;
}

// The value of a run of digits in the given base, or 256 for anything above 255 (however
// long the run is).
int boundedValue(std::u32string_view digits, int base) {
    int value = 0;
    for (char32_t c : digits) {
        value = value * base + digitValue(c);
        if (value > 255)
            return 256;
    }
    return value;
}

template <class Predicate> bool all(std::u32string_view text, Predicate p) {
    for (char32_t c : text)
        if (!p(c))
            return false;
    return true;
}

// What one word of the body is.
struct Reading {
    enum Kind { NotAValue, Value, Bad } kind = NotAValue;
    TableValue value;
    std::u32string reason;
};

Reading bad(std::u32string reason) {
    return {Reading::Bad, {}, std::move(reason)};
}

Reading readPrefixed(std::u32string_view word, Notation notation, int base, std::size_t maxDigits,
                     std::u32string malformed) {
    const std::u32string_view digits = word.substr(2);
    const bool digitsOk =
        !digits.empty() && (base == 2 ? all(digits, isBinaryDigit) : all(digits, isHexDigit));
    if (!digitsOk)
        return bad(std::move(malformed));
    const int value = boundedValue(digits, base);
    if (value > 255)
        return bad(U"is over 255");
    if (digits.size() > maxDigits)
        return bad(std::move(malformed));
    Reading r{Reading::Value, {}, {}};
    r.value.value = value;
    r.value.notation = notation;
    r.value.capitalPrefix = word[1] == U'B' || word[1] == U'X';
    for (char32_t c : digits) {
        if (isUpperHexLetter(c) || isLowerHexLetter(c)) {
            r.value.hexLetters = isUpperHexLetter(c) ? LetterCase::Upper : LetterCase::Lower;
            break;
        }
    }
    return r;
}

Reading readWord(std::u32string_view word) {
    if (word.empty())
        return {};
    if (!isDigit(word[0])) {
        // Arduino's B00111111; any other name is no value.
        const std::u32string_view digits = word.substr(1);
        if (word[0] != U'B' || digits.empty() || !all(digits, isBinaryDigit))
            return {};
        if (digits.size() != 8)
            return bad(U"is not \"B\" and eight binary digits");
        Reading r{Reading::Value, {}, {}};
        r.value.value = boundedValue(digits, 2);
        r.value.notation = Notation::Arduino;
        return r;
    }
    if (word.size() >= 2 && word[0] == U'0' && (word[1] == U'b' || word[1] == U'B'))
        return readPrefixed(word, Notation::Binary, 2, 8,
                            U"is not \"0b\" and one to eight binary digits");
    if (word.size() >= 2 && word[0] == U'0' && (word[1] == U'x' || word[1] == U'X'))
        return readPrefixed(word, Notation::Hex, 16, 2,
                            U"is not \"0x\" and one or two hexadecimal digits");
    if (!all(word, isDigit))
        return bad(U"is not a number in binary, hexadecimal or decimal");
    if (word.size() > 1 && word[0] == U'0')
        return bad(U"has a leading zero, which C reads as octal");
    const int value = boundedValue(word, 10);
    if (value > 255)
        return bad(U"is over 255");
    Reading r{Reading::Value, {}, {}};
    r.value.value = value;
    r.value.notation = Notation::Decimal;
    return r;
}

// Splits a text into words and braces, passing over comments and counting lines.
class Lexer {
public:
    enum Kind { End, Word, OpenBrace, CloseBrace };
    struct Token {
        Kind kind = End;
        std::size_t begin = 0;
        std::size_t length = 0;
        int line = 1;
    };

    Lexer(std::u32string_view text, std::size_t from, std::size_t to, int line)
        : text_(text.substr(0, to)), pos_(from), line_(line) {}

    Token next() {
        const std::size_t n = text_.size();
        while (pos_ < n) {
            const char32_t c = text_[pos_];
            const char32_t following = pos_ + 1 < n ? text_[pos_ + 1] : U'\0';
            if (isLineBreak(c)) {
                skipLineBreak();
            } else if (c == U'/' && following == U'/') {
                while (pos_ < n && !isLineBreak(text_[pos_]))
                    ++pos_;
            } else if (c == U'/' && following == U'*') {
                pos_ += 2;
                while (pos_ < n &&
                       !(text_[pos_] == U'*' && pos_ + 1 < n && text_[pos_ + 1] == U'/')) {
                    if (isLineBreak(text_[pos_]))
                        skipLineBreak();
                    else
                        ++pos_;
                }
                pos_ = pos_ < n ? pos_ + 2 : n; // past "*/"; an open comment runs to the end
            } else if (c == U'{' || c == U'}') {
                return {c == U'{' ? OpenBrace : CloseBrace, pos_++, 1, line_};
            } else if (isWordCharacter(c)) {
                const std::size_t begin = pos_;
                while (pos_ < n && isWordCharacter(text_[pos_]))
                    ++pos_;
                return {Word, begin, pos_ - begin, line_};
            } else {
                ++pos_;
            }
        }
        return {End, n, 0, line_};
    }

private:
    void skipLineBreak() {
        const bool crlf =
            text_[pos_] == U'\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == U'\n';
        pos_ += crlf ? 2 : 1;
        ++line_;
    }

    std::u32string_view text_;
    std::size_t pos_;
    int line_;
};

} // namespace

std::u32string describe(const TableError& error) {
    return U"line " + decimalText(error.line) + U": " + inQuotes(error.token) + U" " + error.reason;
}

TableScan scanTable(std::u32string_view text) {
    // Find the body first: from just after the first "{" to the next "}".
    std::size_t from = 0, to = text.size();
    int line = 1;
    {
        Lexer lexer(text, 0, text.size(), 1);
        for (auto t = lexer.next(); t.kind != Lexer::End; t = lexer.next()) {
            if (t.kind != Lexer::OpenBrace)
                continue;
            from = t.begin + 1;
            line = t.line;
            for (auto u = lexer.next(); u.kind != Lexer::End; u = lexer.next()) {
                if (u.kind == Lexer::CloseBrace) {
                    to = u.begin;
                    break;
                }
            }
            break;
        }
    }

    TableScan scan;
    Lexer lexer(text, from, to, line);
    for (auto t = lexer.next(); t.kind != Lexer::End; t = lexer.next()) {
        if (t.kind != Lexer::Word)
            continue;
        const std::u32string_view word = text.substr(t.begin, t.length);
        Reading r = readWord(word);
        if (r.kind == Reading::Bad) {
            scan.error = TableError{t.line, std::u32string(word), std::move(r.reason)};
            return scan;
        }
        if (r.kind == Reading::Value) {
            r.value.begin = t.begin;
            r.value.length = t.length;
            r.value.line = t.line;
            scan.values.push_back(r.value);
        }
    }
    return scan;
}

Parsed<int> parseCode(std::u32string_view text) {
    const Reading r = all(text, isWordCharacter) ? readWord(text) : Reading{};
    if (r.kind == Reading::Value)
        return Parsed<int>::ok(r.value.value);
    const std::u32string why =
        r.kind == Reading::Bad ? r.reason : U"is not a code in binary, hexadecimal or decimal";
    return Parsed<int>::fail(U"code " + inQuotes(text) + U" " + why);
}

} // namespace tamrik
