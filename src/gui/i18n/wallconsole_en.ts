<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>wall::AboutDialog</name>
    <message>
        <location filename="../app/AboutDialog.cpp" line="103"/>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <location filename="../app/AboutDialog.cpp" line="104"/>
        <source>版本：</source>
        <translation>Version:</translation>
    </message>
</context>
<context>
    <name>wall::AdvancedDialog</name>
    <message>
        <location filename="../app/AdvancedDialog.cpp" line="66"/>
        <source>高级功能</source>
        <translation>Advanced Features</translation>
    </message>
    <message>
        <location filename="../app/AdvancedDialog.cpp" line="67"/>
        <source>用户名：</source>
        <translation>User name:</translation>
    </message>
    <message>
        <location filename="../app/AdvancedDialog.cpp" line="68"/>
        <source>密    码：</source>
        <translation>Password:</translation>
    </message>
    <message>
        <location filename="../app/AdvancedDialog.cpp" line="69"/>
        <source>确  认</source>
        <translation>Ok</translation>
    </message>
    <message>
        <location filename="../app/AdvancedDialog.cpp" line="70"/>
        <source>取 消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>wall::Captions</name>
    <message>
        <location filename="../app/MainWindow.cpp" line="140"/>
        <source>定时系统</source>
        <translation>Timer</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="141"/>
        <source>标志设置</source>
        <translation>Logo</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="142"/>
        <source>虚拟键盘</source>
        <translation>Key</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="143"/>
        <source>串口信息显示窗口</source>
        <translation>Com Display Window</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="144"/>
        <source>温度控制</source>
        <translation>温度控制</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="145"/>
        <source>云台控制</source>
        <translation>PTZ control</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="146"/>
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
    <name>wall::HelpWindow</name>
    <message>
        <location filename="../app/HelpWindow.cpp" line="90"/>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <location filename="../app/HelpWindow.cpp" line="91"/>
        <source>在幕墙网格上拖动鼠标选中屏幕，各页面的命令只发往选中的屏幕。</source>
        <translation>Drag over the wall grid to select screens; the commands of every page go to the selected screens only.</translation>
    </message>
    <message>
        <location filename="../app/HelpWindow.cpp" line="92"/>
        <source>幕墙经串口 1 控制；串口设置中可为各类矩阵另设串口。</source>
        <translation>The wall is driven through serial port 1; the serial settings can give each kind of matrix a port of its own.</translation>
    </message>
</context>
<context>
    <name>wall::LoginDialog</name>
    <message>
        <location filename="../app/LoginDialog.cpp" line="62"/>
        <source>用户登录</source>
        <translation>Login</translation>
    </message>
    <message>
        <location filename="../app/LoginDialog.cpp" line="63"/>
        <source>用户名：</source>
        <translation>User name:</translation>
    </message>
    <message>
        <location filename="../app/LoginDialog.cpp" line="64"/>
        <source>密    码：</source>
        <translation>Password:</translation>
    </message>
    <message>
        <location filename="../app/LoginDialog.cpp" line="65"/>
        <source>确  认</source>
        <translation>Ok</translation>
    </message>
    <message>
        <location filename="../app/LoginDialog.cpp" line="66"/>
        <source>取 消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>wall::MainWindow</name>
    <message>
        <location filename="../app/MainWindow.cpp" line="52"/>
        <source>系统</source>
        <translation>System</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="53"/>
        <source>设置</source>
        <translation>Set</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="54"/>
        <source>工具</source>
        <translation>Tool</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="55"/>
        <source>语言</source>
        <translation>Language</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="56"/>
        <location filename="../app/MainWindow.cpp" line="78"/>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="60"/>
        <source>高级功能</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="61"/>
        <source>定时系统</source>
        <translation>Timer</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="62"/>
        <source>幕墙开机</source>
        <translation>WallPower</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="63"/>
        <source>幕墙关机</source>
        <translation>WallOff</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="64"/>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="65"/>
        <source>串口设置</source>
        <translation>COM</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="66"/>
        <source>矩阵设置</source>
        <translation>Matrix</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="67"/>
        <source>幕墙设置</source>
        <translation>WallUnit</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="68"/>
        <source>幕墙颜色</source>
        <translation>WallColor</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="69"/>
        <source>标志设置</source>
        <translation>Logo</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="70"/>
        <source>系统设置</source>
        <translation>Options</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="71"/>
        <source>虚拟键盘</source>
        <translation>Key</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="72"/>
        <source>云台控制</source>
        <translation>PTZ</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="73"/>
        <source>串口显示</source>
        <translation>ComDisp</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="74"/>
        <source>温度控制</source>
        <translation>TemperatureControl</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="75"/>
        <source>轮询设置</source>
        <translation>Roll Polling</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="79"/>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="81"/>
        <source>输入控制</source>
        <translation>Inputer</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="82"/>
        <source>读信号源</source>
        <translation>Read Source</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="83"/>
        <source>松下登录</source>
        <translation>Panasonic Login</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="84"/>
        <source>松下注销</source>
        <translation>Panasonic Logout</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="99"/>
        <source>保存模式</source>
        <translation>Mode Save</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="100"/>
        <source>重命名</source>
        <translation>Rename</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="103"/>
        <source>经典</source>
        <translation>Classic</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="104"/>
        <source>春意盎然</source>
        <translation>Spring</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="105"/>
        <source>夏日风情</source>
        <translation>Summer</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="106"/>
        <source>秋色宜人</source>
        <translation>Autumn</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="107"/>
        <source>冰天雪地</source>
        <translation>Winter</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="108"/>
        <source>红色</source>
        <translation>Red</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="109"/>
        <source>绿色</source>
        <translation>Green</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="110"/>
        <source>蓝色</source>
        <translation>Blue</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="111"/>
        <source>青色</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="112"/>
        <source>紫色</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="113"/>
        <source>黄色</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="114"/>
        <source>冲浪</source>
        <translation>Surfing</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="115"/>
        <source>金叶</source>
        <translation>GoldLeaf</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="116"/>
        <source>植物</source>
        <translation>Plants</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="117"/>
        <source>科技</source>
        <translation>Technology</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="118"/>
        <source>水晶</source>
        <translation>Crystal</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="151"/>
        <source>图像处理</source>
        <translation>Image</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="152"/>
        <source>视窗处理</source>
        <translation>Windows</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="153"/>
        <source>画 中 画</source>
        <translation>PIP</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="154"/>
        <source>  系    统  </source>
        <translation>System</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="155"/>
        <source>测试画面</source>
        <translation>TestPattern</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="156"/>
        <source>光机控制</source>
        <translation>DLP</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="157"/>
        <source>调试助手</source>
        <translation>Debug</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="158"/>
        <source>  漫    游  </source>
        <translation>Roaming</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="159"/>
        <source>图像调整</source>
        <translation>Adjust</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="645"/>
        <source>背景设置</source>
        <translation>Style</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="646"/>
        <source>产品选型</source>
        <translation>ProductSel</translation>
    </message>
</context>
<context>
    <name>wall::MatrixInputNamesDialog</name>
    <message>
        <location filename="../matrix/MatrixInputNamesDialog.cpp" line="113"/>
        <source>错误提示</source>
        <translation>Error</translation>
    </message>
    <message>
        <location filename="../matrix/MatrixInputNamesDialog.cpp" line="130"/>
        <source>设置矩阵输入名</source>
        <translation>Matrix Input Name</translation>
    </message>
    <message>
        <location filename="../matrix/MatrixInputNamesDialog.cpp" line="131"/>
        <source>确  认</source>
        <translation>Ok</translation>
    </message>
    <message>
        <location filename="../matrix/MatrixInputNamesDialog.cpp" line="132"/>
        <source>关  闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>wall::MatrixOutputDialog</name>
    <message>
        <location filename="../matrix/MatrixOutputDialogs.cpp" line="76"/>
        <source>错误提示</source>
        <translation>Error</translation>
    </message>
    <message>
        <location filename="../matrix/MatrixOutputDialogs.cpp" line="94"/>
        <source>矩阵输出选择</source>
        <translation>Matrix Output Sel</translation>
    </message>
    <message>
        <location filename="../matrix/MatrixOutputDialogs.cpp" line="95"/>
        <source>选择此屏对应的矩阵输出</source>
        <translation>Matrix output for this screen</translation>
    </message>
    <message>
        <location filename="../matrix/MatrixOutputDialogs.cpp" line="96"/>
        <source>确  定</source>
        <translation>Ok</translation>
    </message>
    <message>
        <location filename="../matrix/MatrixOutputDialogs.cpp" line="97"/>
        <source>取  消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>wall::MatrixPollingDialog</name>
    <message>
        <location filename="../matrix/MatrixPollingDialog.cpp" line="348"/>
        <source>轮询设置</source>
        <translation>Roll Polling</translation>
    </message>
    <message>
        <location filename="../matrix/MatrixPollingDialog.cpp" line="349"/>
        <source>轮询总组数</source>
        <translation>Total Groups</translation>
    </message>
    <message>
        <location filename="../matrix/MatrixPollingDialog.cpp" line="350"/>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../matrix/MatrixPollingDialog.cpp" line="351"/>
        <source>组间间隔(秒)</source>
        <translation>Interval (s)</translation>
    </message>
    <message>
        <location filename="../matrix/MatrixPollingDialog.cpp" line="352"/>
        <source>勾选            启用轮询</source>
        <translation>Checked to Start Roll Polling</translation>
    </message>
    <message>
        <location filename="../matrix/MatrixPollingDialog.cpp" line="353"/>
        <source>组设置</source>
        <translation>Group Settings</translation>
    </message>
    <message>
        <location filename="../matrix/MatrixPollingDialog.cpp" line="354"/>
        <source>矩阵协议</source>
        <translation>Protocol</translation>
    </message>
    <message>
        <location filename="../matrix/MatrixPollingDialog.cpp" line="355"/>
        <source>信号类型</source>
        <translation>Signal Type</translation>
    </message>
    <message>
        <location filename="../matrix/MatrixPollingDialog.cpp" line="356"/>
        <source>矩阵地址</source>
        <translation>Matrix Address</translation>
    </message>
    <message>
        <location filename="../matrix/MatrixPollingDialog.cpp" line="357"/>
        <source>输入</source>
        <translation>Input</translation>
    </message>
    <message>
        <location filename="../matrix/MatrixPollingDialog.cpp" line="358"/>
        <source>输出</source>
        <translation>Output</translation>
    </message>
    <message>
        <location filename="../matrix/MatrixPollingDialog.cpp" line="361"/>
        <source>启动</source>
        <translation>Start</translation>
    </message>
    <message>
        <location filename="../matrix/MatrixPollingDialog.cpp" line="362"/>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
</context>
<context>
    <name>wall::MatrixSettingsDialog</name>
    <message>
        <location filename="../matrix/MatrixSettingsDialog.cpp" line="37"/>
        <source>AV矩阵</source>
        <translation>AV Matrix</translation>
    </message>
    <message>
        <location filename="../matrix/MatrixSettingsDialog.cpp" line="42"/>
        <source>VGA矩阵</source>
        <translation>VGA Matrix</translation>
    </message>
    <message>
        <location filename="../matrix/MatrixSettingsDialog.cpp" line="47"/>
        <source>DVI矩阵</source>
        <translation>DVI Matrix</translation>
    </message>
    <message>
        <location filename="../matrix/MatrixSettingsDialog.cpp" line="51"/>
        <source>YPbPr矩阵</source>
        <translation>YPbPr Matrix</translation>
    </message>
    <message>
        <location filename="../matrix/MatrixSettingsDialog.cpp" line="57"/>
        <source>矩阵厂家</source>
        <translation>Brand</translation>
    </message>
    <message>
        <location filename="../matrix/MatrixSettingsDialog.cpp" line="58"/>
        <source>矩阵型号</source>
        <translation>Model</translation>
    </message>
    <message>
        <location filename="../matrix/MatrixSettingsDialog.cpp" line="59"/>
        <source>设备地址</source>
        <translation>Address</translation>
    </message>
    <message>
        <location filename="../matrix/MatrixSettingsDialog.cpp" line="60"/>
        <source>输入总数</source>
        <translation>Input Total</translation>
    </message>
    <message>
        <location filename="../matrix/MatrixSettingsDialog.cpp" line="61"/>
        <source>命令延时</source>
        <translation>Comm Delay</translation>
    </message>
    <message>
        <location filename="../matrix/MatrixSettingsDialog.cpp" line="322"/>
        <source>矩阵设置</source>
        <translation>Matrix</translation>
    </message>
    <message>
        <location filename="../matrix/MatrixSettingsDialog.cpp" line="329"/>
        <source>矩阵输出连接示意图</source>
        <translation>Matrix Output Connection Diagram</translation>
    </message>
    <message>
        <location filename="../matrix/MatrixSettingsDialog.cpp" line="330"/>
        <source>矩阵与拼接盒连接设置</source>
        <translation>Matrix To Processor Connections</translation>
    </message>
    <message>
        <location filename="../matrix/MatrixSettingsDialog.cpp" line="331"/>
        <source>一对一接法</source>
        <translation>One To One</translation>
    </message>
    <message>
        <location filename="../matrix/MatrixSettingsDialog.cpp" line="332"/>
        <source>取消所有连接</source>
        <translation>Cancel All</translation>
    </message>
    <message>
        <location filename="../matrix/MatrixSettingsDialog.cpp" line="327"/>
        <source>设置矩阵输入名</source>
        <translation>Matrix Input Name</translation>
    </message>
    <message>
        <location filename="../matrix/MatrixSettingsDialog.cpp" line="333"/>
        <source>确  认</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../matrix/MatrixSettingsDialog.cpp" line="334"/>
        <source>关  闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>wall::Pages</name>
    <message>
        <source>使用矩阵</source>
        <translation>UseMatrix</translation>
    </message>
    <message>
        <source>矩阵输入</source>
        <translation>MatrixIn</translation>
    </message>
    <message>
        <location filename="../pages/ControlPages.cpp" line="37"/>
        <source>左上</source>
        <translation>LU</translation>
    </message>
    <message>
        <location filename="../pages/ControlPages.cpp" line="37"/>
        <source>右上</source>
        <translation>RU</translation>
    </message>
    <message>
        <location filename="../pages/ControlPages.cpp" line="38"/>
        <source>左下</source>
        <translation>LD</translation>
    </message>
    <message>
        <location filename="../pages/ControlPages.cpp" line="38"/>
        <source>右下</source>
        <translation>RD</translation>
    </message>
    <message>
        <location filename="../pages/ControlPages.cpp" line="39"/>
        <source>中间</source>
        <translation>MD</translation>
    </message>
    <message>
        <location filename="../pages/ControlPages.cpp" line="47"/>
        <source>制式</source>
        <translation>System</translation>
    </message>
    <message>
        <location filename="../pages/ControlPages.cpp" line="48"/>
        <source>信源模式</source>
        <translation>Source mode</translation>
    </message>
    <message>
        <location filename="../pages/ControlPages.cpp" line="49"/>
        <source>动态模式</source>
        <translation>Dynamic mode</translation>
    </message>
    <message>
        <location filename="../pages/ControlPages.cpp" line="50"/>
        <source>LVDS信号标准</source>
        <translation>LVDS standard</translation>
    </message>
    <message>
        <location filename="../pages/ControlPages.cpp" line="186"/>
        <source>子信号源</source>
        <translation>SubSrc</translation>
    </message>
    <message>
        <location filename="../pages/ControlPages.cpp" line="187"/>
        <source>位置模式</source>
        <translation>Pos</translation>
    </message>
    <message>
        <location filename="../pages/ControlPages.cpp" line="188"/>
        <source>尺寸模式</source>
        <translation>Size</translation>
    </message>
    <message>
        <location filename="../pages/ControlPages.cpp" line="550"/>
        <source>读取所有</source>
        <translation>Read All</translation>
    </message>
    <message>
        <location filename="../pages/ControlPages.cpp" line="551"/>
        <source>停止读取</source>
        <translation>Stop Read</translation>
    </message>
    <message>
        <location filename="../pages/ControlPages.cpp" line="553"/>
        <location filename="../pages/ParameterPanels.cpp" line="117"/>
        <location filename="../pages/ParameterPanels.cpp" line="157"/>
        <source>读</source>
        <translation>R</translation>
    </message>
    <message>
        <location filename="../pages/ControlPages.cpp" line="568"/>
        <source>读取本页数据</source>
        <translation>Read Page</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="10"/>
        <location filename="../pages/PageTables.cpp" line="56"/>
        <source>亮  度</source>
        <translation>Brighness</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="12"/>
        <location filename="../pages/PageTables.cpp" line="58"/>
        <source>对比度</source>
        <translation>Contrast</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="14"/>
        <location filename="../pages/PageTables.cpp" line="60"/>
        <source>清晰度</source>
        <translation>Sharpness</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="16"/>
        <location filename="../pages/PageTables.cpp" line="62"/>
        <source>饱和度</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="18"/>
        <source>色  调</source>
        <translation>Hue</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="20"/>
        <location filename="../pages/PageTables.cpp" line="32"/>
        <location filename="../pages/PageTables.cpp" line="48"/>
        <location filename="../pages/PageTables.cpp" line="64"/>
        <source>水平位置</source>
        <translation>Hor Pos</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="22"/>
        <location filename="../pages/PageTables.cpp" line="34"/>
        <location filename="../pages/PageTables.cpp" line="50"/>
        <location filename="../pages/PageTables.cpp" line="66"/>
        <source>垂直位置</source>
        <translation>Ver Pos</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="24"/>
        <location filename="../pages/PageTables.cpp" line="68"/>
        <source>时  钟</source>
        <translation>Clock</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="26"/>
        <source>相  位</source>
        <translation>Phase</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="28"/>
        <source>水平框架</source>
        <translation>Hor Frame</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="30"/>
        <source>垂直框架</source>
        <translation>Ver Frame</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="36"/>
        <location filename="../pages/PageTables.cpp" line="52"/>
        <source>水平尺寸</source>
        <translation>Hor Size</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="38"/>
        <location filename="../pages/PageTables.cpp" line="54"/>
        <source>垂直尺寸</source>
        <translation>Ver Size</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="40"/>
        <source>背光亮度</source>
        <translation>Backlight</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="42"/>
        <source>色坐标X</source>
        <translation>Colour X</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="44"/>
        <source>色坐标Y</source>
        <translation>Colour Y</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="46"/>
        <source>增益Gain</source>
        <translation>Gain</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="73"/>
        <location filename="../pages/PageTables.cpp" line="77"/>
        <source>关</source>
        <translation>Off</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="73"/>
        <source>低</source>
        <translation>Low</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="74"/>
        <source>中</source>
        <translation>Mid</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="74"/>
        <source>高</source>
        <translation>Hig</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="78"/>
        <source>开</source>
        <translation>On</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="80"/>
        <source>普通</source>
        <translation>Normal</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="80"/>
        <source>蓝屏</source>
        <translation>Blue</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="81"/>
        <source>黑屏</source>
        <translation>Black</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="81"/>
        <source>关背光</source>
        <translation>BackOff</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="84"/>
        <source>正投正向</source>
        <translation>NO Flip</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="84"/>
        <source>背投正向</source>
        <translation>H Flip</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="85"/>
        <source>正投反向</source>
        <translation>V Flip</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="85"/>
        <source>背投反向</source>
        <translation>HV Flip</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="89"/>
        <source>模式1</source>
        <translation>Mode 1</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="89"/>
        <source>模式2</source>
        <translation>Mode 2</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="90"/>
        <source>模式3</source>
        <translation>Mode 3</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="90"/>
        <source>模式4</source>
        <translation>Mode 4</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="91"/>
        <source>模式5</source>
        <translation>Mode 5</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="97"/>
        <source>降  噪</source>
        <translation>Noise</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="99"/>
        <source>图像翻转</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="101"/>
        <source>画质调整</source>
        <translation>Picture</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="103"/>
        <source>框架开关</source>
        <translation>Frame</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="105"/>
        <source>风  扇</source>
        <translation>Fan</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="107"/>
        <source>无信号</source>
        <translation>No signal</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="109"/>
        <source>边缘亮度</source>
        <translation>Edge brightness</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="111"/>
        <source>投影方向</source>
        <translation>Projection</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="113"/>
        <source>色温模式</source>
        <translation>Colour temp</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="115"/>
        <source>伽玛模式</source>
        <translation>Gamma</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="120"/>
        <source>色彩自动调整</source>
        <translation>Auto Colour</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="121"/>
        <location filename="../pages/PageTables.cpp" line="122"/>
        <source>位置自动调整</source>
        <translation>Auto Position</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="123"/>
        <source>系统保存</source>
        <translation>System Save</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="124"/>
        <source>画 中 画</source>
        <translation>PIP</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="125"/>
        <source>副 画 面</source>
        <translation>SUB</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="126"/>
        <source>尺  寸</source>
        <translation>Size</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="127"/>
        <source>边框颜色</source>
        <translation>Border</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="128"/>
        <source>交  换</source>
        <translation>Swap</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="129"/>
        <source>主副交换</source>
        <translation>Swap</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="136"/>
        <source>版本信息</source>
        <translation>Version</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="137"/>
        <source>上</source>
        <translation>UP</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="138"/>
        <source>下</source>
        <translation>DOWN</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="139"/>
        <source>左</source>
        <translation>LEFT</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="140"/>
        <source>右</source>
        <translation>RIGHT</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="141"/>
        <source>电源</source>
        <translation>POWER</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="142"/>
        <source>静音</source>
        <translation>MUTE</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="143"/>
        <source>菜单</source>
        <translation>MENU</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="144"/>
        <source>信号</source>
        <translation>SOURCE</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="145"/>
        <source>工厂菜单</source>
        <translation>Factory</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="148"/>
        <source>系统信息</source>
        <translation>System Info</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="149"/>
        <source>图像冻结</source>
        <translation>Freeze</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="150"/>
        <source>温度信息</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="155"/>
        <source>网格</source>
        <translation>Grid</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="156"/>
        <source>16灰阶</source>
        <translation>16 Grey</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="157"/>
        <source>32灰阶</source>
        <translation>32 Grey</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="158"/>
        <source>64灰阶</source>
        <translation>64 Grey</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="159"/>
        <source>256灰阶</source>
        <translation>256 Grey</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="160"/>
        <source>彩条</source>
        <translation>Colour bars</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="161"/>
        <source>黑</source>
        <translation>Black</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="162"/>
        <source>白</source>
        <translation>White</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="163"/>
        <source>红</source>
        <translation>Red</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="164"/>
        <source>绿</source>
        <translation>Green</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="165"/>
        <source>蓝</source>
        <translation>Blue</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="166"/>
        <source>青</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="167"/>
        <source>黄</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="168"/>
        <source>品红</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="169"/>
        <source>灰度</source>
        <translation>Grey level</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="173"/>
        <source>白色</source>
        <translation>White</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="174"/>
        <source>红色</source>
        <translation>Red</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="175"/>
        <source>绿色</source>
        <translation>Green</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="176"/>
        <source>蓝色</source>
        <translation>Blue</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="177"/>
        <source>青色</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="178"/>
        <source>紫色</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <location filename="../pages/PageTables.cpp" line="179"/>
        <source>黄色</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <location filename="../pages/ParameterPanels.cpp" line="116"/>
        <location filename="../pages/ParameterPanels.cpp" line="156"/>
        <source>写</source>
        <translation>W</translation>
    </message>
</context>
<context>
    <name>wall::PictureOutputDialog</name>
    <message>
        <location filename="../matrix/MatrixOutputDialogs.cpp" line="147"/>
        <source>错误提示</source>
        <translation>Error</translation>
    </message>
    <message>
        <location filename="../matrix/MatrixOutputDialogs.cpp" line="165"/>
        <source>矩阵输出选择</source>
        <translation>Matrix Output Selection</translation>
    </message>
    <message>
        <location filename="../matrix/MatrixOutputDialogs.cpp" line="166"/>
        <source>矩阵输出对应设置</source>
        <translation>Matrix Output Settings</translation>
    </message>
    <message>
        <location filename="../matrix/MatrixOutputDialogs.cpp" line="167"/>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../matrix/MatrixOutputDialogs.cpp" line="168"/>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>wall::PlaceholderWindow</name>
    <message>
        <location filename="../app/PlaceholderWindow.cpp" line="29"/>
        <source>此窗口的功能尚未提供。</source>
        <translation>This window&apos;s functions are not available yet.</translation>
    </message>
</context>
<context>
    <name>wall::PlanRenameDialog</name>
    <message>
        <location filename="../plans/PlanRenameDialog.cpp" line="59"/>
        <source>错误提示</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <location filename="../plans/PlanRenameDialog.cpp" line="79"/>
        <source>预案模式重命名</source>
        <translation>Mode rename</translation>
    </message>
    <message>
        <location filename="../plans/PlanRenameDialog.cpp" line="80"/>
        <source>模式名称</source>
        <translation>Mode name</translation>
    </message>
    <message>
        <location filename="../plans/PlanRenameDialog.cpp" line="81"/>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../plans/PlanRenameDialog.cpp" line="82"/>
        <source>取消</source>
        <translation>Cancel</translation>
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
    <name>wall::SystemSettingsDialog</name>
    <message>
        <location filename="../app/SystemSettingsDialog.cpp" line="203"/>
        <source>系统设置</source>
        <translation>Options</translation>
    </message>
    <message>
        <location filename="../app/SystemSettingsDialog.cpp" line="204"/>
        <source>数据读取延时时间</source>
        <translation>Data read delay</translation>
    </message>
    <message>
        <location filename="../app/SystemSettingsDialog.cpp" line="205"/>
        <source>智能开机间隔时间</source>
        <translation>Power-on interval</translation>
    </message>
    <message>
        <location filename="../app/SystemSettingsDialog.cpp" line="206"/>
        <source>矩阵控屏延时时间</source>
        <translation>Matrix to wall delay</translation>
    </message>
    <message>
        <location filename="../app/SystemSettingsDialog.cpp" line="207"/>
        <source>控制指令格式</source>
        <translation>Command format</translation>
    </message>
    <message>
        <location filename="../app/SystemSettingsDialog.cpp" line="208"/>
        <source>控制顺序</source>
        <translation>Switch order</translation>
    </message>
    <message>
        <location filename="../app/SystemSettingsDialog.cpp" line="209"/>
        <source>7个字节</source>
        <translation>7 BYTE</translation>
    </message>
    <message>
        <location filename="../app/SystemSettingsDialog.cpp" line="209"/>
        <source>8个字节</source>
        <translation>8 BYTE</translation>
    </message>
    <message>
        <location filename="../app/SystemSettingsDialog.cpp" line="209"/>
        <source>9个字节</source>
        <translation>9 BYTE</translation>
    </message>
    <message>
        <location filename="../app/SystemSettingsDialog.cpp" line="209"/>
        <source>10个字节</source>
        <translation>10 BYTE</translation>
    </message>
    <message>
        <location filename="../app/SystemSettingsDialog.cpp" line="210"/>
        <source>先切矩阵再切大屏</source>
        <translation>Matrix then wall</translation>
    </message>
    <message>
        <location filename="../app/SystemSettingsDialog.cpp" line="210"/>
        <source>先切大屏再切矩阵</source>
        <translation>Wall then matrix</translation>
    </message>
    <message>
        <location filename="../app/SystemSettingsDialog.cpp" line="211"/>
        <source>电脑开机时启动软件</source>
        <translation>Start with the computer</translation>
    </message>
    <message>
        <location filename="../app/SystemSettingsDialog.cpp" line="212"/>
        <source>软件登录使用密码</source>
        <translation>Log in with a password</translation>
    </message>
    <message>
        <location filename="../app/SystemSettingsDialog.cpp" line="213"/>
        <source>使用数据回读功能</source>
        <translation>Use data read-back</translation>
    </message>
    <message>
        <location filename="../app/SystemSettingsDialog.cpp" line="214"/>
        <source>使用漫游功能</source>
        <translation>Use roaming</translation>
    </message>
    <message>
        <location filename="../app/SystemSettingsDialog.cpp" line="215"/>
        <source>确 定</source>
        <translation>Ok</translation>
    </message>
    <message>
        <location filename="../app/SystemSettingsDialog.cpp" line="216"/>
        <source>取 消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>wall::WallSettingsDialog</name>
    <message>
        <location filename="../wall/WallSettingsDialog.cpp" line="53"/>
        <source>幕墙设置</source>
        <translation>Wall Unit</translation>
    </message>
    <message>
        <location filename="../wall/WallSettingsDialog.cpp" line="54"/>
        <source>垂直单元总数</source>
        <translation>Vertical units</translation>
    </message>
    <message>
        <location filename="../wall/WallSettingsDialog.cpp" line="55"/>
        <source>水平单元总数</source>
        <translation>Horizontal units</translation>
    </message>
    <message>
        <location filename="../wall/WallSettingsDialog.cpp" line="56"/>
        <source>确   定</source>
        <translation>Ok</translation>
    </message>
</context>
<context>
    <name>wall::InputControlDialog</name>
    <message>
        <source>输入控制</source>
        <translation>Input Source</translation>
    </message>
    <message>
        <source>信号源</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>矩阵输入</source>
        <translation>Matrix Input</translation>
    </message>
    <message>
        <source>单屏模式</source>
        <translation>Single Screen</translation>
    </message>
    <message>
        <source>使用矩阵</source>
        <translation>Use Matrix</translation>
    </message>
    <message>
        <source>矩阵切换类型</source>
        <translation>Matrix Switch Type</translation>
    </message>
    <message>
        <source>视频+音频</source>
        <translation>V+A</translation>
    </message>
    <message>
        <source>视频</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>音频</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>确 定</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>取 消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>错误提示</source>
        <translation>Error</translation>
    </message>
</context>
</TS>
