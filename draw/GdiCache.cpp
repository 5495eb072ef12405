#include "draw/GdiCache.h"

#include "draw/GdiCacheTable.h"

#include "afx/wnd/AfxDpi.h"

#include <memory>
#include <string>

using namespace varnel::draw;

namespace {

constexpr int kSolidBrush = -1;
constexpr int kPatternBrush = -2;

// What the outermost push found on its device context. Raw handles rather
// than the framework's wrappers: FromHandle would give temporary wrappers,
// which the application's idle-time DeleteTempMap may destroy while the
// bracket is still open.
struct Bracket {
  int nDepth = 0;
  CDC* pDC = nullptr;  // the recorded context; null when no bracket is open
  HGDIOBJ hPen = nullptr;
  HGDIOBJ hBrush = nullptr;
  HGDIOBJ hFont = nullptr;
  HGDIOBJ hPalette = nullptr;
  COLORREF crText = 0;
  COLORREF crBk = 0;
  int nRop2 = 0;
  UINT nDpi = 0;  // the density of the bracket's fonts; 0 until its first font
};

// One cache per process. At unload the tables release their own memory;
// objects still cached then are left to the system.
Bracket s_bracket;
GdiCacheTable<PenBrushKey, CGdiObject*> s_pensAndBrushes;
GdiCacheTable<FontKey, CFont*> s_fonts;

// The density a font is made for: the window's when the context draws on
// one (a window on a monitor of another density keeps that density; its
// context still answers the system's), else the context's own, the
// screen's with no bracket open. A preview context answers from its
// printer: its attribute context is the one asked. Asked once a bracket,
// at its first font: a window's density takes server calls under Wine
// (about 13 microseconds), which brackets without text need not pay.
UINT FontDensity(CDC* pDC) {
  if (pDC == nullptr) return AfxGetWindowDpi(nullptr);
  if (const HWND hWnd = ::WindowFromDC(pDC->m_hAttribDC)) return AfxGetWindowDpi(hWnd);
  return static_cast<UINT>(pDC->GetDeviceCaps(LOGPIXELSY));
}

// The cached font of that size and face made for nDpi, made now if there
// is none.
CFont* FontForDensity(int pointSize, const char* faceName, UINT nDpi) {
  const FontKey key{pointSize, faceName != nullptr ? faceName : "", nDpi};
  if (CFont** ppFont = s_fonts.Find(key)) return *ppFont;
  auto pFont = std::make_unique<CFont>();
  // Tenths of a point; an absurd size wraps rather than overflows.
  const auto nTenths = static_cast<int>(static_cast<unsigned>(pointSize) * 10u);
  // Unchecked, as documented.
  pFont->CreatePointFont(nTenths, faceName, s_bracket.pDC, static_cast<int>(nDpi));
  s_fonts.Insert(key, pFont.get());
  return pFont.release();
}

void SaveContext(CDC* pDC) {
  const HDC hAttrib = pDC->m_hAttribDC;
  s_bracket.hBrush = ::GetCurrentObject(hAttrib, OBJ_BRUSH);
  s_bracket.hPen = ::GetCurrentObject(hAttrib, OBJ_PEN);
  s_bracket.hFont = ::GetCurrentObject(hAttrib, OBJ_FONT);
  s_bracket.hPalette = ::GetCurrentObject(hAttrib, OBJ_PAL);
  s_bracket.crText = pDC->GetTextColor();
  s_bracket.crBk = pDC->GetBkColor();
  s_bracket.nRop2 = pDC->GetROP2();
  s_bracket.pDC = pDC;
}

// Puts the saved state back, so that no cached object stays selected when
// the cache deletes them.
void RestoreContext(CDC* pDC) {
  pDC->SetROP2(s_bracket.nRop2);
  pDC->SetTextColor(s_bracket.crText);
  pDC->SetBkColor(s_bracket.crBk);
  pDC->SelectObject(s_bracket.hPen);
  pDC->SelectObject(s_bracket.hBrush);
  pDC->SelectObject(s_bracket.hFont);
  pDC->SelectPalette(CPalette::FromHandle(static_cast<HPALETTE>(s_bracket.hPalette)), TRUE);
}

void DestroyCachedObjects() {
  s_pensAndBrushes.ForEach([](const PenBrushKey&, CGdiObject* pObject) {
    pObject->DeleteObject();
    delete pObject;
  });
  s_pensAndBrushes.RemoveAll();
  s_fonts.ForEach([](const FontKey&, CFont* pFont) {
    pFont->DeleteObject();
    delete pFont;
  });
  s_fonts.RemoveAll();
}

// An 8 x 8 monochrome pattern: the high byte of the 16-bit value on the
// even rows, the low byte on the odd rows.
std::unique_ptr<CBrush> CreatePatternBrush(COLORREF pattern) {
  const auto a = static_cast<BYTE>((pattern >> 8) & 0xFF);
  const auto b = static_cast<BYTE>(pattern & 0xFF);
  // Monochrome rows are padded to 16 bits: each row is its byte and a pad.
  const BYTE rows[16] = {a, 0, b, 0, a, 0, b, 0, a, 0, b, 0, a, 0, b, 0};
  CBitmap bitmap;
  // Unchecked: without a bitmap the brush constructor throws.
  bitmap.CreateBitmap(8, 8, 1, 1, rows);
  return std::make_unique<CBrush>(&bitmap);
}  // the bitmap goes here; the brush keeps its own copy of the pattern

std::unique_ptr<CBrush> CreateBrush(COLORREF colour, int style) {
  switch (style) {
    case kSolidBrush: return std::make_unique<CBrush>(colour);
    case kPatternBrush: return CreatePatternBrush(colour);
    default: return std::make_unique<CBrush>(style, colour);
  }
}


}  // namespace

void PushGDIObjects(CDC* pDC) {
  if (s_bracket.pDC == nullptr) {
    if (pDC == nullptr) return;  // nothing to record: no bracket opens
    SaveContext(pDC);
  }
  ++s_bracket.nDepth;
}

void PopGDIObjects(CDC* pDC) {
  // No bracket open: a depth below zero would keep every later bracket
  // from closing, so the cache would never be emptied again.
  if (s_bracket.nDepth == 0) return;
  if (--s_bracket.nDepth > 0) return;
  // Without a context from the caller, the one the push recorded gets its
  // selections back: objects still selected there are about to be deleted.
  RestoreContext(pDC != nullptr ? pDC : s_bracket.pDC);
  DestroyCachedObjects();
  s_bracket = Bracket{};
}

CPen* GetGDIPen(COLORREF colour, int style) {
  const PenBrushKey key{PenBrushKey::kPenKind, style, colour};
  if (CGdiObject** ppObject = s_pensAndBrushes.Find(key)) return static_cast<CPen*>(*ppObject);
  auto pPen = std::make_unique<CPen>(style, 1, colour);  // throws: nothing cached
  s_pensAndBrushes.Insert(key, pPen.get());
  return pPen.release();
}

CBrush* GetGDIBrush(COLORREF colour, int style) {
  const PenBrushKey key{PenBrushKey::kBrushKind, style, colour};
  if (CGdiObject** ppObject = s_pensAndBrushes.Find(key)) return static_cast<CBrush*>(*ppObject);
  std::unique_ptr<CBrush> pBrush = CreateBrush(colour, style);  // throws: nothing cached
  s_pensAndBrushes.Insert(key, pBrush.get());
  return pBrush.release();
}

CBrush* GetGDIBrush(BYTE* pattern) {
  return GetGDIBrush(static_cast<COLORREF>(pattern[0]) << 8 | pattern[1], kPatternBrush);
}

CFont* GetGDIFont(int pointSize, const char* faceName) {
  if (s_bracket.pDC == nullptr) return FontForDensity(pointSize, faceName, FontDensity(nullptr));
  if (s_bracket.nDpi == 0) s_bracket.nDpi = FontDensity(s_bracket.pDC);
  return FontForDensity(pointSize, faceName, s_bracket.nDpi);
}

int GetGDICacheCount() { return s_pensAndBrushes.GetCount() + s_fonts.GetCount(); }

int GetGDIBracketDepth() { return s_bracket.nDepth; }
