// SPDX-License-Identifier: MIT
// lumora-cli rank: one person against a file of candidates, best first.
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iomanip>
#include <iostream>
#include <mutex>
#include <shared_mutex>
#include <sstream>
#include <thread>
#include <unordered_map>

#include "cli/commands.h"
#include "cli/person_input.h"
#include "cli/porutham_json.h"
#include "core/display_width.h"
#include "core/file_access.h"
#include "core/glossary/glossary.h"
#include "core/glossary/messages.h"
#include "core/glossary/phrases.h"
#include "core/glossary/readable_words.h"
#include "core/places/atlas.h"
#include "core/terminal_text.h"
#include "core/text.h"
#include "core/vedic/entry/profile.h"
#include "core/vedic/match/koota_texts.h"
#include "core/vedic/match/match.h"
#include "core/vedic/rank/ranking.h"

namespace lumora::cli {

namespace {

// rank has no --input: its inputs are files named on the command line.
struct RankCommandOptions {
  std::string boy_file;
  std::string girl_file;
  std::string candidates_file;
  std::optional<int> top;
  std::optional<double> min_total;
  std::optional<int> uncertainty;
  int threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  bool json = false;
  bool precise_moon = false;
  std::string method = "kootas";  // or "porutham"
  std::optional<int> min_poruthams;
  ZodiacOptions zodiac;
  std::string tables = "specified";  // the koota tables the ranking orders by
};

}  // namespace

namespace {

// Candidates from JSON Lines: one object per line, blank lines skipped. A line is held
// only up to the limit of a CSV row; a longer one is refused with its line number and
// the rest of it skipped unread into memory.
class JsonLinesCandidateSource : public CandidateSource {
 public:
  explicit JsonLinesCandidateSource(std::istream& in) : in_(in) {}

  std::optional<CandidateRow> Next() override {
    std::string line;
    bool too_long = false;
    while (ReadLine(line, too_long)) {
      ++line_;
      if (too_long) {
        return CandidateRow{
            line_, FormFailure{RecordMessageText(RecordMessage::LineTooLong,
                                                 {std::to_string(CsvReader::kMaxRecordBytes)}),
                               MessageIcon::Error, std::nullopt, false}};
      }
      if (!line.empty() && line.back() == '\r') {
        line.pop_back();
      }
      if (line_ == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0) {
        line.erase(0, 3);
      }
      if (Trim(line).empty()) {
        continue;
      }
      const auto parsed = ParseStrictJson(line);
      if (const auto* why = std::get_if<std::string>(&parsed)) {
        if (*why != kNotJson) {
          return CandidateRow{
              line_, FormFailure{"The line " + *why, MessageIcon::Error, std::nullopt, false}};
        }
      }
      const Json* object = std::get_if<Json>(&parsed);
      auto entry = object == nullptr ? std::nullopt : ReadPersonEntries(*object);
      if (!entry) {
        return CandidateRow{line_, FormFailure{RecordMessageText(RecordMessage::LineNotAnObject),
                                               MessageIcon::Error, std::nullopt, false}};
      }
      return CandidateRow{line_, std::move(*entry)};
    }
    return std::nullopt;
  }

 private:
  // One line without its line break, kept up to the limit; false at the end of input.
  bool ReadLine(std::string& line, bool& too_long) {
    line.clear();
    too_long = false;
    std::streambuf* buffer = in_.rdbuf();
    bool any = false;
    for (int c = buffer->sbumpc(); c != std::char_traits<char>::eof(); c = buffer->sbumpc()) {
      any = true;
      if (c == '\n') {
        break;
      }
      if (line.size() < CsvReader::kMaxRecordBytes + 1) {
        line.push_back(static_cast<char>(c));
      }
    }
    too_long = line.size() > CsvReader::kMaxRecordBytes;
    return any;
  }

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

PairDoshas PairDoshasOf(const RankEntry& entry) {
  return AssessPairDoshas(
      {entry.Boy.Sign, entry.Girl.Sign, entry.Boy.Nakshatra, entry.Girl.Nakshatra});
}

PoruthamMatch PoruthamsOf(const RankEntry& entry) {
  return MatchPoruthams(
      {entry.Boy.Sign, entry.Girl.Sign, entry.Boy.Nakshatra, entry.Girl.Nakshatra});
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

// A name as the JSON writer writes a string: printable ASCII without quotes or
// backslashes goes as it is, anything else through the writer itself.
void AppendJsonString(std::string& out, const std::string& text) {
  const bool plain = std::all_of(text.begin(), text.end(), [](char c) {
    return c >= 0x20 && c < 0x7F && c != '"' && c != '\\';
  });
  if (plain) {
    out += '"';
    out += text;
    out += '"';
  } else {
    out += Json(text).dump(-1, ' ', false, Json::error_handler_t::replace);
  }
}

// The JSON lines of a ranking, made fast without changing a byte: what follows the
// name depends only on the pair's Moon states, the half of its sign the candidate's
// Moon is in and the Manglik verdict (with one person and the tables fixed, on the
// candidate's state), so it is written once per state, half and verdict by
// the JSON writer itself, and each line is its rank, line and name and that text.
// Full buffers are written on a thread of their own while the next one is filled, so
// writing to standard output overlaps with making the lines. One buffer is out at a
// time: memory stays two buffers.
class OverlappedWriter {
 public:
  explicit OverlappedWriter(std::ostream& out) : out_(out) {}
  OverlappedWriter(const OverlappedWriter&) = delete;
  OverlappedWriter& operator=(const OverlappedWriter&) = delete;
  ~OverlappedWriter() { Wait(); }

  // Takes the text to write and leaves text empty, with the room of the buffer before.
  void Send(std::string& text) {
    Wait();
    sending_.swap(text);
    text.clear();
    writer_ = std::thread(
        [this] { out_.write(sending_.data(), static_cast<std::streamsize>(sending_.size())); });
  }

  // Returns once everything sent is written (or the stream has failed, which the
  // caller of the command checks before it reports success).
  void Wait() {
    if (writer_.joinable()) {
      writer_.join();
    }
  }

 private:
  std::ostream& out_;
  std::string sending_;
  std::thread writer_;
};

class RankJsonLines {
 public:
  RankJsonLines(std::ostream& out, PersonRole role, KootaTables tables, bool poruthams)
      : role_(role), tables_(tables), poruthams_(poruthams), writer_(out) {}

  // Lines gather in one buffer and go out in large writes; Flush writes what is left and
  // returns once it is written.
  void Write(int rank, const RankEntry& entry, const PairScore& score) {
    if (entry.Range) {
      // A score range differs from pair to pair: the whole line from the writer.
      buffer_ += EntryJson(rank, entry, score, tables_, poruthams_)
                     .dump(-1, ' ', false, Json::error_handler_t::replace);
      buffer_ += '\n';
    } else {
      buffer_ += "{\"Rank\":";
      AppendNumber(buffer_, rank);
      buffer_ += ",\"Line\":";
      AppendNumber(buffer_, entry.Line);
      buffer_ += ",\"Name\":";
      AppendJsonString(buffer_, entry.Name);
      buffer_ += Tail(entry, score);
      buffer_ += '\n';
    }
    if (buffer_.size() >= kBufferBytes) {
      writer_.Send(buffer_);
    }
  }

  void Flush() {
    if (!buffer_.empty()) {
      writer_.Send(buffer_);
    }
    writer_.Wait();
  }

 private:
  static constexpr std::size_t kVerdicts = std::size(kManglikMatchNames) + 1;  // and none

  const std::string& Tail(const RankEntry& entry, const PairScore& score) {
    const bool boy = role_ == PersonRole::Boy;
    const MoonState candidate = boy ? entry.Girl : entry.Boy;
    const std::size_t first_half = (boy ? entry.GirlFirstHalf : entry.BoyFirstHalf) ? 1 : 0;
    const std::size_t verdict = entry.Manglik ? static_cast<std::size_t>(*entry.Manglik) + 1 : 0;
    const std::size_t key =
        (static_cast<std::size_t>(MoonStateIndex(candidate)) * 2 + first_half) * kVerdicts +
        verdict;
    if (tails_.empty()) {
      tails_.resize(static_cast<std::size_t>(kMoonStateCount) * 2 * kVerdicts);
    }
    std::string& tail = tails_[key];
    if (tail.empty()) {
      RankEntry blank = entry;
      blank.Name.clear();
      blank.Line = 0;
      const std::string whole = EntryJson(0, blank, score, tables_, poruthams_)
                                    .dump(-1, ' ', false, Json::error_handler_t::replace);
      constexpr std::string_view kHead = R"({"Rank":0,"Line":0,"Name":"")";
      tail = whole.substr(kHead.size());
    }
    return tail;
  }

  PersonRole role_;
  KootaTables tables_;
  bool poruthams_;
  // About a megabyte a write: few system calls, little memory.
  static constexpr std::size_t kBufferBytes = std::size_t{1} << 20;

  static void AppendNumber(std::string& out, int value) {
    char digits[16];
    const auto end = std::to_chars(std::begin(digits), std::end(digits), value).ptr;
    out.append(digits, end);
  }

  OverlappedWriter writer_;
  std::vector<std::string> tails_;
  std::string buffer_;
};

// The readable table of a ranking in the reader's language. English keeps the widths it
// has always had, padded by characters; Hindi and Tamil widen a column to its longest
// head or word and pad by the columns a terminal draws, so rows stay under their heads.
class RankTable {
 public:
  RankTable(Language language, std::size_t name_width, bool poruthams, bool ranges)
      : language_(language), words_(PhrasesOf(language)) {
    const auto& heads = words_.RankColumns;
    Add(heads[0], 6, true, "", {});
    Add(heads[1], 7, true, "", {});
    Add(heads[2], name_width, false, "  ", {});
    Add(heads[3], 6, true, "", {});
    Add(heads[4], 26, false, "  ", WordList(kMatchGradeCount, [this](int g) {
          return std::string(MatchVerdictWord(language_, static_cast<MatchGrade>(g)));
        }));
    if (poruthams) {
      Add(heads[5], 4, true, "", {});
      // Rajju and Vedha are the only poruthams that veto a match.
      Add(heads[6], 13, false, "  ", {VetoesOf({Porutham::Rajju, Porutham::Vedha})});
      Add(heads[7], 17, false, "", WordList(kPoruthamVerdictNames.size(), [this](int v) {
            return std::string(PoruthamVerdictWord(language_, static_cast<PoruthamVerdict>(v)));
          }));
    }
    for (int k = 0; k < kKootaCount; ++k) {
      Add(English() ? kKootas[static_cast<std::size_t>(k)].Word : KootaWord(language_, k), 7, true,
          "", {});
    }
    Add(heads[8], 12, false, "  ", WordList(12, [this](int sign) { return Rashi(sign); }));
    Add(heads[9], 18, false, "", WordList(27, [this](int n) { return Nakshatra(n); }));
    Add(heads[10], 9, false, "", WordList(kManglikMatchNames.size(), [this](int m) {
          return Manglik(static_cast<ManglikMatch>(m));
        }));
    std::vector<std::string> doshas;
    for (std::size_t d = 0; d < kPairDoshaNames.size(); ++d) {
      doshas.push_back(English()
                           ? std::string(kPairDoshaNames[d])
                           : std::string(PairDoshaWord(language_, static_cast<PairDosha>(d))));
    }
    Add(heads[11], 21, false, "", {JoinNames(doshas, ", ")});
    if (ranges) {
      Add(heads[12], 0, false, "", {});
    }
  }

  bool English() const { return language_ == Language::English; }

  // The columns a text takes: its characters in English, as always; else what a
  // terminal draws.
  std::size_t Columns(std::string_view text) const {
    return English() ? CharacterCount(text) : DisplayColumns(text);
  }

  // A name cut to the column's room.
  std::string_view Cut(std::string_view text, std::size_t room) const {
    return English() ? CutToCharacters(text, room) : CutToColumns(text, room);
  }

  // One line of cells, in column order; a table without porutham columns leaves them out.
  std::string Line(const std::vector<std::string>& cells) const {
    std::string line;
    for (std::size_t i = 0; i < cells.size() && i < columns_.size(); ++i) {
      const Column& column = columns_[i];
      const std::size_t used = Columns(cells[i]);
      const std::string pad(column.Width > used ? column.Width - used : 0, ' ');
      line += column.Gap;
      line += column.Right ? pad + cells[i] : cells[i] + pad;
    }
    line.erase(line.find_last_not_of(' ') + 1);
    return line;
  }

  std::vector<std::string> Heads() const {
    std::vector<std::string> heads;
    for (const Column& column : columns_) {
      heads.push_back(column.Head);
    }
    return heads;
  }

  // English words are the glossary's too: the core's own names.
  std::string Rashi(int sign) const { return std::string(RashiWord(language_, sign)); }
  std::string Nakshatra(int nakshatra) const {
    return std::string(NakshatraWord(language_, nakshatra));
  }
  std::string Verdict(int total_half_points) const {
    return std::string(MatchVerdictWord(language_, GradeOfTotal(total_half_points / 2.0)));
  }
  std::string Manglik(ManglikMatch match) const {
    const std::string_view english = kManglikMatchNames[static_cast<std::size_t>(match)];
    return std::string(English() ? english
                                 : ReadableValueWord(language_, english).value_or(english));
  }
  std::string PoruthamVerdictText(PoruthamVerdict verdict) const {
    return std::string(English() ? kPoruthamVerdictNames[static_cast<std::size_t>(verdict)]
                                 : PoruthamVerdictWord(language_, verdict));
  }
  // "-" or "Rajju, Vedha".
  std::string VetoesOf(const std::vector<Porutham>& vetoes) const {
    std::vector<std::string> names;
    for (const Porutham veto : vetoes) {
      names.emplace_back(English() ? kPoruthamNames[static_cast<std::size_t>(veto)]
                                   : PoruthamWord(language_, veto));
    }
    return names.empty() ? "-" : JoinNames(names, ", ");
  }
  // "Nadi, Gana", or "-" when no dosha is present.
  std::string DoshasOf(const PairDoshas& doshas) const {
    std::vector<std::string> names;
    for (const DoshaAssessment& d : doshas) {
      if (d.Present) {
        names.emplace_back(English() ? kPairDoshaNames[static_cast<std::size_t>(d.Dosha)]
                                     : PairDoshaWord(language_, d.Dosha));
      }
    }
    return names.empty() ? "-" : JoinNames(names, ", ");
  }

  const Phrases& Words() const { return words_; }

 private:
  struct Column {
    std::string Head;
    std::size_t Width;
    bool Right;
    std::string_view Gap;  // written before the column
  };

  static std::vector<std::string> WordList(std::size_t count,
                                           const std::function<std::string(int)>& word) {
    std::vector<std::string> words;
    for (std::size_t i = 0; i < count; ++i) {
      words.push_back(word(static_cast<int>(i)));
    }
    return words;
  }

  // English keeps its width; another language takes room for its head and its longest
  // word, and a space.
  void Add(std::string_view head, std::size_t width, bool right, std::string_view gap,
           const std::vector<std::string>& words) {
    if (!English()) {
      std::size_t widest = Columns(head);
      for (const std::string& word : words) {
        widest = std::max(widest, Columns(word));
      }
      width = std::max(width, widest + 1);
    }
    columns_.push_back({std::string(head), width, right, gap});
  }

  Language language_;
  const Phrases& words_;
  std::vector<Column> columns_;
};

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
        poruthams_(poruthams),
        language_(json ? Language::English : Context().Lang),
        lines_(*Context().Out, role, tables, poruthams) {}

  // What the JSON lines still hold, once the ranking is over.
  void Finish() { lines_.Flush(); }

  void Refused(const RankRefusal& refusal) override {
    *Context().Err << "lumora-cli: " << RefusedLine(refusal) << '\n';
  }

  void BeforeRanking(const RankSummary& summary) override {
    if (json_) {
      return;
    }
    // Names are cut at 32 characters so one long name does not widen the whole table.
    name_width_ = std::clamp<std::size_t>(summary.LongestName, 4, 32);
    table_.emplace(language_, name_width_, poruthams_, ranges_);
    const Phrases& words = table_->Words();
    const bool english = table_->English();
    *Context().Out << Fill(words.RankedFor, {role_ == PersonRole::Boy ? words.Boy : words.Girl,
                                             EscapeControlCharacters(person_.Name),
                                             table_->Rashi(person_.State.Sign),
                                             table_->Nakshatra(person_.State.Nakshatra)})
                   << '\n'
                   << Fill(words.RankCounts,
                           {std::to_string(summary.Ranked), std::to_string(summary.Refused)})
                   << '\n'
                   << (english ? TablesInUseLine(tables_)
                               : Fill(words.TablesInUse,
                                      {words.TableSets[static_cast<std::size_t>(tables_)]}))
                   << "\n\n"
                   << table_->Line(table_->Heads()) << '\n';
  }

  void Ranked(int rank, const RankEntry& entry, const PairScore& score) override {
    if (json_) {
      lines_.Write(rank, entry, score);
      return;
    }
    const RankTable& table = *table_;
    const MoonState other = role_ == PersonRole::Boy ? entry.Girl : entry.Boy;
    // Shown, never acted on by the terminal, and cut between characters.
    const std::string shown = EscapeControlCharacters(entry.Name);
    std::vector<std::string> cells = {std::to_string(rank), std::to_string(entry.Line),
                                      std::string(table.Cut(shown, name_width_)),
                                      HalfPointsText(score.Total), table.Verdict(score.Total)};
    if (poruthams_) {
      const PoruthamMatch match = PoruthamsOf(entry);
      cells.push_back(std::to_string(match.Count));
      cells.push_back(table.VetoesOf(match.Vetoes));
      cells.push_back(table.PoruthamVerdictText(match.Verdict));
    }
    for (const std::uint8_t p : score.Points) {
      cells.push_back(HalfPointsText(p));
    }
    cells.push_back(table.Rashi(other.Sign));
    cells.push_back(table.Nakshatra(other.Nakshatra));
    cells.push_back(entry.Manglik ? table.Manglik(*entry.Manglik) : "-");
    cells.push_back(table.DoshasOf(PairDoshasOf(entry)));
    if (entry.Range) {
      cells.push_back(Fill(table.Words().RankRange, {FormatHalfPoints(entry.Range->Lowest),
                                                     FormatHalfPoints(entry.Range->Highest)}));
    }
    *Context().Out << table.Line(cells) << '\n';
  }

  void RefusedInOrder(const RankRefusal& refusal) override {
    if (json_) {
      lines_.Flush();
      *Context().Out << ErrorJson(refusal.Line, refusal.Failure)
                            .dump(-1, ' ', false, Json::error_handler_t::replace)
                     << '\n';
      return;
    }
    if (!refused_heading_) {
      *Context().Out << '\n' << PhrasesOf(language_).RefusedRows << '\n';
      refused_heading_ = true;
    }
    *Context().Out << ' ' << RefusedLine(refusal) << '\n';
  }

 private:
  // "line 12: Please Enter Male Name", in the reader's language.
  std::string RefusedLine(const RankRefusal& refusal) const {
    return Fill(PhrasesOf(language_).RefusedLine,
                {std::to_string(refusal.Line),
                 EscapeControlCharacters(MessageIn(language_, refusal.Failure.Message))});
  }

  const RankedPerson& person_;
  PersonRole role_;
  bool json_;
  bool ranges_;
  KootaTables tables_;
  bool poruthams_;
  Language language_;
  std::size_t name_width_ = 4;
  bool refused_heading_ = false;
  std::optional<RankTable> table_;
  RankJsonLines lines_;
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

constexpr std::size_t kPersonFileLimit = kProfileFileLimit;

RankedPerson ReadPersonFile(const std::string& file_name, const PlaceResolver& places,
                            const BirthReading& reading) {
  // A person file is one small object: never more than a profile file's limit is read,
  // and only from a regular file (a FIFO would wait, /dev/zero never end).
  const FormResult<std::string> read = ReadRegularFile(file_name, kPersonFileLimit);
  if (const auto* failure = std::get_if<FormFailure>(&read)) {
    throw UsageError("cannot read the person file: " + failure->Message);
  }
  if (std::get<std::string>(read).size() > kPersonFileLimit) {
    throw UsageError("the person file " + file_name + " is longer than " +
                     std::to_string(kPersonFileLimit) + " bytes");
  }
  const auto parsed = ParseStrictJson(std::get<std::string>(read));
  if (const auto* why = std::get_if<std::string>(&parsed); why != nullptr && *why != kNotJson) {
    throw UsageError("the person file " + file_name + " " + *why);
  }
  const Json* object = std::get_if<Json>(&parsed);
  const auto entry = object == nullptr ? std::nullopt : ReadPersonEntries(*object);
  if (!entry) {
    throw UsageError("the person file " + file_name + " is not a JSON object");
  }
  auto person = ReadBirthEntry(*entry, places, reading);
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

  if (const auto failure = FailureOf(CheckRegularFile(options.candidates_file))) {
    throw UsageError("cannot read the candidate file: " + failure->Message);
  }
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
  printer.Finish();
  if (atlas.Failure()) {
    *Context().Err << "lumora-cli: no place could be looked up: " << *atlas.Failure() << '\n';
  }
  return std::get<RankSummary>(summary).Refused > 0 ? 2 : 0;
}

}  // namespace

namespace {

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
      // A NaN compares false both ways and would pass the range; so would nothing else.
      ->check([](const std::string& text) {
        const double value = std::strtod(text.c_str(), nullptr);
        return std::isfinite(value) ? std::string() : "X must be a number from 0 to 36";
      })
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

}  // namespace

std::unique_ptr<Command> NewRankCommand() {
  return MakeCommand<RankCommandOptions>(RegisterRankCommand);
}

}  // namespace lumora::cli
