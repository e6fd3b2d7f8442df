#pragma once

namespace klettra::editor {

/// The two directions a slot can run in.
enum class Direction { Horizontal, Vertical };

} // namespace klettra::editor
