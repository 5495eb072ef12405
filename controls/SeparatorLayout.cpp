#include "controls/SeparatorLayout.h"

namespace varnel::controls {

namespace {

const char kSpacer[] = "  ";

}  // namespace

SeparatorLine SeparatorLineFor(LONG width, LONG height) {
  // A square control counts as horizontal.
  if (height > width) return SeparatorLine{true, width / 2, 0, 2, height};
  return SeparatorLine{false, 0, height / 2, width, 2};
}

SeparatorCaption SeparatorCaptionFor(const CString& windowText, DWORD style) {
  SeparatorCaption caption{CString(), 0};
  if ((style & kSeparatorStyleNoPrefix) != 0) caption.nFormat |= kSeparatorFormatNoPrefix;
  // Centre wins over right when a style carries both bits.
  if ((style & kSeparatorStyleCenter) != 0) {
    caption.text = CString(kSpacer) + windowText + kSpacer;
    caption.nFormat |= kSeparatorFormatCenter;
  } else if ((style & kSeparatorStyleRight) != 0) {
    caption.text = CString(kSpacer) + windowText;
    caption.nFormat |= kSeparatorFormatRight;
  } else {
    caption.text = windowText + kSpacer;
  }
  return caption;
}

}  // namespace varnel::controls
