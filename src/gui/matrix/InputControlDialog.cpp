#include "InputControlDialog.h"

#include "app/Console.h"
#include "app/Modal.h"
#include "wall/BoardSources.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace wall {

namespace {
// The source list's widths on board 8: whole, or beside the sub-signal list.
constexpr int kSourceListWide = 265;
constexpr int kSourceListNarrow = 105;
constexpr int kQuadItem = 5;
constexpr const char* kSwitchTypeCaptions[3] = {
    QT_TRANSLATE_NOOP("wall::InputControlDialog", "视频+音频"),
    QT_TRANSLATE_NOOP("wall::InputControlDialog", "视频"),
    QT_TRANSLATE_NOOP("wall::InputControlDialog", "音频")};
} // namespace

InputControlDialog::InputControlDialog(Console& console, QWidget* parent)
    : QDialog(parent), console_(console) {
    setObjectName(QStringLiteral("Form14"));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    sourceLabel_ = new QLabel(this);
    sources_ = new QComboBox(this);
    sources_->setObjectName(QStringLiteral("ComboBox18"));
    sources_->setFixedWidth(kSourceListWide);
    subSignal_ = new QComboBox(this);
    subSignal_->setObjectName(QStringLiteral("suiComboBox1"));
    subSignal_->addItems({QStringLiteral("NULL"), QStringLiteral("AV1"), QStringLiteral("AV2"),
                          QStringLiteral("AV3"), QStringLiteral("AV4")});
    subSignal_->setFixedWidth(kSourceListWide - kSourceListNarrow - 6);
    subSignal_->hide();
    auto* sourceRow = new QHBoxLayout;
    sourceRow->addWidget(sources_);
    sourceRow->addWidget(subSignal_);
    sourceRow->addStretch();
    grid->addWidget(sourceLabel_, 0, 0);
    grid->addLayout(sourceRow, 0, 1);

    inputLabel_ = new QLabel(this);
    inputLabel_->setObjectName(QStringLiteral("Label4"));
    grid->addWidget(inputLabel_, 1, 0);
    // One chooser per kind in one place: only the source's kind shows.
    auto* inputRow = new QGridLayout;
    const char* names[kChooserCount] = {"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4"};
    for (int i = 0; i < kChooserCount; ++i) {
        inputs_[size_t(i)] = new QComboBox(this);
        inputs_[size_t(i)]->setObjectName(QLatin1String(names[i]));
        inputs_[size_t(i)]->setFixedWidth(kSourceListWide);
        inputRow->addWidget(inputs_[size_t(i)], 0, 0, Qt::AlignLeft);
        connect(inputs_[size_t(i)], &QComboBox::currentIndexChanged, this, [this, i](int item) {
            if (!filling_ && item >= 0)
                console_.inputRouting().storeInputItem(i, item);
        });
    }
    grid->addLayout(inputRow, 1, 1);
    layout->addLayout(grid);

    auto* checks = new QHBoxLayout;
    singleScreen_ = new QCheckBox(this);
    singleScreen_->setObjectName(QStringLiteral("CheckBox1"));
    useMatrix_ = new QCheckBox(this);
    useMatrix_->setObjectName(QStringLiteral("CheckBox2"));
    checks->addWidget(singleScreen_);
    checks->addWidget(useMatrix_);
    checks->addStretch();
    layout->addLayout(checks);

    switchType_ = new QGroupBox(this);
    switchType_->setObjectName(QStringLiteral("suiRadioGroup1"));
    auto* radios = new QHBoxLayout(switchType_);
    switchButtons_ = new QButtonGroup(this);
    for (int t = 0; t < 3; ++t) {
        switchTypes_[size_t(t)] = new QRadioButton(switchType_);
        radios->addWidget(switchTypes_[size_t(t)]);
        switchButtons_->addButton(switchTypes_[size_t(t)], t);
    }
    layout->addWidget(switchType_);

    auto* buttons = new QHBoxLayout;
    ok_ = new QPushButton(this);
    ok_->setObjectName(QStringLiteral("Button1"));
    cancel_ = new QPushButton(this);
    cancel_->setObjectName(QStringLiteral("Button2"));
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);

    connect(sources_, &QComboBox::currentIndexChanged, this, [this] {
        if (filling_)
            return;
        console_.inputRouting().storeSourceItem(sources_->currentIndex());
        suitempComboBox18Change();
    });
    connect(subSignal_, &QComboBox::currentIndexChanged, this, [this] {
        if (!filling_)
            suitempComboBox18Change();
    });
    connect(singleScreen_, &QCheckBox::clicked, this,
            [this](bool on) { console_.inputRouting().storeSingleScreen(on); });
    connect(useMatrix_, &QCheckBox::clicked, this, [this](bool on) {
        console_.inputRouting().storeMatrixUse(on);
        Q_EMIT matrixUseChanged(on);
        SetMatrixDisplay();
    });
    connect(switchButtons_, &QButtonGroup::idClicked, this,
            [this](int type) { console_.inputRouting().storeSwitchType(type); });
    connect(ok_, &QPushButton::clicked, this, &InputControlDialog::Button1Click);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::close);
    retranslate();
}

void InputControlDialog::SetMatrixControl() {
    const QSignalBlocker quiet(this);
    filling_ = true;
    for (int i = 0; i < kChooserCount; ++i) {
        QComboBox* chooser = inputs_[size_t(i)];
        chooser->clear();
        for (const QString& name : console_.inputRouting().inputItems(chooserMatrixKind(i))) {
            // A long name is shortened in the list; the hint has all of it.
            chooser->addItem(
                chooser->fontMetrics().elidedText(name, Qt::ElideRight, kSourceListWide - 40));
            chooser->setItemData(chooser->count() - 1, name, Qt::ToolTipRole);
        }
    }
    filling_ = false;
}

void InputControlDialog::N16Click() {
    prepare();
    show();
    raise();
    activateWindow();
}

void InputControlDialog::prepare() {
    ConsoleState& s = console_.state();
    if (!s.matrixInputListsCurrent) {
        s.matrixInputListsCurrent = true;
        SetMatrixControl();
    }
    const InputRouting::Stored stored = console_.inputRouting().stored();
    filling_ = true;
    for (int i = 0; i < kChooserCount; ++i)
        inputs_[size_t(i)]->setCurrentIndex(stored.inputItems[size_t(i)]);
    sources_->clear();
    const int board = s.settings.BoardSel;
    for (int code : boardSourceList(board))
        sources_->addItem(boardSourceLongName(board, code), code);
    sources_->setCurrentIndex(
        stored.sourceItem >= 0 && stored.sourceItem < sources_->count() ? stored.sourceItem : 0);
    singleScreen_->setChecked(stored.singleScreen);
    if (QRadioButton* b = switchTypes_.at(size_t(std::clamp(s.settings.matrixSwitchType, 0, 2))))
        b->setChecked(true);
    filling_ = false;
    if (boardEightPictures())
        suitempComboBox18Change();
}

bool InputControlDialog::boardEightPictures() const {
    const ConsoleState& s = console_.state();
    return s.settings.BoardSel == 8 && s.matrix.matrixUse == 1;
}

int InputControlDialog::currentSource() const {
    return sources_->currentData().isValid() ? sources_->currentData().toInt() : kNoSource;
}

void InputControlDialog::SetMatrixDisplay() {
    for (QComboBox* c : inputs_) {
        c->hide();
        c->setEnabled(false);
    }
    inputLabel_->hide();
    switchType_->hide();
    // The window takes the size of what it shows.
    const auto fit = qScopeGuard([this] { adjustSize(); });
    const std::optional<MatrixKind> kind = console_.inputRouting().routedKind(currentSource());
    if (!kind)
        return;
    const bool enabled = console_.state().matrix.matrixUse == 1;
    QComboBox* chooser = inputs_[size_t(chooserOf(*kind))];
    for (QWidget* w : {static_cast<QWidget*>(chooser), static_cast<QWidget*>(inputLabel_),
                       static_cast<QWidget*>(switchType_)}) {
        w->show();
        w->setEnabled(enabled);
    }
}

void InputControlDialog::FormShow() {
    useMatrix_->setChecked(console_.state().matrix.matrixUse == 1);
    SetMatrixDisplay();
}

void InputControlDialog::suitempComboBox18Change() {
    if (boardEightPictures()) {
        const int item = sources_->currentIndex();
        if (item >= 1 && item <= 4) {
            filling_ = true;
            subSignal_->setCurrentIndex(item);
            filling_ = false;
        }
        const bool quad = item == kQuadItem;
        sources_->setFixedWidth(quad ? kSourceListNarrow : kSourceListWide);
        subSignal_->setVisible(quad);
    } else {
        sources_->setFixedWidth(kSourceListWide);
        subSignal_->hide();
    }
    SetMatrixDisplay();
}

void InputControlDialog::Button1Click() {
    RoutingChoice choice;
    choice.sourceCode = currentSource();
    for (int i = 0; i < kChooserCount; ++i)
        choice.inputItems[size_t(i)] = std::max(inputs_[size_t(i)]->currentIndex(), 0);
    choice.singleScreen = singleScreen_->isChecked();
    choice.picture = {sources_->currentIndex(), subSignal_->currentIndex()};
    const CommandResult r = console_.inputRouting().route(choice);
    if (!r.ok) {
        Q_EMIT refused(r.message);
        Modal::message(this, Modal::Icon::Plain, tr("错误提示"), r.message);
        return;
    }
    close();
}

void InputControlDialog::showEvent(QShowEvent* event) {
    if (sources_->count() == 0)
        prepare(); // shown other than through N16Click
    QDialog::showEvent(event);
    FormShow();
    adjustSize();
}

void InputControlDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void InputControlDialog::retranslate() {
    setWindowTitle(tr("输入控制"));
    sourceLabel_->setText(tr("信号源"));
    inputLabel_->setText(tr("矩阵输入"));
    singleScreen_->setText(tr("单屏模式"));
    useMatrix_->setText(tr("使用矩阵"));
    switchType_->setTitle(tr("矩阵切换类型"));
    for (int t = 0; t < 3; ++t)
        switchTypes_[size_t(t)]->setText(tr(kSwitchTypeCaptions[t]));
    ok_->setText(tr("确 定"));
    cancel_->setText(tr("取 消"));
}

} // namespace wall
