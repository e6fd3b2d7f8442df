#include "output/cluelists.h"

#include <algorithm>

#include "model/board.h"
#include "model/model.h"
#include "text/cp1251.h"

namespace klettra::output {

namespace {

std::vector<std::string> listLines(const model::Model &model, EntryText text, std::string_view separator)
{
    return {
        text::fromUtf8("По горизонтали:"), entryLine(model, model::Dir::Horizontal, text, separator), " ",
        text::fromUtf8("По вертикали:"),   entryLine(model, model::Dir::Vertical, text, separator),
    };
}

} // namespace

int listedSlotCount(const model::Model &model)
{
    return std::min(model.CountSlots(), model.slotCount());
}

int startNumber(const model::Model &model, const model::TWordBukv &slot)
{
    return model::isOnBoard(slot.X, slot.Y) ? model.cells(slot.X, slot.Y).Number : 0;
}

std::string entryLine(const model::Model &model, std::uint8_t dir, EntryText text, std::string_view separator,
                      TextAppender append)
{
    std::string line;
    const int count = listedSlotCount(model);
    for (int i = 1; i <= count; ++i) {
        const model::TWordBukv &slot = model.slot(i);
        if (slot.Dir != dir)
            continue;
        line += std::to_string(startNumber(model, slot));
        line += '.';
        const std::string_view entry = text == EntryText::Clue ? slot.Clue.view() : slot.Word.view();
        if (append)
            append(line, entry);
        else
            line += entry;
        line += separator;
    }
    return line;
}

std::vector<std::string> questionLines(const model::Model &model)
{
    return listLines(model, EntryText::Clue, "  ");
}

std::vector<std::string> answerLines(const model::Model &model)
{
    return listLines(model, EntryText::Word, "   ");
}

} // namespace klettra::output
