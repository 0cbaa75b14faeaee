#pragma once
// Where a dialog's list view and buttons are, read from the live windows, for
// the scripted mode to say what a resize did and whether every column shows.
#include <windows.h>
#include <string>
#include <vector>

struct DialogGeometry {
  SIZE window = {0, 0};          // the dialog's outer size
  RECT list = {0, 0, 0, 0};      // the list view in the dialog's client coordinates
  RECT ok = {0, 0, 0, 0};        // the OK button, likewise
  int listVisibleWidth = 0;      // the list's client width
  std::vector<int> columnWidths;
};

DialogGeometry MeasureDialog(HWND dialog, HWND list, int columns);
// "900 x 560, list 868 x 433: all 6 columns in view" or "...: columns 0 to 3
// in view, 2 beyond the list's right edge".
std::string DescribeGeometry(const DialogGeometry& geometry);
// "list grew by 100 x 40, OK moved by 100 x 40" between two measurements.
std::string DescribeChange(const DialogGeometry& before, const DialogGeometry& after);
