#include "IniFixture.h"

#include <QFile>

namespace wall::test {

void IniFixture::writeFile(const QByteArray& content) const {
    QFile f(path());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(content);
}

QByteArray IniFixture::readFile() const {
    QFile f(path());
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

bool IniFixture::fileExists() const {
    return QFile::exists(path());
}

} // namespace wall::test
