// A stand-in for the launcher's platform operations, driven by a table: registry keys with
// their values (type, raw bytes, declared size, or a result code), the files that exist,
// the launches that succeed. It records every call, so a test can check what was opened
// (and with which rights), read, closed, tested and launched, and which message was shown.
#pragma once

#include "ui/info/sysinfo/sysinfo.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace vesparo::test {

struct FakeValue {
  FakeValue(std::uint32_t t = sysinfo::kRegSz, std::string b = {},
            std::optional<std::uint32_t> s = std::nullopt, long r = sysinfo::kErrorSuccess)
      : type(t), bytes(std::move(b)), size(s), result(r) {}

  std::uint32_t type;
  std::string bytes;                  // the stored bytes, a terminating zero included if any
  std::optional<std::uint32_t> size;  // declared size; the number of bytes when not given
  long result;                        // a read result to give instead of the data
};

struct FakeKey {
  long open_result = sysinfo::kErrorSuccess;  // given for any open of this key
  std::map<std::string, FakeValue> values;
};

// A string value stored as the registry stores it, with its terminating zero.
inline FakeValue StringValue(const std::string& text) { return {sysinfo::kRegSz, text + '\0'}; }

struct Call {
  std::string what;  // "open", "read", "close", "exists", "launch", "message"
  std::string arg;   // the key path, value name, file path, message text
  std::uint32_t access = 0;
  sysinfo::KeyHandle key = 0;
};

class FakeSysInfoPlatform : public sysinfo::SysInfoPlatform {
 public:
  std::map<std::string, FakeKey> keys;      // by path below HKEY_LOCAL_MACHINE
  std::set<std::string> files;              // ordinary files that exist (and can be started)
  std::set<std::string> failing_launches;   // existing files whose launch fails all the same
  std::string throw_in;                     // an operation that throws std::runtime_error

  std::vector<Call> calls;

  long OpenKey(sysinfo::KeyHandle root, const std::string& path, std::uint32_t access,
               sysinfo::KeyHandle& key) override;
  long ReadValue(sysinfo::KeyHandle key, const std::string& name, std::uint32_t& type,
                 unsigned char* data, std::uint32_t& size) override;
  void CloseKey(sysinfo::KeyHandle key) override;
  bool FileExists(const std::string& path) override;
  bool Launch(const std::string& path) override;
  void ShowMessage(const std::string& text) override;

  // What the calls add up to.
  std::vector<std::string> Launched() const { return Args("launch"); }
  std::vector<std::string> Messages() const { return Args("message"); }
  std::vector<std::string> Opened() const { return Args("open"); }
  std::vector<std::string> Tested() const { return Args("exists"); }
  // Keys handed out and not closed again (by handle, each close counted once).
  std::vector<sysinfo::KeyHandle> LeftOpen() const;
  // The access masks of all opens.
  std::vector<std::uint32_t> OpenAccess() const;

 private:
  std::vector<std::string> Args(const std::string& what) const;
  void MaybeThrow(const std::string& what) const;

  sysinfo::KeyHandle next_handle_ = 0x100;
  std::map<sysinfo::KeyHandle, std::string> open_keys_;
};

}  // namespace vesparo::test
