<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>QComboBox</name>
    <message>
        <source>Open the list</source>
        <translation>सूची खोलें</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>पूर्ववत करें (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>फिर से करें (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>काटें (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>कॉपी करें (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>चिपकाएँ (&amp;P)</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>&amp;Help</source>
        <translation>सहायता (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ऑनलाइन सहायता (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>सॉफ़्टवेयर के बारे में (&amp;A)</translation>
    </message>
    <message>
        <source>house %1: %2</source>
        <translation>भाव %1: %2</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>चित्र</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>पीछे</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>आगे</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>हाँ (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>नहीं (&amp;N)</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>बाईं ओर खिसकाएँ</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>दाईं ओर खिसकाएँ</translation>
    </message>
</context>
<context>
    <name>lumora::ui::AboutBox</name>
    <message>
        <source>Lumora icon</source>
        <translation>Lumora आइकन</translation>
    </message>
    <message>
        <source>Lumora rates the compatibility of two people from their birth data and the positions of the planets at their births, by both Western and Vedic astrology: the Western test compares the Sun, Moon, planets, nodes, ascendant and midheaven of both partners, and the Vedic test scores the eight kootas of the Ashta Kuta Guna Milan out of 36 points from their Moon signs and nakshatras.</source>
        <translation>Lumora दो लोगों की अनुकूलता उनके जन्म विवरण और जन्म के समय ग्रहों की स्थिति से, पाश्चात्य और वैदिक दोनों ज्योतिष से आँकता है: पाश्चात्य परीक्षण दोनों साथियों के सूर्य, चन्द्र, ग्रहों, राहु-केतु, लग्न और दशम भाव की तुलना करता है, और वैदिक परीक्षण उनकी चन्द्र राशि और नक्षत्र से अष्टकूट गुण मिलान के आठ कूटों को 36 गुणों में से अंक देता है।</translation>
    </message>
    <message>
        <source>Lumora help (installed with the program)</source>
        <translation>Lumora सहायता (प्रोग्राम के साथ स्थापित)</translation>
    </message>
    <message>
        <source>Open the Lumora help</source>
        <translation>Lumora सहायता खोलें</translation>
    </message>
    <message>
        <source>Lumora is free software under the MIT licence.
Place data: GeoNames (geonames.org), CC BY 4.0</source>
        <translation>Lumora MIT लाइसेंस के अंतर्गत मुक्त सॉफ़्टवेयर है।
स्थान डेटा: GeoNames (geonames.org), CC BY 4.0</translation>
    </message>
    <message>
        <source>Licence and data credits</source>
        <translation>लाइसेंस और डेटा का श्रेय</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
</context>
<context>
    <name>lumora::ui::BiWheelWidget</name>
    <message>
        <source>Bi-wheel</source>
        <translation>द्वि-चक्र</translation>
    </message>
    <message>
        <source>%1: inside %2, outside %3</source>
        <translation>%1: भीतर %2, बाहर %3</translation>
    </message>
</context>
<context>
    <name>lumora::ui::BirthDetailsForm</name>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Kundali Match</source>
        <translation>कुंडली मिलान (&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Open Couple...</source>
        <translation>जोड़ी खोलें (&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save Couple...</source>
        <translation>जोड़ी सहेजें (&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>बाहर निकलें (&amp;E)</translation>
    </message>
    <message>
        <source>Match &amp;Kundali</source>
        <translation>कुंडली मिलाएँ (&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>पहले सहेजा गया मिलान खोलें (&amp;O)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बाहर निकलें (&amp;X)</translation>
    </message>
    <message>
        <source>Time Zone hours</source>
        <translation>समय क्षेत्र के घंटे</translation>
    </message>
    <message>
        <source>Time Zone minutes</source>
        <translation>समय क्षेत्र के मिनट</translation>
    </message>
    <message>
        <source>DST</source>
        <translation>DST</translation>
    </message>
    <message>
        <source>Daylight saving time</source>
        <translation>डेलाइट सेविंग समय</translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation>समय क्षेत्र सहायता</translation>
    </message>
    <message>
        <source>TZ Help: pick a time zone</source>
        <translation>समय क्षेत्र सहायता: समय क्षेत्र चुनें</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>समय क्षेत्र</translation>
    </message>
</context>
<context>
    <name>lumora::ui::GunaMilanGrid</name>
    <message>
        <source>GUNA</source>
        <translation>गुण</translation>
    </message>
    <message>
        <source>BOY</source>
        <translation>वर</translation>
    </message>
    <message>
        <source>GIRL</source>
        <translation>कन्या</translation>
    </message>
    <message>
        <source>MAXIMUM POINTS</source>
        <translation>अधिकतम गुण</translation>
    </message>
    <message>
        <source>POINTS OBTAINED</source>
        <translation>प्राप्त गुण</translation>
    </message>
    <message>
        <source>AREA OF LIFE</source>
        <translation>जीवन का क्षेत्र</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>कार्य</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>नियंत्रण</translation>
    </message>
    <message>
        <source>Destiny</source>
        <translation>भाग्य</translation>
    </message>
    <message>
        <source>Mental Awareness</source>
        <translation>मानसिक समझ</translation>
    </message>
    <message>
        <source>Compatibility</source>
        <translation>अनुकूलता</translation>
    </message>
    <message>
        <source>Temperament</source>
        <translation>स्वभाव</translation>
    </message>
    <message>
        <source>Love</source>
        <translation>प्रेम</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>स्वास्थ्य</translation>
    </message>
</context>
<context>
    <name>lumora::ui::GunaMilanTab</name>
    <message>
        <source>boy</source>
        <translation>वर</translation>
    </message>
    <message>
        <source>girl</source>
        <translation>कन्या</translation>
    </message>
    <message>
        <source>maximum points</source>
        <translation>अधिकतम अंक</translation>
    </message>
    <message>
        <source>points obtained</source>
        <translation>प्राप्त अंक</translation>
    </message>
    <message>
        <source>area of life</source>
        <translation>जीवन क्षेत्र</translation>
    </message>
</context>
<context>
    <name>lumora::ui::LanguageNote</name>
    <message>
        <source>The detailed readings on this page are in English.</source>
        <translation>इस पृष्ठ के विस्तृत फलादेश अंग्रेज़ी में हैं।</translation>
    </message>
</context>
<context>
    <name>lumora::ui::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>प्रिंट करें (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <translation>सेटिंग्स (&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>बाहर निकलें (&amp;E)</translation>
    </message>
    <message>
        <source>Tests and commands</source>
        <translation>परीक्षण और आदेश</translation>
    </message>
    <message>
        <source>Test windows</source>
        <translation>परीक्षण विंडो</translation>
    </message>
    <message>
        <source>The compatibility of two people from their birth data, by Western and by Vedic astrology. Choose a test:</source>
        <translation>दो लोगों की अनुकूलता उनके जन्म विवरण से, पाश्चात्य और वैदिक ज्योतिष द्वारा। एक परीक्षण चुनें:</translation>
    </message>
    <message>
        <source>&amp;Western Astrology  Compatibility</source>
        <translation>पाश्चात्य ज्योतिष  अनुकूलता (&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Vedic Astrology Compatibility</source>
        <translation>वैदिक ज्योतिष अनुकूलता (&amp;V)</translation>
    </message>
    <message>
        <source>Western test icon</source>
        <translation>पाश्चात्य परीक्षण का आइकन</translation>
    </message>
    <message>
        <source>Vedic test icon</source>
        <translation>वैदिक परीक्षण का आइकन</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>पीछे (&amp;B)</translation>
    </message>
    <message>
        <source>Print the result or report on screen</source>
        <translation>स्क्रीन पर दिख रहा परिणाम या रिपोर्ट प्रिंट करें</translation>
    </message>
    <message>
        <source>Back from the result or report on screen to its form</source>
        <translation>स्क्रीन के परिणाम या रिपोर्ट से उसके फ़ॉर्म पर लौटें</translation>
    </message>
</context>
<context>
    <name>lumora::ui::PersonPanel</name>
    <message>
        <source>Boy&apos;s Details</source>
        <translation>वर का विवरण</translation>
    </message>
    <message>
        <source>Girl&apos;s Details</source>
        <translation>कन्या का विवरण</translation>
    </message>
    <message>
        <source>Birth Day:</source>
        <translation>जन्म तिथि:</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>अक्षांश और देशांतर खोजने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>पुरुष</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>स्त्री</translation>
    </message>
    <message>
        <source>Date of Birth:</source>
        <translation>जन्म तिथि:</translation>
    </message>
    <message>
        <source>Click here to find Latitude &amp;&amp; Longitude</source>
        <translation>अक्षांश और देशांतर खोजने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Birth Day</source>
        <translation>जन्म का दिन</translation>
    </message>
    <message>
        <source>Birth Month</source>
        <translation>जन्म का महीना</translation>
    </message>
    <message>
        <source>Birth Year</source>
        <translation>जन्म का वर्ष</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>घंटा</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>मिनट</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>सेकंड</translation>
    </message>
    <message>
        <source>City</source>
        <translation>शहर</translation>
    </message>
    <message>
        <source>State</source>
        <translation>राज्य</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>देश</translation>
    </message>
    <message>
        <source>Find latitude and longitude</source>
        <translation>अक्षांश और देशांतर खोजें</translation>
    </message>
    <message>
        <source>Opens the place search of the atlas</source>
        <translation>एटलस में स्थान की खोज खोलता है</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>अक्षांश अंश</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>अक्षांश कला</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>देशांतर अंश</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>देशांतर कला</translation>
    </message>
    <message>
        <source>North</source>
        <translation>उत्तर</translation>
    </message>
    <message>
        <source>South</source>
        <translation>दक्षिण</translation>
    </message>
    <message>
        <source>East</source>
        <translation>पूर्व</translation>
    </message>
    <message>
        <source>West</source>
        <translation>पश्चिम</translation>
    </message>
    <message>
        <source>Latitude direction</source>
        <translation>अक्षांश की दिशा</translation>
    </message>
    <message>
        <source>Longitude direction</source>
        <translation>देशांतर की दिशा</translation>
    </message>
    <message>
        <source>Ahead of UTC</source>
        <translation>UTC से आगे</translation>
    </message>
    <message>
        <source>Time zone ahead of UTC</source>
        <translation>UTC से आगे का समय क्षेत्र</translation>
    </message>
    <message>
        <source>Time zone direction</source>
        <translation>समय क्षेत्र की दिशा</translation>
    </message>
    <message>
        <source>Behind UTC</source>
        <translation>UTC से पीछे</translation>
    </message>
    <message>
        <source>Time zone behind UTC</source>
        <translation>UTC से पीछे का समय क्षेत्र</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>नाम:</translation>
    </message>
    <message>
        <source>Time Of Birth:</source>
        <translation>जन्म समय:</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>शहर:</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>राज्य:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>देश:</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>अक्षांश:</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>देशांतर:</translation>
    </message>
    <message>
        <source>Clock of the birth place</source>
        <translation>जन्म स्थान की घड़ी</translation>
    </message>
    <message>
        <source>Which reading of the repeated hour</source>
        <translation>दोहराए गए घंटे का कौन-सा समय</translation>
    </message>
    <message>
        <source>This hour occurred twice: choose which</source>
        <translation>यह घंटा दो बार आया था: कौन-सा, चुनें</translation>
    </message>
    <message>
        <source>Earlier, %1 %2 (daylight time)</source>
        <translation>पहला, %1 %2 (डेलाइट समय)</translation>
    </message>
    <message>
        <source>Later, %1 %2 (standard time)</source>
        <translation>बाद वाला, %1 %2 (मानक समय)</translation>
    </message>
    <message>
        <source>Clock of the birth place: %1</source>
        <translation>जन्म स्थान की घड़ी: %1</translation>
    </message>
    <message>
        <source>HH/MM/SS</source>
        <translation>घंटा/मिनट/सेकंड</translation>
    </message>
    <message>
        <source>DEG/MIN</source>
        <translation>अंश/कला</translation>
    </message>
</context>
<context>
    <name>lumora::ui::PlaceCompleter</name>
    <message>
        <source>Places matching the city</source>
        <translation>शहर से मेल खाते स्थान</translation>
    </message>
</context>
<context>
    <name>lumora::ui::PlaceLookup</name>
    <message>
        <source>Enter your City, State &amp; Country. Now click &quot;Find Latitude &amp; Longitude&quot;. Find Latitude / Longitude in the built-in atlas.</source>
        <translation>अपना शहर, राज्य और देश लिखें। फिर &quot;अक्षांश और देशांतर खोजें&quot; पर क्लिक करें। अक्षांश / देशांतर अंतर्निहित एटलस से मिलेंगे।</translation>
    </message>
</context>
<context>
    <name>lumora::ui::PlaceSearchDialog</name>
    <message>
        <source>Find Latitude &amp; Longitude</source>
        <translation>अक्षांश और देशांतर खोजें</translation>
    </message>
    <message>
        <source>Place to find</source>
        <translation>खोजने का स्थान</translation>
    </message>
    <message>
        <source>Town or city, then a comma and the state or country</source>
        <translation>कस्बा या शहर, फिर अल्पविराम और राज्य या देश</translation>
    </message>
    <message>
        <source>Places found</source>
        <translation>मिले स्थान</translation>
    </message>
    <message>
        <source>Search status</source>
        <translation>खोज की स्थिति</translation>
    </message>
    <message>
        <source>&amp;Place:</source>
        <translation>स्थान (&amp;P):</translation>
    </message>
    <message>
        <source>Use this place</source>
        <translation>यह स्थान लें</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>Loading the places...</source>
        <translation>स्थान लोड हो रहे हैं...</translation>
    </message>
    <message>
        <source>No place found. Check the spelling, or leave out the words after the comma.</source>
        <translation>कोई स्थान नहीं मिला। वर्तनी जाँचें, या अल्पविराम के बाद के शब्द हटा दें।</translation>
    </message>
    <message numerus="yes">
        <source>%n place(s) found.</source>
        <translation>
            <numerusform>%n स्थान मिला।</numerusform>
            <numerusform>%n स्थान मिले।</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>lumora::ui::PlanetTable</name>
    <message>
        <source>Planet</source>
        <translation>ग्रह</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>राशि</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>अंश</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>नक्षत्र</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>पाद</translation>
    </message>
</context>
<context>
    <name>lumora::ui::PoruthamPage</name>
    <message>
        <source>The ten poruthams</source>
        <translation>दस पोरुत्तम</translation>
    </message>
    <message>
        <source>Poruthams</source>
        <translation>पोरुत्तम</translation>
    </message>
    <message>
        <source>Porutham</source>
        <translation>पोरुत्तम</translation>
    </message>
    <message>
        <source>Agrees</source>
        <translation>मेल</translation>
    </message>
    <message>
        <source>Decided by</source>
        <translation>निर्णय का आधार</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>अर्थ</translation>
    </message>
    <message>
        <source>Porutham count</source>
        <translation>पोरुत्तम की संख्या</translation>
    </message>
    <message>
        <source>Porutham vetoes</source>
        <translation>पोरुत्तम निषेध</translation>
    </message>
    <message>
        <source>Porutham verdict</source>
        <translation>पोरुत्तम निर्णय</translation>
    </message>
    <message>
        <source>Papasamyam (balance of malefics)</source>
        <translation>पापसाम्यम् (पाप ग्रहों का संतुलन)</translation>
    </message>
    <message>
        <source>Papasamyam</source>
        <translation>पापसाम्यम्</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>ग्रह</translation>
    </message>
    <message>
        <source>Boy from Lagna</source>
        <translation>वर, लग्न से</translation>
    </message>
    <message>
        <source>Boy from Moon</source>
        <translation>वर, चन्द्र से</translation>
    </message>
    <message>
        <source>Boy from Venus</source>
        <translation>वर, शुक्र से</translation>
    </message>
    <message>
        <source>Girl from Lagna</source>
        <translation>कन्या, लग्न से</translation>
    </message>
    <message>
        <source>Girl from Moon</source>
        <translation>कन्या, चन्द्र से</translation>
    </message>
    <message>
        <source>Girl from Venus</source>
        <translation>कन्या, शुक्र से</translation>
    </message>
    <message>
        <source>Papasamyam totals</source>
        <translation>पापसाम्यम् का योग</translation>
    </message>
    <message>
        <source>Verdict: %1</source>
        <translation>निर्णय: %1</translation>
    </message>
    <message>
        <source>Papasamyam needs both persons&apos; birth details; a profile file holds none.</source>
        <translation>पापसाम्यम् के लिए दोनों व्यक्तियों का जन्म विवरण चाहिए; प्रोफ़ाइल फ़ाइल में यह नहीं होता।</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>योग</translation>
    </message>
</context>
<context>
    <name>lumora::ui::ReportWindow</name>
    <message>
        <source>Report</source>
        <translation>रिपोर्ट</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>सहेजें (&amp;S)</translation>
    </message>
    <message>
        <source>Save the two Moon signs and nakshatras to a profile file</source>
        <translation>दोनों चन्द्र राशियाँ और नक्षत्र प्रोफ़ाइल फ़ाइल में सहेजें</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>प्रिंट करें (&amp;P)</translation>
    </message>
    <message>
        <source>Save As P&amp;DF...</source>
        <translation>PDF के रूप में सहेजें (&amp;D)...</translation>
    </message>
    <message>
        <source>Save As PDF</source>
        <translation>PDF के रूप में सहेजें</translation>
    </message>
    <message>
        <source>Save this page as a PDF document (Ctrl+Shift+S)</source>
        <translation>यह पृष्ठ PDF दस्तावेज़ के रूप में सहेजें (Ctrl+Shift+S)</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>स्थिति</translation>
    </message>
    <message>
        <source>Lumo Free Tarvik profiles (*.kun)</source>
        <translation>Lumo Free Tarvik प्रोफ़ाइल (*.kun)</translation>
    </message>
    <message>
        <source>The File Could Not Be Saved.</source>
        <translation>फ़ाइल सहेजी नहीं जा सकी।</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 सहेजी गई</translation>
    </message>
</context>
<context>
    <name>lumora::ui::ResultWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>पीछे (&amp;B)</translation>
    </message>
    <message>
        <source>Result pages</source>
        <translation>परिणाम के पृष्ठ</translation>
    </message>
    <message>
        <source>Your Kundali Match on the basis of Ashta Kutas Guna Milan</source>
        <translation>अष्टकूट गुण मिलान के आधार पर आपका कुंडली मिलान</translation>
    </message>
    <message>
        <source>Kundali match pages</source>
        <translation>कुंडली मिलान के पृष्ठ</translation>
    </message>
    <message>
        <source>Boy&apos;s And Girl&apos;s Birth Details</source>
        <translation>वर और कन्या का जन्म विवरण</translation>
    </message>
    <message>
        <source>Guna Milan</source>
        <translation>गुण मिलान</translation>
    </message>
    <message>
        <source>Porutham</source>
        <translation>पोरुत्तम</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>फलादेश</translation>
    </message>
    <message>
        <source>Kundali Match</source>
        <translation>कुंडली मिलान</translation>
    </message>
    <message>
        <source>Boy&apos;s Rashi Information</source>
        <translation>वर की राशि की जानकारी</translation>
    </message>
    <message>
        <source>Boy&apos;s Rashi</source>
        <translation>वर की राशि</translation>
    </message>
    <message>
        <source>Girl&apos;s Rashi Information</source>
        <translation>कन्या की राशि की जानकारी</translation>
    </message>
    <message>
        <source>Girl&apos;s Rashi</source>
        <translation>कन्या की राशि</translation>
    </message>
    <message>
        <source>Boy&apos;s Nakshatra Information</source>
        <translation>वर के नक्षत्र की जानकारी</translation>
    </message>
    <message>
        <source>Boy&apos;s Nakshatra</source>
        <translation>वर का नक्षत्र</translation>
    </message>
    <message>
        <source>Girl&apos;s Nakshatra Information</source>
        <translation>कन्या के नक्षत्र की जानकारी</translation>
    </message>
    <message>
        <source>Girl&apos;s Nakshatra</source>
        <translation>कन्या का नक्षत्र</translation>
    </message>
    <message>
        <source>Charts And Doshas</source>
        <translation>कुंडली चक्र और दोष</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>समय</translation>
    </message>
    <message>
        <source>About Software</source>
        <translation>सॉफ़्टवेयर के बारे में</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>सहेजें (&amp;S)</translation>
    </message>
    <message>
        <source>Compose the selected page into a printable report</source>
        <translation>चुने गए पृष्ठ से प्रिंट करने योग्य रिपोर्ट बनाएँ</translation>
    </message>
    <message>
        <source>Save As P&amp;DF...</source>
        <translation>PDF के रूप में सहेजें (&amp;D)...</translation>
    </message>
    <message>
        <source>Save As PDF</source>
        <translation>PDF के रूप में सहेजें</translation>
    </message>
    <message>
        <source>Save the selected page as a PDF document (Ctrl+Shift+S)</source>
        <translation>चुना गया पृष्ठ PDF दस्तावेज़ के रूप में सहेजें (Ctrl+Shift+S)</translation>
    </message>
    <message>
        <source>&amp;Include rashi and nakshatra pages</source>
        <translation>राशि और नक्षत्र के पृष्ठ शामिल करें (&amp;I)</translation>
    </message>
    <message>
        <source>Include both persons&apos; rashi and nakshatra pages in the PDF</source>
        <translation>PDF में दोनों व्यक्तियों के राशि और नक्षत्र पृष्ठ शामिल करें</translation>
    </message>
    <message>
        <source>Back to the birth details</source>
        <translation>जन्म विवरण पर लौटें</translation>
    </message>
    <message>
        <source>Save As &amp;PDF...</source>
        <translation>PDF के रूप में सहेजें (&amp;P)...</translation>
    </message>
    <message>
        <source>The About Software page has no report to save</source>
        <translation>&apos;सॉफ़्टवेयर के बारे में&apos; पृष्ठ की कोई रिपोर्ट नहीं बनती</translation>
    </message>
    <message>
        <source>Your Name: %1</source>
        <translation>आपका नाम: %1</translation>
    </message>
    <message>
        <source>Your Date Of Birth: %1</source>
        <translation>आपकी जन्म तिथि: %1</translation>
    </message>
    <message>
        <source>Your Time Of Birth: %1</source>
        <translation>आपका जन्म समय: %1</translation>
    </message>
    <message>
        <source>Your Place Of Birth: %1</source>
        <translation>आपका जन्म स्थान: %1</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Name: %1</source>
        <translation>साथी का नाम: %1</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Date Of Birth: %1</source>
        <translation>साथी की जन्म तिथि: %1</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Time Of Birth: %1</source>
        <translation>साथी का जन्म समय: %1</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Place Of Birth: %1</source>
        <translation>साथी का जन्म स्थान: %1</translation>
    </message>
    <message>
        <source>Coordinates And Clock: %1</source>
        <translation>निर्देशांक और घड़ी: %1</translation>
    </message>
    <message>
        <source>Moon: %1</source>
        <translation>चन्द्र: %1</translation>
    </message>
    <message>
        <source>Boy&apos;s Birth Details</source>
        <translation>वर का जन्म विवरण</translation>
    </message>
    <message>
        <source>Girl&apos;s Birth Details</source>
        <translation>कन्या का जन्म विवरण</translation>
    </message>
    <message>
        <source>Guna Milan table</source>
        <translation>गुण मिलान सारणी</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>कुल</translation>
    </message>
    <message>
        <source>How the kootas are scored and read (help)</source>
        <translation>कूटों के गुण कैसे गिने और पढ़े जाते हैं (सहायता)</translation>
    </message>
    <message>
        <source>Lumora icon</source>
        <translation>Lumora आइकन</translation>
    </message>
    <message>
        <source>Online help</source>
        <translation>ऑनलाइन सहायता</translation>
    </message>
    <message>
        <source>Rashi</source>
        <translation>राशि</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>नक्षत्र</translation>
    </message>
    <message>
        <source>Total, maximum points</source>
        <translation>कुल, अधिकतम गुण</translation>
    </message>
    <message>
        <source>Total, points obtained</source>
        <translation>कुल, प्राप्त गुण</translation>
    </message>
    <message>
        <source>Total, verdict</source>
        <translation>कुल, निर्णय</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>सारांश</translation>
    </message>
    <message>
        <source>Koota tables</source>
        <translation>कूट सारणियाँ</translation>
    </message>
    <message>
        <source>Notes on the rows</source>
        <translation>पंक्तियों पर टिप्पणियाँ</translation>
    </message>
    <message>
        <source>You Have Obtained %1 Points Out Of %2 Points</source>
        <translation>आपको %2 में से %1 गुण प्राप्त हुए हैं</translation>
    </message>
    <message>
        <source>Chart style</source>
        <translation>चक्र की शैली</translation>
    </message>
    <message>
        <source>North Indian</source>
        <translation>उत्तर भारतीय</translation>
    </message>
    <message>
        <source>South Indian</source>
        <translation>दक्षिण भारतीय</translation>
    </message>
    <message>
        <source>Chart &amp;style:</source>
        <translation>चक्र की शैली (&amp;S):</translation>
    </message>
    <message>
        <source>%1&apos;s rasi chart</source>
        <translation>%1 का राशि चक्र</translation>
    </message>
    <message>
        <source>%1&apos;s Navamsa (D9) chart</source>
        <translation>%1 का नवांश (D9) चक्र</translation>
    </message>
    <message>
        <source>%1&apos;s planets</source>
        <translation>%1 के ग्रह</translation>
    </message>
    <message>
        <source>Charts need birth details</source>
        <translation>चक्रों के लिए जन्म विवरण चाहिए</translation>
    </message>
    <message>
        <source>This match was opened from a profile file, which holds only the Moon signs and nakshatras. The charts, Manglik and the birth-time windows need both persons&apos; birth details: enter them in the birth details form.</source>
        <translation>यह मिलान प्रोफ़ाइल फ़ाइल से खोला गया है, जिसमें केवल चन्द्र राशियाँ और नक्षत्र होते हैं। चक्रों, मांगलिक और जन्म-समय की सीमाओं के लिए दोनों व्यक्तियों का जन्म विवरण चाहिए: उसे जन्म विवरण फ़ॉर्म में भरें।</translation>
    </message>
    <message>
        <source>Doshas</source>
        <translation>दोष</translation>
    </message>
    <message>
        <source> dosha</source>
        <translation> दोष</translation>
    </message>
    <message>
        <source>Manglik (Kuja dosha)</source>
        <translation>मांगलिक (कुज दोष)</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>मंगल</translation>
    </message>
    <message>
        <source>Boy</source>
        <translation>वर</translation>
    </message>
    <message>
        <source>Girl</source>
        <translation>कन्या</translation>
    </message>
    <message>
        <source>House from %1</source>
        <translation>%1 से भाव</translation>
    </message>
    <message>
        <source>%1&apos;s Mars from %2</source>
        <translation>%1 का मंगल, %2 से</translation>
    </message>
    <message>
        <source>Manglik</source>
        <translation>मांगलिक</translation>
    </message>
    <message>
        <source>Exceptions</source>
        <translation>अपवाद</translation>
    </message>
    <message>
        <source>%1 is Manglik</source>
        <translation>%1 मांगलिक है</translation>
    </message>
    <message>
        <source>%1&apos;s Manglik exceptions</source>
        <translation>%1 के मांगलिक अपवाद</translation>
    </message>
    <message>
        <source>Manglik verdict</source>
        <translation>मांगलिक निर्णय</translation>
    </message>
    <message>
        <source>Birth Time Sensitivity</source>
        <translation>जन्म समय की संवेदनशीलता</translation>
    </message>
    <message>
        <source>%1&apos;s %2 window</source>
        <translation>%1 की %2 सीमा</translation>
    </message>
    <message>
        <source>Birth time uncertainty</source>
        <translation>जन्म समय की अनिश्चितता</translation>
    </message>
    <message>
        <source>±%1 minutes</source>
        <translation>±%1 मिनट</translation>
    </message>
    <message>
        <source>Birth times &amp;uncertain by:</source>
        <translation>जन्म समय की अनिश्चितता (&amp;U):</translation>
    </message>
    <message>
        <source>Score range</source>
        <translation>गुणों का परास</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>पीछे</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>आगे</translation>
    </message>
    <message>
        <source>%1&apos;s Chart: %2</source>
        <translation>%1 का चक्र: %2</translation>
    </message>
    <message>
        <source>Navamsa</source>
        <translation>नवांश</translation>
    </message>
    <message>
        <source>House %1: %2</source>
        <translation>भाव %1: %2</translation>
    </message>
    <message>
        <source>dosha</source>
        <translation>दोष</translation>
    </message>
    <message>
        <source>no dosha</source>
        <translation>दोष नहीं</translation>
    </message>
    <message>
        <source>%1&apos;s birth time: %2</source>
        <translation>%1 का जन्म समय: %2</translation>
    </message>
</context>
<context>
    <name>lumora::ui::SettingsDialog</name>
    <message>
        <source>Settings - %1</source>
        <translation>सेटिंग्स - %1</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>भाषा</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>भाषा (&amp;L):</translation>
    </message>
    <message>
        <source>&amp;Precise ephemeris</source>
        <translation>सूक्ष्म पंचांग गणना (&amp;P)</translation>
    </message>
    <message>
        <source>Precise ephemeris</source>
        <translation>सूक्ष्म पंचांग गणना</translation>
    </message>
    <message>
        <source>The Guna Milan Moon then comes from the full lunar series of Meeus (Astronomical Algorithms, chapter 47) in terrestrial time, and the Western test&apos;s fourteen positions from the precise ephemeris the charts always use, within arc-seconds of a modern ephemeris. A birth close to the edge of a nakshatra or pada can then fall on the other side of it. Result pages and printed matches say &quot;Precise Moon&quot; when it was used.</source>
        <translation>तब गुण मिलान का चन्द्र Meeus की पूर्ण चन्द्र श्रेणी (Astronomical Algorithms, अध्याय 47) से पार्थिव समय में आता है, और पाश्चात्य परीक्षण की चौदह स्थितियाँ उसी सूक्ष्म गणना से आती हैं जिससे चक्र सदा बनते हैं, आधुनिक पंचांग से कुछ विकला के भीतर। नक्षत्र या पाद की सीमा के पास का जन्म तब उसके दूसरी ओर पड़ सकता है। उपयोग होने पर परिणाम पृष्ठ और छपे मिलान &quot;Precise Moon&quot; लिखते हैं।</translation>
    </message>
    <message>
        <source>About the precise ephemeris</source>
        <translation>सूक्ष्म गणना के बारे में</translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translation>अयनांश</translation>
    </message>
    <message>
        <source>Standard (the program&apos;s own)</source>
        <translation>मानक (प्रोग्राम का अपना)</translation>
    </message>
    <message>
        <source>&amp;Ayanamsa:</source>
        <translation>अयनांश (&amp;A):</translation>
    </message>
    <message>
        <source>Lunar node</source>
        <translation>चन्द्र पात (राहु)</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>मध्यम</translation>
    </message>
    <message>
        <source>True</source>
        <translation>स्पष्ट</translation>
    </message>
    <message>
        <source>Lunar &amp;node:</source>
        <translation>चन्द्र पात (&amp;N):</translation>
    </message>
    <message>
        <source>The Guna Milan Moon, the charts, the doshas, Porutham, the timing and the birth-time windows are all computed with the chosen ayanamsa and node; every result page and document names them. Another ayanamsa can move the Moon into another nakshatra, and so change the match.</source>
        <translation>गुण मिलान का चन्द्र, चक्र, दोष, पोरुत्तम, समय और जन्म-समय की सीमाएँ सब चुने गए अयनांश और पात से गिने जाते हैं; हर परिणाम पृष्ठ और दस्तावेज़ उनका नाम देता है। दूसरा अयनांश चन्द्र को दूसरे नक्षत्र में ले जा सकता है, और इस तरह मिलान बदल सकता है।</translation>
    </message>
    <message>
        <source>About the ayanamsa and node</source>
        <translation>अयनांश और पात के बारे में</translation>
    </message>
    <message>
        <source>&amp;Koota tables:</source>
        <translation>कूट सारणियाँ (&amp;K):</translation>
    </message>
    <message>
        <source>Koota tables</source>
        <translation>कूट सारणियाँ</translation>
    </message>
    <message>
        <source>Specified (the program&apos;s own tables)</source>
        <translation>निर्दिष्ट (प्रोग्राम की अपनी सारणियाँ)</translation>
    </message>
    <message>
        <source>Classical (the tables astrologers use)</source>
        <translation>शास्त्रीय (ज्योतिषियों की सारणियाँ)</translation>
    </message>
    <message>
        <source>The Guna Milan grid, the report and the printed match score with the chosen tables and always give the other set&apos;s total beside it.</source>
        <translation>गुण मिलान सारणी, रिपोर्ट और छपा मिलान चुनी गई सारणियों से गुण देते हैं और साथ में सदा दूसरे समूह का योग भी देते हैं।</translation>
    </message>
    <message>
        <source>About the koota tables</source>
        <translation>कूट सारणियों के बारे में</translation>
    </message>
    <message>
        <source>Match method the result opens on</source>
        <translation>परिणाम किस मिलान पद्धति पर खुले</translation>
    </message>
    <message>
        <source>Ashta-koota (Guna Milan)</source>
        <translation>अष्टकूट (गुण मिलान)</translation>
    </message>
    <message>
        <source>Porutham (South Indian)</source>
        <translation>पोरुत्तम (दक्षिण भारतीय)</translation>
    </message>
    <message>
        <source>&amp;Open the match on:</source>
        <translation>मिलान इस पर खोलें (&amp;O):</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
</context>
<context>
    <name>lumora::ui::SynastryPage</name>
    <message>
        <source>Aspects between the charts</source>
        <translation>दोनों चक्रों के बीच दृष्टियाँ</translation>
    </message>
    <message>
        <source>Aspect grid</source>
        <translation>दृष्टि सारणी</translation>
    </message>
    <message>
        <source>Bi-wheel</source>
        <translation>द्वि-चक्र</translation>
    </message>
    <message>
        <source>House overlays, composite and Davison</source>
        <translation>भाव आरोपण, संयुक्त और डेविसन</translation>
    </message>
    <message>
        <source>A in B</source>
        <translation>A, B में</translation>
    </message>
    <message>
        <source>B in A</source>
        <translation>B, A में</translation>
    </message>
    <message>
        <source>Composite</source>
        <translation>संयुक्त</translation>
    </message>
    <message>
        <source>Davison</source>
        <translation>डेविसन</translation>
    </message>
    <message>
        <source>%1 of A and %2 of B: no aspect</source>
        <translation>A का %1 और B का %2: कोई दृष्टि नहीं</translation>
    </message>
    <message>
        <source>Run the test to compare the two charts.</source>
        <translation>दोनों चक्रों की तुलना के लिए परीक्षण चलाएँ।</translation>
    </message>
    <message>
        <source>A is %1, B is %2. The grid gives each aspect between A&apos;s points (rows) and B&apos;s (columns) with its orb, and A for applying or S for separating.</source>
        <translation>A है %1, B है %2। सारणी A के बिंदुओं (पंक्तियाँ) और B के बिंदुओं (स्तंभ) के बीच हर दृष्टि उसके अंतर के साथ देती है, और निकट आती के लिए A या दूर जाती के लिए S।</translation>
    </message>
    <message>
        <source>%1 of A and %2 of B: %3</source>
        <translation>A का %1 और B का %2: %3</translation>
    </message>
    <message>
        <source>A in B: A&apos;s points in %1&apos;s houses (%2). B in A: B&apos;s points in %3&apos;s houses (%4).</source>
        <translation>A, B में: A के बिंदु %1 के भावों में (%2)। B, A में: B के बिंदु %3 के भावों में (%4)।</translation>
    </message>
    <message>
        <source>Davison chart: %1.</source>
        <translation>डेविसन चक्र: %1।</translation>
    </message>
</context>
<context>
    <name>lumora::ui::TimeZonePicker</name>
    <message>
        <source>Double-click your &amp;time zone:</source>
        <translation>अपने समय क्षेत्र पर दो बार क्लिक करें (&amp;T):</translation>
    </message>
    <message>
        <source>Time zones</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>बंद करें (&amp;Q)</translation>
    </message>
</context>
<context>
    <name>lumora::ui::TimingTab</name>
    <message>
        <source>The periods need both persons&apos; birth details; a match from a profile file has none.</source>
        <translation>दशाओं के लिए दोनों व्यक्तियों का जन्म विवरण चाहिए; प्रोफ़ाइल फ़ाइल के मिलान में यह नहीं होता।</translation>
    </message>
    <message>
        <source>&amp;Wedding date:</source>
        <translation>विवाह तिथि (&amp;W):</translation>
    </message>
    <message>
        <source>Wedding date</source>
        <translation>विवाह तिथि</translation>
    </message>
    <message>
        <source>Optional, as year-month-day (2025-11-23); empty looks at today</source>
        <translation>वैकल्पिक, वर्ष-महीना-दिन के रूप में (2025-11-23); खाली छोड़ने पर आज का दिन</translation>
    </message>
    <message>
        <source>YYYY-MM-DD (optional)</source>
        <translation>YYYY-MM-DD (वैकल्पिक)</translation>
    </message>
    <message>
        <source>&amp;Year length:</source>
        <translation>वर्ष की लंबाई (&amp;Y):</translation>
    </message>
    <message>
        <source>Year length</source>
        <translation>वर्ष की लंबाई</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 दिन</translation>
    </message>
    <message>
        <source>Mahadasha timelines</source>
        <translation>महादशा की समयरेखाएँ</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>दशा</translation>
    </message>
    <message>
        <source>From</source>
        <translation>से</translation>
    </message>
    <message>
        <source>To</source>
        <translation>तक</translation>
    </message>
    <message>
        <source>Boy&apos;s mahadashas</source>
        <translation>वर की महादशाएँ</translation>
    </message>
    <message>
        <source>Girl&apos;s mahadashas</source>
        <translation>कन्या की महादशाएँ</translation>
    </message>
    <message>
        <source>Sade Sati and Ashtama Shani in the next 30 years</source>
        <translation>अगले 30 वर्षों में साढ़े साती और अष्टम शनि</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>व्यक्ति</translation>
    </message>
    <message>
        <source>Transit</source>
        <translation>गोचर</translation>
    </message>
    <message>
        <source>Boy</source>
        <translation>वर</translation>
    </message>
    <message>
        <source>Girl</source>
        <translation>कन्या</translation>
    </message>
    <message>
        <source>%1&apos;s mahadashas</source>
        <translation>%1 की महादशाएँ</translation>
    </message>
    <message>
        <source>Not a date of the form 2025-11-23: today is shown.</source>
        <translation>यह 2025-11-23 जैसी तिथि नहीं है: आज का दिन दिखाया गया है।</translation>
    </message>
    <message>
        <source>Optional, as year-month-day (2025-11-23)</source>
        <translation>वैकल्पिक, वर्ष-महीना-दिन के रूप में (2025-11-23)</translation>
    </message>
    <message>
        <source>Vimshottari periods from the sidereal Moon at birth, %1 ayanamsa, years of %2 days;
dates in each person&apos;s birth zone. Orange bands mark Dasha Sandhi.</source>
        <translation>जन्म के निरयण चन्द्र से विंशोत्तरी दशाएँ, %1 अयनांश, %2 दिन का वर्ष;
तिथियाँ हर व्यक्ति के जन्म के समय क्षेत्र में। नारंगी पट्टियाँ दशा संधि दिखाती हैं।</translation>
    </message>
    <message>
        <source>Running at the wedding, %1:</source>
        <translation>विवाह के समय चल रही, %1:</translation>
    </message>
    <message>
        <source>Running today, %1:</source>
        <translation>आज चल रही, %1:</translation>
    </message>
    <message>
        <source>outside the periods</source>
        <translation>दशाओं के बाहर</translation>
    </message>
    <message>
        <source>Dasha Sandhi:</source>
        <translation>दशा संधि:</translation>
    </message>
    <message>
        <source>none within 183 days.</source>
        <translation>183 दिनों के भीतर कोई नहीं।</translation>
    </message>
</context>
<context>
    <name>lumora::ui::VedicSession</name>
    <message>
        <source>The About Software page has no document to save</source>
        <translation>&apos;सॉफ़्टवेयर के बारे में&apos; पृष्ठ का कोई दस्तावेज़ नहीं बनता</translation>
    </message>
</context>
<context>
    <name>lumora::ui::WesternInputForm</name>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Analyze Compatibility</source>
        <translation>अनुकूलता जाँचें (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>बाहर निकलें (&amp;E)</translation>
    </message>
    <message>
        <source>Analyze Compatibility</source>
        <translation>अनुकूलता जाँचें</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>बाहर निकलें</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>ग्रीष्म समय</translation>
    </message>
    <message>
        <source>Time Zone:</source>
        <translation>समय क्षेत्र:</translation>
    </message>
</context>
<context>
    <name>lumora::ui::WesternReportWindow</name>
    <message>
        <source>Western report</source>
        <translation>पाश्चात्य रिपोर्ट</translation>
    </message>
    <message>
        <source>Western report pages</source>
        <translation>पाश्चात्य रिपोर्ट के पृष्ठ</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>रिपोर्ट (&amp;R)</translation>
    </message>
    <message>
        <source>Synastry</source>
        <translation>सिनैस्ट्री</translation>
    </message>
    <message>
        <source>&amp;Synastry</source>
        <translation>सिनैस्ट्री (&amp;S)</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>पुरुष</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>स्त्री</translation>
    </message>
    <message>
        <source>%1 details</source>
        <translation>%1 का विवरण</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>नाम:</translation>
    </message>
    <message>
        <source>Date of Birth:</source>
        <translation>जन्म तिथि:</translation>
    </message>
    <message>
        <source>Time of Birth:</source>
        <translation>जन्म समय:</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>शहर:</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>राज्य:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>देश:</translation>
    </message>
    <message>
        <source>Coordinates:</source>
        <translation>निर्देशांक:</translation>
    </message>
    <message>
        <source>Clock:</source>
        <translation>घड़ी:</translation>
    </message>
    <message>
        <source>Moon:</source>
        <translation>चन्द्र:</translation>
    </message>
    <message>
        <source>Compatibility:</source>
        <translation>अनुकूलता:</translation>
    </message>
    <message>
        <source>Compatibility</source>
        <translation>अनुकूलता</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>शक्ति</translation>
    </message>
    <message>
        <source>Harmony</source>
        <translation>सामंजस्य</translation>
    </message>
    <message>
        <source>P * H</source>
        <translation>श × सा</translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation>प्रतिशत</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>टिप्पणी</translation>
    </message>
    <message>
        <source>Natal Position Data:</source>
        <translation>जन्म के समय ग्रह स्थिति:</translation>
    </message>
    <message>
        <source>%1 natal positions</source>
        <translation>%1 की जन्म ग्रह स्थिति</translation>
    </message>
    <message>
        <source>Compatibility Report:</source>
        <translation>अनुकूलता रिपोर्ट:</translation>
    </message>
</context>
</TS>
