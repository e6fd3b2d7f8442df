#pragma once

#include <QDialog>

namespace klettra::ui {

/// "О программе": the program, its version, its licence and the sources of the bundled
/// dictionaries. A plain modal window closed by its button.
class AboutDialog : public QDialog
{
    Q_OBJECT
public:
    explicit AboutDialog(QWidget *parent = nullptr);
};

} // namespace klettra::ui
