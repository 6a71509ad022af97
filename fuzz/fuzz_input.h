// SPDX-License-Identifier: GPL-3.0-or-later
// Reads typed values off the fuzzer's byte stream; an exhausted stream yields zeros.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace velmora::fuzz {

class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  bool empty() const { return pos_ >= size_; }

  template <typename T>
  T Take() {
    T value{};
    const std::size_t n = size_ - pos_ < sizeof(T) ? size_ - pos_ : sizeof(T);
    std::memcpy(&value, data_ + pos_, n);
    pos_ += n;
    return value;
  }

  std::uint8_t Byte() { return Take<std::uint8_t>(); }

  // A string of up to maxLength bytes.
  std::string Text(std::size_t maxLength = 24) {
    const std::size_t length = Byte() % (maxLength + 1);
    const std::size_t n = size_ - pos_ < length ? size_ - pos_ : length;
    std::string text(reinterpret_cast<const char*>(data_ + pos_), n);
    pos_ += n;
    return text;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

}  // namespace velmora::fuzz
