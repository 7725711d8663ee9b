// A growable byte buffer for the reader's names, attribute values and
// normalised text: reused from document to document, so it grows rarely,
// and an allocation failure is an answer, not an exception.
#ifndef PXRT_XML_BYTE_BUFFER_H
#define PXRT_XML_BYTE_BUFFER_H

#include <cstdlib>
#include <cstring>

namespace pxrt::xml {

class ByteBuffer {
 public:
  ByteBuffer() = default;
  ~ByteBuffer() { std::free(data_); }
  ByteBuffer(const ByteBuffer&) = delete;
  ByteBuffer& operator=(const ByteBuffer&) = delete;

  // Changes whenever the bytes move: pointers into the buffer taken under
  // another generation are stale.
  unsigned generation() const { return generation_; }
  char* data() { return data_; }
  const char* data() const { return data_; }
  size_t size() const { return size_; }
  void clear() { size_ = 0; }
  void resize(size_t n) { size_ = n; }  // shrinking only

  bool append(const void* p, size_t n) {
    if (cap_ - size_ < n && !grow(n)) return false;
    if (n) std::memcpy(data_ + size_, p, n);
    size_ += n;
    return true;
  }
  bool push(char c) {
    if (size_ == cap_ && !grow(1)) return false;
    data_[size_++] = c;
    return true;
  }
  // Room for n more bytes at data() + size(); commit with resize().
  char* reserve(size_t n) { return cap_ - size_ >= n || grow(n) ? data_ + size_ : nullptr; }

  // Gives back the memory of a buffer that one large document made big.
  void trim(size_t keep) {
    if (cap_ <= keep) return;
    std::free(data_);
    data_ = nullptr;
    size_ = cap_ = 0;
    ++generation_;
  }

 private:
  // A buffer starts a page of its own: names and values are compared and
  // measured with the C library's vector routines, which take a slower path
  // for a text within a few vectors of a page's end. Document after
  // document the same texts would otherwise sit wherever the allocator left
  // the buffer -- in the worst case, every element's name near a page end.
  // The first kilobyte of a page holds the names and values of most tags.
  static constexpr size_t kPage = 4096;
  static constexpr size_t kFirst = 1024;
  [[gnu::noinline]] bool grow(size_t n) {
    size_t cap = cap_ ? cap_ : kFirst;
    while (cap - size_ < n) {
      if (cap > (static_cast<size_t>(-1) >> 1)) return false;
      cap *= 2;
    }
    void* p = nullptr;
    if (posix_memalign(&p, kPage, cap) != 0) return false;
    if (size_) std::memcpy(p, data_, size_);
    std::free(data_);
    data_ = static_cast<char*>(p);
    cap_ = cap;
    ++generation_;
    return true;
  }

  char* data_ = nullptr;
  size_t size_ = 0;
  size_t cap_ = 0;
  unsigned generation_ = 0;
};

}  // namespace pxrt::xml

#endif
