// Image buttons in a real dialog, painted by the system's owner-draw cycle
// and read back by pixels; and the handles a button holds.
#include "ControlsDialog.h"

#include <algorithm>
#include <functional>

namespace {

const COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);  // the icon; blue top-left
const COLORREF kGreen = RGB(0, 128, 0), kMagenta = RGB(255, 0, 255);  // the bitmap
const CRect kFocus(3, 3, 97, 27);  // the focus rectangle of a 100 x 30 button

COLORREF Face() { return ::GetSysColor(COLOR_BTNFACE) & 0xFFFFFF; }

// The smallest rectangle round the pixels of area that are not the face.
CRect InkBox(DibCanvas& shot, const RECT& area) {
  CRect box(0, 0, 0, 0);
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (shot.At(x, y) != Face()) box |= CRect(x, y, x + 1, y + 1);
  return box;
}

bool OnOutline(const POINT& p, const RECT& rc) {
  return (p.x == rc.left || p.x == rc.right - 1) ? p.y >= rc.top && p.y < rc.bottom
         : (p.y == rc.top || p.y == rc.bottom - 1) && p.x >= rc.left && p.x < rc.right;
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
  EXPECT_EQ(button.SetDefaultButton(1), 0);
  EXPECT_EQ(button.SetImagePos(CPoint(3, 4)), CPoint(-1, -1));
  EXPECT_FALSE(button.AutoPos());
  EXPECT_EQ(button.SetTextOffset(10), 8);
  EXPECT_TRUE(button.AutoPos()) << "one switch for image and caption";
  EXPECT_EQ(button.SetTextPos(CPoint(10, -1)), CPoint(-1, -1));
  EXPECT_EQ(button.SetImageOffset(6), 4);
  EXPECT_TRUE(button.AutoPos());
  EXPECT_EQ(button.SetImagePos(CPoint(0, 0)), CPoint(3, 4)) << "kept through automatic layout";
}

TEST_F(ControlsTest, ImagePlacesAndTheCaptionBesideIt) {
  CPeekButton& button = dlg.m_button;  // "&Print", 100 x 30
  const struct {
    const char* name;
    std::function<void()> setUp;
    POINT icon;
  } cases[] = {
      {"beside the caption", [&] { button.SetIcon(IDI_BUTTON, 16, 16); }, {4, 7}},
      {"pressed", [&] { button.SendMessage(BM_SETSTATE, TRUE); }, {5, 8}},
      {"inside the default frame", [&] {
         button.SendMessage(BM_SETSTATE, FALSE);
         button.SetDefaultButton(1);
       }, {5, 7}},
      {"alone", [&] {
         button.SetDefaultButton(0);
         button.SetWindowText("");
       }, {42, 7}},
      {"own size, laid out as 0 x 0", [&] { button.SetIcon(IDI_BUTTON, 0, 0); }, {50, 15}},
      {"explicit", [&] { button.SetImagePos(CPoint(60, 2)); }, {60, 2}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    c.setUp();
    button.UpdateWindow();
    PumpPending();
    auto shot = Capture(button);
    EXPECT_EQ(shot->At(c.icon.x, c.icon.y), kBlue);
    EXPECT_EQ(shot->At(c.icon.x + 15, c.icon.y + 10), kRed);
    EXPECT_NE(shot->At(c.icon.x - 1, c.icon.y), kBlue);
  }

  // Captions: automatic beside the icon (28, 7), pressed (29, 8), and
  // explicit at (10, -1). The ampersand is not drawn, so the ink is
  // narrower than the measured text.
  button.SetWindowText("&Print");
  button.SetIcon(IDI_BUTTON, 16, 16);
  button.SetImageOffset(4);
  const CRect captionArea(24, 4, 96, 26);  // inside the edges and the focus rectangle
  const CSize text = TextExtentIn(button, "&Print");
  const int top = (30 - text.cy) / 2 - 1;
  button.UpdateWindow();
  const CRect ink = InkBox(*Capture(button), captionArea);
  EXPECT_TRUE(ink.left >= 28 && ink.left <= 29 && ink.top >= top) << ink.left << ", " << ink.top;
  EXPECT_LE(ink.bottom, top + text.cy);
  EXPECT_LT(ink.Width(), text.cx - 2);
  button.SendMessage(BM_SETSTATE, TRUE);
  PumpPending();
  EXPECT_EQ(InkBox(*Capture(button), captionArea), ink + CPoint(1, 1));
  button.SendMessage(BM_SETSTATE, FALSE);
  button.SetTextPos(CPoint(10, -1));
  button.SetImagePos(CPoint(80, 2));
  button.UpdateWindow();
  EXPECT_EQ(InkBox(*Capture(button), CRect(4, 4, 78, 26)), ink - CPoint(18, 0));
}

// The dialog told of a monitor of another density: the button's offset
// and image scale with it, the icon loaded again at its new size, and the
// separators paint again. Back at the first density, the first layout.
// The button is tall enough that the largest icon stays clear of the
// focus rectangle.
TEST_F(ControlsTest, ANewDensityLaysTheButtonOutAgain) {
  CPeekButton& button = dlg.m_button;  // "&Print"
  button.MoveWindow(10, 10, 100, 40);
  button.SetIcon(IDI_BUTTON, 16, 16);
  const UINT dpi = AfxGetWindowDpi(dlg.m_hWnd);
  for (const UINT newDpi : {dpi * 5 / 4, dpi * 3 / 2, dpi}) {
    SCOPED_TRACE(newDpi);
    dlg.m_separator.UpdateWindow();
    ASSERT_FALSE(::GetUpdateRect(dlg.m_separator.m_hWnd, nullptr, FALSE));
    CRect rc;
    dlg.GetWindowRect(&rc);
    dlg.SendMessage(WM_DPICHANGED, MAKEWPARAM(newDpi, newDpi), reinterpret_cast<LPARAM>(&rc));
    EXPECT_TRUE(::GetUpdateRect(dlg.m_separator.m_hWnd, nullptr, FALSE));
    button.UpdateWindow();
    PumpPending();
    const int size = ::MulDiv(16, static_cast<int>(newDpi), static_cast<int>(dpi));
    const CPoint icon(::MulDiv(4, static_cast<int>(newDpi), static_cast<int>(dpi)),
                      (40 - size) / 2);
    auto shot = Capture(button);
    EXPECT_EQ(shot->At(icon.x, icon.y), kBlue);
    EXPECT_NE(shot->At(icon.x - 1, icon.y), kBlue);
    EXPECT_EQ(shot->At(icon.x + size * 15 / 16, icon.y + size * 10 / 16), kRed);
    EXPECT_NE(shot->At(icon.x + size, icon.y + size * 10 / 16), kRed) << "no wider";
  }
}

TEST_F(ControlsTest, DefaultFrameAndTheDialogsDefaultButton) {
  CPeekButton& button = dlg.m_button;
  for (const int bDefault : {1, 0}) {
    SCOPED_TRACE(bDefault);
    dlg.SendMessage(DM_SETDEFID, IDCANCEL);
    EXPECT_EQ(button.SetDefaultButton(bDefault), 1 - bDefault);
    EXPECT_EQ(LOWORD(dlg.SendMessage(DM_GETDEFID)), IDC_IMAGE_BUTTON) << "sent either way";
    button.UpdateWindow();
    auto shot = Capture(button);
    for (const POINT p : {POINT{0, 0}, POINT{50, 0}, POINT{0, 15}})
      EXPECT_EQ(shot->At(p.x, p.y) == RGB(0, 0, 0), bDefault == 1) << p.x << ", " << p.y;
  }
}

TEST_F(ControlsTest, ColorTabIsATriangleThatMovesWhenPressed) {
  CPeekButton& button = dlg.m_other;
  const COLORREF kTab = RGB(0, 200, 0);
  button.SetColorTab(kTab);
  for (const int pressed : {0, 1}) {
    SCOPED_TRACE(pressed ? "pressed" : "released");
    button.SendMessage(BM_SETSTATE, pressed);
    button.UpdateWindow();
    auto shot = Capture(button);
    for (int y = 0; y < 12; ++y) {
      std::vector<int> xs;
      for (int x = 0; x < 12; ++x)
        if (shot->At(x, y) == kTab) xs.push_back(x);
      const int row = y - 1 - pressed;
      const size_t expected = row >= 0 && row < 7 ? static_cast<size_t>(7 - row) : 0;
      ASSERT_EQ(xs.size(), expected) << "row " << y;
      if (xs.empty()) continue;
      EXPECT_EQ(xs.front(), 1 + pressed);
      EXPECT_EQ(static_cast<size_t>(xs.back() - xs.front() + 1), expected) << "contiguous";
    }
  }
}

TEST_F(ControlsTest, MaskedBitmapAndItsEmbossedDisabledCopy) {
  CPeekButton& button = dlg.m_button;
  ASSERT_EQ(button.SetMaskedBitmap(IDB_BUTTON, 16, 16, kMagenta), 1);
  button.SetFocus();
  PumpPending();
  auto focusPixels = [&](DibCanvas& shot) {  // on the outline, off the image
    int n = 0;
    for (int y = kFocus.top; y < kFocus.bottom; ++y)
      for (int x = kFocus.left; x < kFocus.right; ++x)
        n += OnOutline(POINT{x, y}, kFocus) && (x >= 20 || y < 7 || y >= 23) &&
             shot.At(x, y) != Face();
    return n;
  };
  const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW), light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  const struct {
    BOOL enabled;
    COLORREF square, fringe;  // the green square at (8, 11) and just past its corner
    bool focusRectangle;
  } cases[] = {{TRUE, kGreen, Face(), true}, {FALSE, shadow, light, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.enabled ? "enabled" : "disabled");
    button.EnableWindow(c.enabled);
    PumpPending();
    auto shot = Capture(button);
    EXPECT_EQ(shot->At(4, 7), Face()) << "the mask colour: face, or white as background";
    EXPECT_EQ(shot->At(8, 11), c.square);
    EXPECT_EQ(shot->At(15, 18), c.square);
    EXPECT_EQ(shot->At(16, 19), c.fringe);
    EXPECT_EQ(focusPixels(*shot) > 50, c.focusRectangle);
  }
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
  const std::vector<POINT> changed = Capture(button)->ChangedSince(before);
  EXPECT_GT(changed.size(), 100u);
  for (const POINT& p : changed) ASSERT_TRUE(OnOutline(p, kFocus)) << p.x << ", " << p.y;
  dlg.m_other.SetFocus();
  PumpPending();
  EXPECT_TRUE(Capture(button)->ChangedSince(before).empty()) << "inverted back, once";
}

// The draw-item protocol driven directly on a memory canvas: a focus-only
// draw inverts the rectangle only on a change and paints nothing else; a
// full draw paints a fresh face with it exactly when the button is focused.
TEST_F(ControlsTest, FocusOnlyDrawsAndFullDraws) {
  DibCanvas canvas(100, 30);
  DRAWITEMSTRUCT dis = {ODT_BUTTON, IDC_IMAGE_BUTTON, 0, 0, 0, dlg.m_button.m_hWnd,
                        canvas.dc().m_hDC, {0, 0, 100, 30}, 0};
  auto draw = [&](UINT action, UINT state) {
    dis.itemAction = action;
    dis.itemState = state;
    dlg.m_button.DrawItem(&dis);
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
  for (const POINT& p : changed) ASSERT_TRUE(OnOutline(p, kFocus)) << p.x << ", " << p.y;
}

TEST(ImageButton, HoldsOnlyTheHandlesItShowsAndFreesThemAtTheEnd) {
  HICON hIcon = nullptr;
  HBITMAP hDisabled = nullptr;
  {
    CPeekButton button;
    ASSERT_EQ(button.SetIcon(IDI_BUTTON, 16, 16), 1);
    hIcon = button.Icon();
    ASSERT_EQ(button.SetMaskedBitmap(IDB_BUTTON, 16, 16, kMagenta), 1);
    EXPECT_FALSE(IconAlive(hIcon)) << "an icon replaced by a bitmap";
    HBITMAP hBitmap = button.Bitmap();
    hDisabled = button.DisabledBitmap();
    ASSERT_EQ(button.SetBitmap(IDB_BUTTON, 32, 32), 1);
    EXPECT_FALSE(BitmapAlive(hBitmap) || BitmapAlive(hDisabled)) << "bitmaps replaced";
    BITMAP info;
    ASSERT_TRUE(::GetObjectA(button.Bitmap(), sizeof info, &info));
    EXPECT_EQ(info.bmWidth, 32);

    EXPECT_EQ(button.SetIcon(IDI_MISSING, 16, 16), 0);
    EXPECT_EQ(button.HasImage(), 1) << "a failed icon leaves the bitmap";
    hBitmap = button.Bitmap();
    hDisabled = button.DisabledBitmap();
    ASSERT_EQ(button.SetIcon(IDI_BUTTON, 16, 16), 1);
    EXPECT_FALSE(BitmapAlive(hBitmap)) << "an icon drops the enabled bitmap at once";
    EXPECT_TRUE(BitmapAlive(hDisabled)) << "and keeps holding the disabled copy";
    hIcon = button.Icon();
    EXPECT_EQ(button.SetBitmap(IDI_MISSING, 16, 16), 0);
    EXPECT_EQ(button.Icon(), hIcon) << "a failed bitmap leaves the icon";
    EXPECT_FALSE(BitmapAlive(hDisabled));
    ASSERT_EQ(button.SetMaskedBitmap(IDB_BUTTON, 16, 16, kMagenta), 1);
    hDisabled = button.DisabledBitmap();
    ASSERT_EQ(button.SetIcon(IDI_BUTTON, 16, 16), 1);
    hIcon = button.Icon();
  }  // destroyed holding an icon and a disabled copy
  EXPECT_FALSE(IconAlive(hIcon));
  EXPECT_FALSE(BitmapAlive(hDisabled));
}

}  // namespace
