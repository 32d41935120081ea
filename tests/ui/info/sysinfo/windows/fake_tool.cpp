// Stands in for the system-information tool under Wine: proves that it ran, and which copy
// ran, by leaving "<its own path>.ran" beside itself.
#include <windows.h>

int main() {
  char path[MAX_PATH + 8];
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return 1;
  lstrcatA(path, ".ran");
  HANDLE f = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                         nullptr);
  if (f == INVALID_HANDLE_VALUE) return 1;
  CloseHandle(f);
  return 0;
}
