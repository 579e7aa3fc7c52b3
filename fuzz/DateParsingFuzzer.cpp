// Feeds arbitrary text to the date parser. Besides crashes, leaks and undefined behaviour it
// checks that every date the parser accepts is written back by dateText as a text that reads
// as the same date and time.
#include "fuzz/FuzzLocales.h"
#include "platform/runtime/DateParsing.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/TextFormatting.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace dorvak;

[[noreturn]] void fault(const char* what, std::string_view input, const std::string& written) {
    std::fprintf(stderr, "%s: input \"%.*s\", written \"%s\"\n", what, int(input.size()),
                 input.data(), written.c_str());
    std::abort();
}

void checkRoundTrip(std::string_view input, const LocaleConventions& locale) {
    Date date = 0;
    try {
        date = parseDate(input, locale);
    } catch (const RuntimeError&) {
        return; // refusing a text is a fine answer
    }
    const std::string written = dateText(date, locale);
    Date reread = 0;
    try {
        reread = parseDate(written, locale);
    } catch (const RuntimeError&) {
        fault("an accepted date is written as a text that does not read back", input, written);
    }
    if (splitDate(reread) != splitDate(date))
        fault("an accepted date reads back as another date", input, written);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    for (const LocaleConventions& locale : fuzzLocales())
        checkRoundTrip(input, locale);
    return 0;
}
