#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "CSettingsStore.h"

namespace varnwick {

// A window's place on the desktop as a front end sets it: the client area's corner and size in
// pixels, and whether it is maximised (the rectangle then being where it returns to).
struct CWindowPlacement {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool maximised = false;
};

// The room one screen gives windows, in the same pixels.
struct CScreenArea {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

struct CWindowSize {
  int width = 0;
  int height = 0;
};

// The windows as the user left them, kept between runs in a settings store: the main window's
// placement and its splitter, and the text window's size. Whatever reads back malformed or
// absurd, or would put the main window where no screen shows it, is not used: the window then
// opens as it would on a first run.
class CWindowSettings {
 public:
  explicit CWindowSettings(CSettingsStore& store) : m_store(store) {}

  // The placement kept, when enough of it lies on one of `screens` to be grabbed and moved.
  std::optional<CWindowPlacement> MainWindow(std::span<const CScreenArea> screens) const;
  void SetMainWindow(const CWindowPlacement& placement);
  // The widths of the splitter's panes, left to right: two or more, none negative, some room.
  std::optional<std::vector<int>> SplitterSizes() const;
  void SetSplitterSizes(std::span<const int> sizes);
  std::optional<CWindowSize> TextWindowSize() const;
  void SetTextWindowSize(CWindowSize size);

 private:
  std::optional<int> ReadNumber(std::string_view key) const;
  void WriteNumber(std::string_view key, int value);
  std::optional<CWindowSize> ReadSize(std::string_view widthKey, std::string_view heightKey) const;

  CSettingsStore& m_store;
};

}  // namespace varnwick
