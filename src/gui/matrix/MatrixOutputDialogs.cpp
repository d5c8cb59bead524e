#include "MatrixOutputDialogs.h"

#include "app/Console.h"
#include "app/Modal.h"
#include "matrix/MatrixSetup.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace wall {

namespace {

constexpr int kVisibleOutputs = 20;

// Fills a list with the output items in the console's language, keeping its
// chosen item.
void fillOutputs(QComboBox* box, int outputs, bool padded, bool english) {
    const int chosen = std::max(box->currentIndex(), 0);
    box->clear();
    box->addItems(matrixOutputItems(outputs, padded, english));
    box->setCurrentIndex(std::min(chosen, box->count() - 1));
}

void refuseEdit(QWidget* parent, const QString& title, bool english) {
    Modal::message(parent, Modal::Icon::Plain, title,
                   english ? QStringLiteral("This screen's outputs cannot be set.")
                           : QStringLiteral("无法设置此屏的矩阵输出。"));
}

} // namespace

MatrixOutputDialog::MatrixOutputDialog(Console& console, QWidget* parent)
    : QDialog(parent), console_(console), label_(new QLabel(this)), outputs_(new QComboBox(this)),
      ok_(new QPushButton(this)), cancel_(new QPushButton(this)) {
    setObjectName(QStringLiteral("Form19"));
    setWindowModality(Qt::ApplicationModal);
    label_->setObjectName(QStringLiteral("suitempLabel1"));
    outputs_->setObjectName(QStringLiteral("ComboBox1"));
    ok_->setObjectName(QStringLiteral("suitempBitBtn1"));
    cancel_->setObjectName(QStringLiteral("suitempBitBtn2"));
    outputs_->setMaxVisibleItems(kVisibleOutputs);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(outputs_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);
    connect(ok_, &QPushButton::clicked, this, &MatrixOutputDialog::suitempBitBtn1Click);
    connect(cancel_, &QPushButton::clicked, this, &MatrixOutputDialog::suitempBitBtn2Click);
    retranslate();
}

void MatrixOutputDialog::edit(MatrixTable& map, MatrixKind kind, int screen) {
    map_ = &map;
    kind_ = kind;
    screen_ = screen;
    show();
    raise();
    activateWindow();
}

void MatrixOutputDialog::suitempBitBtn1Click() {
    const int chosen[] = {std::max(outputs_->currentIndex(), 0)};
    if (!map_ ||
        !setScreenOutputs(*map_, kind_, console_.state().settings.BoardSel, screen_, chosen)) {
        refuseEdit(this, tr("错误提示"), console_.english());
        return;
    }
    Q_EMIT outputsChosen();
    close();
}

void MatrixOutputDialog::suitempBitBtn2Click() {
    close();
}

void MatrixOutputDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void MatrixOutputDialog::retranslate() {
    setWindowTitle(tr("矩阵输出选择"));
    label_->setText(tr("选择此屏对应的矩阵输出"));
    ok_->setText(tr("确  定"));
    cancel_->setText(tr("取  消"));
    // The output names are the switcher's own: "不接矩阵", "矩阵输出n".
    fillOutputs(outputs_, kScreenOutputChoices, true, false);
}

PictureOutputDialog::PictureOutputDialog(Console& console, QWidget* parent)
    : QDialog(parent), console_(console), group_(new QGroupBox(this)), ok_(new QPushButton(this)),
      cancel_(new QPushButton(this)) {
    setObjectName(QStringLiteral("Form34"));
    setWindowModality(Qt::ApplicationModal);
    group_->setObjectName(QStringLiteral("suiGroupBox1"));
    ok_->setObjectName(QStringLiteral("suiButton1"));
    cancel_->setObjectName(QStringLiteral("suiButton2"));

    // One row per picture: its label "AV1" … "AV4" and its output list.
    auto* rows = new QFormLayout(group_);
    for (int p = 0; p < kAvPicturesOnBoard8; ++p) {
        auto* label = new QLabel(QStringLiteral("AV%1").arg(p + 1), group_);
        label->setObjectName(QStringLiteral("suiLabel%1").arg(p + 1));
        auto* box = new QComboBox(group_);
        box->setObjectName(QStringLiteral("suiComboBox%1").arg(p + 1));
        box->setMaxVisibleItems(kVisibleOutputs);
        rows->addRow(label, box);
        outputs_[size_t(p)] = box;
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);
    connect(ok_, &QPushButton::clicked, this, &PictureOutputDialog::suiButton1Click);
    connect(cancel_, &QPushButton::clicked, this, &PictureOutputDialog::suiButton2Click);
    retranslate();
}

void PictureOutputDialog::edit(MatrixTable& avMap, int screen) {
    map_ = &avMap;
    screen_ = screen;
    show();
    raise();
    activateWindow();
}

void PictureOutputDialog::suiButton1Click() {
    std::array<int, kAvPicturesOnBoard8> chosen{};
    for (int p = 0; p < kAvPicturesOnBoard8; ++p)
        chosen[size_t(p)] = std::max(outputs_[size_t(p)]->currentIndex(), 0);
    // The four pictures are the board-8 layout of the AV map.
    if (!map_ || !setScreenOutputs(*map_, MatrixKind::AV, 8, screen_, chosen)) {
        refuseEdit(this, tr("错误提示"), console_.english());
        return;
    }
    Q_EMIT outputsChosen();
    close();
}

void PictureOutputDialog::suiButton2Click() {
    close();
}

void PictureOutputDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

// The four-picture output window speaks Chinese in either language.
void PictureOutputDialog::retranslate() {
    setWindowTitle(QStringLiteral("矩阵输出选择"));
    group_->setTitle(QStringLiteral("矩阵输出对应设置"));
    ok_->setText(QStringLiteral("确定"));
    cancel_->setText(QStringLiteral("取消"));
    for (QComboBox* box : outputs_)
        fillOutputs(box, kPictureOutputChoices, false, false);
}

} // namespace wall
