// SPDX-License-Identifier: MIT
// lumora-cli rank: one person against a file of candidates, best first.
#include <fstream>
#include <iomanip>
#include <iostream>
#include <mutex>
#include <shared_mutex>
#include <sstream>
#include <thread>
#include <unordered_map>

#include "cli/commands.h"
#include "cli/porutham_json.h"
#include "core/places/atlas.h"
#include "core/text.h"
#include "core/vedic/match/koota_texts.h"
#include "core/vedic/match/match.h"
#include "core/vedic/rank/ranking.h"

namespace lumora::cli {

namespace {

// A JSON value as the text a CSV cell would hold.
std::string CellText(const Json& value) {
  if (value.is_string()) {
    return value.get<std::string>();
  }
  if (value.is_null()) {
    return "";
  }
  return value.dump();
}

// The entries of one JSON object; false when it is not an object.
bool EntryOf(const Json& object, BirthEntry& entry) {
  if (!object.is_object()) {
    return false;
  }
  for (const auto& item : object.items()) {
    SetBirthEntryField(entry, item.key(), CellText(item.value()));
  }
  return true;
}

// Candidates from JSON Lines: one object per line, blank lines skipped.
class JsonLinesCandidateSource : public CandidateSource {
 public:
  explicit JsonLinesCandidateSource(std::istream& in) : in_(in) {}

  std::optional<CandidateRow> Next() override {
    std::string line;
    while (std::getline(in_, line)) {
      ++line_;
      if (!line.empty() && line.back() == '\r') {
        line.pop_back();
      }
      if (line_ == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0) {
        line.erase(0, 3);
      }
      if (Trim(line).empty()) {
        continue;
      }
      CandidateRow row{line_, BirthEntry{}};
      const Json object = Json::parse(line, nullptr, false);
      if (object.is_discarded() || !EntryOf(object, std::get<BirthEntry>(row.Entry))) {
        row.Entry = FormFailure{"The line is not a JSON object", MessageIcon::Error, "", false};
      }
      return row;
    }
    return std::nullopt;
  }

 private:
  std::istream& in_;
  int line_ = 0;
};

bool EndsWith(std::string_view text, std::string_view end) {
  if (text.size() < end.size()) {
    return false;
  }
  for (std::size_t i = 0; i < end.size(); ++i) {
    const char c = text[text.size() - end.size() + i];
    if ((c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c) != end[i]) {
      return false;
    }
  }
  return true;
}

Json ErrorJson(int line, const FormFailure& failure) {
  Json out;
  out["Line"] = line;
  out["Error"] = ErrorObject(RejectionOf(failure))["Error"];
  return out;
}

std::string TrimRight(std::string text) {
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

PairDoshas PairDoshasOf(const RankEntry& entry) {
  return AssessPairDoshas(
      {entry.Boy.Sign, entry.Girl.Sign, entry.Boy.Nakshatra, entry.Girl.Nakshatra});
}

// "Nadi, Gana", or "-" when no dosha is present.
std::string DoshasPresent(const PairDoshas& doshas) {
  std::string text;
  for (const DoshaAssessment& d : doshas) {
    if (d.Present) {
      text += (text.empty() ? "" : ", ") +
              std::string(kPairDoshaNames[static_cast<std::size_t>(d.Dosha)]);
    }
  }
  return text.empty() ? "-" : text;
}

PoruthamMatch PoruthamsOf(const RankEntry& entry) {
  return MatchPoruthams(
      {entry.Boy.Sign, entry.Girl.Sign, entry.Boy.Nakshatra, entry.Girl.Nakshatra});
}

// "-" or "Rajju, Vedha".
std::string VetoesText(const PoruthamMatch& match) {
  std::string text;
  for (const Porutham veto : match.Vetoes) {
    text +=
        (text.empty() ? "" : ", ") + std::string(kPoruthamNames[static_cast<std::size_t>(veto)]);
  }
  return text.empty() ? "-" : text;
}

Json EntryJson(int rank, const RankEntry& entry, const PairScore& score, KootaTables tables,
               bool poruthams) {
  Json out;
  out["Rank"] = rank;
  out["Line"] = entry.Line;
  out["Name"] = entry.Name;
  out["TotalPoints"] = HalfPointsText(score.Total);
  out["Verdict"] = MatchVerdict(score.Total / 2.0);
  Json points = Json::array();
  for (const std::uint8_t p : score.Points) {
    points.push_back(HalfPointsText(p));
  }
  out["Points"] = std::move(points);
  // The same points as numbers, by koota, for scripts.
  Json by_koota = Json::object();
  for (std::size_t k = 0; k < score.Points.size(); ++k) {
    by_koota[std::string(kKootas[k].Koota)] = score.Points[k] / 2.0;
  }
  out["PointsByKoota"] = std::move(by_koota);
  out["BoyRashi"] = std::string(RashiName(entry.Boy));
  out["BoyNakshatra"] = std::string(NakshatraName(entry.Boy));
  out["GirlRashi"] = std::string(RashiName(entry.Girl));
  out["GirlNakshatra"] = std::string(NakshatraName(entry.Girl));
  if (entry.Manglik) {
    out["ManglikMatch"] = std::string(kManglikMatchNames[static_cast<std::size_t>(*entry.Manglik)]);
  }
  out["Doshas"] = DoshasJson(PairDoshasOf(entry));
  if (entry.Range) {
    out["ScoreRange"] = ScoreRangeJson(*entry.Range);
  }
  out["Tables"] = std::string(KootaTablesName(tables));
  if (poruthams) {
    AddPoruthamSummaryJson(out, PoruthamsOf(entry));
  }
  return out;
}

// Standard error hears of each refused row as it is read; standard output gets the
// ranking, then the refused rows again in input order.
class RankPrinter : public RankObserver {
 public:
  RankPrinter(const RankedPerson& person, PersonRole role, bool json, bool ranges,
              KootaTables tables, bool poruthams)
      : person_(person),
        role_(role),
        json_(json),
        ranges_(ranges),
        tables_(tables),
        poruthams_(poruthams) {}

  void Refused(const RankRefusal& refusal) override {
    *Context().Err << "lumora-cli: line " << refusal.Line << ": " << refusal.Failure.Message
                   << '\n';
  }

  void BeforeRanking(const RankSummary& summary) override {
    if (json_) {
      return;
    }
    // Names are cut at 32 bytes so one long name does not widen the whole table.
    name_width_ = std::clamp<std::size_t>(summary.LongestName, 4, 32);
    const char* side = role_ == PersonRole::Boy ? "Boy" : "Girl";
    *Context().Out << side << ": " << person_.Name << ", " << RashiName(person_.State) << ", "
                   << NakshatraName(person_.State) << '\n'
                   << summary.Ranked << " ranked, " << summary.Refused << " refused\n"
                   << TablesInUseLine(tables_) << "\n\n";
    std::ostringstream head;
    head << std::right << std::setw(6) << "Rank" << std::setw(7) << "Line"
         << "  " << std::left << std::setw(static_cast<int>(name_width_)) << "Name" << std::right
         << std::setw(6) << "Total"
         << "  " << std::left << std::setw(26) << "Verdict";
    if (poruthams_) {
      head << std::right << std::setw(4) << "Por"
           << "  " << std::left << std::setw(13) << "Vetoes" << std::setw(17) << "Porutham";
    }
    for (const KootaInfo& koota : kKootas) {
      head << std::right << std::setw(7) << koota.Word;
    }
    head << "  " << std::left << std::setw(12) << "Moon Sign" << std::setw(18) << "Nakshatra"
         << std::setw(9) << "Manglik" << std::setw(21) << "Doshas";
    if (ranges_) {
      head << "Range";
    }
    *Context().Out << TrimRight(head.str()) << '\n';
  }

  void Ranked(int rank, const RankEntry& entry, const PairScore& score) override {
    if (json_) {
      *Context().Out << EntryJson(rank, entry, score, tables_, poruthams_)
                            .dump(-1, ' ', false, Json::error_handler_t::replace)
                     << '\n';
      return;
    }
    const MoonState other = role_ == PersonRole::Boy ? entry.Girl : entry.Boy;
    std::string name = entry.Name;
    if (name.size() > name_width_) {
      name.resize(name_width_);
    }
    std::ostringstream row;
    row << std::right << std::setw(6) << rank << std::setw(7) << entry.Line << "  " << std::left
        << std::setw(static_cast<int>(name_width_)) << name << std::right << std::setw(6)
        << HalfPointsText(score.Total) << "  " << std::left << std::setw(26)
        << MatchVerdict(score.Total / 2.0);
    if (poruthams_) {
      const PoruthamMatch match = PoruthamsOf(entry);
      row << std::right << std::setw(4) << match.Count << "  " << std::left << std::setw(13)
          << VetoesText(match) << std::setw(17)
          << kPoruthamVerdictNames[static_cast<std::size_t>(match.Verdict)];
    }
    for (const std::uint8_t p : score.Points) {
      row << std::right << std::setw(7) << HalfPointsText(p);
    }
    row << "  " << std::left << std::setw(12) << RashiName(other) << std::setw(18)
        << NakshatraName(other) << std::setw(9)
        << (entry.Manglik ? kManglikMatchNames[static_cast<std::size_t>(*entry.Manglik)] : "-")
        << std::setw(21) << DoshasPresent(PairDoshasOf(entry));
    if (entry.Range) {
      row << FormatHalfPoints(entry.Range->Lowest) << " to "
          << FormatHalfPoints(entry.Range->Highest);
    }
    *Context().Out << TrimRight(row.str()) << '\n';
  }

  void RefusedInOrder(const RankRefusal& refusal) override {
    if (json_) {
      *Context().Out << ErrorJson(refusal.Line, refusal.Failure)
                            .dump(-1, ' ', false, Json::error_handler_t::replace)
                     << '\n';
      return;
    }
    if (!refused_heading_) {
      *Context().Out << "\nRefused rows:\n";
      refused_heading_ = true;
    }
    *Context().Out << std::right << std::setw(6) << "line " << refusal.Line << ": "
                   << refusal.Failure.Message << '\n';
  }

 private:
  const RankedPerson& person_;
  PersonRole role_;
  bool json_;
  bool ranges_;
  KootaTables tables_;
  bool poruthams_;
  std::size_t name_width_ = 4;
  bool refused_heading_ = false;
};

// The atlas, loaded on the first place a row names: the first match of a search is the
// place. Searches are remembered, since a candidate file names the same towns again
// and again. Safe to call from every ranking thread.
class AtlasPlaces {
 public:
  std::optional<ResolvedPlace> operator()(std::string_view query) {
    std::call_once(loaded_, [this] {
      auto atlas = Atlas::LoadInstalled();
      if (const auto* failure = std::get_if<FormFailure>(&atlas)) {
        failure_ = failure->Message;
      } else {
        atlas_ = std::get<std::shared_ptr<const Atlas>>(std::move(atlas));
      }
    });
    if (!atlas_) {
      return std::nullopt;
    }
    const std::string key(query);
    {
      std::shared_lock lock(mutex_);
      if (const auto found = found_.find(key); found != found_.end()) {
        return found->second;
      }
    }
    std::optional<ResolvedPlace> place;
    const std::vector<Place> places = atlas_->Search(query, 1);
    if (!places.empty()) {
      place =
          ResolvedPlace{places.front().Latitude, places.front().Longitude, places.front().TimeZone};
    }
    std::unique_lock lock(mutex_);
    // A bound on what is remembered keeps memory flat over a file of distinct names.
    if (found_.size() >= kRemembered) {
      found_.clear();
    }
    found_.emplace(key, place);
    return place;
  }

  // Why no place could be found, when the atlas could not be loaded.
  const std::optional<std::string>& Failure() const { return failure_; }

 private:
  static constexpr std::size_t kRemembered = 65536;
  std::once_flag loaded_;
  std::shared_ptr<const Atlas> atlas_;
  std::optional<std::string> failure_;
  std::shared_mutex mutex_;
  std::unordered_map<std::string, std::optional<ResolvedPlace>> found_;
};

RankedPerson ReadPersonFile(const std::string& file_name, const PlaceResolver& places,
                            const BirthReading& reading) {
  std::ifstream file(file_name, std::ios::binary);
  if (!file) {
    throw UsageError("cannot read the person file: " + file_name);
  }
  std::ostringstream buffer;
  buffer << file.rdbuf();
  const Json object = Json::parse(buffer.str(), nullptr, false);
  BirthEntry entry;
  if (object.is_discarded() || !EntryOf(object, entry)) {
    throw UsageError("the person file " + file_name + " is not a JSON object");
  }
  auto person = ReadBirthEntry(entry, places, reading);
  if (const auto* failure = std::get_if<FormFailure>(&person)) {
    throw UsageError("the person file " + file_name + ": " + failure->Message);
  }
  return std::get<RankedPerson>(std::move(person));
}

int RunRank(const RankCommandOptions& options) {
  AtlasPlaces atlas;
  const PlaceResolver places = [&atlas](std::string_view query) { return atlas(query); };
  const bool boy = !options.boy_file.empty();
  RankOptions rank;
  rank.Reading.UncertaintyMinutes = options.uncertainty;
  rank.Reading.Model = options.precise_moon ? MoonModel::Precise : MoonModel::Standard;
  rank.Reading.Chart = options.zodiac.Chart();
  const RankedPerson person =
      ReadPersonFile(boy ? options.boy_file : options.girl_file, places, rank.Reading);

  std::ifstream file(options.candidates_file, std::ios::binary);
  if (!file) {
    throw UsageError("cannot read the candidate file: " + options.candidates_file);
  }
  std::unique_ptr<CandidateSource> source;
  if (EndsWith(options.candidates_file, ".jsonl")) {
    source = std::make_unique<JsonLinesCandidateSource>(file);
  } else if (EndsWith(options.candidates_file, ".csv")) {
    auto csv = CsvCandidateSource::Open(file);
    if (const auto* failure = std::get_if<FormFailure>(&csv)) {
      throw UsageError(options.candidates_file + ": " + failure->Message);
    }
    source = std::move(std::get<std::unique_ptr<CsvCandidateSource>>(csv));
  } else {
    throw UsageError("the candidate file must end in .csv or .jsonl: " + options.candidates_file);
  }

  rank.Top = options.top;
  if (options.min_total) {
    // At least X points: the least whole number of half points not below 2X.
    rank.MinTotalHalfPoints = static_cast<int>(std::ceil(*options.min_total * 2.0));
  }
  rank.Threads = options.threads;
  rank.Method = options.method == "porutham" ? RankMethod::Porutham : RankMethod::Kootas;
  rank.MinPoruthams = options.min_poruthams;
  const PersonRole role = boy ? PersonRole::Boy : PersonRole::Girl;
  rank.Tables = FindKootaTables(options.tables).value_or(KootaTables::Specified);
  RankPrinter printer(person, role, options.json, options.uncertainty.has_value(), rank.Tables,
                      rank.Method == RankMethod::Porutham || rank.MinPoruthams.has_value());
  const auto summary = RankCandidates(*source, person, role, places, rank, printer);
  if (const auto* failure = std::get_if<FormFailure>(&summary)) {
    throw UsageError(failure->Message);
  }
  if (atlas.Failure()) {
    *Context().Err << "lumora-cli: no place could be looked up: " << *atlas.Failure() << '\n';
  }
  return std::get<RankSummary>(summary).Refused > 0 ? 2 : 0;
}

}  // namespace

void RegisterRankCommand(CLI::App& app, RankCommandOptions& options, Action& action) {
  CLI::App* rank = app.add_subcommand(
      "rank", "One person against many: candidates from CSV or JSON Lines, best Vedic match first");
  auto* boy = rank->add_option("--boy", options.boy_file,
                               "The person is the boy: FILE holds one JSON object with Name, "
                               "BirthDate, BirthTime and Place or Latitude, Longitude, TimeZone");
  auto* girl = rank->add_option("--girl", options.girl_file,
                                "The person is the girl; every candidate is then a boy");
  boy->excludes(girl);
  rank->add_option("--candidates", options.candidates_file,
                   "The candidates: a .csv file with a header row, or a .jsonl file")
      ->required();
  rank->add_option("--top", options.top, "Keep the best K candidates")
      ->check(CLI::Range(1, std::numeric_limits<int>::max()));
  rank->add_option("--min-total", options.min_total,
                   "Keep candidates with a total of at least X points (0 to 36)")
      ->check(CLI::Range(0.0, 36.0));
  rank->add_option("--method", options.method,
                   "Order by the Guna Milan total (kootas, the default) or by the South Indian "
                   "poruthams (porutham): no Rajju or Vedha veto first, then the number of "
                   "poruthams that agree, then the total")
      ->check(CLI::IsMember({"kootas", "porutham"}));
  rank->add_option("--min-poruthams", options.min_poruthams,
                   "Keep candidates with no Rajju or Vedha veto and at least K of the ten "
                   "poruthams (0 to 10)")
      ->check(CLI::Range(0, kPoruthamCount));
  rank->add_option("--uncertainty", options.uncertainty,
                   "Also give each pair's score range when both birth times may be off by N "
                   "minutes either way (5, 15, 30 or 60)")
      ->check(
          CLI::IsMember(std::vector<int>(kUncertaintyChoices.begin(), kUncertaintyChoices.end())));
  rank->add_option("--threads", options.threads,
                   "Compute the candidates' Moons on T threads (default: the number of cores)")
      ->check(CLI::Range(1, 256));
  rank->add_flag("--precise-moon", options.precise_moon,
                 "Place every Moon with the full lunar series (see vedic --precise-moon)");
  AddZodiacOptions(rank, options.zodiac);
  rank->add_flag("--json", options.json, "Write JSON Lines (one compact object per line)");
  rank->add_option("--tables", options.tables,
                   "The koota tables the ranking orders by: specified (the default) or classical")
      ->check(CLI::IsMember({"specified", "classical"}));
  rank->callback([&options, &action, boy, girl] {
    if (boy->count() + girl->count() != 1) {
      throw CLI::ValidationError("rank", "give exactly one of --boy FILE and --girl FILE");
    }
    action = [&options] { return RunRank(options); };
  });
}

}  // namespace lumora::cli
