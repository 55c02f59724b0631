#include "translation_fixture.h"

#include "i18n/translation_engine.h"

#include <QFile>

#include <gtest/gtest.h>

TActiveTranslation::TActiveTranslation(const QByteArray& lines)
{
    QFile file(FFolder.filePath(QStringLiteral("Test.lang.txt")));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(lines);
    file.close();
    InitLanguageIn(FFolder.path(), QStringLiteral("Test.lang.txt"), QStringLiteral("1033"));
}

TActiveTranslation::~TActiveTranslation()
{
    InitLanguageIn(FFolder.filePath(QStringLiteral("none")), QString(), QStringLiteral("1033"));
}
