#include "host/app/MainWindow.h"
#include <algorithm>
#include "host/jumplines/ChosenTag.h"
#include "host/ide/AnsiText.h"

namespace {

HMENU BuildMenu() {
  HMENU file = CreatePopupMenu();
  AppendMenuA(file, MF_STRING, MainWindow::kOpenFile, "&Open file...\tCtrl+P");
  AppendMenuA(file, MF_STRING, MainWindow::kBrowseTags, "Browse &tags...\tCtrl+T");
  AppendMenuA(file, MF_STRING, MainWindow::kExtraFiles, "&Extra files...\tCtrl+E");
  AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(file, MF_STRING, MainWindow::kReloadTags, "&Reload tags\tF5");
  AppendMenuA(file, MF_STRING, MainWindow::kRestart, "Re&start module\tCtrl+R");
  AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(file, MF_STRING, MainWindow::kExit, "E&xit");
  HMENU bar = CreateMenu();
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
  return bar;
}

constexpr int kStatusHeight = 20;
constexpr int kStatusId = 2;
constexpr UINT_PTR kWorkspaceTimer = 1;
constexpr UINT kWorkspaceLookMs = 100;

HACCEL BuildAccelerators() {
  ACCEL keys[] = {
      {FVIRTKEY | FCONTROL, 'P', MainWindow::kOpenFile},
      {FVIRTKEY | FCONTROL, 'T', MainWindow::kBrowseTags},
      {FVIRTKEY | FCONTROL, 'E', MainWindow::kExtraFiles},
      {FVIRTKEY, VK_F5, MainWindow::kReloadTags},
      {FVIRTKEY | FCONTROL, 'R', MainWindow::kRestart},
  };
  return CreateAcceleratorTableA(keys, sizeof(keys) / sizeof(keys[0]));
}

}  // namespace

BEGIN_MESSAGE_MAP(MainWindow, CWnd)
  ON_COMMAND(kOpenFile, OnOpenFile)
  ON_COMMAND(kBrowseTags, OnBrowseTags)
  ON_COMMAND(kExtraFiles, OnExtraFiles)
  ON_COMMAND(kReloadTags, OnReloadTags)
  ON_COMMAND(kRestart, OnRestart)
  ON_COMMAND(kExit, OnExit)
  ON_WM_SIZE()
  ON_WM_CLOSE()
  ON_WM_DESTROY()
  ON_WM_TIMER()
END_MESSAGE_MAP()

MainWindow::MainWindow(HostSession& session)
    : m_session(session), m_editor(session.ide()), m_extraFiles(nullptr, &session.workspace()) {}

MainWindow::~MainWindow() {
  CloseWindows();
  if (m_accelerators) DestroyAcceleratorTable(m_accelerators);
}

bool MainWindow::Create() {
  RECT rect = {40, 40, 40 + 1000, 40 + 720};
  DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
  if (!CreateEx(0, nullptr, "ZorvoReg host", style, rect, static_cast<HWND>(nullptr), 0)) return false;
  SetMenu(m_hWnd, BuildMenu());
  m_accelerators = BuildAccelerators();
  RECT client;
  GetClientRect(&client);
  client.bottom = std::max(0L, static_cast<long>(client.bottom) - kStatusHeight);
  if (!m_editor.Create(this, client)) return false;
  m_status = CreateWindowExA(0, WC_STATICA, "", WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_NOPREFIX, 4,
                             client.bottom + 3, client.right - 8, kStatusHeight - 4, m_hWnd,
                             reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kStatusId)), nullptr, nullptr);
  ::SendMessageA(m_status, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  UpdateTitle();
  m_session.ide().SetMainWindow(m_hWnd);
  ShowWindow(SW_SHOW);
  UpdateWindow();
  SetForegroundWindow(m_hWnd);
  return true;
}

void MainWindow::UpdateTitle() {
  std::string title = "ZorvoReg host - " + m_session.options().workspace + " - " +
                       std::to_string(m_session.tags().tags().size()) + " tags";
  SetWindowText(title.c_str());
}

void MainWindow::Layout() {
  RECT client;
  GetClientRect(&client);
  int editorHeight = std::max(0, static_cast<int>(client.bottom) - kStatusHeight);
  if (m_editor.IsWindow()) m_editor.MoveWindow(0, 0, client.right, editorHeight);
  if (m_status) ::MoveWindow(m_status, 4, editorHeight + 3, std::max(0, static_cast<int>(client.right) - 8),
                             kStatusHeight - 4, TRUE);
}

void MainWindow::SetStatus(const std::string& text) {
  m_statusText = text;
  if (m_status) ::SetWindowTextA(m_status, text.c_str());
}

void MainWindow::PlaceDialog(CWnd& dialog) {
  RECT frame, box, area;
  GetWindowRect(&frame);
  dialog.GetWindowRect(&box);
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  int width = box.right - box.left, height = box.bottom - box.top;
  // Centred over the main window, and all of it on the screen.
  int x = frame.left + ((frame.right - frame.left) - width) / 2;
  int y = frame.top + 60;
  x = std::max(static_cast<int>(area.left), std::min(x, static_cast<int>(area.right) - width));
  y = std::max(static_cast<int>(area.top), std::min(y, static_cast<int>(area.bottom) - height));
  SetWindowPos(dialog.GetSafeHwnd(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

FilePickerDialog* MainWindow::filePicker() const {
  return m_filePicker && m_filePicker->IsWindow() ? m_filePicker.get() : nullptr;
}

TagBrowserDialog* MainWindow::tagBrowser() const {
  return m_tagBrowser && m_tagBrowser->IsWindow() ? m_tagBrowser.get() : nullptr;
}

ExtraFilesWindow* MainWindow::extraFilesWindow() const {
  return m_extraFilesWindow && m_extraFilesWindow->IsWindow() ? m_extraFilesWindow.get() : nullptr;
}

FilePickerDialog* MainWindow::OpenFilePicker() {
  if (FilePickerDialog* open = filePicker()) {
    ::SetActiveWindow(open->GetSafeHwnd());
    return open;
  }
  if (!m_session.table()) return nullptr;
  m_session.AwaitWorkspace([this](const std::string& text) { ShowLoadProgress(text); });
  m_session.RebuildCatalog();
  m_filePicker = std::make_unique<FilePickerDialog>(m_session.table());
  m_filePicker->SetFiles(&m_session.catalog());
  m_filePicker->onChosen = [this](FileEntry* file) { OnFileChosen(file); };
  m_filePicker->KeepSizeInProfile();
  if (!m_filePicker->CreateModeless(this)) return nullptr;
  PlaceDialog(*m_filePicker);
  m_filePicker->ShowWindow(SW_SHOW);
  ::SetFocus(m_filePicker->EditOf(FilePickerDialog::kComboId));
  return m_filePicker.get();
}

TagBrowserDialog* MainWindow::OpenTagBrowser() {
  if (TagBrowserDialog* open = tagBrowser()) {
    ::SetActiveWindow(open->GetSafeHwnd());
    return open;
  }
  if (!m_session.table()) return nullptr;
  m_tagBrowser = std::make_unique<TagBrowserDialog>(m_session.table());
  m_tagBrowser->SetTags(m_session.tags().tags());
  m_tagBrowser->onChosen = [this](TagEntry* tag) { OnTagChosen(tag); };
  m_tagBrowser->onReload = [this]() { ReloadTags(); };
  m_tagBrowser->KeepSizeInProfile();
  if (!m_tagBrowser->CreateModeless(this)) return nullptr;
  PlaceDialog(*m_tagBrowser);
  m_tagBrowser->ShowWindow(SW_SHOW);
  ::SetFocus(m_tagBrowser->EditOf(TagBrowserDialog::kTagComboId));
  return m_tagBrowser.get();
}

ExtraFilesWindow* MainWindow::OpenExtraFiles() {
  if (ExtraFilesWindow* open = extraFilesWindow()) {
    ::SetActiveWindow(open->GetSafeHwnd());
    return open;
  }
  if (!m_session.table()) return nullptr;
  // Its entries say whether each is in the workspace.
  m_session.AwaitWorkspace([this](const std::string& text) { ShowLoadProgress(text); });
  m_extraFiles.SetTable(m_session.table());
  m_extraFilesWindow = std::make_unique<ExtraFilesWindow>(m_extraFiles);
  m_extraFilesWindow->onWorkspaceChanged = [this]() { RebuildCatalog(); };
  if (!m_extraFilesWindow->Create(this)) return nullptr;
  return m_extraFilesWindow.get();
}

void MainWindow::RebuildCatalog() {
  m_session.RebuildCatalog();
  // An open file picker holds the catalog's positions and their filter keys.
  if (FilePickerDialog* open = filePicker()) open->SetFiles(&m_session.catalog());
}

void MainWindow::ReloadTags() {
  // The old tags and the browser's keys of them go before the new ones come
  // (a big tree's tags do not fit twice), and its list asks no row of tags
  // that are gone.
  TagBrowserDialog* open = tagBrowser();
  if (open) open->SetTags({});
  bool read = m_session.ReloadTags([this](const std::string& text) { ShowLoadProgress(text); });
  if (TagBrowserDialog* still = tagBrowser()) still->SetTags(m_session.tags().tags());
  if (!read) SetStatus("F5: the tags file " + m_session.tags().path() + " " + m_session.tags().failure() + "; no tags.");
}

void MainWindow::WatchWorkspace() {
  if (!m_session.WorkspaceListed()) SetTimer(kWorkspaceTimer, kWorkspaceLookMs);
  else m_session.AwaitWorkspace();
}

void MainWindow::OnTimer(UINT_PTR id) {
  if (id != kWorkspaceTimer || !m_session.WorkspaceListed()) return;
  KillTimer(kWorkspaceTimer);
  // Nothing holds the catalog yet: whoever needed the files waited for them.
  m_session.AwaitWorkspace();
}

void MainWindow::ShowLoadProgress(const std::string& text) {
  SetStatus(text);
  if (m_status) ::UpdateWindow(m_status);
  if (TagBrowserDialog* open = tagBrowser()) {
    // The browser's own line says it while the load lasts; its filter says it after.
    HWND line = open->ItemHwnd(kStatusLineId);
    if (line && !text.empty()) {
      ::SetWindowTextA(line, text.c_str());
      ::UpdateWindow(line);
    }
  }
  if (text.empty()) UpdateTitle();
}

void MainWindow::OnTagChosen(TagEntry* tag) {
  ModuleTable* table = m_session.table();
  TagBrowserDialog* dialog = tagBrowser();
  // The filters that found the tag go to the top of their histories.
  if (dialog) {
    table->addTagParentHistory(dialog->FilterText(TagBrowserDialog::kParentComboId));
    table->addTagHistory(dialog->FilterText(TagBrowserDialog::kTagComboId));
  }
  SetStatus(PrepareJump(m_session.tags(), m_session.ide(), tag));
  bool shown = table->goToTag(tag);
  m_editor.Sync();
  if (onJump) onJump(tag, shown);
}

void MainWindow::OnFileChosen(FileEntry* file) {
  ModuleTable* table = m_session.table();
  if (FilePickerDialog* dialog = filePicker()) table->addFileHistory(dialog->FilterText(FilePickerDialog::kComboId));
  std::string path = m_session.PathOf(file);
  bool opened = !path.empty() && m_session.ide().Documents().Open(AnsiToWide(path)) != nullptr;
  m_editor.Sync();
  if (onFileOpened) onFileOpened(path, opened);
}

void MainWindow::CloseWindows() {
  // Closing a dialog runs the module's close entry (widths and histories).
  if (FilePickerDialog* open = filePicker()) open->DestroyWindow();
  if (TagBrowserDialog* open = tagBrowser()) open->DestroyWindow();
  if (ExtraFilesWindow* open = extraFilesWindow()) open->DestroyWindow();
  m_filePicker.reset();
  m_tagBrowser.reset();
  m_extraFilesWindow.reset();
}

bool MainWindow::RestartModule(std::string& error) {
  CloseWindows();
  m_extraFiles.SetTable(nullptr);
  m_session.Stop();
  ::SetActiveWindow(m_hWnd);
  bool started = m_session.Start(error);
  m_extraFiles.SetTable(m_session.table());
  return started;
}

bool MainWindow::PreTranslateMessage(MSG* msg) {
  if (m_accelerators && msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST &&
      TranslateAcceleratorA(m_hWnd, m_accelerators, msg)) {
    return true;
  }
  return CWnd::PreTranslateMessage(msg);
}

void MainWindow::OnRestart() {
  std::string error;
  if (!RestartModule(error)) MessageBoxA(m_hWnd, error.c_str(), "ZorvoReg host", MB_OK);
}

void MainWindow::OnSize(UINT, int, int) {
  Layout();
  Default();
}

void MainWindow::OnDestroy() {
  CloseWindows();
  PostQuitMessage(0);
  Default();
}
