#include "CatalogueFixture.h"

#include <map>
#include <sys/inotify.h>
#include <thread>
#include <unistd.h>

namespace {

// Counts how often each file of a folder is opened, from the kernel's file events.
class OpenCounter {
public:
    explicit OpenCounter(const std::filesystem::path& dir) : m_fd(inotify_init1(IN_NONBLOCK))
    {
        EXPECT_GE(m_fd, 0);
        EXPECT_GE(inotify_add_watch(m_fd, dir.c_str(), IN_OPEN), 0);
    }
    ~OpenCounter() { close(m_fd); }

    std::map<std::string, int> opens()
    {
        alignas(inotify_event) char buffer[64 * 1024];
        ssize_t length;
        while ((length = read(m_fd, buffer, sizeof buffer)) > 0)
            for (char* p = buffer; p < buffer + length;) {
                const auto* event = reinterpret_cast<const inotify_event*>(p);
                if (event->len)
                    ++m_opens[event->name];
                p += sizeof(inotify_event) + event->len;
            }
        return m_opens;
    }

private:
    int m_fd;
    std::map<std::string, int> m_opens;
};

TEST_F(CatalogueTest, TwoThreadsAskingForOneIconLoadItOnce)
{
    ASSERT_TRUE(server.init(baseDir()));
    OpenCounter counter(standardDir());
    const CString name = IconNames::standardName("WebSite.ico");
    std::atomic<int> ready{0};
    auto ask = [&] {
        ++ready;
        while (ready < 2) {
        }
        EXPECT_EQ(server.imageIndex(name, true), 31);
    };
    std::thread first(ask), second(ask);
    first.join();
    second.join();
    EXPECT_EQ(counter.opens(), (std::map<std::string, int>{{"WebSite.ico", 1}}));
    EXPECT_TRUE(server.bigImages().isLoaded(31));
    EXPECT_TRUE(server.bigImages().isLoaded(58));
}

TEST_F(CatalogueTest, WorkerAndOnDemandRequestsReadEachFileOnce)
{
    ASSERT_TRUE(server.init(baseDir()));
    OpenCounter counter(standardDir());
    server.startBackgroundLoading();
    for (int t = 26; t >= 0; --t)
        server.imageIndex(IconNames::standardName(IconNames::kCardTypeFiles[t]), false);
    server.waitUntilAllLoaded();
    std::map<std::string, int> expected;
    for (const char* file : IconNames::kCardTypeFiles)
        expected[file] = 1;
    EXPECT_EQ(counter.opens(), expected);
    for (int i = 0; i < server.bigImages().GetImageCount(); ++i)
        EXPECT_TRUE(server.bigImages().isLoaded(i) && server.smallImages().isLoaded(i)) << i;
    EXPECT_TRUE(ui.messages.empty());
}

} // namespace
