// How a host session's process keeps its heap. Every host event parses the
// trend's trace-info document and frees it again; glibc gives large freed
// blocks back to the system at once, so the next event would fault the same
// pages in anew. A session keeps them instead.
#pragma once

namespace velkor::sim {

// Call once at the start of the process, before the session allocates.
void KeepFreedMemory();

}  // namespace velkor::sim
