// zorvoreg-jumpcheck: how exactly the host's jumps land. For every tag of a
// tags file it does what the tag browser does when a tag is chosen (the
// host's jump line, then the module's go-to-tag entry with the reference
// IDE) and compares the caret's line with the tags file's line:N.
//   zorvoreg-jumpcheck --tags FILE [--edit] [--lines | --search] [--show N]
// --edit first edits the tagged files (TreeEdit.h) and expects each tag on
// its moved line, or the module's message where its definition was removed.
// A removed definition whose text another line keeps gets no message: the
// module's search stops on that line, and the host's status line must say
// that the definition is not where the tags say. Those are counted apart,
// with where the caret went. Every miss is counted by its cause as well: a
// repeated line, a removed definition, or other.
// --lines jumps by the tags file's lines (zorvoreg-host --lines); --search
// always lets the module search (the host before it chose jump lines).
#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include "fw/WinApp.h"
#include "host/jumplines/ChosenTag.h"
#include "host/app/HostOptions.h"
#include "host/tools/jumpcheck/JumpRunner.h"
#include "host/tools/jumpcheck/JumpTally.h"
#include "host/tools/jumpcheck/TreeEdit.h"
#include "host/jumplines/JumpLine.h"
#include "host/jumplines/TagPattern.h"
#include "host/ide/AnsiText.h"

namespace {

class JumpCheckApp : public CWinApp {
 public:
  JumpCheckApp() : CWinApp("zorvoreg-jumpcheck") {}
};
JumpCheckApp theApp;

struct Options {
  std::string tags;
  bool edit = false;
  bool lines = false;
  bool search = false;
  size_t show = 10;
};

int Usage() {
  std::fprintf(stderr, "usage: zorvoreg-jumpcheck --tags FILE [--edit] [--lines | --search] [--show N]\n");
  return 2;
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "zorvoreg-jumpcheck: %s\n", message.c_str());
  return 2;
}

bool Parse(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--edit") options.edit = true;
    else if (arg == "--lines") options.lines = true;
    else if (arg == "--search") options.search = true;
    else if (arg == "--tags" && i + 1 < argc) options.tags = argv[++i];
    else if (arg == "--show" && i + 1 < argc) options.show = static_cast<size_t>(std::atoi(argv[++i]));
    else return false;
  }
  return !options.tags.empty() && !(options.lines && options.search);
}

// How many lines of its file, as the file is now, hold each tag's pattern.
std::vector<int> PatternCopies(const TagSet& tags) {
  std::map<std::string, std::vector<size_t>> byFile;
  for (size_t i = 0; i < tags.tags().size(); ++i) byFile[tags.tags()[i]->FileName()].push_back(i);
  std::vector<int> copies(tags.tags().size(), 0);
  for (const auto& file : byFile) {
    std::vector<std::wstring> lines;
    if (!ReadTextFileLines(AnsiToWide(file.first), lines)) continue;
    for (size_t index : file.second) {
      TagPattern pattern(tags.EntryAt(index));
      for (const std::wstring& line : lines) copies[index] += pattern.HeldBy(line) ? 1 : 0;
    }
  }
  return copies;
}

// Whether the jump did what it should: land on `expected` without a word,
// or, with expected 0 (a removed definition), show the module's message and
// nothing else.
bool Exact(const JumpOutcome& outcome, int expected, const std::string& name) {
  if (expected > 0) return outcome.shown && outcome.caret == expected && outcome.boxes.empty() && outcome.status.empty();
  std::string message = "Unable to find " + name + ".  Please save all files and refresh the tags.";
  // The box's text may or may not keep the message's closing line feed.
  return !outcome.shown && outcome.boxes.size() == 1 &&
         (outcome.boxes[0] == message || outcome.boxes[0] == message + "\n") && outcome.status.empty();
}

std::string DescribeMiss(const CtagsEntry& entry, const TagEntry* tag, const JumpOutcome& outcome,
                         const std::string& wanted) {
  std::string what = entry.name + " (" + entry.kind + ") " + tag->FileName() + ":" +
                     std::to_string(entry.line) + ": expected " + wanted + ", ";
  what += !outcome.boxes.empty() ? "a message box: " + outcome.boxes[0]
          : outcome.shown        ? "caret at line " + std::to_string(outcome.caret)
                                 : "nothing shown";
  if (!outcome.status.empty()) what += ", status line: " + outcome.status;
  return what + " (reported line " + std::to_string(outcome.reported) + ")";
}

// Where the caret went for a tag whose definition is gone while another line
// of its file still holds its searched text, and what the status line said.
std::string Landing(const JumpOutcome& outcome, const CtagsEntry& entry, const TagEntry* tag) {
  if (!outcome.boxes.empty()) return "a message box";
  if (!outcome.shown) return "nothing shown";
  std::vector<std::wstring> lines;
  std::wstring searched = AnsiToWide(ModuleSearchText(entry.searchString));
  bool onText = ReadTextFileLines(AnsiToWide(tag->FileName()), lines) && outcome.caret >= 1 &&
                outcome.caret <= static_cast<int>(lines.size()) &&
                lines[outcome.caret - 1].find(searched) != std::wstring::npos;
  std::string where = onText ? "on a line holding its text" : "on another line";
  return where + (outcome.status == NotWhereTheTagsSay(entry) ? ", the status line saying so"
                  : outcome.status.empty()                    ? ", no word"
                                                              : ", another word");
}

// The one landing that is right for such a tag.
const char* const kRightLanding = "on a line holding its text, the status line saying so";

double Seconds(const LARGE_INTEGER& from) {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(now.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!Parse(argc, argv, options)) return Usage();
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  std::string profile = std::string(temp) + "zorvoreg-jumpcheck-" + std::to_string(GetCurrentProcessId()) + ".ini";
  theApp.SetProfilePath(profile.c_str());

  TagSet tags;
  std::string tagsPath = FullPath(options.tags);
  if (!tags.Load(tagsPath.c_str())) return Fail("cannot read " + tagsPath);
  std::printf("jump check: %s\n", tagsPath.c_str());
  std::printf("  %u tags the browser shows (%d lines not understood, %d tags of kinds it does not show)\n",
              static_cast<unsigned>(tags.tags().size()), tags.invalidLines(), tags.skippedKinds());
  TreeEdits edits;
  std::string error;
  if (options.edit && !EditTree(tags, edits, error)) return Fail(error);
  if (options.edit) {
    std::printf("  edited %d files after tagging: %d lines inserted at the top, %d above the middle tag, "
                "%d definitions removed whose text is nowhere else, %d whose text another line keeps\n",
                edits.files, kTopInsertedLines, kMiddleInsertedLines, edits.removedLines, edits.textLeftLines);
  }
  tags.SetJumpByLine(options.lines);
  std::printf("  jump lines: %s\n", options.lines    ? "the tags file's (--lines)"
                                    : options.search ? "none, the module searches every pattern (--search)"
                                                     : "chosen by the host when each tag is chosen");
  std::vector<int> copies = PatternCopies(tags);
  std::fflush(stdout);

  {
    JumpRunner runner;
    if (!runner.Start()) return Fail("cannot load ZorvoReg.mod");
    JumpTally tally(options.show);
    long byLine = 0;
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    for (size_t i = 0; i < tags.tags().size(); ++i) {
      // A long check shows that it is moving, on the error stream beside the figures.
      if (i % 10000 == 0 && i > 0)
        std::fprintf(stderr, "  %u of %u jumps, %.0f s\n", static_cast<unsigned>(i),
                     static_cast<unsigned>(tags.tags().size()), Seconds(start));
      TagEntry* tag = tags.tags()[i];
      const CtagsEntry entry = tags.EntryAt(i);
      int expected = options.edit ? edits.newLine[i] : entry.line;
      if (expected < 0) continue;   // no line to compare with
      JumpOutcome outcome = runner.Jump(tags, tag, options.search);
      byLine += outcome.reported != -1;
      bool textLeft = options.edit && edits.edit[i] == TagEdit::TextLeft;
      std::string landing = textLeft ? Landing(outcome, entry, tag) : std::string();
      bool exact = textLeft ? landing == kRightLanding : Exact(outcome, expected, entry.name);
      std::string wanted = textLeft        ? std::string("the caret ") + kRightLanding
                           : expected > 0  ? "line " + std::to_string(expected)
                                           : std::string("the module's message");
      tally.Add("all tags", entry.kind, exact, exact ? "" : DescribeMiss(entry, tag, outcome, wanted));
      tally.Add("all tags, by cause", expected == 0 ? "removed" : copies[i] > 1 ? "repeated line" : "other", exact, "",
                "cause");
      if (textLeft) {
        tally.Add("definition removed, text left elsewhere", exact ? "" : landing, exact, "", "where the caret went");
        continue;
      }
      std::string group = expected == 0     ? "definition removed (message)"
                          : copies[i] <= 1  ? "pattern on one line"
                                            : "pattern on several lines";
      tally.Add(group, entry.kind, exact, "");
    }
    double seconds = Seconds(start);
    tally.Print();
    std::printf("  %ld jumps went by line, the others by the module's search\n", byLine);
    std::printf("  %.1f s for %u jumps\n", seconds, static_cast<unsigned>(tags.tags().size()));
    std::fflush(stdout);
  }
  DeleteFileA(profile.c_str());
  return 0;
}
