#include "util/copy_stream.h"

#include <cstdint>
#include <memory>
#include <new>
#include <vector>

namespace {

const std::size_t kBufferSize = 30000;
const std::int64_t kMaxBuffers = 20;

struct Buffer {
    std::unique_ptr<char[]> data;
    std::size_t filled = 0;
};

std::int64_t streamSize(FILE* in) {
    if (fseeko64(in, 0, SEEK_END) != 0) return -1;
    std::int64_t size = ftello64(in);
    if (fseeko64(in, 0, SEEK_SET) != 0) return -1;
    return size;
}

// As many buffers as the size needs, at most 20; fewer when memory runs short.
std::vector<Buffer> allocateBuffers(std::int64_t size) {
    std::int64_t wanted = size / static_cast<std::int64_t>(kBufferSize) + 1;
    if (wanted > kMaxBuffers) wanted = kMaxBuffers;
    std::vector<Buffer> buffers;
    buffers.reserve(static_cast<std::size_t>(wanted));
    for (std::int64_t i = 0; i < wanted; ++i) {
        Buffer buffer;
        buffer.data.reset(new (std::nothrow) char[kBufferSize]);
        if (!buffer.data) break;
        buffers.push_back(std::move(buffer));
    }
    return buffers;
}

// Fills the buffers in order until the input ends. Returns how many hold data
// (the first with 0 bytes ends the list), or -1 when a read fails.
int readPhase(FILE* in, std::vector<Buffer>& buffers) {
    int used = 0;
    for (Buffer& buffer : buffers) {
        buffer.filled = 0;
        if (std::feof(in)) continue;
        buffer.filled = std::fread(buffer.data.get(), 1, kBufferSize, in);
        if (std::ferror(in)) return -1;
        if (buffer.filled > 0) ++used;
    }
    return used;
}

bool writePhase(FILE* out, const std::vector<Buffer>& buffers, int used) {
    for (int i = 0; i < used; ++i) {
        const Buffer& buffer = buffers[static_cast<std::size_t>(i)];
        if (buffer.filled == 0) break;
        if (std::fwrite(buffer.data.get(), 1, buffer.filled, out) != buffer.filled) return false;
    }
    return true;
}

}  // namespace

int copyStream(FILE* in, FILE* out) {
    if (in == nullptr || out == nullptr) return 0;
    std::int64_t size = streamSize(in);
    // Measured from where the output stands, so an append is judged by what it added.
    std::int64_t start = ftello64(out);
    if (size < 0 || start < 0) return 0;

    std::vector<Buffer> buffers = allocateBuffers(size);
    if (buffers.empty()) return 0;

    while (!std::feof(in)) {
        int used = readPhase(in, buffers);
        // A read that fails before the end would otherwise repeat for ever.
        if (used < 0) return 0;
        if (used == 0) break;
        if (!writePhase(out, buffers, used)) return 0;
    }
    if (std::fflush(out) != 0) return 0;
    return ftello64(out) - start == size ? 1 : 0;
}
