#pragma once
// One owner type for every kind of handle. A Traits type names the handle type,
// its empty value and how it is released. Move-only, so a handle is released
// exactly once on every path.

template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() noexcept : handle_(Traits::empty()) {}
    explicit UniqueHandle(Handle handle) noexcept : handle_(handle) {}
    ~UniqueHandle() { reset(); }

    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle get() const noexcept { return handle_; }
    bool valid() const noexcept { return handle_ != Traits::empty(); }
    explicit operator bool() const noexcept { return valid(); }

    // Gives up ownership without releasing.
    Handle release() noexcept {
        Handle handle = handle_;
        handle_ = Traits::empty();
        return handle;
    }

    void reset(Handle handle = Traits::empty()) noexcept {
        if (valid()) Traits::close(handle_);
        handle_ = handle;
    }

    // For APIs that return the handle through an out parameter.
    Handle* put() noexcept {
        reset();
        return &handle_;
    }

private:
    Handle handle_;
};

// The Traits of most handle kinds: null is empty, and one function releases.
template <typename H, void (*Release)(H) noexcept>
struct NullEmptyTraits {
    using Handle = H;
    static Handle empty() noexcept { return nullptr; }
    static void close(Handle handle) noexcept { Release(handle); }
};
