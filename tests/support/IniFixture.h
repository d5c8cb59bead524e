#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace wall::test {

// A temporary folder with a Setting.ini the test writes byte for byte.
class IniFixture : public ::testing::Test {
protected:
    QString path() const { return dir_.filePath(QStringLiteral("Setting.ini")); }
    QString dirPath() const { return dir_.path(); }
    void writeFile(const QByteArray& content) const;
    QByteArray readFile() const;
    bool fileExists() const;

private:
    QTemporaryDir dir_;
};

} // namespace wall::test
