// The Win32 definitions of the portable tools' system services.
#include <windows.h>

#include <stdexcept>

#include "core/Platform.h"
#include "windows/system/Handles.h"
#include "windows/system/Win32Text.h"

namespace launcher {
namespace {

class Win32File : public RandomAccessFile {
 public:
  Win32File(KernelHandle handle, uint64_t size) : handle_(std::move(handle)), size_(size) {}

  uint64_t Size() const override { return size_; }
  bool ReadAt(uint64_t offset, void* buffer, size_t count) override {
    auto* out = static_cast<char*>(buffer);
    while (count > 0) {
      OVERLAPPED at{};
      at.Offset = static_cast<DWORD>(offset);
      at.OffsetHigh = static_cast<DWORD>(offset >> 32);
      DWORD want = count > 0x10000000 ? 0x10000000 : static_cast<DWORD>(count);
      DWORD got = 0;
      if (!ReadFile(handle_.Get(), out, want, &got, &at) || got == 0) return false;
      out += got;
      count -= got;
      offset += got;
    }
    return true;
  }

 private:
  KernelHandle handle_;
  uint64_t size_;
};

}  // namespace

std::unique_ptr<RandomAccessFile> OpenPlatformFile(const std::string& path) {
  HANDLE opened = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (opened == INVALID_HANDLE_VALUE) {
    DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return nullptr;
    throw std::runtime_error("Cannot open '" + path + "': " + SystemErrorText(error));
  }
  KernelHandle handle(opened);
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(handle.Get(), &size)) {
    throw std::runtime_error("Cannot open '" + path + "': " + SystemErrorText(GetLastError()));
  }
  return std::make_unique<Win32File>(std::move(handle), static_cast<uint64_t>(size.QuadPart));
}

}  // namespace launcher
