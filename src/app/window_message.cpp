#include "app/window_message.h"

#include "i18n/translation_engine.h"

namespace {
const QString ErrorTag = QStringLiteral("error: ");

struct THint
{
    const char* Message; // the failure's message as the layout raises it
    const char* Hint;
};

const THint LayoutHints[] = {
    {"The desired width is too small.",
     TranslationKey("Enter a larger width on the output size page, or narrower modules.")},
    {"The desired height is too small.",
     TranslationKey("Enter a larger height on the output size page, or a lower bar height.")},
};
} // namespace

QString MessageSentence(const QString& message)
{
    QString sentence = message.startsWith(ErrorTag) ? message.mid(ErrorTag.size()) : message;
    if (!sentence.isEmpty())
        sentence[0] = sentence[0].toUpper();
    return sentence;
}

QString MessageWithHint(const QString& message)
{
    QString hint;
    if (message.startsWith(ErrorTag))
        hint = Translate(QStringLiteral("Change the text, or choose a symbology that accepts it."));
    for (const THint& known : LayoutHints)
        if (message == QLatin1String(known.Message))
            hint = Translate(QLatin1String(known.Hint));
    const QString sentence = MessageSentence(message);
    return hint.isEmpty() ? sentence : sentence + u'\n' + hint;
}
