#include "platform/runtime/NumberParsing.h"

#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/TextCleanup.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <system_error>

namespace dorvak {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

[[noreturn]] void notANumber() {
    throw RuntimeError(ErrorCode::TypeMismatch, "not a number");
}

class NumberScanner {
public:
    NumberScanner(std::string_view text, const LocaleConventions& locale)
        : text_(text)
        , locale_(locale) {}

    double scan() {
        if (take("-") || take("\u2212"))
            ascii_ += '-';
        else
            take("+");
        const std::string whole = integerDigits();
        std::string fraction;
        if (take(locale_.decimalSeparator))
            fraction = digits();
        if (whole.empty() && fraction.empty())
            notANumber();
        ascii_ += (whole.empty() ? "0" : whole) + '.' + (fraction.empty() ? "0" : fraction);

        long long exponent = 0;
        if (take("e") || take("E"))
            exponent = exponentValue();
        if (!text_.empty())
            notANumber();
        return converted(whole, fraction, exponent);
    }

private:
    bool take(std::string_view prefix) {
        if (prefix.empty() || !text_.starts_with(prefix))
            return false;
        text_.remove_prefix(prefix.size());
        return true;
    }

    std::string digits() {
        const auto count = std::find_if_not(text_.begin(), text_.end(), isDigit) - text_.begin();
        std::string run(text_.substr(0, count));
        text_.remove_prefix(count);
        return run;
    }

    bool takeGroupSeparator() {
        if (locale_.groupSeparator == locale_.decimalSeparator)
            return false;
        // Locales that group with a no-break or narrow no-break space also get typed with
        // a plain one.
        const bool spaceLike =
            locale_.groupSeparator == "\u00A0" || locale_.groupSeparator == "\u202F";
        return take(locale_.groupSeparator) || (spaceLike && take(" "));
    }

    std::string integerDigits() {
        std::string whole = digits();
        // "0.123" in a dot-grouping locale is somebody's decimal point, not 123.
        const bool mayBeGrouped = !whole.empty() && whole.size() <= 3 && whole.front() != '0';
        while (takeGroupSeparator()) {
            const std::string group = digits();
            if (!mayBeGrouped || group.size() != 3)
                notANumber();
            whole += group;
        }
        return whole;
    }

    long long exponentValue() {
        const bool negative = take("-");
        if (!negative)
            take("+");
        const std::string run = digits();
        if (run.empty())
            notANumber();
        ascii_ += 'e';
        ascii_ += negative ? "-" : "";
        ascii_ += run;
        // Saturated: only its sign and rough size matter once the value is out of range.
        long long value = 0;
        for (const char c : run)
            value = std::min(value * 10 + (c - '0'), 1'000'000'000LL);
        return negative ? -value : value;
    }

    double converted(const std::string& whole, const std::string& fraction,
                     long long exponent) const {
        double value = 0;
        const auto [end, error] = std::from_chars(ascii_.data(), ascii_.data() + ascii_.size(),
                                                  value, std::chars_format::general);
        if (error == std::errc::result_out_of_range) {
            if (decimalMagnitude(whole, fraction) + exponent > 0)
                throw RuntimeError(ErrorCode::Overflow);
            return ascii_.front() == '-' ? -0.0 : 0.0; // too small: underflows to zero
        }
        if (error != std::errc() || end != ascii_.data() + ascii_.size())
            notANumber();
        return value;
    }

    // The power of ten of the first significant digit.
    static long long decimalMagnitude(const std::string& whole, const std::string& fraction) {
        const auto significant = whole.find_first_not_of('0');
        if (significant != std::string::npos)
            return static_cast<long long>(whole.size() - significant) - 1;
        const auto firstInFraction = fraction.find_first_not_of('0');
        return -static_cast<long long>(firstInFraction == std::string::npos ? 0 : firstInFraction) -
               1;
    }

    std::string_view text_;
    const LocaleConventions& locale_;
    std::string ascii_;
};

} // namespace

double parseNumber(std::string_view text, const LocaleConventions& locale) {
    const std::string cleaned = withoutDirectionMarks(text);
    return NumberScanner(withoutSurroundingBlanks(cleaned), locale).scan();
}

} // namespace dorvak
