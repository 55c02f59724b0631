#include "cli/verify_zbar.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {
constexpr int ZbarTimeoutMs = 60000;

// zbar's decoders for each format whose text it returns as ZXing-C++ does; none: not asked.
// UPC (read as EAN-13), PDF417 (not decoded) and full-ASCII Code 39 (returned raw) are left out.
QStringList ZbarDecoders(TReaderFormat format)
{
    switch (format) {
    case TReaderFormat::Ean8Or13:
        return {QStringLiteral("ean8"), QStringLiteral("ean13")};
    case TReaderFormat::Code39:
        return {QStringLiteral("code39")};
    case TReaderFormat::Code93:
        return {QStringLiteral("code93")};
    case TReaderFormat::Code128:
        return {QStringLiteral("code128")};
    case TReaderFormat::Codabar:
        return {QStringLiteral("codabar")};
    case TReaderFormat::Itf:
        return {QStringLiteral("i25")};
    case TReaderFormat::Ean13:
        return {QStringLiteral("ean13")};
    case TReaderFormat::DataBarExpanded:
        return {QStringLiteral("databar-exp")};
    case TReaderFormat::QrCode:
        return {QStringLiteral("qrcode")};
    default:
        return {};
    }
}

const QString& ZbarProgram()
{
    static const QString program = QStandardPaths::findExecutable(QStringLiteral("zbarimg"));
    return program;
}
} // namespace

std::optional<QString> ReadBackWithZbar(TZintSymbology symbology, const QImage& image)
{
    const QStringList decoders = ZbarDecoders(lintaro::Traits(symbology).Reader);
    if (decoders.isEmpty() || ZbarProgram().isEmpty() || image.isNull())
        return std::nullopt;
    QTemporaryFile file(QDir::temp().filePath(QStringLiteral("lintaro-verify-XXXXXX.png")));
    if (!file.open() || !image.save(&file, "PNG"))
        return std::nullopt;
    file.close();

    QProcess zbar;
    QStringList arguments = {QStringLiteral("--quiet"), QStringLiteral("--raw"),
                             QStringLiteral("--nodbus"), QStringLiteral("-Sdisable")};
    for (const QString& decoder : decoders)
        arguments << QStringLiteral("-S%1.enable").arg(decoder);
    zbar.start(ZbarProgram(), arguments << file.fileName());
    if (!zbar.waitForFinished(ZbarTimeoutMs) || zbar.exitStatus() != QProcess::NormalExit ||
        zbar.exitCode() != 0) {
        zbar.kill();
        zbar.waitForFinished();
        return std::nullopt;
    }
    // One symbol a line; the first one found is the entry's.
    const QString read = QString::fromUtf8(zbar.readAllStandardOutput());
    return read.section(u'\n', 0, 0);
}
