#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <set>

class QMessageBox;
class QWidget;

// Kinds and buttons of a standard message dialog, in the order the dialog holds its buttons.
enum class TMsgDlgType
{
    mtWarning,
    mtError,
    mtInformation,
    mtConfirmation,
    mtCustom
};
enum class TMsgDlgBtn
{
    mbYes,
    mbNo,
    mbOK,
    mbCancel,
    mbAbort,
    mbRetry,
    mbIgnore,
    mbAll,
    mbNoToAll,
    mbYesToAll,
    mbHelp,
    mbClose
};
using TMsgDlgButtons = std::set<TMsgDlgBtn>;

// Modal results.
inline constexpr int mrNone = 0;
inline constexpr int mrOk = 1;
inline constexpr int mrCancel = 2;
inline constexpr int mrAbort = 3;
inline constexpr int mrRetry = 4;
inline constexpr int mrIgnore = 5;
inline constexpr int mrYes = 6;
inline constexpr int mrNo = 7;
inline constexpr int mrClose = 8;
inline constexpr int mrHelp = 9;
inline constexpr int mrAll = 12;
inline constexpr int mrNoToAll = 13;
inline constexpr int mrYesToAll = 14;

struct TCustomDialogRequest
{
    QString Text;
    TMsgDlgType Type = TMsgDlgType::mtInformation;
    TMsgDlgButtons Buttons;
    QString Caption;
    QStringList ButtonCaptions;
};

// A standard message dialog of the given type and buttons, its caption replaced and its
// buttons, in the dialog's order, captioned one by one while captions remain. Not shown.
std::unique_ptr<QMessageBox> CreateCustomDialog(const TCustomDialogRequest& request,
                                                QWidget* parent = nullptr);
// The modal result of the button in the dialog (mrNone when none is).
int ModalResultOf(const QMessageBox& dialog);

// Shows the dialog modally and answers the modal result of the button pressed
// (Escape answers Cancel, else No, else OK when the dialog has them).
int ShowCustomDialog(const QString& text, TMsgDlgType type, const TMsgDlgButtons& buttons,
                     const QString& caption, const QStringList& buttonCaptions,
                     QWidget* parent = nullptr);

// A modal dialog is a boundary a test cannot click: while a hook is set, ShowCustomDialog
// hands its request to the hook and answers what the hook answers. An empty hook restores
// the real dialog.
using TCustomDialogHook = std::function<int(const TCustomDialogRequest&)>;
void SetCustomDialogHook(TCustomDialogHook hook);
