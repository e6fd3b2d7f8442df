#include <QAction>
#include <QComboBox>
#include <QScrollBar>
#include <QTextBrowser>
#include <QToolButton>

#include "support/gridbuilder.h"
#include "ui/boardpage.h"
#include "ui/boardwidget.h"
#include "ui/commands.h"
#include "ui/counterlabel.h"
#include "ui/helpwindow.h"
#include "ui/mainform.h"
#include "ui/sidebar.h"
#include "ui/spinbutton.h"
#include "windowfixture.h"

namespace klettra::test {

namespace {

using ui::SideBar;

class MainFormTest : public WindowFixture
{
protected:
    QString counter(const char *name) const
    {
        return window->findChild<ui::CounterLabel *>(QLatin1String(name))->text();
    }
    void clickSpin(bool up)
    {
        auto *spin = window->findChild<ui::SpinButton *>(QStringLiteral("SpinButton1"));
        (up ? spin->upButton() : spin->downButton())->click();
    }
};

TEST_F(MainFormTest, startsWithoutCrosswordOnTheCurrentTemplate)
{
    writeTemplates({crossTemplate(), squareTemplate()});
    ui::TMainForm &form = openWindow();

    EXPECT_EQ(form.windowTitle(), QStringLiteral("Klettra 1.21"));
    EXPECT_TRUE(form.RehLoaded());
    EXPECT_FALSE(form.CrossReady());
    EXPECT_TRUE(form.statusText().isEmpty());

    for (const char *name : {"ActionSaveFile", "ActionSaveAsFile", "ActionPrint", "ActionViewFullSetka",
                             "ActionViewVopros", "ActionViewOtvets", "ActionAddSetkaInNabor"})
        EXPECT_FALSE(action(name)->isEnabled()) << name;
    for (const char *name : {"ActionExit", "ActionHelp", "ActionShowAuthors", "ActionViewEmptySetka",
                             "ActionOptions", "ActionAbout"})
        EXPECT_TRUE(action(name)->isEnabled()) << name;
    EXPECT_TRUE(action("ActionViewEmptySetka")->isChecked());

    auto *selector = form.findChild<QComboBox *>(QStringLiteral("CBox_View"));
    EXPECT_FALSE(selector->isEnabled());
    EXPECT_EQ(selector->currentText(), QStringLiteral("Пустая сетка"));
    EXPECT_EQ(form.sideBar().currentIndex(), SideBar::SlovarPage);

    EXPECT_EQ(counter("RxLabel1"), QStringLiteral("1"));
    EXPECT_EQ(counter("RxLabel4"), QStringLiteral("2"));
    EXPECT_EQ(counter("RxLabel5"), QStringLiteral("2"));
    EXPECT_EQ(form.boardPage().verticalBar()->value(), 5);
    EXPECT_EQ(form.boardPage().horizontalBar()->value(), 7);
}

TEST_F(MainFormTest, everyCommandHasItsCaptionHintAndKey)
{
    openWindow();
    struct Expected
    {
        const char *name;
        const char *caption;
        const char *hint;
        const char *key;
    };
    const Expected expected[] = {
        {"ActionCreateCros", "Создать кроссворд", "Создать кроссворд", "F2"},
        {"ActionLoadFile", "Загрузить кроссворд", "Загрузить кроссворд", "Ctrl+L"},
        {"ActionSaveFile", "Сохранить кроссворд", "Сохранить кроссворд", "Ctrl+S"},
        {"ActionSaveAsFile", "Сохранить кроссворд как ...", "Сохранить кроссворд под другим именем", ""},
        {"ActionPrint", "Печать", "Печать кроссворда", "Ctrl+P"},
        {"ActionOptions", "Настройки ...", "Настройки программы", "F7"},
        {"ActionViewEmptySetka", "Пустая сетка", "Просморт пустой сетки", ""},
        {"ActionSlovarManager", "Менеджер словарей", "Менеджер словарей", "F9"},
        {"ActionStatistica", "Статистика словарей", "Статистика словарей", "Ctrl+F1"},
        {"ActionImportWizard", "Импорт слов", "Мастер импорта слов", ""},
        {"ActionMakeSetka", "Создать сетку", "Создать сетку", "Ctrl+F2"},
        {"ActionDeleteSetka", "Удалить сетку", "Удалить сетку", "Ctrl+F8"},
        {"ActionHelp", "Справка", "Справка", "F1"},
    };
    for (const Expected &e : expected) {
        QAction *a = action(e.name);
        ASSERT_NE(a, nullptr) << e.name;
        EXPECT_EQ(a->text(), QString::fromUtf8(e.caption)) << e.name;
        EXPECT_EQ(a->statusTip(), QString::fromUtf8(e.hint)) << e.name;
        EXPECT_EQ(a->shortcut(), QKeySequence(QLatin1String(e.key))) << e.name;
    }
    // Commands whose windows come later exist but never pretend to work.
    for (const char *name :
         {"ActionPrint", "ActionPrinterSetup", "ActionExportHTML", "ActionStatistica", "ActionImportWizard",
          "ActionMakeSetka", "ActionEditSetka", "ActionDeleteSetka"}) {
        EXPECT_FALSE(action(name)->isEnabled()) << name;
        EXPECT_FALSE(ui::Commands::isBuilt(action(name))) << name;
    }
}

TEST_F(MainFormTest, browsingStepsThroughTheSetAndStopsAtItsEnds)
{
    writeTemplates({crossTemplate(), squareTemplate(), crossTemplate()});
    ui::TMainForm &form = openWindow();

    clickSpin(false);
    EXPECT_EQ(form.templates().CurReh, 1);
    EXPECT_TRUE(form.statusText().isEmpty()) << "nothing happens below the first template";

    form.boardPage().verticalBar()->setValue(11);
    clickSpin(true);
    EXPECT_EQ(form.templates().CurReh, 2);
    EXPECT_EQ(form.statusText(), QStringLiteral("Выбрана новая сетка."));
    EXPECT_EQ(counter("RxLabel1"), QStringLiteral("2"));
    EXPECT_EQ(counter("RxLabel5"), QStringLiteral("4"));
    EXPECT_EQ(form.model().cells, squareTemplate());
    EXPECT_EQ(form.model().slotCount(), 4);
    EXPECT_EQ(form.boardPage().verticalBar()->value(), 5) << "a new template is shown centred";

    clickSpin(true);
    form.setStatus({});
    clickSpin(true);
    EXPECT_EQ(form.templates().CurReh, 3);
    EXPECT_TRUE(form.statusText().isEmpty()) << "nothing happens above the last template";
}

TEST_F(MainFormTest, startsOnAnEmptyBoardWithoutTemplates)
{
    ui::TMainForm &form = openWindow();
    EXPECT_EQ(form.templates().RehCount, 0);
    EXPECT_EQ(counter("RxLabel1"), QStringLiteral("0"));
    EXPECT_EQ(counter("RxLabel4"), QStringLiteral("0"));
    EXPECT_EQ(counter("RxLabel5"), QStringLiteral("0"));
    EXPECT_TRUE(std::filesystem::exists(dir / "grating.dat")) << "an empty set is created";
}

TEST_F(MainFormTest, damagedTemplateLeavesAnEmptyBoardWithoutMessage)
{
    model::GridCells broken = crossTemplate();
    broken(0, 0).Kind = 'Q';
    writeTemplates({broken});
    ui::TMainForm &form = openWindow();
    EXPECT_FALSE(form.RehLoaded());
    EXPECT_EQ(form.model().cells, model::GridCells{});
    EXPECT_TRUE(prompter->shown.isEmpty());
}

TEST_F(MainFormTest, exitWithoutComposedCrosswordClosesWithoutQuestion)
{
    writeTemplates({crossTemplate()});
    ui::TMainForm &form = openWindow();
    form.show();
    action("ActionExit")->trigger();
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(prompter->texts(ScriptedPrompter::Kind::Ask).isEmpty());
}

TEST_F(MainFormTest, helpOpensTheManualAndClosesWithTheWindow)
{
    ui::TMainForm &form = openWindow();
    form.show();
    action("ActionHelp")->trigger();
    ui::HelpWindow *help = form.helpWindow();
    ASSERT_TRUE(help->isVisible());
    EXPECT_TRUE(help->browser()->toPlainText().contains(QStringLiteral("Составление кроссворда")));
    form.close();
    EXPECT_FALSE(help->isVisible());
}

TEST_F(MainFormTest, windowHasOneSizeThatFitsAnSvgaScreen)
{
    ui::TMainForm &form = openWindow();
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_LE(form.width(), 800);
    EXPECT_LE(form.height(), 600 - 30) << "room for a title bar on an 800 x 600 screen";

    form.placeOnScreen(QRect(0, 0, 800, 600));
    EXPECT_EQ(form.pos(), QPoint(0, 0));
    form.placeOnScreen(QRect(0, 0, 1024, 768));
    EXPECT_GT(form.x(), 0);
    EXPECT_GT(form.y(), 0);
}

} // namespace
} // namespace klettra::test
