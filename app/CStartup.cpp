#include "app/CStartup.h"

#include <commctrl.h>
#include <ole2.h>

#include <clocale>
#include <cstdlib>
#include <ctime>
#include <string>

#include "app/CCommandLine.h"
#include "os/OsFs.h"
#include "config/CConfig.h"
#include "config/CMultilangue.h"
#include "os/CKGuards.h"
#include "res/resource.h"
#include "shell/CExplorer.h"
#include "ui/CEngineOptions.h"
#include "ui/CMainWindow.h"

namespace {

const char kTitle[] = "Velto 2.01";

class CStartupLoad {
 public:
  CStartupLoad(CMainWindow& window, CCommandLine& cl) : window_(window), cl_(cl) {}

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
    CListeFic& list = window_.List();
    list.Pending().threaded = threaded;
    list.Pending().addToHistory = true;
    return list.LoadDirectory(dir, report) == 0;
  }

  void AfterCommandLineLoad() {
    CListeFic& list = window_.List();
    if (!cl_.names.empty()) list.SelectNames(cl_.names);
    cl_.startDir.clear();
    cl_.names.clear();
  }

  CMainWindow& window_;
  CCommandLine& cl_;
};

void ApplyCommandLine(const CCommandLine& cl) {
  CConfig& cfg = Config();
  if (cl.hasExpression) cfg.exp.Set(cl.expression);
  if (cl.hasFilter) cfg.fil.Set(cl.filter);
  cfg.recurse.Set(cl.AdjustRecurse(cfg.recurse));
}

int MessageLoop(HWND main, HACCEL accel) {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (accel && TranslateAcceleratorA(main, accel, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace

int VeltoMain(HINSTANCE inst, int showCommand, int argc, char** argv) {
  std::srand(static_cast<unsigned>(std::time(nullptr)));
  std::setlocale(LC_TIME, "");
  HACCEL accel = LoadAcceleratorsA(inst, MAKEINTRESOURCEA(IDR_ACCEL));

  CKOleSession ole;
  if (!ole.Ok()) return 0;
  bool usingDefault = true;
  if (LoadConfig(argc, argv, &usingDefault) != 0) return 0;
  std::setlocale(LC_NUMERIC, Config().sep_dec_reg ? "" : "C");

  CCommandLine cl;
  ScanCommandLine(argc, argv, cl, FavouriteExpression, LongName);
  ApplyCommandLine(cl);
  InstallMetadataHook();

  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_COOL_CLASSES |
                                              ICC_USEREX_CLASSES | ICC_LISTVIEW_CLASSES};
  if (!InitCommonControlsEx(&icc)) {
    MessageBoxA(nullptr,
                "Common Controls initialisation error\n\nErreur Initialisation Common Controls\n",
                kTitle, MB_OK | MB_ICONERROR);
    return 0;
  }
  std::string title = kTitle;
  if (!usingDefault) title += " (" + ConfigPath() + ")";
  CMainWindow window;
  if (!window.Create(inst, title)) return 0;

  if (!cl.quit) {
    window.Show(showCommand, Config().fen_princ_au_max);
  } else {
    window.List().SetRedraw(false);
    window.List().SetUnattended(true);
  }
  window.List().Pending().selectFilter = cl.selectFilter;

  CStartupLoad load(window, cl);
  if (!load.Run()) {
    DestroyWindow(window.Hwnd());
    return 0;
  }

  SetFocus(window.List().Hwnd());
  if (cl.operation != COpKind::None) window.List().RunOperation(cl.operation);
  if (cl.quit) {
    PostQuitMessage(0);
  } else {
    if (cl.help) PostMessageA(window.Hwnd(), WM_COMMAND, CMD_CMDLINE_HELP, 0);
    if (Config().pcont_ouv_dem) PostMessageA(window.Hwnd(), WM_COMMAND, CMD_FIRST_CONTACT, 0);
  }
  const int result = MessageLoop(window.Hwnd(), accel);
  // A /Q run ends with its window still there (and never shown).
  if (window.Hwnd()) DestroyWindow(window.Hwnd());
  if (cl.saveConfig) SaveConfig();
  return result;
}
