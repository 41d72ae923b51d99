// A reference-counted registry key tree with value proxies. A key keeps its
// first failure as a result code (a Windows error e becomes
// 0x80070000 | (e & 0xFFFF)); while that code is negative, the key and its
// values do nothing and reads give "" or 0. Nothing throws.
#pragma once

#include "RefCntBase.h"
#include "SmartPtr.h"
#include "platform/CString.h"
#include "platform/Registry.h"

class CRegistryValue;

class CRegistryKey : public CRefCntBase {
public:
    // The four roots, made by InitLib.
    static CSmartPtr<CRegistryKey> HK_CLASSES_ROOT;
    static CSmartPtr<CRegistryKey> HK_CURRENT_USER;
    static CSmartPtr<CRegistryKey> HK_LOCAL_MACHINE;
    static CSmartPtr<CRegistryKey> HK_USERS;
    static bool m_bPropagetErrOnDestruct;

    // A new root key over one of the predefined handles.
    static CSmartPtr<CRegistryKey> makeRoot(HKEY predefined);
    // Copy a child's failure into its parent when the child goes.
    static void PropagateErrorOnDestruction(bool propagate) { m_bPropagetErrOnDestruct = propagate; }

    CSmartPtr<CRegistryKey> OpenKey(const char* name, DWORD access = KEY_ALL_ACCESS);
    CSmartPtr<CRegistryKey> CreateKey(const char* name, DWORD access = KEY_ALL_ACCESS);

    CRegistryValue GetVals(const char* name);
    CRegistryValue GetDefaultVal();
    void PutVals(const char* name, const char* text);
    void PutVals(const char* name, DWORD value);
    void SetDefaultVal(const char* text);
    void SetDefaultVal(DWORD value);

    // E_FAIL when the key is already failed; otherwise deletes the subkey,
    // records a failure in the key and returns 0.
    HRESULT Delete(const char* subkey);

    HRESULT GetError() const { return m_error; }
    void CleareError() { m_error = 0; }
    HKEY handle() const { return m_hKey; }

private:
    friend class CRegistryValue;

    CRegistryKey(HKEY key, CRegistryKey* parent) : m_hKey(key), m_parent(parent) {}
    ~CRegistryKey() override;
    bool failed() const { return m_error < 0; }
    void fail(HRESULT code) { m_error = code; }
    void failWin32(LONG error) { m_error = HRESULT_FROM_WIN32(static_cast<DWORD>(error)); }
    CSmartPtr<CRegistryKey> child(const char* name, DWORD access, bool create);

    HKEY m_hKey;
    HRESULT m_error = 0;
    CSmartPtr<CRegistryKey> m_parent;
};

// One value of a key; an empty name stands for the key's default value.
class CRegistryValue : public CRefCntBase {
public:
    CRegistryValue(CRegistryKey* key, const char* name) : m_key(key), m_name(name) {}
    CRegistryValue(const CRegistryValue& other) : CRefCntBase(other), m_key(other.m_key), m_name(other.m_name) {}

    // A REG_SZ value's text; any other type records DISP_E_TYPEMISMATCH.
    operator CString() const;
    // A REG_DWORD value; any other type records DISP_E_TYPEMISMATCH.
    operator DWORD() const;
    // Non-zero when the value can be queried.
    int IsPresent() const;

    CRegistryValue& operator=(const char* text);
    CRegistryValue& operator=(DWORD value);
    CRegistryValue& operator=(const CRegistryValue&) = delete;

private:
    // The value's type and size, or false after recording the failure.
    bool describe(DWORD& type, DWORD& size) const;
    void write(DWORD type, const BYTE* data, DWORD size);

    CSmartPtr<CRegistryKey> m_key;
    CString m_name;
};
