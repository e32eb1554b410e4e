#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "CWindowSettings.h"

namespace varnwick {
namespace {

// Two screens side by side, the second one lower and smaller.
const std::array<CScreenArea, 2> kScreens = {CScreenArea{0, 0, 1920, 1040}, CScreenArea{1920, 200, 1280, 800}};

class WindowSettingsTest : public ::testing::Test {
 protected:
  void WriteMain(std::string x, std::string y, std::string width, std::string height, std::string maximised = "0") {
    m_store.Write("mainWindow/x", x);
    m_store.Write("mainWindow/y", y);
    m_store.Write("mainWindow/width", width);
    m_store.Write("mainWindow/height", height);
    m_store.Write("mainWindow/maximised", maximised);
  }
  bool MainKept() const { return m_settings.MainWindow(kScreens).has_value(); }

  CMemorySettings m_store;
  CWindowSettings m_settings{m_store};
};

TEST_F(WindowSettingsTest, WhatIsWrittenReadsBackTheSame) {
  m_settings.SetMainWindow({2000, 300, 900, 640, true});
  const std::vector<int> splitter = {180, 0, 620};
  m_settings.SetSplitterSizes(splitter);
  m_settings.SetTextWindowSize({866, 388});
  // A new run over the same store.
  const CWindowSettings next(m_store);
  const auto main = next.MainWindow(kScreens);
  ASSERT_TRUE(main);
  EXPECT_EQ(std::vector<int>({main->x, main->y, main->width, main->height}), std::vector<int>({2000, 300, 900, 640}));
  EXPECT_TRUE(main->maximised);
  EXPECT_EQ(next.SplitterSizes(), splitter);
  const auto text = next.TextWindowSize();
  ASSERT_TRUE(text);
  EXPECT_EQ(text->width, 866);
  EXPECT_EQ(text->height, 388);
  EXPECT_EQ(m_store.Read("mainWindow/splitter"), "180 0 620");
}

TEST_F(WindowSettingsTest, AFirstRunHasNothingToUse) {
  EXPECT_FALSE(m_settings.MainWindow(kScreens));
  EXPECT_FALSE(m_settings.SplitterSizes());
  EXPECT_FALSE(m_settings.TextWindowSize());
  // Half a placement is none.
  m_store.Write("mainWindow/width", "800");
  m_store.Write("mainWindow/height", "600");
  EXPECT_FALSE(MainKept());
}

TEST_F(WindowSettingsTest, MalformedNumbersAreNotUsed) {
  for (const std::string bad : {"", " 10", "10 ", "+10", "1e3", "10.5", "0x10", "ten", "99999999999"}) {
    WriteMain(bad, "10", "800", "600");
    EXPECT_FALSE(MainKept()) << "x " << bad;
    WriteMain("10", "10", bad, "600");
    EXPECT_FALSE(MainKept()) << "width " << bad;
  }
  WriteMain("-300", "10", "800", "600");
  EXPECT_TRUE(MainKept());  // partly left of the first screen is still on it
}

TEST_F(WindowSettingsTest, AbsurdSizesAndPlacesAreNotUsed) {
  for (const auto& [width, height] : std::vector<std::pair<std::string, std::string>>{
           {"0", "600"}, {"800", "-1"}, {"40000", "600"}, {"800", "32768"}}) {
    WriteMain("10", "10", width, height);
    EXPECT_FALSE(MainKept()) << width << "x" << height;
    m_store.Write("textWindow/width", width);
    m_store.Write("textWindow/height", height);
    EXPECT_FALSE(m_settings.TextWindowSize()) << width << "x" << height;
  }
  WriteMain("-2000000", "10", "800", "600");
  EXPECT_FALSE(MainKept());
  WriteMain("10", "10", "32767", "32767");
  EXPECT_TRUE(MainKept());
}

// A window is used where at least a grabbable corner of it shows on some screen: a monitor that
// is gone, or a resolution that shrank, must not leave it out of reach.
TEST_F(WindowSettingsTest, AWindowOffEveryScreenIsNotUsed) {
  WriteMain("3300", "10", "800", "600");  // right of both screens
  EXPECT_FALSE(MainKept());
  WriteMain("1000", "-700", "800", "600");  // above the first
  EXPECT_FALSE(MainKept());
  WriteMain("2000", "-500", "800", "600");  // over the second one's top, none of it on it
  EXPECT_FALSE(MainKept());
  WriteMain("3152", "900", "800", "600");  // 48 pixels of the second screen's corner
  EXPECT_TRUE(MainKept());
  WriteMain("3153", "900", "800", "600");
  EXPECT_FALSE(MainKept());
  WriteMain("100", "100", "800", "600");
  EXPECT_FALSE(m_settings.MainWindow({}));  // no screen at all
}

TEST_F(WindowSettingsTest, OnlyOneMeansMaximised) {
  for (const std::string text : {"0", "", "true", "yes", "2"}) {
    WriteMain("10", "10", "800", "600", text);
    ASSERT_TRUE(MainKept());
    EXPECT_FALSE(m_settings.MainWindow(kScreens)->maximised) << text;
  }
}

TEST_F(WindowSettingsTest, ASplitterNeedsTwoPanesAndSomeRoom) {
  for (const std::string bad : {"", "200", "0 0", "200,600", "200  600", "200 600 ", "-1 600", "200 x", "40000 1"}) {
    m_store.Write("mainWindow/splitter", bad);
    EXPECT_FALSE(m_settings.SplitterSizes()) << '"' << bad << '"';
  }
  m_store.Write("mainWindow/splitter", "0 600");
  EXPECT_EQ(m_settings.SplitterSizes(), std::vector<int>({0, 600}));
}

}  // namespace
}  // namespace varnwick
