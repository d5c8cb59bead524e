#include "MatrixInputNamesDialog.h"

#include "app/Console.h"
#include "app/Modal.h"
#include "matrix/MatrixInputNames.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace wall {

namespace {

// The group caption of each kind; the YUV keys are the YPbPr kind's.
constexpr const char* kKindCaptions[kMatrixKindCount] = {"AV", "VGA", "DVI", "YPbPr"};

// The whole name of an item; its shown text may be shortened.
constexpr int kNameRole = Qt::UserRole;

} // namespace

MatrixInputNamesDialog::MatrixInputNamesDialog(Console& console, QWidget* parent)
    : QDialog(parent), console_(console), group_(new QGroupBox(this)),
      names_(new QComboBox(group_)), edit_(new QLineEdit(group_)), ok_(new QPushButton(this)),
      close_(new QPushButton(this)) {
    setObjectName(QStringLiteral("Form22"));
    group_->setObjectName(QStringLiteral("suitempGroupBox1"));
    names_->setObjectName(QStringLiteral("ComboBox1"));
    edit_->setObjectName(QStringLiteral("Edit1"));
    ok_->setObjectName(QStringLiteral("suitempBitBtn1"));
    close_->setObjectName(QStringLiteral("suitempBitBtn2"));

    // A long name never widens the dialog: the list keeps its own width and
    // shows such names shortened.
    names_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    names_->setMinimumContentsLength(kNameWidthInChars / 2);
    names_->view()->setTextElideMode(Qt::ElideMiddle);
    names_->setMaxVisibleItems(20);
    edit_->setMinimumWidth(names_->sizeHint().width());

    auto* fields = new QVBoxLayout(group_);
    fields->addWidget(names_);
    fields->addWidget(edit_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group_);
    layout->addLayout(buttons);

    connect(names_, &QComboBox::activated, this, &MatrixInputNamesDialog::suitempComboBox1Change);
    connect(ok_, &QPushButton::clicked, this, &MatrixInputNamesDialog::suitempBitBtn1Click);
    connect(close_, &QPushButton::clicked, this, &MatrixInputNamesDialog::suitempBitBtn2Click);
    connect(edit_, &QLineEdit::textChanged, edit_, &QLineEdit::setToolTip);
    retranslate();
    list(MatrixKind::AV);
}

void MatrixInputNamesDialog::openFor(MatrixKind kind) {
    list(kind);
    show();
    raise();
    activateWindow();
}

void MatrixInputNamesDialog::list(MatrixKind kind) {
    kind_ = kind;
    group_->setTitle(QLatin1String(kKindCaptions[size_t(kind)]));
    names_->clear();
    const QStringList names = console_.matrixInputNames().names(kind);
    for (int n = 0; n < names.size(); ++n) {
        names_->addItem(QString());
        setItemName(n, names[n]);
    }
    names_->setCurrentIndex(names_->count() > 0 ? 0 : -1);
    suitempComboBox1Change();
}

QString MatrixInputNamesDialog::itemName(int item) const {
    return names_->itemData(item, kNameRole).toString();
}

void MatrixInputNamesDialog::setItemName(int item, const QString& name) {
    const int width = names_->fontMetrics().averageCharWidth() * kNameWidthInChars;
    names_->setItemText(item, names_->fontMetrics().elidedText(name, Qt::ElideMiddle, width));
    names_->setItemData(item, name, kNameRole);
    names_->setItemData(item, name, Qt::ToolTipRole);
    if (item == names_->currentIndex())
        names_->setToolTip(name);
}

void MatrixInputNamesDialog::suitempComboBox1Change() {
    const int item = names_->currentIndex();
    edit_->setText(item >= 0 ? itemName(item) : QString());
    names_->setToolTip(edit_->text());
}

void MatrixInputNamesDialog::suitempBitBtn1Click() {
    const int item = names_->currentIndex();
    if (item < 0)
        return;
    const QString name = edit_->text();
    const CommandResult r = console_.matrixInputNames().rename(kind_, item, name);
    if (!r.ok) {
        // The typed name stays in the field to be corrected.
        Modal::message(this, Modal::Icon::Plain, tr("错误提示"), r.message);
        return;
    }
    setItemName(item, name);
}

void MatrixInputNamesDialog::suitempBitBtn2Click() {
    close();
}

void MatrixInputNamesDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void MatrixInputNamesDialog::retranslate() {
    setWindowTitle(tr("设置矩阵输入名"));
    ok_->setText(tr("确  认"));
    close_->setText(tr("关  闭"));
}

} // namespace wall
