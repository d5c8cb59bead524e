#pragma once

#include "wall/ScreenPacket.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <map>
#include <vector>

namespace wall {

// Display units as the console sees them on the wall link: frames in, the
// units' state changes, read frames answered. Bytes may arrive in any pieces;
// frames are found by their head and tail bytes.
class SimulatedWall {
public:
    struct Unit {
        bool power = true;
        int sourceWire = 12;       // the main source as the units number it (VGA)
        std::map<int, int> values; // parameter -> value
    };

    // The size names the units a whole-wall frame reaches; a frame that
    // addresses units outside it (up to 30 x 30) reaches them too.
    SimulatedWall(int rows, int cols, FrameFormat format);
    // A new size or frame format; every unit keeps its state.
    void reshape(int rows, int cols, FrameFormat format);

    // Takes received bytes; returns the replies, one package each.
    QList<QByteArray> feed(QByteArrayView bytes);

    const Unit& unit(int row, int col) const;
    Unit& unit(int row, int col);
    int rows() const { return rows_; }
    int cols() const { return cols_; }
    FrameFormat format() const { return format_; }

    // One line per decoded frame, for the operator of the simulator.
    const QStringList& log() const { return log_; }
    void clearLog() { log_.clear(); }

    // The value a unit reports for a parameter it was never given.
    static constexpr int kDefaultValue = 50;
    // The slider range the units report with positions and window geometry.
    static constexpr int kSliderMaximum = 100;

private:
    struct Frame {
        int command;
        Selection target;
        int parameter;
        int value;
    };
    bool decode(QByteArrayView bytes, Frame& frame) const;
    QList<QByteArray> apply(const Frame& frame);
    QByteArray reply(int row, int col, int parameter) const;
    int valueOf(const Unit& u, int parameter) const;

    int rows_ = 1;
    int cols_ = 1;
    FrameFormat format_;
    std::vector<Unit> units_; // 30 x 30, row by row
    // The plans the units stored: (unit index × 256 + plan number) → state.
    std::map<int, Unit> storedPlans_;
    QByteArray pending_;
    QStringList log_;
};

} // namespace wall
