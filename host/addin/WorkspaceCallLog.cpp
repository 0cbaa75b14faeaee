#include "host/addin/WorkspaceCallLog.h"
#include <windows.h>

bool FileModificationTime(const char* path, long long& seconds) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data)) return false;
  ULARGE_INTEGER ticks;
  ticks.LowPart = data.ftLastWriteTime.dwLowDateTime;
  ticks.HighPart = data.ftLastWriteTime.dwHighDateTime;
  const unsigned long long ticksTo1970 = 116444736000000000ull;   // 100 ns units from 1601
  seconds = static_cast<long long>((ticks.QuadPart - ticksTo1970) / 10000000ull);
  return true;
}

WorkspaceCall& WorkspaceCallLog::Add(WorkspaceCallKind kind, const CString& argument, bool value) {
  WorkspaceCall call;
  call.kind = kind;
  call.sequence = static_cast<int>(m_calls.size());
  call.argument = argument;
  call.value = value;
  if (!m_projectFilePath.IsEmpty())
    call.projectFileExisted = FileModificationTime(m_projectFilePath, call.projectFileMtime);
  m_calls.push_back(call);
  return m_calls.back();
}
