// The wallet's settings: password prompt on open, what inactivity does, and
// the lock-out after too many wrong passwords. Stored after the options
// record's base part as inactivity minutes, attempts, lock-out minutes,
// locked-until (32-bit each) and a flags word.
#pragma once

#include "zenthoLib/Base/AppOptions.h"

// Where a lock-out stands at a given moment.
enum class LockoutState {
    None,    // no lock-out
    Running, // the application stays locked
    Expired, // the lock-out is over but still marked; clear it and save
};

class CKeldraOptions : public CAppOptions {
public:
    // Bits of the stored flags word.
    static constexpr int kInactivityEnabledFlag = 0x01;
    static constexpr int kPromptOnOpenFlag = 0x02;
    static constexpr int kLockoutEnabledFlag = 0x04;
    static constexpr int kInactivityLocksFlag = 0x08;
    static constexpr int kInactivityClosesFlag = 0x10;
    static constexpr int kLockedOutFlag = 0x20;

    int saveAppData(COutputStream& out) override;
    // Leaves every setting unchanged unless the whole part could be read.
    int loadAppData(ZenthoIO::CInputStream& in) override;

    bool promptOnOpen() const { return m_promptOnOpen; }
    void setPromptOnOpen(bool on) { m_promptOnOpen = on; }

    bool inactivityEnabled() const { return m_inactivityEnabled; }
    void setInactivityEnabled(bool on) { m_inactivityEnabled = on; }
    bool inactivityLocks() const { return m_inactivityLocks; }
    bool inactivityCloses() const { return m_inactivityCloses; }
    // Inactivity either closes or locks the wallet.
    void setInactivityCloses(bool closes)
    {
        m_inactivityCloses = closes;
        m_inactivityLocks = !closes;
    }
    int inactivityMinutes() const { return m_inactivityMinutes; }
    void setInactivityMinutes(int minutes) { m_inactivityMinutes = minutes; }

    bool lockoutEnabled() const { return m_lockoutEnabled; }
    void setLockoutEnabled(bool on) { m_lockoutEnabled = on; }
    // Wrong password entries allowed before the lock-out.
    int attempts() const { return m_attempts; }
    void setAttempts(int attempts) { m_attempts = attempts; }
    int lockoutMinutes() const { return m_lockoutMinutes; }
    void setLockoutMinutes(int minutes) { m_lockoutMinutes = minutes; }

    bool isLockedOut() const { return m_lockedOut; }
    // The end of the lock-out in seconds since 1 January 1970 (UTC).
    DWORD lockedUntil() const { return m_lockedUntil; }
    // Locks the application out for lock-out minutes from `now` (seconds since 1970).
    void startLockout(DWORD now);
    LockoutState lockoutStateAt(DWORD now) const;
    // Ends the lock-out mark; the end time stays as it was.
    void clearLockout() { m_lockedOut = 0; }

    // The current time in seconds since 1 January 1970 (UTC).
    static DWORD currentTime();

private:
    // Which field each bit of the stored flags word holds.
    struct FlagBit {
        int CKeldraOptions::*field;
        int bit;
    };
    static const FlagBit kFlagBits[7];

    int m_promptOnOpen = 0;
    int m_inactivityEnabled = 0;
    int m_inactivityLocks = 1;
    int m_inactivityCloses = 0;
    int m_inactivityMinutes = 1;
    int m_lockoutEnabled = 1;
    int m_attempts = 3;
    int m_lockoutMinutes = 10;
    int m_lockedOut = 0;
    DWORD m_lockedUntil = 0;
};
