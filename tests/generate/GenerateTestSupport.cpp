#include "GenerateTestSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace varnwick::testing {

std::string Stars(int count) { return std::string(static_cast<std::size_t>(count), '*'); }
std::string BannerA() { return "//" + Stars(65) + "\r\n"; }
std::string BannerB() { return "//" + Stars(65) + " \r\n"; }

std::string ListCopy(const std::string& type, const std::string& n, const std::string& m,
                     const std::string& e) {
  return "\t//" + Stars(18) + " PtrList " + Stars(18) +
         "\r\n\tif ( " + n + " == NULL )\r\n"
         "\t\t" + n + " = new " + type + "( ) ;\r\n"
         "\r\n\tPOSITION pos = src." + n + m + "GetHeadPosition();\r\n\r\n"
         "\t" + e + "* pBase ;\r\n"
         "\t" + e + "* pBaseNew ;\r\n"
         "\twhile (pos != NULL)\r\n\t{\r\n"
         "\t\tASSERT( src." + n + m + "GetAt(pos) != NULL);\r\n"
         "\t\tpBase = src." + n + m + "GetNext(pos);\r\n"
         "\t\tpBaseNew = new " + e + "( ) ; \r\n"
         "\t\t*pBaseNew = *pBase; // Be sure you have operator=\r\n"
         "\t\t" + n + m + "AddTail( pBaseNew );\r\n"
         "\t}\r\n\t//" + Stars(39) + "\r\n";
}

TempHeader::TempHeader(const std::string& text) {
  static std::atomic<int> counter{0};
  m_path = (std::filesystem::temp_directory_path() /
            ("varnwick_generate_" + std::to_string(getpid()) + "_" + std::to_string(counter++) + ".h"))
               .string();
  std::ofstream(m_path, std::ios::binary) << text;
}

TempHeader::~TempHeader() { std::remove(m_path.c_str()); }

TestClass::TestClass(std::string name, std::string base) {
  m_record.m_strName = std::move(name);
  m_record.m_strBase = std::move(base);
  m_record.m_strFile = kMissingHeader;
}

CMemberInfo& TestClass::Add(std::string type, std::string name, unsigned flags, int state) {
  auto member = std::make_unique<CMemberInfo>();
  member->m_strType = std::move(type);
  member->m_strName = std::move(name);
  member->m_bPointer = (flags & kPointer) != 0;
  member->m_bStatic = (flags & kStatic) != 0;
  member->m_bConst = (flags & kConst) != 0;
  member->m_bDialog = (flags & kDialog) != 0;
  m_states.emplace(member->m_strName, state);  // the first row of a name wins, as in the grid
  m_order.push_back(member.get());
  m_record.m_pMembers.push_back(std::move(member));
  return *m_record.m_pMembers.back();
}

std::optional<GeneratedText> TestClass::Run(GeneratorKind kind, bool checkPtrList) const {
  auto lookup = [this](const std::string& name) {
    auto found = m_states.find(name);
    return found == m_states.end() ? 1 : found->second;
  };
  return Generate(kind, m_record, m_order, lookup, checkPtrList);
}

std::string TestClass::Body(GeneratorKind kind, bool checkPtrList) const {
  std::optional<GeneratedText> text = Run(kind, checkPtrList);
  EXPECT_TRUE(text.has_value());
  return text ? text->body : std::string();
}

}  // namespace varnwick::testing
