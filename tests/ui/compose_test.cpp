#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QtTest/QTest>

#include "ui/boardwidget.h"
#include "ui/busydialog.h"
#include "ui/composecontroller.h"
#include "ui/mainform.h"
#include "ui/sidebar.h"
#include "windowfixture.h"

namespace klettra::test {

namespace {

// Windows-1251 words for the cross template: its down slot of 4 crosses the across slot of 5
// at the down slot's second letter and the across slot's third.
const std::string Parus = "\xCF\xC0\xD0\xD3\xD1"; // ПАРУС
const std::string Prok = "\xCF\xD0\xCE\xCA";      // ПРОК
const std::string Koty = "\xCA\xCE\xD2\xDB";      // КОТЫ: its О never meets ПАРУС's Р

class ComposeTest : public WindowFixture
{
protected:
    ui::ComposeController &compose() { return *window->findChild<ui::ComposeController *>(); }

    bool waitForEnd()
    {
        return QTest::qWaitFor([this] { return !compose().isRunning(); }, 20000);
    }

    void expectCommands(std::initializer_list<const char *> names, bool enabled)
    {
        for (const char *name : names)
            EXPECT_EQ(action(name)->isEnabled(), enabled) << name;
    }
};

TEST_F(ComposeTest, completedCompositionEnablesSavingAndShowsTheFullGrid)
{
    writeTemplates({crossTemplate()});
    makeDictionary("Слова", {Parus, Prok});
    openWindow();

    action("ActionCreateCros")->trigger();
    EXPECT_EQ(window->statusText(), QStringLiteral("Создание кроссворда."));
    ASSERT_TRUE(waitForEnd());

    EXPECT_TRUE(window->CrossReady());
    EXPECT_EQ(window->statusText(), QStringLiteral("ГОТОВО !!!"));
    EXPECT_EQ(prompter->texts(ScriptedPrompter::Kind::Inform),
              QStringList{QStringLiteral("Кроссворд составлен !")});
    EXPECT_EQ(window->model().slot(1).Word.view(), Prok);
    EXPECT_EQ(window->model().slot(2).Word.view(), Parus);
    expectCommands({"ActionSaveFile", "ActionSaveAsFile", "ActionViewFullSetka", "ActionViewVopros",
                    "ActionViewOtvets", "ActionCreateCros", "ActionLoadFile", "ActionOptions", "ActionAbout"},
                   true);
    EXPECT_TRUE(action("ActionViewFullSetka")->isChecked());
    EXPECT_TRUE(window->FullSetkaShown());
    EXPECT_TRUE(window->sideBar().CBox_View->isEnabled());
    EXPECT_EQ(window->sideBar().CBox_View->currentIndex(), 1);
    EXPECT_TRUE(window->sideBar().isEnabled());
    EXPECT_FALSE(compose().busyDialog().isVisible());
}

TEST_F(ComposeTest, cancelDuringComposingResetsTheBoardAndRestoresTheCommands)
{
    // No down word ever fits, so composing goes round until it is cancelled.
    writeTemplates({crossTemplate()});
    makeDictionary("Слова", {Parus, Koty});
    openWindow();
    window->show();

    action("ActionCreateCros")->trigger();
    ASSERT_TRUE(QTest::qWaitFor([this] { return window->Composing(); }, 10000));
    QTest::qWait(50);
    EXPECT_TRUE(compose().isRunning()) << "the window stays responsive while composing";
    EXPECT_TRUE(window->board().lettersShown()) << "letters appear while composing, whatever the view";
    EXPECT_TRUE(action("ActionViewEmptySetka")->isChecked());
    expectCommands({"ActionCreateCros", "ActionLoadFile", "ActionOptions", "ActionAbout"}, false);
    EXPECT_FALSE(window->sideBar().isEnabled());
    EXPECT_EQ(window->sideBar().currentIndex(), ui::SideBar::CrosPage);
    ASSERT_TRUE(compose().busyDialog().isVisible());

    compose().busyDialog().cancelButton()->click();
    EXPECT_FALSE(compose().isRunning());
    EXPECT_EQ(window->statusText(), QStringLiteral("Процесс прерван пользователем."));
    EXPECT_FALSE(window->CrossReady());
    for (int i = 1; i <= window->model().slotCount(); ++i)
        EXPECT_EQ(window->model().slot(i).Used, 0);
    EXPECT_EQ(window->model().letters(20, 15), ' ');
    expectCommands({"ActionCreateCros", "ActionLoadFile", "ActionOptions", "ActionAbout"}, true);
    expectCommands({"ActionSaveFile", "ActionViewFullSetka"}, false);
    EXPECT_TRUE(window->sideBar().isEnabled());
    EXPECT_TRUE(prompter->shown.isEmpty());
}

TEST_F(ComposeTest, savingAComposedCrosswordWithoutFileAsksForOne)
{
    writeTemplates({crossTemplate()});
    makeDictionary("Слова", {Parus, Prok});
    openWindow();
    action("ActionCreateCros")->trigger();
    ASSERT_TRUE(waitForEnd());
    prompter->fileNames.enqueue(QString::fromStdString((dir / "Untitled0.crs").string()));
    action("ActionSaveFile")->trigger();
    ASSERT_EQ(prompter->shown.last().kind, ScriptedPrompter::Kind::SaveFile);
    EXPECT_EQ(prompter->shown.last().request.proposedName, QStringLiteral("Untitled0"));
    EXPECT_TRUE(std::filesystem::exists(dir / "Untitled0.crs"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Klettra 1.21 - Untitled0"));
    EXPECT_TRUE(window->CrossReady());
}

TEST_F(ComposeTest, aLengthWithoutWordsStopsWithItsStatusLine)
{
    writeTemplates({crossTemplate()});
    makeDictionary("Слова", {Parus});
    openWindow();
    action("ActionCreateCros")->trigger();
    ASSERT_TRUE(waitForEnd());
    EXPECT_EQ(window->statusText(), QStringLiteral("Не найдено слово длиной 4 буквы. Процесс остановлен."));
    EXPECT_FALSE(window->CrossReady());
    EXPECT_EQ(window->model().slot(2).Used, 0);
    expectCommands({"ActionCreateCros", "ActionLoadFile"}, true);
    expectCommands({"ActionSaveFile", "ActionViewFullSetka"}, false);
}

TEST_F(ComposeTest, usedDictionariesWithoutWordsRefuseToStart)
{
    writeTemplates({crossTemplate()});
    makeDictionary("Пустой", {});
    openWindow();
    action("ActionCreateCros")->trigger();
    EXPECT_EQ(
        prompter->texts(ScriptedPrompter::Kind::Error),
        QStringList{QStringLiteral("В используемых словарях нет слов. Добавте слова или используйте большее "
                                   "количество словарей.")});
    EXPECT_FALSE(compose().isRunning());
    EXPECT_TRUE(window->statusText().isEmpty());
    EXPECT_TRUE(action("ActionCreateCros")->isEnabled());
}

TEST_F(ComposeTest, exitAsksOnlyWithAComposedCrossword)
{
    writeTemplates({crossTemplate()});
    makeDictionary("Слова", {Parus, Prok});
    openWindow();
    window->show();
    action("ActionCreateCros")->trigger();
    ASSERT_TRUE(waitForEnd());

    prompter->answers.enqueue(ui::Prompter::Answer::No);
    action("ActionExit")->trigger();
    EXPECT_EQ(prompter->texts(ScriptedPrompter::Kind::Ask),
              QStringList{QStringLiteral("Вы уверены что хотите выйти из программы ?")});
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->CrossReady());

    prompter->answers.enqueue(ui::Prompter::Answer::Yes);
    action("ActionExit")->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->statusText(), QStringLiteral("Процесс прерван пользователем."));
}

TEST_F(ComposeTest, theCloseBoxNeverAsks)
{
    writeTemplates({crossTemplate()});
    makeDictionary("Слова", {Parus, Prok});
    openWindow();
    window->show();
    action("ActionCreateCros")->trigger();
    ASSERT_TRUE(waitForEnd());
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(prompter->texts(ScriptedPrompter::Kind::Ask).isEmpty());
}

TEST_F(ComposeTest, closingTheWindowEndsARunningComposition)
{
    writeTemplates({crossTemplate()});
    makeDictionary("Слова", {Parus, Koty});
    openWindow();
    window->show();
    action("ActionCreateCros")->trigger();
    ASSERT_TRUE(QTest::qWaitFor([this] { return window->Composing(); }, 10000));
    window->close();
    EXPECT_FALSE(compose().isRunning());
    EXPECT_FALSE(compose().busyDialog().isVisible());
}

} // namespace
} // namespace klettra::test
