// Registry chores of the Wine test that `reg` cannot do, or not in one go:
//   regset set <key> <value name> <type> <size> <text>
//     writes one value below HKEY_LOCAL_MACHINE with an explicit data size: the first
//     <size> bytes of <text> (at most its length + 1, the terminating zero), so a string
//     without its terminating zero or a value of size 0 can be stored
//   regset clear <key>...
//     removes each key below HKEY_LOCAL_MACHINE (values only, no subkeys expected); a key
//     that is not there is fine
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

int Set(char** argv) {
  const DWORD type = std::strtoul(argv[2], nullptr, 0);
  const DWORD size = std::strtoul(argv[3], nullptr, 0);
  if (size > std::strlen(argv[4]) + 1) {
    std::fprintf(stderr, "regset: size beyond the text\n");
    return 2;
  }
  HKEY key;
  LONG r = RegCreateKeyExA(HKEY_LOCAL_MACHINE, argv[0], 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                           &key, nullptr);
  if (r != ERROR_SUCCESS) {
    std::fprintf(stderr, "regset: cannot create the key (%ld)\n", r);
    return 1;
  }
  r = RegSetValueExA(key, argv[1], 0, type, reinterpret_cast<const BYTE*>(argv[4]), size);
  RegCloseKey(key);
  if (r != ERROR_SUCCESS) {
    std::fprintf(stderr, "regset: cannot set the value (%ld)\n", r);
    return 1;
  }
  return 0;
}

int Clear(int argc, char** argv) {
  for (int i = 0; i < argc; ++i) {
    const LONG r = RegDeleteKeyA(HKEY_LOCAL_MACHINE, argv[i]);
    if (r != ERROR_SUCCESS && r != ERROR_FILE_NOT_FOUND) {
      std::fprintf(stderr, "regset: cannot remove %s (%ld)\n", argv[i], r);
      return 1;
    }
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 7 && std::strcmp(argv[1], "set") == 0) return Set(argv + 2);
  if (argc >= 2 && std::strcmp(argv[1], "clear") == 0) return Clear(argc - 2, argv + 2);
  std::fprintf(stderr, "usage: regset set <key> <value> <type> <size> <text>\n"
                       "       regset clear <key>...\n");
  return 2;
}
