<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>About</name>
    <message>
        <source>windows, serial ports, network</source>
        <translation>Fenster, serielle Schnittstellen, Netzwerk</translation>
    </message>
    <message>
        <source>waits for the pedal that block no window</source>
        <translation>Warten auf das Pedal, ohne ein Fenster zu blockieren</translation>
    </message>
    <message>
        <source>reading WAV files</source>
        <translation>Lesen von WAV-Dateien</translation>
    </message>
    <message>
        <source>resampling impulse responses</source>
        <translation>Umrechnen der Abtastrate von Impulsantworten</translation>
    </message>
    <message>
        <source>noticing the pedal plugged in and out</source>
        <translation>Erkennen, wenn das Pedal ein- oder ausgesteckt wird</translation>
    </message>
    <message>
        <source>the secure connection of the version check</source>
        <translation>die sichere Verbindung der Versionsprüfung</translation>
    </message>
    <message>
        <source>the C++ language&apos;s library</source>
        <translation>die Bibliothek der Sprache C++</translation>
    </message>
    <message>
        <source>the system&apos;s C library</source>
        <translation>die C-Bibliothek des Systems</translation>
    </message>
</context>
<context>
    <name>Base</name>
    <message>
        <source>%1: it is a folder, not a file.</source>
        <translation>%1: Das ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>%1: it is a pipe, not a file.</source>
        <translation>%1: Das ist eine Pipe, keine Datei.</translation>
    </message>
    <message>
        <source>%1: it is a device, not a file.</source>
        <translation>%1: Das ist ein Gerät, keine Datei.</translation>
    </message>
    <message>
        <source>%1: it is not a regular file.</source>
        <translation>%1: Das ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>%1: it is %2 bytes long, but %3 is at most %4 bytes.</source>
        <translation>%1: Die Datei ist %2 Bytes lang, %3 darf aber höchstens %4 Bytes lang sein.</translation>
    </message>
    <message>
        <source>%1: it grew while it was read, past the %2 bytes that %3 can have.</source>
        <translation>%1: Die Datei ist beim Lesen gewachsen, über die %2 Bytes hinaus, die %3 haben darf.</translation>
    </message>
</context>
<context>
    <name>Firmware</name>
    <message>
        <source>Choose a firmware in the list first. Nothing was sent to the pedal.</source>
        <translation>Wählen Sie zuerst eine Firmware in der Liste. An das Pedal wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>The firmware %1 is empty. Nothing was sent.</source>
        <translation>Die Firmware %1 ist leer. Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>The firmware %1 cannot be written: it has %2 bytes, more than %3 chunks of 256 bytes. Nothing was sent.</source>
        <translation>Die Firmware %1 kann nicht geschrieben werden: Sie hat %2 Bytes, mehr als %3 Blöcke zu 256 Bytes. Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>The firmware %1 cannot be written: its %2 bytes would reach the firmware record at 0x0801FC00 (at most %3 bytes fit below it). Nothing was sent.</source>
        <translation>Die Firmware %1 kann nicht geschrieben werden: Ihre %2 Bytes würden den Firmware-Eintrag bei 0x0801FC00 erreichen (darunter passen höchstens %3 Bytes). Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>The firmware %1 cannot be written: there is no firmware record for number %2. Nothing was sent.</source>
        <translation>Die Firmware %1 kann nicht geschrieben werden: Für die Nummer %2 gibt es keinen Firmware-Eintrag. Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>Firmware upgrade</source>
        <translation>Firmware-Upgrade</translation>
    </message>
    <message>
        <source>The firmware upgrade was not started: the pedal is not connected. Connect to its bootloader first (Upgrade Mode stays on). Nothing was sent.</source>
        <translation>Das Firmware-Upgrade wurde nicht gestartet: Das Pedal ist nicht verbunden. Verbinden Sie sich zuerst mit seinem Bootloader (der Upgrade-Modus bleibt an). Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>erasing the flash</source>
        <translation>beim Löschen des Flash-Speichers</translation>
    </message>
    <message>
        <source>writing the firmware record at %1</source>
        <translation>beim Schreiben des Firmware-Eintrags bei %1</translation>
    </message>
    <message>
        <source>starting the new firmware at %1</source>
        <translation>beim Starten der neuen Firmware bei %1</translation>
    </message>
    <message>
        <source>bringing the bootloader back to a known state</source>
        <translation>beim Zurückversetzen des Bootloaders in einen bekannten Zustand</translation>
    </message>
    <message>
        <source>preparing the firmware image</source>
        <translation>beim Vorbereiten des Firmware-Abbilds</translation>
    </message>
    <message>
        <source>The firmware upgrade stopped while %1: %2. The flash was written and verified, and the pedal may have started the new firmware already. %3</source>
        <translation>Das Firmware-Upgrade wurde %1 abgebrochen: %2. Der Flash-Speicher wurde geschrieben und geprüft, und das Pedal hat die neue Firmware möglicherweise schon gestartet. %3</translation>
    </message>
    <message>
        <source>the connection to the pedal was lost</source>
        <translation>die Verbindung zum Pedal ging verloren</translation>
    </message>
    <message>
        <source>The firmware upgrade stopped while %1: the connection to the pedal was lost. The new firmware was not started. %2</source>
        <translation>Das Firmware-Upgrade wurde %1 abgebrochen: Die Verbindung zum Pedal ging verloren. Die neue Firmware wurde nicht gestartet. %2</translation>
    </message>
    <message>
        <source>The firmware upgrade stopped while %1: %2. The new firmware was not started; the pedal stays in its bootloader. %3</source>
        <translation>Das Firmware-Upgrade wurde %1 abgebrochen: %2. Die neue Firmware wurde nicht gestartet; das Pedal bleibt in seinem Bootloader. %3</translation>
    </message>
    <message>
        <source>you cancelled it</source>
        <translation>Sie haben es abgebrochen</translation>
    </message>
    <message>
        <source>Press Upgrade Firmware to start again.</source>
        <translation>Drücken Sie „Firmware aktualisieren“, um neu zu beginnen.</translation>
    </message>
    <message>
        <source>Power the pedal up with its footswitch held, choose Connect, then press Upgrade Firmware to start again.</source>
        <translation>Schalten Sie das Pedal mit gedrücktem Fußschalter ein, wählen Sie „Verbinden“ und drücken Sie dann „Firmware aktualisieren“, um neu zu beginnen.</translation>
    </message>
    <message>
        <source>Press Open FX to find out: a pedal that names its firmware version runs the new firmware; one that does not answer is still in its bootloader, and Upgrade Firmware starts again.</source>
        <translation>Drücken Sie „FX öffnen“, um es herauszufinden: Ein Pedal, das seine Firmware-Version nennt, läuft mit der neuen Firmware; eines, das nicht antwortet, ist noch in seinem Bootloader, und „Firmware aktualisieren“ beginnt von vorn.</translation>
    </message>
    <message>
        <source>writing chunk %1 of %2 at %3</source>
        <translation>beim Schreiben von Block %1 von %2 bei %3</translation>
    </message>
    <message>
        <source>reading back chunk %1 of %2 at %3</source>
        <translation>beim Zurücklesen von Block %1 von %2 bei %3</translation>
    </message>
    <message>
        <source>The pedal already runs Firmware %1</source>
        <translation>Auf dem Pedal läuft bereits Firmware %1</translation>
    </message>
    <message>
        <source>This replaces Firmware %1 with Firmware %2</source>
        <translation>Dies ersetzt Firmware %1 durch Firmware %2</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>About Qt</source>
        <translation>Über Qt</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Benutzerhandbuch</translation>
    </message>
    <message>
        <source>Connection &amp;Doctor…</source>
        <translation>Verbindungs&amp;doktor…</translation>
    </message>
    <message>
        <source>&amp;Check for Updates…</source>
        <translation>Nach &amp;Updates suchen…</translation>
    </message>
    <message>
        <source>&amp;About Kestrel X Editor</source>
        <translation>Über Kestrel X &amp;Editor</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Über &amp;Qt</translation>
    </message>
</context>
<context>
    <name>Ir</name>
    <message>
        <source>Samples of %1 bits cannot become coefficients: only 24 and 32 bits can.</source>
        <translation>Samples mit %1 Bit können keine Koeffizienten werden: Das geht nur mit 24 und 32 Bit.</translation>
    </message>
    <message>
        <source>The samples end after %1 of the %2 coefficients the effect needs.</source>
        <translation>Die Samples enden nach %1 der %2 Koeffizienten, die der Effekt braucht.</translation>
    </message>
    <message>
        <source>The sample text is damaged at character %1.</source>
        <translation>Der Sample-Text ist bei Zeichen %1 beschädigt.</translation>
    </message>
    <message>
        <source>The effect image has %1 characters, too few to hold %2 coefficients from byte %3.</source>
        <translation>Das Effekt-Abbild hat %1 Zeichen, zu wenige für %2 Koeffizienten ab Byte %3.</translation>
    </message>
    <message>
        <source>%1 coefficient characters do not make the %2 words of the table.</source>
        <translation>%1 Koeffizientenzeichen ergeben nicht die %2 Wörter der Tabelle.</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>Name: </translation>
    </message>
    <message>
        <source>Size: </source>
        <translation>Größe: </translation>
    </message>
    <message>
        <source>Sample rate: </source>
        <translation>Abtastrate: </translation>
    </message>
    <message>
        <source>Bits per sample: </source>
        <translation>Bits pro Sample: </translation>
    </message>
    <message>
        <source>Channels: %1 (the first channel is loaded)</source>
        <translation>Kanäle: %1 (der erste Kanal wird geladen)</translation>
    </message>
    <message>
        <source>Resampled from %1 Hz to %2 Hz</source>
        <translation>Umgerechnet von %1 Hz auf %2 Hz</translation>
    </message>
    <message>
        <source>Not resampled: the pedal plays these samples at %1 Hz</source>
        <translation>Nicht umgerechnet: Das Pedal spielt diese Samples mit %1 Hz ab</translation>
    </message>
    <message>
        <source>Clipped: %1 samples beyond full scale</source>
        <translation>Übersteuert: %1 Samples jenseits der Vollaussteuerung</translation>
    </message>
    <message>
        <source>The pedal plays impulse responses at %1 Hz, this file is sampled at %2 Hz. Resample it to %1 Hz first?</source>
        <translation>Das Pedal spielt Impulsantworten mit %1 Hz ab, diese Datei hat eine Abtastrate von %2 Hz. Zuerst auf %1 Hz umrechnen?</translation>
    </message>
    <message>
        <source>The loaded %1 samples (%2 ms at %3 kHz) hold %4 % of the file&apos;s energy.</source>
        <translation>Die %1 geladenen Samples (%2 ms bei %3 kHz) enthalten %4 % der Energie der Datei.</translation>
    </message>
    <message>
        <source>The loaded %1 samples (%2 ms at %3 kHz) are silent, like the whole file.</source>
        <translation>Die %1 geladenen Samples (%2 ms bei %3 kHz) sind still, wie die ganze Datei.</translation>
    </message>
    <message>
        <source>%1 has no coefficient table to load an impulse response into.</source>
        <translation>%1 hat keine Koeffiziententabelle, in die eine Impulsantwort geladen werden kann.</translation>
    </message>
    <message>
        <source>The file holds %1 samples%2, but %3 needs %4. Choose a longer impulse response.</source>
        <translation>Die Datei enthält %1 Samples%2, %3 braucht aber %4. Wählen Sie eine längere Impulsantwort.</translation>
    </message>
    <message>
        <source> at %1 Hz</source>
        <translation> bei %1 Hz</translation>
    </message>
    <message>
        <source>Wave Files (*.wav)</source>
        <translation>WAV-Dateien (*.wav)</translation>
    </message>
    <message>
        <source>Selected file data:</source>
        <translation>Daten der gewählten Datei:</translation>
    </message>
    <message>
        <source>The samples could not be resampled: %1</source>
        <translation>Die Samples konnten nicht umgerechnet werden: %1</translation>
    </message>
    <message>
        <source>a rate of %1 Hz cannot become %2 Hz</source>
        <translation>eine Abtastrate von %1 Hz kann nicht zu %2 Hz werden</translation>
    </message>
    <message>
        <source>This is not a WAV file: it does not begin with a RIFF header of type &quot;WAVE&quot;.</source>
        <translation>Das ist keine WAV-Datei: Sie beginnt nicht mit einem RIFF-Header vom Typ „WAVE“.</translation>
    </message>
    <message>
        <source>The WAV file&apos;s header announces %1 bytes, but the file has %2; its chunks were read as they are.</source>
        <translation>Der Header der WAV-Datei kündigt %1 Bytes an, die Datei hat aber %2; ihre Chunks wurden so gelesen, wie sie sind.</translation>
    </message>
    <message>
        <source>The WAV file is cut short: its &quot;%1&quot; chunk at byte %2 announces %3 bytes, but only %4 follow.</source>
        <translation>Die WAV-Datei ist abgeschnitten: Ihr Chunk „%1“ bei Byte %2 kündigt %3 Bytes an, es folgen aber nur %4.</translation>
    </message>
    <message>
        <source>The WAV file could not be read at byte %1.</source>
        <translation>Die WAV-Datei konnte bei Byte %1 nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The WAV file has no &quot;fmt &quot; chunk, so the format of its samples is unknown.</source>
        <translation>Die WAV-Datei hat keinen „fmt “-Chunk, daher ist das Format ihrer Samples unbekannt.</translation>
    </message>
    <message>
        <source>The WAV file&apos;s &quot;fmt &quot; chunk has %1 bytes, fewer than the 16 of a sample format.</source>
        <translation>Der „fmt “-Chunk der WAV-Datei hat %1 Bytes, weniger als die 16 eines Sample-Formats.</translation>
    </message>
    <message>
        <source>The WAV file has no &quot;data&quot; chunk: it holds no samples.</source>
        <translation>Die WAV-Datei hat keinen „data“-Chunk: Sie enthält keine Samples.</translation>
    </message>
    <message>
        <source>The WAV file&apos;s samples cannot be read: %1</source>
        <translation>Die Samples der WAV-Datei können nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The WAV file holds no samples.</source>
        <translation>Die WAV-Datei enthält keine Samples.</translation>
    </message>
    <message>
        <source>The impulse response could not be written: %1</source>
        <translation>Die Impulsantwort konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>It holds %1 samples: an impulse response the editor keeps holds at most %2.</source>
        <translation>Sie enthält %1 Samples: Eine Impulsantwort, die der Editor aufbewahrt, enthält höchstens %2.</translation>
    </message>
    <message>
        <source>it holds %1 samples, %2 needs %3</source>
        <translation>sie enthält %1 Samples, %2 braucht %3</translation>
    </message>
    <message>
        <source>%1 takes no impulse response</source>
        <translation>%1 nimmt keine Impulsantwort an</translation>
    </message>
    <message>
        <source>Trimmed %1 samples (%2 ms) of silence before the first peak</source>
        <translation>%1 Samples (%2 ms) Stille vor dem ersten Peak entfernt</translation>
    </message>
    <message>
        <source>Not trimmed: the first peak comes at once</source>
        <translation>Nicht gekürzt: Der erste Peak kommt sofort</translation>
    </message>
    <message>
        <source>Normalised to a peak of %1 dB (gain %2 dB)</source>
        <translation>Auf einen Peak von %1 dB normalisiert (Verstärkung %2 dB)</translation>
    </message>
    <message>
        <source>Not normalised: the loaded samples are silent</source>
        <translation>Nicht normalisiert: Die geladenen Samples sind still</translation>
    </message>
    <message>
        <source>Faded out over the last %1 ms (%2 samples)</source>
        <translation>Über die letzten %1 ms ausgeblendet (%2 Samples)</translation>
    </message>
    <message>
        <source>it names no impulse response effect</source>
        <translation>sie nennt keinen Impulsantwort-Effekt</translation>
    </message>
    <message>
        <source>There is no Documents folder to keep the import in.</source>
        <translation>Es gibt keinen Dokumente-Ordner, in dem der Import aufbewahrt werden kann.</translation>
    </message>
    <message>
        <source>%1: the folder cannot be made.</source>
        <translation>%1: Der Ordner kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The WAV file may hold integer samples of 8, 16, 24 or 32 bits, float samples of 32 or 64 bits, or compressed samples (ADPCM, A-law, mu-law or GSM 6.10), in one or more channels (the first is loaded). 48 kHz is the pedal&apos;s rate: a file at another rate from 8 to 768 kHz is resampled to it (the editor asks first).</source>
        <translation>Die WAV-Datei darf Ganzzahl-Samples mit 8, 16, 24 oder 32 Bit, Gleitkomma-Samples mit 32 oder 64 Bit oder komprimierte Samples (ADPCM, A-law, mu-law oder GSM 6.10) enthalten, in einem oder mehreren Kanälen (der erste wird geladen). 48 kHz ist die Abtastrate des Pedals: Eine Datei mit einer anderen Rate von 8 bis 768 kHz wird darauf umgerechnet (der Editor fragt vorher).</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>The pedal reports effect number %1, but the effect list only holds the numbers 0 to %2.</source>
        <translation>Das Pedal meldet die Effektnummer %1, die Effektliste enthält aber nur die Nummern 0 bis %2.</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>sie ist leer</translation>
    </message>
    <message>
        <source>its %1 bytes are more than the %2 that fit in the pedal&apos;s flash</source>
        <translation>ihre %1 Bytes sind mehr als die %2, die in den Flash-Speicher des Pedals passen</translation>
    </message>
    <message>
        <source>its %1 bytes are too few for a vector table and a version mark</source>
        <translation>ihre %1 Bytes sind zu wenige für eine Vektortabelle und eine Versionsmarke</translation>
    </message>
    <message>
        <source>it starts with %1, not a stack address in the pedal&apos;s RAM</source>
        <translation>sie beginnt mit %1, keiner Stack-Adresse im RAM des Pedals</translation>
    </message>
    <message>
        <source>its reset address %1 is not Thumb code inside the image</source>
        <translation>ihre Reset-Adresse %1 ist kein Thumb-Code innerhalb des Abbilds</translation>
    </message>
    <message>
        <source>it lacks the %1 mark at %2</source>
        <translation>ihr fehlt die Marke %1 bei %2</translation>
    </message>
    <message>
        <source>Choose a firmware file made for the Kestrel X: %1 is not one (%2), so nothing was sent.</source>
        <translation>Wählen Sie eine Firmware-Datei für das Kestrel X: %1 ist keine (%2), daher wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>The image of &quot;%1&quot; holds %2 bytes, too few for its address table.</source>
        <translation>Das Abbild von „%1“ enthält %2 Bytes, zu wenige für seine Adresstabelle.</translation>
    </message>
    <message>
        <source>Resource %1 not found</source>
        <translation>Ressource %1 nicht gefunden</translation>
    </message>
    <message>
        <source>Error loading resource: </source>
        <translation>Fehler beim Laden der Ressource: </translation>
    </message>
    <message>
        <source>the version page holds &quot;%1&quot;, which is not a version number of digits and dots.</source>
        <translation>die Versionsseite enthält „%1“, keine Versionsnummer aus Ziffern und Punkten.</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>answer to the filler bytes</source>
        <translation>Antwort auf die Füllbytes</translation>
    </message>
    <message>
        <source>effect information reply</source>
        <translation>Antwort mit den Effektinformationen</translation>
    </message>
    <message>
        <source>parameter state reply</source>
        <translation>Antwort mit dem Parameterzustand</translation>
    </message>
    <message>
        <source>bootloader answer</source>
        <translation>Antwort des Bootloaders</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>inside a command, which the synchronisation byte ended</source>
        <translation>innerhalb eines Befehls, den das Synchronisationsbyte beendet hat</translation>
    </message>
    <message>
        <source>it answered %1</source>
        <translation>es antwortete %1</translation>
    </message>
    <message>
        <source>no answer to the synchronisation byte nor to %1 filler bytes: the pedal is not in its bootloader</source>
        <translation>keine Antwort auf das Synchronisationsbyte und auf %1 Füllbytes: Das Pedal ist nicht in seinem Bootloader</translation>
    </message>
    <message>
        <source>it answered the filler bytes with %1</source>
        <translation>es antwortete auf die Füllbytes mit %1</translation>
    </message>
    <message>
        <source>inside a frame a stopped upgrade left, which filler bytes ended</source>
        <translation>innerhalb eines Rahmens, den ein abgebrochenes Upgrade hinterlassen hat und den Füllbytes beendet haben</translation>
    </message>
    <message>
        <source>it answered the filler bytes but refused none of the last %1, so it is not known to wait for a command</source>
        <translation>es antwortete auf die Füllbytes, lehnte aber keines der letzten %1 ab; ob es auf einen Befehl wartet, ist daher unbekannt</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>The message to the pedal did not leave within %1 s.</source>
        <translation>Die Nachricht an das Pedal wurde nicht innerhalb von %1 s gesendet.</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>Gerätename</translation>
    </message>
    <message>
        <source>No device found</source>
        <translation>Kein Gerät gefunden</translation>
    </message>
    <message>
        <source> found, click Connect</source>
        <translation> gefunden, klicken Sie auf „Verbinden“</translation>
    </message>
    <message>
        <source> connected</source>
        <translation> verbunden</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>verbunden</translation>
    </message>
    <message>
        <source>Connection to bootloader succeeded, ready for firmware upgrade</source>
        <translation>Verbindung zum Bootloader hergestellt, bereit für das Firmware-Upgrade</translation>
    </message>
    <message>
        <source>Connection to bootloader failed</source>
        <translation>Verbindung zum Bootloader fehlgeschlagen</translation>
    </message>
    <message>
        <source>The pedal did not send its %1 within %2 s.</source>
        <translation>Das Pedal hat seine %1 nicht innerhalb von %2 s gesendet.</translation>
    </message>
    <message>
        <source>The pedal did not finish its %1 within %2 s: %3 bytes came, still without its end.</source>
        <translation>Das Pedal hat seine %1 nicht innerhalb von %2 s beendet: %3 Bytes kamen, noch immer ohne Ende.</translation>
    </message>
    <message>
        <source>The pedal&apos;s reply cannot be read: line %1 (&quot;%2&quot;) is not a number from 0 to 255.</source>
        <translation>Die Antwort des Pedals kann nicht gelesen werden: Zeile %1 („%2“) ist keine Zahl von 0 bis 255.</translation>
    </message>
    <message>
        <source>The pedal&apos;s reply is incomplete: it holds %1 values where %2 were expected.</source>
        <translation>Die Antwort des Pedals ist unvollständig: Sie enthält %1 Werte, erwartet wurden %2.</translation>
    </message>
    <message>
        <source>The pedal&apos;s reply does not fit: it holds %1 values where %2 were expected.</source>
        <translation>Die Antwort des Pedals passt nicht: Sie enthält %1 Werte, erwartet wurden %2.</translation>
    </message>
    <message>
        <source>The pedal&apos;s %1 is incomplete: it stopped after %2 bytes.</source>
        <translation>Die %1 des Pedals ist unvollständig: Sie endete nach %2 Bytes.</translation>
    </message>
    <message>
        <source>The pedal&apos;s %1 is longer than it can be.</source>
        <translation>Die %1 des Pedals ist länger als möglich.</translation>
    </message>
    <message>
        <source>Start a firmware upgrade, or power the pedal up without holding the footswitch: the pedal is in its bootloader, which refused to send its %1.</source>
        <translation>Starten Sie ein Firmware-Upgrade oder schalten Sie das Pedal ein, ohne den Fußschalter zu halten: Das Pedal ist in seinem Bootloader, der es abgelehnt hat, seine %1 zu senden.</translation>
    </message>
    <message>
        <source>The connection to the pedal was lost (%1). Plug it in again and choose Connect.</source>
        <translation>Die Verbindung zum Pedal ging verloren (%1). Schließen Sie es wieder an und wählen Sie „Verbinden“.</translation>
    </message>
    <message>
        <source>The message does not fit the send buffer and was not sent: %1 bytes, at most %2.</source>
        <translation>Die Nachricht passt nicht in den Sendepuffer und wurde nicht gesendet: %1 Bytes, höchstens %2.</translation>
    </message>
    <message>
        <source>The pedal&apos;s chip took only %1 of %2 bytes; the message was not sent whole.</source>
        <translation>Der Chip des Pedals hat nur %1 von %2 Bytes angenommen; die Nachricht wurde nicht vollständig gesendet.</translation>
    </message>
    <message>
        <source>%1 was not done: the editor is waiting for the pedal.</source>
        <translation>%1 wurde nicht ausgeführt: Der Editor wartet auf das Pedal.</translation>
    </message>
    <message>
        <source>%1 was not done: the pedal is not connected.</source>
        <translation>%1 wurde nicht ausgeführt: Das Pedal ist nicht verbunden.</translation>
    </message>
    <message>
        <source>%1 is already running.</source>
        <translation>%1 läuft bereits.</translation>
    </message>
    <message>
        <source>ModemManager is running. It tries new serial ports for a mobile-broadband modem and can hold the pedal&apos;s port for a few seconds after the pedal is plugged in.</source>
        <translation>ModemManager läuft. Er probiert neue serielle Schnittstellen nach einem Mobilfunkmodem aus und kann die Schnittstelle des Pedals nach dem Einstecken einige Sekunden lang belegen.</translation>
    </message>
    <message>
        <source>The editor&apos;s udev rule tells it to leave the pedal alone. Without the rule, and if this computer uses no mobile-broadband modem, stop it.</source>
        <translation>Die udev-Regel des Editors weist ihn an, das Pedal in Ruhe zu lassen. Ohne die Regel, und wenn dieser Computer kein Mobilfunkmodem nutzt, beenden Sie ihn.</translation>
    </message>
    <message>
        <source>brltty, the braille display service, is running. It takes some USB serial chips for braille displays, and a chip it takes gets no serial port.</source>
        <translation>brltty, der Dienst für Braillezeilen, läuft. Er übernimmt manche USB-Seriell-Chips für Braillezeilen, und ein übernommener Chip bekommt keine serielle Schnittstelle.</translation>
    </message>
    <message>
        <source>If no braille display is attached to this computer, stop it, then unplug the pedal and plug it in again.</source>
        <translation>Wenn an diesem Computer keine Braillezeile angeschlossen ist, beenden Sie ihn, ziehen Sie dann das Pedal ab und stecken Sie es wieder ein.</translation>
    </message>
    <message>
        <source>gpsd, the GPS service, is running. It opens new USB serial ports to look for a GPS receiver.</source>
        <translation>gpsd, der GPS-Dienst, läuft. Er öffnet neue USB-Seriell-Schnittstellen, um nach einem GPS-Empfänger zu suchen.</translation>
    </message>
    <message>
        <source>If this computer uses no GPS receiver, stop it.</source>
        <translation>Wenn dieser Computer keinen GPS-Empfänger nutzt, beenden Sie ihn.</translation>
    </message>
    <message>
        <source>Port %1 (given with --port)</source>
        <translation>Schnittstelle %1 (mit --port angegeben)</translation>
    </message>
    <message>
        <source>Virtual pedal (--virtual-pedal)</source>
        <translation>Virtuelles Pedal (--virtual-pedal)</translation>
    </message>
    <message>
        <source>The editor&apos;s built-in virtual pedal is attached; it is always ready.</source>
        <translation>Das eingebaute virtuelle Pedal des Editors ist angeschlossen; es ist immer bereit.</translation>
    </message>
    <message>
        <source>USB devices</source>
        <translation>USB-Geräte</translation>
    </message>
    <message>
        <source>The list of USB devices (%1/bus/usb/devices) is missing or cannot be read, so no chip can be checked.</source>
        <translation>Die Liste der USB-Geräte (%1/bus/usb/devices) fehlt oder kann nicht gelesen werden, daher kann kein Chip geprüft werden.</translation>
    </message>
    <message>
        <source>No FTDI USB chip is attached: the pedal is not plugged in, not switched on, or its cable carries no data.</source>
        <translation>Kein FTDI-USB-Chip angeschlossen: Das Pedal ist nicht eingesteckt, nicht eingeschaltet, oder sein Kabel überträgt keine Daten.</translation>
    </message>
    <message>
        <source>Connect the pedal with a USB cable that carries data (some cables only charge), switch the pedal on, and try another USB socket.</source>
        <translation>Schließen Sie das Pedal mit einem USB-Kabel an, das Daten überträgt (manche Kabel laden nur), schalten Sie das Pedal ein und versuchen Sie einen anderen USB-Anschluss.</translation>
    </message>
    <message>
        <source>USB chip &quot;%1&quot; (%2, serial %3)</source>
        <translation>USB-Chip „%1“ (%2, Seriennummer %3)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>This is not the pedal&apos;s type of chip (the pedal&apos;s FT230X reports 0403:6015), but the editor lists it all the same.</source>
        <translation>Das ist nicht der Chiptyp des Pedals (der FT230X des Pedals meldet 0403:6015), der Editor führt ihn aber trotzdem auf.</translation>
    </message>
    <message>
        <source>It has no serial port: a program has taken the chip over directly (through libusb), so the serial driver cannot serve it.</source>
        <translation>Er hat keine serielle Schnittstelle: Ein Programm hat den Chip direkt übernommen (über libusb), daher kann der serielle Treiber ihn nicht bedienen.</translation>
    </message>
    <message>
        <source> The program is %1.</source>
        <translation> Das Programm ist %1.</translation>
    </message>
    <message>
        <source>Close that program, then unplug the pedal and plug it in again.</source>
        <translation>Schließen Sie dieses Programm, ziehen Sie dann das Pedal ab und stecken Sie es wieder ein.</translation>
    </message>
    <message>
        <source>It has no serial port: the driver %1 holds it instead of the serial driver %2.</source>
        <translation>Er hat keine serielle Schnittstelle: Der Treiber %1 belegt ihn statt des seriellen Treibers %2.</translation>
    </message>
    <message>
        <source>Unplug the pedal and plug it in again.</source>
        <translation>Ziehen Sie das Pedal ab und stecken Sie es wieder ein.</translation>
    </message>
    <message>
        <source>It has no serial port: the kernel&apos;s serial driver for FTDI chips (%1) is not loaded.</source>
        <translation>Er hat keine serielle Schnittstelle: Der serielle Kernel-Treiber für FTDI-Chips (%1) ist nicht geladen.</translation>
    </message>
    <message>
        <source>Load the driver, then unplug the pedal and plug it in again.</source>
        <translation>Laden Sie den Treiber, ziehen Sie dann das Pedal ab und stecken Sie es wieder ein.</translation>
    </message>
    <message>
        <source>It has no serial port: the serial driver %1 is loaded but has not taken the chip.</source>
        <translation>Er hat keine serielle Schnittstelle: Der serielle Treiber %1 ist geladen, hat den Chip aber nicht übernommen.</translation>
    </message>
    <message>
        <source>%1 cannot be examined: %2.</source>
        <translation>%1 kann nicht untersucht werden: %2.</translation>
    </message>
    <message>
        <source>Its serial port %1 is known to the kernel but does not exist in /dev.</source>
        <translation>Seine serielle Schnittstelle %1 ist dem Kernel bekannt, existiert aber nicht in /dev.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 existiert nicht.</translation>
    </message>
    <message>
        <source>Check the path. The virtual pedal program names a new pseudo-terminal each time it starts.</source>
        <translation>Prüfen Sie den Pfad. Das Programm des virtuellen Pedals vergibt bei jedem Start ein neues Pseudo-Terminal.</translation>
    </message>
    <message>
        <source>%1 is not a serial port (not a character device).</source>
        <translation>%1 ist keine serielle Schnittstelle (kein zeichenorientiertes Gerät).</translation>
    </message>
    <message>
        <source>Give the path of a serial port, such as /dev/ttyUSB0.</source>
        <translation>Geben Sie den Pfad einer seriellen Schnittstelle an, etwa /dev/ttyUSB0.</translation>
    </message>
    <message>
        <source>%1 is open in another program: %2. The pedal answers one program at a time.</source>
        <translation>%1 ist in einem anderen Programm geöffnet: %2. Das Pedal antwortet immer nur einem Programm.</translation>
    </message>
    <message>
        <source>Close %1, then choose Connect again.</source>
        <translation>Schließen Sie %1 und wählen Sie dann erneut „Verbinden“.</translation>
    </message>
    <message>
        <source>This editor has %1 open: it is connected.</source>
        <translation>Dieser Editor hat %1 geöffnet: Er ist verbunden.</translation>
    </message>
    <message>
        <source>You may open %1, and no other program holds it: ready to connect.</source>
        <translation>Sie dürfen %1 öffnen, und kein anderes Programm belegt es: bereit zum Verbinden.</translation>
    </message>
    <message>
        <source> The desktop gives you access to it.</source>
        <translation> Die Arbeitsumgebung gewährt Ihnen den Zugriff darauf.</translation>
    </message>
    <message>
        <source> It is served by %1.</source>
        <translation> Es wird von %1 bedient.</translation>
    </message>
    <message>
        <source>only %1 and the members of %2 may read and write it</source>
        <translation>nur %1 und die Mitglieder von %2 dürfen es lesen und schreiben</translation>
    </message>
    <message>
        <source>only %1 may read and write it</source>
        <translation>nur %1 darf es lesen und schreiben</translation>
    </message>
    <message>
        <source>only the members of %1 may read and write it</source>
        <translation>nur die Mitglieder von %1 dürfen es lesen und schreiben</translation>
    </message>
    <message>
        <source>only the administrator may read and write it</source>
        <translation>nur der Administrator darf es lesen und schreiben</translation>
    </message>
    <message>
        <source>You (%1) may not open %2. It belongs to %3 and the group %4, with the rights %5: %6.</source>
        <translation>Sie (%1) dürfen %2 nicht öffnen. Es gehört %3 und der Gruppe %4, mit den Rechten %5: %6.</translation>
    </message>
    <message>
        <source>join the group %1 (%2), then log out and log in again</source>
        <translation>treten Sie der Gruppe %1 bei (%2), melden Sie sich dann ab und wieder an</translation>
    </message>
    <message>
        <source> You are a member of %1, yet the system refuses it (an access list or a security module).</source>
        <translation> Sie sind Mitglied von %1, das System verweigert es aber trotzdem (eine Zugriffsliste oder ein Sicherheitsmodul).</translation>
    </message>
    <message>
        <source> You are a member of %1, but the group may not write to it.</source>
        <translation> Sie sind Mitglied von %1, die Gruppe darf aber nicht darauf schreiben.</translation>
    </message>
    <message>
        <source> You were added to the group %1 after this login began; the membership counts from the next login.</source>
        <translation> Sie wurden der Gruppe %1 erst nach Beginn dieser Anmeldung hinzugefügt; die Mitgliedschaft gilt ab der nächsten Anmeldung.</translation>
    </message>
    <message>
        <source>Log out and log in again (or restart the computer), then choose Connect.</source>
        <translation>Melden Sie sich ab und wieder an (oder starten Sie den Computer neu) und wählen Sie dann „Verbinden“.</translation>
    </message>
    <message>
        <source> You are not a member of %1.</source>
        <translation> Sie sind kein Mitglied von %1.</translation>
    </message>
    <message>
        <source>Let the user at this computer open the pedal: install the editor&apos;s udev rule with the command below (or the button &quot;Allow access&quot; of the Connection Doctor window), then choose Connect again.</source>
        <translation>Erlauben Sie dem Benutzer an diesem Computer, das Pedal zu öffnen: Installieren Sie die udev-Regel des Editors mit dem Befehl unten (oder mit der Schaltfläche „Zugriff erlauben“ im Fenster „Verbindungsdoktor“) und wählen Sie dann erneut „Verbinden“.</translation>
    </message>
    <message>
        <source> Or %1.</source>
        <translation> Oder %1.</translation>
    </message>
    <message>
        <source>The editor&apos;s udev rule is installed but has not reached this port yet: unplug the pedal and plug it in again. The rule lets in the user logged in at the computer&apos;s own screen; from a remote login, %1.</source>
        <translation>Die udev-Regel des Editors ist installiert, hat diese Schnittstelle aber noch nicht erreicht: Ziehen Sie das Pedal ab und stecken Sie es wieder ein. Die Regel lässt den Benutzer zu, der am eigenen Bildschirm des Computers angemeldet ist; bei einer Fernanmeldung %1.</translation>
    </message>
    <message>
        <source>To open it, %1.</source>
        <translation>Um es zu öffnen, %1.</translation>
    </message>
    <message>
        <source>Use a port that belongs to you, or ask the administrator to change its rights.</source>
        <translation>Verwenden Sie eine Schnittstelle, die Ihnen gehört, oder bitten Sie den Administrator, ihre Rechte zu ändern.</translation>
    </message>
    <message>
        <source>Service %1</source>
        <translation>Dienst %1</translation>
    </message>
    <message>
        <source>A pedal is ready to connect.</source>
        <translation>Ein Pedal ist bereit zum Verbinden.</translation>
    </message>
    <message>
        <source>A pedal is ready to connect. A problem with another port is listed below.</source>
        <translation>Ein Pedal ist bereit zum Verbinden. Ein Problem mit einer anderen Schnittstelle ist unten aufgeführt.</translation>
    </message>
    <message>
        <source>A pedal is ready to connect. Problems with %1 other ports are listed below.</source>
        <translation>Ein Pedal ist bereit zum Verbinden. Probleme mit %1 anderen Schnittstellen sind unten aufgeführt.</translation>
    </message>
    <message>
        <source>No pedal is ready to connect. What to do is written with each problem.</source>
        <translation>Kein Pedal ist bereit zum Verbinden. Was zu tun ist, steht bei jedem Problem.</translation>
    </message>
    <message>
        <source>    What to do: %1
</source>
        <translation>    Was zu tun ist: %1
</translation>
    </message>
    <message>
        <source>Port %1 does not exist.</source>
        <translation>Die Schnittstelle %1 existiert nicht.</translation>
    </message>
    <message>
        <source>Port %1 is not a serial port (not a character device).</source>
        <translation>Die Schnittstelle %1 ist keine serielle Schnittstelle (kein zeichenorientiertes Gerät).</translation>
    </message>
    <message>
        <source>Port %1 cannot be examined: %2.</source>
        <translation>Die Schnittstelle %1 kann nicht untersucht werden: %2.</translation>
    </message>
    <message>
        <source>The serial port module of this installation cannot be loaded, so no port can be opened (%1). Reinstall the editor.</source>
        <translation>Das Modul für serielle Schnittstellen dieser Installation kann nicht geladen werden, daher lässt sich keine Schnittstelle öffnen (%1). Installieren Sie den Editor neu.</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Hochladen</translation>
    </message>
    <message>
        <source>check the image</source>
        <translation>Abbild prüfen</translation>
    </message>
    <message>
        <source>write the image</source>
        <translation>Abbild schreiben</translation>
    </message>
    <message>
        <source>answer to the upload</source>
        <translation>Antwort auf das Hochladen</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Wird hochgeladen...</translation>
    </message>
    <message>
        <source>There is no image to upload for %1. For an impulse response effect, load a WAV file first (File &gt; Load IR).</source>
        <translation>Für %1 gibt es kein Abbild zum Hochladen. Laden Sie für einen Impulsantwort-Effekt zuerst eine WAV-Datei (Datei &gt; IR laden).</translation>
    </message>
    <message>
        <source>The image of %1 cannot be uploaded: it is damaged at character %2.</source>
        <translation>Das Abbild von %1 kann nicht hochgeladen werden: Es ist bei Zeichen %2 beschädigt.</translation>
    </message>
    <message>
        <source>The image of %1 cannot be uploaded: it has %2 bytes, at most %3 fit.</source>
        <translation>Das Abbild von %1 kann nicht hochgeladen werden: Es hat %2 Bytes, höchstens %3 passen.</translation>
    </message>
    <message>
        <source>Firmware Version: </source>
        <translation>Firmware-Version: </translation>
    </message>
    <message>
        <source>The pedal&apos;s effect information reply cannot be read: it holds %1 lines where 4 were expected.</source>
        <translation>Die Antwort mit den Effektinformationen kann nicht gelesen werden: Sie enthält %1 Zeilen, erwartet wurden 4.</translation>
    </message>
    <message>
        <source>The pedal&apos;s effect information reply cannot be read: line %1 (&quot;%2&quot;) is not a number.</source>
        <translation>Die Antwort mit den Effektinformationen kann nicht gelesen werden: Zeile %1 („%2“) ist keine Zahl.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a MIDI channel: give 1 to 16, or OMNI.</source>
        <translation>„%1“ ist kein MIDI-Kanal: Geben Sie 1 bis 16 oder OMNI an.</translation>
    </message>
    <message>
        <source>Connect the pedal with a USB cable that carries data (some cables only charge), switch the pedal on, and try another USB socket. If it is plugged in, check that the system has a driver for FTDI chips.</source>
        <translation>Schließen Sie das Pedal mit einem USB-Kabel an, das Daten überträgt (manche Kabel laden nur), schalten Sie das Pedal ein und versuchen Sie eine andere USB-Buchse. Ist es eingesteckt, prüfen Sie, ob das System einen Treiber für FTDI-Chips hat.</translation>
    </message>
    <message>
        <source>Its serial port %1 is listed but cannot be found.</source>
        <translation>Seine serielle Schnittstelle %1 ist aufgeführt, wird aber nicht gefunden.</translation>
    </message>
    <message>
        <source>%1 cannot be opened (%2): another program may hold it (the pedal answers one program at a time), or you may not open it.</source>
        <translation>%1 lässt sich nicht öffnen (%2): Ein anderes Programm hält sie vielleicht (das Pedal antwortet immer nur einem Programm), oder Sie dürfen sie nicht öffnen.</translation>
    </message>
    <message>
        <source>Close any other program that uses the pedal, then choose Connect again. If none does, unplug the pedal and plug it in again.</source>
        <translation>Schließen Sie jedes andere Programm, das das Pedal benutzt, und wählen Sie dann erneut Verbinden. Tut das keines, stecken Sie das Pedal aus und wieder ein.</translation>
    </message>
</context>
<context>
    <name>Params</name>
    <message>
        <source>The image of &quot;%1&quot; holds no addresses for its %2 controls.</source>
        <translation>Das Abbild von „%1“ enthält keine Adressen für seine %2 Regler.</translation>
    </message>
    <message>
        <source>The control description of &quot;%1&quot; cannot be used: %2.</source>
        <translation>Die Reglerbeschreibung von „%1“ kann nicht verwendet werden: %2.</translation>
    </message>
    <message>
        <source>its first line must begin with three count digits</source>
        <translation>ihre erste Zeile muss mit drei Zählziffern beginnen</translation>
    </message>
    <message>
        <source>the count digit &quot;%1&quot; is not 0 to 9 or A to F</source>
        <translation>die Zählziffer „%1“ ist nicht 0 bis 9 oder A bis F</translation>
    </message>
    <message>
        <source>it declares no controls</source>
        <translation>sie gibt keine Regler an</translation>
    </message>
    <message>
        <source>it declares %1 controls, more than the %2 its image has addresses for</source>
        <translation>sie gibt %1 Regler an, mehr als die %2, für die ihr Abbild Adressen hat</translation>
    </message>
    <message>
        <source>it declares %1 readbacks, more than %2</source>
        <translation>sie gibt %1 Rückmeldewerte an, mehr als %2</translation>
    </message>
    <message>
        <source>it has %1 lines, fewer than the %2 its counts call for</source>
        <translation>sie hat %1 Zeilen, weniger als die %2, die ihre Zähler verlangen</translation>
    </message>
    <message>
        <source>control %1 (&quot;%2&quot;) is a multi switch without options (no &quot;;&quot;)</source>
        <translation>Regler %1 („%2“) ist ein Mehrfachschalter ohne Optionen (kein „;“)</translation>
    </message>
    <message>
        <source>it declares %1 controls, but its image declares %2</source>
        <translation>sie gibt %1 Regler an, ihr Abbild aber %2</translation>
    </message>
    <message>
        <source>The pedal&apos;s parameter state reply is incomplete: it holds %1 values where %2 were expected.</source>
        <translation>Die Antwort mit dem Parameterzustand ist unvollständig: Sie enthält %1 Werte, erwartet wurden %2.</translation>
    </message>
    <message>
        <source>The pedal&apos;s parameter state reply cannot be right: control %1 reads %2, outside 0 to 1023.</source>
        <translation>Die Antwort mit dem Parameterzustand kann nicht stimmen: Regler %1 zeigt %2, außerhalb von 0 bis 1023.</translation>
    </message>
    <message>
        <source>The pedal&apos;s parameter state reply cannot be told from a stray line: it holds %1 values where %2 were expected.</source>
        <translation>Die Antwort mit dem Parameterzustand lässt sich nicht von einer verirrten Zeile unterscheiden: Sie enthält %1 Werte, erwartet wurden %2.</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Nichts</translation>
    </message>
    <message>
        <source>Bypass on and off</source>
        <translation>Bypass ein und aus</translation>
    </message>
    <message>
        <source>Preset change</source>
        <translation>Presetwechsel</translation>
    </message>
    <message>
        <source>Not assigned to any of the pedal&apos;s controls (--).</source>
        <translation>Keinem Bedienelement des Pedals zugewiesen (--).</translation>
    </message>
    <message>
        <source>This effect&apos;s footswitch latches: press once for on, again for off.</source>
        <translation>Der Fußschalter dieses Effekts rastet ein: einmal drücken für an, noch einmal für aus.</translation>
    </message>
    <message>
        <source>This effect&apos;s footswitch is momentary: it acts while held down.</source>
        <translation>Der Fußschalter dieses Effekts ist ein Taster: Er wirkt, solange er gedrückt ist.</translation>
    </message>
    <message>
        <source>&lt;byte-order mark&gt;</source>
        <translation>&lt;Byte-Order-Mark&gt;</translation>
    </message>
    <message>
        <source>line %1 holds %2, but %3 is written as %4 hexadecimal digits.</source>
        <translation>Zeile %1 enthält %2, %3 wird aber mit %4 Hexadezimalziffern geschrieben.</translation>
    </message>
    <message>
        <source>the open effect has no controls.</source>
        <translation>der geöffnete Effekt hat keine Regler.</translation>
    </message>
    <message>
        <source>the values of the open effect have not been read.</source>
        <translation>die Werte des geöffneten Effekts wurden nicht gelesen.</translation>
    </message>
    <message>
        <source>a preset holds 1 to %1 controls, not %2.</source>
        <translation>ein Preset enthält 1 bis %1 Regler, nicht %2.</translation>
    </message>
    <message>
        <source>the effect number %1 does not fit a preset.</source>
        <translation>die Effektnummer %1 passt nicht in ein Preset.</translation>
    </message>
    <message>
        <source>the effect version %1 does not fit a preset.</source>
        <translation>die Effektversion %1 passt nicht in ein Preset.</translation>
    </message>
    <message>
        <source>the file holds %1; a preset starts with 3 lines: effect number, effect version, number of controls.</source>
        <translation>die Datei enthält %1; ein Preset beginnt mit 3 Zeilen: Effektnummer, Effektversion, Anzahl der Regler.</translation>
    </message>
    <message>
        <source>the effect number</source>
        <translation>die Effektnummer</translation>
    </message>
    <message>
        <source>the effect version</source>
        <translation>die Effektversion</translation>
    </message>
    <message>
        <source>the number of controls</source>
        <translation>die Anzahl der Regler</translation>
    </message>
    <message>
        <source>line 3 gives 0 controls; a preset holds at least one.</source>
        <translation>Zeile 3 gibt 0 Regler an; ein Preset enthält mindestens einen.</translation>
    </message>
    <message>
        <source>the file ends after line %1, but it announces %2 controls, whose values take lines 4 to %3.</source>
        <translation>die Datei endet nach Zeile %1, kündigt aber %2 Regler an, deren Werte die Zeilen 4 bis %3 belegen.</translation>
    </message>
    <message>
        <source>the value of control %1</source>
        <translation>der Wert von Regler %1</translation>
    </message>
    <message>
        <source>the file holds %1, but a preset of %2 controls has %3 to %4 lines.</source>
        <translation>die Datei enthält %1, ein Preset mit %2 Reglern hat aber %3 bis %4 Zeilen.</translation>
    </message>
    <message>
        <source>the assignment of control %1</source>
        <translation>die Zuweisung von Regler %1</translation>
    </message>
    <message>
        <source>the assignment of readback %1</source>
        <translation>die Zuweisung von Rückmeldewert %1</translation>
    </message>
    <message>
        <source>The preset holds no assignments: the pedal&apos;s stay as they are.</source>
        <translation>Das Preset enthält keine Zuweisungen: Die des Pedals bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>cannot be read: </source>
        <translation>kann nicht gelesen werden: </translation>
    </message>
    <message>
        <source>its file name is not UTF-8 text, so the editor cannot open it: rename it in a file manager.</source>
        <translation>sein Dateiname ist kein UTF-8-Text, daher kann der Editor es nicht öffnen: Benennen Sie es in einem Dateimanager um.</translation>
    </message>
    <message>
        <source>A preset needs a name.</source>
        <translation>Ein Preset braucht einen Namen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file name: a preset stays in its folder.</source>
        <translation>„%1“ ist kein Dateiname: Ein Preset bleibt in seinem Ordner.</translation>
    </message>
    <message>
        <source>A preset named &quot;%1&quot; exists already.</source>
        <translation>Ein Preset namens „%1“ gibt es bereits.</translation>
    </message>
    <message>
        <source>An impulse response named &quot;%1&quot; exists already.</source>
        <translation>Eine Impulsantwort namens „%1“ gibt es bereits.</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>No pedal found. Check the USB cable, or open Connection &gt; Diagnose.</source>
        <translation>Kein Pedal gefunden. Prüfen Sie das USB-Kabel oder öffnen Sie Verbindung &gt; Diagnose.</translation>
    </message>
    <message>
        <source>The pedal&apos;s USB connection did not respond. Unplug the pedal, plug it in again and choose Connect.</source>
        <translation>Die USB-Verbindung des Pedals hat nicht reagiert. Ziehen Sie das Pedal ab, stecken Sie es wieder ein und wählen Sie „Verbinden“.</translation>
    </message>
    <message>
        <source>The pedal did not answer. Check that it is powered and connected, then try again. A pedal powered up with the footswitch held is in its bootloader: tick Connection &gt; Upgrade Mode to upgrade its firmware.</source>
        <translation>Das Pedal hat nicht geantwortet. Prüfen Sie, ob es eingeschaltet und angeschlossen ist, und versuchen Sie es erneut. Ein mit gedrücktem Fußschalter eingeschaltetes Pedal ist in seinem Bootloader: Setzen Sie ein Häkchen bei Verbindung &gt; Upgrade-Modus, um seine Firmware zu aktualisieren.</translation>
    </message>
    <message>
        <source>The pedal&apos;s answer could not be read. Try again; if it happens again, power the pedal off and on.</source>
        <translation>Die Antwort des Pedals konnte nicht gelesen werden. Versuchen Sie es erneut; passiert es wieder, schalten Sie das Pedal aus und wieder ein.</translation>
    </message>
    <message>
        <source>The pedal did not answer as its bootloader, so the editor stays connected to its firmware. To upgrade it, power the pedal up with the footswitch held, then tick Upgrade Mode again.</source>
        <translation>Das Pedal hat nicht als sein Bootloader geantwortet, daher bleibt der Editor mit seiner Firmware verbunden. Um es zu aktualisieren, schalten Sie das Pedal mit gedrücktem Fußschalter ein und setzen Sie dann erneut das Häkchen bei „Upgrade-Modus“.</translation>
    </message>
    <message>
        <source>The firmware upgrade did not finish. Keep the pedal connected and start the upgrade again.</source>
        <translation>Das Firmware-Upgrade wurde nicht abgeschlossen. Lassen Sie das Pedal angeschlossen und starten Sie das Upgrade erneut.</translation>
    </message>
    <message>
        <source>Upgrade Mode changes only while the pedal is not connected.</source>
        <translation>Der Upgrade-Modus lässt sich nur ändern, solange das Pedal nicht verbunden ist.</translation>
    </message>
    <message>
        <source>The values are for %1 controls, the running effect has %2.</source>
        <translation>Die Werte gelten für %1 Regler, der laufende Effekt hat %2.</translation>
    </message>
    <message>
        <source>that it runs no effect</source>
        <translation>dass es keinen Effekt ausführt</translation>
    </message>
    <message>
        <source>The firmware upgrade needs the pedal&apos;s bootloader: tick Upgrade Mode, power the pedal up with the footswitch held and connect again.</source>
        <translation>Das Firmware-Upgrade braucht den Bootloader des Pedals: Setzen Sie das Häkchen bei „Upgrade-Modus“, schalten Sie das Pedal mit gedrücktem Fußschalter ein und verbinden Sie erneut.</translation>
    </message>
    <message>
        <source>The pedal is not connected. Choose Connection &gt; Connect first.</source>
        <translation>Das Pedal ist nicht verbunden. Wählen Sie zuerst Verbindung &gt; Verbinden.</translation>
    </message>
    <message>
        <source>The pedal is in its bootloader, which only takes a firmware upgrade. Start the upgrade, or disconnect and power the pedal up without holding the footswitch.</source>
        <translation>Das Pedal ist in seinem Bootloader, der nur ein Firmware-Upgrade annimmt. Starten Sie das Upgrade, oder trennen Sie die Verbindung und schalten Sie das Pedal ein, ohne den Fußschalter zu halten.</translation>
    </message>
    <message>
        <source>The firmware upgrade is running; wait for it to end.</source>
        <translation>Das Firmware-Upgrade läuft; warten Sie, bis es fertig ist.</translation>
    </message>
    <message>
        <source>The pedal runs no effect yet. Choose an effect in the list and click Upload Selected Effect to put one on it.</source>
        <translation>Auf dem Pedal läuft noch kein Effekt. Wählen Sie einen Effekt in der Liste und klicken Sie auf „Ausgewählten Effekt hochladen“, um einen aufzuspielen.</translation>
    </message>
    <message>
        <source>The editor does not know the pedal&apos;s effect yet: click Open FX first.</source>
        <translation>Der Editor kennt den Effekt des Pedals noch nicht: Klicken Sie zuerst auf „FX öffnen“.</translation>
    </message>
    <message>
        <source>The editor has not read the pedal&apos;s assignments yet: click Request first.</source>
        <translation>Der Editor hat die Zuweisungen des Pedals noch nicht gelesen: Klicken Sie zuerst auf „Abfragen“.</translation>
    </message>
    <message>
        <source>The pedal reports effect number %1, which this editor&apos;s effect list does not hold. Upload an effect from the list to replace it.</source>
        <translation>Das Pedal meldet die Effektnummer %1, die die Effektliste dieses Editors nicht enthält. Laden Sie einen Effekt aus der Liste hoch, um ihn zu ersetzen.</translation>
    </message>
    <message>
        <source>The upload of %1 failed: the pedal now reports %2. Upload it again.</source>
        <translation>Das Hochladen von %1 ist fehlgeschlagen: Das Pedal meldet jetzt %2. Laden Sie ihn erneut hoch.</translation>
    </message>
    <message>
        <source>The image of &quot;%1&quot; holds &quot;%2&quot; as the address of control %3, which is not a parameter address.</source>
        <translation>Das Abbild von „%1“ enthält „%2“ als Adresse von Regler %3, was keine Parameteradresse ist.</translation>
    </message>
    <message>
        <source>The running effect has no control %1.</source>
        <translation>Der laufende Effekt hat keinen Regler %1.</translation>
    </message>
    <message>
        <source>The preset is for effect %1, but the pedal runs effect %2 &quot;%3&quot;: upload that effect first.</source>
        <translation>Das Preset ist für Effekt %1, auf dem Pedal läuft aber Effekt %2 „%3“: Laden Sie zuerst diesen Effekt hoch.</translation>
    </message>
    <message>
        <source>The preset holds %1 controls, but &quot;%2&quot; has %3: it was not loaded.</source>
        <translation>Das Preset enthält %1 Regler, „%2“ hat aber %3: Es wurde nicht geladen.</translation>
    </message>
    <message>
        <source>the editor has not read the running effect&apos;s values: click Request first.</source>
        <translation>der Editor hat die Werte des laufenden Effekts nicht gelesen: Klicken Sie zuerst auf „Abfragen“.</translation>
    </message>
    <message>
        <source>the pedal is not connected.</source>
        <translation>das Pedal ist nicht verbunden.</translation>
    </message>
    <message>
        <source>the pedal runs another effect.</source>
        <translation>auf dem Pedal läuft ein anderer Effekt.</translation>
    </message>
    <message>
        <source>The pedal answered &quot;%1&quot;, but nothing shows that it took the image: it reports the same effect with the same values as before the upload. Upload it again if it does not sound new.</source>
        <translation>Das Pedal hat „%1“ geantwortet, aber nichts zeigt, dass es das Abbild übernommen hat: Es meldet denselben Effekt mit denselben Werten wie vor dem Hochladen. Laden Sie ihn erneut hoch, wenn er nicht neu klingt.</translation>
    </message>
    <message>
        <source>Compare is on: the pedal plays the sound as stored. Click Compare to go back to your edits first.</source>
        <translation>Vergleichen ist an: Das Pedal spielt den gespeicherten Klang. Klicken Sie zuerst auf Vergleichen, um zu Ihren Änderungen zurückzukehren.</translation>
    </message>
    <message>
        <source>There is no stored sound to compare with yet: click Request first.</source>
        <translation>Es gibt noch keinen gespeicherten Klang zum Vergleichen: Klicken Sie zuerst auf Abfragen.</translation>
    </message>
    <message>
        <source>The image of &quot;%1&quot; cannot be read: %2</source>
        <translation>Das Abbild von „%1“ kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>kx::ConnectionDoctor</name>
    <message>
        <source>Connection Doctor</source>
        <translation>Verbindungsdoktor</translation>
    </message>
    <message>
        <source>Command for a terminal:</source>
        <translation>Befehl für ein Terminal:</translation>
    </message>
    <message>
        <source>&amp;Allow access…</source>
        <translation>&amp;Zugriff erlauben…</translation>
    </message>
    <message>
        <source>The rule is installed. If the pedal is still refused, unplug it and plug it in again, then choose Connect.</source>
        <translation>Die Regel ist installiert. Wird das Pedal weiterhin abgewiesen, ziehen Sie es ab, stecken Sie es wieder ein und wählen Sie dann „Verbinden“.</translation>
    </message>
    <message>
        <source>The rule was not installed (the administrator&apos;s password was not given, or the command failed). You can run the command shown in a terminal instead.</source>
        <translation>Die Regel wurde nicht installiert (das Administratorpasswort wurde nicht eingegeben, oder der Befehl ist fehlgeschlagen). Sie können stattdessen den angezeigten Befehl in einem Terminal ausführen.</translation>
    </message>
    <message>
        <source>pkexec, which asks for the administrator&apos;s password, is not installed: run the command in a terminal instead.</source>
        <translation>pkexec, das nach dem Administratorpasswort fragt, ist nicht installiert: Führen Sie den Befehl stattdessen in einem Terminal aus.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>&amp;Copy command</source>
        <translation>Befehl &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Diagnose again</source>
        <translation>&amp;Erneut diagnostizieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Befunde</translation>
    </message>
    <message>
        <source>No command is needed.</source>
        <translation>Es ist kein Befehl nötig.</translation>
    </message>
    <message>
        <source>Command for a terminal</source>
        <translation>Befehl für ein Terminal</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>Befehl kopieren</translation>
    </message>
    <message>
        <source>Allow access</source>
        <translation>Zugriff erlauben</translation>
    </message>
    <message>
        <source>Installs the editor&apos;s udev rule with the administrator&apos;s password</source>
        <translation>Installiert die udev-Regel des Editors mit dem Administratorpasswort</translation>
    </message>
    <message>
        <source>Diagnose again</source>
        <translation>Erneut diagnostizieren</translation>
    </message>
    <message>
        <source>The editor is connected to %1.</source>
        <translation>Der Editor ist mit %1 verbunden.</translation>
    </message>
    <message>
        <source>&lt;br&gt;&lt;i&gt;What to do:&lt;/i&gt; %1</source>
        <translation>&lt;br&gt;&lt;i&gt;Was zu tun ist:&lt;/i&gt; %1</translation>
    </message>
</context>
<context>
    <name>kx::TformAbout</name>
    <message>
        <source>Library</source>
        <translation>Bibliothek</translation>
    </message>
    <message>
        <source>Used for</source>
        <translation>Verwendet für</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Lizenz</translation>
    </message>
    <message>
        <source>Copyright file</source>
        <translation>Copyright-Datei</translation>
    </message>
    <message>
        <source>The license texts named here are in /usr/share/common-licenses. The system libraries that these load in turn (fonts, images, the audio codecs of libsndfile) come with your system, each with its own copyright file.</source>
        <translation>Die hier genannten Lizenztexte liegen in /usr/share/common-licenses. Die Systembibliotheken, die diese wiederum laden (Schriften, Bilder, die Audio-Codecs von libsndfile), kommen mit Ihrem System, jede mit ihrer eigenen Copyright-Datei.</translation>
    </message>
    <message>
        <source>About Kestrel X Editor</source>
        <translation>Über Kestrel X Editor</translation>
    </message>
    <message>
        <source>Kestrel X Editor</source>
        <translation>Kestrel X Editor</translation>
    </message>
    <message>
        <source>Libraries and licenses:</source>
        <translation>Bibliotheken und Lizenzen:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Version %1, built on %2
Qt %3 (built with Qt %4), QCoro %5
For the Kestrel X pedal by NORVA.</source>
        <translation>Version %1, erstellt am %2
Qt %3 (erstellt mit Qt %4), QCoro %5
Für das Kestrel-X-Pedal von NORVA.</translation>
    </message>
</context>
<context>
    <name>kx::TformAssignmentMap</name>
    <message>
        <source>Open an effect (Open FX, or click it in the list) to see what the pedal&apos;s controls drive.</source>
        <translation>Öffnen Sie einen Effekt („FX öffnen“ oder ein Klick in der Liste), um zu sehen, was die Bedienelemente des Pedals steuern.</translation>
    </message>
    <message>
        <source>This effect does not run on the pedal: its assignments can be seen but not changed.</source>
        <translation>Dieser Effekt läuft nicht auf dem Pedal: Seine Zuweisungen sind sichtbar, aber nicht änderbar.</translation>
    </message>
    <message>
        <source>A change here is sent to the pedal at once, like the parameters window&apos;s boxes and Assign.</source>
        <translation>Eine Änderung hier geht sofort an das Pedal, wie bei den Auswahlfeldern des Parameterfensters und „Zuweisen“.</translation>
    </message>
    <message>
        <source>Shared: %1 follow this one control.</source>
        <translation>Gemeinsam: %1 folgen diesem einen Bedienelement.</translation>
    </message>
    <message>
        <source>Knobs</source>
        <translation>Regler</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Taster</translation>
    </message>
    <message>
        <source>Footswitch</source>
        <translation>Fußschalter</translation>
    </message>
    <message>
        <source>Remote and expression pedal</source>
        <translation>Fernbedienung und Expressionpedal</translation>
    </message>
    <message>
        <source>Lights</source>
        <translation>Leuchten</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No effect open</source>
        <translation>Kein Effekt geöffnet</translation>
    </message>
    <message>
        <source>Assignment Map</source>
        <translation>Zuordnungsübersicht</translation>
    </message>
</context>
<context>
    <name>kx::TformFXInfo</name>
    <message>
        <source>Effect information page</source>
        <translation>Seite mit Effektinformationen</translation>
    </message>
</context>
<context>
    <name>kx::TformFXParameters</name>
    <message>
        <source>FX Parameters</source>
        <translation>FX-Parameter</translation>
    </message>
    <message>
        <source>not assignable</source>
        <translation>nicht zuweisbar</translation>
    </message>
    <message>
        <source>The pedal&apos;s controls can drive the first 16 controls of an effect only</source>
        <translation>Die Bedienelemente des Pedals können nur die ersten 16 Regler eines Effekts steuern</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Pedal control</source>
        <translation>Pedalregler</translation>
    </message>
    <message>
        <source>%1 value</source>
        <translation>%1 Wert</translation>
    </message>
    <message>
        <source>%1 assignment</source>
        <translation>%1 Zuweisung</translation>
    </message>
    <message>
        <source>Bypass</source>
        <translation>Bypass</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Preset</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>The parameters window has no pedal link.</source>
        <translation>Das Parameterfenster hat keine Verbindung zum Pedal.</translation>
    </message>
    <message>
        <source>Control %1 is not a pot.</source>
        <translation>Regler %1 ist kein Potentiometer.</translation>
    </message>
    <message>
        <source>Control %1 is not a switch.</source>
        <translation>Regler %1 ist kein Schalter.</translation>
    </message>
    <message>
        <source>Control %1 is not a multi switch.</source>
        <translation>Regler %1 ist kein Mehrfachschalter.</translation>
    </message>
    <message>
        <source>The assignments can be changed once the pedal runs the effect and its settings have been read.</source>
        <translation>Die Zuweisungen lassen sich ändern, sobald der Effekt auf dem Pedal läuft und seine Einstellungen gelesen wurden.</translation>
    </message>
    <message>
        <source>%1 unassigned</source>
        <translation>%1 nicht zugewiesen</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 auf %2</translation>
    </message>
    <message>
        <source>Preset change</source>
        <translation>Presetwechsel</translation>
    </message>
    <message>
        <source>Assign parameters?</source>
        <translation>Parameter zuweisen?</translation>
    </message>
    <message>
        <source>Bypass Toggle</source>
        <translation>Bypass umschalten</translation>
    </message>
    <message>
        <source>Preset Change</source>
        <translation>Presetwechsel</translation>
    </message>
    <message>
        <source>Preview only</source>
        <translation>Nur Vorschau</translation>
    </message>
    <message>
        <source>Playing: the preset</source>
        <translation>Es spielt: das Preset</translation>
    </message>
    <message>
        <source>Playing: stored sound</source>
        <translation>Es spielt: gespeicherter Klang</translation>
    </message>
    <message>
        <source>Playing: your edits</source>
        <translation>Es spielt: Ihre Änderungen</translation>
    </message>
    <message>
        <source>Compare needs the running effect&apos;s values read first.</source>
        <translation>Zum Vergleichen müssen zuerst die Werte des laufenden Effekts gelesen werden.</translation>
    </message>
    <message>
        <source>The pedal plays the sound as stored, to compare. Go back to your edits and make this change there, or keep the stored sound and change it (your edits are let go)?</source>
        <translation>Das Pedal spielt zum Vergleich den gespeicherten Klang. Zu Ihren Änderungen zurückkehren und die Änderung dort vornehmen, oder den gespeicherten Klang behalten und ihn ändern (Ihre Änderungen werden verworfen)?</translation>
    </message>
    <message>
        <source>Back to my edits</source>
        <translation>Zurück zu meinen Änderungen</translation>
    </message>
    <message>
        <source>Keep the stored sound</source>
        <translation>Gespeicherten Klang behalten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The reset needs the running effect&apos;s values read first.</source>
        <translation>Zum Zurücksetzen müssen zuerst die Werte des laufenden Effekts gelesen werden.</translation>
    </message>
    <message>
        <source>The pedal plays the sound as stored, to compare. Go back to your edits and reset them, or reset from the stored sound (your edits are let go)?</source>
        <translation>Das Pedal spielt zum Vergleich den gespeicherten Klang. Zu Ihren Änderungen zurückkehren und diese zurücksetzen, oder vom gespeicherten Klang aus zurücksetzen (Ihre Änderungen werden verworfen)?</translation>
    </message>
    <message>
        <source>Reset to the effect&apos;s values</source>
        <translation>Auf die Werte des Effekts zurücksetzen</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>Switch the pedal between your edits and the sound as stored on the pedal or loaded from a preset (Ctrl+K)</source>
        <translation>Schaltet das Pedal zwischen Ihren Änderungen und dem im Pedal gespeicherten oder aus einem Preset geladenen Klang um (Strg+K)</translation>
    </message>
</context>
<context>
    <name>kx::TformFirmwareUpgrade</name>
    <message>
        <source>Firmware Upgrade</source>
        <translation>Firmware-Upgrade</translation>
    </message>
    <message>
        <source>Upgrade Firmware</source>
        <translation>Firmware aktualisieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Cancelling after this chunk</source>
        <translation>Abbruch nach diesem Block</translation>
    </message>
    <message>
        <source>Choose firmware</source>
        <translation>Firmware wählen</translation>
    </message>
    <message>
        <source>Resynchronising…</source>
        <translation>Resynchronisieren…</translation>
    </message>
    <message>
        <source>Erasing…</source>
        <translation>Löschen…</translation>
    </message>
    <message>
        <source>Writing record…</source>
        <translation>Eintrag wird geschrieben…</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Starten…</translation>
    </message>
    <message>
        <source>Firmware %1 (%2)</source>
        <translation>Firmware %1 (%2)</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Stop the upgrade after the chunk being written</source>
        <translation>Das Upgrade nach dem gerade geschriebenen Block anhalten</translation>
    </message>
    <message>
        <source>Upgrade progress</source>
        <translation>Upgrade-Fortschritt</translation>
    </message>
    <message>
        <source>Not started</source>
        <translation>Nicht gestartet</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Upgrade failed</source>
        <translation>Upgrade fehlgeschlagen</translation>
    </message>
    <message>
        <source>Chunk %1 failed</source>
        <translation>Block %1 fehlgeschlagen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Chunk %1 of %2</source>
        <translation>Block %1 von %2</translation>
    </message>
    <message>
        <source>Firmware Upgrade Complete, device will now restart</source>
        <translation>Firmware-Upgrade abgeschlossen, das Gerät startet jetzt neu</translation>
    </message>
    <message>
        <source>Upgrade the pedal to %1? Do not unplug the pedal or switch it off until &quot;Firmware Upgrade Complete&quot; appears.</source>
        <translation>Das Pedal auf %1 aktualisieren? Ziehen Sie das Pedal nicht ab und schalten Sie es nicht aus, bis „Firmware-Upgrade abgeschlossen“ erscheint.</translation>
    </message>
    <message>
        <source>To start the pedal in its bootloader, unplug it, then plug it in again while holding its footswitch down, and connect with Upgrade Mode ticked.</source>
        <translation>Um das Pedal in seinem Bootloader zu starten, ziehen Sie es ab, stecken Sie es mit gedrücktem Fußschalter wieder ein und verbinden Sie sich mit gesetztem Häkchen bei „Upgrade-Modus“.</translation>
    </message>
</context>
<context>
    <name>kx::TformGuide</name>
    <message>
        <source>Kestrel X Editor User Guide</source>
        <translation>Benutzerhandbuch des Kestrel X Editor</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vor</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Benutzerhandbuch</translation>
    </message>
</context>
<context>
    <name>kx::TformImpulseResponse</name>
    <message>
        <source>IR</source>
        <translation>IR</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>How to load an impulse response:</source>
        <translation>So laden Sie eine Impulsantwort:</translation>
    </message>
    <message>
        <source>1) Select an IR load algorithm in Impulse Response category</source>
        <translation>1) Wählen Sie einen IR-Lade-Algorithmus in der Kategorie Impulse Response</translation>
    </message>
    <message>
        <source>2) Go to File and click Load IR, choose the desired WAV file</source>
        <translation>2) Öffnen Sie „Datei“, klicken Sie auf „IR laden“ und wählen Sie die gewünschte WAV-Datei</translation>
    </message>
    <message>
        <source>3) Click UPLOAD SELECTED EFFECT button</source>
        <translation>3) Klicken Sie auf die Schaltfläche AUSGEWÄHLTEN EFFEKT HOCHLADEN</translation>
    </message>
    <message>
        <source>Waveform of the loaded samples</source>
        <translation>Wellenform der geladenen Samples</translation>
    </message>
    <message>
        <source>Magnitude response of the loaded samples</source>
        <translation>Amplitudengang der geladenen Samples</translation>
    </message>
    <message>
        <source>Load IR</source>
        <translation>IR laden</translation>
    </message>
    <message>
        <source>Waveform at %1 kHz: the first %2 samples (%3 ms) are loaded</source>
        <translation>Wellenform bei %1 kHz: Die ersten %2 Samples (%3 ms) werden geladen</translation>
    </message>
    <message>
        <source>Nothing loaded yet</source>
        <translation>Noch nichts geladen</translation>
    </message>
    <message>
        <source>loaded</source>
        <translation>geladen</translation>
    </message>
    <message>
        <source>not loaded</source>
        <translation>nicht geladen</translation>
    </message>
    <message>
        <source>&amp;Trim the silence before the first peak</source>
        <translation>&amp;Stille vor dem ersten Peak entfernen</translation>
    </message>
    <message>
        <source>&amp;Normalise the peak</source>
        <translation>Peak &amp;normalisieren</translation>
    </message>
    <message>
        <source>Peak level (dB):</source>
        <translation>Peak-Pegel (dB):</translation>
    </message>
    <message>
        <source>&amp;Fade out before the cut</source>
        <translation>Vor dem Schnitt aus&amp;blenden</translation>
    </message>
    <message>
        <source>Fade length (ms):</source>
        <translation>Ausblenddauer (ms):</translation>
    </message>
    <message>
        <source>Import &amp;again with these tools</source>
        <translation>Mit diesen Werkzeugen erneut &amp;importieren</translation>
    </message>
    <message>
        <source>Last imports for this effect (kept after a restart):</source>
        <translation>Letzte Importe für diesen Effekt (bleiben nach einem Neustart erhalten):</translation>
    </message>
    <message>
        <source>&amp;Use this import</source>
        <translation>Diesen Import &amp;verwenden</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (%2; %3)</source>
        <translation>%1 (%2; %3)</translation>
    </message>
    <message>
        <source>trimmed</source>
        <translation>gekürzt</translation>
    </message>
    <message>
        <source>normalised to %1 dB</source>
        <translation>auf %1 dB normalisiert</translation>
    </message>
    <message>
        <source>faded over %1 ms</source>
        <translation>über %1 ms ausgeblendet</translation>
    </message>
    <message>
        <source>Peak level (dB)</source>
        <translation>Peak-Pegel (dB)</translation>
    </message>
    <message>
        <source>Fade length (ms)</source>
        <translation>Ausblenddauer (ms)</translation>
    </message>
    <message>
        <source>Last imports for this effect</source>
        <translation>Letzte Importe für diesen Effekt</translation>
    </message>
</context>
<context>
    <name>kx::TformMain</name>
    <message>
        <source>&amp;System</source>
        <translation>&amp;System</translation>
    </message>
    <message>
        <source>The option --port needs a port path.</source>
        <translation>Die Option --port braucht den Pfad einer Schnittstelle.</translation>
    </message>
    <message>
        <source>The editor&apos;s settings were not read: %1 The file is set aside as %2; the defaults are used.</source>
        <translation>Die Einstellungen des Editors wurden nicht gelesen: %1 Die Datei wird als %2 beiseitegelegt; es gelten die Standardwerte.</translation>
    </message>
    <message>
        <source>The editor&apos;s settings were not read: %1 It could not be set aside (%2); the defaults are used and nothing is remembered.</source>
        <translation>Die Einstellungen des Editors wurden nicht gelesen: %1 Sie konnte nicht beiseitegelegt werden (%2); es gelten die Standardwerte, und nichts wird gespeichert.</translation>
    </message>
    <message>
        <source>Kestrel X Editor</source>
        <translation>Kestrel X Editor</translation>
    </message>
    <message>
        <source>Device Name: </source>
        <translation>Gerätename: </translation>
    </message>
    <message>
        <source>The built-in virtual pedal runs its firmware. Restart it in its bootloader, as a pedal powered up with its footswitch held, so that you can try the whole upgrade?</source>
        <translation>Das eingebaute virtuelle Pedal führt seine Firmware aus. Soll es in seinem Bootloader neu starten, wie ein mit gedrücktem Fußschalter eingeschaltetes Pedal, damit Sie das ganze Upgrade ausprobieren können?</translation>
    </message>
    <message>
        <source>Restart in bootloader</source>
        <translation>Im Bootloader neu starten</translation>
    </message>
    <message>
        <source>Leave it running</source>
        <translation>Weiterlaufen lassen</translation>
    </message>
    <message>
        <source>Serial Number: </source>
        <translation>Seriennummer: </translation>
    </message>
    <message>
        <source>Firmware Version: </source>
        <translation>Firmware-Version: </translation>
    </message>
    <message>
        <source>Upload Selected Effect</source>
        <translation>Ausgewählten Effekt hochladen</translation>
    </message>
    <message>
        <source>Open FX</source>
        <translation>FX öffnen</translation>
    </message>
    <message>
        <source>Request</source>
        <translation>Abfragen</translation>
    </message>
    <message>
        <source>Assign</source>
        <translation>Zuweisen</translation>
    </message>
    <message>
        <source>Store Settings On Pedal</source>
        <translation>Einstellungen im Pedal speichern</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>Effect information</source>
        <translation>Effektinformationen</translation>
    </message>
    <message>
        <source>Effect categories</source>
        <translation>Effektkategorien</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effekte</translation>
    </message>
    <message>
        <source>Firmware Upgrade Mode</source>
        <translation>Firmware-Upgrade-Modus</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Menüleiste</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>L&amp;oad Configuration</source>
        <translation>Konfiguration &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Save Configuration</source>
        <translation>Konfiguration &amp;speichern</translation>
    </message>
    <message>
        <source>Preset &amp;Library…</source>
        <translation>&amp;Preset-Bibliothek…</translation>
    </message>
    <message>
        <source>Load &amp;IR</source>
        <translation>&amp;IR laden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Connection</source>
        <translation>&amp;Verbindung</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Verbinden</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Trennen</translation>
    </message>
    <message>
        <source>Dia&amp;gnose…</source>
        <translation>&amp;Diagnose…</translation>
    </message>
    <message>
        <source>Connect Auto&amp;matically</source>
        <translation>&amp;Automatisch verbinden</translation>
    </message>
    <message>
        <source>&amp;Upload Selected Effect</source>
        <translation>Ausgewählten Effekt &amp;hochladen</translation>
    </message>
    <message>
        <source>&amp;Open FX</source>
        <translation>FX &amp;öffnen</translation>
    </message>
    <message>
        <source>&amp;Request</source>
        <translation>A&amp;bfragen</translation>
    </message>
    <message>
        <source>&amp;Assign</source>
        <translation>&amp;Zuweisen</translation>
    </message>
    <message>
        <source>S&amp;tore Settings On Pedal</source>
        <translation>Einstellungen im &amp;Pedal speichern</translation>
    </message>
    <message>
        <source>Switch &amp;Window</source>
        <translation>&amp;Fenster wechseln</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Assignment Map…</source>
        <translation>&amp;Zuordnungsübersicht…</translation>
    </message>
    <message>
        <source>&amp;Follow Pedal</source>
        <translation>Pedal &amp;folgen</translation>
    </message>
    <message>
        <source>Show the pedal&apos;s knobs in the parameters window as they are turned</source>
        <translation>Zeigt die Regler des Pedals im Parameterfenster, während sie gedreht werden</translation>
    </message>
    <message>
        <source>&amp;Look</source>
        <translation>&amp;Aussehen</translation>
    </message>
    <message>
        <source>La&amp;nguage</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;MIDI</source>
        <translation>&amp;MIDI</translation>
    </message>
    <message>
        <source>&amp;Channel</source>
        <translation>&amp;Kanal</translation>
    </message>
    <message>
        <source>F&amp;irmware Upgrade</source>
        <translation>F&amp;irmware-Upgrade</translation>
    </message>
    <message>
        <source>&amp;Upgrade Mode</source>
        <translation>&amp;Upgrade-Modus</translation>
    </message>
    <message>
        <source>&amp;Start Firmware Upgrade</source>
        <translation>Firmware-Upgrade &amp;starten</translation>
    </message>
    <message>
        <source>I&amp;nfo</source>
        <translation>I&amp;nfo</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>&amp;Support</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Version: </translation>
    </message>
    <message>
        <source>New version available:</source>
        <translation>Neue Version verfügbar:</translation>
    </message>
    <message>
        <source>Device Serial: </source>
        <translation>Seriennummer des Geräts: </translation>
    </message>
    <message>
        <source>&amp;Update Now</source>
        <translation>&amp;Jetzt aktualisieren</translation>
    </message>
    <message>
        <source>Show Update &amp;Message</source>
        <translation>Update-&amp;Meldung anzeigen</translation>
    </message>
    <message>
        <source>Upload the selected effect, &quot;%1&quot;?</source>
        <translation>Den ausgewählten Effekt „%1“ hochladen?</translation>
    </message>
    <message>
        <source>Upload the selected effect, &quot;%1&quot;, with the impulse response &quot;%2&quot;?</source>
        <translation>Den ausgewählten Effekt „%1“ mit der Impulsantwort „%2“ hochladen?</translation>
    </message>
    <message>
        <source>Status: </source>
        <translation>Status: </translation>
    </message>
    <message>
        <source>Choose an effect in the list first, then upload it.</source>
        <translation>Wählen Sie zuerst einen Effekt in der Liste und laden Sie ihn dann hoch.</translation>
    </message>
    <message>
        <source>Settings stored on the pedal</source>
        <translation>Einstellungen im Pedal gespeichert</translation>
    </message>
    <message>
        <source>The settings were not stored: </source>
        <translation>Die Einstellungen wurden nicht gespeichert: </translation>
    </message>
    <message>
        <source>Assignments sent to the pedal</source>
        <translation>Zuweisungen an das Pedal gesendet</translation>
    </message>
    <message>
        <source>The assignments were not sent: </source>
        <translation>Die Zuweisungen wurden nicht gesendet: </translation>
    </message>
    <message>
        <source>MIDI channel set to %1</source>
        <translation>MIDI-Kanal auf %1 gesetzt</translation>
    </message>
    <message>
        <source>The MIDI channel was not set to %1: </source>
        <translation>Der MIDI-Kanal wurde nicht auf %1 gesetzt: </translation>
    </message>
    <message>
        <source>Impulse Response: choose an effect, then File &gt; Load IR (Ctrl+I) and Upload (Ctrl+U). Load IR shows how.</source>
        <translation>Impulse Response: Wählen Sie einen Effekt, dann Datei &gt; IR laden (Strg+I) und Hochladen (Strg+U). „IR laden“ zeigt, wie es geht.</translation>
    </message>
    <message>
        <source>the virtual pedal</source>
        <translation>das virtuelle Pedal</translation>
    </message>
    <message>
        <source>A WAV file goes into an impulse response effect. Choose one of these in the &quot;Impulse Response&quot; category first, then drop the file again: %1.</source>
        <translation>Eine WAV-Datei gehört in einen Impulsantwort-Effekt. Wählen Sie zuerst einen davon in der Kategorie „Impulse Response“ und ziehen Sie die Datei dann erneut hierher: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a preset (.txt) nor a WAV file (.wav): nothing was loaded.</source>
        <translation>„%1“ ist weder ein Preset (.txt) noch eine WAV-Datei (.wav): Es wurde nichts geladen.</translation>
    </message>
    <message>
        <source>Drop one file at a time: %1 files were dropped.</source>
        <translation>Ziehen Sie jeweils nur eine Datei hierher: Es wurden %1 Dateien abgelegt.</translation>
    </message>
    <message>
        <source>Unstored edits — </source>
        <translation>Nicht gespeicherte Änderungen — </translation>
    </message>
    <message>
        <source>Your edits to &quot;%1&quot; are neither stored on the pedal nor saved in a preset. Store them on the pedal, save them as a preset, or discard them?</source>
        <translation>Ihre Änderungen an „%1“ sind weder im Pedal gespeichert noch in einem Preset gesichert. Im Pedal speichern, als Preset sichern oder verwerfen?</translation>
    </message>
    <message>
        <source>Store on the pedal</source>
        <translation>Im Pedal speichern</translation>
    </message>
    <message>
        <source>Save as preset…</source>
        <translation>Als Preset sichern…</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>%1 information</source>
        <translation>%1 – Informationen</translation>
    </message>
    <message>
        <source>Follow Pedal is off: </source>
        <translation>Pedal folgen ist aus: </translation>
    </message>
    <message>
        <source>the parameters window was closed.</source>
        <translation>das Parameterfenster wurde geschlossen.</translation>
    </message>
    <message>
        <source>the parameters window shows another effect.</source>
        <translation>das Parameterfenster zeigt einen anderen Effekt.</translation>
    </message>
    <message>
        <source>The pedal was unplugged.</source>
        <translation>Das Pedal wurde abgezogen.</translation>
    </message>
    <message>
        <source> It connects again when it is plugged back in.</source>
        <translation> Es verbindet sich wieder, sobald es eingesteckt wird.</translation>
    </message>
    <message>
        <source> Plug it in again and choose Connection &gt; Connect.</source>
        <translation> Stecken Sie es wieder ein und wählen Sie Verbindung &gt; Verbinden.</translation>
    </message>
    <message>
        <source> Follow Pedal is off.</source>
        <translation> „Pedal folgen“ ist aus.</translation>
    </message>
    <message>
        <source>Another pedal is attached. Store or save the edits first, then choose Connect to use it.</source>
        <translation>Ein anderes Pedal ist angeschlossen. Speichern oder sichern Sie zuerst die Änderungen und wählen Sie dann „Verbinden“, um es zu nutzen.</translation>
    </message>
    <message>
        <source>A pedal was plugged in. The editor stays with the virtual pedal, whose edits are not stored: store or save them, then choose Connection &gt; Disconnect and Connect.</source>
        <translation>Ein Pedal wurde eingesteckt. Der Editor bleibt beim virtuellen Pedal, dessen Änderungen nicht gespeichert sind: Speichern oder sichern Sie sie und wählen Sie dann Verbindung &gt; Trennen und Verbinden.</translation>
    </message>
    <message>
        <source>Error loading file: </source>
        <translation>Fehler beim Laden der Datei: </translation>
    </message>
    <message>
        <source>The device at %1 did not answer as a Kestrel X, so the editor let it go. If it is the pedal, check that it is powered, then choose Connect.</source>
        <translation>Das Gerät an %1 hat nicht als Kestrel X geantwortet, daher hat der Editor es freigegeben. Wenn es das Pedal ist, prüfen Sie, ob es eingeschaltet ist, und wählen Sie dann „Verbinden“.</translation>
    </message>
    <message>
        <source>Save Preset File</source>
        <translation>Preset-Datei speichern</translation>
    </message>
    <message>
        <source>Open Preset File</source>
        <translation>Preset-Datei öffnen</translation>
    </message>
    <message>
        <source>Preset files (*.txt)</source>
        <translation>Preset-Dateien (*.txt)</translation>
    </message>
    <message>
        <source>File saved successfully: </source>
        <translation>Datei erfolgreich gespeichert: </translation>
    </message>
    <message>
        <source>File loaded successfully: </source>
        <translation>Datei erfolgreich geladen: </translation>
    </message>
    <message>
        <source>There is no open effect to save: click Open FX, then Request, and save again.</source>
        <translation>Es ist kein Effekt zum Speichern geöffnet: Klicken Sie auf „FX öffnen“, dann auf „Abfragen“, und speichern Sie erneut.</translation>
    </message>
    <message>
        <source>There is no open effect to load the preset into: click Open FX, or an effect in the list, and load again.</source>
        <translation>Es ist kein Effekt geöffnet, in den das Preset geladen werden kann: Klicken Sie auf „FX öffnen“ oder einen Effekt in der Liste und laden Sie erneut.</translation>
    </message>
    <message>
        <source>The values of &quot;%1&quot; have not been read yet: click Request, or load a preset, and save again.</source>
        <translation>Die Werte von „%1“ wurden noch nicht gelesen: Klicken Sie auf „Abfragen“ oder laden Sie ein Preset, und speichern Sie erneut.</translation>
    </message>
    <message>
        <source>This preset holds %1 controls, but the open effect &quot;%2&quot; has %3: it was not loaded.</source>
        <translation>Dieses Preset enthält %1 Regler, der geöffnete Effekt „%2“ hat aber %3: Es wurde nicht geladen.</translation>
    </message>
    <message>
        <source>This preset was saved for %1, not for the open effect &quot;%2&quot;. Load its values into &quot;%2&quot;?</source>
        <translation>Dieses Preset wurde für %1 gespeichert, nicht für den geöffneten Effekt „%2“. Seine Werte in „%2“ laden?</translation>
    </message>
    <message>
        <source>This preset is for %1, not for the open effect &quot;%2&quot;: it was not loaded. Connect the pedal to upload %3 and apply this preset.</source>
        <translation>Dieses Preset ist für %1, nicht für den geöffneten Effekt „%2“: Es wurde nicht geladen. Verbinden Sie das Pedal, um %3 hochzuladen und dieses Preset anzuwenden.</translation>
    </message>
    <message>
        <source>This preset is for %1, but the pedal runs %2.

Upload %3 and apply this preset?</source>
        <translation>Dieses Preset ist für %1, auf dem Pedal läuft aber %2.

%3 hochladen und dieses Preset anwenden?</translation>
    </message>
    <message>
        <source>no effect</source>
        <translation>kein Effekt</translation>
    </message>
    <message>
        <source>This preset holds %1 controls, but %2 has %3: it was not loaded.</source>
        <translation>Dieses Preset enthält %1 Regler, %2 hat aber %3: Es wurde nicht geladen.</translation>
    </message>
    <message>
        <source>effect %1, which the effect list does not hold</source>
        <translation>Effekt %1, den die Effektliste nicht enthält</translation>
    </message>
    <message>
        <source>No update available</source>
        <translation>Kein Update verfügbar</translation>
    </message>
    <message>
        <source>The version check is turned off for this run (the update server is &quot;off&quot;).</source>
        <translation>Die Versionsprüfung ist für diesen Lauf abgeschaltet (der Update-Server ist „off“).</translation>
    </message>
    <message>
        <source>No update server is set for this build of the Kestrel X Editor, so it cannot check for updates. To check one, start the editor with KX_UPDATE_SERVER set to the server&apos;s address (for example KX_UPDATE_SERVER=https://updates.example.org ./run.sh).</source>
        <translation>Für diese Version des Kestrel X Editor ist kein Update-Server festgelegt, daher kann er nicht nach Updates suchen. Um das zu prüfen, starten Sie den Editor mit KX_UPDATE_SERVER auf die Adresse des Servers gesetzt (zum Beispiel KX_UPDATE_SERVER=https://updates.example.org ./run.sh).</translation>
    </message>
    <message>
        <source>This is the newest version of the Kestrel X Editor (%1).</source>
        <translation>Dies ist die neueste Version des Kestrel X Editor (%1).</translation>
    </message>
    <message>
        <source>the Documents folder cannot be found</source>
        <translation>der Ordner „Dokumente“ wurde nicht gefunden</translation>
    </message>
    <message>
        <source>Error: the look file %1 holds &quot;%2&quot;, which is not a whole number; look 0 is used.</source>
        <translation>Fehler: Die Aussehen-Datei %1 enthält „%2“, keine ganze Zahl; es wird Aussehen 0 verwendet.</translation>
    </message>
    <message>
        <source>Error creating folder: </source>
        <translation>Fehler beim Anlegen des Ordners: </translation>
    </message>
    <message>
        <source>Error creating subfolder: </source>
        <translation>Fehler beim Anlegen des Unterordners: </translation>
    </message>
    <message>
        <source>Error saving file: </source>
        <translation>Fehler beim Speichern der Datei: </translation>
    </message>
    <message>
        <source>Dark &amp;Red</source>
        <translation>Dunkel &amp;Rot</translation>
    </message>
    <message>
        <source>Dark &amp;Orange</source>
        <translation>Dunkel &amp;Orange</translation>
    </message>
    <message>
        <source>Dark &amp;Turquoise</source>
        <translation>Dunkel &amp;Türkis</translation>
    </message>
    <message>
        <source>Dark &amp;Blue</source>
        <translation>Dunkel &amp;Blau</translation>
    </message>
    <message>
        <source>&amp;Grey Orange</source>
        <translation>&amp;Grau Orange</translation>
    </message>
    <message>
        <source>Grey Go&amp;ld</source>
        <translation>Grau Go&amp;ld</translation>
    </message>
    <message>
        <source>Light &amp;Cyan</source>
        <translation>Hell &amp;Cyan</translation>
    </message>
    <message>
        <source>Error: </source>
        <translation>Fehler: </translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Vergleichen</translation>
    </message>
    <message>
        <source>Reset to Effect&apos;s &amp;Values</source>
        <translation>Auf die Werte des &amp;Effekts zurücksetzen</translation>
    </message>
    <message numerus="yes">
        <source>%n pedals are attached: %1. Choose one under Connection &gt; Pedal.</source>
        <translation>
            <numerusform>%n Pedal ist angeschlossen: %1. Wählen Sie eines unter Verbindung &gt; Pedal.</numerusform>
            <numerusform>%n Pedale sind angeschlossen: %1. Wählen Sie eines unter Verbindung &gt; Pedal.</numerusform>
        </translation>
    </message>
    <message>
        <source>A kept impulse response could not be read and was set aside: %1</source>
        <translation>Eine aufbewahrte Impulsantwort konnte nicht gelesen werden und wurde beiseitegelegt: %1</translation>
    </message>
    <message>
        <source>No impulse response has been loaded for &quot;%1&quot; since the editor started. Upload it with the last one imported, &quot;%2&quot; (%3)?</source>
        <translation>Seit dem Start des Editors wurde keine Impulsantwort für „%1“ geladen. Mit der zuletzt importierten, „%2“ (%3), hochladen?</translation>
    </message>
    <message>
        <source>Kept import: %1, the same coefficients as when it was made</source>
        <translation>Aufbewahrter Import: %1, dieselben Koeffizienten wie bei seiner Erstellung</translation>
    </message>
    <message>
        <source>Its impulse response &quot;%1&quot; is saved beside it: %2</source>
        <translation>Seine Impulsantwort „%1“ ist daneben gespeichert: %2</translation>
    </message>
    <message>
        <source>Its impulse response was not saved: %1</source>
        <translation>Seine Impulsantwort wurde nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>No impulse response has been imported for &quot;%1&quot; yet, so the preset has none beside it. Load one (File &gt; Load IR) and save again to keep it with the preset.</source>
        <translation>Für „%1“ wurde noch keine Impulsantwort importiert, daher liegt neben dem Preset keine. Laden Sie eine (Datei &gt; IR laden) und speichern Sie erneut, um sie beim Preset aufzubewahren.</translation>
    </message>
    <message>
        <source>Its impulse response &quot;%1&quot; is imported: an upload of &quot;%2&quot; sends it.</source>
        <translation>Seine Impulsantwort „%1“ ist importiert: Ein Hochladen von „%2“ sendet sie.</translation>
    </message>
    <message>
        <source>Its impulse response (%1) is missing: the values are loaded, and &quot;%2&quot; keeps the impulse response it has.</source>
        <translation>Seine Impulsantwort (%1) fehlt: Die Werte sind geladen, und „%2“ behält seine bisherige Impulsantwort.</translation>
    </message>
    <message>
        <source>Its impulse response cannot be used: %1. The values are loaded, and &quot;%2&quot; keeps the impulse response it has.</source>
        <translation>Seine Impulsantwort ist nicht verwendbar: %1. Die Werte sind geladen, und „%2“ behält seine bisherige Impulsantwort.</translation>
    </message>
    <message>
        <source>&amp;Pedal</source>
        <translation>Peda&amp;l</translation>
    </message>
    <message>
        <source>Pedal</source>
        <translation>Pedal</translation>
    </message>
    <message>
        <source>No pedal attached</source>
        <translation>Kein Pedal angeschlossen</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 auf %2</translation>
    </message>
    <message>
        <source> (connected)</source>
        <translation> (verbunden)</translation>
    </message>
    <message>
        <source>This preset keeps its impulse response &quot;%2&quot; beside it.

Upload %1 with it and apply this preset?</source>
        <translation>Neben diesem Preset liegt seine Impulsantwort „%2“.

%1 damit hochladen und dieses Preset anwenden?</translation>
    </message>
    <message>
        <source>Version %1 of the Kestrel X Editor is available (this is %2). Help &gt; Info &gt; Update Now installs it.</source>
        <translation>Version %1 des Kestrel X Editor ist verfügbar (dies ist %2). Hilfe &gt; Info &gt; Jetzt aktualisieren installiert sie.</translation>
    </message>
</context>
<context>
    <name>kx::TformNewVersionMsg</name>
    <message>
        <source>New Version</source>
        <translation>Neue Version</translation>
    </message>
    <message>
        <source>A new version of the Kestrel X Editor is available</source>
        <translation>Eine neue Version des Kestrel X Editor ist verfügbar</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Jetzt aktualisieren</translation>
    </message>
    <message>
        <source>What&apos;s New?</source>
        <translation>Was ist neu?</translation>
    </message>
    <message>
        <source>Don&apos;t Show This Message Again</source>
        <translation>Diese Meldung nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>This action will update the Kestrel X Editor to the latest version. Do you want to continue?</source>
        <translation>Dadurch wird der Kestrel X Editor auf die neueste Version aktualisiert. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Failed to launch updater: </source>
        <translation>Das Aktualisierungsprogramm konnte nicht gestartet werden: </translation>
    </message>
    <message>
        <source>The Kestrel X Editor is updated through your system&apos;s packages, or by downloading the new version from the maker&apos;s site. The page that has just opened tells what is new.</source>
        <translation>Der Kestrel X Editor wird über die Pakete Ihres Systems aktualisiert oder indem Sie die neue Version von der Website des Herstellers herunterladen. Die gerade geöffnete Seite zeigt, was neu ist.</translation>
    </message>
</context>
<context>
    <name>kx::TformPresetLibrary</name>
    <message>
        <source>effect %1, not in this editor&apos;s list</source>
        <translation>Effekt %1, nicht in der Liste dieses Editors</translation>
    </message>
    <message>
        <source>The list of recent presets was not read: %1 The file is set aside as %2.</source>
        <translation>Die Liste der zuletzt verwendeten Presets wurde nicht gelesen: %1 Die Datei wird als %2 beiseitegelegt.</translation>
    </message>
    <message>
        <source>The list of recent presets was not read: %1</source>
        <translation>Die Liste der zuletzt verwendeten Presets wurde nicht gelesen: %1</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filter:</translation>
    </message>
    <message>
        <source>Name, effect or category</source>
        <translation>Name, Effekt oder Kategorie</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>&amp;Presets in %1:</source>
        <translation>&amp;Presets in %1:</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Presets</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Preset</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>Effekt</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>&amp;Loaded or saved last:</source>
        <translation>&amp;Zuletzt geladen oder gespeichert:</translation>
    </message>
    <message>
        <source>Loaded or saved last</source>
        <translation>Zuletzt geladen oder gespeichert</translation>
    </message>
    <message>
        <source>L&amp;oad</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Lö&amp;schen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source> (no longer there)</source>
        <translation> (nicht mehr vorhanden)</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; was not renamed: %2</source>
        <translation>Das Preset „%1“ wurde nicht umbenannt: %2</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; was not deleted: %2</source>
        <translation>Das Preset „%1“ wurde nicht gelöscht: %2</translation>
    </message>
    <message>
        <source>Preset Library</source>
        <translation>Preset-Bibliothek</translation>
    </message>
    <message>
        <source>Delete the preset &quot;%1&quot;? The file is removed from the preset folder.</source>
        <translation>Das Preset „%1“ löschen? Die Datei wird aus dem Preset-Ordner entfernt.</translation>
    </message>
    <message>
        <source>Damaged: %1</source>
        <translation>Beschädigt: %1</translation>
    </message>
    <message>
        <source>Impulse response</source>
        <translation>Impulsantwort</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Delete the preset &quot;%1&quot; and its impulse response? Both files are removed from the preset folder.</source>
        <translation>Das Preset „%1“ und seine Impulsantwort löschen? Beide Dateien werden aus dem Preset-Ordner entfernt.</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Fehlt</translation>
    </message>
    <message>
        <source>This impulse response effect&apos;s preset has no %1 beside it: its values load, the effect keeps the impulse response it has.</source>
        <translation>Neben dem Preset dieses Impulsantwort-Effekts liegt kein %1: Seine Werte werden geladen, der Effekt behält seine bisherige Impulsantwort.</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2. The preset&apos;s values still load.</source>
        <translation>%1 ist nicht verwendbar: %2. Die Werte des Presets werden trotzdem geladen.</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; was not copied: %2</source>
        <translation>Das Preset „%1“ wurde nicht kopiert: %2</translation>
    </message>
</context>
<context>
    <name>kx::TformPrint</name>
    <message>
        <source>Print Console</source>
        <translation>Ausgabekonsole</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>NACH OBEN</translation>
    </message>
    <message>
        <source>scrollDOWN</source>
        <translation>Mitscrollen</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Speichern…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Save the log</source>
        <translation>Protokoll speichern</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Textdateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Saves the log to a file</source>
        <translation>Speichert das Protokoll in einer Datei</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Protokoll</translation>
    </message>
</context>
<context>
    <name>kx::VersionClient</name>
    <message>
        <source>the network module cannot be loaded (%1).</source>
        <translation>das Netzwerkmodul kann nicht geladen werden (%1).</translation>
    </message>
    <message>
        <source>the server&apos;s answer is longer than %1 bytes.</source>
        <translation>die Antwort des Servers ist länger als %1 Bytes.</translation>
    </message>
    <message>
        <source>the version check failed: </source>
        <translation>die Versionsprüfung ist fehlgeschlagen: </translation>
    </message>
    <message>
        <source>HTTP status %1</source>
        <translation>HTTP-Status %1</translation>
    </message>
    <message>
        <source>the editor&apos;s own version &quot;%1&quot; is not a version number.</source>
        <translation>die eigene Version des Editors „%1“ ist keine Versionsnummer.</translation>
    </message>
    <message>
        <source>the server did not answer within %1 s.</source>
        <translation>der Server hat nicht innerhalb von %1 s geantwortet.</translation>
    </message>
</context>
</TS>
