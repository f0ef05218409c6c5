#include "standins/components/chart/ChartState.h"

#include <cstdint>

#include "platform/Conversions.h"
#include "platform/VbError.h"

namespace velkor::sim {

namespace {

// More entries than any chart could draw: a count above it is damage.
constexpr std::int32_t kMaxEntries = 10000;

std::string Numbered(const char* key, std::size_t index) {
  return key + std::to_string(index + 1);
}

template <class Convert>
auto ReadOr(host::PropertyBag& bag, const std::string& key, const Variant& defaultValue,
            Convert convert) -> decltype(convert(defaultValue)) {
  try {
    return convert(bag.ReadProperty(key, defaultValue));
  } catch (const VbError&) {
    return convert(defaultValue);
  }
}

std::string ReadText(host::PropertyBag& bag, const std::string& key, const char* defaultValue) {
  return ReadOr(bag, key, Variant(defaultValue), [](const Variant& v) { return CStr(v); });
}

std::size_t ReadCount(host::PropertyBag& bag, const char* key) {
  auto count = ReadOr(bag, key, Variant(std::int32_t{0}), [](const Variant& v) { return CLng(v); });
  return count < 0 || count > kMaxEntries ? 0 : static_cast<std::size_t>(count);
}

void WriteCount(host::PropertyBag& bag, const char* key, std::size_t count) {
  bag.WriteProperty(key, Variant(static_cast<std::int32_t>(count)), Variant(std::int32_t{0}));
}

void WriteText(host::PropertyBag& bag, const std::string& key, const std::string& text) {
  bag.WriteProperty(key, Variant(text), Variant(""));
}

}  // namespace

void WriteChartState(host::PropertyBag& bag, const ChartState& state) {
  WriteText(bag, "Title", state.display.title);
  bag.WriteProperty("ValueAttributes", Variant(state.display.valueAttributes), Variant(false));
  bag.WriteProperty("Language", Variant(state.language), Variant(kDefaultChartLanguage));
  WriteCount(bag, "DataSourceCount", state.sources.size());
  for (std::size_t i = 0; i < state.sources.size(); ++i)
    WriteText(bag, Numbered("DataSource", i), state.sources[i]);
  WriteCount(bag, "TraceCount", state.traces.size());
  for (std::size_t i = 0; i < state.traces.size(); ++i) {
    WriteText(bag, Numbered("TraceSource", i), state.traces[i].source);
    WriteText(bag, Numbered("TraceName", i), state.traces[i].series);
  }
}

ChartState ReadChartState(host::PropertyBag& bag) {
  ChartState state;
  state.display.title = ReadText(bag, "Title", "");
  state.display.valueAttributes =
      ReadOr(bag, "ValueAttributes", Variant(false), [](const Variant& v) { return CBool(v); });
  state.language = ReadText(bag, "Language", kDefaultChartLanguage);
  for (std::size_t i = 0, n = ReadCount(bag, "DataSourceCount"); i < n; ++i) {
    auto name = ReadText(bag, Numbered("DataSource", i), "");
    if (!name.empty()) state.sources.push_back(std::move(name));
  }
  for (std::size_t i = 0, n = ReadCount(bag, "TraceCount"); i < n; ++i) {
    TraceKey key{ReadText(bag, Numbered("TraceSource", i), ""),
                 ReadText(bag, Numbered("TraceName", i), "")};
    if (!key.source.empty()) state.traces.push_back(std::move(key));
  }
  return state;
}

}  // namespace velkor::sim
