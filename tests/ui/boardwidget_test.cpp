#include <gtest/gtest.h>

#include <QImage>
#include <QMouseEvent>
#include <QScrollBar>
#include <QtTest/QTest>

#include "model/model.h"
#include "support/gridbuilder.h"
#include "ui/boardpage.h"
#include "ui/boardpainter.h"
#include "ui/boardwidget.h"

namespace klettra::test {

namespace {

using ui::BoardPainter;

/// Pixel columns (relative to a cell's left edge) and rows holding `colour` inside cell (x, y).
struct Ink
{
    int firstColumn = 99;
    int firstRow = 99;
    int count = 0;
};

Ink inkIn(const QImage &image, int x, int y, QRgb colour)
{
    Ink ink;
    const QRect cell = BoardPainter::cellPixels(x, y);
    for (int dy = 1; dy < 17; ++dy) {
        for (int dx = 1; dx < 17; ++dx) {
            if (image.pixel(cell.left() + dx, cell.top() + dy) != colour)
                continue;
            ++ink.count;
            ink.firstColumn = std::min(ink.firstColumn, dx);
            ink.firstRow = std::min(ink.firstRow, dy);
        }
    }
    return ink;
}

QImage grabBoard(ui::BoardWidget &board)
{
    return board.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

class BoardWidgetTest : public ::testing::Test
{
protected:
    /// Slot 1 across at (3, 2) of 5 letters numbered 7, slot 2 down at (10, 4) numbered 12,
    /// slot 3 across at (20, 30) numbered 123.
    model::Model makeModel()
    {
        GridBuilder builder;
        builder.horizontal(3, 2, 5).vertical(10, 4, 4).horizontal(20, 30, 3);
        model::GridCells cells = builder.cells();
        cells(3, 2).Number = 7;
        cells(10, 4).Number = 12;
        cells(20, 30).Number = 123;
        model::Model m;
        m.cells = cells;
        m.ComputeExtent();
        m.ResetCrossword();
        m.BuildSlots();
        return m;
    }
};

TEST_F(BoardWidgetTest, numbersStartFurtherLeftTheMoreDigitsTheyHave)
{
    model::Model m = makeModel();
    ui::BoardWidget board(m);
    board.MatrixRePaint(model::WholeBoard);
    const QImage image = grabBoard(board);
    const QRgb black = qRgb(0, 0, 0);

    const Ink seven = inkIn(image, 3, 2, black);
    const Ink twelve = inkIn(image, 10, 4, black);
    const Ink big = inkIn(image, 20, 30, black);
    ASSERT_GT(seven.count, 0);
    ASSERT_GT(twelve.count, 0);
    ASSERT_GT(big.count, 0);
    // The text box starts 5, 3 and 1 pixels right of the square's edge; glyphs may carry a
    // pixel of side bearing, never less.
    EXPECT_GE(seven.firstColumn, 5);
    EXPECT_LE(seven.firstColumn, 6);
    EXPECT_GE(twelve.firstColumn, 3);
    EXPECT_LE(twelve.firstColumn, 4);
    EXPECT_GE(big.firstColumn, 1);
    EXPECT_LE(big.firstColumn, 2);
    EXPECT_GE(seven.firstRow, 3);
    // A further cell of a slot carries no text.
    EXPECT_EQ(inkIn(image, 4, 2, black).count, 0);
}

TEST_F(BoardWidgetTest, lettersReplaceNumbersRedOnStartCellsBlackElsewhere)
{
    model::Model m = makeModel();
    m.slot(1).Word.assign(std::string_view("\xCA\xCE\xD8\xCA\xC0")); // КОШКА
    m.slot(1).Used = 1;
    m.RefreshLetters(model::WholeBoard);
    ui::BoardWidget board(m);
    const QRgb red = qRgb(255, 0, 0);
    const QRgb black = qRgb(0, 0, 0);

    board.MatrixRePaint(model::WholeBoard);
    QImage image = grabBoard(board);
    EXPECT_EQ(inkIn(image, 3, 2, red).count, 0) << "letters are hidden in the empty view";
    EXPECT_EQ(inkIn(image, 4, 2, black).count, 0);

    board.setLettersShown(true);
    board.MatrixRePaint(model::WholeBoard);
    image = grabBoard(board);
    const Ink first = inkIn(image, 3, 2, red);
    EXPECT_GT(first.count, 0);
    EXPECT_GE(first.firstColumn, 3);
    EXPECT_GE(first.firstRow, 3);
    EXPECT_EQ(inkIn(image, 3, 2, black).count, 0) << "no number where a letter shows";
    EXPECT_GT(inkIn(image, 4, 2, black).count, 0);
    EXPECT_EQ(inkIn(image, 4, 2, red).count, 0);
    // A start cell without a letter still shows its number.
    EXPECT_GT(inkIn(image, 10, 4, black).count, 0);
}

TEST_F(BoardWidgetTest, cellsAreFilledByKindInsideAGreyOutline)
{
    model::Model m = makeModel();
    m.cells(30, 30).Kind = model::CellKind::Blank;
    ui::BoardWidget board(m);
    board.MatrixRePaint(model::WholeBoard);
    const QImage image = grabBoard(board);
    const QRgb grey = qRgb(128, 128, 128);
    const QRect blank = BoardPainter::cellPixels(30, 30);
    EXPECT_EQ(image.pixel(blank.topLeft()), grey);
    EXPECT_EQ(image.pixel(blank.bottomRight()), grey);
    EXPECT_EQ(image.pixel(blank.center()), qRgb(0, 0, 0));
    const QRect background = BoardPainter::cellPixels(1, 1);
    EXPECT_EQ(image.pixel(background.topLeft()), grey);
    EXPECT_EQ(image.pixel(background.center()), board.palette().color(QPalette::Button).rgb());
    EXPECT_EQ(image.pixel(BoardPainter::cellPixels(5, 2).center()), qRgb(255, 255, 255));
    EXPECT_EQ(image.size(), QSize(800, 630));
}

TEST_F(BoardWidgetTest, repaintsOnlyTheRectangleTheModelReports)
{
    model::Model m = makeModel();
    ui::BoardWidget board(m);
    m.setObserver(&board);
    board.setLettersShown(true);
    board.MatrixRePaint(model::WholeBoard);

    // Changed behind the widget's back, then reported for slot 1 only.
    m.cells(40, 35).Kind = model::CellKind::Blank;
    m.slot(1).Word.assign(std::string_view("\xCA\xCE\xD8\xCA\xC0"));
    m.slot(1).Used = 1;
    m.showSlot(1);
    const QImage image = board.bitmap();
    EXPECT_GT(inkIn(image, 3, 2, qRgb(255, 0, 0)).count, 0);
    EXPECT_NE(image.pixel(BoardPainter::cellPixels(40, 35).center()), qRgb(0, 0, 0));
    m.setObserver(nullptr);
}

TEST_F(BoardWidgetTest, scrollBarsMoveTheBoardACellAtATime)
{
    model::Model m = makeModel();
    ui::BoardPage page(m);
    ui::BoardWidget *board = page.board();
    EXPECT_EQ(page.verticalBar()->maximum(), 11);
    EXPECT_EQ(page.horizontalBar()->maximum(), 14);

    page.verticalBar()->setValue(11);
    page.horizontalBar()->setValue(14);
    EXPECT_EQ(board->pos(), QPoint(-238, -187));
    page.CenterReshView();
    EXPECT_EQ(board->pos(), QPoint(-119, -85));
}

TEST_F(BoardWidgetTest, handCursorOnlyOverStartCellsOfAComposedCrossword)
{
    model::Model m = makeModel();
    ui::BoardWidget board(m);
    const QPoint overStart = BoardPainter::cellPixels(3, 2).center();
    const QPoint overFurther = BoardPainter::cellPixels(4, 2).center();

    QTest::mouseMove(&board, overStart);
    EXPECT_EQ(board.cursor().shape(), Qt::ArrowCursor);

    board.setCrossReady(true);
    QMouseEvent moveToStart(QEvent::MouseMove, overStart, board.mapToGlobal(overStart), Qt::NoButton,
                            Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&board, &moveToStart);
    EXPECT_EQ(board.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(board.pointerCell(), QPoint(3, 2));

    QMouseEvent moveAway(QEvent::MouseMove, overFurther, board.mapToGlobal(overFurther), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&board, &moveAway);
    EXPECT_EQ(board.cursor().shape(), Qt::ArrowCursor);
}

} // namespace
} // namespace klettra::test
