// The switchers' preset frames, row by row of the preset table: each case
// names the protocol as the protocol list does, and its expected writes are
// written out here from the frame notation, checksums worked out by hand or
// by the independent Bytes helper.

#include "plans/PresetFrames.h"
#include "core/matrix/MatrixCase.h"
#include "matrix/MatrixProtocol.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using namespace wall;
using namespace wall::test;

namespace {

constexpr MatrixKind VGA = MatrixKind::VGA;
constexpr MatrixKind AV = MatrixKind::AV;
constexpr MatrixKind DVI = MatrixKind::DVI;
constexpr MatrixKind YUV = MatrixKind::YUV;
constexpr PresetAction Save = PresetAction::Save;
constexpr PresetAction Recall = PresetAction::Recall;

struct PresetCase {
    const char* what;
    MatrixKind kind;
    int index;
    std::string_view name; // the protocol list's item
    PresetAction action;
    int id;
    int n;
    std::string expected; // Trace::str(), every write on device 1
};

Bytes ascii(const std::string& text) {
    return Bytes().ascii(text);
}
// The frame followed by its sum over bytes from..to (numbered from 0).
Bytes summed(Bytes b, int from, int to) {
    return b.appendSum(from, to);
}
std::string one(const Bytes& frame, int pause = 0) {
    return Trace().write(1, frame).pause(pause).str();
}
std::string nothing() {
    return {};
}
// Every byte of the frame in a write of its own, 100 ms after each.
std::string byteByByte(const Bytes& frame) {
    Trace t;
    for (int i = 0; i < frame.size(); ++i)
        t.write(1, Bytes().byte(frame.at(i))).pause(100);
    return t.str();
}

std::string traced(const std::vector<PresetWrite>& writes) {
    Trace t;
    for (const PresetWrite& w : writes) {
        Bytes b;
        for (char c : w.bytes)
            b.byte(static_cast<unsigned char>(c));
        t.write(1, b).pause(w.pauseMs);
    }
    return t.str();
}

std::vector<PresetCase> cases() {
    // ZRQ001: C5 B1 ID category 03 10/11 00 p S1, S1 = bytes 3 … 8.
    const auto zrq = [](int id, int category, int code, int p) {
        return summed(Bytes().bytes({0xC5, 0xB1, id, category, 0x03, code, 0x00, p}), 2, 7);
    };
    return {
        {"the two VGA frames, 500 ms apart", VGA, 1, "ZRQ001", Save, 1, 0,
         Trace()
             .write(1, Bytes("C5 B1 01 A3 03 10 00 01 B8"))
             .pause(500)
             .write(1, Bytes("C5 B1 01 A4 03 10 00 01 B9"))
             .str()},
        {"VGA recall", VGA, 1, "ZRQ001", Recall, 2, 4,
         Trace().write(1, zrq(2, 0xA3, 0x11, 5)).pause(500).write(1, zrq(2, 0xA4, 0x11, 5)).str()},
        {"VGA _VR", VGA, 60, "ZRQ001_VR", Save, 3, 47,
         Trace()
             .write(1, zrq(3, 0xA3, 0x10, 48))
             .pause(500)
             .write(1, zrq(3, 0xA4, 0x10, 48))
             .str()},
        {"AV", AV, 1, "ZRQ001", Recall, 2, 4, one(zrq(2, 0xA2, 0x11, 5))},
        {"a sum of C5 goes as A3", AV, 1, "ZRQ001", Save, 0x0F, 0,
         one(Bytes("C5 B1 0F A2 03 10 00 01 A3"))},
        {"DVI", DVI, 1, "ZRQ001", Save, 1, 1, one(zrq(1, 0xA5, 0x10, 2))},
        {"YPbPr", YUV, 1, "ZRQ001", Recall, 1, 1, one(zrq(1, 0xA6, 0x11, 2))},

        // 96/BA ID 11/15 03 00 p, S2 (96 as 6A) or S3 over bytes 1 … 6.
        {"AV WP001 save", AV, 74, "WP001", Save, 1, 0, one(Bytes("96 01 11 03 00 01 AC"))},
        {"AV WP001 recall", AV, 74, "WP001", Recall, 1, 0, one(Bytes("96 01 15 03 00 01 B0"))},
        {"a sum of 96 goes as 6A", VGA, 2, "ZRQ002", Save, 0xEB, 0,
         one(Bytes("96 EB 11 03 00 01 6A"))},
        {"VGA WP003", VGA, 42, "WP003", Recall, 7, 9,
         one(summed(Bytes("96 07 15 03 00 0A"), 0, 5))},
        {"VGA XZ001", VGA, 58, "XZ001", Save, 2, 3, one(summed(Bytes("BA 02 11 03 00 04"), 0, 5))},
        {"AV XZ001 recall", AV, 75, "XZ001", Recall, 0xC7, 0, one(Bytes("BA C7 15 03 00 01 9A"))},
        {"PROV keeps a sum of 96, then 500 ms", DVI, 9, "PROV", Save, 0xC7, 0,
         one(Bytes("BA C7 11 03 00 01 96"), 500)},
        {"VGA PROV recall", VGA, 47, "PROV", Recall, 1, 2,
         one(summed(Bytes("BA 01 15 03 00 03"), 0, 5), 500)},

        // FF 05 ID 05/06 p S4: the six bytes add up to 0.
        {"ODIN save", VGA, 48, "ODIN", Save, 1, 0, one(Bytes("FF 05 01 05 01 F5"), 500)},
        {"ODIN recall", VGA, 48, "ODIN", Recall, 1, 0, one(Bytes("FF 05 01 06 01 F4"), 500)},

        {"TECH save", VGA, 49, "TECH", Save, 1, 0, one(ascii("01K"), 500)},
        {"AV TECH recall", AV, 66, "TECH", Recall, 1, 11, one(ascii("12P"), 500)},

        {"ZC001", VGA, 3, "ZC001", Save, 4, 2, one(Bytes("FF 04 06 02 03 AA"))},
        {"AV ZC001 recall", AV, 4, "ZC001", Recall, 4, 2, one(Bytes("FF 04 06 01 03 AA"))},
        {"QJ", VGA, 59, "QJ", Save, 1, 0, one(Bytes("FF 01 06 02 01 AA"))},
        {"CK1 sends p", VGA, 45, "CK1", Save, 1, 0, one(Bytes("FF 01 05 01 00 AA"))},
        {"CK1 recall", VGA, 45, "CK1", Recall, 1, 5, one(Bytes("FF 01 06 06 00 AA"))},
        {"LW001 sends n", VGA, 13, "LW001", Save, 1, 0, one(Bytes("FF 01 05 00 00 AA"))},
        {"DVI CKDZ recall", DVI, 4, "CKDZ", Recall, 2, 5, one(Bytes("FF 02 06 05 00 AA"))},

        {"CREATEK5", VGA, 52, "CREATEK5", Save, 1, 11, one(ascii("BS;"))},
        {"CREATEK5 recall", VGA, 52, "CREATEK5", Recall, 1, 0, one(ascii("BR0"))},

        {"CREATEK at its limit", VGA, 4, "CREATEK", Save, 1, 8, one(ascii("Save9."))},
        {"CREATEK past it", AV, 9, "CREATEK", Recall, 1, 9, nothing()},
        {"AV CREATEK recall", AV, 9, "CREATEK", Recall, 1, 0, one(ascii("Recall1."))},
        {"CREATEK3, a byte at a time", VGA, 10, "CREATEK3", Save, 1, 0,
         byteByByte(ascii("Save1."))},
        {"RUMBQ recall", AV, 85, "RUMBQ", Recall, 1, 8, byteByByte(ascii("Recall9."))},
        {"CREATEK3 past its limit", AV, 31, "CREATEK3", Save, 1, 9, nothing()},
        {"HDMx, no limit", DVI, 15, "HDMx", Recall, 1, 11, one(ascii("Recall12."))},
        {"DVI CREATEK", DVI, 17, "CREATEK", Save, 1, 47, one(ascii("Save48."))},
        {"CREATEK2 below 10", DVI, 19, "CREATEK2", Save, 1, 8, one(ascii("Save9."))},
        {"CREATEK2 from 10 ends the save with CR LF", DVI, 19, "CREATEK2", Save, 1, 9,
         one(ascii("Save10.\r\n"))},
        {"CREATEK2 recall has none", DVI, 19, "CREATEK2", Recall, 1, 9, one(ascii("Recall10."))},

        {"SWITCHER", VGA, 15, "SWITCHER", Save, 5, 2, one(ascii("@05,Save03!"))},
        {"AV SWITCHER recall", AV, 67, "SWITCHER", Recall, 12, 8, one(ascii("@12,Recall09!"))},
        {"SWITCHER past its limit", VGA, 15, "SWITCHER", Save, 5, 9, nothing()},

        {"SL001 letter of ID 3", VGA, 12, "SL001", Save, 3, 0, one(ascii("CPS1!"))},
        {"SL001 ID 26", AV, 14, "SL001", Recall, 26, 10, one(ascii("ZPL11!"))},
        {"SL001 ID 0", VGA, 12, "SL001", Save, 0, 0, one(ascii("APS1!"))},
        {"SL001 ID 27", VGA, 12, "SL001", Save, 27, 0, one(ascii("APS1!"))},

        {"PESKO", VGA, 19, "PESKO", Save, 1, 3, one(Bytes("EB 1B 0E 02 01 03"))},
        {"PESKO recall", VGA, 19, "PESKO", Recall, 1, 0, one(Bytes("EB 1B 0E 02 00 00"))},
        {"PESKO16X16", AV, 26, "PESKO16X16", Recall, 1, 5, one(Bytes("EB 32 0E 02 00 05"))},

        {"KICON without ID", VGA, 23, "KICON", Save, 0, 2, one(ascii("2,S"))},
        {"KICON with ID", AV, 29, "KICON", Recall, 12, 0, one(ascii("0,12,D,R"))},
        {"DB002", DVI, 22, "DB002", Save, 3, 10, one(ascii("11,3,D,S"))},
        {"DB002 without ID", DVI, 22, "DB002", Recall, 0, 0, one(ascii("1,R"))},
        {"DB", VGA, 35, "DB", Save, 3, 10, one(ascii("<11,3,D,S>"))},
        {"AV DB without ID", AV, 49, "DB", Recall, 0, 4, one(ascii("<5,R>"))},
        {"ZRQ003", DVI, 25, "ZRQ003", Recall, 2, 0, one(ascii("<1,2,D,R>"))},
        {"DVI DB", DVI, 21, "DB", Save, 1, 0, one(ascii("<1,1,D,S>"))},
        {"DVI001 ID 0 as 1", DVI, 2, "DVI001", Save, 0, 4, one(ascii("5,1,D,S"))},
        {"DVI001 ID above 99 as 1", DVI, 2, "DVI001", Save, 150, 4, one(ascii("5,1,D,S"))},
        {"DVI001 recall", DVI, 2, "DVI001", Recall, 42, 4, one(ascii("5,42,D,R"))},

        {"QORZ", VGA, 24, "QORZ", Save, 7, 0, one(ascii("#103S01"))},
        {"QORZ at its limit", AV, 32, "QORZ", Recall, 6, 7, one(ascii("#003C08"))},
        {"QORZ past it", AV, 32, "QORZ", Save, 6, 8, nothing()},

        {"VYNK", VGA, 28, "VYNK", Save, 3, 0, one(ascii("PV03SF0100NT"))},
        {"XTA001 at its limit", VGA, 71, "XTA001", Recall, 12, 14, one(ascii("PV12RF1500NT"))},
        {"VYNK past it", VGA, 28, "VYNK", Save, 3, 15, nothing()},
        {"VYNK_VR", VGA, 69, "VYNK_VR", Save, 1, 1, one(ascii("PR01SF0200NT"))},
        {"AV VYNK", AV, 37, "VYNK", Recall, 1, 1, one(ascii("PA01RF0200NT"))},
        {"DVI VYNK", DVI, 23, "VYNK", Save, 1, 1, one(ascii("PD01SF0200NT"))},

        {"CREATEK4, 17 bytes", VGA, 36, "CREATEK4", Save, 9, 2,
         one(Bytes("FE EF 00 00 00 09 05 00 03 00 00 00 00 00 00 00 AB"))},
        {"AV CREATEK4 recall", AV, 50, "CREATEK4", Recall, 9, 2,
         one(Bytes("FE EF 00 00 00 09 06 00 03 00 00 00 00 00 00 00 AB"))},

        {"EXTRON", DVI, 16, "EXTRON", Save, 1, 2, one(ascii("3,"))},
        {"EXTRON recall at p 6", DVI, 16, "EXTRON", Recall, 1, 5, one(ascii("6."))},
        {"EXTRON above p 6 sends nothing", DVI, 16, "EXTRON", Save, 1, 6, nothing()},

        {"a protocol without presets", VGA, 5, "", Save, 1, 0, nothing()},
        {"NotUsed", AV, 0, "", Save, 1, 0, nothing()},
        {"an index past the list", DVI, 999, "", Recall, 1, 0, nothing()},
        {"a plan past 48", AV, 74, "WP001", Save, 1, 48, nothing()},
    };
}

TEST(PresetFrames, EveryRowSavesAndRecallsWithItsOwnFrames) {
    for (const PresetCase& c : cases()) {
        EXPECT_EQ(traced(presetWrites(c.kind, c.index, c.action, c.id, c.n)), c.expected) << c.what;
        // The table's indexes name the protocols of the lists.
        if (!c.name.empty()) {
            const MatrixProtocol* protocol = findMatrixProtocol(c.kind, c.index);
            ASSERT_NE(protocol, nullptr) << c.what;
            EXPECT_EQ(protocol->name, c.name) << c.what;
        }
    }
}

TEST(PresetFrames, EveryRowIsCoveredAndEveryProtocolHasOneRow) {
    std::set<const PresetRow*> covered;
    for (const PresetCase& c : cases())
        if (const PresetRow* row = findPresetRow(c.kind, c.index))
            covered.insert(row);
    std::set<std::pair<int, int>> protocols;
    for (const PresetRow& row : presetTable()) {
        EXPECT_TRUE(covered.count(&row))
            << "a row without a case, serving index " << row.protocols.front().index;
        for (const PresetProtocol& p : row.protocols) {
            EXPECT_TRUE(protocols.insert({int(p.kind), p.index}).second)
                << "in two rows: " << int(p.kind) << ' ' << p.index;
            EXPECT_NE(findMatrixProtocol(p.kind, p.index), nullptr) << p.index;
        }
    }
}

} // namespace
