// What a written file's read-back makes of its entry: verified when any reader reads its text,
// failed and set aside when the reader reads another text, kept and unconfirmed when no reader
// reads anything.
#include "cli/verify_written_file.h"
#include "render/render_pipeline.h"
#include "render/render_settings.h"
#include "render/zint_metafile.h"
#include "support/temporary_folder.h"
#include "symbol/zint_symbol.h"

#include <QImage>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {
// The symbol of `text` as the batch tool draws it, with a quiet zone, saved as `path`.
void WriteSymbol(const QString& path, TZintSymbology symbology, const QString& text)
{
    TRenderSettings settings;
    for (TRenderSide* side : {&settings.Whitespace.Top, &settings.Whitespace.Left,
                              &settings.Whitespace.Right, &settings.Whitespace.Bottom})
        side->Modules = 10;
    TZintSymbol symbol;
    const QImage image = RenderedImage(
        RenderSymbolToMetafile(PrepareSymbol(symbol, symbology), text, settings, QSize(303, 417)),
        settings);
    ASSERT_TRUE(image.save(path, "PNG")) << path.toStdString();
}
} // namespace

TEST(VerifyWrittenFile, TellsVerifiedMisreadAndUnreadEntriesApart)
{
    struct TCase
    {
        const char* Name;
        TZintSymbology Symbology;
        QString Written; // the text in the file; empty: a blank picture
        QString Entry;   // the text the entry should read as
        TEntryState State;
        QString KeptAs; // the file's name afterwards
        bool NeedsZbar = false;
    };
    const TCase cases[] = {
        {"read", TZintSymbology::zsCODE128, QStringLiteral("LINTARO"), QStringLiteral("LINTARO"),
         TEntryState::esVerified, QStringLiteral("read.png")},
        // A .failed name taken already is never replaced.
        {"misread", TZintSymbology::zsCODE128, QStringLiteral("OTHER"), QStringLiteral("LINTARO"),
         TEntryState::esFailed, QStringLiteral("misread.failed (2).png")},
        {"blank", TZintSymbology::zsCODE128, QString(), QStringLiteral("LINTARO"),
         TEntryState::esUnconfirmed, QStringLiteral("blank.png")},
        // Only zbar reads a DataBar Expanded that holds a GTIN alone.
        {"gtin", TZintSymbology::zsRSS_EXP, QStringLiteral("[01]98898765432106"),
         QStringLiteral("[01]98898765432106"), TEntryState::esVerified, QStringLiteral("gtin.png"),
         true},
    };
    const bool zbar = !QStandardPaths::findExecutable(QStringLiteral("zbarimg")).isEmpty();
    TTemporaryFolder folder;
    folder.Write(QStringLiteral("misread.failed.png"), "earlier");
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        if (c.NeedsZbar && !zbar)
            continue;
        const QString path = folder.FilePath(QString::fromLatin1(c.Name) + QStringLiteral(".png"));
        if (c.Written.isEmpty()) {
            QImage blank(200, 100, QImage::Format_Grayscale8);
            blank.fill(0xFF);
            ASSERT_TRUE(blank.save(path, "PNG"));
        } else {
            WriteSymbol(path, c.Symbology, c.Written);
        }
        const TEntryOutcome outcome = VerifyWrittenFile(path, c.Symbology, c.Entry, {}, 300);
        EXPECT_EQ(outcome.State, c.State) << outcome.Note.toStdString();
        EXPECT_TRUE(QFile::exists(folder.FilePath(c.KeptAs)))
            << folder.Files().join(u' ').toStdString();
        if (c.State == TEntryState::esFailed) {
            EXPECT_TRUE(outcome.Note.contains(u'"' + c.Written + u'"'))
                << outcome.Note.toStdString();
        }
    }
    EXPECT_EQ(ReadWholeFile(folder.FilePath(QStringLiteral("misread.failed.png"))),
              QByteArray("earlier"));
}
