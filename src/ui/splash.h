#pragma once

#include <QPixmap>

namespace klettra::ui {

/// How long the splash picture stays up at start-up.
constexpr int SplashMilliseconds = 2000;

/// The splash picture: the program's name over a few crossing words.
QPixmap splashPixmap();

} // namespace klettra::ui
