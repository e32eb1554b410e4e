#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CAboutDlg.h"
#include "CDocumentation.h"
#include "CFakeDialogs.h"
#include "CLegendDlg.h"
#include "CRegistrySettingsStore.h"
#include "CTextDlg.h"
#include "CWindowSettings.h"
#include "ResourceIds.h"
#include "WindowText.h"

namespace varnwick::test {

namespace {

SIZE WindowSize(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace

TEST(TextWindowTest, CopyTakesTheBoxAsEditedAndTheSizeIsKeptForTheNextWindow) {
  CMemorySettings store;
  CWindowSettings settings(store);
  CTextDlg dialog({"void f()\r\n{\r\n\tint n;\r\n}\r\n", ""}, &settings);
  const HWND window = dialog.Create(nullptr);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(DialogItemText(window, IDC_TEXT_DECLARATION), "");
  SetDlgItemTextA(window, IDC_TEXT_BODY, "edited\r\n\tby hand\r\n");
  SendMessageA(window, WM_COMMAND, IDC_EDIT_COPY, 0);
  EXPECT_EQ(ClipboardText(), "edited\r\n\tby hand\r\n");
  const DWORD selection = static_cast<DWORD>(SendDlgItemMessageA(window, IDC_TEXT_BODY, EM_GETSEL, 0, 0));
  EXPECT_EQ(LOWORD(selection), 0);
  EXPECT_EQ(HIWORD(selection), 18) << "the whole text stays selected";

  const SIZE opened = WindowSize(window);
  SetWindowPos(window, nullptr, 0, 0, opened.cx + 120, opened.cy + 80, SWP_NOMOVE | SWP_NOZORDER);
  RECT body{};
  GetWindowRect(GetDlgItem(window, IDC_TEXT_BODY), &body);
  SendMessageA(window, WM_COMMAND, IDCANCEL, 0);
  EXPECT_FALSE(IsWindow(window));
  ASSERT_TRUE(settings.TextWindowSize());
  EXPECT_EQ(settings.TextWindowSize()->width, opened.cx + 120);

  CTextDlg next({"x", "void x();"}, &settings);
  const HWND nextWindow = next.Create(nullptr);
  EXPECT_EQ(WindowSize(nextWindow).cx, opened.cx + 120);
  EXPECT_EQ(DialogItemText(nextWindow, IDC_TEXT_DECLARATION), "void x();");
  RECT nextBody{};
  GetWindowRect(GetDlgItem(nextWindow, IDC_TEXT_BODY), &nextBody);
  EXPECT_EQ(nextBody.right - nextBody.left, body.right - body.left) << "the body takes the room the window grew by";
}

TEST(HyperLinkTest, ClickOpensTheTargetMarksItVisitedAndTellsAFailure) {
  CAboutDlg about;
  const HWND window = about.Create(nullptr);
  ASSERT_NE(window, nullptr);
  CHyperLinkEdit& link = about.Link();
  EXPECT_EQ(WindowText(link.Handle()), CDocumentation::Readme());
  std::vector<std::string> opened;
  std::vector<std::string> told;
  link.SetOpener([&](const std::string& target) {
    opened.push_back(target);
    return opened.size() == 1;
  });
  link.SetTeller([&](const std::string& message) { told.push_back(message); });
  EXPECT_EQ(link.TextColour(), CHyperLinkEdit::kLinkColour);
  SendMessageA(link.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
  EXPECT_EQ(opened, std::vector<std::string>{CDocumentation::Readme()});
  EXPECT_EQ(link.TextColour(), CHyperLinkEdit::kVisitedColour);
  EXPECT_TRUE(told.empty());
  SendMessageA(link.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
  EXPECT_EQ(opened.size(), 2u) << "a visited link opens again";
  EXPECT_EQ(told.size(), 1u);
  EXPECT_EQ(LOWORD(SendMessageA(link.Handle(), EM_GETSEL, 0, 0)), HIWORD(SendMessageA(link.Handle(), EM_GETSEL, 0, 0)))
      << "the click selects nothing";
}

TEST(LegendTest, PictureStripsStandAsLargeAsTheirBitmaps) {
  CLegendDlg legend;
  const HWND window = legend.Create(nullptr);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(WindowSize(GetDlgItem(window, IDC_LEGEND_ICONS)).cx, 6 * 16);
  EXPECT_EQ(WindowSize(GetDlgItem(window, IDC_LEGEND_CHECKS)).cx, 3 * 13);
  SendMessageA(window, WM_COMMAND, IDOK, 0);
  EXPECT_FALSE(IsWindow(window));
}

TEST(RegistrySettingsTest, ValuesComeBackByGroupAndName) {
  const std::string root = "Software\\VarnwickTests\\" + std::to_string(GetCurrentProcessId());
  {
    CRegistrySettingsStore store(root);
    EXPECT_FALSE(store.Read("MainWindow/x"));
    store.Write("MainWindow/x", "120");
    store.Write("Folders/add", "Z:\\tmp\\a folder");
    store.Write("plain", "");
  }
  CRegistrySettingsStore again(root);
  EXPECT_EQ(again.Read("MainWindow/x"), "120");
  EXPECT_EQ(again.Read("Folders/add"), "Z:\\tmp\\a folder");
  EXPECT_EQ(again.Read("plain"), "");
  EXPECT_FALSE(again.Read("MainWindow/y"));
  RegDeleteTreeA(HKEY_CURRENT_USER, root.c_str());
}

}  // namespace varnwick::test
