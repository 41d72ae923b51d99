// The base of the object that keeps an application's options record and a
// few string values in its registry key below HKEY_LOCAL_MACHINE. The derived
// class names the key and the values and makes the options record.
#pragma once

#include "AppOptions.h"
#include "RegKey.h"
#include "RefCntBase.h"
#include "SmartPtr.h"
#include "platform/CString.h"

class CAppRegistry;
// Makes a new object of a class derived from CAppRegistry.
using AppRegistryFactory = CAppRegistry* (*)();

class CAppRegistry : public CRefCntBase {
public:
    // The largest options record, in bytes.
    static constexpr DWORD kOptionsCapacity = 2048;
    // The buffer size for string values; longer strings cannot be read.
    static constexpr DWORD kStringCapacity = MAX_PATH;

    CAppRegistry() = default;
    ~CAppRegistry() override = default;
    CAppRegistry(const CAppRegistry&) = delete;
    CAppRegistry& operator=(const CAppRegistry&) = delete;

    virtual void createOptions(CSmartPtr<CAppOptions>& out) = 0;
    virtual const char* getKeyPath() = 0;
    virtual const char* getOptionsValueName() = 0;
    virtual const char* getProgramDirValueName() = 0;
    // Writes the first values after Create; 0 on failure.
    virtual int InitRegistryForEmulator() { return 0; }

    // Creates or opens the key; 1 when open, else 0.
    int Create();
    // Opens the existing key; 1 when open, else 0.
    int init();
    bool isOpened() const { return isOpen != 0; }

    // 0 = read, 1 = not open or no readable value, 2 = only the base part was usable.
    int readOptions(CAppOptions* opts);
    // 0 = written, 1 = not open, the record does not fit or the write failed.
    int saveOptions(CAppOptions* opts);
    // Stores a fresh options record with the first-run flag; saveOptions's result.
    int ClearOptions();

    // 1 and `out` set when the string value could be read; 0 otherwise, `out` unchanged.
    int GetString(CString name, CString& out);
    // 1 when the string was written.
    int SetString(CString name, CString value);
    int getProgramDir(CString& out);

    // 1 when an object made by `create` opens its key and can read its options value.
    static int isInstalledProperly(AppRegistryFactory create);

protected:
    LONG openKey(RegKey& key, DWORD access);

    RegKey m_key;
    BYTE isOpen = 0;
};
