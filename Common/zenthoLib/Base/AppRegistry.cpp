#include "AppRegistry.h"

#include "ByteInputStream.h"
#include "ByteOutputStream.h"

#include <cstring>

LONG CAppRegistry::openKey(RegKey& key, DWORD access) { return key.Open(HKEY_LOCAL_MACHINE, getKeyPath(), access); }

int CAppRegistry::Create()
{
    char noClass[] = "";
    isOpen = m_key.Create(HKEY_LOCAL_MACHINE, getKeyPath(), noClass, 0, KEY_ALL_ACCESS) == ERROR_SUCCESS;
    return isOpen;
}

int CAppRegistry::init()
{
    isOpen = openKey(m_key, KEY_ALL_ACCESS) == ERROR_SUCCESS;
    return isOpen;
}

int CAppRegistry::readOptions(CAppOptions* opts)
{
    if (!isOpen)
        return 1;
    unsigned char buffer[kOptionsCapacity];
    DWORD size = sizeof buffer;
    if (m_key.QueryValue(buffer, getOptionsValueName(), &size) != ERROR_SUCCESS)
        return 1;
    ZenthoIO::CByteInputStream stream(buffer, size);
    return opts->load(stream);
}

int CAppRegistry::saveOptions(CAppOptions* opts)
{
    if (!isOpen)
        return 1;
    unsigned char buffer[kOptionsCapacity];
    CByteOutputStream stream(buffer, sizeof buffer);
    if (opts->save(stream) != 0)
        return 1;
    return m_key.SetValue(buffer, stream.getDataSize(), getOptionsValueName()) == ERROR_SUCCESS ? 0 : 1;
}

int CAppRegistry::ClearOptions()
{
    if (!init())
        return 1;
    CSmartPtr<CAppOptions> options;
    createOptions(options);
    options->setFirstRun(1);
    return saveOptions(options);
}

int CAppRegistry::GetString(CString name, CString& out)
{
    if (!isOpen)
        return 0;
    RegKey key;
    if (openKey(key, KEY_READ) != ERROR_SUCCESS)
        return 0;
    char buffer[kStringCapacity];
    DWORD size = sizeof buffer;
    if (key.QueryValue(reinterpret_cast<unsigned char*>(buffer), name, &size) != ERROR_SUCCESS)
        return 0;
    out = CString(buffer, static_cast<int>(strnlen(buffer, size)));
    return 1;
}

int CAppRegistry::SetString(CString name, CString value)
{
    if (!isOpen)
        return 0;
    openKey(m_key, KEY_ALL_ACCESS);
    return m_key.SetValue(value.GetString(), name) == ERROR_SUCCESS;
}

int CAppRegistry::getProgramDir(CString& out) { return GetString(getProgramDirValueName(), out); }

int CAppRegistry::isInstalledProperly(AppRegistryFactory create)
{
    CSmartPtr<CAppRegistry> registry = create();
    if (!registry || !registry->init())
        return 0;
    RegKey key;
    if (registry->openKey(key, KEY_READ) != ERROR_SUCCESS)
        return 0;
    unsigned char buffer[kOptionsCapacity];
    DWORD size = sizeof buffer;
    return key.QueryValue(buffer, registry->getOptionsValueName(), &size) == ERROR_SUCCESS;
}
