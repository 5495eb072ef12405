#include "afx/base/AfxCore.h"
#include "afx/base/AfxException.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class CShape : public CObject {
  DECLARE_DYNAMIC(CShape)
};
IMPLEMENT_DYNAMIC(CShape, CObject)

class CCircle : public CShape {
  DECLARE_DYNCREATE(CCircle)
};
IMPLEMENT_DYNCREATE(CCircle, CShape)

TEST(RuntimeClass, IsKindOfFollowsTheBaseChain) {
  CCircle circle;
  EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CCircle)));
  EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CShape)));
  EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CObject)));

  std::unique_ptr<CObject> shape(RUNTIME_CLASS(CCircle)->CreateObject());
  ASSERT_NE(shape, nullptr);
  EXPECT_EQ(shape->GetRuntimeClass(), RUNTIME_CLASS(CCircle));
  EXPECT_STREQ(shape->GetRuntimeClass()->m_lpszClassName, "CCircle");

  EXPECT_EQ(RUNTIME_CLASS(CShape)->CreateObject(), nullptr);  // not creatable by name
  EXPECT_FALSE(RUNTIME_CLASS(CShape)->IsDerivedFrom(RUNTIME_CLASS(CCircle)));
}

TEST(Exception, ThrownAsPointersAndCaughtByBase) {
  bool caught = false;
  try {
    AfxThrowUserException();
  } catch (CException* e) {
    caught = e->IsKindOf(RUNTIME_CLASS(CUserException)) &&
             !e->IsKindOf(RUNTIME_CLASS(CResourceException));
    e->Delete();
  }
  EXPECT_TRUE(caught);
}

}  // namespace
