#include "dialogs/feedback_form.h"

#include "recording_user_notices.h"
#include "support/loopback_server.h"
#include "translation_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

namespace {
const QString Failed = QStringLiteral(
    "Something went wrong. Your feedback could not be delivered.\r\rPlease try again later.");
const QString Received = QStringLiteral("Your feedback is received.\r\rThank you!");

class FeedbackForm : public testing::Test
{
protected:
    void SetUp() override { qputenv("LINTARO_SERVICE_HOST", Server.ServiceHost().toUtf8()); }
    void TearDown() override
    {
        delete Form.data();
        qunsetenv("LINTARO_SERVICE_HOST");
    }

    TFeedbackForm& Open()
    {
        Form = new TFeedbackForm({QStringLiteral("Kelmora - Lintaro"), QStringLiteral("Lintaro"),
                                  QStringLiteral("1.1"), QString(), QString()},
                                 Notices);
        Form->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(Form));
        return *Form;
    }

    template <typename TWidget> TWidget* Find(const char* name) const
    {
        auto* widget = Form->findChild<TWidget*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QPlainTextEdit* Memo() const { return Find<QPlainTextEdit>("Memo1"); }
    QLineEdit* Address() const { return Find<QLineEdit>("Edit1"); }
    void Click(const char* name, Qt::MouseButton button = Qt::LeftButton) const
    {
        QTest::mouseClick(Find<QWidget>(name), button);
    }
    void Send() const { Find<QPushButton>("BitBtn1")->click(); }
    bool Closed() const
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return Form.isNull();
    }

    TLoopbackServer Server;
    TRecordingUserNotices Notices;
    QPointer<TFeedbackForm> Form;
};
} // namespace

TEST_F(FeedbackForm, SendsTheFieldsInOrderAndClosesWhenReceived)
{
    struct TCase
    {
        const char* Name;
        QByteArray Translation;
        std::vector<const char*> Clicks; // panels or pictures, in order
        QString Address;
        QString Feedback;
    };
    const TCase cases[] = {
        {"NoChoiceNoAddress", "", {}, QString(), QStringLiteral("Fine tool.\nThanks")},
        {"Like",
         "",
         {"Panel4"},
         QStringLiteral(" a.b+c@mail.example.org "),
         QStringLiteral("I like it!\rFine tool.\nThanks")},
        {"LikeThenDislike",
         "",
         {"Image1", "Panel5"},
         QString(),
         QStringLiteral("I dislike it!\rFine tool.\nThanks")},
        {"LikeTwiceIsNoChoice",
         "",
         {"Panel4", "Image1"},
         QString(),
         QStringLiteral("Fine tool.\nThanks")},
        {"TranslatedDislike",
         "{I dislike it!}Gef\xc3\xa4llt mir nicht\n",
         {"Image2"},
         QString(),
         QStringLiteral("I dislike it! (Gefällt mir nicht)\rFine tool.\nThanks")},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Name);
        std::optional<TActiveTranslation> translation;
        if (!test.Translation.isEmpty())
            translation.emplace(test.Translation);
        Server.Forget();
        Server.SetReply(TCannedReply::Answer("OK\n"));
        Notices.Messages.clear();
        Open();
        for (const char* name : test.Clicks)
            Click(name);
        Memo()->setPlainText(QStringLiteral(" \n Fine tool.\nThanks \n\n"));
        Address()->setText(test.Address);
        Send();

        // The host names plain http: one connection, no https attempt before it.
        EXPECT_EQ(Server.Connections(), 1);
        EXPECT_EQ(Server.RefusedConnections(), 0);
        const std::vector<TRecordedRequest> requests = Server.Requests();
        ASSERT_EQ(requests.size(), 1u);
        const TRecordedRequest& request = requests[0];
        EXPECT_EQ(request.Method, "POST");
        EXPECT_EQ(request.Path, "/php/feedback.php");
        EXPECT_EQ(request.Headers.value("content-type"), "application/x-www-form-urlencoded");
        QStringList expected{
            QStringLiteral("cmd=feedback"), QStringLiteral("appname=Kelmora - Lintaro"),
            QStringLiteral("version=1.1"), QStringLiteral("feedback=") + test.Feedback};
        if (!test.Address.trimmed().isEmpty())
            expected << QStringLiteral("email=") + test.Address.trimmed();
        EXPECT_EQ(request.FormFields(), expected);

        ASSERT_EQ(Notices.Messages.size(), 1u);
        EXPECT_EQ(Notices.Messages[0].Caption, QStringLiteral("Success"));
        EXPECT_EQ(Notices.Messages[0].Text, Received);
        EXPECT_EQ(Notices.Messages[0].Icon, TUserNotices::TNoticeIcon::niInformation);
        EXPECT_TRUE(Closed());
    }
}

TEST_F(FeedbackForm, AnythingButOkKeepsTheWindowAndEverythingTyped)
{
    struct TCase
    {
        const char* Name;
        int Status;
        QByteArray Body;
        bool Answers;
    };
    const TCase cases[] = {
        {"OtherBody", 200, "ERROR", true},      {"OkAmongOtherText", 200, "OK, but no", true},
        {"EmptyBody", 200, "", true},           {"HttpError", 500, "OK", true},
        {"NoAnswerTimesOut", 200, "OK", false},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Name);
        Server.SetReply(test.Answers ? TCannedReply::Answer(test.Body, test.Status)
                                     : TCannedReply::Silence());
        Notices.Messages.clear();
        Open();
        Click("Panel5");
        Memo()->setPlainText(QStringLiteral("Too slow"));
        Address()->setText(QStringLiteral("me@example.com"));
        Send();

        ASSERT_EQ(Notices.Messages.size(), 1u);
        EXPECT_EQ(Notices.Messages[0].Caption, QStringLiteral("Failure"));
        EXPECT_EQ(Notices.Messages[0].Text, Failed);
        EXPECT_EQ(Notices.Messages[0].Icon, TUserNotices::TNoticeIcon::niError);
        EXPECT_FALSE(Closed());
        EXPECT_TRUE(Form->isVisible());
        EXPECT_EQ(Memo()->toPlainText(), QStringLiteral("Too slow"));
        EXPECT_EQ(Address()->text(), QStringLiteral("me@example.com"));
        EXPECT_EQ(Find<QWidget>("Panel5")->palette().color(QPalette::Window),
                  QApplication::palette().color(QPalette::Highlight));
        delete Form.data();
    }
}

TEST_F(FeedbackForm, NoServiceAtAllIsAFailure)
{
    qputenv("LINTARO_SERVICE_HOST", "127.0.0.1:1");
    Open();
    Memo()->setPlainText(QStringLiteral("Hello"));
    Send();
    ASSERT_EQ(Notices.Messages.size(), 1u);
    EXPECT_EQ(Notices.Messages[0].Text, Failed);
    EXPECT_FALSE(Closed());
}

TEST_F(FeedbackForm, EmptyTextBeepsAndSendsNothing)
{
    for (const QString& text : {QString(), QStringLiteral("  \n\t \n ")}) {
        Open();
        Click("Panel4");
        Address()->setFocus();
        Memo()->setPlainText(text);
        Address()->setText(QStringLiteral("not an address"));
        Send();
        EXPECT_TRUE(Memo()->hasFocus());
        delete Form.data();
    }
    EXPECT_EQ(Notices.Beeps, 2);
    EXPECT_TRUE(Notices.Messages.empty());
    EXPECT_TRUE(Server.Requests().empty());
    EXPECT_EQ(Server.RefusedConnections(), 0);
}

TEST_F(FeedbackForm, InvalidAddressIsReportedWithTheFocusOnIt)
{
    TActiveTranslation translation("{Failure}Hata\n");
    Open();
    Memo()->setPlainText(QStringLiteral("Hello"));
    Address()->setText(QStringLiteral("john@localhost"));
    Memo()->setFocus();
    Send();
    EXPECT_TRUE(Address()->hasFocus());
    ASSERT_EQ(Notices.Messages.size(), 1u);
    EXPECT_EQ(Notices.Messages[0].Caption, QStringLiteral("Hata"));
    EXPECT_EQ(Notices.Messages[0].Text, QStringLiteral("Invalid e-mail address!"));
    EXPECT_EQ(Notices.Messages[0].Icon, TUserNotices::TNoticeIcon::niError);
    EXPECT_EQ(Notices.Beeps, 0);
    EXPECT_TRUE(Server.Requests().empty());
    EXPECT_EQ(Address()->text(), QStringLiteral("john@localhost"));
}

TEST_F(FeedbackForm, WhileSendingTheFieldsTakeNoInputAndTheBusyCursorShows)
{
    Open();
    Memo()->setPlainText(QStringLiteral("Hello"));
    std::optional<Qt::CursorShape> cursor;
    QString typed;
    QColor choice;
    Server.SetOnRequest([&] {
        if (const QCursor* busy = QGuiApplication::overrideCursor())
            cursor = busy->shape();
        QTest::keyClick(Memo(), Qt::Key_X);
        Click("Panel4");
        typed = Memo()->toPlainText();
        choice = Find<QWidget>("Panel4")->palette().color(QPalette::Window);
    });
    Send();
    EXPECT_EQ(cursor, Qt::WaitCursor);
    EXPECT_EQ(typed, QStringLiteral("Hello"));
    EXPECT_NE(choice, QApplication::palette().color(QPalette::Highlight));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(Closed()); // received: closes now
}

// Escape or the close button while the service keeps silent: the post is cancelled and the
// window closes without a message; nothing is sent again.
TEST_F(FeedbackForm, WhileSendingEscapeOrCloseCancelsAndClosesTheWindow)
{
    for (const bool escape : {true, false}) {
        SCOPED_TRACE(escape ? "Escape" : "close");
        Server.Forget();
        Server.SetReply(TCannedReply::Silence());
        Notices.Messages.clear();
        Open();
        Memo()->setPlainText(QStringLiteral("Hello"));
        bool openWhileSending = false;
        Server.SetOnRequest([&] {
            if (escape)
                QTest::keyClick(Form, Qt::Key_Escape);
            else
                Form->close();
            openWhileSending = !Form.isNull() && Form->isVisible();
        });
        Send();
        EXPECT_TRUE(openWhileSending);
        EXPECT_TRUE(Notices.Messages.empty());
        EXPECT_EQ(Server.Requests().size(), 1u);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_TRUE(Closed());
        Server.SetOnRequest({});
    }
}

TEST_F(FeedbackForm, ChoicePanelsFollowTheLeftButtonOnly)
{
    Open();
    auto* like = Find<QWidget>("Panel4");
    auto* dislike = Find<QWidget>("Panel5");
    const QColor highlight = QApplication::palette().color(QPalette::Highlight);
    const QColor face = QApplication::palette().color(QPalette::Button);
    auto background = [](QWidget* panel) { return panel->palette().color(QPalette::Window); };

    Click("Panel4", Qt::RightButton);
    EXPECT_EQ(background(like), face);
    Click("Image1");
    EXPECT_EQ(background(like), highlight);
    EXPECT_EQ(like->palette().color(QPalette::WindowText),
              QApplication::palette().color(QPalette::HighlightedText));
    Click("Image2");
    EXPECT_EQ(background(like), face);
    EXPECT_EQ(background(dislike), highlight);
    Click("Panel5");
    EXPECT_EQ(background(dislike), face);
    EXPECT_EQ(dislike->palette().color(QPalette::WindowText),
              QApplication::palette().color(QPalette::WindowText));
}

TEST_F(FeedbackForm, TextAndAddressStopAtTheirLimits)
{
    Open();
    const QString start(9995, QLatin1Char('a'));
    Memo()->setPlainText(start);
    Memo()->moveCursor(QTextCursor::End);
    QApplication::clipboard()->setText(QString(10, QLatin1Char('b')));
    Memo()->paste(); // keeps what fits
    EXPECT_EQ(Memo()->toPlainText(), start + QString(5, QLatin1Char('b')));
    QTest::keyClicks(Memo(), QStringLiteral("cc"));
    QTest::keyClick(Memo(), Qt::Key_Return);
    EXPECT_EQ(Memo()->toPlainText(), start + QString(5, QLatin1Char('b')));
    QTest::keyClick(Memo(), Qt::Key_Backspace); // editing goes on
    QTest::keyClicks(Memo(), QStringLiteral("c"));
    EXPECT_EQ(Memo()->toPlainText(), start + QStringLiteral("bbbbc"));
    Memo()->selectAll(); // a paste over a selection replaces it
    Memo()->paste();
    EXPECT_EQ(Memo()->toPlainText(), QString(10, QLatin1Char('b')));

    // A surrogate pair at the limit is never cut in half.
    Memo()->setPlainText(QString(9999, QLatin1Char('a')));
    Memo()->moveCursor(QTextCursor::End);
    QApplication::clipboard()->setText(QString::fromUtf8("\xf0\x9f\x98\xba"));
    Memo()->paste();
    EXPECT_EQ(Memo()->toPlainText(), QString(9999, QLatin1Char('a')));

    QTest::keyClicks(Address(), QString(105, QLatin1Char('m')));
    EXPECT_EQ(Address()->text().size(), 100);
}

TEST_F(FeedbackForm, EscapeClosesFromEveryField)
{
    for (const char* name : {"Memo1", "Edit1", "BitBtn1"}) {
        Open();
        QWidget* field = Find<QWidget>(name);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Escape);
        EXPECT_TRUE(Closed()) << name;
    }
}

TEST_F(FeedbackForm, CaptionAndTextsGoThroughTheTranslation)
{
    // The program's name stands where the language puts it in the sentence.
    TActiveTranslation translation("{%1 feedback}Geri bildirim: %1\n{Send}G\xc3\xb6nder\n");
    TFeedbackForm& form = Open();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Geri bildirim: Lintaro"));
    EXPECT_EQ(Find<QPushButton>("BitBtn1")->text(), QStringLiteral("Gönder"));
    EXPECT_EQ(form.size(), QSize(525, 326));
}
