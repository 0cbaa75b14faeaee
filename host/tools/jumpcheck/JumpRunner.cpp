#include "host/tools/jumpcheck/JumpRunner.h"
#include "host/jumplines/ChosenTag.h"
#include "host/ide/AnsiText.h"

JumpRunner::JumpRunner() {
  // The IDE's main window, active, so that the module finds its frame.
  RECT rect = {20, 20, 620, 420};
  m_frame.CreateEx(0, nullptr, "IDE", WS_OVERLAPPEDWINDOW | WS_VISIBLE, rect, static_cast<HWND>(nullptr), 0);
  m_ide.SetMainWindow(m_frame.GetSafeHwnd());
  SetActiveWindow(m_frame.GetSafeHwnd());
}

JumpRunner::~JumpRunner() {
  m_boxes.reset();
  m_module.Destroy();
  AfxPumpPendingMessages();
  m_module.Unload();
  if (m_frame.IsWindow()) m_frame.DestroyWindow();
}

bool JumpRunner::Start() {
  if (!m_module.Load()) return false;
  m_table = m_module.Create(m_ide.Application(), &m_workspace);
  AfxPumpPendingMessages();
  // A box that nobody closes would stop the check: look for one often.
  m_boxes = std::make_unique<MessageBoxWatcher>(10);
  return true;
}

JumpOutcome JumpRunner::Jump(const TagSet& tags, TagEntry* tag, bool searchOnly) {
  JumpOutcome outcome;
  if (!searchOnly) outcome.status = PrepareJump(tags, m_ide, tag);
  outcome.reported = tag->JumpLine();
  outcome.shown = m_table->goToTag(tag);
  outcome.boxes = m_boxes->TakeTexts();
  std::wstring file = AnsiToWide(tag->FileName());
  if (m_ide.ActiveDocument() && lstrcmpiW(m_ide.ActiveFileName().c_str(), file.c_str()) == 0)
    outcome.caret = m_ide.CaretLine();
  return outcome;
}
