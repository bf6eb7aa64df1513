// What the module's own work costs, natively: the title cut and the
// template against a std::regex doing the same, and a tick below the
// threshold, which must not allocate.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <new>
#include <regex>

#include "common/text.h"
#include "host/standin_host.h"
#include "module/hooks.h"
#include "module/module_state.h"
#include "nowplaying/probe.h"

namespace {
long allocations = 0;
}

void* operator new(std::size_t n)
{
    ++allocations;
    if (void* p = std::malloc(n ? n : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

text caption_of(std::size_t length)
{
    const text suffix = " - VLC media player";
    return text(length - suffix.size(), 's') + suffix;
}

void title_and_template(benchmark::State& state)
{
    const text caption = caption_of(static_cast<std::size_t>(state.range(0)));
    const text tmpl = "[#SM{title}#SM]";
    for (auto _ : state) {
        std::optional<text> title = extract_title(caption);
        text shown = fill_title(tmpl, printable_title(*title));
        benchmark::DoNotOptimize(shown);
    }
}
BENCHMARK(title_and_template)->Arg(20)->Arg(254);

// The same work with the pattern compiled for each refresh.
void regex_baseline(benchmark::State& state)
{
    const text caption = caption_of(static_cast<std::size_t>(state.range(0)));
    const text tmpl = "[#SM{title}#SM]";
    for (auto _ : state) {
        const std::regex pattern("^([\\s\\S]*) - VLC media player$");
        std::smatch m;
        std::regex_match(caption, m, pattern);
        text shown = fill_title(tmpl, m[1].str());
        benchmark::DoNotOptimize(shown);
    }
}
BENCHMARK(regex_baseline)->Arg(20)->Arg(254);

void tick_below_threshold(benchmark::State& state)
{
    reset_module_state();
    module_state.enabled = -1;
    const long before = allocations;
    for (auto _ : state) {
        on_client(6, 1);
        if (module_state.tick_total >= 5999)
            module_state.tick_total = 0;
    }
    state.counters["allocations"] =
        benchmark::Counter(static_cast<double>(allocations - before), benchmark::Counter::kAvgIterations);
    reset_module_state();
}
BENCHMARK(tick_below_threshold);

}  // namespace

BENCHMARK_MAIN();
