#include "i18n/translation_engine.h"

#include "base/zint_exception.h"
#include "i18n/user_language.h"
#include "platform/read_regular_file.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <unicode/ucnv.h>

#include <memory>

namespace {

struct TLanguageState
{
    QString LanguagesFolder;
    QStringList LanguageFiles;
    QString CurrentLanguage;
    QString LanguageFile;
    std::optional<QStringList> LanguageLines;
};

TLanguageState& State()
{
    static TLanguageState state;
    return state;
}

const QString kLangSuffix = QStringLiteral(".lang.txt");

// Splits at CR LF, LF or CR; a final line break adds no empty line.
QStringList SplitLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype length = text.size();
    for (qsizetype index = 0; index < length; ++index) {
        const QChar c = text.at(index);
        if (c != u'\r' && c != u'\n')
            continue;
        lines << text.mid(start, index - start);
        if (c == u'\r' && index + 1 < length && text.at(index + 1) == u'\n')
            ++index;
        start = index + 1;
    }
    if (start < length)
        lines << text.mid(start);
    return lines;
}

// The ANSI code page of the code list: Windows-1252 as Windows itself maps it.
QString DecodeAnsi(const QByteArray& bytes)
{
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UConverter, void (*)(UConverter*)> converter(
        ucnv_open("ibm-5348_P100-1997", &status), ucnv_close);
    if (U_FAILURE(status))
        return QString::fromLatin1(bytes);
    QString text(bytes.size() + 1, Qt::Uninitialized);
    status = U_ZERO_ERROR;
    const int32_t length =
        ucnv_toUChars(converter.get(), reinterpret_cast<UChar*>(text.data()), int32_t(text.size()),
                      bytes.constData(), int32_t(bytes.size()), &status);
    if (U_FAILURE(status))
        return QString::fromLatin1(bytes);
    text.resize(length);
    return text;
}

// LanguageCodes.csv: a byte-order mark selects UTF-8 or UTF-16, else ANSI. Unreadable = empty.
QStringList ReadCodeList(const QString& path)
{
    const TRegularFileRead file = ReadRegularFile(path);
    if (file.State != TRegularFileState::rfsRead)
        return {};
    const QByteArray& bytes = file.Bytes;
    QString text;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        text = QString::fromUtf8(bytes.mid(3));
    else if (bytes.startsWith("\xFF\xFE"))
        text = QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData() + 2),
                                  (bytes.size() - 2) / 2);
    else if (bytes.startsWith("\xFE\xFF")) {
        QByteArray swapped = bytes.mid(2);
        for (qsizetype index = 0; index + 1 < swapped.size(); index += 2)
            std::swap(swapped[index], swapped[index + 1]);
        text = QString::fromUtf16(reinterpret_cast<const char16_t*>(swapped.constData()),
                                  swapped.size() / 2);
    } else
        text = DecodeAnsi(bytes);
    return SplitLines(text);
}

QString RowFor(const QStringList& codeList, const QString& languageId)
{
    for (const QString& line : codeList) {
        const qsizetype comma = line.indexOf(u',');
        if (comma < 0)
            continue;
        if (line.left(comma).trimmed() == languageId)
            return line.mid(comma + 1).trimmed();
    }
    return {};
}

// The file name that the code list maps languageId to; a region without a row of its own
// takes its language's row (the LANGID's low ten bits). Empty when neither has one.
QString MappedFileName(const QString& codeListPath, const QString& languageId)
{
    const QStringList codeList = ReadCodeList(codeListPath);
    const QString mapped = RowFor(codeList, languageId);
    bool isNumber = false;
    const uint id = languageId.toUInt(&isNumber);
    if (!mapped.isEmpty() || !isNumber || (id & 0x3FFu) == id)
        return mapped;
    return RowFor(codeList, QString::number(id & 0x3FFu));
}

bool IsFile(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

// Steps 2 to 4 of Translate; std::nullopt when no line matches.
std::optional<QString> Lookup(const QString& text, const QStringList& lines)
{
    const QString prefix = u'{' + text + u'}';
    for (const QString& line : lines) {
        if (!line.startsWith(prefix))
            continue;
        return line.mid(line.indexOf(u'}') + 1);
    }
    return std::nullopt;
}

} // namespace

QString LanguagesFolderOf(const QString& programFile)
{
    return QFileInfo(programFile).absolutePath() + QStringLiteral("/Languages");
}

QString RunningProgramFile()
{
    const QString target = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
    return target.isEmpty() ? QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()
                            : target;
}

QStringList SplitLanguageLines(const QByteArray& bytes)
{
    return SplitLines(QString::fromUtf8(bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes));
}

QStringList ReadLanguageFile(const QString& path)
{
    const TRegularFileRead file = ReadRegularFile(path);
    if (file.State != TRegularFileState::rfsRead)
        throw EZintException(QStringLiteral("Cannot open file \"%1\". %2")
                                 .arg(QDir::toNativeSeparators(path), file.Reason)
                                 .toStdString());
    return SplitLanguageLines(file.Bytes);
}

void InitLanguage(const QString& fileName)
{
    InitLanguageIn(LanguagesFolderOf(RunningProgramFile()), fileName, UserLanguageId());
}

void InitLanguageIn(const QString& languagesFolder, const QString& fileName,
                    const QString& languageId)
{
    TLanguageState& state = State();
    state = TLanguageState();
    state.LanguagesFolder = languagesFolder;
    if (!QFileInfo(languagesFolder).isDir())
        return;

    QDirIterator entries(languagesFolder, {QStringLiteral("*lang.txt")},
                         QDir::Files | QDir::Hidden | QDir::System);
    while (entries.hasNext()) {
        entries.next();
        state.LanguageFiles << entries.fileName();
    }

    QString chosen = fileName;
    const QString codeList = languagesFolder + QStringLiteral("/LanguageCodes.csv");
    if (chosen.trimmed().isEmpty() && IsFile(codeList)) {
        const QString mapped = MappedFileName(codeList, languageId).toLower();
        for (const QString& entry : std::as_const(state.LanguageFiles)) {
            if (entry.toLower() == mapped) {
                chosen = entry;
                break;
            }
        }
    }
    if (chosen.isEmpty() || !IsFile(languagesFolder + u'/' + chosen))
        return;

    const qsizetype suffix = chosen.indexOf(kLangSuffix);
    state.CurrentLanguage = suffix < 0 ? QString() : chosen.left(suffix);
    state.LanguageFile = languagesFolder + u'/' + chosen;
    state.LanguageLines.emplace();
    // An unreadable file leaves the lines empty and reports the error to the caller.
    *state.LanguageLines = ReadLanguageFile(state.LanguageFile);
}

QString Translate(const QString& text)
{
    const TLanguageState& state = State();
    if (state.LanguageFile.isEmpty() || !state.LanguageLines)
        return text;
    const std::optional<QString> value = Lookup(text, *state.LanguageLines);
    return value && !value->isEmpty() ? *value : text;
}

QString FindTranslation(const QString& text, const QStringList& lines)
{
    if (lines.isEmpty())
        return text;
    return Lookup(text, lines).value_or(text);
}

QString FindTranslation(const QString& text)
{
    const TLanguageState& state = State();
    return state.LanguageLines ? FindTranslation(text, *state.LanguageLines) : text;
}

const QString& LanguagesFolder()
{
    return State().LanguagesFolder;
}
const QStringList& LanguageFiles()
{
    return State().LanguageFiles;
}
const QString& CurrentLanguage()
{
    return State().CurrentLanguage;
}
const QString& LanguageFile()
{
    return State().LanguageFile;
}
const std::optional<QStringList>& LanguageLines()
{
    return State().LanguageLines;
}
