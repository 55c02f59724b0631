#include "symbol/ansi_code_page.h"
#include "symbol/zint_symbol.h"

#include <gtest/gtest.h>

TEST(AnsiCodePage, MapsWindows1252AndMarksTheRest)
{
    const QString text = QStringLiteral("A\u00e9\u20ac\u0178\u2122\u4e2d\u0081");
    EXPECT_EQ(ToAnsiCodePage(text), QByteArray("A\xE9\x80\x9F\x99??"));
}

TEST(AnsiCodePage, DataModeEncodesTheSingleByteForm)
{
    TZintSymbol symbol;
    ASSERT_EQ(symbol.input_mode(), 0);
    symbol.SetSymbolType(TZintSymbology::zsCODE128);
    symbol.Encode(QStringLiteral("M\u00fcller"), true);
    // libzint reads data-mode bytes as Latin-1 and gives the text back as UTF-8.
    EXPECT_EQ(symbol.text(), QStringLiteral("M\u00fcller").toUtf8());
    EXPECT_EQ(symbol.input_mode(), 0);
}
