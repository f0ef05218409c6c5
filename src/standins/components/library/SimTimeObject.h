// SimTimeObject ("ZaltDO.ZaltTime"): turns a time text into a date serial,
// reading "*" and offsets against the session's virtual clock at the moment
// the value is asked for.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "control/components/TimeObject.h"

namespace velkor::sim {

class SimTimeObject : public component::TimeObject {
 public:
  static constexpr const char* kProgId = "ZaltDO.ZaltTime";

  std::string TypeName() const override { return "ZaltTime"; }
  void SetText(const std::string& timeText) override { text_ = timeText; }
  // Type mismatch (13) for a text that is no time text, an empty one too.
  double Value() const override;

  // "Text" (get and let), "SetText", "Value" and "DateValue".
  Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) override;

 private:
  std::string text_;
};

}  // namespace velkor::sim
