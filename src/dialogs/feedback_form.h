#pragma once

#include "dialogs/program_facts.h"

#include <QDialog>

#include <atomic>

class QLabel;
class QLineEdit;
class QPushButton;
class TChoicePanel;
class TLimitedTextEdit;
class TUserNotices;

// Sends the user's opinion, an optional like or dislike and an optional reply address to the
// maker's feedback service. Frees itself when closed.
class TFeedbackForm final : public QDialog
{
    Q_OBJECT

public:
    TFeedbackForm(const TProgramFacts& facts, TUserNotices& notices, QWidget* parent = nullptr);

    void BitBtn1Click();

    void reject() override;

private:
    void CreateControls();
    void FormCreate();
    void Image1MouseDown();
    void Image2MouseDown();
    // Posts off the GUI thread while the window waits, painting, its fields closed to input;
    // Escape and the close button still reach it.
    bool Deliver(const QStringList& fields);
    void SetFieldsEnabled(bool enabled);

    TProgramFacts FFacts;
    TUserNotices& FNotices;
    bool FSending = false;
    bool FCloseWhenSent = false;
    std::atomic<bool> FCancelled{false};

    TChoicePanel* Panel4 = nullptr;
    TChoicePanel* Panel5 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    TLimitedTextEdit* Memo1 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
};
