// Where an image button puts its image, caption, colour tab and focus
// rectangle. Plain values in, plain values out, so that the layout rules
// hold (and are tested) without a window system; CImageButton asks these
// and draws.
#pragma once

#include "afx/base/AfxTypes.h"

namespace varnel::controls {

// The layout settings of a button. In automatic layout the image sits
// nImageOffset from the item's left edge and the caption nTextOffset after
// the image; in explicit layout ptImage and ptText are client positions.
// A component of -1 centres on that axis.
struct ImageButtonLayout {
  bool bAutoPos;
  tagPOINT ptImage;
  tagPOINT ptText;
  LONG nImageOffset;
  LONG nTextOffset;
  tagSIZE sizeImage;  // as given to the image setter: 0 x 0 counts as empty
};

// The layout at another screen density: offsets, explicit positions (but
// not a centring -1) and the image size scaled by nNew / nOld, rounded to
// the nearest pixel (halves away from zero), as a button laid out for
// nOld dots per inch is laid out again for nNew.
VARNEL_API ImageButtonLayout LayoutForDensity(const ImageButtonLayout& layout, UINT nOld,
                                              UINT nNew);

// The centring rule: a component of -1 becomes the client extent minus the
// item's extent, halved toward minus infinity; other values stay.
VARNEL_API tagPOINT CenterInClient(tagPOINT pt, tagSIZE client, tagSIZE extent);

// The image's top-left corner. rcItem is the item rectangle (shrunk by the
// default frame when there is one), shift 1 when pressed, else 0.
VARNEL_API tagPOINT ImagePosition(const ImageButtonLayout& layout, const tagRECT& rcItem,
                                  tagSIZE client, bool bHasCaption, LONG shift);

// The caption's top-left corner for a caption of size textExtent. In
// automatic layout its x is counted from the client's left edge, not the
// item's. A vertically centred caption sits one pixel higher.
VARNEL_API tagPOINT CaptionPosition(const ImageButtonLayout& layout, tagSIZE client,
                                    bool bHasImage, tagSIZE textExtent, LONG shift);

// How far the focus rectangle sits inside rc: a quarter of rc's smaller
// side (rounded down), at most 3.
VARNEL_API LONG FocusInset(const tagRECT& rc);
VARNEL_API tagRECT FocusRectangle(const tagRECT& rc);

// Whether this draw inverts the focus rectangle. A focus-only draw inverts
// it when the focus changed since the last draw, so that it appears or
// disappears once. A full draw paints a fresh face, on which it belongs
// exactly when the button has the focus. Never on a disabled button.
VARNEL_API bool DrawsFocusRectangle(bool bFocused, bool bWasFocused, bool bDisabled,
                                    bool bFocusOnly);

// The colour tab: a right-angled triangle in the top-left corner inside
// the face, drawn as eight horizontal rows of 7, 6, ..., 0 pixels.
struct ColorTabRow {
  LONG xFrom;
  LONG xTo;  // excluded
  LONG y;
};
constexpr int kColorTabRows = 8;
VARNEL_API void ColorTabRows(const tagRECT& rcItem, LONG shift,
                             ColorTabRow rows[kColorTabRows]);

}  // namespace varnel::controls
