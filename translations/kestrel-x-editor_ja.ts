<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>About</name>
    <message>
        <source>windows, serial ports, network</source>
        <translation>ウィンドウ、シリアルポート、ネットワーク</translation>
    </message>
    <message>
        <source>waits for the pedal that block no window</source>
        <translation>ウィンドウを止めずにペダルを待つ処理</translation>
    </message>
    <message>
        <source>reading WAV files</source>
        <translation>WAV ファイルの読み込み</translation>
    </message>
    <message>
        <source>resampling impulse responses</source>
        <translation>インパルス応答のリサンプリング</translation>
    </message>
    <message>
        <source>noticing the pedal plugged in and out</source>
        <translation>ペダルの接続と取り外しの検出</translation>
    </message>
    <message>
        <source>the secure connection of the version check</source>
        <translation>バージョン確認の安全な接続</translation>
    </message>
    <message>
        <source>the C++ language&apos;s library</source>
        <translation>C++ 言語のライブラリ</translation>
    </message>
    <message>
        <source>the system&apos;s C library</source>
        <translation>システムの C ライブラリ</translation>
    </message>
</context>
<context>
    <name>Base</name>
    <message>
        <source>%1: it is a folder, not a file.</source>
        <translation>%1: これはフォルダーで、ファイルではありません。</translation>
    </message>
    <message>
        <source>%1: it is a pipe, not a file.</source>
        <translation>%1: これはパイプで、ファイルではありません。</translation>
    </message>
    <message>
        <source>%1: it is a device, not a file.</source>
        <translation>%1: これはデバイスで、ファイルではありません。</translation>
    </message>
    <message>
        <source>%1: it is not a regular file.</source>
        <translation>%1: 通常のファイルではありません。</translation>
    </message>
    <message>
        <source>%1: it is %2 bytes long, but %3 is at most %4 bytes.</source>
        <translation>%1: 長さが %2 バイトありますが、%3 は最大 %4 バイトです。</translation>
    </message>
    <message>
        <source>%1: it grew while it was read, past the %2 bytes that %3 can have.</source>
        <translation>%1: 読み込み中にサイズが増え、%3 に許される %2 バイトを超えました。</translation>
    </message>
</context>
<context>
    <name>Firmware</name>
    <message>
        <source>Choose a firmware in the list first. Nothing was sent to the pedal.</source>
        <translation>先に一覧からファームウェアを選んでください。ペダルには何も送信されていません。</translation>
    </message>
    <message>
        <source>The firmware %1 is empty. Nothing was sent.</source>
        <translation>ファームウェア %1 は空です。何も送信されていません。</translation>
    </message>
    <message>
        <source>The firmware %1 cannot be written: it has %2 bytes, more than %3 chunks of 256 bytes. Nothing was sent.</source>
        <translation>ファームウェア %1 は書き込めません: %2 バイトあり、256 バイトのチャンク %3 個を超えています。何も送信されていません。</translation>
    </message>
    <message>
        <source>The firmware %1 cannot be written: its %2 bytes would reach the firmware record at 0x0801FC00 (at most %3 bytes fit below it). Nothing was sent.</source>
        <translation>ファームウェア %1 は書き込めません: その %2 バイトは 0x0801FC00 にあるファームウェアレコードに達してしまいます (その手前に収まるのは最大 %3 バイトです)。何も送信されていません。</translation>
    </message>
    <message>
        <source>The firmware %1 cannot be written: there is no firmware record for number %2. Nothing was sent.</source>
        <translation>ファームウェア %1 は書き込めません: 番号 %2 のファームウェアレコードがありません。何も送信されていません。</translation>
    </message>
    <message>
        <source>Firmware upgrade</source>
        <translation>ファームウェア更新</translation>
    </message>
    <message>
        <source>The firmware upgrade was not started: the pedal is not connected. Connect to its bootloader first (Upgrade Mode stays on). Nothing was sent.</source>
        <translation>ファームウェア更新を開始できませんでした: ペダルが接続されていません。先にブートローダーに接続してください (アップグレードモードはオンのままです)。何も送信されていません。</translation>
    </message>
    <message>
        <source>erasing the flash</source>
        <translation>フラッシュの消去中</translation>
    </message>
    <message>
        <source>writing the firmware record at %1</source>
        <translation>%1 へのファームウェアレコードの書き込み中</translation>
    </message>
    <message>
        <source>starting the new firmware at %1</source>
        <translation>%1 での新しいファームウェアの起動中</translation>
    </message>
    <message>
        <source>bringing the bootloader back to a known state</source>
        <translation>ブートローダーを既知の状態に戻している最中</translation>
    </message>
    <message>
        <source>preparing the firmware image</source>
        <translation>ファームウェアイメージの準備中</translation>
    </message>
    <message>
        <source>The firmware upgrade stopped while %1: %2. The flash was written and verified, and the pedal may have started the new firmware already. %3</source>
        <translation>ファームウェア更新が%1に停止しました: %2。フラッシュは書き込まれて検証済みで、ペダルはすでに新しいファームウェアを起動している可能性があります。%3</translation>
    </message>
    <message>
        <source>the connection to the pedal was lost</source>
        <translation>ペダルとの接続が失われました</translation>
    </message>
    <message>
        <source>The firmware upgrade stopped while %1: the connection to the pedal was lost. The new firmware was not started. %2</source>
        <translation>ファームウェア更新が%1に停止しました: ペダルとの接続が失われました。新しいファームウェアは起動されていません。%2</translation>
    </message>
    <message>
        <source>The firmware upgrade stopped while %1: %2. The new firmware was not started; the pedal stays in its bootloader. %3</source>
        <translation>ファームウェア更新が%1に停止しました: %2。新しいファームウェアは起動されておらず、ペダルはブートローダーのままです。%3</translation>
    </message>
    <message>
        <source>you cancelled it</source>
        <translation>ユーザーがキャンセルしました</translation>
    </message>
    <message>
        <source>Press Upgrade Firmware to start again.</source>
        <translation>もう一度始めるには「ファームウェアを更新」を押してください。</translation>
    </message>
    <message>
        <source>Power the pedal up with its footswitch held, choose Connect, then press Upgrade Firmware to start again.</source>
        <translation>フットスイッチを押したままペダルの電源を入れ、「接続」を選んでから「ファームウェアを更新」を押してもう一度始めてください。</translation>
    </message>
    <message>
        <source>Press Open FX to find out: a pedal that names its firmware version runs the new firmware; one that does not answer is still in its bootloader, and Upgrade Firmware starts again.</source>
        <translation>確認するには「FXを開く」を押してください: ファームウェアのバージョンを返すペダルは新しいファームウェアで動作しています。応答しないペダルはまだブートローダーにあり、「ファームウェアを更新」で最初からやり直せます。</translation>
    </message>
    <message>
        <source>writing chunk %1 of %2 at %3</source>
        <translation>チャンク %1/%2 (%3) の書き込み中</translation>
    </message>
    <message>
        <source>reading back chunk %1 of %2 at %3</source>
        <translation>チャンク %1/%2 (%3) の読み返し中</translation>
    </message>
    <message>
        <source>The pedal already runs Firmware %1</source>
        <translation>ペダルはすでにファームウェア %1 で動作しています</translation>
    </message>
    <message>
        <source>This replaces Firmware %1 with Firmware %2</source>
        <translation>ファームウェア %1 をファームウェア %2 に置き換えます</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>About Qt</source>
        <translation>Qt について</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>ユーザーガイド(&amp;U)</translation>
    </message>
    <message>
        <source>Connection &amp;Doctor…</source>
        <translation>接続ドクター(&amp;D)…</translation>
    </message>
    <message>
        <source>&amp;Check for Updates…</source>
        <translation>アップデートを確認(&amp;C)…</translation>
    </message>
    <message>
        <source>&amp;About Kestrel X Editor</source>
        <translation>Kestrel X Editor について(&amp;A)</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Qt について(&amp;Q)</translation>
    </message>
</context>
<context>
    <name>Ir</name>
    <message>
        <source>Samples of %1 bits cannot become coefficients: only 24 and 32 bits can.</source>
        <translation>%1 ビットのサンプルは係数にできません: 変換できるのは 24 ビットと 32 ビットだけです。</translation>
    </message>
    <message>
        <source>The samples end after %1 of the %2 coefficients the effect needs.</source>
        <translation>サンプルは、エフェクトに必要な %2 個の係数のうち %1 個で終わっています。</translation>
    </message>
    <message>
        <source>The sample text is damaged at character %1.</source>
        <translation>サンプルのテキストが %1 文字目で壊れています。</translation>
    </message>
    <message>
        <source>The effect image has %1 characters, too few to hold %2 coefficients from byte %3.</source>
        <translation>エフェクトイメージは %1 文字しかなく、バイト %3 から %2 個の係数を格納するには足りません。</translation>
    </message>
    <message>
        <source>%1 coefficient characters do not make the %2 words of the table.</source>
        <translation>%1 文字の係数データでは、テーブルの %2 ワードになりません。</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>名前: </translation>
    </message>
    <message>
        <source>Size: </source>
        <translation>サイズ: </translation>
    </message>
    <message>
        <source>Sample rate: </source>
        <translation>サンプリングレート: </translation>
    </message>
    <message>
        <source>Bits per sample: </source>
        <translation>サンプルあたりのビット数: </translation>
    </message>
    <message>
        <source>Channels: %1 (the first channel is loaded)</source>
        <translation>チャンネル数: %1 (最初のチャンネルを読み込みます)</translation>
    </message>
    <message>
        <source>Resampled from %1 Hz to %2 Hz</source>
        <translation>%1 Hz から %2 Hz にリサンプリングしました</translation>
    </message>
    <message>
        <source>Not resampled: the pedal plays these samples at %1 Hz</source>
        <translation>リサンプリングなし: ペダルはこれらのサンプルを %1 Hz で再生します</translation>
    </message>
    <message>
        <source>Clipped: %1 samples beyond full scale</source>
        <translation>クリップ: フルスケールを超えるサンプルが %1 個</translation>
    </message>
    <message>
        <source>The pedal plays impulse responses at %1 Hz, this file is sampled at %2 Hz. Resample it to %1 Hz first?</source>
        <translation>ペダルはインパルス応答を %1 Hz で再生しますが、このファイルのサンプリングレートは %2 Hz です。先に %1 Hz にリサンプリングしますか?</translation>
    </message>
    <message>
        <source>The loaded %1 samples (%2 ms at %3 kHz) hold %4 % of the file&apos;s energy.</source>
        <translation>読み込んだ %1 サンプル (%3 kHz で %2 ms) には、ファイルのエネルギーの %4 % が含まれています。</translation>
    </message>
    <message>
        <source>The loaded %1 samples (%2 ms at %3 kHz) are silent, like the whole file.</source>
        <translation>読み込んだ %1 サンプル (%3 kHz で %2 ms) は、ファイル全体と同じく無音です。</translation>
    </message>
    <message>
        <source>%1 has no coefficient table to load an impulse response into.</source>
        <translation>%1 には、インパルス応答を読み込む係数テーブルがありません。</translation>
    </message>
    <message>
        <source>The file holds %1 samples%2, but %3 needs %4. Choose a longer impulse response.</source>
        <translation>ファイルには %1 サンプル%2 ありますが、%3 には %4 必要です。もっと長いインパルス応答を選んでください。</translation>
    </message>
    <message>
        <source> at %1 Hz</source>
        <translation> (%1 Hz)</translation>
    </message>
    <message>
        <source>Wave Files (*.wav)</source>
        <translation>WAV ファイル (*.wav)</translation>
    </message>
    <message>
        <source>Selected file data:</source>
        <translation>選択したファイルのデータ:</translation>
    </message>
    <message>
        <source>The samples could not be resampled: %1</source>
        <translation>サンプルをリサンプリングできませんでした: %1</translation>
    </message>
    <message>
        <source>a rate of %1 Hz cannot become %2 Hz</source>
        <translation>%1 Hz のレートは %2 Hz に変換できません</translation>
    </message>
    <message>
        <source>This is not a WAV file: it does not begin with a RIFF header of type &quot;WAVE&quot;.</source>
        <translation>WAV ファイルではありません: タイプ「WAVE」の RIFF ヘッダーで始まっていません。</translation>
    </message>
    <message>
        <source>The WAV file&apos;s header announces %1 bytes, but the file has %2; its chunks were read as they are.</source>
        <translation>WAV ファイルのヘッダーは %1 バイトと宣言していますが、ファイルは %2 バイトです。チャンクはそのまま読み込みました。</translation>
    </message>
    <message>
        <source>The WAV file is cut short: its &quot;%1&quot; chunk at byte %2 announces %3 bytes, but only %4 follow.</source>
        <translation>WAV ファイルが途中で切れています: バイト %2 の「%1」チャンクは %3 バイトと宣言していますが、続いているのは %4 バイトだけです。</translation>
    </message>
    <message>
        <source>The WAV file could not be read at byte %1.</source>
        <translation>WAV ファイルをバイト %1 で読み込めませんでした。</translation>
    </message>
    <message>
        <source>The WAV file has no &quot;fmt &quot; chunk, so the format of its samples is unknown.</source>
        <translation>WAV ファイルに「fmt 」チャンクがないため、サンプルの形式が分かりません。</translation>
    </message>
    <message>
        <source>The WAV file&apos;s &quot;fmt &quot; chunk has %1 bytes, fewer than the 16 of a sample format.</source>
        <translation>WAV ファイルの「fmt 」チャンクは %1 バイトで、サンプル形式に必要な 16 バイトより少なくなっています。</translation>
    </message>
    <message>
        <source>The WAV file has no &quot;data&quot; chunk: it holds no samples.</source>
        <translation>WAV ファイルに「data」チャンクがありません: サンプルが含まれていません。</translation>
    </message>
    <message>
        <source>The WAV file&apos;s samples cannot be read: %1</source>
        <translation>WAV ファイルのサンプルを読み込めません: %1</translation>
    </message>
    <message>
        <source>The WAV file holds no samples.</source>
        <translation>WAV ファイルにサンプルが含まれていません。</translation>
    </message>
    <message>
        <source>The impulse response could not be written: %1</source>
        <translation>インパルス応答を書き込めませんでした: %1</translation>
    </message>
    <message>
        <source>It holds %1 samples: an impulse response the editor keeps holds at most %2.</source>
        <translation>サンプル数が %1 です。エディターが保存するインパルス応答は最大 %2 サンプルです。</translation>
    </message>
    <message>
        <source>it holds %1 samples, %2 needs %3</source>
        <translation>サンプル数は %1 ですが、%2 には %3 が必要です</translation>
    </message>
    <message>
        <source>%1 takes no impulse response</source>
        <translation>%1 はインパルス応答を受け付けません</translation>
    </message>
    <message>
        <source>Trimmed %1 samples (%2 ms) of silence before the first peak</source>
        <translation>最初のピーク前の無音 %1 サンプル (%2 ms) をトリムしました</translation>
    </message>
    <message>
        <source>Not trimmed: the first peak comes at once</source>
        <translation>トリムなし: 最初のピークがすぐに来ます</translation>
    </message>
    <message>
        <source>Normalised to a peak of %1 dB (gain %2 dB)</source>
        <translation>ピーク %1 dB にノーマライズしました (ゲイン %2 dB)</translation>
    </message>
    <message>
        <source>Not normalised: the loaded samples are silent</source>
        <translation>ノーマライズなし: 読み込んだサンプルが無音です</translation>
    </message>
    <message>
        <source>Faded out over the last %1 ms (%2 samples)</source>
        <translation>最後の %1 ms (%2 サンプル) でフェードアウトしました</translation>
    </message>
    <message>
        <source>it names no impulse response effect</source>
        <translation>インパルス応答エフェクトを指定していません</translation>
    </message>
    <message>
        <source>There is no Documents folder to keep the import in.</source>
        <translation>インポートを保存するドキュメントフォルダーがありません。</translation>
    </message>
    <message>
        <source>%1: the folder cannot be made.</source>
        <translation>%1: フォルダーを作成できません。</translation>
    </message>
    <message>
        <source>The WAV file may hold integer samples of 8, 16, 24 or 32 bits, float samples of 32 or 64 bits, or compressed samples (ADPCM, A-law, mu-law or GSM 6.10), in one or more channels (the first is loaded). 48 kHz is the pedal&apos;s rate: a file at another rate from 8 to 768 kHz is resampled to it (the editor asks first).</source>
        <translation>WAV ファイルには 8、16、24、32 ビットの整数サンプル、32 または 64 ビットの浮動小数点サンプル、圧縮サンプル (ADPCM、A-law、mu-law、GSM 6.10) を 1 つ以上のチャンネルで含められます (最初のチャンネルを読み込みます)。ペダルのレートは 48 kHz です。8～768 kHz の他のレートのファイルはこのレートにリサンプリングされます (エディターが先に確認します)。</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>The pedal reports effect number %1, but the effect list only holds the numbers 0 to %2.</source>
        <translation>ペダルはエフェクト番号 %1 を報告していますが、エフェクト一覧にあるのは 0 から %2 までの番号だけです。</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>空です</translation>
    </message>
    <message>
        <source>its %1 bytes are more than the %2 that fit in the pedal&apos;s flash</source>
        <translation>%1 バイトあり、ペダルのフラッシュに収まる %2 バイトを超えています</translation>
    </message>
    <message>
        <source>its %1 bytes are too few for a vector table and a version mark</source>
        <translation>%1 バイトでは、ベクターテーブルとバージョンマークには足りません</translation>
    </message>
    <message>
        <source>it starts with %1, not a stack address in the pedal&apos;s RAM</source>
        <translation>%1 で始まっていて、ペダルの RAM 内のスタックアドレスではありません</translation>
    </message>
    <message>
        <source>its reset address %1 is not Thumb code inside the image</source>
        <translation>リセットアドレス %1 がイメージ内の Thumb コードではありません</translation>
    </message>
    <message>
        <source>it lacks the %1 mark at %2</source>
        <translation>%2 に %1 マークがありません</translation>
    </message>
    <message>
        <source>Choose a firmware file made for the Kestrel X: %1 is not one (%2), so nothing was sent.</source>
        <translation>Kestrel X 用に作られたファームウェアファイルを選んでください: %1 はそうではない (%2) ため、何も送信されていません。</translation>
    </message>
    <message>
        <source>The image of &quot;%1&quot; holds %2 bytes, too few for its address table.</source>
        <translation>「%1」のイメージは %2 バイトしかなく、アドレステーブルには足りません。</translation>
    </message>
    <message>
        <source>Resource %1 not found</source>
        <translation>リソース %1 が見つかりません</translation>
    </message>
    <message>
        <source>Error loading resource: </source>
        <translation>リソースの読み込みエラー: </translation>
    </message>
    <message>
        <source>the version page holds &quot;%1&quot;, which is not a version number of digits and dots.</source>
        <translation>バージョンページの内容「%1」は、数字とドットから成るバージョン番号ではありません。</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>answer to the filler bytes</source>
        <translation>フィラーバイトへの応答</translation>
    </message>
    <message>
        <source>effect information reply</source>
        <translation>エフェクト情報の応答</translation>
    </message>
    <message>
        <source>parameter state reply</source>
        <translation>パラメーター状態の応答</translation>
    </message>
    <message>
        <source>bootloader answer</source>
        <translation>ブートローダーの応答</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>スキャン</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>inside a command, which the synchronisation byte ended</source>
        <translation>コマンドの途中 (同期バイトで終了)</translation>
    </message>
    <message>
        <source>it answered %1</source>
        <translation>%1 と応答しました</translation>
    </message>
    <message>
        <source>no answer to the synchronisation byte nor to %1 filler bytes: the pedal is not in its bootloader</source>
        <translation>同期バイトにも %1 個のフィラーバイトにも応答がありません: ペダルはブートローダーにありません</translation>
    </message>
    <message>
        <source>it answered the filler bytes with %1</source>
        <translation>フィラーバイトに %1 と応答しました</translation>
    </message>
    <message>
        <source>inside a frame a stopped upgrade left, which filler bytes ended</source>
        <translation>中断された更新が残したフレームの途中 (フィラーバイトで終了)</translation>
    </message>
    <message>
        <source>it answered the filler bytes but refused none of the last %1, so it is not known to wait for a command</source>
        <translation>フィラーバイトには応答しましたが、最後の %1 個をどれも拒否しなかったため、コマンドを待っているかどうか分かりません</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>切断</translation>
    </message>
    <message>
        <source>The message to the pedal did not leave within %1 s.</source>
        <translation>ペダルへのメッセージが %1 秒以内に送信されませんでした。</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>デバイス名</translation>
    </message>
    <message>
        <source>No device found</source>
        <translation>デバイスが見つかりません</translation>
    </message>
    <message>
        <source> found, click Connect</source>
        <translation> が見つかりました。「接続」をクリックしてください</translation>
    </message>
    <message>
        <source> connected</source>
        <translation> 接続済み</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>接続済み</translation>
    </message>
    <message>
        <source>Connection to bootloader succeeded, ready for firmware upgrade</source>
        <translation>ブートローダーに接続しました。ファームウェア更新の準備ができています</translation>
    </message>
    <message>
        <source>Connection to bootloader failed</source>
        <translation>ブートローダーへの接続に失敗しました</translation>
    </message>
    <message>
        <source>The pedal did not send its %1 within %2 s.</source>
        <translation>ペダルが %2 秒以内に%1を送信しませんでした。</translation>
    </message>
    <message>
        <source>The pedal did not finish its %1 within %2 s: %3 bytes came, still without its end.</source>
        <translation>ペダルが %2 秒以内に%1を終えませんでした: %3 バイト届きましたが、まだ終わりがありません。</translation>
    </message>
    <message>
        <source>The pedal&apos;s reply cannot be read: line %1 (&quot;%2&quot;) is not a number from 0 to 255.</source>
        <translation>ペダルの応答を読み取れません: %1 行目 (「%2」) が 0 から 255 の数値ではありません。</translation>
    </message>
    <message>
        <source>The pedal&apos;s reply is incomplete: it holds %1 values where %2 were expected.</source>
        <translation>ペダルの応答が不完全です: %2 個の値が必要なところ、%1 個しかありません。</translation>
    </message>
    <message>
        <source>The pedal&apos;s reply does not fit: it holds %1 values where %2 were expected.</source>
        <translation>ペダルの応答が合いません: %2 個の値が必要なところ、%1 個あります。</translation>
    </message>
    <message>
        <source>The pedal&apos;s %1 is incomplete: it stopped after %2 bytes.</source>
        <translation>ペダルの%1が不完全です: %2 バイトで止まりました。</translation>
    </message>
    <message>
        <source>The pedal&apos;s %1 is longer than it can be.</source>
        <translation>ペダルの%1が、あり得る長さを超えています。</translation>
    </message>
    <message>
        <source>Start a firmware upgrade, or power the pedal up without holding the footswitch: the pedal is in its bootloader, which refused to send its %1.</source>
        <translation>ファームウェア更新を開始するか、フットスイッチを押さずにペダルの電源を入れてください: ペダルはブートローダーにあり、%1の送信を拒否しました。</translation>
    </message>
    <message>
        <source>The connection to the pedal was lost (%1). Plug it in again and choose Connect.</source>
        <translation>ペダルとの接続が失われました (%1)。もう一度つないで「接続」を選んでください。</translation>
    </message>
    <message>
        <source>The message does not fit the send buffer and was not sent: %1 bytes, at most %2.</source>
        <translation>メッセージが送信バッファーに収まらないため送信されませんでした: %1 バイト (最大 %2)。</translation>
    </message>
    <message>
        <source>The pedal&apos;s chip took only %1 of %2 bytes; the message was not sent whole.</source>
        <translation>ペダルのチップが受け取ったのは %2 バイト中 %1 バイトだけです。メッセージは完全には送信されませんでした。</translation>
    </message>
    <message>
        <source>%1 was not done: the editor is waiting for the pedal.</source>
        <translation>%1 は実行されませんでした: エディターはペダルを待っています。</translation>
    </message>
    <message>
        <source>%1 was not done: the pedal is not connected.</source>
        <translation>%1 は実行されませんでした: ペダルが接続されていません。</translation>
    </message>
    <message>
        <source>%1 is already running.</source>
        <translation>%1 はすでに実行中です。</translation>
    </message>
    <message>
        <source>ModemManager is running. It tries new serial ports for a mobile-broadband modem and can hold the pedal&apos;s port for a few seconds after the pedal is plugged in.</source>
        <translation>ModemManager が実行中です。モバイルブロードバンドモデムを探して新しいシリアルポートを試すため、ペダルを接続した後の数秒間、そのポートを占有することがあります。</translation>
    </message>
    <message>
        <source>The editor&apos;s udev rule tells it to leave the pedal alone. Without the rule, and if this computer uses no mobile-broadband modem, stop it.</source>
        <translation>エディターの udev ルールは、ペダルに触れないよう ModemManager に指示します。ルールがなく、このコンピューターでモバイルブロードバンドモデムを使っていない場合は停止してください。</translation>
    </message>
    <message>
        <source>brltty, the braille display service, is running. It takes some USB serial chips for braille displays, and a chip it takes gets no serial port.</source>
        <translation>点字ディスプレイのサービス brltty が実行中です。点字ディスプレイ用に一部の USB シリアルチップを取得し、取得されたチップにはシリアルポートが割り当てられません。</translation>
    </message>
    <message>
        <source>If no braille display is attached to this computer, stop it, then unplug the pedal and plug it in again.</source>
        <translation>このコンピューターに点字ディスプレイが接続されていない場合は停止し、ペダルを抜いてもう一度差し込んでください。</translation>
    </message>
    <message>
        <source>gpsd, the GPS service, is running. It opens new USB serial ports to look for a GPS receiver.</source>
        <translation>GPS サービス gpsd が実行中です。GPS 受信機を探すため、新しい USB シリアルポートを開きます。</translation>
    </message>
    <message>
        <source>If this computer uses no GPS receiver, stop it.</source>
        <translation>このコンピューターで GPS 受信機を使っていない場合は停止してください。</translation>
    </message>
    <message>
        <source>Port %1 (given with --port)</source>
        <translation>ポート %1 (--port で指定)</translation>
    </message>
    <message>
        <source>Virtual pedal (--virtual-pedal)</source>
        <translation>仮想ペダル (--virtual-pedal)</translation>
    </message>
    <message>
        <source>The editor&apos;s built-in virtual pedal is attached; it is always ready.</source>
        <translation>エディター内蔵の仮想ペダルが接続されています。常に準備ができています。</translation>
    </message>
    <message>
        <source>USB devices</source>
        <translation>USB デバイス</translation>
    </message>
    <message>
        <source>The list of USB devices (%1/bus/usb/devices) is missing or cannot be read, so no chip can be checked.</source>
        <translation>USB デバイスの一覧 (%1/bus/usb/devices) がないか読み取れないため、チップを確認できません。</translation>
    </message>
    <message>
        <source>No FTDI USB chip is attached: the pedal is not plugged in, not switched on, or its cable carries no data.</source>
        <translation>FTDI の USB チップが接続されていません: ペダルが接続されていないか、電源が入っていないか、ケーブルがデータを通していません。</translation>
    </message>
    <message>
        <source>Connect the pedal with a USB cable that carries data (some cables only charge), switch the pedal on, and try another USB socket.</source>
        <translation>データ通信に対応した USB ケーブル (充電専用のケーブルもあります) でペダルを接続し、電源を入れて、別の USB ポートも試してください。</translation>
    </message>
    <message>
        <source>USB chip &quot;%1&quot; (%2, serial %3)</source>
        <translation>USB チップ「%1」(%2、シリアル番号 %3)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>This is not the pedal&apos;s type of chip (the pedal&apos;s FT230X reports 0403:6015), but the editor lists it all the same.</source>
        <translation>これはペダルの種類のチップではありません (ペダルの FT230X は 0403:6015 を報告します) が、エディターは一覧に表示します。</translation>
    </message>
    <message>
        <source>It has no serial port: a program has taken the chip over directly (through libusb), so the serial driver cannot serve it.</source>
        <translation>シリアルポートがありません: あるプログラムが (libusb を通じて) チップを直接使用しているため、シリアルドライバーが扱えません。</translation>
    </message>
    <message>
        <source> The program is %1.</source>
        <translation> そのプログラムは %1 です。</translation>
    </message>
    <message>
        <source>Close that program, then unplug the pedal and plug it in again.</source>
        <translation>そのプログラムを閉じてから、ペダルを抜いてもう一度差し込んでください。</translation>
    </message>
    <message>
        <source>It has no serial port: the driver %1 holds it instead of the serial driver %2.</source>
        <translation>シリアルポートがありません: シリアルドライバー %2 ではなく、ドライバー %1 がチップを保持しています。</translation>
    </message>
    <message>
        <source>Unplug the pedal and plug it in again.</source>
        <translation>ペダルを抜いてもう一度差し込んでください。</translation>
    </message>
    <message>
        <source>It has no serial port: the kernel&apos;s serial driver for FTDI chips (%1) is not loaded.</source>
        <translation>シリアルポートがありません: FTDI チップ用のカーネルのシリアルドライバー (%1) が読み込まれていません。</translation>
    </message>
    <message>
        <source>Load the driver, then unplug the pedal and plug it in again.</source>
        <translation>ドライバーを読み込んでから、ペダルを抜いてもう一度差し込んでください。</translation>
    </message>
    <message>
        <source>It has no serial port: the serial driver %1 is loaded but has not taken the chip.</source>
        <translation>シリアルポートがありません: シリアルドライバー %1 は読み込まれていますが、チップを取得していません。</translation>
    </message>
    <message>
        <source>%1 cannot be examined: %2.</source>
        <translation>%1 を調べられません: %2。</translation>
    </message>
    <message>
        <source>Its serial port %1 is known to the kernel but does not exist in /dev.</source>
        <translation>シリアルポート %1 はカーネルに認識されていますが、/dev に存在しません。</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 は存在しません。</translation>
    </message>
    <message>
        <source>Check the path. The virtual pedal program names a new pseudo-terminal each time it starts.</source>
        <translation>パスを確認してください。仮想ペダルのプログラムは、起動するたびに新しい疑似端末を作ります。</translation>
    </message>
    <message>
        <source>%1 is not a serial port (not a character device).</source>
        <translation>%1 はシリアルポートではありません (キャラクターデバイスではありません)。</translation>
    </message>
    <message>
        <source>Give the path of a serial port, such as /dev/ttyUSB0.</source>
        <translation>/dev/ttyUSB0 のようなシリアルポートのパスを指定してください。</translation>
    </message>
    <message>
        <source>%1 is open in another program: %2. The pedal answers one program at a time.</source>
        <translation>%1 は別のプログラムで開かれています: %2。ペダルは一度に一つのプログラムにしか応答しません。</translation>
    </message>
    <message>
        <source>Close %1, then choose Connect again.</source>
        <translation>%1 を閉じてから、もう一度「接続」を選んでください。</translation>
    </message>
    <message>
        <source>This editor has %1 open: it is connected.</source>
        <translation>このエディターが %1 を開いています: 接続済みです。</translation>
    </message>
    <message>
        <source>You may open %1, and no other program holds it: ready to connect.</source>
        <translation>%1 を開くことができ、ほかのプログラムも使用していません: 接続の準備ができています。</translation>
    </message>
    <message>
        <source> The desktop gives you access to it.</source>
        <translation> デスクトップによってアクセスが許可されています。</translation>
    </message>
    <message>
        <source> It is served by %1.</source>
        <translation> %1 が提供しています。</translation>
    </message>
    <message>
        <source>only %1 and the members of %2 may read and write it</source>
        <translation>読み書きできるのは %1 と %2 のメンバーだけです</translation>
    </message>
    <message>
        <source>only %1 may read and write it</source>
        <translation>読み書きできるのは %1 だけです</translation>
    </message>
    <message>
        <source>only the members of %1 may read and write it</source>
        <translation>読み書きできるのは %1 のメンバーだけです</translation>
    </message>
    <message>
        <source>only the administrator may read and write it</source>
        <translation>読み書きできるのは管理者だけです</translation>
    </message>
    <message>
        <source>You (%1) may not open %2. It belongs to %3 and the group %4, with the rights %5: %6.</source>
        <translation>あなた (%1) は %2 を開けません。所有者は %3、グループは %4、権限は %5 です: %6。</translation>
    </message>
    <message>
        <source>join the group %1 (%2), then log out and log in again</source>
        <translation>グループ %1 に参加し (%2)、ログアウトしてからもう一度ログインしてください</translation>
    </message>
    <message>
        <source> You are a member of %1, yet the system refuses it (an access list or a security module).</source>
        <translation> あなたは %1 のメンバーですが、それでもシステムが拒否しています (アクセスリストまたはセキュリティモジュール)。</translation>
    </message>
    <message>
        <source> You are a member of %1, but the group may not write to it.</source>
        <translation> あなたは %1 のメンバーですが、このグループには書き込み権限がありません。</translation>
    </message>
    <message>
        <source> You were added to the group %1 after this login began; the membership counts from the next login.</source>
        <translation> あなたは現在のログイン開始後にグループ %1 に追加されました。メンバーシップは次回のログインから有効になります。</translation>
    </message>
    <message>
        <source>Log out and log in again (or restart the computer), then choose Connect.</source>
        <translation>ログアウトしてもう一度ログイン (またはコンピューターを再起動) してから、「接続」を選んでください。</translation>
    </message>
    <message>
        <source> You are not a member of %1.</source>
        <translation> あなたは %1 のメンバーではありません。</translation>
    </message>
    <message>
        <source>Let the user at this computer open the pedal: install the editor&apos;s udev rule with the command below (or the button &quot;Allow access&quot; of the Connection Doctor window), then choose Connect again.</source>
        <translation>このコンピューターのユーザーがペダルを開けるようにしてください: 下のコマンド (または「接続ドクター」ウィンドウの「アクセスを許可」ボタン) でエディターの udev ルールをインストールしてから、もう一度「接続」を選んでください。</translation>
    </message>
    <message>
        <source> Or %1.</source>
        <translation> または、%1。</translation>
    </message>
    <message>
        <source>The editor&apos;s udev rule is installed but has not reached this port yet: unplug the pedal and plug it in again. The rule lets in the user logged in at the computer&apos;s own screen; from a remote login, %1.</source>
        <translation>エディターの udev ルールはインストールされていますが、まだこのポートに適用されていません: ペダルを抜いてもう一度差し込んでください。このルールが許可するのはコンピューター本体の画面でログインしているユーザーです。リモートログインの場合は、%1。</translation>
    </message>
    <message>
        <source>To open it, %1.</source>
        <translation>開くには、%1。</translation>
    </message>
    <message>
        <source>Use a port that belongs to you, or ask the administrator to change its rights.</source>
        <translation>自分が所有するポートを使うか、管理者に権限の変更を依頼してください。</translation>
    </message>
    <message>
        <source>Service %1</source>
        <translation>サービス %1</translation>
    </message>
    <message>
        <source>A pedal is ready to connect.</source>
        <translation>接続できるペダルがあります。</translation>
    </message>
    <message>
        <source>A pedal is ready to connect. A problem with another port is listed below.</source>
        <translation>接続できるペダルがあります。別のポートの問題が下に表示されています。</translation>
    </message>
    <message>
        <source>A pedal is ready to connect. Problems with %1 other ports are listed below.</source>
        <translation>接続できるペダルがあります。ほかの %1 個のポートの問題が下に表示されています。</translation>
    </message>
    <message>
        <source>No pedal is ready to connect. What to do is written with each problem.</source>
        <translation>接続できるペダルがありません。対処方法はそれぞれの問題に書かれています。</translation>
    </message>
    <message>
        <source>    What to do: %1
</source>
        <translation>    対処方法: %1
</translation>
    </message>
    <message>
        <source>Port %1 does not exist.</source>
        <translation>ポート %1 は存在しません。</translation>
    </message>
    <message>
        <source>Port %1 is not a serial port (not a character device).</source>
        <translation>ポート %1 はシリアルポートではありません (キャラクターデバイスではありません)。</translation>
    </message>
    <message>
        <source>Port %1 cannot be examined: %2.</source>
        <translation>ポート %1 を調べられません: %2。</translation>
    </message>
    <message>
        <source>The serial port module of this installation cannot be loaded, so no port can be opened (%1). Reinstall the editor.</source>
        <translation>このインストールのシリアルポートモジュールを読み込めないため、ポートを開けません (%1)。エディターを再インストールしてください。</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>アップロード</translation>
    </message>
    <message>
        <source>check the image</source>
        <translation>イメージの確認</translation>
    </message>
    <message>
        <source>write the image</source>
        <translation>イメージの書き込み</translation>
    </message>
    <message>
        <source>answer to the upload</source>
        <translation>アップロードへの応答</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>アップロード中...</translation>
    </message>
    <message>
        <source>There is no image to upload for %1. For an impulse response effect, load a WAV file first (File &gt; Load IR).</source>
        <translation>%1 にはアップロードするイメージがありません。インパルス応答エフェクトの場合は、先に WAV ファイルを読み込んでください (ファイル &gt; IRを読み込む)。</translation>
    </message>
    <message>
        <source>The image of %1 cannot be uploaded: it is damaged at character %2.</source>
        <translation>%1 のイメージはアップロードできません: %2 文字目で壊れています。</translation>
    </message>
    <message>
        <source>The image of %1 cannot be uploaded: it has %2 bytes, at most %3 fit.</source>
        <translation>%1 のイメージはアップロードできません: %2 バイトありますが、収まるのは最大 %3 バイトです。</translation>
    </message>
    <message>
        <source>Firmware Version: </source>
        <translation>ファームウェアバージョン: </translation>
    </message>
    <message>
        <source>The pedal&apos;s effect information reply cannot be read: it holds %1 lines where 4 were expected.</source>
        <translation>エフェクト情報の応答を読み取れません: 4 行必要なところ、%1 行あります。</translation>
    </message>
    <message>
        <source>The pedal&apos;s effect information reply cannot be read: line %1 (&quot;%2&quot;) is not a number.</source>
        <translation>エフェクト情報の応答を読み取れません: %1 行目 (「%2」) が数値ではありません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a MIDI channel: give 1 to 16, or OMNI.</source>
        <translation>「%1」は MIDI チャンネルではありません: 1 から 16、または OMNI を指定してください。</translation>
    </message>
    <message>
        <source>Connect the pedal with a USB cable that carries data (some cables only charge), switch the pedal on, and try another USB socket. If it is plugged in, check that the system has a driver for FTDI chips.</source>
        <translation>データ通信ができる USB ケーブル (充電専用のケーブルもあります) でペダルを接続し、ペダルの電源を入れて、別の USB ポートも試してください。接続済みの場合は、システムに FTDI チップ用のドライバーがあるか確認してください。</translation>
    </message>
    <message>
        <source>Its serial port %1 is listed but cannot be found.</source>
        <translation>シリアルポート %1 は一覧にありますが、見つかりません。</translation>
    </message>
    <message>
        <source>%1 cannot be opened (%2): another program may hold it (the pedal answers one program at a time), or you may not open it.</source>
        <translation>%1 を開けません (%2)。別のプログラムが使用している (ペダルは一度に 1 つのプログラムにしか応答しません) か、開く権限がありません。</translation>
    </message>
    <message>
        <source>Close any other program that uses the pedal, then choose Connect again. If none does, unplug the pedal and plug it in again.</source>
        <translation>ペダルを使用している他のプログラムを閉じてから、もう一度「接続」を選んでください。該当するものがなければ、ペダルを抜いて挿し直してください。</translation>
    </message>
</context>
<context>
    <name>Params</name>
    <message>
        <source>The image of &quot;%1&quot; holds no addresses for its %2 controls.</source>
        <translation>「%1」のイメージには、%2 個のコントロールのアドレスがありません。</translation>
    </message>
    <message>
        <source>The control description of &quot;%1&quot; cannot be used: %2.</source>
        <translation>「%1」のコントロール記述は使用できません: %2。</translation>
    </message>
    <message>
        <source>its first line must begin with three count digits</source>
        <translation>最初の行は 3 桁のカウント数字で始まる必要があります</translation>
    </message>
    <message>
        <source>the count digit &quot;%1&quot; is not 0 to 9 or A to F</source>
        <translation>カウント数字「%1」が 0〜9 または A〜F ではありません</translation>
    </message>
    <message>
        <source>it declares no controls</source>
        <translation>コントロールが 1 つも宣言されていません</translation>
    </message>
    <message>
        <source>it declares %1 controls, more than the %2 its image has addresses for</source>
        <translation>%1 個のコントロールが宣言されていて、イメージにアドレスがある %2 個を超えています</translation>
    </message>
    <message>
        <source>it declares %1 readbacks, more than %2</source>
        <translation>%1 個のリードバックが宣言されていて、%2 個を超えています</translation>
    </message>
    <message>
        <source>it has %1 lines, fewer than the %2 its counts call for</source>
        <translation>%1 行しかなく、カウントが求める %2 行より少なくなっています</translation>
    </message>
    <message>
        <source>control %1 (&quot;%2&quot;) is a multi switch without options (no &quot;;&quot;)</source>
        <translation>コントロール %1 (「%2」) は選択肢のないマルチスイッチです (「;」がありません)</translation>
    </message>
    <message>
        <source>it declares %1 controls, but its image declares %2</source>
        <translation>%1 個のコントロールが宣言されていますが、イメージでは %2 個です</translation>
    </message>
    <message>
        <source>The pedal&apos;s parameter state reply is incomplete: it holds %1 values where %2 were expected.</source>
        <translation>パラメーター状態の応答が不完全です: %2 個の値が必要なところ、%1 個しかありません。</translation>
    </message>
    <message>
        <source>The pedal&apos;s parameter state reply cannot be right: control %1 reads %2, outside 0 to 1023.</source>
        <translation>パラメーター状態の応答は正しくありえません: コントロール %1 の値が %2 で、0〜1023 の範囲外です。</translation>
    </message>
    <message>
        <source>The pedal&apos;s parameter state reply cannot be told from a stray line: it holds %1 values where %2 were expected.</source>
        <translation>パラメーター状態の応答を紛れ込んだ行と区別できません: %2 個の値が必要なところ、%1 個あります。</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Bypass on and off</source>
        <translation>バイパスのオン/オフ</translation>
    </message>
    <message>
        <source>Preset change</source>
        <translation>プリセット切り替え</translation>
    </message>
    <message>
        <source>Not assigned to any of the pedal&apos;s controls (--).</source>
        <translation>ペダルのどのコントロールにも割り当てられていません (--)。</translation>
    </message>
    <message>
        <source>This effect&apos;s footswitch latches: press once for on, again for off.</source>
        <translation>このエフェクトのフットスイッチはラッチ式です: 1 回押すとオン、もう一度押すとオフになります。</translation>
    </message>
    <message>
        <source>This effect&apos;s footswitch is momentary: it acts while held down.</source>
        <translation>このエフェクトのフットスイッチはモーメンタリー式です: 押している間だけ働きます。</translation>
    </message>
    <message>
        <source>&lt;byte-order mark&gt;</source>
        <translation>&lt;バイトオーダーマーク&gt;</translation>
    </message>
    <message>
        <source>line %1 holds %2, but %3 is written as %4 hexadecimal digits.</source>
        <translation>%1 行目は %2 ですが、%3 は %4 桁の 16 進数で書かれます。</translation>
    </message>
    <message>
        <source>the open effect has no controls.</source>
        <translation>開いているエフェクトにはコントロールがありません。</translation>
    </message>
    <message>
        <source>the values of the open effect have not been read.</source>
        <translation>開いているエフェクトの値はまだ読み込まれていません。</translation>
    </message>
    <message>
        <source>a preset holds 1 to %1 controls, not %2.</source>
        <translation>プリセットのコントロール数は 1〜%1 個で、%2 個ではありません。</translation>
    </message>
    <message>
        <source>the effect number %1 does not fit a preset.</source>
        <translation>エフェクト番号 %1 はプリセットに収まりません。</translation>
    </message>
    <message>
        <source>the effect version %1 does not fit a preset.</source>
        <translation>エフェクトバージョン %1 はプリセットに収まりません。</translation>
    </message>
    <message>
        <source>the file holds %1; a preset starts with 3 lines: effect number, effect version, number of controls.</source>
        <translation>ファイルの内容は %1 です。プリセットは 3 行 (エフェクト番号、エフェクトバージョン、コントロール数) で始まります。</translation>
    </message>
    <message>
        <source>the effect number</source>
        <translation>エフェクト番号</translation>
    </message>
    <message>
        <source>the effect version</source>
        <translation>エフェクトバージョン</translation>
    </message>
    <message>
        <source>the number of controls</source>
        <translation>コントロール数</translation>
    </message>
    <message>
        <source>line 3 gives 0 controls; a preset holds at least one.</source>
        <translation>3 行目のコントロール数が 0 です。プリセットには少なくとも 1 つ必要です。</translation>
    </message>
    <message>
        <source>the file ends after line %1, but it announces %2 controls, whose values take lines 4 to %3.</source>
        <translation>ファイルは %1 行目で終わっていますが、%2 個のコントロールがあると宣言しており、その値は 4 行目から %3 行目までを占めるはずです。</translation>
    </message>
    <message>
        <source>the value of control %1</source>
        <translation>コントロール %1 の値</translation>
    </message>
    <message>
        <source>the file holds %1, but a preset of %2 controls has %3 to %4 lines.</source>
        <translation>ファイルの内容は %1 ですが、%2 個のコントロールのプリセットは %3〜%4 行です。</translation>
    </message>
    <message>
        <source>the assignment of control %1</source>
        <translation>コントロール %1 の割り当て</translation>
    </message>
    <message>
        <source>the assignment of readback %1</source>
        <translation>リードバック %1 の割り当て</translation>
    </message>
    <message>
        <source>The preset holds no assignments: the pedal&apos;s stay as they are.</source>
        <translation>このプリセットには割り当てが含まれていません: ペダルの割り当てはそのままです。</translation>
    </message>
    <message>
        <source>cannot be read: </source>
        <translation>読み込めません: </translation>
    </message>
    <message>
        <source>its file name is not UTF-8 text, so the editor cannot open it: rename it in a file manager.</source>
        <translation>ファイル名が UTF-8 テキストではないため、エディターで開けません: ファイルマネージャーで名前を変更してください。</translation>
    </message>
    <message>
        <source>A preset needs a name.</source>
        <translation>プリセットには名前が必要です。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file name: a preset stays in its folder.</source>
        <translation>「%1」はファイル名ではありません: プリセットは自分のフォルダーに置かれます。</translation>
    </message>
    <message>
        <source>A preset named &quot;%1&quot; exists already.</source>
        <translation>「%1」という名前のプリセットはすでに存在します。</translation>
    </message>
    <message>
        <source>An impulse response named &quot;%1&quot; exists already.</source>
        <translation>「%1」という名前のインパルス応答がすでにあります。</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>No pedal found. Check the USB cable, or open Connection &gt; Diagnose.</source>
        <translation>ペダルが見つかりません。USB ケーブルを確認するか、「接続 &gt; 診断」を開いてください。</translation>
    </message>
    <message>
        <source>The pedal&apos;s USB connection did not respond. Unplug the pedal, plug it in again and choose Connect.</source>
        <translation>ペダルの USB 接続が応答しませんでした。ペダルを抜いてもう一度差し込み、「接続」を選んでください。</translation>
    </message>
    <message>
        <source>The pedal did not answer. Check that it is powered and connected, then try again. A pedal powered up with the footswitch held is in its bootloader: tick Connection &gt; Upgrade Mode to upgrade its firmware.</source>
        <translation>ペダルが応答しませんでした。電源が入っていて接続されていることを確認してから、もう一度お試しください。フットスイッチを押したまま電源を入れたペダルはブートローダーにあります: ファームウェアを更新するには「接続 &gt; アップグレードモード」にチェックを入れてください。</translation>
    </message>
    <message>
        <source>The pedal&apos;s answer could not be read. Try again; if it happens again, power the pedal off and on.</source>
        <translation>ペダルの応答を読み取れませんでした。もう一度お試しください。再び起きる場合は、ペダルの電源を切ってから入れ直してください。</translation>
    </message>
    <message>
        <source>The pedal did not answer as its bootloader, so the editor stays connected to its firmware. To upgrade it, power the pedal up with the footswitch held, then tick Upgrade Mode again.</source>
        <translation>ペダルがブートローダーとして応答しなかったため、エディターはファームウェアに接続したままです。更新するには、フットスイッチを押したままペダルの電源を入れてから、もう一度「アップグレードモード」にチェックを入れてください。</translation>
    </message>
    <message>
        <source>The firmware upgrade did not finish. Keep the pedal connected and start the upgrade again.</source>
        <translation>ファームウェア更新が完了しませんでした。ペダルを接続したまま、もう一度更新を開始してください。</translation>
    </message>
    <message>
        <source>Upgrade Mode changes only while the pedal is not connected.</source>
        <translation>アップグレードモードは、ペダルが接続されていないときにだけ切り替えられます。</translation>
    </message>
    <message>
        <source>The values are for %1 controls, the running effect has %2.</source>
        <translation>値は %1 個のコントロール用ですが、実行中のエフェクトには %2 個あります。</translation>
    </message>
    <message>
        <source>that it runs no effect</source>
        <translation>エフェクトを実行していないこと</translation>
    </message>
    <message>
        <source>The firmware upgrade needs the pedal&apos;s bootloader: tick Upgrade Mode, power the pedal up with the footswitch held and connect again.</source>
        <translation>ファームウェア更新にはペダルのブートローダーが必要です: 「アップグレードモード」にチェックを入れ、フットスイッチを押したままペダルの電源を入れて、もう一度接続してください。</translation>
    </message>
    <message>
        <source>The pedal is not connected. Choose Connection &gt; Connect first.</source>
        <translation>ペダルが接続されていません。先に「接続 &gt; 接続」を選んでください。</translation>
    </message>
    <message>
        <source>The pedal is in its bootloader, which only takes a firmware upgrade. Start the upgrade, or disconnect and power the pedal up without holding the footswitch.</source>
        <translation>ペダルはブートローダーにあり、ファームウェア更新しか受け付けません。更新を開始するか、切断してからフットスイッチを押さずにペダルの電源を入れてください。</translation>
    </message>
    <message>
        <source>The firmware upgrade is running; wait for it to end.</source>
        <translation>ファームウェア更新の実行中です。終わるまでお待ちください。</translation>
    </message>
    <message>
        <source>The pedal runs no effect yet. Choose an effect in the list and click Upload Selected Effect to put one on it.</source>
        <translation>ペダルはまだエフェクトを実行していません。一覧からエフェクトを選び、「選択したエフェクトをアップロード」をクリックして書き込んでください。</translation>
    </message>
    <message>
        <source>The editor does not know the pedal&apos;s effect yet: click Open FX first.</source>
        <translation>エディターはまだペダルのエフェクトを把握していません: 先に「FXを開く」をクリックしてください。</translation>
    </message>
    <message>
        <source>The editor has not read the pedal&apos;s assignments yet: click Request first.</source>
        <translation>エディターはまだペダルの割り当てを読み込んでいません: 先に「読み出し」をクリックしてください。</translation>
    </message>
    <message>
        <source>The pedal reports effect number %1, which this editor&apos;s effect list does not hold. Upload an effect from the list to replace it.</source>
        <translation>ペダルはエフェクト番号 %1 を報告していますが、このエディターのエフェクト一覧にはありません。一覧のエフェクトをアップロードして置き換えてください。</translation>
    </message>
    <message>
        <source>The upload of %1 failed: the pedal now reports %2. Upload it again.</source>
        <translation>%1 のアップロードに失敗しました: ペダルは現在 %2 を報告しています。もう一度アップロードしてください。</translation>
    </message>
    <message>
        <source>The image of &quot;%1&quot; holds &quot;%2&quot; as the address of control %3, which is not a parameter address.</source>
        <translation>「%1」のイメージには、コントロール %3 のアドレスとして「%2」がありますが、これはパラメーターアドレスではありません。</translation>
    </message>
    <message>
        <source>The running effect has no control %1.</source>
        <translation>実行中のエフェクトにはコントロール %1 がありません。</translation>
    </message>
    <message>
        <source>The preset is for effect %1, but the pedal runs effect %2 &quot;%3&quot;: upload that effect first.</source>
        <translation>このプリセットはエフェクト %1 用ですが、ペダルはエフェクト %2「%3」を実行しています: 先にそのエフェクトをアップロードしてください。</translation>
    </message>
    <message>
        <source>The preset holds %1 controls, but &quot;%2&quot; has %3: it was not loaded.</source>
        <translation>このプリセットには %1 個のコントロールがありますが、「%2」には %3 個あります: 読み込まれませんでした。</translation>
    </message>
    <message>
        <source>the editor has not read the running effect&apos;s values: click Request first.</source>
        <translation>エディターは実行中のエフェクトの値を読み込んでいません: 先に「読み出し」をクリックしてください。</translation>
    </message>
    <message>
        <source>the pedal is not connected.</source>
        <translation>ペダルが接続されていません。</translation>
    </message>
    <message>
        <source>the pedal runs another effect.</source>
        <translation>ペダルが別のエフェクトを実行しています。</translation>
    </message>
    <message>
        <source>The pedal answered &quot;%1&quot;, but nothing shows that it took the image: it reports the same effect with the same values as before the upload. Upload it again if it does not sound new.</source>
        <translation>ペダルは「%1」と応答しましたが、イメージを受け取ったことを示すものがありません: アップロード前と同じエフェクトと同じ値を報告しています。音が変わっていなければ、もう一度アップロードしてください。</translation>
    </message>
    <message>
        <source>Compare is on: the pedal plays the sound as stored. Click Compare to go back to your edits first.</source>
        <translation>比較がオンです: ペダルは保存されたサウンドを鳴らしています。先に「比較」をクリックして編集内容に戻ってください。</translation>
    </message>
    <message>
        <source>There is no stored sound to compare with yet: click Request first.</source>
        <translation>比較する保存済みサウンドがまだありません: 先に「読み出し」をクリックしてください。</translation>
    </message>
    <message>
        <source>The image of &quot;%1&quot; cannot be read: %2</source>
        <translation>「%1」のイメージを読み取れません: %2</translation>
    </message>
</context>
<context>
    <name>kx::ConnectionDoctor</name>
    <message>
        <source>Connection Doctor</source>
        <translation>接続ドクター</translation>
    </message>
    <message>
        <source>Command for a terminal:</source>
        <translation>ターミナル用のコマンド:</translation>
    </message>
    <message>
        <source>&amp;Allow access…</source>
        <translation>アクセスを許可(&amp;A)…</translation>
    </message>
    <message>
        <source>The rule is installed. If the pedal is still refused, unplug it and plug it in again, then choose Connect.</source>
        <translation>ルールをインストールしました。それでもペダルが拒否される場合は、ペダルを抜いてもう一度差し込み、「接続」を選んでください。</translation>
    </message>
    <message>
        <source>The rule was not installed (the administrator&apos;s password was not given, or the command failed). You can run the command shown in a terminal instead.</source>
        <translation>ルールはインストールされませんでした (管理者のパスワードが入力されなかったか、コマンドが失敗しました)。代わりに、表示されたコマンドをターミナルで実行できます。</translation>
    </message>
    <message>
        <source>pkexec, which asks for the administrator&apos;s password, is not installed: run the command in a terminal instead.</source>
        <translation>管理者のパスワードを尋ねる pkexec がインストールされていません: 代わりにコマンドをターミナルで実行してください。</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>準備完了</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>注意</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>問題</translation>
    </message>
    <message>
        <source>&amp;Copy command</source>
        <translation>コマンドをコピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Diagnose again</source>
        <translation>再診断(&amp;D)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>診断結果</translation>
    </message>
    <message>
        <source>No command is needed.</source>
        <translation>コマンドは必要ありません。</translation>
    </message>
    <message>
        <source>Command for a terminal</source>
        <translation>ターミナル用のコマンド</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>コマンドをコピー</translation>
    </message>
    <message>
        <source>Allow access</source>
        <translation>アクセスを許可</translation>
    </message>
    <message>
        <source>Installs the editor&apos;s udev rule with the administrator&apos;s password</source>
        <translation>管理者のパスワードでエディターの udev ルールをインストールします</translation>
    </message>
    <message>
        <source>Diagnose again</source>
        <translation>再診断</translation>
    </message>
    <message>
        <source>The editor is connected to %1.</source>
        <translation>エディターは %1 に接続しています。</translation>
    </message>
    <message>
        <source>&lt;br&gt;&lt;i&gt;What to do:&lt;/i&gt; %1</source>
        <translation>&lt;br&gt;&lt;i&gt;対処方法:&lt;/i&gt; %1</translation>
    </message>
</context>
<context>
    <name>kx::TformAbout</name>
    <message>
        <source>Library</source>
        <translation>ライブラリ</translation>
    </message>
    <message>
        <source>Used for</source>
        <translation>用途</translation>
    </message>
    <message>
        <source>License</source>
        <translation>ライセンス</translation>
    </message>
    <message>
        <source>Copyright file</source>
        <translation>著作権ファイル</translation>
    </message>
    <message>
        <source>The license texts named here are in /usr/share/common-licenses. The system libraries that these load in turn (fonts, images, the audio codecs of libsndfile) come with your system, each with its own copyright file.</source>
        <translation>ここに記載したライセンスの本文は /usr/share/common-licenses にあります。これらがさらに読み込むシステムライブラリ (フォント、画像、libsndfile のオーディオコーデック) はシステムに付属しており、それぞれに著作権ファイルがあります。</translation>
    </message>
    <message>
        <source>About Kestrel X Editor</source>
        <translation>Kestrel X Editor について</translation>
    </message>
    <message>
        <source>Kestrel X Editor</source>
        <translation>Kestrel X Editor</translation>
    </message>
    <message>
        <source>Libraries and licenses:</source>
        <translation>ライブラリとライセンス:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Version %1, built on %2
Qt %3 (built with Qt %4), QCoro %5
For the Kestrel X pedal by NORVA.</source>
        <translation>バージョン %1、ビルド日 %2
Qt %3 (Qt %4 でビルド)、QCoro %5
NORVA の Kestrel X ペダル用。</translation>
    </message>
</context>
<context>
    <name>kx::TformAssignmentMap</name>
    <message>
        <source>Open an effect (Open FX, or click it in the list) to see what the pedal&apos;s controls drive.</source>
        <translation>ペダルのコントロールが何を操作するかを見るには、エフェクトを開いてください (「FXを開く」、または一覧でクリック)。</translation>
    </message>
    <message>
        <source>This effect does not run on the pedal: its assignments can be seen but not changed.</source>
        <translation>このエフェクトはペダルで実行されていません: 割り当ては表示できますが、変更はできません。</translation>
    </message>
    <message>
        <source>A change here is sent to the pedal at once, like the parameters window&apos;s boxes and Assign.</source>
        <translation>ここでの変更は、パラメーターウィンドウのボックスや「割り当て」と同様に、すぐにペダルへ送信されます。</translation>
    </message>
    <message>
        <source>Shared: %1 follow this one control.</source>
        <translation>共有: %1 がこの 1 つのコントロールに従います。</translation>
    </message>
    <message>
        <source>Knobs</source>
        <translation>ノブ</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>ボタン</translation>
    </message>
    <message>
        <source>Footswitch</source>
        <translation>フットスイッチ</translation>
    </message>
    <message>
        <source>Remote and expression pedal</source>
        <translation>リモートとエクスプレッションペダル</translation>
    </message>
    <message>
        <source>Lights</source>
        <translation>ランプ</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 と %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>No effect open</source>
        <translation>エフェクトが開かれていません</translation>
    </message>
    <message>
        <source>Assignment Map</source>
        <translation>アサインマップ</translation>
    </message>
</context>
<context>
    <name>kx::TformFXInfo</name>
    <message>
        <source>Effect information page</source>
        <translation>エフェクト情報ページ</translation>
    </message>
</context>
<context>
    <name>kx::TformFXParameters</name>
    <message>
        <source>FX Parameters</source>
        <translation>FX パラメーター</translation>
    </message>
    <message>
        <source>not assignable</source>
        <translation>割り当て不可</translation>
    </message>
    <message>
        <source>The pedal&apos;s controls can drive the first 16 controls of an effect only</source>
        <translation>ペダルのコントロールで操作できるのは、エフェクトの最初の 16 個のコントロールだけです</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>値</translation>
    </message>
    <message>
        <source>Pedal control</source>
        <translation>ペダル操作</translation>
    </message>
    <message>
        <source>%1 value</source>
        <translation>%1 の値</translation>
    </message>
    <message>
        <source>%1 assignment</source>
        <translation>%1 の割り当て</translation>
    </message>
    <message>
        <source>Bypass</source>
        <translation>バイパス</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>プリセット</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>行</translation>
    </message>
    <message>
        <source>The parameters window has no pedal link.</source>
        <translation>パラメーターウィンドウにペダルとのリンクがありません。</translation>
    </message>
    <message>
        <source>Control %1 is not a pot.</source>
        <translation>コントロール %1 はポットではありません。</translation>
    </message>
    <message>
        <source>Control %1 is not a switch.</source>
        <translation>コントロール %1 はスイッチではありません。</translation>
    </message>
    <message>
        <source>Control %1 is not a multi switch.</source>
        <translation>コントロール %1 はマルチスイッチではありません。</translation>
    </message>
    <message>
        <source>The assignments can be changed once the pedal runs the effect and its settings have been read.</source>
        <translation>割り当ては、ペダルがエフェクトを実行していて、その設定が読み込まれた後に変更できます。</translation>
    </message>
    <message>
        <source>%1 unassigned</source>
        <translation>%1 割り当てなし</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%2 に %1</translation>
    </message>
    <message>
        <source>Preset change</source>
        <translation>プリセット切り替え</translation>
    </message>
    <message>
        <source>Assign parameters?</source>
        <translation>パラメーターを割り当てますか?</translation>
    </message>
    <message>
        <source>Bypass Toggle</source>
        <translation>バイパス切り替え</translation>
    </message>
    <message>
        <source>Preset Change</source>
        <translation>プリセット切り替え</translation>
    </message>
    <message>
        <source>Preview only</source>
        <translation>プレビューのみ</translation>
    </message>
    <message>
        <source>Playing: the preset</source>
        <translation>再生中: プリセット</translation>
    </message>
    <message>
        <source>Playing: stored sound</source>
        <translation>再生中: 保存済みサウンド</translation>
    </message>
    <message>
        <source>Playing: your edits</source>
        <translation>再生中: 編集内容</translation>
    </message>
    <message>
        <source>Compare needs the running effect&apos;s values read first.</source>
        <translation>比較するには、先に実行中のエフェクトの値を読み出す必要があります。</translation>
    </message>
    <message>
        <source>The pedal plays the sound as stored, to compare. Go back to your edits and make this change there, or keep the stored sound and change it (your edits are let go)?</source>
        <translation>ペダルは比較のため保存されたサウンドを鳴らしています。編集内容に戻ってそこで変更しますか? それとも保存済みサウンドのまま変更しますか (編集内容は破棄されます)?</translation>
    </message>
    <message>
        <source>Back to my edits</source>
        <translation>編集内容に戻る</translation>
    </message>
    <message>
        <source>Keep the stored sound</source>
        <translation>保存済みサウンドのままにする</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>The reset needs the running effect&apos;s values read first.</source>
        <translation>リセットするには、先に実行中のエフェクトの値を読み出す必要があります。</translation>
    </message>
    <message>
        <source>The pedal plays the sound as stored, to compare. Go back to your edits and reset them, or reset from the stored sound (your edits are let go)?</source>
        <translation>ペダルは比較のため保存されたサウンドを鳴らしています。編集内容に戻ってリセットしますか? それとも保存済みサウンドからリセットしますか (編集内容は破棄されます)?</translation>
    </message>
    <message>
        <source>Reset to the effect&apos;s values</source>
        <translation>エフェクトの値にリセット</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>比較</translation>
    </message>
    <message>
        <source>Switch the pedal between your edits and the sound as stored on the pedal or loaded from a preset (Ctrl+K)</source>
        <translation>ペダルを、編集内容と、ペダルに保存された、またはプリセットから読み込んだサウンドとの間で切り替えます (Ctrl+K)</translation>
    </message>
</context>
<context>
    <name>kx::TformFirmwareUpgrade</name>
    <message>
        <source>Firmware Upgrade</source>
        <translation>ファームウェア更新</translation>
    </message>
    <message>
        <source>Upgrade Firmware</source>
        <translation>ファームウェアを更新</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Cancelling after this chunk</source>
        <translation>このチャンクの後でキャンセルします</translation>
    </message>
    <message>
        <source>Choose firmware</source>
        <translation>ファームウェアを選択</translation>
    </message>
    <message>
        <source>Resynchronising…</source>
        <translation>再同期中…</translation>
    </message>
    <message>
        <source>Erasing…</source>
        <translation>消去中…</translation>
    </message>
    <message>
        <source>Writing record…</source>
        <translation>レコードを書き込み中…</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>起動中…</translation>
    </message>
    <message>
        <source>Firmware %1 (%2)</source>
        <translation>ファームウェア %1 (%2)</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>ファームウェア</translation>
    </message>
    <message>
        <source>Stop the upgrade after the chunk being written</source>
        <translation>書き込み中のチャンクの後で更新を停止します</translation>
    </message>
    <message>
        <source>Upgrade progress</source>
        <translation>更新の進行状況</translation>
    </message>
    <message>
        <source>Not started</source>
        <translation>未開始</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>キャンセルされました</translation>
    </message>
    <message>
        <source>Upgrade failed</source>
        <translation>更新に失敗しました</translation>
    </message>
    <message>
        <source>Chunk %1 failed</source>
        <translation>チャンク %1 に失敗しました</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Chunk %1 of %2</source>
        <translation>チャンク %1/%2</translation>
    </message>
    <message>
        <source>Firmware Upgrade Complete, device will now restart</source>
        <translation>ファームウェア更新が完了しました。デバイスを再起動します</translation>
    </message>
    <message>
        <source>Upgrade the pedal to %1? Do not unplug the pedal or switch it off until &quot;Firmware Upgrade Complete&quot; appears.</source>
        <translation>ペダルを %1 に更新しますか?「ファームウェア更新が完了しました」と表示されるまで、ペダルを抜いたり電源を切ったりしないでください。</translation>
    </message>
    <message>
        <source>To start the pedal in its bootloader, unplug it, then plug it in again while holding its footswitch down, and connect with Upgrade Mode ticked.</source>
        <translation>ペダルをブートローダーで起動するには、ペダルを抜き、フットスイッチを押したままもう一度差し込んでから、「アップグレードモード」にチェックを入れて接続してください。</translation>
    </message>
</context>
<context>
    <name>kx::TformGuide</name>
    <message>
        <source>Kestrel X Editor User Guide</source>
        <translation>Kestrel X Editor ユーザーガイド</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目次(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>戻る(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>進む(&amp;F)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>ユーザーガイド</translation>
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
        <translation>インパルス応答の読み込み方:</translation>
    </message>
    <message>
        <source>1) Select an IR load algorithm in Impulse Response category</source>
        <translation>1) Impulse Response カテゴリーで IR 読み込みアルゴリズムを選択します</translation>
    </message>
    <message>
        <source>2) Go to File and click Load IR, choose the desired WAV file</source>
        <translation>2) 「ファイル」の「IRを読み込む」をクリックし、目的の WAV ファイルを選びます</translation>
    </message>
    <message>
        <source>3) Click UPLOAD SELECTED EFFECT button</source>
        <translation>3) 「選択したエフェクトをアップロード」ボタンをクリックします</translation>
    </message>
    <message>
        <source>Waveform of the loaded samples</source>
        <translation>読み込んだサンプルの波形</translation>
    </message>
    <message>
        <source>Magnitude response of the loaded samples</source>
        <translation>読み込んだサンプルの振幅特性</translation>
    </message>
    <message>
        <source>Load IR</source>
        <translation>IRを読み込む</translation>
    </message>
    <message>
        <source>Waveform at %1 kHz: the first %2 samples (%3 ms) are loaded</source>
        <translation>%1 kHz の波形: 最初の %2 サンプル (%3 ms) を読み込みます</translation>
    </message>
    <message>
        <source>Nothing loaded yet</source>
        <translation>まだ何も読み込まれていません</translation>
    </message>
    <message>
        <source>loaded</source>
        <translation>読み込み済み</translation>
    </message>
    <message>
        <source>not loaded</source>
        <translation>読み込まれない部分</translation>
    </message>
    <message>
        <source>&amp;Trim the silence before the first peak</source>
        <translation>最初のピーク前の無音をトリム(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Normalise the peak</source>
        <translation>ピークをノーマライズ(&amp;N)</translation>
    </message>
    <message>
        <source>Peak level (dB):</source>
        <translation>ピークレベル (dB):</translation>
    </message>
    <message>
        <source>&amp;Fade out before the cut</source>
        <translation>カット前にフェードアウト(&amp;F)</translation>
    </message>
    <message>
        <source>Fade length (ms):</source>
        <translation>フェードの長さ (ms):</translation>
    </message>
    <message>
        <source>Import &amp;again with these tools</source>
        <translation>これらのツールで再インポート(&amp;A)</translation>
    </message>
    <message>
        <source>Last imports for this effect (kept after a restart):</source>
        <translation>このエフェクトの最近のインポート (再起動後も保持):</translation>
    </message>
    <message>
        <source>&amp;Use this import</source>
        <translation>このインポートを使用(&amp;U)</translation>
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
        <translation>トリム済み</translation>
    </message>
    <message>
        <source>normalised to %1 dB</source>
        <translation>%1 dB にノーマライズ</translation>
    </message>
    <message>
        <source>faded over %1 ms</source>
        <translation>%1 ms でフェード</translation>
    </message>
    <message>
        <source>Peak level (dB)</source>
        <translation>ピークレベル (dB)</translation>
    </message>
    <message>
        <source>Fade length (ms)</source>
        <translation>フェードの長さ (ms)</translation>
    </message>
    <message>
        <source>Last imports for this effect</source>
        <translation>このエフェクトの最近のインポート</translation>
    </message>
</context>
<context>
    <name>kx::TformMain</name>
    <message>
        <source>&amp;System</source>
        <translation>システム(&amp;S)</translation>
    </message>
    <message>
        <source>The option --port needs a port path.</source>
        <translation>オプション --port にはポートのパスが必要です。</translation>
    </message>
    <message>
        <source>The editor&apos;s settings were not read: %1 The file is set aside as %2; the defaults are used.</source>
        <translation>エディターの設定を読み込めませんでした: %1 ファイルは %2 として退避し、既定値を使います。</translation>
    </message>
    <message>
        <source>The editor&apos;s settings were not read: %1 It could not be set aside (%2); the defaults are used and nothing is remembered.</source>
        <translation>エディターの設定を読み込めませんでした: %1 ファイルを退避できなかったため (%2)、既定値を使い、何も記憶しません。</translation>
    </message>
    <message>
        <source>Kestrel X Editor</source>
        <translation>Kestrel X Editor</translation>
    </message>
    <message>
        <source>Device Name: </source>
        <translation>デバイス名: </translation>
    </message>
    <message>
        <source>The built-in virtual pedal runs its firmware. Restart it in its bootloader, as a pedal powered up with its footswitch held, so that you can try the whole upgrade?</source>
        <translation>内蔵の仮想ペダルはファームウェアを実行しています。更新全体を試せるよう、フットスイッチを押したまま電源を入れたペダルと同じように、ブートローダーで再起動しますか?</translation>
    </message>
    <message>
        <source>Restart in bootloader</source>
        <translation>ブートローダーで再起動</translation>
    </message>
    <message>
        <source>Leave it running</source>
        <translation>そのまま実行</translation>
    </message>
    <message>
        <source>Serial Number: </source>
        <translation>シリアル番号: </translation>
    </message>
    <message>
        <source>Firmware Version: </source>
        <translation>ファームウェアバージョン: </translation>
    </message>
    <message>
        <source>Upload Selected Effect</source>
        <translation>選択したエフェクトをアップロード</translation>
    </message>
    <message>
        <source>Open FX</source>
        <translation>FXを開く</translation>
    </message>
    <message>
        <source>Request</source>
        <translation>読み出し</translation>
    </message>
    <message>
        <source>Assign</source>
        <translation>割り当て</translation>
    </message>
    <message>
        <source>Store Settings On Pedal</source>
        <translation>設定をペダルに保存</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>Effect information</source>
        <translation>エフェクト情報</translation>
    </message>
    <message>
        <source>Effect categories</source>
        <translation>エフェクトカテゴリー</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>エフェクト</translation>
    </message>
    <message>
        <source>Firmware Upgrade Mode</source>
        <translation>ファームウェアアップグレードモード</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>メニューバー</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>L&amp;oad Configuration</source>
        <translation>構成を読み込む(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save Configuration</source>
        <translation>構成を保存(&amp;S)</translation>
    </message>
    <message>
        <source>Preset &amp;Library…</source>
        <translation>プリセットライブラリ(&amp;L)…</translation>
    </message>
    <message>
        <source>Load &amp;IR</source>
        <translation>IRを読み込む(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Connection</source>
        <translation>接続(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation>スキャン(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>接続(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>切断(&amp;D)</translation>
    </message>
    <message>
        <source>Dia&amp;gnose…</source>
        <translation>診断(&amp;G)…</translation>
    </message>
    <message>
        <source>Connect Auto&amp;matically</source>
        <translation>自動的に接続(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Upload Selected Effect</source>
        <translation>選択したエフェクトをアップロード(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Open FX</source>
        <translation>FXを開く(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Request</source>
        <translation>読み出し(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Assign</source>
        <translation>割り当て(&amp;A)</translation>
    </message>
    <message>
        <source>S&amp;tore Settings On Pedal</source>
        <translation>設定をペダルに保存(&amp;T)</translation>
    </message>
    <message>
        <source>Switch &amp;Window</source>
        <translation>ウィンドウの切り替え(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>設定(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Assignment Map…</source>
        <translation>アサインマップ(&amp;A)…</translation>
    </message>
    <message>
        <source>&amp;Follow Pedal</source>
        <translation>ペダルに追従(&amp;F)</translation>
    </message>
    <message>
        <source>Show the pedal&apos;s knobs in the parameters window as they are turned</source>
        <translation>ノブを回すと、ペダルのノブの位置をパラメーターウィンドウに表示します</translation>
    </message>
    <message>
        <source>&amp;Look</source>
        <translation>外観(&amp;L)</translation>
    </message>
    <message>
        <source>La&amp;nguage</source>
        <translation>言語(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;MIDI</source>
        <translation>MIDI(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Channel</source>
        <translation>チャンネル(&amp;C)</translation>
    </message>
    <message>
        <source>F&amp;irmware Upgrade</source>
        <translation>ファームウェア更新(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Upgrade Mode</source>
        <translation>アップグレードモード(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Start Firmware Upgrade</source>
        <translation>ファームウェア更新を開始(&amp;S)</translation>
    </message>
    <message>
        <source>I&amp;nfo</source>
        <translation>情報(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>サポート(&amp;S)</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>バージョン: </translation>
    </message>
    <message>
        <source>New version available:</source>
        <translation>新しいバージョンがあります:</translation>
    </message>
    <message>
        <source>Device Serial: </source>
        <translation>デバイスのシリアル番号: </translation>
    </message>
    <message>
        <source>&amp;Update Now</source>
        <translation>今すぐ更新(&amp;U)</translation>
    </message>
    <message>
        <source>Show Update &amp;Message</source>
        <translation>更新メッセージを表示(&amp;M)</translation>
    </message>
    <message>
        <source>Upload the selected effect, &quot;%1&quot;?</source>
        <translation>選択したエフェクト「%1」をアップロードしますか?</translation>
    </message>
    <message>
        <source>Upload the selected effect, &quot;%1&quot;, with the impulse response &quot;%2&quot;?</source>
        <translation>選択したエフェクト「%1」をインパルス応答「%2」と一緒にアップロードしますか?</translation>
    </message>
    <message>
        <source>Status: </source>
        <translation>状態: </translation>
    </message>
    <message>
        <source>Choose an effect in the list first, then upload it.</source>
        <translation>先に一覧でエフェクトを選んでから、アップロードしてください。</translation>
    </message>
    <message>
        <source>Settings stored on the pedal</source>
        <translation>設定をペダルに保存しました</translation>
    </message>
    <message>
        <source>The settings were not stored: </source>
        <translation>設定は保存されませんでした: </translation>
    </message>
    <message>
        <source>Assignments sent to the pedal</source>
        <translation>割り当てをペダルに送信しました</translation>
    </message>
    <message>
        <source>The assignments were not sent: </source>
        <translation>割り当ては送信されませんでした: </translation>
    </message>
    <message>
        <source>MIDI channel set to %1</source>
        <translation>MIDI チャンネルを %1 に設定しました</translation>
    </message>
    <message>
        <source>The MIDI channel was not set to %1: </source>
        <translation>MIDI チャンネルを %1 に設定できませんでした: </translation>
    </message>
    <message>
        <source>Impulse Response: choose an effect, then File &gt; Load IR (Ctrl+I) and Upload (Ctrl+U). Load IR shows how.</source>
        <translation>Impulse Response: エフェクトを選び、「ファイル &gt; IRを読み込む」(Ctrl+I) と「アップロード」(Ctrl+U) を実行します。手順は「IRを読み込む」で確認できます。</translation>
    </message>
    <message>
        <source>the virtual pedal</source>
        <translation>仮想ペダル</translation>
    </message>
    <message>
        <source>A WAV file goes into an impulse response effect. Choose one of these in the &quot;Impulse Response&quot; category first, then drop the file again: %1.</source>
        <translation>WAV ファイルはインパルス応答エフェクトに読み込みます。先に「Impulse Response」カテゴリーからエフェクトを選んでから、もう一度ファイルをドロップしてください: %1。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a preset (.txt) nor a WAV file (.wav): nothing was loaded.</source>
        <translation>「%1」はプリセット (.txt) でも WAV ファイル (.wav) でもありません: 何も読み込まれませんでした。</translation>
    </message>
    <message>
        <source>Drop one file at a time: %1 files were dropped.</source>
        <translation>ファイルは 1 つずつドロップしてください: %1 個のファイルがドロップされました。</translation>
    </message>
    <message>
        <source>Unstored edits — </source>
        <translation>未保存の編集 — </translation>
    </message>
    <message>
        <source>Your edits to &quot;%1&quot; are neither stored on the pedal nor saved in a preset. Store them on the pedal, save them as a preset, or discard them?</source>
        <translation>「%1」への編集は、ペダルにもプリセットにも保存されていません。ペダルに保存しますか、プリセットとして保存しますか、それとも破棄しますか?</translation>
    </message>
    <message>
        <source>Store on the pedal</source>
        <translation>ペダルに保存</translation>
    </message>
    <message>
        <source>Save as preset…</source>
        <translation>プリセットとして保存…</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>破棄</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直す(&amp;R)</translation>
    </message>
    <message>
        <source>%1 information</source>
        <translation>%1 の情報</translation>
    </message>
    <message>
        <source>Follow Pedal is off: </source>
        <translation>ペダル追従はオフです: </translation>
    </message>
    <message>
        <source>the parameters window was closed.</source>
        <translation>パラメーターウィンドウが閉じられました。</translation>
    </message>
    <message>
        <source>the parameters window shows another effect.</source>
        <translation>パラメーターウィンドウに別のエフェクトが表示されています。</translation>
    </message>
    <message>
        <source>The pedal was unplugged.</source>
        <translation>ペダルが取り外されました。</translation>
    </message>
    <message>
        <source> It connects again when it is plugged back in.</source>
        <translation> もう一度差し込むと自動的に接続します。</translation>
    </message>
    <message>
        <source> Plug it in again and choose Connection &gt; Connect.</source>
        <translation> もう一度差し込み、「接続 &gt; 接続」を選んでください。</translation>
    </message>
    <message>
        <source> Follow Pedal is off.</source>
        <translation> ペダル追従はオフです。</translation>
    </message>
    <message>
        <source>Another pedal is attached. Store or save the edits first, then choose Connect to use it.</source>
        <translation>別のペダルが接続されています。先に編集内容を保存してから、「接続」を選んで使用してください。</translation>
    </message>
    <message>
        <source>A pedal was plugged in. The editor stays with the virtual pedal, whose edits are not stored: store or save them, then choose Connection &gt; Disconnect and Connect.</source>
        <translation>ペダルが差し込まれました。エディターは仮想ペダルに接続したままです。その編集は保存されていません: 保存してから「接続 &gt; 切断」と「接続」を選んでください。</translation>
    </message>
    <message>
        <source>Error loading file: </source>
        <translation>ファイルの読み込みエラー: </translation>
    </message>
    <message>
        <source>The device at %1 did not answer as a Kestrel X, so the editor let it go. If it is the pedal, check that it is powered, then choose Connect.</source>
        <translation>%1 のデバイスは Kestrel X として応答しなかったため、エディターは接続を解除しました。それがペダルなら、電源が入っていることを確認してから「接続」を選んでください。</translation>
    </message>
    <message>
        <source>Save Preset File</source>
        <translation>プリセットファイルを保存</translation>
    </message>
    <message>
        <source>Open Preset File</source>
        <translation>プリセットファイルを開く</translation>
    </message>
    <message>
        <source>Preset files (*.txt)</source>
        <translation>プリセットファイル (*.txt)</translation>
    </message>
    <message>
        <source>File saved successfully: </source>
        <translation>ファイルを保存しました: </translation>
    </message>
    <message>
        <source>File loaded successfully: </source>
        <translation>ファイルを読み込みました: </translation>
    </message>
    <message>
        <source>There is no open effect to save: click Open FX, then Request, and save again.</source>
        <translation>保存するエフェクトが開かれていません: 「FXを開く」、「読み出し」の順にクリックしてから、もう一度保存してください。</translation>
    </message>
    <message>
        <source>There is no open effect to load the preset into: click Open FX, or an effect in the list, and load again.</source>
        <translation>プリセットを読み込むエフェクトが開かれていません: 「FXを開く」または一覧のエフェクトをクリックしてから、もう一度読み込んでください。</translation>
    </message>
    <message>
        <source>The values of &quot;%1&quot; have not been read yet: click Request, or load a preset, and save again.</source>
        <translation>「%1」の値はまだ読み込まれていません: 「読み出し」をクリックするかプリセットを読み込んでから、もう一度保存してください。</translation>
    </message>
    <message>
        <source>This preset holds %1 controls, but the open effect &quot;%2&quot; has %3: it was not loaded.</source>
        <translation>このプリセットには %1 個のコントロールがありますが、開いているエフェクト「%2」には %3 個あります: 読み込まれませんでした。</translation>
    </message>
    <message>
        <source>This preset was saved for %1, not for the open effect &quot;%2&quot;. Load its values into &quot;%2&quot;?</source>
        <translation>このプリセットは開いているエフェクト「%2」ではなく、%1 用に保存されたものです。その値を「%2」に読み込みますか?</translation>
    </message>
    <message>
        <source>This preset is for %1, not for the open effect &quot;%2&quot;: it was not loaded. Connect the pedal to upload %3 and apply this preset.</source>
        <translation>このプリセットは開いているエフェクト「%2」ではなく %1 用のものです: 読み込まれませんでした。%3 をアップロードしてこのプリセットを適用するには、ペダルを接続してください。</translation>
    </message>
    <message>
        <source>This preset is for %1, but the pedal runs %2.

Upload %3 and apply this preset?</source>
        <translation>このプリセットは %1 用ですが、ペダルは %2 を実行しています。

%3 をアップロードしてこのプリセットを適用しますか?</translation>
    </message>
    <message>
        <source>no effect</source>
        <translation>エフェクトなし</translation>
    </message>
    <message>
        <source>This preset holds %1 controls, but %2 has %3: it was not loaded.</source>
        <translation>このプリセットには %1 個のコントロールがありますが、%2 には %3 個あります: 読み込まれませんでした。</translation>
    </message>
    <message>
        <source>effect %1, which the effect list does not hold</source>
        <translation>エフェクト %1 (エフェクト一覧にありません)</translation>
    </message>
    <message>
        <source>No update available</source>
        <translation>アップデートはありません</translation>
    </message>
    <message>
        <source>The version check is turned off for this run (the update server is &quot;off&quot;).</source>
        <translation>この実行ではバージョン確認がオフになっています (アップデートサーバーが「off」です)。</translation>
    </message>
    <message>
        <source>No update server is set for this build of the Kestrel X Editor, so it cannot check for updates. To check one, start the editor with KX_UPDATE_SERVER set to the server&apos;s address (for example KX_UPDATE_SERVER=https://updates.example.org ./run.sh).</source>
        <translation>この Kestrel X Editor のビルドにはアップデートサーバーが設定されていないため、アップデートを確認できません。確認するには、KX_UPDATE_SERVER にサーバーのアドレスを設定してエディターを起動してください (例: KX_UPDATE_SERVER=https://updates.example.org ./run.sh)。</translation>
    </message>
    <message>
        <source>This is the newest version of the Kestrel X Editor (%1).</source>
        <translation>これは Kestrel X Editor の最新バージョン (%1) です。</translation>
    </message>
    <message>
        <source>the Documents folder cannot be found</source>
        <translation>ドキュメントフォルダーが見つかりません</translation>
    </message>
    <message>
        <source>Error: the look file %1 holds &quot;%2&quot;, which is not a whole number; look 0 is used.</source>
        <translation>エラー: 外観ファイル %1 の内容「%2」は整数ではありません。外観 0 を使います。</translation>
    </message>
    <message>
        <source>Error creating folder: </source>
        <translation>フォルダーの作成エラー: </translation>
    </message>
    <message>
        <source>Error creating subfolder: </source>
        <translation>サブフォルダーの作成エラー: </translation>
    </message>
    <message>
        <source>Error saving file: </source>
        <translation>ファイルの保存エラー: </translation>
    </message>
    <message>
        <source>Dark &amp;Red</source>
        <translation>ダーク レッド(&amp;R)</translation>
    </message>
    <message>
        <source>Dark &amp;Orange</source>
        <translation>ダーク オレンジ(&amp;O)</translation>
    </message>
    <message>
        <source>Dark &amp;Turquoise</source>
        <translation>ダーク ターコイズ(&amp;T)</translation>
    </message>
    <message>
        <source>Dark &amp;Blue</source>
        <translation>ダーク ブルー(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Grey Orange</source>
        <translation>グレー オレンジ(&amp;G)</translation>
    </message>
    <message>
        <source>Grey Go&amp;ld</source>
        <translation>グレー ゴールド(&amp;L)</translation>
    </message>
    <message>
        <source>Light &amp;Cyan</source>
        <translation>ライト シアン(&amp;C)</translation>
    </message>
    <message>
        <source>Error: </source>
        <translation>エラー: </translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>比較(&amp;C)</translation>
    </message>
    <message>
        <source>Reset to Effect&apos;s &amp;Values</source>
        <translation>エフェクトの値にリセット(&amp;V)</translation>
    </message>
    <message numerus="yes">
        <source>%n pedals are attached: %1. Choose one under Connection &gt; Pedal.</source>
        <translation>
            <numerusform>%n 台のペダルが接続されています: %1。「接続 &gt; ペダル」で 1 台を選んでください。</numerusform>
        </translation>
    </message>
    <message>
        <source>A kept impulse response could not be read and was set aside: %1</source>
        <translation>保存済みのインパルス応答を読み取れなかったため、別に移しました: %1</translation>
    </message>
    <message>
        <source>No impulse response has been loaded for &quot;%1&quot; since the editor started. Upload it with the last one imported, &quot;%2&quot; (%3)?</source>
        <translation>エディターの起動後、「%1」にはインパルス応答が読み込まれていません。最後にインポートした「%2」(%3) と一緒にアップロードしますか?</translation>
    </message>
    <message>
        <source>Kept import: %1, the same coefficients as when it was made</source>
        <translation>保存済みのインポート: %1 (作成時と同じ係数)</translation>
    </message>
    <message>
        <source>Its impulse response &quot;%1&quot; is saved beside it: %2</source>
        <translation>インパルス応答「%1」を隣に保存しました: %2</translation>
    </message>
    <message>
        <source>Its impulse response was not saved: %1</source>
        <translation>インパルス応答を保存できませんでした: %1</translation>
    </message>
    <message>
        <source>No impulse response has been imported for &quot;%1&quot; yet, so the preset has none beside it. Load one (File &gt; Load IR) and save again to keep it with the preset.</source>
        <translation>「%1」にはまだインパルス応答がインポートされていないため、プリセットの隣にはありません。読み込んで (ファイル &gt; IRを読み込む) もう一度保存すると、プリセットと一緒に保存されます。</translation>
    </message>
    <message>
        <source>Its impulse response &quot;%1&quot; is imported: an upload of &quot;%2&quot; sends it.</source>
        <translation>インパルス応答「%1」をインポートしました: 「%2」をアップロードすると送信されます。</translation>
    </message>
    <message>
        <source>Its impulse response (%1) is missing: the values are loaded, and &quot;%2&quot; keeps the impulse response it has.</source>
        <translation>インパルス応答 (%1) がありません: 値は読み込まれ、「%2」は現在のインパルス応答のままです。</translation>
    </message>
    <message>
        <source>Its impulse response cannot be used: %1. The values are loaded, and &quot;%2&quot; keeps the impulse response it has.</source>
        <translation>インパルス応答を使用できません: %1。値は読み込まれ、「%2」は現在のインパルス応答のままです。</translation>
    </message>
    <message>
        <source>&amp;Pedal</source>
        <translation>ペダル(&amp;P)</translation>
    </message>
    <message>
        <source>Pedal</source>
        <translation>ペダル</translation>
    </message>
    <message>
        <source>No pedal attached</source>
        <translation>ペダルが接続されていません</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%2 に %1</translation>
    </message>
    <message>
        <source> (connected)</source>
        <translation> (接続中)</translation>
    </message>
    <message>
        <source>This preset keeps its impulse response &quot;%2&quot; beside it.

Upload %1 with it and apply this preset?</source>
        <translation>このプリセットの隣にはインパルス応答「%2」があります。

%1 をそれと一緒にアップロードして、このプリセットを適用しますか?</translation>
    </message>
    <message>
        <source>Version %1 of the Kestrel X Editor is available (this is %2). Help &gt; Info &gt; Update Now installs it.</source>
        <translation>Kestrel X Editor のバージョン %1 が利用できます (このバージョンは %2)。ヘルプ &gt; 情報 &gt; 今すぐ更新 でインストールします。</translation>
    </message>
</context>
<context>
    <name>kx::TformNewVersionMsg</name>
    <message>
        <source>New Version</source>
        <translation>新しいバージョン</translation>
    </message>
    <message>
        <source>A new version of the Kestrel X Editor is available</source>
        <translation>Kestrel X Editor の新しいバージョンがあります</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>今すぐ更新</translation>
    </message>
    <message>
        <source>What&apos;s New?</source>
        <translation>新機能</translation>
    </message>
    <message>
        <source>Don&apos;t Show This Message Again</source>
        <translation>今後このメッセージを表示しない</translation>
    </message>
    <message>
        <source>This action will update the Kestrel X Editor to the latest version. Do you want to continue?</source>
        <translation>Kestrel X Editor を最新バージョンに更新します。続行しますか?</translation>
    </message>
    <message>
        <source>Failed to launch updater: </source>
        <translation>アップデーターを起動できませんでした: </translation>
    </message>
    <message>
        <source>The Kestrel X Editor is updated through your system&apos;s packages, or by downloading the new version from the maker&apos;s site. The page that has just opened tells what is new.</source>
        <translation>Kestrel X Editor は、システムのパッケージを通じて、またはメーカーのサイトから新しいバージョンをダウンロードして更新します。今開いたページに新機能が書かれています。</translation>
    </message>
</context>
<context>
    <name>kx::TformPresetLibrary</name>
    <message>
        <source>effect %1, not in this editor&apos;s list</source>
        <translation>エフェクト %1 (このエディターの一覧にありません)</translation>
    </message>
    <message>
        <source>The list of recent presets was not read: %1 The file is set aside as %2.</source>
        <translation>最近使ったプリセットの一覧を読み込めませんでした: %1 ファイルは %2 として退避しました。</translation>
    </message>
    <message>
        <source>The list of recent presets was not read: %1</source>
        <translation>最近使ったプリセットの一覧を読み込めませんでした: %1</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>フィルター(&amp;F):</translation>
    </message>
    <message>
        <source>Name, effect or category</source>
        <translation>名前、エフェクト、カテゴリー</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>フィルター</translation>
    </message>
    <message>
        <source>&amp;Presets in %1:</source>
        <translation>%1 のプリセット(&amp;P):</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>プリセット</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>プリセット</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>エフェクト</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリー</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>&amp;Loaded or saved last:</source>
        <translation>最近読み込み/保存したもの(&amp;L):</translation>
    </message>
    <message>
        <source>Loaded or saved last</source>
        <translation>最近読み込み/保存したもの</translation>
    </message>
    <message>
        <source>L&amp;oad</source>
        <translation>読み込む(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>名前を変更(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source> (no longer there)</source>
        <translation> (もうありません)</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; was not renamed: %2</source>
        <translation>プリセット「%1」の名前を変更できませんでした: %2</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; was not deleted: %2</source>
        <translation>プリセット「%1」を削除できませんでした: %2</translation>
    </message>
    <message>
        <source>Preset Library</source>
        <translation>プリセットライブラリ</translation>
    </message>
    <message>
        <source>Delete the preset &quot;%1&quot;? The file is removed from the preset folder.</source>
        <translation>プリセット「%1」を削除しますか?ファイルはプリセットフォルダーから削除されます。</translation>
    </message>
    <message>
        <source>Damaged: %1</source>
        <translation>破損: %1</translation>
    </message>
    <message>
        <source>Impulse response</source>
        <translation>インパルス応答</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>Delete the preset &quot;%1&quot; and its impulse response? Both files are removed from the preset folder.</source>
        <translation>プリセット「%1」とそのインパルス応答を削除しますか? 両方のファイルがプリセットフォルダーから削除されます。</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>This impulse response effect&apos;s preset has no %1 beside it: its values load, the effect keeps the impulse response it has.</source>
        <translation>このインパルス応答エフェクトのプリセットの隣に %1 がありません: 値は読み込まれ、エフェクトは現在のインパルス応答のままです。</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2. The preset&apos;s values still load.</source>
        <translation>%1 を使用できません: %2。プリセットの値は読み込まれます。</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; was not copied: %2</source>
        <translation>プリセット「%1」をコピーできませんでした: %2</translation>
    </message>
</context>
<context>
    <name>kx::TformPrint</name>
    <message>
        <source>Print Console</source>
        <translation>プリントコンソール</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>上へ</translation>
    </message>
    <message>
        <source>scrollDOWN</source>
        <translation>下へスクロール</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>保存…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Save the log</source>
        <translation>ログを保存</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>テキストファイル (*.txt);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Saves the log to a file</source>
        <translation>ログをファイルに保存します</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>ログ</translation>
    </message>
</context>
<context>
    <name>kx::VersionClient</name>
    <message>
        <source>the network module cannot be loaded (%1).</source>
        <translation>ネットワークモジュールを読み込めません (%1)。</translation>
    </message>
    <message>
        <source>the server&apos;s answer is longer than %1 bytes.</source>
        <translation>サーバーの応答が %1 バイトを超えています。</translation>
    </message>
    <message>
        <source>the version check failed: </source>
        <translation>バージョン確認に失敗しました: </translation>
    </message>
    <message>
        <source>HTTP status %1</source>
        <translation>HTTP ステータス %1</translation>
    </message>
    <message>
        <source>the editor&apos;s own version &quot;%1&quot; is not a version number.</source>
        <translation>エディター自身のバージョン「%1」はバージョン番号ではありません。</translation>
    </message>
    <message>
        <source>the server did not answer within %1 s.</source>
        <translation>サーバーが %1 秒以内に応答しませんでした。</translation>
    </message>
</context>
</TS>
