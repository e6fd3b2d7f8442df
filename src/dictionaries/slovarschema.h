#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

struct sqlite3;

namespace klettra::dictionaries {

/// Marks our dictionary files in the SQLite header ("KLTR"); files made by other tools without
/// it are still accepted when their table has our layout.
constexpr std::int32_t SlovarApplicationId = 0x4B4C5452;
constexpr int SlovarSchemaVersion = 1;

/// True when `db` holds the table "slovar" with exactly the columns "Слово" (the primary key) and
/// "Описание"; otherwise false with the reason in `why`.
bool isSlovarSchema(sqlite3 *db, std::string &why);

/// Creates an empty dictionary file at `path`, replacing any file there only once the new one is
/// complete, so a failure leaves the old file as it was. False with the reason in `error`.
[[nodiscard]] bool createSlovarFile(const std::filesystem::path &path, std::string &error);

} // namespace klettra::dictionaries
