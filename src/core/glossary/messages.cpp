// SPDX-License-Identifier: MIT
#include "core/glossary/messages.h"

#include <array>

#include "core/entry/date_lists.h"

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

std::string_view MessageIn(Language language, std::string_view english) {
  if (language == Language::English) {
    return english;
  }
  for (const MessageWords& words : kFormMessages) {
    if (words.English == english) {
      return language == Language::Hindi ? words.Hindi : words.Tamil;
    }
  }
  return english;
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
