#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "CClassInfo.h"
#include "Generator.h"

namespace varnwick::testing {

enum MemberFlags : unsigned { kPlain = 0, kPointer = 1, kStatic = 2, kConst = 4, kDialog = 8 };

std::string Stars(int count);
std::string BannerA();  // "//", 65 stars, line end
std::string BannerB();  // the same with a blank before the line end

// The deep list copy that the assignment operator and the copy constructor share.
std::string ListCopy(const std::string& type, const std::string& n, const std::string& m,
                     const std::string& e);

// A header written to a fresh temporary file, removed again with the object.
class TempHeader {
 public:
  explicit TempHeader(const std::string& text);
  ~TempHeader();
  const std::string& Path() const { return m_path; }

 private:
  std::string m_path;
};

// A header path that does not exist: template list types still resolve (they need no file),
// plain-named ones answer "" and so take the placeholder class.
inline constexpr const char* kMissingHeader = "/nonexistent/varnwick/Shape.h";

// A class with members in member-list order and the states the grid would show for them.
class TestClass {
 public:
  explicit TestClass(std::string name, std::string base = " public CObject");

  CMemberInfo& Add(std::string type, std::string name, unsigned flags = kPlain, int state = 1);
  void SetFile(std::string path) { m_record.m_strFile = std::move(path); }
  std::optional<GeneratedText> Run(GeneratorKind kind, bool checkPtrList = true) const;
  // The body, failing the test when no text was produced.
  std::string Body(GeneratorKind kind, bool checkPtrList = true) const;

 private:
  CClassInfo m_record;
  std::vector<const CMemberInfo*> m_order;
  std::map<std::string, int> m_states;
};

}  // namespace varnwick::testing
