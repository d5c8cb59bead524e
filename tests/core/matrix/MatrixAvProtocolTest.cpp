// Every AV matrix protocol routed through the console: the settings of the
// case, one call, the whole trace of writes and pauses. Expected frames are
// written out from each protocol's frame layout, checksums computed here.

#include "core/matrix/MatrixCase.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace wall;
using namespace wall::test;

namespace {

class MatrixAvProtocol : public MatrixCaseFixture {};

Bytes ascii(const std::string& text) {
    return Bytes().ascii(text);
}

std::string hex2(int v) {
    static const char digits[] = "0123456789ABCDEF";
    return {digits[(v >> 4) & 0xF], digits[v & 0xF]};
}

// The sum of bytes from..to with its top bit cleared, appended.
Bytes withSum7F(Bytes b, int from, int to) {
    b.byte(b.sum(from, to) & 0x7F);
    return b;
}
// The sum of bytes from..to appended as two bytes: sum / 16, sum mod 16.
Bytes withSumNibbles(Bytes b, int from, int to) {
    const int s = b.sum(from, to);
    b.byte(s / 16).byte(s % 16);
    return b;
}
// The exclusive-or of bytes from..to appended as two hexadecimal digits.
Bytes withXorHex(Bytes b, int from, int to) {
    b.ascii(hex2(b.xorOf(from, to)));
    return b;
}

// One frame on a device, then the command delay.
std::string once(const Bytes& frame, int delay = 100, int device = 1) {
    return Trace().write(device, frame).pause(delay).str();
}

// Every byte of the frame as a one-byte write of its own, each followed by
// `each` ms.
Trace& byteByByte(Trace& t, const Bytes& frame, int each) {
    for (int i = 0; i < frame.size(); ++i)
        t.write(1, Bytes().byte(frame.at(i))).pause(each);
    return t;
}

TEST_F(MatrixAvProtocol, EveryProtocolOfTheListRoutesWithItsOwnFrame) {
    // SHATIAN: 9 one-byte writes, three times, 150 ms between the rounds.
    const Bytes shatian = Bytes("00 01 05 01 01 23 02 0D").appendSum(0, 7);
    Trace shatianTrace;
    byteByByte(shatianTrace, shatian, 0).pause(150);
    byteByByte(shatianTrace, shatian, 0).pause(150);
    byteByByte(shatianTrace, shatian, 0).pause(20);

    // CREATEK3: each byte followed by D, then D once more.
    Trace createk3;
    byteByByte(createk3, ascii("12B1,2."), 10).pause(10);
    Trace createk3Unwired;
    byteByByte(createk3Unwired, ascii("12B1."), 100).pause(100);

    // WP003 on a 3 x 7 wall: 20 pairs in the first frame, the 21st alone.
    Bytes wp003Full("96 01 01 2A A0");
    for (int o = 0; o < 20; ++o)
        wp003Full.byte(o).byte(1);
    wp003Full.appendSum(0, 44);
    const Bytes wp003Rest = Bytes("96 01 01 04 A0 14 01").appendSum(0, 6);

    runAll({
        // ZRQ batch: header, L, width byte, switch type, input, outputs, S[2..].
        av(1, "ZRQ001")
            .input(3)
            .select(0, 0, 1, 0)
            .delay(20)
            .expect(once(Bytes("C5 B1 01 A2 05 15 52 03 01 02").appendSum(2, 9), 20)),
        av(1, "ZRQ001 two-byte fields above 255 inputs")
            .address(2)
            .input(258)
            .switchType(0)
            .inputs(300)
            .expect(once(Bytes("C5 B1 02 A2 06 25 51 01 02 00 01").appendSum(2, 10))),
        av(1, "ZRQ001 no wired screen still sends the input")
            .input(2)
            .switchType(2)
            .output(0, 0)
            .expect(once(Bytes("C5 B1 01 A2 03 15 53 02").appendSum(2, 7))),
        // S[2..8] = 01+A2+04+15+52+B4+03 = C5, sent as 3A.
        av(1, "ZRQ001 checksum C5 goes as 3A")
            .input(180)
            .inputs(200)
            .select(2, 0, 2, 0)
            .expect(once(Bytes("C5 B1 01 A2 04 15 52 B4 03 3A"))),

        // Pair list: 96 ID 01 2n+2 kind, pairs O-1 I-1, S[0..].
        av(2, "ZRQ002")
            .address(2)
            .input(3)
            .switchType(2)
            .select(0, 0, 1, 0)
            .expect(once(Bytes("96 02 01 06 A2 00 02 01 02").appendSum(0, 8))),
        av(2, "ZRQ002 no wired screen sends nothing").output(0, 0).expect(""),

        // AB8TO4: decimal digits as raw bytes, two frames back to back.
        av(3, "AB8TO4")
            .inputs(8)
            .input(3)
            .output(0, 12)
            .expect(Trace()
                        .write(1, Bytes("FE 01 02 13 FF"))
                        .write(1, Bytes("FE 04 11 FF"))
                        .pause(100)
                        .str()),
        av(3, "AB8TO4 two-digit input")
            .inputs(8)
            .input(9)
            .select(2, 0, 2, 0)
            .delay(30)
            .expect(Trace()
                        .write(1, Bytes("FE 03 13 FF"))
                        .write(1, Bytes("FE 01 00 11 FF"))
                        .pause(30)
                        .str()),
        av(3, "AB8TO4 three-digit input")
            .inputs(1000)
            .input(199)
            .expect(Trace()
                        .write(1, Bytes("FE 01 13 FF"))
                        .write(1, Bytes("FE 02 00 00 11 FF"))
                        .pause(100)
                        .str()),

        av(4, "ZC001 two outputs")
            .address(5)
            .input(2)
            .switchType(0)
            .select(0, 0, 1, 0)
            .delay(20)
            .expect(Trace()
                        .write(1, Bytes("FF 05 03 02 01 AA"))
                        .pause(20)
                        .write(1, Bytes("FF 05 03 02 02 AA"))
                        .pause(20)
                        .str()),

        av(5, "MAINVAN").input(3).expect(once(Bytes("F4 03 21 01 00 00").appendSum(1, 5))),
        av(5, "MAINVAN input 256")
            .input(256)
            .inputs(1000)
            .expect(once(Bytes("F4 00 21 01 00 21").appendSum(1, 5))),

        av(6, "LANMA")
            .input(4)
            .select(1, 0, 1, 0)
            .expect(once(Bytes("BB 01 02 04 00 00 00").appendSum(0, 6))),
        av(7, "XJ").input(3).switchType(0).expect(
            once(Bytes("BB 01 01 03 00 00 00").appendSum(0, 6))),

        // ADT: a fixed 100 ms between the frames, D after the second.
        av(8, "ADT")
            .input(3)
            .select(1, 0, 1, 0)
            .delay(20)
            .expect(Trace()
                        .write(1, Bytes("F8 00 00 80 02 00 00").appendSum(1, 6).hex("FF"))
                        .pause(100)
                        .write(1, Bytes("F8 03 00 81 02 00 00").appendSum(1, 6).hex("FF"))
                        .pause(20)
                        .str()),

        // CREATEK: '.' only after the output of the selection's last cell.
        av(9, "CREATEK").input(12).select(0, 0, 1, 0).delay(20).expect(once(ascii("12V1,2."), 20)),
        av(9, "CREATEK video and audio, last cell unwired")
            .input(3)
            .switchType(0)
            .select(0, 0, 1, 0)
            .output(1, 0)
            .expect(once(ascii("3B1,"))),
        av(9, "CREATEK last cell repeats an output")
            .input(5)
            .select(0, 0, 1, 0)
            .output(1, 1)
            .expect(once(ascii("5V1,"))),
        av(9, "CREATEK audio, 2 x 2")
            .input(7)
            .switchType(2)
            .select(0, 0, 1, 1)
            .expect(once(ascii("7A1,2,4,5."))),

        av(10, "CREATEK2")
            .address(2)
            .input(4)
            .switchType(2)
            .expect(once(Bytes("FF 02 04 04 01 AA"))),

        // TRIOLION: model code by AV_Type, one pair per frame.
        av(11, "TRIOLION model 24X16")
            .model(6)
            .input(5)
            .select(0, 0, 1, 0)
            .delay(20)
            .expect(Trace()
                        .write(1, Bytes("EB 90 02 02 00 04").appendSum(1, 5))
                        .pause(20)
                        .write(1, Bytes("EB 90 02 02 01 04").appendSum(1, 5))
                        .pause(20)
                        .str()),
        av(11, "TRIOLION model 4X4")
            .model(0)
            .input(2)
            .select(2, 0, 2, 0)
            .expect(once(Bytes("EB 71 02 02 02 01").appendSum(1, 5))),

        av(12, "YM001")
            .input(6)
            .select(2, 0, 2, 0)
            .expect(once(Bytes("F8 06 00 81 03 00 00").appendSum(1, 6).hex("FF"))),

        // AC: '!' CR once, right before the first output's frame.
        av(13, "AC")
            .address(3)
            .input(12)
            .select(0, 0, 1, 0)
            .delay(10)
            .expect(Trace()
                        .write(1, ascii("!\r"))
                        .write(1, ascii("!3:V12*1\r"))
                        .pause(10)
                        .write(1, ascii("!3:V12*2\r"))
                        .pause(10)
                        .str()),
        av(13, "AC no wired screen sends nothing").output(0, 0).expect(""),

        av(14, "SL001").address(3).input(12).expect(once(ascii("C1+12!"))),
        av(14, "SL001 address 26").address(26).input(12).expect(once(ascii("Z1+12!"))),
        av(14, "SL001 address 27 as 1").address(27).input(12).expect(once(ascii("A1+12!"))),
        av(14, "SL001 address 0 as 1").address(0).input(12).expect(once(ascii("A1+12!"))),

        av(15, "LW001").input(2).expect(once(Bytes("FF 01 05 02 01 AA"))),

        av(16, "INFINOVA")
            .input(15)
            .inputs(16)
            .select(1, 0, 1, 0)
            .delay(20)
            .expect(
                Trace().write(1, ascii("2Ma")).pause(20).write(1, ascii("15#a")).pause(20).str()),

        av(17, "KOVRAN")
            .input(300)
            .inputs(1000)
            .select(2, 0, 2, 0)
            .expect(once(Bytes("F2 01 2C 2A 03 00 00").appendXor(1, 6))),

        av(18, "HLM001")
            .input(26)
            .inputs(100)
            .output(0, 11)
            .expect(once(Bytes().byte(0x02).ascii("00F1A0B").byte(0x03))),

        av(19, "SHATIAN").input(35).inputs(100).delay(20).expect(shatianTrace.str()),

        // LANMA2: output frame, D, input frame, D; 16-bit fields low byte first.
        av(20, "LANMA2")
            .input(258)
            .inputs(1000)
            .output(0, 300)
            .delay(20)
            .expect(Trace()
                        .write(1, Bytes("BB 02 01 2B 01 00 00").appendSum(0, 6))
                        .pause(20)
                        .write(1, Bytes("BB 02 02 01 01 00 00").appendSum(0, 6))
                        .pause(20)
                        .str()),

        av(21, "MINGKONG")
            .address(4)
            .input(3)
            .select(1, 0, 1, 0)
            .delay(250)
            .expect(once(Bytes("BB 04 04 01 03 02 55"), 250)),

        // SISO: the frame twice, 30 ms apart.
        av(22, "SISO")
            .address(7)
            .input(258)
            .inputs(1000)
            .delay(20)
            .expect(Trace()
                        .write(1, Bytes("F2 01 02 22 01 07 00").appendXor(1, 6))
                        .pause(30)
                        .write(1, Bytes("F2 01 02 22 01 07 00").appendXor(1, 6))
                        .pause(20)
                        .str()),

        av(23, "SL002 three-digit input")
            .address(2)
            .input(120)
            .inputs(1000)
            .output(0, 5)
            .expect(once(ascii("B05[120!"))),
        av(23, "SL002 three-digit output, address 0")
            .address(0)
            .input(7)
            .output(0, 100)
            .expect(once(ascii("A100[07!"))),

        // VINET: (I-1)/32, (I-1) mod 32; the sum 9B loses its top bit.
        av(24, "VINET")
            .input(40)
            .inputs(100)
            .output(0, 150)
            .expect(once(withSum7F(Bytes("FC 01 01 07 95 01"), 0, 5))),

        // WP002: pairs O-1 I, kind byte A4 whatever the switch type.
        av(25, "WP002")
            .input(3)
            .switchType(2)
            .select(0, 0, 1, 0)
            .expect(once(Bytes("96 01 01 06 A4 00 03 01 03").appendSum(0, 8))),
        // S[0..6] = 96+01+01+04+A4+00+56 = 96, sent as 6A.
        av(25, "WP002 checksum 96 goes as 6A")
            .input(86)
            .inputs(100)
            .expect(once(Bytes("96 01 01 04 A4 00 56 6A"))),

        av(26, "PESKO16X16")
            .input(9)
            .inputs(16)
            .output(0, 16)
            .expect(once(Bytes("EB 32 12 02 0F 08"))),

        av(27, "TC8800")
            .address(3)
            .input(258)
            .inputs(1000)
            .select(1, 0, 1, 0)
            .expect(once(Bytes("FA FA 0C 81 C0 00 02 01 02 03 FD FD"))),

        av(28, "EXTRON video and audio").input(5).switchType(0).expect(once(ascii("5*1!"))),
        av(28, "EXTRON audio").input(5).switchType(2).delay(20).expect(once(ascii("5*1$"), 20)),

        av(29, "KICON address 0")
            .address(0)
            .input(5)
            .select(1, 0, 1, 0)
            .expect(once(ascii("5,2,V"))),
        av(29, "KICON address 7")
            .address(7)
            .input(5)
            .select(1, 0, 1, 0)
            .expect(once(ascii("5,2,7,D,V"))),

        av(30, "LWAD")
            .input(2)
            .expect(once(Bytes("F8 02 00 81 01 00 00").appendSum(1, 6).hex("FF"))),

        av(31, "CREATEK3").input(12).inputs(16).select(0, 0, 1, 0).delay(10).expect(createk3.str()),
        av(31, "CREATEK3 last cell unwired still ends with '.'")
            .input(12)
            .inputs(16)
            .select(0, 0, 1, 0)
            .output(1, 0)
            .expect(createk3Unwired.str()),

        av(32, "QORZ address 8")
            .address(8)
            .input(12)
            .inputs(16)
            .select(2, 0, 2, 0)
            .expect(once(ascii("#205V0312"))),

        av(33, "ITRON").address(2).input(7).inputs(8).expect(once(ascii("B01<07!"))),
        av(33, "ITRON address 0").address(0).input(7).inputs(8).expect(once(ascii("*01<07!"))),

        av(34, "KEDI input 96").input(96).inputs(100).switchType(0).expect(once(ascii("*96N01#"))),
        av(34, "KEDI audio")
            .input(5)
            .inputs(8)
            .switchType(2)
            .output(0, 12)
            .expect(once(ascii("*05A12#"))),

        av(35, "HOKUTO1 input 255")
            .input(255)
            .inputs(1000)
            .select(1, 0, 1, 0)
            .expect(once(Bytes("F4 FF 21 02 00 00").appendSum(1, 5))),

        // HOKUTO2: the SISO frame, written once.
        av(36, "HOKUTO2")
            .address(2)
            .input(3)
            .expect(once(Bytes("F2 00 03 22 01 02 00").appendXor(1, 6))),

        av(37, "VYNK")
            .address(3)
            .input(7)
            .inputs(8)
            .output(0, 12)
            .expect(once(ascii("PA03SV0712NT"))),

        av(38, "SIERRA").input(10).inputs(16).select(1, 0, 1, 0).expect(once(ascii("**Y2,10!!"))),

        av(39, "LANMA3")
            .input(4)
            .select(1, 0, 1, 0)
            .expect(once(Bytes("BB 01 02 03 00 00 00").appendSum(0, 6))),

        av(40, "MVIIBR")
            .address(9)
            .input(4)
            .select(2, 0, 2, 0)
            .expect(once(Bytes("96 09 01 04 A1 02 03 00"))),

        av(41, "LQAD").input(25).inputs(32).output(0, 7).expect(once(ascii("A007025031000000B"))),

        av(42, "ZD").address(4).input(25).inputs(32).output(0, 7).expect(
            once(ascii("L4025>007V#"))),
        av(42, "ZD address 0")
            .address(0)
            .input(25)
            .inputs(32)
            .output(0, 7)
            .expect(once(ascii("L*025>007V#"))),

        // V1064: nibbles of I, O and of S[0..5].
        av(43, "V1064")
            .input(35)
            .inputs(64)
            .output(0, 18)
            .expect(once(withSumNibbles(Bytes("C8 01 02 03 01 02"), 0, 5))),

        av(44, "PE5052NTK")
            .address(5)
            .input(25)
            .inputs(32)
            .output(0, 7)
            .expect(once(ascii("N010050070025031000000B"))),

        av(45, "CKDZ video and audio")
            .input(2)
            .switchType(0)
            .expect(once(Bytes("FF 01 09 02 01 AA"))),
        av(45, "CKDZ audio").input(2).switchType(2).expect(once(Bytes("FF 01 02 02 01 AA"))),

        av(46, "PGVAS2406 video and audio")
            .address(5)
            .input(3)
            .switchType(0)
            .select(1, 0, 1, 0)
            .expect(once(Bytes("BB 00 02 01"))),
        av(46, "PGVAS2406 video")
            .address(5)
            .input(3)
            .switchType(1)
            .select(1, 0, 1, 0)
            .expect(once(Bytes("BB 05 02 01"))),
        av(46, "PGVAS2406 audio")
            .address(5)
            .input(3)
            .switchType(2)
            .select(1, 0, 1, 0)
            .expect(once(Bytes("BB 06 02 01"))),

        av(47, "CH001")
            .input(3)
            .select(1, 0, 1, 0)
            .expect(once(Bytes("FF 07 00 02 02 01").appendNeg(0, 5))),

        av(48, "SYYT")
            .address(2)
            .input(4)
            .select(2, 0, 2, 0)
            .expect(once(
                Bytes("FF FF FF FF 00 00 20 02 00 03 04 80").appendXor(6, 11).hex("FE FE FE"))),

        av(49, "DB address 0")
            .address(0)
            .input(5)
            .select(1, 0, 1, 0)
            .expect(once(ascii("<5,2,V>"))),
        av(49, "DB address 3 audio")
            .address(3)
            .input(5)
            .switchType(2)
            .select(1, 0, 1, 0)
            .expect(once(ascii("<5,2,3,D,A>"))),

        // CREATEK4: group byte 128 + (O-1)/8, the input in slot (O-1) mod 8.
        av(50, "CREATEK4 output 11 audio")
            .input(9)
            .inputs(16)
            .switchType(2)
            .output(0, 11)
            .expect(once(Bytes("FE EF 00 00 00 01 02 81 00 00 09 00 00 00 00 00 AB"))),
        av(50, "CREATEK4 output 8 video")
            .input(9)
            .inputs(16)
            .output(0, 8)
            .expect(once(Bytes("FE EF 00 00 00 01 03 80 00 00 00 00 00 00 00 09 AB"))),

        av(51, "ADEMCO")
            .input(12)
            .inputs(16)
            .select(2, 0, 2, 0)
            .expect(once(ascii("SWITCH12,3\r"))),

        // KEDI1: O-1 and I-1 in hexadecimal digits, X[1..9] in two more.
        av(52, "KEDI1")
            .input(27)
            .inputs(32)
            .output(0, 11)
            .expect(once(withXorHex(Bytes().byte(0x01).ascii("WRVx0Ay1A"), 1, 9).byte(0x04))),

        av(53, "KEDI2").input(16).inputs(16).output(0, 11).expect(once(ascii("*WRVx0Ay0F--#"))),
        av(53, "KEDI2 input 17 sends nothing").input(17).inputs(32).expect(""),
        av(53, "KEDI2 output 17 skipped")
            .input(2)
            .switchType(0)
            .select(0, 0, 1, 0)
            .output(1, 17)
            .expect(once(ascii("*WRNx00y01--#"))),

        av(54, "HVSM audio")
            .address(2)
            .input(3)
            .switchType(2)
            .expect(once(Bytes("BB 04 02 03 03 01 55"))),

        av(55, "WP003 21 outputs in two frames")
            .grid(3, 7)
            .input(2)
            .select(0, 0, 6, 2)
            .delay(20)
            .expect(Trace().write(1, wp003Full).pause(20).write(1, wp003Rest).pause(20).str()),

        av(56, "SITO input 300")
            .input(300)
            .inputs(1000)
            .expect(once(Bytes("FF 2C 01 81 01 00 00").appendSum(1, 6))),
        av(56, "SITO input 768")
            .input(768)
            .inputs(1000)
            .expect(once(Bytes("FF 00 02 81 01 00 00").appendSum(1, 6))),
        av(56, "SITO input 769 sends nothing").input(769).inputs(1000).expect(""),

        av(57, "DET audio")
            .address(3)
            .input(12)
            .inputs(16)
            .switchType(2)
            .select(1, 0, 1, 0)
            .expect(once(ascii("@3:12>2$#"))),
        av(57, "DET video")
            .address(3)
            .input(12)
            .inputs(16)
            .select(1, 0, 1, 0)
            .expect(once(ascii("@3:12>2&#"))),

        av(58, "EXTB").input(7).inputs(8).select(1, 0, 1, 0).expect(once(ascii("7*2%"))),

        av(59, "EXTA video")
            .address(4)
            .input(12)
            .inputs(16)
            .select(2, 0, 2, 0)
            .expect(once(ascii("!4:W12*3\r"))),

        av(60, "QB video and audio")
            .input(7)
            .inputs(8)
            .switchType(0)
            .select(1, 0, 1, 0)
            .expect(once(ascii("S02<07\r"))),

        av(61, "PROV")
            .address(2)
            .input(3)
            .select(1, 0, 1, 0)
            .expect(once(Bytes("BA 02 01 04 A1 01 02").appendSum(0, 6))),

        // SMTH2: 100 ms after each frame, then D.
        av(62, "SMTH2 input 999")
            .input(999)
            .inputs(1000)
            .delay(20)
            .expect(Trace()
                        .write(1, ascii("1Ma"))
                        .pause(100)
                        .write(1, ascii("999#a"))
                        .pause(100)
                        .pause(20)
                        .str()),
        av(62, "SMTH2 input 1000 sends nothing").input(1000).inputs(1000).expect(""),

        av(63, "PE5052K")
            .address(5)
            .input(25)
            .inputs(32)
            .output(0, 7)
            .expect(once(ascii("A050070025031000000B"))),

        // SMTH1: 210 ms after each frame, then D; group bytes per 256.
        av(64, "SMTH1 input 256")
            .input(256)
            .inputs(1000)
            .delay(20)
            .expect(Trace()
                        .write(1, Bytes("BB 02 01 00 00 00 00").appendSum(0, 6))
                        .pause(210)
                        .write(1, Bytes("BB 02 02 FF 00 00 00").appendSum(0, 6))
                        .pause(210)
                        .pause(20)
                        .str()),
        av(64, "SMTH1 input 300 to output 600")
            .input(300)
            .inputs(1000)
            .output(0, 600)
            .expect(Trace()
                        .write(1, Bytes("BB 02 01 57 02 00 00").appendSum(0, 6))
                        .pause(210)
                        .write(1, Bytes("BB 02 02 2B 01 00 00").appendSum(0, 6))
                        .pause(210)
                        .pause(100)
                        .str()),
        av(64, "SMTH1 input 769 sends nothing").input(769).inputs(1000).expect(""),
        av(64, "SMTH1 output 769 sends nothing").input(2).output(0, 769).expect(""),

        av(65, "SMTH3")
            .address(3)
            .input(40)
            .inputs(64)
            .select(1, 0, 1, 0)
            .expect(once(Bytes("FC 01 01 07 01 03").appendSum(0, 5))),

        // TECH: output width from the wall size, input width from the count.
        av(66, "TECH").input(3).select(1, 0, 1, 0).expect(once(ascii("0203V"))),
        av(66, "TECH 120 inputs: 3-digit input")
            .input(5)
            .inputs(120)
            .switchType(2)
            .select(2, 0, 2, 0)
            .expect(once(ascii("03005A"))),
        av(66, "TECH 10 x 10 wall: 3-digit output")
            .grid(10, 10)
            .input(3)
            .switchType(0)
            .select(1, 0, 1, 0)
            .expect(once(ascii("00203C"))),

        av(67, "SWITCHER")
            .address(3)
            .input(5)
            .inputs(8)
            .select(1, 0, 1, 0)
            .expect(once(ascii("@03,05B02!"))),
        av(67, "SWITCHER whole wall")
            .address(3)
            .input(5)
            .inputs(8)
            .select(0, 0, 2, 2)
            .delay(20)
            .expect(once(ascii("@03,05ALL!"), 20)),

        av(68, "SFLAG")
            .input(3)
            .select(1, 0, 1, 0)
            .expect(once(Bytes("E0 E9 02 FF FF FF FF FF FF FF FF 03 01 A1"))),

        av(69, "PE5051K").input(3).output(0, 12).expect(once(ascii("A012003031000000B"))),

        av(70, "HYK video and audio")
            .address(2)
            .input(3)
            .switchType(0)
            .select(1, 0, 1, 0)
            .expect(once(ascii("U").hex("05 02 AF 01 02 03"))),
        av(70, "HYK audio, sum past 255")
            .address(2)
            .input(200)
            .inputs(1000)
            .switchType(2)
            .output(0, 100)
            .expect(once(ascii("U").hex("05 02 A0 63 C7 2A"))),

        av(71, "SMTH4 video and audio")
            .address(3)
            .input(7)
            .inputs(8)
            .switchType(0)
            .select(1, 0, 1, 0)
            .expect(once(ascii("03V07M02"))),

        // MAINVAN2: K = ((I/8 - 1) AND F8) + ((O/4 - 1) AND 07).
        // I 3, O 1: F8 + 07 = FF.
        av(72, "MAINVAN2")
            .input(3)
            .expect(once(Bytes("F4 00 03 21 01 00 00 01 FF").appendSum(1, 8))),
        // I 300, O 10: (36 AND F8) + (1 AND 07) = 20 + 01 = 21.
        av(72, "MAINVAN2 input 300 to output 10")
            .address(2)
            .input(300)
            .inputs(1000)
            .output(0, 10)
            .expect(once(Bytes("F4 01 2C 21 0A 00 00 02 21").appendSum(1, 8))),

        av(73, "HXD1")
            .input(3)
            .select(1, 0, 1, 0)
            .expect(Trace()
                        .write(1, Bytes("BB 02 01 01 00 00 00").appendSum(0, 6))
                        .pause(100)
                        .write(1, Bytes("BB 02 02 02 00 00 00").appendSum(0, 6))
                        .pause(100)
                        .str()),

        av(74, "WP001 video").input(4).expect(once(Bytes("96 01 01 04 A1 00 03").appendSum(0, 6))),

        av(75, "XZ001 video and audio")
            .input(4)
            .switchType(0)
            .select(0, 0, 1, 0)
            .expect(once(Bytes("BA 01 01 06 A4 00 03 01 03").appendSum(0, 8))),

        av(76, "QJ").input(7).inputs(8).delay(10).expect(
            Trace()
                .write(1, Bytes("BB 02 01 00 00 00 00").appendSum(0, 6))
                .pause(10)
                .write(1, Bytes("BB 02 02 06 00 00 00").appendSum(0, 6))
                .pause(10)
                .str()),

        av(77, "MAINVAN3")
            .address(4)
            .input(3)
            .select(1, 0, 1, 0)
            .expect(once(Bytes("F4 03 21 02 00 0F 04").appendSum(1, 6))),
        av(78, "MAINVAN4")
            .address(4)
            .input(3)
            .select(1, 0, 1, 0)
            .expect(once(Bytes("F4 02 21 02 00 0F 04").appendSum(1, 6))),
        av(79, "MAINVAN5").input(1).expect(once(Bytes("F4 00 21 01 00 0F 01").appendSum(1, 6))),

        av(80, "AC002")
            .address(3)
            .input(12)
            .inputs(16)
            .select(1, 0, 1, 0)
            .expect(
                once(ascii("!").byte(0).ascii("3:V").byte(0).ascii("12*").byte(0).ascii("2\r"))),

        av(81, "BV6416")
            .input(3)
            .select(1, 0, 1, 0)
            .expect(once(Bytes("EA 01 00 03 02").appendSum(0, 4))),

        // SMTH6: address mod 16, input as (I/128) mod 4 and I mod 128.
        av(82, "SMTH6")
            .address(18)
            .input(300)
            .inputs(1000)
            .select(1, 0, 1, 0)
            .expect(once(Bytes("FF 02 11 02 2C 02 55").appendSum(1, 6))),

        // REA: as VINET with ID - 1 in place of 01.
        av(83, "REA").address(2).input(40).inputs(64).output(0, 150).expect(
            once(withSum7F(Bytes("F8 01 01 07 95 01"), 0, 5))),
        av(83, "REA address 0")
            .address(0)
            .input(1)
            .expect(once(withSum7F(Bytes("F8 01 00 00 00 FF"), 0, 5))),

        // ACV: the SISO frame, written once.
        av(84, "ACV")
            .input(3)
            .select(1, 0, 1, 0)
            .expect(once(Bytes("F2 00 03 22 02 01 00").appendXor(1, 6))),

        // RUMBQ: the list always ends with '.', then D twice.
        av(85, "RUMBQ")
            .input(7)
            .inputs(8)
            .select(0, 0, 1, 0)
            .delay(20)
            .expect(Trace().write(1, ascii("7X1&2.")).pause(20).pause(20).str()),
        av(85, "RUMBQ last cell unwired")
            .input(7)
            .inputs(8)
            .select(0, 0, 1, 0)
            .output(1, 0)
            .expect(Trace().write(1, ascii("7X1.")).pause(100).pause(100).str()),

        av(86, "PEARMAIN")
            .address(2)
            .input(345)
            .inputs(1000)
            .select(2, 0, 2, 0)
            .expect(once(Bytes("F6 02 00 03 03 2D 1F"))),

        av(87, "SMTH5").input(3).select(1, 0, 1, 0).expect(once(Bytes("BB 00 02 01"))),

        av(88, "Panasonic")
            .input(12)
            .inputs(16)
            .select(1, 0, 1, 0)
            .delay(20)
            .expect(Trace()
                        .write(1, Bytes().byte(0x02).ascii("CMD:H02MS").byte(0x03))
                        .pause(20)
                        .write(1, Bytes().byte(0x02).ascii("CMD:H02CS012").byte(0x03))
                        .pause(20)
                        .str()),

        // SMTH7: the input byte only up to 256, the group above it.
        av(89, "SMTH7 input 256")
            .input(256)
            .inputs(1000)
            .expect(once(Bytes("FF 00 00 81 01 00 00").appendSum(1, 6))),
        av(89, "SMTH7 input 300")
            .input(300)
            .inputs(1000)
            .expect(once(Bytes("FF 00 01 81 01 00 00").appendSum(1, 6))),
        av(89, "SMTH7 input 600")
            .input(600)
            .inputs(1000)
            .expect(once(Bytes("FF 00 02 81 01 00 00").appendSum(1, 6))),
        av(89, "SMTH7 input 769 sends nothing").input(769).inputs(1000).expect(""),
    });
}

TEST_F(MatrixAvProtocol, EdgeRoutings) {
    runAll({
        av(28, "EXTRON input 12 to output 3, video")
            .input(12)
            .inputs(16)
            .select(2, 0, 2, 0)
            .expect(once(ascii("12*3%"))),
        av(34, "KEDI input 97 sends nothing").input(97).inputs(100).expect(""),
        // Two frames per output, the output frame first.
        av(20, "LANMA2 two outputs")
            .input(5)
            .inputs(8)
            .select(0, 0, 1, 0)
            .delay(20)
            .expect(Trace()
                        .write(1, Bytes("BB 02 01 00 00 00 00").appendSum(0, 6))
                        .pause(20)
                        .write(1, Bytes("BB 02 02 04 00 00 00").appendSum(0, 6))
                        .pause(20)
                        .write(1, Bytes("BB 02 01 01 00 00 00").appendSum(0, 6))
                        .pause(20)
                        .write(1, Bytes("BB 02 02 04 00 00 00").appendSum(0, 6))
                        .pause(20)
                        .str()),
        av(28, "EXTRON two screens on one output: one command")
            .input(2)
            .select(0, 0, 2, 0)
            .output(1, 1)
            .output(2, 0)
            .expect(once(ascii("2*1%"))),
        av(28, "EXTRON no wired screen sends nothing").input(2).output(0, 0).expect(""),
        av(28, "EXTRON source 6 is AV").source(6).input(2).expect(once(ascii("2*1%"))),
        av(28, "EXTRON source 7 routes nothing").source(7).input(2).expect(""),
        // With no delay no pause line follows the frame.
        av(8, "ADT delay 0")
            .input(3)
            .delay(0)
            .expect(Trace()
                        .write(1, Bytes("F8 00 00 80 01 00 00").appendSum(1, 6).hex("FF"))
                        .pause(100)
                        .write(1, Bytes("F8 03 00 81 01 00 00").appendSum(1, 6).hex("FF"))
                        .str()),
        av(0, "NotUsed sends nothing").input(2).expect(""),
    });
}

TEST_F(MatrixAvProtocol, PortFlagsChooseTheDevice) {
    runAll({
        av(28, "EXTRON AV flag")
            .input(2)
            .flag("AVMatrixUseComOnly")
            .expect(once(ascii("2*1%"), 100, 2)),
        av(28, "EXTRON shared flag")
            .input(2)
            .flag("MatrixUseComOnly")
            .expect(once(ascii("2*1%"), 100, 2)),
        av(28, "EXTRON other kinds' flags")
            .input(2)
            .flag("VGAMatrixUseComOnly")
            .flag("DVIMatrixUseComOnly")
            .flag("YUVMatrixUseComOnly")
            .expect(once(ascii("2*1%"))),
        // The once-per-call '!' CR goes where the frames go.
        av(13, "AC AV flag")
            .address(3)
            .input(12)
            .inputs(16)
            .flag("AVMatrixUseComOnly")
            .expect(Trace().write(2, ascii("!\r")).write(2, ascii("!3:V12*1\r")).pause(100).str()),
        // SMTH5 follows the shared flag only.
        av(87, "SMTH5 AV flag stays on device 1")
            .input(3)
            .flag("AVMatrixUseComOnly")
            .expect(once(Bytes("BB 00 02 00"))),
        av(87, "SMTH5 shared flag")
            .input(3)
            .flag("MatrixUseComOnly")
            .expect(once(Bytes("BB 00 02 00"), 100, 2)),
    });
}

} // namespace
