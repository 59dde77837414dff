<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>About</name>
    <message>
        <source>windows, serial ports, network</source>
        <translation>janelas, portas seriais, rede</translation>
    </message>
    <message>
        <source>waits for the pedal that block no window</source>
        <translation>esperas pelo pedal que não travam nenhuma janela</translation>
    </message>
    <message>
        <source>reading WAV files</source>
        <translation>leitura de arquivos WAV</translation>
    </message>
    <message>
        <source>resampling impulse responses</source>
        <translation>reamostragem de respostas ao impulso</translation>
    </message>
    <message>
        <source>noticing the pedal plugged in and out</source>
        <translation>perceber quando o pedal é conectado e desconectado</translation>
    </message>
    <message>
        <source>the secure connection of the version check</source>
        <translation>a conexão segura da verificação de versão</translation>
    </message>
    <message>
        <source>the C++ language&apos;s library</source>
        <translation>a biblioteca da linguagem C++</translation>
    </message>
    <message>
        <source>the system&apos;s C library</source>
        <translation>a biblioteca C do sistema</translation>
    </message>
</context>
<context>
    <name>Base</name>
    <message>
        <source>%1: it is a folder, not a file.</source>
        <translation>%1: é uma pasta, não um arquivo.</translation>
    </message>
    <message>
        <source>%1: it is a pipe, not a file.</source>
        <translation>%1: é um pipe, não um arquivo.</translation>
    </message>
    <message>
        <source>%1: it is a device, not a file.</source>
        <translation>%1: é um dispositivo, não um arquivo.</translation>
    </message>
    <message>
        <source>%1: it is not a regular file.</source>
        <translation>%1: não é um arquivo comum.</translation>
    </message>
    <message>
        <source>%1: it is %2 bytes long, but %3 is at most %4 bytes.</source>
        <translation>%1: tem %2 bytes, mas %3 tem no máximo %4 bytes.</translation>
    </message>
    <message>
        <source>%1: it grew while it was read, past the %2 bytes that %3 can have.</source>
        <translation>%1: cresceu enquanto era lido, além dos %2 bytes que %3 pode ter.</translation>
    </message>
</context>
<context>
    <name>Firmware</name>
    <message>
        <source>Choose a firmware in the list first. Nothing was sent to the pedal.</source>
        <translation>Escolha primeiro um firmware na lista. Nada foi enviado ao pedal.</translation>
    </message>
    <message>
        <source>The firmware %1 is empty. Nothing was sent.</source>
        <translation>O firmware %1 está vazio. Nada foi enviado.</translation>
    </message>
    <message>
        <source>The firmware %1 cannot be written: it has %2 bytes, more than %3 chunks of 256 bytes. Nothing was sent.</source>
        <translation>O firmware %1 não pode ser gravado: tem %2 bytes, mais que %3 blocos de 256 bytes. Nada foi enviado.</translation>
    </message>
    <message>
        <source>The firmware %1 cannot be written: its %2 bytes would reach the firmware record at 0x0801FC00 (at most %3 bytes fit below it). Nothing was sent.</source>
        <translation>O firmware %1 não pode ser gravado: seus %2 bytes alcançariam o registro do firmware em 0x0801FC00 (cabem no máximo %3 bytes abaixo dele). Nada foi enviado.</translation>
    </message>
    <message>
        <source>The firmware %1 cannot be written: there is no firmware record for number %2. Nothing was sent.</source>
        <translation>O firmware %1 não pode ser gravado: não há registro de firmware para o número %2. Nada foi enviado.</translation>
    </message>
    <message>
        <source>Firmware upgrade</source>
        <translation>Atualização de firmware</translation>
    </message>
    <message>
        <source>The firmware upgrade was not started: the pedal is not connected. Connect to its bootloader first (Upgrade Mode stays on). Nothing was sent.</source>
        <translation>A atualização de firmware não foi iniciada: o pedal não está conectado. Conecte-se primeiro ao bootloader dele (o modo de atualização continua ativado). Nada foi enviado.</translation>
    </message>
    <message>
        <source>erasing the flash</source>
        <translation>ao apagar a memória flash</translation>
    </message>
    <message>
        <source>writing the firmware record at %1</source>
        <translation>ao gravar o registro do firmware em %1</translation>
    </message>
    <message>
        <source>starting the new firmware at %1</source>
        <translation>ao iniciar o novo firmware em %1</translation>
    </message>
    <message>
        <source>bringing the bootloader back to a known state</source>
        <translation>ao trazer o bootloader de volta a um estado conhecido</translation>
    </message>
    <message>
        <source>preparing the firmware image</source>
        <translation>ao preparar a imagem do firmware</translation>
    </message>
    <message>
        <source>The firmware upgrade stopped while %1: %2. The flash was written and verified, and the pedal may have started the new firmware already. %3</source>
        <translation>A atualização de firmware parou %1: %2. A flash foi gravada e verificada, e o pedal talvez já tenha iniciado o novo firmware. %3</translation>
    </message>
    <message>
        <source>the connection to the pedal was lost</source>
        <translation>a conexão com o pedal foi perdida</translation>
    </message>
    <message>
        <source>The firmware upgrade stopped while %1: the connection to the pedal was lost. The new firmware was not started. %2</source>
        <translation>A atualização de firmware parou %1: a conexão com o pedal foi perdida. O novo firmware não foi iniciado. %2</translation>
    </message>
    <message>
        <source>The firmware upgrade stopped while %1: %2. The new firmware was not started; the pedal stays in its bootloader. %3</source>
        <translation>A atualização de firmware parou %1: %2. O novo firmware não foi iniciado; o pedal continua no bootloader. %3</translation>
    </message>
    <message>
        <source>you cancelled it</source>
        <translation>você a cancelou</translation>
    </message>
    <message>
        <source>Press Upgrade Firmware to start again.</source>
        <translation>Pressione &quot;Atualizar firmware&quot; para começar de novo.</translation>
    </message>
    <message>
        <source>Power the pedal up with its footswitch held, choose Connect, then press Upgrade Firmware to start again.</source>
        <translation>Ligue o pedal com o footswitch pressionado, escolha &quot;Conectar&quot; e pressione &quot;Atualizar firmware&quot; para começar de novo.</translation>
    </message>
    <message>
        <source>Press Open FX to find out: a pedal that names its firmware version runs the new firmware; one that does not answer is still in its bootloader, and Upgrade Firmware starts again.</source>
        <translation>Pressione &quot;Abrir FX&quot; para descobrir: um pedal que informa a versão do firmware está rodando o novo firmware; um que não responde ainda está no bootloader, e &quot;Atualizar firmware&quot; começa de novo.</translation>
    </message>
    <message>
        <source>writing chunk %1 of %2 at %3</source>
        <translation>ao gravar o bloco %1 de %2 em %3</translation>
    </message>
    <message>
        <source>reading back chunk %1 of %2 at %3</source>
        <translation>ao reler o bloco %1 de %2 em %3</translation>
    </message>
    <message>
        <source>The pedal already runs Firmware %1</source>
        <translation>O pedal já executa o firmware %1</translation>
    </message>
    <message>
        <source>This replaces Firmware %1 with Firmware %2</source>
        <translation>Isto substitui o firmware %1 pelo firmware %2</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>About Qt</source>
        <translation>Sobre o Qt</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Guia do usuário</translation>
    </message>
    <message>
        <source>Connection &amp;Doctor…</source>
        <translation>&amp;Doutor da conexão…</translation>
    </message>
    <message>
        <source>&amp;Check for Updates…</source>
        <translation>&amp;Verificar atualizações…</translation>
    </message>
    <message>
        <source>&amp;About Kestrel X Editor</source>
        <translation>&amp;Sobre o Kestrel X Editor</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Sobre o &amp;Qt</translation>
    </message>
</context>
<context>
    <name>Ir</name>
    <message>
        <source>Samples of %1 bits cannot become coefficients: only 24 and 32 bits can.</source>
        <translation>Amostras de %1 bits não podem virar coeficientes: só as de 24 e 32 bits podem.</translation>
    </message>
    <message>
        <source>The samples end after %1 of the %2 coefficients the effect needs.</source>
        <translation>As amostras terminam depois de %1 dos %2 coeficientes de que o efeito precisa.</translation>
    </message>
    <message>
        <source>The sample text is damaged at character %1.</source>
        <translation>O texto das amostras está danificado no caractere %1.</translation>
    </message>
    <message>
        <source>The effect image has %1 characters, too few to hold %2 coefficients from byte %3.</source>
        <translation>A imagem do efeito tem %1 caracteres, poucos demais para %2 coeficientes a partir do byte %3.</translation>
    </message>
    <message>
        <source>%1 coefficient characters do not make the %2 words of the table.</source>
        <translation>%1 caracteres de coeficientes não formam as %2 palavras da tabela.</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>Nome: </translation>
    </message>
    <message>
        <source>Size: </source>
        <translation>Tamanho: </translation>
    </message>
    <message>
        <source>Sample rate: </source>
        <translation>Taxa de amostragem: </translation>
    </message>
    <message>
        <source>Bits per sample: </source>
        <translation>Bits por amostra: </translation>
    </message>
    <message>
        <source>Channels: %1 (the first channel is loaded)</source>
        <translation>Canais: %1 (o primeiro canal é carregado)</translation>
    </message>
    <message>
        <source>Resampled from %1 Hz to %2 Hz</source>
        <translation>Reamostrado de %1 Hz para %2 Hz</translation>
    </message>
    <message>
        <source>Not resampled: the pedal plays these samples at %1 Hz</source>
        <translation>Não reamostrado: o pedal reproduz estas amostras a %1 Hz</translation>
    </message>
    <message>
        <source>Clipped: %1 samples beyond full scale</source>
        <translation>Clipado: %1 amostras além do fundo de escala</translation>
    </message>
    <message>
        <source>The pedal plays impulse responses at %1 Hz, this file is sampled at %2 Hz. Resample it to %1 Hz first?</source>
        <translation>O pedal reproduz respostas ao impulso a %1 Hz, e este arquivo tem taxa de amostragem de %2 Hz. Reamostrá-lo primeiro para %1 Hz?</translation>
    </message>
    <message>
        <source>The loaded %1 samples (%2 ms at %3 kHz) hold %4 % of the file&apos;s energy.</source>
        <translation>As %1 amostras carregadas (%2 ms a %3 kHz) contêm %4 % da energia do arquivo.</translation>
    </message>
    <message>
        <source>The loaded %1 samples (%2 ms at %3 kHz) are silent, like the whole file.</source>
        <translation>As %1 amostras carregadas (%2 ms a %3 kHz) estão em silêncio, como o arquivo inteiro.</translation>
    </message>
    <message>
        <source>%1 has no coefficient table to load an impulse response into.</source>
        <translation>%1 não tem uma tabela de coeficientes para carregar uma resposta ao impulso.</translation>
    </message>
    <message>
        <source>The file holds %1 samples%2, but %3 needs %4. Choose a longer impulse response.</source>
        <translation>O arquivo contém %1 amostras%2, mas %3 precisa de %4. Escolha uma resposta ao impulso mais longa.</translation>
    </message>
    <message>
        <source> at %1 Hz</source>
        <translation> a %1 Hz</translation>
    </message>
    <message>
        <source>Wave Files (*.wav)</source>
        <translation>Arquivos WAV (*.wav)</translation>
    </message>
    <message>
        <source>Selected file data:</source>
        <translation>Dados do arquivo escolhido:</translation>
    </message>
    <message>
        <source>The samples could not be resampled: %1</source>
        <translation>Não foi possível reamostrar as amostras: %1</translation>
    </message>
    <message>
        <source>a rate of %1 Hz cannot become %2 Hz</source>
        <translation>uma taxa de %1 Hz não pode virar %2 Hz</translation>
    </message>
    <message>
        <source>This is not a WAV file: it does not begin with a RIFF header of type &quot;WAVE&quot;.</source>
        <translation>Este não é um arquivo WAV: ele não começa com um cabeçalho RIFF do tipo &quot;WAVE&quot;.</translation>
    </message>
    <message>
        <source>The WAV file&apos;s header announces %1 bytes, but the file has %2; its chunks were read as they are.</source>
        <translation>O cabeçalho do arquivo WAV anuncia %1 bytes, mas o arquivo tem %2; seus chunks foram lidos como estão.</translation>
    </message>
    <message>
        <source>The WAV file is cut short: its &quot;%1&quot; chunk at byte %2 announces %3 bytes, but only %4 follow.</source>
        <translation>O arquivo WAV está cortado: seu chunk &quot;%1&quot; no byte %2 anuncia %3 bytes, mas só seguem %4.</translation>
    </message>
    <message>
        <source>The WAV file could not be read at byte %1.</source>
        <translation>Não foi possível ler o arquivo WAV no byte %1.</translation>
    </message>
    <message>
        <source>The WAV file has no &quot;fmt &quot; chunk, so the format of its samples is unknown.</source>
        <translation>O arquivo WAV não tem chunk &quot;fmt &quot;, então o formato das amostras é desconhecido.</translation>
    </message>
    <message>
        <source>The WAV file&apos;s &quot;fmt &quot; chunk has %1 bytes, fewer than the 16 of a sample format.</source>
        <translation>O chunk &quot;fmt &quot; do arquivo WAV tem %1 bytes, menos que os 16 de um formato de amostra.</translation>
    </message>
    <message>
        <source>The WAV file has no &quot;data&quot; chunk: it holds no samples.</source>
        <translation>O arquivo WAV não tem chunk &quot;data&quot;: não contém amostras.</translation>
    </message>
    <message>
        <source>The WAV file&apos;s samples cannot be read: %1</source>
        <translation>Não é possível ler as amostras do arquivo WAV: %1</translation>
    </message>
    <message>
        <source>The WAV file holds no samples.</source>
        <translation>O arquivo WAV não contém amostras.</translation>
    </message>
    <message>
        <source>The impulse response could not be written: %1</source>
        <translation>Não foi possível gravar a resposta ao impulso: %1</translation>
    </message>
    <message>
        <source>It holds %1 samples: an impulse response the editor keeps holds at most %2.</source>
        <translation>Ela tem %1 amostras: uma resposta ao impulso guardada pelo editor tem no máximo %2.</translation>
    </message>
    <message>
        <source>it holds %1 samples, %2 needs %3</source>
        <translation>ela tem %1 amostras, %2 precisa de %3</translation>
    </message>
    <message>
        <source>%1 takes no impulse response</source>
        <translation>%1 não aceita resposta ao impulso</translation>
    </message>
    <message>
        <source>Trimmed %1 samples (%2 ms) of silence before the first peak</source>
        <translation>Cortadas %1 amostras (%2 ms) de silêncio antes do primeiro pico</translation>
    </message>
    <message>
        <source>Not trimmed: the first peak comes at once</source>
        <translation>Nada cortado: o primeiro pico vem logo no início</translation>
    </message>
    <message>
        <source>Normalised to a peak of %1 dB (gain %2 dB)</source>
        <translation>Normalizada para um pico de %1 dB (ganho de %2 dB)</translation>
    </message>
    <message>
        <source>Not normalised: the loaded samples are silent</source>
        <translation>Não normalizada: as amostras carregadas estão em silêncio</translation>
    </message>
    <message>
        <source>Faded out over the last %1 ms (%2 samples)</source>
        <translation>Fade-out nos últimos %1 ms (%2 amostras)</translation>
    </message>
    <message>
        <source>it names no impulse response effect</source>
        <translation>ela não indica nenhum efeito de resposta ao impulso</translation>
    </message>
    <message>
        <source>There is no Documents folder to keep the import in.</source>
        <translation>Não há uma pasta Documentos para guardar a importação.</translation>
    </message>
    <message>
        <source>%1: the folder cannot be made.</source>
        <translation>%1: não é possível criar a pasta.</translation>
    </message>
    <message>
        <source>The WAV file may hold integer samples of 8, 16, 24 or 32 bits, float samples of 32 or 64 bits, or compressed samples (ADPCM, A-law, mu-law or GSM 6.10), in one or more channels (the first is loaded). 48 kHz is the pedal&apos;s rate: a file at another rate from 8 to 768 kHz is resampled to it (the editor asks first).</source>
        <translation>O arquivo WAV pode ter amostras inteiras de 8, 16, 24 ou 32 bits, amostras de ponto flutuante de 32 ou 64 bits ou amostras comprimidas (ADPCM, A-law, mu-law ou GSM 6.10), em um ou mais canais (o primeiro é carregado). 48 kHz é a taxa do pedal: um arquivo com outra taxa, de 8 a 768 kHz, é reamostrado para ela (o editor pergunta antes).</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>The pedal reports effect number %1, but the effect list only holds the numbers 0 to %2.</source>
        <translation>O pedal informa o efeito número %1, mas a lista de efeitos só contém os números de 0 a %2.</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>está vazio</translation>
    </message>
    <message>
        <source>its %1 bytes are more than the %2 that fit in the pedal&apos;s flash</source>
        <translation>seus %1 bytes são mais que os %2 que cabem na flash do pedal</translation>
    </message>
    <message>
        <source>its %1 bytes are too few for a vector table and a version mark</source>
        <translation>seus %1 bytes são poucos demais para uma tabela de vetores e uma marca de versão</translation>
    </message>
    <message>
        <source>it starts with %1, not a stack address in the pedal&apos;s RAM</source>
        <translation>começa com %1, que não é um endereço de pilha na RAM do pedal</translation>
    </message>
    <message>
        <source>its reset address %1 is not Thumb code inside the image</source>
        <translation>seu endereço de reset %1 não é código Thumb dentro da imagem</translation>
    </message>
    <message>
        <source>it lacks the %1 mark at %2</source>
        <translation>falta a marca %1 em %2</translation>
    </message>
    <message>
        <source>Choose a firmware file made for the Kestrel X: %1 is not one (%2), so nothing was sent.</source>
        <translation>Escolha um arquivo de firmware feito para o Kestrel X: %1 não é um (%2), então nada foi enviado.</translation>
    </message>
    <message>
        <source>The image of &quot;%1&quot; holds %2 bytes, too few for its address table.</source>
        <translation>A imagem de &quot;%1&quot; contém %2 bytes, poucos demais para sua tabela de endereços.</translation>
    </message>
    <message>
        <source>Resource %1 not found</source>
        <translation>Recurso %1 não encontrado</translation>
    </message>
    <message>
        <source>Error loading resource: </source>
        <translation>Erro ao carregar o recurso: </translation>
    </message>
    <message>
        <source>the version page holds &quot;%1&quot;, which is not a version number of digits and dots.</source>
        <translation>a página de versão contém &quot;%1&quot;, que não é um número de versão feito de dígitos e pontos.</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>answer to the filler bytes</source>
        <translation>resposta aos bytes de preenchimento</translation>
    </message>
    <message>
        <source>effect information reply</source>
        <translation>resposta com as informações do efeito</translation>
    </message>
    <message>
        <source>parameter state reply</source>
        <translation>resposta com o estado dos parâmetros</translation>
    </message>
    <message>
        <source>bootloader answer</source>
        <translation>resposta do bootloader</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>inside a command, which the synchronisation byte ended</source>
        <translation>dentro de um comando, que o byte de sincronização encerrou</translation>
    </message>
    <message>
        <source>it answered %1</source>
        <translation>ele respondeu %1</translation>
    </message>
    <message>
        <source>no answer to the synchronisation byte nor to %1 filler bytes: the pedal is not in its bootloader</source>
        <translation>nenhuma resposta ao byte de sincronização nem a %1 bytes de preenchimento: o pedal não está no bootloader</translation>
    </message>
    <message>
        <source>it answered the filler bytes with %1</source>
        <translation>ele respondeu aos bytes de preenchimento com %1</translation>
    </message>
    <message>
        <source>inside a frame a stopped upgrade left, which filler bytes ended</source>
        <translation>dentro de um quadro deixado por uma atualização interrompida, que os bytes de preenchimento encerraram</translation>
    </message>
    <message>
        <source>it answered the filler bytes but refused none of the last %1, so it is not known to wait for a command</source>
        <translation>ele respondeu aos bytes de preenchimento, mas não recusou nenhum dos últimos %1, então não se sabe se espera um comando</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>The message to the pedal did not leave within %1 s.</source>
        <translation>A mensagem para o pedal não saiu em %1 s.</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>Nome do dispositivo</translation>
    </message>
    <message>
        <source>No device found</source>
        <translation>Nenhum dispositivo encontrado</translation>
    </message>
    <message>
        <source> found, click Connect</source>
        <translation> encontrado, clique em Conectar</translation>
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
        <translation>Conexão com o bootloader estabelecida, pronto para a atualização de firmware</translation>
    </message>
    <message>
        <source>Connection to bootloader failed</source>
        <translation>A conexão com o bootloader falhou</translation>
    </message>
    <message>
        <source>The pedal did not send its %1 within %2 s.</source>
        <translation>O pedal não enviou sua %1 em %2 s.</translation>
    </message>
    <message>
        <source>The pedal did not finish its %1 within %2 s: %3 bytes came, still without its end.</source>
        <translation>O pedal não concluiu sua %1 em %2 s: chegaram %3 bytes, ainda sem o fim.</translation>
    </message>
    <message>
        <source>The pedal&apos;s reply cannot be read: line %1 (&quot;%2&quot;) is not a number from 0 to 255.</source>
        <translation>Não é possível ler a resposta do pedal: a linha %1 (&quot;%2&quot;) não é um número de 0 a 255.</translation>
    </message>
    <message>
        <source>The pedal&apos;s reply is incomplete: it holds %1 values where %2 were expected.</source>
        <translation>A resposta do pedal está incompleta: contém %1 valores onde se esperavam %2.</translation>
    </message>
    <message>
        <source>The pedal&apos;s reply does not fit: it holds %1 values where %2 were expected.</source>
        <translation>A resposta do pedal não confere: contém %1 valores onde se esperavam %2.</translation>
    </message>
    <message>
        <source>The pedal&apos;s %1 is incomplete: it stopped after %2 bytes.</source>
        <translation>A %1 do pedal está incompleta: parou depois de %2 bytes.</translation>
    </message>
    <message>
        <source>The pedal&apos;s %1 is longer than it can be.</source>
        <translation>A %1 do pedal é mais longa do que pode ser.</translation>
    </message>
    <message>
        <source>Start a firmware upgrade, or power the pedal up without holding the footswitch: the pedal is in its bootloader, which refused to send its %1.</source>
        <translation>Inicie uma atualização de firmware ou ligue o pedal sem segurar o footswitch: o pedal está no bootloader, que se recusou a enviar sua %1.</translation>
    </message>
    <message>
        <source>The connection to the pedal was lost (%1). Plug it in again and choose Connect.</source>
        <translation>A conexão com o pedal foi perdida (%1). Conecte-o de novo e escolha &quot;Conectar&quot;.</translation>
    </message>
    <message>
        <source>The message does not fit the send buffer and was not sent: %1 bytes, at most %2.</source>
        <translation>A mensagem não cabe no buffer de envio e não foi enviada: %1 bytes, no máximo %2.</translation>
    </message>
    <message>
        <source>The pedal&apos;s chip took only %1 of %2 bytes; the message was not sent whole.</source>
        <translation>O chip do pedal aceitou só %1 de %2 bytes; a mensagem não foi enviada inteira.</translation>
    </message>
    <message>
        <source>%1 was not done: the editor is waiting for the pedal.</source>
        <translation>%1 não foi feito: o editor está esperando o pedal.</translation>
    </message>
    <message>
        <source>%1 was not done: the pedal is not connected.</source>
        <translation>%1 não foi feito: o pedal não está conectado.</translation>
    </message>
    <message>
        <source>%1 is already running.</source>
        <translation>%1 já está em andamento.</translation>
    </message>
    <message>
        <source>ModemManager is running. It tries new serial ports for a mobile-broadband modem and can hold the pedal&apos;s port for a few seconds after the pedal is plugged in.</source>
        <translation>O ModemManager está em execução. Ele testa portas seriais novas procurando um modem de banda larga móvel e pode ocupar a porta do pedal por alguns segundos depois que o pedal é conectado.</translation>
    </message>
    <message>
        <source>The editor&apos;s udev rule tells it to leave the pedal alone. Without the rule, and if this computer uses no mobile-broadband modem, stop it.</source>
        <translation>A regra udev do editor manda ele deixar o pedal em paz. Sem a regra, e se este computador não usa modem de banda larga móvel, pare-o.</translation>
    </message>
    <message>
        <source>brltty, the braille display service, is running. It takes some USB serial chips for braille displays, and a chip it takes gets no serial port.</source>
        <translation>O brltty, o serviço de displays braille, está em execução. Ele pega alguns chips seriais USB para displays braille, e um chip que ele pega fica sem porta serial.</translation>
    </message>
    <message>
        <source>If no braille display is attached to this computer, stop it, then unplug the pedal and plug it in again.</source>
        <translation>Se não há nenhum display braille ligado a este computador, pare-o e depois desconecte o pedal e conecte-o de novo.</translation>
    </message>
    <message>
        <source>gpsd, the GPS service, is running. It opens new USB serial ports to look for a GPS receiver.</source>
        <translation>O gpsd, o serviço de GPS, está em execução. Ele abre portas seriais USB novas para procurar um receptor GPS.</translation>
    </message>
    <message>
        <source>If this computer uses no GPS receiver, stop it.</source>
        <translation>Se este computador não usa receptor GPS, pare-o.</translation>
    </message>
    <message>
        <source>Port %1 (given with --port)</source>
        <translation>Porta %1 (informada com --port)</translation>
    </message>
    <message>
        <source>Virtual pedal (--virtual-pedal)</source>
        <translation>Pedal virtual (--virtual-pedal)</translation>
    </message>
    <message>
        <source>The editor&apos;s built-in virtual pedal is attached; it is always ready.</source>
        <translation>O pedal virtual embutido do editor está conectado; ele está sempre pronto.</translation>
    </message>
    <message>
        <source>USB devices</source>
        <translation>Dispositivos USB</translation>
    </message>
    <message>
        <source>The list of USB devices (%1/bus/usb/devices) is missing or cannot be read, so no chip can be checked.</source>
        <translation>A lista de dispositivos USB (%1/bus/usb/devices) está ausente ou não pode ser lida, então nenhum chip pode ser verificado.</translation>
    </message>
    <message>
        <source>No FTDI USB chip is attached: the pedal is not plugged in, not switched on, or its cable carries no data.</source>
        <translation>Nenhum chip USB FTDI conectado: o pedal não está conectado, não está ligado ou o cabo dele não transmite dados.</translation>
    </message>
    <message>
        <source>Connect the pedal with a USB cable that carries data (some cables only charge), switch the pedal on, and try another USB socket.</source>
        <translation>Conecte o pedal com um cabo USB que transmita dados (alguns cabos só carregam), ligue o pedal e tente outra porta USB.</translation>
    </message>
    <message>
        <source>USB chip &quot;%1&quot; (%2, serial %3)</source>
        <translation>Chip USB &quot;%1&quot; (%2, número de série %3)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>This is not the pedal&apos;s type of chip (the pedal&apos;s FT230X reports 0403:6015), but the editor lists it all the same.</source>
        <translation>Este não é o tipo de chip do pedal (o FT230X do pedal informa 0403:6015), mas o editor o lista mesmo assim.</translation>
    </message>
    <message>
        <source>It has no serial port: a program has taken the chip over directly (through libusb), so the serial driver cannot serve it.</source>
        <translation>Ele não tem porta serial: um programa assumiu o chip diretamente (via libusb), então o driver serial não pode atendê-lo.</translation>
    </message>
    <message>
        <source> The program is %1.</source>
        <translation> O programa é %1.</translation>
    </message>
    <message>
        <source>Close that program, then unplug the pedal and plug it in again.</source>
        <translation>Feche esse programa e depois desconecte o pedal e conecte-o de novo.</translation>
    </message>
    <message>
        <source>It has no serial port: the driver %1 holds it instead of the serial driver %2.</source>
        <translation>Ele não tem porta serial: o driver %1 o ocupa no lugar do driver serial %2.</translation>
    </message>
    <message>
        <source>Unplug the pedal and plug it in again.</source>
        <translation>Desconecte o pedal e conecte-o de novo.</translation>
    </message>
    <message>
        <source>It has no serial port: the kernel&apos;s serial driver for FTDI chips (%1) is not loaded.</source>
        <translation>Ele não tem porta serial: o driver serial do kernel para chips FTDI (%1) não está carregado.</translation>
    </message>
    <message>
        <source>Load the driver, then unplug the pedal and plug it in again.</source>
        <translation>Carregue o driver e depois desconecte o pedal e conecte-o de novo.</translation>
    </message>
    <message>
        <source>It has no serial port: the serial driver %1 is loaded but has not taken the chip.</source>
        <translation>Ele não tem porta serial: o driver serial %1 está carregado, mas não assumiu o chip.</translation>
    </message>
    <message>
        <source>%1 cannot be examined: %2.</source>
        <translation>%1 não pode ser examinado: %2.</translation>
    </message>
    <message>
        <source>Its serial port %1 is known to the kernel but does not exist in /dev.</source>
        <translation>A porta serial %1 é conhecida pelo kernel, mas não existe em /dev.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 não existe.</translation>
    </message>
    <message>
        <source>Check the path. The virtual pedal program names a new pseudo-terminal each time it starts.</source>
        <translation>Verifique o caminho. O programa do pedal virtual cria um novo pseudoterminal a cada vez que inicia.</translation>
    </message>
    <message>
        <source>%1 is not a serial port (not a character device).</source>
        <translation>%1 não é uma porta serial (não é um dispositivo de caractere).</translation>
    </message>
    <message>
        <source>Give the path of a serial port, such as /dev/ttyUSB0.</source>
        <translation>Informe o caminho de uma porta serial, como /dev/ttyUSB0.</translation>
    </message>
    <message>
        <source>%1 is open in another program: %2. The pedal answers one program at a time.</source>
        <translation>%1 está aberto em outro programa: %2. O pedal responde a um programa por vez.</translation>
    </message>
    <message>
        <source>Close %1, then choose Connect again.</source>
        <translation>Feche %1 e escolha &quot;Conectar&quot; de novo.</translation>
    </message>
    <message>
        <source>This editor has %1 open: it is connected.</source>
        <translation>Este editor está com %1 aberto: ele está conectado.</translation>
    </message>
    <message>
        <source>You may open %1, and no other program holds it: ready to connect.</source>
        <translation>Você pode abrir %1, e nenhum outro programa o ocupa: pronto para conectar.</translation>
    </message>
    <message>
        <source> The desktop gives you access to it.</source>
        <translation> O ambiente de trabalho dá a você acesso a ele.</translation>
    </message>
    <message>
        <source> It is served by %1.</source>
        <translation> Ele é atendido por %1.</translation>
    </message>
    <message>
        <source>only %1 and the members of %2 may read and write it</source>
        <translation>só %1 e os membros de %2 podem lê-lo e gravá-lo</translation>
    </message>
    <message>
        <source>only %1 may read and write it</source>
        <translation>só %1 pode lê-lo e gravá-lo</translation>
    </message>
    <message>
        <source>only the members of %1 may read and write it</source>
        <translation>só os membros de %1 podem lê-lo e gravá-lo</translation>
    </message>
    <message>
        <source>only the administrator may read and write it</source>
        <translation>só o administrador pode lê-lo e gravá-lo</translation>
    </message>
    <message>
        <source>You (%1) may not open %2. It belongs to %3 and the group %4, with the rights %5: %6.</source>
        <translation>Você (%1) não pode abrir %2. Ele pertence a %3 e ao grupo %4, com as permissões %5: %6.</translation>
    </message>
    <message>
        <source>join the group %1 (%2), then log out and log in again</source>
        <translation>entre no grupo %1 (%2) e depois saia da sessão e entre de novo</translation>
    </message>
    <message>
        <source> You are a member of %1, yet the system refuses it (an access list or a security module).</source>
        <translation> Você é membro de %1, mas mesmo assim o sistema recusa (uma lista de acesso ou um módulo de segurança).</translation>
    </message>
    <message>
        <source> You are a member of %1, but the group may not write to it.</source>
        <translation> Você é membro de %1, mas o grupo não pode gravar nele.</translation>
    </message>
    <message>
        <source> You were added to the group %1 after this login began; the membership counts from the next login.</source>
        <translation> Você foi adicionado ao grupo %1 depois que esta sessão começou; a participação vale a partir da próxima sessão.</translation>
    </message>
    <message>
        <source>Log out and log in again (or restart the computer), then choose Connect.</source>
        <translation>Saia da sessão e entre de novo (ou reinicie o computador) e depois escolha &quot;Conectar&quot;.</translation>
    </message>
    <message>
        <source> You are not a member of %1.</source>
        <translation> Você não é membro de %1.</translation>
    </message>
    <message>
        <source>Let the user at this computer open the pedal: install the editor&apos;s udev rule with the command below (or the button &quot;Allow access&quot; of the Connection Doctor window), then choose Connect again.</source>
        <translation>Permita que o usuário deste computador abra o pedal: instale a regra udev do editor com o comando abaixo (ou com o botão &quot;Permitir acesso&quot; da janela Doutor da conexão) e depois escolha &quot;Conectar&quot; de novo.</translation>
    </message>
    <message>
        <source> Or %1.</source>
        <translation> Ou %1.</translation>
    </message>
    <message>
        <source>The editor&apos;s udev rule is installed but has not reached this port yet: unplug the pedal and plug it in again. The rule lets in the user logged in at the computer&apos;s own screen; from a remote login, %1.</source>
        <translation>A regra udev do editor está instalada, mas ainda não chegou a esta porta: desconecte o pedal e conecte-o de novo. A regra libera o usuário conectado na própria tela do computador; a partir de uma sessão remota, %1.</translation>
    </message>
    <message>
        <source>To open it, %1.</source>
        <translation>Para abri-lo, %1.</translation>
    </message>
    <message>
        <source>Use a port that belongs to you, or ask the administrator to change its rights.</source>
        <translation>Use uma porta que pertença a você ou peça ao administrador que mude as permissões dela.</translation>
    </message>
    <message>
        <source>Service %1</source>
        <translation>Serviço %1</translation>
    </message>
    <message>
        <source>A pedal is ready to connect.</source>
        <translation>Um pedal está pronto para conectar.</translation>
    </message>
    <message>
        <source>A pedal is ready to connect. A problem with another port is listed below.</source>
        <translation>Um pedal está pronto para conectar. Um problema com outra porta aparece abaixo.</translation>
    </message>
    <message>
        <source>A pedal is ready to connect. Problems with %1 other ports are listed below.</source>
        <translation>Um pedal está pronto para conectar. Problemas com %1 outras portas aparecem abaixo.</translation>
    </message>
    <message>
        <source>No pedal is ready to connect. What to do is written with each problem.</source>
        <translation>Nenhum pedal está pronto para conectar. O que fazer está escrito junto de cada problema.</translation>
    </message>
    <message>
        <source>    What to do: %1
</source>
        <translation>    O que fazer: %1
</translation>
    </message>
    <message>
        <source>Port %1 does not exist.</source>
        <translation>A porta %1 não existe.</translation>
    </message>
    <message>
        <source>Port %1 is not a serial port (not a character device).</source>
        <translation>A porta %1 não é uma porta serial (não é um dispositivo de caractere).</translation>
    </message>
    <message>
        <source>Port %1 cannot be examined: %2.</source>
        <translation>A porta %1 não pode ser examinada: %2.</translation>
    </message>
    <message>
        <source>The serial port module of this installation cannot be loaded, so no port can be opened (%1). Reinstall the editor.</source>
        <translation>O módulo de porta serial desta instalação não pode ser carregado, então nenhuma porta pode ser aberta (%1). Reinstale o editor.</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Envio</translation>
    </message>
    <message>
        <source>check the image</source>
        <translation>verificar a imagem</translation>
    </message>
    <message>
        <source>write the image</source>
        <translation>gravar a imagem</translation>
    </message>
    <message>
        <source>answer to the upload</source>
        <translation>resposta ao envio</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Enviando...</translation>
    </message>
    <message>
        <source>There is no image to upload for %1. For an impulse response effect, load a WAV file first (File &gt; Load IR).</source>
        <translation>Não há imagem para enviar para %1. Para um efeito de resposta ao impulso, carregue primeiro um arquivo WAV (Arquivo &gt; Carregar IR).</translation>
    </message>
    <message>
        <source>The image of %1 cannot be uploaded: it is damaged at character %2.</source>
        <translation>A imagem de %1 não pode ser enviada: está danificada no caractere %2.</translation>
    </message>
    <message>
        <source>The image of %1 cannot be uploaded: it has %2 bytes, at most %3 fit.</source>
        <translation>A imagem de %1 não pode ser enviada: tem %2 bytes, cabem no máximo %3.</translation>
    </message>
    <message>
        <source>Firmware Version: </source>
        <translation>Versão do firmware: </translation>
    </message>
    <message>
        <source>The pedal&apos;s effect information reply cannot be read: it holds %1 lines where 4 were expected.</source>
        <translation>Não é possível ler a resposta com as informações do efeito: contém %1 linhas onde se esperavam 4.</translation>
    </message>
    <message>
        <source>The pedal&apos;s effect information reply cannot be read: line %1 (&quot;%2&quot;) is not a number.</source>
        <translation>Não é possível ler a resposta com as informações do efeito: a linha %1 (&quot;%2&quot;) não é um número.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a MIDI channel: give 1 to 16, or OMNI.</source>
        <translation>&quot;%1&quot; não é um canal MIDI: informe de 1 a 16, ou OMNI.</translation>
    </message>
    <message>
        <source>Connect the pedal with a USB cable that carries data (some cables only charge), switch the pedal on, and try another USB socket. If it is plugged in, check that the system has a driver for FTDI chips.</source>
        <translation>Conecte o pedal com um cabo USB que transmita dados (alguns cabos só carregam), ligue o pedal e tente outra porta USB. Se ele estiver conectado, verifique se o sistema tem um driver para chips FTDI.</translation>
    </message>
    <message>
        <source>Its serial port %1 is listed but cannot be found.</source>
        <translation>A porta serial %1 dele aparece na lista, mas não é encontrada.</translation>
    </message>
    <message>
        <source>%1 cannot be opened (%2): another program may hold it (the pedal answers one program at a time), or you may not open it.</source>
        <translation>Não é possível abrir %1 (%2): outro programa pode estar usando a porta (o pedal responde a um programa por vez), ou você não tem permissão para abri-la.</translation>
    </message>
    <message>
        <source>Close any other program that uses the pedal, then choose Connect again. If none does, unplug the pedal and plug it in again.</source>
        <translation>Feche qualquer outro programa que use o pedal e escolha Conectar de novo. Se nenhum usar, desconecte o pedal e conecte-o novamente.</translation>
    </message>
</context>
<context>
    <name>Params</name>
    <message>
        <source>The image of &quot;%1&quot; holds no addresses for its %2 controls.</source>
        <translation>A imagem de &quot;%1&quot; não contém endereços para seus %2 controles.</translation>
    </message>
    <message>
        <source>The control description of &quot;%1&quot; cannot be used: %2.</source>
        <translation>A descrição de controles de &quot;%1&quot; não pode ser usada: %2.</translation>
    </message>
    <message>
        <source>its first line must begin with three count digits</source>
        <translation>sua primeira linha deve começar com três dígitos de contagem</translation>
    </message>
    <message>
        <source>the count digit &quot;%1&quot; is not 0 to 9 or A to F</source>
        <translation>o dígito de contagem &quot;%1&quot; não é de 0 a 9 nem de A a F</translation>
    </message>
    <message>
        <source>it declares no controls</source>
        <translation>ela não declara nenhum controle</translation>
    </message>
    <message>
        <source>it declares %1 controls, more than the %2 its image has addresses for</source>
        <translation>ela declara %1 controles, mais que os %2 para os quais sua imagem tem endereços</translation>
    </message>
    <message>
        <source>it declares %1 readbacks, more than %2</source>
        <translation>ela declara %1 leituras, mais que %2</translation>
    </message>
    <message>
        <source>it has %1 lines, fewer than the %2 its counts call for</source>
        <translation>ela tem %1 linhas, menos que as %2 que suas contagens exigem</translation>
    </message>
    <message>
        <source>control %1 (&quot;%2&quot;) is a multi switch without options (no &quot;;&quot;)</source>
        <translation>o controle %1 (&quot;%2&quot;) é uma chave seletora sem opções (sem &quot;;&quot;)</translation>
    </message>
    <message>
        <source>it declares %1 controls, but its image declares %2</source>
        <translation>ela declara %1 controles, mas sua imagem declara %2</translation>
    </message>
    <message>
        <source>The pedal&apos;s parameter state reply is incomplete: it holds %1 values where %2 were expected.</source>
        <translation>A resposta com o estado dos parâmetros está incompleta: contém %1 valores onde se esperavam %2.</translation>
    </message>
    <message>
        <source>The pedal&apos;s parameter state reply cannot be right: control %1 reads %2, outside 0 to 1023.</source>
        <translation>A resposta com o estado dos parâmetros não pode estar certa: o controle %1 marca %2, fora de 0 a 1023.</translation>
    </message>
    <message>
        <source>The pedal&apos;s parameter state reply cannot be told from a stray line: it holds %1 values where %2 were expected.</source>
        <translation>A resposta com o estado dos parâmetros não se distingue de uma linha perdida: contém %1 valores onde se esperavam %2.</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Nada</translation>
    </message>
    <message>
        <source>Bypass on and off</source>
        <translation>Bypass liga e desliga</translation>
    </message>
    <message>
        <source>Preset change</source>
        <translation>Troca de preset</translation>
    </message>
    <message>
        <source>Not assigned to any of the pedal&apos;s controls (--).</source>
        <translation>Não atribuído a nenhum controle do pedal (--).</translation>
    </message>
    <message>
        <source>This effect&apos;s footswitch latches: press once for on, again for off.</source>
        <translation>O footswitch deste efeito é de trava: pressione uma vez para ligar e de novo para desligar.</translation>
    </message>
    <message>
        <source>This effect&apos;s footswitch is momentary: it acts while held down.</source>
        <translation>O footswitch deste efeito é momentâneo: age enquanto está pressionado.</translation>
    </message>
    <message>
        <source>&lt;byte-order mark&gt;</source>
        <translation>&lt;marca de ordem de bytes&gt;</translation>
    </message>
    <message>
        <source>line %1 holds %2, but %3 is written as %4 hexadecimal digits.</source>
        <translation>a linha %1 contém %2, mas %3 é escrito com %4 dígitos hexadecimais.</translation>
    </message>
    <message>
        <source>the open effect has no controls.</source>
        <translation>o efeito aberto não tem controles.</translation>
    </message>
    <message>
        <source>the values of the open effect have not been read.</source>
        <translation>os valores do efeito aberto não foram lidos.</translation>
    </message>
    <message>
        <source>a preset holds 1 to %1 controls, not %2.</source>
        <translation>um preset contém de 1 a %1 controles, não %2.</translation>
    </message>
    <message>
        <source>the effect number %1 does not fit a preset.</source>
        <translation>o número de efeito %1 não cabe em um preset.</translation>
    </message>
    <message>
        <source>the effect version %1 does not fit a preset.</source>
        <translation>a versão de efeito %1 não cabe em um preset.</translation>
    </message>
    <message>
        <source>the file holds %1; a preset starts with 3 lines: effect number, effect version, number of controls.</source>
        <translation>o arquivo contém %1; um preset começa com 3 linhas: número do efeito, versão do efeito, número de controles.</translation>
    </message>
    <message>
        <source>the effect number</source>
        <translation>o número do efeito</translation>
    </message>
    <message>
        <source>the effect version</source>
        <translation>a versão do efeito</translation>
    </message>
    <message>
        <source>the number of controls</source>
        <translation>o número de controles</translation>
    </message>
    <message>
        <source>line 3 gives 0 controls; a preset holds at least one.</source>
        <translation>a linha 3 informa 0 controles; um preset contém pelo menos um.</translation>
    </message>
    <message>
        <source>the file ends after line %1, but it announces %2 controls, whose values take lines 4 to %3.</source>
        <translation>o arquivo termina depois da linha %1, mas anuncia %2 controles, cujos valores ocupam as linhas 4 a %3.</translation>
    </message>
    <message>
        <source>the value of control %1</source>
        <translation>o valor do controle %1</translation>
    </message>
    <message>
        <source>the file holds %1, but a preset of %2 controls has %3 to %4 lines.</source>
        <translation>o arquivo contém %1, mas um preset de %2 controles tem de %3 a %4 linhas.</translation>
    </message>
    <message>
        <source>the assignment of control %1</source>
        <translation>a atribuição do controle %1</translation>
    </message>
    <message>
        <source>the assignment of readback %1</source>
        <translation>a atribuição da leitura %1</translation>
    </message>
    <message>
        <source>The preset holds no assignments: the pedal&apos;s stay as they are.</source>
        <translation>O preset não contém atribuições: as do pedal ficam como estão.</translation>
    </message>
    <message>
        <source>cannot be read: </source>
        <translation>não pode ser lido: </translation>
    </message>
    <message>
        <source>its file name is not UTF-8 text, so the editor cannot open it: rename it in a file manager.</source>
        <translation>o nome do arquivo não é texto UTF-8, então o editor não pode abri-lo: renomeie-o em um gerenciador de arquivos.</translation>
    </message>
    <message>
        <source>A preset needs a name.</source>
        <translation>Um preset precisa de um nome.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file name: a preset stays in its folder.</source>
        <translation>&quot;%1&quot; não é um nome de arquivo: um preset fica em sua pasta.</translation>
    </message>
    <message>
        <source>A preset named &quot;%1&quot; exists already.</source>
        <translation>Já existe um preset chamado &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>An impulse response named &quot;%1&quot; exists already.</source>
        <translation>Já existe uma resposta ao impulso chamada &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>No pedal found. Check the USB cable, or open Connection &gt; Diagnose.</source>
        <translation>Nenhum pedal encontrado. Verifique o cabo USB ou abra Conexão &gt; Diagnosticar.</translation>
    </message>
    <message>
        <source>The pedal&apos;s USB connection did not respond. Unplug the pedal, plug it in again and choose Connect.</source>
        <translation>A conexão USB do pedal não respondeu. Desconecte o pedal, conecte-o de novo e escolha &quot;Conectar&quot;.</translation>
    </message>
    <message>
        <source>The pedal did not answer. Check that it is powered and connected, then try again. A pedal powered up with the footswitch held is in its bootloader: tick Connection &gt; Upgrade Mode to upgrade its firmware.</source>
        <translation>O pedal não respondeu. Verifique se ele está ligado e conectado e tente de novo. Um pedal ligado com o footswitch pressionado está no bootloader: marque Conexão &gt; Modo de atualização para atualizar o firmware dele.</translation>
    </message>
    <message>
        <source>The pedal&apos;s answer could not be read. Try again; if it happens again, power the pedal off and on.</source>
        <translation>Não foi possível ler a resposta do pedal. Tente de novo; se acontecer outra vez, desligue e ligue o pedal.</translation>
    </message>
    <message>
        <source>The pedal did not answer as its bootloader, so the editor stays connected to its firmware. To upgrade it, power the pedal up with the footswitch held, then tick Upgrade Mode again.</source>
        <translation>O pedal não respondeu como o bootloader, então o editor continua conectado ao firmware dele. Para atualizá-lo, ligue o pedal com o footswitch pressionado e marque &quot;Modo de atualização&quot; de novo.</translation>
    </message>
    <message>
        <source>The firmware upgrade did not finish. Keep the pedal connected and start the upgrade again.</source>
        <translation>A atualização de firmware não terminou. Mantenha o pedal conectado e inicie a atualização de novo.</translation>
    </message>
    <message>
        <source>Upgrade Mode changes only while the pedal is not connected.</source>
        <translation>O modo de atualização só muda enquanto o pedal não está conectado.</translation>
    </message>
    <message>
        <source>The values are for %1 controls, the running effect has %2.</source>
        <translation>Os valores são para %1 controles, o efeito em execução tem %2.</translation>
    </message>
    <message>
        <source>that it runs no effect</source>
        <translation>que ele não executa nenhum efeito</translation>
    </message>
    <message>
        <source>The firmware upgrade needs the pedal&apos;s bootloader: tick Upgrade Mode, power the pedal up with the footswitch held and connect again.</source>
        <translation>A atualização de firmware precisa do bootloader do pedal: marque &quot;Modo de atualização&quot;, ligue o pedal com o footswitch pressionado e conecte de novo.</translation>
    </message>
    <message>
        <source>The pedal is not connected. Choose Connection &gt; Connect first.</source>
        <translation>O pedal não está conectado. Escolha primeiro Conexão &gt; Conectar.</translation>
    </message>
    <message>
        <source>The pedal is in its bootloader, which only takes a firmware upgrade. Start the upgrade, or disconnect and power the pedal up without holding the footswitch.</source>
        <translation>O pedal está no bootloader, que só aceita uma atualização de firmware. Inicie a atualização, ou desconecte e ligue o pedal sem segurar o footswitch.</translation>
    </message>
    <message>
        <source>The firmware upgrade is running; wait for it to end.</source>
        <translation>A atualização de firmware está em andamento; espere até ela terminar.</translation>
    </message>
    <message>
        <source>The pedal runs no effect yet. Choose an effect in the list and click Upload Selected Effect to put one on it.</source>
        <translation>O pedal ainda não executa nenhum efeito. Escolha um efeito na lista e clique em &quot;Enviar efeito selecionado&quot; para colocar um nele.</translation>
    </message>
    <message>
        <source>The editor does not know the pedal&apos;s effect yet: click Open FX first.</source>
        <translation>O editor ainda não conhece o efeito do pedal: clique primeiro em &quot;Abrir FX&quot;.</translation>
    </message>
    <message>
        <source>The editor has not read the pedal&apos;s assignments yet: click Request first.</source>
        <translation>O editor ainda não leu as atribuições do pedal: clique primeiro em &quot;Solicitar&quot;.</translation>
    </message>
    <message>
        <source>The pedal reports effect number %1, which this editor&apos;s effect list does not hold. Upload an effect from the list to replace it.</source>
        <translation>O pedal informa o efeito número %1, que a lista de efeitos deste editor não contém. Envie um efeito da lista para substituí-lo.</translation>
    </message>
    <message>
        <source>The upload of %1 failed: the pedal now reports %2. Upload it again.</source>
        <translation>O envio de %1 falhou: o pedal agora informa %2. Envie-o de novo.</translation>
    </message>
    <message>
        <source>The image of &quot;%1&quot; holds &quot;%2&quot; as the address of control %3, which is not a parameter address.</source>
        <translation>A imagem de &quot;%1&quot; contém &quot;%2&quot; como endereço do controle %3, que não é um endereço de parâmetro.</translation>
    </message>
    <message>
        <source>The running effect has no control %1.</source>
        <translation>O efeito em execução não tem o controle %1.</translation>
    </message>
    <message>
        <source>The preset is for effect %1, but the pedal runs effect %2 &quot;%3&quot;: upload that effect first.</source>
        <translation>O preset é para o efeito %1, mas o pedal executa o efeito %2 &quot;%3&quot;: envie primeiro esse efeito.</translation>
    </message>
    <message>
        <source>The preset holds %1 controls, but &quot;%2&quot; has %3: it was not loaded.</source>
        <translation>O preset contém %1 controles, mas &quot;%2&quot; tem %3: ele não foi carregado.</translation>
    </message>
    <message>
        <source>the editor has not read the running effect&apos;s values: click Request first.</source>
        <translation>o editor não leu os valores do efeito em execução: clique primeiro em &quot;Solicitar&quot;.</translation>
    </message>
    <message>
        <source>the pedal is not connected.</source>
        <translation>o pedal não está conectado.</translation>
    </message>
    <message>
        <source>the pedal runs another effect.</source>
        <translation>o pedal executa outro efeito.</translation>
    </message>
    <message>
        <source>The pedal answered &quot;%1&quot;, but nothing shows that it took the image: it reports the same effect with the same values as before the upload. Upload it again if it does not sound new.</source>
        <translation>O pedal respondeu &quot;%1&quot;, mas nada mostra que ele aceitou a imagem: informa o mesmo efeito com os mesmos valores de antes do envio. Envie-o de novo se não soar diferente.</translation>
    </message>
    <message>
        <source>Compare is on: the pedal plays the sound as stored. Click Compare to go back to your edits first.</source>
        <translation>A comparação está ativa: o pedal toca o som como está gravado. Clique primeiro em Comparar para voltar às suas edições.</translation>
    </message>
    <message>
        <source>There is no stored sound to compare with yet: click Request first.</source>
        <translation>Ainda não há um som gravado para comparar: clique primeiro em Solicitar.</translation>
    </message>
    <message>
        <source>The image of &quot;%1&quot; cannot be read: %2</source>
        <translation>Não é possível ler a imagem de &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>kx::ConnectionDoctor</name>
    <message>
        <source>Connection Doctor</source>
        <translation>Doutor da conexão</translation>
    </message>
    <message>
        <source>Command for a terminal:</source>
        <translation>Comando para um terminal:</translation>
    </message>
    <message>
        <source>&amp;Allow access…</source>
        <translation>&amp;Permitir acesso…</translation>
    </message>
    <message>
        <source>The rule is installed. If the pedal is still refused, unplug it and plug it in again, then choose Connect.</source>
        <translation>A regra está instalada. Se o pedal ainda for recusado, desconecte-o e conecte-o de novo e depois escolha &quot;Conectar&quot;.</translation>
    </message>
    <message>
        <source>The rule was not installed (the administrator&apos;s password was not given, or the command failed). You can run the command shown in a terminal instead.</source>
        <translation>A regra não foi instalada (a senha do administrador não foi informada ou o comando falhou). Você pode executar o comando mostrado em um terminal.</translation>
    </message>
    <message>
        <source>pkexec, which asks for the administrator&apos;s password, is not installed: run the command in a terminal instead.</source>
        <translation>O pkexec, que pede a senha do administrador, não está instalado: execute o comando em um terminal.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Observação</translation>
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
        <translation>&amp;Diagnosticar novamente</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Constatações</translation>
    </message>
    <message>
        <source>No command is needed.</source>
        <translation>Nenhum comando é necessário.</translation>
    </message>
    <message>
        <source>Command for a terminal</source>
        <translation>Comando para um terminal</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>Copiar comando</translation>
    </message>
    <message>
        <source>Allow access</source>
        <translation>Permitir acesso</translation>
    </message>
    <message>
        <source>Installs the editor&apos;s udev rule with the administrator&apos;s password</source>
        <translation>Instala a regra udev do editor com a senha do administrador</translation>
    </message>
    <message>
        <source>Diagnose again</source>
        <translation>Diagnosticar novamente</translation>
    </message>
    <message>
        <source>The editor is connected to %1.</source>
        <translation>O editor está conectado a %1.</translation>
    </message>
    <message>
        <source>&lt;br&gt;&lt;i&gt;What to do:&lt;/i&gt; %1</source>
        <translation>&lt;br&gt;&lt;i&gt;O que fazer:&lt;/i&gt; %1</translation>
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
        <translation>Usada para</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licença</translation>
    </message>
    <message>
        <source>Copyright file</source>
        <translation>Arquivo de copyright</translation>
    </message>
    <message>
        <source>The license texts named here are in /usr/share/common-licenses. The system libraries that these load in turn (fonts, images, the audio codecs of libsndfile) come with your system, each with its own copyright file.</source>
        <translation>Os textos das licenças citadas aqui estão em /usr/share/common-licenses. As bibliotecas do sistema que estas carregam por sua vez (fontes, imagens, os codecs de áudio da libsndfile) vêm com o seu sistema, cada uma com seu próprio arquivo de copyright.</translation>
    </message>
    <message>
        <source>About Kestrel X Editor</source>
        <translation>Sobre o Kestrel X Editor</translation>
    </message>
    <message>
        <source>Kestrel X Editor</source>
        <translation>Kestrel X Editor</translation>
    </message>
    <message>
        <source>Libraries and licenses:</source>
        <translation>Bibliotecas e licenças:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Version %1, built on %2
Qt %3 (built with Qt %4), QCoro %5
For the Kestrel X pedal by NORVA.</source>
        <translation>Versão %1, compilada em %2
Qt %3 (compilada com Qt %4), QCoro %5
Para o pedal Kestrel X da NORVA.</translation>
    </message>
</context>
<context>
    <name>kx::TformAssignmentMap</name>
    <message>
        <source>Open an effect (Open FX, or click it in the list) to see what the pedal&apos;s controls drive.</source>
        <translation>Abra um efeito (&quot;Abrir FX&quot;, ou clique nele na lista) para ver o que os controles do pedal comandam.</translation>
    </message>
    <message>
        <source>This effect does not run on the pedal: its assignments can be seen but not changed.</source>
        <translation>Este efeito não está rodando no pedal: suas atribuições podem ser vistas, mas não alteradas.</translation>
    </message>
    <message>
        <source>A change here is sent to the pedal at once, like the parameters window&apos;s boxes and Assign.</source>
        <translation>Uma alteração aqui é enviada ao pedal na hora, como as caixas da janela de parâmetros e &quot;Atribuir&quot;.</translation>
    </message>
    <message>
        <source>Shared: %1 follow this one control.</source>
        <translation>Compartilhado: %1 seguem este único controle.</translation>
    </message>
    <message>
        <source>Knobs</source>
        <translation>Knobs</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Botões</translation>
    </message>
    <message>
        <source>Footswitch</source>
        <translation>Footswitch</translation>
    </message>
    <message>
        <source>Remote and expression pedal</source>
        <translation>Controle remoto e pedal de expressão</translation>
    </message>
    <message>
        <source>Lights</source>
        <translation>Luzes</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>No effect open</source>
        <translation>Nenhum efeito aberto</translation>
    </message>
    <message>
        <source>Assignment Map</source>
        <translation>Mapa de atribuições</translation>
    </message>
</context>
<context>
    <name>kx::TformFXInfo</name>
    <message>
        <source>Effect information page</source>
        <translation>Página de informações do efeito</translation>
    </message>
</context>
<context>
    <name>kx::TformFXParameters</name>
    <message>
        <source>FX Parameters</source>
        <translation>Parâmetros FX</translation>
    </message>
    <message>
        <source>not assignable</source>
        <translation>não atribuível</translation>
    </message>
    <message>
        <source>The pedal&apos;s controls can drive the first 16 controls of an effect only</source>
        <translation>Os controles do pedal só podem comandar os 16 primeiros controles de um efeito</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Pedal control</source>
        <translation>Controle</translation>
    </message>
    <message>
        <source>%1 value</source>
        <translation>Valor de %1</translation>
    </message>
    <message>
        <source>%1 assignment</source>
        <translation>Atribuição de %1</translation>
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
        <translation>Linhas</translation>
    </message>
    <message>
        <source>The parameters window has no pedal link.</source>
        <translation>A janela de parâmetros não tem ligação com o pedal.</translation>
    </message>
    <message>
        <source>Control %1 is not a pot.</source>
        <translation>O controle %1 não é um potenciômetro.</translation>
    </message>
    <message>
        <source>Control %1 is not a switch.</source>
        <translation>O controle %1 não é uma chave.</translation>
    </message>
    <message>
        <source>Control %1 is not a multi switch.</source>
        <translation>O controle %1 não é uma chave seletora.</translation>
    </message>
    <message>
        <source>The assignments can be changed once the pedal runs the effect and its settings have been read.</source>
        <translation>As atribuições podem ser alteradas quando o pedal estiver executando o efeito e os ajustes dele tiverem sido lidos.</translation>
    </message>
    <message>
        <source>%1 unassigned</source>
        <translation>%1 sem atribuição</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 em %2</translation>
    </message>
    <message>
        <source>Preset change</source>
        <translation>Troca de preset</translation>
    </message>
    <message>
        <source>Assign parameters?</source>
        <translation>Atribuir parâmetros?</translation>
    </message>
    <message>
        <source>Bypass Toggle</source>
        <translation>Alternar bypass</translation>
    </message>
    <message>
        <source>Preset Change</source>
        <translation>Troca de preset</translation>
    </message>
    <message>
        <source>Preview only</source>
        <translation>Só pré-visualização</translation>
    </message>
    <message>
        <source>Playing: the preset</source>
        <translation>Tocando: o preset</translation>
    </message>
    <message>
        <source>Playing: stored sound</source>
        <translation>Tocando: som gravado</translation>
    </message>
    <message>
        <source>Playing: your edits</source>
        <translation>Tocando: suas edições</translation>
    </message>
    <message>
        <source>Compare needs the running effect&apos;s values read first.</source>
        <translation>Para comparar, é preciso ler primeiro os valores do efeito em execução.</translation>
    </message>
    <message>
        <source>The pedal plays the sound as stored, to compare. Go back to your edits and make this change there, or keep the stored sound and change it (your edits are let go)?</source>
        <translation>O pedal toca o som como está gravado, para comparar. Voltar às suas edições e fazer esta mudança lá, ou manter o som gravado e alterá-lo (suas edições são descartadas)?</translation>
    </message>
    <message>
        <source>Back to my edits</source>
        <translation>Voltar às minhas edições</translation>
    </message>
    <message>
        <source>Keep the stored sound</source>
        <translation>Manter o som gravado</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The reset needs the running effect&apos;s values read first.</source>
        <translation>Para redefinir, é preciso ler primeiro os valores do efeito em execução.</translation>
    </message>
    <message>
        <source>The pedal plays the sound as stored, to compare. Go back to your edits and reset them, or reset from the stored sound (your edits are let go)?</source>
        <translation>O pedal toca o som como está gravado, para comparar. Voltar às suas edições e redefini-las, ou redefinir a partir do som gravado (suas edições são descartadas)?</translation>
    </message>
    <message>
        <source>Reset to the effect&apos;s values</source>
        <translation>Redefinir para os valores do efeito</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>Switch the pedal between your edits and the sound as stored on the pedal or loaded from a preset (Ctrl+K)</source>
        <translation>Alterna o pedal entre suas edições e o som gravado no pedal ou carregado de um preset (Ctrl+K)</translation>
    </message>
</context>
<context>
    <name>kx::TformFirmwareUpgrade</name>
    <message>
        <source>Firmware Upgrade</source>
        <translation>Atualização de firmware</translation>
    </message>
    <message>
        <source>Upgrade Firmware</source>
        <translation>Atualizar firmware</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Cancelling after this chunk</source>
        <translation>Cancelando após este bloco</translation>
    </message>
    <message>
        <source>Choose firmware</source>
        <translation>Escolher firmware</translation>
    </message>
    <message>
        <source>Resynchronising…</source>
        <translation>Ressincronizando…</translation>
    </message>
    <message>
        <source>Erasing…</source>
        <translation>Apagando…</translation>
    </message>
    <message>
        <source>Writing record…</source>
        <translation>Gravando registro…</translation>
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
        <translation>Interrompe a atualização após o bloco que está sendo gravado</translation>
    </message>
    <message>
        <source>Upgrade progress</source>
        <translation>Progresso da atualização</translation>
    </message>
    <message>
        <source>Not started</source>
        <translation>Não iniciada</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelada</translation>
    </message>
    <message>
        <source>Upgrade failed</source>
        <translation>A atualização falhou</translation>
    </message>
    <message>
        <source>Chunk %1 failed</source>
        <translation>O bloco %1 falhou</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Chunk %1 of %2</source>
        <translation>Bloco %1 de %2</translation>
    </message>
    <message>
        <source>Firmware Upgrade Complete, device will now restart</source>
        <translation>Atualização de firmware concluída, o dispositivo vai reiniciar agora</translation>
    </message>
    <message>
        <source>Upgrade the pedal to %1? Do not unplug the pedal or switch it off until &quot;Firmware Upgrade Complete&quot; appears.</source>
        <translation>Atualizar o pedal para %1? Não desconecte nem desligue o pedal até aparecer &quot;Atualização de firmware concluída&quot;.</translation>
    </message>
    <message>
        <source>To start the pedal in its bootloader, unplug it, then plug it in again while holding its footswitch down, and connect with Upgrade Mode ticked.</source>
        <translation>Para iniciar o pedal no bootloader, desconecte-o e conecte-o de novo segurando o footswitch, e conecte com &quot;Modo de atualização&quot; marcado.</translation>
    </message>
</context>
<context>
    <name>kx::TformGuide</name>
    <message>
        <source>Kestrel X Editor User Guide</source>
        <translation>Guia do usuário do Kestrel X Editor</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sumário</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Avançar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Guia do usuário</translation>
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
        <translation>Como carregar uma resposta ao impulso:</translation>
    </message>
    <message>
        <source>1) Select an IR load algorithm in Impulse Response category</source>
        <translation>1) Selecione um algoritmo de carregamento de IR na categoria Impulse Response</translation>
    </message>
    <message>
        <source>2) Go to File and click Load IR, choose the desired WAV file</source>
        <translation>2) Vá em Arquivo e clique em Carregar IR, escolha o arquivo WAV desejado</translation>
    </message>
    <message>
        <source>3) Click UPLOAD SELECTED EFFECT button</source>
        <translation>3) Clique no botão ENVIAR EFEITO SELECIONADO</translation>
    </message>
    <message>
        <source>Waveform of the loaded samples</source>
        <translation>Forma de onda das amostras carregadas</translation>
    </message>
    <message>
        <source>Magnitude response of the loaded samples</source>
        <translation>Resposta em magnitude das amostras carregadas</translation>
    </message>
    <message>
        <source>Load IR</source>
        <translation>Carregar IR</translation>
    </message>
    <message>
        <source>Waveform at %1 kHz: the first %2 samples (%3 ms) are loaded</source>
        <translation>Forma de onda a %1 kHz: as primeiras %2 amostras (%3 ms) são carregadas</translation>
    </message>
    <message>
        <source>Nothing loaded yet</source>
        <translation>Nada carregado ainda</translation>
    </message>
    <message>
        <source>loaded</source>
        <translation>carregado</translation>
    </message>
    <message>
        <source>not loaded</source>
        <translation>não carregado</translation>
    </message>
    <message>
        <source>&amp;Trim the silence before the first peak</source>
        <translation>&amp;Cortar o silêncio antes do primeiro pico</translation>
    </message>
    <message>
        <source>&amp;Normalise the peak</source>
        <translation>&amp;Normalizar o pico</translation>
    </message>
    <message>
        <source>Peak level (dB):</source>
        <translation>Nível do pico (dB):</translation>
    </message>
    <message>
        <source>&amp;Fade out before the cut</source>
        <translation>&amp;Fade-out antes do corte</translation>
    </message>
    <message>
        <source>Fade length (ms):</source>
        <translation>Duração do fade (ms):</translation>
    </message>
    <message>
        <source>Import &amp;again with these tools</source>
        <translation>&amp;Importar de novo com estas ferramentas</translation>
    </message>
    <message>
        <source>Last imports for this effect (kept after a restart):</source>
        <translation>Últimas importações deste efeito (guardadas após reiniciar):</translation>
    </message>
    <message>
        <source>&amp;Use this import</source>
        <translation>&amp;Usar esta importação</translation>
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
        <translation>cortada</translation>
    </message>
    <message>
        <source>normalised to %1 dB</source>
        <translation>normalizada para %1 dB</translation>
    </message>
    <message>
        <source>faded over %1 ms</source>
        <translation>fade de %1 ms</translation>
    </message>
    <message>
        <source>Peak level (dB)</source>
        <translation>Nível do pico (dB)</translation>
    </message>
    <message>
        <source>Fade length (ms)</source>
        <translation>Duração do fade (ms)</translation>
    </message>
    <message>
        <source>Last imports for this effect</source>
        <translation>Últimas importações deste efeito</translation>
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
        <translation>A opção --port precisa do caminho de uma porta.</translation>
    </message>
    <message>
        <source>The editor&apos;s settings were not read: %1 The file is set aside as %2; the defaults are used.</source>
        <translation>As configurações do editor não foram lidas: %1 O arquivo foi deixado de lado como %2; os padrões são usados.</translation>
    </message>
    <message>
        <source>The editor&apos;s settings were not read: %1 It could not be set aside (%2); the defaults are used and nothing is remembered.</source>
        <translation>As configurações do editor não foram lidas: %1 Não foi possível deixá-lo de lado (%2); os padrões são usados e nada é lembrado.</translation>
    </message>
    <message>
        <source>Kestrel X Editor</source>
        <translation>Kestrel X Editor</translation>
    </message>
    <message>
        <source>Device Name: </source>
        <translation>Nome do dispositivo: </translation>
    </message>
    <message>
        <source>The built-in virtual pedal runs its firmware. Restart it in its bootloader, as a pedal powered up with its footswitch held, so that you can try the whole upgrade?</source>
        <translation>O pedal virtual embutido está executando o firmware. Reiniciá-lo no bootloader, como um pedal ligado com o footswitch pressionado, para você poder testar a atualização inteira?</translation>
    </message>
    <message>
        <source>Restart in bootloader</source>
        <translation>Reiniciar no bootloader</translation>
    </message>
    <message>
        <source>Leave it running</source>
        <translation>Deixá-lo rodando</translation>
    </message>
    <message>
        <source>Serial Number: </source>
        <translation>Número de série: </translation>
    </message>
    <message>
        <source>Firmware Version: </source>
        <translation>Versão do firmware: </translation>
    </message>
    <message>
        <source>Upload Selected Effect</source>
        <translation>Enviar efeito selecionado</translation>
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
        <translation>Atribuir</translation>
    </message>
    <message>
        <source>Store Settings On Pedal</source>
        <translation>Gravar configurações no pedal</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>Effect information</source>
        <translation>Informações do efeito</translation>
    </message>
    <message>
        <source>Effect categories</source>
        <translation>Categorias de efeitos</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Efeitos</translation>
    </message>
    <message>
        <source>Firmware Upgrade Mode</source>
        <translation>Modo de atualização de firmware</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barra de menus</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>L&amp;oad Configuration</source>
        <translation>Carregar c&amp;onfiguração</translation>
    </message>
    <message>
        <source>&amp;Save Configuration</source>
        <translation>&amp;Salvar configuração</translation>
    </message>
    <message>
        <source>Preset &amp;Library…</source>
        <translation>&amp;Biblioteca de presets…</translation>
    </message>
    <message>
        <source>Load &amp;IR</source>
        <translation>Carregar &amp;IR</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Connection</source>
        <translation>&amp;Conexão</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation>&amp;Procurar</translation>
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
        <translation>Conectar &amp;automaticamente</translation>
    </message>
    <message>
        <source>&amp;Upload Selected Effect</source>
        <translation>&amp;Enviar efeito selecionado</translation>
    </message>
    <message>
        <source>&amp;Open FX</source>
        <translation>Abrir &amp;FX</translation>
    </message>
    <message>
        <source>&amp;Request</source>
        <translation>&amp;Solicitar</translation>
    </message>
    <message>
        <source>&amp;Assign</source>
        <translation>A&amp;tribuir</translation>
    </message>
    <message>
        <source>S&amp;tore Settings On Pedal</source>
        <translation>Gravar config&amp;urações no pedal</translation>
    </message>
    <message>
        <source>Switch &amp;Window</source>
        <translation>Trocar de &amp;janela</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>Configu&amp;rações</translation>
    </message>
    <message>
        <source>&amp;Assignment Map…</source>
        <translation>Mapa de a&amp;tribuições…</translation>
    </message>
    <message>
        <source>&amp;Follow Pedal</source>
        <translation>Seguir o &amp;pedal</translation>
    </message>
    <message>
        <source>Show the pedal&apos;s knobs in the parameters window as they are turned</source>
        <translation>Mostra os knobs do pedal na janela de parâmetros enquanto são girados</translation>
    </message>
    <message>
        <source>&amp;Look</source>
        <translation>&amp;Aparência</translation>
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
        <translation>Atualização de f&amp;irmware</translation>
    </message>
    <message>
        <source>&amp;Upgrade Mode</source>
        <translation>&amp;Modo de atualização</translation>
    </message>
    <message>
        <source>&amp;Start Firmware Upgrade</source>
        <translation>&amp;Iniciar atualização de firmware</translation>
    </message>
    <message>
        <source>I&amp;nfo</source>
        <translation>I&amp;nfo</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>&amp;Suporte</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Versão: </translation>
    </message>
    <message>
        <source>New version available:</source>
        <translation>Nova versão disponível:</translation>
    </message>
    <message>
        <source>Device Serial: </source>
        <translation>Número de série do dispositivo: </translation>
    </message>
    <message>
        <source>&amp;Update Now</source>
        <translation>&amp;Atualizar agora</translation>
    </message>
    <message>
        <source>Show Update &amp;Message</source>
        <translation>Mostrar &amp;mensagem de atualização</translation>
    </message>
    <message>
        <source>Upload the selected effect, &quot;%1&quot;?</source>
        <translation>Enviar o efeito selecionado, &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Upload the selected effect, &quot;%1&quot;, with the impulse response &quot;%2&quot;?</source>
        <translation>Enviar o efeito selecionado, &quot;%1&quot;, com a resposta ao impulso &quot;%2&quot;?</translation>
    </message>
    <message>
        <source>Status: </source>
        <translation>Status: </translation>
    </message>
    <message>
        <source>Choose an effect in the list first, then upload it.</source>
        <translation>Escolha primeiro um efeito na lista e depois envie-o.</translation>
    </message>
    <message>
        <source>Settings stored on the pedal</source>
        <translation>Configurações gravadas no pedal</translation>
    </message>
    <message>
        <source>The settings were not stored: </source>
        <translation>As configurações não foram gravadas: </translation>
    </message>
    <message>
        <source>Assignments sent to the pedal</source>
        <translation>Atribuições enviadas ao pedal</translation>
    </message>
    <message>
        <source>The assignments were not sent: </source>
        <translation>As atribuições não foram enviadas: </translation>
    </message>
    <message>
        <source>MIDI channel set to %1</source>
        <translation>Canal MIDI definido como %1</translation>
    </message>
    <message>
        <source>The MIDI channel was not set to %1: </source>
        <translation>O canal MIDI não foi definido como %1: </translation>
    </message>
    <message>
        <source>Impulse Response: choose an effect, then File &gt; Load IR (Ctrl+I) and Upload (Ctrl+U). Load IR shows how.</source>
        <translation>Impulse Response: escolha um efeito e depois Arquivo &gt; Carregar IR (Ctrl+I) e Enviar (Ctrl+U). Carregar IR mostra como.</translation>
    </message>
    <message>
        <source>the virtual pedal</source>
        <translation>o pedal virtual</translation>
    </message>
    <message>
        <source>A WAV file goes into an impulse response effect. Choose one of these in the &quot;Impulse Response&quot; category first, then drop the file again: %1.</source>
        <translation>Um arquivo WAV vai em um efeito de resposta ao impulso. Escolha primeiro um deles na categoria &quot;Impulse Response&quot; e depois solte o arquivo de novo: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a preset (.txt) nor a WAV file (.wav): nothing was loaded.</source>
        <translation>&quot;%1&quot; não é um preset (.txt) nem um arquivo WAV (.wav): nada foi carregado.</translation>
    </message>
    <message>
        <source>Drop one file at a time: %1 files were dropped.</source>
        <translation>Solte um arquivo por vez: %1 arquivos foram soltos.</translation>
    </message>
    <message>
        <source>Unstored edits — </source>
        <translation>Edições não gravadas — </translation>
    </message>
    <message>
        <source>Your edits to &quot;%1&quot; are neither stored on the pedal nor saved in a preset. Store them on the pedal, save them as a preset, or discard them?</source>
        <translation>Suas edições em &quot;%1&quot; não estão gravadas no pedal nem salvas em um preset. Gravá-las no pedal, salvá-las como preset ou descartá-las?</translation>
    </message>
    <message>
        <source>Store on the pedal</source>
        <translation>Gravar no pedal</translation>
    </message>
    <message>
        <source>Save as preset…</source>
        <translation>Salvar como preset…</translation>
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
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>%1 information</source>
        <translation>Informações de %1</translation>
    </message>
    <message>
        <source>Follow Pedal is off: </source>
        <translation>Seguir o pedal está desligado: </translation>
    </message>
    <message>
        <source>the parameters window was closed.</source>
        <translation>a janela de parâmetros foi fechada.</translation>
    </message>
    <message>
        <source>the parameters window shows another effect.</source>
        <translation>a janela de parâmetros mostra outro efeito.</translation>
    </message>
    <message>
        <source>The pedal was unplugged.</source>
        <translation>O pedal foi desconectado.</translation>
    </message>
    <message>
        <source> It connects again when it is plugged back in.</source>
        <translation> Ele se conecta de novo quando for reconectado.</translation>
    </message>
    <message>
        <source> Plug it in again and choose Connection &gt; Connect.</source>
        <translation> Conecte-o de novo e escolha Conexão &gt; Conectar.</translation>
    </message>
    <message>
        <source> Follow Pedal is off.</source>
        <translation> Seguir o pedal está desligado.</translation>
    </message>
    <message>
        <source>Another pedal is attached. Store or save the edits first, then choose Connect to use it.</source>
        <translation>Outro pedal está conectado. Grave ou salve as edições primeiro e depois escolha &quot;Conectar&quot; para usá-lo.</translation>
    </message>
    <message>
        <source>A pedal was plugged in. The editor stays with the virtual pedal, whose edits are not stored: store or save them, then choose Connection &gt; Disconnect and Connect.</source>
        <translation>Um pedal foi conectado. O editor continua com o pedal virtual, cujas edições não estão gravadas: grave-as ou salve-as e depois escolha Conexão &gt; Desconectar e Conectar.</translation>
    </message>
    <message>
        <source>Error loading file: </source>
        <translation>Erro ao carregar o arquivo: </translation>
    </message>
    <message>
        <source>The device at %1 did not answer as a Kestrel X, so the editor let it go. If it is the pedal, check that it is powered, then choose Connect.</source>
        <translation>O dispositivo em %1 não respondeu como um Kestrel X, então o editor o liberou. Se for o pedal, verifique se está ligado e depois escolha &quot;Conectar&quot;.</translation>
    </message>
    <message>
        <source>Save Preset File</source>
        <translation>Salvar arquivo de preset</translation>
    </message>
    <message>
        <source>Open Preset File</source>
        <translation>Abrir arquivo de preset</translation>
    </message>
    <message>
        <source>Preset files (*.txt)</source>
        <translation>Arquivos de preset (*.txt)</translation>
    </message>
    <message>
        <source>File saved successfully: </source>
        <translation>Arquivo salvo com sucesso: </translation>
    </message>
    <message>
        <source>File loaded successfully: </source>
        <translation>Arquivo carregado com sucesso: </translation>
    </message>
    <message>
        <source>There is no open effect to save: click Open FX, then Request, and save again.</source>
        <translation>Não há efeito aberto para salvar: clique em &quot;Abrir FX&quot;, depois em &quot;Solicitar&quot;, e salve de novo.</translation>
    </message>
    <message>
        <source>There is no open effect to load the preset into: click Open FX, or an effect in the list, and load again.</source>
        <translation>Não há efeito aberto no qual carregar o preset: clique em &quot;Abrir FX&quot; ou em um efeito da lista, e carregue de novo.</translation>
    </message>
    <message>
        <source>The values of &quot;%1&quot; have not been read yet: click Request, or load a preset, and save again.</source>
        <translation>Os valores de &quot;%1&quot; ainda não foram lidos: clique em &quot;Solicitar&quot;, ou carregue um preset, e salve de novo.</translation>
    </message>
    <message>
        <source>This preset holds %1 controls, but the open effect &quot;%2&quot; has %3: it was not loaded.</source>
        <translation>Este preset contém %1 controles, mas o efeito aberto &quot;%2&quot; tem %3: ele não foi carregado.</translation>
    </message>
    <message>
        <source>This preset was saved for %1, not for the open effect &quot;%2&quot;. Load its values into &quot;%2&quot;?</source>
        <translation>Este preset foi salvo para %1, não para o efeito aberto &quot;%2&quot;. Carregar os valores dele em &quot;%2&quot;?</translation>
    </message>
    <message>
        <source>This preset is for %1, not for the open effect &quot;%2&quot;: it was not loaded. Connect the pedal to upload %3 and apply this preset.</source>
        <translation>Este preset é para %1, não para o efeito aberto &quot;%2&quot;: ele não foi carregado. Conecte o pedal para enviar %3 e aplicar este preset.</translation>
    </message>
    <message>
        <source>This preset is for %1, but the pedal runs %2.

Upload %3 and apply this preset?</source>
        <translation>Este preset é para %1, mas o pedal executa %2.

Enviar %3 e aplicar este preset?</translation>
    </message>
    <message>
        <source>no effect</source>
        <translation>nenhum efeito</translation>
    </message>
    <message>
        <source>This preset holds %1 controls, but %2 has %3: it was not loaded.</source>
        <translation>Este preset contém %1 controles, mas %2 tem %3: ele não foi carregado.</translation>
    </message>
    <message>
        <source>effect %1, which the effect list does not hold</source>
        <translation>efeito %1, que a lista de efeitos não contém</translation>
    </message>
    <message>
        <source>No update available</source>
        <translation>Nenhuma atualização disponível</translation>
    </message>
    <message>
        <source>The version check is turned off for this run (the update server is &quot;off&quot;).</source>
        <translation>A verificação de versão está desligada nesta execução (o servidor de atualização é &quot;off&quot;).</translation>
    </message>
    <message>
        <source>No update server is set for this build of the Kestrel X Editor, so it cannot check for updates. To check one, start the editor with KX_UPDATE_SERVER set to the server&apos;s address (for example KX_UPDATE_SERVER=https://updates.example.org ./run.sh).</source>
        <translation>Nenhum servidor de atualização está definido para esta compilação do Kestrel X Editor, então ele não pode verificar atualizações. Para verificar, inicie o editor com KX_UPDATE_SERVER definido como o endereço do servidor (por exemplo KX_UPDATE_SERVER=https://updates.example.org ./run.sh).</translation>
    </message>
    <message>
        <source>This is the newest version of the Kestrel X Editor (%1).</source>
        <translation>Esta é a versão mais recente do Kestrel X Editor (%1).</translation>
    </message>
    <message>
        <source>the Documents folder cannot be found</source>
        <translation>a pasta Documentos não foi encontrada</translation>
    </message>
    <message>
        <source>Error: the look file %1 holds &quot;%2&quot;, which is not a whole number; look 0 is used.</source>
        <translation>Erro: o arquivo de aparência %1 contém &quot;%2&quot;, que não é um número inteiro; a aparência 0 é usada.</translation>
    </message>
    <message>
        <source>Error creating folder: </source>
        <translation>Erro ao criar a pasta: </translation>
    </message>
    <message>
        <source>Error creating subfolder: </source>
        <translation>Erro ao criar a subpasta: </translation>
    </message>
    <message>
        <source>Error saving file: </source>
        <translation>Erro ao salvar o arquivo: </translation>
    </message>
    <message>
        <source>Dark &amp;Red</source>
        <translation>Escuro &amp;vermelho</translation>
    </message>
    <message>
        <source>Dark &amp;Orange</source>
        <translation>Escuro &amp;laranja</translation>
    </message>
    <message>
        <source>Dark &amp;Turquoise</source>
        <translation>Escuro &amp;turquesa</translation>
    </message>
    <message>
        <source>Dark &amp;Blue</source>
        <translation>Escuro &amp;azul</translation>
    </message>
    <message>
        <source>&amp;Grey Orange</source>
        <translation>&amp;Cinza laranja</translation>
    </message>
    <message>
        <source>Grey Go&amp;ld</source>
        <translation>Cinza &amp;dourado</translation>
    </message>
    <message>
        <source>Light &amp;Cyan</source>
        <translation>Claro c&amp;iano</translation>
    </message>
    <message>
        <source>Error: </source>
        <translation>Erro: </translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Comparar</translation>
    </message>
    <message>
        <source>Reset to Effect&apos;s &amp;Values</source>
        <translation>Redefinir para os &amp;valores do efeito</translation>
    </message>
    <message numerus="yes">
        <source>%n pedals are attached: %1. Choose one under Connection &gt; Pedal.</source>
        <translation>
            <numerusform>%n pedal está conectado: %1. Escolha um em Conexão &gt; Pedal.</numerusform>
            <numerusform>%n pedais estão conectados: %1. Escolha um em Conexão &gt; Pedal.</numerusform>
        </translation>
    </message>
    <message>
        <source>A kept impulse response could not be read and was set aside: %1</source>
        <translation>Não foi possível ler uma resposta ao impulso guardada, e ela foi deixada de lado: %1</translation>
    </message>
    <message>
        <source>No impulse response has been loaded for &quot;%1&quot; since the editor started. Upload it with the last one imported, &quot;%2&quot; (%3)?</source>
        <translation>Nenhuma resposta ao impulso foi carregada para &quot;%1&quot; desde que o editor foi iniciado. Enviá-lo com a última importada, &quot;%2&quot; (%3)?</translation>
    </message>
    <message>
        <source>Kept import: %1, the same coefficients as when it was made</source>
        <translation>Importação guardada: %1, os mesmos coeficientes de quando foi feita</translation>
    </message>
    <message>
        <source>Its impulse response &quot;%1&quot; is saved beside it: %2</source>
        <translation>A resposta ao impulso &quot;%1&quot; foi salva ao lado dele: %2</translation>
    </message>
    <message>
        <source>Its impulse response was not saved: %1</source>
        <translation>A resposta ao impulso dele não foi salva: %1</translation>
    </message>
    <message>
        <source>No impulse response has been imported for &quot;%1&quot; yet, so the preset has none beside it. Load one (File &gt; Load IR) and save again to keep it with the preset.</source>
        <translation>Ainda não foi importada nenhuma resposta ao impulso para &quot;%1&quot;, então o preset não tem nenhuma ao lado. Carregue uma (Arquivo &gt; Carregar IR) e salve de novo para mantê-la com o preset.</translation>
    </message>
    <message>
        <source>Its impulse response &quot;%1&quot; is imported: an upload of &quot;%2&quot; sends it.</source>
        <translation>A resposta ao impulso &quot;%1&quot; dele foi importada: um envio de &quot;%2&quot; a transmite.</translation>
    </message>
    <message>
        <source>Its impulse response (%1) is missing: the values are loaded, and &quot;%2&quot; keeps the impulse response it has.</source>
        <translation>A resposta ao impulso dele (%1) está faltando: os valores foram carregados, e &quot;%2&quot; mantém a resposta ao impulso que tem.</translation>
    </message>
    <message>
        <source>Its impulse response cannot be used: %1. The values are loaded, and &quot;%2&quot; keeps the impulse response it has.</source>
        <translation>A resposta ao impulso dele não pode ser usada: %1. Os valores foram carregados, e &quot;%2&quot; mantém a resposta ao impulso que tem.</translation>
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
        <translation>Nenhum pedal conectado</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 em %2</translation>
    </message>
    <message>
        <source> (connected)</source>
        <translation> (conectado)</translation>
    </message>
    <message>
        <source>This preset keeps its impulse response &quot;%2&quot; beside it.

Upload %1 with it and apply this preset?</source>
        <translation>Este preset guarda a resposta ao impulso &quot;%2&quot; ao lado dele.

Enviar %1 com ela e aplicar este preset?</translation>
    </message>
    <message>
        <source>Version %1 of the Kestrel X Editor is available (this is %2). Help &gt; Info &gt; Update Now installs it.</source>
        <translation>A versão %1 do Kestrel X Editor está disponível (esta é a %2). Ajuda &gt; Info &gt; Atualizar agora a instala.</translation>
    </message>
</context>
<context>
    <name>kx::TformNewVersionMsg</name>
    <message>
        <source>New Version</source>
        <translation>Nova versão</translation>
    </message>
    <message>
        <source>A new version of the Kestrel X Editor is available</source>
        <translation>Uma nova versão do Kestrel X Editor está disponível</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Atualizar agora</translation>
    </message>
    <message>
        <source>What&apos;s New?</source>
        <translation>O que há de novo?</translation>
    </message>
    <message>
        <source>Don&apos;t Show This Message Again</source>
        <translation>Não mostrar esta mensagem de novo</translation>
    </message>
    <message>
        <source>This action will update the Kestrel X Editor to the latest version. Do you want to continue?</source>
        <translation>Esta ação vai atualizar o Kestrel X Editor para a versão mais recente. Deseja continuar?</translation>
    </message>
    <message>
        <source>Failed to launch updater: </source>
        <translation>Falha ao iniciar o atualizador: </translation>
    </message>
    <message>
        <source>The Kestrel X Editor is updated through your system&apos;s packages, or by downloading the new version from the maker&apos;s site. The page that has just opened tells what is new.</source>
        <translation>O Kestrel X Editor é atualizado pelos pacotes do seu sistema ou baixando a nova versão do site do fabricante. A página que acabou de abrir mostra o que há de novo.</translation>
    </message>
</context>
<context>
    <name>kx::TformPresetLibrary</name>
    <message>
        <source>effect %1, not in this editor&apos;s list</source>
        <translation>efeito %1, fora da lista deste editor</translation>
    </message>
    <message>
        <source>The list of recent presets was not read: %1 The file is set aside as %2.</source>
        <translation>A lista de presets recentes não foi lida: %1 O arquivo foi deixado de lado como %2.</translation>
    </message>
    <message>
        <source>The list of recent presets was not read: %1</source>
        <translation>A lista de presets recentes não foi lida: %1</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtro:</translation>
    </message>
    <message>
        <source>Name, effect or category</source>
        <translation>Nome, efeito ou categoria</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>&amp;Presets in %1:</source>
        <translation>&amp;Presets em %1:</translation>
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
        <translation>Efeito</translation>
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
        <translation>Ú&amp;ltimos carregados ou salvos:</translation>
    </message>
    <message>
        <source>Loaded or saved last</source>
        <translation>Últimos carregados ou salvos</translation>
    </message>
    <message>
        <source>L&amp;oad</source>
        <translation>&amp;Carregar</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Renomear</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;xcluir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source> (no longer there)</source>
        <translation> (não existe mais)</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; was not renamed: %2</source>
        <translation>O preset &quot;%1&quot; não foi renomeado: %2</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; was not deleted: %2</source>
        <translation>O preset &quot;%1&quot; não foi excluído: %2</translation>
    </message>
    <message>
        <source>Preset Library</source>
        <translation>Biblioteca de presets</translation>
    </message>
    <message>
        <source>Delete the preset &quot;%1&quot;? The file is removed from the preset folder.</source>
        <translation>Excluir o preset &quot;%1&quot;? O arquivo é removido da pasta de presets.</translation>
    </message>
    <message>
        <source>Damaged: %1</source>
        <translation>Danificado: %1</translation>
    </message>
    <message>
        <source>Impulse response</source>
        <translation>Resposta ao impulso</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>C&amp;opiar</translation>
    </message>
    <message>
        <source>Delete the preset &quot;%1&quot; and its impulse response? Both files are removed from the preset folder.</source>
        <translation>Excluir o preset &quot;%1&quot; e a resposta ao impulso dele? Os dois arquivos são removidos da pasta de presets.</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Faltando</translation>
    </message>
    <message>
        <source>This impulse response effect&apos;s preset has no %1 beside it: its values load, the effect keeps the impulse response it has.</source>
        <translation>O preset deste efeito de resposta ao impulso não tem %1 ao lado: os valores dele são carregados, e o efeito mantém a resposta ao impulso que tem.</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2. The preset&apos;s values still load.</source>
        <translation>%1 não pode ser usada: %2. Os valores do preset são carregados mesmo assim.</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; was not copied: %2</source>
        <translation>O preset &quot;%1&quot; não foi copiado: %2</translation>
    </message>
</context>
<context>
    <name>kx::TformPrint</name>
    <message>
        <source>Print Console</source>
        <translation>Console de impressão</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>PARA CIMA</translation>
    </message>
    <message>
        <source>scrollDOWN</source>
        <translation>rolar para baixo</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Salvar…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Save the log</source>
        <translation>Salvar o log</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Arquivos de texto (*.txt);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Saves the log to a file</source>
        <translation>Salva o log em um arquivo</translation>
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
        <translation>o módulo de rede não pode ser carregado (%1).</translation>
    </message>
    <message>
        <source>the server&apos;s answer is longer than %1 bytes.</source>
        <translation>a resposta do servidor tem mais de %1 bytes.</translation>
    </message>
    <message>
        <source>the version check failed: </source>
        <translation>a verificação de versão falhou: </translation>
    </message>
    <message>
        <source>HTTP status %1</source>
        <translation>status HTTP %1</translation>
    </message>
    <message>
        <source>the editor&apos;s own version &quot;%1&quot; is not a version number.</source>
        <translation>a própria versão do editor, &quot;%1&quot;, não é um número de versão.</translation>
    </message>
    <message>
        <source>the server did not answer within %1 s.</source>
        <translation>o servidor não respondeu em %1 s.</translation>
    </message>
</context>
</TS>
