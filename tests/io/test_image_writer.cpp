#include "base/zint_exception.h"
#include "io/barcode_image.h"
#include "io/image_writer.h"
#include "io/qt_printers.h"
#include "support/barcode_decoder.h"
#include "support/failing_device.h"
#include "support/temporary_folder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::string kText = "LINTARO-2024";

TImageFileFormat formatOfContents(const QByteArray& bytes)
{
    if (bytes.startsWith("\x89PNG\r\n\x1A\n"))
        return TImageFileFormat::iffPng;
    if (bytes.startsWith("\xFF\xD8\xFF"))
        return TImageFileFormat::iffJpeg;
    if (bytes.startsWith("GIF8"))
        return TImageFileFormat::iffGif;
    EXPECT_TRUE(bytes.startsWith("BM")) << bytes.left(8).toHex().constData();
    return TImageFileFormat::iffBmp;
}

bool losslessFormat(TImageFileFormat format)
{
    return format != TImageFileFormat::iffJpeg;
}

template <typename Action> std::string thrownMessage(Action action)
{
    try {
        action();
    } catch (const EZintException& error) {
        return error.what();
    }
    return "(nothing thrown)";
}

class ImageWriter : public ::testing::Test
{
protected:
    QString path(const QString& name) const { return FDir.FilePath(name); }
    QStringList entries() const { return FDir.Entries(); }

    TTemporaryFolder FDir;
    const QImage FBarcode = MakeBarcodeImage(kText);
};

} // namespace

TEST(ImageFormat, ExtensionDecidesTheFormatWhateverItsCase)
{
    const struct
    {
        const char* FPath;
        TImageFileFormat FFormat;
    } cases[] = {
        {"/a/label.png", TImageFileFormat::iffPng}, {"/a/CODE.PNG", TImageFileFormat::iffPng},
        {"/a/x.jpg", TImageFileFormat::iffJpeg},    {"/a/x.JPEG", TImageFileFormat::iffJpeg},
        {"/a/x.Gif", TImageFileFormat::iffGif},     {"/a/x.bmp", TImageFileFormat::iffBmp},
        {"/a/label.tif", TImageFileFormat::iffBmp}, {"/a/code", TImageFileFormat::iffBmp},
        {"/a.png/code", TImageFileFormat::iffBmp},  {"/a/x.png.txt", TImageFileFormat::iffBmp},
        {"/a/.png", TImageFileFormat::iffPng},      {"/a/x.jpe", TImageFileFormat::iffBmp},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ImageFormatForPath(QString::fromUtf8(c.FPath)), c.FFormat) << c.FPath;
}

TEST(ImageFormat, FolderExportExtensionForTheFormatList)
{
    const std::pair<const char*, const char*> cases[] = {
        {"PNG", ".png"}, {"JPEG", ".jpg"}, {"GIF", ".gif"}, {"BMP", ".bmp"},
        {"png", ".bmp"}, {"TIFF", ".bmp"}, {"", ".bmp"},
    };
    for (const auto& [name, ext] : cases)
        EXPECT_EQ(FolderExportExtension(QString::fromUtf8(name)), QString::fromUtf8(ext)) << name;
}

// Every format, reached by any spelling of its extension, gets its own content, reads back
// at the picture's size and still scans; the lossless ones keep every pixel.
TEST_F(ImageWriter, EachFormatRoundTripsAndScans)
{
    const struct
    {
        const char* FName;
        TImageFileFormat FFormat;
    } cases[] = {
        {"a.png", TImageFileFormat::iffPng},     {"CODE.PNG", TImageFileFormat::iffPng},
        {"b.jpg", TImageFileFormat::iffJpeg},    {"c.JPEG", TImageFileFormat::iffJpeg},
        {"d.gif", TImageFileFormat::iffGif},     {"e.bmp", TImageFileFormat::iffBmp},
        {"label.tif", TImageFileFormat::iffBmp}, {"noext", TImageFileFormat::iffBmp},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.FName);
        const QString file = path(QString::fromUtf8(c.FName));
        DosyayiKaydet(FBarcode, file);
        EXPECT_EQ(formatOfContents(ReadWholeFile(file)), c.FFormat);
        const QImage back =
            QImage::fromData(ReadWholeFile(file)).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(back.size(), FBarcode.size());
        EXPECT_EQ(DecodeImage(back).Text.toStdString(), kText);
        if (losslessFormat(c.FFormat)) {
            EXPECT_EQ(back, FBarcode);
        }
    }
}

TEST_F(ImageWriter, FormatPropertiesInTheHeaders)
{
    QByteArray png, jpeg, bmp;
    for (auto [format, bytes] :
         {std::pair{TImageFileFormat::iffPng, &png}, std::pair{TImageFileFormat::iffJpeg, &jpeg},
          std::pair{TImageFileFormat::iffBmp, &bmp}}) {
        QBuffer buffer(bytes);
        buffer.open(QIODevice::WriteOnly);
        WriteImage(FBarcode, format, buffer);
    }
    // PNG: a black-and-white label is 1-bit grey (colour type 0) in the IHDR chunk.
    EXPECT_EQ(png.mid(12, 4), "IHDR");
    EXPECT_EQ(png.at(24), 1);
    EXPECT_EQ(png.at(25), 0);
    // JPEG: a baseline frame of three components, no progressive frame.
    const qsizetype baseline = jpeg.indexOf("\xFF\xC0");
    ASSERT_GE(baseline, 0);
    EXPECT_EQ(jpeg.at(baseline + 9), 3);
    EXPECT_EQ(jpeg.indexOf("\xFF\xC2"), -1);
    // BMP: 24 bits per pixel.
    EXPECT_EQ(static_cast<unsigned char>(bmp.at(28)), 24);
}

// Up to 256 colours GIF keeps them exactly; beyond that it reduces them to a close palette.
TEST_F(ImageWriter, GifPaletteExactUpTo256ColoursReducedBeyond)
{
    for (const int colours : {3, 256, 257, 300 * 300}) {
        SCOPED_TRACE(colours);
        QImage picture(300, 300, QImage::Format_RGB32);
        for (int i = 0; i < 300 * 300; ++i) {
            const int c = i % colours;
            picture.setPixel(i % 300, i / 300, qRgb(c & 0xFF, (c >> 8) * 7, 255 - (c & 0xFF)));
        }
        const QString file = path(QStringLiteral("%1.gif").arg(colours));
        DosyayiKaydet(picture, file);
        const QImage back = QImage(file).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(back.size(), picture.size());
        if (colours <= 256) {
            EXPECT_EQ(back, picture);
            continue;
        }
        int worst = 0;
        double total = 0;
        for (int y = 0; y < 300; ++y) {
            for (int x = 0; x < 300; ++x) {
                const QRgb a = picture.pixel(x, y), b = back.pixel(x, y);
                for (const int d :
                     {qRed(a) - qRed(b), qGreen(a) - qGreen(b), qBlue(a) - qBlue(b)}) {
                    worst = std::max(worst, std::abs(d));
                    total += std::abs(d);
                }
            }
        }
        EXPECT_LE(worst, 64);
        EXPECT_LE(total / (3 * 300 * 300), 8.0);
    }
}

TEST_F(ImageWriter, OtherPixelFormatsAreWrittenAsTheirColours)
{
    for (const QImage::Format format : {QImage::Format_ARGB32_Premultiplied, QImage::Format_RGB888,
                                        QImage::Format_Mono, QImage::Format_Grayscale8}) {
        SCOPED_TRACE(format);
        const QImage source = FBarcode.convertToFormat(format);
        for (const char* name : {"p.png", "p.gif", "p.bmp", "p.jpg"}) {
            const QString file = path(QString::fromUtf8(name));
            DosyayiKaydet(source, file);
            EXPECT_EQ(DecodeFile(file).Text.toStdString(), kText) << name;
            if (losslessFormat(ImageFormatForPath(file))) {
                EXPECT_EQ(QImage(file).convertToFormat(QImage::Format_RGB32), FBarcode) << name;
            }
        }
    }
}

TEST_F(ImageWriter, EmptyPreviewWritesNothing)
{
    for (const char* name : {"e.png", "e.jpg", "e.gif", "e.bmp"}) {
        const QString file = path(QString::fromUtf8(name));
        EXPECT_EQ(thrownMessage([&] { DosyayiKaydet(QImage(), file); }),
                  "There is no image to save.");
        EXPECT_EQ(thrownMessage([&] { SaveImageToNewFile(QImage(), file); }),
                  "There is no image to save.");
    }
    EXPECT_TRUE(entries().isEmpty());
}

TEST_F(ImageWriter, FailingDeviceIsReportedForEveryFormat)
{
    for (const auto format : {TImageFileFormat::iffPng, TImageFileFormat::iffJpeg,
                              TImageFileFormat::iffGif, TImageFileFormat::iffBmp}) {
        QByteArray bytes;
        QBuffer readOnly(&bytes);
        readOnly.open(QIODevice::ReadOnly);
        EXPECT_THROW(WriteImage(FBarcode, format, readOnly), EZintException)
            << static_cast<int>(format);
    }
}

// A device that fills up anywhere in the file, even on its last byte, is reported; the
// bytes before that point are exactly those of the complete file.
TEST_F(ImageWriter, DeviceFillingUpPartWayIsReportedForEveryFormat)
{
    for (const auto format : {TImageFileFormat::iffPng, TImageFileFormat::iffJpeg,
                              TImageFileFormat::iffGif, TImageFileFormat::iffBmp}) {
        SCOPED_TRACE(static_cast<int>(format));
        QByteArray complete;
        QBuffer buffer(&complete);
        buffer.open(QIODevice::WriteOnly);
        WriteImage(FBarcode, format, buffer);
        for (const qint64 capacity :
             {qint64(0), qint64(complete.size() / 2), qint64(complete.size() - 1)}) {
            SCOPED_TRACE(capacity);
            TFailingDevice device(capacity);
            EXPECT_THROW(WriteImage(FBarcode, format, device), EZintException);
            EXPECT_TRUE(device.Refused());
            EXPECT_EQ(device.Written(), complete.left(capacity));
        }
        TFailingDevice roomy(complete.size());
        WriteImage(FBarcode, format, roomy);
        EXPECT_EQ(roomy.Written(), complete);
    }
}

TEST_F(ImageWriter, SingleSaveReplacesAnExistingFileCompletely)
{
    const QString file = path(QStringLiteral("code.png"));
    WriteWholeFile(file, QByteArray(100000, 'x'));
    DosyayiKaydet(FBarcode, file);
    EXPECT_EQ(QImage(file), FBarcode.convertToFormat(QImage(file).format()));
    EXPECT_EQ(entries(), QStringList{QStringLiteral("code.png")});
}

// The folder export numbers its files and never writes over anything that holds a name,
// including a file that appears after the free name was looked up, a folder, and a link
// that points nowhere (writing through it would create a file elsewhere).
TEST_F(ImageWriter, NewFileNeverReplacesAnything)
{
    const QString first = path(QStringLiteral("1.png"));
    EXPECT_EQ(SaveImageToNewFile(FBarcode, first), first);
    EXPECT_EQ(SaveImageToNewFile(FBarcode, first), path(QStringLiteral("1 (2).png")));

    const QString looked = path(QStringLiteral("1 (3).png"));
    WriteWholeFile(looked, "appeared meanwhile");
    ASSERT_TRUE(QDir(FDir.Path()).mkdir(QStringLiteral("1 (4).png")));
    const QString elsewhere = path(QStringLiteral("elsewhere.png"));
    ASSERT_EQ(::symlink(QFile::encodeName(elsewhere).constData(),
                        QFile::encodeName(path(QStringLiteral("1 (5).png"))).constData()),
              0);

    EXPECT_EQ(SaveImageToNewFile(FBarcode, first), path(QStringLiteral("1 (6).png")));
    EXPECT_EQ(ReadWholeFile(looked), "appeared meanwhile");
    EXPECT_FALSE(QFile::exists(elsewhere));
    EXPECT_EQ(entries(), (QStringList{QStringLiteral("1 (2).png"), QStringLiteral("1 (3).png"),
                                      QStringLiteral("1 (4).png"), QStringLiteral("1 (5).png"),
                                      QStringLiteral("1 (6).png"), QStringLiteral("1.png")}));
    EXPECT_EQ(DecodeFile(path(QStringLiteral("1 (6).png"))).Text.toStdString(), kText);

    // An entry given a later name of a series starts there: the free names before it are
    // those of earlier entries of the same name.
    EXPECT_EQ(SaveImageToNewFile(FBarcode, path(QStringLiteral("2.png")), 3),
              path(QStringLiteral("2 (3).png")));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("2.png"))));
    EXPECT_EQ(SaveImageToNewFile(FBarcode, first, 2), path(QStringLiteral("1 (7).png")));
}

TEST_F(ImageWriter, ReadOnlyFolderGivesCannotCreateAndLeavesNothing)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root";
    ASSERT_EQ(::chmod(QFile::encodeName(FDir.Path()).constData(), 0555), 0);
    const QString file = path(QStringLiteral("1.png"));
    const std::string expected =
        "Cannot create file \"" + file.toStdString() + "\". Permission denied";
    EXPECT_EQ(thrownMessage([&] { DosyayiKaydet(FBarcode, file); }), expected);
    EXPECT_EQ(thrownMessage([&] { SaveImageToNewFile(FBarcode, file); }), expected);
    ::chmod(QFile::encodeName(FDir.Path()).constData(), 0755);
    EXPECT_TRUE(entries().isEmpty());
}

// A write cut short (here by a file size limit, as by a full disk) leaves no partial picture
// under the final name, and an earlier file under that name as it was.
TEST_F(ImageWriter, ShortWriteLeavesNoTruncatedImage)
{
    const QString kept = path(QStringLiteral("kept.bmp"));
    WriteWholeFile(kept, "earlier");
    const QString fresh = path(QStringLiteral("fresh.bmp"));

    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous = {};
    ::getrlimit(RLIMIT_FSIZE, &previous);
    rlimit tight = previous;
    tight.rlim_cur = 1000;
    ::setrlimit(RLIMIT_FSIZE, &tight);
    const std::string replaceMessage = thrownMessage([&] { DosyayiKaydet(FBarcode, kept); });
    const std::string newMessage = thrownMessage([&] { SaveImageToNewFile(FBarcode, fresh); });
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(replaceMessage, "Cannot create file \"" + kept.toStdString() + "\". File too large");
    EXPECT_EQ(newMessage, "Cannot create file \"" + fresh.toStdString() + "\". File too large");
    EXPECT_EQ(ReadWholeFile(kept), "earlier");
    EXPECT_EQ(entries(), QStringList{QStringLiteral("kept.bmp")});
}
