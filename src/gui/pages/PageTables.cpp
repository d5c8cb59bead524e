#include "PageTables.h"

#include <QtGlobal>

namespace wall {

namespace {

constexpr SliderDef kSliders[] = {
    {0, QT_TRANSLATE_NOOP("wall::Pages", "亮  度"), "suiScrollBar1", "suiEdit1", 0x41, 0, 100,
     "suiButton14", "BitBtn1", "BitBtn2", "suiButton15"},
    {0, QT_TRANSLATE_NOOP("wall::Pages", "对比度"), "suiScrollBar2", "suiEdit2", 0x40, 0, 100,
     "suiButton17", "BitBtn4", "BitBtn11", "suiButton16"},
    {0, QT_TRANSLATE_NOOP("wall::Pages", "清晰度"), "suiScrollBar4", "suiEdit4", 0x44, 0, 100,
     "suiButton21", "BitBtn21", "BitBtn22", "suiButton20"},
    {0, QT_TRANSLATE_NOOP("wall::Pages", "饱和度"), "suiScrollBar5", "suiEdit5", 0x42, 0, 100,
     "suiButton23", "BitBtn19", "BitBtn20", "suiButton22"},
    {0, QT_TRANSLATE_NOOP("wall::Pages", "色  调"), "suiScrollBar6", "suiEdit6", 0x43, 0, 100,
     "suiButton25", "BitBtn25", "BitBtn26", "suiButton24"},
    {1, QT_TRANSLATE_NOOP("wall::Pages", "水平位置"), "suiScrollBar8", "suiEdit20", 0x80, 0, 100,
     "suiButton29", "BitBtn33", "BitBtn34", "suiButton28"},
    {1, QT_TRANSLATE_NOOP("wall::Pages", "垂直位置"), "suiScrollBar9", "suiEdit21", 0x81, 0, 100,
     "suiButton31", "BitBtn35", "BitBtn36", "suiButton30"},
    {1, QT_TRANSLATE_NOOP("wall::Pages", "时  钟"), "suiScrollBar14", "suiEdit24", 0x52, 0, 100,
     "suiButton61", "BitBtn27", "BitBtn28", "suiButton52"},
    {1, QT_TRANSLATE_NOOP("wall::Pages", "相  位"), "suiScrollBar19", "suiEdit23", 0x53, 0, 63,
     "suiButton63", "BitBtn29", "BitBtn30", "suiButton62"},
    {1, QT_TRANSLATE_NOOP("wall::Pages", "水平框架"), "suiScrollBar20", "suiEdit22", 0x9B, 0, 100,
     "suiButton65", "BitBtn43", "BitBtn44", "suiButton64"},
    {1, QT_TRANSLATE_NOOP("wall::Pages", "垂直框架"), "suiScrollBar21", "suiEdit25", 0x9C, 0, 100,
     "suiButton67", "BitBtn45", "BitBtn46", "suiButton66"},
    {2, QT_TRANSLATE_NOOP("wall::Pages", "水平位置"), "suiScrollBar22", "suiEdit10", 0x65, 1, 100,
     "suiButton72", "BitBtn47", "BitBtn48", "suiButton71"},
    {2, QT_TRANSLATE_NOOP("wall::Pages", "垂直位置"), "suiScrollBar24", "suiEdit16", 0x66, 1, 100,
     "suiButton76", "BitBtn49", "BitBtn50", "suiButton75"},
    {2, QT_TRANSLATE_NOOP("wall::Pages", "水平尺寸"), "suiScrollBar27", "suiEdit27", 0x67, 0, 100,
     "suiButton102", "suiButton99", "suiButton100", "suiButton101"},
    {2, QT_TRANSLATE_NOOP("wall::Pages", "垂直尺寸"), "suiScrollBar7", "suiEdit7", 0x68, 0, 100,
     "suiButton98", "suiButton89", "suiButton90", "suiButton93"},
    {3, QT_TRANSLATE_NOOP("wall::Pages", "背光亮度"), "suiScrollBar3", "suiEdit3", 0xB3, 0, 254,
     "suiButton19", "BitBtn31", "BitBtn32", "suiButton18"},
    {5, QT_TRANSLATE_NOOP("wall::Pages", "色坐标X"), "suiScrollBar28", "suiEdit28", 208, 0, 100,
     "suiButton109", "suiButton107", "suiButton108", "suiButton110"},
    {5, QT_TRANSLATE_NOOP("wall::Pages", "色坐标Y"), "suiScrollBar29", "suiEdit29", 209, 0, 100,
     "suiButton113", "suiButton111", "suiButton112", "suiButton114"},
    {5, QT_TRANSLATE_NOOP("wall::Pages", "增益Gain"), "suiScrollBar30", "suiEdit30", 210, 0, 100,
     "suiButton117", "suiButton115", "suiButton116", "suiButton118"},
    {7, QT_TRANSLATE_NOOP("wall::Pages", "水平位置"), "suiScrollBar15", "suiEdit11", 0x65, 0, 100,
     "suiButton54", "suiButton1", "suiButton5", "suiButton53"},
    {7, QT_TRANSLATE_NOOP("wall::Pages", "垂直位置"), "suiScrollBar16", "suiEdit12", 0x66, 0, 100,
     "suiButton56", "suiButton6", "suiButton7", "suiButton55"},
    {7, QT_TRANSLATE_NOOP("wall::Pages", "水平尺寸"), "suiScrollBar18", "suiEdit14", 0x67, 0, 100,
     "suiButton60", "suiButton10", "suiButton11", "suiButton59"},
    {7, QT_TRANSLATE_NOOP("wall::Pages", "垂直尺寸"), "suiScrollBar17", "suiEdit13", 0x68, 0, 100,
     "suiButton58", "suiButton8", "suiButton9", "suiButton57"},
    {8, QT_TRANSLATE_NOOP("wall::Pages", "亮  度"), "suiScrollBar10", "suiEdit8", 0x41, 0, 100,
     "suiButton32", "suiButton12", "suiButton13", "suiButton33"},
    {8, QT_TRANSLATE_NOOP("wall::Pages", "对比度"), "suiScrollBar11", "suiEdit9", 0x40, 0, 100,
     "suiButton37", "suiButton34", "suiButton35", "suiButton36"},
    {8, QT_TRANSLATE_NOOP("wall::Pages", "清晰度"), "suiScrollBar23", "suiEdit15", 0x44, 0, 100,
     "suiButton73", "suiButton38", "suiButton39", "suiButton49"},
    {8, QT_TRANSLATE_NOOP("wall::Pages", "饱和度"), "suiScrollBar25", "suiEdit17", 0x42, 0, 100,
     "suiButton79", "suiButton74", "suiButton77", "suiButton78"},
    {8, QT_TRANSLATE_NOOP("wall::Pages", "水平位置"), "suiScrollBar12", "suiEdit18", 0x80, 0, 100,
     "suiButton43", "suiButton40", "suiButton41", "suiButton42"},
    {8, QT_TRANSLATE_NOOP("wall::Pages", "垂直位置"), "suiScrollBar13", "suiEdit19", 0x81, 0, 100,
     "suiButton47", "suiButton44", "suiButton45", "suiButton46"},
    {8, QT_TRANSLATE_NOOP("wall::Pages", "时  钟"), "suiScrollBar26", "suiEdit26", 0x52, 0, 100,
     "suiButton83", "suiButton80", "suiButton81", "suiButton82"},
};

constexpr const char* kNoise[] = {
    QT_TRANSLATE_NOOP("wall::Pages", "关"), QT_TRANSLATE_NOOP("wall::Pages", "低"),
    QT_TRANSLATE_NOOP("wall::Pages", "中"), QT_TRANSLATE_NOOP("wall::Pages", "高")};
constexpr const char* kRotation[] = {"Normal", "90°", "180°", "270°"};
constexpr const char* kQuality[] = {"MODE 0", "MODE 1", "MODE 2", "MODE 3", "MODE 4"};
constexpr const char* kOnOff[] = {QT_TRANSLATE_NOOP("wall::Pages", "关"),
                                  QT_TRANSLATE_NOOP("wall::Pages", "开")};
constexpr const char* kNoSignal[] = {
    QT_TRANSLATE_NOOP("wall::Pages", "普通"), QT_TRANSLATE_NOOP("wall::Pages", "蓝屏"),
    QT_TRANSLATE_NOOP("wall::Pages", "黑屏"), QT_TRANSLATE_NOOP("wall::Pages", "关背光")};
constexpr const char* kEdge[] = {"10Pels10%", "20Pels10%", "20Pels20%", "30Pels10%", "Normal"};
constexpr const char* kProjection[] = {
    QT_TRANSLATE_NOOP("wall::Pages", "正投正向"), QT_TRANSLATE_NOOP("wall::Pages", "背投正向"),
    QT_TRANSLATE_NOOP("wall::Pages", "正投反向"), QT_TRANSLATE_NOOP("wall::Pages", "背投反向")};
constexpr const char* kTemperature[] = {"8500K",   "9300K",   "6500K",   "3200K",
                                        "8500KHL", "9300KHL", "6500KHL", "3200KHL"};
constexpr const char* kGamma[] = {
    QT_TRANSLATE_NOOP("wall::Pages", "模式1"), QT_TRANSLATE_NOOP("wall::Pages", "模式2"),
    QT_TRANSLATE_NOOP("wall::Pages", "模式3"), QT_TRANSLATE_NOOP("wall::Pages", "模式4"),
    QT_TRANSLATE_NOOP("wall::Pages", "模式5")};

constexpr auto W = ListChoice::Write;
constexpr auto S = ListChoice::Step;

constexpr ListDef kLists[] = {
    {0, QT_TRANSLATE_NOOP("wall::Pages", "降  噪"), "suiComboBox10", 0x45, "suiButton27",
     "suiButton26", W, kNoise},
    {0, QT_TRANSLATE_NOOP("wall::Pages", "图像翻转"), "suiComboBox14", 0xD7, "suiButton123",
     "suiButton124", W, kRotation},
    {0, QT_TRANSLATE_NOOP("wall::Pages", "画质调整"), "suiComboBox16", 0xD8, "suiButton132",
     nullptr, W, kQuality},
    {1, QT_TRANSLATE_NOOP("wall::Pages", "框架开关"), "suiComboBox8", 0x9A, "suiButton96",
     "suiButton51", S, kOnOff},
    {3, QT_TRANSLATE_NOOP("wall::Pages", "风  扇"), "suiComboBox9", 0xB4, "suiButton95",
     "suiButton69", S, kOnOff},
    {3, QT_TRANSLATE_NOOP("wall::Pages", "无信号"), "ComboBox2", 0xBC, "suiButton94", "suiButton70",
     S, kNoSignal},
    {3, QT_TRANSLATE_NOOP("wall::Pages", "边缘亮度"), "suiComboBox15", 0xD9, "suiButton128",
     nullptr, W, kEdge},
    {5, QT_TRANSLATE_NOOP("wall::Pages", "投影方向"), "suiComboBox11", 0x70, "suiButton103",
     "suiButton104", W, kProjection},
    {5, QT_TRANSLATE_NOOP("wall::Pages", "色温模式"), "suiComboBox12", 0x72, "suiButton105",
     "suiButton106", W, kTemperature},
    {5, QT_TRANSLATE_NOOP("wall::Pages", "伽玛模式"), "suiComboBox13", 0x71, "suiButton120",
     "suiButton121", W, kGamma},
};

constexpr ActionDef kActions[] = {
    {0, "BitBtn52", QT_TRANSLATE_NOOP("wall::Pages", "色彩自动调整"), 0x5B, 1, false},
    {1, "BitBtn51", QT_TRANSLATE_NOOP("wall::Pages", "位置自动调整"), 0x5A, 1, false},
    {8, "suiButton50", QT_TRANSLATE_NOOP("wall::Pages", "位置自动调整"), 0x5A, 1, false},
    {8, "suiButton48", QT_TRANSLATE_NOOP("wall::Pages", "系统保存"), 0xC5, 1, false},
    {2, "BitBtn54", QT_TRANSLATE_NOOP("wall::Pages", "画 中 画"), 0x60, 1, false},
    {2, "BitBtn3", QT_TRANSLATE_NOOP("wall::Pages", "副 画 面"), 0x61, 1, false},
    {2, "BitBtn5", QT_TRANSLATE_NOOP("wall::Pages", "尺  寸"), 0x63, 1, false},
    {2, "BitBtn6", QT_TRANSLATE_NOOP("wall::Pages", "边框颜色"), 0x62, 1, false},
    {2, "BitBtn7", QT_TRANSLATE_NOOP("wall::Pages", "交  换"), 0x64, 1, false},
    {7, "suiButton4", QT_TRANSLATE_NOOP("wall::Pages", "主副交换"), 0x64, 1, false},
    {3, "suiButton84", "PAL", 0x38, 1, true},
    {3, "suiButton85", "NTSC", 0x38, 0, true},
    {3, "suiButton119", "ON", 0xBD, 1, true},
    {3, "suiButton122", "OFF", 0xBD, 0, true},
    {3, "suiButton68", "ON", 0xBA, 1, true},
    {3, "suiButton136", "OFF", 0xBA, 0, true},
    {3, "btn3", QT_TRANSLATE_NOOP("wall::Pages", "版本信息"), 0xC1, 1, false},
    {6, "BitBtn62", QT_TRANSLATE_NOOP("wall::Pages", "上"), 0x21, 4, false},
    {6, "BitBtn64", QT_TRANSLATE_NOOP("wall::Pages", "下"), 0x21, 5, false},
    {6, "BitBtn63", QT_TRANSLATE_NOOP("wall::Pages", "左"), 0x21, 6, false},
    {6, "BitBtn65", QT_TRANSLATE_NOOP("wall::Pages", "右"), 0x21, 7, false},
    {6, "BitBtn66", QT_TRANSLATE_NOOP("wall::Pages", "电源"), 0x21, 0, false},
    {6, "BitBtn67", QT_TRANSLATE_NOOP("wall::Pages", "静音"), 0x21, 1, false},
    {6, "BitBtn68", QT_TRANSLATE_NOOP("wall::Pages", "菜单"), 0x21, 2, false},
    {6, "BitBtn69", QT_TRANSLATE_NOOP("wall::Pages", "信号"), 0x21, 3, false},
    {6, "BitBtn71", QT_TRANSLATE_NOOP("wall::Pages", "工厂菜单"), 0x21, 9, false},
    {6, "suiButton134", "JEIDA", 0xDA, 0, false},
    {6, "suiButton135", "VESA", 0xDA, 1, false},
    {-1, "BitBtn8", QT_TRANSLATE_NOOP("wall::Pages", "系统信息"), 0xC0, 1, false},
    {-1, "BitBtn9", QT_TRANSLATE_NOOP("wall::Pages", "图像冻结"), 0xB2, 1, false},
    {-1, "btn2", QT_TRANSLATE_NOOP("wall::Pages", "温度信息"), 0xBE, 1, false},
};

constexpr PatternDef kPatterns[] = {
    {"Pattern0", "CLEAR", 0},
    {"Pattern1", QT_TRANSLATE_NOOP("wall::Pages", "网格"), 1},
    {"Pattern2", QT_TRANSLATE_NOOP("wall::Pages", "16灰阶"), 2},
    {"Pattern3", QT_TRANSLATE_NOOP("wall::Pages", "32灰阶"), 3},
    {"Pattern4", QT_TRANSLATE_NOOP("wall::Pages", "64灰阶"), 4},
    {"Pattern5", QT_TRANSLATE_NOOP("wall::Pages", "256灰阶"), 5},
    {"Pattern6", QT_TRANSLATE_NOOP("wall::Pages", "彩条"), 6},
    {"Pattern7", QT_TRANSLATE_NOOP("wall::Pages", "黑"), 7},
    {"Pattern8", QT_TRANSLATE_NOOP("wall::Pages", "白"), 8},
    {"Pattern9", QT_TRANSLATE_NOOP("wall::Pages", "红"), 9},
    {"Pattern10", QT_TRANSLATE_NOOP("wall::Pages", "绿"), 10},
    {"Pattern11", QT_TRANSLATE_NOOP("wall::Pages", "蓝"), 11},
    {"Pattern12", QT_TRANSLATE_NOOP("wall::Pages", "青"), 12},
    {"Pattern13", QT_TRANSLATE_NOOP("wall::Pages", "黄"), 13},
    {"Pattern14", QT_TRANSLATE_NOOP("wall::Pages", "品红"), 14},
    {"Pattern15", QT_TRANSLATE_NOOP("wall::Pages", "灰度"), 15},
};

constexpr ColourDef kColours[] = {
    {"RadioWhite", QT_TRANSLATE_NOOP("wall::Pages", "白色"), 6},
    {"RadioRed", QT_TRANSLATE_NOOP("wall::Pages", "红色"), 0},
    {"RadioGreen", QT_TRANSLATE_NOOP("wall::Pages", "绿色"), 1},
    {"RadioBlue", QT_TRANSLATE_NOOP("wall::Pages", "蓝色"), 2},
    {"RadioCyan", QT_TRANSLATE_NOOP("wall::Pages", "青色"), 3},
    {"RadioMagenta", QT_TRANSLATE_NOOP("wall::Pages", "紫色"), 4},
    {"RadioYellow", QT_TRANSLATE_NOOP("wall::Pages", "黄色"), 5},
};

} // namespace

std::span<const SliderDef> sliderDefs() {
    return kSliders;
}
std::span<const ListDef> listDefs() {
    return kLists;
}
std::span<const ActionDef> actionDefs() {
    return kActions;
}
std::span<const PatternDef> patternDefs() {
    return kPatterns;
}
std::span<const ColourDef> colourDefs() {
    return kColours;
}

} // namespace wall
