#include "host/app/ExtraFilesController.h"

namespace {

// The flag each digit stands for, in the digits' order.
constexpr unsigned char kDigitFlags[] = {kAddToWorkspaceFlag, kSecondFlag};
constexpr size_t kDigits = sizeof kDigitFlags;

}  // namespace

std::string ExtraFilesController::FlagDigits(unsigned char flags) {
  std::string digits(kDigits, '0');
  for (size_t i = 0; i < kDigits; ++i)
    if (flags & kDigitFlags[i]) digits[i] = '1';
  return digits;
}

bool ExtraFilesController::ParseFlagDigits(const std::string& text, unsigned char& flags) {
  if (text.size() != kDigits) return false;
  flags = 0;
  for (size_t i = 0; i < kDigits; ++i) {
    if (text[i] == '1') {
      flags |= kDigitFlags[i];
    } else if (text[i] != '0') {
      return false;
    }
  }
  return true;
}

void ExtraFilesController::Fetch() {
  if (m_table) m_table->getExtraFiles(m_list.raw());
}

void ExtraFilesController::Hand() {
  if (m_table) m_table->setExtraFiles(m_list.raw());
}

void ExtraFilesController::Add(const std::string& name, unsigned char flags) {
  m_list.Add(CString(name.c_str()), flags & kCarriedFlags);
  Hand();
}

bool ExtraFilesController::Remove(int index) {
  std::vector<HostExtraFileEntry> entries = m_list.Entries();
  if (index < 0 || index >= static_cast<int>(entries.size())) return false;
  entries.erase(entries.begin() + index);
  m_list.Clear();
  m_list.Fill(entries);
  Hand();
  return true;
}

bool ExtraFilesController::SetFlags(int index, unsigned char flags) {
  std::vector<HostExtraFileEntry> entries = m_list.Entries();
  if (index < 0 || index >= static_cast<int>(entries.size())) return false;
  entries[index].flags = flags & kCarriedFlags;
  m_list.Clear();
  m_list.Fill(entries);
  Hand();
  return true;
}

void ExtraFilesController::Clear() {
  m_list.Clear();
  Hand();
}

bool ExtraFilesController::Save() {
  if (!m_table) return false;
  Hand();
  return m_table->saveExtraFiles();
}

bool ExtraFilesController::Load(bool synchronise) {
  if (!m_table) return false;
  bool result = m_table->loadExtraFiles(synchronise);
  Fetch();
  return result;
}

std::string ExtraFilesController::WorkspaceState(const CString& name) const {
  WorkspaceFile* file = m_workspace ? m_workspace->files().Lookup(name) : nullptr;
  if (!file) return "not in the workspace";
  return std::string("first=") + (file->firstFlag() ? "1" : "0") + " second=" + (file->secondFlag() ? "1" : "0");
}
