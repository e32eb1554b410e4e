#include "CAboutDlg.h"

#include "CDocumentation.h"
#include "ResourceIds.h"

namespace varnwick {

CAboutDlg::CAboutDlg() : CDialogWindow(IDD_ABOUTBOX) {}

void CAboutDlg::OnInitDialog() {
  m_link.Attach(Item(IDC_WEB_LINK));
  // The README beside the program: readable without a network.
  const std::string readme = CDocumentation::Readme();
  m_link.SetLink(readme, readme);
}

bool CAboutDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
  if (message != WM_CTLCOLORSTATIC || reinterpret_cast<HWND>(lParam) != m_link.Handle()) return false;
  result = reinterpret_cast<INT_PTR>(m_link.Colour(reinterpret_cast<HDC>(wParam)));
  return true;
}

}  // namespace varnwick
