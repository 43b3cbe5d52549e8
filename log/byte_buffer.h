#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory>

// Bytes added at the end, left uninitialised until written.
class ByteBuffer {
  public:
    const char* data() const { return bytes_.get(); }
    size_t size() const { return size_; }
    void clear() { size_ = 0; }
    void reserve(size_t capacity) {
        if (capacity > capacity_) {
            std::unique_ptr<char[]> larger(new char[capacity]);
            if (size_ > 0) {
                std::memcpy(larger.get(), bytes_.get(), size_);
            }
            bytes_ = std::move(larger);
            capacity_ = capacity;
        }
    }
    // Room for `bytes` more at the end; the size grows by them.
    char* extend(size_t bytes) {
        if (size_ + bytes > capacity_) {
            reserve(std::max(2 * capacity_, size_ + bytes));
        }
        char* at = bytes_.get() + size_;
        size_ += bytes;
        return at;
    }

  private:
    std::unique_ptr<char[]> bytes_;
    size_t size_ = 0;
    size_t capacity_ = 0;
};
