#include "ui/boardpage.h"

#include <QScrollBar>

#include "ui/boardwidget.h"

namespace klettra::ui {

BoardPage::BoardPage(const model::Model &model, QWidget *parent)
    : QWidget(parent)
    , m_viewport(new QWidget(this))
    , m_board(new BoardWidget(model, m_viewport))
    , m_vertical(new QScrollBar(Qt::Vertical, this))
    , m_horizontal(new QScrollBar(Qt::Horizontal, this))
{
    setObjectName(QStringLiteral("TabSheet1"));
    m_viewport->setObjectName(QStringLiteral("Panel9"));
    m_viewport->setGeometry(4, 6, 562, 443);

    m_vertical->setObjectName(QStringLiteral("ScrollBar1"));
    m_vertical->setGeometry(574, 1, 17, 454);
    m_vertical->setRange(0, VerticalPositions - 1);
    m_vertical->setPageStep(1);

    m_horizontal->setObjectName(QStringLiteral("ScrollBar2"));
    m_horizontal->setGeometry(1, 459, 571, 16);
    m_horizontal->setRange(0, HorizontalPositions - 1);
    m_horizontal->setPageStep(1);

    connect(m_vertical, &QScrollBar::valueChanged, this, &BoardPage::moveBoard);
    connect(m_horizontal, &QScrollBar::valueChanged, this, &BoardPage::moveBoard);
    setFixedSize(592, 476);
    moveBoard();
}

void BoardPage::CenterReshView()
{
    m_vertical->setValue(CentreRow);
    m_horizontal->setValue(CentreColumn);
}

void BoardPage::moveBoard()
{
    m_board->move(-BoardPainter::CellSize * m_horizontal->value(),
                  -BoardPainter::CellSize * m_vertical->value());
}

} // namespace klettra::ui
