// Feeds the core arbitrary sheets and holds it to what it promises. The input
// is read as UTF-16 code units; U+FFFF separates the title, the twelve picks
// and the custom text, and every other unit, NUL and lone surrogates
// included, is ordinary text.

#include "RankingComposer.h"
#include "RankingValidator.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

using namespace tavelin;

namespace {

constexpr char16_t separator = 0xFFFF;

RankingSheet sheetFrom(const std::uint8_t *data, std::size_t size)
{
    RankingSheet sheet;
    std::array<std::u16string *, 14> fields {};
    fields[0] = &sheet.title;
    for (int rank = 1; rank <= 12; ++rank)
        fields[static_cast<std::size_t>(rank)] = &sheet.pick(rank);
    fields[13] = &sheet.customText;

    std::size_t field = 0;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        const auto unit = static_cast<char16_t>(data[i] | (data[i + 1] << 8));
        if (unit == separator && field + 1 < fields.size())
            ++field;
        else
            fields[field]->push_back(unit);
    }
    return sheet;
}

void require(bool condition)
{
    if (!condition)
        std::abort();
}

// The three rules, restated plainly: the title, then each rank not left on
// the placeholder, then the first repeated pair in rank order.
struct Verdict
{
    CheckKind kind;
    std::optional<int> rank;
};

std::optional<Verdict> expectedVerdict(const RankingSheet &sheet)
{
    if (sheet.title.empty())
        return Verdict {CheckKind::TitleMissing, std::nullopt};
    for (int rank = 1; rank <= 12; ++rank) {
        if (sheet.pick(rank) == u"-请选择-")
            return Verdict {CheckKind::RankNotChosen, rank};
    }
    for (int lower = 1; lower <= 11; ++lower) {
        for (int higher = lower + 1; higher <= 12; ++higher) {
            if (sheet.pick(lower) == sheet.pick(higher))
                return Verdict {CheckKind::RankRepeated, lower};
        }
    }
    return std::nullopt;
}

void checkVerdict(const RankingSheet &sheet, const std::optional<ValidationFailure> &actual)
{
    const auto expected = expectedVerdict(sheet);
    require(expected.has_value() == actual.has_value());
    if (!expected)
        return;
    require(actual->kind == expected->kind);
    require(actual->rank == expected->rank);
    require(!actual->message.empty() && actual->message.back() == u'！');
}

bool takes(const std::u16string &text, std::size_t &at, std::u16string_view piece)
{
    if (text.compare(at, piece.size(), piece) != 0)
        return false;
    at += piece.size();
    return true;
}

// Each pick stands right after its own label, in rank order, between the
// bracketed title and the closing full stop.
void checkRankingText(const RankingSheet &sheet, const std::u16string &text)
{
    static constexpr std::array<std::u16string_view, 12> labels = {
        u"】第一名：", u"  第二名：", u"  第三名：", u"  第四名：", u"  第五名：",   u"  第六名：",
        u"  第七名：", u"  第八名：", u"  第九名：", u"  第十名：", u"  第十一名：", u"  第十二名：",
    };
    std::size_t at = 0;
    require(takes(text, at, u"【"));
    require(takes(text, at, sheet.title));
    for (int rank = 1; rank <= 12; ++rank) {
        require(takes(text, at, labels[static_cast<std::size_t>(rank - 1)]));
        require(takes(text, at, sheet.pick(rank)));
    }
    require(takes(text, at, u"。"));
    require(at == text.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const RankingSheet sheet = sheetFrom(data, size);
    const auto failure = RankingValidator::validate(sheet);
    checkVerdict(sheet, failure);

    const std::u16string text = RankingComposer::compose(sheet);
    if (!failure)
        checkRankingText(sheet, text);

    require(RankingComposer::appendCustomText(text, sheet.customText) == text + sheet.customText);
    require(RankingComposer::appendCustomText(sheet.title, u"") == sheet.title);
    return 0;
}
