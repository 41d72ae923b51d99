#include "model/FileInputStream.h"
#include "model/FileOutputStream.h"
#include "platform/FileReplace.h"
#include "platform/NativePath.h"
#include "support/CodePageScope.h"
#include "support/FaultyFileApi.h"
#include "support/TempDir.h"
#include "zenthoLib/Base/SizedArray.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

Bytes fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void putFile(const std::string& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes written(const TempDir& dir, const std::function<void(COutputStream&)>& write)
{
    const std::string path = dir.file("values.wal");
    CFileOutputStream out;
    EXPECT_TRUE(out.open(path.c_str(), true));
    write(out);
    EXPECT_EQ(out.getError(), 0);
    EXPECT_TRUE(out.close());
    return fileBytes(path);
}

mode_t modeOf(const std::string& path)
{
    struct stat status {};
    EXPECT_EQ(::stat(path.c_str(), &status), 0);
    return status.st_mode & 0777;
}

TEST(FileStream, ValuesHaveTheWalletFileEncodings)
{
    TempDir dir;
    CSizedArray array;
    array.init(2);
    array.getData()[0] = 0xAB;
    array.getData()[1] = 0xCD;
    const struct {
        const char* what;
        UINT codePage;
        std::function<void(COutputStream&)> write;
        Bytes bytes;
    } cases[] = {
        {"int -2", CP_UTF8, [](COutputStream& s) { s << -2; }, {0xFE, 0xFF, 0xFF, 0xFF}},
        {"unsigned long", CP_UTF8, [](COutputStream& s) { s << 258UL; }, {0x02, 0x01, 0x00, 0x00}},
        {"short", CP_UTF8, [](COutputStream& s) { s << static_cast<short>(-1); }, {0xFF, 0xFF}},
        {"char", CP_UTF8, [](COutputStream& s) { s << 'A'; }, {0x41}},
        {"bool true is one byte", CP_UTF8, [](COutputStream& s) { s << true; }, {0x01}},
        {"bool false", CP_UTF8, [](COutputStream& s) { s << false; }, {0x00}},
        {"float", CP_UTF8, [](COutputStream& s) { s << 1.0f; }, {0x00, 0x00, 0x80, 0x3F}},
        {"double", CP_UTF8, [](COutputStream& s) { s << -2.0; }, {0, 0, 0, 0, 0, 0, 0x00, 0xC0}},
        {"byte array", CP_UTF8, [&](COutputStream& s) { s << array; }, {0x02, 0, 0, 0, 0xAB, 0xCD}},
        {"text ab", CP_UTF8, [](COutputStream& s) { s << CString("ab"); }, {2, 0, 0, 0, 'a', 0, 'b', 0, 0, 0}},
        {"empty text", CP_UTF8, [](COutputStream& s) { s << CString(""); }, {0, 0, 0, 0}},
        {"character string", CP_UTF8, [](COutputStream& s) { s << "ab"; }, {2, 0, 0, 0, 'a', 0, 'b', 0, 0, 0}},
        {"wide string", CP_UTF8, [](COutputStream& s) { s << u"ab"; }, {2, 0, 0, 0, 'a', 0, 'b', 0, 0, 0}},
        {"e-acute in 1252", CP_WINDOWS_1252, [](COutputStream& s) { s << CString("\xE9"); },
         {1, 0, 0, 0, 0xE9, 0, 0, 0}},
        {"e-acute in UTF-8: n counts bytes, the rest is zero units", CP_UTF8,
         [](COutputStream& s) { s << CString("\xC3\xA9"); }, {2, 0, 0, 0, 0xE9, 0, 0, 0, 0, 0}},
        {"a character outside the BMP", CP_UTF8, [](COutputStream& s) { s << CString("\xF0\x9F\x94\x91"); },
         {4, 0, 0, 0, 0x3D, 0xD8, 0x11, 0xDD, 0, 0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        CodePageScope scope(c.codePage);
        EXPECT_EQ(written(dir, c.write), c.bytes) << c.what;
    }
}

TEST(FileStream, ValuesReadBackAndTextStopsAtTheFirstZeroUnit)
{
    TempDir dir;
    const std::string path = dir.file("values.wal");
    CSizedArray array;
    array.init(3);
    std::fill_n(array.getData(), 3, 0x11);
    {
        CFileOutputStream out;
        ASSERT_TRUE(out.open(path.c_str(), true));
        out << 7 << true << CString("wallet document version 1") << CString("") << CString("\xC3\xA4\xE2\x82\xAC");
        ASSERT_TRUE(out << array);
        out << 2.5 << static_cast<short>(-3);
        ASSERT_TRUE(out.close());
    }
    CFileInputStream in;
    ASSERT_TRUE(in.open(path.c_str()));
    int number = 0;
    bool flag = false;
    CString header, empty = "x", unicode;
    CSizedArray back;
    double real = 0;
    short small = 0;
    in >> number >> flag >> header >> empty >> unicode;
    EXPECT_TRUE(in.readArray(back));
    in >> real >> small;
    EXPECT_EQ(in.getError(), 0);
    EXPECT_EQ(number, 7);
    EXPECT_TRUE(flag);
    EXPECT_EQ(header, "wallet document version 1");
    EXPECT_EQ(empty, "");
    EXPECT_EQ(unicode, "\xC3\xA4\xE2\x82\xAC");
    ASSERT_EQ(back.getSize(), 3u);
    EXPECT_EQ(back.getData()[2], 0x11);
    EXPECT_EQ(real, 2.5);
    EXPECT_EQ(small, -3);
    unsigned char more = 0;
    in >> more;
    EXPECT_EQ(in.getError(), 1) << "reading past the end";
}

// Texts of every short length, ASCII and not, some lying across the ends of
// the read and write buffers, come back as they were written; a zero unit
// anywhere ends a text.
TEST(FileStream, TextsReadBackWhereverTheyLie)
{
    CodePageScope scope(CP_UTF8);
    TempDir dir;
    const std::string path = dir.file("texts.wal");
    std::vector<CString> texts;
    for (int i = 0; texts.size() < 30000; ++i) {
        std::string text(static_cast<std::size_t>(i % 13), static_cast<char>('a' + i % 26));
        if (i % 5 == 0 && !text.empty())
            text.insert(static_cast<std::size_t>(i % 7) % text.size(), "\xC3\xA9");
        texts.emplace_back(std::move(text));
    }
    {
        CFileOutputStream out;
        ASSERT_TRUE(out.open(path.c_str(), true));
        for (const CString& text : texts)
            out << text;
        ASSERT_TRUE(out.close());
    }
    {
        CFileInputStream in;
        ASSERT_TRUE(in.open(path.c_str()));
        for (std::size_t i = 0; i < texts.size(); ++i) {
            CString back;
            in >> back;
            ASSERT_EQ(back, texts[i]) << i;
        }
        EXPECT_EQ(in.getError(), 0);
    }

    const Bytes zeroInside = {7, 0, 0, 0, 'a', 0, 'b', 0, 'c', 0, 0, 0, 'e', 0, 'f', 0, 'g', 0, 0, 0};
    const Bytes zeroFirst = {5, 0, 0, 0, 0, 0, 'b', 0, 'c', 0, 'd', 0, 'e', 0, 0, 0};
    const Bytes noTerminator = {4, 0, 0, 0, 'a', 0, 'b', 0, 'c', 0, 'd', 0, 'e', 0};
    for (const auto& [bytes, expected] : {std::pair{zeroInside, "abc"}, std::pair{zeroFirst, ""}, std::pair{noTerminator, "abcde"}}) {
        putFile(path, bytes);
        CFileInputStream stored;
        ASSERT_TRUE(stored.open(path.c_str()));
        CString text = "untouched";
        stored >> text;
        EXPECT_EQ(text, expected);
        EXPECT_EQ(stored.getError(), 0);
    }
}

TEST(FileStream, DamagedLengthsFailWithoutAllocating)
{
    TempDir dir;
    const std::string path = dir.file("damaged.wal");
    const struct {
        const char* what;
        Bytes bytes;
        bool asText;
    } cases[] = {
        {"text of four billion characters", {0xF0, 0xFF, 0xFF, 0xFF, 'a', 0, 0, 0}, true},
        {"text of the largest length", {0xFF, 0xFF, 0xFF, 0xFF}, true},
        {"text one unit short", {2, 0, 0, 0, 'a', 0, 'b', 0}, true},
        {"array longer than the file", {0x00, 0x00, 0x00, 0xC0, 1, 2, 3}, false},
        {"length itself cut short", {5, 0}, false},
    };
    for (const auto& c : cases) {
        putFile(path, c.bytes);
        CFileInputStream in;
        ASSERT_TRUE(in.open(path.c_str()));
        if (c.asText) {
            CString text = "untouched";
            in >> text;
            EXPECT_EQ(text, "untouched") << c.what;
        } else {
            CSizedArray array;
            EXPECT_FALSE(in.readArray(array)) << c.what;
        }
        EXPECT_EQ(in.getError(), 1) << c.what;
    }
}

TEST(FileStream, PositionsReadsAndSeeksAcrossTheBuffer)
{
    TempDir dir;
    const std::string path = dir.file("big.wal");
    Bytes content(200000);
    for (std::size_t i = 0; i < content.size(); ++i)
        content[i] = static_cast<unsigned char>(i % 251);
    putFile(path, content);
    CFileInputStream in;
    ASSERT_TRUE(in.open(path.c_str()));
    std::uint32_t size = 0;
    ASSERT_TRUE(in.getSize(size));
    EXPECT_EQ(size, 200000u);
    for (std::uint32_t at : {150000u, 3u, 65536u, 65535u, 199999u}) {
        ASSERT_TRUE(in.setCurrentPosition(at));
        EXPECT_EQ(in.ReadByte(), content[at]) << at;
        std::uint32_t position = 0;
        ASSERT_TRUE(in.getCurrentStreamPosition(position));
        EXPECT_EQ(position, at + 1);
    }
    Bytes chunk(100000);
    in.Restart();
    EXPECT_EQ(in.ReadBytes(chunk.data(), 100000), 100000u);
    EXPECT_TRUE(std::equal(chunk.begin(), chunk.end(), content.begin()));
    ASSERT_TRUE(in.setCurrentPosition(150000));
    EXPECT_EQ(in.ReadBytes(chunk.data(), 60000), 0xFFFFFFFFu) << "only 50000 bytes are left";
    EXPECT_EQ(in.getError(), 1);
}

TEST(FileStream, OutputKeepsOrEmptiesTheFileAndMovesAsTold)
{
    TempDir dir;
    const std::string path = dir.file("w.wal");
    putFile(path, {1, 2, 3, 4, 5, 6});
    CFileOutputStream out;
    ASSERT_TRUE(out.open(path.c_str(), false));
    out << static_cast<unsigned char>(9);
    ASSERT_TRUE(out.seekToEnd());
    EXPECT_EQ(out.getDataSize(), 6u);
    out << static_cast<unsigned char>(7);
    ASSERT_TRUE(out.seekRelative(-4));
    out << static_cast<unsigned char>(8);
    ASSERT_TRUE(out.close());
    EXPECT_EQ(fileBytes(path), (Bytes{9, 2, 3, 8, 5, 6, 7}));

    ASSERT_TRUE(out.open(path.c_str(), true));
    out << static_cast<unsigned char>(1);
    ASSERT_TRUE(out.close());
    EXPECT_EQ(fileBytes(path), Bytes{1});

    ASSERT_TRUE(out.open(path.c_str(), false));
    EXPECT_FALSE(out.seekRelative(-100)) << "before the start";
    EXPECT_EQ(out.getError(), 1);
    EXPECT_FALSE(out.close());
}

TEST(FileStream, ClosedStreamsSetErrorOne)
{
    CFileOutputStream out;
    out << 5;
    EXPECT_EQ(out.getError(), 1);
    EXPECT_FALSE(out.flush());
    CFileInputStream in;
    int value = 0;
    in >> value;
    EXPECT_EQ(in.getError(), 1);
    TempDir dir;
    EXPECT_FALSE(in.open(dir.file("missing.wal").c_str()));
}

TEST(FileStream, SecondProcessIsRefusedWhileTheFileIsOpen)
{
    TempDir dir;
    const std::string path = dir.file("locked.wal");
    putFile(path, {1, 2, 3});
    // 0: the child opened the file, 1: it was refused.
    const auto childOpens = [&](const std::function<bool()>& open) {
        const pid_t child = fork();
        if (child == 0)
            _exit(open() ? 0 : 1);
        int status = 0;
        waitpid(child, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    const struct {
        const char* what;
        std::function<bool()> open;
    } openers[] = {
        {"reading", [&] { return CFileInputStream().open(path.c_str()); }},
        {"writing", [&] { return CFileOutputStream().open(path.c_str(), false); }},
        {"writing with truncate", [&] { return CFileOutputStream().open(path.c_str(), true); }},
    };
    for (const auto& holder : {0, 1}) {
        CFileInputStream reader;
        CFileOutputStream writer;
        ASSERT_TRUE(holder == 0 ? reader.open(path.c_str()) : writer.open(path.c_str(), false));
        for (const auto& o : openers)
            EXPECT_EQ(childOpens(o.open), 1) << o.what << " while held by " << (holder == 0 ? "a reader" : "a writer");
        EXPECT_FALSE(CFileInputStream().open(path.c_str())) << "a second open in the same process";
        EXPECT_EQ(fileBytes(path), (Bytes{1, 2, 3})) << "a refused truncate changes nothing";
    }
    EXPECT_EQ(childOpens(openers[0].open), 0) << "free again once closed";
}

TEST(FileStream, NewFilesAreForTheOwnerOnly)
{
    TempDir dir;
    const mode_t previous = umask(0);
    CFileOutputStream out;
    const bool opened = out.open(dir.file("new.wal").c_str(), true);
    std::string native;
    const bool created = createTemporaryFileBeside(dir.file("new.wal"), "wall", native);
    umask(previous);
    ASSERT_TRUE(opened);
    ASSERT_TRUE(created);
    EXPECT_EQ(modeOf(dir.file("new.wal")), 0600u);
    EXPECT_EQ(modeOf(native), 0600u);
    EXPECT_EQ(std::filesystem::path(native).parent_path(), dir.path());
    EXPECT_EQ(std::filesystem::path(native).filename().string().rfind("wall", 0), 0u) << native;
}

TEST(FileStream, ReadOnlyAttributeFollowsTheWriteBits)
{
    TempDir dir;
    const std::string path = dir.file("ro.wal");
    putFile(path, {0});
    for (const auto& [mode, readOnly] : {std::pair{0400, true}, std::pair{0600, false}, std::pair{0444, true}}) {
        ASSERT_EQ(::chmod(path.c_str(), static_cast<mode_t>(mode)), 0);
        CFileInputStream in;
        ASSERT_TRUE(in.open(path.c_str()));
        bool flag = !readOnly;
        ASSERT_TRUE(in.isReadOnly(flag));
        EXPECT_EQ(flag, readOnly) << std::oct << mode;
    }
}

TEST(FileStream, ValuesAreBufferedAndFlushSyncsThem)
{
    TempDir dir;
    FaultyFileApi disk;
    CFileOutputStream out;
    ASSERT_TRUE(out.open(dir.file("b.wal").c_str(), true));
    for (int i = 0; i < 1000; ++i)
        out << i << CString("card");
    EXPECT_TRUE(disk.calls.empty()) << "no value reaches the disk by itself";
    ASSERT_TRUE(out.flush());
    EXPECT_EQ(disk.calls, (std::vector<std::string>{"write", "sync"}));
    EXPECT_EQ(fileBytes(dir.file("b.wal")).size(), 1000u * (4 + 4 + 10));
}

TEST(FileStream, AppendedRecordIsDurableBeforeItsSlotIsPatched)
{
    TempDir dir;
    const std::string path = dir.file("slot.wal");
    putFile(path, {0, 0, 0, 0});
    FaultyFileApi disk;
    CFileOutputStream out;
    ASSERT_TRUE(out.open(path.c_str(), false));
    ASSERT_TRUE(out.seekToEnd());
    out << CString("record");
    ASSERT_TRUE(out.syncAndSetPosition(0));
    out << 4u;
    ASSERT_TRUE(out.flush());
    EXPECT_EQ(disk.calls, (std::vector<std::string>{"write", "sync", "write", "sync"}));
    EXPECT_EQ(fileBytes(path)[0], 4);
}

TEST(FileStream, FailedWriteIsAStreamErrorAndNothingFollowsIt)
{
    TempDir dir;
    const std::string path = dir.file("full.wal");
    putFile(path, {0, 0, 0, 0});
    FaultyFileApi disk;
    disk.failWritesAfter = 0;
    CFileOutputStream out;
    ASSERT_TRUE(out.open(path.c_str(), false));
    ASSERT_TRUE(out.seekToEnd());
    out << CString("record that does not fit");
    EXPECT_EQ(out.getError(), 0) << "still in the buffer";
    EXPECT_FALSE(out.syncAndSetPosition(0));
    EXPECT_EQ(out.getError(), 1);
    disk.failWritesAfter.reset();
    out << 4u;
    EXPECT_FALSE(out.flush());
    EXPECT_FALSE(out.close());
    EXPECT_EQ(fileBytes(path), (Bytes{0, 0, 0, 0})) << "the slot is never patched after a lost record";

    // A large write fails part-way through: the error surfaces at the latest on close.
    disk.failWritesAfter = 1;
    ASSERT_TRUE(out.open(path.c_str(), true));
    for (int i = 0; i < 40000; ++i)
        out << i;
    EXPECT_EQ(out.getError(), 1);
    EXPECT_FALSE(out.close());
}

TEST(FileReplace, RenamesTheSyncedFileOverTheOldOneAndSyncsTheFolder)
{
    TempDir dir;
    const std::string path = dir.file("wallet.wal");
    putFile(path, {1, 1});
    std::string temporary;
    ASSERT_TRUE(createTemporaryFileBeside(path, "wall", temporary));
    EXPECT_EQ(std::filesystem::path(temporary).filename().string().rfind("wall", 0), 0u);
    putFile(temporary, {2, 2, 2});
    FaultyFileApi disk;
    ASSERT_TRUE(replaceFileWith(path, temporary));
    EXPECT_EQ(disk.calls, (std::vector<std::string>{"sync", "rename", "syncFolder"}));
    EXPECT_EQ(fileBytes(path), (Bytes{2, 2, 2}));
    EXPECT_FALSE(std::filesystem::exists(temporary));
    EXPECT_FALSE(replaceFileWith(path, temporary)) << "the temporary file is gone";
    EXPECT_EQ(fileBytes(path), (Bytes{2, 2, 2}));
}

} // namespace

// Writing behind gives the same bytes as writing in place, across many
// blocks, with a patch written after a seek back; a failed write shows at the
// next point that needs the file as written, and nothing written after it
// reaches the file.
TEST(FileStream, WritingBehindGivesTheSameFileAndItsFailures)
{
    TempDir dir;
    const auto writeValues = [](CFileOutputStream& out) {
        for (unsigned int i = 0; i < 300000; ++i) {
            out << i;
            if (i % 7 == 0)
                out << CString(std::string(i % 300, static_cast<char>('a' + i % 26)));
        }
    };
    Bytes inPlace, behind;
    for (const bool writeBehind : {false, true}) {
        const std::string path = dir.file(writeBehind ? "behind.wal" : "in-place.wal");
        CFileOutputStream out;
        ASSERT_TRUE(out.open(path.c_str(), true));
        if (writeBehind) {
            ASSERT_TRUE(out.writeBehind());
        }
        writeValues(out);
        ASSERT_TRUE(out.syncAndSetPosition(4));
        out << 0xABCDEFu;
        ASSERT_TRUE(out.seekToEnd());
        out << 7u;
        ASSERT_TRUE(out.close());
        (writeBehind ? behind : inPlace) = fileBytes(path);
    }
    ASSERT_GT(inPlace.size(), 4u * kWriteBehindBlockSize);
    EXPECT_TRUE(inPlace == behind);

    const std::string path = dir.file("full.wal");
    FaultyFileApi disk;
    disk.failOneWriteAfter = 2;
    CFileOutputStream out;
    ASSERT_TRUE(out.open(path.c_str(), true));
    ASSERT_TRUE(out.writeBehind());
    writeValues(out);
    EXPECT_FALSE(out.flush());
    EXPECT_EQ(out.getError(), 1);
    EXPECT_FALSE(out.close());
    EXPECT_EQ(fileBytes(path).size(), 2 * kWriteBehindBlockSize) << "the two blocks before the failed write, nothing after it";
}
