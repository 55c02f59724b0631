#pragma once

// The ELF section that carries an executable's version record; written by the build, read by
// the version information functions.
inline constexpr char kVersionRecordSection[] = ".lintaro_version";
