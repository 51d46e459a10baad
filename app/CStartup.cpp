#include "app/CStartup.h"

#include <commctrl.h>
#include <objbase.h>

#include <clocale>
#include <cstdlib>
#include <ctime>
#include <string>

#include "app/CCommandLine.h"
#include "os/OsFs.h"
#include "config/CConfig.h"
#include "config/CMultilangue.h"
#include "res/resource.h"
#include "shell/CExplorer.h"
#include "ui/CEngineOptions.h"
#include "ui/CMainWindow.h"

namespace {

const char kTitle[] = "Velto 2.01";

// The start-up load, over the shown window's list or an unattended run's.
class CStartupLoad {
 public:
  CStartupLoad(CListeCourante& list, CCommandLine& cl) : list_(list), cl_(cl) {}

  // Loads the start directory, else the first usable directory of the
  // fallback chain. False when not even the current directory can be loaded.
  bool Run() {
    if (!cl_.startDir.empty()) {
      if (Try(cl_.startDir, false, true)) {
        AfterCommandLineLoad();
        return true;
      }
    }
    const bool threaded = cl_.operation != COpKind::None;
    if (Config().deb_rep_expl) {
      const auto dirs = ExplorerDirectories();
      if (!dirs.empty() && Try(dirs.front(), threaded, false)) return true;
    }
    // The last directory, else its nearest parent that still loads.
    std::string rep = Config().rep.Get();
    while (!rep.empty()) {
      if (Try(rep, threaded, false)) return true;
      const size_t slash = rep.rfind('\\');
      if (slash == std::string::npos) break;
      rep.resize(slash);
    }
    for (const std::string& dir : Config().combo_rep)
      if (Try(dir, threaded, false)) return true;
    return Try("", threaded, true);
  }

 private:
  bool Try(const std::string& dir, bool threaded, bool report) {
    list_.Pending().threaded = threaded;
    list_.Pending().addToHistory = true;
    return list_.LoadDirectory(dir, report) == 0;
  }

  void AfterCommandLineLoad() {
    if (!cl_.names.empty()) list_.SelectNames(cl_.names);
    cl_.startDir.clear();
    cl_.names.clear();
  }

  CListeCourante& list_;
  CCommandLine& cl_;
};

void ApplyCommandLine(const CCommandLine& cl) {
  CConfig& cfg = Config();
  if (cl.hasExpression) cfg.exp.Set(cl.expression);
  if (cl.hasFilter) cfg.fil.Set(cl.filter);
  cfg.recurse.Set(cl.AdjustRecurse(cfg.recurse));
}

// A system library loaded for the whole run, and its entry points. The
// common controls and OLE are loaded only by a run that shows the window:
// under Wine, loading the common controls alone starts the desktop process.
class CKLibrary {
 public:
  explicit CKLibrary(const char* name) : module_(LoadLibraryA(name)) {}
  ~CKLibrary() {
    if (module_) FreeLibrary(module_);
  }
  CKLibrary(const CKLibrary&) = delete;
  CKLibrary& operator=(const CKLibrary&) = delete;
  template <class F>
  F Entry(const char* name) const {
    return module_ ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module_, name))) : nullptr;
  }

 private:
  HMODULE module_;
};

// OLE initialised on this thread while the object lives.
class CKOleSession {
 public:
  CKOleSession() {
    using Init = HRESULT(WINAPI*)(LPVOID);
    const Init init = ole32_.Entry<Init>("OleInitialize");
    uninit_ = ole32_.Entry<void(WINAPI*)()>("OleUninitialize");
    ok_ = init && uninit_ && SUCCEEDED(init(nullptr));
  }
  ~CKOleSession() {
    if (ok_) uninit_();
  }
  CKOleSession(const CKOleSession&) = delete;
  CKOleSession& operator=(const CKOleSession&) = delete;
  bool Ok() const { return ok_; }

 private:
  CKLibrary ole32_{"ole32.dll"};
  void(WINAPI* uninit_)() = nullptr;
  bool ok_ = false;
};

bool InitCommonControls(const CKLibrary& comctl32) {
  using Init = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
  const Init init = comctl32.Entry<Init>("InitCommonControlsEx");
  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_COOL_CLASSES |
                                              ICC_USEREX_CLASSES | ICC_LISTVIEW_CLASSES};
  return init && init(&icc);
}

// Settings, command line and the metadata hook, as both kinds of run start.
int Configure(int argc, char** argv, CCommandLine& cl, bool* usingDefault) {
  if (LoadConfig(argc, argv, usingDefault) != 0) return -1;
  std::setlocale(LC_NUMERIC, Config().sep_dec_reg ? "" : "C");
  ScanCommandLine(argc, argv, cl, FavouriteExpression, LongName);
  ApplyCommandLine(cl);
  InstallMetadataHook();
  return 0;
}

// A /Q run never shows its window, so it creates none: the same start-up
// load, selection, future names, operation, error boxes and configuration
// save, on a list without a view. It ends as the first turn of the message
// loop would: a load still running on its thread (the fallback chain of a run
// with an operation) is dropped.
int RunUnattended(int argc, char** argv) {
  CCommandLine cl;
  bool usingDefault = true;
  if (Configure(argc, argv, cl, &usingDefault) != 0) return 0;
  CListeCourante list;
  list.SetUnattended(true);
  list.Pending().selectFilter = cl.selectFilter;
  CStartupLoad load(list, cl);
  if (!load.Run()) return 0;
  if (cl.operation != COpKind::None) list.RunOperation(cl.operation);
  list.StopLoading(false);
  if (cl.saveConfig) SaveConfig();
  return 0;
}

// Only the quit switch matters here, and it does not depend on the
// configuration or on the files named.
bool QuitRequested(int argc, char** argv) {
  CCommandLine cl;
  const auto none = [](const std::string&) { return std::string(); };
  ScanCommandLine(argc, argv, cl, none, none);
  return cl.quit;
}

int MessageLoop(CMainWindow& main, HACCEL accel) {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (main.TranslateDialogs(&msg)) continue;
    if (accel && TranslateAcceleratorA(main.Hwnd(), accel, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace

int VeltoMain(HINSTANCE inst, int showCommand, int argc, char** argv) {
  std::srand(static_cast<unsigned>(std::time(nullptr)));
  std::setlocale(LC_TIME, "");
  if (QuitRequested(argc, argv)) return RunUnattended(argc, argv);
  HACCEL accel = LoadAcceleratorsA(inst, MAKEINTRESOURCEA(IDR_ACCEL));

  CKOleSession ole;
  if (!ole.Ok()) return 0;
  CCommandLine cl;
  bool usingDefault = true;
  if (Configure(argc, argv, cl, &usingDefault) != 0) return 0;

  const CKLibrary comctl32("comctl32.dll");
  if (!InitCommonControls(comctl32)) {
    MessageBoxA(nullptr, "Common Controls initialisation error\n\nErreur Initialisation Common Controls\n",
                kTitle, MB_OK | MB_ICONERROR);
    return 0;
  }
  std::string title = kTitle;
  if (!usingDefault) title += " (" + ConfigPath() + ")";
  CMainWindow window;
  if (!window.Create(inst, title)) return 0;
  window.Show(showCommand, Config().fen_princ_au_max);
  window.List().Pending().selectFilter = cl.selectFilter;

  CStartupLoad load(window.List(), cl);
  if (!load.Run()) {
    DestroyWindow(window.Hwnd());
    return 0;
  }

  SetFocus(window.List().Hwnd());
  if (cl.operation != COpKind::None) window.List().RunOperation(cl.operation);
  if (cl.help) PostMessageA(window.Hwnd(), WM_COMMAND, CMD_CMDLINE_HELP, 0);
  if (Config().pcont_ouv_dem) PostMessageA(window.Hwnd(), WM_COMMAND, CMD_FIRST_CONTACT, 0);
  const int result = MessageLoop(window, accel);
  if (window.Hwnd()) DestroyWindow(window.Hwnd());
  if (cl.saveConfig) SaveConfig();
  return result;
}
