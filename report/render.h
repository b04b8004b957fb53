#pragma once

#include "core/run.h"
#include "report/report.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace report {

// The report as plain UTF-8 text: the title block, then each part under its heading, tables
// in fixed-width columns, one calculation line a line with its note indented below it.
std::string toText(const Report &report);

// The run and its report as one JSON object, for scripts: {"events": [...], "trace": [...],
// "report": {...}}. The fields are described in docs/report-json.md. Texts that are not valid
// UTF-8 are written with the replacement character; a number that is not finite is null.
std::string toJson(const core::Run &run, const Report &report);

// The width of a text in a fixed-width font: one column for every character (UTF-8 code point).
std::size_t displayWidth(std::string_view text);

} // namespace report
