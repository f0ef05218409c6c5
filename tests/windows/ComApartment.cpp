// One single-threaded COM apartment for the whole test program, entered
// before the first test and left after the last. Linked into each Windows
// test program whose tests use COM on the main thread.
#include <windows.h>

#include <objbase.h>

#include <gtest/gtest.h>

namespace {

class Apartment : public ::testing::Environment {
 public:
  void SetUp() override { ASSERT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK); }
  void TearDown() override { CoUninitialize(); }
};
[[maybe_unused]] ::testing::Environment* const apartment =
    ::testing::AddGlobalTestEnvironment(new Apartment);

}  // namespace
