#include "core/Platform.h"

#include <errno.h>
#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <map>
#include <stdexcept>

namespace launcher {
namespace {

class PosixFile : public RandomAccessFile {
 public:
  PosixFile(int fd, uint64_t size) : fd_(fd), size_(size) {}
  ~PosixFile() override { close(fd_); }
  PosixFile(const PosixFile&) = delete;
  PosixFile& operator=(const PosixFile&) = delete;

  uint64_t Size() const override { return size_; }
  bool ReadAt(uint64_t offset, void* buffer, size_t count) override {
    auto* out = static_cast<char*>(buffer);
    while (count > 0) {
      ssize_t n = pread(fd_, out, count, static_cast<off_t>(offset));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return false;
      out += n;
      count -= static_cast<size_t>(n);
      offset += static_cast<uint64_t>(n);
    }
    return true;
  }

 private:
  int fd_;
  uint64_t size_;
};

std::string IconvName(unsigned codePage) { return "CP" + std::to_string(codePage); }

// Opening a converter costs far more than converting one value; each thread
// keeps the ones it has opened.
class Converters {
 public:
  ~Converters() {
    for (auto& [names, cd] : open_) iconv_close(cd);
  }
  iconv_t Get(const std::string& from, const std::string& to) {
    auto& cd = open_[{from, to}];
    if (cd == iconv_t{}) {
      cd = iconv_open(to.c_str(), from.c_str());
      if (cd == reinterpret_cast<iconv_t>(-1)) {
        open_.erase({from, to});
        throw std::runtime_error("No conversion from " + from + " to " + to);
      }
    }
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    return cd;
  }

 private:
  std::map<std::pair<std::string, std::string>, iconv_t> open_;
};

// Runs iconv over the whole input, replacing what cannot be converted.
template <typename Out>
Out Convert(const std::string& from, const std::string& to, const char* in, size_t inBytes, size_t unitBytes,
            const char* replacement, size_t replacementBytes, size_t skipUnit) {
  thread_local Converters converters;
  iconv_t cd = converters.Get(from, to);
  std::string bytes;
  char buffer[4096];
  char* src = const_cast<char*>(in);
  while (inBytes > 0) {
    char* dst = buffer;
    size_t room = sizeof buffer;
    size_t r = iconv(cd, &src, &inBytes, &dst, &room);
    bytes.append(buffer, static_cast<size_t>(dst - buffer));
    if (r == static_cast<size_t>(-1) && errno != E2BIG) {
      bytes.append(replacement, replacementBytes);
      size_t skip = std::min(inBytes, skipUnit);
      src += skip;
      inBytes -= skip;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
  }
  Out out(bytes.size() / unitBytes, 0);
  std::memcpy(out.data(), bytes.data(), out.size() * unitBytes);
  return out;
}

}  // namespace

std::unique_ptr<RandomAccessFile> OpenPlatformFile(const std::string& path) {
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR) return nullptr;
    throw std::runtime_error("Cannot open '" + path + "': " + std::strerror(errno));
  }
  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    throw std::runtime_error("Cannot open '" + path + "': it is not a file");
  }
  return std::make_unique<PosixFile>(fd, static_cast<uint64_t>(st.st_size));
}

std::u16string DecodeCodePage(unsigned codePage, std::string_view text) {
  static const char16_t kReplacement = u'\uFFFD';
  return Convert<std::u16string>(IconvName(codePage), "UTF-16LE", text.data(), text.size(), 2,
                                 reinterpret_cast<const char*>(&kReplacement), 2, 1);
}

std::string EncodeCodePage(unsigned codePage, std::u16string_view text) {
  return Convert<std::string>("UTF-16LE", IconvName(codePage), reinterpret_cast<const char*>(text.data()),
                              text.size() * 2, 1, "?", 1, 2);
}

}  // namespace launcher
