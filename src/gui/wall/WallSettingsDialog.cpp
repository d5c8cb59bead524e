#include "WallSettingsDialog.h"

#include "app/Console.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace wall {

WallSettingsDialog::WallSettingsDialog(Console& console, QWidget* parent)
    : QDialog(parent), console_(console), rows_(new QComboBox(this)), cols_(new QComboBox(this)),
      rowsLabel_(new QLabel(this)), colsLabel_(new QLabel(this)), ok_(new QPushButton(this)) {
    setObjectName(QStringLiteral("Form4"));
    rows_->setObjectName(QStringLiteral("ComboBox1"));
    cols_->setObjectName(QStringLiteral("ComboBox2"));
    ok_->setObjectName(QStringLiteral("BitBtn1"));
    for (int n = 1; n <= kMaxWallSide; ++n) {
        rows_->addItem(QString::number(n));
        cols_->addItem(QString::number(n));
    }
    // The lists show the size the wall had when the dialog was created.
    rows_->setCurrentIndex(console.grid().rows() - 1);
    cols_->setCurrentIndex(console.grid().cols() - 1);

    auto* layout = new QGridLayout(this);
    layout->addWidget(rowsLabel_, 0, 0);
    layout->addWidget(rows_, 0, 1);
    layout->addWidget(colsLabel_, 1, 0);
    layout->addWidget(cols_, 1, 1);
    layout->addWidget(ok_, 2, 0, 1, 2, Qt::AlignCenter);
    connect(ok_, &QPushButton::clicked, this, &WallSettingsDialog::suitempBitBtn1Click);
    retranslate();
}

void WallSettingsDialog::suitempBitBtn1Click() {
    if (console_.reading())
        return; // a read in progress addresses the screens of the present size
    console_.setWallSize(rows_->currentIndex() + 1, cols_->currentIndex() + 1);
    Q_EMIT wallResized();
    close();
}

void WallSettingsDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void WallSettingsDialog::retranslate() {
    setWindowTitle(tr("幕墙设置"));
    rowsLabel_->setText(tr("垂直单元总数"));
    colsLabel_->setText(tr("水平单元总数"));
    ok_->setText(tr("确   定"));
}

} // namespace wall
