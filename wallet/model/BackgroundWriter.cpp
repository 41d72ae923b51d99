#include "model/BackgroundWriter.h"

#include <new>
#include <system_error>

CBackgroundWriter::CBackgroundWriter(IFileApi& api, int handle, std::size_t blockSize) : api(api), handle(handle)
{
    spare.reset(new (std::nothrow) unsigned char[blockSize]);
    if (!spare)
        return;
    try {
        thread = std::jthread([this](std::stop_token stop) { run(stop); });
    } catch (const std::system_error&) {
        spare.reset();
    }
}

CBackgroundWriter::~CBackgroundWriter()
{
    if (!isRunning())
        return;
    finish();
    thread.request_stop();
    changed.notify_all();
}

CBackgroundWriter::Block CBackgroundWriter::write(Block block, std::size_t length)
{
    std::unique_lock guard(lock);
    changed.wait(guard, [&] { return !queued; });
    queued = std::move(block);
    queuedLength = length;
    changed.notify_all();
    // The spare is the block written before this one, done with now.
    changed.wait(guard, [&] { return spare != nullptr; });
    return std::move(spare);
}

bool CBackgroundWriter::finish()
{
    std::unique_lock guard(lock);
    changed.wait(guard, [&] { return !queued; });
    return !failed;
}

void CBackgroundWriter::run(std::stop_token stop)
{
    std::unique_lock guard(lock);
    while (true) {
        changed.wait(guard, stop, [&] { return queued != nullptr; });
        if (!queued)
            return;
        const bool skip = failed;
        guard.unlock();
        const bool written = skip || writeAll(queued.get(), queuedLength);
        // The disk starts on each block at once, so closing has little left to wait for.
        if (written && !skip)
            api.startWriteback(handle);
        guard.lock();
        failed = failed || !written;
        spare = std::move(queued);
        changed.notify_all();
    }
}

bool CBackgroundWriter::writeAll(const unsigned char* bytes, std::size_t length)
{
    for (std::size_t done = 0; done < length;) {
        const ssize_t count = api.write(handle, bytes + done, length - done);
        if (count <= 0)
            return false;
        done += static_cast<std::size_t>(count);
    }
    return true;
}
