#pragma once

#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include <QString>

#include "scriptedprompter.h"
#include "support/tempdir.h"

namespace klettra::model {
class GridCells;
}

namespace klettra::ui {
class TMainForm;
}

class QAction;

namespace klettra::test {

/// A main window over a temporary data directory and a settings file of its own, answering
/// its dialogs from a ScriptedPrompter.
class WindowFixture : public ::testing::Test
{
protected:
    void TearDown() override;

    /// Writes the templates as the data directory's "grating.dat".
    void writeTemplates(const std::vector<model::GridCells> &templates);

    /// Creates dictionary `name` (UTF-8) holding the words (Windows-1251) with the clue "Слово.".
    void makeDictionary(const std::string &name, const std::vector<std::string> &words);

    /// Creates (or recreates, after closing the last one) the window.
    ui::TMainForm &openWindow();
    /// Closes the window as its close box does; it is destroyed.
    void closeWindow();

    QAction *action(const char *name) const;

    QString settingsFile() const;

    TempDir dir;
    std::shared_ptr<ScriptedPrompter> prompter = std::make_shared<ScriptedPrompter>();
    std::unique_ptr<ui::TMainForm> window;
};

/// Small templates for the window tests.
model::GridCells crossTemplate();  ///< one across slot of 5 crossed by one down slot of 4
model::GridCells squareTemplate(); ///< four slots of 3 forming a ring

} // namespace klettra::test
