#include "host/addin/WorkspaceCalls.h"
#include <windows.h>
#include <cstdio>

std::string QuotedText(const char* text) { return "\"" + std::string(text ? text : "") + "\""; }

namespace {

// "project file of 2001-02-03 04:05:06" (its last write, UTC), or "no project file".
std::string ProjectFileState(const char* path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  SYSTEMTIME when;
  if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data) || !FileTimeToSystemTime(&data.ftLastWriteTime, &when))
    return "no project file";
  char text[48];
  std::snprintf(text, sizeof text, "project file of %04u-%02u-%02u %02u:%02u:%02u", when.wYear, when.wMonth,
                when.wDay, when.wHour, when.wMinute, when.wSecond);
  return text;
}

}  // namespace

void WorkspaceCalls::Called(const std::string& source, int slot, const char* operation,
                            const std::string& arguments) {
  if (!m_record) return;
  RecordEntry entry{source, slot, operation, arguments, Delivery::Call, std::string()};
  if (!m_projectFilePath.IsEmpty()) entry.state = ProjectFileState(m_projectFilePath);
  m_record->Add(std::move(entry));
}
