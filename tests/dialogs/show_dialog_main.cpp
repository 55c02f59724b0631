// Shows one of the auxiliary windows on the real screen for a screen shot
// (scripts/dialog-screenshots); not a test. Argument: feedback | about | about-picture.
#include "dialogs/about_box.h"
#include "dialogs/feedback_form.h"
#include "dialogs/qt_user_notices.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString which = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("about");
    const TProgramFacts facts{QStringLiteral("Kelmora - Lintaro"), QStringLiteral("Lintaro"),
                              QStringLiteral("1.1"), QStringLiteral("1.1.0"), QDir::currentPath()};
    TQtUserNotices notices;
    QDialog* window = nullptr;
    if (which == QLatin1String("feedback")) {
        window = new TFeedbackForm(facts, notices);
    } else {
        auto* box = new TAboutBox(facts, notices);
        if (which == QLatin1String("about-picture"))
            QTimer::singleShot(500, box, &TAboutBox::Image1DblClick);
        window = box;
    }
    window->show();
    return app.exec();
}
