// libFuzzer entry for ReadXML. Any input must be read without a crash, a hang
// or a report other than the one that ends a partial read; a complete read
// must come back unchanged through WriteXML and a second ReadXML.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "model/TraceFields.h"
#include "model/TraceInfoXml.h"
#include "model/Traces.h"
#include "platform/os/LogSink.h"
#include "platform/os/OsServices.h"

namespace {

class CountingSink : public velkor::os::LogSink {
 public:
  void Write(const std::string&) override { ++reports; }
  int reports = 0;
};

CountingSink& Sink() {
  static const auto sink = [] {
    auto s = std::make_shared<CountingSink>();
    velkor::os::Services services;
    services.log = s;
    velkor::os::InstallOsServices(services);
    return s;
  }();
  return *sink;
}

// Text made only of blanks, tabs and line feeds is white space to the parser
// and reads back empty.
velkor::TraceOrder AsReadBack(velkor::TraceOrder record) {
  for (const auto& field : velkor::TraceFieldsInLayoutOrder()) {
    auto* member = std::get_if<std::string velkor::TraceOrder::*>(&field.member);
    if (!member) continue;
    auto& value = record.**member;
    if (value.find_first_not_of(" \t\n") == std::string::npos) value.clear();
  }
  return record;
}

void CheckRoundTrip() {
  const auto read = velkor::gTraces;
  if (velkor::ReadXML(velkor::WriteXML()) != velkor::ParseOutcome::Complete) std::abort();
  if (velkor::gTraces.size() != read.size()) std::abort();
  for (std::size_t i = 1; i < read.size(); ++i)
    if (velkor::gTraces[i] != AsReadBack(read[i])) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto& sink = Sink();
  sink.reports = 0;
  const std::string_view xml(reinterpret_cast<const char*>(data), size);
  const auto outcome = velkor::ReadXML(xml);
  if (sink.reports != (outcome == velkor::ParseOutcome::Partial ? 1 : 0)) std::abort();
  if (outcome == velkor::ParseOutcome::Complete) CheckRoundTrip();
  return 0;
}
