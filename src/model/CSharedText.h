#pragma once

#include <memory>
#include <string>
#include <utility>

namespace varnwick {

// A text that many records hold at once without a copy each: every member of a class carries its
// class's name. Reads as a std::string; assigning a new text never changes what other holders see.
class CSharedText {
 public:
  CSharedText() = default;
  explicit CSharedText(std::string text) : m_text(std::make_shared<const std::string>(std::move(text))) {}

  CSharedText& operator=(std::string text) {
    m_text = std::make_shared<const std::string>(std::move(text));
    return *this;
  }

  const std::string& Text() const { return m_text ? *m_text : Empty(); }
  operator const std::string&() const { return Text(); }
  bool operator==(const CSharedText& other) const { return Text() == other.Text(); }

 private:
  static const std::string& Empty() {
    static const std::string empty;
    return empty;
  }

  std::shared_ptr<const std::string> m_text;
};

}  // namespace varnwick
