#pragma once
// A file of the host's workspace: a name and two flags, reached by the module
// through its table of virtual member functions (positions 1, 6 and 8).
#include "fw/String.h"

class WorkspaceCalls;

class WorkspaceFile final {
 public:
  WorkspaceFile(const CString& name, WorkspaceCalls* calls) : m_name(name), m_calls(calls) {}

  virtual void Reserved0() {}
  virtual bool GetFirstFlag();              // 1
  virtual void Reserved2() {}
  virtual void Reserved3() {}
  virtual void Reserved4() {}
  virtual void Reserved5() {}
  virtual void SetFirstFlag(bool value);    // 6
  virtual void Reserved7() {}
  virtual void SetSecondFlag(bool value);   // 8

  const CString& name() const { return m_name; }
  bool firstFlag() const { return m_firstFlag; }
  bool secondFlag() const { return m_secondFlag; }
  // Sets the flags without reporting a call (test and host set-up).
  void SetFlags(bool first, bool second) {
    m_firstFlag = first;
    m_secondFlag = second;
  }

 private:
  CString m_name;
  WorkspaceCalls* m_calls;
  bool m_firstFlag = false;
  bool m_secondFlag = false;
};
