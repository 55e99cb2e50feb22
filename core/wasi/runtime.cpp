// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// The C++ runtime's ways of giving up, for the WebAssembly build: a trap.
// libc++abi's own write a message to standard error first, which brings
// printf and a file system into the module (a quarter of its size) and
// reaches no one in a web page, where the browser reports the trap itself.

#include <__verbose_abort>
#include <cstdlib>
#include <new>

_LIBCPP_BEGIN_NAMESPACE_STD

void __libcpp_verbose_abort(const char *, ...) {
  __builtin_trap();
}

_LIBCPP_END_NAMESPACE_STD

extern "C" void __cxa_pure_virtual() {
  __builtin_trap();
}

void *operator new(std::size_t size) {
  if (void *memory = std::malloc(size == 0 ? 1 : size))
    return memory;
  __builtin_trap();
}
void *operator new[](std::size_t size) {
  return operator new(size);
}
void operator delete(void *memory) noexcept {
  std::free(memory);
}
void operator delete(void *memory, std::size_t) noexcept {
  std::free(memory);
}
void operator delete[](void *memory) noexcept {
  std::free(memory);
}
void operator delete[](void *memory, std::size_t) noexcept {
  std::free(memory);
}
