// SPDX-License-Identifier: MIT
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "cli/commands.h"
#include "core/file_access.h"
#include "core/vedic/entry/profile.h"

namespace lumora::cli {

namespace {

// The profile command's options.
struct ProfileCommandOptions {
  CommonOptions common;
  std::string file;
  bool match = false;
};

}  // namespace

namespace {

// Closes a descriptor and removes the temporary file unless it was renamed into place.
class TemporaryFile {
 public:
  TemporaryFile(int descriptor, std::string path)
      : descriptor_(descriptor), path_(std::move(path)) {}
  ~TemporaryFile() {
    if (descriptor_ >= 0) {
      ::close(descriptor_);
    }
    if (!kept_) {
      ::unlink(path_.c_str());
    }
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  int descriptor() const { return descriptor_; }
  const std::string& path() const { return path_; }
  bool Close() {
    const int descriptor = descriptor_;
    descriptor_ = -1;
    return ::close(descriptor) == 0;
  }
  void Keep() { kept_ = true; }

 private:
  int descriptor_;
  std::string path_;
  bool kept_ = false;
};

bool WriteAll(int descriptor, const std::string& bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(descriptor, bytes.data() + written, bytes.size() - written);
    if (n < 0 && errno == EINTR) {
      continue;
    }
    if (n <= 0) {
      return false;
    }
    written += static_cast<std::size_t>(n);
  }
  return true;
}

// Writes through a new temporary file in the target's folder and renames it over the
// target, so a failed write leaves any earlier file intact. mkstemp creates the file
// afresh (O_CREAT | O_EXCL), so no link planted at a guessable name is followed; the
// earlier file's permissions carry over, and the data reach the disk before the rename.
void WriteAtomically(const std::string& path, const std::string& bytes) {
  // As --pdf: a device node, FIFO or folder is never replaced, nor a file the user could
  // not write in place (a read-only file, another user's file in a folder open to all).
  if (const auto failure = FailureOf(CheckWriteTarget(path))) {
    throw Rejection("The File Could Not Be Saved. " + failure->Message, "error");
  }
  const std::filesystem::path target(path);
  const std::filesystem::path folder =
      target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
  std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  const int descriptor = ::mkstemp(pattern.data());
  if (descriptor < 0) {
    throw Rejection("The File Could Not Be Saved.", "error");
  }
  TemporaryFile temporary(descriptor, pattern);

  struct stat earlier {};
  mode_t mode = 0;
  if (::stat(path.c_str(), &earlier) == 0) {
    if (!S_ISREG(earlier.st_mode)) {
      throw Rejection("The File Could Not Be Saved.", "error");
    }
    mode = earlier.st_mode & 07777;
  } else {
    // A new file gets what the user's umask allows of read and write for everyone,
    // as any other program's new file would; mkstemp alone would give 0600.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  if (::fchmod(temporary.descriptor(), mode) != 0 || !WriteAll(temporary.descriptor(), bytes) ||
      ::fsync(temporary.descriptor()) != 0 || !temporary.Close()) {
    throw Rejection("The File Could Not Be Saved.", "error");
  }
  if (::rename(temporary.path().c_str(), path.c_str()) != 0) {
    throw Rejection("The File Could Not Be Saved.", "error");
  }
  temporary.Keep();
  // The rename itself reaches the disk with the folder.
  const int folder_descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (folder_descriptor >= 0) {
    ::fsync(folder_descriptor);
    ::close(folder_descriptor);
  }
}

Json ProfileWrite(const std::string& file, const Json& input) {
  // Whatever profile read would refuse, profile write does not create.
  if (!HasProfileExtension(file)) {
    throw Rejection(kProfileRefusal, "error");
  }
  ProfileValues values;
  const char* keys[] = {"BoyRashi", "GirlRashi", "BoyNakshatra", "GirlNakshatra"};
  for (int i = 0; i < 4; ++i) {
    values[static_cast<std::size_t>(i)] = StringField(input, keys[i], "");
  }
  if (!CheckProfileValues(values)) {
    throw Rejection(kProfileRefusal, "error");
  }
  WriteAtomically(file, WriteProfile(values));
  Json out;
  out["File"] = file;
  for (int i = 0; i < 4; ++i) {
    out[keys[i]] = values[static_cast<std::size_t>(i)];
  }
  return out;
}

Json ProfileRead(const std::string& file, bool match) {
  if (!HasProfileExtension(file)) {
    throw Rejection(kProfileRefusal, "error");
  }
  const std::optional<std::string> bytes = ReadSmallFile(file, kProfileFileLimit);
  if (!bytes) {
    throw Rejection(kProfileRefusal, "error");
  }
  const auto values = CheckProfile(*bytes);
  if (!values) {
    throw Rejection(kProfileRefusal, "error");
  }
  if (match) {
    return MatchFromProfileValues(*values, false);
  }
  Json out;
  out["BoyRashi"] = (*values)[0];
  out["GirlRashi"] = (*values)[1];
  out["BoyNakshatra"] = (*values)[2];
  out["GirlNakshatra"] = (*values)[3];
  return out;
}

}  // namespace

namespace {

void RegisterProfileCommand(CLI::App& app, ProfileCommandOptions& options, Action& action) {
  CLI::App* profile = app.add_subcommand("profile", "Birth-profile files (.kun)");
  profile->require_subcommand(1);

  CLI::App* write = profile->add_subcommand(
      "write", "Write FILE from {\"BoyRashi\",\"GirlRashi\",\"BoyNakshatra\",\"GirlNakshatra\"}");
  write->add_option("FILE", options.file, "The profile file to write (its name ends in .kun)")
      ->required();
  write->footer(
      "Input keys: BoyRashi, GirlRashi (English sign names, for example \"Leo\"),\n"
      "BoyNakshatra, GirlNakshatra (nakshatra names, for example \"Moola\").\n");
  AddCommonOptions(write, options.common);
  write->callback([&options, &action] {
    action = [&options] {
      return RunEach(ReadInputs(options.common.input_file), options.common.json,
                     [&options](const Json& input) { return ProfileWrite(options.file, input); });
    };
  });

  CLI::App* read = profile->add_subcommand("read", "Read the four Moon values of FILE");
  read->add_option("FILE", options.file, "The profile file to read")->required();
  read->add_flag("--match", options.match, "Output the whole Vedic match of the file instead");
  AddOutputOptions(read, options.common);
  read->callback([&options, &action] {
    action = [&options] {
      try {
        WriteResult(*Context().Out, ProfileRead(options.file, options.match), options.common.json);
        return 0;
      } catch (const Rejection& rejection) {
        WriteResult(*Context().Out, ErrorObject(rejection), options.common.json);
        return 2;
      }
    };
  });
}

}  // namespace

std::unique_ptr<Command> NewProfileCommand() {
  return MakeCommand<ProfileCommandOptions>(RegisterProfileCommand);
}

}  // namespace lumora::cli
