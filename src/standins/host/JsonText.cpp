#include "standins/host/JsonText.h"

#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "standins/host/FileFormatError.h"
#include "standins/host/JsonFields.h"

namespace velkor::sim::json {

namespace {

// The members of an object as the list they are kept in.
Json::object_t::Container& Members(Json& object) {
  return object.get_ref<Json::object_t&>();
}

// One container still open: where it is, and for an object the key whose
// value comes next and the index of the keys it already has.
struct Open {
  Json* value;
  std::string key;
  std::unordered_map<std::string, std::size_t> keys;
};

// Builds the document from the parser's events (nlohmann's SAX interface).
class Builder {
 public:
  explicit Builder(std::size_t maxDepth) : maxDepth_(maxDepth) {}

  bool null() { return Add(nullptr); }
  bool boolean(bool v) { return Add(v); }
  bool number_integer(Json::number_integer_t v) { return Add(v); }
  bool number_unsigned(Json::number_unsigned_t v) { return Add(v); }
  bool number_float(Json::number_float_t v, const Json::string_t&) { return Add(v); }
  bool string(Json::string_t& v) { return Add(std::move(v)); }
  bool binary(Json::binary_t&) { return false; }
  bool start_object(std::size_t) { return Enter(Json::object()); }
  bool start_array(std::size_t) { return Enter(Json::array()); }
  bool end_object() { return Leave(); }
  bool end_array() { return Leave(); }
  bool key(Json::string_t& k) {
    open_.back().key = std::move(k);
    return true;
  }
  bool parse_error(std::size_t position, const std::string&, const nlohmann::detail::exception& e) {
    // 406: a number too large for a double, such as 1e400.
    throw FileFormatError("byte " + std::to_string(position),
                          e.id == 406 ? "number out of range" : "not JSON");
  }

  Json Result() { return std::move(root_); }

 private:
  // Places `v` in the innermost open container (or as the root) and
  // returns where it went.
  Json* Place(Json v) {
    if (open_.empty()) {
      root_ = std::move(v);
      return &root_;
    }
    Open& top = open_.back();
    if (top.value->is_array()) {
      top.value->get_ref<Json::array_t&>().push_back(std::move(v));
      return &top.value->back();
    }
    auto& members = Members(*top.value);
    auto [at, added] = top.keys.try_emplace(top.key, members.size());
    if (added)
      members.emplace_back(top.key, std::move(v));
    else
      members[at->second].second = std::move(v);
    return &members[at->second].second;
  }

  bool Add(Json v) {
    Place(std::move(v));
    return true;
  }

  bool Enter(Json container) {
    if (open_.size() == maxDepth_)
      throw FileFormatError(PathOfNext(),
                            "nested deeper than " + std::to_string(maxDepth_) + " levels");
    open_.push_back({Place(std::move(container)), {}, {}});
    return true;
  }

  bool Leave() {
    open_.pop_back();
    return true;
  }

  // The JSON path of the value about to be placed.
  std::string PathOfNext() const {
    std::string path;
    for (const Open& o : open_) {
      // Every open array but the innermost has its open child last.
      const std::size_t size = o.value->size(), index = &o == &open_.back() ? size : size - 1;
      path = o.value->is_array() ? Child(path, index) : Child(path, o.key);
    }
    return path;
  }

  std::size_t maxDepth_;
  Json root_;
  std::vector<Open> open_;
};

}  // namespace

void Append(Json& object, std::string key, Json value) {
  Members(object).emplace_back(std::move(key), std::move(value));
}

Json Parse(std::string_view text, std::size_t maxDepth) {
  Builder builder(maxDepth);
  Json::sax_parse(text.begin(), text.end(), &builder);
  return builder.Result();
}

}  // namespace velkor::sim::json
