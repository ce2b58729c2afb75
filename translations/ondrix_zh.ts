<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>AnalysisWav</name>
    <message>
        <source>unsupported data format (tag 0x%1): only PCM integer or IEEE float samples can be analysed</source>
        <translation>不支持的数据格式（标记 0x%1）：只能分析 PCM 整数或 IEEE 浮点样本</translation>
    </message>
    <message>
        <source>unsupported sample width: %1-bit float (32 or 64 bits can be analysed)</source>
        <translation>不支持的采样位数：%1 位浮点（可分析 32 位或 64 位）</translation>
    </message>
    <message>
        <source>unsupported sample width: %1-bit integer (8, 16, 24 or 32 bits can be analysed)</source>
        <translation>不支持的采样位数：%1 位整数（可分析 8、16、24 或 32 位）</translation>
    </message>
    <message>
        <source>unsupported number of channels: %1 (1 to %2 can be analysed)</source>
        <translation>不支持的声道数：%1（可分析 1 到 %2 个声道）</translation>
    </message>
    <message>
        <source>frame %1 of channel %2 holds a float sample that is not a finite number</source>
        <translation>声道 %2 第 %1 帧的浮点样本不是有限数</translation>
    </message>
</context>
<context>
    <name>CliText</name>
    <message>
        <source>--length takes a power of two from %1 to %2, not &apos;%3&apos;</source>
        <translation>--length 应为 %1 到 %2 之间的 2 的幂，而不是“%3”</translation>
    </message>
    <message>
        <source>--fundamental takes a frequency above 10 Hz, not &apos;%1&apos;</source>
        <translation>--fundamental 应为高于 10 Hz 的频率，而不是“%1”</translation>
    </message>
    <message>
        <source>--harmonics takes the highest harmonic, from 2 to 10, not &apos;%1&apos;</source>
        <translation>--harmonics 应为最高谐波次数（2 到 10），而不是“%1”</translation>
    </message>
    <message>
        <source>--band takes LOW:HIGH in Hz with 0 &lt;= LOW &lt; HIGH, or full, not &apos;%1&apos;</source>
        <translation>--band 应为以 Hz 为单位的 LOW:HIGH（0 &lt;= LOW &lt; HIGH）或 full，而不是“%1”</translation>
    </message>
    <message>
        <source>--channel takes a channel from 1 to %1, not &apos;%2&apos;</source>
        <translation>--channel 应为 1 到 %1 的声道，而不是“%2”</translation>
    </message>
    <message>
        <source>--fft takes a power of two from %1 to %2, not &apos;%3&apos;</source>
        <translation>--fft 应为 %1 到 %2 之间的 2 的幂，而不是“%3”</translation>
    </message>
    <message>
        <source>--smoothing takes none, 1/48, 1/24, 1/12, 1/6 or 1/3, not &apos;%1&apos;</source>
        <translation>--smoothing 应为 none、1/48、1/24、1/12、1/6 或 1/3，而不是“%1”</translation>
    </message>
    <message>
        <source>note: </source>
        <translation>注：</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>没有给出命令</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>未知命令“%1”</translation>
    </message>
    <message>
        <source>option %1 does not belong to &apos;%2&apos;</source>
        <translation>选项 %1 不属于“%2”命令</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>选项 %1 需要一个值</translation>
    </message>
    <message>
        <source>--at takes an element index from 0, not &apos;%1&apos;</source>
        <translation>--at 应为从 0 起的元素序号，而不是“%1”</translation>
    </message>
    <message>
        <source>--edge takes rising or falling, not &apos;%1&apos;</source>
        <translation>--edge 应为 rising（上升沿）或 falling（下降沿），而不是“%1”</translation>
    </message>
    <message>
        <source>--level takes a sample value from -32768 to 32767, not &apos;%1&apos;</source>
        <translation>--level 应为 -32768 到 32767 之间的采样值，而不是“%1”</translation>
    </message>
    <message>
        <source>--gain takes a step from 0 to 10, not &apos;%1&apos;</source>
        <translation>--gain 应为 0 到 10 的档位，而不是“%1”</translation>
    </message>
    <message>
        <source>--mode takes time or freq, not &apos;%1&apos;</source>
        <translation>--mode 应为 time（时域）或 freq（频域），而不是“%1”</translation>
    </message>
    <message>
        <source>--size takes WIDTHxHEIGHT, each from 1 to %1, not &apos;%2&apos;</source>
        <translation>--size 应为 WIDTHxHEIGHT（宽x高，各为 1 到 %1），而不是“%2”</translation>
    </message>
    <message>
        <source>--rate takes a sample rate above 0, not &apos;%1&apos;</source>
        <translation>--rate 应为大于 0 的采样率，而不是“%1”</translation>
    </message>
    <message>
        <source>--channels takes 1 or 2, not &apos;%1&apos;</source>
        <translation>--channels 应为 1 或 2，而不是“%1”</translation>
    </message>
    <message>
        <source>--rate and --channels belong to --plugin</source>
        <translation>--rate 和 --channels 只能与 --plugin 一起使用</translation>
    </message>
    <message>
        <source>--plugin needs --rate</source>
        <translation>--plugin 需要 --rate</translation>
    </message>
    <message>
        <source>&apos;render --plugin&apos; takes an output picture and no --at</source>
        <translation>“render --plugin”只需一个输出图片，不接受 --at</translation>
    </message>
    <message>
        <source>&apos;%1 --plugin&apos; takes no WAV file and no --at</source>
        <translation>“%1 --plugin”不接受 WAV 文件，也不接受 --at</translation>
    </message>
    <message>
        <source>an output picture</source>
        <translation>一个输出图片</translation>
    </message>
    <message>
        <source>an output CSV file</source>
        <translation>一个输出 CSV 文件</translation>
    </message>
    <message>
        <source>an output PDF file</source>
        <translation>一个输出 PDF 文件</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes a WAV file and %2</source>
        <translation>“%1”需要一个 WAV 文件和%2</translation>
    </message>
    <message>
        <source>&apos;response&apos; takes a stereo WAV file, or two mono WAV files (the reference, then the response)</source>
        <translation>“response”需要一个立体声 WAV 文件，或两个单声道 WAV 文件（先参考，后响应）</translation>
    </message>
    <message>
        <source>no WAV file given</source>
        <translation>没有给出 WAV 文件</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes one WAV file</source>
        <translation>“%1”只接受一个 WAV 文件</translation>
    </message>
    <message>
        <source>sample</source>
        <translation>样本</translation>
    </message>
    <message>
        <source>%1: the file holds %2 frames, %3 of them from frame %4; the analysis needs at least %5</source>
        <translation>%1：文件共 %2 帧，从第 %4 帧起有 %3 帧；分析至少需要 %5 帧</translation>
    </message>
    <message>
        <source>%1: %2 frames from frame %3, not %4: analysing %5</source>
        <translation>%1：从第 %3 帧起只有 %2 帧，不足 %4 帧：分析 %5 帧</translation>
    </message>
    <message>
        <source>--channel %1 is past the last channel, %2</source>
        <translation>--channel %1 超出了最后一个声道（%2）</translation>
    </message>
    <message>
        <source>%1 channels: pick one with --channel K (every channel is analysed only up to %2)</source>
        <translation>%1 个声道：请用 --channel K 选择一个（最多 %2 个声道时才逐一分析每个声道）</translation>
    </message>
    <message>
        <source>--fundamental %1 Hz is not below half the sample rate (%2 Hz)</source>
        <translation>--fundamental %1 Hz 不低于采样率的一半（%2 Hz）</translation>
    </message>
    <message>
        <source>channel %1: %2</source>
        <translation>声道 %1：%2</translation>
    </message>
    <message>
        <source>%1 takes sine, triangle, square or sawtooth, not &apos;%2&apos;</source>
        <translation>%1 应为 sine（正弦波）、triangle（三角波）、square（方波）或 sawtooth（锯齿波），而不是“%2”</translation>
    </message>
    <message>
        <source>--rate takes a sample rate in Hz, not &apos;%1&apos;</source>
        <translation>--rate 应为以 Hz 为单位的采样率，而不是“%1”</translation>
    </message>
    <message>
        <source>--play takes seconds from 0 to %1, not &apos;%2&apos;</source>
        <translation>--play 应为 0 到 %1 秒，而不是“%2”</translation>
    </message>
    <message>
        <source>option %1 does not belong to &apos;generate&apos;</source>
        <translation>选项 %1 不属于“generate”命令</translation>
    </message>
    <message>
        <source>%1 takes an integer, not &apos;%2&apos;</source>
        <translation>%1 应为整数，而不是“%2”</translation>
    </message>
    <message>
        <source>&apos;generate&apos; takes one output WAV file</source>
        <translation>“generate”只接受一个输出 WAV 文件</translation>
    </message>
    <message>
        <source> (see ondrix-cli --help)</source>
        <translation>（见 ondrix-cli --help）</translation>
    </message>
    <message>
        <source>note: the generator runs at %1 Hz, not %2</source>
        <translation>注：信号发生器的采样率为 %1 Hz，而不是 %2</translation>
    </message>
    <message>
        <source>cannot play: %1</source>
        <translation>无法播放：%1</translation>
    </message>
    <message>
        <source>no whole %1 at element %2: the file holds %3 elements, a %1 takes %4</source>
        <translation>元素 %2 处没有完整的%1：文件共有 %3 个元素，一个%1需要 %4 个</translation>
    </message>
    <message>
        <source>frame</source>
        <translation>帧</translation>
    </message>
    <message>
        <source>no memory for a frame</source>
        <translation>内存不足，无法容纳一帧</translation>
    </message>
    <message>
        <source>%1: no such settings file</source>
        <translation>%1：没有这个设置文件</translation>
    </message>
    <message>
        <source>%1: cannot write the picture (%2)</source>
        <translation>%1：无法写入图片（%2）</translation>
    </message>
    <message>
        <source>no memory for a picture of %1x%2 pixels</source>
        <translation>内存不足，无法生成 %1x%2 像素的图片</translation>
    </message>
    <message>
        <source>the page could not be drawn</source>
        <translation>无法绘制页面</translation>
    </message>
    <message>
        <source>%1: cannot write the report (%2)</source>
        <translation>%1：无法写入报告（%2）</translation>
    </message>
    <message>
        <source>%1: a mono file; give a stereo file (CH1 the reference, CH2 the response) or two mono files</source>
        <translation>%1：是单声道文件；请给出一个立体声文件（CH1 为参考，CH2 为响应）或两个单声道文件</translation>
    </message>
    <message>
        <source>%1: %2 channels; two files must each be mono</source>
        <translation>%1：有 %2 个声道；两个文件必须各为单声道</translation>
    </message>
    <message>
        <source>%1 is at %2 Hz and %3 at %4 Hz; both must have one sample rate</source>
        <translation>%1 的采样率为 %2 Hz，%3 的为 %4 Hz；两者的采样率必须相同</translation>
    </message>
    <message>
        <source>%1: %2 frames, fewer than one FFT segment of %3; give a smaller --fft or a longer file</source>
        <translation>%1：只有 %2 帧，不足一个 FFT 段（%3 帧）；请用更小的 --fft 或更长的文件</translation>
    </message>
    <message>
        <source>the files overlap by %1 frames once aligned, fewer than one FFT segment of %2</source>
        <translation>两个文件对齐后只重叠 %1 帧，不足一个 FFT 段（%2 帧）</translation>
    </message>
    <message>
        <source>Prints the file&apos;s format, frames and duration.</source>
        <translation>显示文件的格式、帧数和时长。</translation>
    </message>
    <message>
        <source>Prints the trigger index and each channel&apos;s frequency and RMS (in sample units) of the frame from --at.</source>
        <translation>显示从 --at 起那一帧的触发位置，以及各通道的频率和有效值（以采样值为单位）。</translation>
    </message>
    <message>
        <source>Prints each channel&apos;s peak frequency in the spectrum of the frame from --at; with --bins also the 1024 displayed magnitudes.</source>
        <translation>显示从 --at 起那一帧的频谱中各通道的峰值频率；加 --bins 时还显示屏幕上的 1024 个幅值。</translation>
    </message>
    <message>
        <source>Writes the program&apos;s CSV export of the 2048 elements from --at.</source>
        <translation>写出从 --at 起 2048 个元素的 CSV 导出，与程序导出的相同。</translation>
    </message>
    <message>
        <source>Writes the printed test report of the frame from --at as a one-page A4 PDF.</source>
        <translation>把从 --at 起那一帧的打印测试报告写成一页 A4 的 PDF。</translation>
    </message>
    <message>
        <source>Prints the fundamental, harmonics, THD, THD+N, SINAD, SNR, ENOB and DC offset of every channel of a block from --at; also reads 24- and 32-bit integer and 32- and 64-bit float files of up to 64 channels.</source>
        <translation>显示从 --at 起一段数据中每个声道的基波、谐波、THD、THD+N、SINAD、SNR、ENOB 和直流偏移；也能读取 24 位和 32 位整数、32 位和 64 位浮点、最多 64 个声道的文件。</translation>
    </message>
    <message>
        <source>Prints a device&apos;s transfer function (magnitude, phase, coherence) and delay from a stereo file (CH1 the reference, CH2 the response) or two mono files.</source>
        <translation>由一个立体声文件（CH1 为参考，CH2 为响应）或两个单声道文件，显示被测设备的传递函数（幅度、相位、相干）和延迟。</translation>
    </message>
    <message>
        <source>Writes the generator&apos;s signal.wav: a function signal, or with --sweep a sine sweep; values not given come from wavedata.ini.</source>
        <translation>写出信号发生器的 signal.wav：函数信号，加 --sweep 时为正弦扫频信号；未给出的参数取自 wavedata.ini。</translation>
    </message>
    <message>
        <source>the element (one sample of one channel) where the frame starts, from 0</source>
        <translation>一帧开始处的元素（一个声道的一个样本），从 0 起</translation>
    </message>
    <message>
        <source>the trigger edge (rising if not given)</source>
        <translation>触发沿（不给出时为 rising，上升沿）</translation>
    </message>
    <message>
        <source>the trigger level, a sample value from -32768 to 32767</source>
        <translation>触发电平，-32768 到 32767 之间的采样值</translation>
    </message>
    <message>
        <source>the magnitudes are divided by 2^STEP, STEP from 0 to 10 (5 if not given)</source>
        <translation>幅值除以 2^STEP，STEP 为 0 到 10（不给出时为 5）</translation>
    </message>
    <message>
        <source>also print the 1024 displayed magnitudes</source>
        <translation>同时显示屏幕上的 1024 个幅值</translation>
    </message>
    <message>
        <source>the waveform or the spectrum (time if not given)</source>
        <translation>波形（time）或频谱（freq），不给出时为 time</translation>
    </message>
    <message>
        <source>the size of the --png picture in pixels, each side up to 8192 (1000x600)</source>
        <translation>--png 图片的大小，以像素为单位，每边最大 8192（默认 1000x600）</translation>
    </message>
    <message>
        <source>the settings to draw with (a setting.ini)</source>
        <translation>绘图所用的设置（一个 setting.ini）</translation>
    </message>
    <message>
        <source>a sampling plug-in in place of FILE.wav and --at: the frame it delivers</source>
        <translation>用采样插件代替 FILE.wav 和 --at：分析它送来的那一帧</translation>
    </message>
    <message>
        <source>the plug-in&apos;s sample rate (needed with --plugin)</source>
        <translation>插件的采样率（使用 --plugin 时必须给出）</translation>
    </message>
    <message>
        <source>the plug-in&apos;s channels (else the settings&apos;, two by default)</source>
        <translation>插件的通道数（否则取设置中的，默认为 2）</translation>
    </message>
    <message>
        <source>frames analysed, a power of two from 4096 to 262144 (65536 if not given)</source>
        <translation>分析的帧数，4096 到 262144 之间的 2 的幂（不给出时为 65536）</translation>
    </message>
    <message>
        <source>the fundamental near this frequency (else the strongest above 10 Hz)</source>
        <translation>在此频率附近找基波（否则取 10 Hz 以上最强的分量）</translation>
    </message>
    <message>
        <source>the highest harmonic measured, from 2 to 10 (10 if not given)</source>
        <translation>测量的最高谐波次数，2 到 10（不给出时为 10）</translation>
    </message>
    <message>
        <source>the band measured in Hz (20:20000 if not given), or the full band</source>
        <translation>测量频带，以 Hz 为单位（不给出时为 20:20000），或 full 表示全频带</translation>
    </message>
    <message>
        <source>only channel K, from 1 (needed for files of more than 8 channels)</source>
        <translation>只分析第 K 个声道，从 1 起（超过 8 个声道的文件必须给出）</translation>
    </message>
    <message>
        <source>the FFT size, a power of two from 4096 to 65536 (16384 if not given)</source>
        <translation>FFT 点数，4096 到 65536 之间的 2 的幂（不给出时为 16384）</translation>
    </message>
    <message>
        <source>average the curve over this fraction of an octave</source>
        <translation>按此倍频程分数平滑曲线</translation>
    </message>
    <message>
        <source>print one line of JSON instead of text</source>
        <translation>输出一行 JSON，而不是文本</translation>
    </message>
    <message>
        <source>a sine sweep instead of the function signal</source>
        <translation>正弦扫频信号，而不是函数信号</translation>
    </message>
    <message>
        <source>the left channel&apos;s wave: sine, triangle, square or sawtooth</source>
        <translation>左声道的波形：sine（正弦波）、triangle（三角波）、square（方波）或 sawtooth（锯齿波）</translation>
    </message>
    <message>
        <source>the right channel&apos;s wave</source>
        <translation>右声道的波形</translation>
    </message>
    <message>
        <source>the left channel&apos;s frequency (with --sweep: the start)</source>
        <translation>左声道的频率（加 --sweep 时为起始频率）</translation>
    </message>
    <message>
        <source>the right channel&apos;s frequency (with --sweep: the end)</source>
        <translation>右声道的频率（加 --sweep 时为结束频率）</translation>
    </message>
    <message>
        <source>the left channel&apos;s peak, from 10 to 32767</source>
        <translation>左声道的峰值，10 到 32767</translation>
    </message>
    <message>
        <source>the right channel&apos;s peak, from 10 to 32767</source>
        <translation>右声道的峰值，10 到 32767</translation>
    </message>
    <message>
        <source>the sweep&apos;s rise time in milliseconds</source>
        <translation>扫频上升时间，以毫秒为单位</translation>
    </message>
    <message>
        <source>the sample rate, from 44100 to 200000 (else 44100)</source>
        <translation>采样率，44100 到 200000（否则为 44100）</translation>
    </message>
    <message>
        <source>mono or stereo (2 if not given)</source>
        <translation>单声道或立体声（不给出时为 2）</translation>
    </message>
    <message>
        <source>then play the signal looped through the sound card for so long</source>
        <translation>然后通过声卡循环播放信号这么长时间</translation>
    </message>
    <message>
        <source>OPTION</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>the language of the messages, pictures and reports (else the user&apos;s UI language)</source>
        <translation>消息、图片和报告的语言（否则按用户的界面语言）</translation>
    </message>
    <message>
        <source>print this help and exit</source>
        <translation>显示本帮助并退出</translation>
    </message>
    <message>
        <source>print this help, or with a command that command&apos;s (as &apos;help COMMAND&apos; does), and exit</source>
        <translation>显示本帮助，或给出命令时显示该命令的帮助（同“help COMMAND”），然后退出</translation>
    </message>
    <message>
        <source>print the version and exit</source>
        <translation>显示版本并退出</translation>
    </message>
    <message>
        <source>Exit status:
</source>
        <translation>退出状态：
</translation>
    </message>
    <message>
        <source>success</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>generate: the file was written but could not be played</source>
        <translation>generate：文件已写出，但无法播放</translation>
    </message>
    <message>
        <source>bad arguments, an input that cannot be read or measured, or an output that cannot be written; one line on stderr says why</source>
        <translation>参数有误、输入无法读取或测量、或输出无法写入；stderr 上的一行说明原因</translation>
    </message>
    <message>
        <source>Usage: ondrix-cli COMMAND ARGUMENT... [OPTION]...
Try &apos;ondrix-cli --help&apos; for more information.
</source>
        <translation>用法：ondrix-cli 命令 参数... [选项]...
详细信息请运行“ondrix-cli --help”。
</translation>
    </message>
    <message>
        <source>Usage: ondrix-cli COMMAND ARGUMENT... [OPTION]...
  or:  ondrix-cli help [COMMAND]
  or:  ondrix-cli --help | --version
</source>
        <translation>用法：ondrix-cli 命令 参数... [选项]...
  或：ondrix-cli help [命令]
  或：ondrix-cli --help | --version
</translation>
    </message>
    <message>
        <source>Measures WAV recordings and sampling plug-ins the way the Orvanta instrument does, without a window: measurements, spectra, pictures, CSV, reports, distortion, transfer functions and test signals.</source>
        <translation>不开窗口，像 Orvanta 仪器一样测量 WAV 录音和采样插件：测量值、频谱、图片、CSV、报告、失真、传递函数和测试信号。</translation>
    </message>
    <message>
        <source>Commands:
</source>
        <translation>命令：
</translation>
    </message>
    <message>
        <source>Options: %1.</source>
        <translation>选项：%1。</translation>
    </message>
    <message>
        <source>Options:
</source>
        <translation>选项：
</translation>
    </message>
    <message>
        <source>Usage: ondrix-cli %1
</source>
        <translation>用法：ondrix-cli %1
</translation>
    </message>
    <message>
        <source>Writes the picture the program shows for the frame from --at in the format of OUT&apos;s extension: .bmp (24-bit), .png, .jpg or .jpeg; standard output (-), a pipe or a device without one takes BMP.</source>
        <translation>按 OUT 的扩展名写出程序为从 --at 起那一帧显示的图片：.bmp（24 位）、.png、.jpg 或 .jpeg；标准输出（-）以及没有扩展名的管道或设备写成 BMP。</translation>
    </message>
    <message>
        <source>the window&apos;s size in pixels, from 840x436 to 8192x8192 (1000x600 if not given)</source>
        <translation>窗口大小（像素），从 840x436 到 8192x8192（未给出时为 1000x600）</translation>
    </message>
    <message>
        <source>also write the points as CSV (- for standard output)</source>
        <translation>同时把各点写成 CSV（- 表示标准输出）</translation>
    </message>
    <message>
        <source>also write the plots as PNG (- for standard output)</source>
        <translation>同时把曲线图写成 PNG（- 表示标准输出）</translation>
    </message>
    <message>
        <source>Standard input and output:
</source>
        <translation>标准输入和输出：
</translation>
    </message>
    <message>
        <source>A WAV file named - is read from standard input, and a named pipe likewise: whole, up to 2 GiB. An output named - is written to standard output; a picture, a PDF or a WAV file not to a terminal.</source>
        <translation>名为 - 的 WAV 文件从标准输入读取，命名管道也一样：整个读入，最多 2 GiB。名为 - 的输出写到标准输出；图片、PDF 和 WAV 文件不写到终端。</translation>
    </message>
    <message>
        <source>standard input is a terminal: give a file or a pipe</source>
        <translation>标准输入是终端：请给出文件或管道</translation>
    </message>
    <message>
        <source>more than 2 GiB from a stream; give it as a file</source>
        <translation>数据流超过 2 GiB；请以文件给出</translation>
    </message>
    <message>
        <source>standard output is a terminal: redirect it to a file or a pipe</source>
        <translation>标准输出是终端：请重定向到文件或管道</translation>
    </message>
    <message>
        <source>%1: the picture&apos;s format follows its extension: .bmp, .png, .jpg or .jpeg</source>
        <translation>%1：图片格式由扩展名决定：.bmp、.png、.jpg 或 .jpeg</translation>
    </message>
    <message>
        <source>--size %1x%2 cuts the picture off: it takes at least %3x%4</source>
        <translation>--size %1x%2 会截掉部分图片：至少需要 %3x%4</translation>
    </message>
</context>
<context>
    <name>DistortionAnalysis</name>
    <message>
        <source>the sample rate must be above 0</source>
        <translation>采样率必须大于 0</translation>
    </message>
    <message>
        <source>the full scale must be above 0</source>
        <translation>满量程必须大于 0</translation>
    </message>
    <message>
        <source>the analysis length %1 is below %2</source>
        <translation>分析长度 %1 小于 %2</translation>
    </message>
    <message>
        <source>the block holds %1 samples; the analysis needs at least %2</source>
        <translation>数据块只有 %1 个样本；分析至少需要 %2 个</translation>
    </message>
    <message>
        <source>the measurement band %1 Hz .. %2 Hz is empty</source>
        <translation>测量频带 %1 Hz .. %2 Hz 为空</translation>
    </message>
    <message>
        <source>the given fundamental frequency is not a frequency</source>
        <translation>给定的基波频率不是有效的频率</translation>
    </message>
    <message>
        <source>sample %1 is not a finite number</source>
        <translation>样本 %1 不是有限数</translation>
    </message>
    <message>
        <source>the given fundamental %1 Hz is outside %2 Hz .. %3 Hz</source>
        <translation>给定的基波 %1 Hz 不在 %2 Hz .. %3 Hz 之内</translation>
    </message>
    <message>
        <source>the sample rate leaves no frequencies above 10 Hz</source>
        <translation>在此采样率下没有高于 10 Hz 的频率</translation>
    </message>
    <message>
        <source>the strongest component lies below %1 Hz, too close to DC for %2 samples</source>
        <translation>最强分量低于 %1 Hz，对 %2 个样本而言离直流太近</translation>
    </message>
    <message>
        <source>the signal has no component above 10 Hz</source>
        <translation>信号中没有高于 10 Hz 的分量</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>--lang needs a value: en or zh</source>
        <translation>--lang 需要一个值：en 或 zh</translation>
    </message>
    <message>
        <source>--lang takes en or zh, not &apos;%1&apos;</source>
        <translation>--lang 应为 en 或 zh，而不是“%1”</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>Cannot load the translation %1</source>
        <translation>无法加载翻译文件 %1</translation>
    </message>
</context>
</TS>
