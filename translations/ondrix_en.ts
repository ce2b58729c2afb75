<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AnalysisWav</name>
    <message>
        <source>unsupported data format (tag 0x%1): only PCM integer or IEEE float samples can be analysed</source>
        <translation>unsupported data format (tag 0x%1): only PCM integer or IEEE float samples can be analysed</translation>
    </message>
    <message>
        <source>unsupported sample width: %1-bit float (32 or 64 bits can be analysed)</source>
        <translation>unsupported sample width: %1-bit float (32 or 64 bits can be analysed)</translation>
    </message>
    <message>
        <source>unsupported sample width: %1-bit integer (8, 16, 24 or 32 bits can be analysed)</source>
        <translation>unsupported sample width: %1-bit integer (8, 16, 24 or 32 bits can be analysed)</translation>
    </message>
    <message>
        <source>unsupported number of channels: %1 (1 to %2 can be analysed)</source>
        <translation>unsupported number of channels: %1 (1 to %2 can be analysed)</translation>
    </message>
    <message>
        <source>frame %1 of channel %2 holds a float sample that is not a finite number</source>
        <translation>frame %1 of channel %2 holds a float sample that is not a finite number</translation>
    </message>
</context>
<context>
    <name>AppTitle</name>
    <message>
        <source>声卡双通道测量台</source>
        <translation>Two-Channel Sound Card Bench</translation>
    </message>
</context>
<context>
    <name>AudioDeviceChoice</name>
    <message>
        <source>%1 未读取：%2</source>
        <translation>%1 not read: %2</translation>
    </message>
    <message>
        <source>设备名称含有换行，无法保存：%1</source>
        <translation>A device name with a line break cannot be saved: %1</translation>
    </message>
    <message>
        <source>无法写入文件 %1：%2</source>
        <translation>Cannot write the file %1: %2</translation>
    </message>
</context>
<context>
    <name>BitmapFile</name>
    <message>
        <source>error 2! 无法写入文件 %1：%2</source>
        <translation>error 2! Cannot write the file %1: %2</translation>
    </message>
</context>
<context>
    <name>CAboutDialog</name>
    <message>
        <source>关于 Ondrix</source>
        <translation>About Ondrix</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>把电脑声卡变成双通道测量台：</source>
        <translation>Turns the PC&apos;s sound card into a two-channel bench:</translation>
    </message>
    <message>
        <source>示波、频谱分析、函数信号发生。</source>
        <translation>oscilloscope, spectrum analysis, function generator.</translation>
    </message>
    <message>
        <source>测量结果仅供参考。</source>
        <translation>Measurements are for reference only.</translation>
    </message>
    <message>
        <source>联系我们：帮助菜单中的 Lumora 主页</source>
        <translation>Contact us: Lumora home page (Help menu)</translation>
    </message>
    <message>
        <source>Orvanta 声卡双通道测量台 版本 %1</source>
        <translation>Orvanta Two-Channel Bench %1</translation>
    </message>
</context>
<context>
    <name>CBarTool</name>
    <message>
        <source>时基/采样率[Hz]</source>
        <translation>Time base / Sample rate [Hz]</translation>
    </message>
    <message>
        <source>相位[DOT]</source>
        <translation>Phase [DOT]</translation>
    </message>
    <message>
        <source>触发</source>
        <translation>Trigger</translation>
    </message>
    <message>
        <source>触发通道：   CH1 / 左声道 
CH2与CH1同步显示</source>
        <translation>Trigger channel: CH1 / left
CH2 shown in step with CH1</translation>
    </message>
    <message>
        <source>上升沿触发</source>
        <translation>Rising edge</translation>
    </message>
    <message>
        <source>下降沿触发</source>
        <translation>Falling edge</translation>
    </message>
    <message>
        <source>触发电平[逻辑值]:</source>
        <translation>Level [logic]:</translation>
    </message>
    <message>
        <source>增益[DB]</source>
        <translation>Gain [dB]</translation>
    </message>
    <message>
        <source>基线[DOT]</source>
        <translation>Base [DOT]</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>控制</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Vol</source>
        <translation>Vol</translation>
    </message>
    <message>
        <source>L&amp;&amp;Mi</source>
        <translation>L&amp;&amp;Mi</translation>
    </message>
    <message>
        <source>高级</source>
        <translation>Adv.</translation>
    </message>
    <message>
        <source>函数信号/扫频信号</source>
        <translation>Function / Sweep signal</translation>
    </message>
    <message>
        <source>函数信号</source>
        <translation>Function</translation>
    </message>
    <message>
        <source>扫频信号</source>
        <translation>Sweep</translation>
    </message>
    <message>
        <source>峰值:</source>
        <translation>Peak:</translation>
    </message>
    <message>
        <source>左声道:</source>
        <translation>Left:</translation>
    </message>
    <message>
        <source>右声道:</source>
        <translation>Right:</translation>
    </message>
    <message>
        <source>起始[Hz]:</source>
        <translation>Start[Hz]:</translation>
    </message>
    <message>
        <source>结束:</source>
        <translation>End:</translation>
    </message>
    <message>
        <source>扫频上升时间[ms]:</source>
        <translation>Rise time [ms]:</translation>
    </message>
    <message>
        <source>开始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>三角</source>
        <translation>Tri()</translation>
    </message>
    <message>
        <source>方波</source>
        <translation>Squ()</translation>
    </message>
    <message>
        <source>锯齿波</source>
        <translation>Saw()</translation>
    </message>
    <message>
        <source>请键入一个整数。</source>
        <translation>Please enter an integer.</translation>
    </message>
    <message>
        <source>左[Hz]:</source>
        <translation>L [Hz]:</translation>
    </message>
    <message>
        <source>右[Hz]:</source>
        <translation>R [Hz]:</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>切换开关</source>
        <translation>Switches</translation>
    </message>
    <message>
        <source>显示模式</source>
        <translation>Display Mode</translation>
    </message>
    <message>
        <source>数据输出</source>
        <translation>Data Output</translation>
    </message>
    <message>
        <source>时域</source>
        <translation>Time Domain</translation>
    </message>
    <message>
        <source>频域</source>
        <translation>Frequency Domain</translation>
    </message>
    <message>
        <source>函数信号</source>
        <translation>Function Signal</translation>
    </message>
    <message>
        <source>实时采样显示</source>
        <translation>Show Live Samples</translation>
    </message>
    <message>
        <source>样本数据显示</source>
        <translation>Show Sample Data</translation>
    </message>
    <message>
        <source>导出Excel样本数据文件[CSV]</source>
        <translation>Export Sample Data for Excel [CSV]</translation>
    </message>
    <message>
        <source>当前波形另存为位图文件[BMP]</source>
        <translation>Save Current Waveform as Bitmap [BMP]</translation>
    </message>
    <message>
        <source>实时采样</source>
        <translation>Live Sampling</translation>
    </message>
    <message>
        <source>实时采样
实时采样</source>
        <translation>Sample the input live
Live sampling</translation>
    </message>
    <message>
        <source>停止采样</source>
        <translation>Stop Sampling</translation>
    </message>
    <message>
        <source>停止采样
停止采样</source>
        <translation>Stop sampling the input
Stop sampling</translation>
    </message>
    <message>
        <source>截取数据样本</source>
        <translation>Capture Sample</translation>
    </message>
    <message>
        <source>截取数据样本
截取数据样本</source>
        <translation>Capture a sample of the input
Capture sample</translation>
    </message>
    <message>
        <source>清除样本数据</source>
        <translation>Clear Sample Data</translation>
    </message>
    <message>
        <source>清除样本数据
清除样本数据</source>
        <translation>Clear the sample data
Clear sample data</translation>
    </message>
    <message>
        <source>隐藏列表视窗</source>
        <translation>Hide List Pane</translation>
    </message>
    <message>
        <source>隐藏列表视窗
隐藏</source>
        <translation>Hide the list pane
Hide</translation>
    </message>
    <message>
        <source>隐藏控制面板</source>
        <translation>Hide Control Panel</translation>
    </message>
    <message>
        <source>隐藏控制面板
隐藏</source>
        <translation>Hide the control panel
Hide</translation>
    </message>
    <message>
        <source>进入Lumora主页，了解更多相关信息</source>
        <translation>Visit the Lumora Home Page for More Information</translation>
    </message>
    <message>
        <source>关于 Orvanta(&amp;A)...</source>
        <translation>&amp;About Orvanta...</translation>
    </message>
    <message>
        <source>关于 Orvanta</source>
        <translation>About Orvanta</translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>退出应用程序；提示保存文档
退出</source>
        <translation>Quit the application; prompts to save documents
Exit</translation>
    </message>
    <message>
        <source>显示或隐藏录制工具条</source>
        <translation>Show or Hide Record Bar</translation>
    </message>
    <message>
        <source>显示或隐藏录制工具条
显示或隐藏录制工具条</source>
        <translation>Show or hide the record bar
Show or hide the record bar</translation>
    </message>
    <message>
        <source>工具栏(&amp;T)</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>显示或隐藏工具栏
显隐工具栏</source>
        <translation>Show or hide the toolbar
Toggle toolbar</translation>
    </message>
    <message>
        <source>状态栏(&amp;S)</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>显示或隐藏状态栏
显隐状态栏</source>
        <translation>Show or hide the status bar
Toggle status bar</translation>
    </message>
    <message>
        <source>打开(&amp;O)...	Ctrl+O</source>
        <translation>&amp;Open...	Ctrl+O</translation>
    </message>
    <message>
        <source>打开波形数据文件
打开波形数据文件</source>
        <translation>Open a waveform data file
Open waveform data file</translation>
    </message>
    <message>
        <source>保存样本数据(&amp;S)	Ctrl+S</source>
        <translation>&amp;Save Sample Data	Ctrl+S</translation>
    </message>
    <message>
        <source>保存样本数据
保存样本数据</source>
        <translation>Save the sample data
Save sample data</translation>
    </message>
    <message>
        <source>打印(&amp;P)...	Ctrl+P</source>
        <translation>&amp;Print...	Ctrl+P</translation>
    </message>
    <message>
        <source>打印活动文档
打印</source>
        <translation>Print the active document
Print</translation>
    </message>
    <message>
        <source>打印预览(&amp;V)</source>
        <translation>Print Pre&amp;view</translation>
    </message>
    <message>
        <source>打印
打印预览</source>
        <translation>Print
Print preview</translation>
    </message>
    <message>
        <source>打印设置(&amp;R)...</source>
        <translation>P&amp;rint Setup...</translation>
    </message>
    <message>
        <source>改变打印机及打印选项
打印设置</source>
        <translation>Change the printer and printing options
Print setup</translation>
    </message>
    <message>
        <source>参数设置</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>设置
设置</source>
        <translation>Settings
Settings</translation>
    </message>
    <message>
        <source>采样插件设置</source>
        <translation>Sampling Plug-ins</translation>
    </message>
    <message>
        <source>文件(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>编辑(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>查看(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>视窗</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>工具栏</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>就绪</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>大写</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>数字</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>滚动</source>
        <translation>SCRL</translation>
    </message>
    <message>
        <source>录制工具条</source>
        <translation>Record Bar</translation>
    </message>
    <message>
        <source>波形文件(*.wav)</source>
        <translation>Wave files (*.wav)</translation>
    </message>
    <message>
        <source>No data played!</source>
        <translation>No data played!</translation>
    </message>
    <message>
        <source>无法打开 %1：%2</source>
        <translation>Cannot open %1: %2</translation>
    </message>
    <message>
        <source>波形数据(*.csv)</source>
        <translation>Waveform data (*.csv)</translation>
    </message>
    <message>
        <source>位图文件(*.bmp)</source>
        <translation>Bitmap files (*.bmp)</translation>
    </message>
    <message>
        <source>无法写入文件 %1：%2</source>
        <translation>Cannot write the file %1: %2</translation>
    </message>
    <message>
        <source>采样插件是输入源时不能录制（插件的数据不录制）。</source>
        <translation>Recording is not available while a sampling plug-in is the input (plug-in data is not recorded).</translation>
    </message>
    <message>
        <source>正在录音。录音将被丢弃，要先保存吗？</source>
        <translation>A recording is in progress and would be discarded. Save it first?</translation>
    </message>
    <message>
        <source>录音还没有保存，将被丢弃。要先保存吗？</source>
        <translation>The recording has not been saved and would be discarded. Save it first?</translation>
    </message>
    <message>
        <source>上次运行留下的录音 %1 无法读取：%2。文件留在原处。</source>
        <translation>The recording left by an earlier run, %1, cannot be read: %2. The file has been left where it is.</translation>
    </message>
    <message>
        <source>上次运行结束时，有一段录音没有保存（%1 秒，%2 Hz，%3 位，%4 声道）。要保存为 WAV 文件吗？
选“取消”则留到下次启动时再问。</source>
        <translation>An earlier run ended with a recording that had not been saved (%1 s, %2 Hz, %3-bit, %4 channels). Save it as a WAV file?
Cancel keeps it, and asks again at the next start.</translation>
    </message>
    <message>
        <source>录音没有保存，暂存文件还在。请另选一个位置保存。</source>
        <translation>The recording has not been saved; its spool file is still there. Choose another place to save it.</translation>
    </message>
    <message>
        <source>无法删除录音暂存文件 %1：%2</source>
        <translation>Cannot delete the recording spool file %1: %2</translation>
    </message>
    <message>
        <source>失真分析</source>
        <translation>Distortion analyzer</translation>
    </message>
    <message>
        <source>打开失真分析窗口
失真分析</source>
        <translation>Open the distortion analyzer window
Distortion analyzer</translation>
    </message>
    <message>
        <source>传递函数</source>
        <translation>Transfer function</translation>
    </message>
    <message>
        <source>打开传递函数窗口
传递函数</source>
        <translation>Open the transfer function window
Transfer function</translation>
    </message>
    <message>
        <source>找不到用户指南 guide/guide.html：它没有随程序安装。</source>
        <translation>Cannot find the user guide guide/guide.html: it was not installed with the program.</translation>
    </message>
    <message>
        <source>无法打开用户指南 %1：桌面上没有能打开网页的程序。</source>
        <translation>Cannot open the user guide %1: the desktop has no program that opens web pages.</translation>
    </message>
    <message>
        <source>PNG 图像(*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
</context>
<context>
    <name>CMyPropertyPage1</name>
    <message>
        <source>通道数:</source>
        <translation>Channels:</translation>
    </message>
    <message>
        <source>采样率:</source>
        <translation>Rate [Hz]:</translation>
    </message>
    <message>
        <source>数据位:</source>
        <translation>Bits:</translation>
    </message>
</context>
<context>
    <name>CMyPropertyPage2</name>
    <message>
        <source>通道 1</source>
        <translation>Channel 1</translation>
    </message>
    <message>
        <source>通道 2</source>
        <translation>Channel 2</translation>
    </message>
</context>
<context>
    <name>CMyPropertyPage3</name>
    <message>
        <source>坐标系:</source>
        <translation>Y axis:</translation>
    </message>
    <message>
        <source>逻辑电平等分参考坐标系</source>
        <translation>Logic level, even divisions</translation>
    </message>
    <message>
        <source>分贝显示参考坐标系</source>
        <translation>Decibels</translation>
    </message>
    <message>
        <source>电压整值等分参考坐标系</source>
        <translation>Millivolts, even divisions</translation>
    </message>
    <message>
        <source>时间单位:</source>
        <translation>Time unit:</translation>
    </message>
    <message>
        <source>毫秒[ms]</source>
        <translation>Millisecond</translation>
    </message>
    <message>
        <source>微秒[us]</source>
        <translation>Microsecond</translation>
    </message>
    <message>
        <source>逻辑电平值:</source>
        <translation>Logic level:</translation>
    </message>
    <message>
        <source>电压值[mV]:</source>
        <translation>Voltage [mV]:</translation>
    </message>
    <message>
        <source>逻辑电平值不能小于 1 </source>
        <translation>The logic level cannot be less than 1</translation>
    </message>
    <message>
        <source>电压值不能小于 1 </source>
        <translation>The voltage cannot be less than 1</translation>
    </message>
    <message>
        <source>电压值与逻辑电平值之比不能大于 %1</source>
        <translation>The voltage per logic level cannot be more than %1 mV</translation>
    </message>
</context>
<context>
    <name>CMyPropertyPage4</name>
    <message>
        <source>请输入校准逻辑电平值！</source>
        <translation>Enter the calibration logic level!</translation>
    </message>
    <message>
        <source>请输入一个在32000~-32000之间的值!</source>
        <translation>Enter a value between 32000 and -32000!</translation>
    </message>
</context>
<context>
    <name>CMyPropertyPage5</name>
    <message>
        <source>(默认设备)</source>
        <translation>(Default device)</translation>
    </message>
    <message>
        <source>%1（不在）</source>
        <translation>%1 (not there)</translation>
    </message>
    <message>
        <source>输入设备:</source>
        <translation>Input:</translation>
    </message>
    <message>
        <source>输出设备:</source>
        <translation>Output:</translation>
    </message>
</context>
<context>
    <name>CMyPropertySheet</name>
    <message>
        <source>采样参数</source>
        <translation>Sampling</translation>
    </message>
    <message>
        <source>曲线颜色</source>
        <translation>Colors</translation>
    </message>
    <message>
        <source>坐标系</source>
        <translation>Axes</translation>
    </message>
    <message>
        <source>逻辑电平校准</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <source>其他</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>COndrixView</name>
    <message>
        <source>内存不足，无法生成信号</source>
        <translation>Not enough memory to generate the signal</translation>
    </message>
    <message>
        <source>信号输出没有启动：%1</source>
        <translation>The signal output did not start: %1</translation>
    </message>
    <message>
        <source>插件 %1 未加载，改用声卡采样：%2</source>
        <translation>Plug-in %1 was not loaded; sampling the sound card: %2</translation>
    </message>
    <message>
        <source>所选的输入设备“%1”不在，改用默认设备</source>
        <translation>The chosen input device “%1” is not there; using the default device</translation>
    </message>
    <message>
        <source>所选的输出设备“%1”不在，改用默认设备</source>
        <translation>The chosen output device “%1” is not there; using the default device</translation>
    </message>
    <message>
        <source>；</source>
        <translation>; </translation>
    </message>
    <message>
        <source>声音输入已恢复</source>
        <translation>Sound input is back</translation>
    </message>
    <message>
        <source>信号输出已恢复</source>
        <translation>Signal output is back</translation>
    </message>
    <message>
        <source>声音输入和信号输出中断：%1</source>
        <translation>Sound input and signal output lost: %1</translation>
    </message>
    <message>
        <source>声音输入中断：%1</source>
        <translation>Sound input lost: %1</translation>
    </message>
    <message>
        <source>信号输出中断：%1</source>
        <translation>Signal output lost: %1</translation>
    </message>
    <message>
        <source>%1。每秒重试一次。</source>
        <translation>%1. Trying again every second.</translation>
    </message>
    <message>
        <source>声音输入和信号输出已恢复</source>
        <translation>Sound input and signal output are back</translation>
    </message>
</context>
<context>
    <name>CPlugInManagerDlg</name>
    <message>
        <source>采样插件设置</source>
        <translation>Sampling Plug-ins</translation>
    </message>
    <message>
        <source>使用采样插件进行数据采集。</source>
        <translation>Sample with a plug-in.</translation>
    </message>
    <message>
        <source>所有插件</source>
        <translation>Plug-ins</translation>
    </message>
    <message>
        <source>打开插件</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>删除插件</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>当前插件</source>
        <translation>In use</translation>
    </message>
    <message>
        <source>单击采样率单元格修改采样率。采样值字长为8位或16位。
单位：样/秒
注意：插件为动态链接库，且必须提供如下采样函数两者其中之一
int DllExport Write16BitDataBuf(short *buf,int length);或
int DllExport Write8BitDataBuf(BYTE *buf,int length);
方可使用。用户在编写插件时必须注意参数的取值范围short为–32,768---32,767;BYTE为 0---256</source>
        <translation>Click a rate cell to change the sample rate. Samples are 8 or 16 bits wide.
Unit: samples/second
Note: a plug-in is a shared library that must export one of these functions
int DllExport Write16BitDataBuf(short *buf,int length); or
int DllExport Write8BitDataBuf(BYTE *buf,int length);
to be usable. Mind the value ranges: short –32,768---32,767; BYTE 0---256</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>插件名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>采样率[Sps]</source>
        <translation>Rate [Sps]</translation>
    </message>
    <message>
        <source>文件路径</source>
        <translation>File path</translation>
    </message>
    <message>
        <source>插件文件(*.so)</source>
        <translation>Plug-in files (*.so)</translation>
    </message>
    <message>
        <source>插件已打开！</source>
        <translation>Plug-in opened!</translation>
    </message>
    <message>
        <source>插件不可用，或不符合本软件标准！</source>
        <translation>The plug-in cannot be used or does not meet this program&apos;s standard!</translation>
    </message>
    <message>
        <source>未选中任何插件！</source>
        <translation>No plug-in is selected!</translation>
    </message>
    <message>
        <source>未选中插件！</source>
        <translation>No plug-in selected!</translation>
    </message>
    <message>
        <source>采样率未设置！</source>
        <translation>The sample rate is not set!</translation>
    </message>
    <message>
        <source>路径中含有换行符，无法记入插件列表</source>
        <translation>The path holds a line break and cannot be kept in the plug-in list</translation>
    </message>
    <message>
        <source>插件列表无法读取，不会改写该文件。</source>
        <translation>The plug-in list cannot be read; its file will not be rewritten.</translation>
    </message>
    <message>
        <source>正在录制信号：请先停止录制，再打开或应用插件。</source>
        <translation>Recording: stop the recording before you open or apply a plug-in.</translation>
    </message>
</context>
<context>
    <name>CRecordBar</name>
    <message>
        <source>录制信号</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>回放</source>
        <translation>Play back</translation>
    </message>
    <message>
        <source>暂停</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>标尺[X]</source>
        <translation>Ruler[X]</translation>
    </message>
    <message>
        <source>标尺[Y]</source>
        <translation>Ruler[Y]</translation>
    </message>
</context>
<context>
    <name>CliText</name>
    <message>
        <source>no command given</source>
        <translation>no command given</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>unknown command &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option %1 does not belong to &apos;%2&apos;</source>
        <translation>option %1 does not belong to &apos;%2&apos;</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>option %1 needs a value</translation>
    </message>
    <message>
        <source>--at takes an element index from 0, not &apos;%1&apos;</source>
        <translation>--at takes an element index from 0, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--edge takes rising or falling, not &apos;%1&apos;</source>
        <translation>--edge takes rising or falling, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--level takes a sample value from -32768 to 32767, not &apos;%1&apos;</source>
        <translation>--level takes a sample value from -32768 to 32767, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--gain takes a step from 0 to 10, not &apos;%1&apos;</source>
        <translation>--gain takes a step from 0 to 10, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--mode takes time or freq, not &apos;%1&apos;</source>
        <translation>--mode takes time or freq, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--size takes WIDTHxHEIGHT, each from 1 to %1, not &apos;%2&apos;</source>
        <translation>--size takes WIDTHxHEIGHT, each from 1 to %1, not &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--rate takes a sample rate above 0, not &apos;%1&apos;</source>
        <translation>--rate takes a sample rate above 0, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--channels takes 1 or 2, not &apos;%1&apos;</source>
        <translation>--channels takes 1 or 2, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--rate and --channels belong to --plugin</source>
        <translation>--rate and --channels belong to --plugin</translation>
    </message>
    <message>
        <source>--plugin needs --rate</source>
        <translation>--plugin needs --rate</translation>
    </message>
    <message>
        <source>&apos;render --plugin&apos; takes an output picture and no --at</source>
        <translation>&apos;render --plugin&apos; takes an output picture and no --at</translation>
    </message>
    <message>
        <source>&apos;%1 --plugin&apos; takes no WAV file and no --at</source>
        <translation>&apos;%1 --plugin&apos; takes no WAV file and no --at</translation>
    </message>
    <message>
        <source>an output picture</source>
        <translation>an output picture</translation>
    </message>
    <message>
        <source>an output CSV file</source>
        <translation>an output CSV file</translation>
    </message>
    <message>
        <source>an output PDF file</source>
        <translation>an output PDF file</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes a WAV file and %2</source>
        <translation>&apos;%1&apos; takes a WAV file and %2</translation>
    </message>
    <message>
        <source>no WAV file given</source>
        <translation>no WAV file given</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes one WAV file</source>
        <translation>&apos;%1&apos; takes one WAV file</translation>
    </message>
    <message>
        <source>sample</source>
        <translation>sample</translation>
    </message>
    <message>
        <source>%1 takes sine, triangle, square or sawtooth, not &apos;%2&apos;</source>
        <translation>%1 takes sine, triangle, square or sawtooth, not &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--rate takes a sample rate in Hz, not &apos;%1&apos;</source>
        <translation>--rate takes a sample rate in Hz, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--play takes seconds from 0 to %1, not &apos;%2&apos;</source>
        <translation>--play takes seconds from 0 to %1, not &apos;%2&apos;</translation>
    </message>
    <message>
        <source>option %1 does not belong to &apos;generate&apos;</source>
        <translation>option %1 does not belong to &apos;generate&apos;</translation>
    </message>
    <message>
        <source>%1 takes an integer, not &apos;%2&apos;</source>
        <translation>%1 takes an integer, not &apos;%2&apos;</translation>
    </message>
    <message>
        <source>&apos;generate&apos; takes one output WAV file</source>
        <translation>&apos;generate&apos; takes one output WAV file</translation>
    </message>
    <message>
        <source> (see ondrix-cli --help)</source>
        <translation> (see ondrix-cli --help)</translation>
    </message>
    <message>
        <source>note: the generator runs at %1 Hz, not %2</source>
        <translation>note: the generator runs at %1 Hz, not %2</translation>
    </message>
    <message>
        <source>note: </source>
        <translation>note: </translation>
    </message>
    <message>
        <source>cannot play: %1</source>
        <translation>cannot play: %1</translation>
    </message>
    <message>
        <source>no whole %1 at element %2: the file holds %3 elements, a %1 takes %4</source>
        <translation>no whole %1 at element %2: the file holds %3 elements, a %1 takes %4</translation>
    </message>
    <message>
        <source>frame</source>
        <translation>frame</translation>
    </message>
    <message>
        <source>no memory for a frame</source>
        <translation>no memory for a frame</translation>
    </message>
    <message>
        <source>%1: no such settings file</source>
        <translation>%1: no such settings file</translation>
    </message>
    <message>
        <source>%1: cannot write the picture (%2)</source>
        <translation>%1: cannot write the picture (%2)</translation>
    </message>
    <message>
        <source>no memory for a picture of %1x%2 pixels</source>
        <translation>no memory for a picture of %1x%2 pixels</translation>
    </message>
    <message>
        <source>the page could not be drawn</source>
        <translation>the page could not be drawn</translation>
    </message>
    <message>
        <source>%1: cannot write the report (%2)</source>
        <translation>%1: cannot write the report (%2)</translation>
    </message>
    <message>
        <source>Prints the file&apos;s format, frames and duration.</source>
        <translation>Prints the file&apos;s format, frames and duration.</translation>
    </message>
    <message>
        <source>Prints the trigger index and each channel&apos;s frequency and RMS (in sample units) of the frame from --at.</source>
        <translation>Prints the trigger index and each channel&apos;s frequency and RMS (in sample units) of the frame from --at.</translation>
    </message>
    <message>
        <source>Prints each channel&apos;s peak frequency in the spectrum of the frame from --at; with --bins also the 1024 displayed magnitudes.</source>
        <translation>Prints each channel&apos;s peak frequency in the spectrum of the frame from --at; with --bins also the 1024 displayed magnitudes.</translation>
    </message>
    <message>
        <source>Writes the program&apos;s CSV export of the 2048 elements from --at.</source>
        <translation>Writes the program&apos;s CSV export of the 2048 elements from --at.</translation>
    </message>
    <message>
        <source>Writes the printed test report of the frame from --at as a one-page A4 PDF.</source>
        <translation>Writes the printed test report of the frame from --at as a one-page A4 PDF.</translation>
    </message>
    <message>
        <source>Prints the fundamental, harmonics, THD, THD+N, SINAD, SNR, ENOB and DC offset of every channel of a block from --at; also reads 24- and 32-bit integer and 32- and 64-bit float files of up to 64 channels.</source>
        <translation>Prints the fundamental, harmonics, THD, THD+N, SINAD, SNR, ENOB and DC offset of every channel of a block from --at; also reads 24- and 32-bit integer and 32- and 64-bit float files of up to 64 channels.</translation>
    </message>
    <message>
        <source>Prints a device&apos;s transfer function (magnitude, phase, coherence) and delay from a stereo file (CH1 the reference, CH2 the response) or two mono files.</source>
        <translation>Prints a device&apos;s transfer function (magnitude, phase, coherence) and delay from a stereo file (CH1 the reference, CH2 the response) or two mono files.</translation>
    </message>
    <message>
        <source>Writes the generator&apos;s signal.wav: a function signal, or with --sweep a sine sweep; values not given come from wavedata.ini.</source>
        <translation>Writes the generator&apos;s signal.wav: a function signal, or with --sweep a sine sweep; values not given come from wavedata.ini.</translation>
    </message>
    <message>
        <source>the element (one sample of one channel) where the frame starts, from 0</source>
        <translation>the element (one sample of one channel) where the frame starts, from 0</translation>
    </message>
    <message>
        <source>the trigger edge (rising if not given)</source>
        <translation>the trigger edge (rising if not given)</translation>
    </message>
    <message>
        <source>the trigger level, a sample value from -32768 to 32767</source>
        <translation>the trigger level, a sample value from -32768 to 32767</translation>
    </message>
    <message>
        <source>the magnitudes are divided by 2^STEP, STEP from 0 to 10 (5 if not given)</source>
        <translation>the magnitudes are divided by 2^STEP, STEP from 0 to 10 (5 if not given)</translation>
    </message>
    <message>
        <source>also print the 1024 displayed magnitudes</source>
        <translation>also print the 1024 displayed magnitudes</translation>
    </message>
    <message>
        <source>the waveform or the spectrum (time if not given)</source>
        <translation>the waveform or the spectrum (time if not given)</translation>
    </message>
    <message>
        <source>the size of the --png picture in pixels, each side up to 8192 (1000x600)</source>
        <translation>the size of the --png picture in pixels, each side up to 8192 (1000x600)</translation>
    </message>
    <message>
        <source>the settings to draw with (a setting.ini)</source>
        <translation>the settings to draw with (a setting.ini)</translation>
    </message>
    <message>
        <source>a sampling plug-in in place of FILE.wav and --at: the frame it delivers</source>
        <translation>a sampling plug-in in place of FILE.wav and --at: the frame it delivers</translation>
    </message>
    <message>
        <source>the plug-in&apos;s sample rate (needed with --plugin)</source>
        <translation>the plug-in&apos;s sample rate (needed with --plugin)</translation>
    </message>
    <message>
        <source>the plug-in&apos;s channels (else the settings&apos;, two by default)</source>
        <translation>the plug-in&apos;s channels (else the settings&apos;, two by default)</translation>
    </message>
    <message>
        <source>frames analysed, a power of two from 4096 to 262144 (65536 if not given)</source>
        <translation>frames analysed, a power of two from 4096 to 262144 (65536 if not given)</translation>
    </message>
    <message>
        <source>the fundamental near this frequency (else the strongest above 10 Hz)</source>
        <translation>the fundamental near this frequency (else the strongest above 10 Hz)</translation>
    </message>
    <message>
        <source>the highest harmonic measured, from 2 to 10 (10 if not given)</source>
        <translation>the highest harmonic measured, from 2 to 10 (10 if not given)</translation>
    </message>
    <message>
        <source>the band measured in Hz (20:20000 if not given), or the full band</source>
        <translation>the band measured in Hz (20:20000 if not given), or the full band</translation>
    </message>
    <message>
        <source>only channel K, from 1 (needed for files of more than 8 channels)</source>
        <translation>only channel K, from 1 (needed for files of more than 8 channels)</translation>
    </message>
    <message>
        <source>the FFT size, a power of two from 4096 to 65536 (16384 if not given)</source>
        <translation>the FFT size, a power of two from 4096 to 65536 (16384 if not given)</translation>
    </message>
    <message>
        <source>average the curve over this fraction of an octave</source>
        <translation>average the curve over this fraction of an octave</translation>
    </message>
    <message>
        <source>print one line of JSON instead of text</source>
        <translation>print one line of JSON instead of text</translation>
    </message>
    <message>
        <source>a sine sweep instead of the function signal</source>
        <translation>a sine sweep instead of the function signal</translation>
    </message>
    <message>
        <source>the left channel&apos;s wave: sine, triangle, square or sawtooth</source>
        <translation>the left channel&apos;s wave: sine, triangle, square or sawtooth</translation>
    </message>
    <message>
        <source>the right channel&apos;s wave</source>
        <translation>the right channel&apos;s wave</translation>
    </message>
    <message>
        <source>the left channel&apos;s frequency (with --sweep: the start)</source>
        <translation>the left channel&apos;s frequency (with --sweep: the start)</translation>
    </message>
    <message>
        <source>the right channel&apos;s frequency (with --sweep: the end)</source>
        <translation>the right channel&apos;s frequency (with --sweep: the end)</translation>
    </message>
    <message>
        <source>the left channel&apos;s peak, from 10 to 32767</source>
        <translation>the left channel&apos;s peak, from 10 to 32767</translation>
    </message>
    <message>
        <source>the right channel&apos;s peak, from 10 to 32767</source>
        <translation>the right channel&apos;s peak, from 10 to 32767</translation>
    </message>
    <message>
        <source>the sweep&apos;s rise time in milliseconds</source>
        <translation>the sweep&apos;s rise time in milliseconds</translation>
    </message>
    <message>
        <source>the sample rate, from 44100 to 200000 (else 44100)</source>
        <translation>the sample rate, from 44100 to 200000 (else 44100)</translation>
    </message>
    <message>
        <source>mono or stereo (2 if not given)</source>
        <translation>mono or stereo (2 if not given)</translation>
    </message>
    <message>
        <source>then play the signal looped through the sound card for so long</source>
        <translation>then play the signal looped through the sound card for so long</translation>
    </message>
    <message>
        <source>OPTION</source>
        <translation>OPTION</translation>
    </message>
    <message>
        <source>the language of the messages, pictures and reports (else the user&apos;s UI language)</source>
        <translation>the language of the messages, pictures and reports (else the user&apos;s UI language)</translation>
    </message>
    <message>
        <source>print this help and exit</source>
        <translation>print this help and exit</translation>
    </message>
    <message>
        <source>print this help, or with a command that command&apos;s (as &apos;help COMMAND&apos; does), and exit</source>
        <translation>print this help, or with a command that command&apos;s (as &apos;help COMMAND&apos; does), and exit</translation>
    </message>
    <message>
        <source>print the version and exit</source>
        <translation>print the version and exit</translation>
    </message>
    <message>
        <source>Exit status:
</source>
        <translation>Exit status:
</translation>
    </message>
    <message>
        <source>success</source>
        <translation>success</translation>
    </message>
    <message>
        <source>generate: the file was written but could not be played</source>
        <translation>generate: the file was written but could not be played</translation>
    </message>
    <message>
        <source>bad arguments, an input that cannot be read or measured, or an output that cannot be written; one line on stderr says why</source>
        <translation>bad arguments, an input that cannot be read or measured, or an output that cannot be written; one line on stderr says why</translation>
    </message>
    <message>
        <source>Usage: ondrix-cli COMMAND ARGUMENT... [OPTION]...
Try &apos;ondrix-cli --help&apos; for more information.
</source>
        <translation>Usage: ondrix-cli COMMAND ARGUMENT... [OPTION]...
Try &apos;ondrix-cli --help&apos; for more information.
</translation>
    </message>
    <message>
        <source>Usage: ondrix-cli COMMAND ARGUMENT... [OPTION]...
  or:  ondrix-cli help [COMMAND]
  or:  ondrix-cli --help | --version
</source>
        <translation>Usage: ondrix-cli COMMAND ARGUMENT... [OPTION]...
  or:  ondrix-cli help [COMMAND]
  or:  ondrix-cli --help | --version
</translation>
    </message>
    <message>
        <source>Measures WAV recordings and sampling plug-ins the way the Orvanta instrument does, without a window: measurements, spectra, pictures, CSV, reports, distortion, transfer functions and test signals.</source>
        <translation>Measures WAV recordings and sampling plug-ins the way the Orvanta instrument does, without a window: measurements, spectra, pictures, CSV, reports, distortion, transfer functions and test signals.</translation>
    </message>
    <message>
        <source>Commands:
</source>
        <translation>Commands:
</translation>
    </message>
    <message>
        <source>Options: %1.</source>
        <translation>Options: %1.</translation>
    </message>
    <message>
        <source>Options:
</source>
        <translation>Options:
</translation>
    </message>
    <message>
        <source>Usage: ondrix-cli %1
</source>
        <translation>Usage: ondrix-cli %1
</translation>
    </message>
    <message>
        <source>--length takes a power of two from %1 to %2, not &apos;%3&apos;</source>
        <translation>--length takes a power of two from %1 to %2, not &apos;%3&apos;</translation>
    </message>
    <message>
        <source>--fundamental takes a frequency above 10 Hz, not &apos;%1&apos;</source>
        <translation>--fundamental takes a frequency above 10 Hz, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--harmonics takes the highest harmonic, from 2 to 10, not &apos;%1&apos;</source>
        <translation>--harmonics takes the highest harmonic, from 2 to 10, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--band takes LOW:HIGH in Hz with 0 &lt;= LOW &lt; HIGH, or full, not &apos;%1&apos;</source>
        <translation>--band takes LOW:HIGH in Hz with 0 &lt;= LOW &lt; HIGH, or full, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--channel takes a channel from 1 to %1, not &apos;%2&apos;</source>
        <translation>--channel takes a channel from 1 to %1, not &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--fft takes a power of two from %1 to %2, not &apos;%3&apos;</source>
        <translation>--fft takes a power of two from %1 to %2, not &apos;%3&apos;</translation>
    </message>
    <message>
        <source>--smoothing takes none, 1/48, 1/24, 1/12, 1/6 or 1/3, not &apos;%1&apos;</source>
        <translation>--smoothing takes none, 1/48, 1/24, 1/12, 1/6 or 1/3, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;response&apos; takes a stereo WAV file, or two mono WAV files (the reference, then the response)</source>
        <translation>&apos;response&apos; takes a stereo WAV file, or two mono WAV files (the reference, then the response)</translation>
    </message>
    <message>
        <source>%1: the file holds %2 frames, %3 of them from frame %4; the analysis needs at least %5</source>
        <translation>%1: the file holds %2 frames, %3 of them from frame %4; the analysis needs at least %5</translation>
    </message>
    <message>
        <source>%1: %2 frames from frame %3, not %4: analysing %5</source>
        <translation>%1: %2 frames from frame %3, not %4: analysing %5</translation>
    </message>
    <message>
        <source>--channel %1 is past the last channel, %2</source>
        <translation>--channel %1 is past the last channel, %2</translation>
    </message>
    <message>
        <source>%1 channels: pick one with --channel K (every channel is analysed only up to %2)</source>
        <translation>%1 channels: pick one with --channel K (every channel is analysed only up to %2)</translation>
    </message>
    <message>
        <source>--fundamental %1 Hz is not below half the sample rate (%2 Hz)</source>
        <translation>--fundamental %1 Hz is not below half the sample rate (%2 Hz)</translation>
    </message>
    <message>
        <source>channel %1: %2</source>
        <translation>channel %1: %2</translation>
    </message>
    <message>
        <source>%1: a mono file; give a stereo file (CH1 the reference, CH2 the response) or two mono files</source>
        <translation>%1: a mono file; give a stereo file (CH1 the reference, CH2 the response) or two mono files</translation>
    </message>
    <message>
        <source>%1: %2 channels; two files must each be mono</source>
        <translation>%1: %2 channels; two files must each be mono</translation>
    </message>
    <message>
        <source>%1 is at %2 Hz and %3 at %4 Hz; both must have one sample rate</source>
        <translation>%1 is at %2 Hz and %3 at %4 Hz; both must have one sample rate</translation>
    </message>
    <message>
        <source>%1: %2 frames, fewer than one FFT segment of %3; give a smaller --fft or a longer file</source>
        <translation>%1: %2 frames, fewer than one FFT segment of %3; give a smaller --fft or a longer file</translation>
    </message>
    <message>
        <source>the files overlap by %1 frames once aligned, fewer than one FFT segment of %2</source>
        <translation>the files overlap by %1 frames once aligned, fewer than one FFT segment of %2</translation>
    </message>
    <message>
        <source>Writes the picture the program shows for the frame from --at in the format of OUT&apos;s extension: .bmp (24-bit), .png, .jpg or .jpeg; standard output (-), a pipe or a device without one takes BMP.</source>
        <translation>Writes the picture the program shows for the frame from --at in the format of OUT&apos;s extension: .bmp (24-bit), .png, .jpg or .jpeg; standard output (-), a pipe or a device without one takes BMP.</translation>
    </message>
    <message>
        <source>the window&apos;s size in pixels, from 840x436 to 8192x8192 (1000x600 if not given)</source>
        <translation>the window&apos;s size in pixels, from 840x436 to 8192x8192 (1000x600 if not given)</translation>
    </message>
    <message>
        <source>also write the points as CSV (- for standard output)</source>
        <translation>also write the points as CSV (- for standard output)</translation>
    </message>
    <message>
        <source>also write the plots as PNG (- for standard output)</source>
        <translation>also write the plots as PNG (- for standard output)</translation>
    </message>
    <message>
        <source>Standard input and output:
</source>
        <translation>Standard input and output:
</translation>
    </message>
    <message>
        <source>A WAV file named - is read from standard input, and a named pipe likewise: whole, up to 2 GiB. An output named - is written to standard output; a picture, a PDF or a WAV file not to a terminal.</source>
        <translation>A WAV file named - is read from standard input, and a named pipe likewise: whole, up to 2 GiB. An output named - is written to standard output; a picture, a PDF or a WAV file not to a terminal.</translation>
    </message>
    <message>
        <source>standard input is a terminal: give a file or a pipe</source>
        <translation>standard input is a terminal: give a file or a pipe</translation>
    </message>
    <message>
        <source>more than 2 GiB from a stream; give it as a file</source>
        <translation>more than 2 GiB from a stream; give it as a file</translation>
    </message>
    <message>
        <source>standard output is a terminal: redirect it to a file or a pipe</source>
        <translation>standard output is a terminal: redirect it to a file or a pipe</translation>
    </message>
    <message>
        <source>%1: the picture&apos;s format follows its extension: .bmp, .png, .jpg or .jpeg</source>
        <translation>%1: the picture&apos;s format follows its extension: .bmp, .png, .jpg or .jpeg</translation>
    </message>
    <message>
        <source>--size %1x%2 cuts the picture off: it takes at least %3x%4</source>
        <translation>--size %1x%2 cuts the picture off: it takes at least %3x%4</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>未知选项 %1（ondrix --help 列出选项）</source>
        <translation>unknown option %1 (ondrix --help lists the options)</translation>
    </message>
    <message>
        <source>一次只能打开一个文件，给出了 %1 个</source>
        <translation>one file at a time, not %1</translation>
    </message>
    <message>
        <source>用法: ondrix [选项]... [FILE.wav]
Orvanta：把电脑声卡变成双通道测量台（示波器、频谱分析、函数信号发生器、
WAV 录音）。

选项:
  --lang en|zh   界面语言：英文或中文（默认随系统语言）
  --no-plugin    用声卡采样，不管采样插件设置如何
  --help         显示本帮助并退出
  --version      显示版本信息并退出

给出 FILE.wav 时，窗口出现后像“文件”菜单的“打开”命令那样打开它。
Qt 自己的选项（-platform、-style 等）也可使用。
</source>
        <translation>Usage: ondrix [OPTION]... [FILE.wav]
Orvanta: a two-channel measuring bench on the PC&apos;s sound card (oscilloscope,
spectrum analyzer, function generator, WAV recorder).

Options:
  --lang en|zh   speak English or Chinese (default: the desktop&apos;s language)
  --no-plugin    sample from the sound card, whatever the plug-in settings say
  --help         display this help and exit
  --version      output version information and exit

FILE.wav, when given, is opened as the File menu&apos;s Open command opens it,
once the window is up. Qt&apos;s own options (-platform, -style, ...) work too.
</translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>无法写入文件 %1：%2</source>
        <translation>Cannot write the file %1: %2</translation>
    </message>
</context>
<context>
    <name>DistortionAnalysis</name>
    <message>
        <source>the sample rate must be above 0</source>
        <translation>the sample rate must be above 0</translation>
    </message>
    <message>
        <source>the full scale must be above 0</source>
        <translation>the full scale must be above 0</translation>
    </message>
    <message>
        <source>the analysis length %1 is below %2</source>
        <translation>the analysis length %1 is below %2</translation>
    </message>
    <message>
        <source>the block holds %1 samples; the analysis needs at least %2</source>
        <translation>the block holds %1 samples; the analysis needs at least %2</translation>
    </message>
    <message>
        <source>the measurement band %1 Hz .. %2 Hz is empty</source>
        <translation>the measurement band %1 Hz .. %2 Hz is empty</translation>
    </message>
    <message>
        <source>the given fundamental frequency is not a frequency</source>
        <translation>the given fundamental frequency is not a frequency</translation>
    </message>
    <message>
        <source>sample %1 is not a finite number</source>
        <translation>sample %1 is not a finite number</translation>
    </message>
    <message>
        <source>the given fundamental %1 Hz is outside %2 Hz .. %3 Hz</source>
        <translation>the given fundamental %1 Hz is outside %2 Hz .. %3 Hz</translation>
    </message>
    <message>
        <source>the sample rate leaves no frequencies above 10 Hz</source>
        <translation>the sample rate leaves no frequencies above 10 Hz</translation>
    </message>
    <message>
        <source>the strongest component lies below %1 Hz, too close to DC for %2 samples</source>
        <translation>the strongest component lies below %1 Hz, too close to DC for %2 samples</translation>
    </message>
    <message>
        <source>the signal has no component above 10 Hz</source>
        <translation>the signal has no component above 10 Hz</translation>
    </message>
</context>
<context>
    <name>DistortionFigures</name>
    <message>
        <source>基波频率</source>
        <translation>Fundamental</translation>
    </message>
    <message>
        <source>基波有效值</source>
        <translation>Fundamental RMS</translation>
    </message>
    <message>
        <source>基波电平</source>
        <translation>Fundamental level</translation>
    </message>
    <message>
        <source>基波电压</source>
        <translation>Fundamental voltage</translation>
    </message>
    <message>
        <source>%1 次谐波</source>
        <translation>Harmonic %1</translation>
    </message>
    <message>
        <source>直流</source>
        <translation>DC</translation>
    </message>
    <message>
        <source>%1 位</source>
        <translation>%1 bits</translation>
    </message>
</context>
<context>
    <name>DistortionWindow</name>
    <message>
        <source>函数信号</source>
        <translation>Function signal</translation>
    </message>
    <message>
        <source>回放</source>
        <translation>Replay</translation>
    </message>
    <message>
        <source>实时输入</source>
        <translation>Live input</translation>
    </message>
    <message>
        <source>样本</source>
        <translation>Sample</translation>
    </message>
    <message>
        <source>失真分析</source>
        <translation>Distortion analyzer</translation>
    </message>
    <message>
        <source>20 Hz – 20 kHz</source>
        <translation>20 Hz – 20 kHz</translation>
    </message>
    <message>
        <source>全频带</source>
        <translation>Full band</translation>
    </message>
    <message>
        <source>分析长度：</source>
        <translation>Analysis length:</translation>
    </message>
    <message>
        <source>频带：</source>
        <translation>Band:</translation>
    </message>
    <message>
        <source>%1：正在等待样本（已有 %2 个，至少需要 %3 个）。</source>
        <translation>%1: waiting for samples (%2 so far, at least %3 needed).</translation>
    </message>
    <message>
        <source>%1：%2 Hz，分析 %3 个样本。</source>
        <translation>%1: %2 Hz, %3 samples analysed.</translation>
    </message>
    <message>
        <source>CH%1 无法分析：%2</source>
        <translation>CH%1 cannot be analysed: %2</translation>
    </message>
</context>
<context>
    <name>InputFile</name>
    <message>
        <source>是文件夹，不是文件</source>
        <translation>is a folder, not a file</translation>
    </message>
    <message>
        <source>是设备，不是普通文件</source>
        <translation>is a device, not a regular file</translation>
    </message>
    <message>
        <source>是命名管道，不是普通文件</source>
        <translation>is a named pipe, not a regular file</translation>
    </message>
    <message>
        <source>不是普通文件</source>
        <translation>is not a regular file</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>--lang needs a value: en or zh</source>
        <translation>--lang needs a value: en or zh</translation>
    </message>
    <message>
        <source>--lang takes en or zh, not &apos;%1&apos;</source>
        <translation>--lang takes en or zh, not &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>LeftSpool</name>
    <message>
        <source>暂存文件比录音的上限 %1 字节还大</source>
        <translation>the spool file is larger than a recording&apos;s limit of %1 bytes</translation>
    </message>
</context>
<context>
    <name>MixerControl</name>
    <message>
        <source>GetLinInfo Resource faile!</source>
        <translation>GetLinInfo Resource faile!</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>输出文件就是输入文件 %1，不能覆盖</source>
        <translation>The output file is the input file %1 and cannot be overwritten</translation>
    </message>
    <message>
        <source>没有程序在读取这个命名管道</source>
        <translation>no program is reading from this named pipe</translation>
    </message>
    <message>
        <source>%1（替换文件要先在文件夹 %2 中新建文件；原文件保持不变）</source>
        <translation>%1 (replacing the file needs a new file in the folder %2 first; the old file is left as it was)</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>无法生成 %1 图像</source>
        <translation>cannot encode the %1 image</translation>
    </message>
</context>
<context>
    <name>PictureText</name>
    <message>
        <source>======时域=======</source>
        <translation>====Time domain====</translation>
    </message>
    <message>
        <source>======频域=======</source>
        <translation>==Frequency domain==</translation>
    </message>
    <message>
        <source>====函数信号=====</source>
        <translation>==Function signal==</translation>
    </message>
    <message>
        <source>横轴[X]：频率[KHz]</source>
        <translation>X axis: frequency [kHz]</translation>
    </message>
    <message>
        <source>横轴[X]：频率[MHz]</source>
        <translation>X axis: frequency [MHz]</translation>
    </message>
    <message>
        <source>     X1：%.2f</source>
        <translation>     X1: %.2f</translation>
    </message>
    <message>
        <source>     X2：%.2f</source>
        <translation>     X2: %.2f</translation>
    </message>
    <message>
        <source>|X2-X1|：%.2f</source>
        <translation>|X2-X1|: %.2f</translation>
    </message>
    <message>
        <source>标尺[X]：%.2f</source>
        <translation>Ruler[X]: %.2f</translation>
    </message>
    <message>
        <source>纵轴[Y]：逻辑电平</source>
        <translation>Y axis: logic level</translation>
    </message>
    <message>
        <source>     Y1：%.2f</source>
        <translation>     Y1: %.2f</translation>
    </message>
    <message>
        <source>     Y2：%.2f</source>
        <translation>     Y2: %.2f</translation>
    </message>
    <message>
        <source>|Y2-Y1|：%0.2f</source>
        <translation>|Y2-Y1|: %0.2f</translation>
    </message>
    <message>
        <source>标尺[Y]：%.2f</source>
        <translation>Ruler[Y]: %.2f</translation>
    </message>
    <message>
        <source>CH1频率：%d</source>
        <translation>CH1 frequency: %d</translation>
    </message>
    <message>
        <source>CH2频率：%d</source>
        <translation>CH2 frequency: %d</translation>
    </message>
    <message>
        <source>纵轴[Y]：分贝[db]</source>
        <translation>Y axis: decibels [dB]</translation>
    </message>
    <message>
        <source>     Y1：%0.2f</source>
        <translation>     Y1: %0.2f</translation>
    </message>
    <message>
        <source>     Y2：%0.2f</source>
        <translation>     Y2: %0.2f</translation>
    </message>
    <message>
        <source>标尺[Y]：%0.2f</source>
        <translation>Ruler[Y]: %0.2f</translation>
    </message>
    <message>
        <source>CH1频率：%dHz</source>
        <translation>CH1 frequency: %dHz</translation>
    </message>
    <message>
        <source>CH2频率：%dHz</source>
        <translation>CH2 frequency: %dHz</translation>
    </message>
    <message>
        <source>纵轴[Y]：电压[mV]</source>
        <translation>Y axis: voltage [mV]</translation>
    </message>
    <message>
        <source>     Y1：%d</source>
        <translation>     Y1: %d</translation>
    </message>
    <message>
        <source>     Y2：%d</source>
        <translation>     Y2: %d</translation>
    </message>
    <message>
        <source>|Y2-Y1|：%d</source>
        <translation>|Y2-Y1|: %d</translation>
    </message>
    <message>
        <source>标尺[Y]：%d</source>
        <translation>Ruler[Y]: %d</translation>
    </message>
    <message>
        <source>横轴[X]：毫秒[ms]</source>
        <translation>X axis: milliseconds [ms]</translation>
    </message>
    <message>
        <source>横轴[X]：微秒[us]</source>
        <translation>X axis: microseconds [us]</translation>
    </message>
    <message>
        <source>     X1：%0.2f</source>
        <translation>     X1: %0.2f</translation>
    </message>
    <message>
        <source>     X2：%0.2f</source>
        <translation>     X2: %0.2f</translation>
    </message>
    <message>
        <source>|X2-X1|：%0.2f</source>
        <translation>|X2-X1|: %0.2f</translation>
    </message>
    <message>
        <source>标尺[X]：%0.2f</source>
        <translation>Ruler[X]: %0.2f</translation>
    </message>
    <message>
        <source>标尺[Y]：∞</source>
        <translation>Ruler[Y]: ∞</translation>
    </message>
    <message>
        <source>|Y2-Y1|：%.2f</source>
        <translation>|Y2-Y1|: %.2f</translation>
    </message>
    <message>
        <source>CH1-RMS：%0.2f mV</source>
        <translation>CH1-RMS: %0.2f mV</translation>
    </message>
    <message>
        <source>CH2-RMS：%0.2f mV</source>
        <translation>CH2-RMS: %0.2f mV</translation>
    </message>
</context>
<context>
    <name>PluginList</name>
    <message>
        <source>无法写入文件 %1：%2</source>
        <translation>Cannot write the file %1: %2</translation>
    </message>
    <message>
        <source>未读取 %1：%2</source>
        <translation>%1 not read: %2</translation>
    </message>
</context>
<context>
    <name>PluginSettings</name>
    <message>
        <source>写入失败</source>
        <translation>Write failed</translation>
    </message>
    <message>
        <source>无法写入文件 %1：%2</source>
        <translation>Cannot write the file %1: %2</translation>
    </message>
    <message>
        <source>未读取 %1：%2</source>
        <translation>%1 not read: %2</translation>
    </message>
</context>
<context>
    <name>PluginStartGuard</name>
    <message>
        <source>无法写入插件保护标记 %1：%2</source>
        <translation>Cannot write the plug-in guard marker %1: %2</translation>
    </message>
    <message>
        <source>应用它时</source>
        <translation>while it was being applied</translation>
    </message>
    <message>
        <source>采样时</source>
        <translation>while sampling</translation>
    </message>
    <message>
        <source>插件管理器中打开它时</source>
        <translation>while it was being opened in the plug-in manager</translation>
    </message>
    <message>
        <source>上次运行时，插件 %1 在%2使程序意外终止，本次改用声卡采样。plus.ini 未改动：请在“采样插件设置”中重新应用。</source>
        <translation>Last time plug-in %1 ended the program %2, so this start samples the sound card. plus.ini is unchanged: apply again in Sampling Plug-ins.</translation>
    </message>
    <message>
        <source>启动加载时</source>
        <translation>while it was loading at start-up</translation>
    </message>
</context>
<context>
    <name>PropertyPage</name>
    <message>
        <source>请键入一个整数。</source>
        <translation>Please enter an integer.</translation>
    </message>
    <message>
        <source>请键入一个数。</source>
        <translation>Please enter a number.</translation>
    </message>
</context>
<context>
    <name>PulseAudioInput</name>
    <message>
        <source>声音输入不支持这种格式</source>
        <translation>The sound input cannot deliver this format</translation>
    </message>
</context>
<context>
    <name>PulseServer</name>
    <message>
        <source>无法连接声音服务器</source>
        <translation>Cannot connect to the sound server</translation>
    </message>
    <message>
        <source>没有声音服务器（%1）</source>
        <translation>No sound server (%1)</translation>
    </message>
    <message>
        <source>没有在运行的声音服务器</source>
        <translation>No sound server is running</translation>
    </message>
</context>
<context>
    <name>PulseStream</name>
    <message>
        <source>%1。请启动声音服务器（PulseAudio 或 PipeWire），程序会自动接上。</source>
        <translation>%1. Start the sound server (PulseAudio or PipeWire); the program connects by itself.</translation>
    </message>
    <message>
        <source>所选的输入设备“%1”不在。请插上它，或在“设置 → 其他”中另选设备。</source>
        <translation>The chosen input device “%1” is not there. Plug it in, or choose another one in Settings → Other.</translation>
    </message>
    <message>
        <source>所选的输出设备“%1”不在。请插上它，或在“设置 → 其他”中另选设备。</source>
        <translation>The chosen output device “%1” is not there. Plug it in, or choose another one in Settings → Other.</translation>
    </message>
    <message>
        <source>没有声音输入设备。请插上设备，或在“设置 → 其他”中选择设备。</source>
        <translation>There is no sound input device. Plug one in, or choose one in Settings → Other.</translation>
    </message>
    <message>
        <source>没有声音输出设备。请插上设备，或在“设置 → 其他”中选择设备。</source>
        <translation>There is no sound output device. Plug one in, or choose one in Settings → Other.</translation>
    </message>
    <message>
        <source>声音流无法建立（%1）</source>
        <translation>The sound stream cannot be made (%1)</translation>
    </message>
    <message>
        <source>声音服务器断开了</source>
        <translation>the sound server went away</translation>
    </message>
    <message>
        <source>输入设备“%1”不在了</source>
        <translation>the input device “%1” is gone</translation>
    </message>
    <message>
        <source>输出设备“%1”不在了</source>
        <translation>the output device “%1” is gone</translation>
    </message>
    <message>
        <source>声音流中断（%1）</source>
        <translation>the sound stream broke off (%1)</translation>
    </message>
    <message>
        <source>测量输入</source>
        <translation>Measurement input</translation>
    </message>
    <message>
        <source>信号发生器</source>
        <translation>Signal generator</translation>
    </message>
</context>
<context>
    <name>QtAudioOutput</name>
    <message>
        <source>只能播放 16 位 PCM 单声道或立体声信号</source>
        <translation>Only 16-bit PCM mono or stereo signals can be played</translation>
    </message>
    <message>
        <source>没有可播放的信号</source>
        <translation>There is no signal to play</translation>
    </message>
    <message>
        <source>没有声音输出设备</source>
        <translation>There is no sound output device</translation>
    </message>
    <message>
        <source>声音输出设备不支持 %1 Hz、%2 声道的 16 位信号</source>
        <translation>The sound output device does not support 16-bit signals at %1 Hz with %2 channels</translation>
    </message>
    <message>
        <source>无法打开声音输出设备</source>
        <translation>Cannot open the sound output device</translation>
    </message>
</context>
<context>
    <name>RawRecordFile</name>
    <message>
        <source>无法写入文件 %1：%2</source>
        <translation>Cannot write the file %1: %2</translation>
    </message>
</context>
<context>
    <name>RecordRepairs</name>
    <message>
        <source>文件只有 %1 字节（应为 %2 字节），缺少的设置取默认值</source>
        <translation>the file has only %1 bytes (%2 expected), the missing settings take their defaults</translation>
    </message>
    <message>
        <source>超出范围的 %1 已恢复为默认值</source>
        <translation>%1 out of range, restored to the defaults</translation>
    </message>
    <message>
        <source>%1 已修复：%2</source>
        <translation>%1 repaired: %2</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>；</source>
        <translation>; </translation>
    </message>
    <message>
        <source>无法读取（%1），设置全部取默认值</source>
        <translation>cannot be read (%1), all settings take their defaults</translation>
    </message>
    <message>
        <source>文件有 %1 字节（应为 %2 字节），只读取了前 %2 字节</source>
        <translation>the file has %1 bytes (%2 expected), only the first %2 were read</translation>
    </message>
</context>
<context>
    <name>RecordingSpool</name>
    <message>
        <source>不是录音暂存文件</source>
        <translation>not a recording spool file</translation>
    </message>
    <message>
        <source>暂存文件的版本 %1 是本程序不认识的</source>
        <translation>the spool file&apos;s version %1 is unknown to this program</translation>
    </message>
    <message>
        <source>暂存文件的格式记录已损坏</source>
        <translation>the spool file&apos;s format record is damaged</translation>
    </message>
    <message>
        <source>没有在文件夹 %1 中建立文件的权限</source>
        <translation>no permission to create files in the folder %1</translation>
    </message>
    <message>
        <source>无法在文件夹 %1 中建立锁文件</source>
        <translation>cannot create a lock file in the folder %1</translation>
    </message>
    <message>
        <source>文件夹 %1 中的暂存文件名都已被占用</source>
        <translation>every spool file name in the folder %1 is taken</translation>
    </message>
    <message>
        <source>暂存文件已达到录音的上限</source>
        <translation>the spool file has reached a recording&apos;s limit</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>通道数: %1</source>
        <translation>Channels: %1</translation>
    </message>
    <message>
        <source>采样率: %1</source>
        <translation>Sample rate: %1</translation>
    </message>
    <message>
        <source>数据长度: %1</source>
        <translation>Data length: %1</translation>
    </message>
    <message>
        <source>测试描述: %1</source>
        <translation>Test description: %1</translation>
    </message>
    <message>
        <source>测试人: %1</source>
        <translation>Tester: %1</translation>
    </message>
    <message>
        <source>===Lumora Ondrix 测试报告===</source>
        <translation>===Lumora Ondrix Test Report===</translation>
    </message>
    <message>
        <source>日期: %1</source>
        <translation>Date: %1</translation>
    </message>
    <message>
        <source>测试报告</source>
        <translation>Test report</translation>
    </message>
</context>
<context>
    <name>RuntimeFolder</name>
    <message>
        <source>无法写入文件 %1：%2</source>
        <translation>Cannot write the file %1: %2</translation>
    </message>
    <message>
        <source>没有用户数据文件夹</source>
        <translation>There is no user data folder</translation>
    </message>
    <message>
        <source>无法创建文件夹 %1：%2</source>
        <translation>Cannot create the folder %1: %2</translation>
    </message>
</context>
<context>
    <name>SamplingEngine</name>
    <message>
        <source>Init fail!</source>
        <translation>Init fail!</translation>
    </message>
    <message>
        <source>Error No.1</source>
        <translation>Error No.1</translation>
    </message>
    <message>
        <source>文件太大，内存不足，无法打开</source>
        <translation>The file is too large: there is not enough memory to open it</translation>
    </message>
    <message>
        <source>数据有 %1 字节，超过了录音的上限 %2 字节</source>
        <translation>The data has %1 bytes, more than the recording&apos;s limit of %2 bytes</translation>
    </message>
    <message>
        <source>函数信号视图中不能录制：请先选择“时域”或“频域”。</source>
        <translation>Cannot record in the Function Signal view: choose Time Domain or Frequency Domain first.</translation>
    </message>
    <message>
        <source>录音已达到上限 %1</source>
        <translation>The recording has reached its limit of %1</translation>
    </message>
    <message>
        <source>内存不足</source>
        <translation>Out of memory</translation>
    </message>
    <message>
        <source>%1，录制已停止。已录制的数据全部保留，按“停止”可保存。</source>
        <translation>%1: recording has stopped. Everything recorded so far is kept; press Stop to save it.</translation>
    </message>
    <message>
        <source>录音没有保存，仍在内存中。请另选一个位置保存。</source>
        <translation>The recording has not been saved; it is still in memory. Choose another place to save it.</translation>
    </message>
    <message>
        <source>录音暂存文件（%1）出错：%2。录音只在内存中，程序崩溃时无法恢复。</source>
        <translation>Recording spool file (%1) failed: %2. The recording is in memory only and cannot be recovered after a crash.</translation>
    </message>
</context>
<context>
    <name>SamplingPlugin</name>
    <message>
        <source>无法加载插件：%1</source>
        <translation>Cannot load the plug-in: %1</translation>
    </message>
    <message>
        <source>插件没有导出 Write8BitDataBuf 或 Write16BitDataBuf</source>
        <translation>The plug-in exports neither Write8BitDataBuf nor Write16BitDataBuf</translation>
    </message>
    <message>
        <source>路径中含有空字符</source>
        <translation>The path holds a NUL character</translation>
    </message>
    <message>
        <source>路径过长（%1 字节，最多 %2 字节）</source>
        <translation>The path is too long (%1 bytes, at most %2)</translation>
    </message>
</context>
<context>
    <name>SignalGenerator</name>
    <message>
        <source>左声道</source>
        <translation>The left channel</translation>
    </message>
    <message>
        <source>右声道</source>
        <translation>The right channel</translation>
    </message>
    <message>
        <source>%1的频率必须大于 0 Hz（现为 %2 Hz）</source>
        <translation>%1&apos;s frequency must be above 0 Hz (it is %2 Hz)</translation>
    </message>
    <message>
        <source>%1的频率 %2 Hz 太高：在 %3 Hz 采样率下最高 %4 Hz</source>
        <translation>%1&apos;s frequency of %2 Hz is too high: at a sample rate of %3 Hz the highest is %4 Hz</translation>
    </message>
    <message>
        <source>%1的峰值必须在 10 到 32767 之间（现为 %2）</source>
        <translation>%1&apos;s peak must be between 10 and 32767 (it is %2)</translation>
    </message>
    <message>
        <source>左右声道的周期在 16 MiB 内没有公倍数：信号只含左声道的整周期，右声道在每次循环处相位跳变</source>
        <translation>The periods of the left and right channels have no common multiple within 16 MiB: the signal holds whole periods of the left channel only, and the right channel&apos;s phase jumps at every loop</translation>
    </message>
    <message>
        <source>扫频的结束频率必须大于 0 Hz（现为 %1 Hz）</source>
        <translation>The sweep&apos;s end frequency must be above 0 Hz (it is %1 Hz)</translation>
    </message>
    <message>
        <source>扫频的起始频率 %1 Hz 太高：在 %2 Hz 采样率下最高 %2 Hz</source>
        <translation>The sweep&apos;s start frequency of %1 Hz is too high: at a sample rate of %2 Hz the highest is %2 Hz</translation>
    </message>
    <message>
        <source>扫频时间必须大于 0 ms（现为 %1 ms）</source>
        <translation>The sweep time must be above 0 ms (it is %1 ms)</translation>
    </message>
    <message>
        <source>扫频时间 %1 ms 太长：在 %2 Hz 采样率下最长 %3 ms</source>
        <translation>The sweep time of %1 ms is too long: at a sample rate of %2 Hz the longest is %3 ms</translation>
    </message>
    <message>
        <source>扫频信号的峰值必须在 10 到 32767 之间（现为 %1）</source>
        <translation>The sweep signal&apos;s peak must be between 10 and 32767 (it is %1)</translation>
    </message>
    <message>
        <source>%1的波形必须在 0 到 3 之间（现为 %2）</source>
        <translation>%1&apos;s waveform must be between 0 and 3 (it is %2)</translation>
    </message>
</context>
<context>
    <name>SmallFile</name>
    <message>
        <source>文件过大（%1 字节，最多 %2 字节）</source>
        <translation>the file is too large (%1 bytes, at most %2)</translation>
    </message>
    <message>
        <source>是链接，指向的 %1 不存在</source>
        <translation>is a link to %1, which does not exist</translation>
    </message>
</context>
<context>
    <name>TransferPlot</name>
    <message>
        <source>幅度 (dB)</source>
        <translation>Magnitude (dB)</translation>
    </message>
    <message>
        <source>相位 (°)</source>
        <translation>Phase (°)</translation>
    </message>
    <message>
        <source>相干</source>
        <translation>Coherence</translation>
    </message>
    <message>
        <source>频率 (Hz)</source>
        <translation>Frequency (Hz)</translation>
    </message>
    <message>
        <source>延迟 %1 ms，%2 次平均</source>
        <translation>Delay %1 ms, %2 averages</translation>
    </message>
</context>
<context>
    <name>TransferWindow</name>
    <message>
        <source>传递函数</source>
        <translation>Transfer function</translation>
    </message>
    <message>
        <source>粉红噪声</source>
        <translation>Pink noise</translation>
    </message>
    <message>
        <source>白噪声</source>
        <translation>White noise</translation>
    </message>
    <message>
        <source>对数扫频</source>
        <translation>Log sweep</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>1/%1 倍频程</source>
        <translation>1/%1 octave</translation>
    </message>
    <message>
        <source>重新平均</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>导出 CSV…</source>
        <translation>Export CSV…</translation>
    </message>
    <message>
        <source>导出 PNG…</source>
        <translation>Export PNG…</translation>
    </message>
    <message>
        <source>激励：</source>
        <translation>Excitation:</translation>
    </message>
    <message>
        <source>电平：</source>
        <translation>Level:</translation>
    </message>
    <message>
        <source>FFT 点数：</source>
        <translation>FFT size:</translation>
    </message>
    <message>
        <source>平滑：</source>
        <translation>Smoothing:</translation>
    </message>
    <message>
        <source>正在等待实时输入。</source>
        <translation>Waiting for live input.</translation>
    </message>
    <message>
        <source>输入是单声道：请在设置中选择立体声。</source>
        <translation>The input is mono: choose stereo in the settings.</translation>
    </message>
    <message>
        <source>正在平均：每段 %1 个样本。</source>
        <translation>Averaging: %1 samples a segment.</translation>
    </message>
    <message>
        <source>只测量实时输入：CH1 为参考，CH2 为响应。</source>
        <translation>Live input only: CH1 is the reference, CH2 the response.</translation>
    </message>
    <message>
        <source>还没有可导出的曲线。</source>
        <translation>There is no curve to export yet.</translation>
    </message>
    <message>
        <source>CSV 文件(*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>PNG 图片(*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
    <message>
        <source>信号发生器正在输出。请先停止信号发生器，再播放激励。</source>
        <translation>The signal generator is playing. Stop the generator before playing the excitation.</translation>
    </message>
    <message>
        <source>激励没有播放：%1</source>
        <translation>The excitation is not playing: %1</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>播放</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>激励输出中断：%1。每秒重试一次。</source>
        <translation>Excitation output lost: %1. Retrying every second.</translation>
    </message>
    <message>
        <source>信号发生器开始输出，激励已停止。</source>
        <translation>The signal generator started; the excitation stopped.</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>Cannot load the translation %1</source>
        <translation>Cannot load the translation %1</translation>
    </message>
</context>
<context>
    <name>WavFile</name>
    <message>
        <source>文件被截断或已损坏：块的大小超出了文件末尾</source>
        <translation>The file is truncated or damaged: a chunk&apos;s size runs past the end of the file</translation>
    </message>
    <message>
        <source>无法打开文件：%1</source>
        <translation>Cannot open the file: %1</translation>
    </message>
    <message>
        <source>读取文件失败：%1</source>
        <translation>Reading the file failed: %1</translation>
    </message>
    <message>
        <source>文件是空的</source>
        <translation>The file is empty</translation>
    </message>
    <message>
        <source>不是 WAV 文件</source>
        <translation>Not a WAV file</translation>
    </message>
    <message>
        <source>不是有效的 WAV 文件：缺少格式块（fmt）</source>
        <translation>Not a valid WAV file: the format chunk (fmt) is missing</translation>
    </message>
    <message>
        <source>格式块（fmt）太短</source>
        <translation>The format chunk (fmt) is too short</translation>
    </message>
    <message>
        <source>不支持的数据格式：只能打开 PCM 整数数据</source>
        <translation>Unsupported data format: only integer PCM data can be opened</translation>
    </message>
    <message>
        <source>扩展格式块（fmt）太短</source>
        <translation>The extensible format chunk (fmt) is too short</translation>
    </message>
    <message>
        <source>不支持 %1 位采样：只能打开 8 位或 16 位数据</source>
        <translation>%1-bit samples are not supported: only 8-bit or 16-bit data can be opened</translation>
    </message>
    <message>
        <source>不支持 %1 个声道：只能打开单声道或立体声</source>
        <translation>%1 channels are not supported: only mono or stereo can be opened</translation>
    </message>
    <message>
        <source>采样率无效：%1 Hz</source>
        <translation>Invalid sample rate: %1 Hz</translation>
    </message>
    <message>
        <source>不是有效的 WAV 文件：缺少数据块（data）</source>
        <translation>Not a valid WAV file: the data chunk (data) is missing</translation>
    </message>
    <message>
        <source>读取的范围超出了数据块</source>
        <translation>The range read runs past the data chunk</translation>
    </message>
    <message>
        <source>读取已中止</source>
        <translation>Reading was aborted</translation>
    </message>
    <message>
        <source>%1：数据块应有 %2 字节，文件中只有 %3 字节；只读到文件末尾</source>
        <translation>%1: the data chunk should hold %2 bytes but the file has only %3; read to the end of the file</translation>
    </message>
    <message>
        <source>Error creating file %1: the data is too large for a WAV file</source>
        <translation>Error creating file %1: the data is too large for a WAV file</translation>
    </message>
    <message>
        <source>Error creating file %1: %2</source>
        <translation>Error creating file %1: %2</translation>
    </message>
</context>
</TS>
