#include "cli/batch_runner.h"

#include "base/zint_exception.h"
#include "cli/batch_options.h"
#include "editors/property_registry.h"
#include "io/image_writer.h"
#include "render/render_pipeline.h"
#include "render/zint_metafile.h"
#include "render/zint_render_box.h"
#include "render/zint_render_value.h"
#include "render/zint_render_wmf.h"
#include "symbol/zint_symbol.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTextStream>

#include <cstdio>

namespace {
void CopyBox(const TBatchBox& from, TZintRenderBox& to)
{
    const std::pair<const TBatchSide&, TZintRenderValue*> sides[] = {{from.Top, to.Top()},
                                                                     {from.Left, to.Left()},
                                                                     {from.Right, to.Right()},
                                                                     {from.Bottom, to.Bottom()}};
    for (const auto& [side, value] : sides) {
        value->SetTargetUnits(side.TargetUnits);
        value->SetModules(side.Modules);
    }
}

QString SymbologyName(TZintSymbology symbology)
{
    return QString::fromUtf8(SymbologyCatalogue[std::size_t(symbology)].DisplayName);
}

// Encoder messages carry their "error: " already; layout and file messages get it here.
QString AsErrorText(const char* message)
{
    const QString text = QString::fromUtf8(message);
    const QString tag = QStringLiteral("error: ");
    return text.startsWith(tag) ? text : tag + text;
}

QByteArray ReadStandardInput()
{
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        throw EZintException("Cannot read standard input. " + input.errorString().toStdString());
    return input.readAll();
}
} // namespace

TBatchWorker::TBatchWorker(const TBatchSettings& settings)
    : FSettings(settings), FSymbol(std::make_unique<TZintSymbol>())
{
    FSymbol->SetSymbolType(settings.Symbology);
    for (const auto& [path, value] : settings.PropertyWrites)
        WritePropertyPath(FSymbol.get(), path, PropertyValue(value), QLatin1Char('.'));
}

TBatchWorker::~TBatchWorker() = default;

QImage TBatchWorker::RenderEntry(const QString& text)
{
    TZintSymbol& symbol = PrepareSymbol(*FSymbol, FSettings.Symbology);
    const TMetafile picture =
        RenderSymbolToMetafile(symbol, text, FSettings.Size, [this](TZintRenderTargetWMF& target) {
            ApplyRenderSettings(target);
        });
    return RasteriseMetafile(picture);
}

QString TBatchWorker::WriteEntry(int number, const QString& text)
{
    const QString path =
        QDir(FSettings.OutputFolder).filePath(QString::number(number) + FSettings.Extension);
    return SaveImageToNewFile(RenderEntry(text), path);
}

void TBatchWorker::ApplyRenderSettings(TZintRenderTargetWMF& target) const
{
    target.SetForegroundColor(QColorToTColor(FSettings.Foreground));
    target.SetBackgroundColor(QColorToTColor(FSettings.Background));
    target.SetFont(FSettings.Font, Qt::black);
    target.SetHexagonScale(FSettings.HexagonScale);
    target.SetRenderAdjustMode(FSettings.AdjustMode);
    target.SetShowText(FSettings.ShowText);
    CopyBox(FSettings.Margin, *target.Margin());
    CopyBox(FSettings.Padding, *target.Padding());
    CopyBox(FSettings.TextSpacing, *target.TextSpacing());
    CopyBox(FSettings.Border, *target.Border());
    CopyBox(FSettings.Whitespace, *target.Whitespace());
    target.SetHAlign(FSettings.HAlign);
    target.SetVAlign(FSettings.VAlign);
    target.SetMinModuleWidth(FSettings.MinModuleWidth);
    target.SetMaxModuleWidth(FSettings.MaxModuleWidth);
}

QStringList ReadBatchInput(const TBatchSettings& settings)
{
    if (settings.InputPath == QLatin1String("-"))
        return DecodeTextLines(ReadStandardInput(), settings.Encoding);
    return ReadTextLines(settings.InputPath, settings.Encoding);
}

TBatchExitCode RunBatch(const TBatchSettings& settings, QTextStream& errors)
{
    QStringList texts;
    try {
        texts = ReadBatchInput(settings);
    } catch (const EZintException& error) {
        errors << settings.InputPath << ": " << QString::fromUtf8(error.what()) << Qt::endl;
        return becUsageOrInput;
    }
    if (!QDir().mkpath(settings.OutputFolder)) {
        errors << "Cannot create folder \"" << settings.OutputFolder << "\"." << Qt::endl;
        return becUsageOrInput;
    }

    TBatchWorker worker(settings);
    TBatchExitCode status = becAllWritten;
    for (int i = 0; i < texts.size(); ++i) {
        try {
            worker.WriteEntry(i + 1, texts[i]);
        } catch (const EZintException& error) {
            errors << "line " << i + 1 << ": " << SymbologyName(settings.Symbology) << ": "
                   << AsErrorText(error.what()) << Qt::endl;
            status = becSomeFailed;
        }
    }
    return status;
}
