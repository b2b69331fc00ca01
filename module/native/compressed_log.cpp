#include "compressed_log.hpp"

#include <unistd.h>
#include <zstd.h>

#include <cerrno>
#include <utility>

namespace quillary::spatial::native {

struct CompressedLog::Context {
    struct Free {
        void operator()(ZSTD_CCtx* context) const { ZSTD_freeCCtx(context); }
    };
    std::unique_ptr<ZSTD_CCtx, Free> context{ZSTD_createCCtx()};
};

CompressedLog::CompressedLog(int fd, int level) : fd_(fd), zstd_(std::make_unique<Context>()) {
    if (!zstd_->context) {
        throw std::bad_alloc();
    }
    ZSTD_CCtx_setParameter(zstd_->context.get(), ZSTD_c_compressionLevel, level);
    // The stream's checksum: a reader then finds a changed bit, which decompression alone
    // often reads as other text.
    ZSTD_CCtx_setParameter(zstd_->context.get(), ZSTD_c_checksumFlag, 1);
    thread_ = std::thread([this] { run(); });
}

CompressedLog::~CompressedLog() {
    if (thread_.joinable()) {
        close();
    }
}

int CompressedLog::stuck() const { return broken_ ? EIO : unwritten_.empty() ? 0 : error_; }

int CompressedLog::write(std::string batch) {
    std::lock_guard guard(lock_);
    batches_.push_back(std::move(batch));
    ++handed_;
    changed_.notify_all();
    return stuck();
}

int CompressedLog::close() {
    {
        std::unique_lock guard(lock_);
        ending_ = true;
        changed_.notify_all();
        changed_.wait(guard, [this] { return ended_; });
    }
    thread_.join();
    std::lock_guard guard(lock_);
    return stuck();
}

namespace {

// Compresses `input` into `out`, ending a block (flush) or the stream (end); false if zstd fails.
bool compress(ZSTD_CCtx* context, const std::string& input, ZSTD_EndDirective directive, std::string& out) {
    ZSTD_inBuffer in{input.data(), input.size(), 0};
    std::size_t left = 0;
    do {
        const std::size_t start = out.size();
        out.resize(start + ZSTD_CStreamOutSize());
        ZSTD_outBuffer buffer{out.data() + start, out.size() - start, 0};
        left = ZSTD_compressStream2(context, &buffer, &in, directive);
        out.resize(start + buffer.pos);
        if (ZSTD_isError(left)) {
            return false;
        }
    } while (left != 0 || in.pos < in.size);
    return true;
}

}  // namespace

// Writes what it can; the rest stays in `data`. The errno of the failure, or 0.
int CompressedLog::write_all(std::string& data) {
    std::size_t done = 0;
    int failure = 0;
    while (done < data.size()) {
        std::size_t size = data.size() - done;
        int injected = 0;
        {
            std::lock_guard guard(lock_);
            ++writes_;
            if (fail_at_ > 0 && --fail_at_ == 0) {
                injected = ENOSPC;
                ++injected_;
                size = fail_half_ && size > 1 ? size / 2 : 0;
            }
        }
        const ssize_t written = size == 0 ? 0 : ::write(fd_, data.data() + done, size);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written > 0) {
            done += static_cast<std::size_t>(written);
        }
        if (written <= 0 || injected != 0) {
            failure = injected != 0 ? injected : written < 0 ? errno : EIO;
            break;
        }
    }
    data.erase(0, done);
    return failure;
}

void CompressedLog::fail_write(int at, bool half) {
    std::lock_guard guard(lock_);
    fail_at_ = at;
    fail_half_ = half;
}

void CompressedLog::wait_idle() {
    std::unique_lock guard(lock_);
    changed_.wait(guard, [this] { return done_ == handed_; });
}

int CompressedLog::injected() const {
    std::lock_guard guard(lock_);
    return injected_;
}

int CompressedLog::writes() const {
    std::lock_guard guard(lock_);
    return writes_;
}

void CompressedLog::run() {
    for (;;) {
        std::vector<std::string> batches;
        bool ending = false;
        std::string data;
        {
            std::unique_lock guard(lock_);
            changed_.wait(guard, [this] { return !batches_.empty() || ending_; });
            batches.swap(batches_);
            ending = ending_ && batches.empty();
            data = std::move(unwritten_);
        }
        bool compressed = !broken_;  // read without the lock: only this thread writes it
        for (const auto& batch : batches) {
            compressed = compressed && compress(zstd_->context.get(), batch, ZSTD_e_flush, data);
        }
        if (ending) {
            compressed = compressed && compress(zstd_->context.get(), {}, ZSTD_e_end, data);
        }
        // A stream that could not be compressed is not written on: a reader sees it cut short.
        const int failure = compressed ? write_all(data) : EIO;
        std::lock_guard guard(lock_);
        broken_ = !compressed;
        unwritten_ = compressed ? std::move(data) : std::string();
        error_ = failure != 0 ? failure : (unwritten_.empty() ? 0 : error_);
        done_ += static_cast<long>(batches.size());
        changed_.notify_all();
        if (ending) {
            ended_ = true;
            changed_.notify_all();
            return;
        }
    }
}

}  // namespace quillary::spatial::native
