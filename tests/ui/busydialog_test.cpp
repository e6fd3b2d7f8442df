#include <gtest/gtest.h>

#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>

#include "ui/busydialog.h"

namespace klettra::test {

namespace {

TEST(BusyDialogTest, cancelSetsTheRequestClosesAndReportsOnce)
{
    ui::BusyDialog busy;
    QSignalSpy cancelled(&busy, &ui::BusyDialog::cancelled);
    busy.start(QStringLiteral("Загрузка слов из словарей ..."), 10, nullptr);
    EXPECT_TRUE(busy.isVisible());
    EXPECT_FALSE(busy.isModal());
    EXPECT_TRUE(busy.windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    busy.cancelButton()->click();
    EXPECT_TRUE(busy.cancelRequested());
    EXPECT_FALSE(busy.isVisible());
    EXPECT_EQ(cancelled.count(), 1);

    busy.cancelButton()->click();
    EXPECT_EQ(cancelled.count(), 1) << "a hidden dialog cannot be cancelled again";

    busy.start(QStringLiteral("Составление кроссворда ..."), 4, nullptr);
    EXPECT_FALSE(busy.cancelRequested()) << "showing clears the request";
    EXPECT_EQ(busy.message(), QStringLiteral("Составление кроссворда ..."));
}

TEST(BusyDialogTest, progressStaysInRangeAndScalesHugeTotals)
{
    ui::BusyDialog busy;
    auto *bar = busy.findChild<QProgressBar *>(QStringLiteral("BusyProgress"));
    busy.setMaximum(4);
    busy.setPosition(5);
    EXPECT_EQ(busy.position(), 4);
    busy.setPosition(-1);
    EXPECT_EQ(busy.position(), 0);

    busy.setMaximum(10'000'000'000);
    busy.setPosition(5'000'000'000);
    EXPECT_EQ(bar->value() * 2, bar->maximum());
}

} // namespace
} // namespace klettra::test
