// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// One calculation pass on the defaults, as core_bench.cpp's pass_on_defaults
// runs it, built twice from this one source: natively, timing itself, and
// into a WebAssembly module whose passes() the page times (web_bench.mjs).

#include <movla/calculator.h>

#include <cstddef>

namespace {

movla::MemoryFields &defaults() {
  static movla::MemoryFields fields = [] {
    movla::MemoryFields made;
    for (const movla::InputField input : movla::input_fields)
      made.set_text(input, movla::default_text(input));
    return made;
  }();
  return fields;
}

} // namespace

#ifdef __wasm__
#define MOVLA_EXPORT __attribute__((export_name("passes")))
#else
#define MOVLA_EXPORT
#endif

/// Runs `count` passes; returns the length of a result, so that none is idle.
extern "C" MOVLA_EXPORT std::size_t passes(std::size_t count) {
  movla::MemoryFields &fields = defaults();
  for (std::size_t i = 0; i < count; ++i)
    movla::sCalculate_Change(fields, ".");
  return fields.text(movla::Field::Freq_More).size();
}

#ifndef __wasm__
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

// Nanoseconds a pass, the median of `batches` (21 unless given) batches of
// 100 000.
int main(int argc, char **argv) {
  const int count = argc > 1 ? std::atoi(argv[1]) : 21;
  std::vector<double> batches;
  for (int batch = 0; batch < count; ++batch) {
    const auto start = std::chrono::steady_clock::now();
    passes(100'000);
    const std::chrono::duration<double, std::nano> took = std::chrono::steady_clock::now() - start;
    batches.push_back(took.count() / 100'000);
  }
  std::ranges::nth_element(batches, batches.begin() + batches.size() / 2);
  std::printf("%.1f\n", batches[batches.size() / 2]);
}
#endif
