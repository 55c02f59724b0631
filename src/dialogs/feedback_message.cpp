#include "dialogs/feedback_message.h"

#include "dialogs/program_facts.h"
#include "net/post_form.h"
#include "platform/service_host.h"

#include <QRegularExpression>

bool IsValidEmailAddress(const QString& address)
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^[a-zA-Z0-9_.+-]+@[a-zA-Z0-9-]+\.[a-zA-Z0-9-.]*[a-zA-Z0-9]+$)"));
    // "$" would also match before a final line break.
    return !address.endsWith(QLatin1Char('\n')) && pattern.match(address).hasMatch();
}

QString ChoiceLine(const QString& english, const QString& caption)
{
    if (caption == english)
        return english;
    return english + QStringLiteral(" (") + caption + QLatin1Char(')');
}

QStringList FeedbackFields(const TProgramFacts& facts, const QString& feedback,
                           const QString& address)
{
    QStringList fields{QStringLiteral("cmd=feedback"), QStringLiteral("appname=") + facts.AppName,
                       QStringLiteral("version=") + facts.AppVersion,
                       QStringLiteral("feedback=") + feedback};
    if (!address.isEmpty())
        fields << QStringLiteral("email=") + address;
    return fields;
}

bool PostFeedback(const QStringList& fields, const std::atomic<bool>* cancelled)
{
    const QString address = ServiceAddress(MakerServiceHost(), QStringLiteral("/php/feedback.php"));
    // Short waits: the user waits for the answer. One attempt: a second one could deliver the
    // text twice.
    const TPostTimeouts timeouts{3000, 3000};
    try {
        return PostForm(address, fields, timeouts, cancelled).trimmed() == QLatin1String("OK");
    } catch (const std::exception&) {
        return false;
    }
}
