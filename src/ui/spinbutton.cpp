#include "ui/spinbutton.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace klettra::ui {

namespace {

QToolButton *arrowButton(Qt::ArrowType arrow, const QString &name, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setCursor(Qt::PointingHandCursor);
    button->setFixedSize(19, 12);
    return button;
}

} // namespace

SpinButton::SpinButton(QWidget *parent)
    : QWidget(parent)
    , m_up(arrowButton(Qt::UpArrow, QStringLiteral("Up"), this))
    , m_down(arrowButton(Qt::DownArrow, QStringLiteral("Down"), this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_up);
    layout->addWidget(m_down);
    setFixedSize(19, 24);
    setCursor(Qt::PointingHandCursor);
    connect(m_up, &QToolButton::clicked, this, &SpinButton::upClicked);
    connect(m_down, &QToolButton::clicked, this, &SpinButton::downClicked);
}

} // namespace klettra::ui
