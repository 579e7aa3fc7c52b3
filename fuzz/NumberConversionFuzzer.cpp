// Feeds arbitrary text to the number parser and arbitrary bit patterns to the integer
// conversions. Besides crashes, leaks and undefined behaviour it checks that an accepted
// number is written back by numberText as a text that reads as the same number (to the 15
// significant digits numberText keeps), and that the integer conversions either give the
// rounded value or refuse it with an overflow.
#include "fuzz/FuzzLocales.h"
#include "platform/runtime/IntegerConversion.h"
#include "platform/runtime/NumberParsing.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/TextFormatting.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

namespace {

using namespace dorvak;

[[noreturn]] void fault(const char* what, double value) {
    std::fprintf(stderr, "%s: %.17g\n", what, value);
    std::abort();
}

// Whether b is a by 15 significant digits; below the normal range only absolute precision is
// left.
bool sameTo15Digits(double a, double b) {
    const double scale = std::max(std::fabs(a), std::numeric_limits<double>::min());
    return std::fabs(a - b) <= 1e-14 * scale;
}

void checkTextRoundTrip(double value, const LocaleConventions& locale) {
    const std::string written = numberText(value, locale);
    try {
        if (!sameTo15Digits(value, parseNumber(written, locale)))
            fault("an accepted number reads back as another number", value);
    } catch (const RuntimeError& error) {
        // Rounded to 15 digits, the largest doubles write a text just beyond the range.
        const bool nearLimit = std::fabs(value) > 1.7976931348623e308;
        if (error.code() != ErrorCode::Overflow || !nearLimit)
            fault("an accepted number is written as a text that does not read back", value);
    }
}

template <typename Integer, typename Conversion>
void checkIntegerConversion(double value, Conversion convert) {
    const double rounded = roundHalfEven(value);
    const bool fits = rounded >= std::numeric_limits<Integer>::min() &&
                      rounded <= std::numeric_limits<Integer>::max();
    try {
        const Integer result = convert(value);
        if (!fits || result != rounded)
            fault("an integer conversion gave a wrong value", value);
    } catch (const RuntimeError& error) {
        if (fits || error.code() != ErrorCode::Overflow)
            fault("an integer conversion refused a value in range", value);
    }
}

void checkIntegerConversions(double value) {
    checkIntegerConversion<std::int16_t>(value, toInt16);
    checkIntegerConversion<std::int32_t>(value, toInt32);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    for (const LocaleConventions& locale : fuzzLocales()) {
        try {
            const double value = parseNumber(input, locale);
            checkTextRoundTrip(value, locale);
            checkIntegerConversions(value);
        } catch (const RuntimeError&) {
            // refusing a text is a fine answer
        }
    }
    // The same bytes read as a double reach NaN, infinities and every rounding boundary.
    if (size >= sizeof(double)) {
        double raw = 0;
        std::memcpy(&raw, data, sizeof raw);
        checkIntegerConversions(raw);
    }
    return 0;
}
