#pragma once
// What the jump tests need of a host: a host tag object and a bare workspace of
// the test's own (laid out by position, without the module's declarations),
// the module loaded with the reference IDE, and a source file on disk.
#include <windows.h>
#include <initializer_list>
#include <string>
#include <vector>
#include <gtest/gtest.h>
#include "host/ide/ReferenceIde.h"
#include "host/addin/ModuleLoader.h"
#include "tests/support/ExpectedSequence.h"

// A host tag object: the operations at positions 0, 2, 3, 4, 6, 7, 11, 12 and
// 14; the other positions are never called. Every call goes into the record,
// its source the tag's name.
class TestTag {
 public:
  TestTag(std::string name, std::string fileName, int line, std::string searchString = "")
      : name(std::move(name)), fileName(std::move(fileName)), searchString(std::move(searchString)),
        line(line) {}

  std::string name;
  std::string fileName;
  std::string searchString;
  int line;
};

// The tag as the module sees it: a table of member functions (thiscall) at fixed positions.
void* AsHostTag(TestTag& tag);

// The host workspace interface: twelve positions that do nothing.
void* RawWorkspace();

// Loads ZorvoReg.mod afresh for every test with a reference IDE whose main
// window is a top-level window of the test, its calls going into the record
// (cleared once the module is created); writes the source file used by the
// jumps.
class TagJumpTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The go-to-tag (slot 14) and last-tag (slot 13) entries.
  bool GoToTag(TestTag* tag);
  void* LastTag();
  // A tag of the sample file.
  TestTag SampleTag(const std::string& name, int line, const std::string& searchString = "") {
    return TestTag(name, m_sampleFile, line, searchString);
  }

  ReferenceIde ide;
  ModuleLoader loader;
  ModuleTable* table = nullptr;
  std::string m_sampleFile;   // full path, ANSI
  HWND m_mainWindow = nullptr;
};

// References held on the IDE's documents collection, every document and every
// selection together (the application object itself not included).
long LiveIdeReferences(ReferenceIde& ide);
// Views of the record: the calls without IUnknown's (queries, AddRef,
// Release), or with the queries; those to the operations named; the IDE's
// AddRef and Release calls, or its releases alone.
std::vector<RecordEntry> JumpCalls();
std::vector<RecordEntry> CallsAndQueries();
std::vector<RecordEntry> CallsTo(std::initializer_list<const char*> operations);
std::vector<RecordEntry> References();
std::vector<RecordEntry> Releases();

// Writes lines (ANSI, "\r\n" after each) into the file.
void WriteLines(const std::string& path, const std::vector<std::string>& lines);
