<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ta_IN">
<context>
    <name>QComboBox</name>
    <message>
        <source>Open the list</source>
        <translation>பட்டியலைத் திற</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>செயல்தவிர் (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>மீண்டும் செய் (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>வெட்டு (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>நகலெடு (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>ஒட்டு (&amp;P)</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>&amp;Help</source>
        <translation>உதவி (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>இணைய உதவி (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>மென்பொருள் பற்றி (&amp;A)</translation>
    </message>
    <message>
        <source>house %1: %2</source>
        <translation>பாவம் %1: %2</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>படம்</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>பின்செல்</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>அடுத்து</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>சரி</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ரத்து</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>ஆம் (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>இல்லை (&amp;N)</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>இடப்புறம் நகர்த்து</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>வலப்புறம் நகர்த்து</translation>
    </message>
</context>
<context>
    <name>lumora::ui::AboutBox</name>
    <message>
        <source>Lumora icon</source>
        <translation>Lumora சின்னம்</translation>
    </message>
    <message>
        <source>Lumora rates the compatibility of two people from their birth data and the positions of the planets at their births, by both Western and Vedic astrology: the Western test compares the Sun, Moon, planets, nodes, ascendant and midheaven of both partners, and the Vedic test scores the eight kootas of the Ashta Kuta Guna Milan out of 36 points from their Moon signs and nakshatras.</source>
        <translation>Lumora இருவரின் பிறப்பு விவரங்களையும் பிறந்த நேரத்துக் கிரக நிலைகளையும் கொண்டு, மேலை மற்றும் வேத ஜோதிடம் இரண்டின் வழியும் அவர்களின் பொருத்தத்தை மதிப்பிடுகிறது: மேலை சோதனை இருவரின் சூரியன், சந்திரன், கிரகங்கள், ராகு-கேது, லக்னம், மத்திய வானம் ஆகியவற்றை ஒப்பிடுகிறது; வேத சோதனை அவர்களின் சந்திர ராசி, நட்சத்திரம் கொண்டு அஷ்டகூட குண மிலனின் எட்டு கூடங்களுக்கு 36 புள்ளிகளில் மதிப்பெண் தருகிறது.</translation>
    </message>
    <message>
        <source>Lumora help (installed with the program)</source>
        <translation>Lumora உதவி (நிரலுடன் நிறுவப்பட்டது)</translation>
    </message>
    <message>
        <source>Open the Lumora help</source>
        <translation>Lumora உதவியைத் திற</translation>
    </message>
    <message>
        <source>Lumora is free software under the MIT licence.
Place data: GeoNames (geonames.org), CC BY 4.0</source>
        <translation>Lumora MIT உரிமத்தின் கீழ் கட்டற்ற மென்பொருள்.
இட விவரங்கள்: GeoNames (geonames.org), CC BY 4.0</translation>
    </message>
    <message>
        <source>Licence and data credits</source>
        <translation>உரிமம் மற்றும் தரவு நன்றி</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>சரி</translation>
    </message>
</context>
<context>
    <name>lumora::ui::BiWheelWidget</name>
    <message>
        <source>Bi-wheel</source>
        <translation>இரட்டைச் சக்கரம்</translation>
    </message>
    <message>
        <source>%1: inside %2, outside %3</source>
        <translation>%1: உள்ளே %2, வெளியே %3</translation>
    </message>
</context>
<context>
    <name>lumora::ui::BirthDetailsForm</name>
    <message>
        <source>&amp;File</source>
        <translation>கோப்பு (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Kundali Match</source>
        <translation>ஜாதகப் பொருத்தம் (&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Open Couple...</source>
        <translation>ஜோடியைத் திற (&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save Couple...</source>
        <translation>ஜோடியைச் சேமி (&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>வெளியேறு (&amp;E)</translation>
    </message>
    <message>
        <source>Match &amp;Kundali</source>
        <translation>ஜாதகம் பொருத்து (&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>முன்பு சேமித்த பொருத்தத்தைத் திற (&amp;O)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>வெளியேறு (&amp;X)</translation>
    </message>
    <message>
        <source>Time Zone hours</source>
        <translation>நேர மண்டல மணிகள்</translation>
    </message>
    <message>
        <source>Time Zone minutes</source>
        <translation>நேர மண்டல நிமிடங்கள்</translation>
    </message>
    <message>
        <source>DST</source>
        <translation>DST</translation>
    </message>
    <message>
        <source>Daylight saving time</source>
        <translation>பகல் சேமிப்பு நேரம்</translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation>நேர மண்டல உதவி</translation>
    </message>
    <message>
        <source>TZ Help: pick a time zone</source>
        <translation>நேர மண்டல உதவி: நேர மண்டலத்தைத் தேர்ந்தெடு</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>நேர மண்டலம்</translation>
    </message>
</context>
<context>
    <name>lumora::ui::GunaMilanGrid</name>
    <message>
        <source>GUNA</source>
        <translation>குணம்</translation>
    </message>
    <message>
        <source>BOY</source>
        <translation>மணமகன்</translation>
    </message>
    <message>
        <source>GIRL</source>
        <translation>மணமகள்</translation>
    </message>
    <message>
        <source>MAXIMUM POINTS</source>
        <translation>அதிகபட்சப் புள்ளிகள்</translation>
    </message>
    <message>
        <source>POINTS OBTAINED</source>
        <translation>பெற்ற புள்ளிகள்</translation>
    </message>
    <message>
        <source>AREA OF LIFE</source>
        <translation>வாழ்க்கைத் துறை</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>தொழில்</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>கட்டுப்பாடு</translation>
    </message>
    <message>
        <source>Destiny</source>
        <translation>விதி</translation>
    </message>
    <message>
        <source>Mental Awareness</source>
        <translation>மன ஒற்றுமை</translation>
    </message>
    <message>
        <source>Compatibility</source>
        <translation>இணக்கம்</translation>
    </message>
    <message>
        <source>Temperament</source>
        <translation>குணநலம்</translation>
    </message>
    <message>
        <source>Love</source>
        <translation>அன்பு</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>ஆரோக்கியம்</translation>
    </message>
</context>
<context>
    <name>lumora::ui::GunaMilanTab</name>
    <message>
        <source>boy</source>
        <translation>மணமகன்</translation>
    </message>
    <message>
        <source>girl</source>
        <translation>மணமகள்</translation>
    </message>
    <message>
        <source>maximum points</source>
        <translation>அதிகபட்சப் புள்ளிகள்</translation>
    </message>
    <message>
        <source>points obtained</source>
        <translation>பெற்ற புள்ளிகள்</translation>
    </message>
    <message>
        <source>area of life</source>
        <translation>வாழ்க்கைப் பகுதி</translation>
    </message>
</context>
<context>
    <name>lumora::ui::LanguageNote</name>
    <message>
        <source>The detailed readings on this page are in English.</source>
        <translation>இந்தப் பக்கத்தின் விரிவான பலன்கள் ஆங்கிலத்தில் உள்ளன.</translation>
    </message>
</context>
<context>
    <name>lumora::ui::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>கோப்பு (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>அச்சிடு (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <translation>அமைப்புகள் (&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>வெளியேறு (&amp;E)</translation>
    </message>
    <message>
        <source>Tests and commands</source>
        <translation>சோதனைகளும் கட்டளைகளும்</translation>
    </message>
    <message>
        <source>Test windows</source>
        <translation>சோதனைச் சாளரங்கள்</translation>
    </message>
    <message>
        <source>The compatibility of two people from their birth data, by Western and by Vedic astrology. Choose a test:</source>
        <translation>இருவரின் பிறப்பு விவரங்களிலிருந்து அவர்களின் பொருத்தம், மேலை மற்றும் வேத ஜோதிடப்படி. ஒரு சோதனையைத் தேர்ந்தெடுக்கவும்:</translation>
    </message>
    <message>
        <source>&amp;Western Astrology  Compatibility</source>
        <translation>மேலை ஜோதிடப்  பொருத்தம் (&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Vedic Astrology Compatibility</source>
        <translation>வேத ஜோதிடப் பொருத்தம் (&amp;V)</translation>
    </message>
    <message>
        <source>Western test icon</source>
        <translation>மேலை சோதனைச் சின்னம்</translation>
    </message>
    <message>
        <source>Vedic test icon</source>
        <translation>வேத சோதனைச் சின்னம்</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>பின்செல் (&amp;B)</translation>
    </message>
    <message>
        <source>Print the result or report on screen</source>
        <translation>திரையில் உள்ள முடிவையோ அறிக்கையையோ அச்சிடு</translation>
    </message>
    <message>
        <source>Back from the result or report on screen to its form</source>
        <translation>திரையில் உள்ள முடிவு அல்லது அறிக்கையிலிருந்து அதன் படிவத்துக்குத் திரும்பு</translation>
    </message>
</context>
<context>
    <name>lumora::ui::PersonPanel</name>
    <message>
        <source>Boy&apos;s Details</source>
        <translation>மணமகன் விவரம்</translation>
    </message>
    <message>
        <source>Girl&apos;s Details</source>
        <translation>மணமகள் விவரம்</translation>
    </message>
    <message>
        <source>Birth Day:</source>
        <translation>பிறந்த தேதி:</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>அட்சரேகை, தீர்க்கரேகை காண இங்கே சொடுக்கவும்</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>ஆண்</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>பெண்</translation>
    </message>
    <message>
        <source>Date of Birth:</source>
        <translation>பிறந்த தேதி:</translation>
    </message>
    <message>
        <source>Click here to find Latitude &amp;&amp; Longitude</source>
        <translation>அட்சரேகை, தீர்க்கரேகை காண இங்கே சொடுக்கவும்</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>பெயர்</translation>
    </message>
    <message>
        <source>Birth Day</source>
        <translation>பிறந்த நாள்</translation>
    </message>
    <message>
        <source>Birth Month</source>
        <translation>பிறந்த மாதம்</translation>
    </message>
    <message>
        <source>Birth Year</source>
        <translation>பிறந்த ஆண்டு</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>மணி</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>நிமிடம்</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>விநாடி</translation>
    </message>
    <message>
        <source>City</source>
        <translation>நகரம்</translation>
    </message>
    <message>
        <source>State</source>
        <translation>மாநிலம்</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>நாடு</translation>
    </message>
    <message>
        <source>Find latitude and longitude</source>
        <translation>அட்சரேகை, தீர்க்கரேகையைக் கண்டறி</translation>
    </message>
    <message>
        <source>Opens the place search of the atlas</source>
        <translation>அட்லஸில் இடத் தேடலைத் திறக்கிறது</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>அட்சரேகை பாகை</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>அட்சரேகை கலை</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>தீர்க்கரேகை பாகை</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>தீர்க்கரேகை கலை</translation>
    </message>
    <message>
        <source>North</source>
        <translation>வடக்கு</translation>
    </message>
    <message>
        <source>South</source>
        <translation>தெற்கு</translation>
    </message>
    <message>
        <source>East</source>
        <translation>கிழக்கு</translation>
    </message>
    <message>
        <source>West</source>
        <translation>மேற்கு</translation>
    </message>
    <message>
        <source>Latitude direction</source>
        <translation>அட்சரேகையின் திசை</translation>
    </message>
    <message>
        <source>Longitude direction</source>
        <translation>தீர்க்கரேகையின் திசை</translation>
    </message>
    <message>
        <source>Ahead of UTC</source>
        <translation>UTC-க்கு முன்</translation>
    </message>
    <message>
        <source>Time zone ahead of UTC</source>
        <translation>UTC-க்கு முந்திய நேர மண்டலம்</translation>
    </message>
    <message>
        <source>Time zone direction</source>
        <translation>நேர மண்டலத்தின் திசை</translation>
    </message>
    <message>
        <source>Behind UTC</source>
        <translation>UTC-க்குப் பின்</translation>
    </message>
    <message>
        <source>Time zone behind UTC</source>
        <translation>UTC-க்குப் பிந்திய நேர மண்டலம்</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>பெயர்:</translation>
    </message>
    <message>
        <source>Time Of Birth:</source>
        <translation>பிறந்த நேரம்:</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>நகரம்:</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>மாநிலம்:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>நாடு:</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>அட்சரேகை:</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>தீர்க்கரேகை:</translation>
    </message>
    <message>
        <source>Clock of the birth place</source>
        <translation>பிறந்த இடத்தின் கடிகாரம்</translation>
    </message>
    <message>
        <source>Which reading of the repeated hour</source>
        <translation>மீண்டும் வந்த மணியின் எந்த நேரம்</translation>
    </message>
    <message>
        <source>This hour occurred twice: choose which</source>
        <translation>இந்த மணி இருமுறை வந்தது: எது எனத் தேர்ந்தெடு</translation>
    </message>
    <message>
        <source>Earlier, %1 %2 (daylight time)</source>
        <translation>முந்தையது, %1 %2 (பகல் சேமிப்பு நேரம்)</translation>
    </message>
    <message>
        <source>Later, %1 %2 (standard time)</source>
        <translation>பிந்தையது, %1 %2 (திட்ட நேரம்)</translation>
    </message>
    <message>
        <source>Clock of the birth place: %1</source>
        <translation>பிறந்த இடத்தின் கடிகாரம்: %1</translation>
    </message>
    <message>
        <source>HH/MM/SS</source>
        <translation>மணி/நிமி/விநா</translation>
    </message>
    <message>
        <source>DEG/MIN</source>
        <translation>°/′</translation>
    </message>
</context>
<context>
    <name>lumora::ui::PlaceCompleter</name>
    <message>
        <source>Places matching the city</source>
        <translation>நகரத்துடன் பொருந்தும் இடங்கள்</translation>
    </message>
</context>
<context>
    <name>lumora::ui::PlaceLookup</name>
    <message>
        <source>Enter your City, State &amp; Country. Now click &quot;Find Latitude &amp; Longitude&quot;. Find Latitude / Longitude in the built-in atlas.</source>
        <translation>உங்கள் நகரம், மாநிலம், நாடு ஆகியவற்றை உள்ளிடுங்கள். பின் &quot;அட்சரேகை, தீர்க்கரேகை காண&quot; என்பதைச் சொடுக்குங்கள். அட்சரேகை / தீர்க்கரேகை உள்ளமைந்த அட்லஸில் கிடைக்கும்.</translation>
    </message>
</context>
<context>
    <name>lumora::ui::PlaceSearchDialog</name>
    <message>
        <source>Find Latitude &amp; Longitude</source>
        <translation>அட்சரேகை, தீர்க்கரேகை காண</translation>
    </message>
    <message>
        <source>Place to find</source>
        <translation>தேட வேண்டிய இடம்</translation>
    </message>
    <message>
        <source>Town or city, then a comma and the state or country</source>
        <translation>ஊர் அல்லது நகரம், பின் ஒரு காற்புள்ளி, மாநிலம் அல்லது நாடு</translation>
    </message>
    <message>
        <source>Places found</source>
        <translation>கிடைத்த இடங்கள்</translation>
    </message>
    <message>
        <source>Search status</source>
        <translation>தேடல் நிலை</translation>
    </message>
    <message>
        <source>&amp;Place:</source>
        <translation>இடம் (&amp;P):</translation>
    </message>
    <message>
        <source>Use this place</source>
        <translation>இந்த இடத்தைப் பயன்படுத்து</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ரத்து செய்</translation>
    </message>
    <message>
        <source>Loading the places...</source>
        <translation>இடங்கள் ஏற்றப்படுகின்றன...</translation>
    </message>
    <message>
        <source>No place found. Check the spelling, or leave out the words after the comma.</source>
        <translation>எந்த இடமும் கிடைக்கவில்லை. எழுத்துக்கூட்டலைச் சரிபாருங்கள், அல்லது காற்புள்ளிக்குப் பின் உள்ள சொற்களை நீக்குங்கள்.</translation>
    </message>
    <message numerus="yes">
        <source>%n place(s) found.</source>
        <translation>
            <numerusform>%n இடம் கிடைத்தது.</numerusform>
            <numerusform>%n இடங்கள் கிடைத்தன.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>lumora::ui::PlanetTable</name>
    <message>
        <source>Planet</source>
        <translation>கிரகம்</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>ராசி</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>பாகை</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>நட்சத்திரம்</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>பாதம்</translation>
    </message>
</context>
<context>
    <name>lumora::ui::PoruthamPage</name>
    <message>
        <source>The ten poruthams</source>
        <translation>பத்துப் பொருத்தங்கள்</translation>
    </message>
    <message>
        <source>Poruthams</source>
        <translation>பொருத்தங்கள்</translation>
    </message>
    <message>
        <source>Porutham</source>
        <translation>பொருத்தம்</translation>
    </message>
    <message>
        <source>Agrees</source>
        <translation>பொருந்துகிறதா</translation>
    </message>
    <message>
        <source>Decided by</source>
        <translation>தீர்மானித்தது</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>பொருள்</translation>
    </message>
    <message>
        <source>Porutham count</source>
        <translation>பொருத்த எண்ணிக்கை</translation>
    </message>
    <message>
        <source>Porutham vetoes</source>
        <translation>பொருத்தத் தடைகள்</translation>
    </message>
    <message>
        <source>Porutham verdict</source>
        <translation>பொருத்தத் தீர்ப்பு</translation>
    </message>
    <message>
        <source>Papasamyam (balance of malefics)</source>
        <translation>பாபசாம்யம் (பாவ கிரகங்களின் சமநிலை)</translation>
    </message>
    <message>
        <source>Papasamyam</source>
        <translation>பாபசாம்யம்</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>கிரகம்</translation>
    </message>
    <message>
        <source>Boy from Lagna</source>
        <translation>மணமகன், லக்னத்திலிருந்து</translation>
    </message>
    <message>
        <source>Boy from Moon</source>
        <translation>மணமகன், சந்திரனிலிருந்து</translation>
    </message>
    <message>
        <source>Boy from Venus</source>
        <translation>மணமகன், சுக்கிரனிலிருந்து</translation>
    </message>
    <message>
        <source>Girl from Lagna</source>
        <translation>மணமகள், லக்னத்திலிருந்து</translation>
    </message>
    <message>
        <source>Girl from Moon</source>
        <translation>மணமகள், சந்திரனிலிருந்து</translation>
    </message>
    <message>
        <source>Girl from Venus</source>
        <translation>மணமகள், சுக்கிரனிலிருந்து</translation>
    </message>
    <message>
        <source>Papasamyam totals</source>
        <translation>பாபசாம்ய மொத்தம்</translation>
    </message>
    <message>
        <source>Verdict: %1</source>
        <translation>தீர்ப்பு: %1</translation>
    </message>
    <message>
        <source>Papasamyam needs both persons&apos; birth details; a profile file holds none.</source>
        <translation>பாபசாம்யத்துக்கு இருவரின் பிறப்பு விவரங்களும் தேவை; சுயவிவரக் கோப்பில் அவை இல்லை.</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>மொத்தம்</translation>
    </message>
</context>
<context>
    <name>lumora::ui::ReportWindow</name>
    <message>
        <source>Report</source>
        <translation>அறிக்கை</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>சேமி (&amp;S)</translation>
    </message>
    <message>
        <source>Save the two Moon signs and nakshatras to a profile file</source>
        <translation>இரு சந்திர ராசிகளையும் நட்சத்திரங்களையும் சுயவிவரக் கோப்பில் சேமி</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>அச்சிடு (&amp;P)</translation>
    </message>
    <message>
        <source>Save As P&amp;DF...</source>
        <translation>PDF ஆகச் சேமி (&amp;D)...</translation>
    </message>
    <message>
        <source>Save As PDF</source>
        <translation>PDF ஆகச் சேமி</translation>
    </message>
    <message>
        <source>Save this page as a PDF document (Ctrl+Shift+S)</source>
        <translation>இந்தப் பக்கத்தை PDF ஆவணமாகச் சேமி (Ctrl+Shift+S)</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>நிலை</translation>
    </message>
    <message>
        <source>Lumo Free Tarvik profiles (*.kun)</source>
        <translation>Lumo Free Tarvik சுயவிவரங்கள் (*.kun)</translation>
    </message>
    <message>
        <source>The File Could Not Be Saved.</source>
        <translation>கோப்பைச் சேமிக்க முடியவில்லை.</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 சேமிக்கப்பட்டது</translation>
    </message>
</context>
<context>
    <name>lumora::ui::ResultWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>கோப்பு (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>பின்செல் (&amp;B)</translation>
    </message>
    <message>
        <source>Result pages</source>
        <translation>முடிவுப் பக்கங்கள்</translation>
    </message>
    <message>
        <source>Your Kundali Match on the basis of Ashta Kutas Guna Milan</source>
        <translation>அஷ்டகூட குண மிலன் அடிப்படையில் உங்கள் ஜாதகப் பொருத்தம்</translation>
    </message>
    <message>
        <source>Kundali match pages</source>
        <translation>ஜாதகப் பொருத்தப் பக்கங்கள்</translation>
    </message>
    <message>
        <source>Boy&apos;s And Girl&apos;s Birth Details</source>
        <translation>மணமகன், மணமகள் பிறப்பு விவரங்கள்</translation>
    </message>
    <message>
        <source>Guna Milan</source>
        <translation>குண மிலன்</translation>
    </message>
    <message>
        <source>Porutham</source>
        <translation>பொருத்தம்</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>பலன்கள்</translation>
    </message>
    <message>
        <source>Kundali Match</source>
        <translation>ஜாதகப் பொருத்தம்</translation>
    </message>
    <message>
        <source>Boy&apos;s Rashi Information</source>
        <translation>மணமகன் ராசித் தகவல்</translation>
    </message>
    <message>
        <source>Boy&apos;s Rashi</source>
        <translation>மணமகன் ராசி</translation>
    </message>
    <message>
        <source>Girl&apos;s Rashi Information</source>
        <translation>மணமகள் ராசித் தகவல்</translation>
    </message>
    <message>
        <source>Girl&apos;s Rashi</source>
        <translation>மணமகள் ராசி</translation>
    </message>
    <message>
        <source>Boy&apos;s Nakshatra Information</source>
        <translation>மணமகன் நட்சத்திரத் தகவல்</translation>
    </message>
    <message>
        <source>Boy&apos;s Nakshatra</source>
        <translation>மணமகன் நட்சத்திரம்</translation>
    </message>
    <message>
        <source>Girl&apos;s Nakshatra Information</source>
        <translation>மணமகள் நட்சத்திரத் தகவல்</translation>
    </message>
    <message>
        <source>Girl&apos;s Nakshatra</source>
        <translation>மணமகள் நட்சத்திரம்</translation>
    </message>
    <message>
        <source>Charts And Doshas</source>
        <translation>கட்டங்களும் தோஷங்களும்</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>காலம்</translation>
    </message>
    <message>
        <source>About Software</source>
        <translation>மென்பொருள் பற்றி</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>சேமி (&amp;S)</translation>
    </message>
    <message>
        <source>Compose the selected page into a printable report</source>
        <translation>தேர்ந்த பக்கத்தை அச்சிடக்கூடிய அறிக்கையாக்கு</translation>
    </message>
    <message>
        <source>Save As P&amp;DF...</source>
        <translation>PDF ஆகச் சேமி (&amp;D)...</translation>
    </message>
    <message>
        <source>Save As PDF</source>
        <translation>PDF ஆகச் சேமி</translation>
    </message>
    <message>
        <source>Save the selected page as a PDF document (Ctrl+Shift+S)</source>
        <translation>தேர்ந்த பக்கத்தை PDF ஆவணமாகச் சேமி (Ctrl+Shift+S)</translation>
    </message>
    <message>
        <source>&amp;Include rashi and nakshatra pages</source>
        <translation>ராசி, நட்சத்திரப் பக்கங்களைச் சேர் (&amp;I)</translation>
    </message>
    <message>
        <source>Include both persons&apos; rashi and nakshatra pages in the PDF</source>
        <translation>PDF-இல் இருவரின் ராசி, நட்சத்திரப் பக்கங்களைச் சேர்</translation>
    </message>
    <message>
        <source>Back to the birth details</source>
        <translation>பிறப்பு விவரங்களுக்குத் திரும்பு</translation>
    </message>
    <message>
        <source>Save As &amp;PDF...</source>
        <translation>PDF ஆகச் சேமி (&amp;P)...</translation>
    </message>
    <message>
        <source>The About Software page has no report to save</source>
        <translation>&apos;மென்பொருள் பற்றி&apos; பக்கத்துக்குச் சேமிக்க அறிக்கை இல்லை</translation>
    </message>
    <message>
        <source>Your Name: %1</source>
        <translation>உங்கள் பெயர்: %1</translation>
    </message>
    <message>
        <source>Your Date Of Birth: %1</source>
        <translation>உங்கள் பிறந்த தேதி: %1</translation>
    </message>
    <message>
        <source>Your Time Of Birth: %1</source>
        <translation>உங்கள் பிறந்த நேரம்: %1</translation>
    </message>
    <message>
        <source>Your Place Of Birth: %1</source>
        <translation>உங்கள் பிறந்த இடம்: %1</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Name: %1</source>
        <translation>துணையின் பெயர்: %1</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Date Of Birth: %1</source>
        <translation>துணையின் பிறந்த தேதி: %1</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Time Of Birth: %1</source>
        <translation>துணையின் பிறந்த நேரம்: %1</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Place Of Birth: %1</source>
        <translation>துணையின் பிறந்த இடம்: %1</translation>
    </message>
    <message>
        <source>Coordinates And Clock: %1</source>
        <translation>ஆயத்தொலைவுகளும் கடிகாரமும்: %1</translation>
    </message>
    <message>
        <source>Moon: %1</source>
        <translation>சந்திரன்: %1</translation>
    </message>
    <message>
        <source>Boy&apos;s Birth Details</source>
        <translation>மணமகன் பிறப்பு விவரங்கள்</translation>
    </message>
    <message>
        <source>Girl&apos;s Birth Details</source>
        <translation>மணமகள் பிறப்பு விவரங்கள்</translation>
    </message>
    <message>
        <source>Guna Milan table</source>
        <translation>குண மிலன் அட்டவணை</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>மொத்தம்</translation>
    </message>
    <message>
        <source>How the kootas are scored and read (help)</source>
        <translation>கூடங்களுக்குப் புள்ளிகள் எவ்வாறு தரப்பட்டு வாசிக்கப்படுகின்றன (உதவி)</translation>
    </message>
    <message>
        <source>Lumora icon</source>
        <translation>Lumora சின்னம்</translation>
    </message>
    <message>
        <source>Online help</source>
        <translation>இணைய உதவி</translation>
    </message>
    <message>
        <source>Rashi</source>
        <translation>ராசி</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>நட்சத்திரம்</translation>
    </message>
    <message>
        <source>Total, maximum points</source>
        <translation>மொத்தம், அதிகபட்சப் புள்ளிகள்</translation>
    </message>
    <message>
        <source>Total, points obtained</source>
        <translation>மொத்தம், பெற்ற புள்ளிகள்</translation>
    </message>
    <message>
        <source>Total, verdict</source>
        <translation>மொத்தம், தீர்ப்பு</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>சுருக்கம்</translation>
    </message>
    <message>
        <source>Koota tables</source>
        <translation>கூட அட்டவணைகள்</translation>
    </message>
    <message>
        <source>Notes on the rows</source>
        <translation>வரிசைகள் பற்றிய குறிப்புகள்</translation>
    </message>
    <message>
        <source>You Have Obtained %1 Points Out Of %2 Points</source>
        <translation>நீங்கள் %2 புள்ளிகளில் %1 புள்ளிகள் பெற்றுள்ளீர்கள்</translation>
    </message>
    <message>
        <source>Chart style</source>
        <translation>கட்ட வடிவம்</translation>
    </message>
    <message>
        <source>North Indian</source>
        <translation>வட இந்திய</translation>
    </message>
    <message>
        <source>South Indian</source>
        <translation>தென் இந்திய</translation>
    </message>
    <message>
        <source>Chart &amp;style:</source>
        <translation>கட்ட வடிவம் (&amp;S):</translation>
    </message>
    <message>
        <source>%1&apos;s rasi chart</source>
        <translation>%1 ராசிக் கட்டம்</translation>
    </message>
    <message>
        <source>%1&apos;s Navamsa (D9) chart</source>
        <translation>%1 நவாம்சக் (D9) கட்டம்</translation>
    </message>
    <message>
        <source>%1&apos;s planets</source>
        <translation>%1 கிரகங்கள்</translation>
    </message>
    <message>
        <source>Charts need birth details</source>
        <translation>கட்டங்களுக்குப் பிறப்பு விவரங்கள் தேவை</translation>
    </message>
    <message>
        <source>This match was opened from a profile file, which holds only the Moon signs and nakshatras. The charts, Manglik and the birth-time windows need both persons&apos; birth details: enter them in the birth details form.</source>
        <translation>இந்தப் பொருத்தம் சுயவிவரக் கோப்பிலிருந்து திறக்கப்பட்டது; அதில் சந்திர ராசிகளும் நட்சத்திரங்களும் மட்டுமே உள்ளன. கட்டங்கள், செவ்வாய் தோஷம், பிறப்பு நேர எல்லைகள் ஆகியவற்றுக்கு இருவரின் பிறப்பு விவரங்களும் தேவை: அவற்றைப் பிறப்பு விவரப் படிவத்தில் உள்ளிடுங்கள்.</translation>
    </message>
    <message>
        <source>Doshas</source>
        <translation>தோஷங்கள்</translation>
    </message>
    <message>
        <source> dosha</source>
        <translation> தோஷம்</translation>
    </message>
    <message>
        <source>Manglik (Kuja dosha)</source>
        <translation>செவ்வாய் தோஷம் (குஜ தோஷம்)</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>செவ்வாய்</translation>
    </message>
    <message>
        <source>Boy</source>
        <translation>மணமகன்</translation>
    </message>
    <message>
        <source>Girl</source>
        <translation>மணமகள்</translation>
    </message>
    <message>
        <source>House from %1</source>
        <translation>%1 இலிருந்து பாவம்</translation>
    </message>
    <message>
        <source>%1&apos;s Mars from %2</source>
        <translation>%1 செவ்வாய், %2 இலிருந்து</translation>
    </message>
    <message>
        <source>Manglik</source>
        <translation>செவ்வாய் தோஷம்</translation>
    </message>
    <message>
        <source>Exceptions</source>
        <translation>விதிவிலக்குகள்</translation>
    </message>
    <message>
        <source>%1 is Manglik</source>
        <translation>%1 செவ்வாய் தோஷம் உடையவர்</translation>
    </message>
    <message>
        <source>%1&apos;s Manglik exceptions</source>
        <translation>%1 செவ்வாய் தோஷ விதிவிலக்குகள்</translation>
    </message>
    <message>
        <source>Manglik verdict</source>
        <translation>செவ்வாய் தோஷத் தீர்ப்பு</translation>
    </message>
    <message>
        <source>Birth Time Sensitivity</source>
        <translation>பிறப்பு நேர நுண்ணுணர்வு</translation>
    </message>
    <message>
        <source>%1&apos;s %2 window</source>
        <translation>%1 %2 எல்லை</translation>
    </message>
    <message>
        <source>Birth time uncertainty</source>
        <translation>பிறப்பு நேர நிச்சயமின்மை</translation>
    </message>
    <message>
        <source>±%1 minutes</source>
        <translation>±%1 நிமிடங்கள்</translation>
    </message>
    <message>
        <source>Birth times &amp;uncertain by:</source>
        <translation>பிறப்பு நேர நிச்சயமின்மை (&amp;U):</translation>
    </message>
    <message>
        <source>Score range</source>
        <translation>புள்ளி வரம்பு</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>பின்செல்</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>அடுத்து</translation>
    </message>
    <message>
        <source>%1&apos;s Chart: %2</source>
        <translation>%1 கட்டம்: %2</translation>
    </message>
    <message>
        <source>Navamsa</source>
        <translation>நவாம்சம்</translation>
    </message>
    <message>
        <source>House %1: %2</source>
        <translation>பாவம் %1: %2</translation>
    </message>
    <message>
        <source>dosha</source>
        <translation>தோஷம்</translation>
    </message>
    <message>
        <source>no dosha</source>
        <translation>தோஷம் இல்லை</translation>
    </message>
    <message>
        <source>%1&apos;s birth time: %2</source>
        <translation>%1 பிறந்த நேரம்: %2</translation>
    </message>
</context>
<context>
    <name>lumora::ui::SettingsDialog</name>
    <message>
        <source>Settings - %1</source>
        <translation>அமைப்புகள் - %1</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>மொழி</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>மொழி (&amp;L):</translation>
    </message>
    <message>
        <source>&amp;Precise ephemeris</source>
        <translation>நுட்பமான கிரகக் கணிப்பு (&amp;P)</translation>
    </message>
    <message>
        <source>Precise ephemeris</source>
        <translation>நுட்பமான கிரகக் கணிப்பு</translation>
    </message>
    <message>
        <source>The Guna Milan Moon then comes from the full lunar series of Meeus (Astronomical Algorithms, chapter 47) in terrestrial time, and the Western test&apos;s fourteen positions from the precise ephemeris the charts always use, within arc-seconds of a modern ephemeris. A birth close to the edge of a nakshatra or pada can then fall on the other side of it. Result pages and printed matches say &quot;Precise Moon&quot; when it was used.</source>
        <translation>அப்போது குண மிலன் சந்திரன் Meeus-இன் முழுச் சந்திரத் தொடரிலிருந்து (Astronomical Algorithms, அத்தியாயம் 47) புவி நேரத்தில் கணிக்கப்படுகிறது; மேலை சோதனையின் பதினான்கு நிலைகளும் கட்டங்கள் எப்போதும் பயன்படுத்தும் அதே நுட்பமான கணிப்பிலிருந்து வருகின்றன, நவீனக் கணிப்பிலிருந்து சில விகலைகளுக்குள். நட்சத்திரம் அல்லது பாதத்தின் எல்லைக்கு அருகிலான பிறப்பு அப்போது அதன் மறுபக்கம் விழலாம். பயன்படுத்தப்பட்டால் முடிவுப் பக்கங்களும் அச்சிட்ட பொருத்தங்களும் &quot;Precise Moon&quot; எனக் குறிப்பிடும்.</translation>
    </message>
    <message>
        <source>About the precise ephemeris</source>
        <translation>நுட்பமான கணிப்பு பற்றி</translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translation>அயனாம்சம்</translation>
    </message>
    <message>
        <source>Standard (the program&apos;s own)</source>
        <translation>இயல்பு (நிரலின் சொந்தம்)</translation>
    </message>
    <message>
        <source>&amp;Ayanamsa:</source>
        <translation>அயனாம்சம் (&amp;A):</translation>
    </message>
    <message>
        <source>Lunar node</source>
        <translation>சந்திரக் கணு (ராகு)</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>சராசரி</translation>
    </message>
    <message>
        <source>True</source>
        <translation>உண்மை</translation>
    </message>
    <message>
        <source>Lunar &amp;node:</source>
        <translation>சந்திரக் கணு (&amp;N):</translation>
    </message>
    <message>
        <source>The Guna Milan Moon, the charts, the doshas, Porutham, the timing and the birth-time windows are all computed with the chosen ayanamsa and node; every result page and document names them. Another ayanamsa can move the Moon into another nakshatra, and so change the match.</source>
        <translation>குண மிலன் சந்திரன், கட்டங்கள், தோஷங்கள், பொருத்தம், காலம், பிறப்பு நேர எல்லைகள் அனைத்தும் தேர்ந்த அயனாம்சம், கணு கொண்டு கணிக்கப்படுகின்றன; ஒவ்வொரு முடிவுப் பக்கமும் ஆவணமும் அவற்றைக் குறிப்பிடும். வேறு அயனாம்சம் சந்திரனை வேறு நட்சத்திரத்துக்கு நகர்த்தி, பொருத்தத்தையே மாற்றக்கூடும்.</translation>
    </message>
    <message>
        <source>About the ayanamsa and node</source>
        <translation>அயனாம்சம், கணு பற்றி</translation>
    </message>
    <message>
        <source>&amp;Koota tables:</source>
        <translation>கூட அட்டவணைகள் (&amp;K):</translation>
    </message>
    <message>
        <source>Koota tables</source>
        <translation>கூட அட்டவணைகள்</translation>
    </message>
    <message>
        <source>Specified (the program&apos;s own tables)</source>
        <translation>குறிப்பிட்டவை (நிரலின் சொந்த அட்டவணைகள்)</translation>
    </message>
    <message>
        <source>Classical (the tables astrologers use)</source>
        <translation>பாரம்பரியம் (ஜோதிடர்கள் பயன்படுத்தும் அட்டவணைகள்)</translation>
    </message>
    <message>
        <source>The Guna Milan grid, the report and the printed match score with the chosen tables and always give the other set&apos;s total beside it.</source>
        <translation>குண மிலன் அட்டவணை, அறிக்கை, அச்சிட்ட பொருத்தம் ஆகியவை தேர்ந்த அட்டவணைகளால் புள்ளி தருகின்றன; அருகில் மற்றத் தொகுப்பின் மொத்தத்தையும் எப்போதும் தருகின்றன.</translation>
    </message>
    <message>
        <source>About the koota tables</source>
        <translation>கூட அட்டவணைகள் பற்றி</translation>
    </message>
    <message>
        <source>Match method the result opens on</source>
        <translation>முடிவு திறக்கும் பொருத்த முறை</translation>
    </message>
    <message>
        <source>Ashta-koota (Guna Milan)</source>
        <translation>அஷ்டகூடம் (குண மிலன்)</translation>
    </message>
    <message>
        <source>Porutham (South Indian)</source>
        <translation>பொருத்தம் (தென் இந்திய முறை)</translation>
    </message>
    <message>
        <source>&amp;Open the match on:</source>
        <translation>பொருத்தத்தை இதில் திற (&amp;O):</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>சரி</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ரத்து செய்</translation>
    </message>
</context>
<context>
    <name>lumora::ui::SynastryPage</name>
    <message>
        <source>Aspects between the charts</source>
        <translation>இரு கட்டங்களுக்கு இடையிலான பார்வைகள்</translation>
    </message>
    <message>
        <source>Aspect grid</source>
        <translation>பார்வை அட்டவணை</translation>
    </message>
    <message>
        <source>Bi-wheel</source>
        <translation>இரட்டைச் சக்கரம்</translation>
    </message>
    <message>
        <source>House overlays, composite and Davison</source>
        <translation>பாவ மேற்பொருத்தல், கூட்டுக் கட்டம், டேவிசன்</translation>
    </message>
    <message>
        <source>A in B</source>
        <translation>B-இல் A</translation>
    </message>
    <message>
        <source>B in A</source>
        <translation>A-இல் B</translation>
    </message>
    <message>
        <source>Composite</source>
        <translation>கூட்டுக் கட்டம்</translation>
    </message>
    <message>
        <source>Davison</source>
        <translation>டேவிசன்</translation>
    </message>
    <message>
        <source>%1 of A and %2 of B: no aspect</source>
        <translation>A-இன் %1, B-இன் %2: பார்வை இல்லை</translation>
    </message>
    <message>
        <source>Run the test to compare the two charts.</source>
        <translation>இரு கட்டங்களையும் ஒப்பிடச் சோதனையை இயக்குங்கள்.</translation>
    </message>
    <message>
        <source>A is %1, B is %2. The grid gives each aspect between A&apos;s points (rows) and B&apos;s (columns) with its orb, and A for applying or S for separating.</source>
        <translation>A என்பது %1, B என்பது %2. அட்டவணை A-இன் புள்ளிகள் (வரிசைகள்), B-இன் புள்ளிகள் (நெடுவரிசைகள்) இடையிலான ஒவ்வொரு பார்வையையும் அதன் இடைவெளியுடன் தருகிறது; நெருங்குவதற்கு A, விலகுவதற்கு S.</translation>
    </message>
    <message>
        <source>%1 of A and %2 of B: %3</source>
        <translation>A-இன் %1, B-இன் %2: %3</translation>
    </message>
    <message>
        <source>A in B: A&apos;s points in %1&apos;s houses (%2). B in A: B&apos;s points in %3&apos;s houses (%4).</source>
        <translation>B-இல் A: A-இன் புள்ளிகள் %1 பாவங்களில் (%2). A-இல் B: B-இன் புள்ளிகள் %3 பாவங்களில் (%4).</translation>
    </message>
    <message>
        <source>Davison chart: %1.</source>
        <translation>டேவிசன் கட்டம்: %1.</translation>
    </message>
</context>
<context>
    <name>lumora::ui::TimeZonePicker</name>
    <message>
        <source>Double-click your &amp;time zone:</source>
        <translation>உங்கள் நேர மண்டலத்தை இருமுறை சொடுக்குங்கள் (&amp;T):</translation>
    </message>
    <message>
        <source>Time zones</source>
        <translation>நேர மண்டலங்கள்</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>மூடு (&amp;Q)</translation>
    </message>
</context>
<context>
    <name>lumora::ui::TimingTab</name>
    <message>
        <source>The periods need both persons&apos; birth details; a match from a profile file has none.</source>
        <translation>தசைகளுக்கு இருவரின் பிறப்பு விவரங்களும் தேவை; சுயவிவரக் கோப்பிலிருந்து வந்த பொருத்தத்தில் அவை இல்லை.</translation>
    </message>
    <message>
        <source>&amp;Wedding date:</source>
        <translation>திருமணத் தேதி (&amp;W):</translation>
    </message>
    <message>
        <source>Wedding date</source>
        <translation>திருமணத் தேதி</translation>
    </message>
    <message>
        <source>Optional, as year-month-day (2025-11-23); empty looks at today</source>
        <translation>விருப்பத்தேர்வு, ஆண்டு-மாதம்-நாள் வடிவில் (2025-11-23); காலியாக விட்டால் இன்றைய நாள்</translation>
    </message>
    <message>
        <source>YYYY-MM-DD (optional)</source>
        <translation>YYYY-MM-DD (விருப்பத்தேர்வு)</translation>
    </message>
    <message>
        <source>&amp;Year length:</source>
        <translation>ஆண்டின் நீளம் (&amp;Y):</translation>
    </message>
    <message>
        <source>Year length</source>
        <translation>ஆண்டின் நீளம்</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 நாட்கள்</translation>
    </message>
    <message>
        <source>Mahadasha timelines</source>
        <translation>மகாதசை காலவரிசைகள்</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>தசை</translation>
    </message>
    <message>
        <source>From</source>
        <translation>முதல்</translation>
    </message>
    <message>
        <source>To</source>
        <translation>வரை</translation>
    </message>
    <message>
        <source>Boy&apos;s mahadashas</source>
        <translation>மணமகன் மகாதசைகள்</translation>
    </message>
    <message>
        <source>Girl&apos;s mahadashas</source>
        <translation>மணமகள் மகாதசைகள்</translation>
    </message>
    <message>
        <source>Sade Sati and Ashtama Shani in the next 30 years</source>
        <translation>அடுத்த 30 ஆண்டுகளில் ஏழரைச் சனி, அஷ்டமச் சனி</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>நபர்</translation>
    </message>
    <message>
        <source>Transit</source>
        <translation>கோசாரம்</translation>
    </message>
    <message>
        <source>Boy</source>
        <translation>மணமகன்</translation>
    </message>
    <message>
        <source>Girl</source>
        <translation>மணமகள்</translation>
    </message>
    <message>
        <source>%1&apos;s mahadashas</source>
        <translation>%1 மகாதசைகள்</translation>
    </message>
    <message>
        <source>Not a date of the form 2025-11-23: today is shown.</source>
        <translation>இது 2025-11-23 வடிவத் தேதி அல்ல: இன்றைய நாள் காட்டப்படுகிறது.</translation>
    </message>
    <message>
        <source>Optional, as year-month-day (2025-11-23)</source>
        <translation>விருப்பத்தேர்வு, ஆண்டு-மாதம்-நாள் வடிவில் (2025-11-23)</translation>
    </message>
    <message>
        <source>Vimshottari periods from the sidereal Moon at birth, %1 ayanamsa, years of %2 days;
dates in each person&apos;s birth zone. Orange bands mark Dasha Sandhi.</source>
        <translation>பிறப்பின் நிராயன சந்திரனிலிருந்து விம்சோத்தரி தசைகள், %1 அயனாம்சம், %2 நாள் ஆண்டு;
தேதிகள் ஒவ்வொருவரின் பிறப்பு நேர மண்டலத்தில். ஆரஞ்சுப் பட்டைகள் தசா சந்தியைக் காட்டுகின்றன.</translation>
    </message>
    <message>
        <source>Running at the wedding, %1:</source>
        <translation>திருமணத்தின்போது நடப்பது, %1:</translation>
    </message>
    <message>
        <source>Running today, %1:</source>
        <translation>இன்று நடப்பது, %1:</translation>
    </message>
    <message>
        <source>outside the periods</source>
        <translation>தசைகளுக்கு வெளியே</translation>
    </message>
    <message>
        <source>Dasha Sandhi:</source>
        <translation>தசா சந்தி:</translation>
    </message>
    <message>
        <source>none within 183 days.</source>
        <translation>183 நாட்களுக்குள் இல்லை.</translation>
    </message>
</context>
<context>
    <name>lumora::ui::VedicSession</name>
    <message>
        <source>The About Software page has no document to save</source>
        <translation>&apos;மென்பொருள் பற்றி&apos; பக்கத்துக்குச் சேமிக்க ஆவணம் இல்லை</translation>
    </message>
</context>
<context>
    <name>lumora::ui::WesternInputForm</name>
    <message>
        <source>&amp;File</source>
        <translation>கோப்பு (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Analyze Compatibility</source>
        <translation>இணக்கத்தை ஆராய் (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>வெளியேறு (&amp;E)</translation>
    </message>
    <message>
        <source>Analyze Compatibility</source>
        <translation>இணக்கத்தை ஆராய்</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>வெளியேறு</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>நேர மண்டலம்</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>பகலொளி நேரம்</translation>
    </message>
    <message>
        <source>Time Zone:</source>
        <translation>நேர மண்டலம்:</translation>
    </message>
</context>
<context>
    <name>lumora::ui::WesternReportWindow</name>
    <message>
        <source>Western report</source>
        <translation>மேலை அறிக்கை</translation>
    </message>
    <message>
        <source>Western report pages</source>
        <translation>மேலை அறிக்கைப் பக்கங்கள்</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>அறிக்கை (&amp;R)</translation>
    </message>
    <message>
        <source>Synastry</source>
        <translation>இணைக் கட்ட ஒப்பீடு</translation>
    </message>
    <message>
        <source>&amp;Synastry</source>
        <translation>இணைக் கட்ட ஒப்பீடு (&amp;S)</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>ஆண்</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>பெண்</translation>
    </message>
    <message>
        <source>%1 details</source>
        <translation>%1 விவரம்</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>பெயர்:</translation>
    </message>
    <message>
        <source>Date of Birth:</source>
        <translation>பிறந்த தேதி:</translation>
    </message>
    <message>
        <source>Time of Birth:</source>
        <translation>பிறந்த நேரம்:</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>நகரம்:</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>மாநிலம்:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>நாடு:</translation>
    </message>
    <message>
        <source>Coordinates:</source>
        <translation>ஆயத்தொலைவுகள்:</translation>
    </message>
    <message>
        <source>Clock:</source>
        <translation>கடிகாரம்:</translation>
    </message>
    <message>
        <source>Moon:</source>
        <translation>சந்திரன்:</translation>
    </message>
    <message>
        <source>Compatibility:</source>
        <translation>இணக்கம்:</translation>
    </message>
    <message>
        <source>Compatibility</source>
        <translation>இணக்கம்</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>வலிமை</translation>
    </message>
    <message>
        <source>Harmony</source>
        <translation>இசைவு</translation>
    </message>
    <message>
        <source>P * H</source>
        <translation>வ × இ</translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation>சதவீதம்</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>கருத்து</translation>
    </message>
    <message>
        <source>Natal Position Data:</source>
        <translation>பிறப்புக் கிரக நிலைகள்:</translation>
    </message>
    <message>
        <source>%1 natal positions</source>
        <translation>%1 பிறப்புக் கிரக நிலைகள்</translation>
    </message>
    <message>
        <source>Compatibility Report:</source>
        <translation>இணக்க அறிக்கை:</translation>
    </message>
</context>
</TS>
