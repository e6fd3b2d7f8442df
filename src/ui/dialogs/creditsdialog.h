#pragma once

#include <QDialog>

namespace klettra::ui {

/// "Разработчики": who made the program and its data. A plain modal window closed by its button.
class CreditsDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CreditsDialog(QWidget *parent = nullptr);
};

} // namespace klettra::ui
