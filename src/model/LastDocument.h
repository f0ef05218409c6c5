// The trace-info documents read or written last on this thread (a few), with
// the records each stands for. Every host event reads its trend's document,
// which mostly is the one read or written by the event before: comparing
// the text costs a fraction of parsing it again.
#pragma once

#include <string>
#include <string_view>

namespace velkor {

// When `xml` is a document kept, puts its records into gTraces and returns
// true.
bool TakeLastDocument(std::string_view xml);

// Keeps `xml` as a document that gTraces holds completely, as read.
void KeepReadDocument(std::string_view xml);
// Keeps `xml`, just written from gTraces, with the records a reading of it
// would give: text cut at a null character, white space alone read as empty.
void KeepWrittenDocument(std::string_view xml);
// Keeps nothing: the next reading of any document parses.
void ForgetLastDocument();

}  // namespace velkor
