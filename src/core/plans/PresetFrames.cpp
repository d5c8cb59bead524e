#include "PresetFrames.h"

#include "app/ConsoleState.h"
#include "matrix/MatrixFrames.h"

#include <array>

namespace wall {

namespace {

using namespace std::string_view_literals;

// D(x): one digit below 10, else the tens and the units, each as 30 + digit.
Frame& d(Frame& f, int x) {
    return x <= 9 ? f.b({0x30 + x}) : f.b({0x30 + x / 10, 0x30 + x % 10});
}
// D2(x): always the tens and the units.
Frame& d2(Frame& f, int x) {
    return f.b({0x30 + x / 10, 0x30 + x % 10});
}
// Only when ID ≥ 1: D(ID) ',D,'.
Frame& idPart(Frame& f, int id) {
    if (id >= 1)
        d(f, id).s(",D,");
    return f;
}

// --- The frame shapes ----------------------------------------------------

// C5 B1 ID <category> 03 <code> 00 p
QByteArray zrq(const PresetArgs& a) {
    return Frame().b({0xC5, 0xB1, a.id, a.head, 0x03}).s(a.code).b({0x00, a.p()}).data();
}
// <head> ID <code> 03 00 p
QByteArray headId(const PresetArgs& a) {
    return Frame().b({a.head, a.id}).s(a.code).b({0x03, 0x00, a.p()}).data();
}
// FF 05 ID <code> p
QByteArray odin(const PresetArgs& a) {
    return Frame().b({0xFF, 0x05, a.id}).s(a.code).b({a.p()}).data();
}
// D2(p) <code>
QByteArray tech(const PresetArgs& a) {
    Frame f;
    return d2(f, a.p()).s(a.code).data();
}
// FF ID 06 <code> p AA
QByteArray ffSix(const PresetArgs& a) {
    return Frame().b({0xFF, a.id, 0x06}).s(a.code).b({a.p(), 0xAA}).data();
}
// FF ID <code> <plan> 00 AA: CK1 sends p, the LW family n.
QByteArray ffCode(const PresetArgs& a, int plan) {
    return Frame().b({0xFF, a.id}).s(a.code).b({plan, 0x00, 0xAA}).data();
}
QByteArray ffCodeP(const PresetArgs& a) {
    return ffCode(a, a.p());
}
QByteArray ffCodeN(const PresetArgs& a) {
    return ffCode(a, a.n);
}
// <code> then the byte 30 + n
QByteArray createk5(const PresetArgs& a) {
    return Frame().s(a.code).b({0x30 + a.n}).data();
}
// <code> D(p) '.'
QByteArray word(const PresetArgs& a) {
    Frame f;
    return d(f.s(a.code), a.p()).s(".").data();
}
// The same, a save of p ≥ 10 followed by 0D 0A.
QByteArray wordCrLf(const PresetArgs& a) {
    QByteArray bytes = word(a);
    if (a.action == PresetAction::Save && a.p() >= 10)
        bytes.append("\r\n");
    return bytes;
}
// '@' D2(ID) <code> D(p) '!'
QByteArray switcher(const PresetArgs& a) {
    Frame f;
    d2(f.s("@"), a.id).s(a.code);
    return d(f, a.p()).s("!").data();
}
// L <code> D(p) '!', L = the letter 40 + ID for ID 1 … 26, else 'A'
QByteArray sl(const PresetArgs& a) {
    Frame f;
    f.b({a.id >= 1 && a.id <= 26 ? 0x40 + a.id : 'A'}).s(a.code);
    return d(f, a.p()).s("!").data();
}
// EB <model> 0E 02 <code> n
QByteArray pesko(const PresetArgs& a) {
    return Frame().b({0xEB, a.head, 0x0E, 0x02}).s(a.code).b({a.n}).data();
}
// 30 + n ',' [D(ID) ',D,'] <code>
QByteArray kicon(const PresetArgs& a) {
    Frame f;
    f.b({0x30 + a.n}).s(",");
    return idPart(f, a.id).s(a.code).data();
}
// D(p) ',' [D(ID) ',D,'] <code>
QByteArray db002(const PresetArgs& a) {
    Frame f;
    d(f, a.p()).s(",");
    return idPart(f, a.id).s(a.code).data();
}
// '<' D(p) ',' [D(ID) ',D,'] <code>
QByteArray db(const PresetArgs& a) {
    Frame f;
    d(f.s("<"), a.p()).s(",");
    return idPart(f, a.id).s(a.code).data();
}
// D(p) ',' D(J) ',D,' <code>, J = ID, or 1 when ID is 0 or above 99
QByteArray dvi001(const PresetArgs& a) {
    Frame f;
    d(f, a.p()).s(",");
    return d(f, a.id == 0 || a.id > 99 ? 1 : a.id).s(",D,").s(a.code).data();
}
// '#' 30 + (ID mod 6) '03' <code> D(p)
QByteArray qorz(const PresetArgs& a) {
    Frame f;
    f.s("#").b({0x30 + a.id % 6}).s("03").s(a.code);
    return d(f, a.p()).data();
}
// <text> D2(ID) <code> D2(p) '00NT'
QByteArray vynk(const PresetArgs& a) {
    Frame f;
    d2(f.s(a.text), a.id).s(a.code);
    return d2(f, a.p()).s("00NT").data();
}
// FE EF 00 00 00 ID <code> 00 p 00 00 00 00 00 00 00 AB
QByteArray createk4(const PresetArgs& a) {
    return Frame()
        .b({0xFE, 0xEF, 0x00, 0x00, 0x00, a.id})
        .s(a.code)
        .b({0x00, a.p(), 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xAB})
        .data();
}
// 30 + p <code>
QByteArray extron(const PresetArgs& a) {
    return Frame().b({0x30 + a.p()}).s(a.code).data();
}

// --- The protocols of each row ------------------------------------------

constexpr MatrixKind V = MatrixKind::VGA;
constexpr MatrixKind A = MatrixKind::AV;
constexpr MatrixKind D = MatrixKind::DVI;
constexpr MatrixKind Y = MatrixKind::YUV;

constexpr PresetProtocol kZrqVga[] = {{V, 1}, {V, 60}};
constexpr PresetProtocol kZrqAv[] = {{A, 1}};
constexpr PresetProtocol kZrqDvi[] = {{D, 1}};
constexpr PresetProtocol kZrqYuv[] = {{Y, 1}};
constexpr PresetProtocol kWp[] = {{V, 2}, {V, 18}, {V, 42}, {V, 57},
                                  {A, 2}, {A, 25}, {A, 55}, {A, 74}};
constexpr PresetProtocol kXz[] = {{V, 58}, {A, 75}};
constexpr PresetProtocol kProv[] = {{V, 47}, {A, 61}, {D, 9}};
constexpr PresetProtocol kOdin[] = {{V, 48}};
constexpr PresetProtocol kTech[] = {{V, 49}, {A, 66}};
constexpr PresetProtocol kZc[] = {{V, 3}, {V, 6}, {V, 39}, {V, 59}, {A, 4}};
constexpr PresetProtocol kCk1[] = {{V, 45}};
constexpr PresetProtocol kLw[] = {{V, 13}, {V, 20}, {V, 33}, {V, 65}, {A, 15}, {A, 45}, {D, 4}};
constexpr PresetProtocol kCreatek5[] = {{V, 52}};
constexpr PresetProtocol kCreatek[] = {{V, 4}, {A, 9}};
constexpr PresetProtocol kCreatek3[] = {{V, 10}, {V, 67}, {A, 31}, {A, 85}};
constexpr PresetProtocol kCreatekDvi[] = {{D, 15}, {D, 17}};
constexpr PresetProtocol kCreatek2[] = {{D, 19}};
constexpr PresetProtocol kSwitcher[] = {{V, 15}, {A, 67}};
constexpr PresetProtocol kSl[] = {{V, 12}, {A, 14}};
constexpr PresetProtocol kPesko[] = {{V, 19}};
constexpr PresetProtocol kPesko16[] = {{A, 26}};
constexpr PresetProtocol kKicon[] = {{V, 23}, {A, 29}};
constexpr PresetProtocol kDb002[] = {{D, 22}};
constexpr PresetProtocol kDb[] = {{V, 35}, {A, 49}, {D, 21}, {D, 25}};
constexpr PresetProtocol kDvi001[] = {{D, 2}};
constexpr PresetProtocol kQorz[] = {{V, 24}, {A, 32}};
constexpr PresetProtocol kVynkV[] = {{V, 28}, {V, 71}};
constexpr PresetProtocol kVynkVr[] = {{V, 69}};
constexpr PresetProtocol kVynkA[] = {{A, 37}};
constexpr PresetProtocol kVynkD[] = {{D, 23}};
constexpr PresetProtocol kCreatek4[] = {{V, 36}, {A, 50}};
constexpr PresetProtocol kExtron[] = {{D, 16}};

// Each row: protocols, builder, save code, recall code, checksum, head,
// second head, text, limit on n, pause after, byte at a time.
const PresetRow kRows[] = {
    {kZrqVga, zrq, "\x10"sv, "\x11"sv, PresetCheck::S1, 0xA3, 0xA4},
    {kZrqAv, zrq, "\x10"sv, "\x11"sv, PresetCheck::S1, 0xA2},
    {kZrqDvi, zrq, "\x10"sv, "\x11"sv, PresetCheck::S1, 0xA5},
    {kZrqYuv, zrq, "\x10"sv, "\x11"sv, PresetCheck::S1, 0xA6},
    {kWp, headId, "\x11"sv, "\x15"sv, PresetCheck::S2, 0x96},
    {kXz, headId, "\x11"sv, "\x15"sv, PresetCheck::S2, 0xBA},
    {kProv, headId, "\x11"sv, "\x15"sv, PresetCheck::S3, 0xBA, 0, {}, kNoPlanLimit, 500},
    {kOdin, odin, "\x05"sv, "\x06"sv, PresetCheck::S4, 0, 0, {}, kNoPlanLimit, 500},
    {kTech, tech, "K"sv, "P"sv, PresetCheck::None, 0, 0, {}, kNoPlanLimit, 500},
    {kZc, ffSix, "\x02"sv, "\x01"sv},
    {kCk1, ffCodeP, "\x05"sv, "\x06"sv},
    {kLw, ffCodeN, "\x05"sv, "\x06"sv},
    {kCreatek5, createk5, "BS"sv, "BR"sv},
    {kCreatek, word, "Save"sv, "Recall"sv, PresetCheck::None, 0, 0, {}, 8},
    {kCreatek3, word, "Save"sv, "Recall"sv, PresetCheck::None, 0, 0, {}, 8, 0, true},
    {kCreatekDvi, word, "Save"sv, "Recall"sv},
    {kCreatek2, wordCrLf, "Save"sv, "Recall"sv},
    {kSwitcher, switcher, ",Save0"sv, ",Recall0"sv, PresetCheck::None, 0, 0, {}, 8},
    {kSl, sl, "PS"sv, "PL"sv},
    {kPesko, pesko, "\x01"sv, "\x00"sv, PresetCheck::None, 0x1B},
    {kPesko16, pesko, "\x01"sv, "\x00"sv, PresetCheck::None, 0x32},
    {kKicon, kicon, "S"sv, "R"sv},
    {kDb002, db002, "S"sv, "R"sv},
    {kDb, db, "S>"sv, "R>"sv},
    {kDvi001, dvi001, "S"sv, "R"sv},
    {kQorz, qorz, "S0"sv, "C0"sv, PresetCheck::None, 0, 0, {}, 7},
    {kVynkV, vynk, "SF"sv, "RF"sv, PresetCheck::None, 0, 0, "PV"sv, 14},
    {kVynkVr, vynk, "SF"sv, "RF"sv, PresetCheck::None, 0, 0, "PR"sv, 14},
    {kVynkA, vynk, "SF"sv, "RF"sv, PresetCheck::None, 0, 0, "PA"sv, 14},
    {kVynkD, vynk, "SF"sv, "RF"sv, PresetCheck::None, 0, 0, "PD"sv, 14},
    {kCreatek4, createk4, "\x05"sv, "\x06"sv},
    // The first byte is only defined up to p = 6.
    {kExtron, extron, ","sv, "."sv, PresetCheck::None, 0, 0, {}, 5},
};

int sumOf(const QByteArray& bytes, int first, int last) { // numbered from 1
    int s = 0;
    for (int i = first; i <= last && i <= bytes.size(); ++i)
        s += static_cast<unsigned char>(bytes[i - 1]);
    return s & 0xFF;
}

int checksum(PresetCheck check, const QByteArray& bytes) {
    switch (check) {
    case PresetCheck::S1: {
        const int s = sumOf(bytes, 3, 8);
        return s == 0xC5 ? 0xA3 : s;
    }
    case PresetCheck::S2: {
        const int s = sumOf(bytes, 1, 6);
        return s == 0x96 ? 0x6A : s;
    }
    case PresetCheck::S3:
        return sumOf(bytes, 1, 6);
    case PresetCheck::S4:
        return (256 - sumOf(bytes, 1, 5)) & 0xFF;
    case PresetCheck::None:
        break;
    }
    return -1;
}

QByteArray frameOf(const PresetRow& row, PresetArgs args, int head) {
    args.head = head;
    QByteArray bytes = row.build(args);
    if (const int c = checksum(row.check, bytes); c >= 0)
        bytes.append(static_cast<char>(c));
    return bytes;
}

} // namespace

std::span<const PresetRow> presetTable() {
    return kRows;
}

const PresetRow* findPresetRow(MatrixKind kind, int protocolIndex) {
    for (const PresetRow& row : kRows)
        for (const PresetProtocol& p : row.protocols)
            if (p.kind == kind && p.index == protocolIndex)
                return &row;
    return nullptr;
}

std::vector<PresetWrite> presetWrites(MatrixKind kind, int protocolIndex, PresetAction action,
                                      int id, int n) {
    const PresetRow* row = findPresetRow(kind, protocolIndex);
    if (!row || n < 0 || n >= kPlanCount ||
        (row->maxPlanIndex != kNoPlanLimit && n > row->maxPlanIndex))
        return {};
    PresetArgs args;
    args.id = id & 0xFF;
    args.n = n;
    args.code = action == PresetAction::Save ? row->saveCode : row->recallCode;
    args.text = row->text;
    args.action = action;

    std::vector<QByteArray> frames{frameOf(*row, args, row->head)};
    if (row->secondHead != 0)
        frames.push_back(frameOf(*row, args, row->secondHead));

    std::vector<PresetWrite> writes;
    for (const QByteArray& frame : frames) {
        if (!writes.empty())
            writes.back().pauseMs = kPresetFramePauseMs;
        if (row->bytewise)
            for (char byte : frame)
                writes.push_back({QByteArray(1, byte), kPresetBytePauseMs});
        else
            writes.push_back({frame, 0});
    }
    writes.back().pauseMs += row->pauseAfterMs;
    return writes;
}

} // namespace wall
