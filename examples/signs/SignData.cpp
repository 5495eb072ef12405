#include "SignData.h"

#include <memory>

namespace {

// The object a .sign file holds. A later schema that adds to the data
// would be VERSIONABLE_SCHEMA | 2 and read schema 1 as well.
class CSign : public CObject {
  DECLARE_SERIAL(CSign)

 public:
  void Serialize(CArchive& ar) override;
  SignSettings m_settings;
};

IMPLEMENT_SERIAL(CSign, CObject, 1)

void CSign::Serialize(CArchive& ar) {
  SignSettings& s = m_settings;
  if (ar.IsStoring()) {
    ar << s.dWidth << s.dHeight << s.dLetterHeight << s.dShapeScale << s.dGrid
       << static_cast<DWORD>(s.crLetters);
  } else {
    DWORD dwColour = 0;
    ar >> s.dWidth >> s.dHeight >> s.dLetterHeight >> s.dShapeScale >> s.dGrid >> dwColour;
    s.crLetters = dwColour;
  }
}

}  // namespace

bool SignSettings::IsValid() const {
  return kWidthRange.Holds(dWidth) && kHeightRange.Holds(dHeight) &&
         kLetterHeightRange.Holds(dLetterHeight) && kShapeScaleRange.Holds(dShapeScale) &&
         kGridRange.Holds(dGrid) && (crLetters & 0xFF000000) == 0;
}

void StoreSign(CArchive& ar, const SignSettings& settings) {
  CSign sign;
  sign.m_settings = settings;
  ar << &sign;
}

SignSettings LoadSign(CArchive& ar) {
  std::unique_ptr<CSign> sign(static_cast<CSign*>(ar.ReadObject(RUNTIME_CLASS(CSign))));
  if (!sign) AfxThrowArchiveException(CArchiveException::badIndex, ar.m_strFileName);
  if (!sign->m_settings.IsValid() || ar.GetBytesLeft() != 0) {
    AfxThrowArchiveException(CArchiveException::genericException, ar.m_strFileName);
  }
  return sign->m_settings;
}
