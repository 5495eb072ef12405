// Separators in a real dialog, painted by their own paint handler and read
// back by pixels: the etched line of either orientation to the pixel, and
// the caption blanking the line by its alignment.
#include "ControlsDialog.h"

namespace {

COLORREF Shadow() { return ::GetSysColor(COLOR_BTNSHADOW) & 0xFFFFFF; }
COLORREF Light() { return ::GetSysColor(COLOR_BTNHIGHLIGHT) & 0xFFFFFF; }
COLORREF Face() { return ::GetSysColor(COLOR_BTNFACE) & 0xFFFFFF; }

class SeparatorTest : public ControlsTest {
 protected:
  // Gives the horizontal separator a size, style bits and text, and
  // returns what it painted.
  std::unique_ptr<DibCanvas> Show(int width, int height, DWORD style, const char* text) {
    CStaticSeparator& separator = dlg.m_separator;
    separator.ModifyStyle(SS_CENTER | SS_RIGHT | SS_NOPREFIX, style);
    separator.SetWindowText(text);
    separator.MoveWindow(10, 60, width, height);
    Repaint(separator);
    return Capture(separator);
  }
};

TEST_F(SeparatorTest, HorizontalLineWithTheCaptionAtTheLeft) {
  auto shot = Show(200, 20, 0, "Group");
  const int blanked = TextExtentIn(dlg.m_separator, "Group  ").cx;
  const int text = TextExtentIn(dlg.m_separator, "Group").cx;
  ASSERT_LT(blanked, 150);
  for (int x = blanked; x < 199; ++x) ASSERT_EQ(shot->At(x, 10), Shadow()) << x;
  for (int x = blanked; x < 200; ++x) ASSERT_EQ(shot->At(x, 11), Light()) << x;
  EXPECT_EQ(shot->At(199, 10), Light());
  // The spacer blanks the line after the caption in the face colour.
  for (int x = text; x < blanked; ++x) {
    EXPECT_EQ(shot->At(x, 10), Face()) << x;
    EXPECT_EQ(shot->At(x, 11), Face()) << x;
  }
  for (int y : {9, 12}) EXPECT_NE(shot->At(150, y), Shadow());
}

TEST_F(SeparatorTest, VerticalLineIgnoresTheText) {
  Repaint(dlg.m_vseparator);
  dlg.m_vseparator.MoveWindow(250, 10, 4, 100);
  Repaint(dlg.m_vseparator);
  auto shot = Capture(dlg.m_vseparator);
  for (int y = 0; y < 99; ++y) ASSERT_EQ(shot->At(2, y), Shadow()) << y;
  for (int y = 0; y < 100; ++y) ASSERT_EQ(shot->At(3, y), Light()) << y;
  EXPECT_EQ(shot->At(2, 99), Light());
  for (int y = 0; y < 100; ++y) {
    ASSERT_EQ(shot->At(0, y), Face()) << "no text drawn, row " << y;
    ASSERT_EQ(shot->At(1, y), Face()) << "no text drawn, row " << y;
  }
}

TEST_F(SeparatorTest, AlignmentDecidesWhereTheLineShows) {
  const struct {
    DWORD style;
    const char* text;
    bool lineAtLeft, lineInMiddle, lineAtRight;
  } cases[] = {
      {SS_CENTER, "Group", true, false, true},
      {SS_RIGHT, "Group", true, true, false},
      {SS_RIGHT, "", true, true, false},  // the spacer alone blanks the right end
      {0, "", false, true, true},
      {SS_CENTER | SS_RIGHT, "Group", true, false, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "style " << c.style << " text '" << c.text << "'");
    auto shot = Show(200, 20, c.style, c.text);
    EXPECT_EQ(shot->At(0, 10) == Shadow(), c.lineAtLeft);
    EXPECT_EQ(shot->At(100, 10) == Shadow(), c.lineInMiddle);
    EXPECT_EQ(shot->At(198, 10) == Shadow(), c.lineAtRight);
    EXPECT_EQ(shot->At(199, 11) == Light(), c.lineAtRight);
  }
}

TEST_F(SeparatorTest, AmpersandUnderlinesUnlessNoPrefix) {
  // The caption's opaque box is as wide as the text drawn: without the
  // ampersand when it is a prefix, with it under SS_NOPREFIX.
  const struct {
    DWORD style;
    const char* drawn;
  } cases[] = {{0, "AB  "}, {SS_NOPREFIX, "A&B  "}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.drawn);
    auto shot = Show(200, 20, c.style, "A&B");
    const int width = TextExtentIn(dlg.m_separator, c.drawn).cx;
    EXPECT_NE(shot->At(width - 1, 10), Shadow());
    EXPECT_EQ(shot->At(width, 10), Shadow());
  }
}

TEST_F(SeparatorTest, SquareIsHorizontal) {
  auto shot = Show(30, 30, SS_RIGHT, "");
  EXPECT_EQ(shot->At(0, 15), Shadow());
  EXPECT_EQ(shot->At(0, 16), Light());
  EXPECT_NE(shot->At(15, 0), Shadow());
  EXPECT_NE(shot->At(15, 29), Shadow());
}

}  // namespace
