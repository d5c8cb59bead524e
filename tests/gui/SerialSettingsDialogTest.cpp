#include "ConsoleWindowFixture.h"
#include "support/PtyPair.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

#include <gmock/gmock.h>

using namespace wall;
using namespace wall::test;

namespace {

class SerialSettingsDialogTest : public ConsoleWindowFixture {
protected:
    void openDialog() {
        find<QAction>(QStringLiteral("N7"))->trigger();
        ASSERT_TRUE(window->window(QStringLiteral("Form27"))->isVisible());
    }
    QCheckBox* box(const char* name) {
        return findIn<QCheckBox>(QStringLiteral("Form27"), QLatin1String(name));
    }
    QPushButton* button(const char* name) {
        return findIn<QPushButton>(QStringLiteral("Form27"), QLatin1String(name));
    }
    int portNo(int device) { return console->state().serialDevice(device).portNo; }
};

TEST_F(SerialSettingsDialogTest, ShowingReadsTheFlagsFromTheFileAndEnablesTheTickedButtons) {
    PtyPair pty;
    writeFile("[YbCommDevice1 Com Set]\nPortName=" + pty.slavePath().toUtf8() + "\n");
    start(true);
    // Edited outside the console after start-up: the dialog shows the file.
    writeFile("[YbCommDevice1 Com Set]\nPortName=" + pty.slavePath().toUtf8() +
              "\n[YbCommDevice]\nVGAMatrixUseComOnly=1\nDVIMatrixUseComOnly=1\n");
    openDialog();
    EXPECT_FALSE(box("CheckBox1")->isChecked());
    EXPECT_FALSE(box("CheckBox2")->isChecked());
    EXPECT_TRUE(box("CheckBox3")->isChecked());
    EXPECT_TRUE(box("CheckBox4")->isChecked());
    EXPECT_FALSE(box("CheckBox5")->isChecked());
    EXPECT_FALSE(button("BitBtn2")->isEnabled());
    EXPECT_FALSE(button("BitBtn3")->isEnabled());
    EXPECT_TRUE(button("BitBtn4")->isEnabled());
    EXPECT_TRUE(button("BitBtn7")->isEnabled());
    EXPECT_FALSE(button("BitBtn8")->isEnabled());
    EXPECT_TRUE(button("BitBtn1")->isEnabled());
}

TEST_F(SerialSettingsDialogTest, TickingVgaAloneClosesTheOtherMatrixDevices) {
    PtyPair pty;
    writeFile("[YbCommDevice1 Com Set]\nPortName=" + pty.slavePath().toUtf8() +
              "\n[YbCommDevice2 Com Set]\nPortNo=2\n[YbCommDevice3 Com Set]\nPortNo=3\n"
              "[YbCommDevice4 Com Set]\nPortNo=4\n[YbCommDevice5 Com Set]\nPortNo=5\n");
    start(true);
    messages.clear();
    openDialog();
    box("CheckBox3")->click();
    EXPECT_EQ(portNo(2), 0);
    EXPECT_EQ(portNo(3), 3) << "its own device is left as it is";
    EXPECT_EQ(portNo(4), 0);
    EXPECT_EQ(portNo(5), 0);
    EXPECT_EQ(console->state().routing.vgaMatrixUseComOnly, 1);
    EXPECT_TRUE(button("BitBtn4")->isEnabled());

    box("CheckBox1")->click(); // one port for every matrix clears the kinds
    EXPECT_FALSE(box("CheckBox3")->isChecked());
    EXPECT_EQ(console->state().routing.matrixUseComOnly, 1);
    EXPECT_EQ(console->state().routing.vgaMatrixUseComOnly, 0);
    EXPECT_EQ(portNo(3), 0);
    EXPECT_TRUE(button("BitBtn2")->isEnabled());
    EXPECT_FALSE(button("BitBtn4")->isEnabled());
    box("CheckBox1")->click();
    EXPECT_EQ(portNo(2), 0);
    EXPECT_FALSE(button("BitBtn2")->isEnabled());
}

TEST_F(SerialSettingsDialogTest, SavingWritesPortNumbersAndFlagsAndOpensOnlyUsedDevices) {
    PtyPair pty;
    writeFile("[YbCommDevice1 Com Set]\nPortName=" + pty.slavePath().toUtf8() + "\n");
    start(true);
    messages.clear();
    dialogs.clear();
    openDialog();
    box("CheckBox2")->click(); // AV on its own port; device 2 has PortNo 0
    button("BitBtn6")->click();
    const QByteArray file = readFile();
    EXPECT_THAT(file.toStdString(), testing::HasSubstr("[YbCommDevice3 Com Set]\nPortNo=0\n"));
    EXPECT_THAT(file.toStdString(), testing::HasSubstr("[YbCommDevice]\nMatrixUseComOnly=0\n"
                                                       "AVMatrixUseComOnly=1\n"));
    EXPECT_TRUE(dialogs.isEmpty()) << "no device with PortNo 0 is opened";
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_FALSE(window->window(QStringLiteral("Form27"))->isVisible());
    EXPECT_EQ(window->statusText(2), QStringLiteral("串口状态: 打开"));
}

TEST_F(SerialSettingsDialogTest, AWallLinkThatCannotOpenShowsTheErrorThenTheSettingsDialog) {
    writeFile("[YbCommDevice1 Com Set]\nPortName=/dev/no-such-wall\n");
    // The error box comes before the settings dialog.
    answerDialog = [&](QDialog&) {
        EXPECT_EQ(messages.size(), 1) << "the error text was shown first";
        return int(QDialog::Rejected);
    };
    start(true);
    ASSERT_EQ(messages.size(), 1);
    // Which device, the system's reason, and what to do next.
    EXPECT_EQ(messages.first().title, QStringLiteral("错误提示"));
    EXPECT_THAT(messages.first().text.toStdString(),
                testing::StartsWith("串口设备 1（幕墙）无法打开端口 /dev/no-such-wall：\n"));
    // The system's reason (in Chinese where Qt has it so), once, without the port again.
    EXPECT_FALSE(messages.first().text.section(u'\n', 1, 1).isEmpty());
    EXPECT_FALSE(messages.first().text.section(u'\n', 1, 1).startsWith(u'/'));
    EXPECT_THAT(messages.first().text.toStdString(),
                testing::HasSubstr("请在接下来的串口设置对话框中选择可用的端口"));
    EXPECT_EQ(dialogs, QStringList{QStringLiteral("PortSettingsDialog1")});
    EXPECT_EQ(window->statusText(2), QStringLiteral("串口状态: 打开失败"));

    // Cancelled: the console runs with the link closed; a later save says so.
    messages.clear();
    openDialog();
    button("BitBtn6")->click();
    EXPECT_EQ(window->statusText(2), QStringLiteral("串口状态: 打开失败"));
    window->SetLanguage(1);
    EXPECT_EQ(window->statusText(2), QStringLiteral("Com Satus: failure"));
    EXPECT_EQ(messages.size(), 1) << "the save tried again and said why";
}

TEST_F(SerialSettingsDialogTest, AConfirmedPortDialogOpensTheLinkAndStoresItsSettings) {
    PtyPair pty;
    writeFile("[YbCommDevice1 Com Set]\nPortName=/dev/no-such-wall\n");
    answerDialog = [&](QDialog& d) {
        auto* port = d.findChild<QComboBox*>(QStringLiteral("Port"));
        auto* baud = d.findChild<QComboBox*>(QStringLiteral("Baud"));
        // First a port that fails: the dialog says why and stays open.
        port->setEditText(QStringLiteral("/dev/also-missing"));
        d.accept();
        EXPECT_EQ(d.result(), 0) << "still open";
        port->setEditText(pty.slavePath());
        baud->setCurrentIndex(8); // 19200
        d.accept();
        return d.result();
    };
    start(true);
    ASSERT_EQ(messages.size(), 2) << "the start-up error and the dialog's own";
    EXPECT_THAT(messages[1].text.toStdString(), testing::HasSubstr("/dev/also-missing"));
    EXPECT_TRUE(devices->link(1).isOpen());
    EXPECT_EQ(window->statusText(1), QStringLiteral("波特率: 19200"));
    EXPECT_THAT(
        readFile().toStdString(),
        testing::HasSubstr("[YbCommDevice1 Com Set]\nPortName=" + pty.slavePath().toStdString() +
                           "\nPortNo=1\nBaud=8\nParity=0\nByteSize=8\nStopBits=0\n"
                           "FlowControl=0\nAutoAnswer=0\nInBufSize=8192\nOutBufSize=8192\n"));
}

} // namespace
