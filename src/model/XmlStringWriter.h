// XmlStringWriter: collects a serialized document into a string.
#pragma once

#include <cstddef>
#include <pugixml.hpp>
#include <string>

namespace velkor {

// Carriage returns are written as character references: a raw one would be
// read back as a line feed, changing the value that held it.
class XmlStringWriter : public pugi::xml_writer {
 public:
  void write(const void* data, std::size_t size) override;
  std::string& text() { return text_; }

 private:
  std::string text_;
};

}  // namespace velkor
