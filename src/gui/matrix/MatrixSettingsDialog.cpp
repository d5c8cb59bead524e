#include "MatrixSettingsDialog.h"

#include "app/Console.h"
#include "matrix/MatrixProtocol.h"
#include "matrix/MatrixSetup.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <tuple>

namespace wall {

namespace {

// The pages in kind order, with their component names: protocol, model
// (none on the DVI and YPbPr pages), address, input count, delay.
struct PageNames {
    const char* page;
    const char* caption;
    std::array<const char*, 5> fields;
    const char* inputNames; // the page's "设置矩阵输入名" button
};
constexpr PageNames kPages[kMatrixKindCount] = {
    {"suitempTabSheet1",
     QT_TRANSLATE_NOOP("wall::MatrixSettingsDialog", "AV矩阵"),
     {"suitempComboBox1", "suitempComboBox2", "suitempComboBox3", "suitempComboBox4",
      "suitempComboBox5"},
     "suitempBitBtn3"},
    {"suitempTabSheet2",
     QT_TRANSLATE_NOOP("wall::MatrixSettingsDialog", "VGA矩阵"),
     {"suitempComboBox7", "suitempComboBox8", "suitempComboBox9", "suitempComboBox10",
      "suitempComboBox11"},
     "suitempBitBtn4"},
    {"suitempTabSheet3",
     QT_TRANSLATE_NOOP("wall::MatrixSettingsDialog", "DVI矩阵"),
     {"suitempComboBox12", nullptr, "suitempComboBox13", "suitempComboBox14", "suitempComboBox15"},
     "suitempBitBtn5"},
    {"suitempTabSheet4",
     QT_TRANSLATE_NOOP("wall::MatrixSettingsDialog", "YPbPr矩阵"),
     {"suiComboBox1", nullptr, "suiComboBox2", "suiComboBox3", "suiComboBox4"},
     "suiButton1"},
};

constexpr const char* kFieldCaptions[5] = {
    QT_TRANSLATE_NOOP("wall::MatrixSettingsDialog", "矩阵厂家"),
    QT_TRANSLATE_NOOP("wall::MatrixSettingsDialog", "矩阵型号"),
    QT_TRANSLATE_NOOP("wall::MatrixSettingsDialog", "设备地址"),
    QT_TRANSLATE_NOOP("wall::MatrixSettingsDialog", "输入总数"),
    QT_TRANSLATE_NOOP("wall::MatrixSettingsDialog", "命令延时"),
};

constexpr int kAddressCount = 256;

// Shows a stored value's item, or none when the list has no such item: the
// value itself stays as it is until the operator chooses.
void showItem(QComboBox* box, int item) {
    box->setCurrentIndex(item >= 0 && item < box->count() ? item : -1);
}

} // namespace

MatrixSettingsDialog::MatrixSettingsDialog(Console& console, QWidget* parent)
    : QDialog(parent), console_(console), setup_(std::make_unique<MatrixSetup>()),
      pageControl_(new QTabWidget(this)), diagram_(new QGroupBox(this)),
      diagramKindLabel_(new QLabel(this)), diagramKind_(new QComboBox(this)),
      grid_(new QTableWidget(diagram_)), oneToOne_(new QPushButton(this)),
      cancelAll_(new QPushButton(this)), ok_(new QPushButton(this)), close_(new QPushButton(this)) {
    setObjectName(QStringLiteral("Form10"));
    pageControl_->setObjectName(QStringLiteral("suitempPageControl1"));
    diagram_->setObjectName(QStringLiteral("suitempGroupBox1"));
    diagramKind_->setObjectName(QStringLiteral("ComboBox6"));
    diagramKindLabel_->setObjectName(QStringLiteral("suitempLabel1"));
    grid_->setObjectName(QStringLiteral("suitempStringGrid1"));
    oneToOne_->setObjectName(QStringLiteral("suitempBitBtn1"));
    cancelAll_->setObjectName(QStringLiteral("suitempBitBtn2"));
    ok_->setObjectName(QStringLiteral("suitempButton2"));
    close_->setObjectName(QStringLiteral("suitempButton3"));

    for (int k = 0; k < kMatrixKindCount; ++k)
        buildPage(static_cast<MatrixKind>(k));
    // The VGA, DVI and YPbPr switchers are set in Setting.ini only: their
    // pages show the settings but take no input.
    for (int k = 1; k < kMatrixKindCount; ++k)
        pages_[size_t(k)].page->setEnabled(false);

    diagramKind_->addItems({QStringLiteral("AV"), QStringLiteral("VGA"), QStringLiteral("DVI"),
                            QStringLiteral("YPbPr")});
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    // The cells share the whole grid between them, whatever the wall's size.
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid_->horizontalHeader()->setMinimumSectionSize(1);
    grid_->verticalHeader()->setMinimumSectionSize(1);
    // All four pages' tabs stay in view: the page control is as wide as they are.
    pageControl_->setUsesScrollButtons(false);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setMinimumSize(360, 240);

    auto* diagramLayout = new QVBoxLayout(diagram_);
    auto* kindRow = new QHBoxLayout;
    kindRow->addWidget(diagramKindLabel_);
    kindRow->addWidget(diagramKind_);
    kindRow->addStretch();
    diagramLayout->addLayout(kindRow);
    diagramLayout->addWidget(grid_);
    auto* wiringButtons = new QHBoxLayout;
    wiringButtons->addWidget(oneToOne_);
    wiringButtons->addWidget(cancelAll_);
    diagramLayout->addLayout(wiringButtons);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(close_);
    auto* layout = new QGridLayout(this);
    layout->addWidget(pageControl_, 0, 0);
    layout->addWidget(diagram_, 0, 1);
    layout->addLayout(buttons, 1, 0, 1, 2);

    connect(pageControl_, &QTabWidget::currentChanged, this,
            &MatrixSettingsDialog::suitempPageControl1Change);
    connect(diagramKind_, &QComboBox::activated, this,
            &MatrixSettingsDialog::suitempComboBox6Change);
    connect(grid_, &QTableWidget::cellDoubleClicked, this,
            &MatrixSettingsDialog::suitempStringGrid1DblClick);
    connect(oneToOne_, &QPushButton::clicked, this, &MatrixSettingsDialog::suitempBitBtn1Click);
    connect(cancelAll_, &QPushButton::clicked, this, &MatrixSettingsDialog::suitempBitBtn2Click);
    connect(ok_, &QPushButton::clicked, this, &MatrixSettingsDialog::suitempButton2Click);
    connect(close_, &QPushButton::clicked, this, &MatrixSettingsDialog::suitempButton3Click);

    setup_->outputMap = console_.state().matrix.outputMap;
    loadFields();
    retranslate();
}

MatrixSettingsDialog::~MatrixSettingsDialog() = default;

void MatrixSettingsDialog::buildPage(MatrixKind kind) {
    const PageNames& names = kPages[size_t(kind)];
    Page& p = pages_[size_t(kind)];
    p.page = new QWidget(pageControl_);
    p.page->setObjectName(QLatin1String(names.page));
    pageControl_->addTab(p.page, QString());
    auto* form = new QFormLayout(p.page);
    std::array<QComboBox**, 5> fields = {&p.protocol, &p.model, &p.address, &p.inputs, &p.delay};
    for (int f = 0; f < 5; ++f) {
        p.labels[size_t(f)] = new QLabel(p.page);
        if (!names.fields[size_t(f)]) {
            p.labels[size_t(f)]->hide();
            continue;
        }
        auto* box = new QComboBox(p.page);
        box->setObjectName(QLatin1String(names.fields[size_t(f)]));
        *fields[size_t(f)] = box;
        form->addRow(p.labels[size_t(f)], box);
    }
    p.inputNames = new QPushButton(p.page);
    p.inputNames->setObjectName(QLatin1String(names.inputNames));
    form->addRow(p.inputNames);
    connect(p.inputNames, &QPushButton::clicked, this, [this, kind] { inputNamesClick(kind); });

    for (const MatrixProtocol& protocol : matrixProtocols(kind))
        p.protocol->addItem(QString::fromLatin1(protocol.name));
    if (p.model)
        for (std::string_view model : matrixModelNames(kind))
            p.model->addItem(QString::fromLatin1(model));
    for (int id = 0; id < kAddressCount; ++id)
        p.address->addItem(QString::number(id));
    for (int n = 1; n <= kMaxMatrixInputs; ++n)
        p.inputs->addItem(QString::number(n));
    for (int ms : matrixDelayChoices(kind))
        p.delay->addItem(matrixDelayLabel(ms));

    // Only the operator's choices change the values; showing them does not.
    MatrixSettings& s = setup_->kinds[size_t(kind)];
    connect(p.protocol, &QComboBox::activated, this, [this, kind, &s](int item) {
        s.company = item;
        protocolChanged(kind);
    });
    if (p.model)
        connect(p.model, &QComboBox::activated, this, [&s](int item) { s.type = item; });
    connect(p.address, &QComboBox::activated, this, [&s](int item) { s.id = item; });
    connect(p.inputs, &QComboBox::activated, this, [&s](int item) { s.inputMax = item + 1; });
    connect(p.delay, &QComboBox::activated, this,
            [kind, &s](int item) { s.delayTime = matrixDelayChoices(kind)[size_t(item)]; });
}

void MatrixSettingsDialog::loadFields() {
    setup_->kinds = console_.state().matrix.kinds;
    for (int k = 0; k < kMatrixKindCount; ++k)
        showFields(static_cast<MatrixKind>(k));
}

void MatrixSettingsDialog::showFields(MatrixKind kind) {
    const Page& p = pages_[size_t(kind)];
    const MatrixSettings& s = setup_->kinds[size_t(kind)];
    showItem(p.protocol, s.company);
    if (p.model)
        showItem(p.model, s.type);
    showItem(p.address, s.id);
    showItem(p.inputs, s.inputMax - 1);
    // A delay no item shows leaves the list at "100 ms"; the value stays.
    showItem(p.delay,
             matrixDelayItem(kind, s.delayTime).value_or(*matrixDelayItem(kind, kInitialDelayMs)));
}

void MatrixSettingsDialog::applyVisibility(MatrixKind kind) {
    const Page& p = pages_[size_t(kind)];
    const MatrixFieldsShown shown = matrixFieldsShown(kind, setup_->kinds[size_t(kind)].company);
    // Field f of the page with its label f; the delay is always shown.
    const std::tuple<int, QComboBox*, bool> rows[] = {
        {1, p.model, shown.model}, {2, p.address, shown.address}, {3, p.inputs, shown.inputCount}};
    for (const auto& [f, box, visible] : rows)
        if (box) {
            box->setVisible(visible);
            p.labels[size_t(f)]->setVisible(visible);
        }
}

void MatrixSettingsDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void MatrixSettingsDialog::FormShow() {
    const WallGrid& wall = console_.grid();
    grid_->setRowCount(wall.rows());
    grid_->setColumnCount(wall.cols());
    diagramKind_->setCurrentIndex(pageControl_->currentIndex());
    fillCells();
    for (int k = 0; k < kMatrixKindCount; ++k)
        applyVisibility(static_cast<MatrixKind>(k));
}

MatrixKind MatrixSettingsDialog::diagramKind() const {
    return static_cast<MatrixKind>(std::clamp(diagramKind_->currentIndex(), 0, 3));
}

void MatrixSettingsDialog::fillCells() {
    const WallGrid& wall = console_.grid();
    const MatrixKind kind = diagramKind();
    const int board = console_.state().settings.BoardSel;
    for (int r = 0; r < grid_->rowCount(); ++r)
        for (int c = 0; c < grid_->columnCount(); ++c) {
            const QString text = matrixOutputCellText(setup_->outputMap[size_t(kind)], kind, board,
                                                      wall.screenIndex(r, c));
            if (QTableWidgetItem* item = grid_->item(r, c))
                item->setText(text);
            else
                grid_->setItem(r, c, new QTableWidgetItem(text));
        }
}

void MatrixSettingsDialog::protocolChanged(MatrixKind kind) {
    applyVisibility(kind);
}

void MatrixSettingsDialog::suitempPageControl1Change() {
    diagramKind_->setCurrentIndex(pageControl_->currentIndex());
    fillCells();
}

void MatrixSettingsDialog::suitempComboBox6Change() {
    fillCells();
}

void MatrixSettingsDialog::suitempStringGrid1DblClick() {
    // The screen is the top-left cell of the selection.
    int r = grid_->currentRow(), c = grid_->currentColumn();
    const QList<QTableWidgetSelectionRange> ranges = grid_->selectedRanges();
    if (!ranges.isEmpty()) {
        r = ranges.first().topRow();
        c = ranges.first().leftColumn();
        for (const QTableWidgetSelectionRange& range : ranges) {
            r = std::min(r, range.topRow());
            c = std::min(c, range.leftColumn());
        }
    }
    if (r < 0 || c < 0)
        return;
    const MatrixKind kind = diagramKind();
    Q_EMIT outputDialogRequested(kind, console_.grid().screenIndex(r, c),
                                 kind == MatrixKind::AV && console_.state().settings.BoardSel == 8);
}

MatrixTable& MatrixSettingsDialog::editedOutputMap(MatrixKind kind) {
    return setup_->outputMap[size_t(kind)];
}

void MatrixSettingsDialog::refreshCells() {
    fillCells();
}

void MatrixSettingsDialog::suitempBitBtn1Click() {
    setOneToOne(setup_->outputMap[size_t(diagramKind())], console_.grid().screenCount());
    fillCells();
}

void MatrixSettingsDialog::suitempBitBtn2Click() {
    clearOutputs(setup_->outputMap[size_t(diagramKind())], console_.grid().screenCount());
    fillCells();
}

void MatrixSettingsDialog::inputNamesClick(MatrixKind kind) {
    Q_EMIT inputNamesRequested(kind);
}

void MatrixSettingsDialog::suitempButton2Click() {
    // The fields stay as the operator left them: a TRIOLION model's input
    // count is stored, the input list keeps its own choice.
    console_.saveMatrixSetup(*setup_);
    Q_EMIT matrixSettingsSaved();
}

void MatrixSettingsDialog::suitempButton3Click() {
    close();
}

void MatrixSettingsDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void MatrixSettingsDialog::retranslate() {
    setWindowTitle(tr("矩阵设置"));
    for (int k = 0; k < kMatrixKindCount; ++k) {
        pageControl_->setTabText(k, tr(kPages[k].caption));
        for (int f = 0; f < 5; ++f)
            pages_[size_t(k)].labels[size_t(f)]->setText(tr(kFieldCaptions[f]));
        pages_[size_t(k)].inputNames->setText(tr("设置矩阵输入名"));
    }
    diagram_->setTitle(tr("矩阵输出连接示意图"));
    diagramKindLabel_->setText(tr("矩阵与拼接盒连接设置"));
    oneToOne_->setText(tr("一对一接法"));
    cancelAll_->setText(tr("取消所有连接"));
    ok_->setText(tr("确  认"));
    close_->setText(tr("关  闭"));
}

} // namespace wall
