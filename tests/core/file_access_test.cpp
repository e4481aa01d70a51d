// SPDX-License-Identifier: MIT
// Reading and replacing files named by the user: only regular files, never more than
// a limit, never a file the user could not write in place.
#include "core/file_access.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string_view>

namespace lumora {
namespace {

namespace fs = std::filesystem;

class Scratch {
 public:
  Scratch() {
    std::string pattern = (fs::temp_directory_path() / "lumora-files-XXXXXX").string();
    folder_ = ::mkdtemp(pattern.data());
  }
  ~Scratch() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  std::string File(std::string_view name, std::string_view bytes) const {
    const std::string path = Path(name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  std::string Path(std::string_view name) const { return (folder_ / name).string(); }
  const fs::path& Folder() const { return folder_; }

 private:
  fs::path folder_;
};

std::string MessageOf(const FormResult<std::string>& result) {
  const auto* failure = std::get_if<FormFailure>(&result);
  return failure ? failure->Message : std::string();
}

TEST(ReadRegularFile, OnlyRegularFilesWithinTheLimit) {
  const Scratch scratch;
  const std::string fifo = scratch.Path("couple.lumora");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const struct {
    const char* why;
    std::string path;
    std::size_t limit;
    std::string_view message_part;  // empty: read
    std::string_view bytes;
  } cases[] = {
      {"a small file", scratch.File("a.json", "{}"), 16, "", "{}"},
      {"a file exactly at the limit", scratch.File("b.json", "0123456789"), 10, "", "0123456789"},
      {"an empty file", scratch.File("c.json", ""), 10, "", ""},
      // Past the limit: one byte more than the limit tells the caller so.
      {"one byte past the limit", scratch.File("d.json", "0123456789A"), 10, "", "0123456789A"},
      {"far past the limit", scratch.File("e.json", std::string(5000, 'x')), 10, "", "xxxxxxxxxxx"},
      // Opening a FIFO for reading would wait for a writer for good.
      {"a FIFO", fifo, 1024, "is a FIFO", ""},
      {"an endless device", "/dev/zero", 1024, "is a device", ""},
      {"a device with nothing in it", "/dev/null", 1024, "is a device", ""},
      {"a folder", scratch.Folder().string(), 1024, "is a folder", ""},
      {"a missing file", scratch.Path("missing.json"), 1024, "cannot be read", ""},
  };
  for (const auto& c : cases) {
    const auto read = ReadRegularFile(c.path, c.limit);
    if (c.message_part.empty()) {
      ASSERT_FALSE(IsRefused(read)) << c.why << ": " << MessageOf(read);
      EXPECT_EQ(std::get<std::string>(read), c.bytes) << c.why;
      EXPECT_FALSE(IsRefused(CheckRegularFile(c.path))) << c.why;
      continue;
    }
    EXPECT_NE(MessageOf(read).find(c.message_part), std::string::npos)
        << c.why << ": " << MessageOf(read);
    // A file read as a stream is checked the same way.
    EXPECT_NE(MessageOf(CheckRegularFile(c.path)).find(c.message_part), std::string::npos)
        << c.why << ": " << MessageOf(CheckRegularFile(c.path));
  }
}

TEST(CheckWriteTarget, OnlyNewNamesAndRegularFilesTheUserMayWrite) {
  const Scratch scratch;
  const std::string fifo = scratch.Path("out.pdf");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string protected_file = scratch.File("kept.kun", "x");
  ASSERT_EQ(::chmod(protected_file.c_str(), 0444), 0);
  const struct {
    const char* why;
    std::string path;
    std::string_view message_part;  // empty: may be written
  } cases[] = {
      {"a new name", scratch.Path("new.pdf"), ""},
      {"a file of the user's", scratch.File("old.pdf", "x"), ""},
      {"the empty name", "", "empty"},
      {"a character device", "/dev/null", "is a device"},
      {"a device that is always full", "/dev/full", "is a device"},
      {"a FIFO", fifo, "is a FIFO"},
      {"a folder", scratch.Folder().string(), "is a folder"},
      {"a write-protected file (0444)", protected_file, "write-protected"},
      {"a name in a folder that does not exist", scratch.Path("no/such/a.pdf"),
       "cannot be written"},
  };
  for (const auto& c : cases) {
    const auto checked = CheckWriteTarget(c.path);
    if (c.message_part.empty()) {
      EXPECT_FALSE(IsRefused(checked)) << c.why << ": " << MessageOf(checked);
      continue;
    }
    EXPECT_NE(MessageOf(checked).find(c.message_part), std::string::npos)
        << c.why << ": " << MessageOf(checked);
  }
}

// Another user's 0644 file in a folder everyone may write: the folder would let the
// file be renamed over, but the file itself could not be written in place. Checked as
// the unprivileged user "nobody" where the tests run as the administrator.
TEST(CheckWriteTarget, AnotherUsersFileInAWorldWritableFolder) {
  if (::geteuid() != 0) {
    GTEST_SKIP() << "needs the administrator to act as another user";
  }
  const Scratch scratch;
  ASSERT_EQ(::chmod(scratch.Folder().c_str(), 0777), 0);
  const std::string roots = scratch.File("root.kun", "x");
  ASSERT_EQ(::chmod(roots.c_str(), 0644), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    constexpr uid_t kNobody = 65534;
    if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
      ::_exit(3);
    }
    const bool refused_file = IsRefused(CheckWriteTarget(roots));
    const bool new_name_ok = !IsRefused(CheckWriteTarget(scratch.Path("nobody.kun")));
    ::_exit(refused_file && new_name_ok ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "1: root's file was not refused to nobody";
}

}  // namespace
}  // namespace lumora
