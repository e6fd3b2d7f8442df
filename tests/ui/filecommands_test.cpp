#include <QAction>
#include <QComboBox>
#include <QToolButton>

#include "document/crosfile.h"
#include "support/gridbuilder.h"
#include "support/testdata.h"
#include "ui/counterlabel.h"
#include "ui/filecontroller.h"
#include "ui/mainform.h"
#include "ui/sidebar.h"
#include "ui/spinbutton.h"
#include "windowfixture.h"

namespace klettra::test {

namespace {

class FileCommandsTest : public WindowFixture
{
protected:
    /// Two templates, and "saved.crs" holding the first one filled with ПРОК down and ПАРУС across.
    void SetUp() override
    {
        writeTemplates({crossTemplate(), squareTemplate()});
        model::Model m = GridBuilder().horizontal(20, 15, 5).vertical(22, 14, 4).number().model();
        m.slot(1).Word.assign("\xCF\xD0\xCE\xCA");
        m.slot(2).Word.assign("\xCF\xC0\xD0\xD3\xD1");
        m.slot(1).Used = m.slot(2).Used = 1;
        ASSERT_TRUE(document::SaveCrosFile(m, dir / "saved.crs"));
        saved = m.slots;
    }

    void loadSaved()
    {
        prompter->fileNames.enqueue(path("saved.crs"));
        action("ActionLoadFile")->trigger();
        ASSERT_EQ(window->model().slots, saved);
    }

    QString path(const char *name) const { return QString::fromStdString((dir / name).string()); }
    ui::FileController &files() { return *window->findChild<ui::FileController *>(); }
    QString counter(const char *name) const
    {
        return window->findChild<ui::CounterLabel *>(QLatin1String(name))->text();
    }

    model::WordBukvArray saved;
};

TEST_F(FileCommandsTest, saveAsNamesTheWindowAndCountsAcceptedProposals)
{
    openWindow();
    loadSaved();

    prompter->fileNames.enqueue(path("Untitled0.crs"));
    action("ActionSaveAsFile")->trigger();
    ASSERT_EQ(prompter->shown.last().kind, ScriptedPrompter::Kind::SaveFile);
    EXPECT_EQ(prompter->shown.last().request.proposedName, QStringLiteral("Untitled0"));
    EXPECT_EQ(prompter->shown.last().request.title, QStringLiteral("Сохранение кроссворда"));
    EXPECT_EQ(prompter->shown.last().request.defaultSuffix, QStringLiteral("crs"));
    EXPECT_TRUE(std::filesystem::exists(dir / "Untitled0.crs"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Klettra 1.21 - Untitled0"));
    EXPECT_EQ(files().UntitledCount(), 1);

    prompter->fileNames.enqueue(path("untitled1.crs"));
    action("ActionSaveAsFile")->trigger();
    EXPECT_EQ(prompter->shown.last().request.proposedName, QStringLiteral("Untitled1"));
    EXPECT_EQ(files().UntitledCount(), 1) << "another letter case is another name";
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Klettra 1.21 - untitled1"));

    const auto shownBefore = prompter->shown.size();
    std::filesystem::remove(dir / "untitled1.crs");
    action("ActionSaveFile")->trigger();
    EXPECT_EQ(prompter->shown.size(), shownBefore) << "a named crossword is saved without a dialog";
    EXPECT_TRUE(std::filesystem::exists(dir / "untitled1.crs"));
}

TEST_F(FileCommandsTest, loadingAFileShowsItsCrosswordOutsideTheSet)
{
    openWindow();
    window->findChild<ui::SpinButton *>(QStringLiteral("SpinButton1"))->upButton()->click();
    loadSaved();
    EXPECT_EQ(window->model().cells, crossTemplate());
    EXPECT_EQ(prompter->shown.first().request.directory, QString::fromStdString(dir.path().string()));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Klettra 1.21 - saved"));
    EXPECT_FALSE(window->CrossReady()) << "a loaded crossword does not count as composed";
    EXPECT_TRUE(window->FullSetkaShown());
    EXPECT_EQ(window->sideBar().CBox_View->currentIndex(), 1);
    EXPECT_TRUE(window->sideBar().CBox_View->isEnabled());
    for (const char *name : {"ActionSaveFile", "ActionSaveAsFile", "ActionViewFullSetka", "ActionViewVopros",
                             "ActionViewOtvets", "ActionCreateCros"})
        EXPECT_TRUE(action(name)->isEnabled()) << name;
    EXPECT_EQ(counter("RxLabel1"), QStringLiteral("???"));
    EXPECT_EQ(counter("RxLabel5"), QStringLiteral("2"));
    EXPECT_EQ(window->model().letters(20, 15), '\xCF');

    window->findChild<ui::SpinButton *>(QStringLiteral("SpinButton1"))->downButton()->click();
    EXPECT_EQ(counter("RxLabel1"), QStringLiteral("1")) << "browsing returns to the set";
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Klettra 1.21"));
    loadSaved();

    window->show();
    action("ActionExit")->trigger();
    EXPECT_FALSE(window->isVisible()) << "no question after loading";
    EXPECT_TRUE(prompter->texts(ScriptedPrompter::Kind::Ask).isEmpty());
}

TEST_F(FileCommandsTest, aDamagedFileIsRefusedAndLeavesAnEmptyCrossword)
{
    openWindow();
    loadSaved();
    auto bytes = readBytes(dir / "saved.crs");
    bytes.resize(bytes.size() - 3);
    writeBytes(dir / "bad.crs", bytes);

    prompter->fileNames.enqueue(path("bad.crs"));
    action("ActionLoadFile")->trigger();
    EXPECT_EQ(prompter->texts(ScriptedPrompter::Kind::Error),
              QStringList{QStringLiteral("Файл не является файлом кроссворда!")});
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Klettra 1.21"));
    EXPECT_EQ(window->model().cells, crossTemplate()) << "the loaded grid stays, emptied";
    EXPECT_EQ(window->model().slot(1).Used, 0);
    for (const char *name : {"ActionSaveFile", "ActionSaveAsFile", "ActionViewFullSetka"})
        EXPECT_FALSE(action(name)->isEnabled()) << name;
    EXPECT_EQ(counter("RxLabel1"), QStringLiteral("???")) << "the grid is still the earlier file's";
}

TEST_F(FileCommandsTest, aFailedSaveIsReportedAndNamesNoFile)
{
    openWindow();
    loadSaved();
    prompter->fileNames.enqueue(path("missing-folder/x.crs"));
    action("ActionSaveAsFile")->trigger();
    const QStringList errors = prompter->texts(ScriptedPrompter::Kind::Error);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.first().startsWith(QStringLiteral("Не удалось сохранить кроссворд")));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Klettra 1.21 - saved")) << "still the loaded file";
    EXPECT_FALSE(std::filesystem::exists(dir / "missing-folder"));
}

TEST_F(FileCommandsTest, cancelledDialogsChangeNothing)
{
    openWindow();
    loadSaved();
    action("ActionLoadFile")->trigger();
    action("ActionSaveAsFile")->trigger();
    EXPECT_EQ(window->model().slots, saved);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Klettra 1.21 - saved"));
    EXPECT_EQ(files().UntitledCount(), 0);
}

} // namespace
} // namespace klettra::test
