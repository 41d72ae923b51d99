// Writes blocks of a file on a thread of its own, in the order they are
// handed over, while the caller fills the next block: a long sequential write
// (the whole wallet that every open writes) then costs the time of making its
// bytes, not that plus the time the system takes to copy them.
#pragma once

#include "platform/FileApi.h"

#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <thread>

class CBackgroundWriter {
public:
    using Block = std::unique_ptr<unsigned char[]>;

    // Writes through `handle` at its current offset; blocks are `blockSize` bytes.
    CBackgroundWriter(IFileApi& api, int handle, std::size_t blockSize);
    // Waits for what was handed over, then stops the thread.
    ~CBackgroundWriter();
    CBackgroundWriter(const CBackgroundWriter&) = delete;
    CBackgroundWriter& operator=(const CBackgroundWriter&) = delete;

    // False when the thread could not be started (nothing is written then).
    bool isRunning() const { return thread.joinable(); }

    // Hands over the first `length` bytes of `block` and returns an empty
    // block to fill next. Waits while the previous block is still being
    // written. After a failed write nothing more is written.
    Block write(Block block, std::size_t length);
    // Waits until everything handed over is written; false when a write failed.
    bool finish();

private:
    void run(std::stop_token stop);
    bool writeAll(const unsigned char* bytes, std::size_t length);

    IFileApi& api;
    const int handle;
    std::mutex lock;
    std::condition_variable_any changed;
    // The block being written (or waiting to be), and the one the caller gets next.
    Block queued;
    std::size_t queuedLength = 0;
    Block spare;
    bool failed = false;
    std::jthread thread;
};
