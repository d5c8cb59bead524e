#include "ControlPages.h"

#include "ParameterPanels.h"
#include "app/Console.h"
#include "app/Modal.h"
#include "app/SettingsStore.h"
#include "matrix/InputRouting.h"
#include "wall/BoardSources.h"
#include "wall/CommandFile.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QSignalBlocker>

#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <array>

namespace wall {

namespace {

QString pageText(const char* source) {
    return QCoreApplication::translate("wall::Pages", source);
}

constexpr int kRowsPerColumn = 3;

// The pop window's position and size modes of the roaming page.
constexpr const char* kPositionModes[] = {
    QT_TRANSLATE_NOOP("wall::Pages", "左上"), QT_TRANSLATE_NOOP("wall::Pages", "右上"),
    QT_TRANSLATE_NOOP("wall::Pages", "左下"), QT_TRANSLATE_NOOP("wall::Pages", "右下"),
    QT_TRANSLATE_NOOP("wall::Pages", "中间")};

// The button pairs whose own captions do not tell them apart: each pair
// stands in a group of its own under the group's caption.
struct ButtonGroupDef {
    const char* name; // the group's objectName
    const char* caption;
    std::array<const char*, 2> buttons;
};
constexpr ButtonGroupDef kButtonGroups[] = {
    {"StandardGroup", QT_TRANSLATE_NOOP("wall::Pages", "制式"), {"suiButton84", "suiButton85"}},
    {"SourceModeGroup",
     QT_TRANSLATE_NOOP("wall::Pages", "信源模式"),
     {"suiButton119", "suiButton122"}},
    {"DynamicModeGroup",
     QT_TRANSLATE_NOOP("wall::Pages", "动态模式"),
     {"suiButton68", "suiButton136"}},
    {"LvdsGroup",
     QT_TRANSLATE_NOOP("wall::Pages", "LVDS信号标准"),
     {"suiButton134", "suiButton135"}},
};

const ButtonGroupDef* groupOf(const char* control) {
    for (const ButtonGroupDef& g : kButtonGroups)
        for (const char* b : g.buttons)
            if (qstrcmp(b, control) == 0)
                return &g;
    return nullptr;
}

struct PageLayout {
    QGridLayout* grid;
    int next = 0;
    void add(QWidget* w) {
        grid->addWidget(w, next % kRowsPerColumn, next / kRowsPerColumn,
                        Qt::AlignLeft | Qt::AlignTop);
        ++next;
    }
    // A taller group takes a column of its own.
    void addColumn(QWidget* w) {
        next = (next + kRowsPerColumn - 1) / kRowsPerColumn * kRowsPerColumn;
        grid->addWidget(w, 0, next / kRowsPerColumn, kRowsPerColumn, 1,
                        Qt::AlignLeft | Qt::AlignTop);
        next += kRowsPerColumn;
    }
};

} // namespace

ControlPages::ControlPages(Console& console, QTabWidget* pages, QWidget* window)
    : QObject(window), console_(console), pages_(pages), window_(window) {
    for (int page = 0; page < kPageCount; ++page)
        buildPage(page);

    side_ = new QWidget(window);
    side_->setObjectName(QStringLiteral("SidePanel"));
    auto* sideLayout = new QGridLayout(side_);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->setSpacing(2);
    readAll_ = new QPushButton(side_);
    readAll_->setObjectName(QStringLiteral("Button1"));
    stop_ = new QPushButton(side_);
    stop_->setObjectName(QStringLiteral("suiButton97"));
    sideLayout->addWidget(readAll_, 0, 0);
    sideLayout->addWidget(stop_, 0, 1);
    int slot = 2;
    for (const ActionDef& a : actionDefs())
        if (a.page < 0) {
            auto* b = new QPushButton(side_);
            b->setObjectName(QLatin1String(a.control));
            b->setProperty("caption", QByteArray(a.caption));
            sideLayout->addWidget(b, slot / 2, slot % 2);
            ++slot;
            connect(b, &QPushButton::clicked, this, [this, p = a.parameter, v = a.value] {
                console_.buttonIncDec(std::uint8_t(p), std::uint8_t(v));
            });
            actions_ << b;
        }
    connect(readAll_, &QPushButton::clicked, this, &ControlPages::Button1Click);
    connect(stop_, &QPushButton::clicked, this, &ControlPages::suiButton97Click);

    pageMenu_ = new QMenu(window);
    pageMenu_->setObjectName(QStringLiteral("PopupMenu2"));
    QAction* n49 = pageMenu_->addAction(QString());
    n49->setObjectName(QStringLiteral("N49"));
    connect(n49, &QAction::triggered, this, &ControlPages::N49Click);
    pages_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(pages_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        if (console_.state().settings.bReadEn != 0)
            pageMenu_->popup(pages_->mapToGlobal(at));
    });

    console_.setReadListener([this](const ReadEvent& e) { onRead(e); });
    console_.setReadStatusListener([this](ReadState s) {
        Q_EMIT readStateChanged(readStateText(console_.state().settings.Language, s));
    });
    retranslate();
}

void ControlPages::buildPage(int page) {
    QWidget* tab = pages_->widget(page);
    auto* outer = new QVBoxLayout(tab);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(tab);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    auto* content = new QWidget(scroll);
    scroll->setWidget(content);
    outer->addWidget(scroll);
    PageLayout layout{new QGridLayout(content)};
    layout.grid->setContentsMargins(4, 2, 4, 0);
    layout.grid->setHorizontalSpacing(10);
    layout.grid->setVerticalSpacing(2);

    if (page == kOpticalPage) {
        auto* box = new QWidget(content);
        auto* row = new QGridLayout(box);
        row->setContentsMargins(0, 0, 0, 0);
        colours_ = new QButtonGroup(this);
        int i = 0;
        for (const ColourDef& c : colourDefs()) {
            auto* r = new QRadioButton(box);
            r->setObjectName(QLatin1String(c.control));
            r->setChecked(c.colour == colour_);
            colours_->addButton(r, c.colour);
            row->addWidget(r, i / 4, i % 4);
            ++i;
        }
        connect(colours_, &QButtonGroup::idClicked, this, &ControlPages::chooseColour);
        layout.add(box);
    }
    for (const SliderDef& d : sliderDefs())
        if (d.page == page) {
            auto* panel = new SliderPanel(d, content);
            sliders_ << panel;
            wireSlider(panel);
            layout.add(panel);
        }
    for (const ListDef& d : listDefs())
        if (d.page == page) {
            auto* panel = new ListPanel(d, content);
            lists_ << panel;
            wireList(panel);
            layout.add(panel);
        }
    if (page == kRoamingPage) {
        auto* modes = new QWidget(content);
        auto* g = new QGridLayout(modes);
        g->setContentsMargins(0, 0, 0, 0);
        subSource_ = new QComboBox(modes);
        subSource_->setObjectName(QStringLiteral("suiComboBox1"));
        subSourceRead_ = new QPushButton(modes);
        subSourceRead_->setObjectName(QStringLiteral("suiButton92"));
        positionMode_ = new QComboBox(modes);
        positionMode_->setObjectName(QStringLiteral("suiComboBox2"));
        sizeMode_ = new QComboBox(modes);
        sizeMode_->setObjectName(QStringLiteral("suiComboBox3"));
        for (const char* m : kPositionModes)
            positionMode_->addItem(pageText(m));
        for (int tenth = 1; tenth <= 10; ++tenth)
            sizeMode_->addItem(QStringLiteral("%1%").arg(tenth * 10));
        positionMode_->setCurrentIndex(console_.state().roaming.positionMode);
        sizeMode_->setCurrentIndex(console_.state().roaming.sizeMode);
        const char* modeCaptions[] = {QT_TRANSLATE_NOOP("wall::Pages", "子信号源"),
                                      QT_TRANSLATE_NOOP("wall::Pages", "位置模式"),
                                      QT_TRANSLATE_NOOP("wall::Pages", "尺寸模式")};
        for (int i = 0; i < 3; ++i) {
            auto* label = new QLabel(modes);
            label->setProperty("caption", QByteArray(modeCaptions[i]));
            captions_ << label;
            g->addWidget(label, i, 0);
        }
        g->addWidget(subSource_, 0, 1);
        g->addWidget(subSourceRead_, 0, 2);
        g->addWidget(positionMode_, 1, 1);
        g->addWidget(sizeMode_, 2, 1);
        // The matrix input a pop window of the sub-source is routed to.
        popUseMatrix_ = new QCheckBox(modes);
        popUseMatrix_->setObjectName(QStringLiteral("suiCheckBox1"));
        popUseMatrix_->setChecked(console_.state().roaming.useMatrix);
        panel30_ = new QLabel(modes);
        panel30_->setObjectName(QStringLiteral("Panel30"));
        panel30_->setProperty("caption", QByteArray(QT_TRANSLATE_NOOP("wall::Pages", "矩阵输入")));
        captions_ << static_cast<QLabel*>(panel30_);
        auto* inputs = new QHBoxLayout;
        inputs->setContentsMargins(0, 0, 0, 0);
        const char* names[] = {"suiComboBox4", "suiComboBox5", "suiComboBox6", "suiComboBox7"};
        for (int i = 0; i < 4; ++i) {
            popInputs_[size_t(i)] = new QComboBox(modes);
            popInputs_[size_t(i)]->setObjectName(QLatin1String(names[i]));
            inputs->addWidget(popInputs_[size_t(i)]);
            connect(popInputs_[size_t(i)], &QComboBox::activated, this,
                    [this, i](int item) { console_.inputRouting().storePopInputItem(i, item); });
        }
        g->addWidget(popUseMatrix_, 3, 1, 1, 2);
        g->addWidget(panel30_, 4, 0);
        g->addLayout(inputs, 4, 1, 1, 2);
        connect(popUseMatrix_, &QCheckBox::clicked, this, [this](bool on) {
            console_.inputRouting().storePopUseMatrix(on);
            SetPipMatrix();
        });
        connect(subSourceRead_, &QPushButton::clicked, this, [this] {
            if (console_.reading())
                return;
            readPage_ = kRoamingPage;
            console_.readParameter(0x61, ReadKind::List, PageReadEffect::SubSource);
        });
        connect(subSource_, &QComboBox::activated, this, [this](int index) {
            {
                SettingsScope ini = console_.settings().open();
                ini.writeInt("Unit1", "suiComboBox1", index);
            }
            SetPipMatrix();
        });
        for (auto [box, key] :
             {std::pair{positionMode_, "suiComboBox2"}, std::pair{sizeMode_, "suiComboBox3"}})
            connect(box, &QComboBox::activated, this, [this, key = key](int index) {
                SettingsScope ini = console_.settings().open();
                ini.writeInt("Unit1", key, index);
            });
        layout.addColumn(modes);
    }
    if (page == 3) {
        // The command files: SAVE the values read back, LOAD a file, APPLY it.
        auto* config = new QGroupBox(QStringLiteral("Config"), content);
        config->setObjectName(QStringLiteral("ConfigGroup"));
        auto* row = new QHBoxLayout(config);
        row->setContentsMargins(4, 2, 4, 2);
        const std::pair<const char*, void (ControlPages::*)()> buttons[] = {
            {"suiButton129", &ControlPages::suiButton129Click},
            {"suiButton130", &ControlPages::suiButton130Click},
            {"suiButton131", &ControlPages::suiButton131Click}};
        const char* captions[] = {"SAVE", "LOAD", "APPLY"};
        for (int i = 0; i < 3; ++i) {
            auto* b = new QPushButton(QLatin1String(captions[i]), config);
            b->setObjectName(QLatin1String(buttons[i].first));
            connect(b, &QPushButton::clicked, this, buttons[i].second);
            row->addWidget(b);
        }
        layout.add(config);
    }
    if (page == 4) {
        auto* box = new QWidget(content);
        auto* g = new QGridLayout(box);
        g->setContentsMargins(0, 0, 0, 0);
        int i = 0;
        for (const PatternDef& p : patternDefs()) {
            auto* b = new QPushButton(box);
            b->setObjectName(QLatin1String(p.control));
            b->setProperty("caption", QByteArray(p.caption));
            connect(b, &QPushButton::clicked, this,
                    [this, n = p.number] { console_.buttonWrite(0xB1, unsigned(n)); });
            g->addWidget(b, i / 8, i % 8);
            actions_ << b;
            ++i;
        }
        // The grey level is stepped; boards 9 and 10 count the steps from 128.
        for (auto [name, up] : {std::pair{"BitBtn55", 0}, std::pair{"BitBtn79", 1}}) {
            auto* b = new QPushButton(up ? QStringLiteral("+") : QStringLiteral("-"), box);
            b->setObjectName(QLatin1String(name));
            connect(b, &QPushButton::clicked, this, [this, up = up] {
                const int board = console_.state().settings.BoardSel;
                const int base = board == 9 || board == 10 ? 128 : 0;
                console_.buttonIncDec(0xB1, std::uint8_t(base + up));
            });
            g->addWidget(b, 2, up);
        }
        layout.add(box);
    }
    QMap<const ButtonGroupDef*, QGroupBox*> groups;
    for (const ActionDef& a : actionDefs())
        if (a.page == page) {
            QGroupBox* group = nullptr;
            if (const ButtonGroupDef* g = groupOf(a.control)) {
                group = groups.value(g);
                if (!group) {
                    group = new QGroupBox(content);
                    group->setObjectName(QLatin1String(g->name));
                    group->setProperty("caption", QByteArray(g->caption));
                    auto* row = new QHBoxLayout(group);
                    row->setContentsMargins(4, 2, 4, 2);
                    groups.insert(g, group);
                    groups_ << group;
                    layout.add(group);
                }
            }
            auto* b = new QPushButton(group ? static_cast<QWidget*>(group) : content);
            b->setObjectName(QLatin1String(a.control));
            b->setProperty("caption", QByteArray(a.caption));
            connect(b, &QPushButton::clicked, this, [this, a] {
                report(a.write ? console_.buttonWrite(std::uint8_t(a.parameter), unsigned(a.value))
                               : console_.buttonIncDec(std::uint8_t(a.parameter),
                                                       std::uint8_t(a.value)));
            });
            actions_ << b;
            if (group)
                group->layout()->addWidget(b);
            else
                layout.add(b);
        }
    layout.grid->setColumnStretch(layout.grid->columnCount(), 1);
    layout.grid->setRowStretch(kRowsPerColumn, 1);
}

int ControlPages::parameterOf(const SliderPanel* panel) const {
    // The optical-engine sliders follow the chosen colour.
    return panel->def().page == kOpticalPage ? panel->def().parameter + 3 * colour_
                                             : panel->def().parameter;
}

void ControlPages::wireSlider(SliderPanel* panel) {
    const SliderDef& d = panel->def();
    // The window's position and size (page 2, and the vertical position of
    // the roaming page) keep the interlock of boards 10 and 11.
    const bool pipPage = d.page == kPipPage;
    const bool roamingSteps = d.page == kRoamingPage && d.parameter == 0x66;
    auto sent = [this](int p) {
        {
            console_.pipValueSent(p);
            refreshInterlock();
        }
    };
    for (auto [button, up] :
         {std::pair{panel->minusButton(), 0}, std::pair{panel->plusButton(), 1}})
        connect(button, &QPushButton::clicked, this,
                [this, panel, sent, up = up, pipPage, roamingSteps] {
                    const int p = parameterOf(panel);
                    if (report(console_.buttonIncDec(std::uint8_t(p), std::uint8_t(up))) &&
                        (pipPage || roamingSteps))
                        sent(p);
                });
    connect(panel->writeButton(), &QPushButton::clicked, this, [this, panel, sent, pipPage] {
        const int p = parameterOf(panel);
        if (report(console_.buttonWrite(std::uint8_t(p), unsigned(panel->slider()->value())))) {
            if (pipPage)
                sent(p);
            if (panel->def().page == kOpticalPage)
                console_.state().colourCoordinates[size_t(p - 0xD0)] = panel->slider()->value();
        }
    });
    connect(panel->readButton(), &QPushButton::clicked, this, [this, panel] {
        if (console_.reading())
            return;
        readPage_ = panel->def().page;
        const int p = parameterOf(panel);
        const ReadEvent e = console_.readParameter(std::uint8_t(p), ReadKind::Slider,
                                                   panel->def().page == kOpticalPage
                                                       ? PageReadEffect::ColourCoordinate
                                                       : PageReadEffect::None);
        if (e.ok && panel->def().page == kPipPage) {
            console_.pipValueRead(p); // read back: its own write may be used
            refreshInterlock();
        }
    });
}

void ControlPages::wireList(ListPanel* panel) {
    const ListDef d = panel->def();
    auto send = [this, d](int index) {
        if (index < 0)
            return;
        report(d.onChoose == ListChoice::Write
                   ? console_.buttonWrite(std::uint8_t(d.parameter), unsigned(index))
                   : console_.buttonIncDec(std::uint8_t(d.parameter), std::uint8_t(index)));
    };
    connect(panel->writeButton(), &QPushButton::clicked, this, [this, panel, d] {
        if (panel->list()->currentIndex() >= 0)
            report(console_.buttonWrite(std::uint8_t(d.parameter),
                                        unsigned(panel->list()->currentIndex())));
    });
    connect(panel->list(), &QComboBox::activated, this, [this, send](int index) {
        if (console_.state().settings.bReadEn == 0)
            send(index); // with read-back the "写" button sends it
    });
    connect(panel->readButton(), &QPushButton::clicked, this, [this, panel] {
        if (console_.reading())
            return;
        readPage_ = panel->def().page;
        console_.readParameter(std::uint8_t(panel->def().parameter), ReadKind::List);
    });
}

void ControlPages::onRead(const ReadEvent& e) {
    if (!e.ok)
        return; // the controls keep what they showed
    if (e.page >= 0)
        readPage_ = e.page;
    if (e.effect == PageReadEffect::SubSource) {
        // The wire code names a source; the list offers the board's sources.
        const std::optional<int> code = sourceFromWire(e.reply.value);
        const auto offered = boardSourceList(console_.state().settings.BoardSel);
        int index = 0;
        for (std::size_t i = 0; i < offered.size(); ++i)
            if (code && offered[i] == *code)
                index = int(i);
        if (subSource_)
            subSource_->setCurrentIndex(index);
        return;
    }
    if (e.effect == PageReadEffect::PopModes) {
        const int v = e.reply.value;
        const int size = v & 0x0F, position = v / 16 - (v > 0x4F ? 5 : 0);
        if (size < sizeMode_->count())
            sizeMode_->setCurrentIndex(size);
        if (position >= 0 && position < positionMode_->count())
            positionMode_->setCurrentIndex(position);
        return;
    }
    for (SliderPanel* panel : std::as_const(sliders_)) {
        if (panel->def().page != readPage_)
            continue;
        const bool colour = panel->def().page == kOpticalPage;
        const int base = panel->def().parameter - 0xD0; // the coordinate, for the colour sliders
        const bool matches = colour ? e.parameter >= 0xD0 && (e.parameter - 0xD0) % 3 == base
                                    : panel->def().parameter == e.parameter;
        if (matches)
            panel->showRead(e.reply.value, e.reply.minimum, e.reply.maximum);
    }
    // A value beyond a list's items leaves the list as it was.
    for (ListPanel* panel : std::as_const(lists_))
        if (panel->def().page == readPage_ && panel->def().parameter == e.parameter &&
            e.reply.value < panel->list()->count())
            panel->list()->setCurrentIndex(e.reply.value);
    refreshInterlock();
}

void ControlPages::chooseColour(int colour) {
    colour_ = colour;
    for (SliderPanel* panel : std::as_const(sliders_))
        if (panel->def().page == kOpticalPage)
            panel->showRead(console_.state().colourCoordinates[size_t(parameterOf(panel) - 0xD0)],
                            {}, {});
}

void ControlPages::Button1Click() {
    if (console_.reading())
        return;
    readPage_ = -1; // each page read fills its own page
    const std::optional<bool> result = console_.readAll();
    if (result) // a stop after a page read ends without a message
        showReadOutcome(console_.stopRequested());
}

void ControlPages::suiButton97Click() {
    console_.requestStop();
}

void ControlPages::suiButton129Click() {
    const QString chosen = Modal::saveFileName(window_, QStringLiteral("Config (*.cfg)"),
                                               QStringLiteral("cfg"), QStringLiteral("myFile"));
    if (chosen.isEmpty())
        return;
    QString error;
    if (!saveCommandFile(commandFileName(chosen), console_.commandList(), &error))
        Modal::message(window_, Modal::Icon::Plain,
                       console_.english() ? QStringLiteral("Error") : QStringLiteral("错误提示"),
                       error);
}

void ControlPages::suiButton130Click() {
    const QString chosen = Modal::openFileName(window_, QStringLiteral("Config (*.cfg)"));
    if (chosen.isEmpty())
        return;
    QString error;
    if (const std::optional<QStringList> lines = loadCommandFile(chosen, &error))
        console_.commandList() = *lines;
    else
        Modal::message(window_, Modal::Icon::Plain,
                       console_.english() ? QStringLiteral("Error") : QStringLiteral("错误提示"),
                       error);
}

void ControlPages::suiButton131Click() {
    if (console_.reading())
        return;
    const Console::ApplyReport r = console_.applyCommandList();
    const bool english = console_.english();
    if (r.skipped > 0 || r.refused > 0)
        Q_EMIT refused(
            english ? QStringLiteral("APPLY: %1 written, %2 skipped (unknown name), %3 refused")
                          .arg(r.written)
                          .arg(r.skipped)
                          .arg(r.refused)
                    : QStringLiteral("APPLY: 已写 %1 行，跳过 %2 行（名称未知），拒绝 %3 行")
                          .arg(r.written)
                          .arg(r.skipped)
                          .arg(r.refused));
}

void ControlPages::N49Click() {
    if (console_.reading())
        return;
    console_.clearStop();
    readPage_ = pages_->currentIndex();
    const bool ok = console_.pageRead(readPage_);
    Q_EMIT readStateChanged(readStateText(console_.state().settings.Language,
                                          ok ? ReadState::Success : ReadState::Failure));
    showReadOutcome(console_.stopRequested());
}

void ControlPages::showReadOutcome(bool stopped) {
    const bool english = console_.english();
    Modal::message(window_, Modal::Icon::Information,
                   english ? QStringLiteral("Tips") : QStringLiteral("信息提示框"),
                   stopped
                       ? (english ? QStringLiteral("You terminated the read!")
                                  : QStringLiteral("您终止了读取!"))
                       : (english ? QStringLiteral("Read Over!") : QStringLiteral("读取结束!")));
}

bool ControlPages::report(const CommandResult& result) {
    if (!result.ok)
        Q_EMIT refused(result.message);
    return result.ok;
}

void ControlPages::ReadEnable(bool on) {
    for (SliderPanel* p : std::as_const(sliders_))
        p->setReadBack(on);
    for (ListPanel* p : std::as_const(lists_))
        p->setReadBack(on);
    readAll_->setVisible(on);
    stop_->setVisible(on);
    if (subSourceRead_)
        subSourceRead_->setVisible(on);
    pageMenu_->menuAction()->setVisible(on);
    for (QAction* a : pageMenu_->actions())
        a->setVisible(on);
}

void ControlPages::applyBoard(int board) {
    const bool pipLayout = board == 10 || board == 11;
    for (SliderPanel* p : std::as_const(sliders_)) {
        const int param = p->def().parameter;
        if (p->def().page == 1 && (param == 0x9B || param == 0x9C))
            p->setVisible(!pipLayout); // the frame panels
        if (p->def().page == kPipPage && (param == 0x67 || param == 0x68))
            p->setVisible(pipLayout); // the size panels
    }
    for (ListPanel* p : std::as_const(lists_))
        if (p->def().page == 1 && p->def().parameter == 0x9A)
            p->setVisible(!pipLayout);
    for (QPushButton* b : std::as_const(actions_))
        if (b->objectName() == QLatin1String("BitBtn5") ||
            b->objectName() == QLatin1String("BitBtn6"))
            b->setVisible(!pipLayout);
    console_.resetPipInterlock();
    refreshInterlock();
}

void ControlPages::refreshInterlock() {
    for (SliderPanel* p : std::as_const(sliders_))
        if (p->def().page == kPipPage)
            p->writeButton()->setEnabled(console_.pipWriteEnabled(p->def().parameter));
}

void ControlPages::SetPipMatrixInput() {
    if (!popUseMatrix_)
        return;
    const std::array<int, kChooserCount> stored = console_.inputRouting().storedPopInputItems();
    for (int i = 0; i < kChooserCount; ++i) {
        QComboBox* chooser = popInputs_[size_t(i)];
        const QSignalBlocker quiet(chooser);
        chooser->clear();
        for (const QString& name : console_.inputRouting().inputItems(chooserMatrixKind(i))) {
            chooser->addItem(chooser->fontMetrics().elidedText(name, Qt::ElideRight, 160));
            chooser->setItemData(chooser->count() - 1, name, Qt::ToolTipRole);
        }
        chooser->setCurrentIndex(stored[size_t(i)]);
    }
}

void ControlPages::showPopUseMatrix(bool on) {
    if (!popUseMatrix_)
        return;
    const QSignalBlocker quiet(popUseMatrix_);
    popUseMatrix_->setChecked(on);
    SetPipMatrix();
}

void ControlPages::SetPipMatrix() {
    if (!popUseMatrix_)
        return;
    for (QComboBox* c : popInputs_)
        c->hide();
    panel30_->hide();
    const auto offered = boardSourceList(console_.state().settings.BoardSel);
    const int item = subSource_->currentIndex();
    if (item < 0 || item >= int(offered.size()))
        return;
    const std::optional<MatrixKind> kind =
        console_.inputRouting().routedKind(offered[size_t(item)]);
    if (!kind)
        return;
    const bool enabled = popUseMatrix_->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(popInputs_[size_t(chooserOf(*kind))]), panel30_}) {
        w->show();
        w->setEnabled(enabled);
    }
}

void ControlPages::retranslate() {
    for (SliderPanel* p : std::as_const(sliders_))
        p->retranslate();
    for (ListPanel* p : std::as_const(lists_))
        p->retranslate();
    for (QPushButton* b : std::as_const(actions_))
        b->setText(pageText(b->property("caption").toByteArray().constData()));
    for (QLabel* l : std::as_const(captions_))
        l->setText(pageText(l->property("caption").toByteArray().constData()));
    for (QGroupBox* g : std::as_const(groups_))
        g->setTitle(pageText(g->property("caption").toByteArray().constData()));
    readAll_->setText(QCoreApplication::translate("wall::Pages", "读取所有"));
    stop_->setText(QCoreApplication::translate("wall::Pages", "停止读取"));
    if (subSourceRead_)
        subSourceRead_->setText(QCoreApplication::translate("wall::Pages", "读"));
    if (positionMode_)
        for (int i = 0; i < positionMode_->count(); ++i)
            positionMode_->setItemText(i, pageText(kPositionModes[i]));
    if (subSource_) {
        const int keep = subSource_->currentIndex();
        subSource_->clear();
        for (int code : boardSourceList(console_.state().settings.BoardSel))
            subSource_->addItem(boardSourceLongName(console_.state().settings.BoardSel, code));
        subSource_->setCurrentIndex(std::max(keep, 0));
    }
    if (popUseMatrix_) {
        popUseMatrix_->setText(QCoreApplication::translate("wall::Pages", "使用矩阵"));
        SetPipMatrixInput(); // the default names follow the language
        SetPipMatrix();
    }
    if (colours_)
        for (const ColourDef& c : colourDefs())
            colours_->button(c.colour)->setText(pageText(c.caption));
    pageMenu_->actions().first()->setText(
        QCoreApplication::translate("wall::Pages", "读取本页数据"));
}

} // namespace wall
