// The amount combo box in a real dialog: typing into its edit field, Enter
// and Escape, picks as the system reports them, the focus leaving it; the
// list's layout, and the records behind its entries counted throughout.
#include "AmountDialog.h"

#include <gtest/gtest.h>

using namespace varnel::amount;

namespace {

using Entries = std::vector<std::string>;

const std::string kBoxChanged = "dialog changed 102 0 after 0 prompts";
const std::string kBoxChangedSelf = "box changed 102 0 after 0 prompts";

class AmountBoxTest : public ::testing::Test {
 public:
  void SetUp() override {
    TestApp().prompts.clear();
    recordsBefore = HistoryRecordsAlive();
    dlg.m_bExchangeBox = true;
  }
  void TearDown() override {
    if (dlg.m_hWnd != nullptr) dlg.DestroyWindow();
    EXPECT_EQ(HistoryRecordsAlive(), recordsBefore) << "every history record freed once";
    for (history* record : defaults) {
      EXPECT_FALSE(DeleteHistoryRecord(record)) << "the box never took a default's record";
      delete record;
    }
  }

  void Open() {
    dlg.Open();
    box().SetFocus();
  }
  CRecordingAmountBox& box() { return dlg.m_box; }
  // Types text into the box's edit field after emptying it.
  void Type(const char* text) {
    box().SetWindowText("");
    TypeChars(box().EditField(), text);
  }
  void Commit(const char* text) {
    Type(text);
    PressKey(box().EditField(), VK_RETURN);
  }
  // The host's default entries, appended at the bottom with its own records.
  void AddDefaults(std::initializer_list<double> amounts) {
    for (double amount : amounts) {
      CString text;
      box().FormatAmount(amount, UNITS_DISTANCE, text, false);
      const int index = box().AddString("Default " + text);
      defaults.push_back(new history{amount, UNITS_DISTANCE});
      box().SetItemDataPtr(index, defaults.back());
    }
    box().SetDefaults(static_cast<int>(defaults.size()));
  }
  int OwnRecords() const { return HistoryRecordsAlive() - recordsBefore; }

  CAmountDialog dlg;
  std::vector<history*> defaults;
  int recordsBefore = 0;
};

TEST_F(AmountBoxTest, CommitsGoOnTopAndRepeatsSelectTheirEntry) {
  Open();
  Commit("1");
  Commit("2");
  Commit("3");
  EXPECT_EQ(box().Entries(), (Entries{"3.000", "2.000", "1.000"}));
  EXPECT_EQ(OwnRecords(), 3);
  EXPECT_EQ(box().GetAmountHistory()->dAmount, 3.0);

  dlg.log.clear();
  Commit("3");  // the stored amount: entry 0 selected, nothing else
  EXPECT_EQ(box().Entries().size(), 3u);
  EXPECT_TRUE(dlg.log.empty());

  Commit("2");  // listed already: selected where it stands
  EXPECT_EQ(box().Entries(), (Entries{"3.000", "2.000", "1.000"}));
  EXPECT_EQ(box().GetCurSel(), 1);
  EXPECT_EQ(box().GetAmount(), 2.0);
  EXPECT_EQ(dlg.log, (EventLog{kBoxChanged, kBoxChangedSelf}));
  EXPECT_EQ(OwnRecords(), 3);
}

TEST_F(AmountBoxTest, HistoryIsTrimmedAboveTheDefaults) {
  box().SetHistory(2);
  Open();
  Commit("1");
  Commit("2");
  Commit("3");
  EXPECT_EQ(box().Entries(), (Entries{"3.000", "2.000"}));
  EXPECT_EQ(OwnRecords(), 2);

  box().SetHistory(10);
  AddDefaults({20.0, 30.0});
  for (int i = 4; i <= 14; ++i) Commit(std::to_string(i).c_str());
  const Entries entries = box().Entries();
  ASSERT_EQ(entries.size(), 12u);
  EXPECT_EQ(entries.front(), "14.000");
  EXPECT_EQ(entries[9], "5.000") << "the oldest history entries went";
  EXPECT_EQ(entries[10], "Default 20.000");
  EXPECT_EQ(entries[11], "Default 30.000");
  EXPECT_EQ(OwnRecords(), 10);
}

TEST_F(AmountBoxTest, ClearingAndReformattingLeaveTheDefaults) {
  Open();
  Commit("1");
  Commit("2");
  AddDefaults({5.0});
  box().SetFormat(2, false, true, true, false);  // centimetres
  EXPECT_EQ(box().Entries(), (Entries{"5.08", "2.54", "Default 5.000"}));
  EXPECT_EQ(OwnRecords(), 2);

  box().SetAmount(7.0, UNITS_DISTANCE, true, false, false);
  EXPECT_EQ(box().Entries(), (Entries{"17.78", "Default 5.000"}));
  EXPECT_EQ(OwnRecords(), 1);

  box().SetAmount(5.0, UNITS_DISTANCE);  // equal to a default: that entry is selected
  EXPECT_EQ(box().GetCurSel(), 1);
  EXPECT_EQ(box().Entries().size(), 2u);
}

TEST_F(AmountBoxTest, PickingStoresWithoutRangeTestAndTellsTheParent) {
  box().SetRange(0.0, 1.0);
  Open();
  AddDefaults({5.0});
  Commit("0.5");
  dlg.log.clear();
  box().SetCurSel(0);
  PressKey(box().EditField(), VK_DOWN);  // the user moves to the next entry
  EXPECT_EQ(box().GetCurSel(), 1);
  EXPECT_EQ(box().GetAmount(), 5.0) << "outside the range, stored all the same";
  EXPECT_EQ(dlg.log, (EventLog{"dialog changed 102 1 after 0 prompts",
                               "box changed 102 1 after 0 prompts"}));
  EXPECT_FALSE(box().GetModify());
}

TEST_F(AmountBoxTest, FractionsCanBeTypedAndTwoEscapesBringTheLastEntryBack) {
  Open();
  Commit("3/4");
  EXPECT_EQ(box().GetAmount(), 0.75);
  EXPECT_EQ(box().Entries(), (Entries{"0.750"}));

  Type("5");
  EXPECT_TRUE(box().GetModify());
  PressKey(box().EditField(), VK_ESCAPE);
  EXPECT_EQ(WindowText(box().m_hWnd), "");
  EXPECT_TRUE(box().GetModify());
  PressKey(box().EditField(), VK_ESCAPE);
  EXPECT_EQ(WindowText(box().m_hWnd), "0.750");
  EXPECT_FALSE(box().GetModify());
  EXPECT_TRUE(dlg.log.size() == 2u) << "only the first commit was notified";
}

TEST_F(AmountBoxTest, RefusalsPromptWithoutInvalidNotice) {
  box().SetRange(1.0, 2.0);
  box().SetPercentRange(0.0, 10.0);
  Open();
  Commit("3");
  EXPECT_EQ(TestApp().prompts.size(), 1u);
  // Limits show unrounded at the minimum precision, which whole limits and
  // no format set leave at 0.
  EXPECT_EQ(TestApp().prompts[0].text, "Please enter a number between 1 and 2.");
  Commit("x");
  EXPECT_EQ(TestApp().prompts.size(), 2u);
  EXPECT_TRUE(dlg.log.empty()) << "no WM_AMOUNTINVALID from a combo box";
  EXPECT_TRUE(box().Entries().empty());
}

TEST_F(AmountBoxTest, APercentRangeAloneLeavesRangeCheckingOff) {
  box().SetFormat(1, true, true, true, true);
  box().SetPercentRange(0.0, 10.0);
  Open();
  Commit("50%");
  EXPECT_TRUE(TestApp().prompts.empty());
  EXPECT_EQ(box().GetUnits(), UNITS_PERCENT);
  EXPECT_EQ(box().Entries(), (Entries{"50.0%"}));
}

TEST_F(AmountBoxTest, LeavingTheBoxCommitsOnlyTowardsTheDialog) {
  Open();
  Type("4");
  dlg.GetDlgItem(IDCANCEL)->SetFocus();
  EXPECT_TRUE(box().Entries().empty()) << "nothing committed towards Cancel";
  box().SetFocus();
  dlg.GetDlgItem(IDC_OTHER)->SetFocus();
  EXPECT_EQ(box().Entries(), (Entries{"4.000"}));
  EXPECT_EQ(box().GetAmount(), 4.0);
}

TEST_F(AmountBoxTest, DestroyingTheWindowFreesExactlyTheHistoryRecords) {
  Open();
  AddDefaults({9.0, 10.0});
  Commit("1");
  Commit("2");
  box().InitHistory();
  EXPECT_EQ(OwnRecords(), 2);
  dlg.DestroyWindow();
  EXPECT_EQ(OwnRecords(), 0);
  for (const history* record : defaults) EXPECT_GE(record->dAmount, 9.0) << "still the host's";
}

// The user moves from the top entry to the next one in the closed list.
void PickSecondEntry(AmountBoxTest& t) {
  t.box().SetCurSel(0);
  PressKey(t.box().EditField(), VK_DOWN);
}

const std::string kPicked = "dialog changed 102 1 after 0 prompts";
const std::string kPickedSelf = "box changed 102 1 after 0 prompts";

// One user session with a box: how it is set up, what the user does, and
// what shows, is stored, is listed and is notified afterwards.
struct BoxRow {
  const char* what;
  void (*act)(AmountBoxTest& t);
  const char* text;
  double amount;
  Entries entries;
  EventLog events;  // after the two first commits of '1' and '2'
};

const BoxRow kBoxRows[] = {
    {"without notify a pick is stored silently",
     [](AmountBoxTest& t) {
       t.box().SetFormat(3, true, false, true, false);
       PickSecondEntry(t);
     },
     "1.000", 1.0, {"2.000", "1.000"}, {}},
    {"Enter in the dropped list picks the usual way",
     [](AmountBoxTest& t) {
       t.box().ShowDropDown(TRUE);
       PressKey(t.box().EditField(), VK_DOWN);
       PressKey(t.box().EditField(), VK_RETURN);
       EXPECT_FALSE(t.box().GetDroppedState());
     },
     "1.000", 1.0, {"2.000", "1.000"}, {kPicked, kPickedSelf}},
    {"a format record with redisplay adds the amount on top",
     [](AmountBoxTest& t) {
       tagFORMAT format = {2, true, true, true, false, false, 0};
       t.box().SetFormat(&format, true);
     },
     "2.00", 2.0, {"2.00", "2.000", "1.000"}, {}},
    {"reformatting keeps the selected entry",
     [](AmountBoxTest& t) {
       PickSecondEntry(t);
       t.box().SetFormat(2, true, true, true, false);
     },
     "1.00", 1.0, {"2.00", "1.00"}, {kPicked, kPickedSelf}},
    {"an unmodified entry of another amount changes nothing",
     [](AmountBoxTest& t) {
       t.box().SetWindowText("9");
       t.box().SetModify(false);
       EXPECT_TRUE(t.dlg.UpdateData(TRUE));
     },
     "2.000", 2.0, {"2.000", "1.000"}, {}},
    {"the dialog's exchange keeps showing a picked entry",
     [](AmountBoxTest& t) {
       PickSecondEntry(t);
       EXPECT_TRUE(t.dlg.UpdateData(TRUE));
     },
     "1.000", 1.0, {"2.000", "1.000"}, {kPicked, kPickedSelf}},
    {"two Escapes bring back the picked amount",
     [](AmountBoxTest& t) {
       PickSecondEntry(t);
       PressKey(t.box().EditField(), VK_ESCAPE);
       PressKey(t.box().EditField(), VK_ESCAPE);
     },
     "1.000", 1.0, {"2.000", "1.000"}, {kPicked, kPickedSelf}},
};

class AmountBoxSession : public AmountBoxTest, public ::testing::WithParamInterface<BoxRow> {};

TEST_P(AmountBoxSession, ShowsStoresListsAndNotifiesAsExpected) {
  const BoxRow& row = GetParam();
  SCOPED_TRACE(row.what);
  Open();
  Commit("1");
  Commit("2");
  dlg.log.clear();
  row.act(*this);
  EXPECT_EQ(WindowText(box().m_hWnd), row.text);
  EXPECT_EQ(box().GetAmount(), row.amount);
  EXPECT_EQ(box().Entries(), row.entries);
  EXPECT_EQ(dlg.log, row.events);
  EXPECT_TRUE(TestApp().prompts.empty());
}

INSTANTIATE_TEST_SUITE_P(Rows, AmountBoxSession, ::testing::ValuesIn(kBoxRows),
                         [](const ::testing::TestParamInfo<BoxRow>& info) {
                           return "Row" + std::to_string(info.index);
                         });

TEST_F(AmountBoxTest, AnAmountNoEntryHoldsIsRecordedWhenCommitted) {
  CAmountBox loose;
  EXPECT_FALSE(loose.CloseAmount()) << "no window: nothing to commit";
  Open();
  AddDefaults({5.0});
  Commit("0");  // the stored amount, but only the default entry is listed
  EXPECT_EQ(WindowText(box().m_hWnd), "0.000");
  EXPECT_EQ(box().Entries(), (Entries{"0.000", "Default 5.000"}));
  EXPECT_EQ(dlg.log, (EventLog{kBoxChanged, kBoxChangedSelf}));

  box().SetAmount(0.0, UNITS_DISTANCE, true);  // the history cleared, the amount kept
  dlg.log.clear();
  EXPECT_TRUE(dlg.UpdateData(TRUE)) << "unmodified, and still no entry holds the amount";
  EXPECT_EQ(WindowText(box().m_hWnd), "0.000");
  EXPECT_EQ(box().Entries(), (Entries{"0.000", "Default 5.000"}));
  EXPECT_EQ(dlg.log, (EventLog{kBoxChanged, kBoxChangedSelf}));
}

}  // namespace
