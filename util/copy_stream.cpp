#include "util/copy_stream.h"

#include <cstdint>
#include <memory>
#include <new>

namespace {

const std::size_t kBufferSize = 30000;
const std::int64_t kMaxBuffers = 20;

std::int64_t streamSize(FILE* in) {
    if (fseeko64(in, 0, SEEK_END) != 0) return -1;
    std::int64_t size = ftello64(in);
    if (fseeko64(in, 0, SEEK_SET) != 0) return -1;
    return size;
}

// The buffers of one pass lie one after another in a single block, so that a
// pass is read with one call and written with one: the same bytes in the same
// order as buffer by buffer, with a twentieth of the calls (each costs more
// than the copying itself).
struct PassBlock {
    std::unique_ptr<char[]> data;
    std::size_t bytes = 0;
};

// As many buffers as the size needs, at most 20; fewer when memory runs short,
// none when not even one can be had.
PassBlock allocatePass(std::int64_t size) {
    std::int64_t wanted = size / static_cast<std::int64_t>(kBufferSize) + 1;
    if (wanted > kMaxBuffers) wanted = kMaxBuffers;
    PassBlock block;
    for (std::size_t count = static_cast<std::size_t>(wanted); count > 0; --count) {
        block.data.reset(new (std::nothrow) char[count * kBufferSize]);
        if (block.data) {
            block.bytes = count * kBufferSize;
            break;
        }
    }
    return block;
}

}  // namespace

int copyStream(FILE* in, FILE* out) {
    if (in == nullptr || out == nullptr) return 0;
    std::int64_t size = streamSize(in);
    // Measured from where the output stands, so an append is judged by what it added.
    std::int64_t start = ftello64(out);
    if (size < 0 || start < 0) return 0;

    PassBlock block = allocatePass(size);
    if (!block.data) return 0;

    // Each pass reads the whole block (or the rest of the input) before writing.
    while (!std::feof(in)) {
        std::size_t filled = std::fread(block.data.get(), 1, block.bytes, in);
        // A read that fails before the end would otherwise repeat for ever.
        if (std::ferror(in)) return 0;
        if (filled == 0) break;
        if (std::fwrite(block.data.get(), 1, filled, out) != filled) return 0;
    }
    if (std::fflush(out) != 0) return 0;
    return ftello64(out) - start == size ? 1 : 0;
}
