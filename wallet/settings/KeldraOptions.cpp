#include "settings/KeldraOptions.h"

#include <algorithm>
#include <ctime>

const CKeldraOptions::FlagBit CKeldraOptions::kFlagBits[] = {
    {&CKeldraOptions::m_inactivityEnabled, kInactivityEnabledFlag},
    {&CKeldraOptions::m_promptOnOpen, kPromptOnOpenFlag},
    {&CKeldraOptions::m_lockoutEnabled, kLockoutEnabledFlag},
    {&CKeldraOptions::m_inactivityLocks, kInactivityLocksFlag},
    {&CKeldraOptions::m_inactivityCloses, kInactivityClosesFlag},
    {&CKeldraOptions::m_lockedOut, kLockedOutFlag},
    {&CKeldraOptions::firstRun, kFirstRunFlag},
};

int CKeldraOptions::saveAppData(COutputStream& out)
{
    int flags = 0;
    for (const FlagBit& f : kFlagBits)
        if (this->*f.field)
            flags |= f.bit;
    const auto write = [&out](auto value) {
        if (!out.getError())
            out << value;
    };
    write(m_inactivityMinutes);
    write(m_attempts);
    write(m_lockoutMinutes);
    write(static_cast<unsigned int>(m_lockedUntil));
    write(flags);
    return 0;
}

int CKeldraOptions::loadAppData(ZenthoIO::CInputStream& in)
{
    int inactivityMinutes = 0;
    int attempts = 0;
    int lockoutMinutes = 0;
    unsigned int lockedUntil = 0;
    int flags = 0;
    const auto read = [&in](auto& value) {
        if (!in.getError())
            in >> value;
    };
    read(inactivityMinutes);
    read(attempts);
    read(lockoutMinutes);
    read(lockedUntil);
    read(flags);
    if (in.getError())
        return 0;
    m_inactivityMinutes = inactivityMinutes;
    m_attempts = attempts;
    m_lockoutMinutes = lockoutMinutes;
    m_lockedUntil = lockedUntil;
    for (const FlagBit& f : kFlagBits)
        this->*f.field = (flags & f.bit) == f.bit;
    return 0;
}

void CKeldraOptions::startLockout(DWORD now)
{
    // The end saturates rather than wrapping round to a time in the past.
    const long long end = static_cast<long long>(now) + 60LL * std::max(m_lockoutMinutes, 0);
    m_lockedOut = 1;
    m_lockedUntil = static_cast<DWORD>(std::min<long long>(end, 0xFFFFFFFFLL));
}

LockoutState CKeldraOptions::lockoutStateAt(DWORD now) const
{
    if (!m_lockedOut)
        return LockoutState::None;
    return now < m_lockedUntil ? LockoutState::Running : LockoutState::Expired;
}

DWORD CKeldraOptions::currentTime() { return static_cast<DWORD>(std::time(nullptr)); }
