#pragma once
// The host side of the extra-files tests: ZorvoReg.mod loaded once for the
// program with the host workspace (its calls going into the record, cleared
// for each test), a fresh folder per test holding the extra-files file, and
// byte-level helpers for the file.
#include <windows.h>
#include <string>
#include <vector>
#include <gtest/gtest.h>
#include "host/addin/HostExtraFileList.h"
#include "host/addin/ModuleTable.h"
#include "host/addin/Workspace.h"
#include "tests/extrafiles/FolderSnapshot.h"
#include "tests/support/ExpectedSequence.h"

ModuleTable* Table();
Workspace& TheWorkspace();

class ExtraFilesTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The module's list, read through GetExtraFiles.
  std::vector<HostExtraFileEntry> ModuleEntries();
  // Replaces the module's list through SetExtraFiles.
  void SetModuleEntries(const std::vector<HostExtraFileEntry>& entries);
  bool Load(bool synchronise) { return Table()->loadExtraFiles(synchronise); }
  bool Save() { return Table()->saveExtraFiles(); }

  CString folder;   // this test's own folder, removed afterwards
  CString path;     // the extra-files path the workspace hands out
};

// Whole-file helpers; ReadBytes gives "" for a missing file.
std::string ReadBytes(const char* file);
void WriteBytes(const char* file, const std::string& bytes);
bool Exists(const char* file);

// The file image of entries, as an independent writer makes it.
std::string Image(const std::vector<HostExtraFileEntry>& entries);
// Toggles the scrambling of a whole image (from offset 6).
std::string Scrambled(std::string image);
std::string Hex(const std::string& bytes);
