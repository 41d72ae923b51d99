#include "zenthoLib/Base/SizedArray.h"
#include "zenthoLib/Base/SmartPtr.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(SizedArray, GrowsByCopyingAndShrinksInPlace)
{
    CSizedArray a;
    EXPECT_TRUE(a.isEmpty());
    ASSERT_TRUE(a.init(3));
    std::memcpy(a.getData(), "xyz", 3);
    unsigned char* block = a.getData();
    ASSERT_TRUE(a.setSize(2));
    EXPECT_EQ(a.getData(), block);
    EXPECT_EQ(a.getSize(), 2u);
    ASSERT_TRUE(a.setSize(5));
    EXPECT_EQ(a.getSize(), 5u);
    EXPECT_EQ(std::memcmp(a.getData(), "xy", 2), 0);
    a.done();
    EXPECT_TRUE(a.isEmpty());
    EXPECT_EQ(a.getSize(), 0u);
}

TEST(SizedArray, CopiesOwnTheirBytes)
{
    CSizedArray a;
    ASSERT_TRUE(a.init(2));
    a.getData()[0] = 1;
    a.getData()[1] = 2;
    CSizedArray b(a);
    b.getData()[0] = 9;
    EXPECT_EQ(a.getData()[0], 1);
    CSizedArray c;
    ASSERT_TRUE(c.copyFrom(a));
    EXPECT_NE(c.getData(), a.getData());
    EXPECT_EQ(c.getData()[1], 2);
}

class Counted : public CRefCntBase {
public:
    explicit Counted(int& destroyed) : m_destroyed(destroyed) {}
    ~Counted() override { ++m_destroyed; }
    int count() const { return refCount; }

private:
    int& m_destroyed;
};

TEST(RefCounting, ReleaseAtZeroDestroysAndSmartPointersShareOwnership)
{
    int destroyed = 0;
    auto* object = new Counted(destroyed);
    EXPECT_EQ(object->AddRef(), 0);
    EXPECT_EQ(object->AddRef(), 1);
    EXPECT_EQ(object->Release(), 1);
    {
        CSmartPtr<Counted> first(object);
        EXPECT_EQ(object->count(), 2);
        CSmartPtr<Counted> second = first;
        EXPECT_EQ(object->count(), 3);
        second = nullptr;
        EXPECT_EQ(object->count(), 2);
        CSmartPtr<Counted> moved(std::move(first));
        EXPECT_EQ(object->count(), 2);
        EXPECT_EQ(object->Release(), 1);
    }
    EXPECT_EQ(destroyed, 1);
}

} // namespace
