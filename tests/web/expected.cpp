// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// What the web page must show, worked out on the build machine and written
// as JSON for the browser tests (web_test.mjs):
// - the two windows as ui/ describes them: each control's rectangle in
//   pixels (pixel_rect), its texts and accessible texts, and the order of Tab;
// - passes of the native core over a few sets of inputs, with "." and ",";
// - numbers read and written by glibc (strtod_l, printf under the C locale
//   and de_DE.UTF-8, which the browser lacks) and edge cases as the native
//   core reads them, for the core compiled into the page to match bit for bit.
//   expected OUTPUT.json

#include "colour_rule.h"
#include "fAbout.h"
#include "fMovla.h"
#include "window_rules.h"

#include <movla/calculator.h>
#include <movla/number_text.h>

#include <bit>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <locale.h>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace movla;

std::string quoted(std::string_view text) {
  std::string json = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      json += '\\';
      json += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      json += escaped;
    } else {
      json += c;
    }
  }
  return json + '"';
}

std::string bits(double value) {
  char hex[24];
  std::snprintf(hex, sizeof hex, "\"%016llx\"",
                static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(value)));
  return hex;
}

std::string window_json(const ui::WindowDescription &window) {
  std::string json = "{\"name\":" + quoted(window.name) + ",\"caption\":" + quoted(window.caption);
  json += ",\"width\":" + std::to_string(ui::twips_to_pixels(window.client_width));
  json += ",\"height\":" + std::to_string(ui::twips_to_pixels(window.client_height));
  json += ",\"modal\":" + std::string(window.modal ? "true" : "false");
  json += ",\"first_focus\":" + quoted(window.first_focus);
  json += ",\"controls\":[";
  for (const ui::Control &control : window.controls) {
    const ui::PixelRect rect = ui::pixel_rect(control);
    const ui::AccessibleText *accessible = nullptr;
    for (const ui::AccessibleText &text : window.accessible)
      if (std::string_view(text.control) == control.name)
        accessible = &text;
    json += "{\"name\":" + quoted(control.name) +
            ",\"kind\":" + std::to_string(static_cast<int>(control.kind)) +
            ",\"text\":" + quoted(control.text);
    json += ",\"twips\":[" + std::to_string(control.left) + ',' + std::to_string(control.top) +
            ',' + std::to_string(control.width) + ',' + std::to_string(control.height) + ']';
    json += ",\"rect\":[" + std::to_string(rect.left) + ',' + std::to_string(rect.top) + ',' +
            std::to_string(rect.width) + ',' + std::to_string(rect.height) + ']';
    json += ",\"read_only\":" + std::string(control.options & ui::ReadOnly ? "true" : "false");
    if (accessible) {
      json += ",\"accessible_name\":" + quoted(accessible->name);
      if (accessible->description)
        json += ",\"description\":" + quoted(accessible->description);
    }
    json += "},";
  }
  json.back() = ']';
  json += ",\"tab_stops\":[";
  for (const std::size_t row : ui::tab_order(window.controls))
    if (ui::takes_focus(window.controls[row].kind))
      json += quoted(window.controls[row].name) + ',';
  json.back() = ']';
  return json + '}';
}

// Passes of the native core, from the defaults with some inputs changed.
std::string passes_json() {
  struct Case {
    Field field;
    const char *text;
  };
  const std::vector<std::vector<Case>> cases = {
      {},
      {{Field::Cents_Change, "50"}},
      {{Field::Cents_Change, "abc"}},
      {{Field::Ref_Freq1, "440,5"}},
      {{Field::Ref_Freq1, "440.5"}},
      {{Field::Ref_Freq1, "1e300"}},
      {{Field::New_Frequency, " 12.5"}, {Field::Ref_Freq2, "0"}},
  };
  std::string json = "[";
  for (const char *separator : {".", ","}) {
    for (const auto &changes : cases) {
      MemoryFields fields;
      for (const InputField input : input_fields)
        fields.set_text(input, default_text(input));
      std::string inputs = "{";
      for (const Case &change : changes) {
        fields.set_text(change.field, change.text);
        inputs += quoted(field_name(change.field)) + ':' + quoted(change.text) + ',';
      }
      if (inputs.size() > 1)
        inputs.pop_back();
      sCalculate_Change(fields, separator);
      json += "{\"separator\":" + quoted(separator) + ",\"inputs\":" + inputs + "},\"fields\":{";
      for (const Field field : all_fields)
        json += quoted(field_name(field)) + ':' + quoted(fields.text(field)) + ',';
      json.back() = '}';
      json += "},";
    }
  }
  json.back() = ']';
  return json;
}

// Digit runs of every length, near ties and carries now and then.
std::string random_decimal(std::mt19937_64 &rng) {
  auto below = [&](std::uint64_t n) { return static_cast<std::size_t>(rng() % n); };
  static constexpr std::size_t lengths[] = {3, 8, 17, 20, 40, 800};
  std::string text;
  if (below(3) == 0)
    text += below(2) ? '-' : '+';
  const auto digits = [&](std::size_t n) {
    const int style = static_cast<int>(below(4));
    for (std::size_t i = 0; i < n; ++i)
      text += style == 0 ? '0' : style == 1 ? '9' : static_cast<char>('0' + below(10));
  };
  const std::size_t whole = below(lengths[below(std::size(lengths))] + 1);
  digits(whole);
  text += '.';
  digits(std::max<std::size_t>(whole == 0, below(lengths[below(std::size(lengths))] + 1)));
  if (below(2) == 0)
    text += "e" + std::to_string(static_cast<int>(below(1400)) - 700);
  return text;
}

// printf's "%.2f", but away from zero at exact ties and without "-" on a zero.
std::string two_decimals(double value, locale_t locale) {
  const locale_t previous = uselocale(locale);
  char text[400];
  const double eighths = value * 8;
  const bool tie =
      std::fabs(eighths) < 0x1p53 && std::fmod(eighths, 2.0) != 0 && eighths == std::trunc(eighths);
  // A tie to two places is exact to three: write those, and round its 5 away.
  std::snprintf(text, sizeof text, tie ? "%.3f" : "%.2f", value);
  uselocale(previous);
  std::string written = text;
  if (tie) {
    written.pop_back();
    std::size_t i = written.size();
    for (; i-- > 0;) {
      if (written[i] < '0' || written[i] > '9') // the sign or the separator
        continue;
      if (written[i] != '9')
        break;
      written[i] = '0';
    }
    if (i == std::string::npos)
      written.insert(written[0] == '-' ? 1 : 0, 1, '1');
    else
      ++written[i];
  }
  if (written.find_first_not_of("-0.,") == std::string::npos && written[0] == '-')
    written.erase(0, 1);
  return written;
}

std::string conversions_json() {
  const locale_t c_locale = newlocale(LC_ALL_MASK, "C", nullptr);
  const locale_t comma_locale = newlocale(LC_ALL_MASK, "de_DE.UTF-8", nullptr);
  if (!comma_locale) {
    std::cerr << "expected: no de_DE.UTF-8 locale\n";
    std::exit(1);
  }
  std::string reads = "[", writes = "[";
  std::mt19937_64 rng(26);
  for (const auto &[separator, locale] : {std::pair{".", c_locale}, std::pair{",", comma_locale}}) {
    for (int i = 0; i < 5000; ++i) {
      std::string text = random_decimal(rng);
      text[text.find('.')] = *separator;
      const double read = strtod_l(text.c_str(), nullptr, locale);
      reads += "[" + quoted(separator) + ',' + quoted(text) + ',' +
               (std::isinf(read) ? std::string("null") : bits(read)) + "],";
    }
    for (int i = 0; i < 5000; ++i) {
      double value = 0;
      switch (i % 3) {
      case 0:
        do
          value = std::bit_cast<double>(rng());
        while (!std::isfinite(value));
        break;
      case 1:
        value = std::ldexp(static_cast<double>(rng() >> 11), -53) * 4000.0 - 2000.0;
        break;
      default:
        value = static_cast<double>(static_cast<std::int64_t>(rng() % 2'000'000) - 1'000'000) /
                (i % 2 ? 8.0 : 100.0);
      }
      writes += "[" + quoted(separator) + ',' + bits(value) + ',' +
                quoted(two_decimals(value, locale)) + "],";
    }
  }
  // Texts no C library reads alike: as the native core reads them.
  const std::string edges[] = {
      "",
      "   ",
      "\xC2\xA0",
      "abc",
      "440Hz",
      "4 40",
      " 440 ",
      "+50",
      "-0",
      "0.0",
      "1,000",
      "440,5",
      "440.5",
      ".5",
      "1.",
      std::string(400, '9'),
      "1e400",
      "1e-400",
      "4.4E2",
      "\xD9\xA4\xD9\xA4\xD9\xA0",             // Arabic-Indic 440
      "\xEF\xBC\x94\xEF\xBC\x94\xEF\xBC\x90", // fullwidth 440
      "\xE2\x88\x92"
      "50",                                       // minus sign
      "\xD9\xA4\xD9\xA4\xD9\xA0\xD9\xAB\xD9\xA5", // 440.5 with U+066B
  };
  for (const char *separator : {".", ",", "\xD9\xAB"}) {
    for (const std::string &text : edges) {
      const ReadResult result = read_number(text, separator);
      reads += "[" + quoted(separator) + ',' + quoted(text) + ',' +
               (result ? bits(result.value) : std::string("null")) + "],";
    }
  }
  reads.back() = ']';
  writes.back() = ']';
  freelocale(comma_locale);
  freelocale(c_locale);
  return "{\"reads\":" + reads + ",\"writes\":" + writes + "}";
}

// Every text and number of the tables, for the check that the web layer
// holds none of them.
std::string table_words_json() {
  std::string json = "[";
  const auto add = [&](std::string_view word) {
    if (!word.empty())
      json += quoted(word) + ',';
  };
  for (const ui::WindowDescription *window : {&ui::fMovla::description, &ui::fAbout::description}) {
    add(window->name);
    add(window->caption);
    for (const ui::Control &control : window->controls) {
      add(control.name);
      add(control.text);
      for (const int twips : {control.left, control.top, control.width, control.height})
        add(std::to_string(twips));
    }
    for (const ui::AccessibleText &text : window->accessible) {
      add(text.name);
      if (text.description)
        add(text.description);
    }
    add(std::to_string(window->client_width));
    add(std::to_string(window->client_height));
  }
  add(ui::fMovla::exit_question.title);
  add(ui::fMovla::exit_question.prompt);
  add(ui::fAbout::texts.disclaimer);
  add(ui::fAbout::texts.disclaimer_continued);
  add(ui::fAbout::texts.version);
  json.back() = ']';
  return json;
}

} // namespace

int main(int argc, char **argv) {
  if (argc != 2) {
    std::cerr << "usage: expected OUTPUT.json\n";
    return 2;
  }
  std::ofstream out(argv[1]);
  out << "{\"windows\":[" << window_json(ui::fMovla::description) << ','
      << window_json(ui::fAbout::description)
      << "],\"question\":{\"title\":" << quoted(ui::fMovla::exit_question.title)
      << ",\"prompt\":" << quoted(ui::fMovla::exit_question.prompt) << "},\"disclaimer\":"
      << quoted(std::string(ui::fAbout::texts.disclaimer) + ui::fAbout::texts.disclaimer_continued)
      << ",\"version\":" << quoted(ui::fAbout::texts.version) << ",\"passes\":" << passes_json()
      << ",\"conversions\":" << conversions_json() << ",\"table_words\":" << table_words_json()
      << "}\n";
  return out ? 0 : 1;
}
