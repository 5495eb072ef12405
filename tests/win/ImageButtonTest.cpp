// Image buttons in a real dialog, painted by the system's owner-draw cycle
// and read back by pixels: image and caption places, the pressed shift,
// the default frame, the colour tab, the embossed disabled bitmap, the
// focus rectangle; and the handles a button holds.
#include "ControlsDialog.h"

#include <algorithm>

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);  // the icon's top-left pixel
const COLORREF kGreen = RGB(0, 128, 0);
const COLORREF kMagenta = RGB(255, 0, 255);
const COLORREF kBlack = RGB(0, 0, 0);

COLORREF Face() { return ::GetSysColor(COLOR_BTNFACE) & 0xFFFFFF; }

// The smallest rectangle holding every pixel of area that differs from the
// face colour (the caption's ink).
CRect InkBox(DibCanvas& shot, const RECT& area) {
  CRect box(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (shot.At(x, y) != Face()) {
        box.left = std::min<LONG>(box.left, x);
        box.top = std::min<LONG>(box.top, y);
        box.right = std::max<LONG>(box.right, x + 1);
        box.bottom = std::max<LONG>(box.bottom, y + 1);
      }
  return box;
}

bool OnRectangleOutline(const POINT& p, const RECT& rc) {
  const bool inside = p.x >= rc.left && p.x < rc.right && p.y >= rc.top && p.y < rc.bottom;
  return inside && (p.x == rc.left || p.x == rc.right - 1 || p.y == rc.top || p.y == rc.bottom - 1);
}

bool IconAlive(HICON hIcon) {
  ICONINFO info;
  if (!::GetIconInfo(hIcon, &info)) return false;
  ::DeleteObject(info.hbmColor);
  ::DeleteObject(info.hbmMask);
  return true;
}

bool BitmapAlive(HBITMAP hBitmap) { return ::GetObjectType(hBitmap) == OBJ_BITMAP; }

TEST(ImageButton, NewButtonAndTheOneLayoutSwitch) {
  CPeekButton button;  // no window: setters only store
  EXPECT_EQ(button.HasImage(), 0);
  EXPECT_TRUE(button.AutoPos());
  EXPECT_EQ(button.SetImageOffset(6), 4);
  EXPECT_EQ(button.SetTextOffset(10), 8);
  EXPECT_EQ(button.SetDefaultButton(1), 0);
  EXPECT_EQ(button.SetDefaultButton(0), 1);

  EXPECT_EQ(button.SetImagePos(CPoint(3, 4)), CPoint(-1, -1));
  EXPECT_FALSE(button.AutoPos()) << "explicit for image and caption alike";
  EXPECT_EQ(button.SetTextOffset(8), 10);
  EXPECT_TRUE(button.AutoPos());
  EXPECT_EQ(button.SetTextPos(CPoint(10, -1)), CPoint(-1, -1));
  EXPECT_FALSE(button.AutoPos());
  EXPECT_EQ(button.SetImageOffset(4), 6);
  EXPECT_TRUE(button.AutoPos());
  EXPECT_EQ(button.SetImagePos(CPoint(0, 0)), CPoint(3, 4)) << "kept through automatic layout";
}

TEST_F(ControlsTest, IconBesideCaptionPressedAndDefault) {
  CPeekButton& button = dlg.m_button;
  ASSERT_EQ(button.SetIcon(IDI_BUTTON, 16, 16), 1);
  EXPECT_EQ(button.HasImage(), 1);
  button.UpdateWindow();  // the setter asked for the repaint

  const CSize text = TextExtentIn(button, "&Print");
  const CRect captionArea(24, 4, 96, 26);  // inside the edges and the focus rectangle
  {
    auto shot = Capture(button);
    EXPECT_EQ(shot->At(4, 7), kBlue);
    EXPECT_EQ(shot->At(19, 22), kRed);
    EXPECT_NE(shot->At(3, 7), kRed);
    EXPECT_NE(shot->At(4, 6), kRed);
    EXPECT_NE(shot->At(20, 22), kRed);
    const CRect ink = InkBox(*shot, captionArea);
    // At (28, 30 - h halved, one pixel up); the ampersand is not drawn, so
    // the ink is narrower than the measured text.
    EXPECT_GE(ink.left, 28);
    EXPECT_LE(ink.left, 29);
    EXPECT_GE(ink.top, (30 - text.cy) / 2 - 1);
    EXPECT_LE(ink.bottom, (30 - text.cy) / 2 - 1 + text.cy);
    EXPECT_LT(ink.Width(), text.cx - 2);

    button.SendMessage(BM_SETSTATE, TRUE);
    PumpPending();
    auto pressed = Capture(button);
    EXPECT_EQ(pressed->At(5, 8), kBlue);
    EXPECT_EQ(pressed->At(20, 23), kRed);
    EXPECT_NE(pressed->At(4, 7), kBlue);
    EXPECT_EQ(InkBox(*pressed, captionArea), ink + CPoint(1, 1));
    button.SendMessage(BM_SETSTATE, FALSE);
  }

  // The default frame: a black outline round the face, the image one
  // pixel further in. The dialog's default ID follows either way.
  dlg.SendMessage(DM_SETDEFID, IDCANCEL);
  EXPECT_EQ(button.SetDefaultButton(1), 0);
  EXPECT_EQ(LOWORD(dlg.SendMessage(DM_GETDEFID)), IDC_IMAGE_BUTTON);
  button.UpdateWindow();
  {
    auto shot = Capture(button);
    for (const POINT p : {POINT{0, 0}, POINT{50, 0}, POINT{0, 15}, POINT{99, 29}})
      EXPECT_EQ(shot->At(p.x, p.y), kBlack) << p.x << ", " << p.y;
    EXPECT_EQ(shot->At(5, 7), kBlue);
  }
  dlg.SendMessage(DM_SETDEFID, IDCANCEL);
  EXPECT_EQ(button.SetDefaultButton(0), 1);
  EXPECT_EQ(LOWORD(dlg.SendMessage(DM_GETDEFID)), IDC_IMAGE_BUTTON) << "sent for 0 as well";
  button.UpdateWindow();
  auto shot = Capture(button);
  EXPECT_NE(shot->At(0, 0), kBlack);
  EXPECT_NE(shot->At(50, 0), kBlack);
  EXPECT_EQ(shot->At(4, 7), kBlue);
}

TEST_F(ControlsTest, ImageAloneIsCentredAndExplicitPositionsHold) {
  CPeekButton& button = dlg.m_button;
  button.SetWindowText("");
  ASSERT_EQ(button.SetIcon(IDI_BUTTON, 16, 16), 1);
  button.UpdateWindow();
  EXPECT_EQ(Capture(button)->At(42, 7), kBlue);

  // Loaded at its own size, laid out as 0 x 0: the corner on the centre.
  ASSERT_EQ(button.SetIcon(IDI_BUTTON, 0, 0), 1);
  button.UpdateWindow();
  {
    auto shot = Capture(button);
    EXPECT_EQ(shot->At(50, 15), kBlue);
    EXPECT_EQ(shot->At(65, 25), kRed);
    EXPECT_NE(shot->At(49, 15), kBlue);
  }

  // The explicit layout: text (10, -1) with the image at (60, 2).
  ASSERT_EQ(button.SetIcon(IDI_BUTTON, 16, 16), 1);
  button.SetWindowText("Text");
  button.SetImagePos(CPoint(60, 2));
  button.SetTextPos(CPoint(10, -1));
  button.UpdateWindow();
  auto shot = Capture(button);
  EXPECT_EQ(shot->At(60, 2), kBlue);
  const CSize text = TextExtentIn(button, "Text");
  const CRect ink = InkBox(*shot, CRect(4, 4, 58, 26));
  EXPECT_GE(ink.left, 10);
  EXPECT_LE(ink.left, 11);
  EXPECT_GE(ink.top, (30 - text.cy) / 2 - 1);
  EXPECT_LE(ink.bottom, (30 - text.cy) / 2 - 1 + text.cy);
}

TEST_F(ControlsTest, ColorTabIsATriangleThatMovesWhenPressed) {
  CPeekButton& button = dlg.m_other;
  const COLORREF kTab = RGB(0, 200, 0);
  button.SetColorTab(kTab);
  button.UpdateWindow();
  for (const int pressed : {0, 1}) {
    SCOPED_TRACE(pressed ? "pressed" : "released");
    button.SendMessage(BM_SETSTATE, pressed);
    PumpPending();
    auto shot = Capture(button);
    for (int y = 0; y < 12; ++y) {
      std::vector<int> xs;
      for (int x = 0; x < 12; ++x)
        if (shot->At(x, y) == kTab) xs.push_back(x);
      const int row = y - 1 - pressed;
      const size_t expected = row >= 0 && row < 7 ? static_cast<size_t>(7 - row) : 0;
      ASSERT_EQ(xs.size(), expected) << "row " << y;
      if (!xs.empty()) {
        EXPECT_EQ(xs.front(), 1 + pressed);
        EXPECT_EQ(xs.back() - xs.front() + 1, static_cast<int>(expected)) << "contiguous";
      }
    }
  }
  button.SendMessage(BM_SETSTATE, FALSE);
}

TEST_F(ControlsTest, MaskedBitmapAndItsEmbossedDisabledCopy) {
  CPeekButton& button = dlg.m_button;
  ASSERT_EQ(button.SetMaskedBitmap(IDB_BUTTON, 16, 16, kMagenta), 1);
  button.SetFocus();
  PumpPending();
  const CRect focus(3, 3, 97, 27);
  auto countChangedOutline = [&](DibCanvas& shot) {
    int changed = 0;
    for (int y = focus.top; y < focus.bottom; ++y)
      for (int x = focus.left; x < focus.right; ++x)
        if (OnRectangleOutline(POINT{x, y}, focus) && shot.At(x, y) != Face() &&
            (x < 4 || x >= 20 || y < 7 || y >= 23))  // off the image
          ++changed;
    return changed;
  };
  {
    auto shot = Capture(button);
    EXPECT_EQ(shot->At(4, 7), Face()) << "the mask colour shows the face";
    EXPECT_EQ(shot->At(8, 11), kGreen);
    EXPECT_EQ(shot->At(15, 18), kGreen);
    EXPECT_EQ(shot->At(16, 19), Face());
    EXPECT_GT(countChangedOutline(*shot), 50) << "focused: the focus rectangle shows";
  }
  button.EnableWindow(FALSE);
  PumpPending();
  auto shot = Capture(button);
  const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW), light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  EXPECT_EQ(shot->At(4, 7), Face()) << "white in the disabled copy: background";
  EXPECT_EQ(shot->At(8, 11), shadow);
  EXPECT_EQ(shot->At(15, 18), shadow);
  EXPECT_EQ(shot->At(16, 19), light) << "the embossed highlight, one pixel down and right";
  EXPECT_EQ(countChangedOutline(*shot), 0) << "no focus rectangle when disabled";
}

TEST_F(ControlsTest, FocusChangeAloneInvertsTheFocusRectangleOnce) {
  CPeekButton& button = dlg.m_button;
  ASSERT_EQ(button.SetIcon(IDI_BUTTON, 16, 16), 1);
  dlg.m_other.SetFocus();
  button.UpdateWindow();
  PumpPending();
  const auto before = Capture(button)->Snapshot();

  button.SetFocus();
  PumpPending();
  auto focused = Capture(button);
  const std::vector<POINT> changed = focused->ChangedSince(before);
  EXPECT_GT(changed.size(), 100u);
  for (const POINT& p : changed)
    ASSERT_TRUE(OnRectangleOutline(p, CRect(3, 3, 97, 27))) << p.x << ", " << p.y;

  dlg.m_other.SetFocus();
  PumpPending();
  EXPECT_TRUE(Capture(button)->ChangedSince(before).empty()) << "inverted back, once";
}

// The draw-item protocol driven directly, on a memory canvas: a focus-only
// draw inverts the focus rectangle only on a change and paints nothing
// else; a full draw paints a fresh face with the rectangle exactly when
// the button has the focus.
TEST_F(ControlsTest, FocusOnlyDrawsAndFullDraws) {
  CPeekButton& button = dlg.m_button;
  DibCanvas canvas(100, 30);
  DRAWITEMSTRUCT dis = {ODT_BUTTON, IDC_IMAGE_BUTTON, 0, 0, 0, button.m_hWnd,
                        canvas.dc().m_hDC, {0, 0, 100, 30}, 0};
  auto draw = [&](UINT action, UINT state) {
    dis.itemAction = action;
    dis.itemState = state;
    button.DrawItem(&dis);
    return canvas.Snapshot();
  };
  const auto plain = draw(ODA_DRAWENTIRE, 0);
  const auto focused = draw(ODA_DRAWENTIRE, ODS_FOCUS);
  EXPECT_NE(focused, plain);
  EXPECT_EQ(draw(ODA_FOCUS, ODS_FOCUS), focused) << "no change, no inversion";
  EXPECT_EQ(draw(ODA_FOCUS, 0), plain);
  EXPECT_EQ(draw(ODA_FOCUS, 0), plain);
  EXPECT_EQ(draw(ODA_FOCUS, ODS_FOCUS), focused);
  EXPECT_EQ(draw(ODA_DRAWENTIRE, 0), plain) << "a fresh face after the focus left";

  canvas.FillVaried();
  const auto varied = canvas.Snapshot();
  draw(ODA_FOCUS, ODS_FOCUS);
  const std::vector<POINT> changed = canvas.ChangedSince(varied);
  EXPECT_FALSE(changed.empty());
  for (const POINT& p : changed)
    ASSERT_TRUE(OnRectangleOutline(p, CRect(3, 3, 97, 27))) << p.x << ", " << p.y;
}

TEST(ImageButton, HoldsOnlyTheHandlesItShowsAndFreesThemAtTheEnd) {
  HICON hIcon = nullptr, hFinalIcon = nullptr;
  HBITMAP hFirst = nullptr, hFirstDisabled = nullptr, hSecondDisabled = nullptr;
  {
    CPeekButton button;
    ASSERT_EQ(button.SetIcon(IDI_BUTTON, 16, 16), 1);
    hIcon = button.Icon();
    ASSERT_EQ(button.SetMaskedBitmap(IDB_BUTTON, 16, 16, kMagenta), 1);
    EXPECT_FALSE(IconAlive(hIcon)) << "the icon replaced by a bitmap";
    EXPECT_EQ(button.Icon(), nullptr);
    hFirst = button.Bitmap();
    hFirstDisabled = button.DisabledBitmap();
    ASSERT_EQ(button.SetBitmap(IDB_BUTTON, 32, 32), 1);
    EXPECT_FALSE(BitmapAlive(hFirst));
    EXPECT_FALSE(BitmapAlive(hFirstDisabled));
    BITMAP info;
    ASSERT_TRUE(::GetObjectA(button.Bitmap(), sizeof info, &info));
    EXPECT_EQ(info.bmWidth, 32);

    // A failed icon leaves the bitmap showing.
    EXPECT_EQ(button.SetIcon(IDI_MISSING, 16, 16), 0);
    EXPECT_EQ(button.Icon(), nullptr);
    EXPECT_EQ(button.HasImage(), 1);
    // An icon drops the enabled bitmap at once; the disabled copy stays held.
    const HBITMAP hSecond = button.Bitmap();
    hSecondDisabled = button.DisabledBitmap();
    ASSERT_EQ(button.SetIcon(IDI_BUTTON, 0, 0), 1);
    EXPECT_FALSE(BitmapAlive(hSecond));
    EXPECT_TRUE(BitmapAlive(hSecondDisabled));
    hFinalIcon = button.Icon();
    // A failed bitmap leaves the icon and whatever its copies produced.
    EXPECT_EQ(button.SetBitmap(IDI_MISSING, 16, 16), 0);
    EXPECT_EQ(button.Icon(), hFinalIcon);
    EXPECT_EQ(button.DisabledBitmap(), nullptr);
    EXPECT_FALSE(BitmapAlive(hSecondDisabled));
    ASSERT_EQ(button.SetMaskedBitmap(IDB_BUTTON, 16, 16, kMagenta), 1);
    hFirst = button.Bitmap();
    hFirstDisabled = button.DisabledBitmap();
    EXPECT_FALSE(IconAlive(hFinalIcon));
    // Destroyed holding an icon and a disabled copy.
    ASSERT_EQ(button.SetIcon(IDI_BUTTON, 16, 16), 1);
    EXPECT_FALSE(BitmapAlive(hFirst));
    hFinalIcon = button.Icon();
  }
  EXPECT_FALSE(IconAlive(hFinalIcon));
  EXPECT_FALSE(BitmapAlive(hFirstDisabled));
}

}  // namespace
