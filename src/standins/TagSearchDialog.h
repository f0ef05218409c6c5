// TagSearchDialog: the stand-in for the product family's tag-search dialog.
// It answers with the points a scenario or test scripted for it.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/Object.h"

namespace velkor::sim {

// Queues the points (server, tag) that the user picks in the next dialog
// shown on the calling thread. Each call scripts one dialog.
void ScriptTagSearch(std::vector<std::array<std::string, 2>> rows);
// Drops every scripted dialog of the calling thread.
void ClearTagSearchScript();

class TagSearchDialog : public Object {
 public:
  std::string TypeName() const override { return "TagSearchDialog"; }

  // "ShowDialog"(hwndParent As Long): the next scripted points as a
  // two-dimensional array, rows from 0, column 0 the server and column 1 the
  // tag; with nothing scripted, an array of no rows (the user cancelled).
  Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) override;

  // The parent window of the last ShowDialog call.
  std::int32_t lastParent() const { return lastParent_; }

 private:
  std::int32_t lastParent_ = 0;
};

}  // namespace velkor::sim
