// Writes the archive fuzzer's seeds: small sketch documents, each showing
// the fuzzer one part of the format (every shape class, a shape stored
// twice, an ellipse of the older schema, a long text, many shapes).
//   make_archive_seeds fuzz/corpus/archive
#include "fuzz/ArchiveLoadCheck.h"
#include "fuzz/SketchDocument.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

bool WriteSeed(const std::string& folder, const char* pszName, CSketchDocument& document) {
  const std::vector<BYTE> bytes = archive_check::Store(document);
  const std::string path = folder + "/" + pszName;
  FILE* pFile = std::fopen(path.c_str(), "wb");
  if (pFile == nullptr) return false;
  const bool bWritten = std::fwrite(bytes.data(), 1, bytes.size(), pFile) == bytes.size();
  return std::fclose(pFile) == 0 && bWritten;
}

CSketchRect* Rect(LONG left, LONG top, LONG right, LONG bottom) {
  auto* pRect = new CSketchRect;
  pRect->m_colour = 0x0000FF;
  pRect->m_left = left;
  pRect->m_top = top;
  pRect->m_right = right;
  pRect->m_bottom = bottom;
  return pRect;
}

CSketchEllipse* Ellipse(LONG x, LONG y, LONG r) {
  auto* pEllipse = new CSketchEllipse;
  pEllipse->m_colour = 0x00FF00;
  pEllipse->m_x = x;
  pEllipse->m_y = y;
  pEllipse->m_rx = pEllipse->m_ry = r;
  pEllipse->m_bFilled = 1;
  return pEllipse;
}

CSketchText* Text(const char* pszText) {
  auto* pText = new CSketchText;
  pText->m_x = 10;
  pText->m_y = 20;
  pText->m_height = 12.5;
  pText->m_strText = pszText;
  return pText;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_archive_seeds FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  bool bOk = true;

  CSketchDocument document;
  document.m_strName = "empty";
  document.m_width = 210;
  document.m_height = 297;
  bOk &= WriteSeed(folder, "empty.sketch", document);

  document.m_strName = "one of each";
  document.m_shapes.Add(Rect(1, 2, 30, 40));
  document.m_shapes.Add(Ellipse(50, 50, 8));
  document.m_shapes.Add(Text("OPEN"));
  bOk &= WriteSeed(folder, "each-class.sketch", document);

  document.m_shapes.Add(document.m_shapes[0]);  // stored twice, loaded once
  bOk &= WriteSeed(folder, "shared-shape.sketch", document);
  document.m_shapes.RemoveAt(3);

  document.m_shapes.Add(Text(std::string(300, 'W').c_str()));  // a 0xFF, WORD length
  bOk &= WriteSeed(folder, "long-text.sketch", document);

  document.DeleteContents();
  document.m_strName = "many";
  for (LONG i = 0; i < 40; ++i) {
    if (i % 3 == 0) document.m_shapes.Add(Rect(i, i, i + 5, i + 5));
    if (i % 3 == 1) document.m_shapes.Add(Ellipse(i, -i, i));
    if (i % 3 == 2) document.m_shapes.Add(Text("x"));
  }
  bOk &= WriteSeed(folder, "many-shapes.sketch", document);
  return bOk ? 0 : 1;
}
