#include <QListWidget>
#include <QSettings>
#include <QToolButton>

#include "support/testdata.h"
#include "ui/counterlabel.h"
#include "ui/mainform.h"
#include "ui/sidebar.h"
#include "windowfixture.h"

namespace klettra::test {

namespace {

using Names = std::vector<std::string>;

class DictionaryPanelTest : public WindowFixture
{
protected:
    void SetUp() override
    {
        makeDictionary("А", {"\xC4\xCE\xCC", "\xCA\xCE\xD2"});                 // ДОМ, КОТ
        makeDictionary("Б", {"\xCB\xC5\xD1", "\xD1\xCE\xCA", "\xD0\xCE\xC3"}); // ЛЕС, СОК, РОГ
    }
    QListWidget *list() const { return window->sideBar().UsedSlovars_CLBox; }
    QString counter(const char *name) const
    {
        return window->findChild<ui::CounterLabel *>(QLatin1String(name))->text();
    }
    QListWidgetItem *item(const QString &name) const
    {
        return list()->findItems(name, Qt::MatchExactly).value(0);
    }
};

TEST_F(DictionaryPanelTest, firstRunTicksEveryDictionaryAndCountsTheirWords)
{
    openWindow();
    ASSERT_EQ(list()->count(), 2);
    EXPECT_EQ(list()->item(0)->text(), QStringLiteral("А"));
    EXPECT_EQ(list()->item(0)->checkState(), Qt::Checked);
    EXPECT_EQ(list()->item(1)->checkState(), Qt::Checked);
    EXPECT_EQ(counter("RxLabel2"), QStringLiteral("5"));
    EXPECT_EQ(counter("RxLabel3"), QStringLiteral("5"));
    EXPECT_FALSE(window->sideBar().abcPicSpeedBtn1->isEnabled()) << "everything is ticked already";
    EXPECT_TRUE(window->sideBar().abcPicSpeedBtn2->isEnabled());
}

TEST_F(DictionaryPanelTest, tickingChangesTheUsedListAndItsCounterAtOnce)
{
    openWindow();
    item(QStringLiteral("А"))->setCheckState(Qt::Unchecked);
    EXPECT_EQ(window->settings().UsedSlovars, Names{"Б"});
    EXPECT_EQ(counter("RxLabel2"), QStringLiteral("3"));
    EXPECT_EQ(counter("RxLabel3"), QStringLiteral("5"));
    EXPECT_TRUE(window->sideBar().abcPicSpeedBtn1->isEnabled());

    window->sideBar().abcPicSpeedBtn2->click();
    EXPECT_TRUE(window->settings().UsedSlovars.empty());
    EXPECT_EQ(counter("RxLabel2"), QStringLiteral("0"));
    EXPECT_EQ(item(QStringLiteral("Б"))->checkState(), Qt::Unchecked);
    EXPECT_FALSE(window->sideBar().abcPicSpeedBtn2->isEnabled());

    item(QStringLiteral("Б"))->setCheckState(Qt::Checked);
    item(QStringLiteral("А"))->setCheckState(Qt::Checked);
    EXPECT_EQ(window->settings().UsedSlovars, (Names{"Б", "А"})) << "ticking appends";
    EXPECT_EQ(counter("RxLabel2"), QStringLiteral("5"));
}

TEST_F(DictionaryPanelTest, storedOrderIsReversedOnReadingAndStaleNamesAreDropped)
{
    writeText(dir / "settings.ini",
              "[General]\nUsedSlovars=*\xD0\x90*\xD0\xA3\xD0\xB4\xD0\xB0\xD0\xBB\xD1\x91\xD0\xBD*\xD0\x91\n");
    openWindow();
    EXPECT_EQ(window->settings().UsedSlovars, (Names{"Б", "А"}));
    closeWindow();
    EXPECT_EQ(QSettings(settingsFile(), QSettings::IniFormat).value(QStringLiteral("UsedSlovars")).toString(),
              QStringLiteral("*Б*А"));

    openWindow();
    EXPECT_EQ(window->settings().UsedSlovars, (Names{"А", "Б"})) << "every start reverses the stored order";
}

TEST_F(DictionaryPanelTest, anEmptyUsedListStaysEmpty)
{
    writeText(dir / "settings.ini", "[General]\nUsedSlovars=\"\"\n");
    openWindow();
    EXPECT_TRUE(window->settings().UsedSlovars.empty());
    EXPECT_EQ(item(QStringLiteral("А"))->checkState(), Qt::Unchecked);
    EXPECT_EQ(counter("RxLabel2"), QStringLiteral("0"));
    closeWindow();
    EXPECT_EQ(QSettings(settingsFile(), QSettings::IniFormat).value(QStringLiteral("UsedSlovars")).toString(),
              QString());
}

} // namespace
} // namespace klettra::test
