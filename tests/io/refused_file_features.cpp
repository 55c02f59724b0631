#include "refused_file_features.h"

#include <cerrno>
#include <cstddef>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/syscall.h>

namespace {

using TProgram = std::vector<sock_filter>;

sock_filter Load(size_t offset)
{
    return BPF_STMT(BPF_LD | BPF_W | BPF_ABS, static_cast<__u32>(offset));
}

sock_filter Fail(int error)
{
    return BPF_STMT(BPF_RET | BPF_K,
                    SECCOMP_RET_ERRNO | (static_cast<__u32>(error) & SECCOMP_RET_DATA));
}

constexpr size_t NumberOffset = offsetof(seccomp_data, nr);

// The call fails with `error` whatever its arguments.
void FailCall(TProgram& program, long call, int error)
{
    program.push_back(Load(NumberOffset));
    program.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, static_cast<__u32>(call), 0, 1));
    program.push_back(Fail(error));
}

// The call fails with `error` when argument `argument` has a bit of `flags` (the low 32 bits,
// where open's flags are).
void FailCallWithFlags(TProgram& program, long call, int argument, __u32 flags, int error)
{
    program.push_back(Load(NumberOffset));
    program.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, static_cast<__u32>(call), 0, 3));
    program.push_back(Load(offsetof(seccomp_data, args) + sizeof(__u64) * size_t(argument)));
    program.push_back(BPF_JUMP(BPF_JMP | BPF_JSET | BPF_K, flags, 0, 1));
    program.push_back(Fail(error));
}

TProgram ProgramFor(unsigned refused)
{
    const sock_filter allow = BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW);
    TProgram program = {Load(offsetof(seccomp_data, arch)),
                        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, AUDIT_ARCH_X86_64, 1, 0), allow};
    // O_TMPFILE includes O_DIRECTORY; its own bit alone tells it from opening a folder.
    if (refused & rffUnnamedFiles) {
        FailCallWithFlags(program, SYS_open, 1, __O_TMPFILE, EOPNOTSUPP);
        FailCallWithFlags(program, SYS_openat, 2, __O_TMPFILE, EOPNOTSUPP);
    }
    if (refused & rffHardLinks) {
        FailCall(program, SYS_link, EPERM);
        FailCall(program, SYS_linkat, EPERM);
    }
    if (refused & rffRenameNoReplace)
        FailCall(program, SYS_renameat2, EINVAL);
    program.push_back(allow);
    return program;
}

} // namespace

bool RunWithRefusedFeatures(unsigned refused, const std::function<void()>& action)
{
#if defined(__x86_64__)
    bool installed = false;
    std::thread thread([&] {
        TProgram program = ProgramFor(refused);
        const sock_fprog filter{static_cast<unsigned short>(program.size()), program.data()};
        // Both hold for this thread only, which ends with the action.
        installed = ::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 &&
                    ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &filter) == 0;
        if (installed)
            action();
    });
    thread.join();
    return installed;
#else
    (void)refused;
    (void)action;
    return false;
#endif
}
