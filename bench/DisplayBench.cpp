// Display requests: LVM_GETITEMTEXTA for every cell of an owner-data list
// view whose text comes from the module's list control (attached by the
// module's init entry, answering from the host's objects) against the same
// list view in the same kind of dialog answered by a constant (the floor).
// Floor and module sweeps alternate within each run.
#include <windows.h>
#include <commctrl.h>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench/BenchDialog.h"
#include "bench/ConstantListCtrl.h"
#include "bench/Groups.h"
#include "bench/ModuleSession.h"
#include "host/addin/FileEntry.h"
#include "host/addin/TagEntry.h"
#include "host/tagstore/TagSet.h"

namespace bench {

namespace {

const DWORD kFileDialogId = 0x7A01;
const DWORD kTagDialogId = 0x7A02;

// The host's data for the file picker: a catalog of n files and an index
// array that shows them all in order.
struct FileData {
  FileCatalog catalog;
  std::vector<DWORD> index;
  FileCatalog* catalogPointer = &catalog;
  DWORD* indexPointer = nullptr;

  explicit FileData(int n) {
    char bare[32], path[32];
    for (int i = 0; i < n; ++i) {
      snprintf(bare, sizeof bare, "file%06d", i);
      snprintf(path, sizeof path, "src\\dir%03d", i % 1000);
      catalog.Add(bare, "cpp", path);
      index.push_back(static_cast<DWORD>(i));
    }
    indexPointer = index.data();
  }
};

// The host's data for the tag browser: n tags over 1000 source files, read
// from their tags-file lines as the host reads them; a third have their own
// namespace, a third take their parent's, a third have none.
struct TagData {
  TagSet set;
  TagEntry** arrayPointer = nullptr;

  explicit TagData(int n) {
    std::vector<std::string> lines;
    lines.reserve(static_cast<size_t>(n));
    char text[160];
    for (int i = 0; i < n; ++i) {
      // A third have the namespace ui::Widget (their scope is that namespace), the others the class Widget.
      snprintf(text, sizeof text, "Function%06d\tsrc/module%03d.%s\t/^\tvoid Widget::Function%06d(int count)$/;\"\t"
               "kind:function\tline:%d\t%s", i, i % 1000, i % 2 ? "cpp" : "h", i, i + 1,
               i % 3 == 0 ? "namespace:ui::Widget" : "class:Widget");
      lines.push_back(text);
    }
    set.AddLines(lines, "C:\\");
    const std::vector<TagEntry*>& tags = set.tags();
    for (int i = 0; i < n; ++i) {
      tags[i]->SetTypeCode(i % 13);
      if (i % 3 == 1) tags[i]->SetParent(tags[i - 1]);
    }
    arrayPointer = const_cast<TagEntry**>(tags.data());
  }
};

struct ListPair {
  BenchDialog floorDialog;
  ConstantListCtrl floorList;
  BenchDialog moduleDialog;
};

bool OpenFloor(ListPair& pair, BenchDialog::Kind kind, int items, int columns) {
  if (!pair.floorDialog.Open(kind)) return false;
  if (!pair.floorList.SubclassDlgItem(BenchDialog::ListId(kind), &pair.floorDialog)) return false;
  for (int c = 0; c < columns; ++c) pair.floorList.InsertColumn(c, "Column", LVCFMT_LEFT, 80);
  pair.floorList.SetItemCountEx(items);
  return true;
}

CString CellText(HWND list, int item, int column) {
  char buffer[MAX_PATH] = {};
  LVITEMA request = {};
  request.iSubItem = column;
  request.pszText = buffer;
  request.cchTextMax = sizeof buffer;
  SendMessageA(list, LVM_GETITEMTEXTA, item, reinterpret_cast<LPARAM>(&request));
  return CString(buffer);
}

// Alternating sweeps of every cell; adds the row for this list and size.
void MeasureSweeps(const Options& options, Table& table, const char* measure, ListPair& pair, int items,
                   int columns) {
  const int runs = options.Runs(items >= 1000000 ? 3 : 5);
  std::vector<double> floorTimes, moduleTimes;
  for (int run = 0; run < runs; ++run) {
    double start = Now();
    RequestAllCells(pair.floorDialog.List(), items, columns);
    floorTimes.push_back(Now() - start);
    start = Now();
    RequestAllCells(pair.moduleDialog.List(), items, columns);
    moduleTimes.push_back(Now() - start);
  }
  const double cells = double(items) * columns;
  Row row = MakeRow(measure, Count(items) + " items", "ns/cell", Median(moduleTimes) * 1e9 / cells,
          Median(floorTimes) * 1e9 / cells);
  row.target = "<= 1.15x floor";
  row.verdict = row.module <= 1.15 * row.floor ? Verdict::Pass : Verdict::Miss;
  table.Add(row);
  fprintf(stderr, "display %s %d: module %.0f ns/cell, floor %.0f ns/cell\n", measure, items, row.module,
          row.floor);
}

void MeasureFilePicker(const Options& options, Table& table, ModuleTable* module, int items) {
  FileData data(items);
  ListPair pair;
  if (!OpenFloor(pair, BenchDialog::FilePicker, items, 2) || !pair.moduleDialog.Open(BenchDialog::FilePicker)) {
    fprintf(stderr, "display: the file picker dialogs could not be made\n");
    return;
  }
  CWnd* combo = nullptr;
  CWnd* list = nullptr;
  module->initFileDialog(&pair.moduleDialog, kFileDialogId, &combo, &list, &data.catalogPointer,
                         &data.indexPointer);
  ListView_SetItemCountEx(pair.moduleDialog.List(), items, LVSICF_NOINVALIDATEALL);
  if (CellText(pair.moduleDialog.List(), items - 1, 0) != data.catalog.At(items - 1)->DisplayName())
    fprintf(stderr, "display: the file list shows the wrong text\n");
  MeasureSweeps(options, table, "file picker cell (2 columns)", pair, items, 2);
  module->closeFileDialog();
}

void MeasureTagBrowser(const Options& options, Table& table, ModuleTable* module, int items) {
  TagData data(items);
  ListPair pair;
  if (!OpenFloor(pair, BenchDialog::TagBrowser, items, 6) || !pair.moduleDialog.Open(BenchDialog::TagBrowser)) {
    fprintf(stderr, "display: the tag browser dialogs could not be made\n");
    return;
  }
  CWnd* parentCombo = nullptr;
  CWnd* tagCombo = nullptr;
  CWnd* list = nullptr;
  module->initTagDialog(&pair.moduleDialog, kTagDialogId, &parentCombo, &tagCombo, &list, &data.arrayPointer);
  ListView_SetItemCountEx(pair.moduleDialog.List(), items, LVSICF_NOINVALIDATEALL);
  if (CellText(pair.moduleDialog.List(), 1, 5) != " void Widget::Function000001(int count)" ||
      CellText(pair.moduleDialog.List(), 1, 1) != "ui")
    fprintf(stderr, "display: the tag list shows the wrong text\n");
  MeasureSweeps(options, table, "tag browser cell (6 columns)", pair, items, 6);
  module->closeTagDialog();
}

}  // namespace

void RunDisplayBench(const Options& options, Table& table) {
  ModuleSession session;
  if (!session.Load() || !session.Create()) {
    fprintf(stderr, "display: the module could not be loaded\n");
    return;
  }
  session.RunHostLoop();
  for (int items : options.Sizes({100000, 1000000}, 100000)) {
    MeasureFilePicker(options, table, session.Table(), items);
    MeasureTagBrowser(options, table, session.Table(), items);
  }
}

}  // namespace bench
