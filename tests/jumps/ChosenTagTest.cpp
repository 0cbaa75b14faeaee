// Tags that ctags wrote from fixtures/, chosen as the tag browser chooses
// them: the host's jump line, then the module's go-to-tag entry with the
// reference IDE. The caret must land on the tag's line, in the file as it was
// tagged, as it was edited afterwards, and as the IDE holds it open.
#include <gtest/gtest.h>
#include <windows.h>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>
#include "fw/Wnd.h"
#include "host/jumplines/ChosenTag.h"
#include "host/script/MessageBoxWatcher.h"
#include "host/jumplines/JumpLine.h"
#include "host/tagstore/TagSet.h"
#include "host/ide/AnsiText.h"
#include "host/addin/ModuleLoader.h"
#include "host/addin/Workspace.h"

namespace {

std::string Folder() { return std::string(static_cast<const char*>(ModuleLoader::ExecutableFolder())); }

std::vector<std::string> ReadLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

void WriteLines(const std::string& path, const std::vector<std::string>& lines) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  for (const std::string& line : lines) out << line << "\n";
}

class ChosenTag : public ::testing::Test {
 protected:
  void SetUp() override {
    // A copy of the tagged fixtures, which the tests may edit.
    m_folder = Folder() + "jump-work-" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(m_folder.c_str(), nullptr);
    for (const char* name : {"widgets.h", "tags"}) {
      ASSERT_TRUE(CopyFileA((Folder() + "jump-fixtures\\" + name).c_str(), (m_folder + name).c_str(), FALSE));
    }
    ASSERT_TRUE(tags.Load((m_folder + "tags").c_str()));
    RECT rect = {20, 20, 420, 320};
    m_frame.CreateEx(0, nullptr, "IDE", WS_OVERLAPPEDWINDOW | WS_VISIBLE, rect, static_cast<HWND>(nullptr), 0);
    ide.SetMainWindow(m_frame.GetSafeHwnd());
    SetActiveWindow(m_frame.GetSafeHwnd());
    ASSERT_TRUE(m_module.Load());
    m_table = m_module.Create(ide.Application(), &m_workspace);
    AfxPumpPendingMessages();
  }

  void TearDown() override {
    m_module.Destroy();
    AfxPumpPendingMessages();
    m_module.Unload();
    m_frame.DestroyWindow();
    DeleteFileA((m_folder + "widgets.h").c_str());
    DeleteFileA((m_folder + "tags").c_str());
    RemoveDirectoryA(m_folder.c_str());
  }

  // Chooses the tag; the caret's line afterwards, 0 when nothing was shown.
  int Choose(TagEntry* tag) {
    m_status = PrepareJump(tags, ide, tag);
    m_reported = tag->GetLine();
    return m_table->goToTag(tag) ? ide.CaretLine() : 0;
  }

  // The tag of that name whose tags-file line is `line`.
  TagEntry* Tag(const std::string& name, int line) {
    for (size_t i = 0; i < tags.tags().size(); ++i) {
      if (tags.tags()[i]->Name() == name && tags.tags()[i]->TagsLine() == line) return tags.tags()[i];
    }
    ADD_FAILURE() << "no tag " << name << " at line " << line;
    return nullptr;
  }

  std::string Widgets() const { return m_folder + "widgets.h"; }

  TagSet tags;
  ReferenceIde ide;
  int m_reported = 0;   // what the tag reported to the module in the last Choose
  std::string m_status;  // what the status line said about it

 private:
  std::string m_folder;
  CWnd m_frame;
  Workspace m_workspace;
  ModuleLoader m_module;
  ModuleTable* m_table = nullptr;
};

TEST_F(ChosenTag, EveryTagLandsOnItsLineAndSearchesWhereTheSearchFindsIt) {
  ASSERT_EQ(tags.tags().size(), 16u);
  for (size_t i = 0; i < tags.tags().size(); ++i) {
    const CtagsEntry entry = tags.EntryAt(i);
    EXPECT_EQ(Choose(tags.tags()[i]), entry.line) << entry.name << " at " << entry.line;
  }
  struct Reported { const char* name; int line; int reported; };
  const Reported reported[] = {
      {"Draw", 18, -1},         {"Draw", 23, 23},       // the same override in two classes
      {"WIDTH", 4, -1},         {"WIDTH", 6, 6},        // #define cut after the name, in #if branches
      {"HEIGHT", 9, 9},                                 // its cut text in a comment above it
      {"setnetgrent", 28, 28},                          // its text inside a longer prototype above it
      {"Resize", 36, -1},                               // the whole long line, not 96 characters of it
      {"price", 33, -1},        {"Perimeter", 39, -1},
  };
  for (const Reported& r : reported) {
    Choose(Tag(r.name, r.line));
    EXPECT_EQ(m_reported, r.reported) << r.name << " at " << r.line;
  }
}

TEST_F(ChosenTag, PatternsAreTheWholeSourceLinesUnescaped) {
  std::vector<std::string> lines = ReadLines(Widgets());
  for (size_t i = 0; i < tags.tags().size(); ++i) {
    const CtagsEntry entry = tags.EntryAt(i);
    ASSERT_GE(entry.line, 1);
    const std::string& text = lines[entry.line - 1];
    std::string expected = entry.kind == "macro" ? text.substr(0, text.find(entry.name) + entry.name.size() + 1)
                                                 : text + "$";
    EXPECT_EQ(entry.searchString, "^" + expected) << entry.name;
    EXPECT_STREQ(tags.tags()[i]->GetSearchString(), entry.searchString.c_str());
  }
}

TEST_F(ChosenTag, AfterEditsUniqueLinesMoveWithTheTextAndARemovedDefinitionGetsTheMessage) {
  // One line added at the top; Perimeter's definition line (39) removed.
  std::vector<std::string> lines = ReadLines(Widgets());
  lines.erase(lines.begin() + 38);
  lines.insert(lines.begin(), "// a line added after tagging");
  WriteLines(Widgets(), lines);
  MessageBoxWatcher boxes(10);
  for (size_t i = 0; i < tags.tags().size(); ++i) {
    const CtagsEntry entry = tags.EntryAt(i);
    if (entry.name == "Perimeter") continue;
    // The second WIDTH is as near to its old line as its twin is: the one
    // below wins, the right one after lines added above.
    EXPECT_EQ(Choose(tags.tags()[i]), entry.line + 1) << entry.name << " at " << entry.line;
  }
  EXPECT_TRUE(boxes.TakeTexts().empty());
  EXPECT_EQ(Choose(Tag("Perimeter", 39)), 0);
  EXPECT_EQ(m_reported, -1);
  std::vector<std::string> texts = boxes.TakeTexts();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].substr(0, texts[0].find_last_not_of('\n') + 1),
            "Unable to find Perimeter.  Please save all files and refresh the tags.");
}

TEST_F(ChosenTag, TheOpenDocumentIsTheTextThatCountsNotTheFileOnDisk) {
  ASSERT_NE(ide.Documents().Open(AnsiToWide(Widgets())), nullptr);
  // Five lines added on disk only: the IDE still shows the text as tagged.
  std::vector<std::string> lines = ReadLines(Widgets());
  lines.insert(lines.begin(), 5, "// added on disk");
  WriteLines(Widgets(), lines);
  EXPECT_EQ(Choose(Tag("Draw", 23)), 23);
  EXPECT_EQ(Choose(Tag("WIDTH", 6)), 6);
  EXPECT_EQ(Choose(Tag("setnetgrent", 28)), 28);
}

TEST_F(ChosenTag, ByLineTheTagsFileLinesStandAndEditsGoUnnoticed) {
  tags.SetJumpByLine(true);
  std::vector<std::string> lines = ReadLines(Widgets());
  lines.insert(lines.begin(), "// a line added after tagging");
  WriteLines(Widgets(), lines);
  EXPECT_EQ(Choose(Tag("Perimeter", 39)), 39);
  EXPECT_EQ(m_reported, 39);
  EXPECT_EQ(Choose(Tag("Draw", 23)), 23);
}

// Square's and Circle's "  void Draw() override;" (lines 18 and 23) after a
// third copy of the line is added above them, as a class's or inside a comment.
TEST_F(ChosenTag, TheSameOverrideKeepsItsClassWhenACopyIsAddedAboveIt) {
  std::vector<std::string> lines = ReadLines(Widgets());
  lines.insert(lines.begin() + 14, {"", "class Triangle : public Shape {", " public:", "  void Draw() override;", "};"});
  lines.insert(lines.begin(), "// a line added after tagging");
  WriteLines(Widgets(), lines);
  EXPECT_EQ(Choose(Tag("Draw", 18)), 24);
  EXPECT_EQ(Choose(Tag("Draw", 23)), 29);
  EXPECT_EQ(Choose(Tag("Circle", 16)), 22);
}

TEST_F(ChosenTag, TheSameOverrideKeepsItsClassWhenACommentAboveItHoldsACopy) {
  std::vector<std::string> lines = ReadLines(Widgets());
  lines.insert(lines.begin() + 14, {"/* Circle's Draw, as it was:", "  void Draw() override;", "*/"});
  WriteLines(Widgets(), lines);
  EXPECT_EQ(Choose(Tag("Draw", 18)), 21);
  EXPECT_EQ(Choose(Tag("Draw", 23)), 26);
  EXPECT_EQ(m_status, "");
}

// A definition removed while another line keeps its text: the caret goes to
// the first such line, and the status line says the definition is not where
// the tags say. The other copy, still there, is reached without a word.
TEST_F(ChosenTag, ARemovedDefinitionWhoseTextSurvivesLandsOnThatLineWithAWord) {
  std::vector<std::string> lines = ReadLines(Widgets());
  lines.erase(lines.begin() + 27);   // setnetgrent's definition; its name stays in the prototype on line 26
  lines.erase(lines.begin() + 17);   // Circle's Draw; Square's stays
  WriteLines(Widgets(), lines);
  MessageBoxWatcher boxes(10);
  EXPECT_EQ(Choose(Tag("setnetgrent", 28)), 25);
  EXPECT_EQ(m_status, NotWhereTheTagsSay(*tags.EntryOf(Tag("setnetgrent", 28))));
  EXPECT_EQ(m_status.compare(0, 47, "setnetgrent: not found where the tags say (line"), 0) << m_status;
  EXPECT_EQ(Choose(Tag("Draw", 18)), 22);
  EXPECT_EQ(m_status, NotWhereTheTagsSay(*tags.EntryOf(Tag("Draw", 18))));
  EXPECT_EQ(Choose(Tag("Draw", 23)), 22);
  EXPECT_EQ(m_status, "");
  EXPECT_TRUE(boxes.TakeTexts().empty());
}

}  // namespace
