// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// The core's number conversions alone in a module, for web_test.mjs to run
// inside the page against what glibc and the native core give (expected.cpp).
// The script writes the separator and then the text into the buffer.

#include <movla/number_text.h>

#include <cstddef>
#include <string>

namespace {
std::string buffer;
bool failed = false;
} // namespace

#define MOVLA_EXPORT(name) extern "C" __attribute__((export_name(#name)))

MOVLA_EXPORT(buffer) char *buffer_of(std::size_t size) {
  buffer.resize(size);
  return buffer.data();
}

/// read_number of the buffer's text after a separator `separator` bytes long.
MOVLA_EXPORT(read) double read(std::size_t separator) {
  const std::string_view all = buffer;
  const movla::ReadResult result =
      movla::read_number(all.substr(separator), all.substr(0, separator));
  failed = !result;
  return result.value;
}

MOVLA_EXPORT(failed) bool read_failed() {
  return failed;
}

/// write_two_decimals of `value` with the buffer's separator; the text goes
/// into the buffer, its length is returned.
MOVLA_EXPORT(write) std::size_t write(double value) {
  buffer = movla::write_two_decimals(value, buffer);
  return buffer.size();
}
