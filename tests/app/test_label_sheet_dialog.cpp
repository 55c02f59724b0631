#include "app/label_sheet_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

#include <gtest/gtest.h>

// The dialog offers the presets, keeps the last choice, and answers only a sheet that can be
// read, saying what is wrong otherwise.
TEST(LabelSheetDialog, AnswersOnlyASheetThatCanBeRead)
{
    TLabelSheetDialog dialog(nullptr, QStringLiteral("letter-3x10"), true);
    auto* sheet = dialog.findChild<QComboBox*>(QStringLiteral("comSheet"));
    auto* problem = dialog.findChild<QLabel*>(QStringLiteral("lblSheetProblem"));
    ASSERT_TRUE(sheet && problem);
    EXPECT_EQ(sheet->findText(QStringLiteral("a4-3x8")), 0);
    EXPECT_EQ(dialog.Sheet(), QStringLiteral("letter-3x10"));
    EXPECT_TRUE(dialog.CutGuides());

    sheet->setCurrentText(QStringLiteral("a4,3x8,0x37,0,0"));
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(problem->text().contains(QStringLiteral("label \"0\"")))
        << problem->text().toStdString();

    sheet->setCurrentText(QStringLiteral(" a4,3x8,70x37,0.5:0:0.5:0,0 "));
    dialog.findChild<QCheckBox*>(QStringLiteral("cbCutGuides"))->setChecked(false);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Sheet(), QStringLiteral("a4,3x8,70x37,0.5:0:0.5:0,0"));
    EXPECT_FALSE(dialog.CutGuides());
}
