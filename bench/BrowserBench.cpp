// The reference host on a real source tree (a tags file of it and its
// folder, given by scripts/bench): its start and memory (StartupBench.cpp);
// and how long one key typed into a filter of the tag browser over all the
// tags takes until the list has repainted, against the list's repaint alone,
// and the search alone.
#include <windows.h>
#include <commctrl.h>
#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/Groups.h"
#include "bench/ModuleSession.h"
#include "bench/StartupBench.h"
#include "host/tagstore/TagSet.h"
#include "host/filterdialogs/SubstringFilter.h"
#include "host/filterdialogs/TagBrowserDialog.h"

namespace bench {

namespace {

constexpr double kKeyTarget = 0.050;    // seconds from a key to the repainted list, at most
// What the number of tags may add to a key's median over the same key typed
// over a few hundred tags (the floor: the messages and the painting).
constexpr double kKeyOverFloor = 0.010;

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Handles everything queued, paints included, without waiting for more.
void Drain(HWND list) {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (AfxPreTranslateMessage(&msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  RedrawWindow(list, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// Seconds from posting the key (as the keyboard does: down, up) to its list repainted.
double KeySeconds(HWND edit, HWND list, UINT vk) {
  LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(vk, 0)) << 16;
  double start = Now();
  PostMessageA(edit, WM_KEYDOWN, vk, 1 | scan);
  PostMessageA(edit, WM_KEYUP, vk, 1 | scan | (1 << 30) | (1u << 31));
  Drain(list);
  return Now() - start;
}

// The keys of one run, by kind, in seconds.
struct KeyTimes {
  std::vector<double> first, growing, back, parent;
};

// A tag browser open over a set of tags, with the module attached.
class OpenBrowser {
 public:
  OpenBrowser(ModuleTable* table, const std::vector<TagEntry*>& tags, DWORD dialogId) : m_dialog(table, dialogId) {
    m_dialog.SetTags(tags);
    if (!m_dialog.CreateModeless(nullptr)) return;
    m_dialog.ShowWindow(SW_SHOW);
    m_list = m_dialog.ItemHwnd(TagBrowserDialog::kListId);
    m_tagEdit = m_dialog.EditOf(TagBrowserDialog::kTagComboId);
    m_parentEdit = m_dialog.EditOf(TagBrowserDialog::kParentComboId);
    Drain(m_list);
  }
  bool open() const { return m_list != nullptr; }
  LRESULT rows() const { return SendMessageA(m_list, LVM_GETITEMCOUNT, 0, 0); }

  // Types "malloc" into the tag filter and takes it back, then "tcb::" into
  // the parent filter and takes that back.
  void TypeRun(KeyTimes& times) {
    const char* word = "malloc";
    for (const char* p = word; *p; ++p)
      (p == word ? times.first : times.growing).push_back(KeySeconds(m_tagEdit, m_list, static_cast<UINT>(toupper(*p))));
    for (const char* p = word; *p; ++p) times.back.push_back(KeySeconds(m_tagEdit, m_list, VK_BACK));
    // ':' is typed as its character (Shift+';' on this keyboard).
    for (const char* p = "tcb::"; *p; ++p) {
      double start = Now();
      if (*p == ':') {
        PostMessageA(m_parentEdit, WM_CHAR, ':', 1);
        Drain(m_list);
      } else {
        KeySeconds(m_parentEdit, m_list, static_cast<UINT>(toupper(*p)));
      }
      times.parent.push_back(Now() - start);
    }
    for (int i = 0; i < 5; ++i) KeySeconds(m_parentEdit, m_list, VK_BACK);
  }

  // The list's rows in view painted again, nothing else.
  double RepaintSeconds() {
    double start = Now();
    RedrawWindow(m_list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Drain(m_list);
    return Now() - start;
  }

 private:
  TagBrowserDialog m_dialog;
  HWND m_list = nullptr;
  HWND m_tagEdit = nullptr;
  HWND m_parentEdit = nullptr;
};

void AddKeyRow(Table& table, const char* measure, const std::string& size, const std::vector<double>& times,
               const std::vector<double>& floorTimes) {
  double worst = 0;
  for (double time : times) worst = time > worst ? time : worst;
  const double median = Median(times), floor = Median(floorTimes);
  Row row = MakeRow(measure, size, "ms", median * 1e3, floor * 1e3);
  row.ratioText = "max " + Figure(worst * 1e3);
  row.target = "max < 50, floor + 10";
  row.verdict = worst < kKeyTarget && median <= floor + kKeyOverFloor ? Verdict::Pass : Verdict::Miss;
  table.Add(row);
}

// The search alone over the keys the tag browser builds, and their making.
void MeasureSearch(const Options& options, Table& table, const std::vector<TagEntry*>& tags, const std::string& size) {
  const int runs = options.Runs(21);
  double made = MedianSeconds(options.Runs(5), [&] { TagBrowserDialog::KeysOf(tags); });
  SubstringFilter filter = TagBrowserDialog::KeysOf(tags);
  // A needle that holds no part of the one before it searches every tag.
  double full = MedianSeconds(runs, [&] { filter.Apply({"", "", "x"}); }, [&] { filter.Apply({"m", "", ""}); });
  double narrowed = MedianSeconds(runs, [&] { filter.Apply({"m", "", ""}); }, [&] { filter.Apply({"ma", "", ""}); });
  double back = MedianSeconds(runs, [&] { filter.Apply({"m", "", ""}), filter.Apply({"ma", "", ""}); },
                              [&] { filter.Apply({"m", "", ""}); });
  double qualified = MedianSeconds(runs, [&] { filter.Apply({"", "tcb", ""}); }, [&] { filter.Apply({"", "", "tcb:"}); });
  table.Add(MakeRow("keys made for the filter (KeysOf)", size, "ms", made * 1e3));
  table.Add(MakeRow("search alone, all tags (\"m\")", size, "ms", full * 1e3));
  table.Add(MakeRow("search alone, narrowed (\"m\" to \"ma\")", size, "ms", narrowed * 1e3));
  table.Add(MakeRow("search alone, Back (\"ma\" to \"m\", kept)", size, "ms", back * 1e3));
  table.Add(MakeRow("search alone, qualified parent (\"tcb:\")", size, "ms", qualified * 1e3));
}

// Keys typed into the tag browser over every tag, against the same keys over
// only the tags that the typed filters find (the rows in view are the same:
// what is left is what the number of tags costs).
void MeasureFilterKeys(const Options& options, Table& table) {
  TagSet tags;
  if (!tags.Load(options.tags)) return;
  std::vector<TagEntry*> matching;
  for (TagEntry* tag : tags.tags()) {
    std::string name = SubstringFilter::Lower(tag->Name());
    std::string parent = SubstringFilter::Lower(tag->Scope());
    if (name.find("malloc") != std::string::npos || parent.find("tcb") != std::string::npos) matching.push_back(tag);
  }
  ModuleSession module;
  if (!module.Load() || !module.Create()) {
    fprintf(stderr, "browser: the module could not be loaded\n");
    return;
  }
  // The module drives one tag browser at a time: the two take turns.
  KeyTimes allTimes, fewTimes;
  std::vector<double> repaints;
  for (int run = 0; run < options.Runs(5); ++run) {
    {
      OpenBrowser all(module.Table(), tags.tags(), 0x7E0);
      if (!all.open()) return;
      all.TypeRun(allTimes);
      repaints.push_back(all.RepaintSeconds());
      if (all.rows() != static_cast<LRESULT>(tags.tags().size()))
        fprintf(stderr, "browser: the filters did not come back to every tag\n");
    }
    OpenBrowser few(module.Table(), matching, 0x7E1);
    if (!few.open()) return;
    few.TypeRun(fewTimes);
  }
  const std::string size = Count(static_cast<long long>(tags.tags().size())) + " tags vs " +
                           Count(static_cast<long long>(matching.size()));
  AddKeyRow(table, "tag filter, first letter (all tags searched)", size, allTimes.first, fewTimes.first);
  AddKeyRow(table, "tag filter, each further letter (narrowed)", size, allTimes.growing, fewTimes.growing);
  AddKeyRow(table, "tag filter, Back (all tags searched)", size, allTimes.back, fewTimes.back);
  AddKeyRow(table, "parent filter typing \"tcb::\" (qualified)", size, allTimes.parent, fewTimes.parent);
  table.Add(MakeRow("  the list's rows in view repainted alone", "1 page", "ms", Median(repaints) * 1e3));
  MeasureSearch(options, table, tags.tags(), Count(static_cast<long long>(tags.tags().size())) + " tags");
}

}  // namespace

void RunBrowserBench(const Options& options, Table& table) {
  if (options.tags.IsEmpty() || !Exists(static_cast<const char*>(options.tags)) || options.tree.IsEmpty()) {
    fprintf(stderr, "browser: no tags file (--tags) and source tree (--tree): skipped\n");
    return;
  }
  MeasureStartup(options, table);
  MeasureFilterKeys(options, table);
}

void RunFilterBench(const Options& options, Table& table) {
  // Part of the browser group: run alone only when asked for by name.
  if (options.groups.empty()) return;
  if (options.tags.IsEmpty() || !Exists(static_cast<const char*>(options.tags))) {
    fprintf(stderr, "filter: no tags file (--tags): skipped\n");
    return;
  }
  MeasureFilterKeys(options, table);
}

}  // namespace bench
