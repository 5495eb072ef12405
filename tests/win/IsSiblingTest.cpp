// IsSibling on real windows: an ordinary dialog, a property page inside a
// sheet, and windows of other top-level windows.
#include "FrameworkTestApp.h"

#include <gtest/gtest.h>

namespace {

class IsSiblingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_dialog.CreateIndirect(m_dialogTemplate->Get()));
    ASSERT_TRUE(m_otherDialog.CreateIndirect(m_dialogTemplate->Get()));
    m_sheet.AddPage(&m_page1);
    m_sheet.AddPage(&m_page2);
    ASSERT_TRUE(m_sheet.Create());
  }
  void TearDown() override {
    m_sheet.DestroyWindow();
    m_otherDialog.DestroyWindow();
    m_dialog.DestroyWindow();
  }

  std::unique_ptr<CDlgTemplate> m_dialogTemplate = MakeFieldDialogTemplate();
  std::unique_ptr<CDlgTemplate> m_pageTemplate = MakePageTemplate();
  CDialog m_dialog;
  CDialog m_otherDialog;
  CPropertyPage m_page1{m_pageTemplate->Get(), "One"};
  CPropertyPage m_page2{m_pageTemplate->Get(), "Two"};
  CPropertySheet m_sheet{"Sheet"};
};

TEST_F(IsSiblingTest, FieldOnAnOrdinaryDialog) {
  CWnd* pField = m_dialog.GetDlgItem(IDC_FIELD);
  EXPECT_TRUE(IsSibling(pField, m_dialog.GetDlgItem(IDCANCEL)));
  EXPECT_TRUE(IsSibling(pField, m_dialog.GetDlgItem(IDC_OTHER)));
  EXPECT_FALSE(IsSibling(pField, m_otherDialog.GetDlgItem(IDC_OTHER)));
  EXPECT_FALSE(IsSibling(pField, &m_otherDialog));
  EXPECT_FALSE(IsSibling(pField, nullptr));
}

TEST_F(IsSiblingTest, SheetHoldsItsPagesTabControlAndButtons) {
  EXPECT_EQ(m_page1.GetParent(), &m_sheet);
  EXPECT_EQ(m_page2.GetParent(), &m_sheet);
  EXPECT_EQ(m_sheet.GetTabControl()->GetParent(), &m_sheet);
  EXPECT_EQ(m_sheet.GetDlgItem(IDOK)->GetParent(), &m_sheet);
  EXPECT_EQ(m_sheet.GetActivePage(), &m_page1);
  EXPECT_TRUE(m_page1.IsWindowVisible());
  EXPECT_FALSE(m_page2.IsWindowVisible());
}

TEST_F(IsSiblingTest, FieldOnAPropertyPage) {
  CWnd* pField = m_page1.GetDlgItem(IDC_FIELD);
  EXPECT_TRUE(IsSibling(pField, m_sheet.GetDlgItem(IDOK)));
  EXPECT_TRUE(IsSibling(pField, m_sheet.GetDlgItem(IDCANCEL)));
  EXPECT_TRUE(IsSibling(pField, m_sheet.GetTabControl()));
  EXPECT_TRUE(IsSibling(pField, &m_page2));  // a page is a child of the sheet
  // A field of another page lies below that page, not beside this one.
  EXPECT_FALSE(IsSibling(pField, m_page2.GetDlgItem(IDC_FIELD)));
  EXPECT_FALSE(IsSibling(pField, m_dialog.GetDlgItem(IDCANCEL)));
  EXPECT_FALSE(IsSibling(pField, nullptr));
}

TEST_F(IsSiblingTest, SheetOkAsksTheActivePageToSave) {
  struct CCountingPage : CPropertyPage {
    using CPropertyPage::CPropertyPage;
    int killActive = 0;
    int ok = 0;
    bool accept = false;
    BOOL OnKillActive() override {
      ++killActive;
      return accept;
    }
    void OnOK() override { ++ok; }
  };
  CCountingPage page(m_pageTemplate->Get(), "Counting");
  CPropertySheet sheet("Counting");
  sheet.AddPage(&page);
  ASSERT_TRUE(sheet.Create());
  sheet.SendMessage(WM_COMMAND, IDOK);
  EXPECT_EQ(page.killActive, 1);
  EXPECT_EQ(page.ok, 0);
  EXPECT_TRUE(sheet.IsWindow());  // the page kept the sheet open
  page.accept = true;
  sheet.SendMessage(WM_COMMAND, IDOK);
  EXPECT_EQ(page.ok, 1);
  EXPECT_FALSE(sheet.IsWindow());  // a modeless sheet ends by going away
}

}  // namespace
