#include <gtest/gtest.h>

#include <QCheckBox>
#include <QRadioButton>

#include "ui/dialogs/optionsdialog.h"

namespace klettra::test {

namespace {

QRadioButton *radio(const ui::TFormOptions &dialog, int n)
{
    return dialog.findChild<QRadioButton *>(QStringLiteral("RadioButton%1").arg(n));
}

TEST(OptionsDialogTest, showsAndReturnsTheFourValues)
{
    ui::TFormOptions dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Настройки"));
    EXPECT_EQ(radio(dialog, 1)->text(), QStringLiteral("Приоритет больших (рекомендуется)"));

    dialog.setPrioritetSlov(2);
    dialog.setCreateWithoutPovtors(false);
    dialog.setCenterResh(true);
    dialog.setNotUseWordsWithoutVopros(false);
    EXPECT_TRUE(radio(dialog, 2)->isChecked());
    EXPECT_FALSE(dialog.findChild<QCheckBox *>(QStringLiteral("CheckBox14"))->isChecked());
    EXPECT_TRUE(dialog.findChild<QCheckBox *>(QStringLiteral("CheckBox15"))->isChecked());
    EXPECT_FALSE(dialog.findChild<QCheckBox *>(QStringLiteral("CheckBox1"))->isChecked());

    radio(dialog, 3)->setChecked(true);
    EXPECT_EQ(dialog.prioritetSlov(1), 3);
    EXPECT_FALSE(dialog.createWithoutPovtors());
    EXPECT_TRUE(dialog.centerResh());
    EXPECT_FALSE(dialog.notUseWordsWithoutVopros());
}

TEST(OptionsDialogTest, priorityOutsideOneToThreeKeepsTheButtonsAsTheyWere)
{
    ui::TFormOptions dialog;
    EXPECT_EQ(dialog.prioritetSlov(7), 7) << "no button checked yet: the value stays";
    dialog.setPrioritetSlov(2);
    dialog.setPrioritetSlov(9);
    EXPECT_TRUE(radio(dialog, 2)->isChecked());
    EXPECT_EQ(dialog.prioritetSlov(9), 2);
}

} // namespace
} // namespace klettra::test
