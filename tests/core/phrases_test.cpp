// SPDX-License-Identifier: MIT
#include "core/glossary/phrases.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/glossary/glossary.h"
#include "core/glossary/messages.h"
#include "core/glossary/western_phrases.h"
#include "core/western/western_score.h"

namespace lumora {
namespace {

struct Entry {
  std::string Field;
  std::string_view Text;
};

template <std::size_t N>
void AddAll(std::vector<Entry>& out, const char* field,
            const std::array<std::string_view, N>& texts) {
  for (std::size_t i = 0; i < N; ++i) {
    out.push_back({std::string(field) + "[" + std::to_string(i) + "]", texts[i]});
  }
}

// Every phrase of a table with its name; a phrase added to Phrases and not here fails
// the size check below.
std::vector<Entry> EntriesOf(const Phrases& p) {
  std::vector<Entry> out;
  out.push_back({"Source", p.Source});
  out.push_back({"DatePattern", p.DatePattern});
  out.push_back({"ProseInEnglish", p.ProseInEnglish});
  out.push_back({"Boy", p.Boy});
  out.push_back({"Girl", p.Girl});
  out.push_back({"BoySubject", p.BoySubject});
  out.push_back({"GirlSubject", p.GirlSubject});
  out.push_back({"BoyObject", p.BoyObject});
  out.push_back({"GirlObject", p.GirlObject});
  out.push_back({"KundaliMatchTitle", p.KundaliMatchTitle});
  out.push_back({"Yes", p.Yes});
  out.push_back({"No", p.No});
  out.push_back({"None", p.None});
  out.push_back({"PairJoin", p.PairJoin});
  out.push_back({"BirthDetails", p.BirthDetails});
  out.push_back({"Name", p.Name});
  out.push_back({"DateOfBirth", p.DateOfBirth});
  out.push_back({"TimeOfBirth", p.TimeOfBirth});
  out.push_back({"PlaceOfBirth", p.PlaceOfBirth});
  out.push_back({"Coordinates", p.Coordinates});
  out.push_back({"Clock", p.Clock});
  out.push_back({"ZoneAsEntered", p.ZoneAsEntered});
  out.push_back({"WithDaylightTime", p.WithDaylightTime});
  out.push_back({"Node", p.Node});
  out.push_back({"MoonSign", p.MoonSign});
  out.push_back({"BirthDetailsNotStored", p.BirthDetailsNotStored});
  AddAll(out, "GunaMilanColumns", p.GunaMilanColumns);
  out.push_back({"Total", p.Total});
  AddAll(out, "AreasOfLife", p.AreasOfLife);
  out.push_back({"PointsObtainedSentence", p.PointsObtainedSentence});
  AddAll(out, "TableSets", p.TableSets);
  out.push_back({"TablesInUse", p.TablesInUse});
  out.push_back({"TablesTotal", p.TablesTotal});
  out.push_back({"TablesTotalBelow", p.TablesTotalBelow});
  out.push_back({"NoteClassicalGives", p.NoteClassicalGives});
  out.push_back({"NotePointsOf", p.NotePointsOf});
  out.push_back({"NoteVarnaAtLeast", p.NoteVarnaAtLeast});
  out.push_back({"NoteVarnaBelow", p.NoteVarnaBelow});
  out.push_back({"NoteBoyWithGirl", p.NoteBoyWithGirl});
  out.push_back({"NoteTara", p.NoteTara});
  out.push_back({"NoteYoniSame", p.NoteYoniSame});
  out.push_back({"NoteYoniPair", p.NoteYoniPair});
  out.push_back({"NoteMaitriSame", p.NoteMaitriSame});
  out.push_back({"NoteMaitri", p.NoteMaitri});
  out.push_back({"NoteRashiSame", p.NoteRashiSame});
  out.push_back({"NoteRashiApart", p.NoteRashiApart});
  out.push_back({"NoteNadiSame", p.NoteNadiSame});
  out.push_back({"NoteNadiDiffer", p.NoteNadiDiffer});
  out.push_back({"NoteDoshaYet", p.NoteDoshaYet});
  out.push_back({"NoteJoin", p.NoteJoin});
  AddAll(out, "YoniRelations", p.YoniRelations);
  AddAll(out, "Regards", p.Regards);
  out.push_back({"Interpretation", p.Interpretation});
  out.push_back({"KootaHeading", p.KootaHeading});
  out.push_back({"KootaFacts", p.KootaFacts});
  out.push_back({"KootaBelongs", p.KootaBelongs});
  out.push_back({"Note", p.Note});
  out.push_back({"RashiPageOf", p.RashiPageOf});
  out.push_back({"NakshatraPageOf", p.NakshatraPageOf});
  out.push_back({"AboutProgram", p.AboutProgram});
  out.push_back({"ClosingParagraph", p.ClosingParagraph});
  out.push_back({"CreditLine", p.CreditLine});
  out.push_back({"PageOf", p.PageOf});
  out.push_back({"UncertainLegend", p.UncertainLegend});
  AddAll(out, "PoruthamColumns", p.PoruthamColumns);
  out.push_back({"Verdict", p.Verdict});
  out.push_back({"PoruthamCount", p.PoruthamCount});
  out.push_back({"Vetoes", p.Vetoes});
  out.push_back({"VetoesNone", p.VetoesNone});
  out.push_back({"StarCount", p.StarCount});
  out.push_back({"RashiCount", p.RashiCount});
  out.push_back({"BothInGroup", p.BothInGroup});
  out.push_back({"Pierce", p.Pierce});
  out.push_back({"DoNotPierce", p.DoNotPierce});
  AddAll(out, "PoruthamMeanings", p.PoruthamMeanings);
  out.push_back({"PapasamyamNeedsCharts", p.PapasamyamNeedsCharts});
  AddAll(out, "PapaColumns", p.PapaColumns);
  out.push_back({"PapaAgrees", p.PapaAgrees});
  out.push_back({"PapaDisagrees", p.PapaDisagrees});
  out.push_back({"ChartsAndDoshas", p.ChartsAndDoshas});
  out.push_back({"RasiCharts", p.RasiCharts});
  out.push_back({"NavamsaCharts", p.NavamsaCharts});
  out.push_back({"Planets", p.Planets});
  AddAll(out, "PlanetColumns", p.PlanetColumns);
  out.push_back({"AyanamsaLine", p.AyanamsaLine});
  out.push_back({"NodeLine", p.NodeLine});
  out.push_back({"MarsFrom", p.MarsFrom});
  out.push_back({"HouseDosha", p.HouseDosha});
  out.push_back({"HouseNoDosha", p.HouseNoDosha});
  out.push_back({"YesWithExceptions", p.YesWithExceptions});
  out.push_back({"Exceptions", p.Exceptions});
  out.push_back({"DoshaPresent", p.DoshaPresent});
  out.push_back({"DoshaNotPresent", p.DoshaNotPresent});
  out.push_back({"DoshaPresentExceptions", p.DoshaPresentExceptions});
  out.push_back({"NoPairDosha", p.NoPairDosha});
  out.push_back({"DoshasPresent", p.DoshasPresent});
  out.push_back({"ManglikMatch", p.ManglikMatch});
  AddAll(out, "ManglikMatches", p.ManglikMatches);
  out.push_back({"ChartsNeedBirthDetails", p.ChartsNeedBirthDetails});
  out.push_back({"Doshas", p.Doshas});
  AddAll(out, "DoshaColumns", p.DoshaColumns);
  out.push_back({"BirthTimeWindows", p.BirthTimeWindows});
  out.push_back({"MoonIn", p.MoonIn});
  out.push_back({"MoonInPada", p.MoonInPada});
  out.push_back({"LagnaIn", p.LagnaIn});
  out.push_back({"WindowFromTo", p.WindowFromTo});
  out.push_back({"OrEarlier", p.OrEarlier});
  out.push_back({"OrLater", p.OrLater});
  out.push_back({"TimingHeading", p.TimingHeading});
  out.push_back({"TimingConventions", p.TimingConventions});
  out.push_back({"WeddingMark", p.WeddingMark});
  out.push_back({"TodayMark", p.TodayMark});
  out.push_back({"RunningAtWedding", p.RunningAtWedding});
  out.push_back({"RunningToday", p.RunningToday});
  out.push_back({"Person", p.Person});
  out.push_back({"From", p.From});
  out.push_back({"To", p.To});
  out.push_back({"Transit", p.Transit});
  out.push_back({"SpanFromTo", p.SpanFromTo});
  out.push_back({"NoSandhi", p.NoSandhi});
  out.push_back({"NoSandhiWedding", p.NoSandhiWedding});
  out.push_back({"SandhiBoth", p.SandhiBoth});
  out.push_back({"SandhiOne", p.SandhiOne});
  out.push_back({"SandhiOneOnDay", p.SandhiOneOnDay});
  out.push_back({"TransitsHeading", p.TransitsHeading});
  out.push_back({"SadeSatiPhase", p.SadeSatiPhase});
  out.push_back({"PersonMahadashas", p.PersonMahadashas});
  out.push_back({"RankedFor", p.RankedFor});
  out.push_back({"RankCounts", p.RankCounts});
  AddAll(out, "RankColumns", p.RankColumns);
  out.push_back({"RankRange", p.RankRange});
  out.push_back({"RefusedRows", p.RefusedRows});
  out.push_back({"RefusedLine", p.RefusedLine});
  AddAll(out, "KeyLabels", p.KeyLabels);
  return out;
}

TEST(Phrases, EveryEntryIsListedAndPresentInEveryLanguage) {
  for (const LanguageName& language : kLanguages) {
    const std::vector<Entry> entries = EntriesOf(PhrasesOf(language.Which));
    ASSERT_EQ(entries.size(), sizeof(Phrases) / sizeof(std::string_view))
        << "a phrase of Phrases is missing from EntriesOf";
    for (const Entry& entry : entries) {
      EXPECT_FALSE(entry.Text.empty()) << language.Code << " " << entry.Field;
    }
  }
}

// The placeholders {0} .. {9} a text carries.
std::multiset<char> Placeholders(std::string_view text) {
  std::multiset<char> found;
  for (std::size_t i = 0; i + 2 < text.size(); ++i) {
    if (text[i] == '{' && text[i + 1] >= '0' && text[i + 1] <= '9' && text[i + 2] == '}') {
      found.insert(text[i + 1]);
    }
  }
  return found;
}

// A translation that drops or invents a value would print a wrong or empty sentence: every
// phrase takes the same values as the English one (each at least once, none other).
TEST(Phrases, TranslationsTakeTheEnglishValues) {
  const std::vector<Entry> english = EntriesOf(PhrasesOf(Language::English));
  for (const LanguageName& language : kLanguages) {
    const std::vector<Entry> entries = EntriesOf(PhrasesOf(language.Which));
    ASSERT_EQ(entries.size(), english.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
      const std::multiset<char> want = Placeholders(english[i].Text);
      const std::multiset<char> got = Placeholders(entries[i].Text);
      EXPECT_EQ(std::set<char>(got.begin(), got.end()), std::set<char>(want.begin(), want.end()))
          << language.Code << " " << entries[i].Field << ": \"" << entries[i].Text << "\"";
    }
  }
}

// Hindi and Tamil are written in their scripts: each phrase with words has letters of its
// script (the program's name and the patterns of values alone excepted).
struct ScriptCase {
  Language Which;
  char32_t First;
  char32_t Last;
};

constexpr ScriptCase kScripts[] = {
    {Language::Hindi, 0x0900, 0x097F},
    {Language::Tamil, 0x0B80, 0x0BFF},
};

bool HasLetterOf(std::string_view text, const ScriptCase& script) {
  for (std::size_t i = 0; i + 2 < text.size(); ++i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if ((lead >> 4) == 0xE) {
      const char32_t point = ((lead & 0x0Fu) << 12) |
                             ((static_cast<unsigned char>(text[i + 1]) & 0x3Fu) << 6) |
                             (static_cast<unsigned char>(text[i + 2]) & 0x3Fu);
      if (point >= script.First && point <= script.Last) {
        return true;
      }
    }
  }
  return false;
}

// A phrase of values and punctuation alone ("{0}, {1}") has nothing to translate; one with
// a Latin letter outside its placeholders must have letters of its script (an English word
// left behind fails).
bool HasLatinWords(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '{' && i + 2 < text.size() && text[i + 2] == '}') {
      i += 2;
    } else if ((text[i] >= 'a' && text[i] <= 'z') || (text[i] >= 'A' && text[i] <= 'Z')) {
      return true;
    }
  }
  return false;
}

TEST(Phrases, HindiAndTamilAreInTheirScripts) {
  for (const ScriptCase& script : kScripts) {
    for (const Entry& entry : EntriesOf(PhrasesOf(script.Which))) {
      if (entry.Field != "Source" && HasLatinWords(entry.Text)) {
        EXPECT_TRUE(HasLetterOf(entry.Text, script))
            << LanguageCode(script.Which) << " " << entry.Field << ": \"" << entry.Text << "\"";
      }
    }
  }
  // The English table is what the check would catch.
  EXPECT_TRUE(HasLatinWords(PhrasesOf(Language::English).BirthDetails));
  EXPECT_FALSE(HasLatinWords(PhrasesOf(Language::Tamil).PairJoin));
}

struct FillCase {
  std::string_view Pattern;
  std::vector<std::string_view> Values;
  std::string_view Expected;
};

TEST(Phrases, FillPutsEachValueInItsPlace) {
  const FillCase cases[] = {
      {"{0} and {1}", {"Arjun", "Bela"}, "Arjun and Bela"},
      {"{1} में से {0}", {"18", "36"}, "36 में से 18"},
      {"{0} belongs to {1} {2}; {3} belongs to {4} {2}.",
       {"A", "Deva", "Gana", "B", "Manushya"},
       "A belongs to Deva Gana; B belongs to Manushya Gana."},
      {"{2} left alone", {"x"}, "{2} left alone"},
      {"{x} {", {"v"}, "{x} {"},
      {"", {"v"}, ""},
  };
  for (const FillCase& c : cases) {
    std::string filled;
    switch (c.Values.size()) {
      case 1:
        filled = Fill(c.Pattern, {c.Values[0]});
        break;
      case 2:
        filled = Fill(c.Pattern, {c.Values[0], c.Values[1]});
        break;
      default:
        filled = Fill(c.Pattern, {c.Values[0], c.Values[1], c.Values[2], c.Values[3], c.Values[4]});
        break;
    }
    EXPECT_EQ(filled, c.Expected) << c.Pattern;
  }
}

struct DateCase {
  Language Which;
  int Year;
  int Month;
  int Day;
  std::string_view Expected;
};

constexpr DateCase kDates[] = {
    {Language::English, 1947, 8, 15, "1947-08-15"},
    {Language::Hindi, 1947, 8, 15, "15/08/1947"},
    {Language::Tamil, 2031, 1, 2, "02/01/2031"},
};

TEST(Phrases, DatesInEachLanguagesOrderWithDigits) {
  for (const DateCase& c : kDates) {
    EXPECT_EQ(DateWords(c.Which, c.Year, c.Month, c.Day), c.Expected) << LanguageCode(c.Which);
  }
}

// The readable output names a value the core gives in English by the glossary's word at
// the same place.
struct NameCase {
  Language Which;
  std::string_view English;
  std::optional<std::string_view> Expected;
};

const NameCase kNames[] = {
    {Language::Hindi, "Krittika", "कृत्तिका"},
    {Language::Tamil, "Rohini", "ரோகிணி"},
    {Language::Tamil, "Taurus", "ரிஷபம்"},
    {Language::Hindi, "Jupiter", "गुरु"},
    {Language::Hindi, "Not recommended", "अनुशंसित नहीं"},
    {Language::Tamil, "Mahadasha", "தசை"},
    {Language::English, "Rohini", "Rohini"},
    {Language::Hindi, "Arjun", std::nullopt},
    {Language::Tamil, "", std::nullopt},
};

TEST(Phrases, WordOfEnglishNameFindsTheSamePlace) {
  for (const NameCase& c : kNames) {
    EXPECT_EQ(WordOfEnglishName(c.Which, c.English), c.Expected) << c.English;
  }
  // Every rashi and nakshatra goes there and, through English, back.
  for (const LanguageName& language : kLanguages) {
    for (int n = 0; n < 27; ++n) {
      EXPECT_EQ(WordOfEnglishName(language.Which, NakshatraWord(Language::English, n)),
                NakshatraWord(language.Which, n));
    }
    for (int s = 0; s < 12; ++s) {
      EXPECT_EQ(WordOfEnglishName(language.Which, RashiWord(Language::English, s)),
                RashiWord(language.Which, s));
    }
  }
}

// Each readable key is listed once.
TEST(Phrases, ReadableKeysAreDistinct) {
  const std::set<std::string_view> keys(kReadableKeys.begin(), kReadableKeys.end());
  EXPECT_EQ(keys.size(), kReadableKeys.size());
}

// A refusal with values reads in each script with every value it carried, whatever the
// values hold (the pattern's own words, a key before it), and only a text made from a
// pattern is taken for one.
TEST(Phrases, RecordMessagesKeepTheirValues) {
  const std::vector<std::string> markers = {"\u00ABa\u00BB", "\u00ABb\u00BB", "\u00ABc\u00BB"};
  // Texts a person types may hold the words of a message (a middle value is a number or a
  // name and cannot).
  const std::vector<std::string> wordy = {"x is not a day of the calendar", "9",
                                          "\"q\" is not an entry of"};
  for (int m = 0; m < kRecordMessageCount; ++m) {
    const auto message = static_cast<RecordMessage>(m);
    // The values a message carries are those its English writes.
    const std::string marked = RecordMessageText(message, {markers[0], markers[1], markers[2]});
    for (const auto* values : {&markers, &wordy}) {
      const std::string english =
          RecordMessageText(message, {(*values)[0], (*values)[1], (*values)[2]});
      SCOPED_TRACE(english);
      EXPECT_EQ(MessageIn(Language::English, english), english);
      for (const ScriptCase& script : kScripts) {
        for (const std::string& text : {english, "B: " + english}) {
          const std::string words = MessageIn(script.Which, text);
          EXPECT_NE(words, text);
          EXPECT_TRUE(HasLetterOf(words, script)) << words;
          for (std::size_t v = 0; v < markers.size(); ++v) {
            if (marked.find(markers[v]) != std::string::npos) {
              EXPECT_NE(words.find((*values)[v]), std::string::npos) << words << " / " << v;
            }
          }
        }
      }
    }
  }
  for (const char* other : {"BirthDate is missing too", "The row cannot be read", "x: y",
                            "Row 3 is not an entry of the list cmbMTimeZone"}) {
    EXPECT_EQ(MessageIn(Language::Tamil, other), other);
  }
}

// Each form message is listed once, says something in both scripts, and is found again
// from its English; the months are twelve distinct words in each language.
TEST(Phrases, FormMessagesAndMonthsInEachLanguage) {
  std::set<std::string_view> english;
  for (const MessageWords& words : FormMessages()) {
    SCOPED_TRACE(words.English);
    EXPECT_TRUE(english.insert(words.English).second);
    EXPECT_TRUE(HasLetterOf(words.Hindi, kScripts[0]));
    EXPECT_TRUE(HasLetterOf(words.Tamil, kScripts[1]));
    EXPECT_EQ(MessageIn(Language::Hindi, words.English), words.Hindi);
    EXPECT_EQ(MessageIn(Language::Tamil, words.English), words.Tamil);
    EXPECT_EQ(MessageIn(Language::English, words.English), words.English);
  }
  EXPECT_EQ(MessageIn(Language::Hindi, "The file \"x\" cannot be read"),
            "The file \"x\" cannot be read");
  for (const LanguageName& language : kLanguages) {
    const auto months = MonthWords(language.Which);
    const std::set<std::string_view> distinct(months.begin(), months.end());
    EXPECT_EQ(distinct.size(), 12u) << language.Code;
    EXPECT_EQ(distinct.count(""), 0u) << language.Code;
  }
  EXPECT_EQ(MonthWords(Language::Tamil)[11], "டிசம்பர்");
  EXPECT_EQ(MonthWords(Language::Hindi)[7], "अगस्त");
}

std::vector<Entry> EntriesOf(const WesternPhrases& p) {
  std::vector<Entry> out;
  for (const auto& [field, text] : {std::pair{"Title", p.Title},
                                    {"PairLine", p.PairLine},
                                    {"MaleName", p.MaleName},
                                    {"FemaleName", p.FemaleName},
                                    {"MaleColumn", p.MaleColumn},
                                    {"FemaleColumn", p.FemaleColumn},
                                    {"NatalPositions", p.NatalPositions},
                                    {"CompatibilityReport", p.CompatibilityReport},
                                    {"Synastry", p.Synastry},
                                    {"GridNote", p.GridNote},
                                    {"HouseOverlays", p.HouseOverlays},
                                    {"HousesLine", p.HousesLine},
                                    {"InHouseOf", p.InHouseOf},
                                    {"CompositeAndDavison", p.CompositeAndDavison},
                                    {"CompositeNote", p.CompositeNote},
                                    {"Composite", p.Composite},
                                    {"Davison", p.Davison},
                                    {"WheelCaption", p.WheelCaption},
                                    {"PlacidusFellBack", p.PlacidusFellBack},
                                    {"CreditLine", p.CreditLine}}) {
    out.push_back({field, text});
  }
  AddAll(out, "HouseSystems", p.HouseSystems);
  AddAll(out, "DetailRows", p.DetailRows);
  AddAll(out, "Points", p.Points);
  AddAll(out, "Figures", p.Figures);
  AddAll(out, "Comments", p.Comments);
  AddAll(out, "KeyLabels", p.KeyLabels);
  return out;
}

// The Western report's words as the Vedic ones: every entry in every language, the English
// values in each translation, Hindi and Tamil in their scripts; each comment the score gives
// has its word.
TEST(Phrases, WesternReportInEveryLanguage) {
  const std::vector<Entry> english = EntriesOf(WesternPhrasesOf(Language::English));
  ASSERT_EQ(english.size(), sizeof(WesternPhrases) / sizeof(std::string_view))
      << "a phrase of WesternPhrases is missing from EntriesOf";
  for (const ScriptCase& script : kScripts) {
    const std::vector<Entry> entries = EntriesOf(WesternPhrasesOf(script.Which));
    for (std::size_t i = 0; i < entries.size(); ++i) {
      const Entry& entry = entries[i];
      SCOPED_TRACE(std::string(LanguageCode(script.Which)) + " " + entry.Field);
      EXPECT_FALSE(entry.Text.empty());
      if (HasLatinWords(entry.Text)) {
        EXPECT_TRUE(HasLetterOf(entry.Text, script)) << entry.Text;
      }
      const std::multiset<char> want = Placeholders(english[i].Text);
      const std::multiset<char> got = Placeholders(entry.Text);
      EXPECT_EQ(std::set<char>(got.begin(), got.end()), std::set<char>(want.begin(), want.end()));
    }
    for (int percentage = 0; percentage <= 100; ++percentage) {
      const std::string_view comment = CompatibilityComment(percentage);
      EXPECT_NE(WesternCommentWord(script.Which, comment), comment) << percentage;
    }
  }
  EXPECT_EQ(WesternCommentWord(Language::Tamil, "Arjun"), "Arjun");
  const std::set<std::string_view> keys(kWesternReadableKeys.begin(), kWesternReadableKeys.end());
  EXPECT_EQ(keys.size(), kWesternReadableKeys.size());
}

}  // namespace
}  // namespace lumora
