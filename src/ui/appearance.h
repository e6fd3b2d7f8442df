#pragma once

namespace klettra::ui {

/// The program's look: a compact sans-serif face in the size the window was laid out for.
/// Called once after the application object exists.
void applyAppearance();

} // namespace klettra::ui
