#include "com/server/StreamLayout.h"

#include <bit>
#include <cstring>
#include <limits>

#include "platform/ErrorNumbers.h"
#include "platform/VbError.h"

namespace velkor::com {

namespace {

static_assert(std::endian::native == std::endian::little, "the layout is written as in memory");

template <class T>
void Put(std::string& out, T value) {
  char bytes[sizeof(T)];
  std::memcpy(bytes, &value, sizeof(T));
  out.append(bytes, sizeof(T));
}

template <class Count>
void PutText(std::string& out, const std::string& text) {
  if (text.size() > std::numeric_limits<Count>::max()) Raise(err::kOverflow);
  Put<Count>(out, static_cast<Count>(text.size()));
  out += text;
}

void PutValue(std::string& out, const Variant& v) {
  switch (v.type()) {
    case VarType::Empty:
      Put(out, StreamTag::Empty);
      return;
    case VarType::Null:
      Put(out, StreamTag::Null);
      return;
    case VarType::Boolean:
      Put(out, StreamTag::Boolean);
      Put<std::uint8_t>(out, v.AsBool() ? 1 : 0);
      return;
    case VarType::Integer:
      Put(out, StreamTag::Integer);
      Put(out, v.AsInteger());
      return;
    case VarType::Long:
      Put(out, StreamTag::Long);
      Put(out, v.AsLong());
      return;
    case VarType::Double:
      Put(out, StreamTag::Double);
      Put(out, v.AsDouble());
      return;
    case VarType::Date:
      Put(out, StreamTag::Date);
      Put(out, v.AsDate().serial);
      return;
    case VarType::String:
      Put(out, StreamTag::String);
      PutText<std::uint32_t>(out, v.AsString());
      return;
    case VarType::Error:
      Put(out, StreamTag::Error);
      Put(out, v.AsError().code);
      return;
    default:
      Raise(err::kTypeMismatch);
  }
}

// Reads values off the front of the bytes; every read checks the length.
class Reader {
 public:
  explicit Reader(const std::string& bytes) : bytes_(bytes) {}

  template <class T>
  bool Get(T& value) {
    if (bytes_.size() - pos_ < sizeof(T)) return false;
    std::memcpy(&value, bytes_.data() + pos_, sizeof(T));
    pos_ += sizeof(T);
    return true;
  }

  template <class Count>
  bool GetText(std::string& text) {
    Count n{};
    if (!Get(n) || bytes_.size() - pos_ < n) return false;
    text.assign(bytes_, pos_, n);
    pos_ += n;
    return true;
  }

  bool GetValue(Variant& v);
  std::size_t Position() const { return pos_; }

 private:
  const std::string& bytes_;
  std::size_t pos_ = 0;
};

template <class T, class Make>
bool GetAs(Reader& r, Variant& v, Make make) {
  T raw{};
  if (!r.Get(raw)) return false;
  v = make(raw);
  return true;
}

bool Reader::GetValue(Variant& v) {
  StreamTag tag{};
  if (!Get(tag)) return false;
  switch (tag) {
    case StreamTag::Empty:
      v = Variant();
      return true;
    case StreamTag::Null:
      v = Variant::Null();
      return true;
    case StreamTag::Boolean:
      return GetAs<std::uint8_t>(*this, v, [](std::uint8_t b) { return Variant(b != 0); });
    case StreamTag::Integer:
      return GetAs<std::int16_t>(*this, v, [](std::int16_t i) { return Variant(i); });
    case StreamTag::Long:
      return GetAs<std::int32_t>(*this, v, [](std::int32_t i) { return Variant(i); });
    case StreamTag::Double:
      return GetAs<double>(*this, v, [](double d) { return Variant(d); });
    case StreamTag::Date:
      return GetAs<double>(*this, v, [](double d) { return Variant(DateValue{d}); });
    case StreamTag::Error:
      return GetAs<std::int32_t>(*this, v, [](std::int32_t e) { return Variant(ErrorValue{e}); });
    case StreamTag::String: {
      std::string text;
      if (!GetText<std::uint32_t>(text)) return false;
      v = Variant(std::move(text));
      return true;
    }
  }
  return false;  // a subtype this version does not know
}

}  // namespace

std::string EncodeStream(const StreamEntries& entries) {
  if (entries.size() > std::numeric_limits<std::uint16_t>::max()) Raise(err::kOverflow);
  std::string body;
  Put(body, static_cast<std::uint16_t>(entries.size()));
  for (const auto& [key, value] : entries) {
    PutText<std::uint16_t>(body, key);
    PutValue(body, value);
  }
  if (body.size() > kStreamMaxBody) Raise(err::kOverflow);
  std::string out(kStreamMark, sizeof kStreamMark);
  Put(out, kStreamVersion);
  Put(out, static_cast<std::uint32_t>(body.size()));
  return out + body;
}

std::optional<std::uint32_t> BodyLength(const std::string& header) {
  Reader r(header);
  char mark[sizeof kStreamMark];
  std::uint16_t version = 0;
  std::uint32_t length = 0;
  if (!r.Get(mark) || std::memcmp(mark, kStreamMark, sizeof mark) != 0) return std::nullopt;
  if (!r.Get(version) || version == 0 || version > kStreamVersion) return std::nullopt;
  if (!r.Get(length) || length > kStreamMaxBody) return std::nullopt;
  return length;
}

std::optional<StreamEntries> DecodeBody(const std::string& body) {
  Reader r(body);
  std::uint16_t count = 0;
  if (!r.Get(count)) return std::nullopt;
  StreamEntries entries;
  for (std::uint16_t i = 0; i < count; ++i) {
    std::string key;
    Variant value;
    if (!r.GetText<std::uint16_t>(key) || !r.GetValue(value)) return std::nullopt;
    entries.emplace_back(std::move(key), std::move(value));
  }
  if (r.Position() != body.size()) return std::nullopt;
  return entries;
}

std::optional<StreamEntries> DecodeStream(const std::string& bytes) {
  const auto length = BodyLength(bytes.substr(0, kStreamHeaderSize));
  if (!length || bytes.size() != kStreamHeaderSize + *length) return std::nullopt;
  return DecodeBody(bytes.substr(kStreamHeaderSize));
}

}  // namespace velkor::com
