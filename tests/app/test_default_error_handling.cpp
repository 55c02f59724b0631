#include "gui_test_base.h"

#include "base/zint_exception.h"

#include <QCoreApplication>
#include <QEvent>

namespace {
// An event handler that fails the way a file operation does.
class TFailingReceiver final : public QObject
{
public:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::User)
            throw EZintException("Cannot open file \"x.txt\". No such file or directory");
        return QObject::event(event);
    }
};
} // namespace

TEST(DefaultErrorHandlingTest, ExceptionFromAnEventHandlerIsShownCaptionedWithTheTitle)
{
    TRecordingDialogService& dialogs = ApplicationDialogs();
    dialogs.ErrorBoxes.clear();
    TFailingReceiver receiver;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&receiver, &event);
    ASSERT_EQ(dialogs.ErrorBoxes.size(), 1u);
    EXPECT_EQ(dialogs.ErrorBoxes[0].Caption, QStringLiteral("Lintaro"));
    EXPECT_EQ(dialogs.ErrorBoxes[0].Text,
              QStringLiteral("Cannot open file \"x.txt\". No such file or directory"));
    dialogs.ErrorBoxes.clear();
}
