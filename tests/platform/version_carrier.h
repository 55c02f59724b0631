#pragma once

#include "platform/elf_image.h"
#include "platform/version_record_writer.h"

#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Every TEXEVersionData string but LegalTrademarks, valued "<name> text", in table 040904e4
// with the one translation 0409/04e4.
TVersionRecordContent SampleContent();

// Writes program files carrying a version record into a temporary folder.
class TVersionCarrierTest : public ::testing::Test
{
protected:
    QString WriteFile(const QString& name, const QByteArray& bytes);
    QByteArray CarrierImage(const QByteArray& record,
                            TElfImageClass elfClass = TElfImageClass::eic64,
                            bool bigEndian = false) const;
    QString WriteCarrier(const TVersionRecordContent& content);

private:
    QTemporaryDir FFolder;
};
