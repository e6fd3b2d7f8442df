#include "ui/dialogs/creditsdialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace klettra::ui {

namespace {

QString creditsText()
{
    return QStringLiteral("<h3>Разработчики</h3>"
                          "<p>Программа: команда проекта Klettra.</p>"
                          "<h3>Данные</h3>"
                          "<p>Словарь «Основной»: определения написаны для программы Klettra.</p>"
                          "<p>Словарь «Синонимы»: Н. Абрамов, «Словарь русских синонимов и сходных "
                          "по смыслу выражений» (общественное достояние); русский тезаурус "
                          "mythes-ru, М. Королёв, Я. Резцов (LGPL-2.1).</p>"
                          "<p>Отбор слов: список существительных русского Викисловаря "
                          "(участники Викисловаря, CC BY-SA 4.0) и словарь hunspell-ru "
                          "(А. И. Лебедев).</p>"
                          "<h3>Инструменты</h3>"
                          "<p>Qt, SQLite, liblhasa, GoogleTest.</p>");
}

} // namespace

CreditsDialog::CreditsDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("CreditsBox"));
    setWindowTitle(QStringLiteral("Разработчики"));
    setModal(true);

    auto *text = new QLabel(creditsText(), this);
    text->setObjectName(QStringLiteral("CreditsText"));
    text->setWordWrap(true);
    text->setTextFormat(Qt::RichText);
    text->setFixedWidth(420);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace klettra::ui
