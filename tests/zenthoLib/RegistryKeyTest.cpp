#include "zenthoLib/Base/RegistryKey.h"
#include "zenthoLib/Base/TraceLog.h"
#include "support/RegistryScope.h"

#include <gtest/gtest.h>

namespace {

class RegistryKeyTest : public ::testing::Test {
protected:
    void SetUp() override { InitLib(""); }
    void TearDown() override
    {
        CRegistryKey::PropagateErrorOnDestruction(false);
        DeInitLib();
    }

    RegistryScope scope;
};

TEST_F(RegistryKeyTest, InitLibMakesTheFourRootsAfresh)
{
    CRegistryKey* before = CRegistryKey::HK_LOCAL_MACHINE;
    const CSmartPtr<CRegistryKey> kept = before;
    InitLib("");
    EXPECT_NE(CRegistryKey::HK_LOCAL_MACHINE.get(), before);
    EXPECT_EQ(CRegistryKey::HK_CLASSES_ROOT->handle(), HKEY_CLASSES_ROOT);
    EXPECT_EQ(CRegistryKey::HK_CURRENT_USER->handle(), HKEY_CURRENT_USER);
    EXPECT_EQ(CRegistryKey::HK_LOCAL_MACHINE->handle(), HKEY_LOCAL_MACHINE);
    EXPECT_EQ(CRegistryKey::HK_USERS->handle(), HKEY_USERS);
}

TEST_F(RegistryKeyTest, ValuesRoundTripThroughTheProxies)
{
    CSmartPtr<CRegistryKey> key = CRegistryKey::HK_CURRENT_USER->CreateKey("Software\\Proxy");
    ASSERT_EQ(key->GetError(), 0);
    key->PutVals("text", "hello");
    key->PutVals("number", DWORD{42});
    key->SetDefaultVal("default");
    EXPECT_EQ(static_cast<CString>(key->GetVals("TEXT")), "hello");
    EXPECT_EQ(static_cast<DWORD>(key->GetVals("number")), 42u);
    EXPECT_EQ(static_cast<CString>(key->GetDefaultVal()), "default");
    EXPECT_TRUE(key->GetVals("text").IsPresent());
    EXPECT_FALSE(key->GetVals("absent").IsPresent());
    EXPECT_EQ(key->GetError(), 0);
}

TEST_F(RegistryKeyTest, TypeMismatchStopsTheKeyUntilCleared)
{
    CSmartPtr<CRegistryKey> key = CRegistryKey::HK_CURRENT_USER->CreateKey("Mismatch");
    key->PutVals("text", "not a number");
    key->PutVals("number", DWORD{7});
    EXPECT_EQ(static_cast<DWORD>(key->GetVals("text")), 0u);
    EXPECT_EQ(key->GetError(), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(static_cast<DWORD>(key->GetVals("number")), 0u) << "a failed key reads nothing";
    key->PutVals("later", "ignored");
    EXPECT_EQ(key->Delete("anything"), E_FAIL);
    key->CleareError();
    EXPECT_EQ(static_cast<DWORD>(key->GetVals("number")), 7u);
    EXPECT_FALSE(key->GetVals("later").IsPresent());
    EXPECT_EQ(static_cast<CString>(key->GetVals("number")), "");
    EXPECT_EQ(key->GetError(), DISP_E_TYPEMISMATCH);
}

TEST_F(RegistryKeyTest, WindowsErrorsBecomeResultCodes)
{
    CSmartPtr<CRegistryKey> missing = CRegistryKey::HK_LOCAL_MACHINE->OpenKey("No\\Such\\Key");
    EXPECT_EQ(missing->GetError(), static_cast<HRESULT>(0x80070002u));
    EXPECT_EQ(missing->handle(), nullptr);
    CSmartPtr<CRegistryKey> parent = CRegistryKey::HK_LOCAL_MACHINE->CreateKey("Parent");
    parent->CreateKey("Child\\Grandchild");
    EXPECT_EQ(parent->Delete("Child"), S_OK);
    EXPECT_EQ(parent->GetError(), static_cast<HRESULT>(0x80070005u)) << "a key with subkeys is refused";
}

TEST_F(RegistryKeyTest, ChildFailuresReachTheParentOnlyWhenAsked)
{
    CSmartPtr<CRegistryKey> parent = CRegistryKey::HK_LOCAL_MACHINE->CreateKey("Parent");
    parent->OpenKey("missing");
    EXPECT_EQ(parent->GetError(), 0);
    CRegistryKey::PropagateErrorOnDestruction(true);
    parent->OpenKey("missing");
    EXPECT_EQ(parent->GetError(), static_cast<HRESULT>(0x80070002u));
}

} // namespace
