#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSignalSpy>

#include "ui/singleinstance.h"

namespace klettra::test {

namespace {

TEST(SingleInstanceTest, secondStartRaisesTheFirstAndEnds)
{
    const QString name = QStringLiteral("klettra-test-%1").arg(QCoreApplication::applicationPid());
    ui::SingleInstance first(name);
    ASSERT_FALSE(first.notifyRunningInstance());
    EXPECT_TRUE(first.isListening());
    QSignalSpy raised(&first, &ui::SingleInstance::activationRequested);

    ui::SingleInstance second(name);
    EXPECT_TRUE(second.notifyRunningInstance());
    EXPECT_FALSE(second.isListening());
    EXPECT_TRUE(raised.wait(2000));
}

TEST(SingleInstanceTest, nameDependsOnTitleAndIsSafeForTheFileSystem)
{
    const QString a = ui::SingleInstance::serverNameFor(QStringLiteral("Klettra 1.21"));
    EXPECT_EQ(a, ui::SingleInstance::serverNameFor(QStringLiteral("Klettra 1.21")));
    EXPECT_NE(a, ui::SingleInstance::serverNameFor(QStringLiteral("Klettra 1.22")));
    EXPECT_FALSE(a.contains(QLatin1Char(' ')));
    EXPECT_FALSE(a.contains(QLatin1Char('/')));
}

} // namespace
} // namespace klettra::test
