// SPDX-License-Identifier: MIT
// Candidate files: CSV records, header columns, birth entries read into Moons with
// their zone's historical clock, and the spooled ranking over threads.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <sstream>
#include <string>
#include <vector>

#include "core/vedic/rank/candidate.h"
#include "core/vedic/rank/csv_reader.h"
#include "core/vedic/rank/ranking.h"

namespace lumora {
namespace {

struct CsvCase {
  const char* name;
  const char* text;
  std::vector<std::pair<int, std::vector<std::string>>> records;  // line, fields
};

// RFC 4180 records with the leniencies spreadsheets need.
TEST(CsvReader, Records) {
  const CsvCase cases[] = {
      {"LF ends", "a,b\nc,d\n", {{1, {"a", "b"}}, {2, {"c", "d"}}}},
      {"CR LF ends, last line unended", "a,b\r\nc,d", {{1, {"a", "b"}}, {2, {"c", "d"}}}},
      {"byte-order mark", "\xEF\xBB\xBFName\n", {{1, {"Name"}}}},
      {"empty lines skipped, numbers kept", "a\n\n\r\nb\n", {{1, {"a"}}, {4, {"b"}}}},
      {"quoted comma and doubled quote",
       "\"Rao, Asha\",\"say \"\"hi\"\"\"\n",
       {{1, {"Rao, Asha", "say \"hi\""}}}},
      {"quoted line break: the record keeps its first line",
       "\"two\nlines\",x\ny\n",
       {{1, {"two\nlines", "x"}}, {3, {"y"}}}},
      {"empty fields", ",,\n", {{1, {"", "", ""}}}},
      {"a quote inside an unquoted field is text", "5'4\",x\n", {{1, {"5'4\"", "x"}}}},
  };
  for (const CsvCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::istringstream in(c.text);
    CsvReader reader(in);
    for (const auto& [line, fields] : c.records) {
      const auto record = reader.Next();
      ASSERT_TRUE(record.has_value());
      EXPECT_FALSE(record->Fault) << *record->Fault;
      EXPECT_EQ(record->Line, line);
      EXPECT_EQ(record->Fields, fields);
    }
    EXPECT_FALSE(reader.Next().has_value());
  }
}

TEST(CsvReader, RecordsAcrossTheBlocksItReads) {
  // Rows of many lengths, past several blocks of the reader, so that a block ends inside
  // a field, on a comma, between CR and LF and inside a quoted line break.
  std::string text;
  std::vector<std::pair<int, std::vector<std::string>>> expected;
  int line = 1;
  for (int i = 0; i < 4000; ++i) {
    const std::string a(static_cast<std::size_t>(1 + i % 97), static_cast<char>('a' + i % 26));
    const std::string b = std::to_string(i);
    if (i % 5 == 0) {
      text += "\"" + a + "\n" + b + "\"," + b + "\r\n";
      expected.push_back({line, {a + "\n" + b, b}});
      line += 2;
    } else {
      text += a + "," + b + (i % 2 == 0 ? "\r\n" : "\n");
      expected.push_back({line, {a, b}});
      line += 1;
    }
  }
  ASSERT_GT(text.size(), 3u * 65536u);
  std::istringstream in(text);
  CsvReader reader(in);
  for (const auto& [number, fields] : expected) {
    const auto record = reader.Next();
    ASSERT_TRUE(record.has_value());
    ASSERT_FALSE(record->Fault) << *record->Fault;
    ASSERT_EQ(record->Line, number);
    ASSERT_EQ(record->Fields, fields);
  }
  EXPECT_FALSE(reader.Next().has_value());
}

TEST(CsvReader, FaultsAreRecordsAndReadingGoesOn) {
  const std::pair<const char*, const char*> cases[] = {
      {"\"ab\"c,d\nok\n", "text follows the closing quote of field 1"},
      {"ok\n\"never closed\n", "a quoted field is not closed before the end of the file"},
  };
  for (const auto& [text, fault] : cases) {
    SCOPED_TRACE(text);
    std::istringstream in(text);
    CsvReader reader(in);
    bool found = false;
    while (const auto record = reader.Next()) {
      if (record->Fault) {
        EXPECT_EQ(*record->Fault, fault);
        EXPECT_TRUE(record->Fields.empty());
        found = true;
      } else {
        EXPECT_EQ(record->Fields, std::vector<std::string>{"ok"});
      }
    }
    EXPECT_TRUE(found);
  }
  // A runaway row, over several of the blocks the reader reads, is refused without
  // holding it all, and the next line is read.
  std::istringstream in(std::string(3 * CsvReader::kMaxRecordBytes + 10, 'x') + "\nnext\n");
  CsvReader reader(in);
  const auto runaway = reader.Next();
  ASSERT_TRUE(runaway && runaway->Fault);
  const auto next = reader.Next();
  ASSERT_TRUE(next.has_value());
  EXPECT_EQ(next->Fields, std::vector<std::string>{"next"});
  EXPECT_EQ(next->Line, 2);
}

TEST(CsvCandidateSource, HeaderColumns) {
  struct HeaderCase {
    const char* header;
    bool opens;
  };
  const HeaderCase cases[] = {
      {"Name,BirthDate,BirthTime,Place", true},
      {"NAME, birthdate ,BirthTime,latitude,LONGITUDE,TimeZone,Notes", true},
      {"Name,BirthDate,BirthTime,Latitude,Longitude", false},  // no zone and no place
      {"Name,BirthTime,Place", false},
      {"Name,Name,BirthDate,BirthTime,Place", false},
      {"", false},
  };
  for (const HeaderCase& c : cases) {
    SCOPED_TRACE(c.header);
    std::istringstream in(c.header);
    EXPECT_EQ(!IsRefused(CsvCandidateSource::Open(in)), c.opens);
  }
}

TEST(CsvCandidateSource, RowsByColumnName) {
  std::istringstream in(
      "Notes,TimeZone,Name,BirthDate,BirthTime,Latitude,Longitude\r\n"
      "x,Asia/Kolkata,\"Rao, Asha\",1992-03-01,12:00,18.52,73.86\r\n"
      "\r\n"
      "y,UTC,Short,1990-01-01\r\n"
      "z,UTC,Long,1990-01-01,10:00,1,2,extra\r\n");
  auto opened = CsvCandidateSource::Open(in);
  ASSERT_FALSE(IsRefused(opened));
  auto& source = *std::get<std::unique_ptr<CsvCandidateSource>>(opened);

  auto row = source.Next();
  ASSERT_TRUE(row.has_value());
  EXPECT_EQ(row->Line, 2);
  const BirthEntry& entry = std::get<BirthEntry>(row->Entry);
  EXPECT_EQ(entry.Name, "Rao, Asha");
  EXPECT_EQ(entry.TimeZone, "Asia/Kolkata");
  EXPECT_EQ(entry.Longitude, "73.86");
  EXPECT_EQ(entry.Place, "");

  row = source.Next();  // fewer fields: the missing ones are empty
  ASSERT_TRUE(row.has_value());
  EXPECT_EQ(row->Line, 4);
  EXPECT_EQ(std::get<BirthEntry>(row->Entry).BirthTime, "");

  row = source.Next();  // more fields than the header names
  ASSERT_TRUE(row.has_value());
  EXPECT_EQ(row->Line, 5);
  EXPECT_TRUE(IsRefused(row->Entry));
  EXPECT_FALSE(source.Next().has_value());
}

BirthEntry Entry(const char* date, const char* time, const char* zone = "Asia/Kolkata") {
  BirthEntry e;
  e.Name = "Asha";
  e.BirthDate = date;
  e.BirthTime = time;
  e.Latitude = "18.52";
  e.Longitude = "73.86";
  e.TimeZone = zone;
  return e;
}

struct RefusalCase {
  const char* name;
  BirthEntry entry;
  const char* control;
};

// Files whose header cannot be read are named for what they are: UTF-16, or lines ended
// by a carriage return alone, never "the header lacks ...".
TEST(CsvCandidateSource, UnreadableFilesSayWhatTheyAre) {
  const struct {
    const char* why;
    std::string bytes;
    std::string_view message_part;
  } cases[] = {
      {"UTF-16 with its byte-order mark", std::string("\xFF\xFEN\0a\0m\0e\0,\0", 12), "UTF-16"},
      {"UTF-16 without a byte-order mark", std::string("N\0a\0m\0e\0\n\0", 10), "UTF-16"},
      {"lines ended by CR alone", "Name,BirthDate,BirthTime,Place\rAsha,1992-03-01,12:00,Pune\r",
       "carriage return"},
  };
  for (const auto& c : cases) {
    std::istringstream in(c.bytes);
    const auto opened = CsvCandidateSource::Open(in);
    ASSERT_TRUE(IsRefused(opened)) << c.why;
    EXPECT_NE(std::get<FormFailure>(opened).Message.find(c.message_part), std::string::npos)
        << c.why << ": " << std::get<FormFailure>(opened).Message;
  }
}

TEST(ReadBirthEntry, Refusals) {
  auto with = [](BirthEntry e, std::string BirthEntry::*field, const char* value) {
    e.*field = value;
    return e;
  };
  const BirthEntry good = Entry("1992-03-01", "12:00");
  const RefusalCase cases[] = {
      {"no name", with(good, &BirthEntry::Name, "  "), "Name"},
      {"day/month/year order", with(good, &BirthEntry::BirthDate, "01-03-1992"), "BirthDate"},
      {"30 February", with(good, &BirthEntry::BirthDate, "1992-02-30"), "BirthDate"},
      {"29 February 1900 (century rule)", with(good, &BirthEntry::BirthDate, "1900-02-29"),
       "BirthDate"},
      {"before the forms' years", with(good, &BirthEntry::BirthDate, "1899-12-31"), "BirthDate"},
      {"hour 24", with(good, &BirthEntry::BirthTime, "24:00"), "BirthTime"},
      {"one-digit minutes", with(good, &BirthEntry::BirthTime, "10:5"), "BirthTime"},
      {"seconds 60", with(good, &BirthEntry::BirthTime, "10:05:60"), "BirthTime"},
      {"latitude past the pole", with(good, &BirthEntry::Latitude, "90.5"), "Latitude"},
      {"longitude with a letter", with(good, &BirthEntry::Longitude, "73.86E"), "Longitude"},
      {"two signs", with(good, &BirthEntry::Latitude, "+-5"), "Latitude"},
      {"two plus signs", with(good, &BirthEntry::Longitude, "++5"), "Longitude"},
      {"the host's own zone", with(good, &BirthEntry::TimeZone, "localtime"), "TimeZone"},
      {"a leap-second zone", with(good, &BirthEntry::TimeZone, "right/Asia/Kolkata"), "TimeZone"},
      {"no zone", with(good, &BirthEntry::TimeZone, ""), "TimeZone"},
      {"unknown zone", with(good, &BirthEntry::TimeZone, "Asia/Atlantis"), "TimeZone"},
      {"unknown place",
       with(with(with(with(good, &BirthEntry::Latitude, ""), &BirthEntry::Longitude, ""),
                 &BirthEntry::TimeZone, ""),
            &BirthEntry::Place, "Atlantis"),
       "Place"},
      // London put its clocks forward at 01:00 on 29 March 2020 and back at 02:00 BST
      // on 25 October 2020 (tz database, Europe/London).
      {"a time that never existed", Entry("2020-03-29", "01:30", "Europe/London"), "BirthTime"},
      {"a repeated hour without a reading", Entry("2020-10-25", "01:30", "Europe/London"),
       "ClockReading"},
      {"a reading that is neither",
       with(Entry("2020-10-25", "01:30", "Europe/London"), &BirthEntry::ClockReading, "first"),
       "ClockReading"},
  };
  const PlaceResolver no_places;
  for (const RefusalCase& c : cases) {
    SCOPED_TRACE(c.name);
    const auto person = ReadBirthEntry(c.entry, no_places);
    ASSERT_TRUE(IsRefused(person));
    const auto& focus = std::get<FormFailure>(person).Control;
    ASSERT_TRUE(focus && std::holds_alternative<RecordField>(*focus));
    EXPECT_EQ(kBirthEntryColumns[static_cast<std::size_t>(std::get<RecordField>(*focus))],
              c.control)
        << std::get<FormFailure>(person).Message;
  }
}

struct ClockCase {
  const char* name;
  BirthEntry entry;
  int offset_seconds;
  bool daylight;
};

// Offsets from the tz database's history of each zone.
TEST(ReadBirthEntry, ClockFromTheZoneOnThatDate) {
  auto reading = [](BirthEntry e, const char* clock, const char* dst) {
    e.ClockReading = clock;
    e.IsDST = dst;
    return e;
  };
  const ClockCase cases[] = {
      {"India Standard Time", Entry("1992-03-01", "12:00"), 19800, false},
      {"India's war time, +6:30 in 1943", Entry("1943-03-01", "12:00"), 23400, true},
      {"Amsterdam mean time, +0:19:32 in 1920", Entry("1920-01-01", "12:00", "Europe/Amsterdam"),
       1172, false},
      {"repeated hour, earlier reading",
       reading(Entry("2020-10-25", "01:30", "Europe/London"), "earlier", ""), 3600, true},
      {"repeated hour, later reading",
       reading(Entry("2020-10-25", "01:30", "Europe/London"), "Later", ""), 0, false},
      {"repeated hour told apart by IsDST",
       reading(Entry("2020-10-25", "01:30", "Europe/London"), "", "false"), 0, false},
      {"seconds are read", Entry("1992-03-01", "12:00:59"), 19800, false},
  };
  for (const ClockCase& c : cases) {
    SCOPED_TRACE(c.name);
    const auto person = ReadBirthEntry(c.entry, PlaceResolver{});
    ASSERT_FALSE(IsRefused(person)) << std::get<FormFailure>(person).Message;
    const RankedPerson& p = std::get<RankedPerson>(person);
    EXPECT_EQ(p.Moment.UtcOffsetSeconds, c.offset_seconds);
    EXPECT_EQ(p.Moment.IsDST, c.daylight);
    const double clock = p.Moment.BirthHour + p.Moment.BirthMinute / 60.0;
    EXPECT_DOUBLE_EQ(p.Moon.UT, clock - c.offset_seconds / 3600.0);
  }
}

TEST(ReadBirthEntry, PlaceFromTheResolverCoordinatesWin) {
  int looked_up = 0;
  const PlaceResolver places = [&](std::string_view name) -> std::optional<ResolvedPlace> {
    ++looked_up;
    if (name == "Pune") {
      return ResolvedPlace{18.52, 73.86, "Asia/Kolkata"};
    }
    return std::nullopt;
  };
  BirthEntry entry = Entry("1992-03-01", "12:00");
  const auto direct = ReadBirthEntry(entry, places);
  entry.Place = "Pune";
  const auto both = ReadBirthEntry(entry, places);
  entry.Latitude = entry.Longitude = entry.TimeZone = "";
  const auto by_place = ReadBirthEntry(entry, places);
  EXPECT_EQ(looked_up, 1);
  ASSERT_FALSE(IsRefused(direct) || IsRefused(both) || IsRefused(by_place));
  EXPECT_EQ(std::get<RankedPerson>(by_place).State, std::get<RankedPerson>(direct).State);
  EXPECT_EQ(std::get<RankedPerson>(by_place).Moment.LatDeg, 18);
  EXPECT_EQ(std::get<RankedPerson>(by_place).Moment.LatMin, 31);
}

// Rows from memory: every 17th refused, the rest born a day apart so their Moons
// run through every state a birth reaches.
class MemorySource : public CandidateSource {
 public:
  explicit MemorySource(int rows) : rows_(rows) {}
  std::optional<CandidateRow> Next() override {
    if (next_ == rows_) {
      return std::nullopt;
    }
    const int i = next_++;
    CandidateRow row{i + 2, BirthEntry{}};
    if (i % 17 == 5) {
      row.Entry = FormFailure{"unreadable", MessageIcon::Error, std::nullopt, false};
      return row;
    }
    BirthEntry e = Entry("", "06:45", "UTC");
    const int year = 1960 + i / 336;
    const int month = 1 + (i / 28) % 12;
    const int day = 1 + i % 28;
    e.BirthDate = std::to_string(year) + (month < 10 ? "-0" : "-") + std::to_string(month) +
                  (day < 10 ? "-0" : "-") + std::to_string(day);
    e.Name = "Candidate " + std::to_string(i);
    if (i % 23 == 7) {
      e.BirthTime = "25:00";
    }
    row.Entry = e;
    return row;
  }

 private:
  int rows_;
  int next_ = 0;
};

// Everything handed out, in the order it was handed out.
class Recorder : public RankObserver {
 public:
  void Refused(const RankRefusal& r) override { log.push_back("seen " + std::to_string(r.Line)); }
  void BeforeRanking(const RankSummary& s) override {
    log.push_back("summary " + std::to_string(s.Ranked) + " " + std::to_string(s.Refused));
    totals.clear();
  }
  void Ranked(int rank, const RankEntry& e, const PairScore& score) override {
    std::string line = std::to_string(rank) + " " + std::to_string(e.Line) + " " + e.Name + " " +
                       std::to_string(score.Total);
    if (e.Manglik) {
      line += " manglik " + std::to_string(static_cast<int>(*e.Manglik));
    }
    if (e.Range) {
      line += " range " + std::to_string(e.Range->Lowest) + " " + std::to_string(e.Range->Highest);
      changing_ranges += e.Range->ChangingKootas.empty() ? 0 : 1;
      for (const int k : e.Range->ChangingKootas) {
        line += " " + std::to_string(k);
      }
    }
    log.push_back(line);
    totals.push_back(score.Total);
    lines.push_back(e.Line);
  }
  void RefusedInOrder(const RankRefusal& r) override {
    log.push_back("refused " + std::to_string(r.Line) + " " + r.Failure.Message);
  }
  std::vector<std::string> log;
  std::vector<int> totals;
  std::vector<int> lines;
  int changing_ranges = 0;
};

FormResult<RankSummary> RankInto(Recorder& recorder, int rows, const RankOptions& options,
                                 PersonRole role = PersonRole::Boy) {
  const auto person =
      ReadBirthEntry(Entry("1990-05-14", "06:30"), PlaceResolver{}, options.Reading);
  MemorySource source(rows);
  return RankCandidates(source, std::get<RankedPerson>(person), role, PlaceResolver{}, options,
                        recorder);
}

Recorder Rank(int rows, const RankOptions& options, PersonRole role = PersonRole::Boy) {
  Recorder recorder;
  const auto summary = RankInto(recorder, rows, options, role);
  EXPECT_FALSE(IsRefused(summary));
  return recorder;
}

TEST(RankCandidates, ThreadsGiveTheSameOutputAsOne) {
  // More rows than the chunks in flight at once, so chunk edges are crossed and every
  // chunk's place in the ring is read into again while the others are at work.
  constexpr int kRows = 9000;
  constexpr int kThreadCounts[] = {2, 3, 4};
  RankOptions one;
  one.Reading.UncertaintyMinutes = 60;
  // The Manglik chart of the precise ephemeris costs milliseconds a person; the threads'
  // agreement is about the Moons and the order, so 20000 charts are left out here.
  one.Reading.Manglik = false;
  for (const PersonRole role : {PersonRole::Boy, PersonRole::Girl}) {
    const Recorder a = Rank(kRows, one, role);
    ASSERT_FALSE(a.totals.empty());
    // An hour either way moves some Moons into the next nakshatra.
    EXPECT_GT(a.changing_ranges, 0);
    for (std::size_t i = 1; i < a.totals.size(); ++i) {
      ASSERT_TRUE(a.totals[i - 1] > a.totals[i] ||
                  (a.totals[i - 1] == a.totals[i] && a.lines[i - 1] < a.lines[i]))
          << "ranks " << i << " and " << i + 1;
    }
    for (const int threads : kThreadCounts) {
      SCOPED_TRACE(threads);
      RankOptions many = one;
      many.Threads = threads;
      const Recorder b = Rank(kRows, many, role);
      EXPECT_EQ(a.log, b.log);
    }
  }
}

TEST(RankCandidates, TopMinimumAndRefusals) {
  constexpr int kRows = 300;
  const Recorder all = Rank(kRows, RankOptions{});
  int refused = 0;
  for (int i = 0; i < kRows; ++i) {
    refused += (i % 17 == 5 || i % 23 == 7) ? 1 : 0;
  }
  EXPECT_EQ(all.log.front(), "seen 7");  // row 5 is on line 7, reported as read
  EXPECT_EQ(static_cast<int>(all.totals.size()), kRows - refused);
  EXPECT_EQ(all.log.back().rfind("refused ", 0), 0u);  // the refusals close the output

  RankOptions top;
  top.Top = 10;
  const Recorder best = Rank(kRows, top);
  EXPECT_EQ(best.lines, std::vector<int>(all.lines.begin(), all.lines.begin() + 10));

  RankOptions minimum;
  minimum.MinTotalHalfPoints = 50;  // 25 points
  const Recorder good = Rank(kRows, minimum);
  const auto kept =
      std::count_if(all.totals.begin(), all.totals.end(), [](int total) { return total >= 50; });
  EXPECT_EQ(static_cast<long>(good.totals.size()), kept);
  EXPECT_EQ(good.lines, std::vector<int>(all.lines.begin(), all.lines.begin() + kept));
}

// Held in memory or spilled to temporary files after every chunk, with and without a
// top K that drops what can no longer reach it: the same output.
TEST(RankCandidates, SpillingChangesNothing) {
  constexpr int kRows = 9000;  // three chunks
  for (const std::optional<int> top : {std::optional<int>{}, std::optional<int>{25}}) {
    RankOptions held;
    held.Top = top;
    held.Reading.UncertaintyMinutes = 30;
    RankOptions spilled = held;
    spilled.MemoryBytes = 0;
    EXPECT_EQ(Rank(kRows, held).log, Rank(kRows, spilled).log) << top.value_or(0);
  }
}

// A temporary folder that fills up: the ranking is refused with the cause, and nothing
// is handed out as if it were the whole (in a child process whose file size limit
// stands for the full disk).
TEST(RankCandidates, AFullTemporaryFolderIsAFailureNotALoss) {
  constexpr int kRows = 200;
  const struct {
    const char* why;
    std::size_t memory;
    int expected;  // the child's exit: 0 all handed out, 1 refused before any was
  } cases[] = {
      {"in memory no temporary file is needed", kRankMemoryBytes, 0},
      {"spilled after every chunk, the writes fail", 0, 1},
  };
  for (const auto& c : cases) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      std::signal(SIGXFSZ, SIG_IGN);
      const rlimit limit{512, 512};
      ::setrlimit(RLIMIT_FSIZE, &limit);
      RankOptions options;
      options.MemoryBytes = c.memory;
      Recorder recorder;
      const auto summary = RankInto(recorder, kRows, options);
      if (const auto* failure = std::get_if<FormFailure>(&summary)) {
        const bool named = failure->Message.find("temporary file") != std::string::npos;
        const bool nothing_ranked = recorder.totals.empty();
        ::_exit(named && nothing_ranked ? 1 : 3);
      }
      const RankSummary& s = std::get<RankSummary>(summary);
      ::_exit(static_cast<int>(recorder.totals.size()) == s.Ranked && s.Ranked + s.Refused == kRows
                  ? 0
                  : 4);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << c.why;
    EXPECT_EQ(WEXITSTATUS(status), c.expected)
        << c.why << " (3: refused without naming the cause or after handing some out; 4: "
        << "fewer handed out than the summary says)";
  }
}

}  // namespace
}  // namespace lumora
