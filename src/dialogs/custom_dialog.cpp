#include "dialogs/custom_dialog.h"

#include "dialogs/whole_title.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>

#include <vector>

namespace {

TCustomDialogHook& Hook()
{
    static TCustomDialogHook hook;
    return hook;
}

struct TButtonInfo
{
    TMsgDlgBtn Button;
    const char* Caption;
    QMessageBox::ButtonRole Role;
    int Result;
};

const TButtonInfo kButtons[] = {
    {TMsgDlgBtn::mbYes, "&Yes", QMessageBox::YesRole, mrYes},
    {TMsgDlgBtn::mbNo, "&No", QMessageBox::NoRole, mrNo},
    {TMsgDlgBtn::mbOK, "OK", QMessageBox::AcceptRole, mrOk},
    {TMsgDlgBtn::mbCancel, "Cancel", QMessageBox::RejectRole, mrCancel},
    {TMsgDlgBtn::mbAbort, "&Abort", QMessageBox::RejectRole, mrAbort},
    {TMsgDlgBtn::mbRetry, "&Retry", QMessageBox::AcceptRole, mrRetry},
    {TMsgDlgBtn::mbIgnore, "&Ignore", QMessageBox::AcceptRole, mrIgnore},
    {TMsgDlgBtn::mbAll, "&All", QMessageBox::YesRole, mrAll},
    {TMsgDlgBtn::mbNoToAll, "N&o to All", QMessageBox::NoRole, mrNoToAll},
    {TMsgDlgBtn::mbYesToAll, "Yes to &All", QMessageBox::YesRole, mrYesToAll},
    {TMsgDlgBtn::mbHelp, "&Help", QMessageBox::HelpRole, mrHelp},
    {TMsgDlgBtn::mbClose, "&Close", QMessageBox::RejectRole, mrClose},
};

const char* const kResultProperty = "lintaroModalResult";

QMessageBox::Icon IconOf(TMsgDlgType type)
{
    switch (type) {
    case TMsgDlgType::mtWarning:
        return QMessageBox::Warning;
    case TMsgDlgType::mtError:
        return QMessageBox::Critical;
    case TMsgDlgType::mtInformation:
        return QMessageBox::Information;
    case TMsgDlgType::mtConfirmation:
        return QMessageBox::Question;
    case TMsgDlgType::mtCustom:
        break;
    }
    return QMessageBox::NoIcon;
}

QString DefaultCaption(TMsgDlgType type)
{
    switch (type) {
    case TMsgDlgType::mtWarning:
        return QStringLiteral("Warning");
    case TMsgDlgType::mtError:
        return QStringLiteral("Error");
    case TMsgDlgType::mtInformation:
        return QStringLiteral("Information");
    case TMsgDlgType::mtConfirmation:
        return QStringLiteral("Confirm");
    case TMsgDlgType::mtCustom:
        break;
    }
    return QString();
}

} // namespace

std::unique_ptr<QMessageBox> CreateCustomDialog(const TCustomDialogRequest& request,
                                                QWidget* parent)
{
    auto dialog = std::make_unique<QMessageBox>(parent);
    dialog->setIcon(IconOf(request.Type));
    dialog->setText(request.Text);
    dialog->setWindowTitle(request.Caption.isEmpty() ? DefaultCaption(request.Type)
                                                     : request.Caption);
    KeepTitleWhole(*dialog);
    std::vector<std::pair<QPushButton*, int>> buttons;
    int captionIndex = 0;
    for (const TButtonInfo& info : kButtons) {
        if (request.Buttons.count(info.Button) == 0)
            continue;
        const QString caption = captionIndex < request.ButtonCaptions.size()
                                    ? request.ButtonCaptions.at(captionIndex++)
                                    : QString::fromLatin1(info.Caption);
        QPushButton* button = dialog->addButton(caption, info.Role);
        button->setProperty(kResultProperty, info.Result);
        buttons.emplace_back(button, info.Result);
    }
    // The first of Yes / OK is the default; Escape answers Cancel, else No, else OK.
    for (const auto& [button, result] : buttons)
        if (result == mrYes || result == mrOk) {
            dialog->setDefaultButton(button);
            break;
        }
    for (int escape : {mrCancel, mrNo, mrOk})
        for (const auto& [button, result] : buttons)
            if (result == escape && !dialog->escapeButton())
                dialog->setEscapeButton(button);
    return dialog;
}

int ModalResultOf(const QMessageBox& dialog)
{
    const QAbstractButton* clicked = dialog.clickedButton();
    return clicked ? clicked->property(kResultProperty).toInt() : mrNone;
}

int ShowCustomDialog(const QString& text, TMsgDlgType type, const TMsgDlgButtons& buttons,
                     const QString& caption, const QStringList& buttonCaptions, QWidget* parent)
{
    const TCustomDialogRequest request{text, type, buttons, caption, buttonCaptions};
    if (Hook())
        return Hook()(request);
    const std::unique_ptr<QMessageBox> dialog = CreateCustomDialog(request, parent);
    dialog->exec();
    return ModalResultOf(*dialog);
}

void SetCustomDialogHook(TCustomDialogHook hook)
{
    Hook() = std::move(hook);
}
