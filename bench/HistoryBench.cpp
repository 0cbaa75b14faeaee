// Histories: ZorvoRegCreate (which loads the three histories) and
// ZorvoRegDestroy (which saves them) with the profile store holding three
// lists of n entries, against the profile store's own reads and writes of the
// same three values. The module's share leaves out those and the fixed cost
// of create and destroy (measured with empty histories).
#include <cstdio>
#include <iterator>
#include <map>
#include <string>

#include "bench/Groups.h"
#include "bench/ModuleSession.h"
#include "fw/WinApp.h"

namespace bench {

namespace {

const char* const kKeys[] = {"FilenameEditList", "TagParentEditList", "TagEditList"};

// Stores value under all three keys.
void StoreAll(CWinApp* app, const char* value) {
  for (const char* key : kKeys) app->WriteProfileString("Config", key, value);
}

std::string StoredHistory(int n) {
  std::string value;
  value.reserve(n * 13);
  char entry[32];
  for (int i = 0; i < n; ++i) {
    snprintf(entry, sizeof entry, "filter%06d|", i);
    value += entry;
  }
  return value;
}

struct Times {
  double create = 0, destroy = 0, read = 0, write = 0;
  const Times* empty = nullptr;
  double LoadShare() const { return create - read - (empty ? empty->create - empty->read : 0); }
  double SaveShare() const { return destroy - write - (empty ? empty->destroy - empty->write : 0); }
};

// Growth of the entries' whole time (judged) with the profile store's own
// growth beside it as the floor.
void AddGrowthRows(Table& table, const char* measure, const std::map<int, Times>& times, double Times::*whole,
                   double Times::*store) {
  for (auto it = times.begin(); it != times.end(); ++it) {
    auto next = std::next(it);
    if (next == times.end()) break;
    if (it->first == 0 || next->first != it->first * 10) continue;
    Row row = MakeRow(measure, Count(it->first) + " -> " + Count(next->first), "time x",
                      next->second.*whole / (it->second.*whole), next->second.*store / (it->second.*store));
    row.ratioText = "-";
    row.target = "<= 11x";
    row.verdict = row.module <= 11 ? Verdict::Pass : Verdict::Miss;
    table.Add(row);
  }
}

}  // namespace

void RunHistoryBench(const Options& options, Table& table) {
  ModuleSession session;
  if (!session.Load()) {
    fprintf(stderr, "history: the module could not be loaded\n");
    return;
  }
  CWinApp* app = AfxGetApp();
  std::map<int, Times> times;
  for (int n : options.Sizes({0, 1000, 10000, 100000}, 10000)) {
    const std::string value = StoredHistory(n);
    StoreAll(app, value.c_str());
    const int runs = options.Runs(n >= 100000 ? 9 : 15);
    std::vector<double> creates, destroys;
    for (int run = 0; run < runs; ++run) {
      double start = Now();
      session.Create();
      creates.push_back(Now() - start);
      session.RunHostLoop();
      start = Now();
      session.Destroy();
      destroys.push_back(Now() - start);
    }
    Times& t = times[n];
    if (n > 0 && times.count(0)) t.empty = &times[0];
    t.create = Median(creates);
    t.destroy = Median(destroys);
    t.read = MedianSeconds(runs, [&] {
      for (const char* key : kKeys) app->GetProfileString("Config", key, "");
    });
    t.write = MedianSeconds(runs, [&] {
      StoreAll(app, value.c_str());
    });
    if (app->GetProfileString("Config", "TagEditList", "") != value.c_str())
      fprintf(stderr, "history: %d entries did not come back unchanged\n", n);
    // Writes that change the file (the writes above and ZorvoRegDestroy's
    // write what is stored already): each value gains or loses one entry.
    const std::string longer = value + "changed|";
    bool gain = false;
    const double change = MedianSeconds(runs, [&] {
      gain = !gain;
      StoreAll(app, (gain ? longer : value).c_str());
    });
    StoreAll(app, value.c_str());
    fprintf(stderr, "history %d: create %.2f ms, destroy %.2f ms, store read %.2f ms, write %.2f ms, changing write %.2f ms\n",
            n, t.create * 1e3, t.destroy * 1e3, t.read * 1e3, t.write * 1e3, change * 1e3);
    const std::string size = Count(n) + " x3";
    table.Add(MakeRow("history load (ZorvoRegCreate) vs store reads", size, "ms", t.create * 1e3, t.read * 1e3));
    table.Add(MakeRow("history save (ZorvoRegDestroy) vs store writes", size, "ms", t.destroy * 1e3, t.write * 1e3));
    table.Add(MakeRow("  store writes that change the file", size, "ms", change * 1e3));
    if (n == 0) continue;
    table.Add(MakeRow("  module's share of load", size, "ms", t.LoadShare() * 1e3));
    table.Add(MakeRow("  module's share of save", size, "ms", t.SaveShare() * 1e3));
  }
  AddGrowthRows(table, "history load, tenfold entries (floor: store reads)", times, &Times::create, &Times::read);
  AddGrowthRows(table, "history save, tenfold entries (floor: store writes)", times, &Times::destroy, &Times::write);
  StoreAll(app, "");
}

}  // namespace bench
