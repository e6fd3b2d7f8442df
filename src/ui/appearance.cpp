#include "ui/appearance.h"

#include <QApplication>
#include <QFont>

namespace klettra::ui {

void applyAppearance()
{
    // The window is 793 pixels wide; its side bar captions fit in Arial (or a face with its
    // metrics) at 8 points, the size of the classic dialog font.
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    QApplication::setFont(font);
}

} // namespace klettra::ui
