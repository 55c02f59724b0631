#include "support/program_vocabulary.h"

#include "io/label_text.h"
#include "render/named_colors.h"
#include "render/setting_names.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

namespace {

QString Unescaped(const QString& literal)
{
    QString text;
    for (qsizetype index = 0; index < literal.size(); ++index) {
        QChar c = literal.at(index);
        if (c == u'\\' && index + 1 < literal.size()) {
            const QChar next = literal.at(++index);
            c = next == u'n' ? QChar(u'\n') : next == u't' ? QChar(u'\t') : next;
        }
        text += c;
    }
    return text;
}

void AddSourceTexts(QSet<QString>& texts)
{
    static const QRegularExpression call(QStringLiteral(
        R"re((?:Translate\(\s*QStringLiteral|TranslationKey)\(\s*((?:"(?:[^"\\]|\\.)*"\s*)+)\))re"));
    static const QRegularExpression piece(QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re"));
    QDirIterator files(QStringLiteral(LINTARO_SOURCE_DIR "/src"),
                       {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString source = QString::fromUtf8(file.readAll());
        for (auto match = call.globalMatch(source); match.hasNext();) {
            QString text;
            for (auto part = piece.globalMatch(match.next().captured(1)); part.hasNext();)
                text += Unescaped(part.next().captured(1));
            texts.insert(text);
        }
    }
}

template <typename TEnum> void AddLabels(QSet<QString>& texts, TSettingNames<TEnum> names)
{
    for (const TSettingName<TEnum>& entry : names)
        texts.insert(QLatin1String(entry.Label));
}

} // namespace

QStringList ProgramVocabulary()
{
    QSet<QString> texts;
    AddSourceTexts(texts);
    AddLabels(texts, AdjustModeNames);
    AddLabels(texts, HAlignNames);
    AddLabels(texts, VAlignNames);
    AddLabels(texts, ImageSizeNames);
    AddLabels(texts, ModuleSizeNames);
    AddLabels(texts, BarHeightNames);
    AddLabels(texts, QuietZoneNames);
    AddLabels(texts, CaptionSizeNames);
    AddLabels(texts, BandUnitNames);
    AddLabels(texts, LabelTextLayoutNames);
    for (const TNamedColor& entry : StandardColors)
        texts.insert(QLatin1String(entry.Name));
    for (const TNamedColor& entry : ExtendedColors)
        texts.insert(QLatin1String(entry.Name));
    QStringList sorted(texts.begin(), texts.end());
    sorted.sort();
    return sorted;
}

QString Marked(const QString& english)
{
    return QStringLiteral("⟦") + english + QStringLiteral("⟧");
}

QByteArray MarkedLanguageFile(const QStringList& vocabulary)
{
    QString file = QStringLiteral("{INFO:Translated By}Kelmora\n");
    for (const QString& english : vocabulary)
        file += u'{' + english + u'}' + Marked(english) + u'\n';
    return file.toUtf8();
}
