#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/commands.h"
#include "core/vedic/entry/profile.h"

namespace lumora::cli {

namespace {

// Writes through a temporary file in the same folder and renames it over the
// target, so a failed write leaves any earlier file intact.
void WriteAtomically(const std::string& path, const std::string& bytes) {
  const std::string temporary = path + ".tmp-lumora";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) {
      throw Rejection("The File Could Not Be Saved.", "error");
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      out.close();
      std::remove(temporary.c_str());
      throw Rejection("The File Could Not Be Saved.", "error");
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  if (error) {
    std::remove(temporary.c_str());
    throw Rejection("The File Could Not Be Saved.", "error");
  }
}

Json ProfileWrite(const std::string& file, const Json& input) {
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
  std::ifstream in(file, std::ios::binary);
  if (!HasProfileExtension(file) || !in) {
    throw Rejection(kProfileRefusal, "error");
  }
  std::ostringstream buffer;
  buffer << in.rdbuf();
  const auto values = CheckProfile(buffer.str());
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

void RegisterProfileCommand(CLI::App& app, ProfileCommandOptions& options, Action& action) {
  CLI::App* profile = app.add_subcommand("profile", "Birth-profile files (.kun)");
  profile->require_subcommand(1);

  CLI::App* write = profile->add_subcommand(
      "write", "Write FILE from {\"BoyRashi\",\"GirlRashi\",\"BoyNakshatra\",\"GirlNakshatra\"}");
  write->add_option("FILE", options.file, "The profile file to write")->required();
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
  read->add_flag("--json", options.common.json, "Write JSON Lines (one compact object per line)");
  read->callback([&options, &action] {
    action = [&options] {
      try {
        WriteResult(std::cout, ProfileRead(options.file, options.match), options.common.json);
        return 0;
      } catch (const Rejection& rejection) {
        WriteResult(std::cout, ErrorObject(rejection), options.common.json);
        return 2;
      }
    };
  });
}

}  // namespace lumora::cli
