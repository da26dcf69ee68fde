<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Desktop</name>
    <message>
        <source>Not opened: a logo is being downloaded. Drop it again when the download is done.</source>
        <translation>未打开：正在传送徽标。传送结束后请重新拖放。</translation>
    </message>
    <message>
        <source>Not opened: drop one logo file at a time.</source>
        <translation>未打开：一次只能拖放一个徽标文件。</translation>
    </message>
    <message>
        <source>Not opened: %1 is not a file on this computer.</source>
        <translation>未打开：%1 不是本机上的文件。</translation>
    </message>
    <message>
        <source>Not opened: %1 is a folder.</source>
        <translation>未打开：%1 是文件夹。</translation>
    </message>
</context>
<context>
    <name>Devices</name>
    <message>
        <source>not a network address: %1</source>
        <translation>不是网络地址：%1</translation>
    </message>
    <message>
        <source>network device (%1): host %2, port %3</source>
        <translation>网络设备（%1）：主机 %2，端口 %3</translation>
    </message>
    <message>
        <source>raw TCP</source>
        <translation>原始 TCP</translation>
    </message>
    <message>
        <source>set by %1</source>
        <translation>由 %1 设定</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>not present</source>
        <translation>不存在</translation>
    </message>
    <message>
        <source>no permission: add this account to the dialout group, then log in again</source>
        <translation>无权限：请将此账户加入 dialout 组，然后重新登录</translation>
    </message>
    <message>
        <source>not a serial device</source>
        <translation>不是串口设备</translation>
    </message>
</context>
<context>
    <name>LogoFile</name>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 不存在</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 不是文件</translation>
    </message>
    <message>
        <source>%1 is 2 GiB or larger</source>
        <translation>%1 大于或等于 2 GiB</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 是空文件</translation>
    </message>
    <message>
        <source>there is not enough memory for %1</source>
        <translation>内存不足，无法容纳 %1</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>%1 changed size while it was read</source>
        <translation>%1 在读取时大小发生了变化</translation>
    </message>
</context>
<context>
    <name>Network</name>
    <message>
        <source>it starts with neither rfc2217:// nor socket://</source>
        <translation>既不以 rfc2217:// 也不以 socket:// 开头</translation>
    </message>
    <message>
        <source>it holds a blank</source>
        <translation>包含空格</translation>
    </message>
    <message>
        <source>the IPv6 address has no closing bracket</source>
        <translation>IPv6 地址缺少右方括号</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no IPv6 address</source>
        <translation>“%1”不是 IPv6 地址</translation>
    </message>
    <message>
        <source>the port is missing</source>
        <translation>缺少端口</translation>
    </message>
    <message>
        <source>the host is missing</source>
        <translation>缺少主机</translation>
    </message>
    <message>
        <source>an IPv6 address must stand in brackets</source>
        <translation>IPv6 地址必须放在方括号内</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no host name</source>
        <translation>“%1”不是主机名</translation>
    </message>
    <message>
        <source>the port must be a number from 1 to 65535, not &quot;%1&quot;</source>
        <translation>端口必须是 1 到 65535 之间的数字，而不是“%1”</translation>
    </message>
    <message>
        <source>not a network address: %1</source>
        <translation>不是网络地址：%1</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>%1 秒内无应答</translation>
    </message>
    <message>
        <source>the server&apos;s Telnet could not be read (%1)</source>
        <translation>无法读取服务器的 Telnet（%1）</translation>
    </message>
    <message>
        <source>the name was not found</source>
        <translation>找不到该名称</translation>
    </message>
    <message>
        <source>the connection was refused</source>
        <translation>连接被拒绝</translation>
    </message>
    <message>
        <source>the connection was closed by the server</source>
        <translation>服务器关闭了连接</translation>
    </message>
    <message>
        <source>the server did not negotiate Telnet within %1 s, so it does not speak RFC 2217; for a raw TCP server, use %2</source>
        <translation>服务器在 %1 秒内没有进行 Telnet 协商，因此不支持 RFC 2217；如果是原始 TCP 服务器，请使用 %2</translation>
    </message>
    <message>
        <source>the connection was given up</source>
        <translation>已放弃连接</translation>
    </message>
    <message>
        <source>the server answered %1 with %2: the marker would receive every byte garbled</source>
        <translation>服务器对 %1 的回复是 %2：打标机收到的每个字节都会出错</translation>
    </message>
    <message>
        <source>the server refused binary transmission, without which the logo&apos;s bytes do not pass unchanged; for a raw TCP port on the server, use %1</source>
        <translation>服务器拒绝二进制传输，没有它徽标的字节无法原样到达；如果服务器有原始 TCP 端口，请使用 %1</translation>
    </message>
</context>
<context>
    <name>PortSelection</name>
    <message>
        <source>COM%1 could not be opened.

%2.</source>
        <translation>无法打开 COM%1。

%2。</translation>
    </message>
    <message>
        <source>
This account may not use the port: add it to the dialout group, then log in again.</source>
        <translation>
此账户无权使用该端口：请将其加入 dialout 组，然后重新登录。</translation>
    </message>
    <message>
        <source>

Choose another port under Settings &gt; Com Ports.</source>
        <translation>

请在“设置 &gt; COM 端口”中选择其他端口。</translation>
    </message>
    <message>
        <source>Invalid Comunication port please try again</source>
        <translation>通信端口无效，请重试</translation>
    </message>
    <message>
        <source>Incorect Com Port Setting</source>
        <translation>COM 端口设置不正确</translation>
    </message>
</context>
<context>
    <name>Preview</name>
    <message>
        <source>Size: %1 × %2 mm (%3 × %4 plotter units) · %5 %6</source>
        <translation>尺寸：%1 × %2 毫米（%3 × %4 绘图仪单位）· %5 %6</translation>
    </message>
    <message>
        <source>stroke</source>
        <comment>one</comment>
        <translation>笔画</translation>
    </message>
    <message>
        <source>strokes</source>
        <comment>several</comment>
        <translation>笔画</translation>
    </message>
    <message>
        <source>%1 bytes, with no HPGL drawing in them</source>
        <translation>%1 字节，不含 HPGL 图形</translation>
    </message>
    <message>
        <source>Not drawn: %1</source>
        <translation>未绘制：%1</translation>
    </message>
    <message>
        <source>Drawn approximately: %1</source>
        <translation>近似绘制：%1</translation>
    </message>
    <message>
        <source>Everything in the file was drawn</source>
        <translation>文件内容已全部绘制</translation>
    </message>
    <message>
        <source>Too complex to preview in full: %1 of its %2 strokes are drawn</source>
        <translation>过于复杂，无法完整预览：已绘制 %2 条笔画中的 %1 条</translation>
    </message>
    <message>
        <source>Too complex to preview in full: only its first %1 of %2 bytes are drawn and measured</source>
        <translation>过于复杂，无法完整预览：仅绘制并测量了 %2 字节中的前 %1 字节</translation>
    </message>
    <message>
        <source>Too complex to preview: nothing is drawn in its first %1 of %2 bytes</source>
        <translation>过于复杂，无法预览：%2 字节中的前 %1 字节里没有绘制任何内容</translation>
    </message>
    <message>
        <source>Too costly to draw in full at this size: some marks are left out</source>
        <translation>在此尺寸下完整绘制代价过高：部分标记被省略</translation>
    </message>
</context>
<context>
    <name>Render</name>
    <message>
        <source>the image could not be made</source>
        <translation>无法生成图像</translation>
    </message>
    <message>
        <source>%1 · shown at %2% to fit the page</source>
        <translation>%1 · 已缩放至 %2% 以适合页面</translation>
    </message>
    <message>
        <source>Draws a logo file (HPGL) as the Markast preview draws it: into a PNG of N x N pixels, or into an SVG or a PDF at its true size in millimetres. The suffix of OUT chooses.</source>
        <translation>按 Markast 预览的方式绘制徽标文件（HPGL）：绘制为 N x N 像素的 PNG，或按毫米真实尺寸绘制为 SVG 或 PDF。由 OUT 的后缀决定。</translation>
    </message>
    <message>
        <source>The PNG&apos;s width and height in pixels (default %1).</source>
        <translation>PNG 的宽度和高度（像素，默认 %1）。</translation>
    </message>
    <message>
        <source>The logo file to draw.</source>
        <translation>要绘制的徽标文件。</translation>
    </message>
    <message>
        <source>The file to write: .png, .svg or .pdf.</source>
        <translation>要写入的文件：.png、.svg 或 .pdf。</translation>
    </message>
    <message>
        <source>give one IN and one OUT</source>
        <translation>请给出一个 IN 和一个 OUT</translation>
    </message>
    <message>
        <source>%1 ends in neither .png, .svg nor .pdf</source>
        <translation>%1 的后缀不是 .png、.svg 或 .pdf</translation>
    </message>
    <message>
        <source>--size takes 1 to %1 pixels, not &quot;%2&quot;</source>
        <translation>--size 的取值为 1 到 %1 像素，而不是“%2”</translation>
    </message>
    <message>
        <source>Not drawn: %1</source>
        <translation>未绘制：%1</translation>
    </message>
    <message>
        <source>Not drawn: %1 has no HPGL drawing in it</source>
        <translation>未绘制：%1 中没有 HPGL 图形</translation>
    </message>
    <message>
        <source>Not written: %1: %2</source>
        <translation>未写入：%1：%2</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>它不是普通文件</translation>
    </message>
    <message>
        <source>Not drawn: %1 is too complex to draw</source>
        <translation>未绘制：%1 过于复杂，无法绘制</translation>
    </message>
</context>
<context>
    <name>RestTexts</name>
    <message>
        <source>Waiting for command</source>
        <translation>等待命令</translation>
    </message>
    <message>
        <source>No File Selected</source>
        <translation>未选择文件</translation>
    </message>
    <message>
        <source>Click Open and Browse for HPGL\1 file to download.</source>
        <translation>点击“打开”，选择要传送的 HPGL 文件。</translation>
    </message>
    <message>
        <source>Logo Loaded, Now Select Download</source>
        <translation>徽标已加载，请选择“传送”</translation>
    </message>
    <message>
        <source>On the marker select F10, F10, F1, F8) Load HPGL. Enter a name for the logo then press Enter. Then click Download.</source>
        <translation>在打标机上选择 F10、F10、F1、F8) Load HPGL。输入徽标名称后按 Enter，再点击“传送”。</translation>
    </message>
    <message>
        <source>Waiting for Command</source>
        <translation>等待命令</translation>
    </message>
    <message>
        <source>No file loaded</source>
        <translation>未加载文件</translation>
    </message>
    <message>
        <source>Download Complete. To mark the logo create a layout, enter the name of the logo on a line of the layout. Set the line content to HPGL Logo. Set the size. You are now ready to mark the logo.</source>
        <translation>传送完成。要打标此徽标，请创建一个版面，并在版面的一行中输入徽标名称。将该行内容设为 HPGL Logo，设置尺寸，即可打标。</translation>
    </message>
</context>
<context>
    <name>Send</name>
    <message>
        <source>Sends a logo file (HPGL *.plt or *.Dot) byte for byte, unchanged, over a serial line to a dot-marking machine: 9600 baud, 8N1, RTS/CTS, as the Markast window does.</source>
        <translation>将徽标文件（HPGL *.plt 或 *.Dot）逐字节、原样地通过串行线路发送到点阵打标机：9600 波特、8N1、RTS/CTS，与 Markast 窗口相同。</translation>
    </message>
    <message>
        <source>COM port 1 to %1, as the window resolves it (MARKAST_COMn, the Devices dialog, built-in).</source>
        <translation>COM 端口 1 到 %1，解析方式与窗口相同（MARKAST_COMn、设备对话框、内置）。</translation>
    </message>
    <message>
        <source>Any serial device, used as given, or a serial device server: rfc2217://HOST:PORT or socket://HOST:PORT.</source>
        <translation>任意串口设备（按原样使用），或串口设备服务器：rfc2217://HOST:PORT 或 socket://HOST:PORT。</translation>
    </message>
    <message>
        <source>No progress.</source>
        <translation>不显示进度。</translation>
    </message>
    <message>
        <source>List the serial devices and what COM1 to COM4 stand for now.</source>
        <translation>列出串口设备以及 COM1 到 COM4 当前对应的设备。</translation>
    </message>
    <message>
        <source>The logo to send.</source>
        <translation>要发送的徽标。</translation>
    </message>
    <message>
        <source>--list-ports takes no FILE</source>
        <translation>--list-ports 不接受 FILE</translation>
    </message>
    <message>
        <source>give exactly one FILE to send</source>
        <translation>请指定且仅指定一个要发送的 FILE</translation>
    </message>
    <message>
        <source>give --port or --device, not both</source>
        <translation>请指定 --port 或 --device，不能同时指定</translation>
    </message>
    <message>
        <source>--port takes 1 to %1, not &quot;%2&quot;</source>
        <translation>--port 只接受 1 到 %1，而不是“%2”</translation>
    </message>
    <message>
        <source>--device needs a device</source>
        <translation>--device 需要一个设备</translation>
    </message>
    <message>
        <source>--device %1 is no network address: %2</source>
        <translation>--device %1 不是网络地址：%2</translation>
    </message>
    <message>
        <source>--stall-time takes seconds above 0, not &quot;%1&quot;</source>
        <translation>--stall-time 只接受大于 0 的秒数，而不是“%1”</translation>
    </message>
    <message>
        <source>Serial devices the system reports:</source>
        <translation>系统报告的串口设备：</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no serial devices</comment>
        <translation>无</translation>
    </message>
    <message>
        <source>COM ports:</source>
        <translation>COM 端口：</translation>
    </message>
    <message>
        <source>Devices dialog</source>
        <translation>设备对话框</translation>
    </message>
    <message>
        <source>built-in</source>
        <translation>内置</translation>
    </message>
    <message>
        <source>%1 of %2 bytes  %3%  %4/s  %5:%6 left</source>
        <translation>%1 / %2 字节  %3%  %4/s  剩余 %5:%6</translation>
    </message>
    <message>
        <source>%1 of %2 bytes</source>
        <translation>%1 / %2 字节</translation>
    </message>
    <message>
        <source>Interrupted: %1 sent to %2</source>
        <translation>已中断：已向 %2 发送 %1</translation>
    </message>
    <message>
        <source>The line took no more bytes: %1. %2 sent</source>
        <translation>线路不再接收字节：%1。已发送 %2</translation>
    </message>
    <message>
        <source>Sent %1 bytes to %2 in %3 s</source>
        <translation>已在 %3 秒内向 %2 发送 %1 字节</translation>
    </message>
    <message>
        <source>Not sent: %1</source>
        <translation>未发送：%1</translation>
    </message>
    <message>
        <source>Interrupted: 0 of %1 bytes sent</source>
        <translation>已中断：已发送 0 / %1 字节</translation>
    </message>
    <message>
        <source>Not sent: %1 could not be opened: %2. 0 of %3 bytes sent</source>
        <translation>未发送：无法打开 %1：%2。已发送 0 / %3 字节</translation>
    </message>
    <message>
        <source>How long the line may take no byte before the send fails (default %1).</source>
        <translation>线路多长时间不接收字节即判定发送失败（默认 %1）。</translation>
    </message>
</context>
<context>
    <name>Serial</name>
    <message>
        <source>the port is open already</source>
        <translation>端口已打开</translation>
    </message>
    <message>
        <source>no COM port is chosen</source>
        <translation>未选择 COM 端口</translation>
    </message>
    <message>
        <source>the line took no byte for %1 s</source>
        <translation>线路在 %1 秒内未接收任何字节</translation>
    </message>
</context>
<context>
    <name>SysInfo</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>系统信息暂不可用</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>Open Logo File</source>
        <translation>打开徽标文件</translation>
    </message>
    <message>
        <source>HPGL Plot Files (*.PLT) </source>
        <translation>HPGL 绘图文件 (*.PLT) </translation>
    </message>
    <message>
        <source>Logo Files (*.Dot) </source>
        <translation>徽标文件 (*.Dot) </translation>
    </message>
    <message>
        <source>Loading Logo File (%1 bytes)</source>
        <translation>正在加载徽标文件（%1 字节）</translation>
    </message>
    <message>
        <source>Downloading HPGL file (%1 bytes)</source>
        <translation>正在传送 HPGL 文件（%1 字节）</translation>
    </message>
    <message>
        <source>Download Complete</source>
        <translation>传送完成</translation>
    </message>
</context>
<context>
    <name>markast::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <comment>follow the system&apos;s language</comment>
        <translation>跟随系统(&amp;S)</translation>
    </message>
</context>
<context>
    <name>markast::RecentFilesMenu</name>
    <message>
        <source>Open &amp;Recent</source>
        <translation>最近打开(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Clear Recent Files</source>
        <translation>清除列表(&amp;C)</translation>
    </message>
</context>
<context>
    <name>markast::SingleInstance</name>
    <message>
        <source>the running Markast did not answer</source>
        <translation>正在运行的 Markast 没有应答</translation>
    </message>
    <message>
        <source>Markast is starting up; try again in a moment</source>
        <translation>Markast 正在启动，请稍后重试</translation>
    </message>
    <message>
        <source>the path of %1 is too long to hand over</source>
        <translation>%1 的路径太长，无法转交</translation>
    </message>
    <message>
        <source>no file was named</source>
        <translation>未指定文件</translation>
    </message>
</context>
<context>
    <name>markast::frmAbout</name>
    <message>
        <source>About Information</source>
        <translation>关于 Markast</translation>
    </message>
    <message>
        <source>Veltrom Marking Technology logo</source>
        <translation>Veltrom Marking Technology 徽标</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>系统信息(&amp;S)...</translation>
    </message>
    <message>
        <source>Tel. %1</source>
        <translation>电话 %1</translation>
    </message>
    <message>
        <source>United Kingdom</source>
        <translation>英国</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Copyright (c) %1 Veltrom Marking Technology. All rights reserved.</source>
        <translation>版权所有 (c) %1 Veltrom Marking Technology。保留所有权利。</translation>
    </message>
</context>
<context>
    <name>markast::frmDevices</name>
    <message>
        <source>COM Port Devices</source>
        <translation>COM 端口设备</translation>
    </message>
    <message>
        <source>COM&amp;%1</source>
        <comment>label of a COM port&apos;s row</comment>
        <translation>COM&amp;%1</translation>
    </message>
    <message>
        <source>COM%1 device</source>
        <translation>COM%1 设备</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>刷新(&amp;R)</translation>
    </message>
    <message>
        <source>Default (%1)</source>
        <comment>the built-in device</comment>
        <translation>默认（%1）</translation>
    </message>
</context>
<context>
    <name>markast::frmMain</name>
    <message>
        <source>An internal error stopped the last command. Markast is still running; please try again.</source>
        <translation>内部错误中止了上一个命令。Markast 仍在运行，请重试。</translation>
    </message>
    <message>
        <source>Closing after the download...</source>
        <translation>传送结束后关闭...</translation>
    </message>
    <message>
        <source>Not loaded: %1</source>
        <translation>未加载：%1</translation>
    </message>
    <message>
        <source>Not opened: %1. A logo is being downloaded; open it again when the download is done.</source>
        <translation>未打开：%1。正在传送徽标，传送结束后请重新打开。</translation>
    </message>
    <message>
        <source>The marker did not take the logo.

Check the cable, the COM port setting and the marker, then click Download to send the logo again from the start.</source>
        <translation>打标机未接收徽标。

请检查电缆、COM 端口设置和打标机，然后点击“传送”，从头重新发送徽标。</translation>
    </message>
    <message>
        <source>Veltrom Marking Technology - Logo Download Utility</source>
        <translation>Veltrom Marking Technology - 徽标传送工具</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>菜单栏</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>操作(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Download Logo</source>
        <translation>传送徽标(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Preview Logo...</source>
        <translation>预览徽标(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>设置(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Com Ports</source>
        <translation>COM 端口(&amp;C)</translation>
    </message>
    <message>
        <source>Com &amp;%1</source>
        <comment>menu item of COM port 1 to 4</comment>
        <translation>COM &amp;%1</translation>
    </message>
    <message>
        <source>&amp;Devices...</source>
        <translation>设备(&amp;D)...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About </source>
        <translation>关于(&amp;A) </translation>
    </message>
    <message>
        <source>Logo download</source>
        <translation>徽标传送</translation>
    </message>
    <message>
        <source>File</source>
        <comment>the frame that names the loaded file</comment>
        <translation>文件</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>状态栏</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>toolbar button</comment>
        <translation>打开</translation>
    </message>
    <message>
        <source>Open Logo File</source>
        <translation>打开徽标文件</translation>
    </message>
    <message>
        <source>Download</source>
        <comment>toolbar button</comment>
        <translation>传送</translation>
    </message>
    <message>
        <source>Download Logo File</source>
        <translation>传送徽标文件</translation>
    </message>
</context>
<context>
    <name>markast::frmPreview</name>
    <message>
        <source>Logo drawing</source>
        <translation>徽标图形</translation>
    </message>
    <message>
        <source>Show pen-up moves</source>
        <translation>显示抬笔移动</translation>
    </message>
    <message>
        <source>Logo Preview</source>
        <translation>徽标预览</translation>
    </message>
    <message>
        <source>No logo loaded</source>
        <translation>未加载徽标</translation>
    </message>
    <message>
        <source>Logo Preview - %1</source>
        <translation>徽标预览 - %1</translation>
    </message>
    <message>
        <source>This file has no HPGL drawing to preview</source>
        <translation>此文件中没有可预览的 HPGL 图形</translation>
    </message>
    <message>
        <source>PNG Image (*.png)</source>
        <translation>PNG 图像 (*.png)</translation>
    </message>
    <message>
        <source>SVG Drawing (*.svg)</source>
        <translation>SVG 图形 (*.svg)</translation>
    </message>
    <message>
        <source>PDF Document (*.pdf)</source>
        <translation>PDF 文档 (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Save Image...</source>
        <translation>保存图像(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>打印(&amp;P)...</translation>
    </message>
    <message>
        <source>There is no logo drawing to save or print</source>
        <translation>没有可保存或打印的徽标图形</translation>
    </message>
    <message>
        <source>Save Logo Image</source>
        <translation>保存徽标图像</translation>
    </message>
    <message>
        <source>The image could not be saved.

%1: %2</source>
        <translation>无法保存图像。

%1：%2</translation>
    </message>
    <message>
        <source>The logo could not be printed.</source>
        <translation>无法打印徽标。</translation>
    </message>
    <message>
        <source>Reading the logo...</source>
        <translation>正在读取徽标...</translation>
    </message>
    <message>
        <source>This logo is too complex to preview</source>
        <translation>此徽标过于复杂，无法预览</translation>
    </message>
</context>
</TS>
