#include "CWindowSettings.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace varnwick {

namespace {

// Nothing on a desktop is larger, or further out; a value past it was written by something else.
constexpr int kLargestExtent = 32767;
constexpr int kFarthestCoordinate = 1000000;
// A main window counts as on a screen when at least this much of it shows there, in both
// directions: enough to grab it and pull it back.
constexpr int kLeastVisible = 48;

constexpr std::string_view kMainX = "mainWindow/x";
constexpr std::string_view kMainY = "mainWindow/y";
constexpr std::string_view kMainWidth = "mainWindow/width";
constexpr std::string_view kMainHeight = "mainWindow/height";
constexpr std::string_view kMainMaximised = "mainWindow/maximised";
constexpr std::string_view kSplitter = "mainWindow/splitter";
constexpr std::string_view kTextWidth = "textWindow/width";
constexpr std::string_view kTextHeight = "textWindow/height";

// A whole decimal number and nothing else: no blanks, no sign of plus, no fraction.
std::optional<int> ParseNumber(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

bool IsExtent(int value) { return value > 0 && value <= kLargestExtent; }
bool IsCoordinate(int value) { return value >= -kFarthestCoordinate && value <= kFarthestCoordinate; }

// How far two spans [a, a + aLength) and [b, b + bLength) overlap, in 64 bits against overflow.
long long Overlap(long long a, long long aLength, long long b, long long bLength) {
  return std::max(0LL, std::min(a + aLength, b + bLength) - std::max(a, b));
}

bool ShowsOn(const CWindowPlacement& window, const CScreenArea& screen) {
  return Overlap(window.x, window.width, screen.x, screen.width) >= kLeastVisible &&
         Overlap(window.y, window.height, screen.y, screen.height) >= kLeastVisible;
}

}  // namespace

std::optional<int> CWindowSettings::ReadNumber(std::string_view key) const {
  const std::optional<std::string> text = m_store.Read(key);
  return text ? ParseNumber(*text) : std::nullopt;
}

void CWindowSettings::WriteNumber(std::string_view key, int value) { m_store.Write(key, std::to_string(value)); }

std::optional<CWindowSize> CWindowSettings::ReadSize(std::string_view widthKey, std::string_view heightKey) const {
  const std::optional<int> width = ReadNumber(widthKey);
  const std::optional<int> height = ReadNumber(heightKey);
  if (!width || !height || !IsExtent(*width) || !IsExtent(*height)) return std::nullopt;
  return CWindowSize{*width, *height};
}

std::optional<CWindowPlacement> CWindowSettings::MainWindow(std::span<const CScreenArea> screens) const {
  const std::optional<CWindowSize> size = ReadSize(kMainWidth, kMainHeight);
  const std::optional<int> x = ReadNumber(kMainX);
  const std::optional<int> y = ReadNumber(kMainY);
  if (!size || !x || !y || !IsCoordinate(*x) || !IsCoordinate(*y)) return std::nullopt;
  const CWindowPlacement placement{*x, *y, size->width, size->height, m_store.Read(kMainMaximised) == "1"};
  const bool shown = std::any_of(screens.begin(), screens.end(),
                                 [&placement](const CScreenArea& screen) { return ShowsOn(placement, screen); });
  if (!shown) return std::nullopt;
  return placement;
}

void CWindowSettings::SetMainWindow(const CWindowPlacement& placement) {
  WriteNumber(kMainX, placement.x);
  WriteNumber(kMainY, placement.y);
  WriteNumber(kMainWidth, placement.width);
  WriteNumber(kMainHeight, placement.height);
  m_store.Write(kMainMaximised, placement.maximised ? "1" : "0");
}

// Written as the widths with one blank between them: "180 620".
std::optional<std::vector<int>> CWindowSettings::SplitterSizes() const {
  const std::optional<std::string> text = m_store.Read(kSplitter);
  if (!text) return std::nullopt;
  std::vector<int> sizes;
  std::string_view rest = *text;
  for (;;) {
    const std::size_t blank = rest.find(' ');
    const std::optional<int> size = ParseNumber(rest.substr(0, blank));
    if (!size || *size < 0 || *size > kLargestExtent) return std::nullopt;
    sizes.push_back(*size);
    if (blank == std::string_view::npos) break;
    rest.remove_prefix(blank + 1);
  }
  if (sizes.size() < 2 || std::all_of(sizes.begin(), sizes.end(), [](int size) { return size == 0; }))
    return std::nullopt;
  return sizes;
}

void CWindowSettings::SetSplitterSizes(std::span<const int> sizes) {
  std::string text;
  for (const int size : sizes) text += (text.empty() ? "" : " ") + std::to_string(size);
  m_store.Write(kSplitter, text);
}

std::optional<CWindowSize> CWindowSettings::TextWindowSize() const { return ReadSize(kTextWidth, kTextHeight); }

void CWindowSettings::SetTextWindowSize(CWindowSize size) {
  WriteNumber(kTextWidth, size.width);
  WriteNumber(kTextHeight, size.height);
}

}  // namespace varnwick
