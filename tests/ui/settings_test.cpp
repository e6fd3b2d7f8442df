#include <functional>

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTimer>
#include <QToolButton>

#include "support/testdata.h"
#include "ui/mainform.h"
#include "ui/spinbutton.h"
#include "windowfixture.h"

namespace klettra::test {

namespace {

class WindowSettingsTest : public WindowFixture
{
protected:
    /// Opens the settings dialog, lets `act` look at it and change it, then presses `button`.
    void runOptions(const std::function<void(QDialog &)> &act, const char *button)
    {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            auto *dialog = window->findChild<QDialog *>(QStringLiteral("FormOptions"));
            ASSERT_TRUE(dialog && dialog->isVisible());
            act(*dialog);
            dialog->findChild<QPushButton *>(QLatin1String(button))->click();
            ran = true;
        });
        action("ActionOptions")->trigger();
        EXPECT_TRUE(ran);
    }

    QVariant stored(const char *name) const
    {
        return QSettings(settingsFile(), QSettings::IniFormat).value(QLatin1String(name));
    }
};

bool checked(QDialog &dialog, const char *name)
{
    return dialog.findChild<QAbstractButton *>(QLatin1String(name))->isChecked();
}

TEST_F(WindowSettingsTest, firstRunTakesTheDefaultsAndClosingStoresThem)
{
    writeTemplates({crossTemplate(), squareTemplate()});
    openWindow();
    EXPECT_EQ(window->templates().CurReh, 1);
    runOptions(
        [](QDialog &dialog) {
            EXPECT_TRUE(checked(dialog, "RadioButton1"));
            EXPECT_TRUE(checked(dialog, "CheckBox14"));
            EXPECT_TRUE(checked(dialog, "CheckBox15"));
            EXPECT_TRUE(checked(dialog, "CheckBox1"));
        },
        "BtnCancel");
    closeWindow();

    EXPECT_EQ(stored("CurReh").toInt(), 1);
    EXPECT_EQ(stored("UsedSlovars").toString(), QString());
    EXPECT_EQ(stored("PrioritetSlov").toInt(), 1);
    EXPECT_EQ(stored("CreateWithoutPovtors").toInt(), 1);
    EXPECT_EQ(stored("CenterResh").toInt(), 1);
    EXPECT_EQ(stored("NotUseWordsWithoutVopros").toInt(), 1);
    EXPECT_TRUE(prompter->shown.isEmpty());
}

TEST_F(WindowSettingsTest, changesSurviveARestartButCancelChangesNothing)
{
    writeTemplates({crossTemplate(), squareTemplate()});
    openWindow();
    window->findChild<ui::SpinButton *>(QStringLiteral("SpinButton1"))->upButton()->click();
    runOptions(
        [](QDialog &dialog) {
            dialog.findChild<QRadioButton *>(QStringLiteral("RadioButton3"))->setChecked(true);
            dialog.findChild<QCheckBox *>(QStringLiteral("CheckBox15"))->setChecked(false);
        },
        "BtnOk");
    runOptions(
        [](QDialog &dialog) {
            EXPECT_TRUE(checked(dialog, "RadioButton3"));
            dialog.findChild<QRadioButton *>(QStringLiteral("RadioButton2"))->setChecked(true);
            dialog.findChild<QCheckBox *>(QStringLiteral("CheckBox1"))->setChecked(false);
        },
        "BtnCancel");
    EXPECT_EQ(window->settings().PrioritetSlov, 3);
    EXPECT_TRUE(window->settings().NotUseWordsWithoutVopros);
    closeWindow();

    openWindow();
    EXPECT_EQ(window->templates().CurReh, 2);
    EXPECT_EQ(window->model().cells, squareTemplate());
    EXPECT_EQ(window->settings().PrioritetSlov, 3);
    EXPECT_FALSE(window->settings().CenterResh);
    runOptions([](QDialog &dialog) { EXPECT_TRUE(checked(dialog, "RadioButton3")); }, "BtnCancel");
}

TEST_F(WindowSettingsTest, unusableStoredValuesTakeTheirDefaults)
{
    writeTemplates({crossTemplate(), squareTemplate()});
    writeText(dir / "settings.ini", "[General]\nCurReh=7\nPrioritetSlov=abc\nCreateWithoutPovtors=5\n"
                                    "CenterResh=\nNotUseWordsWithoutVopros=0\n");
    openWindow();
    EXPECT_EQ(window->templates().CurReh, 1);
    EXPECT_EQ(window->settings().PrioritetSlov, 1);
    EXPECT_TRUE(window->settings().CreateWithoutPovtors) << "any stored value but 0 is true";
    EXPECT_TRUE(window->settings().CenterResh);
    EXPECT_FALSE(window->settings().NotUseWordsWithoutVopros);
}

TEST_F(WindowSettingsTest, settingsThatCannotBeWrittenAreReportedAndTheWindowStillCloses)
{
    std::filesystem::create_directory(dir / "settings.ini");
    openWindow();
    window->show();
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(prompter->texts(ScriptedPrompter::Kind::Error),
              QStringList{QStringLiteral("Невозможно сохранить конфигурацию !")});
}

} // namespace
} // namespace klettra::test
