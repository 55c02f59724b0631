#include "io/qt_printers.h"
#include "io/safe_file_name.h"

#include <gtest/gtest.h>

namespace {
const QString Png = QStringLiteral(".png");
}

TEST(SafeFileName, HostileTextsBecomeOneNameInsideTheFolder)
{
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("../x"), QStringLiteral("_._x.png")},
        {QStringLiteral("a/b"), QStringLiteral("a_b.png")},
        {QStringLiteral("a\\b"), QStringLiteral("a_b.png")},
        {QStringLiteral("/etc/passwd"), QStringLiteral("_etc_passwd.png")},
        {QStringLiteral("a:b*c?d\"e<f>g|h"), QStringLiteral("a_b_c_d_e_f_g_h.png")},
        {QStringLiteral("tab\there\nnew\u0085line\x7f"), QStringLiteral("tab_here_new_line_.png")},
        {QStringLiteral(".hidden"), QStringLiteral("_hidden.png")},
        {QStringLiteral("  name... "), QStringLiteral("name.png")},
        {QStringLiteral("x") + QChar(0xd800) + u'y', QStringLiteral("x_y.png")}, // unpaired
        {QStringLiteral("Grüße 😀"), QStringLiteral("Grüße 😀.png")},
        {QStringLiteral("a.tar"), QStringLiteral("a.tar.png")},
        // Windows opens a device for these, with any extension and in any letter case.
        {QStringLiteral("CON"), QStringLiteral("_CON.png")},
        {QStringLiteral("con.txt"), QStringLiteral("_con.txt.png")},
        {QStringLiteral("Nul "), QStringLiteral("_Nul.png")},
        {QStringLiteral("aux ."), QStringLiteral("_aux.png")},
        {QStringLiteral("LPT9"), QStringLiteral("_LPT9.png")},
        {QStringLiteral("com\u00b9"), QStringLiteral("_com\u00b9.png")},
        {QStringLiteral("CONOUT$"), QStringLiteral("_CONOUT$.png")},
        {QStringLiteral("COM10"), QStringLiteral("COM10.png")},
        {QStringLiteral("CONSOLE"), QStringLiteral("CONSOLE.png")},
        // Nothing worth a name is left: the caller names the file by its number.
        {QStringLiteral(".."), QString()},
        {QStringLiteral("."), QString()},
        {QStringLiteral("   "), QString()},
        {QStringLiteral("///"), QString()},
        {QStringLiteral("\t\r"), QString()},
        {QString(), QString()},
    };
    for (const auto& [stem, expected] : cases) {
        SCOPED_TRACE(stem.toStdString());
        EXPECT_EQ(SafeFileName(stem, Png), expected);
    }
}

// The start and the end stay, so that "{text}-{n}" and "{col:SKU}-{text}" keep what tells
// entries apart.
TEST(SafeFileName, LongNamesKeepTheirStartAndEndOnCharacterBoundaries)
{
    const QString cut = QStringLiteral("\u2026");
    const struct
    {
        QString Stem;
        QString Kept;
    } cases[] = {
        // 196 bytes for the stem: 96 before the ellipsis, its 3, and what is left after it.
        {QString(300, u'a'), QString(96, u'a') + cut + QString(97, u'a')},
        {QString(300, u'é'), QString(48, u'é') + cut + QString(48, u'é')}, // two bytes each
        {QString(300, u'€'), QString(32, u'€') + cut + QString(32, u'€')}, // three bytes each
        {QStringLiteral("😀").repeated(100),
         QStringLiteral("😀").repeated(24) + cut + QStringLiteral("😀").repeated(24)},
        {QStringLiteral("a") + QStringLiteral("😀").repeated(60),
         QStringLiteral("a") + QStringLiteral("😀").repeated(23) + cut +
             QStringLiteral("😀").repeated(25)},
        {QString(300, u'x') + QStringLiteral("-000017"),
         QString(96, u'x') + cut + QString(90, u'x') + QStringLiteral("-000017")},
        // The cut leaves no blank or dot before the extension.
        {QString(300, u'a') + QStringLiteral(". ."), QString(96, u'a') + cut + QString(94, u'a')},
        {QString(196, u'a'), QString(196, u'a')}, // exactly fits: not cut
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Stem.left(3).toStdString());
        const QString name = SafeFileName(test.Stem, Png);
        EXPECT_EQ(name, test.Kept + Png);
        EXPECT_LE(name.toUtf8().size(), MaxSafeFileNameBytes);
        EXPECT_EQ(QString::fromUtf8(name.toUtf8()), name) << "whole characters only";
    }
}

// Invisible characters that reorder or split what a file list shows become "_" too.
TEST(SafeFileName, FormatCharactersAndSeparatorsBecomeUnderscores)
{
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("invoice\u202Egnp.exe"), QStringLiteral("invoice_gnp.exe.png")},
        {QStringLiteral("a\u2028b\u2029c"), QStringLiteral("a_b_c.png")},
        {QStringLiteral("zero\u200Bwidth\uFEFF"), QStringLiteral("zero_width_.png")},
        {QStringLiteral("tag") + QString::fromUcs4(U"\U000E0041"), QStringLiteral("tag_.png")},
        {QStringLiteral("\u202E\u2066"), QString()},
    };
    for (const auto& [stem, expected] : cases) {
        SCOPED_TRACE(stem.toStdString());
        EXPECT_EQ(SafeFileName(stem, Png), expected);
    }
}
