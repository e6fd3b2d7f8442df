#include "engine/statustexts.h"

#include "text/cp1251.h"

namespace klettra::engine {

std::string patternNotFoundText(std::string_view pattern)
{
    std::string text = text::fromUtf8("Не найдено слово по шаблону : ");
    for (const char c : pattern) {
        if (c == ' ') {
            text += " - ";
        } else {
            text += ' ';
            text += c;
            text += ' ';
        }
    }
    return text;
}

std::string searchingRepeatsText()
{
    return text::fromUtf8("Поиск повторов.");
}

std::string statusText(const Ending &ending)
{
    switch (ending.outcome) {
    case Outcome::Completed:
        return text::fromUtf8("ГОТОВО !!!");
    case Outcome::Cancelled:
        return text::fromUtf8("Процесс прерван пользователем.");
    case Outcome::NoWordOfLength:
        return text::fromUtf8("Не найдено слово длиной " + std::to_string(ending.length) +
                              " буквы. Процесс остановлен.");
    case Outcome::StepLimit:
        return text::fromUtf8("Превышено допустимое число шагов. Процесс остановлен.");
    case Outcome::TimeLimit:
        return text::fromUtf8("Превышено допустимое время. Процесс остановлен.");
    }
    return {};
}

std::string noWordsText()
{
    return text::fromUtf8(
        "В используемых словарях нет слов. Добавте слова или используйте большее количество "
        "словарей.");
}

} // namespace klettra::engine
