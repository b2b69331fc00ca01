// A compressed session log's writing, on a thread of its own: the host's tick only hands each
// flushed batch over, and the thread compresses it (zstd, one stream, a block per batch, so
// that everything written decompresses even if nothing more ever is) and writes it.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace quillary::spatial::native {

class CompressedLog {
public:
    // Writes to `fd`, which stays the caller's to close, after close().
    explicit CompressedLog(int fd, int level = 1);
    ~CompressedLog();
    CompressedLog(const CompressedLog&) = delete;
    CompressedLog& operator=(const CompressedLog&) = delete;

    // Hands a batch over. A write that failed before and whose bytes still wait makes this
    // return that failure's errno (the batch is taken all the same); 0 otherwise.
    int write(std::string batch);
    // Waits until everything handed over is compressed and tried, then ends the stream and
    // stops the thread. The errno of a failure whose bytes are still unwritten, or 0.
    int close();

    // For the fault-injection tests: the `at`th write from now fails with ENOSPC (after half
    // of its bytes, with `half`), once. How many writes were made, and how many failed so.
    void fail_write(int at, bool half);
    int writes() const;
    int injected() const;
    // Until every batch handed over is compressed and tried.
    void wait_idle();

private:
    void run();
    int write_all(std::string& data);
    int stuck() const;  // with the lock held

    int fd_;
    struct Context;
    std::unique_ptr<Context> zstd_;
    mutable std::mutex lock_;
    std::condition_variable changed_;
    std::vector<std::string> batches_;
    bool ending_ = false;
    bool ended_ = false;
    bool broken_ = false;  // zstd failed: nothing more is written
    std::string unwritten_;  // compressed bytes a failed write left
    int error_ = 0;
    int writes_ = 0;
    int injected_ = 0;
    long handed_ = 0;  // batches handed over, and compressed and tried
    long done_ = 0;
    int fail_at_ = 0;
    bool fail_half_ = false;
    std::thread thread_;
};

}  // namespace quillary::spatial::native
