#include "RegistryKey.h"

#include <cstring>
#include <vector>

CSmartPtr<CRegistryKey> CRegistryKey::HK_CLASSES_ROOT;
CSmartPtr<CRegistryKey> CRegistryKey::HK_CURRENT_USER;
CSmartPtr<CRegistryKey> CRegistryKey::HK_LOCAL_MACHINE;
CSmartPtr<CRegistryKey> CRegistryKey::HK_USERS;
bool CRegistryKey::m_bPropagetErrOnDestruct = false;

CSmartPtr<CRegistryKey> CRegistryKey::makeRoot(HKEY predefined) { return new CRegistryKey(predefined, nullptr); }

CRegistryKey::~CRegistryKey()
{
    if (m_hKey && !isPredefinedRegistryKey(m_hKey))
        RegCloseKey(m_hKey);
    if (failed() && m_bPropagetErrOnDestruct && m_parent)
        m_parent->fail(m_error);
}

CSmartPtr<CRegistryKey> CRegistryKey::child(const char* name, DWORD access, bool create)
{
    CSmartPtr<CRegistryKey> key = new CRegistryKey(nullptr, this);
    if (failed()) {
        key->fail(E_FAIL);
        return key;
    }
    HKEY opened = nullptr;
    char noClass[] = "";
    const LONG result = create ? RegCreateKeyExA(m_hKey, name, 0, noClass, 0, access, nullptr, &opened, nullptr)
                               : RegOpenKeyExA(m_hKey, name, 0, access, &opened);
    if (result == ERROR_SUCCESS)
        key->m_hKey = opened;
    else
        key->failWin32(result);
    return key;
}

CSmartPtr<CRegistryKey> CRegistryKey::OpenKey(const char* name, DWORD access) { return child(name, access, false); }

CSmartPtr<CRegistryKey> CRegistryKey::CreateKey(const char* name, DWORD access) { return child(name, access, true); }

CRegistryValue CRegistryKey::GetVals(const char* name) { return CRegistryValue(this, name); }

CRegistryValue CRegistryKey::GetDefaultVal() { return CRegistryValue(this, ""); }

void CRegistryKey::PutVals(const char* name, const char* text) { GetVals(name) = text; }

void CRegistryKey::PutVals(const char* name, DWORD value) { GetVals(name) = value; }

void CRegistryKey::SetDefaultVal(const char* text) { GetDefaultVal() = text; }

void CRegistryKey::SetDefaultVal(DWORD value) { GetDefaultVal() = value; }

HRESULT CRegistryKey::Delete(const char* subkey)
{
    if (failed())
        return E_FAIL;
    if (const LONG result = RegDeleteKeyA(m_hKey, subkey))
        failWin32(result);
    return S_OK;
}

bool CRegistryValue::describe(DWORD& type, DWORD& size) const
{
    if (m_key->failed())
        return false;
    if (const LONG result = RegQueryValueExA(m_key->m_hKey, m_name, nullptr, &type, nullptr, &size)) {
        m_key->failWin32(result);
        return false;
    }
    return true;
}

CRegistryValue::operator CString() const
{
    DWORD type = 0;
    DWORD size = 0;
    if (!describe(type, size))
        return CString();
    if (type != REG_SZ) {
        m_key->fail(DISP_E_TYPEMISMATCH);
        return CString();
    }
    std::vector<BYTE> buffer(size);
    if (const LONG result = RegQueryValueExA(m_key->m_hKey, m_name, nullptr, nullptr, buffer.data(), &size)) {
        m_key->failWin32(result);
        return CString();
    }
    const auto* text = reinterpret_cast<const char*>(buffer.data());
    return CString(text, static_cast<int>(strnlen(text, size)));
}

CRegistryValue::operator DWORD() const
{
    DWORD type = 0;
    DWORD size = 0;
    if (!describe(type, size))
        return 0;
    if (type != REG_DWORD) {
        m_key->fail(DISP_E_TYPEMISMATCH);
        return 0;
    }
    DWORD value = 0;
    size = sizeof value;
    if (const LONG result =
            RegQueryValueExA(m_key->m_hKey, m_name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size)) {
        m_key->failWin32(result);
        return 0;
    }
    return value;
}

int CRegistryValue::IsPresent() const
{
    DWORD size = 0;
    return !m_key->failed() && RegQueryValueExA(m_key->m_hKey, m_name, nullptr, nullptr, nullptr, &size) == 0;
}

void CRegistryValue::write(DWORD type, const BYTE* data, DWORD size)
{
    if (m_key->failed())
        return;
    if (const LONG result = RegSetValueExA(m_key->m_hKey, m_name, 0, type, data, size))
        m_key->failWin32(result);
}

CRegistryValue& CRegistryValue::operator=(const char* text)
{
    write(REG_SZ, reinterpret_cast<const BYTE*>(text), static_cast<DWORD>(std::strlen(text) + 1));
    return *this;
}

CRegistryValue& CRegistryValue::operator=(DWORD value)
{
    write(REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    return *this;
}
