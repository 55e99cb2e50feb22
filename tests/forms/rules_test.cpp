// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// The rules of boxes and windows that every toolkit layer applies, and the
// two tables against the layout they were drawn from.

#include "box_rules.h"
#include "fAbout.h"
#include "fMovla.h"
#include "recording_toolkit.h"
#include "window_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using namespace movla::ui;

// The layout as drawn, in twips: name, left, top, width, height, tab index.
struct Placed {
  const char *name;
  int left, top, width, height, tab;
};
constexpr int no = no_tab_index;
constexpr Placed calculator[] = {
    {"Shape1", 0, 0, 10125, 660, no},
    {"lblC_Hz", 135, 75, 5640, 345, 1},
    {"lblCents", 135, 1170, 1770, 345, 3},
    {"Cents_Change", 1875, 1170, 1080, 350, 12},
    {"lblRef_FReq", 3270, 1170, 2505, 345, 4},
    {"Ref_Freq1", 5775, 1170, 1080, 350, 13},
    {"Label8", 7305, 1170, 1770, 345, 11},
    {"Label4", 8310, 765, 300, 345, 8},
    {"Freq_More", 8700, 765, 1400, 350, 0},
    {"Label3", 8355, 1620, 195, 345, 7},
    {"Freq_Less", 8700, 1620, 1400, 350, 14},
    {"Line1", 0, 2430, 10125, 0, no},
    {"Shape2", 0, 2430, 10125, 660, no},
    {"lblHz_C", 135, 2550, 5640, 345, 2},
    {"Label5", 8850, 3165, 1065, 345, 9},
    {"Label2", 135, 3660, 1380, 345, 6},
    {"New_Frequency", 1875, 3705, 1080, 350, 15},
    {"Label1", 3255, 3675, 2505, 345, 5},
    {"Ref_Freq2", 5775, 3705, 1080, 350, 16},
    {"Label7", 7305, 3735, 1380, 345, 10},
    {"Cents_New", 8700, 3705, 1400, 350, 17},
    {"Label9", 7305, 4215, 1380, 345, 19},
    {"Semitones_New", 8700, 4215, 1400, 350, 21},
    {"Label10", 7305, 4695, 1380, 345, 20},
    {"Octaves_New", 8700, 4695, 1400, 350, 22},
    {"Line2", 0, 5487, 10125, 0, no},
    {"Shape3", 0, 5490, 10125, 660, no},
    {"bExit", 150, 5640, 1500, 350, 18},
    {"bAbout", 8445, 5640, 1500, 350, 23},
};
constexpr Placed about[] = {
    {"Shape1", 0, -15, 6150, 495, no},     {"Label10", 825, 0, 1170, 450, 12},
    {"Label11", 3345, 135, 2175, 255, 13}, {"Picture1", 0, 465, 540, 4200, 0},
    {"Picture2", 5715, 465, 405, 4200, 1}, {"lbl_Version", 540, 465, 5205, 270, 14},
    {"Label1", 540, 975, 5205, 375, 2},    {"Label4", 540, 1365, 5205, 285, 5},
    {"Label2", 540, 1650, 5205, 330, 3},   {"Label3", 540, 2235, 5205, 390, 4},
    {"Label5", 540, 2790, 5205, 360, 6},   {"Label7", 540, 3180, 5205, 270, 8},
    {"Label6", 540, 3480, 5205, 285, 7},   {"Label8", 540, 3810, 5205, 255, 9},
    {"Label9", 540, 4410, 5205, 255, 11},  {"lbl_Disclaimer", 0, 4665, 6150, 765, 10},
    {"bDone", 0, 5385, 6150, 300, 15},
};

TEST(Tables, HoldTheLayoutAsDrawn) {
  const auto check = [](const WindowDescription &window, std::span<const Placed> layout) {
    ASSERT_EQ(window.controls.size(), layout.size()) << window.name;
    for (std::size_t i = 0; i < layout.size(); ++i) {
      const Control &c = window.controls[i];
      const Placed &p = layout[i];
      EXPECT_STREQ(c.name, p.name);
      EXPECT_EQ((std::vector{c.left, c.top, c.width, c.height, c.tab_index}),
                (std::vector{p.left, p.top, p.width, p.height, p.tab}))
          << window.name << '.' << p.name;
    }
  };
  check(fMovla::description, calculator);
  check(fAbout::description, about);
  EXPECT_EQ(fMovla::description.client_width, 10140);
  EXPECT_EQ(fMovla::description.client_height, 6135);
  EXPECT_EQ(fAbout::description.client_width, 6165);
  EXPECT_EQ(fAbout::description.client_height, 5700);
}

TEST(Paste, KeepsTheFirstLineThatIsNotBlank) {
  struct Case {
    const char *pasted, *kept;
  };
  const Case cases[] = {
      {"432", "432"},
      {" 4 40 ", " 4 40 "}, // no break: as it is, for the pass to judge
      {"432\r\n", "432"},
      {"\n \t\n440\n415", "440"},
      {"\u00a0\u3000\u2028 12,5\u2029", " 12,5"}, // Unicode's blanks and breaks
      {"\xc2\x85"
       "7\x0b",
       "7"}, // NEL and VT break too
      {"\n \u202f\n", ""},
      {"\xe2\x80", "\xe2\x80"}, // a cut sequence is kept, not lost
  };
  for (const Case &c : cases)
    EXPECT_EQ(pasted_line(c.pasted), c.kept) << c.pasted;
}

TEST(Boxes, ResetsAreEditsAndResultsShowTheirStart) {
  const Control &input = *find_control(fMovla::description.controls, "Cents_Change");
  const Control &result = *find_control(fMovla::description.controls, "Freq_More");
  EXPECT_EQ(how_to_write(input, "abc", "100"), Write::Edit);
  EXPECT_EQ(how_to_write(input, "", "100"), Write::Set);
  EXPECT_EQ(how_to_write(input, "100", "100"), Write::Nothing);
  EXPECT_EQ(how_to_write(result, "466.16", "Error"), Write::Set);
  for (const Control &box : fMovla::description.controls) {
    if (box.kind == Kind::TextBox) {
      EXPECT_EQ(entry_caret(box), (box.options & ReadOnly) ? Caret::Start : Caret::End) << box.name;
    }
  }
}

TEST(LongResults, ShowWholeCharactersBeforeTheMarkAndWrapOnHover) {
  const double ends[] = {7, 14, 21, 28, 35};
  EXPECT_FALSE(is_cut(34, 35));
  EXPECT_TRUE(is_cut(35, 35));
  EXPECT_EQ(shown_before_mark(ends, 35, 8), 3u); // 21 + mark + caret fit in 35
  EXPECT_EQ(shown_before_mark(ends, 30, 8), 3u);
  EXPECT_EQ(shown_before_mark(ends, 29, 8), 2u);
  EXPECT_EQ(shown_before_mark(ends, 5, 8), 0u);
  EXPECT_EQ(hover_text("1234567890123456789", 100, 5), "1234567890\n123456789");
  EXPECT_EQ(hover_text("12345678901", 10, 5), "12345678\n901"); // 8 at the least
  EXPECT_EQ(hover_text("\u0661\u0662\u0663\u0664\u0665\u0666\u0667\u0668\u0669", 10, 5),
            "\u0661\u0662\u0663\u0664\u0665\u0666\u0667\u0668\n\u0669");
}

TEST(Windows, TabFollowsTheIndicesAndFramesStayReachable) {
  for (const WindowDescription *window : {&fMovla::description, &fAbout::description}) {
    const auto order = tab_order(window->controls);
    EXPECT_TRUE(std::ranges::is_sorted(
        order, {}, [&](std::size_t row) { return window->controls[row].tab_index; }));
    EXPECT_EQ(order.size(), std::ranges::count_if(window->controls, [](const Control &c) {
                return c.tab_index != no_tab_index;
              }));
  }
  struct Case {
    int width, height;
    PixelRect area;
    int left, top;
  };
  const Case cases[] = {
      {676, 409, {0, 0, 1280, 1024}, 302, 307},
      {676, 409, {0, 28, 1280, 996}, 302, 321}, // below a panel
      {1410, 860, {0, 0, 1280, 1024}, 0, 0},    // too wide: at the top-left
      {676, 1100, {0, 0, 1280, 1024}, 0, 0},
      {2028, 1227, {1280, 24, 1024, 744}, 1280, 24}, // on the right-hand screen
  };
  for (const Case &c : cases) {
    const PixelRect frame = frame_rect(c.width, c.height, c.area);
    EXPECT_EQ((std::pair{frame.left, frame.top}), (std::pair{c.left, c.top})) << c.width;
  }
  EXPECT_STREQ(font_face("MS Sans Serif").families.front(), "Liberation Sans");
  EXPECT_EQ(font_face("MS Sans Serif").stretch, 95);
  EXPECT_EQ(font_face("Arial").stretch, 100);
  EXPECT_TRUE(font_face("Courier").families.empty());
}

// The calculator's rules with its handlers, on a toolkit that records.
class CalculatorRules : public ::testing::Test {
protected:
  CalculatorRules() {
    rules.bind(std::make_unique<fMovla>(toolkit, fields, "."));
    rules.load();
    toolkit.log.clear();
  }
  std::vector<std::string> log() { return std::exchange(toolkit.log, {}); }

  movla::test::RecordingToolkit toolkit;
  BoxFields fields{toolkit, fMovla::description.controls};
  WindowRules rules{fMovla::description, toolkit};
};

TEST_F(CalculatorRules, FirstControlRunsItsGotFocusOnceHoweverTheMoveIsReported) {
  rules.focus_first();
  EXPECT_EQ(log(), (std::vector<std::string>{"focus Cents_Change", "select Cents_Change"}));
  toolkit.on_focus = [this](std::string_view to) { rules.entered(to, Entry::Other); };
  rules.focus_first();
  EXPECT_EQ(log(), (std::vector<std::string>{"focus Cents_Change", "select Cents_Change"}));
}

TEST_F(CalculatorRules, EntrySelectsByKeyAndAfterAPlainClick) {
  struct Case {
    const char *box;
    Entry entry;
    bool dragged;
    std::vector<std::string> log;
  };
  const Case cases[] = {
      {"Freq_Less", Entry::Key, false, {"select Freq_Less"}}, // a result the pass just wrote
      {"Freq_Less", Entry::Click, false, {}},
      {"Ref_Freq1", Entry::Key, false, {"select Ref_Freq1"}},
      {"Ref_Freq1", Entry::Click, false, {"select Ref_Freq1", "select Ref_Freq1"}},
      {"Ref_Freq1", Entry::Click, true, {"select Ref_Freq1"}},
      {"Ref_Freq1", Entry::Outside, false, {}},
  };
  for (const Case &c : cases) {
    rules.entered(c.box, c.entry);
    rules.released(c.box, c.dragged);
    EXPECT_EQ(log(), c.log) << c.box << ' ' << static_cast<int>(c.entry);
  }
}

TEST_F(CalculatorRules, OnlyMovesInsideTheWindowRunAPass) {
  toolkit.set_text("Cents_Change", "abc");
  rules.left("Cents_Change", false);
  EXPECT_EQ(toolkit.text("Cents_Change"), "abc");
  rules.left("Cents_Change", true);
  EXPECT_EQ(toolkit.text("Cents_Change"), "100");
  EXPECT_EQ(toolkit.text("Freq_More"), "Error");
  EXPECT_EQ(log(), std::vector<std::string>{"edit Cents_Change"}); // Ctrl+Z brings abc back
}

TEST_F(CalculatorRules, ButtonsTakeTheFocusFirstAndOnlyEnterOnOnePressesIt) {
  rules.pressed("bAbout", false);
  EXPECT_EQ(log(), (std::vector<std::string>{"focus bAbout", "about"}));
  rules.pressed("bAbout", true);
  EXPECT_EQ(log(), std::vector<std::string>{"about"});
  for (const Key key : {Key::Enter, Key::Escape})
    EXPECT_TRUE(rules.key("Cents_Change", key));
  EXPECT_TRUE(rules.key("bExit", Key::Escape));
  EXPECT_EQ(log(), std::vector<std::string>{});
  EXPECT_TRUE(rules.key("bExit", Key::Enter));
  EXPECT_EQ(log(), std::vector<std::string>{"ask Leave System?"});
}

TEST_F(CalculatorRules, NothingRunsOnceTheWindowIsGoing) {
  rules.closing();
  toolkit.set_text("Cents_Change", "abc");
  rules.left("Cents_Change", true);
  rules.entered("Ref_Freq1", Entry::Key);
  rules.pressed("bExit", true);
  EXPECT_EQ(toolkit.text("Cents_Change"), "abc");
  EXPECT_EQ(log(), std::vector<std::string>{});
}

} // namespace
