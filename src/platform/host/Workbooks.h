// Workbooks: the collection of the host's open workbooks, in opening order.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Object.h"
#include "platform/host/HostFwd.h"

namespace velkor::host {

class Workbooks : public Object {
 public:
  std::string TypeName() const override { return "Workbooks"; }

  virtual std::int32_t Count() const = 0;
  // By 1-based position or by name (letter case ignored); Subscript out of
  // range (9) when there is no such workbook.
  virtual WorkbookPtr Item(const Variant& index) = 0;
  // A new empty workbook, which becomes the active one.
  virtual WorkbookPtr Add() = 0;
  // Opens a saved workbook, makes it active and raises WorkbookOpen.
  virtual WorkbookPtr Open(std::string_view path) = 0;
  // Closes every workbook; a workbook whose close is cancelled stays open.
  virtual void Close() = 0;
  // The workbooks in collection order, as a snapshot that later opening or
  // closing does not disturb.
  virtual std::vector<WorkbookPtr> Enumerate() = 0;

  Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) override;
};

}  // namespace velkor::host
