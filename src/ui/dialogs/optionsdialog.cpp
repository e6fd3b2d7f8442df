#include "ui/dialogs/optionsdialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace klettra::ui {

namespace {

template <class Control>
Control *named(Control *control, const char *name)
{
    control->setObjectName(QLatin1String(name));
    return control;
}

} // namespace

TFormOptions::TFormOptions(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FormOptions"));
    setWindowTitle(QStringLiteral("Настройки"));
    setModal(true);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto *priority = new QGroupBox(QStringLiteral("Приоритет слов"), this);
    m_radio[0] = named(new QRadioButton(QStringLiteral("Приоритет больших (рекомендуется)"), priority),
                       "RadioButton1");
    m_radio[1] = named(new QRadioButton(QStringLiteral("Приоритет маленьких"), priority), "RadioButton2");
    m_radio[2] = named(new QRadioButton(QStringLiteral("Нет приоритета"), priority), "RadioButton3");
    auto *priorityLayout = new QVBoxLayout(priority);
    for (QRadioButton *radio : m_radio)
        priorityLayout->addWidget(radio);

    auto *general = new QGroupBox(QStringLiteral("Общие настройки"), this);
    m_withoutPovtors = named(new QCheckBox(QStringLiteral("Составлять без повторов"), general), "CheckBox14");
    m_center = named(new QCheckBox(QStringLiteral("Центрировать решетку"), general), "CheckBox15");
    m_skipUnclued =
        named(new QCheckBox(QStringLiteral("Не использовать слова без вопросов"), general), "CheckBox1");
    auto *generalLayout = new QVBoxLayout(general);
    generalLayout->addWidget(m_withoutPovtors);
    generalLayout->addWidget(m_center);
    generalLayout->addWidget(m_skipUnclued);

    auto *ok = named(new QPushButton(QStringLiteral("Ok"), this), "BtnOk");
    auto *cancel = named(new QPushButton(QStringLiteral("Отмена"), this), "BtnCancel");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(priority);
    layout->addWidget(general);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TFormOptions::setPrioritetSlov(int value)
{
    if (value >= 1 && value <= 3)
        m_radio[value - 1]->setChecked(true);
}

void TFormOptions::setCreateWithoutPovtors(bool on)
{
    m_withoutPovtors->setChecked(on);
}

void TFormOptions::setCenterResh(bool on)
{
    m_center->setChecked(on);
}

void TFormOptions::setNotUseWordsWithoutVopros(bool on)
{
    m_skipUnclued->setChecked(on);
}

int TFormOptions::prioritetSlov(int previous) const
{
    for (int i = 0; i < 3; ++i) {
        if (m_radio[i]->isChecked())
            return i + 1;
    }
    return previous;
}

bool TFormOptions::createWithoutPovtors() const
{
    return m_withoutPovtors->isChecked();
}

bool TFormOptions::centerResh() const
{
    return m_center->isChecked();
}

bool TFormOptions::notUseWordsWithoutVopros() const
{
    return m_skipUnclued->isChecked();
}

} // namespace klettra::ui
