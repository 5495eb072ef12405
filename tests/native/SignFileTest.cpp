// The sign demo's .sign files: what is stored loads back exactly, the
// layout is pinned, and damaged files are refused with the archive's
// exception (amounts outside the properties dialog's ranges too, since the
// layout is built from them).
#include "examples/signs/SignData.h"

#include "afx/base/AfxMemFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

std::string Store(const SignSettings& settings) {
  CMemFile file;
  {
    CArchive ar(&file, CArchive::store);
    StoreSign(ar, settings);
    ar.Close();
  }
  std::string bytes(static_cast<size_t>(file.GetLength()), '\0');
  file.SeekToBegin();
  file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
  return bytes;
}

// The archive exception's cause, or -1 when the bytes loaded.
int LoadCause(const std::string& bytes, SignSettings* pLoaded = nullptr) {
  CMemFile file;
  file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
  file.SeekToBegin();
  try {
    CArchive ar(&file, CArchive::load);
    const SignSettings settings = LoadSign(ar);
    ar.Close();
    if (pLoaded != nullptr) *pLoaded = settings;
    return -1;
  } catch (CArchiveException* e) {
    const int cause = e->m_cause;
    e->Delete();
    return cause;
  }
}

// Settings of no round value in inches (70 cm), at a non-exact scale.
SignSettings Edited() {
  SignSettings s;
  s.dWidth = 60.0;
  s.dHeight = 70.0 * kInchesPerCm;
  s.dLetterHeight = 6.5;
  s.dShapeScale = 75.0;
  s.dGrid = 1.0 / 3.0;
  s.crLetters = kLetterColours[1];
  return s;
}

constexpr size_t kTagBytes = 11;  // new class, schema, name length, "CSign"
constexpr size_t kFileBytes = kTagBytes + 5 * 8 + 4;

// One CSign of schema 1, its amounts' bits as they were.
TEST(SignFile, StoresOneSerialObjectThatLoadsBackExactly) {
  const std::string bytes = Store(Edited());
  ASSERT_EQ(bytes.size(), kFileBytes);
  EXPECT_EQ(bytes.substr(0, kTagBytes), std::string("\xFF\xFF\x01\x00\x05\x00" "CSign", 11));
  EXPECT_EQ(bytes.substr(kFileBytes - 4), std::string("\x14\x96\x3C\x00", 4));  // green
  SignSettings loaded;
  EXPECT_EQ(LoadCause(bytes, &loaded), -1);
  EXPECT_TRUE(loaded == Edited());
}

TEST(SignFile, EveryShortenedFileIsRefused) {
  const std::string bytes = Store(Edited());
  for (size_t n = 0; n < bytes.size(); ++n) {
    EXPECT_NE(LoadCause(bytes.substr(0, n)), -1) << n << " bytes";
  }
}

TEST(SignFile, DamagedStructureIsRefusedWithItsCause) {
  const std::string good = Store(Edited());
  std::string otherSchema = good, otherClass = good;
  otherSchema[2] = 2;
  otherClass[kTagBytes - 1] = 'X';
  const struct {
    const char* what;
    std::string bytes;
    int cause;
  } cases[] = {
      {"a null object", std::string("\x00\x00", 2), CArchiveException::badIndex},
      {"schema 2", otherSchema, CArchiveException::badSchema},
      {"another class", otherClass, CArchiveException::badClass},
      {"a byte after the sign", good + '\0', CArchiveException::genericException},
  };
  for (const auto& c : cases) EXPECT_EQ(LoadCause(c.bytes), c.cause) << c.what;
}

// Each amount just outside its range, or not a number, is refused; at the
// range's ends (as the dialog may keep them, a hair beyond) it loads.
TEST(SignFile, AmountsOutsideTheDialogsRangesAreRefused) {
  const double kNaN = std::numeric_limits<double>::quiet_NaN();
  const double kInf = std::numeric_limits<double>::infinity();
  const struct {
    double SignSettings::*field;
    SignRange range;
  } fields[] = {
      {&SignSettings::dWidth, kWidthRange},
      {&SignSettings::dHeight, kHeightRange},
      {&SignSettings::dLetterHeight, kLetterHeightRange},
      {&SignSettings::dShapeScale, kShapeScaleRange},
      {&SignSettings::dGrid, kGridRange},
  };
  for (const auto& f : fields) {
    for (double value : {f.range.dMin * 0.999, f.range.dMax * 1.001, kNaN, -kInf, kInf, 0.0}) {
      SignSettings s = Edited();
      s.*f.field = value;
      EXPECT_EQ(LoadCause(Store(s)), CArchiveException::genericException) << value;
    }
    for (double value : {f.range.dMin, f.range.dMax, std::nextafter(f.range.dMax, kInf)}) {
      SignSettings s = Edited();
      s.*f.field = value;
      EXPECT_EQ(LoadCause(Store(s)), -1) << value;
    }
  }
  SignSettings s = Edited();
  s.crLetters = 0x01000000;  // not an RGB colour
  EXPECT_EQ(LoadCause(Store(s)), CArchiveException::genericException);
}

}  // namespace
