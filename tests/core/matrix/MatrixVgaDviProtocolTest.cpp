// Every VGA, DVI and YPbPr switcher protocol routed once or more through the
// console: the settings of the kind, one call, the whole trace of frames and
// pauses. Expected frames are written from the frame notation of each
// protocol; checksums are worked out here with the Bytes helpers.

#include "core/matrix/MatrixCase.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace wall;
using namespace wall::test;

Bytes text(const std::string& s) {
    return Bytes().ascii(s);
}

// Two upper-case hexadecimal ASCII digits.
std::string hex2(int v) {
    static const char digits[] = "0123456789ABCDEF";
    return {digits[(v >> 4) & 0xF], digits[v & 0xF]};
}

// Frames written one after the other, each followed by the delay.
Trace each(int device, int delay, std::initializer_list<Bytes> frames) {
    Trace t;
    for (const Bytes& f : frames)
        t.write(device, f).pause(delay);
    return t;
}

// Frames each written three times back to back, then the delay.
Trace thrice(int device, int delay, std::initializer_list<Bytes> frames) {
    Trace t;
    for (const Bytes& f : frames)
        t.write(device, f).write(device, f).write(device, f).pause(delay);
    return t;
}

// A frame sent one byte a write, each byte followed by the delay, and one
// more delay at the end.
Trace byteByByte(int device, int delay, const std::string& frame) {
    Trace t;
    for (char ch : frame)
        t.write(device, Bytes().byte(ch)).pause(delay);
    return t.pause(delay);
}

// Key presses on a keypad-driven switcher: each key pressed (",1") and
// released (",0"), each frame followed by the delay.
Trace keypad(int device, int id, int delay, std::initializer_list<int> keys) {
    auto two = [](int v) { return std::string(1, char('0' + v / 10 % 10)) + char('0' + v % 10); };
    Trace t;
    for (int k : keys) {
        const std::string frame = "*8" + two(id) + "K0," + two(k);
        t.write(device, text(frame + ",1")).pause(delay);
        t.write(device, text(frame + ",0")).pause(delay);
    }
    return t;
}

// The 4 x 4 code table of the LKV344 and IDOT switchers: row = output,
// column = input, two ASCII characters each.
const char* const kCode4x4[4][4] = {
    {"09", "1D", "1F", "0D"},
    {"17", "12", "59", "08"},
    {"5E", "06", "05", "03"},
    {"18", "44", "0F", "51"},
};
Bytes code4x4(int output, int input) {
    return text(std::string("a") + kCode4x4[output - 1][input - 1]);
}

class MatrixVgaDviProtocolTest : public MatrixCaseFixture {};

TEST_F(MatrixVgaDviProtocolTest, VgaProtocols) {
    // FST, input 3 to output 1: the sum of the first three bytes is kept to 7 bits.
    Bytes fst("BB 01 02");
    fst.byte(fst.sum(0, 2) & 0x7F).hex("99");
    // KEDI1, input 27 to output 12: x 0B, y 1A, then the exclusive-or of bytes 1..9
    // as two hex digits.
    Bytes kedi1("01");
    kedi1.ascii("WRVx0By1A");
    kedi1.ascii(hex2(kedi1.xorOf(1, 9))).hex("04");
    // WP003, input 2 to outputs 1 to 20: a full frame of 20 pairs.
    Bytes wp003Full("96 01 01 2A A0");
    for (int o = 1; o <= 20; ++o)
        wp003Full.bytes({o - 1, 1});
    wp003Full.appendSum(0, 44);

    runAll({
        vga(1, "ZRQ001")
            .as("first source")
            .address(2)
            .input(3)
            .select(0, 0, 1, 0)
            .delay(40)
            .expect(each(1, 40, {Bytes("C5 B1 02 A3 05 15 52 03 01 02").appendSum(2, 9)})),
        // Address 9D brings S[2..12] to C5, which goes out as 3A.
        vga(1, "ZRQ001")
            .as("second source, more than 255 inputs")
            .source(1)
            .inputs(300)
            .input(258)
            .address(0x9D)
            .switchType(0)
            .select(0, 0, 1, 0)
            .expect(each(1, 100, {Bytes("C5 B1 9D A4 08 25 51 01 02 00 01 00 02 3A")})),
        vga(2, "ZRQ002")
            .input(2)
            .switchType(2)
            .select(0, 0, 1, 0)
            .expect(each(1, 100, {Bytes("96 01 01 06 A2 00 01 01 01").appendSum(0, 8)})),
        vga(3, "ZC001")
            .address(5)
            .input(3)
            .switchType(0)
            .select(0, 0, 1, 0)
            .delay(30)
            .expect(each(1, 30, {Bytes("FF 05 03 03 01 AA"), Bytes("FF 05 03 03 02 AA")})),
        // The list ends with '.' although the selection's last cell is not wired.
        vga(4, "CREATEK")
            .as("last cell not wired")
            .input(12)
            .select(0, 0, 2, 0)
            .output(2, 0)
            .expect(each(1, 100, {text("12V1,2.")})),
        vga(5, "HRCMS").inputs(32).input(26).output(0, 11).expect(each(1, 100, {text("A0B1A")})),
        vga(6, "XJ").address(2).input(4).switchType(2).expect(
            each(1, 100, {Bytes("FF 02 04 04 01 AA")})),
        vga(7, "AITE")
            .address(4)
            .input(3)
            .select(0, 0, 1, 0)
            .expect(each(1, 100, {Bytes("96 04 01 06 A0 00 02 01 02 00")})),
        vga(8, "CREATEK2").address(3).input(2).expect(each(1, 100, {Bytes("FF 03 05 02 01 AA")})),
        // Five pairs: a full frame of four, then the pending one at the end of the walk.
        vga(9, "TRIOLION")
            .as("first source, five screens")
            .grid(1, 5)
            .whole()
            .model(6)
            .input(3)
            .delay(60)
            .expect(each(1, 60,
                         {Bytes("EB 62 02 08 00 02 01 02 02 02 03 02").appendSum(1, 11),
                          Bytes("EB 62 02 02 04 02").appendSum(1, 5)})),
        vga(9, "TRIOLION")
            .as("second source")
            .source(1)
            .model(8)
            .select(0, 0, 1, 0)
            .expect(each(1, 100, {Bytes("EB 61 02 04 00 00 01 00").appendSum(1, 7)})),
        vga(10, "CREATEK3")
            .input(2)
            .select(0, 0, 1, 0)
            .delay(20)
            .expect(byteByByte(1, 20, "2B1,2.")),
        vga(11, "AC")
            .address(3)
            .input(2)
            .select(0, 0, 1, 0)
            .delay(50)
            .expect(Trace()
                        .write(1, text("!\r"))
                        .write(1, text("!3:G2*1\r"))
                        .pause(50)
                        .write(1, text("!3:G2*2\r"))
                        .pause(50)),
        vga(11, "AC").as("no wired screen").output(0, 0).sendsNothing(),
        vga(12, "SL001").address(26).input(4).expect(each(1, 100, {text("Z1&4!")})),
        vga(12, "SL001")
            .as("address 27")
            .address(27)
            .input(4)
            .expect(each(1, 100, {text("A1&4!")})),
        vga(13, "LW001")
            .address(7)
            .input(2)
            .switchType(2)
            .expect(each(1, 100, {Bytes("FF 07 04 02 01 AA")})),
        vga(14, "KOVRAN")
            .inputs(300)
            .input(300)
            .output(0, 5)
            .expect(each(1, 100, {Bytes("F2 01 2C 2A 05 00 00").appendXor(1, 6)})),
        vga(15, "SWITCHER")
            .address(112)
            .input(7)
            .select(0, 0, 1, 0)
            .delay(30)
            .expect(each(1, 30, {Bytes("40").ascii("12,07B01!"), Bytes("40").ascii("12,07B02!")})),
        vga(15, "SWITCHER")
            .as("whole wall")
            .grid(2, 2)
            .whole()
            .address(5)
            .input(7)
            .output(0, 0)
            .output(1, 4)
            .output(2, 4)
            .output(3, 0)
            .delay(30)
            .expect(each(1, 30, {Bytes("40").ascii("05,07ALL!")})),
        vga(16, "MINGKONG")
            .address(6)
            .input(3)
            .expect(each(1, 100, {Bytes("BB 04 06 02 03 01 55")})),
        vga(17, "SL002")
            .input(5)
            .select(0, 0, 1, 0)
            .output(0, 7)
            .output(1, 100)
            .expect(each(1, 100, {text("A07(05!"), text("A100(05!")})),
        // Address 52 brings S[0..8] to 96, which goes out as 6A.
        vga(18, "WP002")
            .address(0x52)
            .input(3)
            .select(0, 0, 1, 0)
            .expect(each(1, 100, {Bytes("96 52 01 06 A0 00 03 01 03 6A")})),
        vga(19, "PESKO").input(3).output(0, 6).expect(each(1, 100, {Bytes("EB 1B 02 02 05 02")})),
        vga(20, "LW002")
            .address(2)
            .input(3)
            .select(0, 0, 1, 0)
            .delay(40)
            .expect(
                each(1, 40, {Bytes("FF 02 04 03 01 AA"), Bytes("FF 02 04 03 02 AA")}).pause(3000)),
        vga(20, "LW002")
            .as("one output")
            .address(2)
            .input(3)
            .delay(40)
            .expect(each(1, 40, {Bytes("FF 02 04 03 01 AA")})),
        vga(21, "ITRON").address(0).input(3).expect(each(1, 100, {text("*01<03!")})),
        vga(22, "EXTRON").source(1).input(12).output(0, 3).expect(each(1, 100, {text("12*3&")})),
        vga(22, "EXTRON")
            .as("MatrixUseComOnly")
            .flag("MatrixUseComOnly")
            .input(12)
            .output(0, 3)
            .switchType(2)
            .expect(each(2, 100, {text("12*3$")})),
        vga(23, "KICON").address(2).input(3).expect(each(1, 100, {text("3,1,2,D,V")})),
        vga(23, "KICON").as("address 0").address(0).input(3).expect(each(1, 100, {text("3,1,V")})),
        vga(24, "QORZ").address(8).input(3).expect(each(1, 100, {text("#205V0103")})),
        vga(25, "ITRON312")
            .address(2)
            .input(3)
            .output(0, 12)
            .expect(each(1, 100, {text("B12(03!")})),
        vga(26, "KEDI").input(3).expect(each(1, 100, {text("*03R01#")})),
        vga(27, "SISO")
            .inputs(300)
            .input(259)
            .address(9)
            .expect(each(1, 100, {Bytes("F2 01 03 22 01 09 00").appendXor(1, 6)})),
        vga(28, "VYNK")
            .address(3)
            .input(4)
            .output(0, 12)
            .expect(each(1, 100, {text("PV03SV0412NT")})),
        vga(29, "FST").input(3).expect(each(1, 100, {fst})),
        vga(30, "MVIIBR")
            .address(2)
            .input(3)
            .output(0, 5)
            .expect(each(1, 100, {Bytes("96 02 01 04 A1 04 02 00")})),
        vga(31, "TAPW").address(4).input(2).expect(each(1, 100, {Bytes("FF 04 05 02 01 AA")})),
        vga(32, "ZD").address(3).input(12).output(0, 7).expect(each(1, 100, {text("L3012>007R#")})),
        vga(33, "CKDZ")
            .address(2)
            .input(3)
            .switchType(0)
            .expect(each(1, 100, {Bytes("FF 02 09 03 01 AA")})),
        vga(34, "CH001").input(1).expect(each(1, 100, {Bytes("FF 07 03 02 00 00 F5")})),
        vga(35, "DB").address(4).input(2).switchType(2).expect(each(1, 100, {text("<2,1,4,D,A>")})),
        vga(36, "CREATEK4")
            .address(2)
            .input(5)
            .switchType(2)
            .output(0, 11)
            .expect(each(1, 100, {Bytes("FE EF 00 00 00 02 02 81 00 00 05 00 00 00 00 00 AB")})),
        vga(37, "HOKUTO")
            .address(3)
            .input(2)
            .expect(each(1, 100, {Bytes("F2 00 02 22 01 03 00").appendXor(1, 6)})),
        vga(38, "KEDI1").input(27).output(0, 12).expect(each(1, 100, {kedi1})),
        vga(39, "ZC003")
            .as("MatrixUseComOnly")
            .flag("MatrixUseComOnly")
            .address(2)
            .input(3)
            .expect(each(3, 100, {Bytes("FF 02 03 03 01 AA")})),
        vga(40, "KEDI2")
            .as("output 17 skipped")
            .input(11)
            .select(0, 0, 1, 0)
            .output(0, 17)
            .output(1, 16)
            .expect(each(1, 100, {text("*WRVx0Fy0A--#")})),
        vga(41, "HVSM")
            .as("VGAMatrixUseComOnly")
            .flag("VGAMatrixUseComOnly")
            .address(3)
            .input(2)
            .switchType(2)
            .expect(each(3, 100, {Bytes("BB 04 03 03 02 01 55")})),
        // 21 outputs: a frame of 20 pairs, then one of a single pair.
        vga(42, "WP003")
            .as("21 outputs")
            .grid(3, 7)
            .whole()
            .input(2)
            .delay(30)
            .expect(each(1, 30, {wp003Full, Bytes("96 01 01 04 A0 14 01").appendSum(0, 6)})),
        vga(43, "EXTA")
            .as("MatrixUseComOnly")
            .flag("MatrixUseComOnly")
            .address(2)
            .input(3)
            .expect(each(3, 100, {text("!2:M3*1\r")})),
        vga(44, "CK").address(2).input(3).expect(each(1, 100, {Bytes("FF 02 03 03 01 AA")})),
        vga(45, "CK1").address(2).input(3).switchType(0).expect(
            each(1, 100, {Bytes("FF 02 04 03 01 AA")})),
        vga(46, "QB")
            .as("MatrixUseComOnly")
            .flag("MatrixUseComOnly")
            .input(3)
            .switchType(2)
            .expect(each(3, 100, {text("G01<03\r")})),
        vga(47, "PROV")
            .address(2)
            .input(3)
            .switchType(2)
            .output(0, 4)
            .expect(each(1, 100, {Bytes("BA 02 01 04 A3 03 02").appendSum(0, 6)})),
        vga(48, "ODIN")
            .as("VGAMatrixUseComOnly")
            .flag("VGAMatrixUseComOnly")
            .address(2)
            .input(3)
            .output(0, 2)
            .expect(each(3, 100, {Bytes("FF 07 02 02 02 01").appendNeg(0, 5)})),
        vga(49, "TECH").input(3).expect(each(1, 100, {text("0103V")})),
        vga(49, "TECH")
            .as("100 screens, 120 inputs")
            .grid(10, 10)
            .inputs(120)
            .input(5)
            .switchType(0)
            .expect(each(1, 100, {text("001005C")})),
        vga(50, "SFLAG")
            .input(2)
            .output(0, 3)
            .expect(each(1, 100, {Bytes("E0 F9 03 FF FF FF FF FF FF FF FF 02 01 A1")})),
        vga(51, "HYK").address(3).input(3).output(0, 2).expect(
            each(1, 100, {text("U").hex("05 03 A1 01 02 03")})),
        vga(52, "CREATEK5")
            .input(3)
            .select(0, 0, 1, 0)
            .delay(20)
            .expect(each(1, 20, {text("3V1."), text("3V2.")})),
        vga(53, "SISO2")
            .address(2)
            .input(5)
            .expect(each(1, 100, {Bytes("F2 00 05 22 01 02 00").appendXor(1, 6)})),
        vga(54, "SMTH4").address(4).input(3).switchType(0).expect(each(1, 100, {text("04V03M01")})),
        vga(55, "HXD2")
            .input(4)
            .switchType(0)
            .expect(each(1, 100, {Bytes("BB 04 01 01 04 01 55")})),
        vga(56, "SMTH5")
            .as("output 100 skipped")
            .address(3)
            .inputs(120)
            .input(99)
            .select(0, 0, 1, 0)
            .output(0, 100)
            .output(1, 98)
            .expect(each(1, 100, {text("03V99V98")})),
        vga(56, "SMTH5").as("input 100").inputs(120).input(100).sendsNothing(),
        vga(57, "WP001")
            .address(2)
            .input(4)
            .switchType(0)
            .expect(each(1, 100, {Bytes("96 02 01 04 A3 00 03").appendSum(0, 6)})),
        vga(58, "XZ001")
            .address(2)
            .input(4)
            .expect(each(1, 100, {Bytes("BA 02 01 04 A0 00 03").appendSum(0, 6)})),
        vga(59, "QJ").address(9).input(2).switchType(0).expect(
            each(1, 100, {Bytes("FF 09 03 02 01 AA")})),
        vga(60, "ZRQ001_VR")
            .as("first source")
            .address(3)
            .input(2)
            .expect(each(1, 100, {Bytes("C5 B1 03 A4 04 15 52 02 01").appendSum(2, 8)})),
        vga(60, "ZRQ001_VR")
            .as("second source, no wired screen")
            .source(1)
            .address(3)
            .input(2)
            .output(0, 0)
            .expect(each(1, 100, {Bytes("C5 B1 03 A4 03 15 52 02").appendSum(2, 7)})),
        vga(61, "AC_VR")
            .input(4)
            .expect(Trace().write(1, text("!\r")).write(1, text("!1:R4*1\r")).pause(100)),
        vga(62, "AC002_VR")
            .address(2)
            .input(3)
            .expect(each(
                1, 100, {text("!").byte(0).ascii("2:R").byte(0).ascii("3*").byte(0).ascii("1\r")})),
        vga(63, "Erton")
            .as("output 100 skipped")
            .input(7)
            .switchType(2)
            .select(0, 0, 1, 0)
            .output(0, 100)
            .output(1, 5)
            .expect(each(1, 100, {text("A0507")})),
        vga(64, "AC002")
            .address(2)
            .input(3)
            .select(0, 0, 1, 0)
            .delay(30)
            .expect(
                each(1, 30,
                     {text("!").byte(0).ascii("2:G").byte(0).ascii("3*").byte(0).ascii("1\r"),
                      text("!").byte(0).ascii("2:G").byte(0).ascii("3*").byte(0).ascii("2\r")})),
        vga(65, "CKDZ2").address(2).input(3).expect(each(1, 100, {Bytes("FF 02 04 03 01 AA")})),
        vga(66, "ACV").input(6).expect(
            each(1, 100, {Bytes("F2 00 06 22 01 01 00").appendXor(1, 6)})),
        vga(67, "RUMBQ")
            .input(3)
            .select(0, 0, 2, 0)
            .delay(70)
            .expect(Trace().write(1, text("3X1&2&3.")).pause(70).pause(70)),
        vga(68, "HOKUTO2")
            .address(4)
            .output(0, 9)
            .expect(each(1, 100, {Bytes("F2 00 01 22 09 04 00").appendXor(1, 6)})),
        vga(69, "VYNK_VR")
            .address(5)
            .input(12)
            .output(0, 3)
            .expect(each(1, 100, {text("PR05SW1203NT")})),
        vga(70, "SMTH6")
            .address(2)
            .input(3)
            .expect(each(1, 100, {text("~").hex("02 03 01 00 0D")})),
        vga(71, "XTA001").address(3).input(4).expect(each(1, 100, {text("PV03SV0401NT")})),
    });
}

TEST_F(MatrixVgaDviProtocolTest, DviProtocols) {
    runAll({
        // Two screens on output 2: one output in the list.
        dvi(1, "ZRQ001")
            .source(11)
            .address(3)
            .input(4)
            .switchType(2)
            .select(0, 0, 1, 0)
            .output(0, 2)
            .output(1, 2)
            .delay(50)
            .expect(each(1, 50, {Bytes("C5 B1 03 A5 04 15 53 04 02").appendSum(2, 8)})),
        dvi(2, "DVI001")
            .address(13)
            .input(2)
            .delay(50)
            .expect(Trace()
                        .write(1, text("2,1,3,D,V"))
                        .pause(50)
                        .write(1, text("1,2,3,D,Z"))
                        .pause(50)),
        dvi(3, "LKV344")
            .as("input 1")
            .grid(2, 2)
            .whole()
            .input(1)
            .delay(50)
            .expect(thrice(1, 50,
                           {code4x4(1, 1).byte(0), code4x4(2, 1).byte(0), code4x4(3, 1).byte(0),
                            code4x4(4, 1).byte(0)})),
        dvi(3, "LKV344")
            .as("input 3")
            .grid(2, 2)
            .whole()
            .input(3)
            .expect(thrice(1, 100,
                           {code4x4(1, 3).byte(0), code4x4(2, 3).byte(0), code4x4(3, 3).byte(0),
                            code4x4(4, 3).byte(0)})),
        dvi(3, "LKV344").as("input 5").input(5).sendsNothing(),
        dvi(4, "CKDZ").address(2).input(3).expect(each(1, 100, {Bytes("FF 02 09 03 01 AA")})),
        dvi(5, "HDMI0808").input(3).output(0, 5).expect(each(1, 100, {Bytes("BB 00 02 04")})),
        dvi(6, "MVIIBR")
            .address(2)
            .input(3)
            .output(0, 5)
            .expect(each(1, 100, {Bytes("96 02 01 04 A1 04 02 00")})),
        dvi(7, "CH001")
            .as("MatrixUseComOnly")
            .flag("MatrixUseComOnly")
            .input(4)
            .output(0, 2)
            .expect(each(2, 100, {Bytes("FF 07 01 02 03 01").appendNeg(0, 5)})),
        dvi(8, "ATYC").input(3).output(0, 2).expect(
            each(1, 100, {Bytes("FF AA 05 02 01").ascii("<")})),
        dvi(9, "PROV").address(2).input(3).switchType(0).output(0, 4).expect(
            each(1, 100, {Bytes("BA 02 01 04 AF 03 02").appendSum(0, 6)})),
        // Screen 2 is on output 3.
        dvi(10, "ODIN")
            .input(2)
            .select(2, 0, 2, 0)
            .expect(each(1, 100, {Bytes("FF 07 01 02 01 02 F4")})),
        dvi(11, "SFLAG")
            .input(2)
            .output(0, 3)
            .expect(each(1, 100, {Bytes("E0 D9 03 FF FF FF FF FF FF FF FF 02 01 A1")})),
        dvi(12, "IDOT").input(2).select(2, 0, 2, 0).expect(each(1, 100, {text("a06")})),
        dvi(12, "IDOT")
            .as("input 2, every output")
            .grid(2, 2)
            .whole()
            .input(2)
            .delay(50)
            .expect(each(1, 50, {code4x4(1, 2), code4x4(2, 2), code4x4(3, 2), code4x4(4, 2)})),
        dvi(12, "IDOT")
            .as("DVIMatrixUseComOnly, input 4, output 5 skipped")
            .flag("DVIMatrixUseComOnly")
            .grid(1, 5)
            .whole()
            .input(4)
            .expect(each(2, 100, {code4x4(1, 4), code4x4(2, 4), code4x4(3, 4), code4x4(4, 4)})),
        dvi(12, "IDOT").as("input 5").input(5).sendsNothing(),
        // Input 12, then screens 0 and 1 both on output 3 and screen 2 on output 10:
        // key 73, digit keys, 76, then per screen 61, digit keys, 76.
        dvi(13, "SMTH3")
            .as("DVIMatrixUseComOnly")
            .flag("DVIMatrixUseComOnly")
            .address(2)
            .input(12)
            .select(0, 0, 2, 0)
            .output(0, 3)
            .output(1, 3)
            .output(2, 10)
            .delay(50)
            .expect(keypad(2, 2, 50, {73, 62, 63, 76, 61, 64, 76, 61, 64, 76, 61, 62, 61, 76})),
        dvi(14, "JKJS")
            .input(3)
            .output(0, 2)
            .expect(each(1, 100, {text("#A").hex("00 03 04 01 02").ascii("V").hex("FF")})),
        dvi(15, "HDMx").input(4).select(0, 0, 2, 0).expect(each(1, 100, {text("4X1&2&3.")})),
        // The last cell repeats output 5: nothing is added for it, so no '.'.
        dvi(15, "HDMx")
            .as("last cell repeats an output")
            .input(4)
            .select(0, 0, 2, 0)
            .output(0, 5)
            .output(1, 6)
            .output(2, 5)
            .expect(each(1, 100, {text("4X5&6&")})),
        dvi(16, "EXTRON")
            .as("DVIMatrixUseComOnly")
            .flag("DVIMatrixUseComOnly")
            .input(12)
            .output(0, 3)
            .switchType(2)
            .expect(each(4, 100, {text("12*3$")})),
        dvi(17, "CREATEK")
            .input(2)
            .switchType(0)
            .select(0, 0, 1, 0)
            .expect(each(1, 100, {text("2B1,2.")})),
        dvi(18, "YD4x4")
            .input(3)
            .output(0, 18)
            .expect(each(1, 100, {Bytes("7E 06 3F 01 FF 30 21 7F")})),
        dvi(19, "CREATEK2")
            .input(3)
            .select(0, 0, 2, 0)
            .delay(50)
            .expect(each(1, 50, {text("3V1&2&3.\r\n")})),
        dvi(20, "MAINVAN")
            .input(3)
            .expect(each(1, 100, {Bytes("F4 03 21 01 00 00").appendSum(1, 5)})),
        dvi(20, "MAINVAN")
            .as("input 300")
            .inputs(300)
            .input(300)
            .expect(each(1, 100, {Bytes("F4 2C 21 01 00 21").appendSum(1, 5)})),
        dvi(21, "DB").address(0).input(2).expect(each(1, 100, {text("<2,1,V>")})),
        dvi(22, "DB002")
            .address(3)
            .input(2)
            .switchType(0)
            .expect(each(1, 100, {text("2,1,3,D,B")})),
        dvi(23, "VYNK")
            .address(3)
            .input(4)
            .output(0, 12)
            .expect(each(1, 100, {text("PD03SW0412NT")})),
        dvi(24, "ITRON").address(5).input(2).expect(each(1, 100, {text("E01<02!")})),
        dvi(25, "ZRQ003").input(3).switchType(0).expect(each(1, 100, {text("<3,1,1,D,B>")})),
    });
}

TEST_F(MatrixVgaDviProtocolTest, YpbprProtocols) {
    runAll({
        ypbpr(1, "ZRQ001")
            .as("YUVMatrixUseComOnly")
            .flag("YUVMatrixUseComOnly")
            .address(2)
            .input(3)
            .delay(200)
            .expect(each(5, 200, {Bytes("C5 B1 02 A6 04 15 52 03 01").appendSum(2, 8)})),
        ypbpr(2, "MVIIBR")
            .address(2)
            .input(3)
            .output(0, 5)
            .expect(each(1, 100, {Bytes("96 02 01 04 A1 04 02 00")})),
        ypbpr(2, "MVIIBR")
            .as("MatrixUseComOnly")
            .flag("MatrixUseComOnly")
            .address(2)
            .input(3)
            .output(0, 5)
            .expect(each(2, 100, {Bytes("96 02 01 04 A1 04 02 00")})),
    });
}

} // namespace
