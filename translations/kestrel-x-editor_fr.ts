<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>About</name>
    <message>
        <source>windows, serial ports, network</source>
        <translation>fenêtres, ports série, réseau</translation>
    </message>
    <message>
        <source>waits for the pedal that block no window</source>
        <translation>attentes de la pédale qui ne bloquent aucune fenêtre</translation>
    </message>
    <message>
        <source>reading WAV files</source>
        <translation>lecture des fichiers WAV</translation>
    </message>
    <message>
        <source>resampling impulse responses</source>
        <translation>rééchantillonnage des réponses impulsionnelles</translation>
    </message>
    <message>
        <source>noticing the pedal plugged in and out</source>
        <translation>détection du branchement et du débranchement de la pédale</translation>
    </message>
    <message>
        <source>the secure connection of the version check</source>
        <translation>la connexion sécurisée de la vérification de version</translation>
    </message>
    <message>
        <source>the C++ language&apos;s library</source>
        <translation>la bibliothèque du langage C++</translation>
    </message>
    <message>
        <source>the system&apos;s C library</source>
        <translation>la bibliothèque C du système</translation>
    </message>
</context>
<context>
    <name>Base</name>
    <message>
        <source>%1: it is a folder, not a file.</source>
        <translation>%1 : c&apos;est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>%1: it is a pipe, not a file.</source>
        <translation>%1 : c&apos;est un tube (pipe), pas un fichier.</translation>
    </message>
    <message>
        <source>%1: it is a device, not a file.</source>
        <translation>%1 : c&apos;est un périphérique, pas un fichier.</translation>
    </message>
    <message>
        <source>%1: it is not a regular file.</source>
        <translation>%1 : ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>%1: it is %2 bytes long, but %3 is at most %4 bytes.</source>
        <translation>%1 : il fait %2 octets, mais %3 fait au plus %4 octets.</translation>
    </message>
    <message>
        <source>%1: it grew while it was read, past the %2 bytes that %3 can have.</source>
        <translation>%1 : il a grossi pendant sa lecture, au-delà des %2 octets que %3 peut avoir.</translation>
    </message>
</context>
<context>
    <name>Firmware</name>
    <message>
        <source>Choose a firmware in the list first. Nothing was sent to the pedal.</source>
        <translation>Choisissez d&apos;abord un firmware dans la liste. Rien n&apos;a été envoyé à la pédale.</translation>
    </message>
    <message>
        <source>The firmware %1 is empty. Nothing was sent.</source>
        <translation>Le firmware %1 est vide. Rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>The firmware %1 cannot be written: it has %2 bytes, more than %3 chunks of 256 bytes. Nothing was sent.</source>
        <translation>Le firmware %1 ne peut pas être écrit : il fait %2 octets, plus que %3 blocs de 256 octets. Rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>The firmware %1 cannot be written: its %2 bytes would reach the firmware record at 0x0801FC00 (at most %3 bytes fit below it). Nothing was sent.</source>
        <translation>Le firmware %1 ne peut pas être écrit : ses %2 octets atteindraient l&apos;enregistrement du firmware à 0x0801FC00 (au plus %3 octets tiennent en dessous). Rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>The firmware %1 cannot be written: there is no firmware record for number %2. Nothing was sent.</source>
        <translation>Le firmware %1 ne peut pas être écrit : il n&apos;existe pas d&apos;enregistrement de firmware pour le numéro %2. Rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>Firmware upgrade</source>
        <translation>Mise à niveau du firmware</translation>
    </message>
    <message>
        <source>The firmware upgrade was not started: the pedal is not connected. Connect to its bootloader first (Upgrade Mode stays on). Nothing was sent.</source>
        <translation>La mise à niveau du firmware n&apos;a pas démarré : la pédale n&apos;est pas connectée. Connectez-vous d&apos;abord à son bootloader (le mode mise à niveau reste activé). Rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>erasing the flash</source>
        <translation>pendant l&apos;effacement de la mémoire flash</translation>
    </message>
    <message>
        <source>writing the firmware record at %1</source>
        <translation>pendant l&apos;écriture de l&apos;enregistrement du firmware à %1</translation>
    </message>
    <message>
        <source>starting the new firmware at %1</source>
        <translation>pendant le démarrage du nouveau firmware à %1</translation>
    </message>
    <message>
        <source>bringing the bootloader back to a known state</source>
        <translation>pendant la remise du bootloader dans un état connu</translation>
    </message>
    <message>
        <source>preparing the firmware image</source>
        <translation>pendant la préparation de l&apos;image du firmware</translation>
    </message>
    <message>
        <source>The firmware upgrade stopped while %1: %2. The flash was written and verified, and the pedal may have started the new firmware already. %3</source>
        <translation>La mise à niveau du firmware s&apos;est arrêtée %1 : %2. La flash a été écrite et vérifiée, et la pédale a peut-être déjà démarré le nouveau firmware. %3</translation>
    </message>
    <message>
        <source>the connection to the pedal was lost</source>
        <translation>la connexion à la pédale a été perdue</translation>
    </message>
    <message>
        <source>The firmware upgrade stopped while %1: the connection to the pedal was lost. The new firmware was not started. %2</source>
        <translation>La mise à niveau du firmware s&apos;est arrêtée %1 : la connexion à la pédale a été perdue. Le nouveau firmware n&apos;a pas été démarré. %2</translation>
    </message>
    <message>
        <source>The firmware upgrade stopped while %1: %2. The new firmware was not started; the pedal stays in its bootloader. %3</source>
        <translation>La mise à niveau du firmware s&apos;est arrêtée %1 : %2. Le nouveau firmware n&apos;a pas été démarré ; la pédale reste dans son bootloader. %3</translation>
    </message>
    <message>
        <source>you cancelled it</source>
        <translation>vous l&apos;avez annulée</translation>
    </message>
    <message>
        <source>Press Upgrade Firmware to start again.</source>
        <translation>Appuyez sur « Mettre à niveau le firmware » pour recommencer.</translation>
    </message>
    <message>
        <source>Power the pedal up with its footswitch held, choose Connect, then press Upgrade Firmware to start again.</source>
        <translation>Allumez la pédale en maintenant son footswitch enfoncé, choisissez « Connecter », puis appuyez sur « Mettre à niveau le firmware » pour recommencer.</translation>
    </message>
    <message>
        <source>Press Open FX to find out: a pedal that names its firmware version runs the new firmware; one that does not answer is still in its bootloader, and Upgrade Firmware starts again.</source>
        <translation>Appuyez sur « Ouvrir FX » pour le savoir : une pédale qui indique sa version de firmware exécute le nouveau firmware ; une pédale qui ne répond pas est encore dans son bootloader, et « Mettre à niveau le firmware » recommence.</translation>
    </message>
    <message>
        <source>writing chunk %1 of %2 at %3</source>
        <translation>pendant l&apos;écriture du bloc %1 sur %2 à %3</translation>
    </message>
    <message>
        <source>reading back chunk %1 of %2 at %3</source>
        <translation>pendant la relecture du bloc %1 sur %2 à %3</translation>
    </message>
    <message>
        <source>The pedal already runs Firmware %1</source>
        <translation>La pédale exécute déjà le firmware %1</translation>
    </message>
    <message>
        <source>This replaces Firmware %1 with Firmware %2</source>
        <translation>Ceci remplace le firmware %1 par le firmware %2</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>About Qt</source>
        <translation>À propos de Qt</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Connection &amp;Doctor…</source>
        <translation>&amp;Docteur de connexion…</translation>
    </message>
    <message>
        <source>&amp;Check for Updates…</source>
        <translation>&amp;Rechercher des mises à jour…</translation>
    </message>
    <message>
        <source>&amp;About Kestrel X Editor</source>
        <translation>À &amp;propos de Kestrel X Editor</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>À propos de &amp;Qt</translation>
    </message>
</context>
<context>
    <name>Ir</name>
    <message>
        <source>Samples of %1 bits cannot become coefficients: only 24 and 32 bits can.</source>
        <translation>Des échantillons de %1 bits ne peuvent pas devenir des coefficients : seuls 24 et 32 bits le peuvent.</translation>
    </message>
    <message>
        <source>The samples end after %1 of the %2 coefficients the effect needs.</source>
        <translation>Les échantillons s&apos;arrêtent après %1 des %2 coefficients dont l&apos;effet a besoin.</translation>
    </message>
    <message>
        <source>The sample text is damaged at character %1.</source>
        <translation>Le texte des échantillons est endommagé au caractère %1.</translation>
    </message>
    <message>
        <source>The effect image has %1 characters, too few to hold %2 coefficients from byte %3.</source>
        <translation>L&apos;image de l&apos;effet a %1 caractères, trop peu pour contenir %2 coefficients à partir de l&apos;octet %3.</translation>
    </message>
    <message>
        <source>%1 coefficient characters do not make the %2 words of the table.</source>
        <translation>%1 caractères de coefficients ne forment pas les %2 mots de la table.</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>Nom : </translation>
    </message>
    <message>
        <source>Size: </source>
        <translation>Taille : </translation>
    </message>
    <message>
        <source>Sample rate: </source>
        <translation>Fréquence d&apos;échantillonnage : </translation>
    </message>
    <message>
        <source>Bits per sample: </source>
        <translation>Bits par échantillon : </translation>
    </message>
    <message>
        <source>Channels: %1 (the first channel is loaded)</source>
        <translation>Canaux : %1 (le premier canal est chargé)</translation>
    </message>
    <message>
        <source>Resampled from %1 Hz to %2 Hz</source>
        <translation>Rééchantillonné de %1 Hz à %2 Hz</translation>
    </message>
    <message>
        <source>Not resampled: the pedal plays these samples at %1 Hz</source>
        <translation>Non rééchantillonné : la pédale joue ces échantillons à %1 Hz</translation>
    </message>
    <message>
        <source>Clipped: %1 samples beyond full scale</source>
        <translation>Écrêté : %1 échantillons au-delà de la pleine échelle</translation>
    </message>
    <message>
        <source>The pedal plays impulse responses at %1 Hz, this file is sampled at %2 Hz. Resample it to %1 Hz first?</source>
        <translation>La pédale joue les réponses impulsionnelles à %1 Hz, ce fichier est échantillonné à %2 Hz. Le rééchantillonner d&apos;abord à %1 Hz ?</translation>
    </message>
    <message>
        <source>The loaded %1 samples (%2 ms at %3 kHz) hold %4 % of the file&apos;s energy.</source>
        <translation>Les %1 échantillons chargés (%2 ms à %3 kHz) contiennent %4 % de l&apos;énergie du fichier.</translation>
    </message>
    <message>
        <source>The loaded %1 samples (%2 ms at %3 kHz) are silent, like the whole file.</source>
        <translation>Les %1 échantillons chargés (%2 ms à %3 kHz) sont silencieux, comme tout le fichier.</translation>
    </message>
    <message>
        <source>%1 has no coefficient table to load an impulse response into.</source>
        <translation>%1 n&apos;a pas de table de coefficients où charger une réponse impulsionnelle.</translation>
    </message>
    <message>
        <source>The file holds %1 samples%2, but %3 needs %4. Choose a longer impulse response.</source>
        <translation>Le fichier contient %1 échantillons%2, mais %3 en demande %4. Choisissez une réponse impulsionnelle plus longue.</translation>
    </message>
    <message>
        <source> at %1 Hz</source>
        <translation> à %1 Hz</translation>
    </message>
    <message>
        <source>Wave Files (*.wav)</source>
        <translation>Fichiers WAV (*.wav)</translation>
    </message>
    <message>
        <source>Selected file data:</source>
        <translation>Données du fichier choisi :</translation>
    </message>
    <message>
        <source>The samples could not be resampled: %1</source>
        <translation>Les échantillons n&apos;ont pas pu être rééchantillonnés : %1</translation>
    </message>
    <message>
        <source>a rate of %1 Hz cannot become %2 Hz</source>
        <translation>une fréquence de %1 Hz ne peut pas devenir %2 Hz</translation>
    </message>
    <message>
        <source>This is not a WAV file: it does not begin with a RIFF header of type &quot;WAVE&quot;.</source>
        <translation>Ce n&apos;est pas un fichier WAV : il ne commence pas par un en-tête RIFF de type « WAVE ».</translation>
    </message>
    <message>
        <source>The WAV file&apos;s header announces %1 bytes, but the file has %2; its chunks were read as they are.</source>
        <translation>L&apos;en-tête du fichier WAV annonce %1 octets, mais le fichier en a %2 ; ses blocs ont été lus tels quels.</translation>
    </message>
    <message>
        <source>The WAV file is cut short: its &quot;%1&quot; chunk at byte %2 announces %3 bytes, but only %4 follow.</source>
        <translation>Le fichier WAV est tronqué : son bloc « %1 » à l&apos;octet %2 annonce %3 octets, mais seuls %4 suivent.</translation>
    </message>
    <message>
        <source>The WAV file could not be read at byte %1.</source>
        <translation>Le fichier WAV n&apos;a pas pu être lu à l&apos;octet %1.</translation>
    </message>
    <message>
        <source>The WAV file has no &quot;fmt &quot; chunk, so the format of its samples is unknown.</source>
        <translation>Le fichier WAV n&apos;a pas de bloc « fmt », le format de ses échantillons est donc inconnu.</translation>
    </message>
    <message>
        <source>The WAV file&apos;s &quot;fmt &quot; chunk has %1 bytes, fewer than the 16 of a sample format.</source>
        <translation>Le bloc « fmt » du fichier WAV fait %1 octets, moins que les 16 d&apos;un format d&apos;échantillon.</translation>
    </message>
    <message>
        <source>The WAV file has no &quot;data&quot; chunk: it holds no samples.</source>
        <translation>Le fichier WAV n&apos;a pas de bloc « data » : il ne contient aucun échantillon.</translation>
    </message>
    <message>
        <source>The WAV file&apos;s samples cannot be read: %1</source>
        <translation>Les échantillons du fichier WAV ne peuvent pas être lus : %1</translation>
    </message>
    <message>
        <source>The WAV file holds no samples.</source>
        <translation>Le fichier WAV ne contient aucun échantillon.</translation>
    </message>
    <message>
        <source>The impulse response could not be written: %1</source>
        <translation>La réponse impulsionnelle n&apos;a pas pu être écrite : %1</translation>
    </message>
    <message>
        <source>It holds %1 samples: an impulse response the editor keeps holds at most %2.</source>
        <translation>Elle contient %1 échantillons : une réponse impulsionnelle conservée par l&apos;éditeur en contient au plus %2.</translation>
    </message>
    <message>
        <source>it holds %1 samples, %2 needs %3</source>
        <translation>elle contient %1 échantillons, %2 en demande %3</translation>
    </message>
    <message>
        <source>%1 takes no impulse response</source>
        <translation>%1 n&apos;accepte aucune réponse impulsionnelle</translation>
    </message>
    <message>
        <source>Trimmed %1 samples (%2 ms) of silence before the first peak</source>
        <translation>%1 échantillons (%2 ms) de silence coupés avant le premier pic</translation>
    </message>
    <message>
        <source>Not trimmed: the first peak comes at once</source>
        <translation>Rien de coupé : le premier pic arrive tout de suite</translation>
    </message>
    <message>
        <source>Normalised to a peak of %1 dB (gain %2 dB)</source>
        <translation>Normalisée à un pic de %1 dB (gain %2 dB)</translation>
    </message>
    <message>
        <source>Not normalised: the loaded samples are silent</source>
        <translation>Non normalisée : les échantillons chargés sont silencieux</translation>
    </message>
    <message>
        <source>Faded out over the last %1 ms (%2 samples)</source>
        <translation>Fondu de sortie sur les dernières %1 ms (%2 échantillons)</translation>
    </message>
    <message>
        <source>it names no impulse response effect</source>
        <translation>elle ne nomme aucun effet à réponse impulsionnelle</translation>
    </message>
    <message>
        <source>There is no Documents folder to keep the import in.</source>
        <translation>Il n&apos;y a pas de dossier Documents où conserver l&apos;import.</translation>
    </message>
    <message>
        <source>%1: the folder cannot be made.</source>
        <translation>%1 : le dossier ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The WAV file may hold integer samples of 8, 16, 24 or 32 bits, float samples of 32 or 64 bits, or compressed samples (ADPCM, A-law, mu-law or GSM 6.10), in one or more channels (the first is loaded). 48 kHz is the pedal&apos;s rate: a file at another rate from 8 to 768 kHz is resampled to it (the editor asks first).</source>
        <translation>Le fichier WAV peut contenir des échantillons entiers de 8, 16, 24 ou 32 bits, des échantillons flottants de 32 ou 64 bits ou des échantillons compressés (ADPCM, A-law, mu-law ou GSM 6.10), sur un ou plusieurs canaux (le premier est chargé). 48 kHz est la fréquence de la pédale : un fichier à une autre fréquence, de 8 à 768 kHz, y est rééchantillonné (l&apos;éditeur demande d&apos;abord).</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>The pedal reports effect number %1, but the effect list only holds the numbers 0 to %2.</source>
        <translation>La pédale indique l&apos;effet numéro %1, mais la liste des effets ne contient que les numéros 0 à %2.</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>il est vide</translation>
    </message>
    <message>
        <source>its %1 bytes are more than the %2 that fit in the pedal&apos;s flash</source>
        <translation>ses %1 octets dépassent les %2 qui tiennent dans la flash de la pédale</translation>
    </message>
    <message>
        <source>its %1 bytes are too few for a vector table and a version mark</source>
        <translation>ses %1 octets sont trop peu pour une table des vecteurs et une marque de version</translation>
    </message>
    <message>
        <source>it starts with %1, not a stack address in the pedal&apos;s RAM</source>
        <translation>il commence par %1, qui n&apos;est pas une adresse de pile dans la RAM de la pédale</translation>
    </message>
    <message>
        <source>its reset address %1 is not Thumb code inside the image</source>
        <translation>son adresse de reset %1 n&apos;est pas du code Thumb dans l&apos;image</translation>
    </message>
    <message>
        <source>it lacks the %1 mark at %2</source>
        <translation>il lui manque la marque %1 à %2</translation>
    </message>
    <message>
        <source>Choose a firmware file made for the Kestrel X: %1 is not one (%2), so nothing was sent.</source>
        <translation>Choisissez un fichier de firmware conçu pour la Kestrel X : %1 n&apos;en est pas un (%2), donc rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>The image of &quot;%1&quot; holds %2 bytes, too few for its address table.</source>
        <translation>L&apos;image de « %1 » contient %2 octets, trop peu pour sa table d&apos;adresses.</translation>
    </message>
    <message>
        <source>Resource %1 not found</source>
        <translation>Ressource %1 introuvable</translation>
    </message>
    <message>
        <source>Error loading resource: </source>
        <translation>Erreur de chargement de la ressource : </translation>
    </message>
    <message>
        <source>the version page holds &quot;%1&quot;, which is not a version number of digits and dots.</source>
        <translation>la page de version contient « %1 », qui n&apos;est pas un numéro de version fait de chiffres et de points.</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>answer to the filler bytes</source>
        <translation>réponse aux octets de remplissage</translation>
    </message>
    <message>
        <source>effect information reply</source>
        <translation>réponse d&apos;informations sur l&apos;effet</translation>
    </message>
    <message>
        <source>parameter state reply</source>
        <translation>réponse d&apos;état des paramètres</translation>
    </message>
    <message>
        <source>bootloader answer</source>
        <translation>réponse du bootloader</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>inside a command, which the synchronisation byte ended</source>
        <translation>au milieu d&apos;une commande, que l&apos;octet de synchronisation a terminée</translation>
    </message>
    <message>
        <source>it answered %1</source>
        <translation>elle a répondu %1</translation>
    </message>
    <message>
        <source>no answer to the synchronisation byte nor to %1 filler bytes: the pedal is not in its bootloader</source>
        <translation>aucune réponse à l&apos;octet de synchronisation ni à %1 octets de remplissage : la pédale n&apos;est pas dans son bootloader</translation>
    </message>
    <message>
        <source>it answered the filler bytes with %1</source>
        <translation>elle a répondu aux octets de remplissage par %1</translation>
    </message>
    <message>
        <source>inside a frame a stopped upgrade left, which filler bytes ended</source>
        <translation>au milieu d&apos;une trame laissée par une mise à niveau interrompue, que des octets de remplissage ont terminée</translation>
    </message>
    <message>
        <source>it answered the filler bytes but refused none of the last %1, so it is not known to wait for a command</source>
        <translation>elle a répondu aux octets de remplissage mais n&apos;a refusé aucun des %1 derniers, on ne sait donc pas si elle attend une commande</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <source>The message to the pedal did not leave within %1 s.</source>
        <translation>Le message destiné à la pédale n&apos;est pas parti dans les %1 s.</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>Nom de l&apos;appareil</translation>
    </message>
    <message>
        <source>No device found</source>
        <translation>Aucun appareil trouvé</translation>
    </message>
    <message>
        <source> found, click Connect</source>
        <translation> trouvé, cliquez sur Connecter</translation>
    </message>
    <message>
        <source> connected</source>
        <translation> connecté</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>connecté</translation>
    </message>
    <message>
        <source>Connection to bootloader succeeded, ready for firmware upgrade</source>
        <translation>Connexion au bootloader réussie, prêt pour la mise à niveau du firmware</translation>
    </message>
    <message>
        <source>Connection to bootloader failed</source>
        <translation>La connexion au bootloader a échoué</translation>
    </message>
    <message>
        <source>The pedal did not send its %1 within %2 s.</source>
        <translation>La pédale n&apos;a pas envoyé sa %1 dans les %2 s.</translation>
    </message>
    <message>
        <source>The pedal did not finish its %1 within %2 s: %3 bytes came, still without its end.</source>
        <translation>La pédale n&apos;a pas terminé sa %1 dans les %2 s : %3 octets sont arrivés, toujours sans fin.</translation>
    </message>
    <message>
        <source>The pedal&apos;s reply cannot be read: line %1 (&quot;%2&quot;) is not a number from 0 to 255.</source>
        <translation>La réponse de la pédale est illisible : la ligne %1 (« %2 ») n&apos;est pas un nombre de 0 à 255.</translation>
    </message>
    <message>
        <source>The pedal&apos;s reply is incomplete: it holds %1 values where %2 were expected.</source>
        <translation>La réponse de la pédale est incomplète : elle contient %1 valeurs au lieu des %2 attendues.</translation>
    </message>
    <message>
        <source>The pedal&apos;s reply does not fit: it holds %1 values where %2 were expected.</source>
        <translation>La réponse de la pédale ne correspond pas : elle contient %1 valeurs au lieu des %2 attendues.</translation>
    </message>
    <message>
        <source>The pedal&apos;s %1 is incomplete: it stopped after %2 bytes.</source>
        <translation>La %1 de la pédale est incomplète : elle s&apos;est arrêtée après %2 octets.</translation>
    </message>
    <message>
        <source>The pedal&apos;s %1 is longer than it can be.</source>
        <translation>La %1 de la pédale est plus longue que possible.</translation>
    </message>
    <message>
        <source>Start a firmware upgrade, or power the pedal up without holding the footswitch: the pedal is in its bootloader, which refused to send its %1.</source>
        <translation>Lancez une mise à niveau du firmware, ou allumez la pédale sans maintenir le footswitch : la pédale est dans son bootloader, qui a refusé d&apos;envoyer sa %1.</translation>
    </message>
    <message>
        <source>The connection to the pedal was lost (%1). Plug it in again and choose Connect.</source>
        <translation>La connexion à la pédale a été perdue (%1). Rebranchez-la et choisissez « Connecter ».</translation>
    </message>
    <message>
        <source>The message does not fit the send buffer and was not sent: %1 bytes, at most %2.</source>
        <translation>Le message ne tient pas dans le tampon d&apos;envoi et n&apos;a pas été envoyé : %1 octets, au plus %2.</translation>
    </message>
    <message>
        <source>The pedal&apos;s chip took only %1 of %2 bytes; the message was not sent whole.</source>
        <translation>La puce de la pédale n&apos;a pris que %1 octets sur %2 ; le message n&apos;a pas été envoyé en entier.</translation>
    </message>
    <message>
        <source>%1 was not done: the editor is waiting for the pedal.</source>
        <translation>%1 n&apos;a pas été effectué : l&apos;éditeur attend la pédale.</translation>
    </message>
    <message>
        <source>%1 was not done: the pedal is not connected.</source>
        <translation>%1 n&apos;a pas été effectué : la pédale n&apos;est pas connectée.</translation>
    </message>
    <message>
        <source>%1 is already running.</source>
        <translation>%1 est déjà en cours.</translation>
    </message>
    <message>
        <source>ModemManager is running. It tries new serial ports for a mobile-broadband modem and can hold the pedal&apos;s port for a few seconds after the pedal is plugged in.</source>
        <translation>ModemManager est en cours d&apos;exécution. Il essaie les nouveaux ports série à la recherche d&apos;un modem mobile et peut occuper le port de la pédale pendant quelques secondes après son branchement.</translation>
    </message>
    <message>
        <source>The editor&apos;s udev rule tells it to leave the pedal alone. Without the rule, and if this computer uses no mobile-broadband modem, stop it.</source>
        <translation>La règle udev de l&apos;éditeur lui dit de laisser la pédale tranquille. Sans la règle, et si cet ordinateur n&apos;utilise pas de modem mobile, arrêtez-le.</translation>
    </message>
    <message>
        <source>brltty, the braille display service, is running. It takes some USB serial chips for braille displays, and a chip it takes gets no serial port.</source>
        <translation>brltty, le service des afficheurs braille, est en cours d&apos;exécution. Il prend certaines puces série USB pour des afficheurs braille, et une puce qu&apos;il prend n&apos;obtient pas de port série.</translation>
    </message>
    <message>
        <source>If no braille display is attached to this computer, stop it, then unplug the pedal and plug it in again.</source>
        <translation>Si aucun afficheur braille n&apos;est branché sur cet ordinateur, arrêtez-le, puis débranchez la pédale et rebranchez-la.</translation>
    </message>
    <message>
        <source>gpsd, the GPS service, is running. It opens new USB serial ports to look for a GPS receiver.</source>
        <translation>gpsd, le service GPS, est en cours d&apos;exécution. Il ouvre les nouveaux ports série USB pour chercher un récepteur GPS.</translation>
    </message>
    <message>
        <source>If this computer uses no GPS receiver, stop it.</source>
        <translation>Si cet ordinateur n&apos;utilise pas de récepteur GPS, arrêtez-le.</translation>
    </message>
    <message>
        <source>Port %1 (given with --port)</source>
        <translation>Port %1 (indiqué avec --port)</translation>
    </message>
    <message>
        <source>Virtual pedal (--virtual-pedal)</source>
        <translation>Pédale virtuelle (--virtual-pedal)</translation>
    </message>
    <message>
        <source>The editor&apos;s built-in virtual pedal is attached; it is always ready.</source>
        <translation>La pédale virtuelle intégrée à l&apos;éditeur est branchée ; elle est toujours prête.</translation>
    </message>
    <message>
        <source>USB devices</source>
        <translation>Périphériques USB</translation>
    </message>
    <message>
        <source>The list of USB devices (%1/bus/usb/devices) is missing or cannot be read, so no chip can be checked.</source>
        <translation>La liste des périphériques USB (%1/bus/usb/devices) est absente ou illisible, aucune puce ne peut donc être vérifiée.</translation>
    </message>
    <message>
        <source>No FTDI USB chip is attached: the pedal is not plugged in, not switched on, or its cable carries no data.</source>
        <translation>Aucune puce USB FTDI n&apos;est branchée : la pédale n&apos;est pas branchée, pas allumée, ou son câble ne transmet pas de données.</translation>
    </message>
    <message>
        <source>Connect the pedal with a USB cable that carries data (some cables only charge), switch the pedal on, and try another USB socket.</source>
        <translation>Branchez la pédale avec un câble USB qui transmet des données (certains câbles ne font que charger), allumez la pédale et essayez un autre port USB.</translation>
    </message>
    <message>
        <source>USB chip &quot;%1&quot; (%2, serial %3)</source>
        <translation>Puce USB « %1 » (%2, numéro de série %3)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>This is not the pedal&apos;s type of chip (the pedal&apos;s FT230X reports 0403:6015), but the editor lists it all the same.</source>
        <translation>Ce n&apos;est pas le type de puce de la pédale (la FT230X de la pédale indique 0403:6015), mais l&apos;éditeur la liste quand même.</translation>
    </message>
    <message>
        <source>It has no serial port: a program has taken the chip over directly (through libusb), so the serial driver cannot serve it.</source>
        <translation>Elle n&apos;a pas de port série : un programme a pris directement le contrôle de la puce (via libusb), le pilote série ne peut donc pas la servir.</translation>
    </message>
    <message>
        <source> The program is %1.</source>
        <translation> Le programme est %1.</translation>
    </message>
    <message>
        <source>Close that program, then unplug the pedal and plug it in again.</source>
        <translation>Fermez ce programme, puis débranchez la pédale et rebranchez-la.</translation>
    </message>
    <message>
        <source>It has no serial port: the driver %1 holds it instead of the serial driver %2.</source>
        <translation>Elle n&apos;a pas de port série : le pilote %1 la tient à la place du pilote série %2.</translation>
    </message>
    <message>
        <source>Unplug the pedal and plug it in again.</source>
        <translation>Débranchez la pédale et rebranchez-la.</translation>
    </message>
    <message>
        <source>It has no serial port: the kernel&apos;s serial driver for FTDI chips (%1) is not loaded.</source>
        <translation>Elle n&apos;a pas de port série : le pilote série du noyau pour les puces FTDI (%1) n&apos;est pas chargé.</translation>
    </message>
    <message>
        <source>Load the driver, then unplug the pedal and plug it in again.</source>
        <translation>Chargez le pilote, puis débranchez la pédale et rebranchez-la.</translation>
    </message>
    <message>
        <source>It has no serial port: the serial driver %1 is loaded but has not taken the chip.</source>
        <translation>Elle n&apos;a pas de port série : le pilote série %1 est chargé mais n&apos;a pas pris la puce.</translation>
    </message>
    <message>
        <source>%1 cannot be examined: %2.</source>
        <translation>%1 ne peut pas être examiné : %2.</translation>
    </message>
    <message>
        <source>Its serial port %1 is known to the kernel but does not exist in /dev.</source>
        <translation>Son port série %1 est connu du noyau mais n&apos;existe pas dans /dev.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Check the path. The virtual pedal program names a new pseudo-terminal each time it starts.</source>
        <translation>Vérifiez le chemin. Le programme de la pédale virtuelle crée un nouveau pseudo-terminal à chaque démarrage.</translation>
    </message>
    <message>
        <source>%1 is not a serial port (not a character device).</source>
        <translation>%1 n&apos;est pas un port série (pas un périphérique en mode caractère).</translation>
    </message>
    <message>
        <source>Give the path of a serial port, such as /dev/ttyUSB0.</source>
        <translation>Indiquez le chemin d&apos;un port série, par exemple /dev/ttyUSB0.</translation>
    </message>
    <message>
        <source>%1 is open in another program: %2. The pedal answers one program at a time.</source>
        <translation>%1 est ouvert dans un autre programme : %2. La pédale ne répond qu&apos;à un programme à la fois.</translation>
    </message>
    <message>
        <source>Close %1, then choose Connect again.</source>
        <translation>Fermez %1, puis choisissez à nouveau « Connecter ».</translation>
    </message>
    <message>
        <source>This editor has %1 open: it is connected.</source>
        <translation>Cet éditeur a ouvert %1 : il est connecté.</translation>
    </message>
    <message>
        <source>You may open %1, and no other program holds it: ready to connect.</source>
        <translation>Vous pouvez ouvrir %1, et aucun autre programme ne le tient : prêt à se connecter.</translation>
    </message>
    <message>
        <source> The desktop gives you access to it.</source>
        <translation> Le bureau vous y donne accès.</translation>
    </message>
    <message>
        <source> It is served by %1.</source>
        <translation> Il est servi par %1.</translation>
    </message>
    <message>
        <source>only %1 and the members of %2 may read and write it</source>
        <translation>seuls %1 et les membres de %2 peuvent le lire et l&apos;écrire</translation>
    </message>
    <message>
        <source>only %1 may read and write it</source>
        <translation>seul %1 peut le lire et l&apos;écrire</translation>
    </message>
    <message>
        <source>only the members of %1 may read and write it</source>
        <translation>seuls les membres de %1 peuvent le lire et l&apos;écrire</translation>
    </message>
    <message>
        <source>only the administrator may read and write it</source>
        <translation>seul l&apos;administrateur peut le lire et l&apos;écrire</translation>
    </message>
    <message>
        <source>You (%1) may not open %2. It belongs to %3 and the group %4, with the rights %5: %6.</source>
        <translation>Vous (%1) ne pouvez pas ouvrir %2. Il appartient à %3 et au groupe %4, avec les droits %5 : %6.</translation>
    </message>
    <message>
        <source>join the group %1 (%2), then log out and log in again</source>
        <translation>rejoignez le groupe %1 (%2), puis déconnectez-vous et reconnectez-vous</translation>
    </message>
    <message>
        <source> You are a member of %1, yet the system refuses it (an access list or a security module).</source>
        <translation> Vous êtes membre de %1, et pourtant le système refuse (une liste d&apos;accès ou un module de sécurité).</translation>
    </message>
    <message>
        <source> You are a member of %1, but the group may not write to it.</source>
        <translation> Vous êtes membre de %1, mais le groupe n&apos;a pas le droit d&apos;y écrire.</translation>
    </message>
    <message>
        <source> You were added to the group %1 after this login began; the membership counts from the next login.</source>
        <translation> Vous avez été ajouté au groupe %1 après le début de cette session ; l&apos;appartenance compte à partir de la prochaine connexion.</translation>
    </message>
    <message>
        <source>Log out and log in again (or restart the computer), then choose Connect.</source>
        <translation>Déconnectez-vous et reconnectez-vous (ou redémarrez l&apos;ordinateur), puis choisissez « Connecter ».</translation>
    </message>
    <message>
        <source> You are not a member of %1.</source>
        <translation> Vous n&apos;êtes pas membre de %1.</translation>
    </message>
    <message>
        <source>Let the user at this computer open the pedal: install the editor&apos;s udev rule with the command below (or the button &quot;Allow access&quot; of the Connection Doctor window), then choose Connect again.</source>
        <translation>Autorisez l&apos;utilisateur de cet ordinateur à ouvrir la pédale : installez la règle udev de l&apos;éditeur avec la commande ci-dessous (ou le bouton « Autoriser l&apos;accès » de la fenêtre Docteur de connexion), puis choisissez à nouveau « Connecter ».</translation>
    </message>
    <message>
        <source> Or %1.</source>
        <translation> Ou %1.</translation>
    </message>
    <message>
        <source>The editor&apos;s udev rule is installed but has not reached this port yet: unplug the pedal and plug it in again. The rule lets in the user logged in at the computer&apos;s own screen; from a remote login, %1.</source>
        <translation>La règle udev de l&apos;éditeur est installée mais n&apos;a pas encore atteint ce port : débranchez la pédale et rebranchez-la. La règle laisse entrer l&apos;utilisateur connecté sur l&apos;écran de l&apos;ordinateur lui-même ; depuis une connexion à distance, %1.</translation>
    </message>
    <message>
        <source>To open it, %1.</source>
        <translation>Pour l&apos;ouvrir, %1.</translation>
    </message>
    <message>
        <source>Use a port that belongs to you, or ask the administrator to change its rights.</source>
        <translation>Utilisez un port qui vous appartient, ou demandez à l&apos;administrateur de changer ses droits.</translation>
    </message>
    <message>
        <source>Service %1</source>
        <translation>Service %1</translation>
    </message>
    <message>
        <source>A pedal is ready to connect.</source>
        <translation>Une pédale est prête à se connecter.</translation>
    </message>
    <message>
        <source>A pedal is ready to connect. A problem with another port is listed below.</source>
        <translation>Une pédale est prête à se connecter. Un problème avec un autre port est indiqué ci-dessous.</translation>
    </message>
    <message>
        <source>A pedal is ready to connect. Problems with %1 other ports are listed below.</source>
        <translation>Une pédale est prête à se connecter. Des problèmes avec %1 autres ports sont indiqués ci-dessous.</translation>
    </message>
    <message>
        <source>No pedal is ready to connect. What to do is written with each problem.</source>
        <translation>Aucune pédale n&apos;est prête à se connecter. Ce qu&apos;il faut faire est indiqué avec chaque problème.</translation>
    </message>
    <message>
        <source>    What to do: %1
</source>
        <translation>    Que faire : %1
</translation>
    </message>
    <message>
        <source>Port %1 does not exist.</source>
        <translation>Le port %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Port %1 is not a serial port (not a character device).</source>
        <translation>Le port %1 n&apos;est pas un port série (pas un périphérique en mode caractère).</translation>
    </message>
    <message>
        <source>Port %1 cannot be examined: %2.</source>
        <translation>Le port %1 ne peut pas être examiné : %2.</translation>
    </message>
    <message>
        <source>The serial port module of this installation cannot be loaded, so no port can be opened (%1). Reinstall the editor.</source>
        <translation>Le module de port série de cette installation ne peut pas être chargé, aucun port ne peut donc être ouvert (%1). Réinstallez l&apos;éditeur.</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Envoi</translation>
    </message>
    <message>
        <source>check the image</source>
        <translation>vérifier l&apos;image</translation>
    </message>
    <message>
        <source>write the image</source>
        <translation>écrire l&apos;image</translation>
    </message>
    <message>
        <source>answer to the upload</source>
        <translation>réponse à l&apos;envoi</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Envoi en cours...</translation>
    </message>
    <message>
        <source>There is no image to upload for %1. For an impulse response effect, load a WAV file first (File &gt; Load IR).</source>
        <translation>Il n&apos;y a pas d&apos;image à envoyer pour %1. Pour un effet de réponse impulsionnelle, chargez d&apos;abord un fichier WAV (Fichier &gt; Charger l&apos;IR).</translation>
    </message>
    <message>
        <source>The image of %1 cannot be uploaded: it is damaged at character %2.</source>
        <translation>L&apos;image de %1 ne peut pas être envoyée : elle est endommagée au caractère %2.</translation>
    </message>
    <message>
        <source>The image of %1 cannot be uploaded: it has %2 bytes, at most %3 fit.</source>
        <translation>L&apos;image de %1 ne peut pas être envoyée : elle fait %2 octets, au plus %3 tiennent.</translation>
    </message>
    <message>
        <source>Firmware Version: </source>
        <translation>Version du firmware : </translation>
    </message>
    <message>
        <source>The pedal&apos;s effect information reply cannot be read: it holds %1 lines where 4 were expected.</source>
        <translation>La réponse d&apos;informations sur l&apos;effet est illisible : elle contient %1 lignes au lieu des 4 attendues.</translation>
    </message>
    <message>
        <source>The pedal&apos;s effect information reply cannot be read: line %1 (&quot;%2&quot;) is not a number.</source>
        <translation>La réponse d&apos;informations sur l&apos;effet est illisible : la ligne %1 (« %2 ») n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a MIDI channel: give 1 to 16, or OMNI.</source>
        <translation>« %1 » n&apos;est pas un canal MIDI : indiquez 1 à 16, ou OMNI.</translation>
    </message>
    <message>
        <source>Connect the pedal with a USB cable that carries data (some cables only charge), switch the pedal on, and try another USB socket. If it is plugged in, check that the system has a driver for FTDI chips.</source>
        <translation>Branchez la pédale avec un câble USB qui transmet des données (certains câbles ne font que charger), allumez la pédale et essayez une autre prise USB. Si elle est branchée, vérifiez que le système a un pilote pour les puces FTDI.</translation>
    </message>
    <message>
        <source>Its serial port %1 is listed but cannot be found.</source>
        <translation>Son port série %1 est listé mais introuvable.</translation>
    </message>
    <message>
        <source>%1 cannot be opened (%2): another program may hold it (the pedal answers one program at a time), or you may not open it.</source>
        <translation>%1 ne peut pas être ouvert (%2) : un autre programme l&apos;occupe peut-être (la pédale ne répond qu&apos;à un programme à la fois), ou vous n&apos;avez pas le droit de l&apos;ouvrir.</translation>
    </message>
    <message>
        <source>Close any other program that uses the pedal, then choose Connect again. If none does, unplug the pedal and plug it in again.</source>
        <translation>Fermez tout autre programme qui utilise la pédale, puis choisissez à nouveau Connecter. Si aucun ne l&apos;utilise, débranchez la pédale et rebranchez-la.</translation>
    </message>
</context>
<context>
    <name>Params</name>
    <message>
        <source>The image of &quot;%1&quot; holds no addresses for its %2 controls.</source>
        <translation>L&apos;image de « %1 » ne contient aucune adresse pour ses %2 contrôles.</translation>
    </message>
    <message>
        <source>The control description of &quot;%1&quot; cannot be used: %2.</source>
        <translation>La description des contrôles de « %1 » est inutilisable : %2.</translation>
    </message>
    <message>
        <source>its first line must begin with three count digits</source>
        <translation>sa première ligne doit commencer par trois chiffres de comptage</translation>
    </message>
    <message>
        <source>the count digit &quot;%1&quot; is not 0 to 9 or A to F</source>
        <translation>le chiffre de comptage « %1 » n&apos;est pas de 0 à 9 ou de A à F</translation>
    </message>
    <message>
        <source>it declares no controls</source>
        <translation>elle ne déclare aucun contrôle</translation>
    </message>
    <message>
        <source>it declares %1 controls, more than the %2 its image has addresses for</source>
        <translation>elle déclare %1 contrôles, plus que les %2 pour lesquels son image a des adresses</translation>
    </message>
    <message>
        <source>it declares %1 readbacks, more than %2</source>
        <translation>elle déclare %1 retours, plus que %2</translation>
    </message>
    <message>
        <source>it has %1 lines, fewer than the %2 its counts call for</source>
        <translation>elle a %1 lignes, moins que les %2 qu&apos;exigent ses comptes</translation>
    </message>
    <message>
        <source>control %1 (&quot;%2&quot;) is a multi switch without options (no &quot;;&quot;)</source>
        <translation>le contrôle %1 (« %2 ») est un sélecteur sans options (pas de « ; »)</translation>
    </message>
    <message>
        <source>it declares %1 controls, but its image declares %2</source>
        <translation>elle déclare %1 contrôles, mais son image en déclare %2</translation>
    </message>
    <message>
        <source>The pedal&apos;s parameter state reply is incomplete: it holds %1 values where %2 were expected.</source>
        <translation>La réponse d&apos;état des paramètres est incomplète : elle contient %1 valeurs au lieu des %2 attendues.</translation>
    </message>
    <message>
        <source>The pedal&apos;s parameter state reply cannot be right: control %1 reads %2, outside 0 to 1023.</source>
        <translation>La réponse d&apos;état des paramètres ne peut pas être juste : le contrôle %1 vaut %2, hors de 0 à 1023.</translation>
    </message>
    <message>
        <source>The pedal&apos;s parameter state reply cannot be told from a stray line: it holds %1 values where %2 were expected.</source>
        <translation>La réponse d&apos;état des paramètres ne se distingue pas d&apos;une ligne parasite : elle contient %1 valeurs au lieu des %2 attendues.</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Rien</translation>
    </message>
    <message>
        <source>Bypass on and off</source>
        <translation>Bypass activé et désactivé</translation>
    </message>
    <message>
        <source>Preset change</source>
        <translation>Changement de preset</translation>
    </message>
    <message>
        <source>Not assigned to any of the pedal&apos;s controls (--).</source>
        <translation>Attribué à aucune commande de la pédale (--).</translation>
    </message>
    <message>
        <source>This effect&apos;s footswitch latches: press once for on, again for off.</source>
        <translation>Le footswitch de cet effet est à accrochage : une pression pour activer, une autre pour désactiver.</translation>
    </message>
    <message>
        <source>This effect&apos;s footswitch is momentary: it acts while held down.</source>
        <translation>Le footswitch de cet effet est momentané : il agit tant qu&apos;il est enfoncé.</translation>
    </message>
    <message>
        <source>&lt;byte-order mark&gt;</source>
        <translation>&lt;marque d&apos;ordre des octets&gt;</translation>
    </message>
    <message>
        <source>line %1 holds %2, but %3 is written as %4 hexadecimal digits.</source>
        <translation>la ligne %1 contient %2, mais %3 s&apos;écrit avec %4 chiffres hexadécimaux.</translation>
    </message>
    <message>
        <source>the open effect has no controls.</source>
        <translation>l&apos;effet ouvert n&apos;a aucun contrôle.</translation>
    </message>
    <message>
        <source>the values of the open effect have not been read.</source>
        <translation>les valeurs de l&apos;effet ouvert n&apos;ont pas été lues.</translation>
    </message>
    <message>
        <source>a preset holds 1 to %1 controls, not %2.</source>
        <translation>un preset contient 1 à %1 contrôles, pas %2.</translation>
    </message>
    <message>
        <source>the effect number %1 does not fit a preset.</source>
        <translation>le numéro d&apos;effet %1 ne tient pas dans un preset.</translation>
    </message>
    <message>
        <source>the effect version %1 does not fit a preset.</source>
        <translation>la version d&apos;effet %1 ne tient pas dans un preset.</translation>
    </message>
    <message>
        <source>the file holds %1; a preset starts with 3 lines: effect number, effect version, number of controls.</source>
        <translation>le fichier contient %1 ; un preset commence par 3 lignes : numéro d&apos;effet, version d&apos;effet, nombre de contrôles.</translation>
    </message>
    <message>
        <source>the effect number</source>
        <translation>le numéro d&apos;effet</translation>
    </message>
    <message>
        <source>the effect version</source>
        <translation>la version d&apos;effet</translation>
    </message>
    <message>
        <source>the number of controls</source>
        <translation>le nombre de contrôles</translation>
    </message>
    <message>
        <source>line 3 gives 0 controls; a preset holds at least one.</source>
        <translation>la ligne 3 indique 0 contrôle ; un preset en contient au moins un.</translation>
    </message>
    <message>
        <source>the file ends after line %1, but it announces %2 controls, whose values take lines 4 to %3.</source>
        <translation>le fichier s&apos;arrête après la ligne %1, mais il annonce %2 contrôles, dont les valeurs occupent les lignes 4 à %3.</translation>
    </message>
    <message>
        <source>the value of control %1</source>
        <translation>la valeur du contrôle %1</translation>
    </message>
    <message>
        <source>the file holds %1, but a preset of %2 controls has %3 to %4 lines.</source>
        <translation>le fichier contient %1, mais un preset de %2 contrôles a de %3 à %4 lignes.</translation>
    </message>
    <message>
        <source>the assignment of control %1</source>
        <translation>l&apos;attribution du contrôle %1</translation>
    </message>
    <message>
        <source>the assignment of readback %1</source>
        <translation>l&apos;attribution du retour %1</translation>
    </message>
    <message>
        <source>The preset holds no assignments: the pedal&apos;s stay as they are.</source>
        <translation>Le preset ne contient aucune attribution : celles de la pédale restent telles quelles.</translation>
    </message>
    <message>
        <source>cannot be read: </source>
        <translation>illisible : </translation>
    </message>
    <message>
        <source>its file name is not UTF-8 text, so the editor cannot open it: rename it in a file manager.</source>
        <translation>son nom de fichier n&apos;est pas du texte UTF-8, l&apos;éditeur ne peut donc pas l&apos;ouvrir : renommez-le dans un gestionnaire de fichiers.</translation>
    </message>
    <message>
        <source>A preset needs a name.</source>
        <translation>Un preset a besoin d&apos;un nom.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file name: a preset stays in its folder.</source>
        <translation>« %1 » n&apos;est pas un nom de fichier : un preset reste dans son dossier.</translation>
    </message>
    <message>
        <source>A preset named &quot;%1&quot; exists already.</source>
        <translation>Un preset nommé « %1 » existe déjà.</translation>
    </message>
    <message>
        <source>An impulse response named &quot;%1&quot; exists already.</source>
        <translation>Une réponse impulsionnelle nommée « %1 » existe déjà.</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>No pedal found. Check the USB cable, or open Connection &gt; Diagnose.</source>
        <translation>Aucune pédale trouvée. Vérifiez le câble USB, ou ouvrez Connexion &gt; Diagnostiquer.</translation>
    </message>
    <message>
        <source>The pedal&apos;s USB connection did not respond. Unplug the pedal, plug it in again and choose Connect.</source>
        <translation>La connexion USB de la pédale n&apos;a pas répondu. Débranchez la pédale, rebranchez-la et choisissez « Connecter ».</translation>
    </message>
    <message>
        <source>The pedal did not answer. Check that it is powered and connected, then try again. A pedal powered up with the footswitch held is in its bootloader: tick Connection &gt; Upgrade Mode to upgrade its firmware.</source>
        <translation>La pédale n&apos;a pas répondu. Vérifiez qu&apos;elle est alimentée et connectée, puis réessayez. Une pédale allumée avec le footswitch enfoncé est dans son bootloader : cochez Connexion &gt; Mode de mise à niveau pour mettre à niveau son firmware.</translation>
    </message>
    <message>
        <source>The pedal&apos;s answer could not be read. Try again; if it happens again, power the pedal off and on.</source>
        <translation>La réponse de la pédale n&apos;a pas pu être lue. Réessayez ; si cela se reproduit, éteignez puis rallumez la pédale.</translation>
    </message>
    <message>
        <source>The pedal did not answer as its bootloader, so the editor stays connected to its firmware. To upgrade it, power the pedal up with the footswitch held, then tick Upgrade Mode again.</source>
        <translation>La pédale n&apos;a pas répondu comme son bootloader, l&apos;éditeur reste donc connecté à son firmware. Pour la mettre à niveau, allumez la pédale en maintenant le footswitch enfoncé, puis cochez à nouveau « Mode de mise à niveau ».</translation>
    </message>
    <message>
        <source>The firmware upgrade did not finish. Keep the pedal connected and start the upgrade again.</source>
        <translation>La mise à niveau du firmware n&apos;est pas terminée. Laissez la pédale connectée et relancez la mise à niveau.</translation>
    </message>
    <message>
        <source>Upgrade Mode changes only while the pedal is not connected.</source>
        <translation>Le mode de mise à niveau ne change que lorsque la pédale n&apos;est pas connectée.</translation>
    </message>
    <message>
        <source>The values are for %1 controls, the running effect has %2.</source>
        <translation>Les valeurs sont prévues pour %1 contrôles, l&apos;effet en cours en a %2.</translation>
    </message>
    <message>
        <source>that it runs no effect</source>
        <translation>qu&apos;elle n&apos;exécute aucun effet</translation>
    </message>
    <message>
        <source>The firmware upgrade needs the pedal&apos;s bootloader: tick Upgrade Mode, power the pedal up with the footswitch held and connect again.</source>
        <translation>La mise à niveau du firmware nécessite le bootloader de la pédale : cochez « Mode de mise à niveau », allumez la pédale en maintenant le footswitch enfoncé et connectez-vous à nouveau.</translation>
    </message>
    <message>
        <source>The pedal is not connected. Choose Connection &gt; Connect first.</source>
        <translation>La pédale n&apos;est pas connectée. Choisissez d&apos;abord Connexion &gt; Connecter.</translation>
    </message>
    <message>
        <source>The pedal is in its bootloader, which only takes a firmware upgrade. Start the upgrade, or disconnect and power the pedal up without holding the footswitch.</source>
        <translation>La pédale est dans son bootloader, qui n&apos;accepte qu&apos;une mise à niveau du firmware. Lancez la mise à niveau, ou déconnectez-vous et allumez la pédale sans maintenir le footswitch.</translation>
    </message>
    <message>
        <source>The firmware upgrade is running; wait for it to end.</source>
        <translation>La mise à niveau du firmware est en cours ; attendez qu&apos;elle se termine.</translation>
    </message>
    <message>
        <source>The pedal runs no effect yet. Choose an effect in the list and click Upload Selected Effect to put one on it.</source>
        <translation>La pédale n&apos;exécute encore aucun effet. Choisissez un effet dans la liste et cliquez sur « Envoyer l&apos;effet sélectionné » pour en installer un.</translation>
    </message>
    <message>
        <source>The editor does not know the pedal&apos;s effect yet: click Open FX first.</source>
        <translation>L&apos;éditeur ne connaît pas encore l&apos;effet de la pédale : cliquez d&apos;abord sur « Ouvrir FX ».</translation>
    </message>
    <message>
        <source>The editor has not read the pedal&apos;s assignments yet: click Request first.</source>
        <translation>L&apos;éditeur n&apos;a pas encore lu les attributions de la pédale : cliquez d&apos;abord sur « Interroger ».</translation>
    </message>
    <message>
        <source>The pedal reports effect number %1, which this editor&apos;s effect list does not hold. Upload an effect from the list to replace it.</source>
        <translation>La pédale indique l&apos;effet numéro %1, absent de la liste des effets de cet éditeur. Envoyez un effet de la liste pour le remplacer.</translation>
    </message>
    <message>
        <source>The upload of %1 failed: the pedal now reports %2. Upload it again.</source>
        <translation>L&apos;envoi de %1 a échoué : la pédale indique maintenant %2. Envoyez-le à nouveau.</translation>
    </message>
    <message>
        <source>The image of &quot;%1&quot; holds &quot;%2&quot; as the address of control %3, which is not a parameter address.</source>
        <translation>L&apos;image de « %1 » contient « %2 » comme adresse du contrôle %3, ce qui n&apos;est pas une adresse de paramètre.</translation>
    </message>
    <message>
        <source>The running effect has no control %1.</source>
        <translation>L&apos;effet en cours n&apos;a pas de contrôle %1.</translation>
    </message>
    <message>
        <source>The preset is for effect %1, but the pedal runs effect %2 &quot;%3&quot;: upload that effect first.</source>
        <translation>Le preset est pour l&apos;effet %1, mais la pédale exécute l&apos;effet %2 « %3 » : envoyez d&apos;abord cet effet.</translation>
    </message>
    <message>
        <source>The preset holds %1 controls, but &quot;%2&quot; has %3: it was not loaded.</source>
        <translation>Le preset contient %1 contrôles, mais « %2 » en a %3 : il n&apos;a pas été chargé.</translation>
    </message>
    <message>
        <source>the editor has not read the running effect&apos;s values: click Request first.</source>
        <translation>l&apos;éditeur n&apos;a pas lu les valeurs de l&apos;effet en cours : cliquez d&apos;abord sur « Interroger ».</translation>
    </message>
    <message>
        <source>the pedal is not connected.</source>
        <translation>la pédale n&apos;est pas connectée.</translation>
    </message>
    <message>
        <source>the pedal runs another effect.</source>
        <translation>la pédale exécute un autre effet.</translation>
    </message>
    <message>
        <source>The pedal answered &quot;%1&quot;, but nothing shows that it took the image: it reports the same effect with the same values as before the upload. Upload it again if it does not sound new.</source>
        <translation>La pédale a répondu « %1 », mais rien ne montre qu&apos;elle a pris l&apos;image : elle indique le même effet avec les mêmes valeurs qu&apos;avant l&apos;envoi. Envoyez-le à nouveau s&apos;il ne sonne pas différemment.</translation>
    </message>
    <message>
        <source>Compare is on: the pedal plays the sound as stored. Click Compare to go back to your edits first.</source>
        <translation>La comparaison est active : la pédale joue le son enregistré. Cliquez d&apos;abord sur Comparer pour revenir à vos modifications.</translation>
    </message>
    <message>
        <source>There is no stored sound to compare with yet: click Request first.</source>
        <translation>Il n&apos;y a pas encore de son enregistré à comparer : cliquez d&apos;abord sur Interroger.</translation>
    </message>
    <message>
        <source>The image of &quot;%1&quot; cannot be read: %2</source>
        <translation>L&apos;image de « %1 » ne peut pas être lue : %2</translation>
    </message>
</context>
<context>
    <name>kx::ConnectionDoctor</name>
    <message>
        <source>Connection Doctor</source>
        <translation>Docteur de connexion</translation>
    </message>
    <message>
        <source>Command for a terminal:</source>
        <translation>Commande pour un terminal :</translation>
    </message>
    <message>
        <source>&amp;Allow access…</source>
        <translation>&amp;Autoriser l&apos;accès…</translation>
    </message>
    <message>
        <source>The rule is installed. If the pedal is still refused, unplug it and plug it in again, then choose Connect.</source>
        <translation>La règle est installée. Si la pédale est toujours refusée, débranchez-la et rebranchez-la, puis choisissez « Connecter ».</translation>
    </message>
    <message>
        <source>The rule was not installed (the administrator&apos;s password was not given, or the command failed). You can run the command shown in a terminal instead.</source>
        <translation>La règle n&apos;a pas été installée (le mot de passe administrateur n&apos;a pas été donné, ou la commande a échoué). Vous pouvez exécuter la commande affichée dans un terminal à la place.</translation>
    </message>
    <message>
        <source>pkexec, which asks for the administrator&apos;s password, is not installed: run the command in a terminal instead.</source>
        <translation>pkexec, qui demande le mot de passe administrateur, n&apos;est pas installé : exécutez plutôt la commande dans un terminal.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problème</translation>
    </message>
    <message>
        <source>&amp;Copy command</source>
        <translation>&amp;Copier la commande</translation>
    </message>
    <message>
        <source>&amp;Diagnose again</source>
        <translation>&amp;Diagnostiquer à nouveau</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Constats</translation>
    </message>
    <message>
        <source>No command is needed.</source>
        <translation>Aucune commande n&apos;est nécessaire.</translation>
    </message>
    <message>
        <source>Command for a terminal</source>
        <translation>Commande pour un terminal</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>Copier la commande</translation>
    </message>
    <message>
        <source>Allow access</source>
        <translation>Autoriser l&apos;accès</translation>
    </message>
    <message>
        <source>Installs the editor&apos;s udev rule with the administrator&apos;s password</source>
        <translation>Installe la règle udev de l&apos;éditeur avec le mot de passe administrateur</translation>
    </message>
    <message>
        <source>Diagnose again</source>
        <translation>Diagnostiquer à nouveau</translation>
    </message>
    <message>
        <source>The editor is connected to %1.</source>
        <translation>L&apos;éditeur est connecté à %1.</translation>
    </message>
    <message>
        <source>&lt;br&gt;&lt;i&gt;What to do:&lt;/i&gt; %1</source>
        <translation>&lt;br&gt;&lt;i&gt;Que faire :&lt;/i&gt; %1</translation>
    </message>
</context>
<context>
    <name>kx::TformAbout</name>
    <message>
        <source>Library</source>
        <translation>Bibliothèque</translation>
    </message>
    <message>
        <source>Used for</source>
        <translation>Utilisée pour</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licence</translation>
    </message>
    <message>
        <source>Copyright file</source>
        <translation>Fichier de copyright</translation>
    </message>
    <message>
        <source>The license texts named here are in /usr/share/common-licenses. The system libraries that these load in turn (fonts, images, the audio codecs of libsndfile) come with your system, each with its own copyright file.</source>
        <translation>Les textes des licences nommées ici se trouvent dans /usr/share/common-licenses. Les bibliothèques système que celles-ci chargent à leur tour (polices, images, codecs audio de libsndfile) sont fournies avec votre système, chacune avec son propre fichier de copyright.</translation>
    </message>
    <message>
        <source>About Kestrel X Editor</source>
        <translation>À propos de Kestrel X Editor</translation>
    </message>
    <message>
        <source>Kestrel X Editor</source>
        <translation>Kestrel X Editor</translation>
    </message>
    <message>
        <source>Libraries and licenses:</source>
        <translation>Bibliothèques et licences :</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Version %1, built on %2
Qt %3 (built with Qt %4), QCoro %5
For the Kestrel X pedal by NORVA.</source>
        <translation>Version %1, compilée le %2
Qt %3 (compilée avec Qt %4), QCoro %5
Pour la pédale Kestrel X de NORVA.</translation>
    </message>
</context>
<context>
    <name>kx::TformAssignmentMap</name>
    <message>
        <source>Open an effect (Open FX, or click it in the list) to see what the pedal&apos;s controls drive.</source>
        <translation>Ouvrez un effet (« Ouvrir FX », ou cliquez dessus dans la liste) pour voir ce que pilotent les commandes de la pédale.</translation>
    </message>
    <message>
        <source>This effect does not run on the pedal: its assignments can be seen but not changed.</source>
        <translation>Cet effet ne tourne pas sur la pédale : ses attributions sont visibles mais non modifiables.</translation>
    </message>
    <message>
        <source>A change here is sent to the pedal at once, like the parameters window&apos;s boxes and Assign.</source>
        <translation>Une modification ici est envoyée aussitôt à la pédale, comme les listes de la fenêtre des paramètres et « Attribuer ».</translation>
    </message>
    <message>
        <source>Shared: %1 follow this one control.</source>
        <translation>Partagé : %1 suivent cette seule commande.</translation>
    </message>
    <message>
        <source>Knobs</source>
        <translation>Potentiomètres</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Boutons</translation>
    </message>
    <message>
        <source>Footswitch</source>
        <translation>Footswitch</translation>
    </message>
    <message>
        <source>Remote and expression pedal</source>
        <translation>Télécommande et pédale d&apos;expression</translation>
    </message>
    <message>
        <source>Lights</source>
        <translation>Voyants</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>No effect open</source>
        <translation>Aucun effet ouvert</translation>
    </message>
    <message>
        <source>Assignment Map</source>
        <translation>Carte des attributions</translation>
    </message>
</context>
<context>
    <name>kx::TformFXInfo</name>
    <message>
        <source>Effect information page</source>
        <translation>Page d&apos;informations sur l&apos;effet</translation>
    </message>
</context>
<context>
    <name>kx::TformFXParameters</name>
    <message>
        <source>FX Parameters</source>
        <translation>Paramètres FX</translation>
    </message>
    <message>
        <source>not assignable</source>
        <translation>non attribuable</translation>
    </message>
    <message>
        <source>The pedal&apos;s controls can drive the first 16 controls of an effect only</source>
        <translation>Les commandes de la pédale ne peuvent piloter que les 16 premiers contrôles d&apos;un effet</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Pedal control</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>%1 value</source>
        <translation>Valeur de %1</translation>
    </message>
    <message>
        <source>%1 assignment</source>
        <translation>Attribution de %1</translation>
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
        <translation>Lignes</translation>
    </message>
    <message>
        <source>The parameters window has no pedal link.</source>
        <translation>La fenêtre des paramètres n&apos;a pas de liaison avec la pédale.</translation>
    </message>
    <message>
        <source>Control %1 is not a pot.</source>
        <translation>Le contrôle %1 n&apos;est pas un potentiomètre.</translation>
    </message>
    <message>
        <source>Control %1 is not a switch.</source>
        <translation>Le contrôle %1 n&apos;est pas un interrupteur.</translation>
    </message>
    <message>
        <source>Control %1 is not a multi switch.</source>
        <translation>Le contrôle %1 n&apos;est pas un sélecteur.</translation>
    </message>
    <message>
        <source>The assignments can be changed once the pedal runs the effect and its settings have been read.</source>
        <translation>Les attributions peuvent être modifiées une fois que la pédale exécute l&apos;effet et que ses réglages ont été lus.</translation>
    </message>
    <message>
        <source>%1 unassigned</source>
        <translation>%1 non attribué</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Preset change</source>
        <translation>Changement de preset</translation>
    </message>
    <message>
        <source>Assign parameters?</source>
        <translation>Attribuer les paramètres ?</translation>
    </message>
    <message>
        <source>Bypass Toggle</source>
        <translation>Bascule bypass</translation>
    </message>
    <message>
        <source>Preset Change</source>
        <translation>Changement de preset</translation>
    </message>
    <message>
        <source>Preview only</source>
        <translation>Aperçu seulement</translation>
    </message>
    <message>
        <source>Playing: the preset</source>
        <translation>Lecture : le preset</translation>
    </message>
    <message>
        <source>Playing: stored sound</source>
        <translation>Lecture : son enregistré</translation>
    </message>
    <message>
        <source>Playing: your edits</source>
        <translation>Lecture : vos modifications</translation>
    </message>
    <message>
        <source>Compare needs the running effect&apos;s values read first.</source>
        <translation>La comparaison demande d&apos;abord de lire les valeurs de l&apos;effet en cours.</translation>
    </message>
    <message>
        <source>The pedal plays the sound as stored, to compare. Go back to your edits and make this change there, or keep the stored sound and change it (your edits are let go)?</source>
        <translation>La pédale joue le son enregistré, pour comparer. Revenir à vos modifications et faire ce changement là, ou garder le son enregistré et le modifier (vos modifications sont abandonnées) ?</translation>
    </message>
    <message>
        <source>Back to my edits</source>
        <translation>Revenir à mes modifications</translation>
    </message>
    <message>
        <source>Keep the stored sound</source>
        <translation>Garder le son enregistré</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The reset needs the running effect&apos;s values read first.</source>
        <translation>La réinitialisation demande d&apos;abord de lire les valeurs de l&apos;effet en cours.</translation>
    </message>
    <message>
        <source>The pedal plays the sound as stored, to compare. Go back to your edits and reset them, or reset from the stored sound (your edits are let go)?</source>
        <translation>La pédale joue le son enregistré, pour comparer. Revenir à vos modifications et les réinitialiser, ou réinitialiser à partir du son enregistré (vos modifications sont abandonnées) ?</translation>
    </message>
    <message>
        <source>Reset to the effect&apos;s values</source>
        <translation>Revenir aux valeurs de l&apos;effet</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparer</translation>
    </message>
    <message>
        <source>Switch the pedal between your edits and the sound as stored on the pedal or loaded from a preset (Ctrl+K)</source>
        <translation>Fait passer la pédale de vos modifications au son enregistré sur la pédale ou chargé depuis un preset, et inversement (Ctrl+K)</translation>
    </message>
</context>
<context>
    <name>kx::TformFirmwareUpgrade</name>
    <message>
        <source>Firmware Upgrade</source>
        <translation>Mise à niveau du firmware</translation>
    </message>
    <message>
        <source>Upgrade Firmware</source>
        <translation>Mettre à niveau le firmware</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Cancelling after this chunk</source>
        <translation>Annulation après ce bloc</translation>
    </message>
    <message>
        <source>Choose firmware</source>
        <translation>Choisir le firmware</translation>
    </message>
    <message>
        <source>Resynchronising…</source>
        <translation>Resynchronisation…</translation>
    </message>
    <message>
        <source>Erasing…</source>
        <translation>Effacement…</translation>
    </message>
    <message>
        <source>Writing record…</source>
        <translation>Écriture de l&apos;enregistrement…</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Démarrage…</translation>
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
        <translation>Arrêter la mise à niveau après le bloc en cours d&apos;écriture</translation>
    </message>
    <message>
        <source>Upgrade progress</source>
        <translation>Progression de la mise à niveau</translation>
    </message>
    <message>
        <source>Not started</source>
        <translation>Pas démarrée</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annulée</translation>
    </message>
    <message>
        <source>Upgrade failed</source>
        <translation>Échec de la mise à niveau</translation>
    </message>
    <message>
        <source>Chunk %1 failed</source>
        <translation>Échec du bloc %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Chunk %1 of %2</source>
        <translation>Bloc %1 sur %2</translation>
    </message>
    <message>
        <source>Firmware Upgrade Complete, device will now restart</source>
        <translation>Mise à niveau du firmware terminée, l&apos;appareil va redémarrer</translation>
    </message>
    <message>
        <source>Upgrade the pedal to %1? Do not unplug the pedal or switch it off until &quot;Firmware Upgrade Complete&quot; appears.</source>
        <translation>Mettre la pédale à niveau vers %1 ? Ne débranchez pas la pédale et ne l&apos;éteignez pas avant que « Mise à niveau du firmware terminée » n&apos;apparaisse.</translation>
    </message>
    <message>
        <source>To start the pedal in its bootloader, unplug it, then plug it in again while holding its footswitch down, and connect with Upgrade Mode ticked.</source>
        <translation>Pour démarrer la pédale dans son bootloader, débranchez-la, puis rebranchez-la en maintenant son footswitch enfoncé, et connectez-vous avec « Mode de mise à niveau » coché.</translation>
    </message>
</context>
<context>
    <name>kx::TformGuide</name>
    <message>
        <source>Kestrel X Editor User Guide</source>
        <translation>Guide de l&apos;utilisateur de Kestrel X Editor</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>S&amp;uivant</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Guide de l&apos;utilisateur</translation>
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
        <translation>Pour charger une réponse impulsionnelle :</translation>
    </message>
    <message>
        <source>1) Select an IR load algorithm in Impulse Response category</source>
        <translation>1) Choisissez un algorithme de chargement d&apos;IR dans la catégorie Impulse Response</translation>
    </message>
    <message>
        <source>2) Go to File and click Load IR, choose the desired WAV file</source>
        <translation>2) Allez dans Fichier, cliquez sur Charger l&apos;IR et choisissez le fichier WAV voulu</translation>
    </message>
    <message>
        <source>3) Click UPLOAD SELECTED EFFECT button</source>
        <translation>3) Cliquez sur le bouton ENVOYER L&apos;EFFET SÉLECTIONNÉ</translation>
    </message>
    <message>
        <source>Waveform of the loaded samples</source>
        <translation>Forme d&apos;onde des échantillons chargés</translation>
    </message>
    <message>
        <source>Magnitude response of the loaded samples</source>
        <translation>Réponse en amplitude des échantillons chargés</translation>
    </message>
    <message>
        <source>Load IR</source>
        <translation>Charger l&apos;IR</translation>
    </message>
    <message>
        <source>Waveform at %1 kHz: the first %2 samples (%3 ms) are loaded</source>
        <translation>Forme d&apos;onde à %1 kHz : les %2 premiers échantillons (%3 ms) sont chargés</translation>
    </message>
    <message>
        <source>Nothing loaded yet</source>
        <translation>Rien n&apos;est encore chargé</translation>
    </message>
    <message>
        <source>loaded</source>
        <translation>chargé</translation>
    </message>
    <message>
        <source>not loaded</source>
        <translation>non chargé</translation>
    </message>
    <message>
        <source>&amp;Trim the silence before the first peak</source>
        <translation>&amp;Couper le silence avant le premier pic</translation>
    </message>
    <message>
        <source>&amp;Normalise the peak</source>
        <translation>&amp;Normaliser le pic</translation>
    </message>
    <message>
        <source>Peak level (dB):</source>
        <translation>Niveau du pic (dB) :</translation>
    </message>
    <message>
        <source>&amp;Fade out before the cut</source>
        <translation>&amp;Fondu de sortie avant la coupe</translation>
    </message>
    <message>
        <source>Fade length (ms):</source>
        <translation>Durée du fondu (ms) :</translation>
    </message>
    <message>
        <source>Import &amp;again with these tools</source>
        <translation>&amp;Importer à nouveau avec ces outils</translation>
    </message>
    <message>
        <source>Last imports for this effect (kept after a restart):</source>
        <translation>Derniers imports pour cet effet (conservés après un redémarrage) :</translation>
    </message>
    <message>
        <source>&amp;Use this import</source>
        <translation>&amp;Utiliser cet import</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (%2; %3)</source>
        <translation>%1 (%2 ; %3)</translation>
    </message>
    <message>
        <source>trimmed</source>
        <translation>coupé</translation>
    </message>
    <message>
        <source>normalised to %1 dB</source>
        <translation>normalisé à %1 dB</translation>
    </message>
    <message>
        <source>faded over %1 ms</source>
        <translation>fondu sur %1 ms</translation>
    </message>
    <message>
        <source>Peak level (dB)</source>
        <translation>Niveau du pic (dB)</translation>
    </message>
    <message>
        <source>Fade length (ms)</source>
        <translation>Durée du fondu (ms)</translation>
    </message>
    <message>
        <source>Last imports for this effect</source>
        <translation>Derniers imports pour cet effet</translation>
    </message>
</context>
<context>
    <name>kx::TformMain</name>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Système</translation>
    </message>
    <message>
        <source>The option --port needs a port path.</source>
        <translation>L&apos;option --port a besoin d&apos;un chemin de port.</translation>
    </message>
    <message>
        <source>The editor&apos;s settings were not read: %1 The file is set aside as %2; the defaults are used.</source>
        <translation>Les réglages de l&apos;éditeur n&apos;ont pas été lus : %1 Le fichier est mis de côté sous le nom %2 ; les valeurs par défaut sont utilisées.</translation>
    </message>
    <message>
        <source>The editor&apos;s settings were not read: %1 It could not be set aside (%2); the defaults are used and nothing is remembered.</source>
        <translation>Les réglages de l&apos;éditeur n&apos;ont pas été lus : %1 Il n&apos;a pas pu être mis de côté (%2) ; les valeurs par défaut sont utilisées et rien n&apos;est mémorisé.</translation>
    </message>
    <message>
        <source>Kestrel X Editor</source>
        <translation>Kestrel X Editor</translation>
    </message>
    <message>
        <source>Device Name: </source>
        <translation>Nom de l&apos;appareil : </translation>
    </message>
    <message>
        <source>The built-in virtual pedal runs its firmware. Restart it in its bootloader, as a pedal powered up with its footswitch held, so that you can try the whole upgrade?</source>
        <translation>La pédale virtuelle intégrée exécute son firmware. La redémarrer dans son bootloader, comme une pédale allumée avec son footswitch enfoncé, pour que vous puissiez essayer toute la mise à niveau ?</translation>
    </message>
    <message>
        <source>Restart in bootloader</source>
        <translation>Redémarrer dans le bootloader</translation>
    </message>
    <message>
        <source>Leave it running</source>
        <translation>La laisser tourner</translation>
    </message>
    <message>
        <source>Serial Number: </source>
        <translation>Numéro de série : </translation>
    </message>
    <message>
        <source>Firmware Version: </source>
        <translation>Version du firmware : </translation>
    </message>
    <message>
        <source>Upload Selected Effect</source>
        <translation>Envoyer l&apos;effet sélectionné</translation>
    </message>
    <message>
        <source>Open FX</source>
        <translation>Ouvrir FX</translation>
    </message>
    <message>
        <source>Request</source>
        <translation>Interroger</translation>
    </message>
    <message>
        <source>Assign</source>
        <translation>Attribuer</translation>
    </message>
    <message>
        <source>Store Settings On Pedal</source>
        <translation>Enregistrer les réglages sur la pédale</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>Effect information</source>
        <translation>Informations sur l&apos;effet</translation>
    </message>
    <message>
        <source>Effect categories</source>
        <translation>Catégories d&apos;effets</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effets</translation>
    </message>
    <message>
        <source>Firmware Upgrade Mode</source>
        <translation>Mode de mise à niveau du firmware</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barre de menus</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>L&amp;oad Configuration</source>
        <translation>&amp;Charger la configuration</translation>
    </message>
    <message>
        <source>&amp;Save Configuration</source>
        <translation>&amp;Enregistrer la configuration</translation>
    </message>
    <message>
        <source>Preset &amp;Library…</source>
        <translation>&amp;Bibliothèque de presets…</translation>
    </message>
    <message>
        <source>Load &amp;IR</source>
        <translation>Charger l&apos;&amp;IR</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Connection</source>
        <translation>&amp;Connexion</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Connecter</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Déconnecter</translation>
    </message>
    <message>
        <source>Dia&amp;gnose…</source>
        <translation>Dia&amp;gnostiquer…</translation>
    </message>
    <message>
        <source>Connect Auto&amp;matically</source>
        <translation>Connecter &amp;automatiquement</translation>
    </message>
    <message>
        <source>&amp;Upload Selected Effect</source>
        <translation>&amp;Envoyer l&apos;effet sélectionné</translation>
    </message>
    <message>
        <source>&amp;Open FX</source>
        <translation>&amp;Ouvrir FX</translation>
    </message>
    <message>
        <source>&amp;Request</source>
        <translation>&amp;Interroger</translation>
    </message>
    <message>
        <source>&amp;Assign</source>
        <translation>A&amp;ttribuer</translation>
    </message>
    <message>
        <source>S&amp;tore Settings On Pedal</source>
        <translation>Enregistrer les réglages &amp;sur la pédale</translation>
    </message>
    <message>
        <source>Switch &amp;Window</source>
        <translation>Changer de &amp;fenêtre</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Réglages</translation>
    </message>
    <message>
        <source>&amp;Assignment Map…</source>
        <translation>&amp;Carte des attributions…</translation>
    </message>
    <message>
        <source>&amp;Follow Pedal</source>
        <translation>&amp;Suivre la pédale</translation>
    </message>
    <message>
        <source>Show the pedal&apos;s knobs in the parameters window as they are turned</source>
        <translation>Montre les potentiomètres de la pédale dans la fenêtre des paramètres quand on les tourne</translation>
    </message>
    <message>
        <source>&amp;Look</source>
        <translation>&amp;Apparence</translation>
    </message>
    <message>
        <source>La&amp;nguage</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;MIDI</source>
        <translation>&amp;MIDI</translation>
    </message>
    <message>
        <source>&amp;Channel</source>
        <translation>&amp;Canal</translation>
    </message>
    <message>
        <source>F&amp;irmware Upgrade</source>
        <translation>Mise à niveau du f&amp;irmware</translation>
    </message>
    <message>
        <source>&amp;Upgrade Mode</source>
        <translation>&amp;Mode de mise à niveau</translation>
    </message>
    <message>
        <source>&amp;Start Firmware Upgrade</source>
        <translation>&amp;Lancer la mise à niveau du firmware</translation>
    </message>
    <message>
        <source>I&amp;nfo</source>
        <translation>I&amp;nfo</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>&amp;Assistance</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Version : </translation>
    </message>
    <message>
        <source>New version available:</source>
        <translation>Nouvelle version disponible :</translation>
    </message>
    <message>
        <source>Device Serial: </source>
        <translation>Numéro de série de l&apos;appareil : </translation>
    </message>
    <message>
        <source>&amp;Update Now</source>
        <translation>Mettre à jour &amp;maintenant</translation>
    </message>
    <message>
        <source>Show Update &amp;Message</source>
        <translation>Afficher le message de mise à &amp;jour</translation>
    </message>
    <message>
        <source>Upload the selected effect, &quot;%1&quot;?</source>
        <translation>Envoyer l&apos;effet sélectionné, « %1 » ?</translation>
    </message>
    <message>
        <source>Upload the selected effect, &quot;%1&quot;, with the impulse response &quot;%2&quot;?</source>
        <translation>Envoyer l&apos;effet sélectionné, « %1 », avec la réponse impulsionnelle « %2 » ?</translation>
    </message>
    <message>
        <source>Status: </source>
        <translation>État : </translation>
    </message>
    <message>
        <source>Choose an effect in the list first, then upload it.</source>
        <translation>Choisissez d&apos;abord un effet dans la liste, puis envoyez-le.</translation>
    </message>
    <message>
        <source>Settings stored on the pedal</source>
        <translation>Réglages enregistrés sur la pédale</translation>
    </message>
    <message>
        <source>The settings were not stored: </source>
        <translation>Les réglages n&apos;ont pas été enregistrés : </translation>
    </message>
    <message>
        <source>Assignments sent to the pedal</source>
        <translation>Attributions envoyées à la pédale</translation>
    </message>
    <message>
        <source>The assignments were not sent: </source>
        <translation>Les attributions n&apos;ont pas été envoyées : </translation>
    </message>
    <message>
        <source>MIDI channel set to %1</source>
        <translation>Canal MIDI réglé sur %1</translation>
    </message>
    <message>
        <source>The MIDI channel was not set to %1: </source>
        <translation>Le canal MIDI n&apos;a pas été réglé sur %1 : </translation>
    </message>
    <message>
        <source>Impulse Response: choose an effect, then File &gt; Load IR (Ctrl+I) and Upload (Ctrl+U). Load IR shows how.</source>
        <translation>Impulse Response : choisissez un effet, puis Fichier &gt; Charger l&apos;IR (Ctrl+I) et Envoyer (Ctrl+U). Charger l&apos;IR explique comment.</translation>
    </message>
    <message>
        <source>the virtual pedal</source>
        <translation>la pédale virtuelle</translation>
    </message>
    <message>
        <source>A WAV file goes into an impulse response effect. Choose one of these in the &quot;Impulse Response&quot; category first, then drop the file again: %1.</source>
        <translation>Un fichier WAV va dans un effet de réponse impulsionnelle. Choisissez d&apos;abord l&apos;un d&apos;eux dans la catégorie « Impulse Response », puis déposez à nouveau le fichier : %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a preset (.txt) nor a WAV file (.wav): nothing was loaded.</source>
        <translation>« %1 » n&apos;est ni un preset (.txt) ni un fichier WAV (.wav) : rien n&apos;a été chargé.</translation>
    </message>
    <message>
        <source>Drop one file at a time: %1 files were dropped.</source>
        <translation>Déposez un seul fichier à la fois : %1 fichiers ont été déposés.</translation>
    </message>
    <message>
        <source>Unstored edits — </source>
        <translation>Modifications non enregistrées — </translation>
    </message>
    <message>
        <source>Your edits to &quot;%1&quot; are neither stored on the pedal nor saved in a preset. Store them on the pedal, save them as a preset, or discard them?</source>
        <translation>Vos modifications de « %1 » ne sont ni enregistrées sur la pédale ni sauvegardées dans un preset. Les enregistrer sur la pédale, les sauvegarder comme preset ou les abandonner ?</translation>
    </message>
    <message>
        <source>Store on the pedal</source>
        <translation>Enregistrer sur la pédale</translation>
    </message>
    <message>
        <source>Save as preset…</source>
        <translation>Sauvegarder comme preset…</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>%1 information</source>
        <translation>Informations sur %1</translation>
    </message>
    <message>
        <source>Follow Pedal is off: </source>
        <translation>Suivre la pédale est désactivé : </translation>
    </message>
    <message>
        <source>the parameters window was closed.</source>
        <translation>la fenêtre des paramètres a été fermée.</translation>
    </message>
    <message>
        <source>the parameters window shows another effect.</source>
        <translation>la fenêtre des paramètres montre un autre effet.</translation>
    </message>
    <message>
        <source>The pedal was unplugged.</source>
        <translation>La pédale a été débranchée.</translation>
    </message>
    <message>
        <source> It connects again when it is plugged back in.</source>
        <translation> Elle se reconnecte quand elle est rebranchée.</translation>
    </message>
    <message>
        <source> Plug it in again and choose Connection &gt; Connect.</source>
        <translation> Rebranchez-la et choisissez Connexion &gt; Connecter.</translation>
    </message>
    <message>
        <source> Follow Pedal is off.</source>
        <translation> Suivre la pédale est désactivé.</translation>
    </message>
    <message>
        <source>Another pedal is attached. Store or save the edits first, then choose Connect to use it.</source>
        <translation>Une autre pédale est branchée. Enregistrez ou sauvegardez d&apos;abord les modifications, puis choisissez « Connecter » pour l&apos;utiliser.</translation>
    </message>
    <message>
        <source>A pedal was plugged in. The editor stays with the virtual pedal, whose edits are not stored: store or save them, then choose Connection &gt; Disconnect and Connect.</source>
        <translation>Une pédale a été branchée. L&apos;éditeur reste sur la pédale virtuelle, dont les modifications ne sont pas enregistrées : enregistrez-les ou sauvegardez-les, puis choisissez Connexion &gt; Déconnecter et Connecter.</translation>
    </message>
    <message>
        <source>Error loading file: </source>
        <translation>Erreur de chargement du fichier : </translation>
    </message>
    <message>
        <source>The device at %1 did not answer as a Kestrel X, so the editor let it go. If it is the pedal, check that it is powered, then choose Connect.</source>
        <translation>L&apos;appareil sur %1 n&apos;a pas répondu comme une Kestrel X, l&apos;éditeur l&apos;a donc laissé. Si c&apos;est la pédale, vérifiez qu&apos;elle est alimentée, puis choisissez « Connecter ».</translation>
    </message>
    <message>
        <source>Save Preset File</source>
        <translation>Enregistrer le fichier de preset</translation>
    </message>
    <message>
        <source>Open Preset File</source>
        <translation>Ouvrir un fichier de preset</translation>
    </message>
    <message>
        <source>Preset files (*.txt)</source>
        <translation>Fichiers de preset (*.txt)</translation>
    </message>
    <message>
        <source>File saved successfully: </source>
        <translation>Fichier enregistré : </translation>
    </message>
    <message>
        <source>File loaded successfully: </source>
        <translation>Fichier chargé : </translation>
    </message>
    <message>
        <source>There is no open effect to save: click Open FX, then Request, and save again.</source>
        <translation>Aucun effet ouvert à sauvegarder : cliquez sur « Ouvrir FX », puis sur « Interroger », et sauvegardez à nouveau.</translation>
    </message>
    <message>
        <source>There is no open effect to load the preset into: click Open FX, or an effect in the list, and load again.</source>
        <translation>Aucun effet ouvert dans lequel charger le preset : cliquez sur « Ouvrir FX » ou sur un effet de la liste, et chargez à nouveau.</translation>
    </message>
    <message>
        <source>The values of &quot;%1&quot; have not been read yet: click Request, or load a preset, and save again.</source>
        <translation>Les valeurs de « %1 » n&apos;ont pas encore été lues : cliquez sur « Interroger », ou chargez un preset, et sauvegardez à nouveau.</translation>
    </message>
    <message>
        <source>This preset holds %1 controls, but the open effect &quot;%2&quot; has %3: it was not loaded.</source>
        <translation>Ce preset contient %1 contrôles, mais l&apos;effet ouvert « %2 » en a %3 : il n&apos;a pas été chargé.</translation>
    </message>
    <message>
        <source>This preset was saved for %1, not for the open effect &quot;%2&quot;. Load its values into &quot;%2&quot;?</source>
        <translation>Ce preset a été sauvegardé pour %1, pas pour l&apos;effet ouvert « %2 ». Charger ses valeurs dans « %2 » ?</translation>
    </message>
    <message>
        <source>This preset is for %1, not for the open effect &quot;%2&quot;: it was not loaded. Connect the pedal to upload %3 and apply this preset.</source>
        <translation>Ce preset est pour %1, pas pour l&apos;effet ouvert « %2 » : il n&apos;a pas été chargé. Connectez la pédale pour envoyer %3 et appliquer ce preset.</translation>
    </message>
    <message>
        <source>This preset is for %1, but the pedal runs %2.

Upload %3 and apply this preset?</source>
        <translation>Ce preset est pour %1, mais la pédale exécute %2.

Envoyer %3 et appliquer ce preset ?</translation>
    </message>
    <message>
        <source>no effect</source>
        <translation>aucun effet</translation>
    </message>
    <message>
        <source>This preset holds %1 controls, but %2 has %3: it was not loaded.</source>
        <translation>Ce preset contient %1 contrôles, mais %2 en a %3 : il n&apos;a pas été chargé.</translation>
    </message>
    <message>
        <source>effect %1, which the effect list does not hold</source>
        <translation>l&apos;effet %1, absent de la liste des effets</translation>
    </message>
    <message>
        <source>No update available</source>
        <translation>Aucune mise à jour disponible</translation>
    </message>
    <message>
        <source>The version check is turned off for this run (the update server is &quot;off&quot;).</source>
        <translation>La vérification de version est désactivée pour cette exécution (le serveur de mise à jour vaut « off »).</translation>
    </message>
    <message>
        <source>No update server is set for this build of the Kestrel X Editor, so it cannot check for updates. To check one, start the editor with KX_UPDATE_SERVER set to the server&apos;s address (for example KX_UPDATE_SERVER=https://updates.example.org ./run.sh).</source>
        <translation>Aucun serveur de mise à jour n&apos;est défini pour cette version du Kestrel X Editor, il ne peut donc pas rechercher de mises à jour. Pour en rechercher une, lancez l&apos;éditeur avec KX_UPDATE_SERVER réglé sur l&apos;adresse du serveur (par exemple KX_UPDATE_SERVER=https://updates.example.org ./run.sh).</translation>
    </message>
    <message>
        <source>This is the newest version of the Kestrel X Editor (%1).</source>
        <translation>Ceci est la version la plus récente du Kestrel X Editor (%1).</translation>
    </message>
    <message>
        <source>the Documents folder cannot be found</source>
        <translation>le dossier Documents est introuvable</translation>
    </message>
    <message>
        <source>Error: the look file %1 holds &quot;%2&quot;, which is not a whole number; look 0 is used.</source>
        <translation>Erreur : le fichier d&apos;apparence %1 contient « %2 », qui n&apos;est pas un nombre entier ; l&apos;apparence 0 est utilisée.</translation>
    </message>
    <message>
        <source>Error creating folder: </source>
        <translation>Erreur de création du dossier : </translation>
    </message>
    <message>
        <source>Error creating subfolder: </source>
        <translation>Erreur de création du sous-dossier : </translation>
    </message>
    <message>
        <source>Error saving file: </source>
        <translation>Erreur d&apos;enregistrement du fichier : </translation>
    </message>
    <message>
        <source>Dark &amp;Red</source>
        <translation>Sombre &amp;rouge</translation>
    </message>
    <message>
        <source>Dark &amp;Orange</source>
        <translation>Sombre &amp;orange</translation>
    </message>
    <message>
        <source>Dark &amp;Turquoise</source>
        <translation>Sombre &amp;turquoise</translation>
    </message>
    <message>
        <source>Dark &amp;Blue</source>
        <translation>Sombre &amp;bleu</translation>
    </message>
    <message>
        <source>&amp;Grey Orange</source>
        <translation>&amp;Gris orange</translation>
    </message>
    <message>
        <source>Grey Go&amp;ld</source>
        <translation>Gris &amp;doré</translation>
    </message>
    <message>
        <source>Light &amp;Cyan</source>
        <translation>Clair &amp;cyan</translation>
    </message>
    <message>
        <source>Error: </source>
        <translation>Erreur : </translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Comparer</translation>
    </message>
    <message>
        <source>Reset to Effect&apos;s &amp;Values</source>
        <translation>Revenir aux &amp;valeurs de l&apos;effet</translation>
    </message>
    <message numerus="yes">
        <source>%n pedals are attached: %1. Choose one under Connection &gt; Pedal.</source>
        <translation>
            <numerusform>%n pédale est branchée : %1. Choisissez-en une dans Connexion &gt; Pédale.</numerusform>
            <numerusform>%n pédales sont branchées : %1. Choisissez-en une dans Connexion &gt; Pédale.</numerusform>
        </translation>
    </message>
    <message>
        <source>A kept impulse response could not be read and was set aside: %1</source>
        <translation>Une réponse impulsionnelle conservée n&apos;a pas pu être lue et a été mise de côté : %1</translation>
    </message>
    <message>
        <source>No impulse response has been loaded for &quot;%1&quot; since the editor started. Upload it with the last one imported, &quot;%2&quot; (%3)?</source>
        <translation>Aucune réponse impulsionnelle n&apos;a été chargée pour « %1 » depuis le démarrage de l&apos;éditeur. L&apos;envoyer avec la dernière importée, « %2 » (%3) ?</translation>
    </message>
    <message>
        <source>Kept import: %1, the same coefficients as when it was made</source>
        <translation>Import conservé : %1, les mêmes coefficients qu&apos;à sa création</translation>
    </message>
    <message>
        <source>Its impulse response &quot;%1&quot; is saved beside it: %2</source>
        <translation>Sa réponse impulsionnelle « %1 » est enregistrée à côté : %2</translation>
    </message>
    <message>
        <source>Its impulse response was not saved: %1</source>
        <translation>Sa réponse impulsionnelle n&apos;a pas été enregistrée : %1</translation>
    </message>
    <message>
        <source>No impulse response has been imported for &quot;%1&quot; yet, so the preset has none beside it. Load one (File &gt; Load IR) and save again to keep it with the preset.</source>
        <translation>Aucune réponse impulsionnelle n&apos;a encore été importée pour « %1 », le preset n&apos;en a donc aucune à côté. Chargez-en une (Fichier &gt; Charger l&apos;IR) et enregistrez à nouveau pour la garder avec le preset.</translation>
    </message>
    <message>
        <source>Its impulse response &quot;%1&quot; is imported: an upload of &quot;%2&quot; sends it.</source>
        <translation>Sa réponse impulsionnelle « %1 » est importée : un envoi de « %2 » la transmet.</translation>
    </message>
    <message>
        <source>Its impulse response (%1) is missing: the values are loaded, and &quot;%2&quot; keeps the impulse response it has.</source>
        <translation>Sa réponse impulsionnelle (%1) est manquante : les valeurs sont chargées et « %2 » garde sa réponse impulsionnelle actuelle.</translation>
    </message>
    <message>
        <source>Its impulse response cannot be used: %1. The values are loaded, and &quot;%2&quot; keeps the impulse response it has.</source>
        <translation>Sa réponse impulsionnelle est inutilisable : %1. Les valeurs sont chargées et « %2 » garde sa réponse impulsionnelle actuelle.</translation>
    </message>
    <message>
        <source>&amp;Pedal</source>
        <translation>&amp;Pédale</translation>
    </message>
    <message>
        <source>Pedal</source>
        <translation>Pédale</translation>
    </message>
    <message>
        <source>No pedal attached</source>
        <translation>Aucune pédale branchée</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source> (connected)</source>
        <translation> (connectée)</translation>
    </message>
    <message>
        <source>This preset keeps its impulse response &quot;%2&quot; beside it.

Upload %1 with it and apply this preset?</source>
        <translation>Ce preset garde sa réponse impulsionnelle « %2 » à côté de lui.

Envoyer %1 avec elle et appliquer ce preset ?</translation>
    </message>
    <message>
        <source>Version %1 of the Kestrel X Editor is available (this is %2). Help &gt; Info &gt; Update Now installs it.</source>
        <translation>La version %1 de Kestrel X Editor est disponible (celle-ci est la %2). Aide &gt; Info &gt; Mettre à jour maintenant l&apos;installe.</translation>
    </message>
</context>
<context>
    <name>kx::TformNewVersionMsg</name>
    <message>
        <source>New Version</source>
        <translation>Nouvelle version</translation>
    </message>
    <message>
        <source>A new version of the Kestrel X Editor is available</source>
        <translation>Une nouvelle version du Kestrel X Editor est disponible</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Mettre à jour maintenant</translation>
    </message>
    <message>
        <source>What&apos;s New?</source>
        <translation>Quoi de neuf ?</translation>
    </message>
    <message>
        <source>Don&apos;t Show This Message Again</source>
        <translation>Ne plus afficher ce message</translation>
    </message>
    <message>
        <source>This action will update the Kestrel X Editor to the latest version. Do you want to continue?</source>
        <translation>Cette action va mettre à jour le Kestrel X Editor vers la dernière version. Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>Failed to launch updater: </source>
        <translation>Impossible de lancer le programme de mise à jour : </translation>
    </message>
    <message>
        <source>The Kestrel X Editor is updated through your system&apos;s packages, or by downloading the new version from the maker&apos;s site. The page that has just opened tells what is new.</source>
        <translation>Le Kestrel X Editor se met à jour par les paquets de votre système, ou en téléchargeant la nouvelle version sur le site du fabricant. La page qui vient de s&apos;ouvrir présente les nouveautés.</translation>
    </message>
</context>
<context>
    <name>kx::TformPresetLibrary</name>
    <message>
        <source>effect %1, not in this editor&apos;s list</source>
        <translation>effet %1, absent de la liste de cet éditeur</translation>
    </message>
    <message>
        <source>The list of recent presets was not read: %1 The file is set aside as %2.</source>
        <translation>La liste des presets récents n&apos;a pas été lue : %1 Le fichier est mis de côté sous le nom %2.</translation>
    </message>
    <message>
        <source>The list of recent presets was not read: %1</source>
        <translation>La liste des presets récents n&apos;a pas été lue : %1</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtre :</translation>
    </message>
    <message>
        <source>Name, effect or category</source>
        <translation>Nom, effet ou catégorie</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>&amp;Presets in %1:</source>
        <translation>&amp;Presets dans %1 :</translation>
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
        <translation>Effet</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>&amp;Loaded or saved last:</source>
        <translation>&amp;Derniers chargés ou enregistrés :</translation>
    </message>
    <message>
        <source>Loaded or saved last</source>
        <translation>Derniers chargés ou enregistrés</translation>
    </message>
    <message>
        <source>L&amp;oad</source>
        <translation>C&amp;harger</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Renommer</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source> (no longer there)</source>
        <translation> (n&apos;existe plus)</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; was not renamed: %2</source>
        <translation>Le preset « %1 » n&apos;a pas été renommé : %2</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; was not deleted: %2</source>
        <translation>Le preset « %1 » n&apos;a pas été supprimé : %2</translation>
    </message>
    <message>
        <source>Preset Library</source>
        <translation>Bibliothèque de presets</translation>
    </message>
    <message>
        <source>Delete the preset &quot;%1&quot;? The file is removed from the preset folder.</source>
        <translation>Supprimer le preset « %1 » ? Le fichier est retiré du dossier des presets.</translation>
    </message>
    <message>
        <source>Damaged: %1</source>
        <translation>Endommagé : %1</translation>
    </message>
    <message>
        <source>Impulse response</source>
        <translation>Réponse impulsionnelle</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Delete the preset &quot;%1&quot; and its impulse response? Both files are removed from the preset folder.</source>
        <translation>Supprimer le preset « %1 » et sa réponse impulsionnelle ? Les deux fichiers sont retirés du dossier des presets.</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Manquante</translation>
    </message>
    <message>
        <source>This impulse response effect&apos;s preset has no %1 beside it: its values load, the effect keeps the impulse response it has.</source>
        <translation>Le preset de cet effet à réponse impulsionnelle n&apos;a pas de %1 à côté de lui : ses valeurs se chargent, l&apos;effet garde sa réponse impulsionnelle actuelle.</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2. The preset&apos;s values still load.</source>
        <translation>%1 est inutilisable : %2. Les valeurs du preset se chargent quand même.</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; was not copied: %2</source>
        <translation>Le preset « %1 » n&apos;a pas été copié : %2</translation>
    </message>
</context>
<context>
    <name>kx::TformPrint</name>
    <message>
        <source>Print Console</source>
        <translation>Console d&apos;impression</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>HAUT</translation>
    </message>
    <message>
        <source>scrollDOWN</source>
        <translation>défiler vers le bas</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Enregistrer…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Save the log</source>
        <translation>Enregistrer le journal</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Fichiers texte (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Saves the log to a file</source>
        <translation>Enregistre le journal dans un fichier</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Journal</translation>
    </message>
</context>
<context>
    <name>kx::VersionClient</name>
    <message>
        <source>the network module cannot be loaded (%1).</source>
        <translation>le module réseau ne peut pas être chargé (%1).</translation>
    </message>
    <message>
        <source>the server&apos;s answer is longer than %1 bytes.</source>
        <translation>la réponse du serveur dépasse %1 octets.</translation>
    </message>
    <message>
        <source>the version check failed: </source>
        <translation>la vérification de version a échoué : </translation>
    </message>
    <message>
        <source>HTTP status %1</source>
        <translation>état HTTP %1</translation>
    </message>
    <message>
        <source>the editor&apos;s own version &quot;%1&quot; is not a version number.</source>
        <translation>la version de l&apos;éditeur lui-même, « %1 », n&apos;est pas un numéro de version.</translation>
    </message>
    <message>
        <source>the server did not answer within %1 s.</source>
        <translation>le serveur n&apos;a pas répondu dans les %1 s.</translation>
    </message>
</context>
</TS>
