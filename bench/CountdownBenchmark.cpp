// One press of "Şafak Hesapla" against a window of plain fields: the cost of the calculation
// alone, with its dozens of number conversions and eighty province tests.
#include "app/Countdown.h"
#include "platform/runtime/LocaleConventions.h"

#include <benchmark/benchmark.h>

#include <map>
#include <string>

namespace dorvak {
namespace {

class BenchWindow : public CountdownForm {
public:
    explicit BenchWindow(std::string startDate) {
        fields_ = {{"Text1", std::move(startDate)},
                   {"Text2", "15"},
                   {"Text3", ""},
                   {"Text4", "01.01.2025"},
                   {"Text5", "30"},
                   {"Label5", ""},
                   {"Label7", " "},
                   {"Label9", ""},
                   {"Label17", ""},
                   {"Label18", ""},
                   {"Label20", ""}};
    }

    std::string text(ControlName box) const override { return fields_.at(std::string(box.name)); }
    void setText(ControlName box, const std::string& text) override {
        fields_.at(std::string(box.name)) = text;
    }
    std::string caption(ControlName label) const override {
        return fields_.at(std::string(label.name));
    }
    void setCaption(ControlName label, const std::string& caption) override {
        fields_.at(std::string(label.name)) = caption;
    }
    void setVisible(ControlName, bool visible) override { benchmark::DoNotOptimize(visible); }
    void showMessage(const std::string& text) override { benchmark::DoNotOptimize(text.data()); }
    void markNotUnderstood(ControlName, const std::string& explanation) override {
        benchmark::DoNotOptimize(explanation.data());
    }
    void clearNotUnderstood(ControlName box) override { benchmark::DoNotOptimize(box.name.data()); }

private:
    std::map<std::string, std::string> fields_;
};

void runWith(benchmark::State& state, const std::string& startDate) {
    const LocaleConventions locale = LocaleConventions::turkish();
    BenchWindow window(startDate);
    for (auto _ : state)
        runCountdown(window, locale);
}

// A start date that gives a discharge date: every step succeeds.
void BM_CountdownTypicalDate(benchmark::State& state) {
    runWith(state, "15.03.2024");
}
BENCHMARK(BM_CountdownTypicalDate);

// No start date: the conversions fail and are skipped, the slow path of the error mode.
void BM_CountdownEmptyDate(benchmark::State& state) {
    runWith(state, "");
}
BENCHMARK(BM_CountdownEmptyDate);

} // namespace
} // namespace dorvak
