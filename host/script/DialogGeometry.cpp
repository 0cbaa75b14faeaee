#include "host/script/DialogGeometry.h"
#include "host/script/ListRows.h"

namespace {

RECT ClientRectOf(HWND item, HWND dialog) {
  RECT rect = {0, 0, 0, 0};
  if (!item) return rect;
  GetWindowRect(item, &rect);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

std::string Size(long width, long height) { return std::to_string(width) + " x " + std::to_string(height); }

}  // namespace

DialogGeometry MeasureDialog(HWND dialog, HWND list, int columns) {
  DialogGeometry geometry;
  RECT window;
  GetWindowRect(dialog, &window);
  geometry.window = {window.right - window.left, window.bottom - window.top};
  geometry.list = ClientRectOf(list, dialog);
  geometry.ok = ClientRectOf(GetDlgItem(dialog, IDOK), dialog);
  RECT client;
  GetClientRect(list, &client);
  geometry.listVisibleWidth = client.right;
  geometry.columnWidths = ColumnWidths(list, columns);
  return geometry;
}

std::string DescribeGeometry(const DialogGeometry& geometry) {
  std::string text = Size(geometry.window.cx, geometry.window.cy) + ", list " +
                     Size(geometry.list.right - geometry.list.left, geometry.list.bottom - geometry.list.top) + ": ";
  // A column shows when its right edge lies within the list's client area.
  int right = 0;
  size_t inView = 0;
  for (int width : geometry.columnWidths) {
    right += width;
    if (right > geometry.listVisibleWidth) break;
    ++inView;
  }
  size_t columns = geometry.columnWidths.size();
  if (inView == columns) return text + "all " + std::to_string(columns) + " columns in view";
  if (inView == 0) return text + "no column wholly in view";
  return text + "columns 0 to " + std::to_string(inView - 1) + " in view, " + std::to_string(columns - inView) +
         " beyond the list's right edge";
}

std::string DescribeChange(const DialogGeometry& before, const DialogGeometry& after) {
  auto width = [](const RECT& r) { return r.right - r.left; };
  auto height = [](const RECT& r) { return r.bottom - r.top; };
  return "list grew by " + Size(width(after.list) - width(before.list), height(after.list) - height(before.list)) +
         ", OK moved by " + Size(after.ok.left - before.ok.left, after.ok.top - before.ok.top);
}
