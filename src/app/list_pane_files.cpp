// What the list loads: plain text files line by line, CSV and TSV files by the column the user
// picks (proposed again next time), pasted lines; and the folder, encoding and column of the
// last load, kept from one start to the next.
#include "app/list_pane.h"

#include "app/item_list_model.h"
#include "app/item_list_view.h"
#include "app/list_file.h"
#include "base/zint_exception.h"
#include "io/text_import.h"
#include "platform/user_store.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QUndoStack>

#include <algorithm>
#include <vector>

namespace {
QString FolderOf(const QString& path)
{
    return path.isEmpty() ? QString() : QFileInfo(path).absolutePath();
}
} // namespace

void TListPane::Load1Click()
{
    const std::optional<TDialogService::TTextFileChoice> choice =
        FDialogs.OpenTextFile(window(), FLastTextFile);
    if (!choice)
        return;
    FLastTextFile = *choice;
    LoadTextFiles({choice->Path}, choice->Encoding);
}

void TListPane::LoadTextFiles(const QStringList& paths, int encoding)
{
    std::vector<TListFile> files;
    try {
        for (const QString& path : paths) {
            std::optional<TListFile> file = ReadListFile(path, encoding);
            if (!file)
                return;
            files.push_back(std::move(*file));
        }
    } catch (const EZintException& error) {
        FDialogs.ErrorBox(window(), QGuiApplication::applicationDisplayName(),
                          QString::fromUtf8(error.what()));
        return;
    }
    // Several files are still one load, undone at once; an empty macro would be a step that
    // does nothing.
    const auto bringsEntries = [](const TListFile& file) {
        return !file.Texts.isEmpty() || !file.Table.Records.empty();
    };
    const bool severalSteps = std::count_if(files.cbegin(), files.cend(), bringsEntries) > 1;
    QUndoStack& history = FItems->History();
    if (severalSteps)
        history.beginMacro(QStringLiteral("Load"));
    for (const TListFile& file : files) {
        if (file.TextColumn < 0)
            FItems->Append(file.Texts);
        else
            FItems->AppendRecords(file.Table.Header, file.Table.Records, file.TextColumn);
    }
    if (severalSteps)
        history.endMacro();
    if (FItems->Count() > 0)
        MakeCurrent(FItems->Count() - 1);
}

std::optional<TListFile> TListPane::ReadListFile(const QString& path, int encoding)
{
    const TTextEncoding textEncoding = TextEncodingFromIndex(encoding);
    TListFile file;
    const std::optional<QChar> delimiter = TableDelimiterForFile(path);
    if (!delimiter) {
        file.Texts = ReadTextLines(path, textEncoding);
        return file;
    }
    // In the window a table's first record always names its columns: they are what is offered.
    file.Table = ReadTextTable(path, textEncoding, *delimiter, true);
    file.TextColumn = 0;
    if (file.Table.Header.size() > 1 && !file.Table.Records.empty()) {
        const int proposed = ColumnsNamed(file.Table.Header, FLastTextColumn).value(0, 0);
        const std::optional<int> chosen =
            FDialogs.ChooseTextColumn(window(), file.Table.Header, proposed);
        if (!chosen || *chosen < 0 || *chosen >= file.Table.Header.size())
            return std::nullopt;
        file.TextColumn = *chosen;
        FLastTextColumn = file.Table.Header.at(*chosen).trimmed();
    }
    KeepRecordsWithText(file.Table, file.TextColumn);
    return file;
}

void TListPane::PasteLines(const QString& text)
{
    const QStringList texts = SplitTextLines(text);
    if (texts.isEmpty())
        return;
    FItems->Append(texts);
    MakeCurrent(FItems->Count() - 1);
}

void TListPane::OpenFiles(const QStringList& paths)
{
    // Read as "Load..." reads, with the encoding chosen there last.
    LoadTextFiles(paths, FLastTextFile.Encoding);
}

void TListPane::RememberWork(TUserStore& store) const
{
    const QString loadFolder =
        QFileInfo(FLastTextFile.Path).isDir() ? FLastTextFile.Path : FolderOf(FLastTextFile.Path);
    store.WriteString(QStringLiteral("LoadFolder"), loadFolder);
    store.WriteInteger(QStringLiteral("LoadEncoding"), FLastTextFile.Encoding);
    store.WriteString(QStringLiteral("LoadColumn"), FLastTextColumn);
}

void TListPane::RestoreWork(const TUserStore& store)
{
    const QString loadFolder = store.ReadString(QStringLiteral("LoadFolder"));
    if (!loadFolder.isEmpty() && QFileInfo(loadFolder).isDir())
        FLastTextFile.Path = loadFolder;
    const int encoding = store.ReadInteger(QStringLiteral("LoadEncoding"), -1);
    if (encoding >= 0 && encoding < TextFileEncodingNames.size())
        FLastTextFile.Encoding = encoding;
    FLastTextColumn = store.ReadString(QStringLiteral("LoadColumn"));
}
