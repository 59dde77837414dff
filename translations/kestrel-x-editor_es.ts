<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>About</name>
    <message>
        <source>windows, serial ports, network</source>
        <translation>ventanas, puertos serie, red</translation>
    </message>
    <message>
        <source>waits for the pedal that block no window</source>
        <translation>esperas al pedal que no bloquean ninguna ventana</translation>
    </message>
    <message>
        <source>reading WAV files</source>
        <translation>lectura de archivos WAV</translation>
    </message>
    <message>
        <source>resampling impulse responses</source>
        <translation>remuestreo de respuestas de impulso</translation>
    </message>
    <message>
        <source>noticing the pedal plugged in and out</source>
        <translation>detectar cuándo se conecta y desconecta el pedal</translation>
    </message>
    <message>
        <source>the secure connection of the version check</source>
        <translation>la conexión segura de la comprobación de versión</translation>
    </message>
    <message>
        <source>the C++ language&apos;s library</source>
        <translation>la biblioteca del lenguaje C++</translation>
    </message>
    <message>
        <source>the system&apos;s C library</source>
        <translation>la biblioteca C del sistema</translation>
    </message>
</context>
<context>
    <name>Base</name>
    <message>
        <source>%1: it is a folder, not a file.</source>
        <translation>%1: es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>%1: it is a pipe, not a file.</source>
        <translation>%1: es una tubería (pipe), no un archivo.</translation>
    </message>
    <message>
        <source>%1: it is a device, not a file.</source>
        <translation>%1: es un dispositivo, no un archivo.</translation>
    </message>
    <message>
        <source>%1: it is not a regular file.</source>
        <translation>%1: no es un archivo normal.</translation>
    </message>
    <message>
        <source>%1: it is %2 bytes long, but %3 is at most %4 bytes.</source>
        <translation>%1: ocupa %2 bytes, pero %3 ocupa como mucho %4 bytes.</translation>
    </message>
    <message>
        <source>%1: it grew while it was read, past the %2 bytes that %3 can have.</source>
        <translation>%1: creció mientras se leía, más allá de los %2 bytes que puede tener %3.</translation>
    </message>
</context>
<context>
    <name>Firmware</name>
    <message>
        <source>Choose a firmware in the list first. Nothing was sent to the pedal.</source>
        <translation>Elige primero un firmware de la lista. No se ha enviado nada al pedal.</translation>
    </message>
    <message>
        <source>The firmware %1 is empty. Nothing was sent.</source>
        <translation>El firmware %1 está vacío. No se ha enviado nada.</translation>
    </message>
    <message>
        <source>The firmware %1 cannot be written: it has %2 bytes, more than %3 chunks of 256 bytes. Nothing was sent.</source>
        <translation>El firmware %1 no se puede escribir: tiene %2 bytes, más de %3 bloques de 256 bytes. No se ha enviado nada.</translation>
    </message>
    <message>
        <source>The firmware %1 cannot be written: its %2 bytes would reach the firmware record at 0x0801FC00 (at most %3 bytes fit below it). Nothing was sent.</source>
        <translation>El firmware %1 no se puede escribir: sus %2 bytes llegarían al registro del firmware en 0x0801FC00 (por debajo caben como mucho %3 bytes). No se ha enviado nada.</translation>
    </message>
    <message>
        <source>The firmware %1 cannot be written: there is no firmware record for number %2. Nothing was sent.</source>
        <translation>El firmware %1 no se puede escribir: no hay registro de firmware para el número %2. No se ha enviado nada.</translation>
    </message>
    <message>
        <source>Firmware upgrade</source>
        <translation>Actualización de firmware</translation>
    </message>
    <message>
        <source>The firmware upgrade was not started: the pedal is not connected. Connect to its bootloader first (Upgrade Mode stays on). Nothing was sent.</source>
        <translation>La actualización del firmware no se ha iniciado: el pedal no está conectado. Conéctate primero a su bootloader (el modo de actualización sigue activado). No se ha enviado nada.</translation>
    </message>
    <message>
        <source>erasing the flash</source>
        <translation>al borrar la memoria flash</translation>
    </message>
    <message>
        <source>writing the firmware record at %1</source>
        <translation>al escribir el registro del firmware en %1</translation>
    </message>
    <message>
        <source>starting the new firmware at %1</source>
        <translation>al iniciar el nuevo firmware en %1</translation>
    </message>
    <message>
        <source>bringing the bootloader back to a known state</source>
        <translation>al devolver el bootloader a un estado conocido</translation>
    </message>
    <message>
        <source>preparing the firmware image</source>
        <translation>al preparar la imagen del firmware</translation>
    </message>
    <message>
        <source>The firmware upgrade stopped while %1: %2. The flash was written and verified, and the pedal may have started the new firmware already. %3</source>
        <translation>La actualización del firmware se detuvo %1: %2. La flash se escribió y verificó, y puede que el pedal ya haya iniciado el nuevo firmware. %3</translation>
    </message>
    <message>
        <source>the connection to the pedal was lost</source>
        <translation>se perdió la conexión con el pedal</translation>
    </message>
    <message>
        <source>The firmware upgrade stopped while %1: the connection to the pedal was lost. The new firmware was not started. %2</source>
        <translation>La actualización del firmware se detuvo %1: se perdió la conexión con el pedal. El nuevo firmware no se ha iniciado. %2</translation>
    </message>
    <message>
        <source>The firmware upgrade stopped while %1: %2. The new firmware was not started; the pedal stays in its bootloader. %3</source>
        <translation>La actualización del firmware se detuvo %1: %2. El nuevo firmware no se ha iniciado; el pedal sigue en su bootloader. %3</translation>
    </message>
    <message>
        <source>you cancelled it</source>
        <translation>la cancelaste tú</translation>
    </message>
    <message>
        <source>Press Upgrade Firmware to start again.</source>
        <translation>Pulsa «Actualizar firmware» para empezar de nuevo.</translation>
    </message>
    <message>
        <source>Power the pedal up with its footswitch held, choose Connect, then press Upgrade Firmware to start again.</source>
        <translation>Enciende el pedal con el footswitch pulsado, elige «Conectar» y pulsa «Actualizar firmware» para empezar de nuevo.</translation>
    </message>
    <message>
        <source>Press Open FX to find out: a pedal that names its firmware version runs the new firmware; one that does not answer is still in its bootloader, and Upgrade Firmware starts again.</source>
        <translation>Pulsa «Abrir FX» para averiguarlo: un pedal que indica su versión de firmware ejecuta el nuevo firmware; uno que no responde sigue en su bootloader, y «Actualizar firmware» empieza de nuevo.</translation>
    </message>
    <message>
        <source>writing chunk %1 of %2 at %3</source>
        <translation>al escribir el bloque %1 de %2 en %3</translation>
    </message>
    <message>
        <source>reading back chunk %1 of %2 at %3</source>
        <translation>al releer el bloque %1 de %2 en %3</translation>
    </message>
    <message>
        <source>The pedal already runs Firmware %1</source>
        <translation>El pedal ya ejecuta el firmware %1</translation>
    </message>
    <message>
        <source>This replaces Firmware %1 with Firmware %2</source>
        <translation>Esto sustituye el firmware %1 por el firmware %2</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>About Qt</source>
        <translation>Acerca de Qt</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Guía del usuario</translation>
    </message>
    <message>
        <source>Connection &amp;Doctor…</source>
        <translation>&amp;Doctor de conexión…</translation>
    </message>
    <message>
        <source>&amp;Check for Updates…</source>
        <translation>Buscar &amp;actualizaciones…</translation>
    </message>
    <message>
        <source>&amp;About Kestrel X Editor</source>
        <translation>Acerca de &amp;Kestrel X Editor</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Acerca de &amp;Qt</translation>
    </message>
</context>
<context>
    <name>Ir</name>
    <message>
        <source>Samples of %1 bits cannot become coefficients: only 24 and 32 bits can.</source>
        <translation>Las muestras de %1 bits no pueden convertirse en coeficientes: solo las de 24 y 32 bits.</translation>
    </message>
    <message>
        <source>The samples end after %1 of the %2 coefficients the effect needs.</source>
        <translation>Las muestras terminan tras %1 de los %2 coeficientes que necesita el efecto.</translation>
    </message>
    <message>
        <source>The sample text is damaged at character %1.</source>
        <translation>El texto de las muestras está dañado en el carácter %1.</translation>
    </message>
    <message>
        <source>The effect image has %1 characters, too few to hold %2 coefficients from byte %3.</source>
        <translation>La imagen del efecto tiene %1 caracteres, demasiado pocos para %2 coeficientes desde el byte %3.</translation>
    </message>
    <message>
        <source>%1 coefficient characters do not make the %2 words of the table.</source>
        <translation>%1 caracteres de coeficientes no forman las %2 palabras de la tabla.</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>Nombre: </translation>
    </message>
    <message>
        <source>Size: </source>
        <translation>Tamaño: </translation>
    </message>
    <message>
        <source>Sample rate: </source>
        <translation>Frecuencia de muestreo: </translation>
    </message>
    <message>
        <source>Bits per sample: </source>
        <translation>Bits por muestra: </translation>
    </message>
    <message>
        <source>Channels: %1 (the first channel is loaded)</source>
        <translation>Canales: %1 (se carga el primer canal)</translation>
    </message>
    <message>
        <source>Resampled from %1 Hz to %2 Hz</source>
        <translation>Remuestreado de %1 Hz a %2 Hz</translation>
    </message>
    <message>
        <source>Not resampled: the pedal plays these samples at %1 Hz</source>
        <translation>Sin remuestrear: el pedal reproduce estas muestras a %1 Hz</translation>
    </message>
    <message>
        <source>Clipped: %1 samples beyond full scale</source>
        <translation>Recortado: %1 muestras por encima de la escala completa</translation>
    </message>
    <message>
        <source>The pedal plays impulse responses at %1 Hz, this file is sampled at %2 Hz. Resample it to %1 Hz first?</source>
        <translation>El pedal reproduce las respuestas al impulso a %1 Hz y este archivo está muestreado a %2 Hz. ¿Remuestrearlo primero a %1 Hz?</translation>
    </message>
    <message>
        <source>The loaded %1 samples (%2 ms at %3 kHz) hold %4 % of the file&apos;s energy.</source>
        <translation>Las %1 muestras cargadas (%2 ms a %3 kHz) contienen el %4 % de la energía del archivo.</translation>
    </message>
    <message>
        <source>The loaded %1 samples (%2 ms at %3 kHz) are silent, like the whole file.</source>
        <translation>Las %1 muestras cargadas (%2 ms a %3 kHz) están en silencio, como todo el archivo.</translation>
    </message>
    <message>
        <source>%1 has no coefficient table to load an impulse response into.</source>
        <translation>%1 no tiene una tabla de coeficientes donde cargar una respuesta al impulso.</translation>
    </message>
    <message>
        <source>The file holds %1 samples%2, but %3 needs %4. Choose a longer impulse response.</source>
        <translation>El archivo contiene %1 muestras%2, pero %3 necesita %4. Elige una respuesta al impulso más larga.</translation>
    </message>
    <message>
        <source> at %1 Hz</source>
        <translation> a %1 Hz</translation>
    </message>
    <message>
        <source>Wave Files (*.wav)</source>
        <translation>Archivos WAV (*.wav)</translation>
    </message>
    <message>
        <source>Selected file data:</source>
        <translation>Datos del archivo elegido:</translation>
    </message>
    <message>
        <source>The samples could not be resampled: %1</source>
        <translation>No se pudieron remuestrear las muestras: %1</translation>
    </message>
    <message>
        <source>a rate of %1 Hz cannot become %2 Hz</source>
        <translation>una frecuencia de %1 Hz no puede convertirse en %2 Hz</translation>
    </message>
    <message>
        <source>This is not a WAV file: it does not begin with a RIFF header of type &quot;WAVE&quot;.</source>
        <translation>No es un archivo WAV: no empieza con una cabecera RIFF de tipo «WAVE».</translation>
    </message>
    <message>
        <source>The WAV file&apos;s header announces %1 bytes, but the file has %2; its chunks were read as they are.</source>
        <translation>La cabecera del archivo WAV anuncia %1 bytes, pero el archivo tiene %2; sus bloques se leyeron tal como están.</translation>
    </message>
    <message>
        <source>The WAV file is cut short: its &quot;%1&quot; chunk at byte %2 announces %3 bytes, but only %4 follow.</source>
        <translation>El archivo WAV está cortado: su bloque «%1» en el byte %2 anuncia %3 bytes, pero solo siguen %4.</translation>
    </message>
    <message>
        <source>The WAV file could not be read at byte %1.</source>
        <translation>No se pudo leer el archivo WAV en el byte %1.</translation>
    </message>
    <message>
        <source>The WAV file has no &quot;fmt &quot; chunk, so the format of its samples is unknown.</source>
        <translation>El archivo WAV no tiene bloque «fmt », así que el formato de sus muestras es desconocido.</translation>
    </message>
    <message>
        <source>The WAV file&apos;s &quot;fmt &quot; chunk has %1 bytes, fewer than the 16 of a sample format.</source>
        <translation>El bloque «fmt » del archivo WAV tiene %1 bytes, menos que los 16 de un formato de muestra.</translation>
    </message>
    <message>
        <source>The WAV file has no &quot;data&quot; chunk: it holds no samples.</source>
        <translation>El archivo WAV no tiene bloque «data»: no contiene muestras.</translation>
    </message>
    <message>
        <source>The WAV file&apos;s samples cannot be read: %1</source>
        <translation>No se pueden leer las muestras del archivo WAV: %1</translation>
    </message>
    <message>
        <source>The WAV file holds no samples.</source>
        <translation>El archivo WAV no contiene muestras.</translation>
    </message>
    <message>
        <source>The impulse response could not be written: %1</source>
        <translation>No se pudo escribir la respuesta de impulso: %1</translation>
    </message>
    <message>
        <source>It holds %1 samples: an impulse response the editor keeps holds at most %2.</source>
        <translation>Contiene %1 muestras: una respuesta de impulso que guarda el editor contiene como máximo %2.</translation>
    </message>
    <message>
        <source>it holds %1 samples, %2 needs %3</source>
        <translation>contiene %1 muestras, %2 necesita %3</translation>
    </message>
    <message>
        <source>%1 takes no impulse response</source>
        <translation>%1 no admite respuesta de impulso</translation>
    </message>
    <message>
        <source>Trimmed %1 samples (%2 ms) of silence before the first peak</source>
        <translation>Recortadas %1 muestras (%2 ms) de silencio antes del primer pico</translation>
    </message>
    <message>
        <source>Not trimmed: the first peak comes at once</source>
        <translation>Sin recortar: el primer pico llega enseguida</translation>
    </message>
    <message>
        <source>Normalised to a peak of %1 dB (gain %2 dB)</source>
        <translation>Normalizada a un pico de %1 dB (ganancia %2 dB)</translation>
    </message>
    <message>
        <source>Not normalised: the loaded samples are silent</source>
        <translation>Sin normalizar: las muestras cargadas están en silencio</translation>
    </message>
    <message>
        <source>Faded out over the last %1 ms (%2 samples)</source>
        <translation>Fundido de salida en los últimos %1 ms (%2 muestras)</translation>
    </message>
    <message>
        <source>it names no impulse response effect</source>
        <translation>no nombra ningún efecto de respuesta de impulso</translation>
    </message>
    <message>
        <source>There is no Documents folder to keep the import in.</source>
        <translation>No hay ninguna carpeta Documentos donde guardar la importación.</translation>
    </message>
    <message>
        <source>%1: the folder cannot be made.</source>
        <translation>%1: no se puede crear la carpeta.</translation>
    </message>
    <message>
        <source>The WAV file may hold integer samples of 8, 16, 24 or 32 bits, float samples of 32 or 64 bits, or compressed samples (ADPCM, A-law, mu-law or GSM 6.10), in one or more channels (the first is loaded). 48 kHz is the pedal&apos;s rate: a file at another rate from 8 to 768 kHz is resampled to it (the editor asks first).</source>
        <translation>El archivo WAV puede contener muestras enteras de 8, 16, 24 o 32 bits, muestras de coma flotante de 32 o 64 bits o muestras comprimidas (ADPCM, A-law, mu-law o GSM 6.10), en uno o varios canales (se carga el primero). 48 kHz es la frecuencia del pedal: un archivo con otra frecuencia de 8 a 768 kHz se remuestrea a ella (el editor pregunta antes).</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>The pedal reports effect number %1, but the effect list only holds the numbers 0 to %2.</source>
        <translation>El pedal indica el efecto número %1, pero la lista de efectos solo contiene los números 0 a %2.</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>está vacío</translation>
    </message>
    <message>
        <source>its %1 bytes are more than the %2 that fit in the pedal&apos;s flash</source>
        <translation>sus %1 bytes superan los %2 que caben en la flash del pedal</translation>
    </message>
    <message>
        <source>its %1 bytes are too few for a vector table and a version mark</source>
        <translation>sus %1 bytes son muy pocos para una tabla de vectores y una marca de versión</translation>
    </message>
    <message>
        <source>it starts with %1, not a stack address in the pedal&apos;s RAM</source>
        <translation>empieza con %1, que no es una dirección de pila en la RAM del pedal</translation>
    </message>
    <message>
        <source>its reset address %1 is not Thumb code inside the image</source>
        <translation>su dirección de reset %1 no es código Thumb dentro de la imagen</translation>
    </message>
    <message>
        <source>it lacks the %1 mark at %2</source>
        <translation>le falta la marca %1 en %2</translation>
    </message>
    <message>
        <source>Choose a firmware file made for the Kestrel X: %1 is not one (%2), so nothing was sent.</source>
        <translation>Elige un archivo de firmware hecho para el Kestrel X: %1 no lo es (%2), así que no se ha enviado nada.</translation>
    </message>
    <message>
        <source>The image of &quot;%1&quot; holds %2 bytes, too few for its address table.</source>
        <translation>La imagen de «%1» contiene %2 bytes, demasiado pocos para su tabla de direcciones.</translation>
    </message>
    <message>
        <source>Resource %1 not found</source>
        <translation>No se encontró el recurso %1</translation>
    </message>
    <message>
        <source>Error loading resource: </source>
        <translation>Error al cargar el recurso: </translation>
    </message>
    <message>
        <source>the version page holds &quot;%1&quot;, which is not a version number of digits and dots.</source>
        <translation>la página de versión contiene «%1», que no es un número de versión de dígitos y puntos.</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>answer to the filler bytes</source>
        <translation>respuesta a los bytes de relleno</translation>
    </message>
    <message>
        <source>effect information reply</source>
        <translation>respuesta con la información del efecto</translation>
    </message>
    <message>
        <source>parameter state reply</source>
        <translation>respuesta con el estado de los parámetros</translation>
    </message>
    <message>
        <source>bootloader answer</source>
        <translation>respuesta del bootloader</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>inside a command, which the synchronisation byte ended</source>
        <translation>dentro de un comando, que el byte de sincronización terminó</translation>
    </message>
    <message>
        <source>it answered %1</source>
        <translation>respondió %1</translation>
    </message>
    <message>
        <source>no answer to the synchronisation byte nor to %1 filler bytes: the pedal is not in its bootloader</source>
        <translation>no hubo respuesta al byte de sincronización ni a %1 bytes de relleno: el pedal no está en su bootloader</translation>
    </message>
    <message>
        <source>it answered the filler bytes with %1</source>
        <translation>respondió a los bytes de relleno con %1</translation>
    </message>
    <message>
        <source>inside a frame a stopped upgrade left, which filler bytes ended</source>
        <translation>dentro de una trama que dejó una actualización interrumpida, que los bytes de relleno terminaron</translation>
    </message>
    <message>
        <source>it answered the filler bytes but refused none of the last %1, so it is not known to wait for a command</source>
        <translation>respondió a los bytes de relleno pero no rechazó ninguno de los últimos %1, así que no se sabe si espera un comando</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>The message to the pedal did not leave within %1 s.</source>
        <translation>El mensaje al pedal no salió en %1 s.</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>Nombre del dispositivo</translation>
    </message>
    <message>
        <source>No device found</source>
        <translation>No se encontró ningún dispositivo</translation>
    </message>
    <message>
        <source> found, click Connect</source>
        <translation> encontrado, haz clic en Conectar</translation>
    </message>
    <message>
        <source> connected</source>
        <translation> conectado</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>conectado</translation>
    </message>
    <message>
        <source>Connection to bootloader succeeded, ready for firmware upgrade</source>
        <translation>Conexión con el bootloader establecida, listo para actualizar el firmware</translation>
    </message>
    <message>
        <source>Connection to bootloader failed</source>
        <translation>La conexión con el bootloader falló</translation>
    </message>
    <message>
        <source>The pedal did not send its %1 within %2 s.</source>
        <translation>El pedal no envió su %1 en %2 s.</translation>
    </message>
    <message>
        <source>The pedal did not finish its %1 within %2 s: %3 bytes came, still without its end.</source>
        <translation>El pedal no terminó su %1 en %2 s: llegaron %3 bytes, todavía sin final.</translation>
    </message>
    <message>
        <source>The pedal&apos;s reply cannot be read: line %1 (&quot;%2&quot;) is not a number from 0 to 255.</source>
        <translation>No se puede leer la respuesta del pedal: la línea %1 («%2») no es un número de 0 a 255.</translation>
    </message>
    <message>
        <source>The pedal&apos;s reply is incomplete: it holds %1 values where %2 were expected.</source>
        <translation>La respuesta del pedal está incompleta: contiene %1 valores donde se esperaban %2.</translation>
    </message>
    <message>
        <source>The pedal&apos;s reply does not fit: it holds %1 values where %2 were expected.</source>
        <translation>La respuesta del pedal no encaja: contiene %1 valores donde se esperaban %2.</translation>
    </message>
    <message>
        <source>The pedal&apos;s %1 is incomplete: it stopped after %2 bytes.</source>
        <translation>La %1 del pedal está incompleta: se detuvo tras %2 bytes.</translation>
    </message>
    <message>
        <source>The pedal&apos;s %1 is longer than it can be.</source>
        <translation>La %1 del pedal es más larga de lo posible.</translation>
    </message>
    <message>
        <source>Start a firmware upgrade, or power the pedal up without holding the footswitch: the pedal is in its bootloader, which refused to send its %1.</source>
        <translation>Inicia una actualización del firmware o enciende el pedal sin mantener pulsado el footswitch: el pedal está en su bootloader, que se negó a enviar su %1.</translation>
    </message>
    <message>
        <source>The connection to the pedal was lost (%1). Plug it in again and choose Connect.</source>
        <translation>Se perdió la conexión con el pedal (%1). Vuelve a enchufarlo y elige «Conectar».</translation>
    </message>
    <message>
        <source>The message does not fit the send buffer and was not sent: %1 bytes, at most %2.</source>
        <translation>El mensaje no cabe en el búfer de envío y no se ha enviado: %1 bytes, como mucho %2.</translation>
    </message>
    <message>
        <source>The pedal&apos;s chip took only %1 of %2 bytes; the message was not sent whole.</source>
        <translation>El chip del pedal solo tomó %1 de %2 bytes; el mensaje no se envió completo.</translation>
    </message>
    <message>
        <source>%1 was not done: the editor is waiting for the pedal.</source>
        <translation>%1 no se ha hecho: el editor está esperando al pedal.</translation>
    </message>
    <message>
        <source>%1 was not done: the pedal is not connected.</source>
        <translation>%1 no se ha hecho: el pedal no está conectado.</translation>
    </message>
    <message>
        <source>%1 is already running.</source>
        <translation>%1 ya está en curso.</translation>
    </message>
    <message>
        <source>ModemManager is running. It tries new serial ports for a mobile-broadband modem and can hold the pedal&apos;s port for a few seconds after the pedal is plugged in.</source>
        <translation>ModemManager está en ejecución. Prueba los puertos serie nuevos buscando un módem de banda ancha móvil y puede ocupar el puerto del pedal durante unos segundos después de enchufarlo.</translation>
    </message>
    <message>
        <source>The editor&apos;s udev rule tells it to leave the pedal alone. Without the rule, and if this computer uses no mobile-broadband modem, stop it.</source>
        <translation>La regla udev del editor le indica que deje el pedal en paz. Sin la regla, y si este ordenador no usa un módem de banda ancha móvil, detenlo.</translation>
    </message>
    <message>
        <source>brltty, the braille display service, is running. It takes some USB serial chips for braille displays, and a chip it takes gets no serial port.</source>
        <translation>brltty, el servicio de pantallas braille, está en ejecución. Toma algunos chips serie USB para pantallas braille, y un chip que toma no obtiene puerto serie.</translation>
    </message>
    <message>
        <source>If no braille display is attached to this computer, stop it, then unplug the pedal and plug it in again.</source>
        <translation>Si no hay ninguna pantalla braille conectada a este ordenador, detenlo y luego desenchufa el pedal y vuelve a enchufarlo.</translation>
    </message>
    <message>
        <source>gpsd, the GPS service, is running. It opens new USB serial ports to look for a GPS receiver.</source>
        <translation>gpsd, el servicio GPS, está en ejecución. Abre los puertos serie USB nuevos para buscar un receptor GPS.</translation>
    </message>
    <message>
        <source>If this computer uses no GPS receiver, stop it.</source>
        <translation>Si este ordenador no usa ningún receptor GPS, detenlo.</translation>
    </message>
    <message>
        <source>Port %1 (given with --port)</source>
        <translation>Puerto %1 (indicado con --port)</translation>
    </message>
    <message>
        <source>Virtual pedal (--virtual-pedal)</source>
        <translation>Pedal virtual (--virtual-pedal)</translation>
    </message>
    <message>
        <source>The editor&apos;s built-in virtual pedal is attached; it is always ready.</source>
        <translation>El pedal virtual integrado en el editor está conectado; siempre está listo.</translation>
    </message>
    <message>
        <source>USB devices</source>
        <translation>Dispositivos USB</translation>
    </message>
    <message>
        <source>The list of USB devices (%1/bus/usb/devices) is missing or cannot be read, so no chip can be checked.</source>
        <translation>La lista de dispositivos USB (%1/bus/usb/devices) falta o no se puede leer, así que no se puede comprobar ningún chip.</translation>
    </message>
    <message>
        <source>No FTDI USB chip is attached: the pedal is not plugged in, not switched on, or its cable carries no data.</source>
        <translation>No hay ningún chip USB FTDI conectado: el pedal no está enchufado, no está encendido o su cable no transmite datos.</translation>
    </message>
    <message>
        <source>Connect the pedal with a USB cable that carries data (some cables only charge), switch the pedal on, and try another USB socket.</source>
        <translation>Conecta el pedal con un cable USB que transmita datos (algunos cables solo cargan), enciende el pedal y prueba otra toma USB.</translation>
    </message>
    <message>
        <source>USB chip &quot;%1&quot; (%2, serial %3)</source>
        <translation>Chip USB «%1» (%2, número de serie %3)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>This is not the pedal&apos;s type of chip (the pedal&apos;s FT230X reports 0403:6015), but the editor lists it all the same.</source>
        <translation>Este no es el tipo de chip del pedal (el FT230X del pedal indica 0403:6015), pero el editor lo muestra igualmente.</translation>
    </message>
    <message>
        <source>It has no serial port: a program has taken the chip over directly (through libusb), so the serial driver cannot serve it.</source>
        <translation>No tiene puerto serie: un programa ha tomado el chip directamente (mediante libusb), así que el controlador serie no puede atenderlo.</translation>
    </message>
    <message>
        <source> The program is %1.</source>
        <translation> El programa es %1.</translation>
    </message>
    <message>
        <source>Close that program, then unplug the pedal and plug it in again.</source>
        <translation>Cierra ese programa y luego desenchufa el pedal y vuelve a enchufarlo.</translation>
    </message>
    <message>
        <source>It has no serial port: the driver %1 holds it instead of the serial driver %2.</source>
        <translation>No tiene puerto serie: el controlador %1 lo ocupa en lugar del controlador serie %2.</translation>
    </message>
    <message>
        <source>Unplug the pedal and plug it in again.</source>
        <translation>Desenchufa el pedal y vuelve a enchufarlo.</translation>
    </message>
    <message>
        <source>It has no serial port: the kernel&apos;s serial driver for FTDI chips (%1) is not loaded.</source>
        <translation>No tiene puerto serie: el controlador serie del kernel para chips FTDI (%1) no está cargado.</translation>
    </message>
    <message>
        <source>Load the driver, then unplug the pedal and plug it in again.</source>
        <translation>Carga el controlador y luego desenchufa el pedal y vuelve a enchufarlo.</translation>
    </message>
    <message>
        <source>It has no serial port: the serial driver %1 is loaded but has not taken the chip.</source>
        <translation>No tiene puerto serie: el controlador serie %1 está cargado pero no ha tomado el chip.</translation>
    </message>
    <message>
        <source>%1 cannot be examined: %2.</source>
        <translation>No se puede examinar %1: %2.</translation>
    </message>
    <message>
        <source>Its serial port %1 is known to the kernel but does not exist in /dev.</source>
        <translation>Su puerto serie %1 lo conoce el kernel, pero no existe en /dev.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 no existe.</translation>
    </message>
    <message>
        <source>Check the path. The virtual pedal program names a new pseudo-terminal each time it starts.</source>
        <translation>Comprueba la ruta. El programa del pedal virtual crea un pseudoterminal nuevo cada vez que se inicia.</translation>
    </message>
    <message>
        <source>%1 is not a serial port (not a character device).</source>
        <translation>%1 no es un puerto serie (no es un dispositivo de caracteres).</translation>
    </message>
    <message>
        <source>Give the path of a serial port, such as /dev/ttyUSB0.</source>
        <translation>Indica la ruta de un puerto serie, como /dev/ttyUSB0.</translation>
    </message>
    <message>
        <source>%1 is open in another program: %2. The pedal answers one program at a time.</source>
        <translation>%1 está abierto en otro programa: %2. El pedal responde a un programa cada vez.</translation>
    </message>
    <message>
        <source>Close %1, then choose Connect again.</source>
        <translation>Cierra %1 y luego vuelve a elegir «Conectar».</translation>
    </message>
    <message>
        <source>This editor has %1 open: it is connected.</source>
        <translation>Este editor tiene %1 abierto: está conectado.</translation>
    </message>
    <message>
        <source>You may open %1, and no other program holds it: ready to connect.</source>
        <translation>Puedes abrir %1 y ningún otro programa lo ocupa: listo para conectar.</translation>
    </message>
    <message>
        <source> The desktop gives you access to it.</source>
        <translation> El escritorio te da acceso a él.</translation>
    </message>
    <message>
        <source> It is served by %1.</source>
        <translation> Lo atiende %1.</translation>
    </message>
    <message>
        <source>only %1 and the members of %2 may read and write it</source>
        <translation>solo %1 y los miembros de %2 pueden leerlo y escribir en él</translation>
    </message>
    <message>
        <source>only %1 may read and write it</source>
        <translation>solo %1 puede leerlo y escribir en él</translation>
    </message>
    <message>
        <source>only the members of %1 may read and write it</source>
        <translation>solo los miembros de %1 pueden leerlo y escribir en él</translation>
    </message>
    <message>
        <source>only the administrator may read and write it</source>
        <translation>solo el administrador puede leerlo y escribir en él</translation>
    </message>
    <message>
        <source>You (%1) may not open %2. It belongs to %3 and the group %4, with the rights %5: %6.</source>
        <translation>Tú (%1) no puedes abrir %2. Pertenece a %3 y al grupo %4, con los permisos %5: %6.</translation>
    </message>
    <message>
        <source>join the group %1 (%2), then log out and log in again</source>
        <translation>únete al grupo %1 (%2) y luego cierra la sesión y vuelve a iniciarla</translation>
    </message>
    <message>
        <source> You are a member of %1, yet the system refuses it (an access list or a security module).</source>
        <translation> Eres miembro de %1, pero aun así el sistema lo rechaza (una lista de acceso o un módulo de seguridad).</translation>
    </message>
    <message>
        <source> You are a member of %1, but the group may not write to it.</source>
        <translation> Eres miembro de %1, pero el grupo no puede escribir en él.</translation>
    </message>
    <message>
        <source> You were added to the group %1 after this login began; the membership counts from the next login.</source>
        <translation> Te añadieron al grupo %1 después de iniciar esta sesión; la pertenencia cuenta desde el próximo inicio de sesión.</translation>
    </message>
    <message>
        <source>Log out and log in again (or restart the computer), then choose Connect.</source>
        <translation>Cierra la sesión y vuelve a iniciarla (o reinicia el ordenador) y luego elige «Conectar».</translation>
    </message>
    <message>
        <source> You are not a member of %1.</source>
        <translation> No eres miembro de %1.</translation>
    </message>
    <message>
        <source>Let the user at this computer open the pedal: install the editor&apos;s udev rule with the command below (or the button &quot;Allow access&quot; of the Connection Doctor window), then choose Connect again.</source>
        <translation>Permite que el usuario de este ordenador abra el pedal: instala la regla udev del editor con el comando de abajo (o con el botón «Permitir acceso» de la ventana Doctor de conexión) y luego vuelve a elegir «Conectar».</translation>
    </message>
    <message>
        <source> Or %1.</source>
        <translation> O %1.</translation>
    </message>
    <message>
        <source>The editor&apos;s udev rule is installed but has not reached this port yet: unplug the pedal and plug it in again. The rule lets in the user logged in at the computer&apos;s own screen; from a remote login, %1.</source>
        <translation>La regla udev del editor está instalada, pero aún no ha llegado a este puerto: desenchufa el pedal y vuelve a enchufarlo. La regla deja pasar al usuario que ha iniciado sesión en la propia pantalla del ordenador; desde una sesión remota, %1.</translation>
    </message>
    <message>
        <source>To open it, %1.</source>
        <translation>Para abrirlo, %1.</translation>
    </message>
    <message>
        <source>Use a port that belongs to you, or ask the administrator to change its rights.</source>
        <translation>Usa un puerto que te pertenezca o pide al administrador que cambie sus permisos.</translation>
    </message>
    <message>
        <source>Service %1</source>
        <translation>Servicio %1</translation>
    </message>
    <message>
        <source>A pedal is ready to connect.</source>
        <translation>Hay un pedal listo para conectar.</translation>
    </message>
    <message>
        <source>A pedal is ready to connect. A problem with another port is listed below.</source>
        <translation>Hay un pedal listo para conectar. Abajo se indica un problema con otro puerto.</translation>
    </message>
    <message>
        <source>A pedal is ready to connect. Problems with %1 other ports are listed below.</source>
        <translation>Hay un pedal listo para conectar. Abajo se indican problemas con otros %1 puertos.</translation>
    </message>
    <message>
        <source>No pedal is ready to connect. What to do is written with each problem.</source>
        <translation>No hay ningún pedal listo para conectar. Qué hacer se indica en cada problema.</translation>
    </message>
    <message>
        <source>    What to do: %1
</source>
        <translation>    Qué hacer: %1
</translation>
    </message>
    <message>
        <source>Port %1 does not exist.</source>
        <translation>El puerto %1 no existe.</translation>
    </message>
    <message>
        <source>Port %1 is not a serial port (not a character device).</source>
        <translation>El puerto %1 no es un puerto serie (no es un dispositivo de caracteres).</translation>
    </message>
    <message>
        <source>Port %1 cannot be examined: %2.</source>
        <translation>No se puede examinar el puerto %1: %2.</translation>
    </message>
    <message>
        <source>The serial port module of this installation cannot be loaded, so no port can be opened (%1). Reinstall the editor.</source>
        <translation>No se puede cargar el módulo de puerto serie de esta instalación, así que no se puede abrir ningún puerto (%1). Vuelve a instalar el editor.</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Subida</translation>
    </message>
    <message>
        <source>check the image</source>
        <translation>comprobar la imagen</translation>
    </message>
    <message>
        <source>write the image</source>
        <translation>escribir la imagen</translation>
    </message>
    <message>
        <source>answer to the upload</source>
        <translation>respuesta a la subida</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Subiendo...</translation>
    </message>
    <message>
        <source>There is no image to upload for %1. For an impulse response effect, load a WAV file first (File &gt; Load IR).</source>
        <translation>No hay ninguna imagen que subir para %1. Para un efecto de respuesta al impulso, carga primero un archivo WAV (Archivo &gt; Cargar IR).</translation>
    </message>
    <message>
        <source>The image of %1 cannot be uploaded: it is damaged at character %2.</source>
        <translation>La imagen de %1 no se puede subir: está dañada en el carácter %2.</translation>
    </message>
    <message>
        <source>The image of %1 cannot be uploaded: it has %2 bytes, at most %3 fit.</source>
        <translation>La imagen de %1 no se puede subir: tiene %2 bytes y caben como mucho %3.</translation>
    </message>
    <message>
        <source>Firmware Version: </source>
        <translation>Versión del firmware: </translation>
    </message>
    <message>
        <source>The pedal&apos;s effect information reply cannot be read: it holds %1 lines where 4 were expected.</source>
        <translation>No se puede leer la respuesta con la información del efecto: contiene %1 líneas donde se esperaban 4.</translation>
    </message>
    <message>
        <source>The pedal&apos;s effect information reply cannot be read: line %1 (&quot;%2&quot;) is not a number.</source>
        <translation>No se puede leer la respuesta con la información del efecto: la línea %1 («%2») no es un número.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a MIDI channel: give 1 to 16, or OMNI.</source>
        <translation>«%1» no es un canal MIDI: indica de 1 a 16, u OMNI.</translation>
    </message>
    <message>
        <source>Connect the pedal with a USB cable that carries data (some cables only charge), switch the pedal on, and try another USB socket. If it is plugged in, check that the system has a driver for FTDI chips.</source>
        <translation>Conecta el pedal con un cable USB que transmita datos (algunos cables solo cargan), enciende el pedal y prueba otro puerto USB. Si está conectado, comprueba que el sistema tenga un controlador para chips FTDI.</translation>
    </message>
    <message>
        <source>Its serial port %1 is listed but cannot be found.</source>
        <translation>Su puerto serie %1 aparece en la lista, pero no se encuentra.</translation>
    </message>
    <message>
        <source>%1 cannot be opened (%2): another program may hold it (the pedal answers one program at a time), or you may not open it.</source>
        <translation>No se puede abrir %1 (%2): puede que otro programa lo esté usando (el pedal responde a un solo programa a la vez) o que no tengas permiso para abrirlo.</translation>
    </message>
    <message>
        <source>Close any other program that uses the pedal, then choose Connect again. If none does, unplug the pedal and plug it in again.</source>
        <translation>Cierra cualquier otro programa que use el pedal y elige de nuevo «Conectar». Si ninguno lo usa, desconecta el pedal y vuelve a conectarlo.</translation>
    </message>
</context>
<context>
    <name>Params</name>
    <message>
        <source>The image of &quot;%1&quot; holds no addresses for its %2 controls.</source>
        <translation>La imagen de «%1» no contiene direcciones para sus %2 controles.</translation>
    </message>
    <message>
        <source>The control description of &quot;%1&quot; cannot be used: %2.</source>
        <translation>No se puede usar la descripción de controles de «%1»: %2.</translation>
    </message>
    <message>
        <source>its first line must begin with three count digits</source>
        <translation>su primera línea debe empezar con tres dígitos de recuento</translation>
    </message>
    <message>
        <source>the count digit &quot;%1&quot; is not 0 to 9 or A to F</source>
        <translation>el dígito de recuento «%1» no es de 0 a 9 ni de A a F</translation>
    </message>
    <message>
        <source>it declares no controls</source>
        <translation>no declara ningún control</translation>
    </message>
    <message>
        <source>it declares %1 controls, more than the %2 its image has addresses for</source>
        <translation>declara %1 controles, más que los %2 para los que su imagen tiene direcciones</translation>
    </message>
    <message>
        <source>it declares %1 readbacks, more than %2</source>
        <translation>declara %1 lecturas, más de %2</translation>
    </message>
    <message>
        <source>it has %1 lines, fewer than the %2 its counts call for</source>
        <translation>tiene %1 líneas, menos que las %2 que exigen sus recuentos</translation>
    </message>
    <message>
        <source>control %1 (&quot;%2&quot;) is a multi switch without options (no &quot;;&quot;)</source>
        <translation>el control %1 («%2») es un selector sin opciones (sin «;»)</translation>
    </message>
    <message>
        <source>it declares %1 controls, but its image declares %2</source>
        <translation>declara %1 controles, pero su imagen declara %2</translation>
    </message>
    <message>
        <source>The pedal&apos;s parameter state reply is incomplete: it holds %1 values where %2 were expected.</source>
        <translation>La respuesta con el estado de los parámetros está incompleta: contiene %1 valores donde se esperaban %2.</translation>
    </message>
    <message>
        <source>The pedal&apos;s parameter state reply cannot be right: control %1 reads %2, outside 0 to 1023.</source>
        <translation>La respuesta con el estado de los parámetros no puede ser correcta: el control %1 marca %2, fuera de 0 a 1023.</translation>
    </message>
    <message>
        <source>The pedal&apos;s parameter state reply cannot be told from a stray line: it holds %1 values where %2 were expected.</source>
        <translation>La respuesta con el estado de los parámetros no se distingue de una línea perdida: contiene %1 valores donde se esperaban %2.</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Nada</translation>
    </message>
    <message>
        <source>Bypass on and off</source>
        <translation>Bypass activado y desactivado</translation>
    </message>
    <message>
        <source>Preset change</source>
        <translation>Cambio de preset</translation>
    </message>
    <message>
        <source>Not assigned to any of the pedal&apos;s controls (--).</source>
        <translation>No asignado a ningún control del pedal (--).</translation>
    </message>
    <message>
        <source>This effect&apos;s footswitch latches: press once for on, again for off.</source>
        <translation>El footswitch de este efecto es de enclavamiento: pulsa una vez para activar y otra para desactivar.</translation>
    </message>
    <message>
        <source>This effect&apos;s footswitch is momentary: it acts while held down.</source>
        <translation>El footswitch de este efecto es momentáneo: actúa mientras se mantiene pulsado.</translation>
    </message>
    <message>
        <source>&lt;byte-order mark&gt;</source>
        <translation>&lt;marca de orden de bytes&gt;</translation>
    </message>
    <message>
        <source>line %1 holds %2, but %3 is written as %4 hexadecimal digits.</source>
        <translation>la línea %1 contiene %2, pero %3 se escribe con %4 dígitos hexadecimales.</translation>
    </message>
    <message>
        <source>the open effect has no controls.</source>
        <translation>el efecto abierto no tiene controles.</translation>
    </message>
    <message>
        <source>the values of the open effect have not been read.</source>
        <translation>no se han leído los valores del efecto abierto.</translation>
    </message>
    <message>
        <source>a preset holds 1 to %1 controls, not %2.</source>
        <translation>un preset contiene de 1 a %1 controles, no %2.</translation>
    </message>
    <message>
        <source>the effect number %1 does not fit a preset.</source>
        <translation>el número de efecto %1 no cabe en un preset.</translation>
    </message>
    <message>
        <source>the effect version %1 does not fit a preset.</source>
        <translation>la versión de efecto %1 no cabe en un preset.</translation>
    </message>
    <message>
        <source>the file holds %1; a preset starts with 3 lines: effect number, effect version, number of controls.</source>
        <translation>el archivo contiene %1; un preset empieza con 3 líneas: número de efecto, versión de efecto y número de controles.</translation>
    </message>
    <message>
        <source>the effect number</source>
        <translation>el número de efecto</translation>
    </message>
    <message>
        <source>the effect version</source>
        <translation>la versión de efecto</translation>
    </message>
    <message>
        <source>the number of controls</source>
        <translation>el número de controles</translation>
    </message>
    <message>
        <source>line 3 gives 0 controls; a preset holds at least one.</source>
        <translation>la línea 3 indica 0 controles; un preset contiene al menos uno.</translation>
    </message>
    <message>
        <source>the file ends after line %1, but it announces %2 controls, whose values take lines 4 to %3.</source>
        <translation>el archivo termina tras la línea %1, pero anuncia %2 controles, cuyos valores ocupan las líneas 4 a %3.</translation>
    </message>
    <message>
        <source>the value of control %1</source>
        <translation>el valor del control %1</translation>
    </message>
    <message>
        <source>the file holds %1, but a preset of %2 controls has %3 to %4 lines.</source>
        <translation>el archivo contiene %1, pero un preset de %2 controles tiene de %3 a %4 líneas.</translation>
    </message>
    <message>
        <source>the assignment of control %1</source>
        <translation>la asignación del control %1</translation>
    </message>
    <message>
        <source>the assignment of readback %1</source>
        <translation>la asignación de la lectura %1</translation>
    </message>
    <message>
        <source>The preset holds no assignments: the pedal&apos;s stay as they are.</source>
        <translation>El preset no contiene asignaciones: las del pedal se quedan como están.</translation>
    </message>
    <message>
        <source>cannot be read: </source>
        <translation>no se puede leer: </translation>
    </message>
    <message>
        <source>its file name is not UTF-8 text, so the editor cannot open it: rename it in a file manager.</source>
        <translation>su nombre de archivo no es texto UTF-8, así que el editor no puede abrirlo: cámbiale el nombre en un gestor de archivos.</translation>
    </message>
    <message>
        <source>A preset needs a name.</source>
        <translation>Un preset necesita un nombre.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file name: a preset stays in its folder.</source>
        <translation>«%1» no es un nombre de archivo: un preset se queda en su carpeta.</translation>
    </message>
    <message>
        <source>A preset named &quot;%1&quot; exists already.</source>
        <translation>Ya existe un preset llamado «%1».</translation>
    </message>
    <message>
        <source>An impulse response named &quot;%1&quot; exists already.</source>
        <translation>Ya existe una respuesta de impulso llamada «%1».</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>No pedal found. Check the USB cable, or open Connection &gt; Diagnose.</source>
        <translation>No se encontró ningún pedal. Comprueba el cable USB o abre Conexión &gt; Diagnosticar.</translation>
    </message>
    <message>
        <source>The pedal&apos;s USB connection did not respond. Unplug the pedal, plug it in again and choose Connect.</source>
        <translation>La conexión USB del pedal no respondió. Desenchufa el pedal, vuelve a enchufarlo y elige «Conectar».</translation>
    </message>
    <message>
        <source>The pedal did not answer. Check that it is powered and connected, then try again. A pedal powered up with the footswitch held is in its bootloader: tick Connection &gt; Upgrade Mode to upgrade its firmware.</source>
        <translation>El pedal no respondió. Comprueba que está encendido y conectado e inténtalo de nuevo. Un pedal encendido con el footswitch pulsado está en su bootloader: marca Conexión &gt; Modo de actualización para actualizar su firmware.</translation>
    </message>
    <message>
        <source>The pedal&apos;s answer could not be read. Try again; if it happens again, power the pedal off and on.</source>
        <translation>No se pudo leer la respuesta del pedal. Inténtalo de nuevo; si vuelve a pasar, apaga y enciende el pedal.</translation>
    </message>
    <message>
        <source>The pedal did not answer as its bootloader, so the editor stays connected to its firmware. To upgrade it, power the pedal up with the footswitch held, then tick Upgrade Mode again.</source>
        <translation>El pedal no respondió como su bootloader, así que el editor sigue conectado a su firmware. Para actualizarlo, enciende el pedal con el footswitch pulsado y vuelve a marcar «Modo de actualización».</translation>
    </message>
    <message>
        <source>The firmware upgrade did not finish. Keep the pedal connected and start the upgrade again.</source>
        <translation>La actualización del firmware no terminó. Mantén el pedal conectado y vuelve a iniciar la actualización.</translation>
    </message>
    <message>
        <source>Upgrade Mode changes only while the pedal is not connected.</source>
        <translation>El modo de actualización solo cambia mientras el pedal no está conectado.</translation>
    </message>
    <message>
        <source>The values are for %1 controls, the running effect has %2.</source>
        <translation>Los valores son para %1 controles y el efecto en ejecución tiene %2.</translation>
    </message>
    <message>
        <source>that it runs no effect</source>
        <translation>que no ejecuta ningún efecto</translation>
    </message>
    <message>
        <source>The firmware upgrade needs the pedal&apos;s bootloader: tick Upgrade Mode, power the pedal up with the footswitch held and connect again.</source>
        <translation>La actualización del firmware necesita el bootloader del pedal: marca «Modo de actualización», enciende el pedal con el footswitch pulsado y vuelve a conectar.</translation>
    </message>
    <message>
        <source>The pedal is not connected. Choose Connection &gt; Connect first.</source>
        <translation>El pedal no está conectado. Elige primero Conexión &gt; Conectar.</translation>
    </message>
    <message>
        <source>The pedal is in its bootloader, which only takes a firmware upgrade. Start the upgrade, or disconnect and power the pedal up without holding the footswitch.</source>
        <translation>El pedal está en su bootloader, que solo acepta una actualización del firmware. Inicia la actualización, o desconecta y enciende el pedal sin mantener pulsado el footswitch.</translation>
    </message>
    <message>
        <source>The firmware upgrade is running; wait for it to end.</source>
        <translation>La actualización del firmware está en curso; espera a que termine.</translation>
    </message>
    <message>
        <source>The pedal runs no effect yet. Choose an effect in the list and click Upload Selected Effect to put one on it.</source>
        <translation>El pedal todavía no ejecuta ningún efecto. Elige un efecto de la lista y haz clic en «Subir efecto seleccionado» para ponerle uno.</translation>
    </message>
    <message>
        <source>The editor does not know the pedal&apos;s effect yet: click Open FX first.</source>
        <translation>El editor todavía no conoce el efecto del pedal: haz clic primero en «Abrir FX».</translation>
    </message>
    <message>
        <source>The editor has not read the pedal&apos;s assignments yet: click Request first.</source>
        <translation>El editor todavía no ha leído las asignaciones del pedal: haz clic primero en «Solicitar».</translation>
    </message>
    <message>
        <source>The pedal reports effect number %1, which this editor&apos;s effect list does not hold. Upload an effect from the list to replace it.</source>
        <translation>El pedal indica el efecto número %1, que la lista de efectos de este editor no contiene. Sube un efecto de la lista para sustituirlo.</translation>
    </message>
    <message>
        <source>The upload of %1 failed: the pedal now reports %2. Upload it again.</source>
        <translation>La subida de %1 falló: el pedal indica ahora %2. Vuelve a subirlo.</translation>
    </message>
    <message>
        <source>The image of &quot;%1&quot; holds &quot;%2&quot; as the address of control %3, which is not a parameter address.</source>
        <translation>La imagen de «%1» contiene «%2» como dirección del control %3, que no es una dirección de parámetro.</translation>
    </message>
    <message>
        <source>The running effect has no control %1.</source>
        <translation>El efecto en ejecución no tiene control %1.</translation>
    </message>
    <message>
        <source>The preset is for effect %1, but the pedal runs effect %2 &quot;%3&quot;: upload that effect first.</source>
        <translation>El preset es para el efecto %1, pero el pedal ejecuta el efecto %2 «%3»: sube primero ese efecto.</translation>
    </message>
    <message>
        <source>The preset holds %1 controls, but &quot;%2&quot; has %3: it was not loaded.</source>
        <translation>El preset contiene %1 controles, pero «%2» tiene %3: no se ha cargado.</translation>
    </message>
    <message>
        <source>the editor has not read the running effect&apos;s values: click Request first.</source>
        <translation>el editor no ha leído los valores del efecto en ejecución: haz clic primero en «Solicitar».</translation>
    </message>
    <message>
        <source>the pedal is not connected.</source>
        <translation>el pedal no está conectado.</translation>
    </message>
    <message>
        <source>the pedal runs another effect.</source>
        <translation>el pedal ejecuta otro efecto.</translation>
    </message>
    <message>
        <source>The pedal answered &quot;%1&quot;, but nothing shows that it took the image: it reports the same effect with the same values as before the upload. Upload it again if it does not sound new.</source>
        <translation>El pedal respondió «%1», pero nada muestra que haya tomado la imagen: indica el mismo efecto con los mismos valores que antes de la subida. Vuelve a subirlo si no suena distinto.</translation>
    </message>
    <message>
        <source>Compare is on: the pedal plays the sound as stored. Click Compare to go back to your edits first.</source>
        <translation>Comparar está activado: el pedal suena como está guardado. Haz clic primero en «Comparar» para volver a tus cambios.</translation>
    </message>
    <message>
        <source>There is no stored sound to compare with yet: click Request first.</source>
        <translation>Todavía no hay ningún sonido guardado con el que comparar: haz clic primero en «Solicitar».</translation>
    </message>
    <message>
        <source>The image of &quot;%1&quot; cannot be read: %2</source>
        <translation>No se puede leer la imagen de «%1»: %2</translation>
    </message>
</context>
<context>
    <name>kx::ConnectionDoctor</name>
    <message>
        <source>Connection Doctor</source>
        <translation>Doctor de conexión</translation>
    </message>
    <message>
        <source>Command for a terminal:</source>
        <translation>Comando para un terminal:</translation>
    </message>
    <message>
        <source>&amp;Allow access…</source>
        <translation>&amp;Permitir acceso…</translation>
    </message>
    <message>
        <source>The rule is installed. If the pedal is still refused, unplug it and plug it in again, then choose Connect.</source>
        <translation>La regla está instalada. Si el pedal sigue rechazado, desenchúfalo y vuelve a enchufarlo, y luego elige «Conectar».</translation>
    </message>
    <message>
        <source>The rule was not installed (the administrator&apos;s password was not given, or the command failed). You can run the command shown in a terminal instead.</source>
        <translation>La regla no se instaló (no se dio la contraseña del administrador o el comando falló). Puedes ejecutar en su lugar el comando mostrado en un terminal.</translation>
    </message>
    <message>
        <source>pkexec, which asks for the administrator&apos;s password, is not installed: run the command in a terminal instead.</source>
        <translation>pkexec, que pide la contraseña del administrador, no está instalado: ejecuta el comando en un terminal.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
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
        <translation>&amp;Copiar comando</translation>
    </message>
    <message>
        <source>&amp;Diagnose again</source>
        <translation>&amp;Diagnosticar de nuevo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>No command is needed.</source>
        <translation>No hace falta ningún comando.</translation>
    </message>
    <message>
        <source>Command for a terminal</source>
        <translation>Comando para un terminal</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>Copiar comando</translation>
    </message>
    <message>
        <source>Allow access</source>
        <translation>Permitir acceso</translation>
    </message>
    <message>
        <source>Installs the editor&apos;s udev rule with the administrator&apos;s password</source>
        <translation>Instala la regla udev del editor con la contraseña del administrador</translation>
    </message>
    <message>
        <source>Diagnose again</source>
        <translation>Diagnosticar de nuevo</translation>
    </message>
    <message>
        <source>The editor is connected to %1.</source>
        <translation>El editor está conectado a %1.</translation>
    </message>
    <message>
        <source>&lt;br&gt;&lt;i&gt;What to do:&lt;/i&gt; %1</source>
        <translation>&lt;br&gt;&lt;i&gt;Qué hacer:&lt;/i&gt; %1</translation>
    </message>
</context>
<context>
    <name>kx::TformAbout</name>
    <message>
        <source>Library</source>
        <translation>Biblioteca</translation>
    </message>
    <message>
        <source>Used for</source>
        <translation>Uso</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licencia</translation>
    </message>
    <message>
        <source>Copyright file</source>
        <translation>Archivo de copyright</translation>
    </message>
    <message>
        <source>The license texts named here are in /usr/share/common-licenses. The system libraries that these load in turn (fonts, images, the audio codecs of libsndfile) come with your system, each with its own copyright file.</source>
        <translation>Los textos de las licencias aquí nombradas están en /usr/share/common-licenses. Las bibliotecas del sistema que estas cargan a su vez (fuentes, imágenes, los códecs de audio de libsndfile) vienen con tu sistema, cada una con su propio archivo de copyright.</translation>
    </message>
    <message>
        <source>About Kestrel X Editor</source>
        <translation>Acerca de Kestrel X Editor</translation>
    </message>
    <message>
        <source>Kestrel X Editor</source>
        <translation>Kestrel X Editor</translation>
    </message>
    <message>
        <source>Libraries and licenses:</source>
        <translation>Bibliotecas y licencias:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Version %1, built on %2
Qt %3 (built with Qt %4), QCoro %5
For the Kestrel X pedal by NORVA.</source>
        <translation>Versión %1, compilada el %2
Qt %3 (compilada con Qt %4), QCoro %5
Para el pedal Kestrel X de NORVA.</translation>
    </message>
</context>
<context>
    <name>kx::TformAssignmentMap</name>
    <message>
        <source>Open an effect (Open FX, or click it in the list) to see what the pedal&apos;s controls drive.</source>
        <translation>Abre un efecto («Abrir FX», o haz clic en él en la lista) para ver qué manejan los controles del pedal.</translation>
    </message>
    <message>
        <source>This effect does not run on the pedal: its assignments can be seen but not changed.</source>
        <translation>Este efecto no se ejecuta en el pedal: sus asignaciones se pueden ver, pero no cambiar.</translation>
    </message>
    <message>
        <source>A change here is sent to the pedal at once, like the parameters window&apos;s boxes and Assign.</source>
        <translation>Un cambio aquí se envía al pedal al instante, como las listas de la ventana de parámetros y «Asignar».</translation>
    </message>
    <message>
        <source>Shared: %1 follow this one control.</source>
        <translation>Compartido: %1 siguen a este único control.</translation>
    </message>
    <message>
        <source>Knobs</source>
        <translation>Perillas</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Botones</translation>
    </message>
    <message>
        <source>Footswitch</source>
        <translation>Footswitch</translation>
    </message>
    <message>
        <source>Remote and expression pedal</source>
        <translation>Control remoto y pedal de expresión</translation>
    </message>
    <message>
        <source>Lights</source>
        <translation>Luces</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>No effect open</source>
        <translation>Ningún efecto abierto</translation>
    </message>
    <message>
        <source>Assignment Map</source>
        <translation>Mapa de asignaciones</translation>
    </message>
</context>
<context>
    <name>kx::TformFXInfo</name>
    <message>
        <source>Effect information page</source>
        <translation>Página de información del efecto</translation>
    </message>
</context>
<context>
    <name>kx::TformFXParameters</name>
    <message>
        <source>FX Parameters</source>
        <translation>Parámetros FX</translation>
    </message>
    <message>
        <source>not assignable</source>
        <translation>no asignable</translation>
    </message>
    <message>
        <source>The pedal&apos;s controls can drive the first 16 controls of an effect only</source>
        <translation>Los controles del pedal solo pueden manejar los primeros 16 controles de un efecto</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Pedal control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>%1 value</source>
        <translation>Valor de %1</translation>
    </message>
    <message>
        <source>%1 assignment</source>
        <translation>Asignación de %1</translation>
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
        <translation>Filas</translation>
    </message>
    <message>
        <source>The parameters window has no pedal link.</source>
        <translation>La ventana de parámetros no tiene enlace con el pedal.</translation>
    </message>
    <message>
        <source>Control %1 is not a pot.</source>
        <translation>El control %1 no es un potenciómetro.</translation>
    </message>
    <message>
        <source>Control %1 is not a switch.</source>
        <translation>El control %1 no es un interruptor.</translation>
    </message>
    <message>
        <source>Control %1 is not a multi switch.</source>
        <translation>El control %1 no es un selector.</translation>
    </message>
    <message>
        <source>The assignments can be changed once the pedal runs the effect and its settings have been read.</source>
        <translation>Las asignaciones se pueden cambiar cuando el pedal ejecute el efecto y se hayan leído sus ajustes.</translation>
    </message>
    <message>
        <source>%1 unassigned</source>
        <translation>%1 sin asignar</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>Preset change</source>
        <translation>Cambio de preset</translation>
    </message>
    <message>
        <source>Assign parameters?</source>
        <translation>¿Asignar parámetros?</translation>
    </message>
    <message>
        <source>Bypass Toggle</source>
        <translation>Conmutar bypass</translation>
    </message>
    <message>
        <source>Preset Change</source>
        <translation>Cambio de preset</translation>
    </message>
    <message>
        <source>Preview only</source>
        <translation>Solo vista previa</translation>
    </message>
    <message>
        <source>Playing: the preset</source>
        <translation>Sonando: el preset</translation>
    </message>
    <message>
        <source>Playing: stored sound</source>
        <translation>Sonando: sonido guardado</translation>
    </message>
    <message>
        <source>Playing: your edits</source>
        <translation>Sonando: tus cambios</translation>
    </message>
    <message>
        <source>Compare needs the running effect&apos;s values read first.</source>
        <translation>Para comparar hay que leer primero los valores del efecto en marcha.</translation>
    </message>
    <message>
        <source>The pedal plays the sound as stored, to compare. Go back to your edits and make this change there, or keep the stored sound and change it (your edits are let go)?</source>
        <translation>El pedal suena como está guardado, para comparar. ¿Volver a tus cambios y hacer este cambio allí, o quedarte con el sonido guardado y cambiarlo (se descartan tus cambios)?</translation>
    </message>
    <message>
        <source>Back to my edits</source>
        <translation>Volver a mis cambios</translation>
    </message>
    <message>
        <source>Keep the stored sound</source>
        <translation>Quedarme con el sonido guardado</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The reset needs the running effect&apos;s values read first.</source>
        <translation>Para restablecer hay que leer primero los valores del efecto en marcha.</translation>
    </message>
    <message>
        <source>The pedal plays the sound as stored, to compare. Go back to your edits and reset them, or reset from the stored sound (your edits are let go)?</source>
        <translation>El pedal suena como está guardado, para comparar. ¿Volver a tus cambios y restablecerlos, o restablecer a partir del sonido guardado (se descartan tus cambios)?</translation>
    </message>
    <message>
        <source>Reset to the effect&apos;s values</source>
        <translation>Restablecer los valores del efecto</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>Switch the pedal between your edits and the sound as stored on the pedal or loaded from a preset (Ctrl+K)</source>
        <translation>Cambia el pedal entre tus cambios y el sonido guardado en el pedal o cargado desde un preset (Ctrl+K)</translation>
    </message>
</context>
<context>
    <name>kx::TformFirmwareUpgrade</name>
    <message>
        <source>Firmware Upgrade</source>
        <translation>Actualización de firmware</translation>
    </message>
    <message>
        <source>Upgrade Firmware</source>
        <translation>Actualizar firmware</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Cancelling after this chunk</source>
        <translation>Cancelando tras este bloque</translation>
    </message>
    <message>
        <source>Choose firmware</source>
        <translation>Elegir firmware</translation>
    </message>
    <message>
        <source>Resynchronising…</source>
        <translation>Resincronizando…</translation>
    </message>
    <message>
        <source>Erasing…</source>
        <translation>Borrando…</translation>
    </message>
    <message>
        <source>Writing record…</source>
        <translation>Escribiendo registro…</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Iniciando…</translation>
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
        <translation>Detiene la actualización tras el bloque que se está escribiendo</translation>
    </message>
    <message>
        <source>Upgrade progress</source>
        <translation>Progreso de la actualización</translation>
    </message>
    <message>
        <source>Not started</source>
        <translation>Sin iniciar</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelada</translation>
    </message>
    <message>
        <source>Upgrade failed</source>
        <translation>La actualización falló</translation>
    </message>
    <message>
        <source>Chunk %1 failed</source>
        <translation>Falló el bloque %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Chunk %1 of %2</source>
        <translation>Bloque %1 de %2</translation>
    </message>
    <message>
        <source>Firmware Upgrade Complete, device will now restart</source>
        <translation>Actualización de firmware completada, el dispositivo se reiniciará ahora</translation>
    </message>
    <message>
        <source>Upgrade the pedal to %1? Do not unplug the pedal or switch it off until &quot;Firmware Upgrade Complete&quot; appears.</source>
        <translation>¿Actualizar el pedal a %1? No desenchufes el pedal ni lo apagues hasta que aparezca «Actualización de firmware completada».</translation>
    </message>
    <message>
        <source>To start the pedal in its bootloader, unplug it, then plug it in again while holding its footswitch down, and connect with Upgrade Mode ticked.</source>
        <translation>Para iniciar el pedal en su bootloader, desenchúfalo y vuelve a enchufarlo manteniendo pulsado su footswitch, y conecta con «Modo de actualización» marcado.</translation>
    </message>
</context>
<context>
    <name>kx::TformGuide</name>
    <message>
        <source>Kestrel X Editor User Guide</source>
        <translation>Guía del usuario de Kestrel X Editor</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Guía del usuario</translation>
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
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>How to load an impulse response:</source>
        <translation>Cómo cargar una respuesta al impulso:</translation>
    </message>
    <message>
        <source>1) Select an IR load algorithm in Impulse Response category</source>
        <translation>1) Selecciona un algoritmo de carga de IR en la categoría Impulse Response</translation>
    </message>
    <message>
        <source>2) Go to File and click Load IR, choose the desired WAV file</source>
        <translation>2) Ve a Archivo y haz clic en Cargar IR, elige el archivo WAV deseado</translation>
    </message>
    <message>
        <source>3) Click UPLOAD SELECTED EFFECT button</source>
        <translation>3) Haz clic en el botón SUBIR EFECTO SELECCIONADO</translation>
    </message>
    <message>
        <source>Waveform of the loaded samples</source>
        <translation>Forma de onda de las muestras cargadas</translation>
    </message>
    <message>
        <source>Magnitude response of the loaded samples</source>
        <translation>Respuesta en magnitud de las muestras cargadas</translation>
    </message>
    <message>
        <source>Load IR</source>
        <translation>Cargar IR</translation>
    </message>
    <message>
        <source>Waveform at %1 kHz: the first %2 samples (%3 ms) are loaded</source>
        <translation>Forma de onda a %1 kHz: se cargan las primeras %2 muestras (%3 ms)</translation>
    </message>
    <message>
        <source>Nothing loaded yet</source>
        <translation>Todavía no se ha cargado nada</translation>
    </message>
    <message>
        <source>loaded</source>
        <translation>cargado</translation>
    </message>
    <message>
        <source>not loaded</source>
        <translation>no cargado</translation>
    </message>
    <message>
        <source>&amp;Trim the silence before the first peak</source>
        <translation>&amp;Recortar el silencio antes del primer pico</translation>
    </message>
    <message>
        <source>&amp;Normalise the peak</source>
        <translation>&amp;Normalizar el pico</translation>
    </message>
    <message>
        <source>Peak level (dB):</source>
        <translation>Nivel de pico (dB):</translation>
    </message>
    <message>
        <source>&amp;Fade out before the cut</source>
        <translation>&amp;Fundido de salida antes del corte</translation>
    </message>
    <message>
        <source>Fade length (ms):</source>
        <translation>Duración del fundido (ms):</translation>
    </message>
    <message>
        <source>Import &amp;again with these tools</source>
        <translation>Importar de nuevo con estas &amp;herramientas</translation>
    </message>
    <message>
        <source>Last imports for this effect (kept after a restart):</source>
        <translation>Últimas importaciones de este efecto (se conservan tras reiniciar):</translation>
    </message>
    <message>
        <source>&amp;Use this import</source>
        <translation>&amp;Usar esta importación</translation>
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
        <translation>recortada</translation>
    </message>
    <message>
        <source>normalised to %1 dB</source>
        <translation>normalizada a %1 dB</translation>
    </message>
    <message>
        <source>faded over %1 ms</source>
        <translation>fundido en %1 ms</translation>
    </message>
    <message>
        <source>Peak level (dB)</source>
        <translation>Nivel de pico (dB)</translation>
    </message>
    <message>
        <source>Fade length (ms)</source>
        <translation>Duración del fundido (ms)</translation>
    </message>
    <message>
        <source>Last imports for this effect</source>
        <translation>Últimas importaciones de este efecto</translation>
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
        <translation>La opción --port necesita la ruta de un puerto.</translation>
    </message>
    <message>
        <source>The editor&apos;s settings were not read: %1 The file is set aside as %2; the defaults are used.</source>
        <translation>No se leyeron los ajustes del editor: %1 El archivo se aparta como %2; se usan los valores predeterminados.</translation>
    </message>
    <message>
        <source>The editor&apos;s settings were not read: %1 It could not be set aside (%2); the defaults are used and nothing is remembered.</source>
        <translation>No se leyeron los ajustes del editor: %1 No se pudo apartar (%2); se usan los valores predeterminados y no se recuerda nada.</translation>
    </message>
    <message>
        <source>Kestrel X Editor</source>
        <translation>Kestrel X Editor</translation>
    </message>
    <message>
        <source>Device Name: </source>
        <translation>Nombre del dispositivo: </translation>
    </message>
    <message>
        <source>The built-in virtual pedal runs its firmware. Restart it in its bootloader, as a pedal powered up with its footswitch held, so that you can try the whole upgrade?</source>
        <translation>El pedal virtual integrado ejecuta su firmware. ¿Reiniciarlo en su bootloader, como un pedal encendido con el footswitch pulsado, para que puedas probar la actualización completa?</translation>
    </message>
    <message>
        <source>Restart in bootloader</source>
        <translation>Reiniciar en el bootloader</translation>
    </message>
    <message>
        <source>Leave it running</source>
        <translation>Dejarlo en marcha</translation>
    </message>
    <message>
        <source>Serial Number: </source>
        <translation>Número de serie: </translation>
    </message>
    <message>
        <source>Firmware Version: </source>
        <translation>Versión del firmware: </translation>
    </message>
    <message>
        <source>Upload Selected Effect</source>
        <translation>Subir efecto seleccionado</translation>
    </message>
    <message>
        <source>Open FX</source>
        <translation>Abrir FX</translation>
    </message>
    <message>
        <source>Request</source>
        <translation>Solicitar</translation>
    </message>
    <message>
        <source>Assign</source>
        <translation>Asignar</translation>
    </message>
    <message>
        <source>Store Settings On Pedal</source>
        <translation>Guardar ajustes en el pedal</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>Effect information</source>
        <translation>Información del efecto</translation>
    </message>
    <message>
        <source>Effect categories</source>
        <translation>Categorías de efectos</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Efectos</translation>
    </message>
    <message>
        <source>Firmware Upgrade Mode</source>
        <translation>Modo de actualización del firmware</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barra de menús</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>L&amp;oad Configuration</source>
        <translation>Cargar c&amp;onfiguración</translation>
    </message>
    <message>
        <source>&amp;Save Configuration</source>
        <translation>&amp;Guardar configuración</translation>
    </message>
    <message>
        <source>Preset &amp;Library…</source>
        <translation>&amp;Biblioteca de presets…</translation>
    </message>
    <message>
        <source>Load &amp;IR</source>
        <translation>Cargar &amp;IR</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Connection</source>
        <translation>&amp;Conexión</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Conectar</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Desconectar</translation>
    </message>
    <message>
        <source>Dia&amp;gnose…</source>
        <translation>Dia&amp;gnosticar…</translation>
    </message>
    <message>
        <source>Connect Auto&amp;matically</source>
        <translation>Conectar &amp;automáticamente</translation>
    </message>
    <message>
        <source>&amp;Upload Selected Effect</source>
        <translation>&amp;Subir efecto seleccionado</translation>
    </message>
    <message>
        <source>&amp;Open FX</source>
        <translation>Abrir &amp;FX</translation>
    </message>
    <message>
        <source>&amp;Request</source>
        <translation>Solicita&amp;r</translation>
    </message>
    <message>
        <source>&amp;Assign</source>
        <translation>As&amp;ignar</translation>
    </message>
    <message>
        <source>S&amp;tore Settings On Pedal</source>
        <translation>Guardar ajustes en el &amp;pedal</translation>
    </message>
    <message>
        <source>Switch &amp;Window</source>
        <translation>Cambiar de &amp;ventana</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>Aj&amp;ustes</translation>
    </message>
    <message>
        <source>&amp;Assignment Map…</source>
        <translation>Mapa de a&amp;signaciones…</translation>
    </message>
    <message>
        <source>&amp;Follow Pedal</source>
        <translation>Seguir el &amp;pedal</translation>
    </message>
    <message>
        <source>Show the pedal&apos;s knobs in the parameters window as they are turned</source>
        <translation>Muestra las perillas del pedal en la ventana de parámetros mientras se giran</translation>
    </message>
    <message>
        <source>&amp;Look</source>
        <translation>&amp;Aspecto</translation>
    </message>
    <message>
        <source>La&amp;nguage</source>
        <translation>&amp;Idioma</translation>
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
        <translation>Actualización de f&amp;irmware</translation>
    </message>
    <message>
        <source>&amp;Upgrade Mode</source>
        <translation>&amp;Modo de actualización</translation>
    </message>
    <message>
        <source>&amp;Start Firmware Upgrade</source>
        <translation>&amp;Iniciar actualización de firmware</translation>
    </message>
    <message>
        <source>I&amp;nfo</source>
        <translation>I&amp;nfo</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>&amp;Soporte</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Versión: </translation>
    </message>
    <message>
        <source>New version available:</source>
        <translation>Nueva versión disponible:</translation>
    </message>
    <message>
        <source>Device Serial: </source>
        <translation>Número de serie del dispositivo: </translation>
    </message>
    <message>
        <source>&amp;Update Now</source>
        <translation>Actuali&amp;zar ahora</translation>
    </message>
    <message>
        <source>Show Update &amp;Message</source>
        <translation>Mostrar &amp;mensaje de actualización</translation>
    </message>
    <message>
        <source>Upload the selected effect, &quot;%1&quot;?</source>
        <translation>¿Subir el efecto seleccionado, «%1»?</translation>
    </message>
    <message>
        <source>Upload the selected effect, &quot;%1&quot;, with the impulse response &quot;%2&quot;?</source>
        <translation>¿Subir el efecto seleccionado, «%1», con la respuesta al impulso «%2»?</translation>
    </message>
    <message>
        <source>Status: </source>
        <translation>Estado: </translation>
    </message>
    <message>
        <source>Choose an effect in the list first, then upload it.</source>
        <translation>Elige primero un efecto de la lista y luego súbelo.</translation>
    </message>
    <message>
        <source>Settings stored on the pedal</source>
        <translation>Ajustes guardados en el pedal</translation>
    </message>
    <message>
        <source>The settings were not stored: </source>
        <translation>Los ajustes no se guardaron: </translation>
    </message>
    <message>
        <source>Assignments sent to the pedal</source>
        <translation>Asignaciones enviadas al pedal</translation>
    </message>
    <message>
        <source>The assignments were not sent: </source>
        <translation>Las asignaciones no se enviaron: </translation>
    </message>
    <message>
        <source>MIDI channel set to %1</source>
        <translation>Canal MIDI fijado en %1</translation>
    </message>
    <message>
        <source>The MIDI channel was not set to %1: </source>
        <translation>El canal MIDI no se fijó en %1: </translation>
    </message>
    <message>
        <source>Impulse Response: choose an effect, then File &gt; Load IR (Ctrl+I) and Upload (Ctrl+U). Load IR shows how.</source>
        <translation>Impulse Response: elige un efecto y luego Archivo &gt; Cargar IR (Ctrl+I) y Subir (Ctrl+U). Cargar IR explica cómo.</translation>
    </message>
    <message>
        <source>the virtual pedal</source>
        <translation>el pedal virtual</translation>
    </message>
    <message>
        <source>A WAV file goes into an impulse response effect. Choose one of these in the &quot;Impulse Response&quot; category first, then drop the file again: %1.</source>
        <translation>Un archivo WAV va en un efecto de respuesta al impulso. Elige primero uno de la categoría «Impulse Response» y vuelve a soltar el archivo: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a preset (.txt) nor a WAV file (.wav): nothing was loaded.</source>
        <translation>«%1» no es ni un preset (.txt) ni un archivo WAV (.wav): no se ha cargado nada.</translation>
    </message>
    <message>
        <source>Drop one file at a time: %1 files were dropped.</source>
        <translation>Suelta un archivo cada vez: se soltaron %1 archivos.</translation>
    </message>
    <message>
        <source>Unstored edits — </source>
        <translation>Cambios sin guardar — </translation>
    </message>
    <message>
        <source>Your edits to &quot;%1&quot; are neither stored on the pedal nor saved in a preset. Store them on the pedal, save them as a preset, or discard them?</source>
        <translation>Tus cambios en «%1» no están guardados en el pedal ni en un preset. ¿Guardarlos en el pedal, guardarlos como preset o descartarlos?</translation>
    </message>
    <message>
        <source>Store on the pedal</source>
        <translation>Guardar en el pedal</translation>
    </message>
    <message>
        <source>Save as preset…</source>
        <translation>Guardar como preset…</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>%1 information</source>
        <translation>Información de %1</translation>
    </message>
    <message>
        <source>Follow Pedal is off: </source>
        <translation>Seguir el pedal está desactivado: </translation>
    </message>
    <message>
        <source>the parameters window was closed.</source>
        <translation>se cerró la ventana de parámetros.</translation>
    </message>
    <message>
        <source>the parameters window shows another effect.</source>
        <translation>la ventana de parámetros muestra otro efecto.</translation>
    </message>
    <message>
        <source>The pedal was unplugged.</source>
        <translation>Se desenchufó el pedal.</translation>
    </message>
    <message>
        <source> It connects again when it is plugged back in.</source>
        <translation> Se vuelve a conectar cuando se enchufa de nuevo.</translation>
    </message>
    <message>
        <source> Plug it in again and choose Connection &gt; Connect.</source>
        <translation> Vuelve a enchufarlo y elige Conexión &gt; Conectar.</translation>
    </message>
    <message>
        <source> Follow Pedal is off.</source>
        <translation> Seguir el pedal está desactivado.</translation>
    </message>
    <message>
        <source>Another pedal is attached. Store or save the edits first, then choose Connect to use it.</source>
        <translation>Hay otro pedal conectado. Guarda primero los cambios y luego elige «Conectar» para usarlo.</translation>
    </message>
    <message>
        <source>A pedal was plugged in. The editor stays with the virtual pedal, whose edits are not stored: store or save them, then choose Connection &gt; Disconnect and Connect.</source>
        <translation>Se enchufó un pedal. El editor sigue con el pedal virtual, cuyos cambios no están guardados: guárdalos y luego elige Conexión &gt; Desconectar y Conectar.</translation>
    </message>
    <message>
        <source>Error loading file: </source>
        <translation>Error al cargar el archivo: </translation>
    </message>
    <message>
        <source>The device at %1 did not answer as a Kestrel X, so the editor let it go. If it is the pedal, check that it is powered, then choose Connect.</source>
        <translation>El dispositivo en %1 no respondió como un Kestrel X, así que el editor lo soltó. Si es el pedal, comprueba que está encendido y luego elige «Conectar».</translation>
    </message>
    <message>
        <source>Save Preset File</source>
        <translation>Guardar archivo de preset</translation>
    </message>
    <message>
        <source>Open Preset File</source>
        <translation>Abrir archivo de preset</translation>
    </message>
    <message>
        <source>Preset files (*.txt)</source>
        <translation>Archivos de preset (*.txt)</translation>
    </message>
    <message>
        <source>File saved successfully: </source>
        <translation>Archivo guardado correctamente: </translation>
    </message>
    <message>
        <source>File loaded successfully: </source>
        <translation>Archivo cargado correctamente: </translation>
    </message>
    <message>
        <source>There is no open effect to save: click Open FX, then Request, and save again.</source>
        <translation>No hay ningún efecto abierto que guardar: haz clic en «Abrir FX», luego en «Solicitar», y vuelve a guardar.</translation>
    </message>
    <message>
        <source>There is no open effect to load the preset into: click Open FX, or an effect in the list, and load again.</source>
        <translation>No hay ningún efecto abierto en el que cargar el preset: haz clic en «Abrir FX» o en un efecto de la lista, y vuelve a cargar.</translation>
    </message>
    <message>
        <source>The values of &quot;%1&quot; have not been read yet: click Request, or load a preset, and save again.</source>
        <translation>Todavía no se han leído los valores de «%1»: haz clic en «Solicitar», o carga un preset, y vuelve a guardar.</translation>
    </message>
    <message>
        <source>This preset holds %1 controls, but the open effect &quot;%2&quot; has %3: it was not loaded.</source>
        <translation>Este preset contiene %1 controles, pero el efecto abierto «%2» tiene %3: no se ha cargado.</translation>
    </message>
    <message>
        <source>This preset was saved for %1, not for the open effect &quot;%2&quot;. Load its values into &quot;%2&quot;?</source>
        <translation>Este preset se guardó para %1, no para el efecto abierto «%2». ¿Cargar sus valores en «%2»?</translation>
    </message>
    <message>
        <source>This preset is for %1, not for the open effect &quot;%2&quot;: it was not loaded. Connect the pedal to upload %3 and apply this preset.</source>
        <translation>Este preset es para %1, no para el efecto abierto «%2»: no se ha cargado. Conecta el pedal para subir %3 y aplicar este preset.</translation>
    </message>
    <message>
        <source>This preset is for %1, but the pedal runs %2.

Upload %3 and apply this preset?</source>
        <translation>Este preset es para %1, pero el pedal ejecuta %2.

¿Subir %3 y aplicar este preset?</translation>
    </message>
    <message>
        <source>no effect</source>
        <translation>ningún efecto</translation>
    </message>
    <message>
        <source>This preset holds %1 controls, but %2 has %3: it was not loaded.</source>
        <translation>Este preset contiene %1 controles, pero %2 tiene %3: no se ha cargado.</translation>
    </message>
    <message>
        <source>effect %1, which the effect list does not hold</source>
        <translation>efecto %1, que la lista de efectos no contiene</translation>
    </message>
    <message>
        <source>No update available</source>
        <translation>No hay actualizaciones disponibles</translation>
    </message>
    <message>
        <source>The version check is turned off for this run (the update server is &quot;off&quot;).</source>
        <translation>La comprobación de versión está desactivada en esta ejecución (el servidor de actualizaciones es «off»).</translation>
    </message>
    <message>
        <source>No update server is set for this build of the Kestrel X Editor, so it cannot check for updates. To check one, start the editor with KX_UPDATE_SERVER set to the server&apos;s address (for example KX_UPDATE_SERVER=https://updates.example.org ./run.sh).</source>
        <translation>No hay ningún servidor de actualizaciones definido para esta compilación del Kestrel X Editor, así que no puede buscar actualizaciones. Para buscar una, inicia el editor con KX_UPDATE_SERVER apuntando a la dirección del servidor (por ejemplo KX_UPDATE_SERVER=https://updates.example.org ./run.sh).</translation>
    </message>
    <message>
        <source>This is the newest version of the Kestrel X Editor (%1).</source>
        <translation>Esta es la versión más reciente del Kestrel X Editor (%1).</translation>
    </message>
    <message>
        <source>the Documents folder cannot be found</source>
        <translation>no se encuentra la carpeta Documentos</translation>
    </message>
    <message>
        <source>Error: the look file %1 holds &quot;%2&quot;, which is not a whole number; look 0 is used.</source>
        <translation>Error: el archivo de aspecto %1 contiene «%2», que no es un número entero; se usa el aspecto 0.</translation>
    </message>
    <message>
        <source>Error creating folder: </source>
        <translation>Error al crear la carpeta: </translation>
    </message>
    <message>
        <source>Error creating subfolder: </source>
        <translation>Error al crear la subcarpeta: </translation>
    </message>
    <message>
        <source>Error saving file: </source>
        <translation>Error al guardar el archivo: </translation>
    </message>
    <message>
        <source>Dark &amp;Red</source>
        <translation>Oscuro &amp;rojo</translation>
    </message>
    <message>
        <source>Dark &amp;Orange</source>
        <translation>Oscuro &amp;naranja</translation>
    </message>
    <message>
        <source>Dark &amp;Turquoise</source>
        <translation>Oscuro &amp;turquesa</translation>
    </message>
    <message>
        <source>Dark &amp;Blue</source>
        <translation>Oscuro &amp;azul</translation>
    </message>
    <message>
        <source>&amp;Grey Orange</source>
        <translation>&amp;Gris naranja</translation>
    </message>
    <message>
        <source>Grey Go&amp;ld</source>
        <translation>Gris &amp;dorado</translation>
    </message>
    <message>
        <source>Light &amp;Cyan</source>
        <translation>Claro &amp;cian</translation>
    </message>
    <message>
        <source>Error: </source>
        <translation>Error: </translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Comparar</translation>
    </message>
    <message>
        <source>Reset to Effect&apos;s &amp;Values</source>
        <translation>Restablecer los &amp;valores del efecto</translation>
    </message>
    <message numerus="yes">
        <source>%n pedals are attached: %1. Choose one under Connection &gt; Pedal.</source>
        <translation>
            <numerusform>Hay %n pedal conectado: %1. Elige uno en Conexión &gt; Pedal.</numerusform>
            <numerusform>Hay %n pedales conectados: %1. Elige uno en Conexión &gt; Pedal.</numerusform>
        </translation>
    </message>
    <message>
        <source>A kept impulse response could not be read and was set aside: %1</source>
        <translation>No se pudo leer una respuesta de impulso guardada y se ha apartado: %1</translation>
    </message>
    <message>
        <source>No impulse response has been loaded for &quot;%1&quot; since the editor started. Upload it with the last one imported, &quot;%2&quot; (%3)?</source>
        <translation>No se ha cargado ninguna respuesta de impulso para «%1» desde que se inició el editor. ¿Subirlo con la última importada, «%2» (%3)?</translation>
    </message>
    <message>
        <source>Kept import: %1, the same coefficients as when it was made</source>
        <translation>Importación guardada: %1, los mismos coeficientes que cuando se creó</translation>
    </message>
    <message>
        <source>Its impulse response &quot;%1&quot; is saved beside it: %2</source>
        <translation>Su respuesta de impulso «%1» se ha guardado a su lado: %2</translation>
    </message>
    <message>
        <source>Its impulse response was not saved: %1</source>
        <translation>Su respuesta de impulso no se ha guardado: %1</translation>
    </message>
    <message>
        <source>No impulse response has been imported for &quot;%1&quot; yet, so the preset has none beside it. Load one (File &gt; Load IR) and save again to keep it with the preset.</source>
        <translation>Todavía no se ha importado ninguna respuesta de impulso para «%1», así que el preset no tiene ninguna a su lado. Carga una (Archivo &gt; Cargar IR) y guarda de nuevo para conservarla con el preset.</translation>
    </message>
    <message>
        <source>Its impulse response &quot;%1&quot; is imported: an upload of &quot;%2&quot; sends it.</source>
        <translation>Su respuesta de impulso «%1» está importada: al subir «%2» se envía.</translation>
    </message>
    <message>
        <source>Its impulse response (%1) is missing: the values are loaded, and &quot;%2&quot; keeps the impulse response it has.</source>
        <translation>Falta su respuesta de impulso (%1): los valores se han cargado y «%2» conserva la respuesta de impulso que tiene.</translation>
    </message>
    <message>
        <source>Its impulse response cannot be used: %1. The values are loaded, and &quot;%2&quot; keeps the impulse response it has.</source>
        <translation>Su respuesta de impulso no se puede usar: %1. Los valores se han cargado y «%2» conserva la respuesta de impulso que tiene.</translation>
    </message>
    <message>
        <source>&amp;Pedal</source>
        <translation>P&amp;edal</translation>
    </message>
    <message>
        <source>Pedal</source>
        <translation>Pedal</translation>
    </message>
    <message>
        <source>No pedal attached</source>
        <translation>Ningún pedal conectado</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source> (connected)</source>
        <translation> (conectado)</translation>
    </message>
    <message>
        <source>This preset keeps its impulse response &quot;%2&quot; beside it.

Upload %1 with it and apply this preset?</source>
        <translation>Este preset guarda su respuesta de impulso «%2» a su lado.

¿Subir %1 con ella y aplicar este preset?</translation>
    </message>
    <message>
        <source>Version %1 of the Kestrel X Editor is available (this is %2). Help &gt; Info &gt; Update Now installs it.</source>
        <translation>La versión %1 de Kestrel X Editor está disponible (esta es la %2). Ayuda &gt; Info &gt; Actualizar ahora la instala.</translation>
    </message>
</context>
<context>
    <name>kx::TformNewVersionMsg</name>
    <message>
        <source>New Version</source>
        <translation>Nueva versión</translation>
    </message>
    <message>
        <source>A new version of the Kestrel X Editor is available</source>
        <translation>Hay una nueva versión del Kestrel X Editor disponible</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Actualizar ahora</translation>
    </message>
    <message>
        <source>What&apos;s New?</source>
        <translation>¿Qué hay de nuevo?</translation>
    </message>
    <message>
        <source>Don&apos;t Show This Message Again</source>
        <translation>No volver a mostrar este mensaje</translation>
    </message>
    <message>
        <source>This action will update the Kestrel X Editor to the latest version. Do you want to continue?</source>
        <translation>Esta acción actualizará el Kestrel X Editor a la última versión. ¿Quieres continuar?</translation>
    </message>
    <message>
        <source>Failed to launch updater: </source>
        <translation>No se pudo iniciar el actualizador: </translation>
    </message>
    <message>
        <source>The Kestrel X Editor is updated through your system&apos;s packages, or by downloading the new version from the maker&apos;s site. The page that has just opened tells what is new.</source>
        <translation>El Kestrel X Editor se actualiza mediante los paquetes de tu sistema o descargando la nueva versión del sitio del fabricante. La página que se acaba de abrir explica las novedades.</translation>
    </message>
</context>
<context>
    <name>kx::TformPresetLibrary</name>
    <message>
        <source>effect %1, not in this editor&apos;s list</source>
        <translation>efecto %1, que no está en la lista de este editor</translation>
    </message>
    <message>
        <source>The list of recent presets was not read: %1 The file is set aside as %2.</source>
        <translation>No se leyó la lista de presets recientes: %1 El archivo se aparta como %2.</translation>
    </message>
    <message>
        <source>The list of recent presets was not read: %1</source>
        <translation>No se leyó la lista de presets recientes: %1</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtro:</translation>
    </message>
    <message>
        <source>Name, effect or category</source>
        <translation>Nombre, efecto o categoría</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>&amp;Presets in %1:</source>
        <translation>&amp;Presets en %1:</translation>
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
        <translation>Efecto</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>&amp;Loaded or saved last:</source>
        <translation>Ú&amp;ltimos cargados o guardados:</translation>
    </message>
    <message>
        <source>Loaded or saved last</source>
        <translation>Últimos cargados o guardados</translation>
    </message>
    <message>
        <source>L&amp;oad</source>
        <translation>&amp;Cargar</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Renombrar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source> (no longer there)</source>
        <translation> (ya no existe)</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; was not renamed: %2</source>
        <translation>No se cambió el nombre del preset «%1»: %2</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; was not deleted: %2</source>
        <translation>No se eliminó el preset «%1»: %2</translation>
    </message>
    <message>
        <source>Preset Library</source>
        <translation>Biblioteca de presets</translation>
    </message>
    <message>
        <source>Delete the preset &quot;%1&quot;? The file is removed from the preset folder.</source>
        <translation>¿Eliminar el preset «%1»? El archivo se quita de la carpeta de presets.</translation>
    </message>
    <message>
        <source>Damaged: %1</source>
        <translation>Dañado: %1</translation>
    </message>
    <message>
        <source>Impulse response</source>
        <translation>Respuesta de impulso</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>C&amp;opiar</translation>
    </message>
    <message>
        <source>Delete the preset &quot;%1&quot; and its impulse response? Both files are removed from the preset folder.</source>
        <translation>¿Eliminar el preset «%1» y su respuesta de impulso? Ambos archivos se quitan de la carpeta de presets.</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Falta</translation>
    </message>
    <message>
        <source>This impulse response effect&apos;s preset has no %1 beside it: its values load, the effect keeps the impulse response it has.</source>
        <translation>El preset de este efecto de respuesta de impulso no tiene %1 a su lado: sus valores se cargan y el efecto conserva la respuesta de impulso que tiene.</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2. The preset&apos;s values still load.</source>
        <translation>%1 no se puede usar: %2. Los valores del preset se cargan igualmente.</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; was not copied: %2</source>
        <translation>El preset «%1» no se ha copiado: %2</translation>
    </message>
</context>
<context>
    <name>kx::TformPrint</name>
    <message>
        <source>Print Console</source>
        <translation>Consola de impresión</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>ARRIBA</translation>
    </message>
    <message>
        <source>scrollDOWN</source>
        <translation>desplazar abajo</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Guardar…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Save the log</source>
        <translation>Guardar el registro</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Archivos de texto (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Saves the log to a file</source>
        <translation>Guarda el registro en un archivo</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Registro</translation>
    </message>
</context>
<context>
    <name>kx::VersionClient</name>
    <message>
        <source>the network module cannot be loaded (%1).</source>
        <translation>no se puede cargar el módulo de red (%1).</translation>
    </message>
    <message>
        <source>the server&apos;s answer is longer than %1 bytes.</source>
        <translation>la respuesta del servidor supera los %1 bytes.</translation>
    </message>
    <message>
        <source>the version check failed: </source>
        <translation>la comprobación de versión falló: </translation>
    </message>
    <message>
        <source>HTTP status %1</source>
        <translation>estado HTTP %1</translation>
    </message>
    <message>
        <source>the editor&apos;s own version &quot;%1&quot; is not a version number.</source>
        <translation>la propia versión del editor, «%1», no es un número de versión.</translation>
    </message>
    <message>
        <source>the server did not answer within %1 s.</source>
        <translation>el servidor no respondió en %1 s.</translation>
    </message>
</context>
</TS>
