// Passwords and keys are wiped before their memory is given back: every block
// freed while a test is armed is searched for the password's bytes (as typed
// and in UTF-16) and for the MD5 digest the key is made from.
#include "model/DocumentFixture.h"

#include "platform/CodePage.h"

#include <nettle/md5.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <execinfo.h>
#include <malloc.h>
#include <mutex>
#include <new>

namespace {

// Set while a test watches the heap.
std::atomic<bool> g_armed{false};
// The byte strings that must never be found in freed memory.
std::vector<std::string>* g_secrets = nullptr;
std::atomic<int> g_leaks{0};

void inspectFreedBlock(void* block)
{
    if (!block || !g_armed.load(std::memory_order_relaxed))
        return;
    g_armed = false; // the search itself allocates nothing, but stay safe
    const std::size_t size = malloc_usable_size(block);
    for (const std::string& secret : *g_secrets)
        if (memmem(block, size, secret.data(), secret.size())) {
            ++g_leaks;
            // Where it was freed, for whoever has to find the copy.
            void* frames[32];
            backtrace_symbols_fd(frames, backtrace(frames, 32), 2);
        }
    g_armed = true;
}

} // namespace

void operator delete(void* block) noexcept
{
    inspectFreedBlock(block);
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    inspectFreedBlock(block);
    std::free(block);
}

void* operator new(std::size_t size)
{
    if (void* block = std::malloc(size ? size : 1))
        return block;
    throw std::bad_alloc();
}

namespace {

std::string utf16(const std::string& text)
{
    const std::u16string wide = ansiToWide(text);
    return std::string(reinterpret_cast<const char*>(wide.data()), wide.size() * 2);
}

std::string md5(const std::string& bytes)
{
    md5_ctx context;
    md5_init(&context);
    md5_update(&context, bytes.size(), reinterpret_cast<const std::uint8_t*>(bytes.data()));
    std::string digest(MD5_DIGEST_SIZE, '\0');
    md5_digest(&context, MD5_DIGEST_SIZE, reinterpret_cast<std::uint8_t*>(digest.data()));
    return digest;
}

class SecretMemory : public DocumentTest {
protected:
    // Long enough that no string keeps them inside its own object.
    const std::string oldPassword = "Old-Password-Long-Enough-1234";
    const std::string newPassword = "New-Password-Long-Enough-5678";

    void watchFor(const std::string& password)
    {
        secrets.push_back(password);
        secrets.push_back(utf16(password));
        secrets.push_back(md5(utf16(password)));
    }
    void startWatching()
    {
        g_secrets = &secrets;
        g_leaks = 0;
        g_armed = true;
    }
    int stopWatching()
    {
        g_armed = false;
        g_secrets = nullptr;
        return g_leaks.load();
    }

    std::vector<std::string> secrets;
};

TEST_F(SecretMemory, PasswordsAndKeysAreWipedBeforeTheirMemoryIsFreed)
{
    createWallet();
    watchFor(oldPassword);
    watchFor(newPassword);
    startWatching();
    answerPassword(oldPassword, oldPassword);
    ASSERT_TRUE(doc->setPassword());
    CCategory& vault = addCategory(doc->getRoot(), "Vault", true);
    addCard(vault, freeForm("Diary"));
    doc->lock();
    answerPassword("A-Wrong-Password-Long-Enough-0");
    EXPECT_FALSE(doc->openEncryptedCategory(vault));
    answerPassword(oldPassword);
    ASSERT_TRUE(doc->openEncryptedCategory(vault));
    ui.passwordAnswers.push_back({true, oldPassword, newPassword, newPassword});
    ASSERT_TRUE(doc->changePassword());
    doc->lock();
    answerPassword(newPassword);
    ASSERT_TRUE(reopen());
    doc->deleteContents();
    EXPECT_EQ(stopWatching(), 0) << "freed blocks still held a password or the digest of one";
}

TEST_F(SecretMemory, TheWatchSeesAnUnwipedCopy)
{
    // The check above can fail: a copy freed without wiping is found.
    watchFor(oldPassword);
    startWatching();
    {
        std::string copy = oldPassword;
        copy.reserve(100);
    }
    EXPECT_GT(stopWatching(), 0);
}

} // namespace
