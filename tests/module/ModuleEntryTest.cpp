// The two exports and the table they hand out, seen from the host.
#include <cstring>
#include <set>
#include "tests/module/ModuleHostSide.h"

namespace {

const void* Slot(const ModuleTable* table, int index) {
  return reinterpret_cast<const void* const*>(table)[index];
}

// Create sets the IDE inactive, then active, and calls nothing else on the IDE
// or the workspace.
const Expected kInactiveThenActive[] = {
    {"ide", 38, "SetActive", "0"},
    {"ide", 38, "SetActive", "-1"},
};

class ModuleEntryTest : public ModuleHostTest {
 protected:
  void SetUp() override {
    ModuleHostTest::SetUp();
    HWND main = MakeMainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(Activate(main));
  }
};

TEST_F(ModuleEntryTest, ExportsAreFoundByOrdinalAndByName) {
  HMODULE module = loader.module();
  FARPROC create = GetProcAddress(module, MAKEINTRESOURCEA(1));
  FARPROC destroy = GetProcAddress(module, MAKEINTRESOURCEA(2));
  ASSERT_NE(create, nullptr);
  ASSERT_NE(destroy, nullptr);
  EXPECT_EQ(reinterpret_cast<void*>(create), reinterpret_cast<void*>(loader.createFn()));
  EXPECT_EQ(reinterpret_cast<void*>(destroy), reinterpret_cast<void*>(loader.destroyFn()));
  EXPECT_EQ(GetProcAddress(module, MAKEINTRESOURCEA(3)), nullptr);
}

TEST_F(ModuleEntryTest, CreateFillsEverySlotButFourWithDistinctEntriesOfTheModule) {
  ModuleTable* table = Create();
  ASSERT_NE(table, nullptr);
  std::set<const void*> entries;
  for (int i = 0; i < 15; ++i) {
    if (i == 4) continue;
    const void* entry = Slot(table, i);
    EXPECT_NE(entry, nullptr) << "slot " << i;
    EXPECT_TRUE(InImage(loader.module(), entry)) << "slot " << i;
    entries.insert(entry);
  }
  EXPECT_EQ(entries.size(), 14u);
  EXPECT_EQ(Slot(table, 4), nullptr);   // reserved, and set to null
}

TEST_F(ModuleEntryTest, CreateSetsTheIdeInactiveThenActiveAndCallsNothingElse) {
  Create();
  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kInactiveThenActive));
}

TEST_F(ModuleEntryTest, SlotZeroChangesNothing) {
  ModuleTable* table = Create();
  AfxPumpPendingMessages();
  unsigned char before[sizeof(ModuleTable)];
  std::memcpy(before, table, sizeof before);
  for (DWORD value : {0ul, 1ul, 0x8001ul, 0xFFFFFFFFul}) table->reserved0(value);
  EXPECT_EQ(std::memcmp(before, table, sizeof before), 0);
  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kInactiveThenActive));
}

TEST_F(ModuleEntryTest, DestroyCallsNoHostObject) {
  Create();
  AfxPumpPendingMessages();
  loader.Destroy();
  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kInactiveThenActive));
}

}  // namespace
