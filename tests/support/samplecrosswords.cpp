#include "support/samplecrosswords.h"

#include <string>

#include "support/gridbuilder.h"
#include "text/cp1251.h"

namespace klettra::test {

using namespace klettra::model;

namespace {

void fill(Model &m, int slot, std::string_view wordUtf8, std::string_view clueUtf8)
{
    TWordBukv &s = m.slot(slot);
    s.Word.assign(text::fromUtf8(wordUtf8));
    s.Clue.assign(text::fromUtf8(clueUtf8));
    s.Used = 1;
}

} // namespace

Model smallCrossword()
{
    GridBuilder builder;
    builder.horizontal(1, 1, 3).vertical(1, 1, 3).vertical(3, 1, 3).horizontal(1, 3, 3).number();
    Model m = builder.model();
    m.cells(2, 2).Kind = CellKind::Blank;
    fill(m, 1, "КОТ", "Домашний зверь");
    fill(m, 2, "КИТ", "Морской великан");
    fill(m, 3, "ТОК", "Бежит по проводам");
    fill(m, 4, "ТИК", "Звук часов");
    m.RefreshLetters(WholeBoard);
    return m;
}

Model filledCrossword(int slotCount)
{
    GridBuilder builder;
    // Mostly short slots, so that 255 of them fit the board, with every length up to 14 now and then.
    int made = 0;
    for (int y = 1; y <= BoardHeight && made < slotCount; ++y) {
        for (int x = 1; made < slotCount;) {
            const int len = made % 6 == 0 ? 3 + (made / 6) % 12 : 3 + made % 3;
            if (x + len - 1 > BoardWidth)
                break;
            builder.horizontal(x, y, len);
            x += len + 1;
            ++made;
        }
    }
    Model m = builder.number().model();
    for (int i = 1; i <= m.slotCount(); ++i) {
        TWordBukv &s = m.slot(i);
        std::string word;
        for (int k = 0; k < s.Len; ++k)
            word += static_cast<char>(text::CapitalA + (i * 7 + k * 3) % 32);
        std::string clue;
        for (int k = 0; k < i % 256; ++k)
            clue += static_cast<char>(k % 9 == 8 ? ' ' : text::SmallA + (i + k) % 32);
        s.Word.assign(word);
        s.Clue.assign(clue);
        s.Used = 1;
    }
    m.RefreshLetters(WholeBoard);
    return m;
}

} // namespace klettra::test
