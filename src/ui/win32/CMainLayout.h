#pragma once

#include <windows.h>

#include <optional>
#include <vector>

namespace varnwick {

// What the mouse did to the splitter: held (nothing to place), moved, dropped where it is kept.
enum class CSplitterEvent { kNone, kHeld, kMoved, kDropped };

// Where the main window's controls stand: as the resource lays them out, moved as the window
// grows, and with the line between the class list and the right side where the user dragged it.
class CMainLayout {
 public:
  // Reads the controls' places from the dialog as the resource made it; `baseClient` is its work
  // area above the status line.
  void Keep(HWND dialog, SIZE baseClient);
  bool IsKept() const { return !m_controls.empty(); }
  // Places the controls in a work area of `width` by `height` pixels.
  void Apply(HWND dialog, int width, int height);
  // The resource layout for a screen of `dpi`, from the one it was for.
  void Scale(int dpi);

  // The splitter is the gap between the class list and the grid (client coordinates). A press on
  // it takes hold and captures the mouse, a move drags it (Apply then places the controls), the
  // release or a lost capture drops it; kNone for a message that is not the splitter's.
  CSplitterEvent OnSplitterMouse(HWND dialog, UINT message, POINT point);
  // The sizing cursor over the splitter and while it is dragged; false elsewhere.
  bool SetSplitterCursor(HWND dialog) const;
  // The widths of the class list and of the grid, as they are kept between runs.
  std::vector<int> SplitterSizes() const;
  void SetSplitterSizes(const std::vector<int>& sizes);

 private:
  struct CPlacedControl {
    int id;
    RECT base;
  };
  struct CDrag {
    int fromX;
    int fromShift;
  };
  // The splitter's distance from where the window's growth alone puts it: the class list may
  // shrink to half its width, and grow by what the right side has grown.
  int Shift() const;
  const RECT& Base(int id) const;
  bool IsOnSplitter(POINT point) const;
  // The line follows the mouse as far as both sides stay whole.
  void DragTo(int x);

  std::vector<CPlacedControl> m_controls;
  SIZE m_baseClient{};
  int m_nDpi = USER_DEFAULT_SCREEN_DPI;  // of the screen the layout's pixels are for
  int m_nGrowth = 0;                     // the work area's width beyond the resource's, as last placed
  int m_nWantedShift = 0;                // where the user put the splitter, kept while the window is too narrow
  std::optional<CDrag> m_drag;
};

}  // namespace varnwick
