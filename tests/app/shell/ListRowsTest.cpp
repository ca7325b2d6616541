// The rows every page list is filled with: a row of one cell per header column, and the
// id, text and button cells with the look all pages share; a double click reported as
// "dbclick" after the row's own selection and activation.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/shell/CListContainerElementUIEx.h"
#include "app/shell/ListRows.h"
#include "testing/ui/ControlHarness.h"
#include "tests/app/shell/support/ShellWindowTest.h"
#include "ui/controls/CButtonUI.h"
#include "ui/controls/CLabelUI.h"
#include "ui/controls/CListUI.h"

namespace {

using controltest::ControlHarness;
using shelltest::ImagesOf;
using Strings = std::vector<std::string>;

std::wstring ListSkin(int columns) {
  std::wstring header;
  if (columns > 0) {
    header = L"<ListHeader name=\"header\">";
    for (int i = 0; i < columns; ++i) header += L"<ListHeaderItem text=\"列\" width=\"80\"/>";
    header += L"</ListHeader>";
  }
  return L"<Window size=\"600,300\"><Font name=\"微软雅黑\" size=\"14\" default=\"true\"/>"
         L"<Font name=\"微软雅黑\" size=\"16\"/><Font name=\"微软雅黑\" size=\"12\"/>"
         L"<VerticalLayout bkcolor=\"#FF002971\"><List name=\"list\" height=\"250\">" +
         header + L"</List><Control/></VerticalLayout></Window>";
}

// What a cell holds: "inset|class name font tooltip text" per control, "-" when empty.
struct CellLook {
  std::wstring inset;
  std::vector<std::wstring> controls;
};

class ListRows : public ::testing::Test {
 protected:
  void Build(int columns) {
    shelltest::UseProgramSkin();
    h = std::make_unique<ControlHarness>(driver, ListSkin(columns), POINT{100, 100});
    ASSERT_TRUE(h->Created());
  }
  SkinUI::CListUI* List() { return static_cast<SkinUI::CListUI*>(h->Find(L"list")->GetInterface(L"List")); }
  SkinUI::CContainerUI* Row(int row) {
    SkinUI::CControlUI* item = List()->GetItemAt(row);
    return item == nullptr ? nullptr : static_cast<SkinUI::CContainerUI*>(item->GetInterface(L"Container"));
  }
  SkinUI::CContainerUI* Cell(int row, int column) {
    SkinUI::CContainerUI* r = Row(row);
    SkinUI::CControlUI* cell = r == nullptr ? nullptr : r->GetItemAt(column);
    return cell == nullptr ? nullptr : static_cast<SkinUI::CContainerUI*>(cell->GetInterface(L"Container"));
  }
  // Every control placed in any cell of the row, as "column:name".
  Strings Placed(int row) {
    Strings placed;
    h->OnGui([&] {
      SkinUI::CContainerUI* r = Row(row);
      for (int c = 0; r != nullptr && c < r->GetCount(); ++c) {
        SkinUI::CContainerUI* cell = Cell(row, c);
        for (int i = 0; i < cell->GetCount(); ++i) {
          placed.push_back(std::to_string(c) + ":" + controltest::Narrow(cell->GetItemAt(i)->GetName().GetData()));
        }
      }
    });
    return placed;
  }

  platform::headless::TestDriver driver;
  std::unique_ptr<ControlHarness> h;
};

TEST_F(ListRows, RowsGetOneCellPerHeaderColumn) {
  for (int columns : {0, 6}) {
    Build(columns);
    h->OnGui([&] {
      EXPECT_EQ(ListInsertRow(List(), 0, 40), 0);
      EXPECT_EQ(ListInsertRow(List(), 0, 30), 0) << "in front of the first";
      EXPECT_EQ(ListInsertRow(List(), 5, 40), -1) << "past the end";
      ASSERT_EQ(List()->GetCount(), 2);
      EXPECT_NE(dynamic_cast<CListContainerElementUIEx*>(List()->GetItemAt(0)), nullptr);
      EXPECT_EQ(List()->GetItemAt(0)->GetFixedHeight(), 30);
      EXPECT_EQ(List()->GetItemAt(1)->GetFixedHeight(), 40);
      EXPECT_EQ(Row(0)->GetCount(), columns);
    });
  }
}

TEST_F(ListRows, CellsGetTheirControlsOnlyWhereTheRowAndColumnExist) {
  for (int columns : {0, 6}) {
    Build(columns);
    h->OnGui([&] {
      ListInsertRow(List(), 0, 40);
      ListSetIdCell(List(), 0, L"", L"ID");
      ListSetTextCell(List(), 0, 5, L"张三", L"name", L"#ffffffff");
      ListSetTextCell(List(), 0, 6, L"越界", L"beyond", L"#ffffffff");
      ListSetTextCell(List(), 1, 1, L"无行", L"norow", L"#ffffffff");
      ListSetButtonCell(List(), 0, 4, 60, 24, L"10,8,70,32", L"btn_edit", L"file='hot.png'", L"file='normal.png'",
                        L"编辑", L"17", 1);
      ListSetButtonCell(List(), 0, 3, 24, 24, L"28,8,52,32", L"btn_del", L"file='dhot.png'", L"file='dnormal.png'",
                        L"删除", L"18", 0);
    });
    EXPECT_EQ(Placed(0), columns == 0 ? Strings{} : (Strings{"0:ID", "3:btn_del", "4:btn_edit", "5:name"}))
        << columns << " columns";
  }
}

TEST_F(ListRows, CellControlsHaveTheSharedLook) {
  Build(6);
  h->OnGui([&] {
    ListInsertRow(List(), 0, 40);
    ListSetIdCell(List(), 0, L"", L"ID");
    ListSetTextCell(List(), 0, 5, L"张三", L"name", L"#ff34f35d");
    ListSetButtonCell(List(), 0, 4, 60, 24, L"10,8,70,32", L"btn_edit", L"file='hot.png'", L"file='normal.png'",
                      L"编辑", L"17", 1);
    ListSetButtonCell(List(), 0, 3, 24, 24, L"28,8,52,32", L"btn_del", L"file='dhot.png'", L"file='dnormal.png'",
                      L"删除", L"18", 0);
  });
  h->OnGui([&] {
    for (int c : {0, 3, 4, 5}) {
      const RECT inset = Cell(0, c)->GetInset();
      EXPECT_TRUE(inset.left == 0 && inset.top == 1 && inset.right == 1 && inset.bottom == 1) << "column " << c;
    }
    const RECT empty = Cell(0, 1)->GetInset();
    EXPECT_EQ(empty.top, 0) << "a cell without content keeps its inset";

    auto* id = h->Find<SkinUI::CLabelUI>(L"ID");
    EXPECT_EQ(id->GetFont(), 2);
    EXPECT_EQ(id->GetTextColor(), 0xFFFFFFFFu);
    EXPECT_EQ(id->GetToolTip(), L"");

    auto* name = h->Find<SkinUI::CLabelUI>(L"name");
    EXPECT_EQ(name->GetText(), L"张三");
    EXPECT_EQ(name->GetFont(), 7);
    EXPECT_EQ(name->GetTextColor(), 0xFF34F35Du);
    EXPECT_EQ(name->GetToolTip(), L"张三");
    EXPECT_NE(name->GetTextStyle() & DT_END_ELLIPSIS, 0u);
    EXPECT_NE(name->GetTextStyle() & DT_CENTER, 0u);

    auto* edit = h->Find<SkinUI::CButtonUI>(L"btn_edit");
    EXPECT_TRUE(edit->IsFloat());
    EXPECT_EQ(edit->GetText(), L"编辑");
    EXPECT_EQ(edit->GetToolTip(), L"编辑");
    EXPECT_EQ(edit->GetFont(), 10);
    EXPECT_EQ(edit->GetTextColor(), 0xFFFFFFFFu);
    EXPECT_EQ(edit->GetTextPadding().left, 20);
    EXPECT_EQ(edit->GetUserData(), L"17");
    EXPECT_EQ(ImagesOf::Normal(edit), L"file='normal.png'");
    EXPECT_EQ(ImagesOf::Hot(edit), L"file='hot.png'");
    EXPECT_EQ(ImagesOf::Pushed(edit), L"file='hot.png'");
    const RECT cell = Cell(0, 4)->GetPos();
    const RECT pos = edit->GetPos();
    EXPECT_EQ(pos.left - cell.left, 10) << "placed by its pos inside the cell";
    EXPECT_EQ(pos.top - cell.top, 8);

    auto* remove = h->Find<SkinUI::CButtonUI>(L"btn_del");
    EXPECT_EQ(remove->GetText(), L"") << "without text";
    EXPECT_EQ(remove->GetToolTip(), L"删除") << "but with its tooltip";
    EXPECT_EQ(remove->GetUserData(), L"18");
  });
}

TEST_F(ListRows, ADoubleClickIsReportedAfterTheRowsSelectionAndActivation) {
  Build(6);
  POINT pt = {0, 0};
  h->OnGui([&] {
    ListInsertRow(List(), 0, 40);
    auto* row = new CListContainerElementUIEx;
    row->SetName(L"row1");
    row->SetFixedHeight(40);
    List()->Add(row);
  });
  h->OnGui([&] {
    const RECT rc = List()->GetItemAt(1)->GetPos();
    pt = POINT{rc.left + 300, rc.top + 20};
    ::ClientToScreen(h->Window(), &pt);
  });
  h->Notifications().Clear();
  driver.Click(pt.x, pt.y);
  driver.Click(pt.x, pt.y);
  // The row's own handling, then the queued "dbclick", then the second release.
  EXPECT_EQ(h->Notifications().Lines(), (Strings{"itemselect:list", "itemclick:row1", "itemactivate:row1",
                                                 "dbclick:row1", "itemclick:row1"}));
}

}  // namespace
