// Extra files: SaveExtraFiles and LoadExtraFiles against one plain write and
// read of the same bytes, GetExtraFiles and SetExtraFiles, the heap blocks a
// host list takes per append, and how the times grow with the list.
#include <cstdio>
#include <cstring>
#include <iterator>
#include <map>

#include "bench/Groups.h"
#include "bench/ModuleSession.h"
#include "bench/PlainFile.h"
#include "host/addin/HostExtraFileList.h"

namespace bench {

namespace {

CString EntryName(int i) {
  CString name;
  name.Format("src\\dir\\file%06d.cpp", i);
  return name;
}

struct Times {
  double save = 0, load = 0, set = 0, get = 0, plainWrite = 0, plainRead = 0, names = 0, walk = 0, hostCopy = 0;
  double safeWrite = 0;   // fresh image, temporary file, replace
};

// What the list's layout costs any loader beyond the read: one string made
// for each name (from the unscrambled image), and the previous ones released.
double NameStringsSeconds(int runs, std::vector<unsigned char> image, int n) {
  for (size_t o = 6; o < image.size(); ++o) image[o] ^= static_cast<unsigned char>(0x80u >> ((o - 6) % 8));
  std::vector<CString> names(n);
  return MedianSeconds(runs, [&] {
    size_t at = 10;
    for (int i = 0; i < n && at + 3 <= image.size(); ++i) {
      const int length = image[at + 1] | (image[at + 2] << 8);
      names[i] = CString(reinterpret_cast<const char*>(&image[at + 3]), length);
      at += 3 + length;
    }
  });
}

// What any saver must do beyond the write: walk the list and copy each entry
// into one image.
double ImageWalkSeconds(int runs, const HostExtraFiles& list, size_t bytes) {
  std::vector<unsigned char> image(bytes);
  return MedianSeconds(runs, [&] {
    size_t at = 10;
    for (const HostExtraFileNode* node = list.list().head; node; node = node->next) {
      const unsigned length = static_cast<unsigned>(node->name.GetLength());
      image[at] = node->flags & kCarriedFlags;
      image[at + 1] = static_cast<unsigned char>(length);
      image[at + 2] = static_cast<unsigned char>(length >> 8);
      memcpy(&image[at + 3], static_cast<const char*>(node->name), length);
      at += 3 + length;
    }
  });
}

void AddGrowthRows(Table& table, const char* measure, const std::map<int, Times>& times,
                   double Times::*field, double Times::*floorField) {
  for (auto it = times.begin(); it != times.end(); ++it) {
    auto next = std::next(it);
    if (next == times.end()) break;
    if (next->first != it->first * 10) continue;
    Row row;
    row.measure = measure;
    row.size = Count(it->first) + " -> " + Count(next->first);
    row.unit = "time x";
    row.module = next->second.*field / (it->second.*field);
    if (floorField) row.floor = next->second.*floorField / (it->second.*floorField);
    row.ratioText = "-";
    row.target = "<= 12x";
    row.verdict = row.module <= 12 ? Verdict::Pass : Verdict::Miss;
    table.Add(row);
  }
}

}  // namespace

void RunExtraFilesBench(const Options& options, Table& table) {
  ModuleSession session;
  if (!session.Load() || !session.Create()) {
    fprintf(stderr, "extrafiles: the module could not be loaded\n");
    return;
  }
  session.RunHostLoop();
  ModuleTable* module = session.Table();
  const CString path = options.folder + "extra.zxf";
  const CString plainPath = options.folder + "plain.bin";
  session.SetExtraFilesPath(path);

  std::map<int, Times> times;
  for (int n : options.Sizes({1000, 10000, 100000, 1000000}, 100000)) {
    const int runs = options.Runs(n >= 1000000 ? 7 : 15);
    Times& t = times[n];
    HostExtraFiles source;
    for (int i = 0; i < n; ++i) source.Add(EntryName(i), static_cast<unsigned char>(i & 3));

    t.set = MedianSeconds(runs, [&] { module->setExtraFiles(source.raw()); });
    t.save = MedianSeconds(runs, [&] { module->saveExtraFiles(); });
    const std::vector<unsigned char> image = FileBytes(path);
    t.load = MedianSeconds(runs, [&] { module->loadExtraFiles(false); });

    HostExtraFiles copy;
    t.get = MedianSeconds(runs, [&] { copy.Clear(); }, [&] { module->getExtraFiles(copy.raw()); });
    const HostExtraFileList& got = copy.list();
    if (got.count != static_cast<unsigned>(n) || !got.tail || got.tail->name != EntryName(n - 1))
      fprintf(stderr, "extrafiles: %d entries saved and loaded gave %u back\n", n, static_cast<unsigned>(got.count));
    const int blocks = static_cast<int>(copy.Blocks().size());
    // The host copying the same entries into a list of its own: the floor of both copies.
    HostExtraFiles hostCopy;
    t.hostCopy = MedianSeconds(runs, [&] { hostCopy.Clear(); }, [&] {
      for (const HostExtraFileNode* node = source.list().head; node; node = node->next)
        hostCopy.Add(node->name, node->flags);
    });

    t.plainWrite = MedianSeconds(runs, [&] { WritePlainFile(plainPath, image); });
    t.plainRead = MedianSeconds(runs, [&] { ReadPlainFile(plainPath); });
    t.safeWrite = MedianSeconds(runs, [&] { WriteThroughTemporary(plainPath, image); });
    t.names = NameStringsSeconds(runs, image, n);
    t.walk = ImageWalkSeconds(runs, source, image.size());
    const double megabytes = image.size() / 1e6;
    fprintf(stderr, "extrafiles %d: %u bytes, save %.2f ms, load %.2f ms, plain %.2f / %.2f ms, names %.2f ms, walk %.2f ms, "
            "through a temporary %.2f ms\n",
            n, static_cast<unsigned>(image.size()), t.save * 1e3, t.load * 1e3, t.plainWrite * 1e3,
            t.plainRead * 1e3, t.names * 1e3, t.walk * 1e3, t.safeWrite * 1e3);

    Row save = MakeRow("extra files save (throughput)", Count(n), "MB/s", megabytes / t.save, megabytes / t.plainWrite);
    Row load = MakeRow("extra files load (throughput)", Count(n), "MB/s", megabytes / t.load, megabytes / t.plainRead);
    if (n >= 1000000) {
      save.target = ">= 0.6x plain";
      save.verdict = save.module >= 0.6 * save.floor ? Verdict::Pass : Verdict::Miss;
      load.target = ">= 0.3x plain";
      load.verdict = load.module >= 0.3 * load.floor ? Verdict::Pass : Verdict::Miss;
    }
    table.Add(save);
    table.Add(load);
    table.Add(MakeRow("  save vs plain write + list walk into one image", Count(n), "MB/s", megabytes / t.save,
                      megabytes / (t.plainWrite + t.walk)));
    table.Add(MakeRow("  save vs fresh image + temporary file + replace + walk", Count(n), "MB/s", megabytes / t.save,
                      megabytes / (t.safeWrite + t.walk)));
    table.Add(MakeRow("  load vs plain read + one string per name", Count(n), "MB/s", megabytes / t.load,
                      megabytes / (t.plainRead + t.names)));
    table.Add(MakeRow("GetExtraFiles vs the host copying the list", Count(n), "ms", t.get * 1e3, t.hostCopy * 1e3));
    table.Add(MakeRow("SetExtraFiles vs the host copying the list", Count(n), "ms", t.set * 1e3, t.hostCopy * 1e3));
    Row heap = MakeRow("heap blocks per append (GetExtraFiles)", Count(n), "blocks", blocks / double(n));
    heap.target = "<= 0.1 (1 per 10)";
    heap.verdict = blocks * 10 <= n + 9 ? Verdict::Pass : Verdict::Miss;
    table.Add(heap);
  }
  AddGrowthRows(table, "extra files save, tenfold entries", times, &Times::save, &Times::plainWrite);
  AddGrowthRows(table, "extra files load, tenfold entries", times, &Times::load, &Times::plainRead);
  AddGrowthRows(table, "SetExtraFiles, tenfold entries", times, &Times::set, &Times::hostCopy);
  AddGrowthRows(table, "GetExtraFiles, tenfold entries", times, &Times::get, &Times::hostCopy);
  HostExtraFiles empty;
  module->setExtraFiles(empty.raw());
}

}  // namespace bench
