#include "host/addin/WorkspaceFile.h"
#include "host/addin/WorkspaceCalls.h"

bool WorkspaceFile::GetFirstFlag() {
  if (m_calls) m_calls->Called(static_cast<const char*>(m_name), 1, "GetFirstFlag", "-> " + FlagText(m_firstFlag));
  return m_firstFlag;
}

void WorkspaceFile::SetFirstFlag(bool value) {
  // Only the low byte of the argument word carries the flag.
  if (m_calls) m_calls->Called(static_cast<const char*>(m_name), 6, "SetFirstFlag", FlagText(value));
  m_firstFlag = value;
}

void WorkspaceFile::SetSecondFlag(bool value) {
  if (m_calls) m_calls->Called(static_cast<const char*>(m_name), 8, "SetSecondFlag", FlagText(value));
  m_secondFlag = value;
}
