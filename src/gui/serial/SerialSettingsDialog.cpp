#include "SerialSettingsDialog.h"

#include "app/Console.h"
#include "app/SettingsStore.h"
#include "serial/SerialSetup.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace wall {

namespace {
// Check box and settings button names of the four kinds, AV, VGA, DVI, YPbPr.
constexpr const char* kKindBoxNames[] = {"CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5"};
constexpr const char* kKindButtonNames[] = {"BitBtn3", "BitBtn4", "BitBtn7", "BitBtn8"};
constexpr const char* kKindCaptions[] = {
    QT_TRANSLATE_NOOP("wall::SerialSettingsDialog", "AV矩阵使用独立串口"),
    QT_TRANSLATE_NOOP("wall::SerialSettingsDialog", "VGA矩阵使用独立串口"),
    QT_TRANSLATE_NOOP("wall::SerialSettingsDialog", "DVI矩阵使用独立串口"),
    QT_TRANSLATE_NOOP("wall::SerialSettingsDialog", "YPbPr矩阵使用独立串口"),
};

QPushButton* button(QWidget* parent, const char* name) {
    auto* b = new QPushButton(parent);
    b->setObjectName(QLatin1String(name));
    return b;
}
QCheckBox* box(QWidget* parent, const char* name) {
    auto* b = new QCheckBox(parent);
    b->setObjectName(QLatin1String(name));
    return b;
}
} // namespace

SerialSettingsDialog::SerialSettingsDialog(Console& console, PortSetupUi& ports, QWidget* parent)
    : QDialog(parent), console_(console), ports_(ports), wallLabel_(new QLabel(this)),
      wallButton_(button(this, "BitBtn1")), matrixBox_(box(this, "CheckBox1")),
      matrixButton_(button(this, "BitBtn2")), save_(button(this, "BitBtn6")),
      cancel_(button(this, "BitBtn5")) {
    setObjectName(QStringLiteral("Form27"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(wallLabel_, 0, 0);
    grid->addWidget(wallButton_, 0, 1);
    grid->addWidget(matrixBox_, 1, 0);
    grid->addWidget(matrixButton_, 1, 1);
    for (int k = 0; k < kMatrixKindCount; ++k) {
        kindBoxes_[size_t(k)] = box(this, kKindBoxNames[k]);
        kindButtons_[size_t(k)] = button(this, kKindButtonNames[k]);
        grid->addWidget(kindBoxes_[size_t(k)], k + 2, 0);
        grid->addWidget(kindButtons_[size_t(k)], k + 2, 1);
        const auto kind = static_cast<MatrixKind>(k);
        connect(kindBoxes_[size_t(k)], &QCheckBox::clicked, this,
                [this, kind] { kindBoxClick(kind); });
        connect(kindButtons_[size_t(k)], &QPushButton::clicked, this,
                [this, kind] { settingsButtonClick(separatePortDevice(kind)); });
    }
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save_);
    buttons->addWidget(cancel_);
    grid->addLayout(buttons, kMatrixKindCount + 2, 0, 1, 2);

    connect(wallButton_, &QPushButton::clicked, this, [this] { settingsButtonClick(1); });
    connect(matrixButton_, &QPushButton::clicked, this, [this] { settingsButtonClick(2); });
    connect(matrixBox_, &QCheckBox::clicked, this, &SerialSettingsDialog::CheckBox1Click);
    connect(save_, &QPushButton::clicked, this, &SerialSettingsDialog::BitBtn6Click);
    connect(cancel_, &QPushButton::clicked, this, &SerialSettingsDialog::BitBtn5Click);
    retranslate();
}

void SerialSettingsDialog::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void SerialSettingsDialog::FormShow() {
    // The flags come from the file, not from memory.
    console_.state().routing.load(console_.settings().open());
    showFlags();
}

void SerialSettingsDialog::showFlags() {
    ConsoleState& state = console_.state();
    matrixBox_->setChecked(state.routing.matrixUseComOnly != 0);
    matrixButton_->setEnabled(matrixBox_->isChecked());
    for (int k = 0; k < kMatrixKindCount; ++k) {
        const bool on = kindFlag(state, static_cast<MatrixKind>(k)) != 0;
        kindBoxes_[size_t(k)]->setChecked(on);
        kindButtons_[size_t(k)]->setEnabled(on);
    }
}

void SerialSettingsDialog::settingsButtonClick(int device) {
    SerialSettings& settings = console_.state().serialDevice(device);
    SerialSettings edited = settings;
    if (!ports_.editAndOpen(device, edited))
        return;
    settings = edited;
    SettingsScope ini = console_.settings().open();
    settings.save(ini, device);
}

void SerialSettingsDialog::CheckBox1Click() {
    setMatrixUsesSeparatePort(console_.state(), console_.io(), matrixBox_->isChecked());
    showFlags();
}

void SerialSettingsDialog::kindBoxClick(MatrixKind kind) {
    setKindUsesSeparatePort(console_.state(), console_.io(), kind,
                            kindBoxes_[size_t(kind)]->isChecked());
    showFlags();
}

void SerialSettingsDialog::BitBtn6Click() {
    saveSerialSetup(console_.state(), console_.io(), console_.settings(), ports_);
    Q_EMIT saved();
    close();
}

void SerialSettingsDialog::BitBtn5Click() {
    close();
}

void SerialSettingsDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void SerialSettingsDialog::retranslate() {
    setWindowTitle(tr("串口设置"));
    wallLabel_->setText(tr("大屏幕串口设置"));
    matrixBox_->setText(tr("矩阵使用独立串口"));
    for (QPushButton* b : {wallButton_, matrixButton_})
        b->setText(tr("串口设置"));
    for (int k = 0; k < kMatrixKindCount; ++k) {
        kindBoxes_[size_t(k)]->setText(tr(kKindCaptions[k]));
        kindButtons_[size_t(k)]->setText(tr("串口设置"));
    }
    save_->setText(tr("保  存"));
    cancel_->setText(tr("取  消"));
}

} // namespace wall
