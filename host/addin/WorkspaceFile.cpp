#include "host/addin/WorkspaceFile.h"
#include "host/addin/WorkspaceCallLog.h"

bool WorkspaceFile::GetFirstFlag() {
  if (m_log) m_log->Add(WorkspaceCallKind::GetFirstFlag, m_name, m_firstFlag);
  return m_firstFlag;
}

void WorkspaceFile::SetFirstFlag(bool value) {
  // Only the low byte of the argument word carries the flag.
  if (m_log) m_log->Add(WorkspaceCallKind::SetFirstFlag, m_name, value);
  m_firstFlag = value;
}

void WorkspaceFile::SetSecondFlag(bool value) {
  if (m_log) m_log->Add(WorkspaceCallKind::SetSecondFlag, m_name, value);
  m_secondFlag = value;
}
