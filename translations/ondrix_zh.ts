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
        <source>usage: ondrix-cli info FILE.wav
       ondrix-cli measure FILE.wav [--at ELEMENT] [--edge rising|falling] [--level N] [--json]
       ondrix-cli spectrum FILE.wav [--at ELEMENT] [--gain STEP] [--bins] [--json]
       ondrix-cli render FILE.wav OUT.bmp|OUT.png [--at ELEMENT] [--mode time|freq]
                  [--size WIDTHxHEIGHT] [--settings setting.ini]
       ondrix-cli csv FILE.wav OUT.csv [--at ELEMENT]
       ondrix-cli report FILE.wav OUT.pdf [--at ELEMENT] [--mode time|freq]
measure, spectrum and render take --plugin LIB --rate HZ [--channels 1|2] in place of
FILE.wav (and --at): the frame a sampling plug-in delivers on its first tick.
</source>
        <translation>用法： ondrix-cli info FILE.wav
       ondrix-cli measure FILE.wav [--at ELEMENT] [--edge rising|falling] [--level N] [--json]
       ondrix-cli spectrum FILE.wav [--at ELEMENT] [--gain STEP] [--bins] [--json]
       ondrix-cli render FILE.wav OUT.bmp|OUT.png [--at ELEMENT] [--mode time|freq]
                  [--size WIDTHxHEIGHT] [--settings setting.ini]
       ondrix-cli csv FILE.wav OUT.csv [--at ELEMENT]
       ondrix-cli report FILE.wav OUT.pdf [--at ELEMENT] [--mode time|freq]
measure、spectrum 和 render 可用 --plugin LIB --rate HZ [--channels 1|2] 代替
FILE.wav（及 --at）：分析采样插件首次送来的一帧数据。
</translation>
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
        <source>       ondrix-cli generate OUT.wav [--sweep] [--left WAVE] [--right WAVE] [--left-freq HZ]
                  [--right-freq HZ] [--left-peak N] [--right-peak N] [--rise MS] [--rate HZ]
                  [--channels 1|2] [--play SECONDS]
                  (WAVE: sine|triangle|square|sawtooth; in sweep mode the frequencies are
                  start and end)
</source>
        <translation>       ondrix-cli generate OUT.wav [--sweep] [--left WAVE] [--right WAVE] [--left-freq HZ]
                  [--right-freq HZ] [--left-peak N] [--right-peak N] [--rise MS] [--rate HZ]
                  [--channels 1|2] [--play SECONDS]
                  （WAVE：sine|triangle|square|sawtooth；扫频模式下两个频率
                  为起始频率和结束频率）
</translation>
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
        <source>Every command takes --lang en|zh, the language of its messages, pictures and
reports (else the user&apos;s UI language: Chinese for Chinese, else English).
</source>
        <translation>每个命令都接受 --lang en|zh，即其消息、图片和报告的语言
（不给出时按用户的界面语言：中文用中文，其他语言用英文）。
</translation>
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
        <source>no memory for the picture</source>
        <translation>内存不足，无法生成图片</translation>
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
        <source>%1: the picture could not be encoded as PNG</source>
        <translation>%1：无法将图片编码为 PNG</translation>
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
