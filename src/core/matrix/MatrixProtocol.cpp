#include "MatrixProtocol.h"

#include "serial/DeviceIo.h"

#include <array>

namespace wall {

// --- MatrixWriter --------------------------------------------------------

void MatrixWriter::write(QByteArrayView frame) {
    if (!frame.isEmpty())
        link_.write(frame.first(std::min<qsizetype>(frame.size(), kMaxMatrixFrame)));
}

void MatrixWriter::writeBytewise(QByteArrayView frame, bool pauseAfterEach) {
    for (qsizetype i = 0; i < frame.size() && i < kMaxMatrixFrame; ++i) {
        link_.write(frame.sliced(i, 1));
        if (pauseAfterEach)
            delay();
    }
}

void MatrixWriter::pause(int ms) {
    pacer_.pause(ms);
}

namespace {

using W = MatrixWriter;
using R = MatrixRoute;
using Targets = std::vector<MatrixTarget>;

// Row builders: the frames of one output, of a whole routing, or sent once.
#define PER_OUTPUT(...)                                                                            \
    []([[maybe_unused]] W& w, [[maybe_unused]] const R& r, int o) { __VA_ARGS__; }
#define PER_ROUTING(...) []([[maybe_unused]] W& w, const R& r, const Targets& t) { __VA_ARGS__; }
#define ONCE(...) []([[maybe_unused]] W& w, [[maybe_unused]] const R& r) { __VA_ARGS__; }

int mod(int v, int m) {
    return ((v % m) + m) % m;
}
int hi(int v) {
    return v >> 8;
}

std::vector<int> outputsOf(const Targets& targets) {
    std::vector<int> outputs;
    outputs.reserve(targets.size());
    for (const MatrixTarget& t : targets)
        outputs.push_back(t.output);
    return outputs;
}

void writeEach(W& w, const std::vector<QByteArray>& frames) {
    for (const QByteArray& f : frames) {
        w.write(f);
        w.delay();
    }
}

// --- Shared batch shapes ---------------------------------------------------

void zrq(W& w, const R& r, const Targets& t, int category) {
    writeEach(w, zrqBatchFrames(r.id, category, r.inputCount, r.switchType, r.input, outputsOf(t)));
}

void pairs(W& w, const R& r, const Targets& t, const PairList& shape) {
    writeEach(w, pairListFrames(shape, r.id, r.input, outputsOf(t)));
}

void zrq002(W& w, const R& r, const Targets& t, int first) {
    const int kindByte = r.kind == MatrixKind::VGA ? r.t(0xA3, 0xA0, 0xA2) : r.t(0xA4, 0xA1, 0xA2);
    pairs(w, r, t, {.first = first, .kindByte = kindByte});
}

void triolion(W& w, const R& r, const Targets& t, int maxPairs) {
    if (const auto code = triolionModelCode(r.kind, r.sourceCode, r.model))
        writeEach(w, triolionFrames(*code, maxPairs, r.input, outputsOf(t)));
}

QByteArray decimal(int v) {
    return QByteArray::number(v);
}

// {I} then a letter, then the output list.
std::vector<QByteArray> list(const R& r, char letter, const Targets& t, const AsciiList& shape) {
    return asciiListFrames(decimal(r.input) + letter, shape, t);
}

// The lists written one byte at a time, D after every byte, and D once more.
void bytewiseList(W& w, const R& r, const Targets& t) {
    const auto frames = list(r, 'B', t, {.separator = ',', .closeWithDot = true});
    for (const QByteArray& f : frames)
        w.writeBytewise(f, true);
    if (!frames.empty())
        w.delay();
}

// CREATEK: {I} T['B'/'V'/'A'] then the outputs, ',' between them.
void createk(W& w, const R& r, const Targets& t) {
    writeEach(w, list(r, char(r.t('B', 'V', 'A')), t, {.separator = ','}));
}

// RUMBQ: {I} 'X' then the outputs, '&' between them, '.' at the end; D
// after the frame and once more.
void rumbq(W& w, const R& r, const Targets& t) {
    const auto frames = list(r, 'X', t, {.separator = '&', .closeWithDot = true});
    writeEach(w, frames);
    if (!frames.empty())
        w.delay();
}

// --- Shared per-output frames ----------------------------------------------

// FF <ID> type <I> <O> AA
void ffId(W& w, const R& r, int o, int type) {
    w.write(Frame().b({0xFF, r.id, type, r.input, o, 0xAA}));
}

// BB 04 <ID> type <I> <O> 55
void bb04(W& w, const R& r, int o, int type) {
    w.write(Frame().b({0xBB, 0x04, r.id, type, r.input, o, 0x55}));
}

void mainvan(W& w, const R& r, int o) {
    w.write(mainvanFrame(r.input, o));
}

// F4 <input> 21 <O> 00 0F <ID> S[1..6]
void mainvan0F(W& w, const R& r, int o, int input) {
    w.write(Frame().b({0xF4, input, 0x21, o, 0x00, 0x0F, r.id}).sum(1, 6));
}

void lanma(W& w, int o, int input) {
    w.write(Frame().b({0xBB, 0x01, o, input, 0x00, 0x00, 0x00}).sum(0, 6));
}

// The output frame, D, then the input frame.
void lanma2(W& w, const R& r, int o) {
    w.write(Frame().b({0xBB, 0x02, 0x01, o - 1, hi(o - 1), 0x00, 0x00}).sum(0, 6));
    w.delay();
    w.write(Frame().b({0xBB, 0x02, 0x02, r.input - 1, hi(r.input - 1), 0x00, 0x00}).sum(0, 6));
}

Frame ym001(const R& r, int o) {
    Frame f;
    f.b({0xF8, r.input, 0x00, 0x81, o, 0x00, 0x00}).sum(1, 6).b({0xFF});
    return f;
}

Frame siso(const R& r, int o) {
    Frame f;
    f.b({0xF2, hi(r.input), r.input, 0x22, o, r.id, 0x00}).xorOf(1, 6);
    return f;
}

void sisoOnce(W& w, const R& r, int o) {
    w.write(siso(r, o));
}

void kovran(W& w, const R& r, int o) {
    w.write(Frame().b({0xF2, hi(r.input), r.input, '*', o, 0x00, 0x00}).xorOf(1, 6));
}

// '!' {ID} ':' letter {I} '*' {O} CR, after one '!' CR per routing.
void ac(W& w, const R& r, int o, char letter) {
    const char head[] = {':', letter, '\0'};
    w.write(Frame().s("!").dec(r.id).s(head).dec(r.input).s("*").dec(o).b({0x0D}));
}
void acOpen(W& w) {
    w.write(Frame().s("!").b({0x0D}));
}

// '!' NUL {ID} ':' letter NUL {I} '*' NUL {O} CR
void ac002(W& w, const R& r, int o, char letter) {
    const char head[] = {':', letter, '\0'};
    w.write(
        Frame().s("!").b({0x00}).dec(r.id).s(head).b({0x00}).dec(r.input).s("*").b({0x00}).dec(o).b(
            {0x0D}));
}

// <64 + ID'>: ID, or 1 when it is 0 or above 26.
int slAddress(const R& r) {
    return 64 + (r.id == 0 || r.id > 26 ? 1 : r.id);
}

void sl001(W& w, const R& r, int o, const char* between) {
    w.write(Frame().b({slAddress(r)}).dec(o).s(between).dec(r.input).s("!"));
}

// Two digits, or three from 100.
int width2or3(int v) {
    return v >= 100 ? 3 : 2;
}
void sl002(W& w, const R& r, int o, const char* between) {
    w.write(Frame()
                .b({slAddress(r)})
                .dec(o, width2or3(o))
                .s(between)
                .dec(r.input, width2or3(r.input))
                .s("!"));
}

int idOrStar(const R& r) {
    return r.id == 0 ? '*' : 64 + r.id;
}
void itron(W& w, const R& r, int o, const char* between) {
    w.write(Frame().b({idOrStar(r)}).dec(o, 2).s(between).dec(r.input, 2).s("!"));
}

void extron(W& w, const R& r, int o, int video) {
    w.write(Frame().dec(r.input).s("*").dec(o).b({r.t('!', video, '$')}));
}

// {I} ',' {O} ',' then, for an address of 1 or more, {ID} ',D,'.
Frame& kiconHead(Frame& f, const R& r, int o) {
    f.dec(r.input).s(",").dec(o).s(",");
    if (r.id >= 1)
        f.dec(r.id).s(",D,");
    return f;
}
void kicon(W& w, const R& r, int o) {
    Frame f;
    w.write(kiconHead(f, r, o).s("V"));
}
void db(W& w, const R& r, int o) {
    Frame f;
    f.s("<");
    w.write(kiconHead(f, r, o).b({r.t('B', 'V', 'A')}).s(">"));
}
void db002(W& w, const R& r, int o) {
    Frame f;
    w.write(kiconHead(f, r, o).b({r.t('B', 'V', 'A')}));
}

void qorz(W& w, const R& r, int o) {
    w.write(Frame().s("#").b({'0' + mod(r.id, 6)}).s("05V").dec(o, 2).dec(r.input, 2));
}

void vynk(W& w, const R& r, int o, const char* head, const char* switchWord) {
    w.write(Frame().s(head).dec(r.id, 2).s(switchWord).dec(r.input, 2).dec(o, 2).s("NT"));
}

// 96 <ID> 01 04 A1 <O-1> <I-1> 00
void mviibr(W& w, const R& r, int o) {
    w.write(Frame().b({0x96, r.id, 0x01, 0x04, 0xA1, o - 1, r.input - 1, 0x00}));
}

void lqad(W& w, const R& r, int o) {
    w.write(Frame().s("A").dec(o, 3).dec(r.input, 3).s("031000000B"));
}

void zd(W& w, const R& r, int o, const char* end) {
    const int address = r.id == 0 ? '*' : '0' + r.id;
    w.write(Frame().s("L").b({address}).dec(r.input, 3).s(">").dec(o, 3).s(end));
}

// FF 07 third 02 <I-1> <O-1> N[0..5]
void ch001(W& w, const R& r, int o, int third) {
    w.write(Frame().b({0xFF, 0x07, third, 0x02, r.input - 1, o - 1}).neg(0, 5));
}

void createk4(W& w, const R& r, int o, int type) {
    Frame f;
    f.b({0xFE, 0xEF, 0x00, 0x00, 0x00, r.id, type, 128 + (o - 1) / 8});
    for (int slot = 0; slot < 8; ++slot)
        f.b({slot == mod(o - 1, 8) ? r.input : 0x00});
    w.write(f.b({0xAB}));
}

void kedi1(W& w, const R& r, int o) {
    Frame f;
    f.b({0x01}).s("WR").b({r.t('N', 'V', 'A')}).s("x").hex(o - 1, 2).s("y").hex(r.input - 1, 2);
    int k = 0;
    for (int i = 1; i <= 9; ++i)
        k ^= f.at(i);
    w.write(f.hex(k, 2).b({0x04}));
}

void kedi2(W& w, const R& r, int o, int letter) {
    w.write(
        Frame().s("*WR").b({letter}).s("x0").hex(o - 1, 1).s("y0").hex(r.input - 1, 1).s("--#"));
}

void exta(W& w, const R& r, int o, int letter) {
    w.write(Frame().s("!").dec(r.id).s(":").b({letter}).dec(r.input).s("*").dec(o).b({0x0D}));
}

void qb(W& w, const R& r, int o, int letter) {
    w.write(Frame().b({letter}).dec(o, 2).s("<").dec(r.input, 2).b({0x0D}));
}

void prov(W& w, const R& r, int o, int type) {
    w.write(Frame().b({0xBA, r.id, 0x01, 0x04, type, o - 1, r.input - 1}).sum(0, 6));
}

// {O} 'Ma', a pause, then {I} '#a'.
void infinova(W& w, const R& r, int o, int between, int after) {
    w.write(Frame().dec(o).s("Ma"));
    w.pause(between);
    w.write(Frame().dec(r.input).s("#a"));
    w.pause(after);
}

// 0 up to 256, 1 up to 512, 2 up to 768.
int group256(int v) {
    return v <= 256 ? 0 : v <= 512 ? 1 : 2;
}

void tech(W& w, const R& r, int o) {
    w.write(Frame()
                .dec(o, r.screens > 99 ? 3 : 2)
                .dec(r.input, r.inputCount > 99 ? 3 : 2)
                .b({r.t('C', 'V', 'A')}));
}

void switcher(W& w, const R& r, int o) {
    w.write(Frame().b({0x40}).dec(r.id, 2).s(",").dec(r.input, 2).s("B").dec(o, 2).s("!"));
}
void switcherAll(W& w, const R& r) {
    w.write(Frame().b({0x40}).dec(r.id, 2).s(",").dec(r.input, 2).s("ALL!"));
}

// E0 second <O> FF x 8 <I> 01 A1
void sflag(W& w, const R& r, int o, int second) {
    w.write(Frame()
                .b({0xE0, second, o})
                .b({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF})
                .b({r.input, 0x01, 0xA1}));
}

void hyk(W& w, const R& r, int o, int type) {
    w.write(Frame().s("U").b({0x05, r.id, type, o - 1, r.input - 1, (r.input - 1) + (o - 1)}));
}

void smth4(W& w, const R& r, int o) {
    w.write(Frame().dec(r.id, 2).s("V").dec(r.input, 2).b({r.t('M', 'V', 'A')}).dec(o, 2));
}

void fourByFour(W& w, const R& r, int o, bool nulClosed, int times) {
    const QByteArrayView code = fourByFourCode(o, r.input);
    if (code.isEmpty())
        return;
    Frame f;
    f.s("a").s(std::string_view(code.data(), size_t(code.size())));
    if (nulClosed)
        f.b({0x00});
    for (int i = 0; i < (r.once ? 1 : times); ++i)
        w.write(f);
}

// One key of the remote keypad: pressed, then released, D after each.
void smth3Key(W& w, const R& r, int key) {
    for (const char* state : {",1", ",0"}) {
        w.write(Frame().s("*8").dec(r.id, 2).s("K0,").dec(key, 2).s(state));
        w.delay();
    }
}
void smth3Digits(W& w, const R& r, int v) {
    for (char d : decimal(v))
        smth3Key(w, r, 61 + (d - '0'));
}

// LW002: a long pause once more than one command was written.
void settleAfterSeveral(W& w, const R&, int commands) {
    if (commands > 1)
        w.pause(3000);
}

constexpr MatrixProtocol notUsed() {
    return {0, "NotUsed", MatrixShape::PerOutput, nullptr, nullptr, {}};
}
constexpr MatrixProtocol each(int index, std::string_view name, OutputFrames f,
                              MatrixNotes notes = {}) {
    return {index, name, MatrixShape::PerOutput, f, nullptr, notes};
}
constexpr MatrixProtocol batch(int index, std::string_view name, BatchFrames f,
                               MatrixNotes notes = {}) {
    return {index, name, MatrixShape::Batch, nullptr, f, notes};
}

constexpr MatrixNotes kFourPicture{.fourPicture = true};

// clang-format off
const MatrixProtocol kAvProtocols[] = {
    notUsed(),
    batch(1, "ZRQ001", PER_ROUTING(zrq(w, r, t, 0xA2))),
    batch(2, "ZRQ002", PER_ROUTING(zrq002(w, r, t, 0x96)), kFourPicture),
    each(3, "AB8TO4", PER_OUTPUT(
        // The decimal digits as raw byte values, no ASCII offset.
        auto raw = [](Frame& f, int v) { for (char d : decimal(v)) f.b({d - '0'}); };
        Frame out; out.b({0xFE}); raw(out, o); w.write(out.b({0x13, 0xFF}));
        Frame in; in.b({0xFE}); raw(in, r.input + 1); w.write(in.b({0x11, 0xFF})))),
    each(4, "ZC001", PER_OUTPUT(ffId(w, r, o, r.t(0x03, 0x05, 0x04)))),
    each(5, "MAINVAN", PER_OUTPUT(mainvan(w, r, o)), kFourPicture),
    each(6, "LANMA", PER_OUTPUT(lanma(w, o, r.input))),
    each(7, "XJ", PER_OUTPUT(lanma(w, o, r.input))),
    each(8, "ADT", PER_OUTPUT(
        w.write(Frame().b({0xF8, 0x00, 0x00, 0x80, o, 0x00, 0x00}).sum(1, 6).b({0xFF}));
        w.pause(100);
        w.write(ym001(r, o)))),
    batch(9, "CREATEK", createk),
    each(10, "CREATEK2", PER_OUTPUT(ffId(w, r, o, r.t(0x03, 0x05, 0x04)))),
    batch(11, "TRIOLION", PER_ROUTING(triolion(w, r, t, 1)),
          {.fourPicture = true, .routedInputLessOne = true}),
    each(12, "YM001", PER_OUTPUT(w.write(ym001(r, o)))),
    each(13, "AC", PER_OUTPUT(ac(w, r, o, 'V')), {.first = ONCE(acOpen(w))}),
    each(14, "SL001", PER_OUTPUT(sl001(w, r, o, "+"))),
    each(15, "LW001", PER_OUTPUT(ffId(w, r, o, r.t(0x03, 0x05, 0x04)))),
    each(16, "INFINOVA", PER_OUTPUT(
        w.write(Frame().dec(o).s("Ma")); w.delay(); w.write(Frame().dec(r.input).s("#a")))),
    each(17, "KOVRAN", PER_OUTPUT(kovran(w, r, o))),
    each(18, "HLM001", PER_OUTPUT(
        w.write(Frame().b({0x02}).s("00F").hex(r.input, 2).hex(o, 2).b({0x03})))),
    each(19, "SHATIAN", PER_OUTPUT(
        Frame f; f.b({0x00, r.id, 0x05, 0x01, o, r.input, r.input / 16, 0x0D}).sum(0, 7);
        if (r.once) { w.write(f); return; }
        w.writeBytewise(f, false); w.pause(150);
        w.writeBytewise(f, false); w.pause(150);
        w.writeBytewise(f, false))),
    each(20, "LANMA2", PER_OUTPUT(lanma2(w, r, o))),
    each(21, "MINGKONG", PER_OUTPUT(bb04(w, r, o, 0x01))),
    each(22, "SISO", PER_OUTPUT(
        w.write(siso(r, o)); if (r.once) return; w.pause(30); w.write(siso(r, o))),
         kFourPicture),
    each(23, "SL002", PER_OUTPUT(sl002(w, r, o, "["))),
    each(24, "VINET", PER_OUTPUT(
        w.write(Frame().b({0xFC, 0x01, (r.input - 1) / 32, mod(r.input - 1, 32), o - 1, 0x01})
                    .sumMasked(0, 5, 0x7F)))),
    batch(25, "WP002", PER_ROUTING(
        pairs(w, r, t, {.kindByte = 0xA4, .inputLessOne = false}))),
    each(26, "PESKO16X16", PER_OUTPUT(
        w.write(Frame().b({0xEB, 0x32, 0x12, 0x02, o - 1, r.input - 1})))),
    each(27, "TC8800", PER_OUTPUT(
        w.write(Frame().b({0xFA, 0xFA, 0x0C, 0x81, 0xC0, 0x00, o, hi(r.input), r.input, r.id,
                           0xFD, 0xFD})))),
    each(28, "EXTRON", PER_OUTPUT(extron(w, r, o, '%'))),
    each(29, "KICON", PER_OUTPUT(kicon(w, r, o))),
    each(30, "LWAD", PER_OUTPUT(w.write(ym001(r, o)))),
    batch(31, "CREATEK3", PER_ROUTING(bytewiseList(w, r, t))),
    each(32, "QORZ", PER_OUTPUT(qorz(w, r, o))),
    each(33, "ITRON", PER_OUTPUT(itron(w, r, o, "<")), kFourPicture),
    each(34, "KEDI", PER_OUTPUT(
        w.write(Frame().s("*").dec(r.input, 2).b({r.t('N', 'V', 'A')}).dec(o, 2).s("#"))),
         {.maxInput = 96}),
    each(35, "HOKUTO1", PER_OUTPUT(mainvan(w, r, o)), kFourPicture),
    each(36, "HOKUTO2", PER_OUTPUT(sisoOnce(w, r, o)), kFourPicture),
    each(37, "VYNK", PER_OUTPUT(vynk(w, r, o, "PA", "SV")), kFourPicture),
    each(38, "SIERRA", PER_OUTPUT(
        w.write(Frame().s("**Y").dec(o).s(",").dec(r.input).s("!!")))),
    each(39, "LANMA3", PER_OUTPUT(lanma(w, o, r.input - 1))),
    each(40, "MVIIBR", PER_OUTPUT(mviibr(w, r, o))),
    each(41, "LQAD", PER_OUTPUT(lqad(w, r, o))),
    each(42, "ZD", PER_OUTPUT(zd(w, r, o, "V#"))),
    each(43, "V1064", PER_OUTPUT(
        Frame f; f.b({0xC8, 0x01, r.input / 16, mod(r.input, 16), o / 16, mod(o, 16)});
        int s = 0; for (int i = 0; i <= 5; ++i) s += f.at(i);
        s &= 0xFF;
        w.write(f.b({s / 16, s % 16})))),
    each(44, "PE5052NTK", PER_OUTPUT(
        w.write(Frame().s("N01").dec(r.id, 3).dec(o, 3).dec(r.input, 4).s("031000000B")))),
    each(45, "CKDZ", PER_OUTPUT(ffId(w, r, o, r.t(0x09, 0x03, 0x02)))),
    each(46, "PGVAS2406", PER_OUTPUT(
        w.write(Frame().b({0xBB, r.t(0x00, r.id, r.id + 1), r.input - 1, o - 1})))),
    each(47, "CH001", PER_OUTPUT(ch001(w, r, o, 0x00))),
    each(48, "SYYT", PER_OUTPUT(
        w.write(Frame().b({0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x20, r.id, 0x00, o, r.input,
                           0x80}).xorOf(6, 11).b({0xFE, 0xFE, 0xFE})))),
    each(49, "DB", PER_OUTPUT(db(w, r, o))),
    each(50, "CREATEK4", PER_OUTPUT(createk4(w, r, o, r.t(0x03, 0x03, 0x02)))),
    each(51, "ADEMCO", PER_OUTPUT(
        w.write(Frame().s("SWITCH").dec(r.input).s(",").dec(o).b({0x0D})))),
    each(52, "KEDI1", PER_OUTPUT(kedi1(w, r, o))),
    each(53, "KEDI2", PER_OUTPUT(kedi2(w, r, o, r.t('N', 'V', 'A'))),
         {.walk = {.maxOutput = 16}, .maxInput = 16}),
    each(54, "HVSM", PER_OUTPUT(bb04(w, r, o, r.t(0x01, 0x02, 0x03)))),
    batch(55, "WP003", PER_ROUTING(pairs(w, r, t, {.kindByte = 0xA0, .maxPairs = 20}))),
    each(56, "SITO", PER_OUTPUT(
        const int g = r.input <= 255 ? 0 : r.input <= 512 ? 1 : 2;
        w.write(Frame().b({0xFF, r.input, g, 0x81, o, 0x00, 0x00}).sum(1, 6))),
         {.maxInput = 768}),
    each(57, "DET", PER_OUTPUT(
        w.write(Frame().b({0x40}).dec(r.id).s(":").dec(r.input).s(">").dec(o)
                    .b({r.t('!', '&', '$')}).s("#")))),
    each(58, "EXTB", PER_OUTPUT(extron(w, r, o, '%'))),
    each(59, "EXTA", PER_OUTPUT(exta(w, r, o, r.t('V', 'W', 'A')))),
    each(60, "QB", PER_OUTPUT(qb(w, r, o, r.t('S', 'V', 'A')))),
    each(61, "PROV", PER_OUTPUT(prov(w, r, o, r.t(0xA4, 0xA1, 0xA2)))),
    each(62, "SMTH2", PER_OUTPUT(infinova(w, r, o, 100, 100)),
         {.fourPicture = true, .maxInput = 999}),
    each(63, "PE5052K", PER_OUTPUT(
        w.write(Frame().s("A").dec(r.id, 2).dec(o, 3).dec(r.input, 4).s("031000000B")))),
    each(64, "SMTH1", PER_OUTPUT(
        w.write(Frame().b({0xBB, 0x02, 0x01, o - 1, group256(o), 0x00, 0x00}).sum(0, 6));
        w.pause(210);
        w.write(Frame().b({0xBB, 0x02, 0x02, r.input - 1, group256(r.input), 0x00, 0x00})
                    .sum(0, 6));
        w.pause(210)),
         {.fourPicture = true, .walk = {.maxOutput = 768}, .maxInput = 768}),
    each(65, "SMTH3", PER_OUTPUT(
        w.write(Frame().b({0xFC, 0x01, (r.input - 1) / 32, mod(r.input - 1, 32), o - 1, r.id})
                    .sum(0, 5)))),
    each(66, "TECH", PER_OUTPUT(tech(w, r, o))),
    each(67, "SWITCHER", PER_OUTPUT(switcher(w, r, o)), {.wholeWall = ONCE(switcherAll(w, r))}),
    each(68, "SFLAG", PER_OUTPUT(sflag(w, r, o, 0xE9)), kFourPicture),
    each(69, "PE5051K", PER_OUTPUT(lqad(w, r, o))),
    each(70, "HYK", PER_OUTPUT(hyk(w, r, o, r.t(0xAF, 0xA1, 0xA0)))),
    each(71, "SMTH4", PER_OUTPUT(smth4(w, r, o))),
    each(72, "MAINVAN2", PER_OUTPUT(
        const int k = ((r.input / 8 - 1) & 0xF8) + ((o / 4 - 1) & 0x07);
        w.write(Frame().b({0xF4, hi(r.input), r.input, 0x21, o, 0x00, 0x00, r.id, k})
                    .sum(1, 8))),
         kFourPicture),
    each(73, "HXD1", PER_OUTPUT(lanma2(w, r, o))),
    batch(74, "WP001", PER_ROUTING(zrq002(w, r, t, 0x96)), kFourPicture),
    batch(75, "XZ001", PER_ROUTING(zrq002(w, r, t, 0xBA)), kFourPicture),
    each(76, "QJ", PER_OUTPUT(lanma2(w, r, o))),
    each(77, "MAINVAN3", PER_OUTPUT(mainvan0F(w, r, o, r.input)), kFourPicture),
    each(78, "MAINVAN4", PER_OUTPUT(mainvan0F(w, r, o, r.input - 1)), kFourPicture),
    each(79, "MAINVAN5", PER_OUTPUT(mainvan0F(w, r, o, r.input - 1)), kFourPicture),
    each(80, "AC002", PER_OUTPUT(ac002(w, r, o, 'V'))),
    each(81, "BV6416", PER_OUTPUT(
        w.write(Frame().b({0xEA, 0x01, 0x00, r.input, o}).sum(0, 4)))),
    each(82, "SMTH6", PER_OUTPUT(
        w.write(Frame().b({0xFF, mod(r.id, 16), 0x11, mod(r.input / 128, 4), mod(r.input, 128),
                           o, 0x55}).sum(1, 6)))),
    each(83, "REA", PER_OUTPUT(
        w.write(Frame().b({0xF8, 0x01, (r.input - 1) / 32, mod(r.input - 1, 32), o - 1,
                           r.id - 1}).sumMasked(0, 5, 0x7F))),
         {.routedInputLessOne = true}),
    each(84, "ACV", PER_OUTPUT(sisoOnce(w, r, o)), kFourPicture),
    batch(85, "RUMBQ", rumbq),
    each(86, "PEARMAIN", PER_OUTPUT(
        w.write(Frame().b({0xF6, r.id, 0x00, o, r.input / 100, mod(r.input, 100), 0x1F})))),
    each(87, "SMTH5", PER_OUTPUT(w.write(Frame().b({0xBB, 0x00, r.input - 1, o - 1}))),
         {.port = PortRule::A1}),
    each(88, "Panasonic", PER_OUTPUT(
        w.write(Frame().b({0x02}).s("CMD:H").dec(o, 2).s("MS").b({0x03}));
        w.delay();
        w.write(Frame().b({0x02}).s("CMD:H").dec(o, 2).s("CS").dec(r.input, 3).b({0x03})))),
    each(89, "SMTH7", PER_OUTPUT(
        const bool low = r.input <= 256;
        const int g = low ? 0 : r.input <= 512 ? 1 : 2;
        w.write(Frame().b({0xFF, low ? r.input : 0x00, g, 0x81, o, 0x00, 0x00}).sum(1, 6))),
         {.maxInput = 768}),
};

constexpr MatrixNotes kV3{.port = PortRule::V3};

const MatrixProtocol kVgaProtocols[] = {
    notUsed(),
    batch(1, "ZRQ001", PER_ROUTING(zrq(w, r, t, r.sourceCode == 1 ? 0xA4 : 0xA3))),
    batch(2, "ZRQ002", PER_ROUTING(zrq002(w, r, t, 0x96))),
    each(3, "ZC001", PER_OUTPUT(ffId(w, r, o, r.t(0x03, 0x05, 0x04)))),
    batch(4, "CREATEK", PER_ROUTING(writeEach(
        w, list(r, char(r.t('B', 'V', 'A')), t, {.separator = ',', .closeWithDot = true})))),
    each(5, "HRCMS", PER_OUTPUT(w.write(Frame().s("A").hex(o, 2).hex(r.input, 2)))),
    each(6, "XJ", PER_OUTPUT(ffId(w, r, o, r.t(0x03, 0x05, 0x04)))),
    batch(7, "AITE", PER_ROUTING(pairs(w, r, t, kAitePairList))),
    each(8, "CREATEK2", PER_OUTPUT(ffId(w, r, o, r.t(0x03, 0x05, 0x04)))),
    batch(9, "TRIOLION", PER_ROUTING(triolion(w, r, t, 4)), {.routedInputLessOne = true}),
    batch(10, "CREATEK3", PER_ROUTING(bytewiseList(w, r, t))),
    each(11, "AC", PER_OUTPUT(ac(w, r, o, 'G')), {.first = ONCE(acOpen(w))}),
    each(12, "SL001", PER_OUTPUT(sl001(w, r, o, "&"))),
    each(13, "LW001", PER_OUTPUT(ffId(w, r, o, r.t(0x03, 0x05, 0x04)))),
    each(14, "KOVRAN", PER_OUTPUT(kovran(w, r, o))),
    each(15, "SWITCHER", PER_OUTPUT(switcher(w, r, o)), {.wholeWall = ONCE(switcherAll(w, r))}),
    each(16, "MINGKONG", PER_OUTPUT(bb04(w, r, o, 0x02))),
    each(17, "SL002", PER_OUTPUT(sl002(w, r, o, "("))),
    batch(18, "WP002", PER_ROUTING(
        pairs(w, r, t, {.kindByte = 0xA0, .inputLessOne = false}))),
    each(19, "PESKO", PER_OUTPUT(
        w.write(Frame().b({0xEB, 0x1B, 0x02, 0x02, o - 1, r.input - 1})))),
    each(20, "LW002", PER_OUTPUT(ffId(w, r, o, 0x04)),
         {.afterWalk = settleAfterSeveral}),
    each(21, "ITRON", PER_OUTPUT(itron(w, r, o, "<"))),
    each(22, "EXTRON", PER_OUTPUT(extron(w, r, o, '&'))),
    each(23, "KICON", PER_OUTPUT(kicon(w, r, o))),
    each(24, "QORZ", PER_OUTPUT(qorz(w, r, o))),
    each(25, "ITRON312", PER_OUTPUT(itron(w, r, o, "("))),
    each(26, "KEDI", PER_OUTPUT(
        w.write(Frame().s("*").dec(r.input, 2).b({r.t('N', 'R', 'A')}).dec(o, 2).s("#")))),
    each(27, "SISO", PER_OUTPUT(sisoOnce(w, r, o))),
    each(28, "VYNK", PER_OUTPUT(vynk(w, r, o, "PV", "SV"))),
    each(29, "FST", PER_OUTPUT(
        w.write(Frame().b({0xBB, o, r.input - 1}).sumMasked(0, 2, 0x7F).b({0x99})))),
    each(30, "MVIIBR", PER_OUTPUT(mviibr(w, r, o))),
    each(31, "TAPW", PER_OUTPUT(ffId(w, r, o, 0x05))),
    each(32, "ZD", PER_OUTPUT(zd(w, r, o, "R#"))),
    each(33, "CKDZ", PER_OUTPUT(ffId(w, r, o, r.t(0x09, 0x04, 0x02)))),
    each(34, "CH001", PER_OUTPUT(ch001(w, r, o, 0x03))),
    each(35, "DB", PER_OUTPUT(db(w, r, o))),
    each(36, "CREATEK4", PER_OUTPUT(createk4(w, r, o, r.t(0x04, 0x04, 0x02)))),
    each(37, "HOKUTO", PER_OUTPUT(sisoOnce(w, r, o))),
    each(38, "KEDI1", PER_OUTPUT(kedi1(w, r, o))),
    each(39, "ZC003", PER_OUTPUT(ffId(w, r, o, 0x03)), kV3),
    each(40, "KEDI2", PER_OUTPUT(kedi2(w, r, o, 'V')),
         {.port = PortRule::V3, .walk = {.maxOutput = 16}, .maxInput = 16}),
    each(41, "HVSM", PER_OUTPUT(bb04(w, r, o, r.t(0x01, 0x02, 0x03))), kV3),
    batch(42, "WP003", PER_ROUTING(pairs(w, r, t, {.kindByte = 0xA0, .maxPairs = 20}))),
    each(43, "EXTA", PER_OUTPUT(exta(w, r, o, r.t('G', 'M', 'L'))), kV3),
    each(44, "CK", PER_OUTPUT(ffId(w, r, o, r.t(0x04, 0x03, 0x02)))),
    each(45, "CK1", PER_OUTPUT(ffId(w, r, o, r.t(0x04, 0x03, 0x02)))),
    each(46, "QB", PER_OUTPUT(qb(w, r, o, r.t('S', 'G', 'G'))), kV3),
    each(47, "PROV", PER_OUTPUT(prov(w, r, o, r.t(0xA0, 0xA0, 0xA3))), kV3),
    each(48, "ODIN", PER_OUTPUT(ch001(w, r, o, r.id))),
    each(49, "TECH", PER_OUTPUT(tech(w, r, o))),
    each(50, "SFLAG", PER_OUTPUT(sflag(w, r, o, 0xF9)), kV3),
    each(51, "HYK", PER_OUTPUT(hyk(w, r, o, 0xA1)), kV3),
    each(52, "CREATEK5", PER_OUTPUT(
        w.write(Frame().dec(r.input).b({r.t('B', 'V', 'A')}).dec(o).s("."))), kV3),
    each(53, "SISO2", PER_OUTPUT(sisoOnce(w, r, o))),
    each(54, "SMTH4", PER_OUTPUT(smth4(w, r, o)), kV3),
    each(55, "HXD2", PER_OUTPUT(bb04(w, r, o, r.t(0x01, 0x02, 0x03))), kV3),
    each(56, "SMTH5", PER_OUTPUT(
        w.write(Frame().dec(r.id, 2).s("V").dec(r.input, 2).s("V").dec(o, 2))),
         {.walk = {.maxOutput = 99}, .maxInput = 99}),
    batch(57, "WP001", PER_ROUTING(zrq002(w, r, t, 0x96))),
    batch(58, "XZ001", PER_ROUTING(zrq002(w, r, t, 0xBA))),
    each(59, "QJ", PER_OUTPUT(ffId(w, r, o, r.t(0x03, 0x05, 0x04)))),
    batch(60, "ZRQ001_VR", PER_ROUTING(zrq(w, r, t, 0xA4))),
    each(61, "AC_VR", PER_OUTPUT(ac(w, r, o, 'R')), {.first = ONCE(acOpen(w))}),
    each(62, "AC002_VR", PER_OUTPUT(ac002(w, r, o, 'R'))),
    each(63, "Erton", PER_OUTPUT(
        w.write(Frame().b({r.t('B', 'V', 'A')}).dec(o, 2).dec(r.input, 2))),
         {.walk = {.maxOutput = 99}, .maxInput = 99}),
    each(64, "AC002", PER_OUTPUT(ac002(w, r, o, 'G'))),
    each(65, "CKDZ2", PER_OUTPUT(ffId(w, r, o, r.t(0x04, 0x04, 0x02)))),
    each(66, "ACV", PER_OUTPUT(sisoOnce(w, r, o))),
    batch(67, "RUMBQ", rumbq),
    each(68, "HOKUTO2", PER_OUTPUT(sisoOnce(w, r, o))),
    each(69, "VYNK_VR", PER_OUTPUT(vynk(w, r, o, "PR", "SW"))),
    each(70, "SMTH6", PER_OUTPUT(
        w.write(Frame().s("~").b({r.id, r.input, o, 0x00, 0x0D})))),
    each(71, "XTA001", PER_OUTPUT(vynk(w, r, o, "PV", "SV"))),
};

const MatrixProtocol kDviProtocols[] = {
    notUsed(),
    batch(1, "ZRQ001", PER_ROUTING(zrq(w, r, t, 0xA5))),
    each(2, "DVI001", PER_OUTPUT(
        const int d = '0' + mod(r.id, 10);
        w.write(Frame().dec(r.input).s(",").dec(o).s(",").b({d}).s(",D,V"));
        w.delay();
        w.write(Frame().dec(o).s(",").dec(r.input).s(",").b({d}).s(",D,Z")))),
    each(3, "LKV344", PER_OUTPUT(fourByFour(w, r, o, true, 3)),
         {.walk = {.maxOutput = 4}, .maxInput = 4}),
    each(4, "CKDZ", PER_OUTPUT(ffId(w, r, o, 0x09))),
    each(5, "HDMI0808", PER_OUTPUT(w.write(Frame().b({0xBB, 0x00, r.input - 1, o - 1})))),
    each(6, "MVIIBR", PER_OUTPUT(mviibr(w, r, o))),
    each(7, "CH001", PER_OUTPUT(ch001(w, r, o, 0x01))),
    each(8, "ATYC", PER_OUTPUT(
        w.write(Frame().b({0xFF, 0xAA, 0x05, r.input - 1, o - 1}).s("<")))),
    each(9, "PROV", PER_OUTPUT(prov(w, r, o, r.t(0xAF, 0xA5, 0xA6)))),
    each(10, "ODIN", PER_OUTPUT(ch001(w, r, o, r.id))),
    each(11, "SFLAG", PER_OUTPUT(sflag(w, r, o, 0xD9))),
    each(12, "IDOT", PER_OUTPUT(fourByFour(w, r, o, false, 1)),
         {.port = PortRule::D2, .walk = {.maxOutput = 4}, .maxInput = 4}),
    each(13, "SMTH3", PER_OUTPUT(smth3Key(w, r, 61); smth3Digits(w, r, o); smth3Key(w, r, 76)),
         {.port = PortRule::D2, .walk = {.everyScreen = true}, .ownPauses = true,
          .first = ONCE(smth3Key(w, r, 73); smth3Digits(w, r, r.input); smth3Key(w, r, 76))}),
    each(14, "JKJS", PER_OUTPUT(
        w.write(Frame().s("#A").b({0x00, 0x03, 0x04, o - 1, r.input - 1}).s("V").b({0xFF})))),
    batch(15, "HDMx", PER_ROUTING(writeEach(w, list(r, 'X', t, {.separator = '&'})))),
    each(16, "EXTRON", PER_OUTPUT(extron(w, r, o, '%'))),
    batch(17, "CREATEK", createk),
    each(18, "YD4x4", PER_OUTPUT(
        w.write(Frame().b({0x7E, 0x06, 0x3F, 0x01, 0xFF, 0x30,
                           16 * (r.input - 1) + ((o - 1) & 0x0F), 0x7F})))),
    batch(19, "CREATEK2", PER_ROUTING(writeEach(
        w, list(r, char(r.t('B', 'V', 'A')), t, {.separator = '&', .tail = "\r\n"})))),
    each(20, "MAINVAN", PER_OUTPUT(mainvan(w, r, o))),
    each(21, "DB", PER_OUTPUT(db(w, r, o))),
    each(22, "DB002", PER_OUTPUT(db002(w, r, o))),
    each(23, "VYNK", PER_OUTPUT(vynk(w, r, o, "PD", "SW"))),
    each(24, "ITRON", PER_OUTPUT(itron(w, r, o, "<"))),
    each(25, "ZRQ003", PER_OUTPUT(db(w, r, o))),
};

const MatrixProtocol kYuvProtocols[] = {
    notUsed(),
    batch(1, "ZRQ001", PER_ROUTING(zrq(w, r, t, 0xA6))),
    each(2, "MVIIBR", PER_OUTPUT(mviibr(w, r, o))),
};
// clang-format on

#undef PER_OUTPUT
#undef PER_ROUTING
#undef ONCE

constexpr std::array<std::string_view, 15> kAvModels = {
    "4X4",  "8X4",   "8X8",   "16X8",  "16X16", "24X8",  "24X16",  "24X24",
    "32X8", "32X16", "32X32", "64X24", "64X48", "64X64", "128X128"};
constexpr std::array<std::string_view, 17> kVgaModels = {
    "5X2",   "4X4",  "8X2F2", "8X4",   "8X8",   "16X4",  "16X8",  "16X16",  "24X8",
    "24X16", "32X8", "32X16", "32X32", "64X24", "64X48", "64X64", "128X128"};

constexpr std::array<int, 15> kAvModelCodes = {0x71, 0x44, 0x43, 0x33, 0x32, 0x90, 0x90, 0x90,
                                               0x92, 0x36, 0x37, 0x37, 0x37, 0x37, 0x37};
constexpr std::array<int, 17> kVgaModelCodes = {0x50, 0x50, 0x49, 0x51, 0x52, 0x20,
                                                0x62, 0x63, 0x73, 0x73, 0x34, 0x73,
                                                0x74, 0x74, 0x74, 0x74, 0x74};
constexpr std::array<int, 17> kVgaSecondModelCodes = {0x47, 0x47, 0x45, 0x45, 0x40, 0xF6,
                                                      0xF6, 0x54, 0x61, 0x61, 0x61, 0x61,
                                                      0x60, 0x60, 0x60, 0x60, 0x60};

// Pair (O, I) at offset 8 (O - 1) + 2 (I - 1).
constexpr std::string_view kFourByFourCodes = "091D1F0D171259085E06050318440F51";

template <std::size_t N> std::optional<int> lookup(const std::array<int, N>& table, int index) {
    if (index < 0 || index >= int(N))
        return std::nullopt;
    return table[size_t(index)];
}

} // namespace

QByteArray mainvanFrame(int input, int output) {
    return Frame().b({0xF4, input, 0x21, output, 0x00, input < 256 ? 0x00 : 0x21}).sum(1, 5).data();
}

std::span<const MatrixProtocol> matrixProtocols(MatrixKind kind) {
    switch (kind) {
    case MatrixKind::AV:
        return kAvProtocols;
    case MatrixKind::VGA:
        return kVgaProtocols;
    case MatrixKind::DVI:
        return kDviProtocols;
    case MatrixKind::YUV:
        break;
    }
    return kYuvProtocols;
}

const MatrixProtocol* findMatrixProtocol(MatrixKind kind, int index) {
    const std::span<const MatrixProtocol> list = matrixProtocols(kind);
    if (index <= 0 || index >= int(list.size()))
        return nullptr;
    return &list[size_t(index)];
}

PortRule portRule(MatrixKind kind, const MatrixProtocol& protocol) {
    return protocol.notes.port.value_or(defaultPortRule(kind));
}

std::optional<int> triolionModelCode(MatrixKind kind, int sourceCode, int model) {
    if (kind == MatrixKind::AV)
        return lookup(kAvModelCodes, model);
    if (kind == MatrixKind::VGA)
        return lookup(sourceCode == 1 ? kVgaSecondModelCodes : kVgaModelCodes, model);
    return std::nullopt;
}

std::span<const std::string_view> matrixModelNames(MatrixKind kind) {
    if (kind == MatrixKind::AV)
        return kAvModels;
    if (kind == MatrixKind::VGA)
        return kVgaModels;
    return {};
}

int matrixModelInputs(MatrixKind kind, int model) {
    const std::span<const std::string_view> names = matrixModelNames(kind);
    if (model < 0 || model >= int(names.size()))
        return 0;
    const std::string_view name = names[size_t(model)];
    return QByteArrayView(name.substr(0, name.find('X'))).toInt();
}

QByteArrayView fourByFourCode(int output, int input) {
    if (output < 1 || output > 4 || input < 1 || input > 4)
        return {};
    return QByteArrayView(kFourByFourCodes.data() + 8 * (output - 1) + 2 * (input - 1), 2);
}

} // namespace wall
