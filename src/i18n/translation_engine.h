#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The translation engine: language files keyed by the English text, one of them
// active for the whole process. Only the GUI thread calls these functions.

// Picks the active language file in the "Languages" folder beside the running program:
// fileName when it names a file there, else (fileName empty) the file that LanguageCodes.csv
// assigns to the user's UI language (a region without a row takes its language's row). A
// language file that exists but cannot be read raises
// EZintException after the state is set (LanguageFile set, LanguageLines empty).
void InitLanguage(const QString& fileName);
// The same over a given folder and LANGID text; InitLanguage passes LanguagesFolderOf(the
// running program) and UserLanguageId().
void InitLanguageIn(const QString& languagesFolder, const QString& fileName,
                    const QString& languageId);

// The translation of text in the active language file, or text itself.
QString Translate(const QString& text);
// Marks an English literal of a table as a key of the language files: the table's user passes
// it through Translate when it shows it, and the language files' checks find it here.
constexpr const char* TranslationKey(const char* english)
{
    return english;
}
// The same lookup in lines the caller loaded: an empty list answers text, and an entry with
// an empty value answers the empty value.
QString FindTranslation(const QString& text, const QStringList& lines);
// FindTranslation over the active file's lines (text itself when no file is active).
QString FindTranslation(const QString& text);

// The engine's state, written only by InitLanguage.
// Folder of the program file followed by "Languages", without a trailing separator.
const QString& LanguagesFolder();
// Names of the files matching "*lang.txt" in LanguagesFolder, in the folder's order.
const QStringList& LanguageFiles();
// The active file's name up to its first ".lang.txt"; empty when English.
const QString& CurrentLanguage();
// Full path of the active language file; empty when none is active.
const QString& LanguageFile();
// The lines of the active language file; absent when no file was chosen.
const std::optional<QStringList>& LanguageLines();

// Helpers shared with the language dialog.
// "<folder of programFile>/Languages".
QString LanguagesFolderOf(const QString& programFile);
// The running program file, resolved through /proc/self/exe.
QString RunningProgramFile();
// The lines of a UTF-8 text (BOM skipped), split at CR LF, LF or CR.
QStringList SplitLanguageLines(const QByteArray& bytes);
// Reads a language file; raises EZintException when it cannot be read.
QStringList ReadLanguageFile(const QString& path);
