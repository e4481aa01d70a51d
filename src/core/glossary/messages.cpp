// SPDX-License-Identifier: MIT
#include "core/glossary/messages.h"

#include <array>
#include <optional>
#include <vector>

#include "core/entry/date_lists.h"
#include "core/glossary/phrases.h"

namespace lumora {

namespace {

// The words of the forms' messages in Hindi and Tamil, in the polite request form that
// government and bank forms in both languages use ("कृपया ... लिखें", "தயவுசெய்து ...
// உள்ளிடவும்"); degrees and minutes of arc as the panchangas name them (अंश/कला, பாகை/கலை).
// The two spellings the English forms have always had for one request ("Minute"/"Minutes",
// "!"/" !", capitals) read alike in translation.
constexpr std::array<MessageWords, 33> kFormMessages{{
    {"Please Enter Your Name", "कृपया अपना नाम लिखें", "தயவுசெய்து உங்கள் பெயரை உள்ளிடவும்"},
    {"Please Enter Your Partner's Name", "कृपया अपने साथी का नाम लिखें",
     "தயவுசெய்து உங்கள் துணையின் பெயரை உள்ளிடவும்"},
    {"Please Enter Male Name", "कृपया पुरुष का नाम लिखें", "தயவுசெய்து ஆணின் பெயரை உள்ளிடவும்"},
    {"Please Enter Female Name", "कृपया स्त्री का नाम लिखें", "தயவுசெய்து பெண்ணின் பெயரை உள்ளிடவும்"},
    {"Please Enter Your Hour Of Time Zone", "कृपया अपने समय क्षेत्र का घंटा लिखें",
     "தயவுசெய்து உங்கள் நேர மண்டலத்தின் மணியை உள்ளிடவும்"},
    {"Please Enter Your Partner's Hour Of Time Zone", "कृपया अपने साथी के समय क्षेत्र का घंटा लिखें",
     "தயவுசெய்து உங்கள் துணையின் நேர மண்டலத்தின் மணியை உள்ளிடவும்"},
    {"Please Enter Your Minute Of Time Zone", "कृपया अपने समय क्षेत्र का मिनट लिखें",
     "தயவுசெய்து உங்கள் நேர மண்டலத்தின் நிமிடத்தை உள்ளிடவும்"},
    {"Please Enter Your Partner's Minute Of Time Zone", "कृपया अपने साथी के समय क्षेत्र का मिनट लिखें",
     "தயவுசெய்து உங்கள் துணையின் நேர மண்டலத்தின் நிமிடத்தை உள்ளிடவும்"},
    {"Please Enter Degree in Latitude", "कृपया अक्षांश के अंश लिखें",
     "தயவுசெய்து அட்சரேகையின் பாகையை உள்ளிடவும்"},
    {"Please Enter Minutes in Latitude", "कृपया अक्षांश की कला लिखें",
     "தயவுசெய்து அட்சரேகையின் கலையை உள்ளிடவும்"},
    {"Please Enter Degree in Longitude", "कृपया देशान्तर के अंश लिखें",
     "தயவுசெய்து தீர்க்கரேகையின் பாகையை உள்ளிடவும்"},
    {"Please Enter Minute in Longitude", "कृपया देशान्तर की कला लिखें",
     "தயவுசெய்து தீர்க்கரேகையின் கலையை உள்ளிடவும்"},
    {"Please Enter Minutes in Longitude", "कृपया देशान्तर की कला लिखें",
     "தயவுசெய்து தீர்க்கரேகையின் கலையை உள்ளிடவும்"},
    {"Please Enter City", "कृपया शहर लिखें", "தயவுசெய்து நகரத்தை உள்ளிடவும்"},
    {"Please Enter State", "कृपया राज्य लिखें", "தயவுசெய்து மாநிலத்தை உள்ளிடவும்"},
    {"Please Enter Country", "कृपया देश लिखें", "தயவுசெய்து நாட்டை உள்ளிடவும்"},
    {"Please Select Direction For The Latitude", "कृपया अक्षांश की दिशा चुनें",
     "தயவுசெய்து அட்சரேகையின் திசையைத் தேர்ந்தெடுக்கவும்"},
    {"Please Select Direction For The Longitude", "कृपया देशान्तर की दिशा चुनें",
     "தயவுசெய்து தீர்க்கரேகையின் திசையைத் தேர்ந்தெடுக்கவும்"},
    {"Please Enter Only Numbers", "कृपया केवल अंक लिखें", "தயவுசெய்து எண்களை மட்டும் உள்ளிடவும்"},
    {"Please enter only numbers", "कृपया केवल अंक लिखें", "தயவுசெய்து எண்களை மட்டும் உள்ளிடவும்"},
    {"Please Enter Only Characters", "कृपया केवल अक्षर लिखें", "தயவுசெய்து எழுத்துகளை மட்டும் உள்ளிடவும்"},
    {"Please enter only letters", "कृपया केवल अक्षर लिखें", "தயவுசெய்து எழுத்துகளை மட்டும் உள்ளிடவும்"},
    {"Please Enter A Correct Latitude", "कृपया सही अक्षांश लिखें",
     "தயவுசெய்து சரியான அட்சரேகையை உள்ளிடவும்"},
    {"Please Enter A Correct Longitude", "कृपया सही देशान्तर लिखें",
     "தயவுசெய்து சரியான தீர்க்கரேகையை உள்ளிடவும்"},
    {"Please Enter A Correct Time Zone", "कृपया सही समय क्षेत्र लिखें",
     "தயவுசெய்து சரியான நேர மண்டலத்தை உள்ளிடவும்"},
    {"Please Enter Your Correct Date Or Month!", "कृपया अपनी सही तिथि या माह लिखें!",
     "தயவுசெய்து உங்கள் சரியான தேதி அல்லது மாதத்தை உள்ளிடவும்!"},
    {"Please Enter Your Correct Date Or Month !", "कृपया अपनी सही तिथि या माह लिखें!",
     "தயவுசெய்து உங்கள் சரியான தேதி அல்லது மாதத்தை உள்ளிடவும்!"},
    {"Please Enter Your Partner's Correct Date Or Month!", "कृपया अपने साथी की सही तिथि या माह लिखें!",
     "தயவுசெய்து உங்கள் துணையின் சரியான தேதி அல்லது மாதத்தை உள்ளிடவும்!"},
    {"Please Enter Your Partner's Correct Date Or Month !", "कृपया अपने साथी की सही तिथि या माह लिखें!",
     "தயவுசெய்து உங்கள் துணையின் சரியான தேதி அல்லது மாதத்தை உள்ளிடவும்!"},
    {"Please Check The File.", "कृपया फ़ाइल जाँचें।", "தயவுசெய்து கோப்பைச் சரிபார்க்கவும்."},
    {"The month, day, hour or minute is out of range.", "माह, दिन, घंटा या मिनट सीमा से बाहर है।",
     "மாதம், நாள், மணி அல்லது நிமிடம் வரம்புக்கு வெளியே உள்ளது."},
    {"The file name is empty", "फ़ाइल का नाम खाली है", "கோப்பின் பெயர் காலியாக உள்ளது"},
    {"This is not a Lumora couple file.", "यह Lumora की युगल फ़ाइल नहीं है।",
     "இது Lumora இணை கோப்பு அல்ல."},
}};

// The refusals of a record, in RecordMessage order; the same polite register as the forms'
// messages, the column names of the file kept as the file spells them.
constexpr std::array<MessageWords, 33> kRecordMessages{{
    {"BirthDate {0} is not a date written YYYY-MM-DD",
     "BirthDate {0} YYYY-MM-DD रूप में लिखी तिथि नहीं है",
     "BirthDate {0} YYYY-MM-DD வடிவில் எழுதிய தேதி அல்ல"},
    {"BirthDate {0} is not a day of the calendar", "BirthDate {0} कैलेंडर का कोई दिन नहीं है",
     "BirthDate {0} நாட்காட்டியில் உள்ள நாள் அல்ல"},
    {"BirthDate {0} lies outside the years 1901 to 2050",
     "BirthDate {0} वर्ष 1901 से 2050 की सीमा से बाहर है",
     "BirthDate {0} 1901 முதல் 2050 வரையிலான ஆண்டுகளுக்கு வெளியே உள்ளது"},
    {"BirthTime {0} is not a time written HH:MM or HH:MM:SS",
     "BirthTime {0} HH:MM या HH:MM:SS रूप में लिखा समय नहीं है",
     "BirthTime {0} HH:MM அல்லது HH:MM:SS வடிவில் எழுதிய நேரம் அல்ல"},
    {"{0} {1} is not a number of degrees from -{2} to {2}",
     "{0} {1} -{2} से {2} तक के अंशों की संख्या नहीं है", "{0} {1} -{2} முதல் {2} வரையிலான பாகை எண் அல்ல"},
    {"TimeZone {0} is not a time zone of the zone database",
     "TimeZone {0} समय क्षेत्रों के डेटाबेस का कोई क्षेत्र नहीं है",
     "TimeZone {0} நேர மண்டலத் தரவுத்தளத்தில் உள்ள மண்டலம் அல்ல"},
    {"The time {0} on {1} in {2} never existed: the clocks were put forward over it",
     "{1} को {2} में समय {0} कभी नहीं आया: घड़ियाँ उसके ऊपर से आगे बढ़ा दी गई थीं",
     "{1} அன்று {2} இல் {0} என்ற நேரம் இருந்ததே இல்லை: கடிகாரங்கள் அதைத் தாண்டி முன்னே "
     "வைக்கப்பட்டன"},
    {"ClockReading {0} is neither earlier nor later", "ClockReading {0} न earlier है न later",
     "ClockReading {0} earlier-உம் அல்ல later-உம் அல்ல"},
    {"IsDST {0} is neither true nor false", "IsDST {0} न true है न false",
     "IsDST {0} true-உம் அல்ல false-உம் அல்ல"},
    {"The time {0} on {1} in {2} occurred twice: the clocks were put back over it; give "
     "ClockReading earlier or later",
     "{1} को {2} में समय {0} दो बार आया: घड़ियाँ उसके ऊपर से पीछे की गई थीं; ClockReading "
     "earlier या later दें",
     "{1} அன்று {2} இல் {0} என்ற நேரம் இரு முறை வந்தது: கடிகாரங்கள் அதைத் தாண்டிப் பின்னே "
     "வைக்கப்பட்டன; ClockReading earlier அல்லது later எனக் கொடுக்கவும்"},
    {"{0} is missing", "{0} नहीं दिया गया", "{0} கொடுக்கப்படவில்லை"},
    {"Give a Place, or Latitude, Longitude and TimeZone",
     "Place, या Latitude, Longitude और TimeZone दें",
     "Place, அல்லது Latitude, Longitude, TimeZone கொடுக்கவும்"},
    {"Place {0} was not found in the place atlas", "Place {0} स्थानों के एटलस में नहीं मिला",
     "Place {0} இட அட்லஸில் கிடைக்கவில்லை"},
    {"The Moon of {0} could not be placed", "{0} का चन्द्र स्पष्ट नहीं हो सका",
     "{0} அவர்களின் சந்திர நிலையைக் கணிக்க முடியவில்லை"},
    {"The row cannot be read: {0}", "पंक्ति पढ़ी नहीं जा सकती: {0}", "வரியைப் படிக்க முடியவில்லை: {0}"},
    {"The row has {0} fields but the header names {1}",
     "पंक्ति में {0} खाने हैं पर शीर्ष पंक्ति {1} के नाम देती है",
     "வரியில் {0} புலங்கள் உள்ளன, ஆனால் தலைப்பு வரி {1} புலங்களைப் பெயரிடுகிறது"},
    {"The line is longer than {0} bytes", "पंक्ति {0} बाइट से लम्बी है", "வரி {0} பைட்டுகளை விட நீளமானது"},
    {"The line is not a JSON object", "पंक्ति कोई JSON ऑब्जेक्ट नहीं है", "வரி ஒரு JSON பொருள் அல்ல"},
    {"{0} must be a person record: {\"Name\": ..., \"BirthDate\": ..., \"BirthTime\": ..., "
     "\"Place\": ...}",
     "{0} व्यक्ति का रिकॉर्ड होना चाहिए: {\"Name\": ..., \"BirthDate\": ..., \"BirthTime\": ..., "
     "\"Place\": ...}",
     "{0} ஒரு நபரின் பதிவாக இருக்க வேண்டும்: {\"Name\": ..., \"BirthDate\": ..., \"BirthTime\": "
     "..., \"Place\": ...}"},
    {"{0} is not a field of a person record", "{0} व्यक्ति के रिकॉर्ड का कोई खाना नहीं है",
     "{0} நபர் பதிவின் புலம் அல்ல"},
    {"Each input line must be an object with A and B person records",
     "इनपुट की हर पंक्ति A और B व्यक्ति-रिकॉर्ड वाला ऑब्जेक्ट होनी चाहिए",
     "உள்ளீட்டின் ஒவ்வொரு வரியும் A, B நபர் பதிவுகள் கொண்ட பொருளாக இருக்க வேண்டும்"},
    {"TimeZone is required: an IANA time-zone name such as \"Asia/Kolkata\"",
     "TimeZone आवश्यक है: IANA समय क्षेत्र का नाम, जैसे \"Asia/Kolkata\"",
     "TimeZone தேவை: \"Asia/Kolkata\" போன்ற IANA நேர மண்டலப் பெயர்"},
    {"\"{0}\" is not an entry of the list {1}", "\"{0}\" सूची {1} की कोई प्रविष्टि नहीं है",
     "\"{0}\" என்பது {1} பட்டியலில் இல்லை"},
    {"\"{0}\" is not an entry of {1}", "\"{0}\" {1} की कोई प्रविष्टि नहीं है",
     "\"{0}\" என்பது {1} இல் இல்லை"},
    {"Row {0} is not an entry of the list {1} (rows 0 to {2})",
     "पंक्ति {0} सूची {1} में नहीं है (पंक्तियाँ 0 से {2})",
     "வரிசை {0} பட்டியல் {1} இல் இல்லை (வரிசைகள் 0 முதல் {2})"},
    {"{0} has no row {1} (rows 0 to {2})", "{0} में पंक्ति {1} नहीं है (पंक्तियाँ 0 से {2})",
     "{0} இல் வரிசை {1} இல்லை (வரிசைகள் 0 முதல் {2})"},
    {"{0} has no entry \"{1}\"", "{0} में प्रविष्टि \"{1}\" नहीं है", "{0} இல் \"{1}\" என்ற பதிவு இல்லை"},
    {"{0} must be a text", "{0} पाठ होना चाहिए", "{0} உரையாக இருக்க வேண்டும்"},
    {"{0} must be true or false", "{0} true या false होना चाहिए",
     "{0} true அல்லது false ஆக இருக்க வேண்டும்"},
    {"{0} must be 0, 1 or null", "{0} 0, 1 या null होना चाहिए",
     "{0} 0, 1 அல்லது null ஆக இருக்க வேண்டும்"},
    {"{0} must be a row index or an entry text", "{0} पंक्ति की संख्या या प्रविष्टि का पाठ होना चाहिए",
     "{0} வரிசை எண்ணாகவோ பதிவின் உரையாகவோ இருக்க வேண்டும்"},
    {"{0} must be a whole number from {1} to {2}", "{0} {1} से {2} तक की पूर्ण संख्या होनी चाहिए",
     "{0} {1} முதல் {2} வரையிலான முழு எண்ணாக இருக்க வேண்டும்"},
    {"Placidus houses do not exist beyond 66 degrees of latitude; equal houses are used",
     "66 अंश अक्षांश से आगे प्लेसिडस भाव नहीं बनते; सम भाव लिए गए हैं",
     "66 பாகை அட்சரேகைக்கு அப்பால் பிளாசிடஸ் பாவங்கள் அமைவதில்லை; சம பாவங்கள் கொள்ளப்பட்டன"},
}};

// The values of a text made from a pattern, indexed as their {n}; nothing when the text
// was not made from it. Each value runs to the next literal part of the pattern, found
// leftmost; the last literal part ends the text.
std::optional<std::vector<std::string>> ValuesOf(std::string_view pattern, std::string_view text) {
  // The pattern as literal parts with the value index after each (-1 after the last).
  struct Part {
    std::string_view Literal;
    int Value;
  };
  std::vector<Part> parts;
  std::size_t start = 0;
  for (std::size_t i = 0; i + 2 < pattern.size(); ++i) {
    if (pattern[i] == '{' && pattern[i + 1] >= '0' && pattern[i + 1] <= '9' &&
        pattern[i + 2] == '}') {
      parts.push_back({pattern.substr(start, i - start), pattern[i + 1] - '0'});
      start = i + 3;
      i += 2;
    }
  }
  parts.push_back({pattern.substr(start), -1});

  std::vector<std::string> values(10);
  std::vector<bool> seen(10, false);
  if (text.substr(0, parts.front().Literal.size()) != parts.front().Literal) {
    return std::nullopt;
  }
  std::size_t at = parts.front().Literal.size();
  for (std::size_t k = 0; k + 1 < parts.size(); ++k) {
    const std::string_view next = parts[k + 1].Literal;
    const bool last = k + 2 == parts.size();
    std::size_t end = 0;
    if (last) {
      if (text.size() < at + next.size() || text.substr(text.size() - next.size()) != next) {
        return std::nullopt;
      }
      end = text.size() - next.size();
    } else {
      end = next.empty() ? std::string_view::npos : text.find(next, at);
      if (end == std::string_view::npos) {
        return std::nullopt;  // not there, or two values side by side: no telling them apart
      }
    }
    const auto n = static_cast<std::size_t>(parts[k].Value);
    const std::string value(text.substr(at, end - at));
    if (seen[n] && values[n] != value) {
      return std::nullopt;  // one value written twice reads the same both times
    }
    values[n] = value;
    seen[n] = true;
    at = end + next.size();
  }
  if (at != text.size()) {
    return std::nullopt;
  }
  return values;
}

// The months as the Hindi and Tamil calendars of the Gregorian year write them (the
// Tamil months of the solar year, சித்திரை .., are another calendar and not meant here).
constexpr std::array<std::string_view, 12> kHindiMonths = {
    "जनवरी", "फ़रवरी", "मार्च", "अप्रैल", "मई", "जून", "जुलाई", "अगस्त", "सितंबर", "अक्टूबर", "नवंबर", "दिसंबर",
};
constexpr std::array<std::string_view, 12> kTamilMonths = {
    "ஜனவரி", "பிப்ரவரி", "மார்ச்",    "ஏப்ரல்",   "மே",    "ஜூன்",
    "ஜூலை",  "ஆகஸ்ட்",    "செப்டம்பர்", "அக்டோபர்", "நவம்பர்", "டிசம்பர்",
};

}  // namespace

std::span<const MessageWords> FormMessages() {
  return kFormMessages;
}

std::string RecordMessageText(RecordMessage message,
                              std::initializer_list<std::string_view> values) {
  return Fill(kRecordMessages[static_cast<std::size_t>(message)].English, values);
}

std::string MessageIn(Language language, std::string_view english) {
  if (language == Language::English) {
    return std::string(english);
  }
  if (const auto row = RowOf(kFormMessages, english)) {
    return std::string(row->In(language));
  }
  for (const MessageWords& words : kRecordMessages) {
    if (const auto values = ValuesOf(words.English, english)) {
      const std::vector<std::string_view> views(values->begin(), values->end());
      return Fill(words.In(language), {views[0], views[1], views[2], views[3], views[4], views[5],
                                       views[6], views[7], views[8], views[9]});
    }
  }
  // A record's refusal after the key of its record: "B: BirthDate is missing".
  const std::size_t colon = english.find(": ");
  if (colon != std::string_view::npos && colon > 0 && colon <= 4) {
    const std::string rest = MessageIn(language, english.substr(colon + 2));
    if (rest != english.substr(colon + 2)) {
      return std::string(english.substr(0, colon + 2)) + rest;
    }
  }
  return std::string(english);
}

std::span<const std::string_view, 12> MonthWords(Language language) {
  switch (language) {
    case Language::Hindi:
      return kHindiMonths;
    case Language::Tamil:
      return kTamilMonths;
    case Language::English:
      break;
  }
  return kMonthNames;
}

}  // namespace lumora
