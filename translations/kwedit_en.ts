<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<context>
    <name>kw::AdminToolsMenu</name>
    <message>
        <source>Alle gelben Schuhe durch schwarze ersetzen</source>
        <translation>Replace all yellow boots with black ones</translation>
    </message>
    <message>
        <source>Mitarbeiterstäbe des landes neu benennen</source>
        <translation>Rename the country&apos;s staff</translation>
    </message>
    <message>
        <source>Stadien neu benennen</source>
        <translation>Rename stadiums</translation>
    </message>
    <message>
        <source>Nicht verwendete Stadien entfernen</source>
        <translation>Remove unused stadiums</translation>
    </message>
    <message>
        <source>Historische Daten entfernen (Spielergebnisse)</source>
        <translation>Remove historical data (match results)</translation>
    </message>
    <message>
        <source>Historische Daten entfernen (Statist. der 1. Liga)</source>
        <translation>Remove historical data (1st league stats)</translation>
    </message>
    <message>
        <source>Taktische Ausbildung von 0 auf 3 setzen</source>
        <translation>Set tactical education from 0 to 3</translation>
    </message>
    <message>
        <source>Überprüfe ungültige Geburtsdaten (1920 und 1900)</source>
        <translation>Check invalid dates of birth (1920 and 1900)</translation>
    </message>
    <message>
        <source>Französische / Spanische Clubnamen zusammenfügen</source>
        <translation>Merge French / Spanish club names</translation>
    </message>
    <message>
        <source>Mitarbeiterstab löschen (bis auf Manager, Vorsitzender, Präsident)</source>
        <translation>Delete staff (except manager, chief executive, chairman)</translation>
    </message>
    <message>
        <source>DB für PS2 erstellen</source>
        <translation>Create DB for PS2</translation>
    </message>
</context>
<context>
    <name>kw::CControlsGallery</name>
    <message>
        <source>Neue Datenbank erstellen	Welchen Namen soll die neue Datenbank bekommen?	NeueDatenbank</source>
        <translation>Create new database	What should the new database be called?	NewDatabase</translation>
    </message>
    <message>
        <source>Land 12: die 2. Liga hat zu wenige Vereine.</source>
        <translation>Country 12: the second division has too few clubs.</translation>
    </message>
    <message>
        <source>Land 40: der Pokal hat keinen Spielplan.</source>
        <translation>Country 40: the cup has no fixture list.</translation>
    </message>
    <message>
        <source>Trotzdem fortfahren?</source>
        <translation>Continue anyway?</translation>
    </message>
    <message>
        <source>Land %1</source>
        <translation>Country %1</translation>
    </message>
    <message>
        <source>Steuerelemente</source>
        <translation>Controls</translation>
    </message>
    <message>
        <source>Zahlenfelder</source>
        <translation>Number fields</translation>
    </message>
    <message>
        <source>&amp;Alter (0 bis 99):</source>
        <translation>&amp;Age (0 to 99):</translation>
    </message>
    <message>
        <source>&amp;Größe (150 bis 220):</source>
        <translation>&amp;Height (150 to 220):</translation>
    </message>
    <message>
        <source>Zuletzt gemeldet:</source>
        <translation>Last reported:</translation>
    </message>
    <message>
        <source>Trikotfarbe</source>
        <translation>Kit colour</translation>
    </message>
    <message>
        <source>Wertebalken</source>
        <translation>Value bars</translation>
    </message>
    <message>
        <source>Stärke:</source>
        <translation>Strength:</translation>
    </message>
    <message>
        <source>Vertrag gültig bis:</source>
        <translation>Contract until:</translation>
    </message>
    <message>
        <source>Ziehbild:</source>
        <translation>Drag image:</translation>
    </message>
    <message>
        <source>Kader</source>
        <translation>Squad</translation>
    </message>
    <message>
        <source>&amp;Neu</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Löschen</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Seite &amp;festhalten</source>
        <translation>Keep this page &amp;open</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>Na&amp;me:</translation>
    </message>
    <message>
        <source>Liste &amp;aktualisieren</source>
        <translation>&amp;Refresh list</translation>
    </message>
    <message>
        <source>&amp;Gehalt (Tsd.):</source>
        <translation>&amp;Wages (thousands):</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Vertrag</source>
        <translation>Contract</translation>
    </message>
    <message>
        <source>&amp;Hinweis...</source>
        <translation>H&amp;int...</translation>
    </message>
    <message>
        <source>A&amp;chtung...</source>
        <translation>A&amp;ttention...</translation>
    </message>
    <message>
        <source>&amp;Eingabe...</source>
        <translation>In&amp;put...</translation>
    </message>
    <message>
        <source>(abgebrochen)</source>
        <translation>(cancelled)</translation>
    </message>
</context>
<context>
    <name>kw::CCountryCoachPage</name>
    <message>
        <source>%1 - Nationaltrainer</source>
        <translation>%1 - National coach</translation>
    </message>
    <message>
        <source>Nationaltrainer</source>
        <translation>National coach</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Surname</translation>
    </message>
    <message>
        <source>&amp;Vorname</source>
        <translation>&amp;First name</translation>
    </message>
    <message>
        <source>&amp;Spitzname</source>
        <translation>Nic&amp;kname</translation>
    </message>
    <message>
        <source>Nationalit&amp;ät</source>
        <translation>Nationalit&amp;y</translation>
    </message>
    <message>
        <source>&amp;Geburtsdatum</source>
        <translation>Date of &amp;birth</translation>
    </message>
    <message>
        <source>Alter</source>
        <translation>Age</translation>
    </message>
    <message>
        <source>&amp;Wähle Datei</source>
        <translation>Choose f&amp;ile</translation>
    </message>
    <message>
        <source>Bild</source>
        <translation>Picture</translation>
    </message>
</context>
<context>
    <name>kw::CCountryCupsPage</name>
    <message>
        <source>Ligapokal</source>
        <translation>League cup</translation>
    </message>
    <message>
        <source>Ligapokal (untere Ligen)</source>
        <translation>League cup (lower leagues)</translation>
    </message>
    <message>
        <source>Supercup</source>
        <translation>Super Cup</translation>
    </message>
    <message>
        <source>%1 Name</source>
        <translation>%1 name</translation>
    </message>
    <message>
        <source>%1 Modus</source>
        <translation>%1 format</translation>
    </message>
    <message>
        <source>Pokal</source>
        <translation>Cup</translation>
    </message>
    <message>
        <source>Ligapokal 1</source>
        <translation>League cup 1</translation>
    </message>
    <message>
        <source>Ligapokal 2</source>
        <translation>League cup 2</translation>
    </message>
    <message>
        <source>Ligapokal 3</source>
        <translation>League cup 3</translation>
    </message>
    <message>
        <source>Ligapokal 4</source>
        <translation>League cup 4</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>Pokal&amp;modus</source>
        <translation>Cup &amp;format</translation>
    </message>
    <message>
        <source>&amp;Endspielstadion</source>
        <translation>Final &amp;stadium</translation>
    </message>
    <message>
        <source>&amp;Heimvorteil für Mannschaften ab 3. Liga</source>
        <translation>&amp;Home advantage for teams from level 3 down</translation>
    </message>
    <message>
        <source>Spieler darf nicht für 2 Mannschaften während eines &amp;Jahres spielen</source>
        <translation>A player may not play for 2 teams in the same &amp;year</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Modus</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Gelbe Karten</source>
        <translation>Yellow cards</translation>
    </message>
    <message>
        <source>Regel (&amp;Liga)</source>
        <translation>Rule (&amp;league)</translation>
    </message>
    <message>
        <source>Regel (&amp;Pokal)</source>
        <translation>Rule (c&amp;up)</translation>
    </message>
    <message>
        <source>Nach einer gelb-roten Karte zählt auch die gelbe Karte (Liga)</source>
        <translation>The yellow card still counts after a second yellow (league)</translation>
    </message>
    <message>
        <source>Nach einer gelb-roten Karte zählt auch die gelbe Karte (Pokal)</source>
        <translation>The yellow card still counts after a second yellow (cup)</translation>
    </message>
    <message>
        <source>nach einer gelb-roten Karte zählt auch die gelbe Karte</source>
        <translation>the yellow card still counts after a second yellow</translation>
    </message>
    <message>
        <source>Sperren gelten für alle nationalen Wettbewerbe</source>
        <translation>Suspensions apply to all national competitions</translation>
    </message>
    <message>
        <source>Sperren nach gelben Karten gelten für alle nationalen Wettbewerbe</source>
        <translation>Yellow card suspensions apply to all national competitions</translation>
    </message>
    <message>
        <source>Durch Gelb-Rote Karten</source>
        <translation>Second yellow cards</translation>
    </message>
    <message>
        <source>1 Spiel Sperre in</source>
        <translation>1-match suspension in</translation>
    </message>
    <message>
        <source>%1. Liga</source>
        <translation>Level %1</translation>
    </message>
    <message>
        <source>Sperren gelten für alle &amp;Wettb.</source>
        <translation>Suspensions apply to all compe&amp;titions</translation>
    </message>
    <message>
        <source>Sperren nach gelb-roten Karten gelten für alle Wettbewerbe</source>
        <translation>Second yellow card suspensions apply to all competitions</translation>
    </message>
    <message>
        <source>Rote Karten</source>
        <translation>Red cards</translation>
    </message>
    <message>
        <source>Sofort</source>
        <translation>Immediately</translation>
    </message>
    <message>
        <source>Montag der nächsten Woche</source>
        <translation>Monday of the following week</translation>
    </message>
    <message>
        <source>&amp;Regel</source>
        <translation>&amp;Rule</translation>
    </message>
    <message>
        <source>&amp;Feste Dauer</source>
        <translation>Fi&amp;xed length</translation>
    </message>
    <message>
        <source>&amp;Variable Dauer</source>
        <translation>&amp;Variable length</translation>
    </message>
    <message>
        <source>Sperren</source>
        <translation>Suspensions</translation>
    </message>
    <message>
        <source>Sperren nach roten Karten gelten für alle nationalen Wettbewerbe</source>
        <translation>Red card suspensions apply to all national competitions</translation>
    </message>
    <message>
        <source>Prämien in Wettbewerben</source>
        <translation>Prize money in competitions</translation>
    </message>
    <message>
        <source>Wettbewer&amp;b</source>
        <translation>Com&amp;petition</translation>
    </message>
    <message>
        <source>Prä&amp;mie</source>
        <translation>Prize &amp;money</translation>
    </message>
    <message>
        <source>Fernsehen</source>
        <translation>TV money</translation>
    </message>
    <message>
        <source>1. Runde</source>
        <translation>Round 1</translation>
    </message>
    <message>
        <source>2. Runde</source>
        <translation>Round 2</translation>
    </message>
    <message>
        <source>3. Runde</source>
        <translation>Round 3</translation>
    </message>
    <message>
        <source>4. Runde</source>
        <translation>Round 4</translation>
    </message>
    <message>
        <source>5. Runde</source>
        <translation>Round 5</translation>
    </message>
    <message>
        <source>Viertelfinale</source>
        <translation>Quarter-final</translation>
    </message>
    <message>
        <source>Halbfinale</source>
        <translation>Semi-final</translation>
    </message>
    <message>
        <source>Finale</source>
        <translation>Final</translation>
    </message>
    <message>
        <source>Sämtliche Geldbeträge sind Euroangaben!</source>
        <translation>All amounts are in euros!</translation>
    </message>
</context>
<context>
    <name>kw::CCountryGeneralPage</name>
    <message>
        <source>Verband</source>
        <translation>Association</translation>
    </message>
    <message>
        <source>Name des &amp;Verbandes</source>
        <translation>&amp;Association name</translation>
    </message>
    <message>
        <source>&amp;Klima</source>
        <translation>Cli&amp;mate</translation>
    </message>
    <message>
        <source>Präsident des Verbandes</source>
        <translation>Association chairman</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Surname</translation>
    </message>
    <message>
        <source>Name des Präsidenten</source>
        <translation>Chairman&apos;s surname</translation>
    </message>
    <message>
        <source>V&amp;orname</source>
        <translation>F&amp;irst name</translation>
    </message>
    <message>
        <source>&amp;Geburtsdatum</source>
        <translation>Date of &amp;birth</translation>
    </message>
    <message>
        <source>Alter</source>
        <translation>Age</translation>
    </message>
    <message>
        <source>Kontinent</source>
        <translation>Continent</translation>
    </message>
    <message>
        <source>Sprachen im Land</source>
        <translation>Languages spoken</translation>
    </message>
    <message>
        <source>Sprache %1</source>
        <translation>Language %1</translation>
    </message>
    <message>
        <source>Anteil Sprache %1</source>
        <translation>Share of language %1</translation>
    </message>
    <message>
        <source>&amp;Sprache</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>&amp;Anteil</source>
        <translation>S&amp;hare</translation>
    </message>
    <message>
        <source>Anteil</source>
        <translation>Share</translation>
    </message>
    <message>
        <source>Titelgewinne</source>
        <translation>Titles won</translation>
    </message>
    <message>
        <source>Kontinentale &amp;Titel</source>
        <translation>Continental &amp;titles</translation>
    </message>
    <message>
        <source>&amp;Finalteilnahmen</source>
        <translation>Continental &amp;finals</translation>
    </message>
    <message>
        <source>&amp;Weltmeisterschaften</source>
        <translation>&amp;World Cup titles</translation>
    </message>
    <message>
        <source>Finalteilnahmen</source>
        <translation>World Cup finals</translation>
    </message>
    <message>
        <source>Kontinentale Finalteilnahmen</source>
        <translation>Continental finals</translation>
    </message>
    <message>
        <source>WM-Finalteilnahmen</source>
        <translation>World Cup finals</translation>
    </message>
    <message>
        <source>Verschiedenes</source>
        <translation>Miscellaneous</translation>
    </message>
    <message>
        <source>Wa&amp;hrscheinlichkeit für Wechsel ins Ausland (in %)</source>
        <translation>&amp;Probability of a transfer abroad (in %)</translation>
    </message>
    <message>
        <source>W&amp;echsel 1./2. Mannschaft</source>
        <translation>Mo&amp;ves between first and reserve team</translation>
    </message>
    <message>
        <source>Keine Stehp&amp;lätze erlaubt</source>
        <translation>&amp;No standing places allowed</translation>
    </message>
    <message>
        <source>Namen gene&amp;rieren</source>
        <translation>&amp;Generate names</translation>
    </message>
    <message>
        <source>Stärken</source>
        <translation>Strength</translation>
    </message>
    <message>
        <source>&amp;Durchschn. Stärke:</source>
        <translation>Av&amp;erage strength:</translation>
    </message>
    <message>
        <source>Noti&amp;zen</source>
        <translation>N&amp;otes</translation>
    </message>
    <message>
        <source>Allgemeine Informationen</source>
        <translation>General information</translation>
    </message>
</context>
<context>
    <name>kw::CCountryLeagueSystemPage</name>
    <message>
        <source>Spielklassen und Ligen</source>
        <translation>Levels and leagues</translation>
    </message>
</context>
<context>
    <name>kw::CCountryLookPage</name>
    <message>
        <source>Aussehen Jugendspieler</source>
        <translation>Youth player appearance</translation>
    </message>
    <message>
        <source>G&amp;esicht</source>
        <translation>&amp;Face</translation>
    </message>
    <message>
        <source>&amp;Haarschnitt</source>
        <translation>H&amp;aircut</translation>
    </message>
    <message>
        <source>Haar&amp;farbe</source>
        <translation>Hair co&amp;lour</translation>
    </message>
    <message>
        <source>&amp;Bart</source>
        <translation>&amp;Beard</translation>
    </message>
    <message>
        <source>Durchschnittswerte</source>
        <translation>Averages</translation>
    </message>
    <message>
        <source>Durchschnittsgröße</source>
        <translation>Average height</translation>
    </message>
    <message>
        <source>Durchschnitts&amp;größe</source>
        <translation>Average &amp;height</translation>
    </message>
    <message>
        <source>Durchschnittsgewicht</source>
        <translation>Average weight</translation>
    </message>
    <message>
        <source>Durchschnittsge&amp;wicht</source>
        <translation>Average &amp;weight</translation>
    </message>
    <message>
        <source>Spieler Aussehen</source>
        <translation>Player appearance</translation>
    </message>
</context>
<context>
    <name>kw::CCountryManagersPage</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Funktion</source>
        <translation>Role</translation>
    </message>
    <message>
        <source>Neuer &amp;Trainer</source>
        <translation>New &amp;coach</translation>
    </message>
    <message>
        <source>Neuer &amp;Mitarbeiter</source>
        <translation>New &amp;staff member</translation>
    </message>
    <message>
        <source>Trainer- und Mitarbeiterliste</source>
        <translation>Coach and staff list</translation>
    </message>
    <message>
        <source>Neuer Trainer oder Mitarbeiter</source>
        <translation>New coach or staff member</translation>
    </message>
    <message>
        <source>Trainer oder Mitarbeiter ändern</source>
        <translation>Edit coach or staff member</translation>
    </message>
    <message>
        <source>Trainer oder Mitarbeiter löschen</source>
        <translation>Delete coach or staff member</translation>
    </message>
</context>
<context>
    <name>kw::CCountryPersonListPage</name>
    <message>
        <source>&amp;Neu</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Ä&amp;ndern</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Löschen</source>
        <translation>De&amp;lete</translation>
    </message>
</context>
<context>
    <name>kw::CCountryRecordList</name>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>kw::CCountryRefereesPage</name>
    <message>
        <source>Schiedsrichterliste</source>
        <translation>Referee list</translation>
    </message>
</context>
<context>
    <name>kw::CCountryStadiumsPage</name>
    <message>
        <source>Stadienliste</source>
        <translation>Stadium list</translation>
    </message>
</context>
<context>
    <name>kw::CCountryYouthPage</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Nationalität</source>
        <translation>Nationality</translation>
    </message>
    <message>
        <source>Fähigkeit</source>
        <translation>Ability</translation>
    </message>
    <message>
        <source>Mannschaftsteil</source>
        <translation>Position group</translation>
    </message>
    <message>
        <source>Bevorzugter Verein</source>
        <translation>Preferred club</translation>
    </message>
    <message>
        <source>Jugendspielerliste</source>
        <translation>Youth player list</translation>
    </message>
    <message>
        <source>Neuer Jugendspieler</source>
        <translation>New youth player</translation>
    </message>
    <message>
        <source>Jugendspieler ändern</source>
        <translation>Edit youth player</translation>
    </message>
    <message>
        <source>Jugendspieler löschen</source>
        <translation>Delete youth player</translation>
    </message>
</context>
<context>
    <name>kw::CDlg5Year</name>
    <message>
        <source>Land</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>Letztes Jahr</source>
        <translation>Last year</translation>
    </message>
    <message>
        <source>-2 Jhr.</source>
        <translation>-2 yrs</translation>
    </message>
    <message>
        <source>-3 Jhr.</source>
        <translation>-3 yrs</translation>
    </message>
    <message>
        <source>-4 Jhr.</source>
        <translation>-4 yrs</translation>
    </message>
    <message>
        <source>-5 Jhr.</source>
        <translation>-5 yrs</translation>
    </message>
    <message>
        <source>-6 Jhr.</source>
        <translation>-6 yrs</translation>
    </message>
    <message>
        <source>Punkte 1. Saison</source>
        <translation>Points 1st season</translation>
    </message>
    <message>
        <source>Ä&amp;ndern</source>
        <translation>&amp;Change</translation>
    </message>
    <message>
        <source>5-Jahres-Wertung</source>
        <translation>5-year ranking</translation>
    </message>
    <message>
        <source>Rangliste</source>
        <translation>Ranking</translation>
    </message>
</context>
<context>
    <name>kw::CDlg5YearChange</name>
    <message>
        <source>&amp;Letztes Jahr</source>
        <translation>&amp;Last year</translation>
    </message>
    <message>
        <source>-&amp;2 Jhr.</source>
        <translation>-&amp;2 yrs</translation>
    </message>
    <message>
        <source>-&amp;3 Jhr.</source>
        <translation>-&amp;3 yrs</translation>
    </message>
    <message>
        <source>-&amp;4 Jhr.</source>
        <translation>-&amp;4 yrs</translation>
    </message>
    <message>
        <source>-&amp;5 Jhr.</source>
        <translation>-&amp;5 yrs</translation>
    </message>
    <message>
        <source>-&amp;6 Jhr.</source>
        <translation>-&amp;6 yrs</translation>
    </message>
    <message>
        <source>5-Jahres-Wertung ändern</source>
        <translation>Change 5-year ranking</translation>
    </message>
    <message>
        <source>%1 (Regler)</source>
        <translation>%1 (slider)</translation>
    </message>
    <message>
        <source>Punkte für 1. Saison</source>
        <translation>Points for 1st season</translation>
    </message>
</context>
<context>
    <name>kw::CDlgCalendar</name>
    <message>
        <source>Die folgenden Fehler sind aufgetreten!</source>
        <translation>The following errors have occurred!</translation>
    </message>
    <message>
        <source>Rahmenterminkalender</source>
        <translation>Fixture calendar</translation>
    </message>
    <message>
        <source>Kickwerk 06 - Rahmenterminkalender</source>
        <translation>Kickwerk 06 - Fixture calendar</translation>
    </message>
    <message>
        <source>Saison</source>
        <translation>Season</translation>
    </message>
    <message>
        <source>Spieltag nur für eine Liga</source>
        <translation>Matchday for one league only</translation>
    </message>
    <message>
        <source>Spieltag für alle Ligen</source>
        <translation>Matchday for all leagues</translation>
    </message>
    <message>
        <source>Spieltag für gleiche Ligen</source>
        <translation>Matchday for leagues of the same level</translation>
    </message>
    <message>
        <source>Vergleich mit Liga</source>
        <translation>Compare with league</translation>
    </message>
    <message>
        <source>Kalender</source>
        <translation>Calendar</translation>
    </message>
    <message>
        <source>&amp;Prüfen</source>
        <translation>&amp;Check</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Int. Wettb.</source>
        <translation>Int. comp.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>country: its first league</comment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>kw::CDlgChairman</name>
    <message>
        <source>&amp;Stabilität des Präsidiums</source>
        <translation>Board &amp;stability</translation>
    </message>
    <message>
        <source>Vorstand</source>
        <translation>Board</translation>
    </message>
</context>
<context>
    <name>kw::CDlgChangePackagePreview</name>
    <message>
        <source>Wird übernommen</source>
        <translation>Will be applied</translation>
    </message>
    <message>
        <source>Bereits übernommen</source>
        <translation>Already applied</translation>
    </message>
    <message>
        <source>Konflikt</source>
        <translation>Conflict</translation>
    </message>
    <message>
        <source>Nicht unterstützt</source>
        <translation>Not supported</translation>
    </message>
    <message>
        <source>%1: %2 Änderungen (%3)</source>
        <translation>%1: %2 changes (%3)</translation>
    </message>
    <message>
        <source>Ein angekreuzter Konflikt wird mit dem Wert des Pakets übernommen; die übrigen Konflikte bleiben, wie die Datenbank sie hat.</source>
        <translation>A ticked conflict takes the package&apos;s value; the other conflicts stay as the database has them.</translation>
    </message>
    <message>
        <source>Es gibt nichts zu übernehmen: OK schließt, ohne etwas zu ändern.</source>
        <translation>There is nothing to apply: OK closes without changing anything.</translation>
    </message>
    <message>
        <source>Änderungspaket anwenden</source>
        <translation>Apply change package</translation>
    </message>
    <message>
        <source>Ä&amp;nderungen</source>
        <translation>Cha&amp;nges</translation>
    </message>
    <message>
        <source>Änderungen</source>
        <translation>Changes</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Änderung</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Grund</source>
        <translation>Reason</translation>
    </message>
</context>
<context>
    <name>kw::CDlgChangePackageSource</name>
    <message>
        <source>Änderungspaket erstellen</source>
        <translation>Create change package</translation>
    </message>
    <message>
        <source>Das Paket enthält, was die aktuelle Datenbank gegenüber der gewählten geändert hat. Auf die gewählte Datenbank (oder eine Kopie von ihr) angewendet, macht es aus ihr die aktuelle.</source>
        <translation>The package holds what the current database has changed compared with the chosen one. Applied to the chosen database (or a copy of it), it turns that database into the current one.</translation>
    </message>
    <message>
        <source>Aktuelle Datenbank (neu):</source>
        <translation>Current database (new):</translation>
    </message>
    <message>
        <source>&amp;Ausgangsdatenbank (alt):</source>
        <translation>&amp;Base database (old):</translation>
    </message>
</context>
<context>
    <name>kw::CDlgClub</name>
    <message>
        <source>Artikel des Kurznamens: %1</source>
        <translation>Article of the short name: %1</translation>
    </message>
    <message>
        <source>Artikel der Fans: %1</source>
        <translation>Article of the fans&apos; name: %1</translation>
    </message>
    <message>
        <source>Artikel der 2. Bezeichnung: %1</source>
        <translation>Article of the 2nd fans&apos; name: %1</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>General</translation>
    </message>
    <message>
        <source>&amp;Name des Vereins</source>
        <translation>Club &amp;name</translation>
    </message>
    <message>
        <source>A&amp;bkürzung</source>
        <translation>A&amp;bbreviation</translation>
    </message>
    <message>
        <source>&amp;Kurzname</source>
        <translation>&amp;Short name</translation>
    </message>
    <message>
        <source>Im &amp;Satz</source>
        <translation>In a sent&amp;ence</translation>
    </message>
    <message>
        <source>&amp;Ort</source>
        <translation>&amp;City</translation>
    </message>
    <message>
        <source>Bezeichnung der &amp;Fans</source>
        <translation>&amp;Fans&apos; name</translation>
    </message>
    <message>
        <source>&amp;2. Bezeichnung</source>
        <translation>&amp;2nd fans&apos; name</translation>
    </message>
    <message>
        <source>&amp;Maskottchen</source>
        <translation>Masc&amp;ot</translation>
    </message>
    <message>
        <source>S&amp;prache</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>Anschrift + Lokale Presse</source>
        <translation>Address + local press</translation>
    </message>
    <message>
        <source>A&amp;dresse</source>
        <translation>A&amp;ddress</translation>
    </message>
    <message>
        <source>&amp;Telefonnummer</source>
        <translation>Tele&amp;phone number</translation>
    </message>
    <message>
        <source>&amp;Website/E-Mail</source>
        <translation>&amp;Website/e-mail</translation>
    </message>
    <message>
        <source>F&amp;ansites</source>
        <translation>Fan s&amp;ites</translation>
    </message>
    <message>
        <source>&amp;Lokale Zeitung</source>
        <translation>Local newspape&amp;r</translation>
    </message>
    <message>
        <source>Zuschauerinteresse (ohne Begrenzung durch Stadiongröße)</source>
        <translation>Spectator interest (not limited by stadium size)</translation>
    </message>
    <message>
        <source>Wichtigstes Spiel (10 Jahre, gleiche Liga)</source>
        <translation>Biggest match (10 years, same league)</translation>
    </message>
    <message>
        <source>Durchschnitt letzte Saison</source>
        <translation>Average last season</translation>
    </message>
    <message>
        <source>Dauerkarten letzte Saison</source>
        <translation>Season tickets last season</translation>
    </message>
    <message>
        <source>Rivalen</source>
        <translation>Rivals</translation>
    </message>
    <message>
        <source>Fanfreunds&amp;chaft mit</source>
        <translation>Supporters&apos; friends&amp;hip with</translation>
    </message>
    <message>
        <source>&amp;Erzrivalen</source>
        <translation>&amp;Arch-rivals</translation>
    </message>
    <message>
        <source>Erzrivale %1</source>
        <translation>Arch-rival %1</translation>
    </message>
    <message>
        <source>Verein</source>
        <translation>Club</translation>
    </message>
    <message>
        <source>&amp;Gründungsjahr</source>
        <translation>&amp;Year founded</translation>
    </message>
    <message>
        <source>Vereinsprestige</source>
        <translation>Club prestige</translation>
    </message>
    <message>
        <source>Vereinsprestige %1</source>
        <translation>Club prestige %1</translation>
    </message>
    <message>
        <source>Anfangs&amp;vermögen</source>
        <translation>Starting &amp;money</translation>
    </message>
    <message>
        <source>Akt&amp;iengesellschaft</source>
        <translation>P&amp;ublic limited company</translation>
    </message>
    <message>
        <source>Punktabzug bei Spielstart</source>
        <translation>Points deduction at the start</translation>
    </message>
    <message>
        <source>Punktabzug %1</source>
        <translation>Points deduction %1</translation>
    </message>
    <message>
        <source>Spielt nicht im I&amp;T Cup</source>
        <translation>Does not play in the I&amp;T Cup</translation>
    </message>
    <message>
        <source>Mannschaften</source>
        <translation>Teams</translation>
    </message>
    <message>
        <source>Spieler</source>
        <translation>Players</translation>
    </message>
    <message>
        <source>Ø - Stärke</source>
        <translation>Avg. strength</translation>
    </message>
    <message>
        <source>1. Mannschaft</source>
        <translation>First team</translation>
    </message>
    <message>
        <source>2. Mannschaft</source>
        <translation>Reserve team</translation>
    </message>
    <message>
        <source>Im Satz %1: %2</source>
        <translation>In a sentence %1: %2</translation>
    </message>
</context>
<context>
    <name>kw::CDlgClubBadge</name>
    <message>
        <source>Wappen &amp;auswählen</source>
        <translation>Choose &amp;badge</translation>
    </message>
    <message>
        <source>Wappen</source>
        <translation>Badge</translation>
    </message>
    <message>
        <source>Aktuelle Datei:</source>
        <translation>Current file:</translation>
    </message>
    <message>
        <source>Farben</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>&amp;Vereinsfarbe</source>
        <translation>&amp;Club colour</translation>
    </message>
    <message>
        <source>&amp;Fanartikelfarbe</source>
        <translation>&amp;Merchandise colour</translation>
    </message>
</context>
<context>
    <name>kw::CDlgClubBadgeManage</name>
    <message>
        <source>Vereinswappen auswählen</source>
        <translation>Select club badge</translation>
    </message>
    <message>
        <source>Wappen</source>
        <translation>Badges</translation>
    </message>
    <message>
        <source>Wappendatei</source>
        <translation>Badge file</translation>
    </message>
    <message>
        <source>&amp;Land</source>
        <translation>&amp;Country</translation>
    </message>
</context>
<context>
    <name>kw::CDlgClubHist</name>
    <message>
        <source>Statistiken 1.Liga</source>
        <translation>Top-division statistics</translation>
    </message>
    <message>
        <source>&amp;Punkte</source>
        <translation>&amp;Points</translation>
    </message>
    <message>
        <source>Spi&amp;ele</source>
        <translation>Matc&amp;hes</translation>
    </message>
    <message>
        <source>&amp;Tore</source>
        <translation>&amp;Goals</translation>
    </message>
    <message>
        <source>&amp;Gegentore</source>
        <translation>Goals co&amp;nceded</translation>
    </message>
    <message>
        <source>Tabellenf&amp;ührungen</source>
        <translation>Times &amp;top of the table</translation>
    </message>
    <message>
        <source>Erfolge</source>
        <translation>Honours</translation>
    </message>
    <message>
        <source>&amp;Meisterschaften (Format: &quot;1950,1951&quot;)</source>
        <translation>Champion&amp;ships (format: &quot;1950,1951&quot;)</translation>
    </message>
    <message>
        <source>P&amp;okalsiege (Format: &quot;1950,1951&quot;)</source>
        <translation>&amp;Cup wins (format: &quot;1950,1951&quot;)</translation>
    </message>
    <message>
        <source>&amp;Supercupsiege (Format: &quot;1950,1951&quot;)</source>
        <translation>S&amp;uper Cup wins (format: &quot;1950,1951&quot;)</translation>
    </message>
    <message>
        <source>&amp;Ligapokalsiege (Format: &quot;1950,1951&quot;)</source>
        <translation>&amp;League Cup wins (format: &quot;1950,1951&quot;)</translation>
    </message>
    <message>
        <source>Europapokalsiege (Format: &quot;1950,1951&quot;)</source>
        <translation>European Cup wins (format: &quot;1950,1951&quot;)</translation>
    </message>
    <message>
        <source>Landesmeisterpokalsiege (Format: &quot;1950,1951&quot;)</source>
        <translation>Champions&apos; Cup wins (format: &quot;1950,1951&quot;)</translation>
    </message>
    <message>
        <source>Weltpokalsiege (Format: &quot;1950,1951&quot;)</source>
        <translation>Intercontinental Cup wins (format: &quot;1950,1951&quot;)</translation>
    </message>
    <message>
        <source>Klub-Weltmeisterschaften (Format: &quot;1950,1951&quot;)</source>
        <translation>Club World Championships (format: &quot;1950,1951&quot;)</translation>
    </message>
    <message>
        <source>Rekordresultate</source>
        <translation>Record results</translation>
    </message>
    <message>
        <source>Rekord-Heimsieg</source>
        <translation>Record home win</translation>
    </message>
    <message>
        <source>Rekord-Heimniederlage</source>
        <translation>Record home defeat</translation>
    </message>
    <message>
        <source>Rekord-Auswärtssieg</source>
        <translation>Record away win</translation>
    </message>
    <message>
        <source>Rekord-Auswärtsniederlage</source>
        <translation>Record away defeat</translation>
    </message>
    <message>
        <source>Zuschauerrekord</source>
        <translation>Record attendance</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>gegen</source>
        <translation>against</translation>
    </message>
    <message>
        <source>Saison</source>
        <translation>Season</translation>
    </message>
    <message>
        <source>%1: Ergebnis</source>
        <translation>%1: result</translation>
    </message>
    <message>
        <source>%1: Gegner</source>
        <translation>%1: opponent</translation>
    </message>
    <message>
        <source>%1: Saison</source>
        <translation>%1: season</translation>
    </message>
</context>
<context>
    <name>kw::CDlgClubParent</name>
    <message>
        <source>Kickwerk 06 - Verein - %1</source>
        <translation>Kickwerk 06 - Club - %1</translation>
    </message>
    <message>
        <source>Verein bearbeiten</source>
        <translation>Edit club</translation>
    </message>
</context>
<context>
    <name>kw::CDlgClubShirts</name>
    <message>
        <source>&amp;Trikot</source>
        <translation>&amp;Shirt</translation>
    </message>
    <message>
        <source>&amp;Hose</source>
        <translation>S&amp;horts</translation>
    </message>
    <message>
        <source>&amp;Stutzen</source>
        <translation>Soc&amp;ks</translation>
    </message>
    <message>
        <source>Tri&amp;kot</source>
        <translation>Sh&amp;irt</translation>
    </message>
    <message>
        <source>Hos&amp;e</source>
        <translation>Shor&amp;ts</translation>
    </message>
    <message>
        <source>Stut&amp;zen</source>
        <translation>So&amp;cks</translation>
    </message>
    <message>
        <source>Trikot</source>
        <extracomment>Part of a kit, within an accessible name such as &quot;Home kit, shirt: colour&quot;</extracomment>
        <translation>shirt</translation>
    </message>
    <message>
        <source>Hose</source>
        <extracomment>Part of a kit, within an accessible name such as &quot;Home kit, shorts: colour&quot;</extracomment>
        <translation>shorts</translation>
    </message>
    <message>
        <source>Stutzen</source>
        <extracomment>Part of a kit, within an accessible name such as &quot;Home kit, socks: colour&quot;</extracomment>
        <translation>socks</translation>
    </message>
    <message>
        <source>Keine Vorschau</source>
        <translation>No preview</translation>
    </message>
    <message>
        <source>&amp;Originaltrikot</source>
        <translation>&amp;Original kit</translation>
    </message>
    <message>
        <source>Heimtrikot</source>
        <translation>Home kit</translation>
    </message>
    <message>
        <source>Auswärtstrikot</source>
        <translation>Away kit</translation>
    </message>
    <message>
        <source>%1, %2: Muster</source>
        <translation>%1, %2: design</translation>
    </message>
    <message>
        <source>%1, %2: Musternummer</source>
        <translation>%1, %2: design number</translation>
    </message>
    <message>
        <source>Besatzfarbe</source>
        <translation>Trim colour</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>%1, %2: Besatzfarbe</source>
        <translation>%1, %2: trim colour</translation>
    </message>
    <message>
        <source>%1, %2: Farbe</source>
        <translation>%1, %2: colour</translation>
    </message>
    <message>
        <source>Vorschau</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Heim</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Original Heim</source>
        <translation>Original home</translation>
    </message>
    <message>
        <source>Original Auswärts</source>
        <translation>Original away</translation>
    </message>
    <message>
        <source>Auswärts</source>
        <translation>Away</translation>
    </message>
</context>
<context>
    <name>kw::CDlgClubShirtsColor</name>
    <message>
        <source>Trikot Farbauswahl</source>
        <translation>Kit colour selection</translation>
    </message>
    <message>
        <source>Gr&amp;undfarben</source>
        <translation>Basic &amp;colours</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>&amp;Rot:</source>
        <translation>&amp;Red:</translation>
    </message>
    <message>
        <source>&amp;Grün:</source>
        <translation>&amp;Green:</translation>
    </message>
    <message>
        <source>&amp;Blau:</source>
        <translation>&amp;Blue:</translation>
    </message>
</context>
<context>
    <name>kw::CDlgClubStadium</name>
    <message>
        <source>&amp;grosse Haupttribüne</source>
        <translation>Bi&amp;g main stand</translation>
    </message>
    <message>
        <source>Nationalteamstadium</source>
        <translation>National team stadium</translation>
    </message>
    <message>
        <source>&amp;Wähle Datei</source>
        <translation>&amp;Choose file</translation>
    </message>
    <message>
        <source>Nord</source>
        <translation>North</translation>
    </message>
    <message>
        <source>Süd</source>
        <translation>South</translation>
    </message>
    <message>
        <source>Ost</source>
        <translation>East</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>Stadion</source>
        <translation>Stadium</translation>
    </message>
    <message>
        <source>Stadion&amp;name</source>
        <translation>Stadium &amp;name</translation>
    </message>
    <message>
        <source>Stadion&amp;kapazität</source>
        <translation>Stadium ca&amp;pacity</translation>
    </message>
    <message>
        <source>Stadion&amp;typ</source>
        <translation>Stadium &amp;type</translation>
    </message>
    <message>
        <source>Spiel&amp;ort</source>
        <translation>Ven&amp;ue</translation>
    </message>
    <message>
        <source>Umgebung</source>
        <translation>Surroundings</translation>
    </message>
    <message>
        <source>Transfers</source>
        <translation>Transfers</translation>
    </message>
    <message>
        <source>J&amp;ugendspieler kommen aus...</source>
        <translation>&amp;Youth players come from...</translation>
    </message>
    <message>
        <source>Dieser Verein verpflichtet besonders gerne Spieler aus den folgenden Ländern</source>
        <translation>This club particularly likes to sign players from the following countries</translation>
    </message>
    <message>
        <source>&amp;1.</source>
        <translation>&amp;1.</translation>
    </message>
    <message>
        <source>&amp;2.</source>
        <translation>&amp;2.</translation>
    </message>
    <message>
        <source>Bevorzugtes Land 1</source>
        <translation>Preferred country 1</translation>
    </message>
    <message>
        <source>Bevorzugtes Land 2</source>
        <translation>Preferred country 2</translation>
    </message>
    <message>
        <source>Breitengrade / Längengrade</source>
        <translation>Latitude / longitude</translation>
    </message>
    <message>
        <source>Breite: Grad</source>
        <translation>Latitude: degrees</translation>
    </message>
    <message>
        <source>Breite: Minuten</source>
        <translation>Latitude: minutes</translation>
    </message>
    <message>
        <source>Länge: Grad</source>
        <translation>Longitude: degrees</translation>
    </message>
    <message>
        <source>Länge: Minuten</source>
        <translation>Longitude: minutes</translation>
    </message>
    <message>
        <source>&amp;Breite</source>
        <translation>L&amp;atitude</translation>
    </message>
    <message>
        <source>&amp;Länge</source>
        <translation>L&amp;ongitude</translation>
    </message>
    <message>
        <source>Stadtgrafik</source>
        <translation>City picture</translation>
    </message>
</context>
<context>
    <name>kw::CDlgCountry</name>
    <message>
        <source>Nat&amp;ionaltrainer...</source>
        <translation>National &amp;coach...</translation>
    </message>
    <message>
        <source>Sta&amp;dien...</source>
        <translation>Sta&amp;diums...</translation>
    </message>
</context>
<context>
    <name>kw::CDlgCsvExport</name>
    <message>
        <source>CSV exportieren</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>Datensätze</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>&amp;Spieler</source>
        <translation>&amp;Players</translation>
    </message>
    <message>
        <source>&amp;Personal</source>
        <translation>&amp;Staff</translation>
    </message>
    <message>
        <source>V&amp;ereine</source>
        <translation>&amp;Clubs</translation>
    </message>
    <message>
        <source>Umfang</source>
        <translation>Scope</translation>
    </message>
    <message>
        <source>Ausgewählter &amp;Verein: %1</source>
        <translation>Selected cl&amp;ub: %1</translation>
    </message>
    <message>
        <source>Ausgewählter &amp;Verein</source>
        <translation>Selected cl&amp;ub</translation>
    </message>
    <message>
        <source>Ausgewähltes &amp;Land: %1</source>
        <translation>Selected c&amp;ountry: %1</translation>
    </message>
    <message>
        <source>Ganze &amp;Datenbank</source>
        <translation>&amp;Whole database</translation>
    </message>
</context>
<context>
    <name>kw::CDlgCsvImportPreview</name>
    <message>
        <source>CSV importieren</source>
        <translation>Import CSV</translation>
    </message>
    <message>
        <source>%1: %2 Zeilen gelesen, %3 Änderungen in %4 Datensätzen, %5 Zeilen abgelehnt.</source>
        <translation>%1: %2 lines read, %3 changes in %4 records, %5 lines rejected.</translation>
    </message>
    <message>
        <source>Ä&amp;nderungen</source>
        <translation>Cha&amp;nges</translation>
    </message>
    <message>
        <source>Zeile</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Datensatz</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Old</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>New</translation>
    </message>
    <message>
        <source>A&amp;bgelehnte Zeilen</source>
        <translation>&amp;Rejected lines</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Grund</source>
        <translation>Reason</translation>
    </message>
    <message>
        <source>Spalte und Wert</source>
        <translation>Column and value</translation>
    </message>
    <message>
        <source>&amp;Übernehmen</source>
        <translation>&amp;Apply</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>kw::CDlgDatabaseCopy</name>
    <message>
        <source>Linke Datenbank</source>
        <translation>Left database</translation>
    </message>
    <message>
        <source>Inhalt der linken Datenbank</source>
        <translation>Contents of the left database</translation>
    </message>
    <message>
        <source>Rechte Datenbank</source>
        <translation>Right database</translation>
    </message>
    <message>
        <source>Inhalt der rechten Datenbank</source>
        <translation>Contents of the right database</translation>
    </message>
</context>
<context>
    <name>kw::CDlgDatabaseDiff</name>
    <message>
        <source>Land</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>Vereine</source>
        <translation>Clubs</translation>
    </message>
    <message>
        <source>Personen</source>
        <translation>People</translation>
    </message>
    <message>
        <source>Wettbewerbe</source>
        <translation>Competitions</translation>
    </message>
    <message>
        <source>Schiedsrichter</source>
        <translation>Referees</translation>
    </message>
    <message>
        <source>Stadien</source>
        <translation>Stadiums</translation>
    </message>
    <message>
        <source>Regeln</source>
        <translation>Rules</translation>
    </message>
    <message>
        <source>neu</source>
        <translation>new</translation>
    </message>
    <message>
        <source>entfernt</source>
        <translation>removed</translation>
    </message>
    <message>
        <source>geändert</source>
        <translation>changed</translation>
    </message>
    <message>
        <source>Datenbanken vergleichen</source>
        <translation>Compare databases</translation>
    </message>
    <message>
        <source>Aktuelle Datenbank:</source>
        <translation>Current database:</translation>
    </message>
    <message>
        <source>&amp;Vergleichen mit:</source>
        <translation>&amp;Compare with:</translation>
    </message>
    <message>
        <source>Unterschiede (alt → neu)</source>
        <translation>Differences (old → new)</translation>
    </message>
    <message>
        <source>Unterschiede</source>
        <translation>Differences</translation>
    </message>
    <message>
        <source>Schl&amp;ießen</source>
        <translation>C&amp;lose</translation>
    </message>
    <message>
        <source>Spieler ohne Verein und Regeln</source>
        <translation>Players without a club, and rules</translation>
    </message>
    <message>
        <source>Die Datenbanken sind gleich.</source>
        <translation>The databases are identical.</translation>
    </message>
    <message>
        <source>1 Eintrag unterscheidet sich.</source>
        <translation>1 entry differs.</translation>
    </message>
    <message>
        <source>%1 Einträge unterscheiden sich.</source>
        <translation>%1 entries differ.</translation>
    </message>
</context>
<context>
    <name>kw::CDlgDatabaseFolder</name>
    <message>
        <source>Datenbank löschen</source>
        <translation>Delete database</translation>
    </message>
    <message>
        <source>Datenbanken</source>
        <translation>Databases</translation>
    </message>
    <message>
        <source>Kommentar der gewählten Datenbank</source>
        <translation>Selected database&apos;s comment</translation>
    </message>
</context>
<context>
    <name>kw::CDlgFastTransfer</name>
    <message>
        <source>Transfer durchführen</source>
        <translation>Carry out transfer</translation>
    </message>
    <message>
        <source>Kickwerk 06 - Schnelle Transfers</source>
        <translation>Kickwerk 06 - Quick transfers</translation>
    </message>
    <message>
        <source>Spieler</source>
        <translation>Players</translation>
    </message>
    <message>
        <source>Spieler (Verein)</source>
        <translation>Player (club)</translation>
    </message>
    <message>
        <source>Pos.</source>
        <translation>Pos.</translation>
    </message>
    <message>
        <source>Land</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>Rückennummer</source>
        <translation>Shirt number</translation>
    </message>
    <message>
        <source>Bisher</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>Verfügbar</source>
        <translation>Available</translation>
    </message>
    <message>
        <source>Neues Land</source>
        <translation>New country</translation>
    </message>
    <message>
        <source>Neuer Verein</source>
        <translation>New club</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>kw::CDlgFixturelist</name>
    <message>
        <source>Kickwerk 06 - Spielplan</source>
        <translation>Kickwerk 06 - Fixture list</translation>
    </message>
    <message>
        <source>&amp;Spieltag:</source>
        <translation>&amp;Matchday:</translation>
    </message>
    <message>
        <source>Spieltag komplett löschen</source>
        <translation>Clear entire matchday</translation>
    </message>
    <message>
        <source>Alle Spieltage löschen</source>
        <translation>Clear all matchdays</translation>
    </message>
    <message>
        <source>Vom Computer generierter Spielplan</source>
        <translation>Computer-generated fixture list</translation>
    </message>
    <message>
        <source>Rückrunde wie Hinrunde</source>
        <translation>Second half mirrors first half</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Spielpaarungen</source>
        <translation>Pairings</translation>
    </message>
    <message>
        <source>Vereine</source>
        <translation>Clubs</translation>
    </message>
    <message>
        <source>Ligen</source>
        <translation>Leagues</translation>
    </message>
</context>
<context>
    <name>kw::CDlgFurtherManager</name>
    <message>
        <source>Trainer</source>
        <translation>Coach</translation>
    </message>
    <message>
        <source>&amp;Vorname</source>
        <translation>&amp;First name</translation>
    </message>
    <message>
        <source>Na&amp;me</source>
        <translation>&amp;Surname</translation>
    </message>
    <message>
        <source>&amp;Spitzname</source>
        <translation>Nic&amp;kname</translation>
    </message>
    <message>
        <source>Nat&amp;ionalität</source>
        <translation>Nationalit&amp;y</translation>
    </message>
</context>
<context>
    <name>kw::CDlgInterfaceLanguage</name>
    <message>
        <source>Wie das &amp;System</source>
        <translation>Follow the &amp;system</translation>
    </message>
    <message>
        <source>Sprache der Oberfläche</source>
        <translation>Interface language</translation>
    </message>
    <message>
        <source>Sprache der Fenster</source>
        <translation>Language of the windows</translation>
    </message>
    <message>
        <source>Die gewählte Sprache gilt ab dem nächsten Start des Editors. Die Sprache der Namen in der Datenbank wählen Sie im Hauptfenster.</source>
        <translation>The chosen language takes effect the next time the editor starts. The language of the names in the database is chosen in the main window.</translation>
    </message>
    <message>
        <source>Sprache der &amp;Oberfläche (ab Neustart)...</source>
        <translation>&amp;Interface language (after restart)...</translation>
    </message>
</context>
<context>
    <name>kw::CDlgInternationalCompetition</name>
    <message>
        <source>Auswählen</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>%1 auswählen</source>
        <translation>Select %1</translation>
    </message>
    <message>
        <source>Kontinentale Einstellungen</source>
        <translation>Continental settings</translation>
    </message>
    <message>
        <source>Kontinente</source>
        <translation>Continents</translation>
    </message>
    <message>
        <source>&amp;5-Jahres-Wertung</source>
        <translation>&amp;5-year ranking</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>%1: Name</source>
        <translation>%1: name</translation>
    </message>
</context>
<context>
    <name>kw::CDlgLeagueComposition</name>
    <message>
        <source>Verein</source>
        <translation>Club</translation>
    </message>
    <message>
        <source>Auf-/Abgestiegen</source>
        <translation>Promoted/relegated</translation>
    </message>
    <message>
        <source>Pokalerfolg</source>
        <translation>Cup success</translation>
    </message>
    <message>
        <source>Ligazusammensetzung</source>
        <translation>League composition</translation>
    </message>
    <message>
        <source>Kickwerk 06 - Ligazusammensetzung</source>
        <translation>Kickwerk 06 - League composition</translation>
    </message>
    <message>
        <source>Ligen</source>
        <translation>Leagues</translation>
    </message>
    <message>
        <source>Liga komplett löschen</source>
        <translation>Clear entire league</translation>
    </message>
    <message>
        <source>Alle Ligen komplett löschen</source>
        <translation>Clear all leagues entirely</translation>
    </message>
    <message>
        <source>Vereine der Liga</source>
        <translation>Clubs in the league</translation>
    </message>
    <message>
        <source>Vereine ohne Liga</source>
        <translation>Clubs without a league</translation>
    </message>
    <message>
        <source>Reservevereine ausblenden</source>
        <translation>Hide reserve teams</translation>
    </message>
    <message>
        <source>Pokalsieger</source>
        <translation>Cup winner</translation>
    </message>
    <message>
        <source>Pokalfinalist</source>
        <translation>Cup finalist</translation>
    </message>
    <message>
        <source>Nichts</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Aufsteiger</source>
        <translation>Promoted</translation>
    </message>
    <message>
        <source>Absteiger</source>
        <translation>Relegated</translation>
    </message>
    <message>
        <source>Die folgenden Fehler sind aufgetreten!</source>
        <translation>The following errors have occurred!</translation>
    </message>
</context>
<context>
    <name>kw::CDlgLeagueData</name>
    <message>
        <source>Arbeitslose einheimische Spieler können jederzeit verpflichtet werden</source>
        <translation>Domestic players without a club can be signed at any time</translation>
    </message>
    <message>
        <source>Arbeitslose ausländische Spieler können jederzeit verpflichtet werden</source>
        <translation>Foreign players without a club can be signed at any time</translation>
    </message>
    <message>
        <source>Verliehene Spieler können jederzeit zurückgeholt werden</source>
        <translation>Players out on loan can be recalled at any time</translation>
    </message>
    <message>
        <source>Bonuszahlung für 1. Platz</source>
        <translation>Bonus for 1st place</translation>
    </message>
    <message>
        <source>Abzug für jeden Platz tiefer</source>
        <translation>Deduction for each place lower</translation>
    </message>
    <message>
        <source>Fernsehgelder</source>
        <translation>TV money</translation>
    </message>
    <message>
        <source>Ligadaten</source>
        <translation>League data</translation>
    </message>
    <message>
        <source>%1 Runden</source>
        <translation>%1 rounds</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>Ligengröße</source>
        <translation>League size</translation>
    </message>
    <message>
        <source>Runden</source>
        <translation>Rounds</translation>
    </message>
    <message>
        <source>Zuschauermultiplikator</source>
        <translation>Spectator multiplier</translation>
    </message>
    <message>
        <source>Transfermarkt Multiplikator</source>
        <translation>Transfer market multiplier</translation>
    </message>
    <message>
        <source>Anzahl erlaubter Auswechslungen</source>
        <translation>Substitutions allowed</translation>
    </message>
    <message>
        <source>Liga</source>
        <translation>League</translation>
    </message>
    <message>
        <source>Leihgeschäfte</source>
        <translation>Loans</translation>
    </message>
    <message>
        <source>Sämtliche Geldbeträge sind in Euro!</source>
        <translation>All amounts are in euros!</translation>
    </message>
    <message>
        <source>Geldbeträge</source>
        <translation>Amounts</translation>
    </message>
    <message>
        <source>normal</source>
        <comment>tie-break</comment>
        <translation>normal</translation>
    </message>
    <message>
        <source>Tore vor Tordifferenz</source>
        <translation>Goals scored before goal difference</translation>
    </message>
    <message>
        <source>unbegrenzt</source>
        <translation>unlimited</translation>
    </message>
    <message numerus="yes">
        <source>%n nicht europäische Spieler</source>
        <translation>
            <numerusform>%n non-European player</numerusform>
            <numerusform>%n non-European players</numerusform>
        </translation>
    </message>
    <message>
        <source>keine Absteiger</source>
        <translation>no relegation</translation>
    </message>
    <message numerus="yes">
        <source>%n Absteiger</source>
        <translation>
            <numerusform>%n team relegated</numerusform>
            <numerusform>%n teams relegated</numerusform>
        </translation>
    </message>
    <message>
        <source>Reservemannschaften erlaubt</source>
        <translation>Reserve teams allowed</translation>
    </message>
    <message>
        <source>Tabellenwertung</source>
        <translation>Tie-break</translation>
    </message>
    <message>
        <source>Ausländerbeschränkung</source>
        <translation>Foreign player limit</translation>
    </message>
    <message>
        <source>Absteiger</source>
        <translation>Relegation</translation>
    </message>
    <message>
        <source>Spielklasse</source>
        <translation>Level</translation>
    </message>
</context>
<context>
    <name>kw::CDlgLeagueSystem</name>
    <message>
        <source>Ligasystem</source>
        <translation>League system</translation>
    </message>
    <message>
        <source>Kickwerk 06 - Ligasystem</source>
        <translation>Kickwerk 06 - League system</translation>
    </message>
</context>
<context>
    <name>kw::CDlgLevelName</name>
    <message>
        <source>Ligenbezeichnung ändern</source>
        <translation>Change level name</translation>
    </message>
    <message>
        <source>&amp;Bezeichnung</source>
        <translation>&amp;Name</translation>
    </message>
</context>
<context>
    <name>kw::CDlgManagAll</name>
    <message>
        <source>Personal</source>
        <translation>Staff</translation>
    </message>
    <message>
        <source>Kickwerk 06 - Personal - %1</source>
        <translation>Kickwerk 06 - Staff - %1</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Lists</translation>
    </message>
    <message>
        <source>Vorstand/Trainer</source>
        <translation>Board/coaches</translation>
    </message>
    <message>
        <source>Doppelt?</source>
        <translation>Duplicates?</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Search</translation>
    </message>
</context>
<context>
    <name>kw::CDlgManagerAbilities</name>
    <message>
        <source>&amp;Motivation</source>
        <translation>&amp;Motivation</translation>
    </message>
    <message>
        <source>&amp;Trainingsgestaltung</source>
        <translation>&amp;Training planning</translation>
    </message>
    <message>
        <source>T&amp;orwarttraining</source>
        <translation>G&amp;oalkeeper training</translation>
    </message>
    <message>
        <source>Verhan&amp;dlungsgeschick</source>
        <translation>Ne&amp;gotiation</translation>
    </message>
    <message>
        <source>&amp;Motivationsfähigkeit</source>
        <translation>&amp;Motivational skill</translation>
    </message>
    <message>
        <source>M&amp;uttersprache</source>
        <translation>Mother tong&amp;ue</translation>
    </message>
    <message>
        <source>&amp;1. Fremdsprache</source>
        <translation>&amp;1st foreign language</translation>
    </message>
    <message>
        <source>2. Fremdspra&amp;che</source>
        <translation>2nd fo&amp;reign language</translation>
    </message>
    <message>
        <source>3. Fremdsprac&amp;he</source>
        <translation>3r&amp;d foreign language</translation>
    </message>
    <message>
        <source>Fremdsprache &amp;1</source>
        <translation>Foreign language &amp;1</translation>
    </message>
    <message>
        <source>Fremdsprache &amp;2</source>
        <translation>Foreign language &amp;2</translation>
    </message>
    <message>
        <source>Fremdsprache &amp;3</source>
        <translation>Foreign language &amp;3</translation>
    </message>
    <message>
        <source>Erfahrung</source>
        <translation>Experience</translation>
    </message>
    <message>
        <source>Fähigkeiten</source>
        <translation>Abilities</translation>
    </message>
    <message>
        <source>Nationa&amp;l</source>
        <translation>Nationa&amp;l</translation>
    </message>
    <message>
        <source>Intern&amp;ational</source>
        <translation>Intern&amp;ational</translation>
    </message>
    <message>
        <source>Sprachen</source>
        <translation>Languages</translation>
    </message>
</context>
<context>
    <name>kw::CDlgManagerAllRight</name>
    <message>
        <source>%1: %2</source>
        <comment>row caption: button</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Kleinigkeiten</source>
        <translation>Miscellaneous</translation>
    </message>
    <message>
        <source>Lieblingsverein</source>
        <translation>Favourite club</translation>
    </message>
    <message>
        <source>Auswahl</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>Würde er niemals trainieren</source>
        <translation>Would never coach</translation>
    </message>
    <message>
        <source>Wähle Verein</source>
        <translation>Select club</translation>
    </message>
    <message>
        <source>Lieblingsspieler</source>
        <translation>Favourite player</translation>
    </message>
    <message>
        <source>Bevorzugte Aufstellung</source>
        <translation>Preferred formation</translation>
    </message>
</context>
<context>
    <name>kw::CDlgManagerList</name>
    <message>
        <source>Personal</source>
        <translation>Staff</translation>
    </message>
    <message>
        <source>Person transferieren</source>
        <translation>Transfer person</translation>
    </message>
    <message>
        <source>Person holen</source>
        <translation>Bring in person</translation>
    </message>
    <message>
        <source>Eintrag löschen</source>
        <translation>Delete entry</translation>
    </message>
</context>
<context>
    <name>kw::CDlgNationalteam</name>
    <message>
        <source>Aus Nationalmannschaft &amp;entfernen</source>
        <translation>&amp;Remove from national team</translation>
    </message>
    <message>
        <source>Kickwerk 06 - Nationalmannschaften</source>
        <translation>Kickwerk 06 - National teams</translation>
    </message>
    <message>
        <source>&amp;Land</source>
        <translation>&amp;Country</translation>
    </message>
    <message>
        <source>Kader der Nationalmannschaft</source>
        <translation>National team squad</translation>
    </message>
    <message>
        <source>Aktuelle Anzahl Spieler:</source>
        <translation>Current number of players:</translation>
    </message>
</context>
<context>
    <name>kw::CDlgNewDatabase</name>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Datenbank speichern unter</source>
        <translation>Save database as</translation>
    </message>
    <message>
        <source>Bitte geben Sie den Namen für die neue Datenbank ein!</source>
        <translation>Please enter the name of the new database!</translation>
    </message>
    <message>
        <source>Kommentar</source>
        <translation>Comment</translation>
    </message>
</context>
<context>
    <name>kw::CDlgPlayerAbilities</name>
    <message>
        <source>Offensive</source>
        <translation>Attacking</translation>
    </message>
    <message>
        <source>Torwart</source>
        <translation>Goalkeeping</translation>
    </message>
    <message>
        <source>Spielaufbau und Zweikampf</source>
        <translation>Build-up play and duels</translation>
    </message>
    <message>
        <source>Physis</source>
        <translation>Physical</translation>
    </message>
    <message>
        <source>Mentalität</source>
        <translation>Mental</translation>
    </message>
    <message>
        <source>Schusskraft</source>
        <translation>Shot power</translation>
    </message>
    <message>
        <source>Fernschüsse</source>
        <translation>Long shots</translation>
    </message>
    <message>
        <source>Dribbling</source>
        <translation>Dribbling</translation>
    </message>
    <message>
        <source>Technik</source>
        <translation>Technique</translation>
    </message>
    <message>
        <source>Flanken</source>
        <translation>Crossing</translation>
    </message>
    <message>
        <source>Kreativität</source>
        <translation>Creativity</translation>
    </message>
    <message>
        <source>Torriecher</source>
        <translation>Goal instinct</translation>
    </message>
    <message>
        <source>Freistöße</source>
        <translation>Free kicks</translation>
    </message>
    <message>
        <source>Ecken</source>
        <translation>Corners</translation>
    </message>
    <message>
        <source>Elfmeter</source>
        <translation>Penalties</translation>
    </message>
    <message>
        <source>Passspiel</source>
        <translation>Passing</translation>
    </message>
    <message>
        <source>Lange Pässe</source>
        <translation>Long passing</translation>
    </message>
    <message>
        <source>Genius</source>
        <translation>Flair</translation>
    </message>
    <message>
        <source>Tackling</source>
        <translation>Tackling</translation>
    </message>
    <message>
        <source>Manndeckung</source>
        <translation>Marking</translation>
    </message>
    <message>
        <source>Kopfball</source>
        <translation>Heading</translation>
    </message>
    <message>
        <source>Ballkontrolle</source>
        <translation>Ball control</translation>
    </message>
    <message>
        <source>Vorstöße</source>
        <translation>Forward runs</translation>
    </message>
    <message>
        <source>Antritt</source>
        <translation>Acceleration</translation>
    </message>
    <message>
        <source>Schnelligkeit</source>
        <translation>Pace</translation>
    </message>
    <message>
        <source>Ausdauer</source>
        <translation>Stamina</translation>
    </message>
    <message>
        <source>Robustheit</source>
        <translation>Robustness</translation>
    </message>
    <message>
        <source>Beweglichkeit</source>
        <translation>Agility</translation>
    </message>
    <message>
        <source>Sprungkraft</source>
        <translation>Jumping</translation>
    </message>
    <message>
        <source>Laufstärke</source>
        <translation>Work rate</translation>
    </message>
    <message>
        <source>Stellungsspiel</source>
        <comment>of a field player</comment>
        <translation>Positioning</translation>
    </message>
    <message>
        <source>Aggressivität</source>
        <translation>Aggression</translation>
    </message>
    <message>
        <source>Ruhe</source>
        <translation>Composure</translation>
    </message>
    <message>
        <source>Konzentration</source>
        <translation>Concentration</translation>
    </message>
    <message>
        <source>Entscheidungen</source>
        <translation>Decisions</translation>
    </message>
    <message>
        <source>Entschlossenheit</source>
        <translation>Determination</translation>
    </message>
    <message>
        <source>Teamwork</source>
        <translation>Teamwork</translation>
    </message>
    <message>
        <source>Konstanz</source>
        <translation>Consistency</translation>
    </message>
    <message>
        <source>Einschüchterung</source>
        <translation>Intimidation</translation>
    </message>
    <message>
        <source>Führungsqualitäten</source>
        <translation>Leadership</translation>
    </message>
    <message>
        <source>Strafraumbeherrschung</source>
        <translation>Command of area</translation>
    </message>
    <message>
        <source>Fangsicherheit</source>
        <translation>Handling</translation>
    </message>
    <message>
        <source>Abstöße</source>
        <translation>Goal kicks</translation>
    </message>
    <message>
        <source>Mann gegen Mann</source>
        <translation>One on ones</translation>
    </message>
    <message>
        <source>Stellungsspiel</source>
        <comment>of the goalkeeper</comment>
        <translation>Positioning</translation>
    </message>
    <message>
        <source>Fausten</source>
        <translation>Punching</translation>
    </message>
    <message>
        <source>Paraden</source>
        <translation>Shot stopping</translation>
    </message>
    <message>
        <source>Abwürfe</source>
        <translation>Throwing</translation>
    </message>
    <message>
        <source>&amp;Zufällige Berechnung</source>
        <translation>&amp;Random calculation</translation>
    </message>
    <message>
        <source>Fähigkeiten</source>
        <translation>Abilities</translation>
    </message>
    <message>
        <source>Stellungsspiel des Torwarts</source>
        <translation>Goalkeeper positioning</translation>
    </message>
    <message>
        <source>Alle Fähigkeiten</source>
        <translation>All abilities</translation>
    </message>
    <message>
        <source>Stärke</source>
        <translation>Strength</translation>
    </message>
</context>
<context>
    <name>kw::CDlgPlayerAllRight</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>&amp;Nachname</source>
        <translation>&amp;Surname</translation>
    </message>
    <message>
        <source>&amp;Vorname</source>
        <translation>&amp;First name</translation>
    </message>
    <message>
        <source>&amp;Künstlername</source>
        <translation>&amp;Nickname</translation>
    </message>
    <message>
        <source>&amp;Spitzname</source>
        <translation>&amp;Alias</translation>
    </message>
    <message>
        <source>Nat&amp;ionalität</source>
        <translation>Nat&amp;ionality</translation>
    </message>
    <message>
        <source>&amp;2. Nationalität</source>
        <translation>&amp;2nd nationality</translation>
    </message>
    <message>
        <source>&amp;Fußballinländer</source>
        <translation>&amp;Home-grown</translation>
    </message>
    <message>
        <source>&amp;Baske</source>
        <translation>&amp;Basque</translation>
    </message>
    <message>
        <source>&amp;Jugendspieler</source>
        <translation>&amp;Youth player</translation>
    </message>
    <message>
        <source>Alter</source>
        <translation>Age</translation>
    </message>
    <message>
        <source>&amp;Geburtsdatum</source>
        <translation>&amp;Date of birth</translation>
    </message>
    <message>
        <source> keine</source>
        <translation> none</translation>
    </message>
</context>
<context>
    <name>kw::CDlgPlayerAllRightSmall</name>
    <message>
        <source>Berechne &amp;Potenzial</source>
        <translation>&amp;Calculate peak strength</translation>
    </message>
    <message>
        <source>Spieler</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>&amp;Talent</source>
        <translation>&amp;Potential</translation>
    </message>
    <message>
        <source>Potenzial</source>
        <translation>Peak strength</translation>
    </message>
    <message>
        <source>Mitspieler</source>
        <translation>Team-mates</translation>
    </message>
    <message>
        <source>Werte von anderen Screens</source>
        <translation>Values from other pages</translation>
    </message>
    <message>
        <source>Rückennummer</source>
        <translation>Shirt number</translation>
    </message>
    <message>
        <source>Hauptposition</source>
        <translation>Main position</translation>
    </message>
    <message>
        <source>Nebenpositionen</source>
        <translation>Secondary positions</translation>
    </message>
    <message>
        <source>Kommentar</source>
        <translation>Comment</translation>
    </message>
</context>
<context>
    <name>kw::CDlgPlayerCharacter</name>
    <message>
        <source>Einstellung</source>
        <translation>Attitude</translation>
    </message>
    <message>
        <source>Gelassen</source>
        <translation>Calm</translation>
    </message>
    <message>
        <source>Nervenstark</source>
        <translation>Strong nerves</translation>
    </message>
    <message>
        <source>Fairness</source>
        <translation>Fair play</translation>
    </message>
    <message>
        <source>Schwache Nerven</source>
        <translation>Weak nerves</translation>
    </message>
    <message>
        <source>Härte</source>
        <translation>Toughness</translation>
    </message>
    <message>
        <source>Introvertiert</source>
        <translation>Introverted</translation>
    </message>
    <message>
        <source>Vereinstreu</source>
        <translation>Loyal to his club</translation>
    </message>
    <message>
        <source>Legionär</source>
        <translation>Journeyman</translation>
    </message>
    <message>
        <source>Sprachgenie</source>
        <translation>Gifted linguist</translation>
    </message>
    <message>
        <source>Mediengewandt</source>
        <translation>Media-savvy</translation>
    </message>
    <message>
        <source>Skandalträchtigkeit</source>
        <translation>Prone to scandal</translation>
    </message>
    <message>
        <source>Flexibilität</source>
        <translation>Versatility</translation>
    </message>
    <message>
        <source>Positionsgebundenheit</source>
        <translation>Tied to one position</translation>
    </message>
    <message>
        <source>Ehrgeizig</source>
        <translation>Ambitious</translation>
    </message>
    <message>
        <source>Trainingsfleißig</source>
        <translation>Hard-working in training</translation>
    </message>
    <message>
        <source>Trainiert ungern</source>
        <translation>Dislikes training</translation>
    </message>
    <message>
        <source>Temperament</source>
        <translation>Temperament</translation>
    </message>
    <message>
        <source>Publikumsliebling</source>
        <translation>Crowd favourite</translation>
    </message>
    <message>
        <source>Anpassungsfähigkeit</source>
        <translation>Adaptability</translation>
    </message>
    <message>
        <source>Professionell</source>
        <translation>Professional</translation>
    </message>
    <message>
        <source>Weite Einwürfe</source>
        <translation>Long throws</translation>
    </message>
    <message>
        <source>Direkte Freistöße</source>
        <translation>Direct free kicks</translation>
    </message>
    <message>
        <source>Spielertyp</source>
        <translation>Player type</translation>
    </message>
    <message>
        <source>&amp;Typ</source>
        <translation>&amp;Type</translation>
    </message>
    <message>
        <source>Charakter</source>
        <translation>Character</translation>
    </message>
    <message>
        <source>&amp;Kommentar:</source>
        <translation>&amp;Comment:</translation>
    </message>
</context>
<context>
    <name>kw::CDlgPlayerCompare</name>
    <message>
        <source>Linker Spieler</source>
        <translation>Left player</translation>
    </message>
    <message>
        <source>&amp;Land</source>
        <translation>&amp;Country</translation>
    </message>
    <message>
        <source>&amp;Verein</source>
        <translation>C&amp;lub</translation>
    </message>
    <message>
        <source>Rechter Spieler</source>
        <translation>Right player</translation>
    </message>
    <message>
        <source>La&amp;nd</source>
        <translation>Cou&amp;ntry</translation>
    </message>
    <message>
        <source>V&amp;erein</source>
        <translation>Clu&amp;b</translation>
    </message>
    <message>
        <source>Spielervergleich</source>
        <translation>Player comparison</translation>
    </message>
</context>
<context>
    <name>kw::CDlgPlayerContract</name>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Verletzung</source>
        <translation>Injury</translation>
    </message>
    <message>
        <source>Ligasperre</source>
        <translation>League ban</translation>
    </message>
    <message>
        <source>Karriereende</source>
        <translation>Retirement</translation>
    </message>
    <message>
        <source>Ausgeliehen</source>
        <translation>On loan</translation>
    </message>
    <message>
        <source>Vertragsdaten</source>
        <translation>Contract details</translation>
    </message>
    <message>
        <source>&amp;Vertrag gültig bis</source>
        <translation>&amp;Contract runs until</translation>
    </message>
    <message>
        <source>&amp;Grundgehalt</source>
        <translation>Basic &amp;wages</translation>
    </message>
    <message>
        <source>Festgeschriebene &amp;Ablösesumme</source>
        <translation>Fixed &amp;transfer fee</translation>
    </message>
    <message>
        <source>Aktuell geschätzter &amp;Marktwert</source>
        <translation>Current estimated &amp;market value</translation>
    </message>
    <message>
        <source>V&amp;erein hat Option auf 1 weiteres Jahr</source>
        <translation>C&amp;lub has option for 1 more year</translation>
    </message>
    <message>
        <source>S&amp;pieler hat Option auf 1 weiteres Jahr</source>
        <translation>&amp;Player has option for 1 more year</translation>
    </message>
    <message>
        <source>Besonderheiten Saisonbeginn</source>
        <translation>Status at season start</translation>
    </message>
    <message>
        <source>Besonderheit &amp;Saisonbeginn</source>
        <translation>&amp;Status at season start</translation>
    </message>
    <message>
        <source>A&amp;nfang</source>
        <translation>St&amp;art</translation>
    </message>
    <message>
        <source>En&amp;de</source>
        <translation>&amp;End</translation>
    </message>
    <message>
        <source>Geliehen von</source>
        <translation>On loan from</translation>
    </message>
    <message>
        <source>Anzahl der Spie&amp;le</source>
        <translation>&amp;Number of matches</translation>
    </message>
    <message>
        <source>Favoriten</source>
        <translation>Favourites</translation>
    </message>
    <message>
        <source>Lieblingsverein</source>
        <translation>Favourite club</translation>
    </message>
    <message>
        <source>Wechselt nie zu</source>
        <translation>Will never join</translation>
    </message>
    <message>
        <source>Lieblingsl&amp;and</source>
        <translation>Favourite c&amp;ountry</translation>
    </message>
</context>
<context>
    <name>kw::CDlgPlayerHist</name>
    <message>
        <source>Verein</source>
        <translation>Club</translation>
    </message>
    <message>
        <source>Zeitraum</source>
        <translation>Period</translation>
    </message>
    <message>
        <source>Spiele</source>
        <translation>Matches</translation>
    </message>
    <message>
        <source>Tore</source>
        <translation>Goals</translation>
    </message>
    <message>
        <source>Geliehen</source>
        <translation>Loan</translation>
    </message>
    <message>
        <source>Karriere</source>
        <translation>Career</translation>
    </message>
    <message>
        <source>Statistische Daten</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Erster Verein</source>
        <translation>First club</translation>
    </message>
    <message>
        <source>Letzter Verein</source>
        <translation>Last club</translation>
    </message>
    <message>
        <source>&amp;Start des Vertrages</source>
        <translation>Contract &amp;start</translation>
    </message>
    <message>
        <source>Tore in Länderspielen</source>
        <translation>International goals</translation>
    </message>
    <message>
        <source>Länderspiele</source>
        <translation>Caps</translation>
    </message>
    <message>
        <source>Derzeit in der &amp;Nationalmannschaft</source>
        <translation>Currently in the &amp;national team</translation>
    </message>
    <message>
        <source>&amp;Möchte nicht mehr für Nationalmannschaft spielen</source>
        <translation>&amp;Retired from international football</translation>
    </message>
    <message>
        <source>Eintrag</source>
        <translation>Entry</translation>
    </message>
    <message>
        <source>S&amp;tartdatum</source>
        <translation>Star&amp;t date</translation>
    </message>
    <message>
        <source>&amp;Enddatum</source>
        <translation>&amp;End date</translation>
    </message>
    <message>
        <source>&amp;Ligaspiele</source>
        <translation>&amp;League matches</translation>
    </message>
    <message>
        <source>T&amp;ore</source>
        <translation>&amp;Goals</translation>
    </message>
    <message>
        <source>&amp;ausgeliehen</source>
        <translation>&amp;On loan</translation>
    </message>
</context>
<context>
    <name>kw::CDlgPlayerList</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Pos.</source>
        <translation>Pos.</translation>
    </message>
    <message>
        <source>Nat.</source>
        <translation>Nat.</translation>
    </message>
    <message>
        <source>Stärke</source>
        <translation>Strength</translation>
    </message>
    <message>
        <source>Nach Name sortieren</source>
        <translation>Sort by name</translation>
    </message>
    <message>
        <source>Nach Position sortieren</source>
        <translation>Sort by position</translation>
    </message>
    <message>
        <source>Nach Nationalität sortieren</source>
        <translation>Sort by nationality</translation>
    </message>
    <message>
        <source>Nach Stärke sortieren</source>
        <translation>Sort by strength</translation>
    </message>
    <message>
        <source>Kader 2. Mannschaft</source>
        <translation>Reserve team squad</translation>
    </message>
    <message>
        <source>Kader 1. Mannschaft</source>
        <translation>First team squad</translation>
    </message>
    <message>
        <source>Spieleranzahl</source>
        <translation>Number of players</translation>
    </message>
    <message>
        <source>Durchsch. Stärke</source>
        <translation>Avg. strength</translation>
    </message>
</context>
<context>
    <name>kw::CDlgPlayerLook</name>
    <message>
        <source>Spezielles Spielergesicht</source>
        <translation>Special player face</translation>
    </message>
    <message>
        <source>&amp;Gesicht</source>
        <translation>&amp;Face</translation>
    </message>
    <message>
        <source>Generisches Gesicht</source>
        <translation>Generic face</translation>
    </message>
    <message>
        <source>Gesichts-/ &amp;Hauttyp</source>
        <translation>Face/ &amp;skin type</translation>
    </message>
    <message>
        <source>Haar&amp;farbe</source>
        <translation>&amp;Hair colour</translation>
    </message>
    <message>
        <source>Haar&amp;schnitt</source>
        <translation>Hair&amp;cut</translation>
    </message>
    <message>
        <source>&amp;Bart</source>
        <translation>&amp;Beard</translation>
    </message>
    <message>
        <source>Sonstiges Aussehen</source>
        <translation>Other appearance</translation>
    </message>
    <message>
        <source>Sch&amp;uhtyp</source>
        <translation>Boo&amp;t type</translation>
    </message>
    <message>
        <source>Gr&amp;öße</source>
        <translation>H&amp;eight</translation>
    </message>
    <message>
        <source>Ge&amp;wicht</source>
        <translation>&amp;Weight</translation>
    </message>
    <message>
        <source>&amp;Lange Ärmel</source>
        <translation>&amp;Long sleeves</translation>
    </message>
    <message>
        <source>Keine Vorschau</source>
        <translation>No preview</translation>
    </message>
</context>
<context>
    <name>kw::CDlgPlayerPosition</name>
    <message>
        <source>Positionen</source>
        <translation>Positions</translation>
    </message>
    <message>
        <source>Hauptpositionen</source>
        <translation>Main position</translation>
    </message>
    <message>
        <source>&amp;Hauptposition</source>
        <translation>&amp;Main position</translation>
    </message>
    <message>
        <source>Nebenpositionen</source>
        <translation>Secondary positions</translation>
    </message>
    <message>
        <source>&amp;%1.</source>
        <translation>&amp;%1.</translation>
    </message>
    <message>
        <source>Nebenposition %1</source>
        <translation>Secondary position %1</translation>
    </message>
    <message>
        <source>Fuß und Erfahrung</source>
        <translation>Foot and experience</translation>
    </message>
    <message>
        <source>Bevorzugter &amp;Fuß</source>
        <translation>Preferred &amp;foot</translation>
    </message>
    <message>
        <source>Nur Spieler</source>
        <translation>Players only</translation>
    </message>
    <message>
        <source>&amp;Nat. Erfahrung</source>
        <translation>&amp;National experience</translation>
    </message>
    <message>
        <source>&amp;Internationale Erfahrung</source>
        <translation>&amp;International experience</translation>
    </message>
    <message>
        <source>&amp;Taktische Ausbildung</source>
        <translation>&amp;Tactical training</translation>
    </message>
    <message>
        <source>Sprachen</source>
        <translation>Languages</translation>
    </message>
    <message>
        <source>Sprache &amp;%1</source>
        <translation>Language &amp;%1</translation>
    </message>
</context>
<context>
    <name>kw::CDlgPlayerSearch</name>
    <message>
        <source>Kickwerk 06 - Spieler suchen</source>
        <translation>Kickwerk 06 - Find players</translation>
    </message>
    <message>
        <source>Welchen Spieler möchten Sie suchen lassen?
(Platzhalter (&apos;*&apos;) sind erlaubt)</source>
        <translation>Which player would you like to search for?
(Wildcards (&apos;*&apos;) are allowed)</translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>Künstlername/Spitzname</source>
        <translation>Nickname</translation>
    </message>
    <message>
        <source>Nachname</source>
        <translation>Surname</translation>
    </message>
</context>
<context>
    <name>kw::CDlgPlayerSelect</name>
    <message>
        <source>Spieler</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Nationalität</source>
        <translation>Nationality</translation>
    </message>
    <message>
        <source>Stärke</source>
        <translation>Strength</translation>
    </message>
    <message>
        <source>Talent</source>
        <translation>Potential</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Person</translation>
    </message>
    <message>
        <source>Funktion</source>
        <translation>Role</translation>
    </message>
    <message>
        <source>Bitte den gewünschten Spieler auswählen!</source>
        <translation>Please choose a player</translation>
    </message>
    <message>
        <source>Land</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>Verein</source>
        <translation>Club</translation>
    </message>
</context>
<context>
    <name>kw::CDlgPlayerWithoutClub</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Nationalität</source>
        <translation>Nationality</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Stärke</source>
        <translation>Strength</translation>
    </message>
    <message>
        <source>&amp;Wechsel zu Verein</source>
        <translation>&amp;Transfer to club</translation>
    </message>
    <message>
        <source>&amp;Löschen</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Spieler ohne Verein</source>
        <translation>Players without a club</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>kw::CDlgPlayerlistClub</name>
    <message>
        <source>Spielerkader</source>
        <translation>Squad</translation>
    </message>
    <message>
        <source>Kickwerk 06 - Spielerkader</source>
        <translation>Kickwerk 06 - Squad</translation>
    </message>
    <message>
        <source>Kader</source>
        <translation>Squad</translation>
    </message>
    <message>
        <source>2. Mannschaft</source>
        <translation>Reserve team</translation>
    </message>
    <message>
        <source>1. Mannschaft</source>
        <translation>First team</translation>
    </message>
    <message>
        <source>Vorstand/Trainer</source>
        <translation>Board/coaches</translation>
    </message>
    <message>
        <source>Rückennr.</source>
        <translation>Shirt no.</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Doppelte Spieler anzeigen</source>
        <translation>Show duplicate players</translation>
    </message>
    <message>
        <source>Spieler suchen</source>
        <translation>Find players</translation>
    </message>
    <message>
        <source>Neuer Spieler</source>
        <translation>New player</translation>
    </message>
    <message>
        <source>Spieler transferieren</source>
        <translation>Transfer player</translation>
    </message>
    <message>
        <source>Spieler holen</source>
        <translation>Sign player</translation>
    </message>
    <message>
        <source>In 1. Mannschaft</source>
        <translation>Move to first team</translation>
    </message>
    <message>
        <source>In 2. Mannschaft</source>
        <translation>Move to reserve team</translation>
    </message>
    <message>
        <source>Eintrag löschen</source>
        <translation>Delete entry</translation>
    </message>
    <message>
        <source>Rückennummern</source>
        <translation>Shirt numbers</translation>
    </message>
</context>
<context>
    <name>kw::CDlgPoolEntry</name>
    <message>
        <source>Jugendspieler</source>
        <translation>Youth player</translation>
    </message>
    <message>
        <source>&amp;Vorname</source>
        <translation>&amp;First name</translation>
    </message>
    <message>
        <source>&amp;Nachname</source>
        <translation>&amp;Surname</translation>
    </message>
    <message>
        <source>Nat&amp;ionalität</source>
        <translation>Nationalit&amp;y</translation>
    </message>
    <message>
        <source>&amp;Fähigkeit</source>
        <translation>&amp;Ability</translation>
    </message>
    <message>
        <source>&amp;Mannschaftsteil</source>
        <translation>&amp;Position group</translation>
    </message>
    <message>
        <source>Bevorzugter Verein</source>
        <translation>Preferred club</translation>
    </message>
</context>
<context>
    <name>kw::CDlgRefereeChange</name>
    <message>
        <source>Schiedsrichter ändern</source>
        <translation>Edit referee</translation>
    </message>
    <message>
        <source>&amp;Vorname</source>
        <translation>&amp;First name</translation>
    </message>
    <message>
        <source>&amp;Nachname</source>
        <translation>&amp;Surname</translation>
    </message>
    <message>
        <source>Besonderheit</source>
        <translation>Speciality</translation>
    </message>
</context>
<context>
    <name>kw::CDlgReferees</name>
    <message>
        <source> - Schiedsrichter</source>
        <translation> - Referees</translation>
    </message>
    <message>
        <source>&amp;Neu</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Ä&amp;ndern</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Löschen</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Schiedsrichter</source>
        <translation>Referees</translation>
    </message>
</context>
<context>
    <name>kw::CDlgRegelaenderung</name>
    <message>
        <source>Globale Einstellungen</source>
        <translation>Global settings</translation>
    </message>
    <message>
        <source>&amp;Erlaubte Auswechslungen in Freundschaftsspielen</source>
        <translation>Substitutions allowed in &amp;friendlies</translation>
    </message>
</context>
<context>
    <name>kw::CDlgSearchResult</name>
    <message>
        <source>Suchergebnisse / Liste</source>
        <translation>Search results / List</translation>
    </message>
    <message>
        <source>Kickwerk 06 - Suchergebnisse</source>
        <translation>Kickwerk 06 - Search results</translation>
    </message>
    <message>
        <source>Suchergebnisse</source>
        <translation>Search results</translation>
    </message>
    <message>
        <source>Spieler holen</source>
        <translation>Sign player</translation>
    </message>
    <message>
        <source>Spieler transferieren</source>
        <translation>Transfer player</translation>
    </message>
    <message>
        <source>Spieler löschen</source>
        <translation>Delete player</translation>
    </message>
    <message>
        <source>Verein anzeigen</source>
        <translation>Show club</translation>
    </message>
</context>
<context>
    <name>kw::CDlgSelectClub</name>
    <message>
        <source>Verein auswählen</source>
        <translation>Choose club</translation>
    </message>
    <message>
        <source>Land</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>Verein</source>
        <translation>Club</translation>
    </message>
</context>
<context>
    <name>kw::CDlgSelectDatabase</name>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Datenbank öffnen</source>
        <translation>Open database</translation>
    </message>
    <message>
        <source>Kommentar</source>
        <translation>Comment</translation>
    </message>
</context>
<context>
    <name>kw::CDlgShirtNo</name>
    <message>
        <source>Kickwerk 06 - Rückennummern</source>
        <translation>Kickwerk 06 - Shirt numbers</translation>
    </message>
    <message>
        <source>Rückennummern %1 bis %2</source>
        <translation>Shirt numbers %1 to %2</translation>
    </message>
    <message>
        <source>Spieler ohne Rückennummer</source>
        <translation>Players without a shirt number</translation>
    </message>
</context>
<context>
    <name>kw::CDlgStadium</name>
    <message>
        <source>Kickwerk 06 - Stadien</source>
        <translation>Kickwerk 06 - Stadiums</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>&amp;Ort</source>
        <translation>&amp;City</translation>
    </message>
    <message>
        <source>&amp;Art des Stadions</source>
        <translation>Stadium &amp;type</translation>
    </message>
    <message>
        <source>Sitzplätze</source>
        <translation>Seats</translation>
    </message>
    <message>
        <source>Stehplätze</source>
        <translation>Standing places</translation>
    </message>
    <message>
        <source>VIP-Plätze</source>
        <translation>VIP seats</translation>
    </message>
    <message>
        <source>Dauer- karten blöcke</source>
        <translation>Season ticket blocks</translation>
    </message>
    <message>
        <source>Gäste- block</source>
        <translation>Away section</translation>
    </message>
    <message>
        <source>%1: Sitzplätze</source>
        <translation>%1: seats</translation>
    </message>
    <message>
        <source>%1: Stehplätze</source>
        <translation>%1: standing places</translation>
    </message>
    <message>
        <source>%1: VIP-Plätze</source>
        <translation>%1: VIP seats</translation>
    </message>
    <message>
        <source>%1: Dauerkartenblock</source>
        <translation>%1: season ticket block</translation>
    </message>
    <message>
        <source>%1: Gästeblock</source>
        <translation>%1: away section</translation>
    </message>
    <message>
        <source>Gesamtkapazität</source>
        <translation>Total capacity</translation>
    </message>
    <message>
        <source>Tribünen</source>
        <translation>Stands</translation>
    </message>
</context>
<context>
    <name>kw::CDlgStadiumSelect</name>
    <message>
        <source>Stadion auswählen</source>
        <translation>Choose stadium</translation>
    </message>
    <message>
        <source>&amp;Land</source>
        <translation>&amp;Country</translation>
    </message>
    <message>
        <source>S&amp;tadion</source>
        <translation>S&amp;tadium</translation>
    </message>
    <message>
        <source>Land</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>Stadion</source>
        <translation>Stadium</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Bitte wählen Sie das gewünschte Stadion!</source>
        <translation>Please choose the stadium you want.</translation>
    </message>
</context>
<context>
    <name>kw::CDlgStadiumlist</name>
    <message>
        <source>Nr.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>City</translation>
    </message>
    <message>
        <source>Gesamtkapazität</source>
        <translation>Total capacity</translation>
    </message>
    <message>
        <source> - Stadienliste</source>
        <translation> - Stadium list</translation>
    </message>
    <message>
        <source>Ä&amp;ndern</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Stadien</source>
        <translation>Stadiums</translation>
    </message>
</context>
<context>
    <name>kw::CDlgStaffAtClub</name>
    <message>
        <source>&amp;Level</source>
        <translation>&amp;Level</translation>
    </message>
    <message>
        <source>&amp;Erfahrung</source>
        <translation>&amp;Experience</translation>
    </message>
</context>
<context>
    <name>kw::CDlgStaffEntry</name>
    <message>
        <source>Mitarbeiter</source>
        <translation>Staff member</translation>
    </message>
    <message>
        <source>&amp;Vorname</source>
        <translation>&amp;First name</translation>
    </message>
    <message>
        <source>Na&amp;me</source>
        <translation>&amp;Surname</translation>
    </message>
    <message>
        <source>&amp;Job</source>
        <translation>&amp;Job</translation>
    </message>
</context>
<context>
    <name>kw::CDlgValidationReport</name>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Warnung</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Kickwerk 06 - Datenbank prüfen</source>
        <translation>Kickwerk 06 - Check database</translation>
    </message>
    <message>
        <source>Land / Art / Meldung</source>
        <translation>Country / type / message</translation>
    </message>
    <message>
        <source>Schwere</source>
        <translation>Severity</translation>
    </message>
    <message>
        <source>Anzahl</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Meldungen</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>&amp;Neu prüfen</source>
        <translation>Check &amp;again</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>Clo&amp;se</translation>
    </message>
    <message>
        <source>Doppelklick oder Enter auf eine Meldung öffnet den passenden Editor.</source>
        <translation>Double-click a message or press Enter on it to open the matching editor.</translation>
    </message>
    <message>
        <source>Die Datenbank wird geprüft ...</source>
        <translation>Checking the database ...</translation>
    </message>
    <message>
        <source>Prüfung abgebrochen.</source>
        <translation>Check cancelled.</translation>
    </message>
    <message>
        <source>Ganze Datenbank</source>
        <translation>Whole database</translation>
    </message>
    <message>
        <source>Keine Probleme gefunden.</source>
        <translation>No problems found.</translation>
    </message>
    <message>
        <source>%1 Fehler, %2 Warnungen</source>
        <translation>Errors: %1, warnings: %2</translation>
    </message>
    <message>
        <source>%1 (Prüfung abgebrochen)</source>
        <translation>%1 (check cancelled)</translation>
    </message>
</context>
<context>
    <name>kw::CLeagueSystemPage</name>
    <message>
        <source>&amp;Original Spielsystem auswählen</source>
        <translation>Choose &amp;original league system</translation>
    </message>
    <message>
        <source>&amp;Generisches Spielsystem auswählen</source>
        <translation>Choose &amp;generic league system</translation>
    </message>
    <message>
        <source>Änderungen &amp;übernehmen</source>
        <translation>&amp;Apply changes</translation>
    </message>
    <message>
        <source>Spielklassen und Ligen</source>
        <translation>Levels and leagues</translation>
    </message>
    <message>
        <source>Anzahl Vereine im derzeitigen Ligasystem</source>
        <translation>Number of clubs in the current league system</translation>
    </message>
    <message>
        <source>&amp;Spielpläne</source>
        <translation>&amp;Fixture lists</translation>
    </message>
    <message>
        <source>&amp;Rahmenkalender</source>
        <translation>Season &amp;calendar</translation>
    </message>
    <message>
        <source>&amp;Ligazusammensetzung</source>
        <translation>League co&amp;mposition</translation>
    </message>
    <message>
        <source>Bitte wählen Sie ein Spielsystem aus!</source>
        <translation>Please choose a league system.</translation>
    </message>
    <message>
        <source>Dabei werden Ligen des Landes gelöscht oder ersetzt. Trotzdem übernehmen?</source>
        <translation>This deletes or replaces leagues of the country. Apply anyway?</translation>
    </message>
    <message>
        <source>Die Datei des Spielsystems fehlt: es bleibt, wie es ist.</source>
        <translation>The league system&apos;s file is missing: the league system stays as it is.</translation>
    </message>
    <message>
        <source>Die folgenden Fehler sind aufgetreten!</source>
        <translation>The following errors have occurred:</translation>
    </message>
</context>
<context>
    <name>kw::CMainMenuView</name>
    <message>
        <source>Sprache der Datenbank</source>
        <translation>Database language</translation>
    </message>
    <message>
        <source>&amp;Globale Einstellungen</source>
        <translation>&amp;Global settings</translation>
    </message>
    <message>
        <source>Kontinent</source>
        <translation>Continent</translation>
    </message>
    <message>
        <source>Kontinentale &amp;Einstellungen</source>
        <translation>Co&amp;ntinental settings</translation>
    </message>
    <message>
        <source>Land</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>Länder</source>
        <translation>Countries</translation>
    </message>
    <message>
        <source>&amp;Landeinstellungen</source>
        <translation>Country &amp;settings</translation>
    </message>
    <message>
        <source>Verein</source>
        <translation>Club</translation>
    </message>
    <message>
        <source>Nach Verein sortieren</source>
        <translation>Sort by club</translation>
    </message>
    <message>
        <source>Liga</source>
        <translation>League</translation>
    </message>
    <message>
        <source>Nach Liga sortieren</source>
        <translation>Sort by league</translation>
    </message>
    <message>
        <source>Ø - Stärke</source>
        <translation>Avg. strength</translation>
    </message>
    <message>
        <source>Nach Stärke sortieren</source>
        <translation>Sort by strength</translation>
    </message>
    <message>
        <source>Vereine</source>
        <translation>Clubs</translation>
    </message>
    <message>
        <source>&amp;Verein</source>
        <translation>Cl&amp;ub</translation>
    </message>
    <message>
        <source>Spieler&amp;kader</source>
        <translation>Squa&amp;d</translation>
    </message>
    <message>
        <source>Assistenten</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Schnelle &amp;Transfers</source>
        <translation>Fast &amp;transfers</translation>
    </message>
    <message>
        <source>Spieler &amp;suchen</source>
        <translation>Search &amp;players</translation>
    </message>
    <message>
        <source>&amp;Doppelte Spieler anzeigen</source>
        <translation>Show dup&amp;licate players</translation>
    </message>
    <message>
        <source>&amp;Nationalmannschaften</source>
        <translation>N&amp;ational teams</translation>
    </message>
    <message>
        <source>&amp;Freie Spieler</source>
        <translation>Players &amp;without a club</translation>
    </message>
    <message>
        <source>Spielerverglei&amp;ch</source>
        <translation>Compa&amp;re players</translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Aktuelle Datenbank ins Spiel ein&amp;binden</source>
        <translation>&amp;Install the current database in the game</translation>
    </message>
    <message>
        <source>Statistik ( Ausgewähltes Land / Total )</source>
        <translation>Statistics (selected country / total)</translation>
    </message>
    <message>
        <source>Ligen:</source>
        <translation>Leagues:</translation>
    </message>
    <message>
        <source>Vereine:</source>
        <translation>Clubs:</translation>
    </message>
    <message>
        <source>Spieler:</source>
        <translation>Players:</translation>
    </message>
    <message>
        <source>Ø - Vereinsstärke:</source>
        <translation>Avg. club strength:</translation>
    </message>
    <message>
        <source>Ø - Spielerstärke:</source>
        <translation>Avg. player strength:</translation>
    </message>
    <message>
        <source>Spielertalent ( Ausgewähltes Land / Total )</source>
        <translation>Player potential (selected country / total)</translation>
    </message>
    <message>
        <source>Normal:</source>
        <translation>Normal:</translation>
    </message>
    <message>
        <source>Groß:</source>
        <translation>High:</translation>
    </message>
    <message>
        <source>Sehr groß:</source>
        <translation>Very high:</translation>
    </message>
    <message>
        <source>Ausgezeichnet:</source>
        <translation>Excellent:</translation>
    </message>
    <message>
        <source>Gigantisch:</source>
        <translation>Enormous:</translation>
    </message>
</context>
<context>
    <name>kw::CMyTabCtrl</name>
    <message>
        <source>Seiten</source>
        <translation>Pages</translation>
    </message>
</context>
<context>
    <name>kw::CPersonPageTabs</name>
    <message>
        <source>Persönliche Daten</source>
        <translation>Personal details</translation>
    </message>
    <message>
        <source>Fähigkeiten</source>
        <translation>Abilities</translation>
    </message>
    <message>
        <source>Charakter</source>
        <translation>Character</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Vertrag</source>
        <translation>Contract</translation>
    </message>
    <message>
        <source>Historie</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Aussehen</source>
        <translation>Appearance</translation>
    </message>
    <message>
        <source>Seiten der Person</source>
        <translation>Pages of the person</translation>
    </message>
</context>
<context>
    <name>kw::CPlayerCompareSide</name>
    <message>
        <source>%1: Land</source>
        <translation>%1: country</translation>
    </message>
    <message>
        <source>%1: Verein</source>
        <translation>%1: club</translation>
    </message>
    <message>
        <source>%1: Spielerliste</source>
        <translation>%1: player list</translation>
    </message>
</context>
<context>
    <name>kw::CPlayerDouble</name>
    <message>
        <source>Nur von %1</source>
        <translation>Only from %1</translation>
    </message>
    <message>
        <source>Alle</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Nur Spieler mit gleichem Geburtsdatum anzeigen</source>
        <translation>Only show players with the same date of birth</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Kickwerk 06 - Spieler doppelt</source>
        <translation>Kickwerk 06 - Duplicate players</translation>
    </message>
    <message>
        <source>Doppelte Spieler</source>
        <translation>Duplicate players</translation>
    </message>
</context>
<context>
    <name>kw::CPlayerPage</name>
    <message>
        <source>%1, Tag</source>
        <translation>%1, day</translation>
    </message>
    <message>
        <source>%1, Monat</source>
        <translation>%1, month</translation>
    </message>
    <message>
        <source>%1, Jahr</source>
        <translation>%1, year</translation>
    </message>
    <message>
        <source>Wähle Verein</source>
        <translation>Choose club</translation>
    </message>
    <message>
        <source>%1: Wähle Verein</source>
        <translation>%1: Choose club</translation>
    </message>
</context>
<context>
    <name>kw::CQuickFindBar</name>
    <message>
        <source>Verein</source>
        <translation>Club</translation>
    </message>
    <message>
        <source>Spieler</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Staff</translation>
    </message>
    <message>
        <source>Schiedsrichter</source>
        <translation>Referee</translation>
    </message>
    <message>
        <source>Stadion</source>
        <translation>Stadium</translation>
    </message>
    <message>
        <source>Wettbewerb</source>
        <translation>Competition</translation>
    </message>
    <message>
        <source>Schnell&amp;suche:</source>
        <translation>&amp;Quick search:</translation>
    </message>
    <message>
        <source>Verein, Spieler, Personal, Schiedsrichter, Stadion, Wettbewerb oder Id (Platzhalter * erlaubt) - Strg+F</source>
        <translation>Club, player, staff, referee, stadium, competition or ID (wildcard * allowed) - Ctrl+F</translation>
    </message>
    <message>
        <source>Art</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Land</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>Treffer der Schnellsuche</source>
        <translation>Quick search results</translation>
    </message>
    <message>
        <source>ohne Verein</source>
        <translation>without a club</translation>
    </message>
    <message>
        <source>Keine Treffer.</source>
        <translation>No matches.</translation>
    </message>
    <message>
        <source>%1 Treffer, nur die ersten %2 werden gezeigt.</source>
        <translation>%1 matches; only the first %2 are shown.</translation>
    </message>
</context>
<context>
    <name>kw::CalendarCheck</name>
    <message>
        <source>Spielplan ist nicht vollständig!</source>
        <translation>Fixture list is incomplete!</translation>
    </message>
    <message>
        <source>Anzahl Spieltage ist nicht korrekt!</source>
        <translation>Number of matchdays is incorrect!</translation>
    </message>
    <message>
        <source>Nicht genügend Vereine in der Liga!</source>
        <translation>Not enough clubs in the league!</translation>
    </message>
    <message>
        <source>Reserveteams dürfen nicht in der Liga spielen!</source>
        <translation>Reserve teams may not play in the league!</translation>
    </message>
    <message>
        <source>Spieltag überlappt mit internationalem Spieltag.</source>
        <translation>Matchday clashes with an international matchday.</translation>
    </message>
    <message>
        <source>Keine Fehler gefunden</source>
        <translation>No errors found</translation>
    </message>
</context>
<context>
    <name>kw::ClubNames</name>
    <message>
        <source>Vereinszentrum</source>
        <translation>Headquarters</translation>
    </message>
    <message>
        <source>Fanartikel</source>
        <translation>Fan merchandise</translation>
    </message>
    <message>
        <source>Medizinische Abteilung</source>
        <translation>Medical department</translation>
    </message>
    <message>
        <source>Jugendzentrum</source>
        <translation>Youth centre</translation>
    </message>
    <message>
        <source>Trainingsanlage</source>
        <translation>Training ground</translation>
    </message>
    <message>
        <source>Medien</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Forschung</source>
        <translation>Sports science</translation>
    </message>
    <message>
        <source>Einfache kleine Baracke</source>
        <translation>Simple small hut</translation>
    </message>
    <message>
        <source>Geschäftsstelle</source>
        <translation>Club office</translation>
    </message>
    <message>
        <source>Kleines Bürogebäude</source>
        <translation>Small office building</translation>
    </message>
    <message>
        <source>Großes Bürogebäude</source>
        <translation>Large office building</translation>
    </message>
    <message>
        <source>Bürogebäude mit Brunnen</source>
        <translation>Office building with fountain</translation>
    </message>
    <message>
        <source>Luxusgebäude mit Park</source>
        <translation>Luxury building with park</translation>
    </message>
    <message>
        <source>Verkaufswagen</source>
        <translation>Sales van</translation>
    </message>
    <message>
        <source>Eigener Laden</source>
        <translation>Club shop</translation>
    </message>
    <message>
        <source>Großer Laden</source>
        <translation>Large shop</translation>
    </message>
    <message>
        <source>Fanzentrum</source>
        <translation>Fan centre</translation>
    </message>
    <message>
        <source>Eigene Distribution</source>
        <translation>Own distribution</translation>
    </message>
    <message>
        <source>Eigene Fertigung</source>
        <translation>Own manufacturing</translation>
    </message>
    <message>
        <source>Am Geländer lehnende Sanitäter</source>
        <translation>Paramedics leaning on the railings</translation>
    </message>
    <message>
        <source>Kleine Arztpraxis</source>
        <translation>Small doctor&apos;s surgery</translation>
    </message>
    <message>
        <source>Arztpraxis mit Massageraum</source>
        <translation>Surgery with massage room</translation>
    </message>
    <message>
        <source>Arztpraxis mit Psychol.-Zentrum</source>
        <translation>Surgery with psychology centre</translation>
    </message>
    <message>
        <source>Krankenzentrum mit OP</source>
        <translation>Medical centre with operating theatre</translation>
    </message>
    <message>
        <source>Ultramoderne Klinik</source>
        <translation>State-of-the-art clinic</translation>
    </message>
    <message>
        <source>Eigener Platz mit Umkleideraum</source>
        <translation>Own pitch with changing room</translation>
    </message>
    <message>
        <source>Eigenes Gelände mit Gebäude</source>
        <translation>Own grounds with building</translation>
    </message>
    <message>
        <source>Jugendhaus</source>
        <translation>Youth house</translation>
    </message>
    <message>
        <source>Jugendinternat</source>
        <translation>Youth boarding school</translation>
    </message>
    <message>
        <source>Luxus-Jugendinternat</source>
        <translation>Luxury youth boarding school</translation>
    </message>
    <message>
        <source>Jugendleistungszentrum</source>
        <translation>Youth academy</translation>
    </message>
    <message>
        <source>1 Platz mit Umkleideraum</source>
        <translation>1 pitch with changing room</translation>
    </message>
    <message>
        <source>2 Plätze mit Luxusumkleide</source>
        <translation>2 pitches with luxury changing room</translation>
    </message>
    <message>
        <source>Trainingsparcour</source>
        <translation>Training circuit</translation>
    </message>
    <message>
        <source>Beheizte Trainingsplätze</source>
        <translation>Heated training pitches</translation>
    </message>
    <message>
        <source>Zusätzliche Kleinfelder</source>
        <translation>Additional small-sided pitches</translation>
    </message>
    <message>
        <source>Zusätzliche Trainingshalle</source>
        <translation>Additional indoor training hall</translation>
    </message>
    <message>
        <source>Presseraum</source>
        <translation>Press room</translation>
    </message>
    <message>
        <source>Pressezentrum</source>
        <translation>Press centre</translation>
    </message>
    <message>
        <source>Eigenes Studio</source>
        <translation>Own studio</translation>
    </message>
    <message>
        <source>Eigenes Luxusstudio</source>
        <translation>Own luxury studio</translation>
    </message>
    <message>
        <source>Eigenes Sendezentrum</source>
        <translation>Own broadcasting centre</translation>
    </message>
    <message>
        <source>Sendemast</source>
        <translation>Transmitter mast</translation>
    </message>
    <message>
        <source>Regenerationseinrichtung</source>
        <translation>Recovery facility</translation>
    </message>
    <message>
        <source>Medizinisches Labor</source>
        <translation>Medical laboratory</translation>
    </message>
    <message>
        <source>Zentrum für Trainingslehre</source>
        <translation>Training science centre</translation>
    </message>
    <message>
        <source>Sportmedizinisches Institut</source>
        <translation>Sports medicine institute</translation>
    </message>
    <message>
        <source>Bibliothek</source>
        <translation>Library</translation>
    </message>
    <message>
        <source>Ernährungswissenschaftliches Institut</source>
        <translation>Nutrition science institute</translation>
    </message>
</context>
<context>
    <name>kw::ClubStadiumRules</name>
    <message>
        <source>Oval</source>
        <translation>Oval</translation>
    </message>
    <message>
        <source>Runde Ecken</source>
        <translation>Rounded corners</translation>
    </message>
    <message>
        <source>Fußballstadion</source>
        <translation>Football stadium</translation>
    </message>
</context>
<context>
    <name>kw::ContinentalSettings</name>
    <message>
        <source>Meisterrunde</source>
        <translation>Champions round</translation>
    </message>
    <message>
        <source>Europapokal</source>
        <translation>European Cup</translation>
    </message>
    <message>
        <source>Europapokal-Qualifikation</source>
        <translation>European Cup qualifying</translation>
    </message>
    <message>
        <source>Südamerika Pokal</source>
        <translation>South America Cup</translation>
    </message>
    <message>
        <source>Nordamerika Pokal</source>
        <translation>North America Cup</translation>
    </message>
    <message>
        <source>Afrikapokal</source>
        <translation>Africa Cup</translation>
    </message>
    <message>
        <source>Asienpokal</source>
        <translation>Asia Cup</translation>
    </message>
    <message>
        <source>Ozeanienpokal</source>
        <translation>Oceania Cup</translation>
    </message>
    <message>
        <source>Titelverteidiger %s</source>
        <translation>%s holders</translation>
    </message>
    <message>
        <source>Endspielort %s</source>
        <translation>%s final venue</translation>
    </message>
</context>
<context>
    <name>kw::CountryGeneralRules</name>
    <message>
        <source>Europa</source>
        <translation>Europe</translation>
    </message>
    <message>
        <source>Südamerika</source>
        <translation>South America</translation>
    </message>
    <message>
        <source>Nord und Mittelamerika</source>
        <translation>North and Central America</translation>
    </message>
    <message>
        <source>Afrika</source>
        <translation>Africa</translation>
    </message>
    <message>
        <source>Asien</source>
        <translation>Asia</translation>
    </message>
    <message>
        <source>Ozeanien</source>
        <translation>Oceania</translation>
    </message>
</context>
<context>
    <name>kw::CountryStaffCommands</name>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Torwarttrainer</source>
        <translation>Goalkeeping coach</translation>
    </message>
    <message>
        <source>Amateurtrainer</source>
        <translation>Reserve team coach</translation>
    </message>
    <message>
        <source>Jugendtrainer</source>
        <translation>Youth coach</translation>
    </message>
    <message>
        <source>Chefscout</source>
        <translation>Chief scout</translation>
    </message>
    <message>
        <source>2. Scout</source>
        <translation>Second scout</translation>
    </message>
    <message>
        <source>Talentsichter</source>
        <translation>Talent spotter</translation>
    </message>
    <message>
        <source>Mannschaftsarzt</source>
        <translation>Club doctor</translation>
    </message>
    <message>
        <source>Spezialist (Knie)</source>
        <translation>Specialist (knee)</translation>
    </message>
    <message>
        <source>Spezialist (Köchel)</source>
        <translation>Specialist (ankle)</translation>
    </message>
    <message>
        <source>Spezialist (Muskel)</source>
        <translation>Specialist (muscle)</translation>
    </message>
    <message>
        <source>Masseur</source>
        <translation>Physio</translation>
    </message>
    <message>
        <source>Psychologe</source>
        <translation>Psychologist</translation>
    </message>
    <message>
        <source>Geschäftsführer</source>
        <translation>Chief executive</translation>
    </message>
    <message>
        <source>Marketingspezialist</source>
        <translation>Marketing specialist</translation>
    </message>
    <message>
        <source>Stadiummanager</source>
        <translation>Stadium manager</translation>
    </message>
    <message>
        <source>Fanbeauftragter</source>
        <translation>Supporter liaison officer</translation>
    </message>
</context>
<context>
    <name>kw::CupFormat</name>
    <message>
        <source>Qualif. int. Wett.</source>
        <translation>Int. comp. qualifying</translation>
    </message>
    <message>
        <source>1. Runde</source>
        <translation>Round 1</translation>
    </message>
    <message>
        <source>2. Runde</source>
        <translation>Round 2</translation>
    </message>
    <message>
        <source>3. Runde</source>
        <translation>Round 3</translation>
    </message>
    <message>
        <source>4. Runde</source>
        <translation>Round 4</translation>
    </message>
    <message>
        <source>Runde 5</source>
        <translation>Round 5</translation>
    </message>
    <message>
        <source>Gruppe A</source>
        <translation>Group A</translation>
    </message>
    <message>
        <source>Gruppe B</source>
        <translation>Group B</translation>
    </message>
    <message>
        <source>Achtelfinale</source>
        <translation>Round of 16</translation>
    </message>
    <message>
        <source>Viertelfinale</source>
        <translation>Quarter-final</translation>
    </message>
    <message>
        <source>Halbfinale</source>
        <translation>Semi-final</translation>
    </message>
    <message>
        <source>Finale</source>
        <translation>Final</translation>
    </message>
</context>
<context>
    <name>kw::CupPageValues</name>
    <message>
        <source> Kein Pokal</source>
        <translation> No cup</translation>
    </message>
</context>
<context>
    <name>kw::Date</name>
    <message>
        <source>Mo</source>
        <translation>Mon</translation>
    </message>
    <message>
        <source>Di</source>
        <translation>Tue</translation>
    </message>
    <message>
        <source>Mi</source>
        <translation>Wed</translation>
    </message>
    <message>
        <source>Do</source>
        <translation>Thu</translation>
    </message>
    <message>
        <source>Fr</source>
        <translation>Fri</translation>
    </message>
    <message>
        <source>Sa</source>
        <translation>Sat</translation>
    </message>
    <message>
        <source>So</source>
        <translation>Sun</translation>
    </message>
</context>
<context>
    <name>kw::DlgMainMenu</name>
    <message>
        <source>Änderungspakete (*.kwp)</source>
        <translation>Change packages (*.kwp)</translation>
    </message>
    <message>
        <source>Änderungspaket speichern</source>
        <translation>Save change package</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden.</source>
        <translation>The file %1 could not be written.</translation>
    </message>
    <message>
        <source>1 Änderung wurde in die Datei %1 geschrieben.</source>
        <translation>1 change was written to the file %1.</translation>
    </message>
    <message>
        <source>%1 Änderungen wurden in die Datei %2 geschrieben.</source>
        <translation>%1 changes were written to the file %2.</translation>
    </message>
    <message>
        <source>Die Datenbanken sind gleich: es gibt keine Änderungen für ein Paket.</source>
        <translation>The databases are identical: there are no changes for a package.</translation>
    </message>
    <message>
        <source>Die gespeicherte Datenbank in %1 konnte nicht vollständig gelesen werden; es wurde kein Paket geschrieben.</source>
        <translation>The saved database in %1 could not be read completely; no package was written.</translation>
    </message>
    <message>
        <source>Seit dem letzten Speichern hat sich nichts geändert.</source>
        <translation>Nothing has changed since the last save.</translation>
    </message>
    <message>
        <source>Änderungspaket anwenden</source>
        <translation>Apply change package</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gelesen werden.</source>
        <translation>The file %1 could not be read.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist kein gültiges Änderungspaket und wird nicht angewendet: %2</source>
        <translation>The file %1 is not a valid change package and will not be applied: %2</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv);;Alle Dateien (*.*)</source>
        <translation>CSV files (*.csv);;All files (*.*)</translation>
    </message>
    <message>
        <source>CSV exportieren</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>%1 Datensätze wurden in die Datei %2 exportiert.</source>
        <translation>%1 records were exported to the file %2.</translation>
    </message>
    <message>
        <source>CSV importieren</source>
        <translation>Import CSV</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht importiert werden: %2</source>
        <translation>The file %1 cannot be imported: %2</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Neu...</source>
        <translation>&amp;New...</translation>
    </message>
    <message>
        <source>&amp;Öffnen..</source>
        <translation>&amp;Open..</translation>
    </message>
    <message>
        <source>S&amp;chließen</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Speichern &amp;unter...</source>
        <translation>Save &amp;as...</translation>
    </message>
    <message>
        <source>Daten &amp;exportieren</source>
        <translation>&amp;Export data</translation>
    </message>
    <message>
        <source>Daten &amp;importieren</source>
        <translation>&amp;Import data</translation>
    </message>
    <message>
        <source>CSV e&amp;xportieren...</source>
        <translation>E&amp;xport CSV...</translation>
    </message>
    <message>
        <source>CSV i&amp;mportieren...</source>
        <translation>I&amp;mport CSV...</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Rückgängig</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Wiederholen</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Datenbanken</source>
        <translation>Databases</translation>
    </message>
    <message>
        <source>Verwalten</source>
        <translation>Manage</translation>
    </message>
    <message>
        <source>Datenbanken vergleichen</source>
        <translation>Compare databases</translation>
    </message>
    <message>
        <source>Änderungspaket &amp;erstellen...</source>
        <translation>&amp;Create change package...</translation>
    </message>
    <message>
        <source>Änderungen seit dem letzten Speichern als &amp;Paket...</source>
        <translation>Changes since the last save as &amp;package...</translation>
    </message>
    <message>
        <source>Änderungspaket &amp;anwenden...</source>
        <translation>&amp;Apply change package...</translation>
    </message>
    <message>
        <source>Datenbank wiederherstellen</source>
        <translation>Restore database</translation>
    </message>
    <message>
        <source>&amp;Land</source>
        <translation>&amp;Country</translation>
    </message>
    <message>
        <source>S&amp;tadien...</source>
        <translation>S&amp;tadiums...</translation>
    </message>
    <message>
        <source>Sc&amp;hiedsrichter...</source>
        <translation>&amp;Referees...</translation>
    </message>
    <message>
        <source>&amp;5-Jahres-Wertung...</source>
        <translation>&amp;5-year ranking...</translation>
    </message>
    <message>
        <source>Liga&amp;system...</source>
        <translation>League &amp;system...</translation>
    </message>
    <message>
        <source>&amp;Ligazusammensetzung...</source>
        <translation>League c&amp;omposition...</translation>
    </message>
    <message>
        <source>&amp;Rahmenterminkalender...</source>
        <translation>Season &amp;calendar...</translation>
    </message>
    <message>
        <source>S&amp;pielpläne...</source>
        <translation>&amp;Fixture lists...</translation>
    </message>
    <message>
        <source>Assistenten</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Schnelle Transfers</source>
        <translation>Fast transfers</translation>
    </message>
    <message>
        <source>Spieler suchen</source>
        <translation>Search players</translation>
    </message>
    <message>
        <source>Doppelte Spieler anzeigen</source>
        <translation>Show duplicate players</translation>
    </message>
    <message>
        <source>Nationalmannschaften</source>
        <translation>National teams</translation>
    </message>
    <message>
        <source>Freie Spieler</source>
        <translation>Players without a club</translation>
    </message>
    <message>
        <source>Spielervergleich</source>
        <translation>Compare players</translation>
    </message>
    <message>
        <source>Nach ungültigen Wappen suchen</source>
        <translation>Find invalid badges</translation>
    </message>
    <message>
        <source>&amp;Datenbank prüfen</source>
        <translation>&amp;Check database</translation>
    </message>
    <message>
        <source>Keine Installation gefunden: leere Datenbank</source>
        <translation>No installation found: empty database</translation>
    </message>
    <message>
        <source>&amp;Rückgängig: %1</source>
        <translation>&amp;Undo: %1</translation>
    </message>
    <message>
        <source>&amp;Wiederholen: %1</source>
        <translation>&amp;Redo: %1</translation>
    </message>
    <message>
        <source>KW Datenbankdateien (*.tdb);;Alle Dateien (*.*)</source>
        <translation>KW database files (*.tdb);;All files (*.*)</translation>
    </message>
    <message>
        <source>Vereinsnamen (*.clb)</source>
        <translation>Club files (*.clb)</translation>
    </message>
    <message>
        <source>alle Dateien</source>
        <translation>All files</translation>
    </message>
    <message>
        <source>Verein bearbeiten</source>
        <translation>Edit club</translation>
    </message>
    <message>
        <source>Spielerkader bearbeiten</source>
        <translation>Edit squad</translation>
    </message>
    <message>
        <source>Personal bearbeiten</source>
        <translation>Edit staff</translation>
    </message>
    <message>
        <source>Spieler/Manager löschen</source>
        <translation>Delete players/managers</translation>
    </message>
    <message>
        <source>Neuer Verein</source>
        <translation>New club</translation>
    </message>
    <message>
        <source>Verein löschen</source>
        <translation>Delete club</translation>
    </message>
    <message>
        <source>Verein abspeichern</source>
        <translation>Save club to file</translation>
    </message>
    <message>
        <source>Verein überschreiben</source>
        <translation>Overwrite club from file</translation>
    </message>
</context>
<context>
    <name>kw::Edit</name>
    <message>
        <source>Rahmenterminkalender</source>
        <translation>Fixture calendar</translation>
    </message>
    <message>
        <source>Neuer Verein</source>
        <translation>New club</translation>
    </message>
    <message>
        <source>Verein löschen</source>
        <translation>Delete club</translation>
    </message>
    <message>
        <source>Spieler/Manager löschen</source>
        <translation>Delete players/managers</translation>
    </message>
    <message>
        <source>Verein überschreiben</source>
        <translation>Overwrite club</translation>
    </message>
    <message>
        <source>Ligazusammensetzung</source>
        <translation>League composition</translation>
    </message>
    <message>
        <source>Kontinentale Einstellungen</source>
        <translation>Continental settings</translation>
    </message>
    <message>
        <source>Stadion ändern</source>
        <translation>Edit stadium</translation>
    </message>
    <message>
        <source>Schiedsrichter ändern</source>
        <translation>Edit referee</translation>
    </message>
    <message>
        <source>Neuer Schiedsrichter</source>
        <translation>New referee</translation>
    </message>
    <message>
        <source>Schiedsrichter löschen</source>
        <translation>Delete referee</translation>
    </message>
    <message>
        <source>Neuer Jugendspieler</source>
        <translation>New youth player</translation>
    </message>
    <message>
        <source>Jugendspieler ändern</source>
        <translation>Edit youth player</translation>
    </message>
    <message>
        <source>Jugendspieler löschen</source>
        <translation>Delete youth player</translation>
    </message>
    <message>
        <source>Neuer Trainer</source>
        <translation>New coach</translation>
    </message>
    <message>
        <source>Neuer Mitarbeiter</source>
        <translation>New staff member</translation>
    </message>
    <message>
        <source>Trainer ändern</source>
        <translation>Edit coach</translation>
    </message>
    <message>
        <source>Mitarbeiter ändern</source>
        <translation>Edit staff member</translation>
    </message>
    <message>
        <source>Trainer löschen</source>
        <translation>Delete coach</translation>
    </message>
    <message>
        <source>Mitarbeiter löschen</source>
        <translation>Delete staff member</translation>
    </message>
    <message>
        <source>Schneller Transfer</source>
        <translation>Quick transfer</translation>
    </message>
    <message>
        <source>5-Jahres-Wertung ändern</source>
        <translation>Change 5-year ranking</translation>
    </message>
    <message>
        <source>Spielplan</source>
        <translation>Fixture list</translation>
    </message>
    <message>
        <source>Globale Einstellungen</source>
        <translation>Global settings</translation>
    </message>
    <message>
        <source>Ligadaten</source>
        <translation>League data</translation>
    </message>
    <message>
        <source>Ligasystem</source>
        <translation>League system</translation>
    </message>
    <message>
        <source>Ligenbezeichnung ändern</source>
        <translation>Change level name</translation>
    </message>
    <message>
        <source>Manager bearbeiten</source>
        <translation>Edit manager</translation>
    </message>
    <message>
        <source>Aus Nationalmannschaft entfernen</source>
        <translation>Remove from national team</translation>
    </message>
    <message>
        <source>Spieler bearbeiten</source>
        <translation>Edit player</translation>
    </message>
    <message>
        <source>Spieler holen</source>
        <translation>Sign player</translation>
    </message>
    <message>
        <source>Spieler transferieren</source>
        <translation>Transfer player</translation>
    </message>
    <message>
        <source>Spieler löschen</source>
        <translation>Delete player</translation>
    </message>
    <message>
        <source>Neuer Spieler</source>
        <translation>New player</translation>
    </message>
    <message>
        <source>In 2. Mannschaft</source>
        <translation>Move to reserve team</translation>
    </message>
    <message>
        <source>In 1. Mannschaft</source>
        <translation>Move to first team</translation>
    </message>
    <message>
        <source>Eintrag löschen</source>
        <translation>Delete entry</translation>
    </message>
    <message>
        <source>Person transferieren</source>
        <translation>Transfer person</translation>
    </message>
    <message>
        <source>Person holen</source>
        <translation>Bring in person</translation>
    </message>
    <message>
        <source>Wechsel zu Verein</source>
        <translation>Transfer to club</translation>
    </message>
    <message>
        <source>Änderungspaket anwenden</source>
        <translation>Apply change package</translation>
    </message>
    <message>
        <source>CSV importieren</source>
        <translation>Import CSV</translation>
    </message>
    <message>
        <source>Vereine begrenzen</source>
        <translation>Limit clubs</translation>
    </message>
</context>
<context>
    <name>kw::GlobalRulesChoices</name>
    <message>
        <source>Punkte für &amp;Sieg</source>
        <translation>Points for a &amp;win</translation>
    </message>
    <message>
        <source>Punkte für Aus&amp;wärtssieg</source>
        <translation>Points for an &amp;away win</translation>
    </message>
    <message>
        <source>Extrapunkt für Sieg gegen &amp;Titelverteidiger</source>
        <translation>Bonus point for beating the &amp;title holders</translation>
    </message>
    <message>
        <source>Extrapunkt bei &amp;mehr als 3 geschossenen Toren</source>
        <translation>Bonus point for scoring &amp;more than 3 goals</translation>
    </message>
    <message>
        <source>Zwei</source>
        <translation>Two</translation>
    </message>
    <message>
        <source>Drei</source>
        <translation>Three</translation>
    </message>
    <message>
        <source>Vier</source>
        <translation>Four</translation>
    </message>
    <message>
        <source>An</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Aus</source>
        <translation>Off</translation>
    </message>
</context>
<context>
    <name>kw::LanguageList</name>
    <message>
        <source> keine</source>
        <translation> none</translation>
    </message>
    <message>
        <source>Afrik. Dialekt</source>
        <translation>African dialect</translation>
    </message>
    <message>
        <source>Albanisch</source>
        <translation>Albanian</translation>
    </message>
    <message>
        <source>Amharisch</source>
        <translation>Amharic</translation>
    </message>
    <message>
        <source>Arabisch</source>
        <translation>Arabic</translation>
    </message>
    <message>
        <source>Armenisch</source>
        <translation>Armenian</translation>
    </message>
    <message>
        <source>Bosnisch</source>
        <translation>Bosnian</translation>
    </message>
    <message>
        <source>Bulgarisch</source>
        <translation>Bulgarian</translation>
    </message>
    <message>
        <source>Aserbaidjani</source>
        <translation>Azerbaijani</translation>
    </message>
    <message>
        <source>Chinesisch</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <source>Kroatisch</source>
        <translation>Croatian</translation>
    </message>
    <message>
        <source>Tschechisch</source>
        <translation>Czech</translation>
    </message>
    <message>
        <source>Dänisch</source>
        <translation>Danish</translation>
    </message>
    <message>
        <source>Holländisch</source>
        <translation>Dutch</translation>
    </message>
    <message>
        <source>Englisch</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Estisch</source>
        <translation>Estonian</translation>
    </message>
    <message>
        <source>Finnisch</source>
        <translation>Finnish</translation>
    </message>
    <message>
        <source>Französisch</source>
        <translation>French</translation>
    </message>
    <message>
        <source>Georgisch</source>
        <translation>Georgian</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>German</translation>
    </message>
    <message>
        <source>Griechisch</source>
        <translation>Greek</translation>
    </message>
    <message>
        <source>Hebräisch</source>
        <translation>Hebrew</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>Hindi</translation>
    </message>
    <message>
        <source>Ungarisch</source>
        <translation>Hungarian</translation>
    </message>
    <message>
        <source>Isländisch</source>
        <translation>Icelandic</translation>
    </message>
    <message>
        <source>Italienisch</source>
        <translation>Italian</translation>
    </message>
    <message>
        <source>Japanisch</source>
        <translation>Japanese</translation>
    </message>
    <message>
        <source>Kiswahili</source>
        <translation>Swahili</translation>
    </message>
    <message>
        <source>Koreanisch</source>
        <translation>Korean</translation>
    </message>
    <message>
        <source>Lettisch</source>
        <translation>Latvian</translation>
    </message>
    <message>
        <source>Litauisch</source>
        <translation>Lithuanian</translation>
    </message>
    <message>
        <source>Mazedonisch</source>
        <translation>Macedonian</translation>
    </message>
    <message>
        <source>Malay</source>
        <translation>Malay</translation>
    </message>
    <message>
        <source>Maltesisch</source>
        <translation>Maltese</translation>
    </message>
    <message>
        <source>Norwegisch</source>
        <translation>Norwegian</translation>
    </message>
    <message>
        <source>Persisch</source>
        <translation>Persian</translation>
    </message>
    <message>
        <source>Polnisch</source>
        <translation>Polish</translation>
    </message>
    <message>
        <source>Portugiesisch</source>
        <translation>Portuguese</translation>
    </message>
    <message>
        <source>Rumänisch</source>
        <translation>Romanian</translation>
    </message>
    <message>
        <source>Russisch</source>
        <translation>Russian</translation>
    </message>
    <message>
        <source>Serbisch</source>
        <translation>Serbian</translation>
    </message>
    <message>
        <source>Slowakisch</source>
        <translation>Slovak</translation>
    </message>
    <message>
        <source>Slowenisch</source>
        <translation>Slovenian</translation>
    </message>
    <message>
        <source>Spanisch</source>
        <translation>Spanish</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thai</translation>
    </message>
    <message>
        <source>Türkisch</source>
        <translation>Turkish</translation>
    </message>
    <message>
        <source>Ukrainisch</source>
        <translation>Ukrainian</translation>
    </message>
    <message>
        <source>Vietnamesisch</source>
        <translation>Vietnamese</translation>
    </message>
    <message>
        <source>Schwedisch</source>
        <translation>Swedish</translation>
    </message>
    <message>
        <source>Afghanisch</source>
        <translation>Afghan</translation>
    </message>
    <message>
        <source>Indonesisch</source>
        <translation>Indonesian</translation>
    </message>
    <message>
        <source>Burmesisch</source>
        <translation>Burmese</translation>
    </message>
    <message>
        <source>Kasachisch</source>
        <translation>Kazakh</translation>
    </message>
    <message>
        <source>Khmer</source>
        <translation>Khmer</translation>
    </message>
    <message>
        <source>Lao</source>
        <translation>Lao</translation>
    </message>
    <message>
        <source>Mongolisch</source>
        <translation>Mongolian</translation>
    </message>
    <message>
        <source>Nepalesisch</source>
        <translation>Nepali</translation>
    </message>
    <message>
        <source>Pilipino</source>
        <translation>Filipino</translation>
    </message>
    <message>
        <source>Polynesisch</source>
        <translation>Polynesian</translation>
    </message>
    <message>
        <source>Punjabi</source>
        <translation>Punjabi</translation>
    </message>
    <message>
        <source>Sinhala</source>
        <translation>Sinhala</translation>
    </message>
    <message>
        <source>Turkmenisch</source>
        <translation>Turkmen</translation>
    </message>
    <message>
        <source>Usbekisch</source>
        <translation>Uzbek</translation>
    </message>
</context>
<context>
    <name>kw::LeagueComposition</name>
    <message>
        <source>%s: Nicht genügend Vereine in der Liga!</source>
        <translation>%s: Not enough clubs in the league!</translation>
    </message>
    <message>
        <source>%s: Reserveteams dürfen nicht in der Liga spielen!</source>
        <translation>%s: Reserve teams may not play in the league!</translation>
    </message>
</context>
<context>
    <name>kw::LeagueDataRules</name>
    <message>
        <source>Geliehene Spieler (kurze Laufzeit)</source>
        <translation>Players loaned in (short term)</translation>
    </message>
    <message>
        <source>Gleichzeitige gel. Spieler (kurze Laufzeit)</source>
        <translation>Players on loan at the same time (short term)</translation>
    </message>
    <message>
        <source>Geliehene Spieler (lange Laufzeit)</source>
        <translation>Players loaned in (long term)</translation>
    </message>
    <message>
        <source>Gleichzeitig gel. Spieler (lange Laufzeit)</source>
        <translation>Players on loan at the same time (long term)</translation>
    </message>
    <message>
        <source>Geliehene Spieler pro Saison</source>
        <translation>Players loaned in per season</translation>
    </message>
    <message>
        <source>Gleichzeitig geliehene Spieler pro Saison</source>
        <translation>Players on loan at the same time per season</translation>
    </message>
    <message>
        <source>Verliehene Spieler pro Saison</source>
        <translation>Players loaned out per season</translation>
    </message>
    <message>
        <source>Geliehene Spieler im Kader</source>
        <translation>Loaned players in the squad</translation>
    </message>
    <message>
        <source>Leihe mit gleicher Liga</source>
        <translation>Loans with the same league</translation>
    </message>
    <message>
        <source>Leihgeschäfte mit anderer Liga</source>
        <translation>Loans with another league</translation>
    </message>
    <message>
        <source>Gleichzeitige Leihgeschäfte mit gleicher Liga</source>
        <translation>Simultaneous loans with the same league</translation>
    </message>
    <message>
        <source>Gleichzeitige Leihgeschäfte mit anderer Liga</source>
        <translation>Simultaneous loans with another league</translation>
    </message>
    <message>
        <source>Mindestanzahl einheimischer Spieler</source>
        <translation>Minimum number of domestic players</translation>
    </message>
    <message>
        <source>Mindestanzahl Spieler unter 21 Jahren</source>
        <translation>Minimum number of players under 21</translation>
    </message>
    <message>
        <source>Mindestanzahl Spieler unter 24 Jahren</source>
        <translation>Minimum number of players under 24</translation>
    </message>
</context>
<context>
    <name>kw::LeagueSystemCommands</name>
    <message>
        <source>Spielplan ist nicht vollständig!</source>
        <translation>Fixture list is incomplete!</translation>
    </message>
    <message>
        <source>Anzahl Spieltage ist nicht korrekt!</source>
        <translation>Number of matchdays is incorrect!</translation>
    </message>
    <message>
        <source>Nicht genügend Vereine in der Liga!</source>
        <translation>Not enough clubs in the league!</translation>
    </message>
    <message>
        <source>Reserveteams dürfen nicht in der Liga spielen!</source>
        <translation>Reserve teams may not play in the league!</translation>
    </message>
</context>
<context>
    <name>kw::ListExportDialog</name>
    <message>
        <source>Mit Tabs getrennt (*.txt)</source>
        <translation>Tab-separated (*.txt)</translation>
    </message>
    <message>
        <source>Mit Leerzeichen formatiert (*.txt)</source>
        <translation>Formatted with spaces (*.txt)</translation>
    </message>
    <message>
        <source>XML Style (*.xml)</source>
        <translation>XML style (*.xml)</translation>
    </message>
</context>
<context>
    <name>kw::ManagerRules</name>
    <message>
        <source>Motivation</source>
        <translation>Motivation</translation>
    </message>
    <message>
        <source>Trainingsgestaltung</source>
        <translation>Training planning</translation>
    </message>
    <message>
        <source>Torwarttraining</source>
        <translation>Goalkeeping training</translation>
    </message>
    <message>
        <source>Verhandlungsgeschick</source>
        <translation>Negotiating skill</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Kompetent</source>
        <translation>Competent</translation>
    </message>
    <message>
        <source>Gut</source>
        <translation>Good</translation>
    </message>
    <message>
        <source>Außergewöhnlich</source>
        <translation>Exceptional</translation>
    </message>
    <message>
        <source>Einer der Besten</source>
        <translation>One of the best</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>Newcomer</translation>
    </message>
    <message>
        <source>Unerfahren</source>
        <translation>Inexperienced</translation>
    </message>
    <message>
        <source>Etabliert</source>
        <translation>Established</translation>
    </message>
    <message>
        <source>Viele Jahre Erfahrung</source>
        <translation>Many years&apos; experience</translation>
    </message>
    <message>
        <source>Große Erfahrung</source>
        <translation>Vast experience</translation>
    </message>
</context>
<context>
    <name>kw::PlayerLook</name>
    <message>
        <source>Europäer</source>
        <translation>European</translation>
    </message>
    <message>
        <source>Asiatisch</source>
        <translation>Asian</translation>
    </message>
    <message>
        <source>Latino</source>
        <translation>Latino</translation>
    </message>
    <message>
        <source>Afrikanisch</source>
        <translation>African</translation>
    </message>
    <message>
        <source>Kaukasisch</source>
        <translation>Caucasian</translation>
    </message>
    <message>
        <source>Arabisch</source>
        <translation>Arab</translation>
    </message>
    <message>
        <source>Schwarz</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>Braun</source>
        <translation>Brown</translation>
    </message>
    <message>
        <source>Dunkelblond</source>
        <translation>Dark blond</translation>
    </message>
    <message>
        <source>Blond</source>
        <translation>Blond</translation>
    </message>
    <message>
        <source>Rot</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Haare</source>
        <translation>Hairstyle</translation>
    </message>
    <message>
        <source>Keiner</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Spitzbart (teilweise)</source>
        <translation>Goatee (partial)</translation>
    </message>
    <message>
        <source>Spitzbart (vollständig)</source>
        <translation>Goatee (full)</translation>
    </message>
    <message>
        <source>Schnauzbart</source>
        <translation>Moustache</translation>
    </message>
    <message>
        <source>Dreitagebart</source>
        <translation>Stubble</translation>
    </message>
    <message>
        <source>Vollbart</source>
        <translation>Full beard</translation>
    </message>
</context>
<context>
    <name>kw::PlayerPool</name>
    <message>
        <source>Passspiel</source>
        <translation>Passing</translation>
    </message>
    <message>
        <source>Kopfball</source>
        <translation>Heading</translation>
    </message>
    <message>
        <source>Schussstärke</source>
        <translation>Shot power</translation>
    </message>
    <message>
        <source>Schussgenauigkeit</source>
        <translation>Shooting accuracy</translation>
    </message>
    <message>
        <source>Antritt</source>
        <translation>Acceleration</translation>
    </message>
    <message>
        <source>Schnelligkeit</source>
        <translation>Pace</translation>
    </message>
    <message>
        <source>Def.Zweikampf</source>
        <translation>Defensive duels</translation>
    </message>
    <message>
        <source>Off. Zweikampf</source>
        <translation>Attacking duels</translation>
    </message>
    <message>
        <source>Technik</source>
        <translation>Technique</translation>
    </message>
    <message>
        <source>Flanken</source>
        <translation>Crossing</translation>
    </message>
    <message>
        <source>Reflexe</source>
        <translation>Reflexes</translation>
    </message>
    <message>
        <source>Flugparaden</source>
        <translation>Diving saves</translation>
    </message>
    <message>
        <source>Strafraumbeherrschung</source>
        <translation>Command of area</translation>
    </message>
    <message>
        <source>Eins gegen eins</source>
        <translation>One on ones</translation>
    </message>
    <message>
        <source>Abstöße</source>
        <translation>Goal kicks</translation>
    </message>
    <message>
        <source>Abwürfe</source>
        <translation>Throwing</translation>
    </message>
    <message>
        <source>Torwart</source>
        <translation>Goalkeeper</translation>
    </message>
    <message>
        <source>Verteidiger</source>
        <translation>Defender</translation>
    </message>
    <message>
        <source>Mittelfeldspieler</source>
        <translation>Midfielder</translation>
    </message>
    <message>
        <source>Stürmer</source>
        <translation>Forward</translation>
    </message>
</context>
<context>
    <name>kw::PlayerSummaryValues</name>
    <message>
        <source>Passspiel</source>
        <translation>Passing</translation>
    </message>
    <message>
        <source>Kopfball</source>
        <translation>Heading</translation>
    </message>
    <message>
        <source>Schussstärke</source>
        <translation>Shot power</translation>
    </message>
    <message>
        <source>Schussgenauigkeit</source>
        <translation>Shooting accuracy</translation>
    </message>
    <message>
        <source>Antritt</source>
        <translation>Acceleration</translation>
    </message>
    <message>
        <source>Schnelligkeit</source>
        <translation>Pace</translation>
    </message>
    <message>
        <source>Def. Zweikampf</source>
        <translation>Defensive duels</translation>
    </message>
    <message>
        <source>Off. Zweikampf</source>
        <translation>Attacking duels</translation>
    </message>
    <message>
        <source>Technik</source>
        <translation>Technique</translation>
    </message>
    <message>
        <source>Flanken</source>
        <translation>Crossing</translation>
    </message>
    <message>
        <source>Reflexe</source>
        <translation>Reflexes</translation>
    </message>
    <message>
        <source>Flugparaden</source>
        <translation>Diving saves</translation>
    </message>
    <message>
        <source>Strafraumbeherr.</source>
        <translation>Command of area</translation>
    </message>
    <message>
        <source>Eins gegen eins</source>
        <translation>One on ones</translation>
    </message>
    <message>
        <source>Abstöße</source>
        <translation>Goal kicks</translation>
    </message>
    <message>
        <source>Abwürfe</source>
        <translation>Throwing</translation>
    </message>
</context>
<context>
    <name>kw::QuestionButtons</name>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Verwerfen</source>
        <translation>&amp;Discard</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>kw::Referee</name>
    <message>
        <source>Weltklasse-Schiedsrichter</source>
        <translation>World-class referee</translation>
    </message>
    <message>
        <source>greift gnadenlos durch</source>
        <translation>shows no mercy</translation>
    </message>
    <message>
        <source>lässt das Spiel laufen</source>
        <translation>lets the game flow</translation>
    </message>
    <message>
        <source>mag Zurufe durch Trainer nicht</source>
        <translation>dislikes shouting from coaches</translation>
    </message>
    <message>
        <source>trifft mutige Entscheidungen</source>
        <translation>makes brave decisions</translation>
    </message>
    <message>
        <source>ist ein Feigling</source>
        <translation>is a coward</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
</context>
<context>
    <name>kw::Resource</name>
    <message>
        <source>wird bei Programmstart ausgewürfelt</source>
        <translation>drawn at random when the game starts</translation>
    </message>
    <message>
        <source>Allgemeine Informationen</source>
        <translation>General information</translation>
    </message>
    <message>
        <source>Wappen</source>
        <translation>Badge</translation>
    </message>
    <message>
        <source>Trikots</source>
        <translation>Kits</translation>
    </message>
    <message>
        <source>Stadion/Umgebung</source>
        <translation>Stadium/surroundings</translation>
    </message>
    <message>
        <source>Historische Daten</source>
        <translation>Historical data</translation>
    </message>
    <message>
        <source>Egal</source>
        <translation>Ignore</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>German</translation>
    </message>
    <message>
        <source>Englisch</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Französisch</source>
        <translation>French</translation>
    </message>
    <message>
        <source>Spanisch</source>
        <translation>Spanish</translation>
    </message>
    <message>
        <source>Italienisch</source>
        <translation>Italian</translation>
    </message>
    <message>
        <source>Möchten Sie die Datenbank &quot;%s&quot; wirklich löschen?</source>
        <translation>Do you really want to delete the database &quot;%s&quot;?</translation>
    </message>
    <message>
        <source>Das Nationalteam kann nicht überschrieben werden</source>
        <translation>The national team cannot be overwritten</translation>
    </message>
    <message>
        <source>Die Laufzeitbibliothek Renderer.dll konnte nicht geladen werden. Es ist keine 3D Darstellung möglich</source>
        <translation>The runtime library Renderer.dll could not be loaded. 3D display is not possible</translation>
    </message>
    <message>
        <source>Stärke</source>
        <translation>Strength</translation>
    </message>
    <message>
        <source>Neue Datenbank erstellen	Welchen Namen soll die neue Datenbank bekommen?	NeueDatenbank</source>
        <translation>Create new database	What should the new database be called?	NeueDatenbank</translation>
    </message>
    <message>
        <source>Sollen wirklich alle Spieler und Manager vom Verein entfernt werden?</source>
        <translation>Do you really want to remove all players and managers from the club?</translation>
    </message>
    <message>
        <source>Doppelte Spieler in der Datenbank</source>
        <translation>Duplicate players in the database</translation>
    </message>
    <message>
        <source>Alter</source>
        <translation>Age</translation>
    </message>
    <message>
        <source>Talent</source>
        <translation>Potential</translation>
    </message>
    <message>
        <source>Länderspiele</source>
        <translation>Caps</translation>
    </message>
    <message>
        <source>Besonderheit</source>
        <translation>Speciality</translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>Nachname</source>
        <translation>Surname</translation>
    </message>
    <message>
        <source>Künstlername</source>
        <translation>Nickname</translation>
    </message>
    <message>
        <source>Land</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>Durch die Wiederherstellung werden alle vorhandenen Daten in der aktuellen Datenbank gelöscht. Soll wirklich die aktuelle Datenbank überschrieben werden?</source>
        <translation>Restoring deletes all existing data in the current database. Do you really want to overwrite the current database?</translation>
    </message>
    <message>
        <source>Nur *.tdb Dateien können geladen werden, bitte versuchen Sie es erneut.</source>
        <translation>Only *.tdb files can be loaded; please try again.</translation>
    </message>
    <message>
        <source>Der Dateiname %s ist länger als %d Zeichen und kann für den Verein nicht gespeichert werden. Bitte wählen Sie ein anderes Wappen.</source>
        <translation>The file name %s is longer than %d characters and cannot be stored for the club. Please choose another badge.</translation>
    </message>
    <message>
        <source>ohne Nummer</source>
        <translation>no number</translation>
    </message>
    <message>
        <source>Die Datenbank speichert keinen solchen Wert.</source>
        <translation>The database does not store such a value.</translation>
    </message>
    <message>
        <source>Rechte Maustaste auf Liste ruft Kontextmenü auf (z.B. für das Anlegen neuer Spieler)!</source>
        <translation>Right-click the list for its context menu (e.g. to create new players)!</translation>
    </message>
    <message>
        <source>WARNUNG! Größe des Bildes ist inkompatibel mit verwendeter Bildgröße 160x160 Pixel, Bild wird skaliert dargestellt.</source>
        <translation>WARNING! The picture does not have the 160x160 pixel size used; it is shown scaled.</translation>
    </message>
    <message>
        <source>Die folgenden Länderdateien waren beim Laden beschädigt oder unvollständig:
%s

Sollen sie jetzt durch die Daten im Editor ersetzt werden? Bei &quot;Nein&quot; bleiben sie unverändert erhalten.</source>
        <translation>The following country files were damaged or incomplete when loaded:
%s

Replace them now with the data in the editor? With &quot;No&quot; they are kept unchanged.</translation>
    </message>
    <message>
        <source>Der Name &quot;%s&quot; kann nicht als Datenbankname verwendet werden. Er darf nicht leer sein, nicht mit einem Leerzeichen beginnen oder enden und keines der Zeichen / \ &quot; * ? &lt; &gt; : enthalten.</source>
        <translation>The name &quot;%s&quot; cannot be used as a database name. It must not be empty, must not begin or end with a space and must not contain any of the characters / \ &quot; * ? &lt; &gt; :.</translation>
    </message>
    <message>
        <source>Die Liste konnte nicht in die Datei %s geschrieben werden.</source>
        <translation>The list could not be written to the file %s.</translation>
    </message>
    <message>
        <source>Die Liste ist leer, es gibt nichts zu drucken.</source>
        <translation>The list is empty; there is nothing to print.</translation>
    </message>
    <message>
        <source>Die Spalten der Liste passen nicht zwischen die Ränder der Seite. Wählen Sie ein breiteres Papierformat oder das Querformat.</source>
        <translation>The columns of the list do not fit between the page margins. Choose a wider paper size or landscape orientation.</translation>
    </message>
    <message>
        <source>Auf der Seite ist kein Platz für eine Zeile der Liste. Wählen Sie ein größeres Papierformat.</source>
        <translation>There is no room on the page for a row of the list. Choose a larger paper size.</translation>
    </message>
    <message>
        <source>Der Drucker hat die Liste nicht angenommen.</source>
        <translation>The printer did not accept the list.</translation>
    </message>
    <message>
        <source>KW 06 Editor Hinweis</source>
        <translation>KW 06 Editor Note</translation>
    </message>
    <message>
        <source>Kickwerk 06 - Achtung!</source>
        <translation>Kickwerk 06 - Attention!</translation>
    </message>
    <message>
        <source>Achtung!</source>
        <translation>Attention!</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Die Datenbank &quot;%s&quot; konnte nicht gelöscht werden. Sie liegt nicht im Datenbankordner, oder es fehlen Schreibrechte.</source>
        <translation>The database &quot;%s&quot; could not be deleted. It is not in the database folder, or write permission is missing.</translation>
    </message>
    <message>
        <source>Sie ist zurzeit im Editor geöffnet; ihre Daten bleiben dort erhalten, bis Sie sie speichern oder schließen.</source>
        <translation>It is currently open in the editor; its data stays there until you save or close it.</translation>
    </message>
    <message>
        <source>Neuer Verein	Bitte geben Sie den Namen des neuen Vereins ein!	</source>
        <translation>New club	Please enter the name of the new club!	</translation>
    </message>
    <message>
        <source>Kein Verein benutzt ein ungültiges Wappen.</source>
        <translation>No club uses an invalid badge.</translation>
    </message>
    <message>
        <source>Die Datenbank %s gibt es nicht mehr. Sie wird aus der Liste der zuletzt geöffneten Datenbanken entfernt.</source>
        <translation>The database %s no longer exists. It is removed from the list of recently opened databases.</translation>
    </message>
    <message>
        <source>Datenbanken synchronisieren</source>
        <translation>Synchronise databases</translation>
    </message>
    <message>
        <source>Allgemeine Informationen: Allgemein</source>
        <translation>General information: general</translation>
    </message>
    <message>
        <source>Allgemeine Informationen: Finanzen</source>
        <translation>General information: finances</translation>
    </message>
    <message>
        <source>Allgemeine Informationen: Anschrift + Lokale Presse</source>
        <translation>General information: address + local press</translation>
    </message>
    <message>
        <source>Allgemeine Informationen: Zuschauerinteresse</source>
        <translation>General information: spectator interest</translation>
    </message>
    <message>
        <source>Wappen und Vereinsfarben</source>
        <translation>Badge and club colours</translation>
    </message>
    <message>
        <source>Trikot</source>
        <translation>Kit</translation>
    </message>
    <message>
        <source>Stadion / Umgebung: Stadion</source>
        <translation>Stadium / surroundings: stadium</translation>
    </message>
    <message>
        <source>Stadion / Umgebung: Ortsangabe</source>
        <translation>Stadium / surroundings: location</translation>
    </message>
    <message>
        <source>Stadion / Umgebung: Stadionumgebung</source>
        <translation>Stadium / surroundings: stadium surroundings</translation>
    </message>
    <message>
        <source>Bevorzugte Transfers</source>
        <translation>Preferred transfers</translation>
    </message>
    <message>
        <source>Spielerdaten 1. Mannschaft</source>
        <translation>Player data: first team</translation>
    </message>
    <message>
        <source>Spielerdaten 2. Mannschaft</source>
        <translation>Player data: reserve team</translation>
    </message>
    <message>
        <source>Spielerdaten Trainer und Präsidenten</source>
        <translation>Player data: coaches and chairmen</translation>
    </message>
    <message>
        <source>Jugendspieler</source>
        <translation>Youth players</translation>
    </message>
    <message>
        <source>Schiedsrichter</source>
        <translation>Referees</translation>
    </message>
    <message>
        <source>Stadienliste</source>
        <translation>Stadium list</translation>
    </message>
    <message>
        <source>Sonstige Trainer/Manager</source>
        <translation>Other coaches/managers</translation>
    </message>
    <message>
        <source>Vereine / Spielpläne übernehmen</source>
        <translation>Take over clubs / fixture lists</translation>
    </message>
    <message>
        <source>Doppelte Personen (gleicher Name und Geburtstag):</source>
        <translation>Duplicate people (same name and date of birth):</translation>
    </message>
    <message>
        <source>Keine doppelten Personen gefunden.</source>
        <translation>No duplicate people found.</translation>
    </message>
    <message>
        <source>Land Einstellungen</source>
        <translation>Country settings</translation>
    </message>
    <message>
        <source>Ligasystem</source>
        <translation>League system</translation>
    </message>
    <message>
        <source>Pokal</source>
        <translation>Cup</translation>
    </message>
    <message>
        <source>Spieler Aussehen</source>
        <translation>Player appearance</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>etwas</source>
        <translation>a little</translation>
    </message>
    <message>
        <source>mittel</source>
        <translation>moderate</translation>
    </message>
    <message>
        <source>groß</source>
        <translation>considerable</translation>
    </message>
    <message>
        <source>gigantisch</source>
        <translation>huge</translation>
    </message>
    <message>
        <source>kaum Erfahrung</source>
        <translation>hardly any experience</translation>
    </message>
    <message>
        <source>erste Erfahrung</source>
        <translation>first taste</translation>
    </message>
    <message>
        <source>ganze Saison gespielt</source>
        <translation>played a full season</translation>
    </message>
    <message>
        <source>einige Saisons gespielt</source>
        <translation>played several seasons</translation>
    </message>
    <message>
        <source>gestandener Spieler</source>
        <translation>established player</translation>
    </message>
    <message>
        <source>erfahrener Recke</source>
        <translation>seasoned campaigner</translation>
    </message>
    <message>
        <source>alter Haudegen</source>
        <translation>old warhorse</translation>
    </message>
    <message>
        <source> keine</source>
        <translation> none</translation>
    </message>
    <message>
        <source>TO</source>
        <translation>GK</translation>
    </message>
    <message>
        <source>RV</source>
        <translation>RB</translation>
    </message>
    <message>
        <source>LV</source>
        <translation>LB</translation>
    </message>
    <message>
        <source>IV</source>
        <translation>CB</translation>
    </message>
    <message>
        <source>LI</source>
        <translation>SW</translation>
    </message>
    <message>
        <source>ROV</source>
        <translation>RWB</translation>
    </message>
    <message>
        <source>LOV</source>
        <translation>LWB</translation>
    </message>
    <message>
        <source>LVA</source>
        <translation>BWM</translation>
    </message>
    <message>
        <source>DM</source>
        <translation>DM</translation>
    </message>
    <message>
        <source>RM</source>
        <translation>RM</translation>
    </message>
    <message>
        <source>LM</source>
        <translation>LM</translation>
    </message>
    <message>
        <source>ZM</source>
        <translation>CM</translation>
    </message>
    <message>
        <source>RA</source>
        <translation>RW</translation>
    </message>
    <message>
        <source>LA</source>
        <translation>LW</translation>
    </message>
    <message>
        <source>OM</source>
        <translation>AM</translation>
    </message>
    <message>
        <source>HS</source>
        <translation>SS</translation>
    </message>
    <message>
        <source>ST</source>
        <translation>ST</translation>
    </message>
    <message>
        <source>Wahnsinnig</source>
        <translation>Insane</translation>
    </message>
    <message>
        <source>Unberechenbar</source>
        <translation>Unpredictable</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Stabil</source>
        <translation>Stable</translation>
    </message>
    <message>
        <source>Treu und visionär</source>
        <translation>Loyal and visionary</translation>
    </message>
    <message>
        <source>%s	Trainer</source>
        <translation>%s	Coach</translation>
    </message>
    <message>
        <source>%s	Manager</source>
        <translation>%s	Manager</translation>
    </message>
    <message>
        <source>%s	Präsident</source>
        <translation>%s	Chairman</translation>
    </message>
    <message>
        <source>Katze</source>
        <translation>Cat</translation>
    </message>
    <message>
        <source>Fliegenfänger</source>
        <translation>Safe hands</translation>
    </message>
    <message>
        <source>Nasser Sack</source>
        <translation>Dead weight</translation>
    </message>
    <message>
        <source>Elfmeterkiller</source>
        <translation>Penalty stopper</translation>
    </message>
    <message>
        <source>Freistossspezialist</source>
        <translation>Free-kick specialist</translation>
    </message>
    <message>
        <source>Elfmeterspezialist</source>
        <translation>Penalty specialist</translation>
    </message>
    <message>
        <source>Distanzschütze</source>
        <translation>Long-range shooter</translation>
    </message>
    <message>
        <source>Manndecker</source>
        <translation>Man-marker</translation>
    </message>
    <message>
        <source>Sturmtank</source>
        <translation>Target man</translation>
    </message>
    <message>
        <source>Flügelflitzer</source>
        <translation>Flying winger</translation>
    </message>
    <message>
        <source>Flankengott</source>
        <translation>Crossing master</translation>
    </message>
    <message>
        <source>Konterstürmer</source>
        <translation>Counter-attacking striker</translation>
    </message>
    <message>
        <source>Goalgetter</source>
        <translation>Poacher</translation>
    </message>
    <message>
        <source>Mr. Chancentod</source>
        <translation>Mr. Missed Chances</translation>
    </message>
    <message>
        <source>Arbeitsbiene</source>
        <translation>Worker bee</translation>
    </message>
    <message>
        <source>Laufwunder</source>
        <translation>Tireless runner</translation>
    </message>
    <message>
        <source>Leitfigur</source>
        <translation>Leader</translation>
    </message>
    <message>
        <source>Wunderkind</source>
        <translation>Wonderkid</translation>
    </message>
    <message>
        <source>Kreativspieler</source>
        <translation>Creative player</translation>
    </message>
    <message>
        <source>Regisseur</source>
        <translation>Playmaker</translation>
    </message>
    <message>
        <source>Mittelfeldstratege</source>
        <translation>Midfield general</translation>
    </message>
    <message>
        <source>Wunderstürmer</source>
        <translation>Wonder striker</translation>
    </message>
    <message>
        <source>Abwehrchef</source>
        <translation>Defensive leader</translation>
    </message>
    <message>
        <source>Staubsauger</source>
        <translation>Vacuum cleaner</translation>
    </message>
    <message>
        <source>Fußballgott</source>
        <translation>Football god</translation>
    </message>
    <message>
        <source>Sie dürfen nur 3 Blöcke für Dauerkarten festlegen!</source>
        <translation>You may set only 3 blocks for season tickets!</translation>
    </message>
    <message>
        <source>Sie müssen genau einen Block für Gästefans festlegen!</source>
        <translation>You must set exactly one block for away fans!</translation>
    </message>
    <message>
        <source>Blöcke für Dauerkarten und Gästefans dürfen nicht die gleichen sein.</source>
        <translation>The season ticket blocks and the away fans&apos; block must not be the same.</translation>
    </message>
    <message>
        <source>Fehler!</source>
        <translation>Errors!</translation>
    </message>
    <message>
        <source>Europa</source>
        <translation>Europe</translation>
    </message>
    <message>
        <source>Südamerika</source>
        <translation>South America</translation>
    </message>
    <message>
        <source>Nordamerika</source>
        <translation>North America</translation>
    </message>
    <message>
        <source>Asien</source>
        <translation>Asia</translation>
    </message>
    <message>
        <source>Afrika</source>
        <translation>Africa</translation>
    </message>
    <message>
        <source>Ozeanien</source>
        <translation>Oceania</translation>
    </message>
    <message>
        <source>Keine Datei gewählt</source>
        <translation>No file chosen</translation>
    </message>
    <message>
        <source>Es sollten mind. 14 Spieler in der ersten Mannschaft vorhanden sein.</source>
        <translation>The first team should have at least 14 players.</translation>
    </message>
    <message>
        <source>Es darf nur ein Trainer in der ersten Mannschaft vorhanden sein.</source>
        <translation>The first team may have only one coach.</translation>
    </message>
    <message>
        <source>Es darf nur ein Manager in der ersten Mannschaft vorhanden sein.</source>
        <translation>The first team may have only one manager.</translation>
    </message>
    <message>
        <source>Es darf nur ein Präsident in der ersten Mannschaft vorhanden sein.</source>
        <translation>The first team may have only one chairman.</translation>
    </message>
    <message>
        <source>Es darf nur ein Präsident im Verein vorhanden sein.</source>
        <translation>The club may have only one chairman.</translation>
    </message>
    <message>
        <source>Der folgende Fehler ist aufgetreten!</source>
        <translation>The following error occurred!</translation>
    </message>
    <message>
        <source>Die folgenden Länder sind korrekt initialisiert und werden damit im Spiel zur Auswahl zur Verfügung stehen.</source>
        <translation>The following countries are set up correctly and will therefore be available for selection in the game.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>erste Erfahrungen</source>
        <translation>first steps</translation>
    </message>
    <message>
        <source>eine Saison</source>
        <translation>one season</translation>
    </message>
    <message>
        <source>mehrere Saisons</source>
        <translation>several seasons</translation>
    </message>
    <message>
        <source>ein Jahrzehnt</source>
        <translation>a decade</translation>
    </message>
    <message>
        <source>alles gesehen</source>
        <translation>seen it all</translation>
    </message>
    <message>
        <source>alles erlebt</source>
        <translation>done it all</translation>
    </message>
    <message>
        <source>wenig Erfahrung</source>
        <translation>little experience</translation>
    </message>
    <message>
        <source>einige Erfahrung</source>
        <translation>some experience</translation>
    </message>
    <message>
        <source>Europapokal gewonnen</source>
        <translation>won a European cup</translation>
    </message>
    <message>
        <source>Europapokale gewonnen</source>
        <translation>won European cups</translation>
    </message>
    <message>
        <source>Mindestens ein Spieler hat keinen vollständigen Namen.</source>
        <translation>At least one player does not have a complete name.</translation>
    </message>
    <message>
        <source>%s	Co-Trainer</source>
        <translation>%s	Assistant coach</translation>
    </message>
    <message>
        <source>%s	Torwarttrainer</source>
        <translation>%s	Goalkeeping coach</translation>
    </message>
    <message>
        <source>%s	Trainer der Reserve</source>
        <translation>%s	Reserve team coach</translation>
    </message>
    <message>
        <source>%s	Jugendtrainer</source>
        <translation>%s	Youth coach</translation>
    </message>
    <message>
        <source>%s	Mannschaftsarzt</source>
        <translation>%s	Club doctor</translation>
    </message>
    <message>
        <source>%s	Chefscout</source>
        <translation>%s	Chief scout</translation>
    </message>
    <message>
        <source>%s	Spezialist (Knie)</source>
        <translation>%s	Specialist (knee)</translation>
    </message>
    <message>
        <source>%s	Spezialist (Knöchel)</source>
        <translation>%s	Specialist (ankle)</translation>
    </message>
    <message>
        <source>%s	Spezialist (Muskel)</source>
        <translation>%s	Specialist (muscle)</translation>
    </message>
    <message>
        <source>%s	Masseur</source>
        <translation>%s	Physio</translation>
    </message>
    <message>
        <source>%s	Psychologe</source>
        <translation>%s	Psychologist</translation>
    </message>
    <message>
        <source>%s	Marketing</source>
        <translation>%s	Marketing</translation>
    </message>
    <message>
        <source>%s	Stadionmanager</source>
        <translation>%s	Stadium manager</translation>
    </message>
    <message>
        <source>%s	Fanbeauftragter</source>
        <translation>%s	Supporter liaison officer</translation>
    </message>
    <message>
        <source>%s	Geschäftsführer</source>
        <translation>%s	Chief executive</translation>
    </message>
    <message>
        <source> nicht vorhanden </source>
        <translation> not available </translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Verstrichene Zeit: %i:%.2i / Geschätzte Zeit:%i:%.2i</source>
        <translation>Elapsed time: %i:%.2i / Estimated time: %i:%.2i</translation>
    </message>
    <message>
        <source>Datenbank importieren</source>
        <translation>Import database</translation>
    </message>
    <message>
        <source>Die Datenbank %s wird importiert. Dieser Vorgang kann etwas dauern.</source>
        <translation>Importing the database %s. This may take a while.</translation>
    </message>
    <message>
        <source>initialisiere Importmodul...</source>
        <translation>Preparing the import...</translation>
    </message>
    <message>
        <source>Exportieren der kompletten Datenbank</source>
        <translation>Exporting the complete database</translation>
    </message>
    <message>
        <source>Die exportierte Datenbank %s wird erstellt. Dieser Vorgang kann etwas dauern.</source>
        <translation>Creating the exported database %s. This may take a while.</translation>
    </message>
    <message>
        <source>initialisiere Exportmodul...</source>
        <translation>Preparing the export...</translation>
    </message>
    <message>
        <source>Es können nur gleiche Typen (Kontinent, Land, Verein) untereinander synchronisiert werden oder ein Verein auf ein Land gezogen werden.</source>
        <translation>Only items of the same kind (continent, country, club) can be synchronised with each other, or a club dragged onto a country.</translation>
    </message>
    <message>
        <source>Unterschiedliche Kontinente können nicht synchronisiert werden</source>
        <translation>Different continents cannot be synchronised</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Verein</source>
        <translation>Club</translation>
    </message>
    <message>
        <source>Geburtstag</source>
        <translation>Date of birth</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Pos</translation>
    </message>
    <message>
        <source>Es wurde kein Name angegeben</source>
        <translation>No name was given</translation>
    </message>
    <message>
        <source>Die Datei %s kann nicht zum Lesen geöffnet werden</source>
        <translation>The file %s cannot be opened for reading</translation>
    </message>
    <message>
        <source>%s ist keine gültige BIG Datei</source>
        <translation>%s is not a valid BIG file</translation>
    </message>
    <message>
        <source>Die Datei %s konnte in dem BIG Archiv nicht gefunden werden</source>
        <translation>The file %s could not be found in the BIG archive</translation>
    </message>
    <message>
        <source>BIG Archiv ist nicht geöffnet</source>
        <translation>The BIG archive is not open</translation>
    </message>
    <message>
        <source> Kein Wappen</source>
        <translation> No badge</translation>
    </message>
    <message>
        <source>Das aktuelle Verzeichnis oder das &quot;Eigene Dokumente&quot; Verzeichnis enthält Unicodezeichen. Der Editor unterstütz Unicode Verzeichnisnamen nicht.</source>
        <translation>The current folder or the &quot;Documents&quot; folder contains Unicode characters. The editor does not support Unicode folder names.</translation>
    </message>
    <message>
        <source>Der Verein %s benutzt ein nicht vorhandenes Wappen mit dem Dateinamen %s.</source>
        <translation>The club %s uses a badge that does not exist, with the file name %s.</translation>
    </message>
    <message>
        <source>Editor</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>Die Stadtgrafik muss im Ordner %s liegen: ihr Name ist der Name des Ortes.</source>
        <translation>The city picture must be in the folder %s: its name is the name of the town.</translation>
    </message>
    <message>
        <source>Der Dateiname %s ist als Ortsname zu lang; ein Ort hat höchstens %d Zeichen.</source>
        <translation>The file name %s is too long for a town name; a town name has at most %d characters.</translation>
    </message>
    <message>
        <source>Als Stadtgrafik kann nur eine BMP-Datei gewählt werden.</source>
        <translation>Only a BMP file can be chosen as the city picture.</translation>
    </message>
    <message>
        <source>Der Dateiname %s kann kein Ortsname sein.</source>
        <translation>The file name %s cannot be a town name.</translation>
    </message>
    <message>
        <source>Die Datei %s ist keine lesbare BMP-Datei.</source>
        <translation>The file %s is not a readable BMP file.</translation>
    </message>
    <message>
        <source>Trainer</source>
        <translation>Coach</translation>
    </message>
    <message>
        <source>Manager</source>
        <translation>Manager</translation>
    </message>
    <message>
        <source>Präsident</source>
        <translation>Chairman</translation>
    </message>
    <message>
        <source>Co-Trainer</source>
        <translation>Assistant coach</translation>
    </message>
    <message>
        <source>Torwarttrainer</source>
        <translation>Goalkeeping coach</translation>
    </message>
    <message>
        <source>Amateurtrainer</source>
        <translation>Reserve team coach</translation>
    </message>
    <message>
        <source>Jugendtrainer</source>
        <translation>Youth coach</translation>
    </message>
    <message>
        <source>Chefscout</source>
        <translation>Chief scout</translation>
    </message>
    <message>
        <source>Doktor</source>
        <translation>Club doctor</translation>
    </message>
    <message>
        <source>Spezialist Knie</source>
        <translation>Knee specialist</translation>
    </message>
    <message>
        <source>Spezialist Knöchel</source>
        <translation>Ankle specialist</translation>
    </message>
    <message>
        <source>Spezialist Muskel</source>
        <translation>Muscle specialist</translation>
    </message>
    <message>
        <source>Masseur</source>
        <translation>Physio</translation>
    </message>
    <message>
        <source>Psychologe</source>
        <translation>Psychologist</translation>
    </message>
    <message>
        <source>Geschäftsführer</source>
        <translation>Chief executive</translation>
    </message>
    <message>
        <source>Marketingmanager</source>
        <translation>Marketing manager</translation>
    </message>
    <message>
        <source>Stadionmanager</source>
        <translation>Stadium manager</translation>
    </message>
    <message>
        <source>Fanbeauftragter</source>
        <translation>Supporter liaison officer</translation>
    </message>
    <message>
        <source>Groß</source>
        <translation>High</translation>
    </message>
    <message>
        <source>Sehr groß</source>
        <translation>Very high</translation>
    </message>
    <message>
        <source>Riesig</source>
        <translation>Huge</translation>
    </message>
    <message>
        <source>Gigantisch</source>
        <translation>Exceptional</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>+1% auf alle Mitspieler</source>
        <translation>+1% across all team-mates</translation>
    </message>
    <message>
        <source>+2% auf alle Mitspieler</source>
        <translation>+2% across all team-mates</translation>
    </message>
    <message>
        <source>+5% auf alle Mitspieler</source>
        <translation>+5% across all team-mates</translation>
    </message>
    <message>
        <source>+10% auf alle Mitspieler</source>
        <translation>+10% across all team-mates</translation>
    </message>
    <message>
        <source>+5% auf alle Mitspieler bei Rückstand</source>
        <translation>+5% across all team-mates when behind</translation>
    </message>
    <message>
        <source>+10% auf alle Mitspieler bei Rückstand</source>
        <translation>+10% across all team-mates when behind</translation>
    </message>
    <message>
        <source>+1% auf alle Spieler im Mannschaftsteil</source>
        <translation>+1% across all players in the same line</translation>
    </message>
    <message>
        <source>+2% auf alle Spieler im Mannschaftsteil</source>
        <translation>+2% across all players in the same line</translation>
    </message>
    <message>
        <source>+5% auf alle Spieler im Mannschaftsteil</source>
        <translation>+5% across all players in the same line</translation>
    </message>
    <message>
        <source>KW 06 Datenbank Editor</source>
        <translation>KW 06 Database Editor</translation>
    </message>
    <message>
        <source>Daten werden gespeichert</source>
        <translation>Saving data</translation>
    </message>
    <message>
        <source>Dieser Vorgang kann etwas dauern.</source>
        <translation>This may take a while.</translation>
    </message>
    <message>
        <source>Phase %i: Exportiere %s...</source>
        <translation>Phase %i: exporting %s...</translation>
    </message>
    <message>
        <source>Es trat mindestens ein Fehler beim Schreiben der Dateien auf. Stellen Sie sicher, dass Sie Schreibrechte auf das Verzeichnis haben.</source>
        <translation>At least one error occurred while writing the files. Make sure that you have write permission for the folder.</translation>
    </message>
    <message>
        <source>Die Datenbank mit dem Namen %s existiert schon. Soll die vorhandene Datenbank überschrieben werden?</source>
        <translation>A database named %s already exists. Do you want to overwrite the existing database?</translation>
    </message>
    <message>
        <source>To many Teams used in current competition structure, please remove some leagues!</source>
        <translation>Too many teams are used in the current competition structure; please remove some leagues!</translation>
    </message>
    <message>
        <source>KW06 - Bitte warten!</source>
        <translation>KW06 - Please wait!</translation>
    </message>
    <message>
        <source>%4 %1/%2</source>
        <translation>%4 %1/%2</translation>
    </message>
    <message>
        <source>Create A Club Verein</source>
        <translation>Created club (Create A Club)</translation>
    </message>
    <message>
        <source>Kein Verein</source>
        <translation>No club</translation>
    </message>
    <message>
        <source>Exportiere %s...</source>
        <translation>Exporting %s...</translation>
    </message>
    <message>
        <source>Importiere die Daten...</source>
        <translation>Importing the data...</translation>
    </message>
    <message>
        <source>Das Importieren eines KW Archives überschreibt alle aktuellen Daten, Wappen und Spielerbilder. Soll der Vorgang wirklich fortgesetzt werden?</source>
        <translation>Importing a KW archive overwrites all current data, badges and player pictures. Do you really want to continue?</translation>
    </message>
    <message>
        <source>Die folgenden Länderdateien sind beschädigt oder unvollständig und konnten nicht ganz gelesen werden:
%s

Beim Speichern und Exportieren bleiben diese Dateien unverändert erhalten.</source>
        <translation>The following country files are damaged or incomplete and could not be read completely:
%s

Saving and exporting leave these files unchanged.</translation>
    </message>
    <message>
        <source>Das Archiv %s ist beschädigt oder kein KW Archiv. Es wurden keine Daten importiert.</source>
        <translation>The archive %s is damaged or not a KW archive. No data was imported.</translation>
    </message>
    <message>
        <source>Die Sperre gegen einen zweiten gleichzeitig laufenden Editor konnte nicht angelegt werden:
%s
Der Editor startet trotzdem. Starten Sie ihn nicht ein zweites Mal, solange er läuft.</source>
        <translation>The lock against a second editor running at the same time could not be created:
%s
The editor starts anyway. Do not start it a second time while it is running.</translation>
    </message>
    <message>
        <source>Aktuelle Daten zum Spiel exportieren</source>
        <translation>Export current data to the game</translation>
    </message>
    <message>
        <source>Die Daten der aktuellen Datenbank werden zum Kickwerk exportiert. Dieser Vorgang kann etwas dauern..</source>
        <translation>The data of the current database is being exported to Kickwerk. This may take a while.</translation>
    </message>
    <message>
        <source>Kein Land ist korrekt initialisiert!</source>
        <translation>No country is set up correctly!</translation>
    </message>
    <message>
        <source>Datenbank gespeichert!</source>
        <translation>Database saved!</translation>
    </message>
    <message>
        <source>Die Datenbank &quot;%s&quot; enthält Änderungen, die noch nicht gespeichert sind. Sollen sie gespeichert werden? Verworfene Änderungen gehen verloren.</source>
        <translation>The database &quot;%s&quot; has changes that have not been saved yet. Do you want to save them? Discarded changes are lost.</translation>
    </message>
    <message>
        <source>Demo-Installation</source>
        <translation>Demo installation</translation>
    </message>
    <message>
        <source>Tabellen und Namenslisten werden geschrieben...</source>
        <translation>Writing tables and name lists...</translation>
    </message>
    <message>
        <source>Vereine, Spieler und Wettbewerbe werden erzeugt...</source>
        <translation>Creating clubs, players and competitions...</translation>
    </message>
    <message>
        <source>Die Demo-Installation konnte nicht erstellt werden:
%s</source>
        <translation>The demo installation could not be created:
%s</translation>
    </message>
    <message>
        <source>Wappen werden gezeichnet...</source>
        <translation>Drawing badges...</translation>
    </message>
    <message>
        <source>Verein kopieren</source>
        <translation>Copy club</translation>
    </message>
    <message>
        <source>Länderdaten kopieren</source>
        <translation>Copy country data</translation>
    </message>
    <message>
        <source>Das Land %s hat schon %d Vereine, ein weiterer Verein kann nicht angelegt werden.</source>
        <translation>The country %s already has %d clubs; no further club can be created.</translation>
    </message>
    <message>
        <source>Gemäßigt</source>
        <translation>Temperate</translation>
    </message>
    <message>
        <source>Mediterran</source>
        <translation>Mediterranean</translation>
    </message>
    <message>
        <source>Kontinental</source>
        <translation>Continental</translation>
    </message>
    <message>
        <source>Tropisch</source>
        <translation>Tropical</translation>
    </message>
    <message>
        <source>Trocken</source>
        <translation>Arid</translation>
    </message>
    <message>
        <source>Polar</source>
        <translation>Polar</translation>
    </message>
    <message>
        <source>Nicht erlaubt</source>
        <translation>Not allowed</translation>
    </message>
    <message>
        <source>Jederzeit erlaubt</source>
        <translation>Allowed at any time</translation>
    </message>
    <message>
        <source>Nur in der Transferphase</source>
        <translation>Only during the transfer window</translation>
    </message>
</context>
<context>
    <name>kw::Rules</name>
    <message>
        <source>Europa</source>
        <translation>Europe</translation>
    </message>
    <message>
        <source>Südamerika</source>
        <translation>South America</translation>
    </message>
    <message>
        <source>Nordamerika</source>
        <translation>North America</translation>
    </message>
    <message>
        <source>Afrika</source>
        <translation>Africa</translation>
    </message>
    <message>
        <source>Asien</source>
        <translation>Asia</translation>
    </message>
    <message>
        <source>Ozeanien</source>
        <translation>Oceania</translation>
    </message>
</context>
<context>
    <name>kw::SeasonCalendar</name>
    <message>
        <source>Januar</source>
        <translation>January</translation>
    </message>
    <message>
        <source>Februar</source>
        <translation>February</translation>
    </message>
    <message>
        <source>März</source>
        <translation>March</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>Mai</source>
        <translation>May</translation>
    </message>
    <message>
        <source>Juni</source>
        <translation>June</translation>
    </message>
    <message>
        <source>Juli</source>
        <translation>July</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>Oktober</source>
        <translation>October</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>Dezember</source>
        <translation>December</translation>
    </message>
    <message>
        <source>Mo</source>
        <translation>Mon</translation>
    </message>
    <message>
        <source>Di</source>
        <translation>Tue</translation>
    </message>
    <message>
        <source>Mi</source>
        <translation>Wed</translation>
    </message>
    <message>
        <source>Do</source>
        <translation>Thu</translation>
    </message>
    <message>
        <source>Fr</source>
        <translation>Fri</translation>
    </message>
    <message>
        <source>Sa</source>
        <translation>Sat</translation>
    </message>
    <message>
        <source>So</source>
        <translation>Sun</translation>
    </message>
    <message>
        <source>Länderspiel</source>
        <translation>International match</translation>
    </message>
    <message>
        <source>Int. Supercup</source>
        <translation>Int. Super Cup</translation>
    </message>
    <message>
        <source>Finale Meistercup</source>
        <translation>Champions Cup final</translation>
    </message>
    <message>
        <source>Finale Int. Pokal</source>
        <translation>Int. Cup final</translation>
    </message>
    <message>
        <source>Klub-WM</source>
        <translation>Club World Cup</translation>
    </message>
    <message>
        <source>Sommerpokal</source>
        <translation>Summer Cup</translation>
    </message>
</context>
<context>
    <name>kw::SeasonMarks</name>
    <message>
        <source>Aufsteiger</source>
        <translation>Promoted</translation>
    </message>
    <message>
        <source>Absteiger</source>
        <translation>Relegated</translation>
    </message>
    <message>
        <source>Pokalsieger</source>
        <translation>Cup winner</translation>
    </message>
    <message>
        <source>Pokalfinalist</source>
        <translation>Cup finalist</translation>
    </message>
</context>
<context>
    <name>kw::Stadium</name>
    <message>
        <source>Haupttribüne</source>
        <translation>Main stand</translation>
    </message>
    <message>
        <source>Gegentribüne</source>
        <translation>Opposite stand</translation>
    </message>
    <message>
        <source>Nordtribüne</source>
        <translation>North stand</translation>
    </message>
    <message>
        <source>Südtribüne</source>
        <translation>South stand</translation>
    </message>
    <message>
        <source>N-W Kurve</source>
        <translation>N-W corner</translation>
    </message>
    <message>
        <source>N-E Kurve</source>
        <translation>N-E corner</translation>
    </message>
    <message>
        <source>S-W Kurve</source>
        <translation>S-W corner</translation>
    </message>
    <message>
        <source>S-E Kurve</source>
        <translation>S-E corner</translation>
    </message>
</context>
<context>
    <name>kw::StaffKinds</name>
    <message>
        <source>Neuer Trainer</source>
        <translation>New coach</translation>
    </message>
    <message>
        <source>Neuer Manager</source>
        <translation>New manager</translation>
    </message>
    <message>
        <source>Neuer Präsident</source>
        <translation>New chairman</translation>
    </message>
    <message>
        <source>Neuer Co-Trainer</source>
        <translation>New assistant coach</translation>
    </message>
    <message>
        <source>Neuer Torwarttrainer</source>
        <translation>New goalkeeping coach</translation>
    </message>
    <message>
        <source>Neuer Amateurtrainer</source>
        <translation>New reserve team coach</translation>
    </message>
    <message>
        <source>Neuer Jugendtrainer</source>
        <translation>New youth coach</translation>
    </message>
    <message>
        <source>Neuer Chefscout</source>
        <translation>New chief scout</translation>
    </message>
    <message>
        <source>Neuer Doktor</source>
        <translation>New club doctor</translation>
    </message>
    <message>
        <source>Neuer Spezialist Knie</source>
        <translation>New knee specialist</translation>
    </message>
    <message>
        <source>Neuer Spezialist Knöchel</source>
        <translation>New ankle specialist</translation>
    </message>
    <message>
        <source>Neuer Spezialist Muskel</source>
        <translation>New muscle specialist</translation>
    </message>
    <message>
        <source>Neuer Masseur</source>
        <translation>New physio</translation>
    </message>
    <message>
        <source>Neuer Psychologe</source>
        <translation>New psychologist</translation>
    </message>
    <message>
        <source>Neuer Geschäftsführer</source>
        <translation>New chief executive</translation>
    </message>
    <message>
        <source>Neuer Marketingmanager</source>
        <translation>New marketing manager</translation>
    </message>
    <message>
        <source>Neuer Stadionmanager</source>
        <translation>New stadium manager</translation>
    </message>
    <message>
        <source>Neuer Fanbeauftragter</source>
        <translation>New supporter liaison officer</translation>
    </message>
</context>
<context>
    <name>kw::Validation</name>
    <message>
        <source>nur %d Vereine, mindestens %d nötig</source>
        <translation>only %d clubs, at least %d needed</translation>
    </message>
    <message>
        <source>keine erste Liga</source>
        <translation>no top division</translation>
    </message>
    <message>
        <source>erste Liga mit %d statt mindestens %d Vereinen</source>
        <translation>top division with %d instead of at least %d clubs</translation>
    </message>
    <message>
        <source>Wettbewerbsprüfung meldet Fehler</source>
        <translation>competition check reports errors</translation>
    </message>
    <message>
        <source>Im Spiel nicht wählbar: %s</source>
        <translation>Cannot be chosen in the game: %s</translation>
    </message>
    <message>
        <source>%s (%s): Spieltag überlappt mit internationalem Spieltag.</source>
        <translation>%s (%s): matchday clashes with an international matchday.</translation>
    </message>
    <message>
        <source>Pokalformat %d %s: erste Runde nennt %d Runden, es hat %d</source>
        <translation>Cup format %d %s: the first round states %d rounds, it has %d</translation>
    </message>
    <message>
        <source>Land nicht vollständig</source>
        <translation>Country incomplete</translation>
    </message>
    <message>
        <source>Wettbewerbsprüfung</source>
        <translation>Competition check</translation>
    </message>
    <message>
        <source>Kaderprüfung</source>
        <translation>Squad check</translation>
    </message>
    <message>
        <source>Fehlende Wappen</source>
        <translation>Missing badges</translation>
    </message>
    <message>
        <source>Verweise ins Leere</source>
        <translation>Broken references</translation>
    </message>
    <message>
        <source>Spielplan nicht vollständig</source>
        <translation>Fixture list incomplete</translation>
    </message>
    <message>
        <source>Überschneidung mit Länderspieltagen</source>
        <translation>Clashes with international matchdays</translation>
    </message>
    <message>
        <source>Pokalformate</source>
        <translation>Cup formats</translation>
    </message>
    <message>
        <source>Endspielstadion %d gibt es nicht</source>
        <translation>Final stadium %d does not exist</translation>
    </message>
    <message>
        <source>Jugendspieler %s: Verein %#x gibt es nicht</source>
        <translation>Youth player %s: club %#x does not exist</translation>
    </message>
    <message>
        <source>%s: befreundeter Verein %#x gibt es nicht</source>
        <translation>%s: friendly club %#x does not exist</translation>
    </message>
    <message>
        <source>%s: Rivale %#x gibt es nicht</source>
        <translation>%s: rival %#x does not exist</translation>
    </message>
    <message>
        <source>%s: Stadion %d gibt es nicht</source>
        <translation>%s: stadium %d does not exist</translation>
    </message>
    <message>
        <source>%s: Person %u gibt es nicht</source>
        <translation>%s: person %u does not exist</translation>
    </message>
    <message>
        <source>%s: %s nennt Verein %#x, den es nicht gibt</source>
        <translation>%s: %s names club %#x, which does not exist</translation>
    </message>
    <message>
        <source>Wettbewerb %08X: Verein %#x gibt es nicht</source>
        <translation>Competition %08X: club %#x does not exist</translation>
    </message>
    <message>
        <source>Spieler ohne Verein: Person %u gibt es nicht</source>
        <translation>Players without a club: person %u does not exist</translation>
    </message>
    <message>
        <source>Titelverteidiger %#x gibt es nicht</source>
        <translation>Title holder %#x does not exist</translation>
    </message>
    <message>
        <source>Endspielort %#x gibt es nicht</source>
        <translation>Final venue %#x does not exist</translation>
    </message>
</context>
</TS>
