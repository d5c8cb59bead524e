#include "MatrixPollingDialog.h"

#include "app/Console.h"
#include "app/Modal.h"
#include "matrix/MatrixPolling.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace wall {

namespace {

// The protocol and signal type lists are shown but take no choice: polling
// always sends MAINVAN frames.
constexpr const char* kTypes[] = {"VIDEO", "VGA", "RGBHV", "DVI", "HDMI", "AUDIO", "AUDIO+VIDEO"};
constexpr const char* kColumns[] = {"NO.", "Name", "Type", "Addr", "IN", "OUT"};

// The value a number field shows; nothing when it is empty.
std::optional<int> fieldValue(const QLineEdit* edit) {
    bool ok = false;
    const int v = edit->text().toInt(&ok);
    return ok ? std::optional<int>(v) : std::nullopt;
}

} // namespace

MatrixPollingDialog::MatrixPollingDialog(Console& console, QWidget* parent)
    : QDialog(parent), console_(console), groupCountLabel_(new QLabel(this)),
      edit1_(new QLineEdit(this)), apply_(new QPushButton(this)), intervalLabel_(new QLabel(this)),
      edit2_(new QLineEdit(this)), switch_(new QCheckBox(this)), groups_(new QListWidget(this)),
      groupBox2_(new QGroupBox(this)), protocolLabel_(new QLabel(groupBox2_)),
      protocol_(new QComboBox(groupBox2_)), typeLabel_(new QLabel(groupBox2_)),
      type_(new QComboBox(groupBox2_)), addressLabel_(new QLabel(groupBox2_)),
      address_(new QComboBox(groupBox2_)), inputLabel_(new QLabel(groupBox2_)),
      edit3_(new QLineEdit(groupBox2_)), outputLabel_(new QLabel(groupBox2_)),
      edit4_(new QLineEdit(groupBox2_)), add_(new QPushButton(groupBox2_)),
      remove_(new QPushButton(groupBox2_)), routes_(new QTableWidget(groupBox2_)),
      start_(new QPushButton(this)), stop_(new QPushButton(this)), status_(new QLabel(this)) {
    setObjectName(QStringLiteral("Form35"));
    setModal(false);
    const std::pair<QObject*, const char*> names[] = {
        {groupCountLabel_, "Label1"},
        {edit1_, "Edit1"},
        {apply_, "suiButton5"},
        {intervalLabel_, "Label2"},
        {edit2_, "Edit2"},
        {switch_, "CheckBox1"},
        {groups_, "CheckListBox1"},
        {groupBox2_, "GroupBox2"},
        {protocolLabel_, "Label3"},
        {protocol_, "ComboBox1"},
        {typeLabel_, "Label4"},
        {type_, "ComboBox2"},
        {addressLabel_, "Label5"},
        {address_, "ComboBox3"},
        {inputLabel_, "Label6"},
        {edit3_, "Edit3"},
        {outputLabel_, "Label7"},
        {edit4_, "Edit4"},
        {add_, "suiButton3"},
        {remove_, "suiButton4"},
        {routes_, "StringGrid1"},
        {start_, "suiButton2"},
        {stop_, "suiButton1"},
    };
    for (const auto& [object, name] : names)
        object->setObjectName(QLatin1String(name));
    status_->setObjectName(QStringLiteral("pollingStatus"));

    protocol_->addItem(QStringLiteral("MAINVAN"));
    protocol_->setEnabled(false);
    for (const char* t : kTypes)
        type_->addItem(QLatin1String(t));
    type_->setEnabled(false);
    for (int a = 0; a <= MatrixPolling::kMaxRoute; ++a)
        address_->addItem(QString::number(a));
    edit3_->setText(QStringLiteral("1"));
    edit4_->setText(QStringLiteral("1"));
    for (QLineEdit* e : {edit1_, edit2_, edit3_, edit4_})
        e->setFixedWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16);
    start_->hide();
    stop_->hide();
    status_->setWordWrap(true);

    routes_->setColumnCount(int(std::size(kColumns)));
    QStringList headers;
    for (const char* c : kColumns)
        headers << QLatin1String(c);
    routes_->setHorizontalHeaderLabels(headers);
    routes_->verticalHeader()->hide();
    routes_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    routes_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    routes_->setSelectionBehavior(QAbstractItemView::SelectRows);
    routes_->setMinimumSize(360, 200);
    groups_->setMinimumWidth(90);
    groups_->setMaximumWidth(120);

    // The group count, the interval and the switch along the top.
    auto* top = new QHBoxLayout;
    top->addWidget(groupCountLabel_);
    top->addWidget(edit1_);
    top->addWidget(apply_);
    top->addSpacing(16);
    top->addWidget(intervalLabel_);
    top->addWidget(edit2_);
    top->addSpacing(16);
    top->addWidget(switch_);
    top->addStretch();

    // The chosen group's routes.
    auto* lists = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{protocolLabel_, protocol_, typeLabel_, type_})
        lists->addWidget(w);
    lists->addStretch();
    auto* route = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{addressLabel_, address_, inputLabel_, edit3_,
                                                      outputLabel_, edit4_, add_, remove_})
        route->addWidget(w);
    route->addStretch();
    auto* fields = new QVBoxLayout;
    fields->addLayout(lists);
    fields->addLayout(route);
    auto* groupLayout = new QVBoxLayout(groupBox2_);
    groupLayout->addLayout(fields);
    groupLayout->addWidget(routes_);

    auto* middle = new QHBoxLayout;
    middle->addWidget(groups_);
    middle->addWidget(groupBox2_, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(status_, 1);
    bottom->addWidget(start_);
    bottom->addWidget(stop_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(middle, 1);
    layout->addLayout(bottom);

    const std::pair<QLineEdit*, int> ranges[] = {{edit1_, MatrixPolling::kMaxGroups},
                                                 {edit2_, MatrixPolling::kMaxInterval},
                                                 {edit3_, MatrixPolling::kMaxRoute},
                                                 {edit4_, MatrixPolling::kMaxRoute}};
    for (const auto& [edit, maximum] : ranges)
        connect(edit, &QLineEdit::textChanged, this,
                [this, edit, maximum] { RangeEditChange(edit, maximum); });
    // The timer's next step takes the interval as it stands.
    connect(edit2_, &QLineEdit::textChanged, this, [this] {
        if (const auto p = fieldValue(edit2_))
            console_.polling().setTypedInterval(*p);
    });
    connect(apply_, &QPushButton::clicked, this, &MatrixPollingDialog::suiButton5Click);
    connect(add_, &QPushButton::clicked, this, &MatrixPollingDialog::suiButton3Click);
    connect(remove_, &QPushButton::clicked, this, &MatrixPollingDialog::suiButton4Click);
    connect(groups_, &QListWidget::currentRowChanged, this,
            &MatrixPollingDialog::CheckListBox1Click);
    connect(groups_, &QListWidget::itemChanged, this,
            &MatrixPollingDialog::CheckListBox1ClickCheck);
    connect(switch_, &QCheckBox::toggled, this, &MatrixPollingDialog::CheckBox1Click);
    connect(start_, &QPushButton::clicked, this, &MatrixPollingDialog::suiButton2Click);
    connect(stop_, &QPushButton::clicked, this, &MatrixPollingDialog::suiButton1Click);

    retranslate();
    ReadConfig();
    // Polling resumes at start-up when it was on.
    switch_->setChecked(console_.state().settings.matrixRollOn);
    showRunning();
}

void MatrixPollingDialog::ReadConfig() {
    MatrixPolling& polling = console_.polling();
    polling.readConfig();
    edit1_->setText(QString::number(polling.groupCount()));
    edit2_->setText(QString::number(polling.interval()));
    CheckListBoxAdd(groups_, polling.groupCount());
    rewriting_ = true;
    for (int g = 0; g < groups_->count(); ++g)
        groups_->item(g)->setCheckState(polling.group(g).enabled ? Qt::Checked : Qt::Unchecked);
    rewriting_ = false;
}

void MatrixPollingDialog::WriteConfig() {
    console_.polling().writeConfig();
}

void MatrixPollingDialog::done(int result) {
    WriteConfig();
    QDialog::done(result);
}

void MatrixPollingDialog::RangeEditChange(QLineEdit* edit, int maximum) {
    if (rewriting_)
        return;
    const RangedText r = rangeChecked(edit->text(), maximum);
    if (r.text != edit->text()) {
        rewriting_ = true;
        edit->setText(r.text);
        rewriting_ = false;
    }
    if (r.clamped) {
        QApplication::beep();
        Q_EMIT beeped();
    }
}

void MatrixPollingDialog::CheckListBoxAdd(QListWidget* list, int count) {
    rewriting_ = true;
    for (int n = list->count(); n < count; ++n) {
        auto* item = new QListWidgetItem(pollingGroupName(n), list);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(console_.polling().group(n).enabled ? Qt::Checked : Qt::Unchecked);
    }
    rewriting_ = false;
}

void MatrixPollingDialog::suiButton5Click() {
    const auto g = fieldValue(edit1_);
    if (!g) {
        tell(console_.english() ? QStringLiteral("Enter the number of groups (1-100)")
                                : QStringLiteral("请输入轮询总组数 (1-100)"),
             true);
        return;
    }
    console_.polling().setGroupCount(*g);
    CheckListBoxAdd(groups_, console_.polling().groupCount());
}

void MatrixPollingDialog::suiButton3Click() {
    const int group = groups_->currentRow();
    const CommandResult r =
        console_.polling().addEntry(group, address_->currentIndex(), fieldValue(edit3_).value_or(0),
                                    fieldValue(edit4_).value_or(0));
    if (!r.ok) {
        tell(r.message, true);
        return;
    }
    // The group now has a route and is polled: its check mark says so.
    rewriting_ = true;
    groups_->item(group)->setCheckState(Qt::Checked);
    rewriting_ = false;
    showGroup(group);
    routes_->selectRow(int(console_.polling().group(group).entries.size()) - 1);
}

void MatrixPollingDialog::suiButton4Click() {
    const QList<QTableWidgetSelectionRange> ranges = routes_->selectedRanges();
    if (ranges.isEmpty())
        return;
    int row = ranges.first().topRow();
    for (const QTableWidgetSelectionRange& range : ranges)
        row = std::min(row, range.topRow());
    const int group = groups_->currentRow();
    const CommandResult r = console_.polling().removeEntry(group, row);
    if (!r.ok) {
        tell(r.message, true);
        return;
    }
    showGroup(group);
}

void MatrixPollingDialog::CheckListBox1Click() {
    showGroup(groups_->currentRow());
}

void MatrixPollingDialog::CheckListBox1ClickCheck(QListWidgetItem* item) {
    if (rewriting_ || !item)
        return;
    console_.polling().setGroupEnabled(groups_->row(item), item->checkState() == Qt::Checked);
}

void MatrixPollingDialog::CheckBox1Click() {
    MatrixPolling& polling = console_.polling();
    if (switch_->isChecked()) {
        if (const auto g = fieldValue(edit1_))
            polling.setGroupCount(*g);
        const CommandResult r = polling.start();
        tell(r.message, !r.ok);
        if (!r.ok) {
            const QSignalBlocker quiet(switch_);
            switch_->setChecked(false);
        }
    } else {
        polling.stop();
        status_->clear();
    }
    showRunning();
}

void MatrixPollingDialog::suiButton2Click() {
    switch_->setChecked(true);
}

void MatrixPollingDialog::suiButton1Click() {
    switch_->setChecked(false);
}

void MatrixPollingDialog::showGroup(int group) {
    routes_->clearContents();
    if (group < 0) {
        routes_->setRowCount(0);
        return;
    }
    const auto& entries = console_.polling().group(group).entries;
    routes_->setRowCount(int(entries.size()));
    for (int e = 0; e < int(entries.size()); ++e) {
        const PollingEntry& entry = entries[size_t(e)];
        const int values[] = {entry.number,  entry.name,  entry.type,
                              entry.address, entry.input, entry.output};
        for (int c = 0; c < int(std::size(values)); ++c)
            routes_->setItem(e, c, new QTableWidgetItem(QString::number(values[c])));
    }
}

void MatrixPollingDialog::showRunning() {
    const bool running = console_.polling().running();
    groupBox2_->setEnabled(!running);
    groups_->setEnabled(!running);
}

void MatrixPollingDialog::tell(const QString& text, bool problem) {
    status_->setText(text);
    status_->setStyleSheet(problem ? QStringLiteral("color: #b00000;") : QString());
}

void MatrixPollingDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void MatrixPollingDialog::retranslate() {
    setWindowTitle(tr("轮询设置"));
    groupCountLabel_->setText(tr("轮询总组数"));
    apply_->setText(tr("确定"));
    intervalLabel_->setText(tr("组间间隔(秒)"));
    switch_->setText(tr("勾选            启用轮询"));
    groupBox2_->setTitle(tr("组设置"));
    protocolLabel_->setText(tr("矩阵协议"));
    typeLabel_->setText(tr("信号类型"));
    addressLabel_->setText(tr("矩阵地址"));
    inputLabel_->setText(tr("输入"));
    outputLabel_->setText(tr("输出"));
    add_->setText(QStringLiteral("+"));
    remove_->setText(QStringLiteral("-"));
    start_->setText(tr("启动"));
    stop_->setText(tr("停止"));
}

} // namespace wall
