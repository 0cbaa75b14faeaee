#pragma once
// The IDE's main window: a menu with keyboard shortcuts for the file picker
// (Ctrl+P), the tag browser (Ctrl+T), the extra-files window (Ctrl+E), tag
// reload (F5) and a module restart (Ctrl+R), over the editor view and a
// status line under it (what the last jump found, when it needs saying).
#include <functional>
#include <memory>
#include <string>
#include "fw/Wnd.h"
#include "host/app/EditorView.h"
#include "host/app/ExtraFilesController.h"
#include "host/app/ExtraFilesWindow.h"
#include "host/app/HostSession.h"
#include "host/filterdialogs/FilePickerDialog.h"
#include "host/filterdialogs/TagBrowserDialog.h"

class MainWindow : public CWnd {
 public:
  enum : UINT { kOpenFile = 100, kBrowseTags, kExtraFiles, kReloadTags, kRestart, kExit };

  explicit MainWindow(HostSession& session);
  ~MainWindow() override;

  bool Create();
  // Opens the window, or brings the open one to the front.
  FilePickerDialog* OpenFilePicker();
  TagBrowserDialog* OpenTagBrowser();
  ExtraFilesWindow* OpenExtraFiles();
  // Closes the dialogs and windows, unloads and loads the module again.
  bool RestartModule(std::string& error);
  // Reads the tags again (F5). An open tag browser lets go of its tags first
  // and gets the new ones; the status line says what failed.
  void ReloadTags();
  // What a load of the session shows as it goes, in the status line (and an
  // open tag browser's), painted at once: the load runs on this thread. ""
  // when it is over; the title then counts the tags again.
  void ShowLoadProgress(const std::string& text);
  // The file picker's catalog again from the workspace's files.
  void RebuildCatalog();
  // After the session's load: the workspace's files join it as soon as
  // their listing ends, even while no one uses them.
  void WatchWorkspace();

  // The open windows, or null.
  FilePickerDialog* filePicker() const;
  TagBrowserDialog* tagBrowser() const;
  ExtraFilesWindow* extraFilesWindow() const;
  EditorView& editor() { return m_editor; }
  // The status line's text; empty unless the last jump left a word there.
  std::string statusText() const { return m_statusText; }
  ExtraFilesController& extraFiles() { return m_extraFiles; }

  // What the last choice did: the go-to-tag entry's result, or a file opened.
  std::function<void(const TagEntry* tag, bool shown)> onJump;
  std::function<void(const std::string& path, bool opened)> onFileOpened;

  bool PreTranslateMessage(MSG* msg) override;

 private:
  // The menu's and the shortcuts' commands.
  void OnOpenFile() { OpenFilePicker(); }
  void OnBrowseTags() { OpenTagBrowser(); }
  void OnExtraFiles() { OpenExtraFiles(); }
  void OnReloadTags() { ReloadTags(); }
  void OnRestart();
  void OnExit() { DestroyWindow(); }
  void OnSize(UINT type, int cx, int cy);
  void OnClose() { DestroyWindow(); }
  void OnDestroy();
  void OnTimer(UINT_PTR id);
  void OnTagChosen(TagEntry* tag);
  void OnFileChosen(FileEntry* file);
  void CloseWindows();
  void Layout();
  void UpdateTitle();
  void PlaceDialog(CWnd& dialog);
  void SetStatus(const std::string& text);

  HostSession& m_session;
  EditorView m_editor;
  ExtraFilesController m_extraFiles;
  std::unique_ptr<FilePickerDialog> m_filePicker;
  std::unique_ptr<TagBrowserDialog> m_tagBrowser;
  std::unique_ptr<ExtraFilesWindow> m_extraFilesWindow;
  HACCEL m_accelerators = nullptr;
  HWND m_status = nullptr;
  std::string m_statusText;

  DECLARE_MESSAGE_MAP()
};
