#include "zenthoLib/Base/OwnerInfo.h"
#include "zenthoLib/Base/RegKey.h"
#include "support/RegistryScope.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kUserInfo = "Software\\Microsoft\\MS Setup (ACME)\\User Info";

TEST(OwnerInfo, ReadsNameAndCompany)
{
    RegistryScope scope;
    ASSERT_EQ(RegKey::SetValue(HKEY_CURRENT_USER, kUserInfo, "Ada Lovelace", "DefName"), ERROR_SUCCESS);
    CString name = "unchanged";
    CString company = "unchanged";
    EXPECT_EQ(GetOwnerInfo(name, company), 0);
    EXPECT_EQ(name, "Ada Lovelace") << "the name is kept when the company is missing";
    EXPECT_EQ(company, "unchanged");
    ASSERT_EQ(RegKey::SetValue(HKEY_CURRENT_USER, kUserInfo, "Analytical Engines", "DefCompany"), ERROR_SUCCESS);
    EXPECT_EQ(GetOwnerInfo(name, company), 1);
    EXPECT_EQ(company, "Analytical Engines");
}

TEST(OwnerInfo, MissingKeyGivesZero)
{
    RegistryScope scope;
    CString name;
    CString company;
    EXPECT_EQ(GetOwnerInfo(name, company), 0);
}

} // namespace
