// The compressed log's writer thread: what is handed over comes out, decompressed, in order and
// once, also after a failed write; run under ThreadSanitizer by the sanitizer build.
#include <gtest/gtest.h>
#include <unistd.h>
#include <zstd.h>

#include <cerrno>
#include <cstdio>
#include <memory>
#include <string>

#include "compressed_log.hpp"

using quillary::spatial::native::CompressedLog;

namespace {

struct TempFile {
    std::FILE* file = std::tmpfile();
    ~TempFile() { std::fclose(file); }
    int fd() const { return fileno(file); }
    std::string read() const {
        std::string out;
        char buffer[4096];
        for (off_t at = 0;;) {
            const ssize_t got = ::pread(fd(), buffer, sizeof buffer, at);
            if (got <= 0) return out;
            out.append(buffer, static_cast<std::size_t>(got));
            at += got;
        }
    }
};

// The whole stream decompressed, and whether it was ended.
std::pair<std::string, bool> decompressed(const std::string& data) {
    std::unique_ptr<ZSTD_DStream, decltype(&ZSTD_freeDStream)> stream{ZSTD_createDStream(), ZSTD_freeDStream};
    ZSTD_inBuffer in{data.data(), data.size(), 0};
    std::string out;
    std::size_t left = 1;
    while (in.pos < in.size) {
        std::string chunk(ZSTD_DStreamOutSize(), '\0');
        ZSTD_outBuffer buffer{chunk.data(), chunk.size(), 0};
        left = ZSTD_decompressStream(stream.get(), &buffer, &in);
        EXPECT_FALSE(ZSTD_isError(left));
        out.append(chunk.data(), buffer.pos);
    }
    return {out, left == 0};
}

std::string batch(int i) { return "{\"line\":" + std::to_string(i) + ",\"pad\":\"" + std::string(i % 300, 'x') + "\"}\n"; }

}  // namespace

TEST(CompressedLog, EveryBatchComesOutInOrderAndTheStreamEnds) {
    TempFile file;
    std::string expected;
    {
        CompressedLog log(file.fd());
        for (int i = 0; i < 2000; ++i) {
            expected += batch(i);
            ASSERT_EQ(log.write(batch(i)), 0);
        }
        ASSERT_EQ(log.close(), 0);
    }
    const auto [text, ended] = decompressed(file.read());
    EXPECT_EQ(text, expected);
    EXPECT_TRUE(ended);
}

TEST(CompressedLog, AFailedWriteIsSaidWhileItsBytesWaitAndTheyGoOutOnce) {
    for (bool half : {false, true}) {
        TempFile file;
        std::string expected;
        CompressedLog log(file.fd());
        log.fail_write(2, half);
        for (int i = 0; i < 2; ++i) {  // the second one's write fails
            expected += batch(i);
            ASSERT_EQ(log.write(batch(i)), 0);
            log.wait_idle();
        }
        EXPECT_EQ(log.injected(), 1);
        // The next batch is taken and the failure said; the retry, with it, then works.
        expected += batch(2);
        EXPECT_EQ(log.write(batch(2)), ENOSPC);
        ASSERT_EQ(log.close(), 0);
        const auto [text, ended] = decompressed(file.read());
        EXPECT_EQ(text, expected) << "half " << half;
        EXPECT_TRUE(ended);
    }
}
