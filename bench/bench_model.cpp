// Decoding cost of the two largest answers, next to a baseline that only cuts
// the same text into lines. Sizes run from 1,000 to 100,000 records to show
// that decoding stays linear.

#include "model/answerlayouts.h"
#include "model/vkklcodec.h"
#include "platform/clock.h"
#include "platform/ending.h"
#include "platform/logger.h"

#include <benchmark/benchmark.h>

namespace {

class NoEnding final : public Ending {
public:
    void myterminate(const QString&, const QString&) override {}
    void SetTerminateTimeout_halt(const QString&, bool, bool) override {}
    int destroyStatus() const override { return Running; }
    void setDestroyStatus(int) override {}
    bool closing() const override { return false; }
    void setClosing(bool) override {}
};

const QString lineBreak = QStringLiteral("\r\n");

// An answer text of n records with short, distinct field values.
template <class R> QString answerText(qsizetype n) {
    const qsizetype fields = RecordCodec::fieldCount<R>();
    QStringList lines;
    lines.reserve(n * fields);
    for (qsizetype i = 0; i < n; ++i) {
        for (qsizetype k = 0; k < fields; ++k)
            lines.append(QString::number(i * 1000 + k));
    }
    return lines.join(lineBreak);
}

void split(benchmark::State& state, const QString& text, qsizetype records) {
    for (auto _ : state) {
        QStringList lines = text.split(lineBreak);
        benchmark::DoNotOptimize(lines.data());
    }
    state.SetItemsProcessed(state.iterations() * records);
    state.SetComplexityN(records);
}

void BM_SplitVerkaufskladde(benchmark::State& state) {
    const QString text = answerText<TVerkaufskladde>(state.range(0));
    split(state, text, state.range(0));
}

void BM_DecodeVerkaufskladde(benchmark::State& state) {
    const qsizetype n = state.range(0);
    const QString text = answerText<TVerkaufskladde>(n);
    SystemClock clock;
    Logger logger(clock);
    NoEnding ending;
    ModelContext context;
    const VkklEnvironment env{logger, ending, context};
    const QString count = QString::number(n);
    for (auto _ : state) {
        TVerkaufskladdeArray out;
        int fieldCount = 0;
        VkklCodec::String2VKKL(count, text.split(lineBreak), out, fieldCount, env);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * n);
    state.SetComplexityN(n);
}

void BM_SplitArtikelInfo(benchmark::State& state) {
    const QString text = answerText<TArtikelInfo>(state.range(0));
    split(state, text, state.range(0));
}

void BM_DecodeArtikelInfo(benchmark::State& state) {
    const qsizetype n = state.range(0);
    const QString text = answerText<TArtikelInfo>(n);
    for (auto _ : state) {
        TArtikelArray out = AnswerLayouts::decodeArtikelInfo(text.split(lineBreak), 0, n);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * n);
    state.SetComplexityN(n);
}

} // namespace

BENCHMARK(BM_SplitVerkaufskladde)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
BENCHMARK(BM_DecodeVerkaufskladde)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
BENCHMARK(BM_SplitArtikelInfo)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
BENCHMARK(BM_DecodeArtikelInfo)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

BENCHMARK_MAIN();
