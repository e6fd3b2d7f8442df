#include "dictionaries/wordentry.h"

#include <algorithm>

#include "dictionaries/slovartable.h"
#include "text/cp1251.h"

namespace klettra::dictionaries {

namespace {

constexpr std::size_t MinWordLength = 3;

std::string_view trimSpaces(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

std::string CapitalizeFirst(std::string_view text)
{
    std::string result(text);
    if (!result.empty()) {
        const auto first = static_cast<unsigned char>(result.front());
        if (text::isLowerRussian(first))
            result.front() = static_cast<char>(text::toUpper(first));
    }
    return result;
}

TPoolWord NormalizeEntry(std::string_view word, std::string_view clue)
{
    std::string normalized(trimSpaces(clue));
    if (!normalized.empty()) {
        if (normalized.back() != '.' && normalized.size() < text::ClueCapacity)
            normalized += '.';
        normalized = CapitalizeFirst(normalized);
    }
    return TPoolWord{.Word = text::WordString(word), .Clue = text::ClueString(normalized)};
}

WordErrorCode WordError(std::string_view word, std::string_view clue)
{
    if (word.empty() || trimSpaces(clue).empty())
        return WordErrorCode::Missing;
    if (word.size() < MinWordLength)
        return WordErrorCode::TooShort;
    const bool lettersOnly = std::all_of(
        word.begin(), word.end(), [](char c) { return text::isUpperRussian(static_cast<unsigned char>(c)); });
    if (!lettersOnly)
        return WordErrorCode::BadCharacter;
    return WordErrorCode::Ok;
}

WordErrorCode WordError(std::string_view word, std::string_view clue, SlovarTable &table)
{
    const WordErrorCode code = WordError(word, clue);
    if (code != WordErrorCode::Ok)
        return code;
    return table.findExact(word) ? WordErrorCode::Exists : WordErrorCode::Ok;
}

std::string_view WordErrorMessage(WordErrorCode code)
{
    switch (code) {
    case WordErrorCode::Ok:
        return {};
    case WordErrorCode::Missing:
        return "Необходимо обязательно указать слово и вопрос.";
    case WordErrorCode::TooShort:
        return "Слово очень короткое и не может быть использовано в кроссворд.";
    case WordErrorCode::BadCharacter:
        return "В слове присутствуют недопустимые символы.";
    case WordErrorCode::Exists:
        return "Данное слово уже имеется в словаре.";
    }
    return {};
}

std::string WordExistsMessage(std::string_view word)
{
    return "Слово " + text::toUtf8(word) + " же имеется в словаре.";
}

} // namespace klettra::dictionaries
