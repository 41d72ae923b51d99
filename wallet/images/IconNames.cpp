#include "IconNames.h"

namespace IconNames {

CString standardName(const char* file) { return CString(kStandardFolder) + file; }

CString customName(const char* file) { return CString(kCustomFolder) + file; }

} // namespace IconNames

namespace IconIndexing {

int variantIndex(int plainCount, int index)
{
    if (index < IconNames::kSpecialCount || index == IconNames::kNoImage)
        return index;
    return index - IconNames::kSpecialCount + plainCount;
}

const CString& iconName(const std::vector<CString>& names, int index)
{
    const int plainCount = static_cast<int>(names.size());
    const int plain = index < plainCount ? index : index - plainCount + IconNames::kSpecialCount;
    // An index outside the numbering names nothing.
    static const CString kNoName;
    if (plain < 0 || plain >= plainCount)
        return kNoName;
    return names[static_cast<std::size_t>(plain)];
}

} // namespace IconIndexing

CIconNames::CIconNames(const std::vector<CString>& customFiles)
{
    m_names.reserve(IconNames::kSpecialCount + IconNames::kCardTypeCount + customFiles.size());
    for (const char* file : IconNames::kSpecialFiles)
        m_names.push_back(IconNames::standardName(file));
    for (const char* file : IconNames::kCardTypeFiles)
        m_names.push_back(IconNames::standardName(file));
    for (const CString& file : customFiles)
        m_names.push_back(IconNames::customName(file));
    // A name given twice (a custom icon named like a standard one) means the first.
    for (std::size_t i = 0; i < m_names.size(); ++i)
        m_indexOf.emplace(m_names[i], static_cast<int>(i));
}

int CIconNames::imageIndex(const CString& name, bool plain) const
{
    const auto found = m_indexOf.find(name);
    if (found == m_indexOf.end())
        return IconNames::kMissingIconIndex;
    return plain ? found->second : variantIndex(found->second);
}

int CIconNames::variantIndex(int index) const { return IconIndexing::variantIndex(plainCount(), index); }

const CString& CIconNames::iconName(int index) const { return IconIndexing::iconName(m_names, index); }
