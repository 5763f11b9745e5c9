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
    <message>
        <source>Edit %1 items</source>
        <translation>%1 Einträge bearbeiten</translation>
    </message>
    <message>
        <source>Cut %1 items</source>
        <translation>%1 Einträge ausschneiden</translation>
    </message>
    <message>
        <source>Paste %1 items</source>
        <translation>%1 Einträge einfügen</translation>
    </message>
    <message>
        <source>Delete %1 items</source>
        <translation>%1 Einträge löschen</translation>
    </message>
    <message>
        <source>Set LNB for %1 items</source>
        <translation>LNB für %1 Einträge setzen</translation>
    </message>
    <message>
        <source>Set LNB for %1 shown</source>
        <translation>LNB für %1 angezeigte setzen</translation>
    </message>
    <message>
        <source>Set Rotor Pos for %1 items</source>
        <translation>Rotorpos. für %1 Einträge setzen</translation>
    </message>
    <message>
        <source>Set Rotor Pos for %1 shown</source>
        <translation>Rotorpos. für %1 angezeigte setzen</translation>
    </message>
    <message>
        <source>Set Volume for %1 items</source>
        <translation>Lautstärke für %1 Einträge setzen</translation>
    </message>
    <message>
        <source>Set Volume for %1 shown</source>
        <translation>Lautstärke für %1 angezeigte setzen</translation>
    </message>
    <message>
        <source>Filter...</source>
        <translation>Filtern...</translation>
    </message>
    <message>
        <source>Move %1 items</source>
        <translation>%1 Einträge verschieben</translation>
    </message>
    <message>
        <source>Copy %1 items</source>
        <translation>%1 Einträge kopieren</translation>
    </message>
    <message>
        <source>Arrange like the other list</source>
        <translation>Wie die andere Liste anordnen</translation>
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
        <source>SAT&gt;IP playlist (*.m3u)</source>
        <translation>SAT&gt;IP-Wiedergabeliste (*.m3u)</translation>
    </message>
    <message>
        <source>VLC playlist (*.m3u)</source>
        <translation>VLC-Wiedergabeliste (*.m3u)</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>CSV-Tabelle (*.csv)</translation>
    </message>
</context>
<context>
    <name>Notes</name>
    <message>
        <source>records after those the header counts were not read (%1 record)</source>
        <translation>Datensätze nach den im Kopf gezählten wurden nicht gelesen (%1 Datensatz)</translation>
    </message>
    <message>
        <source>records after those the header counts were not read (%1 records)</source>
        <translation>Datensätze nach den im Kopf gezählten wurden nicht gelesen (%1 Datensätze)</translation>
    </message>
    <message>
        <source>bytes at the end that form no whole record were not read (%1 byte)</source>
        <translation>Bytes am Ende, die keinen ganzen Datensatz bilden, wurden nicht gelesen (%1 Byte)</translation>
    </message>
    <message>
        <source>bytes at the end that form no whole record were not read (%1 bytes)</source>
        <translation>Bytes am Ende, die keinen ganzen Datensatz bilden, wurden nicht gelesen (%1 Bytes)</translation>
    </message>
    <message>
        <source>channels whose service type is neither Television nor Radio were dropped (%1 channel)</source>
        <translation>Kanäle, deren Diensttyp weder Fernsehen noch Radio ist, wurden verworfen (%1 Kanal)</translation>
    </message>
    <message>
        <source>channels whose service type is neither Television nor Radio were dropped (%1 channels)</source>
        <translation>Kanäle, deren Diensttyp weder Fernsehen noch Radio ist, wurden verworfen (%1 Kanäle)</translation>
    </message>
    <message>
        <source>providers without channels were not kept (%1 provider)</source>
        <translation>Anbieter ohne Kanäle wurden nicht behalten (%1 Anbieter)</translation>
    </message>
    <message>
        <source>providers without channels were not kept (%1 providers)</source>
        <translation>Anbieter ohne Kanäle wurden nicht behalten (%1 Anbieter)</translation>
    </message>
    <message>
        <source>volume, rotor position and DVBextreme fields were reset, as the native reader does (%1 record)</source>
        <translation>Lautstärke, Rotorposition und DVBextreme-Felder wurden zurückgesetzt, wie es das Programm selbst beim Lesen tut (%1 Datensatz)</translation>
    </message>
    <message>
        <source>volume, rotor position and DVBextreme fields were reset, as the native reader does (%1 records)</source>
        <translation>Lautstärke, Rotorposition und DVBextreme-Felder wurden zurückgesetzt, wie es das Programm selbst beim Lesen tut (%1 Datensätze)</translation>
    </message>
    <message>
        <source>the contents look like a %2 list, not like what the name says</source>
        <translation>der Inhalt sieht nach einer %2-Liste aus, nicht nach dem, was der Name sagt</translation>
    </message>
    <message>
        <source>no record recognised in a file that is not empty</source>
        <translation>in einer nicht leeren Datei wurde kein Datensatz erkannt</translation>
    </message>
    <message>
        <source>names longer than 23 characters are cut</source>
        <translation>Namen mit mehr als 23 Zeichen werden gekürzt</translation>
    </message>
    <message>
        <source>names hold characters above 127, which the DVB98 reader drops</source>
        <translation>Namen enthalten Zeichen über 127, die DVB98 beim Lesen verwirft</translation>
    </message>
    <message>
        <source>frequencies above 65535 MHz cannot be held</source>
        <translation>Frequenzen über 65535 MHz können nicht gespeichert werden</translation>
    </message>
    <message>
        <source>channel frequencies below 1 MHz come back as providers</source>
        <translation>Kanalfrequenzen unter 1 MHz werden als Anbieter zurückgelesen</translation>
    </message>
    <message>
        <source>symbol rates above 65535 ksymbols/s cannot be held</source>
        <translation>Symbolraten über 65535 kSymbole/s können nicht gespeichert werden</translation>
    </message>
    <message>
        <source>LNB numbers above 3 are written as 3</source>
        <translation>LNB-Nummern über 3 werden als 3 geschrieben</translation>
    </message>
    <message>
        <source>channels without a service type are dropped by the reader</source>
        <translation>Kanäle ohne Diensttyp werden beim Lesen verworfen</translation>
    </message>
    <message>
        <source>volume and rotor positions cannot be held</source>
        <translation>Lautstärke und Rotorpositionen können nicht gespeichert werden</translation>
    </message>
    <message>
        <source>volume and rotor positions are reset by the native reader</source>
        <translation>Lautstärke und Rotorpositionen werden beim Lesen zurückgesetzt</translation>
    </message>
    <message>
        <source>DVBextreme fields are not kept</source>
        <translation>DVBextreme-Felder werden nicht behalten</translation>
    </message>
    <message>
        <source>DVBextreme extra bytes are written as 0</source>
        <translation>DVBextreme-Zusatzbytes werden als 0 geschrieben</translation>
    </message>
    <message>
        <source>LNB numbers cannot be held</source>
        <translation>LNB-Nummern können nicht gespeichert werden</translation>
    </message>
    <message>
        <source>symbol rates are rounded to whole ksymbols/s</source>
        <translation>Symbolraten werden auf ganze kSymbole/s gerundet</translation>
    </message>
    <message>
        <source>volume and TV norms cannot be held</source>
        <translation>Lautstärke und Fernsehnormen können nicht gespeichert werden</translation>
    </message>
    <message>
        <source>transponder texts, PMT and PMC PIDs cannot be held</source>
        <translation>Transpondertexte, PMT- und PMC-PIDs können nicht gespeichert werden</translation>
    </message>
    <message>
        <source>PCR PIDs of channels without a video PID cannot be held</source>
        <translation>PCR-PIDs von Kanälen ohne Video-PID können nicht gespeichert werden</translation>
    </message>
    <message>
        <source>PCR, PMT, PMC and teletext PIDs cannot be held</source>
        <translation>PCR-, PMT-, PMC- und Videotext-PIDs können nicht gespeichert werden</translation>
    </message>
    <message>
        <source>transponder texts and TV norms cannot be held</source>
        <translation>Transpondertexte und Fernsehnormen können nicht gespeichert werden</translation>
    </message>
    <message>
        <source>network and transport stream IDs cannot be held</source>
        <translation>Netzwerk- und Transportstrom-IDs können nicht gespeichert werden</translation>
    </message>
    <message>
        <source>code rates of satellite channels cannot be held</source>
        <translation>Coderaten von Satellitenkanälen können nicht gespeichert werden</translation>
    </message>
    <message>
        <source>what entries keep from a Linux channel file (short names, languages, CA ids, parameters...) is not kept</source>
        <translation>was Einträge aus einer Linux-Kanaldatei mitführen (Kurznamen, Sprachen, CA-IDs, Parameter ...), wird nicht behalten</translation>
    </message>
    <message>
        <source>channels whose tree does not match their video PID come back in the other tree</source>
        <translation>Kanäle, deren Baum nicht zu ihrer Video-PID passt, werden im anderen Baum zurückgelesen</translation>
    </message>
    <message>
        <source>providers are not kept: each tree&apos;s channels come back under one provider named after the file</source>
        <translation>Anbieter werden nicht behalten: die Kanäle jedes Baums kommen unter einem Anbieter mit dem Dateinamen zurück</translation>
    </message>
    <message>
        <source>names holding &apos;]&apos; or line breaks lose those characters</source>
        <translation>Namen mit &apos;]&apos; oder Zeilenumbrüchen verlieren diese Zeichen</translation>
    </message>
    <message>
        <source>names holding &apos;:&apos; or line breaks lose those characters</source>
        <translation>Namen mit &apos;:&apos; oder Zeilenumbrüchen verlieren diese Zeichen</translation>
    </message>
    <message>
        <source>AC-3 PIDs are written among the audio PIDs</source>
        <translation>AC-3-PIDs werden unter die Audio-PIDs geschrieben</translation>
    </message>
    <message>
        <source>AC-3 PIDs cannot be held</source>
        <translation>AC-3-PIDs können nicht gespeichert werden</translation>
    </message>
    <message>
        <source>scrambled flags and CA ids cannot be held</source>
        <translation>Verschlüsselungskennzeichen und CA-IDs können nicht gespeichert werden</translation>
    </message>
    <message>
        <source>audio languages and subtitle PIDs cannot be held</source>
        <translation>Audiosprachen und Untertitel-PIDs können nicht gespeichert werden</translation>
    </message>
    <message>
        <source>short names, provider parts, orbital positions and radio IDs cannot be held</source>
        <translation>Kurznamen, Anbieterteile, Orbitpositionen und Radio-IDs können nicht gespeichert werden</translation>
    </message>
    <message>
        <source>video and audio PIDs beyond the first cannot be held</source>
        <translation>Video- und Audio-PIDs nach der ersten können nicht gespeichert werden</translation>
    </message>
    <message>
        <source>satellite frequencies and symbol rates are rounded to whole MHz and ksymbols/s</source>
        <translation>Satellitenfrequenzen und Symbolraten werden auf ganze MHz und kSymbole/s gerundet</translation>
    </message>
    <message>
        <source>DVB-S2 channels are written as DVB-S, without modulation, pilot and rolloff</source>
        <translation>DVB-S2-Kanäle werden als DVB-S geschrieben, ohne Modulation, Pilot und Roll-off</translation>
    </message>
    <message>
        <source>satellite channels without a named rotor position get the default source</source>
        <translation>Satellitenkanäle ohne benannte Rotorposition erhalten die Standardquelle</translation>
    </message>
    <message>
        <source>satellite frequencies are rounded to whole MHz</source>
        <translation>Satellitenfrequenzen werden auf ganze MHz gerundet</translation>
    </message>
    <message>
        <source>(%1 record)</source>
        <translation>(%1 Datensatz)</translation>
    </message>
    <message>
        <source>(%1 records)</source>
        <translation>(%1 Datensätze)</translation>
    </message>
    <message>
        <source>Television provider LNB numbers above 3 are written as 3</source>
        <translation>LNB-Nummern von Fernsehanbietern über 3 werden als 3 geschrieben</translation>
    </message>
    <message>
        <source>entry numbers beyond 65535 keep only their low 16 bits</source>
        <translation>Eintragsnummern über 65535 behalten nur ihre unteren 16 Bit</translation>
    </message>
    <message>
        <source>providers without channels are not kept by the reader</source>
        <translation>Anbieter ohne Kanäle werden beim Lesen nicht behalten</translation>
    </message>
    <message>
        <source>entries without DVB tuning are no channels; they stay in the playlist as they are (%1 entry)</source>
        <translation>Einträge ohne DVB-Abstimmung sind keine Kanäle; sie bleiben unverändert in der Wiedergabeliste (%1 Eintrag)</translation>
    </message>
    <message>
        <source>entries without DVB tuning are no channels; they stay in the playlist as they are (%1 entries)</source>
        <translation>Einträge ohne DVB-Abstimmung sind keine Kanäle; sie bleiben unverändert in der Wiedergabeliste (%1 Einträge)</translation>
    </message>
    <message>
        <source>service IDs cannot be held</source>
        <translation>Service-IDs können nicht gespeichert werden</translation>
    </message>
    <message>
        <source>scrambled flags cannot be held</source>
        <translation>Verschlüsselungskennzeichen können nicht gespeichert werden</translation>
    </message>
    <message>
        <source>PIDs cannot be held (VLC finds them by the Service ID)</source>
        <translation>PIDs können nicht gespeichert werden (VLC findet sie über die Service-ID)</translation>
    </message>
    <message>
        <source>providers are not kept</source>
        <translation>Anbieter bleiben nicht erhalten</translation>
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
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Filter: name, sid:, freq:, lnb:</source>
        <translation>Filter: Name, sid:, freq:, lnb:</translation>
    </message>
    <message>
        <source>%1 of %2 shown</source>
        <translation>%1 von %2 angezeigt</translation>
    </message>
    <message>
        <source>%1 items selected</source>
        <translation>%1 Einträge ausgewählt</translation>
    </message>
    <message>
        <source>SAT&gt;IP server for the channels that come from other lists (for example rtsp://192.168.178.1:554/):</source>
        <translation>SAT&gt;IP-Server für die Kanäle aus anderen Listen (zum Beispiel rtsp://192.168.178.1:554/):</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no server address such as rtsp://192.168.178.1:554/.</source>
        <translation>&quot;%1&quot; ist keine Serveradresse wie rtsp://192.168.178.1:554/.</translation>
    </message>
    <message>
        <source>No channel of this tree is in the other list</source>
        <translation>Kein Kanal dieses Baums steht in der anderen Liste</translation>
    </message>
    <message>
        <source>Placed 1 channel like the other list</source>
        <translation>1 Kanal wie in der anderen Liste eingeordnet</translation>
    </message>
    <message>
        <source>Placed all %1 channels like the other list</source>
        <translation>Alle %1 Kanäle wie in der anderen Liste eingeordnet</translation>
    </message>
    <message>
        <source>Placed %1 of %2 channels like the other list</source>
        <translation>%1 von %2 Kanälen wie in der anderen Liste eingeordnet</translation>
    </message>
</context>
</TS>
