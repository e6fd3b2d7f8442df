#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "dictionaries/poolword.h"

namespace klettra::dictionaries {

class SlovarTable;

/// The result of checking a word and its clue before they are stored.
enum class WordErrorCode : std::uint8_t {
    Ok = 0,
    Missing = 2,      ///< the word or the clue is empty
    TooShort = 3,     ///< the word has fewer than 3 characters
    BadCharacter = 4, ///< the word holds a character other than А..Я and Ё
    Exists = 5,       ///< the word is already in the dictionary
};

/// Upper-cases the first character of Windows-1251 text when it is a Russian letter; Latin
/// letters and everything else stay as they are.
std::string CapitalizeFirst(std::string_view text);

/// The entry as it is stored: the first 14 characters of the word, and the clue without leading
/// and trailing spaces, ending with "." (unless it already fills 255 characters) and capitalised.
/// A blank clue becomes empty.
TPoolWord NormalizeEntry(std::string_view word, std::string_view clue);

/// The checks of a changed entry: a word and a clue present, at least 3 characters, only А..Я
/// and Ё. Both texts are Windows-1251.
WordErrorCode WordError(std::string_view word, std::string_view clue);

/// The checks of a new entry: those of a changed one, then whether the open `table` already has
/// the word (which makes that entry the table's current one).
WordErrorCode WordError(std::string_view word, std::string_view clue, SlovarTable &table);

/// The message shown for a refused entry (UTF-8); empty for `WordErrorCode::Ok`.
std::string_view WordErrorMessage(WordErrorCode code);

/// The message shown when a changed word is already in the dictionary (UTF-8); `word` is
/// Windows-1251.
std::string WordExistsMessage(std::string_view word);

} // namespace klettra::dictionaries
