#include "model/wordbukv.h"

namespace klettra::model {

namespace {
constexpr std::size_t PatternOffset = 5;
constexpr std::size_t WordOffset = PatternOffset + text::WordString::storedSize;
constexpr std::size_t ClueOffset = WordOffset + text::WordString::storedSize;
static_assert(ClueOffset + text::ClueString::storedSize == TWordBukv::RecordSize);
} // namespace

void TWordBukv::writeTo(std::uint8_t *out) const
{
    out[0] = Used;
    out[1] = Dir;
    out[2] = X;
    out[3] = Y;
    out[4] = Len;
    Pattern.writeTo(out + PatternOffset);
    Word.writeTo(out + WordOffset);
    Clue.writeTo(out + ClueOffset);
}

std::optional<TWordBukv> TWordBukv::readFrom(const std::uint8_t *in)
{
    auto pattern = text::WordString::readFrom(in + PatternOffset);
    auto word = text::WordString::readFrom(in + WordOffset);
    auto clue = text::ClueString::readFrom(in + ClueOffset);
    if (!pattern || !word || !clue)
        return std::nullopt;
    TWordBukv slot;
    slot.Used = in[0];
    slot.Dir = in[1];
    slot.X = in[2];
    slot.Y = in[3];
    slot.Len = in[4];
    slot.Pattern = *pattern;
    slot.Word = *word;
    slot.Clue = *clue;
    return slot;
}

} // namespace klettra::model
