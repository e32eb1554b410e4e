#include "CFakeDialogs.h"

#include "CTextDlg.h"
#include "ResourceIds.h"
#include "WindowText.h"

namespace varnwick::test {

namespace {

template <typename T>
T Next(std::deque<T>& answers) {
  if (answers.empty()) return T{};
  T answer = answers.front();
  answers.pop_front();
  return answer;
}

std::string MenuText(HMENU menu, int position) {
  char text[256] = {};
  GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof(text), MF_BYPOSITION);
  return text;
}

}  // namespace

std::optional<std::string> CFakeDialogs::OpenHeaderFile(HWND, const std::string&) { return Next(headerFiles); }

std::optional<std::string> CFakeDialogs::PickFolder(HWND, const std::string& title, const std::string&) {
  folderTitles.push_back(title);
  return Next(folders);
}

void CFakeDialogs::Message(HWND, const std::string& text) { messages.push_back(text); }
void CFakeDialogs::DetailedMessage(HWND, const std::string& summary, const std::string&) {
  messages.push_back(summary);
}

bool CFakeDialogs::Ask(HWND, const std::string& question) {
  questions.push_back(question);
  return answer;
}

void CFakeDialogs::ShowText(HWND owner, const GeneratedText& text, CWindowSettings& settings) {
  CTextDlg dialog(text, &settings);
  const HWND window = dialog.Create(owner);
  CShownText shown;
  shown.body = DialogItemText(window, IDC_TEXT_BODY);
  shown.declaration = DialogItemText(window, IDC_TEXT_DECLARATION);
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_EDIT_COPY, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(window, IDC_EDIT_COPY)));
  shown.clipboard = ClipboardText();
  texts.push_back(shown);
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(window, IDOK)));
}

int CFakeDialogs::PopupMenu(HWND, HMENU menu, POINT screenPoint) {
  popupPoint = screenPoint;
  popupEntries.clear();
  popupStates.clear();
  for (int position = 0; position < GetMenuItemCount(menu); ++position) {
    popupEntries.push_back(MenuText(menu, position));
    popupStates.push_back(GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION));
  }
  return popupChoice;
}

std::string ClipboardText() {
  std::string text;
  if (!OpenClipboard(nullptr)) return text;
  if (const HANDLE data = GetClipboardData(CF_TEXT); data != nullptr) {
    if (const auto* bytes = static_cast<const char*>(GlobalLock(data)); bytes != nullptr) {
      text = bytes;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

void PumpMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

}  // namespace varnwick::test
