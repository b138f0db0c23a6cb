#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

// Root passes every file permission check, so a read-only folder is writable to
// it. For its lifetime this drops that override from the calling thread where
// the process holds it. Tests still probe the folder: other limits may remain.
class FilePermissionsEnforced
{
public:
    FilePermissionsEnforced()
    {
        if (::geteuid() != 0)
            return;
        if (::syscall(SYS_capget, &m_header, m_saved) != 0)
            return;
        __user_cap_data_struct dropped[2] = {m_saved[0], m_saved[1]};
        dropped[0].effective &= ~(1u << CAP_DAC_OVERRIDE);
        m_dropped = ::syscall(SYS_capset, &m_header, dropped) == 0;
    }
    ~FilePermissionsEnforced()
    {
        if (m_dropped)
            ::syscall(SYS_capset, &m_header, m_saved);
    }
    FilePermissionsEnforced(const FilePermissionsEnforced&) = delete;
    FilePermissionsEnforced& operator=(const FilePermissionsEnforced&) = delete;

private:
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2]{};
    bool m_dropped = false;
};
