#include <QAction>
#include <QComboBox>
#include <QPlainTextEdit>

#include "support/gridbuilder.h"
#include "ui/commands.h"
#include "ui/mainform.h"
#include "ui/sidebar.h"
#include "ui/viewcontroller.h"
#include "windowfixture.h"

namespace klettra::test {

namespace {

class ViewsTest : public WindowFixture
{
protected:
    /// The cross template with both slots filled as if composed: slot 1 down (number 1),
    /// slot 2 across (number 2).
    void fillCrossword()
    {
        model::Model &m = window->model();
        m.BuildSlots();
        const char *words[] = {"\xCF\xD0\xCE\xCA", "\xCF\xC0\xD0\xD3\xD1"}; // ПРОК, ПАРУС
        const char *clues[] = {"", "\xC7\xE2\xE5\xF0\xFC."};                // Зверь.
        for (int i = 1; i <= 2; ++i) {
            m.slot(i).Word.assign(words[i - 1]);
            m.slot(i).Clue.assign(clues[i - 1]);
            m.slot(i).Used = 1;
        }
        m.RefreshLetters(model::WholeBoard);
        window->commands().atComposingEnded(true);
        window->sideBar().CBox_View->setEnabled(true);
    }
};

TEST_F(ViewsTest, theFourViewsSwitchPageSelectorCommandsAndFlagTogether)
{
    writeTemplates({crossTemplate()});
    openWindow();
    fillCrossword();
    QComboBox *selector = window->sideBar().CBox_View;

    action("ActionViewFullSetka")->trigger();
    EXPECT_TRUE(window->FullSetkaShown());
    EXPECT_EQ(selector->currentIndex(), 1);
    EXPECT_TRUE(window->textPage().isEmpty()) << "the board page is shown";

    action("ActionViewVopros")->trigger();
    EXPECT_EQ(selector->currentIndex(), 2);
    EXPECT_TRUE(action("ActionViewVopros")->isChecked());
    EXPECT_FALSE(action("ActionViewFullSetka")->isChecked());
    EXPECT_TRUE(window->FullSetkaShown()) << "text views leave the flag alone";
    EXPECT_EQ(window->textPage(), QStringLiteral("По горизонтали:\n2.Зверь.  \n \nПо вертикали:\n1.  "));

    selector->activated(3);
    EXPECT_TRUE(action("ActionViewOtvets")->isChecked());
    EXPECT_EQ(window->textPage(), QStringLiteral("По горизонтали:\n2.ПАРУС   \n \nПо вертикали:\n1.ПРОК   "));

    selector->activated(0);
    EXPECT_FALSE(window->FullSetkaShown());
    EXPECT_TRUE(action("ActionViewEmptySetka")->isChecked());
    EXPECT_TRUE(window->textPage().isEmpty());
}

TEST_F(ViewsTest, aTextViewChosenAgainDropsWhatTheUserTyped)
{
    writeTemplates({crossTemplate()});
    openWindow();
    fillCrossword();
    action("ActionViewVopros")->trigger();
    window->findChild<QPlainTextEdit *>(QStringLiteral("Memo2"))->appendPlainText(QStringLiteral("мусор"));
    action("ActionViewVopros")->trigger();
    EXPECT_FALSE(window->textPage().contains(QStringLiteral("мусор")));
}

TEST_F(ViewsTest, resetReturnsToTheEmptyGridWithTheOtherViewsOff)
{
    writeTemplates({crossTemplate()});
    openWindow();
    fillCrossword();
    action("ActionViewOtvets")->trigger();
    window->ResetCrossword();
    EXPECT_TRUE(window->textPage().isEmpty());
    EXPECT_TRUE(action("ActionViewEmptySetka")->isChecked());
    EXPECT_TRUE(action("ActionViewEmptySetka")->isEnabled());
    for (const char *name : {"ActionViewFullSetka", "ActionViewVopros", "ActionViewOtvets", "ActionSaveFile"})
        EXPECT_FALSE(action(name)->isEnabled()) << name;
    EXPECT_FALSE(window->sideBar().CBox_View->isEnabled());
    EXPECT_EQ(window->sideBar().CBox_View->currentIndex(), 0);
}

} // namespace
} // namespace klettra::test
