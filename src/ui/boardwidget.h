#pragma once

#include <QImage>
#include <QWidget>

#include "model/modelobserver.h"
#include "ui/boardpainter.h"

namespace klettra::model {
class Model;
}

namespace klettra::ui {

/// The picture of the board. It keeps a bitmap of the whole board that is redrawn cell by cell
/// only where the model changed, and shows that bitmap. Told of changes as the model's observer.
class BoardWidget : public QWidget, public model::ModelObserver
{
    Q_OBJECT
public:
    BoardWidget(const model::Model &model, QWidget *parent = nullptr);

    /// Letters are drawn while a composition runs or the full grid is shown.
    void setLettersShown(bool shown) { m_lettersShown = shown; }
    bool lettersShown() const { return m_lettersShown; }

    /// A composed crossword is on the board: the pointer becomes a hand over start cells.
    void setCrossReady(bool ready);

    /// Redraws the cells of `rect` into the bitmap and shows them.
    void MatrixRePaint(const model::CellRect &rect);

    void cellsChanged(const model::CellRect &rect) override { MatrixRePaint(rect); }

    /// The last board cell the pointer was over while a composed crossword was shown.
    QPoint pointerCell() const { return m_pointerCell; }

    const QImage &bitmap() const { return m_bitmap; }

    /// Board cell under an image point.
    static QPoint cellAt(QPoint imagePoint);

Q_SIGNALS:
    /// The left button went down over board cell (x, y).
    void cellClicked(QPoint cell, QPoint globalPos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void updateCursor(QPoint imagePoint);

    const model::Model &m_model;
    BoardPainter m_painter;
    QImage m_bitmap;
    bool m_lettersShown = false;
    bool m_crossReady = false;
    QPoint m_pointerCell;
};

} // namespace klettra::ui
