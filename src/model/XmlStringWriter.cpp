#include "model/XmlStringWriter.h"

#include <string_view>

namespace velkor {

void XmlStringWriter::write(const void* data, std::size_t size) {
  const std::string_view chunk(static_cast<const char*>(data), size);
  for (std::size_t start = 0; start < chunk.size();) {
    const auto cr = chunk.find('\r', start);
    text_.append(chunk.substr(start, cr - start));
    if (cr == std::string_view::npos) break;
    text_.append("&#13;");
    start = cr + 1;
  }
}

}  // namespace velkor
