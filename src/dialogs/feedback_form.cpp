#include "dialogs/feedback_form.h"

#include "dialogs/artwork.h"
#include "dialogs/busy_cursor.h"
#include "dialogs/choice_panel.h"
#include "dialogs/feedback_message.h"
#include "dialogs/ink_room.h"
#include "dialogs/limited_text_edit.h"
#include "dialogs/user_notices.h"
#include "i18n/translation_engine.h"

#include <QBoxLayout>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QThread>

namespace {
constexpr QSize ClientSize(525, 326);
constexpr int MaxTextLength = 10000;
constexpr int MaxAddressLength = 100;
const QChar CR(u'\r');

QFont TahomaFont(int pointSize, bool bold = false)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

template <typename TWidget> TWidget* Named(TWidget* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QWidget* Band(QWidget* parent, const char* name, int height, QBoxLayout* layout)
{
    auto* band = Named(new QWidget(parent), name);
    band->setFixedHeight(height);
    band->setLayout(layout);
    return band;
}

} // namespace

TFeedbackForm::TFeedbackForm(const TProgramFacts& facts, TUserNotices& notices, QWidget* parent)
    : QDialog(parent), FFacts(facts), FNotices(notices)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(ClientSize);
    setWindowIcon(ApplicationIcon());
    setFont(TahomaFont(8));
    CreateControls();
    FormCreate();
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void TFeedbackForm::CreateControls()
{
    auto* form = new QVBoxLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    form->setSpacing(0);

    auto* choices = new QHBoxLayout;
    choices->setContentsMargins(0, 0, 0, 0);
    choices->setSpacing(0);
    Panel4 = new TChoicePanel("Panel4", "Image1", QStringLiteral("like"), this);
    Panel4->setFixedWidth(257);
    Panel5 = new TChoicePanel("Panel5", "Image2", QStringLiteral("dislike"), this);
    choices->addWidget(Panel4);
    choices->addWidget(Panel5);
    form->addWidget(Band(this, "Panel3", 46, choices));
    connect(Panel4, &TChoicePanel::LeftMouseDown, this, &TFeedbackForm::Image1MouseDown);
    connect(Panel5, &TChoicePanel::LeftMouseDown, this, &TFeedbackForm::Image2MouseDown);

    auto* middle = new QVBoxLayout;
    middle->setContentsMargins(8, 8, 8, 4);
    middle->setSpacing(4);
    Label1 = Named(new QLabel(this), "Label1");
    Label1->setFont(TahomaFont(12));
    Label2 = Named(new QLabel(this), "Label2");
    Label2->setFont(TahomaFont(10, true));
    Memo1 = Named(new TLimitedTextEdit(MaxTextLength, this), "Memo1");
    Memo1->setFont(TahomaFont(10));
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setTabChangesFocus(true);
    middle->addWidget(Label1);
    middle->addWidget(Label2);
    middle->addWidget(Memo1, 1);
    form->addLayout(middle, 1);

    auto* address = new QHBoxLayout;
    address->setContentsMargins(8, 3, 8, 3);
    Label3 = Named(new QLabel(this), "Label3");
    Edit1 = Named(new QLineEdit(this), "Edit1");
    Edit1->setMaxLength(MaxAddressLength);
    address->addWidget(Label3);
    address->addWidget(Edit1, 1);
    form->addWidget(Band(this, "Panel1", 30, address));

    auto* send = new QHBoxLayout;
    send->setContentsMargins(8, 3, 8, 3);
    BitBtn1 = Named(new QPushButton(this), "BitBtn1");
    BitBtn1->setFixedWidth(172);
    BitBtn1->setIcon(ArtworkIcon(QStringLiteral("feedback")));
    BitBtn1->setAutoDefault(false);
    send->addStretch(1);
    send->addWidget(BitBtn1);
    form->addWidget(Band(this, "Panel2", 39, send));
    connect(BitBtn1, &QPushButton::clicked, this, &TFeedbackForm::BitBtn1Click);
}

void TFeedbackForm::FormCreate()
{
    setWindowTitle(Translate(QStringLiteral("%1 feedback")).arg(FFacts.AppProductName));
    Label1->setText(Translate(QStringLiteral("We would really appreciate your feedback.")));
    Label2->setText(Translate(QStringLiteral("What did you like or dislike?")));
    for (QLabel* large : {Label1, Label2})
        KeepInkInside(large);
    Label3->setText(Translate(QStringLiteral("Include my e-mail:")));
    BitBtn1->setText(Translate(QStringLiteral("Send")));
    Panel4->setText(Translate(QStringLiteral("I like it!")));
    Panel5->setText(Translate(QStringLiteral("I dislike it!")));
}

void TFeedbackForm::Image1MouseDown()
{
    Panel4->SetSelected(!Panel4->Selected());
    if (Panel4->Selected())
        Panel5->SetSelected(false);
}

void TFeedbackForm::Image2MouseDown()
{
    Panel5->SetSelected(!Panel5->Selected());
    if (Panel5->Selected())
        Panel4->SetSelected(false);
}

void TFeedbackForm::BitBtn1Click()
{
    if (FSending)
        return;
    const QString like = ChoiceLine(QStringLiteral("I like it!"), Panel4->text());
    const QString dislike = ChoiceLine(QStringLiteral("I dislike it!"), Panel5->text());

    const QString text = Memo1->toPlainText().trimmed();
    if (text.isEmpty()) {
        Memo1->setFocus();
        FNotices.Beep();
        return;
    }
    const QString address = Edit1->text().trimmed();
    if (!address.isEmpty() && !IsValidEmailAddress(address)) {
        Edit1->setFocus();
        FNotices.ShowMessage(this, Translate(QStringLiteral("Failure")),
                             Translate(QStringLiteral("Invalid e-mail address!")),
                             TUserNotices::TNoticeIcon::niError);
        return;
    }

    QString feedback;
    if (Panel4->Selected())
        feedback = like + CR;
    else if (Panel5->Selected())
        feedback = dislike + CR;
    feedback += text;

    const bool received = Deliver(FeedbackFields(FFacts, feedback, address));
    if (FCloseWhenSent) {
        QDialog::reject();
        return;
    }
    if (received) {
        FNotices.ShowMessage(this, Translate(QStringLiteral("Success")),
                             Translate(QStringLiteral("Your feedback is received.")) + CR + CR +
                                 Translate(QStringLiteral("Thank you!")),
                             TUserNotices::TNoticeIcon::niInformation);
        close();
    } else {
        FNotices.ShowMessage(this, Translate(QStringLiteral("Failure")),
                             Translate(QStringLiteral(
                                 "Something went wrong. Your feedback could not be delivered.")) +
                                 CR + CR + Translate(QStringLiteral("Please try again later.")),
                             TUserNotices::TNoticeIcon::niError);
    }
}

bool TFeedbackForm::Deliver(const QStringList& fields)
{
    FSending = true;
    FCancelled.store(false, std::memory_order_release);
    const TBusyCursor busy(Qt::WaitCursor);
    SetFieldsEnabled(false);
    bool received = false;
    QEventLoop waiting;
    QThread* worker = QThread::create(
        [this, &received, fields] { received = PostFeedback(fields, &FCancelled); });
    connect(worker, &QThread::finished, &waiting, &QEventLoop::quit);
    worker->start();
    waiting.exec();
    worker->wait();
    delete worker;
    SetFieldsEnabled(true);
    FSending = false;
    return received;
}

void TFeedbackForm::SetFieldsEnabled(bool enabled)
{
    for (QWidget* field : std::initializer_list<QWidget*>{Panel4, Panel5, Memo1, Edit1, BitBtn1})
        field->setEnabled(enabled);
}

void TFeedbackForm::reject()
{
    // Escape or the close button while the request runs: it is cancelled, and the window
    // closes once the request has ended.
    if (FSending) {
        FCancelled.store(true, std::memory_order_release);
        FCloseWhenSent = true;
        return;
    }
    QDialog::reject();
}
