// Validate and compose a typical sheet, against plainly concatenating the
// same pieces into a reserved string.

#include "RankingComposer.h"
#include "RankingValidator.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string_view>

using namespace tavelin;

namespace {

RankingSheet typicalSheet()
{
    RankingSheet sheet;
    sheet.title = u"本周星座运势排行榜";
    sheet.picks = {u"水瓶座", u"双鱼座", u"白羊座", u"金牛座", u"双子座", u"巨蟹座",
                   u"狮子座", u"处女座", u"天秤座", u"天蝎座", u"射手座", u"摩羯座"};
    sheet.customText = u"转发有好运";
    return sheet;
}

void validateAndCompose(benchmark::State &state)
{
    const RankingSheet sheet = typicalSheet();
    for (auto _ : state) {
        const auto failure = RankingValidator::validate(sheet);
        benchmark::DoNotOptimize(failure);
        auto text = RankingComposer::appendCustomText(RankingComposer::compose(sheet), sheet.customText);
        benchmark::DoNotOptimize(text.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(validateAndCompose);

void plainConcatenation(benchmark::State &state)
{
    const RankingSheet sheet = typicalSheet();
    static constexpr std::array<std::u16string_view, 12> labels = {
        u"】第一名：", u"  第二名：", u"  第三名：", u"  第四名：", u"  第五名：",   u"  第六名：",
        u"  第七名：", u"  第八名：", u"  第九名：", u"  第十名：", u"  第十一名：", u"  第十二名：",
    };
    for (auto _ : state) {
        std::u16string text;
        text.reserve(256);
        text += u"【";
        text += sheet.title;
        for (std::size_t i = 0; i < labels.size(); ++i) {
            text += labels[i];
            text += sheet.picks[i];
        }
        text += u"。";
        text += sheet.customText;
        benchmark::DoNotOptimize(text.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(plainConcatenation);

} // namespace

BENCHMARK_MAIN();
