// Scenario: a scripted session against the host stand-in, as read from a
// scenario file (docs/scenarios.md). The set-up is read into plain values;
// the steps stay JSON, checked when the file is read and run one by one.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/Variant.h"
#include "standins/host/VariantJson.h"

namespace velkor::sim::scenario {

struct SheetSetup {
  std::string name;
  std::string codeName;  // empty: the next free "SheetN"
  Json cells;            // {"A1": value}
  bool isProtected = false;
};

struct WorkbookSetup {
  std::string name;
  std::vector<SheetSetup> sheets;
};

struct ActiveSetup {
  std::string workbook, sheet, cell;  // empty: keep what is active
};

// Where the archive data control reads from: the demo archive unless the
// scenario names a database file or lists points and values inline.
struct ArchiveSetup {
  enum class Kind { Demo, File, Inline } kind = Kind::Demo;
  std::string file;
  Json points;  // Inline: [{"server", "tag", "values": [["2026-12-07T06:00:00", 1.5], ...]}]
};

struct Scenario {
  std::filesystem::path file;
  std::optional<DateValue> clock;
  std::optional<std::int32_t> hostLanguage;
  std::optional<ArchiveSetup> archive;
  std::vector<WorkbookSetup> workbooks;
  std::optional<ActiveSetup> active;
  Json steps = Json::array();
};

// A workbook as the set-up and the open step describe it:
// {"name", "sheets": [{"name", "codeName", "cells": {"A1": value}}]}.
WorkbookSetup ParseWorkbookSetup(const Json& json, const std::string& path);

// Reads and checks a scenario. Throws FileFormatError at the JSON path of
// the first fault ("/steps/3/args"); a file that cannot be read is a fault
// at "".
Scenario ReadScenarioFile(const std::filesystem::path& file);
Scenario ParseScenario(std::string_view text, const std::filesystem::path& file);

// "step 4, field args" for "/steps/3/args" (steps count from 1 for people);
// other paths as "field archive".
std::string DescribePlace(const std::string& path);

}  // namespace velkor::sim::scenario
