// ZorvoRegCreate when its table cannot be allocated: the framework's
// out-of-memory exception, and nothing handed out or called before it.
#include <gtest/gtest.h>
#include <cstdlib>
#include <new>
#include "fw/Exceptions.h"
#include "module/HostInterfaces.h"
#include "module/OperationTable.h"
#include "tests/module/RawHost.h"

extern "C" OperationTable* ZorvoRegCreate(IdeApplication* ideApplication, HostWorkspace* workspace);

namespace {
bool g_refuseAllocations = false;
}

// The module's table is its only non-throwing allocation; this program's copy
// of the module code allocates it here, so the test can refuse it.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  if (g_refuseAllocations) return nullptr;
  return std::malloc(size ? size : 1);
}

namespace {

TEST(OutOfMemory, CreateRaisesTheFrameworkExceptionBeforeCallingTheHost) {
  TheRecord().Clear();
  RawObject ide = MakeRawIde();
  RawObject workspace = MakeRawWorkspace();
  bool raised = false;
  OperationTable* table = nullptr;
  g_refuseAllocations = true;
  try {
    table = ZorvoRegCreate(reinterpret_cast<IdeApplication*>(&ide), reinterpret_cast<HostWorkspace*>(&workspace));
  } catch (CMemoryException* e) {
    raised = true;
    e->Delete();
  }
  g_refuseAllocations = false;
  EXPECT_TRUE(raised);
  EXPECT_EQ(table, nullptr);
  EXPECT_TRUE(NothingRecorded(TheRecord().Entries()));   // neither the IDE nor the workspace
}

}  // namespace
