#include "windowfixture.h"

#include <QAction>

#include "dictionaries/slovarfiles.h"
#include "dictionaries/slovartable.h"
#include "model/gridcells.h"
#include "support/gridbuilder.h"
#include "support/testdata.h"
#include "ui/mainform.h"
#include "ui/settingsstore.h"

namespace klettra::test {

void WindowFixture::TearDown()
{
    window.reset();
}

void WindowFixture::writeTemplates(const std::vector<model::GridCells> &templates)
{
    std::vector<std::uint8_t> bytes;
    for (const model::GridCells &cells : templates) {
        const auto image = cells.image();
        bytes.insert(bytes.end(), image.begin(), image.end());
    }
    writeBytes(dir / "grating.dat", bytes);
}

void WindowFixture::makeDictionary(const std::string &name, const std::vector<std::string> &words)
{
    ASSERT_TRUE(dictionaries::CreateSlovarTable(dir.path(), name));
    dictionaries::SlovarTable table(dir.path(), name);
    ASSERT_TRUE(table.open());
    for (const std::string &word : words) {
        table.insert();
        table.setField(dictionaries::Field::Slovo, word);
        table.setField(dictionaries::Field::Opisanie, "\xD1\xEB\xEE\xE2\xEE."); // Слово.
        ASSERT_TRUE(table.post());
    }
    table.close();
}

ui::TMainForm &WindowFixture::openWindow()
{
    window = std::make_unique<ui::TMainForm>(ui::MainFormSetup{
        .dataDir = dir.path(),
        .prompter = prompter,
        .settings = ui::QtSettingsStore::inFile(settingsFile()),
    });
    return *window;
}

void WindowFixture::closeWindow()
{
    window->close();
    window.reset();
}

QAction *WindowFixture::action(const char *name) const
{
    return window->findChild<QAction *>(QLatin1String(name));
}

QString WindowFixture::settingsFile() const
{
    return QString::fromStdString((dir / "settings.ini").string());
}

model::GridCells crossTemplate()
{
    return GridBuilder().horizontal(20, 15, 5).vertical(22, 14, 4).number().cells();
}

model::GridCells squareTemplate()
{
    return GridBuilder()
        .horizontal(20, 15, 3)
        .vertical(20, 15, 3)
        .vertical(22, 15, 3)
        .horizontal(20, 17, 3)
        .number()
        .cells();
}

} // namespace klettra::test
