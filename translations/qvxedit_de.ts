<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Commands</name>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Alles leeren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Compare Lists</source>
        <translation>Listen vergleichen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 bearbeiten</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Rename %1</source>
        <translation>%1 umbenennen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation>%1 ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Paste %1</source>
        <translation>%1 einfügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 löschen</translation>
    </message>
    <message>
        <source>New channel</source>
        <translation>Neuer Kanal</translation>
    </message>
    <message>
        <source>New provider</source>
        <translation>Neuer Anbieter</translation>
    </message>
    <message>
        <source>Set LNB</source>
        <translation>LNB setzen</translation>
    </message>
    <message>
        <source>Set LNB for provider</source>
        <translation>LNB für Anbieter setzen</translation>
    </message>
    <message>
        <source>Set LNB for all</source>
        <translation>LNB für alle setzen</translation>
    </message>
    <message>
        <source>Set LNB %1</source>
        <translation>LNB von %1 setzen</translation>
    </message>
    <message>
        <source>Set LNB for provider %1</source>
        <translation>LNB für Anbieter %1 setzen</translation>
    </message>
    <message>
        <source>Set Rotor position</source>
        <translation>Rotorposition setzen</translation>
    </message>
    <message>
        <source>Set Rotor Pos for provider</source>
        <translation>Rotorpos. für Anbieter setzen</translation>
    </message>
    <message>
        <source>Set Rotor Pos for all</source>
        <translation>Rotorpos. für alle setzen</translation>
    </message>
    <message>
        <source>Set Rotor position %1</source>
        <translation>Rotorposition von %1 setzen</translation>
    </message>
    <message>
        <source>Set Rotor Pos for provider %1</source>
        <translation>Rotorpos. für Anbieter %1 setzen</translation>
    </message>
    <message>
        <source>Set Volume</source>
        <translation>Lautstärke setzen</translation>
    </message>
    <message>
        <source>Set Volume for provider</source>
        <translation>Lautstärke für Anbieter setzen</translation>
    </message>
    <message>
        <source>Set Volume for all</source>
        <translation>Lautstärke für alle setzen</translation>
    </message>
    <message>
        <source>Set Volume %1</source>
        <translation>Lautstärke von %1 setzen</translation>
    </message>
    <message>
        <source>Set Volume for provider %1</source>
        <translation>Lautstärke für Anbieter %1 setzen</translation>
    </message>
    <message>
        <source>Remove duplicates</source>
        <translation>Doppelte entfernen</translation>
    </message>
    <message>
        <source>by name</source>
        <translation>nach Name</translation>
    </message>
    <message>
        <source>by frequency</source>
        <translation>nach Frequenz</translation>
    </message>
    <message>
        <source>by Service ID</source>
        <translation>nach Service-ID</translation>
    </message>
    <message>
        <source>Sort channels</source>
        <translation>Kanäle sortieren</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation>%1 verschieben</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>%1 kopieren</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>No error occurred.</source>
        <translation>Es ist kein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>An unknown error occurred while accessing %1.</source>
        <translation>Beim Zugriff auf %1 ist ein unbekannter Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 enthält einen ungültigen Pfad.</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>%1 konnte nicht geöffnet werden, weil zu viele Dateien geöffnet sind.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Der Zugriff auf %1 wurde verweigert.</translation>
    </message>
    <message>
        <source>An invalid file handle was associated with %1.</source>
        <translation>Mit %1 war ein ungültiges Datei-Handle verbunden.</translation>
    </message>
    <message>
        <source>%1 could not be removed because it is the current directory.</source>
        <translation>%1 konnte nicht entfernt werden, weil es der aktuelle Ordner ist.</translation>
    </message>
    <message>
        <source>%1 could not be created because the directory is full.</source>
        <translation>%1 konnte nicht angelegt werden, weil der Ordner voll ist.</translation>
    </message>
    <message>
        <source>Seek failed on %1</source>
        <translation>Positionieren in %1 ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>Beim Zugriff auf %1 wurde ein Ein-/Ausgabefehler der Hardware gemeldet.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>Beim Zugriff auf %1 ist eine Freigabeverletzung aufgetreten.</translation>
    </message>
    <message>
        <source>A locking violation occurred while accessing %1.</source>
        <translation>Beim Zugriff auf %1 ist eine Sperrverletzung aufgetreten.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>Der Datenträger ist beim Zugriff auf %1 voll.</translation>
    </message>
    <message>
        <source>An attempt was made to access %1 past its end.</source>
        <translation>Es wurde versucht, über das Ende von %1 hinaus zuzugreifen.</translation>
    </message>
    <message>
        <source>an unnamed file</source>
        <translation>eine unbenannte Datei</translation>
    </message>
    <message>
        <source>Can&apos;t open file %1</source>
        <translation>Die Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Out of memory while reading %1</source>
        <translation>Nicht genug Speicher beim Lesen von %1</translation>
    </message>
    <message>
        <source>Out of memory while writing %1</source>
        <translation>Nicht genug Speicher beim Schreiben von %1</translation>
    </message>
    <message>
        <source>File %1 could not be opened. Cause %2</source>
        <translation>Die Datei %1 konnte nicht geöffnet werden. Ursache %2</translation>
    </message>
    <message>
        <source>Channellists (*.qvx;*.chl;*.dvb;*.xch)</source>
        <translation>Kanallisten (*.qvx;*.chl;*.dvb;*.xch)</translation>
    </message>
    <message>
        <source>Error reading DVB_CHANNEL_HEADER</source>
        <translation>Fehler beim Lesen von DVB_CHANNEL_HEADER</translation>
    </message>
    <message>
        <source>Error reading Radio DVB_CHANNELS</source>
        <translation>Fehler beim Lesen von Radio DVB_CHANNELS</translation>
    </message>
    <message>
        <source>VDR channels (*.conf)</source>
        <translation>VDR-Kanäle (*.conf)</translation>
    </message>
    <message>
        <source>dvbv5 channels (*.conf)</source>
        <translation>dvbv5-Kanäle (*.conf)</translation>
    </message>
    <message>
        <source>zap channels (*.conf)</source>
        <translation>zap-Kanäle (*.conf)</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>CSV-Tabelle (*.csv)</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Set LNB</source>
        <translation>LNB setzen</translation>
    </message>
    <message>
        <source>LNB</source>
        <translation>LNB</translation>
    </message>
    <message>
        <source>Set Rotor Position</source>
        <translation>Rotorposition setzen</translation>
    </message>
    <message>
        <source>Rotor Position</source>
        <translation>Rotorposition</translation>
    </message>
    <message>
        <source>Set Volume</source>
        <translation>Lautstärke setzen</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautst.</translation>
    </message>
    <message>
        <source>Must be less than 900000000</source>
        <translation>Muss kleiner als 900000000 sein</translation>
    </message>
    <message>
        <source>Must be less than 70000000</source>
        <translation>Muss kleiner als 70000000 sein</translation>
    </message>
    <message>
        <source>Must be less than 65536</source>
        <translation>Muss kleiner als 65536 sein</translation>
    </message>
    <message>
        <source>Volume must be less or equal than 100</source>
        <translation>Die Lautstärke darf höchstens 100 sein</translation>
    </message>
    <message>
        <source>File %1</source>
        <translation>Datei %1</translation>
    </message>
    <message>
        <source>Television</source>
        <translation>Fernsehen</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Load Channellist File %1</source>
        <translation>Kanalliste laden: Datei %1</translation>
    </message>
    <message>
        <source>Save Channellist File %1</source>
        <translation>Kanalliste speichern: Datei %1</translation>
    </message>
    <message>
        <source>No duplicate channels</source>
        <translation>Keine doppelten Kanäle</translation>
    </message>
    <message>
        <source>Removed 1 duplicate channel</source>
        <translation>1 doppelter Kanal entfernt</translation>
    </message>
    <message>
        <source>Removed 1 duplicate channel and 1 provider left empty</source>
        <translation>1 doppelter Kanal und 1 leerer Anbieter entfernt</translation>
    </message>
    <message>
        <source>Removed 1 duplicate channel and %2 providers left empty</source>
        <translation>1 doppelter Kanal und %2 leere Anbieter entfernt</translation>
    </message>
    <message>
        <source>Removed %1 duplicate channels</source>
        <translation>%1 doppelte Kanäle entfernt</translation>
    </message>
    <message>
        <source>Removed %1 duplicate channels and 1 provider left empty</source>
        <translation>%1 doppelte Kanäle und 1 leerer Anbieter entfernt</translation>
    </message>
    <message>
        <source>Removed %1 duplicate channels and %2 providers left empty</source>
        <translation>%1 doppelte Kanäle und %2 leere Anbieter entfernt</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>Service-ID</translation>
    </message>
    <message>
        <source>Network ID</source>
        <translation>Netz-ID</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>Video-PID</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>Audio-PID</translation>
    </message>
    <message>
        <source>Teletext PID</source>
        <translation>Videotext-PID</translation>
    </message>
    <message>
        <source>Transport Stream</source>
        <translation>Transportstrom</translation>
    </message>
    <message>
        <source>PCRPID</source>
        <translation>PCR-PID</translation>
    </message>
    <message>
        <source>PMTPID</source>
        <translation>PMT-PID</translation>
    </message>
    <message>
        <source>PMCPID</source>
        <translation>PMC-PID</translation>
    </message>
    <message>
        <source>AC3PID</source>
        <translation>AC3-PID</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Kanalname</translation>
    </message>
    <message>
        <source>Transp.</source>
        <translation>Transp.</translation>
    </message>
    <message>
        <source>Frequency [KHz]</source>
        <translation>Frequenz [kHz]</translation>
    </message>
    <message>
        <source>Symbolrate [Hz]</source>
        <translation>Symbolrate [Hz]</translation>
    </message>
    <message>
        <source>QAM</source>
        <translation>QAM</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarität</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>Scrambling</source>
        <translation>Verschl.</translation>
    </message>
    <message>
        <source>TV signal</source>
        <translation>TV-Norm</translation>
    </message>
    <message>
        <source>Rotor Pos.</source>
        <translation>Rotorpos.</translation>
    </message>
    <message>
        <source>Compare by channel name</source>
        <translation>Nach Kanalname vergleichen</translation>
    </message>
    <message>
        <source>Channel settings</source>
        <translation>Kanaleinstellungen</translation>
    </message>
    <message>
        <source>Frequency [KHz]
(Cable: [Hz])</source>
        <translation>Frequenz [kHz]
(Kabel: [Hz])</translation>
    </message>
    <message>
        <source>Compare by Service ID</source>
        <translation>Nach Service-ID vergleichen</translation>
    </message>
    <message>
        <source>ID&apos;s</source>
        <translation>IDs</translation>
    </message>
    <message>
        <source>Quick search</source>
        <translation>Schnellsuche</translation>
    </message>
    <message>
        <source>Quick search:</source>
        <translation>Suche:</translation>
    </message>
    <message>
        <source>File%1: none</source>
        <translation>Datei%1: keine</translation>
    </message>
    <message>
        <source>File%1: none </source>
        <translation>Datei%1: keine </translation>
    </message>
    <message>
        <source>File%1: %2</source>
        <translation>Datei%1: %2</translation>
    </message>
    <message>
        <source>File%1: %2 (changed)</source>
        <translation>Datei%1: %2 (geändert)</translation>
    </message>
    <message>
        <source>provider</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>channel, scrambled</source>
        <translation>Kanal, verschlüsselt</translation>
    </message>
    <message>
        <source>channel, free</source>
        <translation>Kanal, frei</translation>
    </message>
    <message>
        <source>Include Channel name into Channellist Compare</source>
        <translation>Kanalname beim Vergleich der Kanallisten beachten</translation>
    </message>
    <message>
        <source>Include Service ID into Channellist Compare</source>
        <translation>Service-ID beim Vergleich der Kanallisten beachten</translation>
    </message>
    <message>
        <source>Compare channel  lists, removes equal entries in both lists</source>
        <translation>Kanallisten vergleichen, gleiche Einträge in beiden Listen entfernen</translation>
    </message>
    <message>
        <source>%1 has changed on disk since it was loaded. Overwrite it?</source>
        <translation>%1 wurde seit dem Laden auf dem Datenträger geändert. Überschreiben?</translation>
    </message>
    <message>
        <source>Exit now?</source>
        <translation>Jetzt beenden?</translation>
    </message>
    <message>
        <source>Discard changes?</source>
        <translation>Änderungen verwerfen?</translation>
    </message>
    <message>
        <source>Comparing</source>
        <translation>Vergleiche</translation>
    </message>
</context>
</TS>
