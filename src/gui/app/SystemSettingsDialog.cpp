#include "SystemSettingsDialog.h"

#include "app/Access.h"
#include "app/Console.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace wall {

namespace {

// What a delay box takes from the keyboard: digits and backspace. Keys that
// type nothing, the dialog's own keys and editing shortcuts pass; whatever
// they bring in (a paste) is cleaned by the change handler.
bool delayKeyAccepted(const QKeyEvent& key) {
    switch (key.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        return true;
    default:
        break;
    }
    if (key.modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return true;
    const QString text = key.text();
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

void refill(QComboBox* box, const QStringList& items) {
    const int index = box->currentIndex();
    box->clear();
    box->addItems(items);
    box->setCurrentIndex(index);
}

} // namespace

SystemSettingsDialog::SystemSettingsDialog(Console& console, QWidget* parent)
    : QDialog(parent), console_(console), formatLabel_(new QLabel(this)),
      orderLabel_(new QLabel(this)), format_(new QComboBox(this)), order_(new QComboBox(this)),
      ok_(new QPushButton(this)), cancel_(new QPushButton(this)) {
    setObjectName(QStringLiteral("Form9"));
    auto* layout = new QGridLayout(this);
    for (int i = 0; i < DelayCount; ++i) {
        edits_[size_t(i)] = new QLineEdit(this);
        captions_[size_t(i)] = new QLabel(this);
        units_[size_t(i)] = new QLabel(QStringLiteral("* 10 (ms)"), this);
        edits_[size_t(i)]->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        captions_[size_t(i)]->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        units_[size_t(i)]->setObjectName(QStringLiteral("Label%1").arg(i + 4));
        edits_[size_t(i)]->installEventFilter(this);
        layout->addWidget(captions_[size_t(i)], i, 0);
        layout->addWidget(edits_[size_t(i)], i, 1);
        layout->addWidget(units_[size_t(i)], i, 2);
        connect(edits_[size_t(i)], &QLineEdit::textChanged, this,
                [this, i] { delayEdited(Delay(i)); });
    }
    formatLabel_->setObjectName(QStringLiteral("Label7"));
    orderLabel_->setObjectName(QStringLiteral("Label8"));
    format_->setObjectName(QStringLiteral("suiComboBox1"));
    order_->setObjectName(QStringLiteral("suiComboBox2"));
    layout->addWidget(formatLabel_, 3, 0);
    layout->addWidget(format_, 3, 1, 1, 2);
    layout->addWidget(orderLabel_, 4, 0);
    layout->addWidget(order_, 4, 1, 1, 2);

    for (size_t i = 0; i < options_.size(); ++i) {
        options_[i] = new QCheckBox(this);
        options_[i]->setObjectName(QStringLiteral("suiCheckBox%1").arg(i + 1));
        layout->addWidget(options_[i], 5 + int(i), 0, 1, 3);
    }
    // Roaming is chosen by the board, not here.
    options_[3]->setVisible(false);
    options_[3]->setEnabled(false);
    // Clicks, not toggles: filling the boxes in loadFields() writes nothing.
    connect(options_[0], &QCheckBox::clicked, this, &SystemSettingsDialog::suiCheckBox1Click);
    connect(options_[1], &QCheckBox::clicked, this, &SystemSettingsDialog::suiCheckBox2Click);
    connect(options_[2], &QCheckBox::clicked, this, &SystemSettingsDialog::suiCheckBox3Click);
    connect(options_[3], &QCheckBox::clicked, this, &SystemSettingsDialog::suiCheckBox4Click);

    ok_->setObjectName(QStringLiteral("BitBtn1"));
    cancel_->setObjectName(QStringLiteral("BitBtn2"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons, 9, 0, 1, 3);
    connect(ok_, &QPushButton::clicked, this, &SystemSettingsDialog::BitBtn1Click);
    connect(cancel_, &QPushButton::clicked, this, &SystemSettingsDialog::BitBtn2Click);

    retranslate();
    loadFields();
}

void SystemSettingsDialog::loadFields() {
    const GlobalSettings& g = console_.state().settings;
    options_[0]->setChecked(g.AutoPowerOn != 0);
    options_[1]->setChecked(g.bLogin != 0);
    options_[2]->setChecked(g.bReadEn != 0);
    options_[3]->setChecked(g.bManYou != 0);
    // Each box goes through its change handler, as typing would, so the
    // held numbers and the matrix-to-wall delay follow the boxes.
    loading_ = true;
    edits_[CmdDelay]->setText(QString::number(g.CmdDelayTime10Ms));
    edits_[PowerDelay]->setText(QString::number(g.PowerDelayTime10Ms));
    edits_[MatrixDelay]->setText(QString::number(g.MatrixToScreenTime));
    loading_ = false;
    // A stored position outside a list leaves it without a selection.
    order_->setCurrentIndex(g.SwitchOrder);
    format_->setCurrentIndex(g.CmdForm);
}

void SystemSettingsDialog::delayEdited(Delay which) {
    if (rewriting_)
        return;
    QLineEdit* edit = edits_[which];
    const DelayEntry entry = readDelayEntry(edit->text());
    if (entry.capped && !loading_)
        QApplication::beep();
    held_[which] = entry.value;
    const QString text = QString::number(entry.value);
    if (edit->text() != text) {
        rewriting_ = true;
        edit->setText(text);
        rewriting_ = false;
    }
    if (which == MatrixDelay)
        setMatrixToScreenTime(console_, entry.value);
}

bool SystemSettingsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        std::find(edits_.begin(), edits_.end(), watched) != edits_.end() &&
        !delayKeyAccepted(*static_cast<QKeyEvent*>(event))) {
        QApplication::beep();
        return true; // dropped
    }
    return QDialog::eventFilter(watched, event);
}

void SystemSettingsDialog::suiCheckBox1Click() {
    const bool on = options_[0]->isChecked();
    // A start-up list that cannot be changed is not reported.
    setStartWithComputer(on, QCoreApplication::applicationFilePath());
    setSystemOption(console_, SystemOption::AutoPowerOn, on);
}

void SystemSettingsDialog::suiCheckBox2Click() {
    setSystemOption(console_, SystemOption::bLogin, options_[1]->isChecked());
}

void SystemSettingsDialog::suiCheckBox3Click() {
    setSystemOption(console_, SystemOption::bReadEn, options_[2]->isChecked());
    Q_EMIT boardNeedsReapplying();
}

void SystemSettingsDialog::suiCheckBox4Click() {
    setSystemOption(console_, SystemOption::bManYou, options_[3]->isChecked());
    Q_EMIT boardNeedsReapplying();
}

void SystemSettingsDialog::BitBtn1Click() {
    const GlobalSettings& g = console_.state().settings;
    SystemSettingsInput input;
    input.cmdDelayTime10Ms = held_[CmdDelay];
    input.powerDelayTime10Ms = held_[PowerDelay];
    // A list without a selection keeps the value it was loaded with.
    input.cmdForm = format_->currentIndex() >= 0 ? format_->currentIndex() : g.CmdForm;
    input.switchOrder = order_->currentIndex() >= 0 ? order_->currentIndex() : g.SwitchOrder;
    applySystemSettings(console_, input);
    close();
}

void SystemSettingsDialog::BitBtn2Click() {
    close();
}

void SystemSettingsDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void SystemSettingsDialog::retranslate() {
    setWindowTitle(tr("系统设置"));
    captions_[CmdDelay]->setText(tr("数据读取延时时间"));
    captions_[PowerDelay]->setText(tr("智能开机间隔时间"));
    captions_[MatrixDelay]->setText(tr("矩阵控屏延时时间"));
    formatLabel_->setText(tr("控制指令格式"));
    orderLabel_->setText(tr("控制顺序"));
    refill(format_, {tr("7个字节"), tr("8个字节"), tr("9个字节"), tr("10个字节")});
    refill(order_, {tr("先切矩阵再切大屏"), tr("先切大屏再切矩阵")});
    options_[0]->setText(tr("电脑开机时启动软件"));
    options_[1]->setText(tr("软件登录使用密码"));
    options_[2]->setText(tr("使用数据回读功能"));
    options_[3]->setText(tr("使用漫游功能"));
    ok_->setText(tr("确 定"));
    cancel_->setText(tr("取 消"));
}

} // namespace wall
