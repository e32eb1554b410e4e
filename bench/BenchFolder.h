#pragma once

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

namespace varnwick::bench {

// A class name spread over the alphabet by its header and place, so that a sorted class list
// grows at every place and not only at its end: "C" + three letters + `kind` + the numbers.
inline std::string SpreadClassName(int header, int klass, const std::string& kind) {
  const unsigned mixed = static_cast<unsigned>(header * 7919 + klass * 104729) % 17576u;
  std::string name = "C";
  name += static_cast<char>('A' + mixed % 26);
  name += static_cast<char>('a' + mixed / 26 % 26);
  name += static_cast<char>('a' + mixed / 676);
  return name + kind + std::to_string(header) + "_" + std::to_string(klass);
}

// One MFC-style class of a benchmark header: a constructor, strings, numbers, a window pointer, a
// typed pointer list and a static constant.
inline std::string BenchClass(const std::string& name) {
  return "class " + name + " : public CObject\r\n{\r\npublic:\r\n\t" + name + "();\r\n" +
         "\tCString m_strName;\r\n\tint m_nCount, m_nLimit;\r\n\tCWnd* m_pParent;\r\n" +
         "\tCTypedPtrList<CPtrList, CItem*> m_items;\r\n\tstatic const int s_nVersion;\r\n};\r\n";
}

// A temporary folder of `count` headers named header0000.h and on, header i holding `text(i)`;
// removed with the object.
class CBenchFolder {
 public:
  CBenchFolder(const std::string& name, int count, const std::function<std::string(int)>& text) {
    m_path = std::filesystem::temp_directory_path() / ("varnwick-" + name + "-" + std::to_string(::getpid()));
    std::filesystem::create_directories(m_path);
    for (int header = 0; header < count; ++header) {
      char file[32];
      std::snprintf(file, sizeof file, "header%04d.h", header);
      std::ofstream(m_path / file, std::ios::binary) << text(header);
    }
  }
  CBenchFolder(const CBenchFolder&) = delete;
  CBenchFolder& operator=(const CBenchFolder&) = delete;
  ~CBenchFolder() { std::filesystem::remove_all(m_path); }
  std::string Path() const { return m_path.string(); }

 private:
  std::filesystem::path m_path;
};

}  // namespace varnwick::bench
