#include "zenthoLib/Base/ByteInputStream.h"
#include "zenthoLib/Base/ByteOutputStream.h"
#include "zenthoLib/Base/ErrorUtil.h"
#include "zenthoLib/Base/SizedArray.h"
#include "support/CodePageScope.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;
using ZenthoIO::CByteInputStream;

Bytes written(const std::function<void(COutputStream&)>& write)
{
    unsigned char buffer[256] = {};
    CByteOutputStream out(buffer, sizeof buffer);
    write(out);
    EXPECT_EQ(out.getError(), 0);
    return Bytes(buffer, buffer + out.getDataSize());
}

TEST(StreamEncoding, IntegersAreLittleEndianAndSignedSharesUnsigned)
{
    const struct {
        const char* what;
        std::function<void(COutputStream&)> write;
        Bytes bytes;
    } cases[] = {
        {"unsigned long 258", [](COutputStream& s) { s << 258UL; }, {0x02, 0x01, 0x00, 0x00}},
        {"long -1", [](COutputStream& s) { s << -1L; }, {0xFF, 0xFF, 0xFF, 0xFF}},
        {"int -2", [](COutputStream& s) { s << -2; }, {0xFE, 0xFF, 0xFF, 0xFF}},
        {"unsigned int", [](COutputStream& s) { s << 0x11223344u; }, {0x44, 0x33, 0x22, 0x11}},
        {"short -1", [](COutputStream& s) { s << static_cast<short>(-1); }, {0xFF, 0xFF}},
        {"unsigned short", [](COutputStream& s) { s << static_cast<unsigned short>(0x0102); }, {0x02, 0x01}},
        {"char", [](COutputStream& s) { s << 'A'; }, {0x41}},
        {"unsigned char", [](COutputStream& s) { s << static_cast<unsigned char>(0xFE); }, {0xFE}},
        {"true", [](COutputStream& s) { s << true; }, {0x01, 0x00}},
        {"false", [](COutputStream& s) { s << false; }, {0x00, 0x00}},
        {"float 1.0", [](COutputStream& s) { s << 1.0f; }, {0x00, 0x00, 0x80, 0x3F}},
        {"double -2.0", [](COutputStream& s) { s << -2.0; }, {0, 0, 0, 0, 0, 0, 0x00, 0xC0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(written(c.write), c.bytes) << c.what;
}

TEST(StreamEncoding, IntegersReadBack)
{
    const Bytes bytes = {0x02, 0x01, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x7F, 0x40, 0x00, 0x00, 0x80, 0x3F};
    CByteInputStream in(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
    unsigned long ul = 0;
    long l = 0;
    short s = 0;
    char c = 0;
    unsigned char uc = 0;
    float f = 0;
    in >> ul >> l >> s >> c >> uc >> f;
    EXPECT_EQ(in.getError(), 0);
    EXPECT_EQ(ul, 258UL);
    EXPECT_EQ(l, -1L);
    EXPECT_EQ(s, -2);
    EXPECT_EQ(c, 0x7F);
    EXPECT_EQ(uc, 0x40);
    EXPECT_EQ(f, 1.0f);
}

TEST(StreamEncoding, BoolIsTheLowByteOfA16BitValue)
{
    const struct {
        Bytes bytes;
        bool value;
    } cases[] = {{{0x01, 0x00}, true}, {{0x00, 0x01}, false}, {{0x02, 0x00}, true}, {{0x00, 0x00}, false}};
    for (const auto& c : cases) {
        CByteInputStream in(c.bytes.data(), 2);
        bool value = !c.value;
        in >> value;
        EXPECT_EQ(value, c.value);
        EXPECT_EQ(in.getError(), 0);
    }
}

TEST(StreamEncoding, TextIsALengthAnd32BitUnits)
{
    EXPECT_EQ(written([](COutputStream& s) { s << "abc"; }),
              (Bytes{3, 0, 0, 0, 'a', 0, 0, 0, 'b', 0, 0, 0, 'c', 0, 0, 0}));
    EXPECT_EQ(written([](COutputStream& s) { s << CString("abc"); }),
              (Bytes{3, 0, 0, 0, 'a', 0, 0, 0, 'b', 0, 0, 0, 'c', 0, 0, 0}));
    EXPECT_EQ(written([](COutputStream& s) { s << ""; }), (Bytes{0, 0, 0, 0}));
    EXPECT_EQ(written([](COutputStream& s) { s << u"\u20ACa"; }), (Bytes{2, 0, 0, 0, 0xAC, 0x20, 0, 0, 'a', 0, 0, 0}));
    // A byte above 0x7F is zero-extended, not sign-extended.
    EXPECT_EQ(written([](COutputStream& s) { s << "\xE9"; }), (Bytes{1, 0, 0, 0, 0xE9, 0, 0, 0}));
}

TEST(StreamEncoding, TextRoundTripsThroughMemoryStreams)
{
    CodePageScope cp(CP_UTF8);
    for (const char* text : {"", "abc", "Kon\xC3\xA9 \xE2\x82\xAC"}) {
        const Bytes bytes = written([&](COutputStream& s) { s << CString(text) << 7; });
        CByteInputStream in(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
        CString back("untouched");
        int after = 0;
        in >> back >> after;
        EXPECT_EQ(in.getError(), 0);
        EXPECT_EQ(back, text);
        EXPECT_EQ(after, 7);
    }
}

TEST(StreamEncoding, TextReadStopsAtTheEndOfData)
{
    // A length with no data after it leaves the string untouched.
    const Bytes lengthOnly = {5, 0};
    CByteInputStream short1(lengthOnly.data(), 2);
    CString untouched("keep");
    short1 >> untouched;
    EXPECT_TRUE(short1.eof());
    EXPECT_EQ(untouched, "keep");
    // A length larger than the data reads what is there and stops.
    const Bytes truncated = {0xFF, 0xFF, 0xFF, 0x7F, 'a', 0, 0, 0, 'b', 0};
    CByteInputStream in(truncated.data(), static_cast<std::uint32_t>(truncated.size()));
    CString text;
    in >> text;
    EXPECT_TRUE(in.eof());
    EXPECT_EQ(text, "a");
}

TEST(StreamEncoding, StoredWindows1252TextIsReadAsUtf8)
{
    CodePageScope cp(CP_UTF8);
    const Bytes bytes = {4, 0, 0, 0, 'c', 0, 0, 0, 'a', 0, 0, 0, 'f', 0, 0, 0, 0xE9, 0, 0, 0};
    CByteInputStream in(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
    CString text;
    in >> text;
    EXPECT_EQ(text, "caf\xC3\xA9");
}

TEST(StreamEncoding, ArraysAreASizeAndTheBytes)
{
    CSizedArray array;
    ASSERT_TRUE(array.init(3));
    array.getData()[0] = 9;
    array.getData()[1] = 8;
    array.getData()[2] = 7;
    EXPECT_EQ(written([&](COutputStream& s) { EXPECT_TRUE(s << array); }), (Bytes{3, 0, 0, 0, 9, 8, 7}));

    const Bytes bytes = {3, 0, 0, 0, 9, 8, 7};
    CByteInputStream in(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
    CSizedArray back;
    EXPECT_TRUE(in.readArray(back));
    ASSERT_EQ(back.getSize(), 3u);
    EXPECT_EQ(back.getData()[2], 7);

    const Bytes empty = {0, 0, 0, 0};
    CByteInputStream emptyIn(empty.data(), 4);
    CSizedArray none;
    EXPECT_TRUE(emptyIn.readArray(none));
    EXPECT_EQ(none.getSize(), 0u);
}

TEST(StreamEncoding, ArrayWithADamagedSizeFailsWithoutAllocatingIt)
{
    const Bytes bytes = {0xF0, 0xFF, 0xFF, 0xFF, 1, 2, 3};
    CByteInputStream in(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
    CSizedArray array;
    EXPECT_FALSE(in.readArray(array));
    EXPECT_TRUE(in.eof());
    EXPECT_EQ(array.getSize(), 0u);
}

TEST(StreamEncoding, ArrayWriteIntoAFullStreamFails)
{
    CSizedArray array;
    ASSERT_TRUE(array.init(8));
    unsigned char buffer[6];
    CByteOutputStream out(buffer, sizeof buffer);
    EXPECT_FALSE(out << array);
    EXPECT_EQ(out.getError(), STREAM_E_END_OF_DATA);
}

TEST(StreamEncoding, VariantsAreATagAndAPayload)
{
    _variant_t i2(static_cast<std::int16_t>(-2));
    _variant_t i4(static_cast<std::int32_t>(0x01020304));
    _variant_t r4(1.0f);
    _variant_t r8(-2.0);
    _variant_t date(VT_DATE);
    date.dblVal = 0.5;
    _variant_t text(std::u16string(u"ab"));
    _variant_t yes(true);
    _variant_t ui1(VT_UI1);
    ui1.bVal = 0xAB;
    const struct {
        const char* what;
        _variant_t value;
        Bytes bytes;
    } cases[] = {
        {"empty", _variant_t(), {0, 0}},
        {"null", _variant_t(VT_NULL), {1, 0}},
        {"i2", i2, {2, 0, 0xFE, 0xFF}},
        {"i4", i4, {3, 0, 4, 3, 2, 1}},
        {"r4", r4, {4, 0, 0, 0, 0x80, 0x3F}},
        {"r8", r8, {5, 0, 0, 0, 0, 0, 0, 0, 0, 0xC0}},
        {"date", date, {7, 0, 0, 0, 0, 0, 0, 0, 0xE0, 0x3F}},
        {"bstr", text, {8, 0, 2, 0, 0, 0, 'a', 0, 0, 0, 'b', 0, 0, 0}},
        {"bool", yes, {11, 0, 1}},
        {"ui1", ui1, {17, 0, 0xAB}},
    };
    for (const auto& c : cases) {
        const Bytes bytes = written([&](COutputStream& s) { s << c.value; });
        EXPECT_EQ(bytes, c.bytes) << c.what;
        CByteInputStream in(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
        _variant_t back;
        in >> back;
        EXPECT_EQ(in.getError(), 0) << c.what;
        EXPECT_EQ(back.vt, c.value.vt) << c.what;
        EXPECT_EQ(back.bstrVal, c.value.bstrVal) << c.what;
        EXPECT_EQ(back.dblVal, c.value.dblVal) << c.what;
    }
}

TEST(StreamEncoding, VariantBoolIsTrueOnlyForOne)
{
    const Bytes two = {11, 0, 2};
    CByteInputStream in(two.data(), 3);
    _variant_t value;
    in >> value;
    EXPECT_EQ(value.vt, VT_BOOL);
    EXPECT_EQ(value.boolVal, VARIANT_FALSE);
}

TEST(StreamEncoding, UnsupportedVariantTagIsAnErrorOnBothSides)
{
    clearLastFailure();
    unsigned char buffer[16];
    CByteOutputStream out(buffer, sizeof buffer);
    out << _variant_t(VT_CY);
    EXPECT_EQ(out.getError(), DISP_E_BADVARTYPE);
    ASSERT_EQ(out.getDataSize(), 2u);
    EXPECT_EQ(buffer[0], 6);
    EXPECT_EQ(buffer[1], 0);
    EXPECT_EQ(lastFailure().code, DISP_E_BADVARTYPE);

    CByteInputStream in(buffer, 2);
    _variant_t back;
    in >> back;
    EXPECT_EQ(in.getError(), DISP_E_BADVARTYPE);
    EXPECT_FALSE(in.eof());
}

TEST(MemoryStreams, InputStreamEndOfDataAndRestart)
{
    const Bytes bytes = {1, 2, 3};
    CByteInputStream in(bytes.data(), 3);
    unsigned long value = 99;
    in >> value;
    EXPECT_EQ(in.getError(), STREAM_E_END_OF_DATA);
    EXPECT_TRUE(in.eof());
    EXPECT_EQ(value, 0x030201UL); // the missing byte reads as 0
    in.Restart();
    EXPECT_EQ(in.getError(), 0);
    EXPECT_FALSE(in.eof());
    unsigned char first = 0;
    in >> first;
    EXPECT_EQ(first, 1);
}

TEST(MemoryStreams, InputStreamPositions)
{
    const Bytes bytes = {1, 2, 3};
    CByteInputStream in(bytes.data(), 3);
    std::uint32_t pos = 99;
    EXPECT_TRUE(in.setCurrentPosition(2));
    EXPECT_TRUE(in.getCurrentStreamPosition(pos));
    EXPECT_EQ(pos, 2u);
    EXPECT_FALSE(in.setCurrentPosition(3));
    unsigned char b = 0;
    in >> b;
    EXPECT_EQ(b, 3);
}

TEST(MemoryStreams, OutputStreamOverflowKeepsCounting)
{
    unsigned char buffer[4] = {};
    CByteOutputStream out(buffer, sizeof buffer);
    out << 0x11111111UL << 0x22222222UL;
    EXPECT_EQ(out.getError(), STREAM_E_END_OF_DATA);
    EXPECT_EQ(out.getDataSize(), 8u);
    EXPECT_EQ(buffer[0], 0x11);
    EXPECT_EQ(buffer[3], 0x11);
    EXPECT_FALSE(out.setCurrentPosition(4));
    EXPECT_TRUE(out.setCurrentPosition(3));
}

TEST(MemoryStreams, WriteBytesStopsAtTheEndOfData)
{
    unsigned char buffer[2];
    CByteOutputStream out(buffer, sizeof buffer);
    const unsigned char data[5] = {1, 2, 3, 4, 5};
    EXPECT_EQ(out.WriteBytes(data, 5), 3u); // the third write is the one that overflows
    EXPECT_EQ(out.getDataSize(), 3u);

    CByteInputStream in(data, 2);
    unsigned char into[5] = {};
    EXPECT_EQ(in.ReadBytes(into, 5), 2u);
    EXPECT_TRUE(in.eof());
}

TEST(MemoryStreams, DumpContentListsTheStoredBytes)
{
    unsigned char buffer[2];
    CByteOutputStream out(buffer, sizeof buffer);
    out << static_cast<unsigned char>(0x0A) << static_cast<unsigned char>(0xFF) << static_cast<unsigned char>(1);
    EXPECT_EQ(out.DUMP_CONTENT(), "A,FF,");
}

} // namespace
