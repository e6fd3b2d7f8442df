#pragma once

#include <QWidget>

class QScrollBar;

namespace klettra::model {
class Model;
}

namespace klettra::ui {

class BoardWidget;

/// The board page: a window of 562 x 443 pixels onto the 800 x 630 board picture, moved a cell
/// at a time by a vertical bar of 12 positions and a horizontal bar of 15.
class BoardPage : public QWidget
{
    Q_OBJECT
public:
    static constexpr int VerticalPositions = 12;
    static constexpr int HorizontalPositions = 15;
    static constexpr int CentreRow = 5;
    static constexpr int CentreColumn = 7;

    explicit BoardPage(const model::Model &model, QWidget *parent = nullptr);

    BoardWidget *board() const { return m_board; }
    QScrollBar *verticalBar() const { return m_vertical; }
    QScrollBar *horizontalBar() const { return m_horizontal; }

    /// Scrolls to the middle of the board (positions 5 and 7).
    void CenterReshView();

private:
    void moveBoard();

    QWidget *m_viewport;
    BoardWidget *m_board;
    QScrollBar *m_vertical;
    QScrollBar *m_horizontal;
};

} // namespace klettra::ui
