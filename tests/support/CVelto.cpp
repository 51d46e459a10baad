#include "support/CVelto.h"

#include <windows.h>

#include <cstdlib>

#include "support/CDialogDriver.h"
#include "support/CProcess.h"

std::string VeltoExe() {
  const char* bin = std::getenv("VELTO_BINARY_DIR");
  std::string path = std::string(bin ? bin : ".") + "/velto.exe";
  if (path[0] == '/') path = "Z:" + path;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

int RunVelto(const std::string& args, std::vector<std::string>* boxes, unsigned timeoutMs) {
  CProcess p;
  if (p.Start(Quote(VeltoExe()) + " " + args) != 0) return -1;
  DWORD code = 0;
  for (unsigned waited = 0; waited < timeoutMs; waited += 100) {
    if (p.Poll(100, &code) == 0) return 0;
    for (const CDialogInfo& d : FindDialogs(p.Pid())) {
      if (boxes) boxes->push_back(d.Text());
      PressButton(d.hwnd, IDOK);
    }
  }
  p.Wait(0, &code);
  return -2;
}

std::string IniValue(const std::string& path, const char* section, const char* key) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return "<absent>";
  std::string text;
  char buf[4096];
  DWORD n = 0;
  while (ReadFile(h, buf, sizeof buf, &n, nullptr) && n > 0) text.append(buf, n);
  CloseHandle(h);
  bool inSection = false;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() && line[0] == '[') {
      const size_t close = line.find(']');
      inSection = close != std::string::npos && lstrcmpiA(line.substr(1, close - 1).c_str(), section) == 0;
      continue;
    }
    const size_t eq = line.find('=');
    if (!inSection || eq == std::string::npos) continue;
    if (lstrcmpiA(line.substr(0, eq).c_str(), key) != 0) continue;
    std::string value = line.substr(eq + 1);
    // The private-profile writer encloses some values in one pair of quotes.
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
    return value;
  }
  return "<absent>";
}
