#pragma once

#include <QString>

enum class TImageFileFormat
{
    iffPng,
    iffJpeg,
    iffGif,
    iffBmp
};

// The text from the last "." of the file name part on, dot included; empty when there is none.
QString FileNameExtension(const QString& path);

// The format a file is written in, decided by its extension alone; anything unknown is BMP.
TImageFileFormat ImageFormatForPath(const QString& path);

// The extension the folder export gives its files for a format list text ("PNG" -> ".png").
QString FolderExportExtension(const QString& formatName);
