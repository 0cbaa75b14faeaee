#pragma once
// What the module tests need of a host: the loaded module with raw host
// objects, top-level windows that can be made active, and window lookups.
#include <windows.h>
#include <vector>
#include <gtest/gtest.h>
#include "host/addin/ModuleLoader.h"
#include "tests/module/RawHost.h"

// Loads ZorvoReg.mod afresh for every test, the record cleared; destroys,
// unloads and removes the test's windows afterwards.
class ModuleHostTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  ModuleTable* Create() { return loader.Create(&ide, &workspace); }

  // A visible top-level window (owner null) or an owned pop-up.
  HWND MakeMainWindow();
  HWND MakeOwnedPopup(HWND owner);
  // Makes hwnd the active window of this thread; false when it did not become so.
  static bool Activate(HWND hwnd);
  void DestroyWindows();

  ModuleLoader loader;
  RawObject ide;
  RawObject workspace;

 private:
  std::vector<HWND> m_windows;
};

// Direct children of parent; message-only windows when parent is HWND_MESSAGE.
std::vector<HWND> ChildWindows(HWND parent);
// The windows of after that are not in before.
std::vector<HWND> NewWindows(const std::vector<HWND>& before, const std::vector<HWND>& after);
// Whether address lies in the loaded image of module.
bool InImage(HMODULE module, const void* address);
