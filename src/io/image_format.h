#pragma once

#include <QString>

#include <array>

enum class TImageFileFormat
{
    iffPng,
    iffJpeg,
    iffGif,
    iffBmp,
    iffSvg,
    iffPdf
};

// The formats, in the order of the window's format list and the save dialog's filters.
struct TImageFormatEntry
{
    const char* Name; // "PNG": the format list's text
    TImageFileFormat Format;
    const char* Extension;       // ".png": what exports name their files with
    const char* FilterName;      // "PNG File": the save dialog's name for it
    const char* Alias = nullptr; // another name people give the format ("JPG")
};
extern const std::array<TImageFormatEntry, 6> ImageFormats;

// SVG and PDF are written from the drawing itself, the others from its raster image.
bool IsVectorFormat(TImageFileFormat format);

// The save dialog's filters, one per format in table order: "PNG File (*.png);;...".
QString ImageFileFilters();

// The entry of a format list text or its alias, letter case ignored; nothing for an unknown
// name.
const TImageFormatEntry* FindImageFormat(const QString& name);

// The text from the last "." of the file name part on, dot included; empty when there is none.
QString FileNameExtension(const QString& path);

// The format a file is written in, decided by its extension alone; anything unknown is BMP.
TImageFileFormat ImageFormatForPath(const QString& path);

// The entry of a format list text as the list spells it; BMP, the Windows default, for
// anything else.
const TImageFormatEntry& ListedImageFormat(const QString& formatName);

// The extension the folder export gives its files for a format list text ("PNG" -> ".png").
QString FolderExportExtension(const QString& formatName);
