// SPDX-License-Identifier: MIT
#include "ui/shell/start_arguments.h"

namespace lumora::ui {

StartRequest ReadStartArguments(const std::vector<std::string>& arguments) {
  StartRequest request;
  for (const std::string& argument : arguments) {
    if (argument == "-h" || argument == "--help") {
      return {StartRequest::Kind::Help, "", ""};
    }
    if (argument == "-v" || argument == "--version") {
      request.What = StartRequest::Kind::Version;
    }
  }
  if (request.What == StartRequest::Kind::Version) {
    return request;
  }
  bool options_ended = false;
  for (const std::string& argument : arguments) {
    if (!options_ended && argument == "--") {
      options_ended = true;
    } else if (!options_ended && argument.size() > 1 && argument.front() == '-') {
      return {StartRequest::Kind::Refused, "", "unknown option " + argument};
    } else if (!request.File.empty()) {
      return {StartRequest::Kind::Refused, "", "only one file can be opened at a time"};
    } else {
      request.File = argument;
    }
  }
  return request;
}

std::string StartUsage() {
  return "Usage: lumora [options] [FILE]\n"
         "Judges the astrological compatibility of two people from their birth data, by\n"
         "Western and by Vedic astrology, in windows.\n"
         "\n"
         "  FILE           a couple file (.lumora) or a kundali profile file (.kun) to\n"
         "                 open in the Vedic test\n"
         "  -h, --help     show this help and exit\n"
         "  -v, --version  show the version and exit\n"
         "\n"
         "The options of every Qt program (-platform, -style ...) are taken as well.\n"
         "The same computations run without windows in lumora-cli.\n";
}

}  // namespace lumora::ui
