#include "platform/runtime/DateParsing.h"

#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/TextCleanup.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace dorvak {

namespace {

[[noreturn]] void notADate() {
    throw RuntimeError(ErrorCode::TypeMismatch, "not a date");
}

// ---- Splitting the text into numbers, words, punctuation and blanks

enum class TokenKind { Number, Word, Mark, Blank };

struct Token {
    TokenKind kind;
    std::string text; // digits, a folded word, or the mark itself
};

// Decodes one UTF-8 sequence at `at` and moves past it; malformed input is not a date.
char32_t takeCodePoint(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at++]);
    if (lead < 0x80)
        return lead;
    const int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || at + length - 1 > text.size())
        notADate();
    char32_t codePoint = lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at++]);
        if ((next & 0xC0) != 0x80)
            notADate();
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    // An overlong form ("\xC0\xB5" for "5") would pass for a digit or a mark that is not one.
    constexpr char32_t shortest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (codePoint < shortest[length] || codePoint > 0x10FFFF)
        notADate();
    return codePoint;
}

// Words compare without case and without the Turkish letters' marks, so "MAYIS", "Mayıs"
// and "mayis" are one word, whichever "i" the keyboard produced. Always ASCII when changed.
char32_t folded(char32_t c) {
    if (c >= 'A' && c <= 'Z')
        return c - 'A' + 'a';
    switch (c) {
    case U'Ç':
    case U'ç':
        return 'c';
    case U'Ğ':
    case U'ğ':
        return 'g';
    case U'İ':
    case U'ı':
        return 'i';
    case U'Ö':
    case U'ö':
        return 'o';
    case U'Ş':
    case U'ş':
        return 's';
    case U'Ü':
    case U'ü':
        return 'u';
    default:
        return c;
    }
}

std::string foldedWord(std::string_view text) {
    std::string word;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t start = at;
        const char32_t c = takeCodePoint(text, at);
        const char32_t plain = folded(c);
        if (plain == c)
            word += text.substr(start, at - start);
        else
            word += static_cast<char>(plain);
    }
    return word;
}

bool isDigit(char32_t c) {
    return c >= '0' && c <= '9';
}

bool isMark(char32_t c) {
    return c == '.' || c == '/' || c == '-' || c == ':' || c == ',';
}

bool isBlankCodePoint(char32_t c) {
    return (c < 0x80 && isBlank(static_cast<char>(c))) || c == 0x00A0 || c == 0x202F;
}

bool isLetter(char32_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= 0x80 && !isBlankCodePoint(c));
}

std::vector<Token> tokens(std::string_view text) {
    std::vector<Token> result;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t start = at;
        const char32_t c = takeCodePoint(text, at);
        if (isBlankCodePoint(c)) {
            if (result.empty() || result.back().kind != TokenKind::Blank)
                result.push_back({TokenKind::Blank, " "});
            continue;
        }
        if (isMark(c)) {
            result.push_back({TokenKind::Mark, std::string(1, static_cast<char>(c))});
            continue;
        }
        const bool number = isDigit(c);
        if (!number && !isLetter(c))
            notADate();
        std::size_t end = at;
        for (std::size_t next = at; next < text.size(); end = next) {
            const char32_t following = takeCodePoint(text, next);
            if (number ? !isDigit(following) : !isLetter(following))
                break;
        }
        at = end;
        const std::string_view run = text.substr(start, end - start);
        if (number && run.size() > 4) // no field of a date has more digits
            notADate();
        result.push_back({number ? TokenKind::Number : TokenKind::Word,
                          number ? std::string(run) : foldedWord(run)});
    }
    return result;
}

// ---- Month names

constexpr std::array<std::string_view, 24> monthNames = {
    "ocak",  "subat", "mart",  "nisan",  "mayis",     "haziran",  "temmuz",   "agustos",
    "eylul", "ekim",  "kasim", "aralik", "january",   "february", "march",    "april",
    "may",   "june",  "july",  "august", "september", "october",  "november", "december"};

// A name or an abbreviation of at least three letters; 0 when it names no month.
int monthOfName(std::string_view word) {
    if (word.size() < 3)
        return 0;
    int month = 0;
    for (std::size_t i = 0; i < monthNames.size(); ++i) {
        if (!monthNames[i].starts_with(word))
            continue;
        const int candidate = static_cast<int>(i % 12) + 1;
        if (month != 0 && month != candidate)
            return 0;
        month = candidate;
    }
    return month;
}

// ---- Reading the tokens

struct Field {
    int value;
    std::size_t digits;
};

class DateReader {
public:
    DateReader(std::vector<Token> tokens, const LocaleConventions& locale)
        : tokens_(std::move(tokens))
        , locale_(locale) {}

    Date read() {
        readDate();
        if (!atEnd()) {
            // "31.01.2025 14:30", "31.01.2025, 14:30" and ISO's "2025-01-31T14:30".
            if (!takeWord("t")) {
                takeMark(",");
                if (!takeBlank())
                    notADate();
            }
            readTime();
        }
        if (!atEnd())
            notADate();
        try {
            return makeDateTime(year_, month_, day_, hour_, minute_, second_);
        } catch (const RuntimeError&) {
            notADate();
        }
    }

private:
    void readDate() {
        if (peek(TokenKind::Word)) {
            readNamedMonthFirst();
            return;
        }
        const Field first = number(4);
        const std::string mark = anyMark("./-");
        takeBlank();
        if (mark.empty() || peek(TokenKind::Word)) {
            readNamedMonthSecond(first);
            return;
        }
        const Field second = number(2);
        if (!takeMark(mark))
            notADate();
        takeBlank();
        const Field third = number(4);
        takeMark("."); // the trailing dot of "2025. 01. 31."
        assignNumericDate(first, second, third);
    }

    void assignNumericDate(const Field& first, const Field& second, const Field& third) {
        const DateOrder order = locale_.dateOrder();
        if (first.digits > 2 || order == DateOrder::YearMonthDay) {
            setYear(first);
            month_ = second.value;
            day_ = dayField(third);
        } else {
            const bool dayFirst = order == DateOrder::DayMonthYear;
            day_ = dayFirst ? first.value : second.value;
            month_ = dayFirst ? second.value : first.value;
            setYear(third);
        }
    }

    // "31 Ocak 2025", "31-Jan-25", "31 Oca. 2025"
    void readNamedMonthSecond(const Field& dayNumber) {
        if (dayNumber.digits > 2)
            notADate();
        day_ = dayNumber.value;
        month_ = monthName();
        separatorAfterName();
        setYear(number(4));
    }

    // "January 31, 2025", "Ocak 31 2025"
    void readNamedMonthFirst() {
        month_ = monthName();
        separatorAfterName();
        day_ = number(2).value;
        takeMark(",");
        takeBlank();
        setYear(number(4));
    }

    void readTime() {
        std::optional<bool> afternoon = meridiem();
        if (afternoon)
            takeBlank();
        hour_ = number(2).value;
        const std::string mark = anyMark(":.");
        if (mark.empty())
            notADate();
        minute_ = number(2).value;
        if (takeMark(mark))
            second_ = number(2).value;
        if (!afternoon) {
            takeBlank();
            afternoon = meridiem();
        }
        if (afternoon) {
            if (hour_ < 1 || hour_ > 12)
                notADate();
            hour_ = hour_ % 12 + (*afternoon ? 12 : 0);
        }
    }

    // The am/pm marker: the locale's own or the English one.
    std::optional<bool> meridiem() {
        if (takeWord("am") || takeWord(foldedWord(locale_.amText)))
            return false;
        if (takeWord("pm") || takeWord(foldedWord(locale_.pmText)))
            return true;
        return std::nullopt;
    }

    int monthName() {
        if (!peek(TokenKind::Word))
            notADate();
        const int month = monthOfName(tokens_[next_++].text);
        if (month == 0)
            notADate();
        return month;
    }

    void separatorAfterName() {
        takeBlank();
        anyMark("./-,");
        takeBlank();
    }

    void setYear(const Field& field) {
        if (field.digits > 2)
            year_ = field.value;
        else
            year_ = field.value + (field.value < 30 ? 2000 : 1900);
    }

    static int dayField(const Field& field) {
        if (field.digits > 2)
            notADate();
        return field.value;
    }

    Field number(std::size_t maximumDigits) {
        if (!peek(TokenKind::Number) || tokens_[next_].text.size() > maximumDigits)
            notADate();
        const std::string& digits = tokens_[next_++].text;
        return {std::stoi(digits), digits.size()};
    }

    bool atEnd() const { return next_ == tokens_.size(); }

    bool peek(TokenKind kind) const { return !atEnd() && tokens_[next_].kind == kind; }

    bool take(TokenKind kind, std::string_view text) {
        if (!peek(kind) || text.empty() || tokens_[next_].text != text)
            return false;
        ++next_;
        return true;
    }

    bool takeBlank() { return take(TokenKind::Blank, " "); }
    bool takeMark(std::string_view mark) { return take(TokenKind::Mark, mark); }
    bool takeWord(std::string_view word) { return take(TokenKind::Word, word); }

    // Takes one of the given marks if it comes next and returns it ("" when none did).
    std::string anyMark(std::string_view marks) {
        if (!peek(TokenKind::Mark) || marks.find(tokens_[next_].text) == std::string_view::npos)
            return {};
        return tokens_[next_++].text;
    }

    std::vector<Token> tokens_;
    const LocaleConventions& locale_;
    std::size_t next_ = 0;
    int year_ = 0;
    int month_ = 0;
    int day_ = 0;
    int hour_ = 0;
    int minute_ = 0;
    int second_ = 0;
};

} // namespace

Date parseDate(std::string_view text, const LocaleConventions& locale) {
    const std::string cleaned = withoutDirectionMarks(text);
    return DateReader(tokens(withoutSurroundingBlanks(cleaned)), locale).read();
}

} // namespace dorvak
