// HostHold: whether a control works with the thread's host application
// (gAppExcel). Every control of a thread shares that one reference, so a
// control torn down with its closing workbook may drop it only when no
// control of another workbook still holds it: otherwise those trends would
// stop following their cells and their commands would find no host.
#pragma once

namespace velkor {

class HostHold {
 public:
  HostHold() = default;
  HostHold(const HostHold&) = delete;
  HostHold& operator=(const HostHold&) = delete;
  ~HostHold() { Release(); }

  void Take();
  void Release();
  // Whether any control of the calling thread holds the host.
  static bool AnyHeld();

 private:
  bool held_ = false;
};

}  // namespace velkor
