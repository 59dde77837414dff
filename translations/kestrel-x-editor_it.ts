<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>About</name>
    <message>
        <source>windows, serial ports, network</source>
        <translation>finestre, porte seriali, rete</translation>
    </message>
    <message>
        <source>waits for the pedal that block no window</source>
        <translation>attese del pedale che non bloccano alcuna finestra</translation>
    </message>
    <message>
        <source>reading WAV files</source>
        <translation>lettura dei file WAV</translation>
    </message>
    <message>
        <source>resampling impulse responses</source>
        <translation>ricampionamento delle risposte all&apos;impulso</translation>
    </message>
    <message>
        <source>noticing the pedal plugged in and out</source>
        <translation>rilevamento del pedale collegato e scollegato</translation>
    </message>
    <message>
        <source>the secure connection of the version check</source>
        <translation>la connessione sicura del controllo della versione</translation>
    </message>
    <message>
        <source>the C++ language&apos;s library</source>
        <translation>la libreria del linguaggio C++</translation>
    </message>
    <message>
        <source>the system&apos;s C library</source>
        <translation>la libreria C del sistema</translation>
    </message>
</context>
<context>
    <name>Base</name>
    <message>
        <source>%1: it is a folder, not a file.</source>
        <translation>%1: è una cartella, non un file.</translation>
    </message>
    <message>
        <source>%1: it is a pipe, not a file.</source>
        <translation>%1: è una pipe, non un file.</translation>
    </message>
    <message>
        <source>%1: it is a device, not a file.</source>
        <translation>%1: è un dispositivo, non un file.</translation>
    </message>
    <message>
        <source>%1: it is not a regular file.</source>
        <translation>%1: non è un file normale.</translation>
    </message>
    <message>
        <source>%1: it is %2 bytes long, but %3 is at most %4 bytes.</source>
        <translation>%1: è lungo %2 byte, ma %3 può essere al massimo di %4 byte.</translation>
    </message>
    <message>
        <source>%1: it grew while it was read, past the %2 bytes that %3 can have.</source>
        <translation>%1: è cresciuto durante la lettura, oltre i %2 byte che %3 può avere.</translation>
    </message>
</context>
<context>
    <name>Firmware</name>
    <message>
        <source>Choose a firmware in the list first. Nothing was sent to the pedal.</source>
        <translation>Scegli prima un firmware nell&apos;elenco. Al pedale non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>The firmware %1 is empty. Nothing was sent.</source>
        <translation>Il firmware %1 è vuoto. Non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>The firmware %1 cannot be written: it has %2 bytes, more than %3 chunks of 256 bytes. Nothing was sent.</source>
        <translation>Il firmware %1 non può essere scritto: ha %2 byte, più di %3 blocchi da 256 byte. Non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>The firmware %1 cannot be written: its %2 bytes would reach the firmware record at 0x0801FC00 (at most %3 bytes fit below it). Nothing was sent.</source>
        <translation>Il firmware %1 non può essere scritto: i suoi %2 byte raggiungerebbero il record del firmware a 0x0801FC00 (sotto ci stanno al massimo %3 byte). Non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>The firmware %1 cannot be written: there is no firmware record for number %2. Nothing was sent.</source>
        <translation>Il firmware %1 non può essere scritto: non esiste un record del firmware per il numero %2. Non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>Firmware upgrade</source>
        <translation>Aggiornamento firmware</translation>
    </message>
    <message>
        <source>The firmware upgrade was not started: the pedal is not connected. Connect to its bootloader first (Upgrade Mode stays on). Nothing was sent.</source>
        <translation>L&apos;aggiornamento del firmware non è stato avviato: il pedale non è connesso. Connettiti prima al suo bootloader (la modalità aggiornamento resta attiva). Non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>erasing the flash</source>
        <translation>durante la cancellazione della flash</translation>
    </message>
    <message>
        <source>writing the firmware record at %1</source>
        <translation>durante la scrittura del record del firmware a %1</translation>
    </message>
    <message>
        <source>starting the new firmware at %1</source>
        <translation>durante l&apos;avvio del nuovo firmware a %1</translation>
    </message>
    <message>
        <source>bringing the bootloader back to a known state</source>
        <translation>durante il ripristino del bootloader in uno stato noto</translation>
    </message>
    <message>
        <source>preparing the firmware image</source>
        <translation>durante la preparazione dell&apos;immagine del firmware</translation>
    </message>
    <message>
        <source>The firmware upgrade stopped while %1: %2. The flash was written and verified, and the pedal may have started the new firmware already. %3</source>
        <translation>L&apos;aggiornamento del firmware si è interrotto %1: %2. La flash è stata scritta e verificata, e il pedale potrebbe aver già avviato il nuovo firmware. %3</translation>
    </message>
    <message>
        <source>the connection to the pedal was lost</source>
        <translation>la connessione al pedale è stata persa</translation>
    </message>
    <message>
        <source>The firmware upgrade stopped while %1: the connection to the pedal was lost. The new firmware was not started. %2</source>
        <translation>L&apos;aggiornamento del firmware si è interrotto %1: la connessione al pedale è stata persa. Il nuovo firmware non è stato avviato. %2</translation>
    </message>
    <message>
        <source>The firmware upgrade stopped while %1: %2. The new firmware was not started; the pedal stays in its bootloader. %3</source>
        <translation>L&apos;aggiornamento del firmware si è interrotto %1: %2. Il nuovo firmware non è stato avviato; il pedale resta nel suo bootloader. %3</translation>
    </message>
    <message>
        <source>you cancelled it</source>
        <translation>l&apos;hai annullato tu</translation>
    </message>
    <message>
        <source>Press Upgrade Firmware to start again.</source>
        <translation>Premi «Aggiorna firmware» per ricominciare.</translation>
    </message>
    <message>
        <source>Power the pedal up with its footswitch held, choose Connect, then press Upgrade Firmware to start again.</source>
        <translation>Accendi il pedale tenendo premuto il footswitch, scegli «Connetti», poi premi «Aggiorna firmware» per ricominciare.</translation>
    </message>
    <message>
        <source>Press Open FX to find out: a pedal that names its firmware version runs the new firmware; one that does not answer is still in its bootloader, and Upgrade Firmware starts again.</source>
        <translation>Premi «Apri FX» per scoprirlo: un pedale che indica la sua versione del firmware esegue il nuovo firmware; uno che non risponde è ancora nel suo bootloader, e «Aggiorna firmware» ricomincia.</translation>
    </message>
    <message>
        <source>writing chunk %1 of %2 at %3</source>
        <translation>durante la scrittura del blocco %1 di %2 a %3</translation>
    </message>
    <message>
        <source>reading back chunk %1 of %2 at %3</source>
        <translation>durante la rilettura del blocco %1 di %2 a %3</translation>
    </message>
    <message>
        <source>The pedal already runs Firmware %1</source>
        <translation>Il pedale esegue già il firmware %1</translation>
    </message>
    <message>
        <source>This replaces Firmware %1 with Firmware %2</source>
        <translation>Questo sostituisce il firmware %1 con il firmware %2</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>About Qt</source>
        <translation>Informazioni su Qt</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Guida utente</translation>
    </message>
    <message>
        <source>Connection &amp;Doctor…</source>
        <translation>&amp;Dottore della connessione…</translation>
    </message>
    <message>
        <source>&amp;Check for Updates…</source>
        <translation>&amp;Cerca aggiornamenti…</translation>
    </message>
    <message>
        <source>&amp;About Kestrel X Editor</source>
        <translation>&amp;Informazioni su Kestrel X Editor</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Informazioni su &amp;Qt</translation>
    </message>
</context>
<context>
    <name>Ir</name>
    <message>
        <source>Samples of %1 bits cannot become coefficients: only 24 and 32 bits can.</source>
        <translation>Campioni a %1 bit non possono diventare coefficienti: solo a 24 e 32 bit sì.</translation>
    </message>
    <message>
        <source>The samples end after %1 of the %2 coefficients the effect needs.</source>
        <translation>I campioni finiscono dopo %1 dei %2 coefficienti di cui l&apos;effetto ha bisogno.</translation>
    </message>
    <message>
        <source>The sample text is damaged at character %1.</source>
        <translation>Il testo dei campioni è danneggiato al carattere %1.</translation>
    </message>
    <message>
        <source>The effect image has %1 characters, too few to hold %2 coefficients from byte %3.</source>
        <translation>L&apos;immagine dell&apos;effetto ha %1 caratteri, troppo pochi per contenere %2 coefficienti dal byte %3.</translation>
    </message>
    <message>
        <source>%1 coefficient characters do not make the %2 words of the table.</source>
        <translation>%1 caratteri di coefficienti non formano le %2 parole della tabella.</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>Nome: </translation>
    </message>
    <message>
        <source>Size: </source>
        <translation>Dimensione: </translation>
    </message>
    <message>
        <source>Sample rate: </source>
        <translation>Frequenza di campionamento: </translation>
    </message>
    <message>
        <source>Bits per sample: </source>
        <translation>Bit per campione: </translation>
    </message>
    <message>
        <source>Channels: %1 (the first channel is loaded)</source>
        <translation>Canali: %1 (viene caricato il primo canale)</translation>
    </message>
    <message>
        <source>Resampled from %1 Hz to %2 Hz</source>
        <translation>Ricampionato da %1 Hz a %2 Hz</translation>
    </message>
    <message>
        <source>Not resampled: the pedal plays these samples at %1 Hz</source>
        <translation>Non ricampionato: il pedale riproduce questi campioni a %1 Hz</translation>
    </message>
    <message>
        <source>Clipped: %1 samples beyond full scale</source>
        <translation>Clipping: %1 campioni oltre il fondo scala</translation>
    </message>
    <message>
        <source>The pedal plays impulse responses at %1 Hz, this file is sampled at %2 Hz. Resample it to %1 Hz first?</source>
        <translation>Il pedale riproduce le risposte all&apos;impulso a %1 Hz, questo file è campionato a %2 Hz. Ricampionarlo prima a %1 Hz?</translation>
    </message>
    <message>
        <source>The loaded %1 samples (%2 ms at %3 kHz) hold %4 % of the file&apos;s energy.</source>
        <translation>I %1 campioni caricati (%2 ms a %3 kHz) contengono il %4 % dell&apos;energia del file.</translation>
    </message>
    <message>
        <source>The loaded %1 samples (%2 ms at %3 kHz) are silent, like the whole file.</source>
        <translation>I %1 campioni caricati (%2 ms a %3 kHz) sono silenziosi, come l&apos;intero file.</translation>
    </message>
    <message>
        <source>%1 has no coefficient table to load an impulse response into.</source>
        <translation>%1 non ha una tabella di coefficienti in cui caricare una risposta all&apos;impulso.</translation>
    </message>
    <message>
        <source>The file holds %1 samples%2, but %3 needs %4. Choose a longer impulse response.</source>
        <translation>Il file contiene %1 campioni%2, ma %3 ne richiede %4. Scegli una risposta all&apos;impulso più lunga.</translation>
    </message>
    <message>
        <source> at %1 Hz</source>
        <translation> a %1 Hz</translation>
    </message>
    <message>
        <source>Wave Files (*.wav)</source>
        <translation>File WAV (*.wav)</translation>
    </message>
    <message>
        <source>Selected file data:</source>
        <translation>Dati del file scelto:</translation>
    </message>
    <message>
        <source>The samples could not be resampled: %1</source>
        <translation>Non è stato possibile ricampionare i campioni: %1</translation>
    </message>
    <message>
        <source>a rate of %1 Hz cannot become %2 Hz</source>
        <translation>una frequenza di %1 Hz non può diventare %2 Hz</translation>
    </message>
    <message>
        <source>This is not a WAV file: it does not begin with a RIFF header of type &quot;WAVE&quot;.</source>
        <translation>Questo non è un file WAV: non inizia con un&apos;intestazione RIFF di tipo &quot;WAVE&quot;.</translation>
    </message>
    <message>
        <source>The WAV file&apos;s header announces %1 bytes, but the file has %2; its chunks were read as they are.</source>
        <translation>L&apos;intestazione del file WAV annuncia %1 byte, ma il file ne ha %2; i suoi chunk sono stati letti così come sono.</translation>
    </message>
    <message>
        <source>The WAV file is cut short: its &quot;%1&quot; chunk at byte %2 announces %3 bytes, but only %4 follow.</source>
        <translation>Il file WAV è troncato: il suo chunk &quot;%1&quot; al byte %2 annuncia %3 byte, ma ne seguono solo %4.</translation>
    </message>
    <message>
        <source>The WAV file could not be read at byte %1.</source>
        <translation>Non è stato possibile leggere il file WAV al byte %1.</translation>
    </message>
    <message>
        <source>The WAV file has no &quot;fmt &quot; chunk, so the format of its samples is unknown.</source>
        <translation>Il file WAV non ha un chunk &quot;fmt &quot;, quindi il formato dei suoi campioni è sconosciuto.</translation>
    </message>
    <message>
        <source>The WAV file&apos;s &quot;fmt &quot; chunk has %1 bytes, fewer than the 16 of a sample format.</source>
        <translation>Il chunk &quot;fmt &quot; del file WAV ha %1 byte, meno dei 16 di un formato di campione.</translation>
    </message>
    <message>
        <source>The WAV file has no &quot;data&quot; chunk: it holds no samples.</source>
        <translation>Il file WAV non ha un chunk &quot;data&quot;: non contiene campioni.</translation>
    </message>
    <message>
        <source>The WAV file&apos;s samples cannot be read: %1</source>
        <translation>I campioni del file WAV non possono essere letti: %1</translation>
    </message>
    <message>
        <source>The WAV file holds no samples.</source>
        <translation>Il file WAV non contiene campioni.</translation>
    </message>
    <message>
        <source>The impulse response could not be written: %1</source>
        <translation>Impossibile scrivere la risposta all&apos;impulso: %1</translation>
    </message>
    <message>
        <source>It holds %1 samples: an impulse response the editor keeps holds at most %2.</source>
        <translation>Contiene %1 campioni: una risposta all&apos;impulso conservata dall&apos;editor ne contiene al massimo %2.</translation>
    </message>
    <message>
        <source>it holds %1 samples, %2 needs %3</source>
        <translation>contiene %1 campioni, %2 ne richiede %3</translation>
    </message>
    <message>
        <source>%1 takes no impulse response</source>
        <translation>%1 non accetta risposte all&apos;impulso</translation>
    </message>
    <message>
        <source>Trimmed %1 samples (%2 ms) of silence before the first peak</source>
        <translation>Tagliati %1 campioni (%2 ms) di silenzio prima del primo picco</translation>
    </message>
    <message>
        <source>Not trimmed: the first peak comes at once</source>
        <translation>Nessun taglio: il primo picco arriva subito</translation>
    </message>
    <message>
        <source>Normalised to a peak of %1 dB (gain %2 dB)</source>
        <translation>Normalizzata a un picco di %1 dB (guadagno %2 dB)</translation>
    </message>
    <message>
        <source>Not normalised: the loaded samples are silent</source>
        <translation>Non normalizzata: i campioni caricati sono silenziosi</translation>
    </message>
    <message>
        <source>Faded out over the last %1 ms (%2 samples)</source>
        <translation>Dissolvenza in uscita sugli ultimi %1 ms (%2 campioni)</translation>
    </message>
    <message>
        <source>it names no impulse response effect</source>
        <translation>non indica alcun effetto a risposta all&apos;impulso</translation>
    </message>
    <message>
        <source>There is no Documents folder to keep the import in.</source>
        <translation>Non c&apos;è una cartella Documenti in cui conservare l&apos;importazione.</translation>
    </message>
    <message>
        <source>%1: the folder cannot be made.</source>
        <translation>%1: impossibile creare la cartella.</translation>
    </message>
    <message>
        <source>The WAV file may hold integer samples of 8, 16, 24 or 32 bits, float samples of 32 or 64 bits, or compressed samples (ADPCM, A-law, mu-law or GSM 6.10), in one or more channels (the first is loaded). 48 kHz is the pedal&apos;s rate: a file at another rate from 8 to 768 kHz is resampled to it (the editor asks first).</source>
        <translation>Il file WAV può contenere campioni interi a 8, 16, 24 o 32 bit, campioni in virgola mobile a 32 o 64 bit o campioni compressi (ADPCM, A-law, mu-law o GSM 6.10), su uno o più canali (viene caricato il primo). 48 kHz è la frequenza del pedale: un file a un&apos;altra frequenza, da 8 a 768 kHz, viene ricampionato (l&apos;editor chiede prima).</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>The pedal reports effect number %1, but the effect list only holds the numbers 0 to %2.</source>
        <translation>Il pedale indica l&apos;effetto numero %1, ma l&apos;elenco degli effetti contiene solo i numeri da 0 a %2.</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>è vuoto</translation>
    </message>
    <message>
        <source>its %1 bytes are more than the %2 that fit in the pedal&apos;s flash</source>
        <translation>i suoi %1 byte sono più dei %2 che stanno nella flash del pedale</translation>
    </message>
    <message>
        <source>its %1 bytes are too few for a vector table and a version mark</source>
        <translation>i suoi %1 byte sono troppo pochi per una tabella dei vettori e un marcatore di versione</translation>
    </message>
    <message>
        <source>it starts with %1, not a stack address in the pedal&apos;s RAM</source>
        <translation>inizia con %1, che non è un indirizzo di stack nella RAM del pedale</translation>
    </message>
    <message>
        <source>its reset address %1 is not Thumb code inside the image</source>
        <translation>il suo indirizzo di reset %1 non è codice Thumb all&apos;interno dell&apos;immagine</translation>
    </message>
    <message>
        <source>it lacks the %1 mark at %2</source>
        <translation>manca il marcatore %1 a %2</translation>
    </message>
    <message>
        <source>Choose a firmware file made for the Kestrel X: %1 is not one (%2), so nothing was sent.</source>
        <translation>Scegli un file di firmware fatto per il Kestrel X: %1 non lo è (%2), quindi non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>The image of &quot;%1&quot; holds %2 bytes, too few for its address table.</source>
        <translation>L&apos;immagine di &quot;%1&quot; contiene %2 byte, troppo pochi per la sua tabella degli indirizzi.</translation>
    </message>
    <message>
        <source>Resource %1 not found</source>
        <translation>Risorsa %1 non trovata</translation>
    </message>
    <message>
        <source>Error loading resource: </source>
        <translation>Errore nel caricamento della risorsa: </translation>
    </message>
    <message>
        <source>the version page holds &quot;%1&quot;, which is not a version number of digits and dots.</source>
        <translation>la pagina della versione contiene &quot;%1&quot;, che non è un numero di versione fatto di cifre e punti.</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>answer to the filler bytes</source>
        <translation>risposta ai byte di riempimento</translation>
    </message>
    <message>
        <source>effect information reply</source>
        <translation>risposta con le informazioni sull&apos;effetto</translation>
    </message>
    <message>
        <source>parameter state reply</source>
        <translation>risposta con lo stato dei parametri</translation>
    </message>
    <message>
        <source>bootloader answer</source>
        <translation>risposta del bootloader</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connetti</translation>
    </message>
    <message>
        <source>inside a command, which the synchronisation byte ended</source>
        <translation>dentro un comando, che il byte di sincronizzazione ha concluso</translation>
    </message>
    <message>
        <source>it answered %1</source>
        <translation>ha risposto %1</translation>
    </message>
    <message>
        <source>no answer to the synchronisation byte nor to %1 filler bytes: the pedal is not in its bootloader</source>
        <translation>nessuna risposta al byte di sincronizzazione né a %1 byte di riempimento: il pedale non è nel suo bootloader</translation>
    </message>
    <message>
        <source>it answered the filler bytes with %1</source>
        <translation>ha risposto ai byte di riempimento con %1</translation>
    </message>
    <message>
        <source>inside a frame a stopped upgrade left, which filler bytes ended</source>
        <translation>dentro un frame lasciato da un aggiornamento interrotto, che i byte di riempimento hanno concluso</translation>
    </message>
    <message>
        <source>it answered the filler bytes but refused none of the last %1, so it is not known to wait for a command</source>
        <translation>ha risposto ai byte di riempimento ma non ha rifiutato nessuno degli ultimi %1, quindi non si sa se attende un comando</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnetti</translation>
    </message>
    <message>
        <source>The message to the pedal did not leave within %1 s.</source>
        <translation>Il messaggio al pedale non è partito entro %1 s.</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>Nome dispositivo</translation>
    </message>
    <message>
        <source>No device found</source>
        <translation>Nessun dispositivo trovato</translation>
    </message>
    <message>
        <source> found, click Connect</source>
        <translation> trovato, fai clic su Connetti</translation>
    </message>
    <message>
        <source> connected</source>
        <translation> connesso</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>connesso</translation>
    </message>
    <message>
        <source>Connection to bootloader succeeded, ready for firmware upgrade</source>
        <translation>Connessione al bootloader riuscita, pronto per l&apos;aggiornamento del firmware</translation>
    </message>
    <message>
        <source>Connection to bootloader failed</source>
        <translation>Connessione al bootloader non riuscita</translation>
    </message>
    <message>
        <source>The pedal did not send its %1 within %2 s.</source>
        <translation>Il pedale non ha inviato la sua %1 entro %2 s.</translation>
    </message>
    <message>
        <source>The pedal did not finish its %1 within %2 s: %3 bytes came, still without its end.</source>
        <translation>Il pedale non ha completato la sua %1 entro %2 s: sono arrivati %3 byte, ancora senza la fine.</translation>
    </message>
    <message>
        <source>The pedal&apos;s reply cannot be read: line %1 (&quot;%2&quot;) is not a number from 0 to 255.</source>
        <translation>La risposta del pedale non è leggibile: la riga %1 (&quot;%2&quot;) non è un numero da 0 a 255.</translation>
    </message>
    <message>
        <source>The pedal&apos;s reply is incomplete: it holds %1 values where %2 were expected.</source>
        <translation>La risposta del pedale è incompleta: contiene %1 valori invece dei %2 attesi.</translation>
    </message>
    <message>
        <source>The pedal&apos;s reply does not fit: it holds %1 values where %2 were expected.</source>
        <translation>La risposta del pedale non corrisponde: contiene %1 valori invece dei %2 attesi.</translation>
    </message>
    <message>
        <source>The pedal&apos;s %1 is incomplete: it stopped after %2 bytes.</source>
        <translation>La %1 del pedale è incompleta: si è fermata dopo %2 byte.</translation>
    </message>
    <message>
        <source>The pedal&apos;s %1 is longer than it can be.</source>
        <translation>La %1 del pedale è più lunga del possibile.</translation>
    </message>
    <message>
        <source>Start a firmware upgrade, or power the pedal up without holding the footswitch: the pedal is in its bootloader, which refused to send its %1.</source>
        <translation>Avvia un aggiornamento del firmware, oppure accendi il pedale senza tenere premuto il footswitch: il pedale è nel suo bootloader, che ha rifiutato di inviare la sua %1.</translation>
    </message>
    <message>
        <source>The connection to the pedal was lost (%1). Plug it in again and choose Connect.</source>
        <translation>La connessione al pedale è stata persa (%1). Ricollegalo e scegli «Connetti».</translation>
    </message>
    <message>
        <source>The message does not fit the send buffer and was not sent: %1 bytes, at most %2.</source>
        <translation>Il messaggio non sta nel buffer di invio e non è stato inviato: %1 byte, al massimo %2.</translation>
    </message>
    <message>
        <source>The pedal&apos;s chip took only %1 of %2 bytes; the message was not sent whole.</source>
        <translation>Il chip del pedale ha accettato solo %1 di %2 byte; il messaggio non è stato inviato per intero.</translation>
    </message>
    <message>
        <source>%1 was not done: the editor is waiting for the pedal.</source>
        <translation>%1 non è stato eseguito: l&apos;editor sta aspettando il pedale.</translation>
    </message>
    <message>
        <source>%1 was not done: the pedal is not connected.</source>
        <translation>%1 non è stato eseguito: il pedale non è connesso.</translation>
    </message>
    <message>
        <source>%1 is already running.</source>
        <translation>%1 è già in corso.</translation>
    </message>
    <message>
        <source>ModemManager is running. It tries new serial ports for a mobile-broadband modem and can hold the pedal&apos;s port for a few seconds after the pedal is plugged in.</source>
        <translation>ModemManager è in esecuzione. Prova le nuove porte seriali cercando un modem a banda larga mobile e può occupare la porta del pedale per qualche secondo dopo che il pedale è stato collegato.</translation>
    </message>
    <message>
        <source>The editor&apos;s udev rule tells it to leave the pedal alone. Without the rule, and if this computer uses no mobile-broadband modem, stop it.</source>
        <translation>La regola udev dell&apos;editor gli dice di lasciare stare il pedale. Senza la regola, e se questo computer non usa un modem a banda larga mobile, fermalo.</translation>
    </message>
    <message>
        <source>brltty, the braille display service, is running. It takes some USB serial chips for braille displays, and a chip it takes gets no serial port.</source>
        <translation>brltty, il servizio per i display braille, è in esecuzione. Prende alcuni chip seriali USB per i display braille, e un chip che prende non ottiene una porta seriale.</translation>
    </message>
    <message>
        <source>If no braille display is attached to this computer, stop it, then unplug the pedal and plug it in again.</source>
        <translation>Se a questo computer non è collegato alcun display braille, fermalo, poi scollega il pedale e ricollegalo.</translation>
    </message>
    <message>
        <source>gpsd, the GPS service, is running. It opens new USB serial ports to look for a GPS receiver.</source>
        <translation>gpsd, il servizio GPS, è in esecuzione. Apre le nuove porte seriali USB per cercare un ricevitore GPS.</translation>
    </message>
    <message>
        <source>If this computer uses no GPS receiver, stop it.</source>
        <translation>Se questo computer non usa un ricevitore GPS, fermalo.</translation>
    </message>
    <message>
        <source>Port %1 (given with --port)</source>
        <translation>Porta %1 (indicata con --port)</translation>
    </message>
    <message>
        <source>Virtual pedal (--virtual-pedal)</source>
        <translation>Pedale virtuale (--virtual-pedal)</translation>
    </message>
    <message>
        <source>The editor&apos;s built-in virtual pedal is attached; it is always ready.</source>
        <translation>Il pedale virtuale integrato nell&apos;editor è collegato; è sempre pronto.</translation>
    </message>
    <message>
        <source>USB devices</source>
        <translation>Dispositivi USB</translation>
    </message>
    <message>
        <source>The list of USB devices (%1/bus/usb/devices) is missing or cannot be read, so no chip can be checked.</source>
        <translation>L&apos;elenco dei dispositivi USB (%1/bus/usb/devices) manca o non può essere letto, quindi nessun chip può essere verificato.</translation>
    </message>
    <message>
        <source>No FTDI USB chip is attached: the pedal is not plugged in, not switched on, or its cable carries no data.</source>
        <translation>Nessun chip USB FTDI collegato: il pedale non è collegato, non è acceso, o il suo cavo non trasmette dati.</translation>
    </message>
    <message>
        <source>Connect the pedal with a USB cable that carries data (some cables only charge), switch the pedal on, and try another USB socket.</source>
        <translation>Collega il pedale con un cavo USB che trasmette dati (alcuni cavi servono solo per la ricarica), accendi il pedale e prova un&apos;altra porta USB.</translation>
    </message>
    <message>
        <source>USB chip &quot;%1&quot; (%2, serial %3)</source>
        <translation>Chip USB &quot;%1&quot; (%2, numero di serie %3)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>This is not the pedal&apos;s type of chip (the pedal&apos;s FT230X reports 0403:6015), but the editor lists it all the same.</source>
        <translation>Questo non è il tipo di chip del pedale (l&apos;FT230X del pedale riporta 0403:6015), ma l&apos;editor lo elenca comunque.</translation>
    </message>
    <message>
        <source>It has no serial port: a program has taken the chip over directly (through libusb), so the serial driver cannot serve it.</source>
        <translation>Non ha una porta seriale: un programma ha preso direttamente il controllo del chip (tramite libusb), quindi il driver seriale non può servirlo.</translation>
    </message>
    <message>
        <source> The program is %1.</source>
        <translation> Il programma è %1.</translation>
    </message>
    <message>
        <source>Close that program, then unplug the pedal and plug it in again.</source>
        <translation>Chiudi quel programma, poi scollega il pedale e ricollegalo.</translation>
    </message>
    <message>
        <source>It has no serial port: the driver %1 holds it instead of the serial driver %2.</source>
        <translation>Non ha una porta seriale: il driver %1 lo tiene al posto del driver seriale %2.</translation>
    </message>
    <message>
        <source>Unplug the pedal and plug it in again.</source>
        <translation>Scollega il pedale e ricollegalo.</translation>
    </message>
    <message>
        <source>It has no serial port: the kernel&apos;s serial driver for FTDI chips (%1) is not loaded.</source>
        <translation>Non ha una porta seriale: il driver seriale del kernel per i chip FTDI (%1) non è caricato.</translation>
    </message>
    <message>
        <source>Load the driver, then unplug the pedal and plug it in again.</source>
        <translation>Carica il driver, poi scollega il pedale e ricollegalo.</translation>
    </message>
    <message>
        <source>It has no serial port: the serial driver %1 is loaded but has not taken the chip.</source>
        <translation>Non ha una porta seriale: il driver seriale %1 è caricato ma non ha preso il chip.</translation>
    </message>
    <message>
        <source>%1 cannot be examined: %2.</source>
        <translation>%1 non può essere esaminato: %2.</translation>
    </message>
    <message>
        <source>Its serial port %1 is known to the kernel but does not exist in /dev.</source>
        <translation>La sua porta seriale %1 è nota al kernel ma non esiste in /dev.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 non esiste.</translation>
    </message>
    <message>
        <source>Check the path. The virtual pedal program names a new pseudo-terminal each time it starts.</source>
        <translation>Controlla il percorso. Il programma del pedale virtuale assegna un nuovo pseudo-terminale a ogni avvio.</translation>
    </message>
    <message>
        <source>%1 is not a serial port (not a character device).</source>
        <translation>%1 non è una porta seriale (non è un dispositivo a caratteri).</translation>
    </message>
    <message>
        <source>Give the path of a serial port, such as /dev/ttyUSB0.</source>
        <translation>Indica il percorso di una porta seriale, come /dev/ttyUSB0.</translation>
    </message>
    <message>
        <source>%1 is open in another program: %2. The pedal answers one program at a time.</source>
        <translation>%1 è aperto in un altro programma: %2. Il pedale risponde a un programma alla volta.</translation>
    </message>
    <message>
        <source>Close %1, then choose Connect again.</source>
        <translation>Chiudi %1, poi scegli di nuovo «Connetti».</translation>
    </message>
    <message>
        <source>This editor has %1 open: it is connected.</source>
        <translation>Questo editor ha aperto %1: è connesso.</translation>
    </message>
    <message>
        <source>You may open %1, and no other program holds it: ready to connect.</source>
        <translation>Puoi aprire %1, e nessun altro programma lo occupa: pronto per la connessione.</translation>
    </message>
    <message>
        <source> The desktop gives you access to it.</source>
        <translation> L&apos;ambiente desktop ti dà accesso.</translation>
    </message>
    <message>
        <source> It is served by %1.</source>
        <translation> È servito da %1.</translation>
    </message>
    <message>
        <source>only %1 and the members of %2 may read and write it</source>
        <translation>solo %1 e i membri di %2 possono leggerlo e scriverlo</translation>
    </message>
    <message>
        <source>only %1 may read and write it</source>
        <translation>solo %1 può leggerlo e scriverlo</translation>
    </message>
    <message>
        <source>only the members of %1 may read and write it</source>
        <translation>solo i membri di %1 possono leggerlo e scriverlo</translation>
    </message>
    <message>
        <source>only the administrator may read and write it</source>
        <translation>solo l&apos;amministratore può leggerlo e scriverlo</translation>
    </message>
    <message>
        <source>You (%1) may not open %2. It belongs to %3 and the group %4, with the rights %5: %6.</source>
        <translation>Tu (%1) non puoi aprire %2. Appartiene a %3 e al gruppo %4, con i permessi %5: %6.</translation>
    </message>
    <message>
        <source>join the group %1 (%2), then log out and log in again</source>
        <translation>unisciti al gruppo %1 (%2), poi esci e accedi di nuovo</translation>
    </message>
    <message>
        <source> You are a member of %1, yet the system refuses it (an access list or a security module).</source>
        <translation> Sei membro di %1, eppure il sistema lo rifiuta (una lista di accesso o un modulo di sicurezza).</translation>
    </message>
    <message>
        <source> You are a member of %1, but the group may not write to it.</source>
        <translation> Sei membro di %1, ma il gruppo non può scriverci.</translation>
    </message>
    <message>
        <source> You were added to the group %1 after this login began; the membership counts from the next login.</source>
        <translation> Sei stato aggiunto al gruppo %1 dopo l&apos;inizio di questa sessione; l&apos;appartenenza vale dal prossimo accesso.</translation>
    </message>
    <message>
        <source>Log out and log in again (or restart the computer), then choose Connect.</source>
        <translation>Esci e accedi di nuovo (o riavvia il computer), poi scegli «Connetti».</translation>
    </message>
    <message>
        <source> You are not a member of %1.</source>
        <translation> Non sei membro di %1.</translation>
    </message>
    <message>
        <source>Let the user at this computer open the pedal: install the editor&apos;s udev rule with the command below (or the button &quot;Allow access&quot; of the Connection Doctor window), then choose Connect again.</source>
        <translation>Consenti all&apos;utente di questo computer di aprire il pedale: installa la regola udev dell&apos;editor con il comando qui sotto (o con il pulsante «Consenti accesso» della finestra Dottore della connessione), poi scegli di nuovo «Connetti».</translation>
    </message>
    <message>
        <source> Or %1.</source>
        <translation> Oppure %1.</translation>
    </message>
    <message>
        <source>The editor&apos;s udev rule is installed but has not reached this port yet: unplug the pedal and plug it in again. The rule lets in the user logged in at the computer&apos;s own screen; from a remote login, %1.</source>
        <translation>La regola udev dell&apos;editor è installata ma non ha ancora raggiunto questa porta: scollega il pedale e ricollegalo. La regola fa entrare l&apos;utente che ha effettuato l&apos;accesso allo schermo del computer stesso; da un accesso remoto, %1.</translation>
    </message>
    <message>
        <source>To open it, %1.</source>
        <translation>Per aprirlo, %1.</translation>
    </message>
    <message>
        <source>Use a port that belongs to you, or ask the administrator to change its rights.</source>
        <translation>Usa una porta che ti appartiene, oppure chiedi all&apos;amministratore di cambiarne i permessi.</translation>
    </message>
    <message>
        <source>Service %1</source>
        <translation>Servizio %1</translation>
    </message>
    <message>
        <source>A pedal is ready to connect.</source>
        <translation>Un pedale è pronto per la connessione.</translation>
    </message>
    <message>
        <source>A pedal is ready to connect. A problem with another port is listed below.</source>
        <translation>Un pedale è pronto per la connessione. Un problema con un&apos;altra porta è indicato qui sotto.</translation>
    </message>
    <message>
        <source>A pedal is ready to connect. Problems with %1 other ports are listed below.</source>
        <translation>Un pedale è pronto per la connessione. I problemi con altre %1 porte sono indicati qui sotto.</translation>
    </message>
    <message>
        <source>No pedal is ready to connect. What to do is written with each problem.</source>
        <translation>Nessun pedale è pronto per la connessione. Cosa fare è scritto accanto a ogni problema.</translation>
    </message>
    <message>
        <source>    What to do: %1
</source>
        <translation>    Cosa fare: %1
</translation>
    </message>
    <message>
        <source>Port %1 does not exist.</source>
        <translation>La porta %1 non esiste.</translation>
    </message>
    <message>
        <source>Port %1 is not a serial port (not a character device).</source>
        <translation>La porta %1 non è una porta seriale (non è un dispositivo a caratteri).</translation>
    </message>
    <message>
        <source>Port %1 cannot be examined: %2.</source>
        <translation>La porta %1 non può essere esaminata: %2.</translation>
    </message>
    <message>
        <source>The serial port module of this installation cannot be loaded, so no port can be opened (%1). Reinstall the editor.</source>
        <translation>Il modulo della porta seriale di questa installazione non può essere caricato, quindi non si può aprire nessuna porta (%1). Reinstalla l&apos;editor.</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Caricamento</translation>
    </message>
    <message>
        <source>check the image</source>
        <translation>verifica dell&apos;immagine</translation>
    </message>
    <message>
        <source>write the image</source>
        <translation>scrittura dell&apos;immagine</translation>
    </message>
    <message>
        <source>answer to the upload</source>
        <translation>risposta al caricamento</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Caricamento in corso...</translation>
    </message>
    <message>
        <source>There is no image to upload for %1. For an impulse response effect, load a WAV file first (File &gt; Load IR).</source>
        <translation>Non c&apos;è nessuna immagine da caricare per %1. Per un effetto a risposta all&apos;impulso, carica prima un file WAV (File &gt; Carica IR).</translation>
    </message>
    <message>
        <source>The image of %1 cannot be uploaded: it is damaged at character %2.</source>
        <translation>L&apos;immagine di %1 non può essere caricata: è danneggiata al carattere %2.</translation>
    </message>
    <message>
        <source>The image of %1 cannot be uploaded: it has %2 bytes, at most %3 fit.</source>
        <translation>L&apos;immagine di %1 non può essere caricata: ha %2 byte, ne stanno al massimo %3.</translation>
    </message>
    <message>
        <source>Firmware Version: </source>
        <translation>Versione firmware: </translation>
    </message>
    <message>
        <source>The pedal&apos;s effect information reply cannot be read: it holds %1 lines where 4 were expected.</source>
        <translation>La risposta con le informazioni sull&apos;effetto non è leggibile: contiene %1 righe invece delle 4 attese.</translation>
    </message>
    <message>
        <source>The pedal&apos;s effect information reply cannot be read: line %1 (&quot;%2&quot;) is not a number.</source>
        <translation>La risposta con le informazioni sull&apos;effetto non è leggibile: la riga %1 (&quot;%2&quot;) non è un numero.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a MIDI channel: give 1 to 16, or OMNI.</source>
        <translation>&quot;%1&quot; non è un canale MIDI: indica da 1 a 16, oppure OMNI.</translation>
    </message>
    <message>
        <source>Connect the pedal with a USB cable that carries data (some cables only charge), switch the pedal on, and try another USB socket. If it is plugged in, check that the system has a driver for FTDI chips.</source>
        <translation>Collega il pedale con un cavo USB che trasmette dati (alcuni cavi servono solo a caricare), accendi il pedale e prova un&apos;altra presa USB. Se è collegato, verifica che il sistema abbia un driver per i chip FTDI.</translation>
    </message>
    <message>
        <source>Its serial port %1 is listed but cannot be found.</source>
        <translation>La sua porta seriale %1 è elencata ma non si trova.</translation>
    </message>
    <message>
        <source>%1 cannot be opened (%2): another program may hold it (the pedal answers one program at a time), or you may not open it.</source>
        <translation>Impossibile aprire %1 (%2): forse un altro programma la occupa (il pedale risponde a un programma alla volta), oppure non hai il permesso di aprirla.</translation>
    </message>
    <message>
        <source>Close any other program that uses the pedal, then choose Connect again. If none does, unplug the pedal and plug it in again.</source>
        <translation>Chiudi ogni altro programma che usa il pedale, poi scegli di nuovo Connetti. Se nessuno lo usa, scollega il pedale e ricollegalo.</translation>
    </message>
</context>
<context>
    <name>Params</name>
    <message>
        <source>The image of &quot;%1&quot; holds no addresses for its %2 controls.</source>
        <translation>L&apos;immagine di &quot;%1&quot; non contiene indirizzi per i suoi %2 controlli.</translation>
    </message>
    <message>
        <source>The control description of &quot;%1&quot; cannot be used: %2.</source>
        <translation>La descrizione dei controlli di &quot;%1&quot; non può essere usata: %2.</translation>
    </message>
    <message>
        <source>its first line must begin with three count digits</source>
        <translation>la sua prima riga deve iniziare con tre cifre di conteggio</translation>
    </message>
    <message>
        <source>the count digit &quot;%1&quot; is not 0 to 9 or A to F</source>
        <translation>la cifra di conteggio &quot;%1&quot; non è tra 0 e 9 o tra A e F</translation>
    </message>
    <message>
        <source>it declares no controls</source>
        <translation>non dichiara alcun controllo</translation>
    </message>
    <message>
        <source>it declares %1 controls, more than the %2 its image has addresses for</source>
        <translation>dichiara %1 controlli, più dei %2 per cui la sua immagine ha indirizzi</translation>
    </message>
    <message>
        <source>it declares %1 readbacks, more than %2</source>
        <translation>dichiara %1 readback, più di %2</translation>
    </message>
    <message>
        <source>it has %1 lines, fewer than the %2 its counts call for</source>
        <translation>ha %1 righe, meno delle %2 richieste dai suoi conteggi</translation>
    </message>
    <message>
        <source>control %1 (&quot;%2&quot;) is a multi switch without options (no &quot;;&quot;)</source>
        <translation>il controllo %1 (&quot;%2&quot;) è un selettore senza opzioni (nessun &quot;;&quot;)</translation>
    </message>
    <message>
        <source>it declares %1 controls, but its image declares %2</source>
        <translation>dichiara %1 controlli, ma la sua immagine ne dichiara %2</translation>
    </message>
    <message>
        <source>The pedal&apos;s parameter state reply is incomplete: it holds %1 values where %2 were expected.</source>
        <translation>La risposta con lo stato dei parametri è incompleta: contiene %1 valori invece dei %2 attesi.</translation>
    </message>
    <message>
        <source>The pedal&apos;s parameter state reply cannot be right: control %1 reads %2, outside 0 to 1023.</source>
        <translation>La risposta con lo stato dei parametri non può essere corretta: il controllo %1 vale %2, fuori da 0–1023.</translation>
    </message>
    <message>
        <source>The pedal&apos;s parameter state reply cannot be told from a stray line: it holds %1 values where %2 were expected.</source>
        <translation>La risposta con lo stato dei parametri non si distingue da una riga spuria: contiene %1 valori invece dei %2 attesi.</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Niente</translation>
    </message>
    <message>
        <source>Bypass on and off</source>
        <translation>Bypass on e off</translation>
    </message>
    <message>
        <source>Preset change</source>
        <translation>Cambio preset</translation>
    </message>
    <message>
        <source>Not assigned to any of the pedal&apos;s controls (--).</source>
        <translation>Non assegnato a nessun comando del pedale (--).</translation>
    </message>
    <message>
        <source>This effect&apos;s footswitch latches: press once for on, again for off.</source>
        <translation>Il footswitch di questo effetto è a ritenuta: premi una volta per attivare, di nuovo per disattivare.</translation>
    </message>
    <message>
        <source>This effect&apos;s footswitch is momentary: it acts while held down.</source>
        <translation>Il footswitch di questo effetto è momentaneo: agisce finché è premuto.</translation>
    </message>
    <message>
        <source>&lt;byte-order mark&gt;</source>
        <translation>&lt;byte-order mark&gt;</translation>
    </message>
    <message>
        <source>line %1 holds %2, but %3 is written as %4 hexadecimal digits.</source>
        <translation>la riga %1 contiene %2, ma %3 si scrive con %4 cifre esadecimali.</translation>
    </message>
    <message>
        <source>the open effect has no controls.</source>
        <translation>l&apos;effetto aperto non ha controlli.</translation>
    </message>
    <message>
        <source>the values of the open effect have not been read.</source>
        <translation>i valori dell&apos;effetto aperto non sono stati letti.</translation>
    </message>
    <message>
        <source>a preset holds 1 to %1 controls, not %2.</source>
        <translation>un preset contiene da 1 a %1 controlli, non %2.</translation>
    </message>
    <message>
        <source>the effect number %1 does not fit a preset.</source>
        <translation>il numero di effetto %1 non entra in un preset.</translation>
    </message>
    <message>
        <source>the effect version %1 does not fit a preset.</source>
        <translation>la versione di effetto %1 non entra in un preset.</translation>
    </message>
    <message>
        <source>the file holds %1; a preset starts with 3 lines: effect number, effect version, number of controls.</source>
        <translation>il file contiene %1; un preset inizia con 3 righe: numero dell&apos;effetto, versione dell&apos;effetto, numero di controlli.</translation>
    </message>
    <message>
        <source>the effect number</source>
        <translation>il numero dell&apos;effetto</translation>
    </message>
    <message>
        <source>the effect version</source>
        <translation>la versione dell&apos;effetto</translation>
    </message>
    <message>
        <source>the number of controls</source>
        <translation>il numero di controlli</translation>
    </message>
    <message>
        <source>line 3 gives 0 controls; a preset holds at least one.</source>
        <translation>la riga 3 indica 0 controlli; un preset ne contiene almeno uno.</translation>
    </message>
    <message>
        <source>the file ends after line %1, but it announces %2 controls, whose values take lines 4 to %3.</source>
        <translation>il file finisce dopo la riga %1, ma annuncia %2 controlli, i cui valori occupano le righe da 4 a %3.</translation>
    </message>
    <message>
        <source>the value of control %1</source>
        <translation>il valore del controllo %1</translation>
    </message>
    <message>
        <source>the file holds %1, but a preset of %2 controls has %3 to %4 lines.</source>
        <translation>il file contiene %1, ma un preset di %2 controlli ha da %3 a %4 righe.</translation>
    </message>
    <message>
        <source>the assignment of control %1</source>
        <translation>l&apos;assegnazione del controllo %1</translation>
    </message>
    <message>
        <source>the assignment of readback %1</source>
        <translation>l&apos;assegnazione del readback %1</translation>
    </message>
    <message>
        <source>The preset holds no assignments: the pedal&apos;s stay as they are.</source>
        <translation>Il preset non contiene assegnazioni: quelle del pedale restano come sono.</translation>
    </message>
    <message>
        <source>cannot be read: </source>
        <translation>non può essere letto: </translation>
    </message>
    <message>
        <source>its file name is not UTF-8 text, so the editor cannot open it: rename it in a file manager.</source>
        <translation>il suo nome file non è testo UTF-8, quindi l&apos;editor non può aprirlo: rinominalo in un file manager.</translation>
    </message>
    <message>
        <source>A preset needs a name.</source>
        <translation>Un preset ha bisogno di un nome.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file name: a preset stays in its folder.</source>
        <translation>&quot;%1&quot; non è un nome di file: un preset resta nella sua cartella.</translation>
    </message>
    <message>
        <source>A preset named &quot;%1&quot; exists already.</source>
        <translation>Esiste già un preset chiamato &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>An impulse response named &quot;%1&quot; exists already.</source>
        <translation>Esiste già una risposta all&apos;impulso chiamata &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>No pedal found. Check the USB cable, or open Connection &gt; Diagnose.</source>
        <translation>Nessun pedale trovato. Controlla il cavo USB, oppure apri Connessione &gt; Diagnosi.</translation>
    </message>
    <message>
        <source>The pedal&apos;s USB connection did not respond. Unplug the pedal, plug it in again and choose Connect.</source>
        <translation>La connessione USB del pedale non ha risposto. Scollega il pedale, ricollegalo e scegli «Connetti».</translation>
    </message>
    <message>
        <source>The pedal did not answer. Check that it is powered and connected, then try again. A pedal powered up with the footswitch held is in its bootloader: tick Connection &gt; Upgrade Mode to upgrade its firmware.</source>
        <translation>Il pedale non ha risposto. Controlla che sia alimentato e collegato, poi riprova. Un pedale acceso con il footswitch premuto è nel suo bootloader: spunta Connessione &gt; Modalità aggiornamento per aggiornarne il firmware.</translation>
    </message>
    <message>
        <source>The pedal&apos;s answer could not be read. Try again; if it happens again, power the pedal off and on.</source>
        <translation>Non è stato possibile leggere la risposta del pedale. Riprova; se succede di nuovo, spegni e riaccendi il pedale.</translation>
    </message>
    <message>
        <source>The pedal did not answer as its bootloader, so the editor stays connected to its firmware. To upgrade it, power the pedal up with the footswitch held, then tick Upgrade Mode again.</source>
        <translation>Il pedale non ha risposto come il suo bootloader, quindi l&apos;editor resta connesso al suo firmware. Per aggiornarlo, accendi il pedale tenendo premuto il footswitch, poi spunta di nuovo «Modalità aggiornamento».</translation>
    </message>
    <message>
        <source>The firmware upgrade did not finish. Keep the pedal connected and start the upgrade again.</source>
        <translation>L&apos;aggiornamento del firmware non è stato completato. Tieni il pedale collegato e avvia di nuovo l&apos;aggiornamento.</translation>
    </message>
    <message>
        <source>Upgrade Mode changes only while the pedal is not connected.</source>
        <translation>La modalità aggiornamento cambia solo mentre il pedale non è connesso.</translation>
    </message>
    <message>
        <source>The values are for %1 controls, the running effect has %2.</source>
        <translation>I valori sono per %1 controlli, l&apos;effetto in esecuzione ne ha %2.</translation>
    </message>
    <message>
        <source>that it runs no effect</source>
        <translation>che non esegue alcun effetto</translation>
    </message>
    <message>
        <source>The firmware upgrade needs the pedal&apos;s bootloader: tick Upgrade Mode, power the pedal up with the footswitch held and connect again.</source>
        <translation>L&apos;aggiornamento del firmware richiede il bootloader del pedale: spunta «Modalità aggiornamento», accendi il pedale tenendo premuto il footswitch e connettiti di nuovo.</translation>
    </message>
    <message>
        <source>The pedal is not connected. Choose Connection &gt; Connect first.</source>
        <translation>Il pedale non è connesso. Scegli prima Connessione &gt; Connetti.</translation>
    </message>
    <message>
        <source>The pedal is in its bootloader, which only takes a firmware upgrade. Start the upgrade, or disconnect and power the pedal up without holding the footswitch.</source>
        <translation>Il pedale è nel suo bootloader, che accetta solo un aggiornamento del firmware. Avvia l&apos;aggiornamento, oppure disconnettiti e accendi il pedale senza tenere premuto il footswitch.</translation>
    </message>
    <message>
        <source>The firmware upgrade is running; wait for it to end.</source>
        <translation>L&apos;aggiornamento del firmware è in corso; attendi che finisca.</translation>
    </message>
    <message>
        <source>The pedal runs no effect yet. Choose an effect in the list and click Upload Selected Effect to put one on it.</source>
        <translation>Il pedale non esegue ancora alcun effetto. Scegli un effetto nell&apos;elenco e fai clic su «Carica effetto selezionato» per installarne uno.</translation>
    </message>
    <message>
        <source>The editor does not know the pedal&apos;s effect yet: click Open FX first.</source>
        <translation>L&apos;editor non conosce ancora l&apos;effetto del pedale: fai prima clic su «Apri FX».</translation>
    </message>
    <message>
        <source>The editor has not read the pedal&apos;s assignments yet: click Request first.</source>
        <translation>L&apos;editor non ha ancora letto le assegnazioni del pedale: fai prima clic su «Richiedi».</translation>
    </message>
    <message>
        <source>The pedal reports effect number %1, which this editor&apos;s effect list does not hold. Upload an effect from the list to replace it.</source>
        <translation>Il pedale indica l&apos;effetto numero %1, che l&apos;elenco degli effetti di questo editor non contiene. Carica un effetto dall&apos;elenco per sostituirlo.</translation>
    </message>
    <message>
        <source>The upload of %1 failed: the pedal now reports %2. Upload it again.</source>
        <translation>Il caricamento di %1 non è riuscito: ora il pedale indica %2. Caricalo di nuovo.</translation>
    </message>
    <message>
        <source>The image of &quot;%1&quot; holds &quot;%2&quot; as the address of control %3, which is not a parameter address.</source>
        <translation>L&apos;immagine di &quot;%1&quot; contiene &quot;%2&quot; come indirizzo del controllo %3, che non è un indirizzo di parametro.</translation>
    </message>
    <message>
        <source>The running effect has no control %1.</source>
        <translation>L&apos;effetto in esecuzione non ha un controllo %1.</translation>
    </message>
    <message>
        <source>The preset is for effect %1, but the pedal runs effect %2 &quot;%3&quot;: upload that effect first.</source>
        <translation>Il preset è per l&apos;effetto %1, ma il pedale esegue l&apos;effetto %2 &quot;%3&quot;: carica prima quell&apos;effetto.</translation>
    </message>
    <message>
        <source>The preset holds %1 controls, but &quot;%2&quot; has %3: it was not loaded.</source>
        <translation>Il preset contiene %1 controlli, ma &quot;%2&quot; ne ha %3: non è stato caricato.</translation>
    </message>
    <message>
        <source>the editor has not read the running effect&apos;s values: click Request first.</source>
        <translation>l&apos;editor non ha letto i valori dell&apos;effetto in esecuzione: fai prima clic su «Richiedi».</translation>
    </message>
    <message>
        <source>the pedal is not connected.</source>
        <translation>il pedale non è connesso.</translation>
    </message>
    <message>
        <source>the pedal runs another effect.</source>
        <translation>il pedale esegue un altro effetto.</translation>
    </message>
    <message>
        <source>The pedal answered &quot;%1&quot;, but nothing shows that it took the image: it reports the same effect with the same values as before the upload. Upload it again if it does not sound new.</source>
        <translation>Il pedale ha risposto &quot;%1&quot;, ma nulla mostra che abbia preso l&apos;immagine: indica lo stesso effetto con gli stessi valori di prima del caricamento. Caricalo di nuovo se non suona diverso.</translation>
    </message>
    <message>
        <source>Compare is on: the pedal plays the sound as stored. Click Compare to go back to your edits first.</source>
        <translation>Il confronto è attivo: il pedale suona il suono memorizzato. Fai prima clic su Confronta per tornare alle tue modifiche.</translation>
    </message>
    <message>
        <source>There is no stored sound to compare with yet: click Request first.</source>
        <translation>Non c&apos;è ancora un suono memorizzato con cui confrontare: fai prima clic su Richiedi.</translation>
    </message>
    <message>
        <source>The image of &quot;%1&quot; cannot be read: %2</source>
        <translation>Impossibile leggere l&apos;immagine di &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>kx::ConnectionDoctor</name>
    <message>
        <source>Connection Doctor</source>
        <translation>Dottore della connessione</translation>
    </message>
    <message>
        <source>Command for a terminal:</source>
        <translation>Comando per un terminale:</translation>
    </message>
    <message>
        <source>&amp;Allow access…</source>
        <translation>Consenti &amp;accesso…</translation>
    </message>
    <message>
        <source>The rule is installed. If the pedal is still refused, unplug it and plug it in again, then choose Connect.</source>
        <translation>La regola è installata. Se il pedale viene ancora rifiutato, scollegalo e ricollegalo, poi scegli «Connetti».</translation>
    </message>
    <message>
        <source>The rule was not installed (the administrator&apos;s password was not given, or the command failed). You can run the command shown in a terminal instead.</source>
        <translation>La regola non è stata installata (la password dell&apos;amministratore non è stata inserita, oppure il comando non è riuscito). Puoi invece eseguire in un terminale il comando mostrato.</translation>
    </message>
    <message>
        <source>pkexec, which asks for the administrator&apos;s password, is not installed: run the command in a terminal instead.</source>
        <translation>pkexec, che chiede la password dell&apos;amministratore, non è installato: esegui invece il comando in un terminale.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problema</translation>
    </message>
    <message>
        <source>&amp;Copy command</source>
        <translation>&amp;Copia comando</translation>
    </message>
    <message>
        <source>&amp;Diagnose again</source>
        <translation>&amp;Diagnostica di nuovo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>No command is needed.</source>
        <translation>Non serve alcun comando.</translation>
    </message>
    <message>
        <source>Command for a terminal</source>
        <translation>Comando per un terminale</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>Copia comando</translation>
    </message>
    <message>
        <source>Allow access</source>
        <translation>Consenti accesso</translation>
    </message>
    <message>
        <source>Installs the editor&apos;s udev rule with the administrator&apos;s password</source>
        <translation>Installa la regola udev dell&apos;editor con la password dell&apos;amministratore</translation>
    </message>
    <message>
        <source>Diagnose again</source>
        <translation>Diagnostica di nuovo</translation>
    </message>
    <message>
        <source>The editor is connected to %1.</source>
        <translation>L&apos;editor è connesso a %1.</translation>
    </message>
    <message>
        <source>&lt;br&gt;&lt;i&gt;What to do:&lt;/i&gt; %1</source>
        <translation>&lt;br&gt;&lt;i&gt;Cosa fare:&lt;/i&gt; %1</translation>
    </message>
</context>
<context>
    <name>kx::TformAbout</name>
    <message>
        <source>Library</source>
        <translation>Libreria</translation>
    </message>
    <message>
        <source>Used for</source>
        <translation>Usata per</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licenza</translation>
    </message>
    <message>
        <source>Copyright file</source>
        <translation>File del copyright</translation>
    </message>
    <message>
        <source>The license texts named here are in /usr/share/common-licenses. The system libraries that these load in turn (fonts, images, the audio codecs of libsndfile) come with your system, each with its own copyright file.</source>
        <translation>I testi delle licenze qui citate si trovano in /usr/share/common-licenses. Le librerie di sistema che queste caricano a loro volta (caratteri, immagini, i codec audio di libsndfile) sono fornite con il tuo sistema, ciascuna con il proprio file del copyright.</translation>
    </message>
    <message>
        <source>About Kestrel X Editor</source>
        <translation>Informazioni su Kestrel X Editor</translation>
    </message>
    <message>
        <source>Kestrel X Editor</source>
        <translation>Kestrel X Editor</translation>
    </message>
    <message>
        <source>Libraries and licenses:</source>
        <translation>Librerie e licenze:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Version %1, built on %2
Qt %3 (built with Qt %4), QCoro %5
For the Kestrel X pedal by NORVA.</source>
        <translation>Versione %1, compilata il %2
Qt %3 (compilata con Qt %4), QCoro %5
Per il pedale Kestrel X di NORVA.</translation>
    </message>
</context>
<context>
    <name>kx::TformAssignmentMap</name>
    <message>
        <source>Open an effect (Open FX, or click it in the list) to see what the pedal&apos;s controls drive.</source>
        <translation>Apri un effetto («Apri FX», oppure fai clic su di esso nell&apos;elenco) per vedere cosa comandano i controlli del pedale.</translation>
    </message>
    <message>
        <source>This effect does not run on the pedal: its assignments can be seen but not changed.</source>
        <translation>Questo effetto non è in esecuzione sul pedale: le sue assegnazioni si possono vedere ma non cambiare.</translation>
    </message>
    <message>
        <source>A change here is sent to the pedal at once, like the parameters window&apos;s boxes and Assign.</source>
        <translation>Una modifica qui viene inviata subito al pedale, come le caselle della finestra dei parametri e «Assegna».</translation>
    </message>
    <message>
        <source>Shared: %1 follow this one control.</source>
        <translation>Condiviso: %1 seguono questo unico comando.</translation>
    </message>
    <message>
        <source>Knobs</source>
        <translation>Manopole</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Pulsanti</translation>
    </message>
    <message>
        <source>Footswitch</source>
        <translation>Footswitch</translation>
    </message>
    <message>
        <source>Remote and expression pedal</source>
        <translation>Telecomando e pedale d&apos;espressione</translation>
    </message>
    <message>
        <source>Lights</source>
        <translation>Spie</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>No effect open</source>
        <translation>Nessun effetto aperto</translation>
    </message>
    <message>
        <source>Assignment Map</source>
        <translation>Mappa delle assegnazioni</translation>
    </message>
</context>
<context>
    <name>kx::TformFXInfo</name>
    <message>
        <source>Effect information page</source>
        <translation>Pagina delle informazioni sull&apos;effetto</translation>
    </message>
</context>
<context>
    <name>kx::TformFXParameters</name>
    <message>
        <source>FX Parameters</source>
        <translation>Parametri FX</translation>
    </message>
    <message>
        <source>not assignable</source>
        <translation>non assegnabile</translation>
    </message>
    <message>
        <source>The pedal&apos;s controls can drive the first 16 controls of an effect only</source>
        <translation>I comandi del pedale possono pilotare solo i primi 16 controlli di un effetto</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valore</translation>
    </message>
    <message>
        <source>Pedal control</source>
        <translation>Comando</translation>
    </message>
    <message>
        <source>%1 value</source>
        <translation>Valore di %1</translation>
    </message>
    <message>
        <source>%1 assignment</source>
        <translation>Assegnazione di %1</translation>
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
        <translation>Righe</translation>
    </message>
    <message>
        <source>The parameters window has no pedal link.</source>
        <translation>La finestra dei parametri non ha un collegamento al pedale.</translation>
    </message>
    <message>
        <source>Control %1 is not a pot.</source>
        <translation>Il controllo %1 non è un potenziometro.</translation>
    </message>
    <message>
        <source>Control %1 is not a switch.</source>
        <translation>Il controllo %1 non è un interruttore.</translation>
    </message>
    <message>
        <source>Control %1 is not a multi switch.</source>
        <translation>Il controllo %1 non è un selettore.</translation>
    </message>
    <message>
        <source>The assignments can be changed once the pedal runs the effect and its settings have been read.</source>
        <translation>Le assegnazioni si possono cambiare una volta che il pedale esegue l&apos;effetto e le sue impostazioni sono state lette.</translation>
    </message>
    <message>
        <source>%1 unassigned</source>
        <translation>%1 non assegnato</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 su %2</translation>
    </message>
    <message>
        <source>Preset change</source>
        <translation>Cambio preset</translation>
    </message>
    <message>
        <source>Assign parameters?</source>
        <translation>Assegnare i parametri?</translation>
    </message>
    <message>
        <source>Bypass Toggle</source>
        <translation>Commutazione bypass</translation>
    </message>
    <message>
        <source>Preset Change</source>
        <translation>Cambio preset</translation>
    </message>
    <message>
        <source>Preview only</source>
        <translation>Solo anteprima</translation>
    </message>
    <message>
        <source>Playing: the preset</source>
        <translation>In riproduzione: il preset</translation>
    </message>
    <message>
        <source>Playing: stored sound</source>
        <translation>In riproduzione: suono memorizzato</translation>
    </message>
    <message>
        <source>Playing: your edits</source>
        <translation>In riproduzione: le tue modifiche</translation>
    </message>
    <message>
        <source>Compare needs the running effect&apos;s values read first.</source>
        <translation>Per confrontare bisogna prima leggere i valori dell&apos;effetto in esecuzione.</translation>
    </message>
    <message>
        <source>The pedal plays the sound as stored, to compare. Go back to your edits and make this change there, or keep the stored sound and change it (your edits are let go)?</source>
        <translation>Il pedale suona il suono memorizzato, per il confronto. Tornare alle tue modifiche e fare lì questa modifica, oppure tenere il suono memorizzato e modificarlo (le tue modifiche vengono scartate)?</translation>
    </message>
    <message>
        <source>Back to my edits</source>
        <translation>Torna alle mie modifiche</translation>
    </message>
    <message>
        <source>Keep the stored sound</source>
        <translation>Tieni il suono memorizzato</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>The reset needs the running effect&apos;s values read first.</source>
        <translation>Per il ripristino bisogna prima leggere i valori dell&apos;effetto in esecuzione.</translation>
    </message>
    <message>
        <source>The pedal plays the sound as stored, to compare. Go back to your edits and reset them, or reset from the stored sound (your edits are let go)?</source>
        <translation>Il pedale suona il suono memorizzato, per il confronto. Tornare alle tue modifiche e ripristinarle, oppure ripristinare a partire dal suono memorizzato (le tue modifiche vengono scartate)?</translation>
    </message>
    <message>
        <source>Reset to the effect&apos;s values</source>
        <translation>Ripristina i valori dell&apos;effetto</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Confronta</translation>
    </message>
    <message>
        <source>Switch the pedal between your edits and the sound as stored on the pedal or loaded from a preset (Ctrl+K)</source>
        <translation>Passa il pedale dalle tue modifiche al suono memorizzato nel pedale o caricato da un preset, e viceversa (Ctrl+K)</translation>
    </message>
</context>
<context>
    <name>kx::TformFirmwareUpgrade</name>
    <message>
        <source>Firmware Upgrade</source>
        <translation>Aggiornamento firmware</translation>
    </message>
    <message>
        <source>Upgrade Firmware</source>
        <translation>Aggiorna firmware</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Cancelling after this chunk</source>
        <translation>Annullamento dopo questo blocco</translation>
    </message>
    <message>
        <source>Choose firmware</source>
        <translation>Scegli il firmware</translation>
    </message>
    <message>
        <source>Resynchronising…</source>
        <translation>Risincronizzazione…</translation>
    </message>
    <message>
        <source>Erasing…</source>
        <translation>Cancellazione…</translation>
    </message>
    <message>
        <source>Writing record…</source>
        <translation>Scrittura del record…</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Avvio…</translation>
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
        <translation>Interrompe l&apos;aggiornamento dopo il blocco in scrittura</translation>
    </message>
    <message>
        <source>Upgrade progress</source>
        <translation>Avanzamento dell&apos;aggiornamento</translation>
    </message>
    <message>
        <source>Not started</source>
        <translation>Non avviato</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annullato</translation>
    </message>
    <message>
        <source>Upgrade failed</source>
        <translation>Aggiornamento non riuscito</translation>
    </message>
    <message>
        <source>Chunk %1 failed</source>
        <translation>Blocco %1 non riuscito</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Chunk %1 of %2</source>
        <translation>Blocco %1 di %2</translation>
    </message>
    <message>
        <source>Firmware Upgrade Complete, device will now restart</source>
        <translation>Aggiornamento firmware completato, il dispositivo ora si riavvia</translation>
    </message>
    <message>
        <source>Upgrade the pedal to %1? Do not unplug the pedal or switch it off until &quot;Firmware Upgrade Complete&quot; appears.</source>
        <translation>Aggiornare il pedale a %1? Non scollegare il pedale e non spegnerlo finché non appare «Aggiornamento firmware completato».</translation>
    </message>
    <message>
        <source>To start the pedal in its bootloader, unplug it, then plug it in again while holding its footswitch down, and connect with Upgrade Mode ticked.</source>
        <translation>Per avviare il pedale nel suo bootloader, scollegalo, poi ricollegalo tenendo premuto il footswitch, e connettiti con «Modalità aggiornamento» spuntata.</translation>
    </message>
</context>
<context>
    <name>kx::TformGuide</name>
    <message>
        <source>Kestrel X Editor User Guide</source>
        <translation>Guida utente di Kestrel X Editor</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>Indie&amp;tro</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Avanti</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Guida utente</translation>
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
        <translation>Come caricare una risposta all&apos;impulso:</translation>
    </message>
    <message>
        <source>1) Select an IR load algorithm in Impulse Response category</source>
        <translation>1) Seleziona un algoritmo di caricamento IR nella categoria Impulse Response</translation>
    </message>
    <message>
        <source>2) Go to File and click Load IR, choose the desired WAV file</source>
        <translation>2) Vai in File e fai clic su Carica IR, scegli il file WAV desiderato</translation>
    </message>
    <message>
        <source>3) Click UPLOAD SELECTED EFFECT button</source>
        <translation>3) Fai clic sul pulsante CARICA EFFETTO SELEZIONATO</translation>
    </message>
    <message>
        <source>Waveform of the loaded samples</source>
        <translation>Forma d&apos;onda dei campioni caricati</translation>
    </message>
    <message>
        <source>Magnitude response of the loaded samples</source>
        <translation>Risposta in ampiezza dei campioni caricati</translation>
    </message>
    <message>
        <source>Load IR</source>
        <translation>Carica IR</translation>
    </message>
    <message>
        <source>Waveform at %1 kHz: the first %2 samples (%3 ms) are loaded</source>
        <translation>Forma d&apos;onda a %1 kHz: vengono caricati i primi %2 campioni (%3 ms)</translation>
    </message>
    <message>
        <source>Nothing loaded yet</source>
        <translation>Ancora nulla di caricato</translation>
    </message>
    <message>
        <source>loaded</source>
        <translation>caricato</translation>
    </message>
    <message>
        <source>not loaded</source>
        <translation>non caricato</translation>
    </message>
    <message>
        <source>&amp;Trim the silence before the first peak</source>
        <translation>&amp;Taglia il silenzio prima del primo picco</translation>
    </message>
    <message>
        <source>&amp;Normalise the peak</source>
        <translation>&amp;Normalizza il picco</translation>
    </message>
    <message>
        <source>Peak level (dB):</source>
        <translation>Livello del picco (dB):</translation>
    </message>
    <message>
        <source>&amp;Fade out before the cut</source>
        <translation>&amp;Dissolvenza in uscita prima del taglio</translation>
    </message>
    <message>
        <source>Fade length (ms):</source>
        <translation>Durata della dissolvenza (ms):</translation>
    </message>
    <message>
        <source>Import &amp;again with these tools</source>
        <translation>Importa di nuovo con questi &amp;strumenti</translation>
    </message>
    <message>
        <source>Last imports for this effect (kept after a restart):</source>
        <translation>Ultime importazioni per questo effetto (conservate dopo un riavvio):</translation>
    </message>
    <message>
        <source>&amp;Use this import</source>
        <translation>&amp;Usa questa importazione</translation>
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
        <translation>tagliata</translation>
    </message>
    <message>
        <source>normalised to %1 dB</source>
        <translation>normalizzata a %1 dB</translation>
    </message>
    <message>
        <source>faded over %1 ms</source>
        <translation>dissolvenza su %1 ms</translation>
    </message>
    <message>
        <source>Peak level (dB)</source>
        <translation>Livello del picco (dB)</translation>
    </message>
    <message>
        <source>Fade length (ms)</source>
        <translation>Durata della dissolvenza (ms)</translation>
    </message>
    <message>
        <source>Last imports for this effect</source>
        <translation>Ultime importazioni per questo effetto</translation>
    </message>
</context>
<context>
    <name>kx::TformMain</name>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Sistema</translation>
    </message>
    <message>
        <source>The option --port needs a port path.</source>
        <translation>L&apos;opzione --port richiede il percorso di una porta.</translation>
    </message>
    <message>
        <source>The editor&apos;s settings were not read: %1 The file is set aside as %2; the defaults are used.</source>
        <translation>Le impostazioni dell&apos;editor non sono state lette: %1 Il file viene messo da parte come %2; si usano i valori predefiniti.</translation>
    </message>
    <message>
        <source>The editor&apos;s settings were not read: %1 It could not be set aside (%2); the defaults are used and nothing is remembered.</source>
        <translation>Le impostazioni dell&apos;editor non sono state lette: %1 Non è stato possibile metterlo da parte (%2); si usano i valori predefiniti e non viene memorizzato nulla.</translation>
    </message>
    <message>
        <source>Kestrel X Editor</source>
        <translation>Kestrel X Editor</translation>
    </message>
    <message>
        <source>Device Name: </source>
        <translation>Nome dispositivo: </translation>
    </message>
    <message>
        <source>The built-in virtual pedal runs its firmware. Restart it in its bootloader, as a pedal powered up with its footswitch held, so that you can try the whole upgrade?</source>
        <translation>Il pedale virtuale integrato esegue il suo firmware. Riavviarlo nel suo bootloader, come un pedale acceso con il footswitch premuto, così da poter provare l&apos;intero aggiornamento?</translation>
    </message>
    <message>
        <source>Restart in bootloader</source>
        <translation>Riavvia nel bootloader</translation>
    </message>
    <message>
        <source>Leave it running</source>
        <translation>Lascialo in esecuzione</translation>
    </message>
    <message>
        <source>Serial Number: </source>
        <translation>Numero di serie: </translation>
    </message>
    <message>
        <source>Firmware Version: </source>
        <translation>Versione firmware: </translation>
    </message>
    <message>
        <source>Upload Selected Effect</source>
        <translation>Carica effetto selezionato</translation>
    </message>
    <message>
        <source>Open FX</source>
        <translation>Apri FX</translation>
    </message>
    <message>
        <source>Request</source>
        <translation>Richiedi</translation>
    </message>
    <message>
        <source>Assign</source>
        <translation>Assegna</translation>
    </message>
    <message>
        <source>Store Settings On Pedal</source>
        <translation>Memorizza impostazioni sul pedale</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>Effect information</source>
        <translation>Informazioni sull&apos;effetto</translation>
    </message>
    <message>
        <source>Effect categories</source>
        <translation>Categorie di effetti</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effetti</translation>
    </message>
    <message>
        <source>Firmware Upgrade Mode</source>
        <translation>Modalità aggiornamento firmware</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barra dei menu</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>L&amp;oad Configuration</source>
        <translation>&amp;Carica configurazione</translation>
    </message>
    <message>
        <source>&amp;Save Configuration</source>
        <translation>&amp;Salva configurazione</translation>
    </message>
    <message>
        <source>Preset &amp;Library…</source>
        <translation>&amp;Libreria preset…</translation>
    </message>
    <message>
        <source>Load &amp;IR</source>
        <translation>Carica &amp;IR</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Connection</source>
        <translation>&amp;Connessione</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation>&amp;Cerca</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>C&amp;onnetti</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Disconnetti</translation>
    </message>
    <message>
        <source>Dia&amp;gnose…</source>
        <translation>Dia&amp;gnosi…</translation>
    </message>
    <message>
        <source>Connect Auto&amp;matically</source>
        <translation>Connetti &amp;automaticamente</translation>
    </message>
    <message>
        <source>&amp;Upload Selected Effect</source>
        <translation>Carica &amp;effetto selezionato</translation>
    </message>
    <message>
        <source>&amp;Open FX</source>
        <translation>Apri F&amp;X</translation>
    </message>
    <message>
        <source>&amp;Request</source>
        <translation>&amp;Richiedi</translation>
    </message>
    <message>
        <source>&amp;Assign</source>
        <translation>A&amp;ssegna</translation>
    </message>
    <message>
        <source>S&amp;tore Settings On Pedal</source>
        <translation>Memorizza impos&amp;tazioni sul pedale</translation>
    </message>
    <message>
        <source>Switch &amp;Window</source>
        <translation>Cambia &amp;finestra</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Impostazioni</translation>
    </message>
    <message>
        <source>&amp;Assignment Map…</source>
        <translation>Ma&amp;ppa delle assegnazioni…</translation>
    </message>
    <message>
        <source>&amp;Follow Pedal</source>
        <translation>&amp;Segui il pedale</translation>
    </message>
    <message>
        <source>Show the pedal&apos;s knobs in the parameters window as they are turned</source>
        <translation>Mostra le manopole del pedale nella finestra dei parametri mentre vengono girate</translation>
    </message>
    <message>
        <source>&amp;Look</source>
        <translation>&amp;Aspetto</translation>
    </message>
    <message>
        <source>La&amp;nguage</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>&amp;MIDI</source>
        <translation>&amp;MIDI</translation>
    </message>
    <message>
        <source>&amp;Channel</source>
        <translation>&amp;Canale</translation>
    </message>
    <message>
        <source>F&amp;irmware Upgrade</source>
        <translation>Aggiornamento fi&amp;rmware</translation>
    </message>
    <message>
        <source>&amp;Upgrade Mode</source>
        <translation>Modalità &amp;aggiornamento</translation>
    </message>
    <message>
        <source>&amp;Start Firmware Upgrade</source>
        <translation>Avvia aggiornamento &amp;firmware</translation>
    </message>
    <message>
        <source>I&amp;nfo</source>
        <translation>I&amp;nfo</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>&amp;Supporto</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Versione: </translation>
    </message>
    <message>
        <source>New version available:</source>
        <translation>Nuova versione disponibile:</translation>
    </message>
    <message>
        <source>Device Serial: </source>
        <translation>Numero di serie del dispositivo: </translation>
    </message>
    <message>
        <source>&amp;Update Now</source>
        <translation>&amp;Aggiorna ora</translation>
    </message>
    <message>
        <source>Show Update &amp;Message</source>
        <translation>Mostra &amp;messaggio di aggiornamento</translation>
    </message>
    <message>
        <source>Upload the selected effect, &quot;%1&quot;?</source>
        <translation>Caricare l&apos;effetto selezionato, &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Upload the selected effect, &quot;%1&quot;, with the impulse response &quot;%2&quot;?</source>
        <translation>Caricare l&apos;effetto selezionato, &quot;%1&quot;, con la risposta all&apos;impulso &quot;%2&quot;?</translation>
    </message>
    <message>
        <source>Status: </source>
        <translation>Stato: </translation>
    </message>
    <message>
        <source>Choose an effect in the list first, then upload it.</source>
        <translation>Scegli prima un effetto nell&apos;elenco, poi caricalo.</translation>
    </message>
    <message>
        <source>Settings stored on the pedal</source>
        <translation>Impostazioni memorizzate sul pedale</translation>
    </message>
    <message>
        <source>The settings were not stored: </source>
        <translation>Le impostazioni non sono state memorizzate: </translation>
    </message>
    <message>
        <source>Assignments sent to the pedal</source>
        <translation>Assegnazioni inviate al pedale</translation>
    </message>
    <message>
        <source>The assignments were not sent: </source>
        <translation>Le assegnazioni non sono state inviate: </translation>
    </message>
    <message>
        <source>MIDI channel set to %1</source>
        <translation>Canale MIDI impostato su %1</translation>
    </message>
    <message>
        <source>The MIDI channel was not set to %1: </source>
        <translation>Il canale MIDI non è stato impostato su %1: </translation>
    </message>
    <message>
        <source>Impulse Response: choose an effect, then File &gt; Load IR (Ctrl+I) and Upload (Ctrl+U). Load IR shows how.</source>
        <translation>Impulse Response: scegli un effetto, poi File &gt; Carica IR (Ctrl+I) e Carica (Ctrl+U). Carica IR mostra come fare.</translation>
    </message>
    <message>
        <source>the virtual pedal</source>
        <translation>il pedale virtuale</translation>
    </message>
    <message>
        <source>A WAV file goes into an impulse response effect. Choose one of these in the &quot;Impulse Response&quot; category first, then drop the file again: %1.</source>
        <translation>Un file WAV va in un effetto a risposta all&apos;impulso. Scegline prima uno nella categoria &quot;Impulse Response&quot;, poi trascina di nuovo il file: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a preset (.txt) nor a WAV file (.wav): nothing was loaded.</source>
        <translation>&quot;%1&quot; non è né un preset (.txt) né un file WAV (.wav): non è stato caricato nulla.</translation>
    </message>
    <message>
        <source>Drop one file at a time: %1 files were dropped.</source>
        <translation>Trascina un file alla volta: sono stati trascinati %1 file.</translation>
    </message>
    <message>
        <source>Unstored edits — </source>
        <translation>Modifiche non memorizzate — </translation>
    </message>
    <message>
        <source>Your edits to &quot;%1&quot; are neither stored on the pedal nor saved in a preset. Store them on the pedal, save them as a preset, or discard them?</source>
        <translation>Le tue modifiche a &quot;%1&quot; non sono né memorizzate sul pedale né salvate in un preset. Memorizzarle sul pedale, salvarle come preset o scartarle?</translation>
    </message>
    <message>
        <source>Store on the pedal</source>
        <translation>Memorizza sul pedale</translation>
    </message>
    <message>
        <source>Save as preset…</source>
        <translation>Salva come preset…</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Scarta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>%1 information</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>Follow Pedal is off: </source>
        <translation>Segui il pedale è disattivato: </translation>
    </message>
    <message>
        <source>the parameters window was closed.</source>
        <translation>la finestra dei parametri è stata chiusa.</translation>
    </message>
    <message>
        <source>the parameters window shows another effect.</source>
        <translation>la finestra dei parametri mostra un altro effetto.</translation>
    </message>
    <message>
        <source>The pedal was unplugged.</source>
        <translation>Il pedale è stato scollegato.</translation>
    </message>
    <message>
        <source> It connects again when it is plugged back in.</source>
        <translation> Si riconnette quando viene ricollegato.</translation>
    </message>
    <message>
        <source> Plug it in again and choose Connection &gt; Connect.</source>
        <translation> Ricollegalo e scegli Connessione &gt; Connetti.</translation>
    </message>
    <message>
        <source> Follow Pedal is off.</source>
        <translation> Segui il pedale è disattivato.</translation>
    </message>
    <message>
        <source>Another pedal is attached. Store or save the edits first, then choose Connect to use it.</source>
        <translation>È collegato un altro pedale. Memorizza o salva prima le modifiche, poi scegli «Connetti» per usarlo.</translation>
    </message>
    <message>
        <source>A pedal was plugged in. The editor stays with the virtual pedal, whose edits are not stored: store or save them, then choose Connection &gt; Disconnect and Connect.</source>
        <translation>È stato collegato un pedale. L&apos;editor resta sul pedale virtuale, le cui modifiche non sono memorizzate: memorizzale o salvale, poi scegli Connessione &gt; Disconnetti e Connetti.</translation>
    </message>
    <message>
        <source>Error loading file: </source>
        <translation>Errore nel caricamento del file: </translation>
    </message>
    <message>
        <source>The device at %1 did not answer as a Kestrel X, so the editor let it go. If it is the pedal, check that it is powered, then choose Connect.</source>
        <translation>Il dispositivo su %1 non ha risposto come un Kestrel X, quindi l&apos;editor l&apos;ha lasciato. Se è il pedale, controlla che sia alimentato, poi scegli «Connetti».</translation>
    </message>
    <message>
        <source>Save Preset File</source>
        <translation>Salva file preset</translation>
    </message>
    <message>
        <source>Open Preset File</source>
        <translation>Apri file preset</translation>
    </message>
    <message>
        <source>Preset files (*.txt)</source>
        <translation>File preset (*.txt)</translation>
    </message>
    <message>
        <source>File saved successfully: </source>
        <translation>File salvato correttamente: </translation>
    </message>
    <message>
        <source>File loaded successfully: </source>
        <translation>File caricato correttamente: </translation>
    </message>
    <message>
        <source>There is no open effect to save: click Open FX, then Request, and save again.</source>
        <translation>Non c&apos;è nessun effetto aperto da salvare: fai clic su «Apri FX», poi su «Richiedi», e salva di nuovo.</translation>
    </message>
    <message>
        <source>There is no open effect to load the preset into: click Open FX, or an effect in the list, and load again.</source>
        <translation>Non c&apos;è nessun effetto aperto in cui caricare il preset: fai clic su «Apri FX» o su un effetto dell&apos;elenco, e carica di nuovo.</translation>
    </message>
    <message>
        <source>The values of &quot;%1&quot; have not been read yet: click Request, or load a preset, and save again.</source>
        <translation>I valori di &quot;%1&quot; non sono ancora stati letti: fai clic su «Richiedi», oppure carica un preset, e salva di nuovo.</translation>
    </message>
    <message>
        <source>This preset holds %1 controls, but the open effect &quot;%2&quot; has %3: it was not loaded.</source>
        <translation>Questo preset contiene %1 controlli, ma l&apos;effetto aperto &quot;%2&quot; ne ha %3: non è stato caricato.</translation>
    </message>
    <message>
        <source>This preset was saved for %1, not for the open effect &quot;%2&quot;. Load its values into &quot;%2&quot;?</source>
        <translation>Questo preset è stato salvato per %1, non per l&apos;effetto aperto &quot;%2&quot;. Caricarne i valori in &quot;%2&quot;?</translation>
    </message>
    <message>
        <source>This preset is for %1, not for the open effect &quot;%2&quot;: it was not loaded. Connect the pedal to upload %3 and apply this preset.</source>
        <translation>Questo preset è per %1, non per l&apos;effetto aperto &quot;%2&quot;: non è stato caricato. Connetti il pedale per caricare %3 e applicare questo preset.</translation>
    </message>
    <message>
        <source>This preset is for %1, but the pedal runs %2.

Upload %3 and apply this preset?</source>
        <translation>Questo preset è per %1, ma il pedale esegue %2.

Caricare %3 e applicare questo preset?</translation>
    </message>
    <message>
        <source>no effect</source>
        <translation>nessun effetto</translation>
    </message>
    <message>
        <source>This preset holds %1 controls, but %2 has %3: it was not loaded.</source>
        <translation>Questo preset contiene %1 controlli, ma %2 ne ha %3: non è stato caricato.</translation>
    </message>
    <message>
        <source>effect %1, which the effect list does not hold</source>
        <translation>effetto %1, che l&apos;elenco degli effetti non contiene</translation>
    </message>
    <message>
        <source>No update available</source>
        <translation>Nessun aggiornamento disponibile</translation>
    </message>
    <message>
        <source>The version check is turned off for this run (the update server is &quot;off&quot;).</source>
        <translation>Il controllo della versione è disattivato per questa esecuzione (il server degli aggiornamenti è &quot;off&quot;).</translation>
    </message>
    <message>
        <source>No update server is set for this build of the Kestrel X Editor, so it cannot check for updates. To check one, start the editor with KX_UPDATE_SERVER set to the server&apos;s address (for example KX_UPDATE_SERVER=https://updates.example.org ./run.sh).</source>
        <translation>Per questa build del Kestrel X Editor non è impostato alcun server degli aggiornamenti, quindi non può cercare aggiornamenti. Per farlo, avvia l&apos;editor con KX_UPDATE_SERVER impostato sull&apos;indirizzo del server (per esempio KX_UPDATE_SERVER=https://updates.example.org ./run.sh).</translation>
    </message>
    <message>
        <source>This is the newest version of the Kestrel X Editor (%1).</source>
        <translation>Questa è la versione più recente del Kestrel X Editor (%1).</translation>
    </message>
    <message>
        <source>the Documents folder cannot be found</source>
        <translation>la cartella Documenti non si trova</translation>
    </message>
    <message>
        <source>Error: the look file %1 holds &quot;%2&quot;, which is not a whole number; look 0 is used.</source>
        <translation>Errore: il file dell&apos;aspetto %1 contiene &quot;%2&quot;, che non è un numero intero; si usa l&apos;aspetto 0.</translation>
    </message>
    <message>
        <source>Error creating folder: </source>
        <translation>Errore nella creazione della cartella: </translation>
    </message>
    <message>
        <source>Error creating subfolder: </source>
        <translation>Errore nella creazione della sottocartella: </translation>
    </message>
    <message>
        <source>Error saving file: </source>
        <translation>Errore nel salvataggio del file: </translation>
    </message>
    <message>
        <source>Dark &amp;Red</source>
        <translation>Scuro &amp;rosso</translation>
    </message>
    <message>
        <source>Dark &amp;Orange</source>
        <translation>Scuro &amp;arancione</translation>
    </message>
    <message>
        <source>Dark &amp;Turquoise</source>
        <translation>Scuro &amp;turchese</translation>
    </message>
    <message>
        <source>Dark &amp;Blue</source>
        <translation>Scuro &amp;blu</translation>
    </message>
    <message>
        <source>&amp;Grey Orange</source>
        <translation>&amp;Grigio arancione</translation>
    </message>
    <message>
        <source>Grey Go&amp;ld</source>
        <translation>Grigio &amp;oro</translation>
    </message>
    <message>
        <source>Light &amp;Cyan</source>
        <translation>Chiaro &amp;ciano</translation>
    </message>
    <message>
        <source>Error: </source>
        <translation>Errore: </translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Confronta</translation>
    </message>
    <message>
        <source>Reset to Effect&apos;s &amp;Values</source>
        <translation>Ripristina i &amp;valori dell&apos;effetto</translation>
    </message>
    <message numerus="yes">
        <source>%n pedals are attached: %1. Choose one under Connection &gt; Pedal.</source>
        <translation>
            <numerusform>%n pedale è collegato: %1. Scegline uno in Connessione &gt; Pedale.</numerusform>
            <numerusform>%n pedali sono collegati: %1. Scegline uno in Connessione &gt; Pedale.</numerusform>
        </translation>
    </message>
    <message>
        <source>A kept impulse response could not be read and was set aside: %1</source>
        <translation>Una risposta all&apos;impulso conservata non si è potuta leggere ed è stata messa da parte: %1</translation>
    </message>
    <message>
        <source>No impulse response has been loaded for &quot;%1&quot; since the editor started. Upload it with the last one imported, &quot;%2&quot; (%3)?</source>
        <translation>Dall&apos;avvio dell&apos;editor non è stata caricata alcuna risposta all&apos;impulso per &quot;%1&quot;. Caricarlo con l&apos;ultima importata, &quot;%2&quot; (%3)?</translation>
    </message>
    <message>
        <source>Kept import: %1, the same coefficients as when it was made</source>
        <translation>Importazione conservata: %1, gli stessi coefficienti di quando è stata creata</translation>
    </message>
    <message>
        <source>Its impulse response &quot;%1&quot; is saved beside it: %2</source>
        <translation>La sua risposta all&apos;impulso &quot;%1&quot; è salvata accanto: %2</translation>
    </message>
    <message>
        <source>Its impulse response was not saved: %1</source>
        <translation>La sua risposta all&apos;impulso non è stata salvata: %1</translation>
    </message>
    <message>
        <source>No impulse response has been imported for &quot;%1&quot; yet, so the preset has none beside it. Load one (File &gt; Load IR) and save again to keep it with the preset.</source>
        <translation>Per &quot;%1&quot; non è ancora stata importata alcuna risposta all&apos;impulso, quindi il preset non ne ha una accanto. Caricane una (File &gt; Carica IR) e salva di nuovo per tenerla con il preset.</translation>
    </message>
    <message>
        <source>Its impulse response &quot;%1&quot; is imported: an upload of &quot;%2&quot; sends it.</source>
        <translation>La sua risposta all&apos;impulso &quot;%1&quot; è importata: un caricamento di &quot;%2&quot; la invia.</translation>
    </message>
    <message>
        <source>Its impulse response (%1) is missing: the values are loaded, and &quot;%2&quot; keeps the impulse response it has.</source>
        <translation>La sua risposta all&apos;impulso (%1) manca: i valori sono caricati e &quot;%2&quot; mantiene la risposta all&apos;impulso che ha.</translation>
    </message>
    <message>
        <source>Its impulse response cannot be used: %1. The values are loaded, and &quot;%2&quot; keeps the impulse response it has.</source>
        <translation>La sua risposta all&apos;impulso non si può usare: %1. I valori sono caricati e &quot;%2&quot; mantiene la risposta all&apos;impulso che ha.</translation>
    </message>
    <message>
        <source>&amp;Pedal</source>
        <translation>&amp;Pedale</translation>
    </message>
    <message>
        <source>Pedal</source>
        <translation>Pedale</translation>
    </message>
    <message>
        <source>No pedal attached</source>
        <translation>Nessun pedale collegato</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 su %2</translation>
    </message>
    <message>
        <source> (connected)</source>
        <translation> (connesso)</translation>
    </message>
    <message>
        <source>This preset keeps its impulse response &quot;%2&quot; beside it.

Upload %1 with it and apply this preset?</source>
        <translation>Questo preset tiene accanto a sé la sua risposta all&apos;impulso &quot;%2&quot;.

Caricare %1 con essa e applicare questo preset?</translation>
    </message>
    <message>
        <source>Version %1 of the Kestrel X Editor is available (this is %2). Help &gt; Info &gt; Update Now installs it.</source>
        <translation>È disponibile la versione %1 di Kestrel X Editor (questa è la %2). Aiuto &gt; Info &gt; Aggiorna ora la installa.</translation>
    </message>
</context>
<context>
    <name>kx::TformNewVersionMsg</name>
    <message>
        <source>New Version</source>
        <translation>Nuova versione</translation>
    </message>
    <message>
        <source>A new version of the Kestrel X Editor is available</source>
        <translation>È disponibile una nuova versione del Kestrel X Editor</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Aggiorna ora</translation>
    </message>
    <message>
        <source>What&apos;s New?</source>
        <translation>Novità</translation>
    </message>
    <message>
        <source>Don&apos;t Show This Message Again</source>
        <translation>Non mostrare più questo messaggio</translation>
    </message>
    <message>
        <source>This action will update the Kestrel X Editor to the latest version. Do you want to continue?</source>
        <translation>Questa azione aggiornerà il Kestrel X Editor all&apos;ultima versione. Vuoi continuare?</translation>
    </message>
    <message>
        <source>Failed to launch updater: </source>
        <translation>Impossibile avviare il programma di aggiornamento: </translation>
    </message>
    <message>
        <source>The Kestrel X Editor is updated through your system&apos;s packages, or by downloading the new version from the maker&apos;s site. The page that has just opened tells what is new.</source>
        <translation>Il Kestrel X Editor si aggiorna tramite i pacchetti del tuo sistema, oppure scaricando la nuova versione dal sito del produttore. La pagina appena aperta descrive le novità.</translation>
    </message>
</context>
<context>
    <name>kx::TformPresetLibrary</name>
    <message>
        <source>effect %1, not in this editor&apos;s list</source>
        <translation>effetto %1, non presente nell&apos;elenco di questo editor</translation>
    </message>
    <message>
        <source>The list of recent presets was not read: %1 The file is set aside as %2.</source>
        <translation>L&apos;elenco dei preset recenti non è stato letto: %1 Il file viene messo da parte come %2.</translation>
    </message>
    <message>
        <source>The list of recent presets was not read: %1</source>
        <translation>L&apos;elenco dei preset recenti non è stato letto: %1</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtro:</translation>
    </message>
    <message>
        <source>Name, effect or category</source>
        <translation>Nome, effetto o categoria</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>&amp;Presets in %1:</source>
        <translation>&amp;Preset in %1:</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Preset</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Preset</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>Effetto</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoria</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>&amp;Loaded or saved last:</source>
        <translation>&amp;Ultimi caricati o salvati:</translation>
    </message>
    <message>
        <source>Loaded or saved last</source>
        <translation>Ultimi caricati o salvati</translation>
    </message>
    <message>
        <source>L&amp;oad</source>
        <translation>&amp;Carica</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Rinomina</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source> (no longer there)</source>
        <translation> (non esiste più)</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; was not renamed: %2</source>
        <translation>Il preset &quot;%1&quot; non è stato rinominato: %2</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; was not deleted: %2</source>
        <translation>Il preset &quot;%1&quot; non è stato eliminato: %2</translation>
    </message>
    <message>
        <source>Preset Library</source>
        <translation>Libreria preset</translation>
    </message>
    <message>
        <source>Delete the preset &quot;%1&quot;? The file is removed from the preset folder.</source>
        <translation>Eliminare il preset &quot;%1&quot;? Il file viene rimosso dalla cartella dei preset.</translation>
    </message>
    <message>
        <source>Damaged: %1</source>
        <translation>Danneggiato: %1</translation>
    </message>
    <message>
        <source>Impulse response</source>
        <translation>Risposta all&apos;impulso</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>C&amp;opia</translation>
    </message>
    <message>
        <source>Delete the preset &quot;%1&quot; and its impulse response? Both files are removed from the preset folder.</source>
        <translation>Eliminare il preset &quot;%1&quot; e la sua risposta all&apos;impulso? Entrambi i file vengono rimossi dalla cartella dei preset.</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Mancante</translation>
    </message>
    <message>
        <source>This impulse response effect&apos;s preset has no %1 beside it: its values load, the effect keeps the impulse response it has.</source>
        <translation>Il preset di questo effetto a risposta all&apos;impulso non ha %1 accanto: i suoi valori si caricano, l&apos;effetto mantiene la risposta all&apos;impulso che ha.</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2. The preset&apos;s values still load.</source>
        <translation>%1 non si può usare: %2. I valori del preset si caricano comunque.</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; was not copied: %2</source>
        <translation>Il preset &quot;%1&quot; non è stato copiato: %2</translation>
    </message>
</context>
<context>
    <name>kx::TformPrint</name>
    <message>
        <source>Print Console</source>
        <translation>Console di stampa</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Svuota</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>SU</translation>
    </message>
    <message>
        <source>scrollDOWN</source>
        <translation>scorri in basso</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Salva…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Save the log</source>
        <translation>Salva il log</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>File di testo (*.txt);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Saves the log to a file</source>
        <translation>Salva il log in un file</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Log</translation>
    </message>
</context>
<context>
    <name>kx::VersionClient</name>
    <message>
        <source>the network module cannot be loaded (%1).</source>
        <translation>il modulo di rete non può essere caricato (%1).</translation>
    </message>
    <message>
        <source>the server&apos;s answer is longer than %1 bytes.</source>
        <translation>la risposta del server supera i %1 byte.</translation>
    </message>
    <message>
        <source>the version check failed: </source>
        <translation>il controllo della versione non è riuscito: </translation>
    </message>
    <message>
        <source>HTTP status %1</source>
        <translation>stato HTTP %1</translation>
    </message>
    <message>
        <source>the editor&apos;s own version &quot;%1&quot; is not a version number.</source>
        <translation>la versione dell&apos;editor stesso, &quot;%1&quot;, non è un numero di versione.</translation>
    </message>
    <message>
        <source>the server did not answer within %1 s.</source>
        <translation>il server non ha risposto entro %1 s.</translation>
    </message>
</context>
</TS>
