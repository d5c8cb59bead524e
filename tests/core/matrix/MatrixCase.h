#pragma once

// Protocol cases for the matrix engine: a console on a settings file of the
// case's own, one routing, and the whole trace compared. Expected frames are
// built here from the frame notation (bytes, ASCII text, sums), independently
// of the engine's own builders.

#include "matrix/MatrixProtocol.h"
#include "support/TraceConsoleFixture.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

namespace wall::test {

// Bytes of an expected frame, written the way the protocol tables write them.
class Bytes {
public:
    Bytes() = default;
    // Hex bytes separated by blanks: "FF 07 01".
    explicit Bytes(const char* hexText) { hex(hexText); }

    Bytes& hex(const char* hexText) {
        bytes_.append(QByteArray::fromHex(QByteArray(hexText).replace(' ', "")));
        return *this;
    }
    Bytes& byte(int v) {
        bytes_.append(static_cast<char>(v & 0xFF));
        return *this;
    }
    Bytes& bytes(std::initializer_list<int> vs) {
        for (int v : vs)
            byte(v);
        return *this;
    }
    Bytes& ascii(const std::string& text) {
        bytes_.append(text.data(), qsizetype(text.size()));
        return *this;
    }
    // S[a..b], N[a..b], X[a..b] of the bytes so far.
    int sum(int from, int to) const {
        int s = 0;
        for (int i = from; i <= to; ++i)
            s += at(i);
        return s % 256;
    }
    int neg(int from, int to) const { return (256 - sum(from, to)) % 256; }
    int xorOf(int from, int to) const {
        int x = 0;
        for (int i = from; i <= to; ++i)
            x ^= at(i);
        return x;
    }
    Bytes& appendSum(int from, int to) { return byte(sum(from, to)); }
    Bytes& appendNeg(int from, int to) { return byte(neg(from, to)); }
    Bytes& appendXor(int from, int to) { return byte(xorOf(from, to)); }

    int at(int i) const { return static_cast<unsigned char>(bytes_.at(i)); }
    int size() const { return int(bytes_.size()); }
    const QByteArray& data() const { return bytes_; }

private:
    QByteArray bytes_;
};

// An expected trace, line by line in the recording double's format.
class Trace {
public:
    Trace& write(int device, const Bytes& b) {
        std::string line = "write " + std::to_string(device);
        for (int i = 0; i < b.size(); ++i) {
            static const char digits[] = "0123456789ABCDEF";
            line += ' ';
            line += digits[b.at(i) >> 4];
            line += digits[b.at(i) & 0xF];
        }
        text_ += line + '\n';
        return *this;
    }
    // A pause of 0 ms leaves no line.
    Trace& pause(int ms) {
        if (ms > 0)
            text_ += "pause " + std::to_string(ms) + '\n';
        return *this;
    }
    const std::string& str() const { return text_; }

private:
    std::string text_;
};

// One routing: the settings file, the selection and switch type, the call.
struct MatrixCase {
    std::string name;     // "AV EXTRON", shown when the case fails
    std::string settings; // the whole Setting.ini
    int source = 2;       // SourceCode of the wall input being switched
    int input = 1;
    int address = 1;
    int switchType = 1; // 0 video and audio, 1 video, 2 audio
    Selection selection{0, 0, 0, 0};
    std::string expected; // Trace::str()
};

// One routing of one protocol row: the settings of its kind, the call and the
// trace it must leave. Defaults: a 3 x 3 wall, screen 0 selected (one-to-one
// wiring, so output 1), input 1, address 1, switch type video, delay 100 ms,
// no port flag (device 1).
class Routing {
public:
    Routing(const std::string& label, std::string key, int sourceCode, int company,
            const std::string& name)
        : key_(std::move(key)) {
        case_.name = label + ' ' + std::to_string(company) + ' ' + name;
        case_.source = sourceCode;
        set(key_ + "_Company", company);
    }

    // Tells the row's cases apart in a failure.
    Routing& as(const std::string& what) {
        case_.name += ", " + what;
        return *this;
    }
    Routing& source(int code) {
        case_.source = code;
        return *this;
    }
    Routing& input(int i) {
        case_.input = i;
        return *this;
    }
    Routing& address(int id) {
        case_.address = id;
        return set(key_ + "_ID", id);
    }
    Routing& switchType(int t) {
        case_.switchType = t;
        return *this;
    }
    Routing& grid(int rows, int cols) {
        rows_ = rows;
        cols_ = cols;
        return *this;
    }
    Routing& select(int left, int top, int right, int bottom) {
        case_.selection = {left, top, right, bottom};
        return *this;
    }
    Routing& whole() { return select(0, 0, cols_ - 1, rows_ - 1); }
    Routing& model(int type) { return set(key_ + "_Type", type); }
    Routing& inputs(int count) { return set("Matrix_" + key_ + "_InputMax", count); }
    Routing& delay(int ms) { return set("Matrix_" + key_ + "_DelayTime", ms); }
    // Wires a screen to a matrix output (0: not wired).
    Routing& output(int screen, int o) {
        return set("Matrix_" + key_ + "_OutputStr" + std::to_string(screen), o);
    }
    Routing& flag(const std::string& portFlag) {
        ports_ += portFlag + "=1\n";
        return *this;
    }

    MatrixCase expect(const Trace& trace) const {
        MatrixCase c = case_;
        c.settings = "[SETTING]\nRow=" + std::to_string(rows_) + "\nCol=" + std::to_string(cols_) +
                     "\n[Matrix]\n" + matrix_;
        if (!ports_.empty())
            c.settings += "[YbCommDevice]\n" + ports_;
        c.expected = trace.str();
        return c;
    }
    MatrixCase expect(const std::string& trace) const {
        MatrixCase c = expect(Trace());
        c.expected = trace;
        return c;
    }
    MatrixCase sendsNothing() const { return expect(Trace()); }

private:
    Routing& set(const std::string& key, int value) {
        matrix_ += key + '=' + std::to_string(value) + '\n';
        return *this;
    }

    std::string key_;
    MatrixCase case_;
    int rows_ = 3;
    int cols_ = 3;
    std::string matrix_;
    std::string ports_;
};

inline Routing av(int company, const std::string& name) {
    return Routing("AV", "AV", 2, company, name);
}
inline Routing vga(int company, const std::string& name) {
    return Routing("VGA", "VGA", 0, company, name);
}
inline Routing dvi(int company, const std::string& name) {
    return Routing("DVI", "DVI", 10, company, name);
}
inline Routing ypbpr(int company, const std::string& name) {
    return Routing("YPbPr", "YUV", 8, company, name);
}

class MatrixCaseFixture : public TraceConsoleFixture {
protected:
    void run(const MatrixCase& c) {
        SCOPED_TRACE(c.name);
        load(QByteArray::fromStdString(c.settings));
        ASSERT_TRUE(console->grid().setSelection(c.selection));
        console->state().settings.matrixSwitchType = c.switchType;
        io.clear();
        console->matrixControl(c.source, c.input, c.address);
        EXPECT_EQ(io.text().toStdString(), c.expected);
        expectListedName(c.name);
    }
    // A case named "<kind> <index> <name> …" also checks the name the
    // protocol list shows the operator for that index.
    static void expectListedName(const std::string& caseName) {
        std::istringstream words(caseName);
        std::string kindWord, name;
        int index = -1;
        if (!(words >> kindWord >> index >> name))
            return;
        while (!name.empty() && name.back() == ',')
            name.pop_back();
        const std::pair<const char*, MatrixKind> kinds[] = {{"AV", MatrixKind::AV},
                                                            {"VGA", MatrixKind::VGA},
                                                            {"DVI", MatrixKind::DVI},
                                                            {"YPbPr", MatrixKind::YUV}};
        for (const auto& [word, kind] : kinds)
            if (kindWord == word) {
                const auto list = matrixProtocols(kind);
                ASSERT_LT(index, int(list.size()));
                EXPECT_EQ(std::string(list[size_t(index)].name), name);
                EXPECT_EQ(list[size_t(index)].index, index);
            }
    }
    void runAll(const std::vector<MatrixCase>& cases) {
        for (const MatrixCase& c : cases)
            run(c);
    }
};

} // namespace wall::test
