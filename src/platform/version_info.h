#pragma once

#include <QString>

#include <cstdint>

// The version-resource operations of the program file, over the VS_VERSIONINFO record that the
// build places in the executable's version section. Each failure returns 0 or false and sets
// the last OS error (os_error.h).

// Size in bytes of the file's version record; 0 when the file has none or cannot be read.
std::uint32_t GetFileVersionInfoSize(const QString& fileName);

// Copies the version record into data, truncated to size bytes.
bool GetFileVersionInfo(const QString& fileName, std::uint32_t size, void* data);

// Finds the node at subBlock ("\" for the fixed file information, "\VarFileInfo\Translation",
// "\StringFileInfo\<key>\<name>"; keys compare case-blind). buffer receives the node's value
// inside block; length its size: UTF-16 units (with the terminating zero) for a text value,
// bytes for a binary one. Unlike the Windows call this takes the block's size, so a damaged
// record cannot lead the walk outside it.
bool VerQueryValue(const void* block, std::uint32_t blockSize, const QString& subBlock,
                   const void** buffer, std::uint32_t* length);
