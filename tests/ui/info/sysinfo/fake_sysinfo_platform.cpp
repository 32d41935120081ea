#include "fake_sysinfo_platform.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace vesparo::test {

void FakeSysInfoPlatform::MaybeThrow(const std::string& what) const {
  if (throw_in == what) throw std::runtime_error("platform failure in " + what);
}

long FakeSysInfoPlatform::OpenKey(sysinfo::KeyHandle root, const std::string& path,
                                  std::uint32_t access, sysinfo::KeyHandle& key) {
  calls.push_back({"open", path, access, 0});
  MaybeThrow("open");
  if (root != sysinfo::kHkeyLocalMachine) return 6;  // ERROR_INVALID_HANDLE
  const auto it = keys.find(path);
  if (it == keys.end()) return sysinfo::kErrorFileNotFound;
  if (it->second.open_result != sysinfo::kErrorSuccess) return it->second.open_result;
  key = next_handle_++;
  open_keys_[key] = path;
  calls.back().key = key;
  return sysinfo::kErrorSuccess;
}

long FakeSysInfoPlatform::ReadValue(sysinfo::KeyHandle key, const std::string& name,
                                    std::uint32_t& type, unsigned char* data,
                                    std::uint32_t& size) {
  calls.push_back({"read", name, 0, key});
  MaybeThrow("read");
  const auto open = open_keys_.find(key);
  if (open == open_keys_.end()) return 6;
  const FakeKey& k = keys.at(open->second);
  const auto it = k.values.find(name);
  if (it == k.values.end()) return sysinfo::kErrorFileNotFound;
  const FakeValue& v = it->second;
  if (v.result != sysinfo::kErrorSuccess) return v.result;
  const std::uint32_t declared = v.size.value_or(static_cast<std::uint32_t>(v.bytes.size()));
  type = v.type;
  if (declared > size) {  // as the registry does: the size needed, and "more data"
    size = declared;
    return sysinfo::kErrorMoreData;
  }
  std::memcpy(data, v.bytes.data(), std::min<std::size_t>(v.bytes.size(), declared));
  size = declared;
  return sysinfo::kErrorSuccess;
}

void FakeSysInfoPlatform::CloseKey(sysinfo::KeyHandle key) {
  calls.push_back({"close", open_keys_.count(key) ? open_keys_[key] : "?", 0, key});
  open_keys_.erase(key);
}

bool FakeSysInfoPlatform::FileExists(const std::string& path) {
  calls.push_back({"exists", path});
  MaybeThrow("exists");
  return files.count(path) > 0;
}

bool FakeSysInfoPlatform::Launch(const std::string& path) {
  calls.push_back({"launch", path});
  MaybeThrow("launch");
  // Like the real launch: an empty path or a file that is not there cannot be started.
  return files.count(path) > 0 && failing_launches.count(path) == 0;
}

void FakeSysInfoPlatform::ShowMessage(const std::string& text) {
  calls.push_back({"message", text});
}

std::vector<std::string> FakeSysInfoPlatform::Args(const std::string& what) const {
  std::vector<std::string> out;
  for (const Call& c : calls)
    if (c.what == what) out.push_back(c.arg);
  return out;
}

std::vector<sysinfo::KeyHandle> FakeSysInfoPlatform::LeftOpen() const {
  std::vector<sysinfo::KeyHandle> out;
  for (const auto& [key, path] : open_keys_) out.push_back(key);
  return out;
}

std::vector<std::uint32_t> FakeSysInfoPlatform::OpenAccess() const {
  std::vector<std::uint32_t> out;
  for (const Call& c : calls)
    if (c.what == "open") out.push_back(c.access);
  return out;
}

}  // namespace vesparo::test
