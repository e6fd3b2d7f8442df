#include "ui/boardwidget.h"

#include <QMouseEvent>
#include <QPainter>

#include "model/model.h"

namespace klettra::ui {

BoardWidget::BoardWidget(const model::Model &model, QWidget *parent)
    : QWidget(parent)
    , m_model(model)
    , m_painter(palette().color(QPalette::Button))
    , m_bitmap(BoardPainter::ImageSize, QImage::Format_RGB32)
{
    setObjectName(QStringLiteral("Image1"));
    setFixedSize(BoardPainter::ImageSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    m_bitmap.fill(palette().color(QPalette::Button));
}

void BoardWidget::setCrossReady(bool ready)
{
    m_crossReady = ready;
    if (!ready)
        unsetCursor();
}

void BoardWidget::MatrixRePaint(const model::CellRect &rect)
{
    if (rect.isEmpty())
        return;
    {
        QPainter painter(&m_bitmap);
        m_painter.paint(painter, m_model, rect, m_lettersShown);
    }
    update(BoardPainter::pixelsOf(rect));
}

QPoint BoardWidget::cellAt(QPoint imagePoint)
{
    return {imagePoint.x() / BoardPainter::CellSize + 1, imagePoint.y() / BoardPainter::CellSize + 1};
}

void BoardWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), m_bitmap, event->rect());
}

void BoardWidget::mouseMoveEvent(QMouseEvent *event)
{
    updateCursor(event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

void BoardWidget::mousePressEvent(QMouseEvent *event)
{
    const QPoint point = event->position().toPoint();
    if (event->button() == Qt::LeftButton && rect().contains(point))
        Q_EMIT cellClicked(cellAt(point), event->globalPosition().toPoint());
    QWidget::mousePressEvent(event);
}

void BoardWidget::updateCursor(QPoint imagePoint)
{
    if (!m_crossReady) {
        unsetCursor();
        return;
    }
    m_pointerCell = cellAt(imagePoint);
    const int x = m_pointerCell.x();
    const int y = m_pointerCell.y();
    const bool overStart = model::isOnBoard(x, y) && model::isStartKind(m_model.cells(x, y).Kind);
    if (overStart)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

} // namespace klettra::ui
