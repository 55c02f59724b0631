#include "dialogs/custom_dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {
QStringList ButtonTexts(const QMessageBox& dialog)
{
    QStringList texts;
    for (const QAbstractButton* button : dialog.buttons())
        texts << button->text();
    return texts;
}

QAbstractButton* ButtonWithText(const QMessageBox& dialog, const QString& text)
{
    for (QAbstractButton* button : dialog.buttons())
        if (button->text() == text)
            return button;
    return nullptr;
}
} // namespace

TEST(CustomDialog, CaptionAndButtonCaptionsAreReplacedInTheDialogsOrder)
{
    const auto dialog = CreateCustomDialog({QStringLiteral("Anwendung neu starten?"),
                                            TMsgDlgType::mtConfirmation,
                                            {TMsgDlgBtn::mbNo, TMsgDlgBtn::mbYes},
                                            QStringLiteral("Bestätigung"),
                                            {QStringLiteral("Ja"), QStringLiteral("Nein")}});
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Bestätigung"));
    EXPECT_EQ(dialog->text(), QStringLiteral("Anwendung neu starten?"));
    EXPECT_EQ(dialog->icon(), QMessageBox::Question);
    QStringList texts = ButtonTexts(*dialog);
    texts.sort();
    EXPECT_EQ(texts, (QStringList{QStringLiteral("Ja"), QStringLiteral("Nein")}));
    EXPECT_EQ(dialog->defaultButton()->text(), QStringLiteral("Ja"));
    EXPECT_EQ(dialog->escapeButton()->text(), QStringLiteral("Nein"));
}

TEST(CustomDialog, ButtonsBeyondTheCaptionsKeepTheirOwn)
{
    const auto dialog =
        CreateCustomDialog({QStringLiteral("text"),
                            TMsgDlgType::mtWarning,
                            {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo, TMsgDlgBtn::mbCancel},
                            QString(),
                            {QStringLiteral("Evet")}});
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Warning"));
    QStringList texts = ButtonTexts(*dialog);
    texts.sort();
    EXPECT_EQ(texts, (QStringList{QStringLiteral("&No"), QStringLiteral("Cancel"),
                                  QStringLiteral("Evet")}));
    EXPECT_EQ(dialog->escapeButton()->text(), QStringLiteral("Cancel"));
}

TEST(CustomDialog, ModalResultIsThatOfTheButtonPressed)
{
    for (const auto& [caption, result] : {std::pair{"Ja", mrYes}, std::pair{"Nein", mrNo}}) {
        const auto dialog = CreateCustomDialog({QStringLiteral("?"),
                                                TMsgDlgType::mtConfirmation,
                                                {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo},
                                                QStringLiteral("c"),
                                                {QStringLiteral("Ja"), QStringLiteral("Nein")}});
        EXPECT_EQ(ModalResultOf(*dialog), mrNone);
        ButtonWithText(*dialog, QString::fromUtf8(caption))->click();
        EXPECT_EQ(ModalResultOf(*dialog), result) << caption;
    }
    EXPECT_EQ(mrYes, 6);
}

TEST(CustomDialog, HookAnswersInsteadOfTheUser)
{
    std::vector<TCustomDialogRequest> requests;
    SetCustomDialogHook([&](const TCustomDialogRequest& request) {
        requests.push_back(request);
        return mrNo;
    });
    EXPECT_EQ(ShowCustomDialog(QStringLiteral("t"), TMsgDlgType::mtConfirmation,
                               {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo}, QStringLiteral("c"),
                               {QStringLiteral("y"), QStringLiteral("n")}),
              mrNo);
    SetCustomDialogHook({});
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].Caption, QStringLiteral("c"));
    EXPECT_EQ(requests[0].ButtonCaptions, (QStringList{QStringLiteral("y"), QStringLiteral("n")}));
}

// A short message under a long title: the box is as wide as the whole title, never the
// title shortened to the message's width.
TEST(CustomDialog, BoxIsWideEnoughForItsWholeTitle)
{
    for (const char* title : {"Confirm", "Cannot load the list file - Lintaro",
                              "Export finished with 3 errors - Kelmora Lintaro"}) {
        const auto dialog = CreateCustomDialog({QStringLiteral("OK?"),
                                                TMsgDlgType::mtConfirmation,
                                                {TMsgDlgBtn::mbYes},
                                                QLatin1String(title),
                                                {}});
        dialog->show();
        QFont bold = QApplication::font("QMdiSubWindowTitleBar");
        bold.setBold(true);
        EXPECT_GT(dialog->width(), QFontMetrics(bold).horizontalAdvance(QLatin1String(title)))
            << title;
        dialog->hide();
    }
}
