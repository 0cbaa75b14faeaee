#include "host/script/ListRows.h"
#include <commctrl.h>

std::string CellText(HWND list, int item, int column) {
  char buffer[1024] = {};
  LVITEMA request = {};
  request.iSubItem = column;
  request.pszText = buffer;
  request.cchTextMax = sizeof(buffer);
  SendMessageA(list, LVM_GETITEMTEXTA, item, reinterpret_cast<LPARAM>(&request));
  return buffer;
}

ListView ReadListView(HWND list, int columns) {
  ListView view;
  view.count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  view.top = static_cast<int>(SendMessageA(list, LVM_GETTOPINDEX, 0, 0));
  view.perPage = static_cast<int>(SendMessageA(list, LVM_GETCOUNTPERPAGE, 0, 0));
  view.selected = static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  for (int item = view.top; item < view.count && item < view.top + view.perPage; ++item) {
    view.rows.push_back(item);
    std::vector<std::string> texts;
    for (int column = 0; column < columns; ++column) texts.push_back(CellText(list, item, column));
    view.cells.push_back(texts);
  }
  return view;
}

std::vector<int> ColumnWidths(HWND list, int columns) {
  std::vector<int> widths;
  for (int column = 0; column < columns; ++column)
    widths.push_back(static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, column, 0)));
  return widths;
}

std::vector<std::string> FormatRows(const ListView& view) {
  std::vector<std::string> lines;
  for (size_t i = 0; i < view.rows.size(); ++i) {
    std::string line = view.rows[i] == view.selected ? "> " : "  ";
    line += std::to_string(view.rows[i]) + ": ";
    for (size_t column = 0; column < view.cells[i].size(); ++column) {
      if (column) line += " | ";
      line += view.cells[i][column];
    }
    lines.push_back(line);
  }
  return lines;
}
