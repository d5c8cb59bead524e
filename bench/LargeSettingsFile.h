#pragma once

// The largest file a console writes: a 30 x 30 wall with all 48 plans saved
// (about 250,000 keys), for the benchmarks of what works on it.
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

namespace wall::bench {

inline constexpr int kScreens = 900;
inline constexpr int kPlans = 48;
inline constexpr int kTargetKeys = 250000;

inline QByteArray largeSettingsFile() {
    QByteArray text;
    text.reserve(8 * 1024 * 1024);
    int keys = 0;
    auto key = [&](const QByteArray& name, int value) {
        text += name + '=' + QByteArray::number(value) + '\n';
        ++keys;
    };
    text += "[SETTING]\n";
    key("Row", 30);
    key("Col", 30);
    text += "[Unit1]\n";
    for (int n = 0; n < kScreens; ++n)
        key("Source" + QByteArray::number(n), 2);
    for (int i = 0; i < kPlans; ++i)
        for (int n = 0; n < kScreens; ++n)
            key("SrcMode" + QByteArray::number(i) + "Source" + QByteArray::number(n), 10);
    text += "[Matrix]\n";
    const char* kinds[] = {"AV", "VGA", "DVI", "YUV"};
    for (const char* kind : kinds)
        for (int n = 0; n < kScreens; ++n)
            key(QByteArray("Matrix_") + kind + "_OutputStr" + QByteArray::number(n), n + 1);
    for (int i = 0; i < kPlans; ++i)
        for (const char* kind : kinds)
            for (int n = 0; n < kScreens; ++n)
                key("Wall_Mode" + QByteArray::number(i) + "Matrix_" + kind + "_InputStr" +
                        QByteArray::number(n),
                    n % 16 + 1);
    text += "[WallColor]\n";
    for (int c = 0; c < 30; ++c)
        for (int r = 0; r < 30; ++r)
            key("H" + QByteArray::number(c) + "V" + QByteArray::number(r), 16777215);
    text += "[Wall]\n";
    for (int i = 0; i < kPlans; ++i)
        key("Wall_Mode" + QByteArray::number(i) + "_En", 1);
    text += "[WallPop]\n";
    for (int n = 0; keys < kTargetKeys; ++n)
        key(QByteArray::number(n / 9) + "PopField" + QByteArray::number(n % 9), n);
    return text;
}

struct LargeFile {
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }
    QString fresh(const char* name) const {
        static const QByteArray content = largeSettingsFile();
        QFile f(path(name));
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(content);
        return path(name);
    }
};

} // namespace wall::bench
