#include "cli/crosswordinput.h"

#include "cli/clicontext.h"
#include "document/crosfile.h"
#include "model/model.h"

namespace klettra::cli {

bool loadCrossword(const CliContext &context, const std::string &path, model::Model &model)
{
    document::CrosFileError reason{};
    if (document::LoadCrosFile(path, model, &reason))
        return true;
    context.fail(path + ": " + std::string(document::NotCrosFileMessage) + " (" +
                 std::string(document::describe(reason)) + ")");
    return false;
}

} // namespace klettra::cli
