#pragma once

#include <functional>

// File system features a folder may lack, refused by the kernel for the calls of one thread:
// a seccomp filter makes the calls fail as such a file system answers them.
enum TRefusedFileFeature : unsigned
{
    rffNone = 0,
    rffUnnamedFiles = 1, // open(O_TMPFILE): EOPNOTSUPP, as on FAT, exFAT and many FUSE file systems
    rffHardLinks = 2,    // link(), linkat(): EPERM, as on FAT
    rffRenameNoReplace = 4 // renameat2(): EINVAL, as on file systems that cannot refuse
};

// Runs `action` in a thread of its own whose calls meet the refusals; false when this system
// cannot install them (then `action` did not run).
bool RunWithRefusedFeatures(unsigned refused, const std::function<void()>& action);
