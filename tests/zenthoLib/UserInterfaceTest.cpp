#include "zenthoLib/Base/UserInterface.h"

#include <gtest/gtest.h>

namespace {

TEST(PasswordEntry, WipesItsTextsWhenAsked)
{
    PasswordEntry entry;
    entry.first = "secret-one";
    entry.second = "secret-two";
    const char* first = entry.first.GetString();
    entry.wipe();
    EXPECT_TRUE(entry.first.IsEmpty());
    EXPECT_TRUE(entry.second.IsEmpty());
    EXPECT_EQ(first[0], '\0');
}

} // namespace
