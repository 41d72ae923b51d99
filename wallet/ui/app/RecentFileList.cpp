#include "app/RecentFileList.h"

#include "zenthoLib/Base/RegistryKey.h"

#include <algorithm>
#include <string>

namespace {

std::string valueName(int index) { return "File" + std::to_string(index + 1); }

} // namespace

void CRecentFileList::load()
{
    m_files.clear();
    CSmartPtr<CRegistryKey> key = CRegistryKey::HK_CURRENT_USER->OpenKey(kKeyPath, KEY_READ);
    for (int index = 0; index < kSize; ++index) {
        CRegistryValue value = key->GetVals(valueName(index).c_str());
        if (!value.IsPresent())
            break;
        const CString path = value;
        if (!path.IsEmpty())
            m_files.push_back(path);
    }
}

void CRecentFileList::add(const CString& path)
{
    std::erase_if(m_files, [&](const CString& file) { return file.CompareNoCase(path) == 0; });
    m_files.insert(m_files.begin(), path);
    if (m_files.size() > kSize)
        m_files.resize(kSize);
    save();
}

void CRecentFileList::save() const
{
    CSmartPtr<CRegistryKey> key = CRegistryKey::HK_CURRENT_USER->CreateKey(kKeyPath);
    for (std::size_t index = 0; index < m_files.size(); ++index)
        key->PutVals(valueName(static_cast<int>(index)).c_str(), m_files[index].GetString());
}
