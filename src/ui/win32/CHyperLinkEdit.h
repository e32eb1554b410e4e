#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace varnwick {

// A read-only edit control of a dialog that behaves as a link: a hand over it, the link colour
// (purple once clicked), and a click that opens the target with the desktop's "open" verb.
class CHyperLinkEdit {
 public:
  // Opens a target; false when the desktop could not.
  using COpener = std::function<bool(const std::string& target)>;

  CHyperLinkEdit();
  ~CHyperLinkEdit();
  CHyperLinkEdit(const CHyperLinkEdit&) = delete;
  CHyperLinkEdit& operator=(const CHyperLinkEdit&) = delete;

  // Takes over the edit control.
  void Attach(HWND edit);
  HWND Handle() const { return m_hWnd; }
  // The shown text, and the control as wide as it when `sizeToText`.
  void SetLink(const std::string& target, const std::string& shown, bool sizeToText = true);
  // Told when the target could not be opened.
  void SetTeller(std::function<void(const std::string& message)> teller) { m_teller = std::move(teller); }
  void SetOpener(COpener opener) { m_opener = std::move(opener); }
  bool IsVisited() const { return m_bVisited; }
  COLORREF TextColour() const { return m_bVisited ? kVisitedColour : kLinkColour; }
  // The parent's WM_CTLCOLORSTATIC for this control: the link's colour over the parent's ground.
  HBRUSH Colour(HDC dc) const;

  static constexpr COLORREF kLinkColour = RGB(0, 0, 238);
  static constexpr COLORREF kVisitedColour = RGB(85, 26, 139);

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR self);
  void SizeToText();
  void Open();

  HWND m_hWnd = nullptr;
  std::string m_strTarget;
  std::string m_strShown;
  HCURSOR m_hCursor = nullptr;
  bool m_bVisited = false;
  bool m_bSizeToText = true;
  COpener m_opener;
  std::function<void(const std::string&)> m_teller;
};

}  // namespace varnwick
