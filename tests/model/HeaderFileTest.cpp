#include <gtest/gtest.h>

#include <filesystem>

#include "CClassInfo.h"
#include "HeaderFile.h"
#include "TempDir.h"

namespace varnwick {
namespace {

using test::TempDir;
using namespace std::string_literals;

TEST(HeaderFileTest, TextEndsAtTheFirstZeroByteAndLosesItsByteOrderMark) {
  TempDir dir;
  const std::string path = dir.Write("a.h", "\xEF\xBB\xBF" "class CA\n{\nint m_a;\n};\n\0class CB\n"s);
  const std::optional<std::string> text = ReadHeaderFile(path);
  ASSERT_TRUE(text);
  EXPECT_EQ(*text, "class CA\n{\nint m_a;\n};\n");
  CClassInfo record;
  record.m_strFile = path;
  std::string buffer;
  ASSERT_TRUE(record.LoadFromFile(buffer));
  EXPECT_EQ(record.m_strName, "CA");
  EXPECT_TRUE(record.m_strRest.empty());
}

TEST(HeaderFileTest, SizeLimitIsOneByteShortOfAMebibyte) {
  TempDir dir;
  const std::string fits = dir.Write("fits.h", std::string(kMaxHeaderBytes, ' '));
  const std::string over = dir.Write("over.h", std::string(kMaxHeaderBytes + 1, ' '));
  EXPECT_EQ(ReadHeaderFile(fits)->size(), kMaxHeaderBytes);
  try {
    ReadHeaderFile(over);
    FAIL() << "an oversized header was read";
  } catch (const CFileTooLarge& error) {
    EXPECT_EQ(error.Path(), over);
    EXPECT_NE(std::string(error.what()).find(over), std::string::npos) << "the message names the file";
  }
}

TEST(HeaderFileTest, BytesArriveAsOnDisk) {
  TempDir dir;
  // Text mode would drop the carriage returns and end the text at the Ctrl-Z byte.
  const std::string bytes = "class CA\r\n{\r\n\x1A\tint m_a;\r\n\r\r\n\n};\r\n"s;
  EXPECT_EQ(ReadHeaderFile(dir.Write("a.h", bytes)), bytes);
  EXPECT_EQ(ReadHeaderFile(dir.Write("empty.h", "")), "");
}

TEST(HeaderFileTest, OneBufferServesHeadersOfEverySize) {
  // Sizes on both sides of the buffer's first room and its doublings, read in an order that both
  // grows the buffer mid-file and shrinks the file after a large one.
  TempDir dir;
  CReadBuffer buffer;
  int file = 0;
  const std::size_t sizes[] = {10, 65535, 65536, 65537, 300000, 20, kMaxHeaderBytes, 131072};
  for (std::size_t size : sizes) {
    std::string bytes(size, ' ');
    for (std::size_t i = 0; i < size; i += 997) bytes[i] = static_cast<char>('a' + (i / 997 + file) % 26);
    const std::string path = dir.Write("h" + std::to_string(++file) + ".h", bytes);
    const std::optional<std::string_view> text = ReadHeaderText(path, buffer);
    ASSERT_TRUE(text) << size;
    EXPECT_TRUE(*text == bytes) << size;
  }
}

TEST(HeaderFileTest, AFolderIsNoHeader) {
  TempDir dir;
  std::filesystem::create_directory(dir / "folder.h");
  EXPECT_FALSE(ReadHeaderFile(dir / "folder.h"));
  EXPECT_FALSE(ReadHeaderFile(dir / "missing.h"));
}

TEST(HeaderFileTest, LoadFromFileWithoutAFileFails) {
  CClassInfo record;
  std::string text;
  EXPECT_FALSE(record.LoadFromFile(text));
  record.m_strFile = "/nonexistent/dir/x.h";
  EXPECT_FALSE(record.LoadFromFile(text));
}

}  // namespace
}  // namespace varnwick
