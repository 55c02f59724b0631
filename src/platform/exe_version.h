#pragma once

#include <QString>

// The named strings of a program file's version record. The field names are the string names
// looked up; a string the record lacks leaves its field empty.
struct TEXEVersionData
{
    QString CompanyName;
    QString FileDescription;
    QString FileVersion;
    QString InternalName;
    QString LegalCopyright;
    QString LegalTrademarks;
    QString OriginalFileName;
    QString ProductName;
    QString ProductVersion;
    QString Comments;
    QString PrivateBuild;
    QString SpecialBuild;
};

// Reads the strings of the file's first translation. Raises EZintException with the OS error's
// text when the file has no readable version record or no translation table.
TEXEVersionData GetEXEVersionData(const QString& path);
