#pragma once

#include <string>

#include "CDialogWindow.h"
#include "Generator.h"

namespace varnwick {

class CWindowSettings;

// Dialog 132: one generated text in a large box that may be edited, its declaration above it, and
// "Copy", which puts the box's whole text on the clipboard.
class CTextDlg : public CDialogWindow {
 public:
  // `settings` keep the window's size between runs; null keeps nothing.
  CTextDlg(GeneratedText text, CWindowSettings* settings);
  ~CTextDlg() override;

 private:
  void OnInitDialog() override;
  void OnCommand(int id, int code, HWND control) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
  void SetTextFont();
  void RestoreSize();
  void KeepSize();
  void OnEditCopy();
  // The body takes the room the window grows by; the declaration its width; the buttons stay right.
  void LayOut(int width, int height);

  GeneratedText m_text;
  CWindowSettings* m_settings;
  HFONT m_hFont = nullptr;
  SIZE m_minimum{};     // the window's size from its resource: it grows, never shrinks below
  int m_nButtonsRight = 0;  // from the client's right edge to the buttons' right edge
};

}  // namespace varnwick
