// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// A toolkit that records what the handlers and rules ask of it.

#include "toolkit.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace movla::test {

using namespace movla::ui;

class RecordingToolkit final : public Toolkit {
public:
  void set_tooltip(std::string_view control, std::string_view) override {
    log.push_back("tooltip " + std::string(control));
  }
  std::string text(std::string_view control) const override {
    const auto found = texts.find(std::string(control));
    return found == texts.end() ? std::string() : found->second;
  }
  void set_text(std::string_view control, std::string_view text) override {
    texts[std::string(control)] = text;
  }
  void replace_text(std::string_view control, std::string_view text) override {
    log.push_back("edit " + std::string(control));
    texts[std::string(control)] = text;
  }
  void select_whole_text(std::string_view control) override {
    log.push_back("select " + std::string(control));
  }
  void set_focus(std::string_view control) override {
    log.push_back("focus " + std::string(control));
    if (on_focus)
      on_focus(control);
  }
  bool ask(const Question &question) override {
    log.push_back(std::string("ask ") + question.prompt);
    return answer;
  }
  void show_about() override { log.push_back("about"); }
  void close() override { log.push_back("close"); }
  void quit() override { log.push_back("quit"); }

  bool answer = false;
  std::function<void(std::string_view)> on_focus; // how the toolkit reports a move
  std::vector<std::string> log;
  std::map<std::string, std::string, std::less<>> texts;
};

} // namespace movla::test
