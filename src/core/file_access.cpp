// SPDX-License-Identifier: MIT
#include "core/file_access.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>

namespace lumora {

namespace {

FormFailure FileFailure(const std::string& path, const std::string& why) {
  return FormFailure{"The file \"" + path + "\" " + why, MessageIcon::Error, std::nullopt, false};
}

// What a file that is not a regular one is, in words.
std::string KindOf(mode_t mode) {
  if (S_ISDIR(mode)) {
    return "a folder";
  }
  if (S_ISFIFO(mode)) {
    return "a FIFO (named pipe)";
  }
  if (S_ISCHR(mode) || S_ISBLK(mode)) {
    return "a device";
  }
  if (S_ISSOCK(mode)) {
    return "a socket";
  }
  return "not a regular file";
}

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) {
      ::close(fd_);
    }
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

FormResult<std::string> ReadRegularFile(const std::string& path, std::size_t max_bytes) {
  // O_NONBLOCK: opening a FIFO for reading returns at once instead of waiting for a
  // writer, so the check below sees what was opened (no window between a look and
  // the opening for something else to take the name's place).
  const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (file.get() < 0) {
    return FileFailure(path, std::string("cannot be read: ") + std::strerror(errno));
  }
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) {
    return FileFailure(path, std::string("cannot be read: ") + std::strerror(errno));
  }
  if (!S_ISREG(info.st_mode)) {
    return FileFailure(path, "is " + KindOf(info.st_mode) + ", not a regular file");
  }
  // The size may change while the file is read: never more than one byte past the limit.
  const std::size_t most = max_bytes + 1;
  std::string bytes(std::min<std::uintmax_t>(static_cast<std::uintmax_t>(info.st_size) + 1, most),
                    '\0');
  std::size_t count = 0;
  while (count < most) {
    if (count == bytes.size()) {
      bytes.resize(std::min(most, count + 4096));
    }
    const ssize_t n = ::read(file.get(), bytes.data() + count, bytes.size() - count);
    if (n < 0 && errno == EINTR) {
      continue;
    }
    if (n < 0) {
      return FileFailure(path, std::string("cannot be read: ") + std::strerror(errno));
    }
    if (n == 0) {
      break;
    }
    count += static_cast<std::size_t>(n);
  }
  bytes.resize(count);
  return bytes;
}

FormResult<std::string> CheckRegularFile(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) {
    return FileFailure(path, std::string("cannot be read: ") + std::strerror(errno));
  }
  if (!S_ISREG(info.st_mode)) {
    return FileFailure(path, "is " + KindOf(info.st_mode) + ", not a regular file");
  }
  return path;
}

FormResult<std::string> CheckWriteTarget(const std::string& path) {
  if (path.empty()) {
    return FormFailure{"The file name is empty", MessageIcon::Error, std::nullopt, false};
  }
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0) {
    if (!S_ISREG(info.st_mode)) {
      return FileFailure(path, "is " + KindOf(info.st_mode) + ": only a regular file is replaced");
    }
    // Write permission for no one marks a file its owner protected, even from the
    // administrator, whom access() would let through.
    if (::access(path.c_str(), W_OK) != 0 || (info.st_mode & 0222) == 0) {
      return FileFailure(path, "is write-protected: it is not replaced");
    }
    return path;
  }
  if (errno != ENOENT) {
    return FileFailure(path, std::string("cannot be written: ") + std::strerror(errno));
  }
  const std::filesystem::path target(path);
  const std::string folder =
      target.has_parent_path() ? target.parent_path().string() : std::string(".");
  if (::access(folder.c_str(), W_OK | X_OK) != 0) {
    return FileFailure(path, std::string("cannot be written: ") + std::strerror(errno));
  }
  return path;
}

}  // namespace lumora
