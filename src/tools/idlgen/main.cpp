// velkor_idlgen: writes the type library's IDL source (velkor.idl) and the
// dual-interface thunks (DualThunks.h) from the control's published tables,
// so that the library, the header and the tables cannot drift apart.
//   velkor_idlgen OUTPUT_DIR
// A file whose content is unchanged is left alone, so nothing that depends on
// it is rebuilt.
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>

#include "tools/idlgen/IdlWriter.h"
#include "tools/idlgen/ThunkWriter.h"

namespace {

bool WriteIfChanged(const std::filesystem::path& path, const std::string& text) {
  std::ifstream in(path, std::ios::binary);
  std::string old((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.is_open() && old == text) return true;
  in.close();
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  return static_cast<bool>(out.flush());
}

std::string Render(const std::function<void(std::ostream&)>& write) {
  std::ostringstream text;
  write(text);
  return text.str();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: velkor_idlgen OUTPUT_DIR\n";
    return 2;
  }
  const std::filesystem::path dir = argv[1];
  try {
    if (!WriteIfChanged(dir / "velkor.idl", Render(velkor::idlgen::WriteIdl)) ||
        !WriteIfChanged(dir / "DualThunks.h", Render(velkor::idlgen::WriteDualThunks))) {
      std::cerr << "velkor_idlgen: cannot write into " << dir.string() << "\n";
      return 1;
    }
  } catch (const std::exception& e) {
    std::cerr << "velkor_idlgen: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
