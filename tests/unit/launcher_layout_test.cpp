// The launcher window's size, place, styles and keyboard order as created:
// the design in twips at the screen's resolution, centred, fixed single.
#include <gtest/gtest.h>

#include <memory>

#include "launcher/FormLayout.h"
#include "launcher/frmWayfinch.h"
#include "tests/support/machine.h"

namespace sim = platform::sim;

using namespace testing_support;
using wayfinch::PixelRect;

namespace {

struct Created {
  sim::Window form;
  std::vector<sim::Window> controls;  // in creation order
};

inline Created CreateAt(int screenWidth, int screenHeight, int dotsPerInch) {
  sim::Reset();
  sim::SetScreen(screenWidth, screenHeight, dotsPerInch);
  wayfinch::frmWayfinch form(nullptr);
  Created created{};
  for (const auto& w : sim::Windows())
    (w.parent ? created.controls.push_back(w) : void(created.form = w));
  return created;
}

inline PixelRect Place(const sim::Window& w) { return {w.x, w.y, w.width, w.height}; }

}  // namespace

TEST(LauncherLayoutTest, TwipsBecomePixelsToTheNearestAtAnyResolution) {
  EXPECT_EQ(wayfinch::TwipsToPixels(4515, 96), 301);
  EXPECT_EQ(wayfinch::TwipsToPixels(2415, 96), 161);
  EXPECT_EQ(wayfinch::TwipsToPixels(4515, 120), 376);  // 376.25
  EXPECT_EQ(wayfinch::TwipsToPixels(1215, 120), 101);  // 101.25
  EXPECT_EQ(wayfinch::TwipsToPixels(1455, 144), 146);  // 145.5 rounds up
  // And to HIMETRIC, the unit OLE sizes controls in.
  EXPECT_EQ(TwipsToHimetric(1440), 2540);
  EXPECT_EQ(TwipsToHimetric(510), 900);  // 899.58
  // A control in the frame is placed from the frame's offset plus its own.
  EXPECT_EQ(wayfinch::ToPixels(wayfinch::kViewHelpOption, 120, wayfinch::kOptionFrame),
            (PixelRect{30, 80, 301, 41}));
}

SIMULATED_TEST(LauncherLayoutTest, WindowIsCentredFixedSingleWithTheDesignedClientArea) {
  const Created at96 = CreateAt(1024, 768, 96);
  const DWORD style = at96.form.style;
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX),
            WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
  EXPECT_EQ(style & (WS_MAXIMIZEBOX | WS_THICKFRAME), 0u) << "the window can be resized";
  // The simulated frame adds 3 pixels a side and an 18-pixel caption.
  EXPECT_EQ(Place(at96.form), (PixelRect{(1024 - 307) / 2, (768 - 185) / 2, 307, 185}));
  EXPECT_NE(at96.form.icon, nullptr);
  EXPECT_NE(at96.form.smallIcon, nullptr);

  const Created at120 = CreateAt(800, 600, 120);
  EXPECT_EQ(Place(at120.form), (PixelRect{(800 - 382) / 2, (600 - 225) / 2, 382, 225}));
}

SIMULATED_TEST(LauncherLayoutTest, ControlsInKeyboardOrderAtTheirDesignedPlaces) {
  const Created created = CreateAt(1024, 768, 96);
  ASSERT_EQ(created.controls.size(), 5u);
  struct Expected {
    int id;
    PixelRect place;
    DWORD type;
    bool tabStop;
  };
  const Expected expected[] = {
      {wayfinch::kVisitCorvennaOptionId, {24, 24, 161, 33}, BS_AUTORADIOBUTTON, true},
      {wayfinch::kViewHelpOptionId, {24, 64, 241, 33}, BS_AUTORADIOBUTTON, false},
      {wayfinch::kCmdGoId, {40, 120, 81, 33}, BS_PUSHBUTTON, true},
      {wayfinch::kCmdExitId, {176, 120, 81, 33}, BS_PUSHBUTTON, true},
      {wayfinch::kOptionFrameId, {8, 8, 289, 97}, BS_GROUPBOX, false},
  };
  for (std::size_t i = 0; i < 5; ++i) {
    const sim::Window& control = created.controls[i];
    SCOPED_TRACE(control.text);
    EXPECT_EQ(control.id, expected[i].id);
    EXPECT_EQ(Place(control), expected[i].place);
    // Neither button is a default button.
    EXPECT_EQ(control.style & BS_TYPEMASK, expected[i].type);
    EXPECT_EQ((control.style & WS_TABSTOP) != 0, expected[i].tabStop);
    EXPECT_TRUE(control.style & WS_VISIBLE);
    EXPECT_EQ(control.font, created.controls[0].font);
    EXPECT_NE(control.font, nullptr) << "the bold system font would cut the captions off";
  }
  // Long option captions wrap onto their second line instead of being cut.
  EXPECT_TRUE(created.controls[0].style & BS_MULTILINE);
  EXPECT_TRUE(created.controls[1].style & BS_MULTILINE);
  // The option group starts at the first option and ends before Go.
  EXPECT_TRUE(created.controls[0].style & WS_GROUP);
  EXPECT_FALSE(created.controls[1].style & WS_GROUP);
  EXPECT_TRUE(created.controls[2].style & WS_GROUP);
}
