#pragma once
// What a list view shows, read the way a screen reader would: the rows in
// view (LVM_GETTOPINDEX, LVM_GETCOUNTPERPAGE), the selection, each cell's
// text (LVM_GETITEMTEXT, which asks the list's owner for callback text) and
// the column widths.
#include <windows.h>
#include <string>
#include <vector>

struct ListView {
  int count = 0;
  int top = 0;
  int perPage = 0;
  int selected = -1;
  std::vector<int> rows;                        // item numbers in view
  std::vector<std::vector<std::string>> cells;  // their texts, column by column
};

ListView ReadListView(HWND list, int columns);
std::string CellText(HWND list, int item, int column);
std::vector<int> ColumnWidths(HWND list, int columns);
// Each row as "Function | ns | Parent | Name | file.cpp | pattern", with ">"
// before the selected one.
std::vector<std::string> FormatRows(const ListView& view);
