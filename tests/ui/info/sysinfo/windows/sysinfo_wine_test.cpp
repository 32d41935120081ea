// The launcher's Windows half, run for real (under Wine in the test run): the logic over the
// Win32 registry, file test, CreateProcessA and MessageBoxA. The registry is filled by the
// driver script before each run; this program checks one expectation and says why not.
//
//   sysinfo_wine_test start launched <path> [--not-run <path>] [--opened <n>]
//     the tool at <path> was started (its marker "<path>.ran" appears), no message shows
//   sysinfo_wine_test start message [--opened <n>]
//     nothing was started and the one message showed, with the program title
//   sysinfo_wine_test get <key> <value> found <length> [<text>]
//   sysinfo_wine_test get <key> <value> missing
//   sysinfo_wine_test get <key> <value> throws
//     GetKeyValue below HKEY_LOCAL_MACHINE read the value / failed / raised an error
//   sysinfo_wine_test warm-up
//     shows message boxes until one appears (see WarmUp)
//
// Every run also checks that each key was opened read-only and closed again.
#include "ui/info/sysinfo/sysinfo.h"
#include "ui/info/sysinfo/windows_platform.h"

#include "vesparo_version.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace si = vesparo::sysinfo;

namespace {

int failures = 0;

void Fail(const std::string& what) {
  std::printf("FAIL: %s\n", what.c_str());
  ++failures;
}

// What a message box over this process showed; the watcher closes it with OK as a user
// would. It looks until it has found the box or MessageBoxA has returned without one.
struct SeenBox {
  bool seen = false;
  std::string title, text;
  HANDLE returned = nullptr;  // set once MessageBoxA has returned
};

DWORD WINAPI WatchForBox(LPVOID param) {
  auto* seen = static_cast<SeenBox*>(param);
  while (WaitForSingleObject(seen->returned, 10) == WAIT_TIMEOUT) {
    HWND box = nullptr;
    while ((box = FindWindowExA(nullptr, box, "#32770", nullptr)) != nullptr) {
      DWORD pid = 0;
      GetWindowThreadProcessId(box, &pid);
      if (pid == GetCurrentProcessId() && IsWindowVisible(box)) break;
    }
    if (!box) continue;
    char title[512] = {}, text[512] = {};
    GetWindowTextA(box, title, sizeof title);
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the message's static control
    seen->seen = true;
    seen->title = title;
    seen->text = text;
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    return 0;
  }
  return 0;
}

// Shows text with the real message box and reports what the box showed.
SeenBox ShowAndRead(si::WindowsPlatform& platform, const std::string& text) {
  SeenBox seen;
  seen.returned = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HANDLE watcher = CreateThread(nullptr, 0, WatchForBox, &seen, 0, nullptr);
  platform.WindowsPlatform::ShowMessage(text);
  SetEvent(seen.returned);
  WaitForSingleObject(watcher, INFINITE);
  CloseHandle(watcher);
  CloseHandle(seen.returned);
  seen.returned = nullptr;
  return seen;
}

// The real Windows operations, each call recorded on its way through.
class RecordingPlatform : public si::WindowsPlatform {
 public:
  std::vector<std::string> opened;
  std::vector<std::uint32_t> access;
  std::map<si::KeyHandle, int> open_keys;
  std::vector<std::string> launched;
  std::vector<bool> launch_results;
  std::vector<SeenBox> messages;

  long OpenKey(si::KeyHandle root, const std::string& path, std::uint32_t mask,
               si::KeyHandle& key) override {
    opened.push_back(path);
    access.push_back(mask);
    const long r = WindowsPlatform::OpenKey(root, path, mask, key);
    if (r == si::kErrorSuccess) ++open_keys[key];
    return r;
  }
  void CloseKey(si::KeyHandle key) override {
    if (--open_keys[key] == 0) open_keys.erase(key);
    WindowsPlatform::CloseKey(key);
  }
  bool Launch(const std::string& path) override {
    launched.push_back(path);
    const bool ok = WindowsPlatform::Launch(path);
    launch_results.push_back(ok);
    return ok;
  }
  void ShowMessage(const std::string& text) override {
    const SeenBox seen = ShowAndRead(*this, text);
    if (!seen.seen) Fail("MessageBoxA showed no box for \"" + text + "\"");
    messages.push_back(seen);
  }
};

bool FileThere(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool WaitForFile(const std::string& path) {
  for (int i = 0; i < 1000; ++i) {  // 10 s at most
    if (FileThere(path)) return true;
    Sleep(10);
  }
  return false;
}

void CheckKeys(const RecordingPlatform& p) {
  for (std::uint32_t mask : p.access) {
    if (mask != 0x20019u) Fail("a key was opened with access mask " + std::to_string(mask));
  }
  if (!p.open_keys.empty()) Fail(std::to_string(p.open_keys.size()) + " key(s) left open");
}

std::string Trace(const RecordingPlatform& p) {
  std::string t = "opened:";
  for (const auto& k : p.opened) t += " [" + k + "]";
  t += "; launched:";
  for (std::size_t i = 0; i < p.launched.size(); ++i)
    t += " [" + p.launched[i] + (p.launch_results[i] ? "] ok" : "] failed");
  t += "; messages: " + std::to_string(p.messages.size());
  return t;
}

int Start(int argc, char** argv) {
  if (argc < 1) return 2;
  const std::string expect = argv[0];
  std::string program, not_run;
  int opened = -1;
  int i = 1;
  if (expect == "launched") {
    if (argc < 2) return 2;
    program = argv[1];
    i = 2;
  } else if (expect != "message") {
    return 2;
  }
  for (; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--not-run") == 0) not_run = argv[i + 1];
    else if (std::strcmp(argv[i], "--opened") == 0) opened = std::atoi(argv[i + 1]);
    else return 2;
  }

  RecordingPlatform platform;
  si::StartSysInfo(platform);
  std::printf("%s\n", Trace(platform).c_str());

  if (expect == "launched") {
    if (platform.launched != std::vector<std::string>{program})
      Fail("expected exactly one launch of [" + program + "]");
    if (!WaitForFile(program + ".ran")) Fail("the tool at [" + program + "] did not run");
    if (!not_run.empty() && FileThere(not_run + ".ran"))
      Fail("[" + not_run + "] ran instead of or besides the tool");
    if (!platform.messages.empty()) Fail("a message showed although the tool started");
  } else {
    for (std::size_t k = 0; k < platform.launch_results.size(); ++k)
      if (platform.launch_results[k]) Fail("[" + platform.launched[k] + "] was started");
    if (platform.messages.size() != 1) {
      Fail("expected one message, got " + std::to_string(platform.messages.size()));
    } else {
      const SeenBox& m = platform.messages.front();
      if (m.text != "System Information Is Unavailable At This Time")
        Fail("message text [" + m.text + "]");
      if (m.title != vesparo::kProgramTitel) Fail("message title [" + m.title + "]");
    }
  }
  if (opened >= 0 && static_cast<int>(platform.opened.size()) != opened)
    Fail("expected " + std::to_string(opened) + " key(s) opened");
  CheckKeys(platform);
  return failures == 0 ? 0 : 1;
}

int Get(int argc, char** argv) {
  if (argc < 3) return 2;
  const std::string key = argv[0], value = argv[1], expect = argv[2];
  RecordingPlatform platform;
  std::string text;
  bool found = false, threw = false;
  try {
    found = si::GetKeyValue(platform, si::kHkeyLocalMachine, key, value, text);
  } catch (const std::invalid_argument&) {
    threw = true;
  }
  std::printf("found=%d threw=%d length=%zu\n", found, threw, text.size());

  if (expect == "throws") {
    if (!threw) Fail("expected an error for a value of size 0");
  } else if (expect == "missing") {
    if (threw || found) Fail("expected the value to count as missing");
    if (!text.empty()) Fail("a missing value must leave the text empty");
  } else if (expect == "found") {
    if (argc < 4) return 2;
    if (threw || !found) Fail("expected the value to be read");
    if (text.size() != std::strtoul(argv[3], nullptr, 10))
      Fail("expected " + std::string(argv[3]) + " characters");
    if (argc >= 5 && text != argv[4]) Fail("expected the text [" + std::string(argv[4]) + "], got [" + text + "]");
    if (text.find('\0') != std::string::npos) Fail("the terminating zero was kept");
  } else {
    return 2;
  }
  CheckKeys(platform);
  return failures == 0 ? 0 : 1;
}

// Wine starts its desktop process with the first window of a fresh session, and under load
// the first box may come too early for it. Showing boxes until one appears means the cases
// that follow meet a desktop that is up.
int WarmUp() {
  si::WindowsPlatform platform;
  for (int attempt = 0; attempt < 20; ++attempt) {
    if (ShowAndRead(platform, "warm-up").seen) return 0;
    Sleep(500);
  }
  std::printf("FAIL: no message box could be shown\n");
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  int r = 2;
  if (argc == 2 && std::strcmp(argv[1], "warm-up") == 0) r = WarmUp();
  if (argc >= 2 && std::strcmp(argv[1], "start") == 0) r = Start(argc - 2, argv + 2);
  if (argc >= 2 && std::strcmp(argv[1], "get") == 0) r = Get(argc - 2, argv + 2);
  if (r == 2) std::fprintf(stderr, "sysinfo_wine_test: bad arguments\n");
  std::fflush(stdout);
  return r;
}
