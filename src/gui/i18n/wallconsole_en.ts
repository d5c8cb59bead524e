<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>wall::Captions</name>
    <message>
        <location filename="../app/MainWindow.cpp" line="107"/>
        <source>高级功能</source>
        <translation>Advanced Features</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="108"/>
        <source>系统设置</source>
        <translation>Options</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="109"/>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="110"/>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="115"/>
        <source>矩阵设置</source>
        <translation>Matrix</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="116"/>
        <source>轮询设置</source>
        <translation>Roll Polling</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="117"/>
        <source>定时系统</source>
        <translation>Timer</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="118"/>
        <source>标志设置</source>
        <translation>Logo</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="119"/>
        <source>虚拟键盘</source>
        <translation>Key</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="120"/>
        <source>串口信息显示窗口</source>
        <translation>Com Display Window</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="121"/>
        <source>温度控制</source>
        <translation>温度控制</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="122"/>
        <source>云台控制</source>
        <translation>PTZ control</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="123"/>
        <source>输入控制</source>
        <translation>Input Source</translation>
    </message>
</context>
<context>
    <name>wall::ColourToolbar</name>
    <message>
        <location filename="../wall/ColourToolbar.cpp" line="47"/>
        <source>颜色工具栏</source>
        <translation>Wall Color</translation>
    </message>
    <message>
        <location filename="../wall/ColourToolbar.cpp" line="48"/>
        <source>幕墙颜色自定义</source>
        <translation>Custom wall colours</translation>
    </message>
</context>
<context>
    <name>wall::MainWindow</name>
    <message>
        <location filename="../app/MainWindow.cpp" line="43"/>
        <source>系统</source>
        <translation>System</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="44"/>
        <source>设置</source>
        <translation>Set</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="45"/>
        <source>工具</source>
        <translation>Tool</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="46"/>
        <source>语言</source>
        <translation>Language</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="47"/>
        <location filename="../app/MainWindow.cpp" line="69"/>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="51"/>
        <source>高级功能</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="52"/>
        <source>定时系统</source>
        <translation>Timer</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="53"/>
        <source>幕墙开机</source>
        <translation>WallPower</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="54"/>
        <source>幕墙关机</source>
        <translation>WallOff</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="55"/>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="56"/>
        <source>串口设置</source>
        <translation>COM</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="57"/>
        <source>矩阵设置</source>
        <translation>Matrix</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="58"/>
        <source>幕墙设置</source>
        <translation>WallUnit</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="59"/>
        <source>幕墙颜色</source>
        <translation>WallColor</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="60"/>
        <source>标志设置</source>
        <translation>Logo</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="61"/>
        <source>系统设置</source>
        <translation>Options</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="62"/>
        <source>虚拟键盘</source>
        <translation>Key</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="63"/>
        <source>云台控制</source>
        <translation>PTZ</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="64"/>
        <source>串口显示</source>
        <translation>ComDisp</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="65"/>
        <source>温度控制</source>
        <translation>TemperatureControl</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="66"/>
        <source>轮询设置</source>
        <translation>Roll Polling</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="70"/>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="72"/>
        <source>输入控制</source>
        <translation>Inputer</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="73"/>
        <source>读信号源</source>
        <translation>Read Source</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="74"/>
        <source>松下登录</source>
        <translation>Panasonic Login</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="75"/>
        <source>松下注销</source>
        <translation>Panasonic Logout</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="80"/>
        <source>经典</source>
        <translation>Classic</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="81"/>
        <source>春意盎然</source>
        <translation>Spring</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="82"/>
        <source>夏日风情</source>
        <translation>Summer</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="83"/>
        <source>秋色宜人</source>
        <translation>Autumn</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="84"/>
        <source>冰天雪地</source>
        <translation>Winter</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="85"/>
        <source>红色</source>
        <translation>Red</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="86"/>
        <source>绿色</source>
        <translation>Green</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="87"/>
        <source>蓝色</source>
        <translation>Blue</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="88"/>
        <source>青色</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="89"/>
        <source>紫色</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="90"/>
        <source>黄色</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="91"/>
        <source>冲浪</source>
        <translation>Surfing</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="92"/>
        <source>金叶</source>
        <translation>GoldLeaf</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="93"/>
        <source>植物</source>
        <translation>Plants</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="94"/>
        <source>科技</source>
        <translation>Technology</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="95"/>
        <source>水晶</source>
        <translation>Crystal</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="128"/>
        <source>图像处理</source>
        <translation>Image</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="129"/>
        <source>视窗处理</source>
        <translation>Windows</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="130"/>
        <source>画 中 画</source>
        <translation>PIP</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="131"/>
        <source>  系    统  </source>
        <translation>System</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="132"/>
        <source>测试画面</source>
        <translation>TestPattern</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="133"/>
        <source>光机控制</source>
        <translation>DLP</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="134"/>
        <source>调试助手</source>
        <translation>Debug</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="135"/>
        <source>  漫    游  </source>
        <translation>Roaming</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="136"/>
        <source>图像调整</source>
        <translation>Adjust</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="464"/>
        <source>背景设置</source>
        <translation>Style</translation>
    </message>
</context>
<context>
    <name>wall::PlaceholderWindow</name>
    <message>
        <location filename="../app/PlaceholderWindow.cpp" line="29"/>
        <source>此窗口的功能尚未提供。</source>
        <translation>This window's functions are not available yet.</translation>
    </message>
</context>
<context>
    <name>wall::PortSettingsDialog</name>
    <message>
        <location filename="../serial/PortSettingsDialog.cpp" line="110"/>
        <source>错误提示</source>
        <translation>Error</translation>
    </message>
    <message>
        <location filename="../serial/PortSettingsDialog.cpp" line="110"/>
        <source>串口打开失败: %1</source>
        <translation>The port cannot be opened: %1</translation>
    </message>
    <message>
        <location filename="../serial/PortSettingsDialog.cpp" line="128"/>
        <source>串口%1设置</source>
        <translation>Serial port %1 settings</translation>
    </message>
    <message>
        <location filename="../serial/PortSettingsDialog.cpp" line="129"/>
        <source>端口</source>
        <translation>Port</translation>
    </message>
    <message>
        <location filename="../serial/PortSettingsDialog.cpp" line="129"/>
        <source>波特率</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <location filename="../serial/PortSettingsDialog.cpp" line="129"/>
        <source>校验位</source>
        <translation>Parity</translation>
    </message>
    <message>
        <location filename="../serial/PortSettingsDialog.cpp" line="130"/>
        <source>数据位</source>
        <translation>Data bits</translation>
    </message>
    <message>
        <location filename="../serial/PortSettingsDialog.cpp" line="130"/>
        <source>停止位</source>
        <translation>Stop bits</translation>
    </message>
    <message>
        <location filename="../serial/PortSettingsDialog.cpp" line="130"/>
        <source>流控制</source>
        <translation>Flow control</translation>
    </message>
    <message>
        <location filename="../serial/PortSettingsDialog.cpp" line="133"/>
        <location filename="../serial/PortSettingsDialog.cpp" line="137"/>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <location filename="../serial/PortSettingsDialog.cpp" line="133"/>
        <source>奇</source>
        <translation>Odd</translation>
    </message>
    <message>
        <location filename="../serial/PortSettingsDialog.cpp" line="133"/>
        <source>偶</source>
        <translation>Even</translation>
    </message>
    <message>
        <location filename="../serial/PortSettingsDialog.cpp" line="134"/>
        <source>标记</source>
        <translation>Mark</translation>
    </message>
    <message>
        <location filename="../serial/PortSettingsDialog.cpp" line="134"/>
        <source>空格</source>
        <translation>Space</translation>
    </message>
    <message>
        <location filename="../serial/PortSettingsDialog.cpp" line="137"/>
        <source>RTS/CTS</source>
        <translation>RTS/CTS</translation>
    </message>
    <message>
        <location filename="../serial/PortSettingsDialog.cpp" line="137"/>
        <source>XON/XOFF</source>
        <translation>XON/XOFF</translation>
    </message>
    <message>
        <location filename="../serial/PortSettingsDialog.cpp" line="138"/>
        <source>仅发送 XON/XOFF</source>
        <translation>XON/XOFF (transmit only)</translation>
    </message>
    <message>
        <location filename="../serial/PortSettingsDialog.cpp" line="138"/>
        <source>RTS/CTS 和 XON/XOFF</source>
        <translation>RTS/CTS and XON/XOFF</translation>
    </message>
</context>
<context>
    <name>wall::PowerOffDialog</name>
    <message>
        <location filename="../wall/PowerOffDialog.cpp" line="35"/>
        <source>错误提示</source>
        <translation>Error</translation>
    </message>
    <message>
        <location filename="../wall/PowerOffDialog.cpp" line="46"/>
        <source>关机</source>
        <translation>Shutdown</translation>
    </message>
    <message>
        <location filename="../wall/PowerOffDialog.cpp" line="47"/>
        <source>你确定要关闭大屏幕</source>
        <translation>Are you sure you want to switch off the wall?</translation>
    </message>
    <message>
        <location filename="../wall/PowerOffDialog.cpp" line="48"/>
        <source>确  定</source>
        <translation>Ok</translation>
    </message>
    <message>
        <location filename="../wall/PowerOffDialog.cpp" line="49"/>
        <source>取  消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>wall::SerialSettingsDialog</name>
    <message>
        <location filename="../serial/SerialSettingsDialog.cpp" line="20"/>
        <source>AV矩阵使用独立串口</source>
        <translation>AV matrix uses a separate port</translation>
    </message>
    <message>
        <location filename="../serial/SerialSettingsDialog.cpp" line="21"/>
        <source>VGA矩阵使用独立串口</source>
        <translation>VGA matrix uses a separate port</translation>
    </message>
    <message>
        <location filename="../serial/SerialSettingsDialog.cpp" line="22"/>
        <source>DVI矩阵使用独立串口</source>
        <translation>DVI matrix uses a separate port</translation>
    </message>
    <message>
        <location filename="../serial/SerialSettingsDialog.cpp" line="23"/>
        <source>YPbPr矩阵使用独立串口</source>
        <translation>YPbPr matrix uses a separate port</translation>
    </message>
    <message>
        <location filename="../serial/SerialSettingsDialog.cpp" line="133"/>
        <location filename="../serial/SerialSettingsDialog.cpp" line="137"/>
        <location filename="../serial/SerialSettingsDialog.cpp" line="140"/>
        <source>串口设置</source>
        <translation>COM Set</translation>
    </message>
    <message>
        <location filename="../serial/SerialSettingsDialog.cpp" line="134"/>
        <source>大屏幕串口设置</source>
        <translation>Wall serial port</translation>
    </message>
    <message>
        <location filename="../serial/SerialSettingsDialog.cpp" line="135"/>
        <source>矩阵使用独立串口</source>
        <translation>Matrices use a separate port</translation>
    </message>
    <message>
        <location filename="../serial/SerialSettingsDialog.cpp" line="142"/>
        <source>保  存</source>
        <translation>Save</translation>
    </message>
    <message>
        <location filename="../serial/SerialSettingsDialog.cpp" line="143"/>
        <source>取  消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>wall::WallSettingsDialog</name>
    <message>
        <location filename="../wall/WallSettingsDialog.cpp" line="51"/>
        <source>幕墙设置</source>
        <translation>Wall Unit</translation>
    </message>
    <message>
        <location filename="../wall/WallSettingsDialog.cpp" line="52"/>
        <source>垂直单元总数</source>
        <translation>Vertical units</translation>
    </message>
    <message>
        <location filename="../wall/WallSettingsDialog.cpp" line="53"/>
        <source>水平单元总数</source>
        <translation>Horizontal units</translation>
    </message>
    <message>
        <location filename="../wall/WallSettingsDialog.cpp" line="54"/>
        <source>确   定</source>
        <translation>Ok</translation>
    </message>
</context>
</TS>
