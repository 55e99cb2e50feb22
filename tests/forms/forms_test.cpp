// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// The windows' handlers against a toolkit that records what it is asked.

#include "fAbout.h"
#include "fMovla.h"
#include "form.h"
#include "recording_toolkit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace movla::ui;
using movla::Field;
using movla::test::RecordingToolkit;

TEST(Twips, BecomePixelsAtTheGivenDpi) {
  struct Case {
    int twips, dpi, pixels;
  };
  const Case cases[] = {
      {15, 96, 1}, {-15, 96, -1}, {7, 96, 0}, {8, 96, 1}, {10140, 96, 676}, {1440, 144, 144},
  };
  for (const Case &c : cases)
    EXPECT_EQ(twips_to_pixels(c.twips, c.dpi), c.pixels) << c.twips << " at " << c.dpi;
  const Control line{
      "Line1",      Kind::Line,    "",          0,           2430,    10125, 0, no_tab_index,
      {"Arial", 8}, rgb(0, 0, 64), transparent, Align::Left, NoOption};
  EXPECT_EQ(pixel_rect(line), (PixelRect{0, 162, 675, 2}));
  EXPECT_EQ(pixel_rect(line, 192), (PixelRect{0, 324, 1350, 4}));
}

TEST(fMovla, LoadSetsTooltipsAndDefaultsThenRunsAPass) {
  RecordingToolkit toolkit;
  movla::MemoryFields fields;
  fMovla window(toolkit, fields, ".");
  window.handle("fMovla", Event::Load);
  EXPECT_EQ(toolkit.log, (std::vector<std::string>{"tooltip Cents_Change", "tooltip Ref_Freq1",
                                                   "tooltip New_Frequency", "tooltip Ref_Freq2"}));
  EXPECT_EQ(fields.text(Field::Cents_Change), "100");
  EXPECT_EQ(fields.text(Field::Octaves_New), "-0.08");
}

TEST(fMovla, PassesReadNotesInTheUsersLocale) {
  struct Case {
    const char *separator, *locale, *cents;
  };
  const Case cases[] = {{",", "de_DE", "-100,00"}, {".", "en_US", "Error"}}; // H is B elsewhere
  for (const Case &c : cases) {
    RecordingToolkit toolkit;
    movla::MemoryFields fields;
    fMovla window(toolkit, fields, c.separator, c.locale);
    window.handle("fMovla", Event::Load);
    fields.set_text(Field::New_Frequency, "B4");
    fields.set_text(Field::Ref_Freq2, "H4");
    window.handle("Ref_Freq2", Event::LostFocus);
    EXPECT_EQ(fields.text(Field::Cents_New), c.cents) << c.locale;
  }
}

TEST(fMovla, EveryInputAndButtonHasItsHandlers) {
  RecordingToolkit toolkit;
  movla::MemoryFields fields;
  fMovla window(toolkit, fields, ".");
  for (const Field field : movla::input_fields) {
    const std::string name(movla::field_name(field));
    EXPECT_TRUE(window.handles(name, Event::GotFocus)) << name;
    EXPECT_TRUE(window.handles(name, Event::LostFocus)) << name;
    window.handle(name, Event::GotFocus);
    EXPECT_EQ(toolkit.log.back(), "select " + name);
  }
  for (const Field field : movla::result_fields)
    EXPECT_FALSE(window.handles(movla::field_name(field), Event::GotFocus));

  window.handle("bAbout", Event::Click);
  window.handle("bExit", Event::Click); // answered Cancel
  toolkit.answer = true;
  window.handle("bExit", Event::Click);
  EXPECT_EQ(std::vector(toolkit.log.end() - 4, toolkit.log.end()),
            (std::vector<std::string>{"about", "ask Leave System?", "ask Leave System?", "quit"}));
}

TEST(fAbout, LoadJoinsTheDisclaimerOnceAndDoneCloses) {
  RecordingToolkit toolkit;
  fAbout window(toolkit);
  window.handle("fAbout", Event::Load);
  EXPECT_EQ(toolkit.texts["lbl_Disclaimer"],
            "This software is supplied 'as is'. Neither Dorvanek nor Hallumbre give or imply any "
            "guarantee of the suitability or applicability of the software for any task.");
  EXPECT_EQ(toolkit.texts["lbl_Version"], "Version 1 Build 1.02.2003");
  window.handle("bDone", Event::Click);
  EXPECT_EQ(toolkit.log, std::vector<std::string>{"close"});
}

} // namespace
