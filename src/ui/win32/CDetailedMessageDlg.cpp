#include "CDetailedMessageDlg.h"

#include "ResourceIds.h"

namespace varnwick {

namespace {

// The details as the edit control shows lines: "\r\n" between them.
std::string WithCrLf(const std::string& text) {
  std::string lines;
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (text[at] == '\n' && (at == 0 || text[at - 1] != '\r')) lines += '\r';
    lines += text[at];
  }
  return lines;
}

}  // namespace

CDetailedMessageDlg::CDetailedMessageDlg(std::string summary, std::string details)
    : CDialogWindow(IDD_DETAILED_MESSAGE), m_strSummary(std::move(summary)), m_strDetails(std::move(details)) {}

void CDetailedMessageDlg::OnInitDialog() {
  SetDlgItemTextA(Handle(), IDC_MESSAGE_SUMMARY, m_strSummary.c_str());
  SetDlgItemTextA(Handle(), IDC_MESSAGE_DETAILS, WithCrLf(m_strDetails).c_str());
}

}  // namespace varnwick
