#include "ringcrossword.h"

#include "support/gridbuilder.h"
#include "text/cp1251.h"

namespace klettra::test {

model::Model ringCrossword()
{
    model::Model m = GridBuilder()
                         .horizontal(2, 2, 3)
                         .vertical(2, 2, 3)
                         .vertical(4, 2, 3)
                         .horizontal(2, 4, 3)
                         .number()
                         .model();
    m.cells(3, 3).Kind = model::CellKind::Blank;
    placeWord(m, 1, "КОТ", "Домашний зверь");
    placeWord(m, 2, "КИТ", "Морской великан");
    placeWord(m, 3, "ТОК", "Сила \"I\" в цепи < 5 & > 0");
    placeWord(m, 4, "ТИК", "Нервное подёргивание");
    return m;
}

void placeWord(model::Model &model, int i, std::string_view word, std::string_view clue)
{
    model::TWordBukv &slot = model.slot(i);
    slot.Word.assign(text::fromUtf8(word));
    slot.Clue.assign(text::fromUtf8(clue));
    slot.Used = 1;
    model.showSlot(i);
}

} // namespace klettra::test
