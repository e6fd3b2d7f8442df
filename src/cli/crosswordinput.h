#pragma once

#include <string>

namespace klettra::model {
class Model;
}

namespace klettra::cli {

struct CliContext;

/// Loads the crossword file `path` into `model`; on failure tells the user why on the error stream.
bool loadCrossword(const CliContext &context, const std::string &path, model::Model &model);

} // namespace klettra::cli
