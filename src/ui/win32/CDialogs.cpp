#include "CDialogs.h"

#include <commdlg.h>

#include <vector>

#include "CAboutDlg.h"
#include "CDetailedMessageDlg.h"
#include "CFolderPicker.h"
#include "CLegendDlg.h"
#include "CTextDlg.h"

namespace varnwick {

namespace {

constexpr char kProgramName[] = "Varnwick";
// The filter of the file-open dialog: pairs of description and pattern, ending in an empty pair.
constexpr char kHeaderFilter[] = "Header File (h)\0*.h\0All Files (*.*)\0*.*\0";

}  // namespace

std::optional<std::string> CDialogs::OpenHeaderFile(HWND owner, const std::string& startFolder) {
  std::vector<char> chosen(MAX_PATH * 4, '\0');
  OPENFILENAMEA request{};
  request.lStructSize = sizeof(request);
  request.hwndOwner = owner;
  request.lpstrFilter = kHeaderFilter;
  request.lpstrFile = chosen.data();
  request.nMaxFile = static_cast<DWORD>(chosen.size());
  request.lpstrInitialDir = startFolder.empty() ? nullptr : startFolder.c_str();
  request.lpstrDefExt = "h";
  request.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
  if (!GetOpenFileNameA(&request)) return std::nullopt;
  return std::string(chosen.data());
}

std::optional<std::string> CDialogs::PickFolder(HWND owner, const std::string& title, const std::string& startFolder) {
  CFolderPicker picker(title, startFolder);
  if (!picker.Browse(owner)) return std::nullopt;
  return picker.ChosenFolder();
}

void CDialogs::Message(HWND owner, const std::string& text) {
  MessageBoxA(owner, text.c_str(), kProgramName, MB_OK | MB_ICONEXCLAMATION);
}

void CDialogs::DetailedMessage(HWND owner, const std::string& summary, const std::string& details) {
  CDetailedMessageDlg(summary, details).DoModal(owner);
}

bool CDialogs::Ask(HWND owner, const std::string& question) {
  return MessageBoxA(owner, question.c_str(), kProgramName, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

void CDialogs::ShowText(HWND owner, const GeneratedText& text, CWindowSettings& settings) {
  CTextDlg(text, &settings).DoModal(owner);
}

void CDialogs::ShowLegend(HWND owner) { CLegendDlg().DoModal(owner); }
void CDialogs::ShowAbout(HWND owner) { CAboutDlg().DoModal(owner); }

int CDialogs::PopupMenu(HWND owner, HMENU menu, POINT screenPoint) {
  const UINT flags = TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD;
  return static_cast<int>(TrackPopupMenu(menu, flags, screenPoint.x, screenPoint.y, 0, owner, nullptr));
}

}  // namespace varnwick
