#include "MainWindow.h"

#include "AboutDialog.h"
#include "AdvancedDialog.h"
#include "HelpWindow.h"
#include "LoginDialog.h"
#include "Modal.h"
#include "PlaceholderWindow.h"
#include "SerialDevices.h"
#include "SystemSettingsDialog.h"
#include "UiPacer.h"
#include "app/Console.h"
#include "app/SettingsStore.h"
#include "app/WindowPlace.h"
#include "matrix/InputControlDialog.h"
#include "matrix/MatrixInputNamesDialog.h"
#include "matrix/MatrixOutputDialogs.h"
#include "matrix/MatrixPolling.h"
#include "matrix/MatrixPollingDialog.h"
#include "matrix/MatrixSettingsDialog.h"
#include "pages/ControlPages.h"
#include "plans/PlanRecall.h"
#include "plans/PlanRenameDialog.h"
#include "plans/PlanStore.h"
#include "serial/PortSettingsDialog.h"
#include "serial/SerialSettingsDialog.h"
#include "serial/WindowPortSetup.h"
#include "wall/BoardSources.h"
#include "wall/ColourToolbar.h"
#include "wall/PowerOffDialog.h"
#include "wall/WallGridWidget.h"
#include "wall/WallSettingsDialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QListWidget>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>

#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QTranslator>

namespace wall {

namespace {

// The menu bar: each item under its component name with its Chinese caption;
// `hidden` items are made visible by access levels and board types.
struct MenuItem {
    const char* menu; // the parent menu's name
    const char* name;
    const char* caption;
    bool hidden;
};

constexpr MenuItem kMenus[] = {
    {"", "N1", QT_TRANSLATE_NOOP("wall::MainWindow", "系统"), false},
    {"", "N25", QT_TRANSLATE_NOOP("wall::MainWindow", "设置"), false},
    {"", "N20", QT_TRANSLATE_NOOP("wall::MainWindow", "工具"), false},
    {"", "N3", QT_TRANSLATE_NOOP("wall::MainWindow", "语言"), false},
    {"", "N4", QT_TRANSLATE_NOOP("wall::MainWindow", "关于"), false},
};

constexpr MenuItem kItems[] = {
    {"N1", "N14", QT_TRANSLATE_NOOP("wall::MainWindow", "高级功能"), false},
    {"N1", "N22", QT_TRANSLATE_NOOP("wall::MainWindow", "定时系统"), true},
    {"N1", "N30", QT_TRANSLATE_NOOP("wall::MainWindow", "幕墙开机"), false},
    {"N1", "N31", QT_TRANSLATE_NOOP("wall::MainWindow", "幕墙关机"), false},
    {"N1", "N6", QT_TRANSLATE_NOOP("wall::MainWindow", "退出"), false},
    {"N25", "N7", QT_TRANSLATE_NOOP("wall::MainWindow", "串口设置"), false},
    {"N25", "N9", QT_TRANSLATE_NOOP("wall::MainWindow", "矩阵设置"), true},
    {"N25", "N5", QT_TRANSLATE_NOOP("wall::MainWindow", "幕墙设置"), false},
    {"N25", "N24", QT_TRANSLATE_NOOP("wall::MainWindow", "幕墙颜色"), false},
    {"N25", "N10", QT_TRANSLATE_NOOP("wall::MainWindow", "标志设置"), true},
    {"N25", "N8", QT_TRANSLATE_NOOP("wall::MainWindow", "系统设置"), true},
    {"N20", "N21", QT_TRANSLATE_NOOP("wall::MainWindow", "虚拟键盘"), true},
    {"N20", "N26", QT_TRANSLATE_NOOP("wall::MainWindow", "云台控制"), true},
    {"N20", "N19", QT_TRANSLATE_NOOP("wall::MainWindow", "串口显示"), true},
    {"N20", "N62", QT_TRANSLATE_NOOP("wall::MainWindow", "温度控制"), true},
    {"N20", "N63", QT_TRANSLATE_NOOP("wall::MainWindow", "轮询设置"), true},
    {"N3", "N17", "中文", false},
    {"N3", "N18", "English", false},
    {"N4", "u1", QT_TRANSLATE_NOOP("wall::MainWindow", "关于"), false},
    {"N4", "N11", QT_TRANSLATE_NOOP("wall::MainWindow", "帮助"), true},
    // The grid's pop-up menu PopupMenu1.
    {"PopupMenu1", "N16", QT_TRANSLATE_NOOP("wall::MainWindow", "输入控制"), false},
    {"PopupMenu1", "N55", QT_TRANSLATE_NOOP("wall::MainWindow", "读信号源"), false},
    {"PopupMenu1", "PanasonicLogin1", QT_TRANSLATE_NOOP("wall::MainWindow", "松下登录"), true},
    {"PopupMenu1", "PanasonicLogout1", QT_TRANSLATE_NOOP("wall::MainWindow", "松下注销"), true},
    // The plan list's pop-up menu suiPopupMenu1.
    {"suiPopupMenu1", "N28", QT_TRANSLATE_NOOP("wall::MainWindow", "保存模式"), false},
    {"suiPopupMenu1", "N27", QT_TRANSLATE_NOOP("wall::MainWindow", "重命名"), false},
};

// The product items of the hidden submenu N23, one per board type (none
// for board 9), each named by what sets its board apart.
struct ProductItem {
    const char* name;
    int board;
};
constexpr ProductItem kProducts[] = {{"N50", 0}, {"N57", 1},  {"N60", 2}, {"N52", 3},
                                     {"N51", 4}, {"N383", 5}, {"N53", 6}, {"N54", 7},
                                     {"N56", 8}, {"N59", 10}, {"N61", 11}};

// What an access level opens; openings of an earlier level stay open.
constexpr const char* kLevelOneShown[] = {"N22", "N23", "N7", "N9", "N10", "N8", "N21"};
constexpr const char* kLevelOneEnabled[] = {"N25", "N20", "N3", "N28"};

// The background schemes N33 … N48 under the hidden submenu N32.
constexpr const char* kSchemes[16] = {
    QT_TRANSLATE_NOOP("wall::MainWindow", "经典"),
    QT_TRANSLATE_NOOP("wall::MainWindow", "春意盎然"),
    QT_TRANSLATE_NOOP("wall::MainWindow", "夏日风情"),
    QT_TRANSLATE_NOOP("wall::MainWindow", "秋色宜人"),
    QT_TRANSLATE_NOOP("wall::MainWindow", "冰天雪地"),
    QT_TRANSLATE_NOOP("wall::MainWindow", "红色"),
    QT_TRANSLATE_NOOP("wall::MainWindow", "绿色"),
    QT_TRANSLATE_NOOP("wall::MainWindow", "蓝色"),
    QT_TRANSLATE_NOOP("wall::MainWindow", "青色"),
    QT_TRANSLATE_NOOP("wall::MainWindow", "紫色"),
    QT_TRANSLATE_NOOP("wall::MainWindow", "黄色"),
    QT_TRANSLATE_NOOP("wall::MainWindow", "冲浪"),
    QT_TRANSLATE_NOOP("wall::MainWindow", "金叶"),
    QT_TRANSLATE_NOOP("wall::MainWindow", "植物"),
    QT_TRANSLATE_NOOP("wall::MainWindow", "科技"),
    QT_TRANSLATE_NOOP("wall::MainWindow", "水晶"),
};

// The windows the menu items open. Those whose contents come later are
// placeholders under their class's name and caption.
struct WindowItem {
    const char* item;
    const char* form;
    const char* caption;
};

constexpr WindowItem kWindowItems[] = {
    {"N14", "Form13", nullptr},
    {"N8", "Form9", nullptr},
    {"u1", "Form5", nullptr},
    {"N11", "Form12", nullptr},
    {"N7", "Form27", nullptr},
    {"N5", "Form4", nullptr},
    {"N24", "Form30", nullptr},
    {"N31", "Form2", nullptr},
    {"N9", "Form10", nullptr},
    {"N63", "Form35", nullptr},
    {"N22", "Form26", QT_TRANSLATE_NOOP("wall::Captions", "定时系统")},
    {"N10", "Form11", QT_TRANSLATE_NOOP("wall::Captions", "标志设置")},
    {"N21", "Form23", QT_TRANSLATE_NOOP("wall::Captions", "虚拟键盘")},
    {"N19", "Form24", QT_TRANSLATE_NOOP("wall::Captions", "串口信息显示窗口")},
    {"N62", "Form33", QT_TRANSLATE_NOOP("wall::Captions", "温度控制")},
    {"N26", "Form31", QT_TRANSLATE_NOOP("wall::Captions", "云台控制")},
    {"N16", "Form14", nullptr},
};

// The nine control pages, TabSheet1 … TabSheet9.
constexpr const char* kTabCaptions[9] = {
    QT_TRANSLATE_NOOP("wall::MainWindow", "图像处理"),
    QT_TRANSLATE_NOOP("wall::MainWindow", "视窗处理"),
    QT_TRANSLATE_NOOP("wall::MainWindow", "画 中 画"),
    QT_TRANSLATE_NOOP("wall::MainWindow", "  系    统  "),
    QT_TRANSLATE_NOOP("wall::MainWindow", "测试画面"),
    QT_TRANSLATE_NOOP("wall::MainWindow", "光机控制"),
    QT_TRANSLATE_NOOP("wall::MainWindow", "调试助手"),
    QT_TRANSLATE_NOOP("wall::MainWindow", "  漫    游  "),
    QT_TRANSLATE_NOOP("wall::MainWindow", "图像调整"),
};

// The window opens at 1200 x 800 where the screen has room, and can be made
// as small as 1024 x 700; every page shows whole at either size.
constexpr QSize kOpeningSize(1200, 800);
constexpr QSize kSmallestSize(1024, 700);
// Room the window manager's frame and caption take beside the window itself.
constexpr int kFrameAllowance = 40;
constexpr int kPageHeight = 210;
constexpr int kImageWidth = 150;
constexpr int kMargin = 4;
// Status-bar panels 0, 1, 2, 3 and 5 have fixed widths; panel 4 takes the rest.
constexpr int kPanelWidths[6] = {120, 120, 170, 150, 0, 150};
constexpr int kStatusSpacing = 16;

QString clockText(const QDateTime& now) {
    // The process-wide formats: "yyyy-MM-dd", and the date alone at midnight.
    if (now.time() == QTime(0, 0))
        return now.toString(QStringLiteral("yyyy-MM-dd"));
    return now.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

} // namespace

MainWindow::MainWindow(Console& console, SerialDevices& devices, UiPacer& pacer, QWidget* parent)
    : QMainWindow(parent), console_(console), devices_(devices), pacer_(pacer) {
    setObjectName(QStringLiteral("Form1"));
    // A settings file that cannot be written is said at once; the file on
    // disk stays as it was.
    console_.settings().setErrorSink([this](const QString& detail) {
        const bool english = console_.english();
        // The same fault again soon after goes to the status bar only.
        const QDateTime now = QDateTime::currentDateTime();
        const bool repeated = detail == lastSettingsError_ && lastSettingsErrorAt_.secsTo(now) < 60;
        lastSettingsError_ = detail;
        lastSettingsErrorAt_ = now;
        if (panels_[4])
            panels_[4]->setText(detail);
        if (repeated)
            return;
        // A file that cannot be read is kept as it is: the console runs on
        // its defaults and saves nothing to it.
        const bool unreadable = console_.settings().unreadable();
        const QString what =
            unreadable
                ? (english ? QStringLiteral("The settings file cannot be read; the console "
                                            "runs on its defaults and saves nothing to it.\n")
                           : QStringLiteral("设置文件无法读取：软件按默认设置运行，"
                                            "且不会写入该文件。\n"))
                : (english ? QStringLiteral("The settings file could not be written.\n")
                           : QStringLiteral("设置文件无法写入。\n"));
        Modal::message(this, Modal::Icon::Plain,
                       english ? QStringLiteral("Error") : QStringLiteral("错误提示"),
                       what + detail);
    });
    portSetup_ = std::make_unique<WindowPortSetup>(devices_, this);
    form27Setup_ = std::make_unique<WindowPortSetup>(devices_, nullptr);

    // Construction: access level 0, the matrix inputs all 1 (the core's own
    // defaults), and the background-scheme submenu hidden.
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0xB9, 0xD1, 0xEA)); // the active caption gradient
    setPalette(p);

    auto* central = new QWidget(this);
    setCentralWidget(central);
    central->installEventFilter(this); // the lower area follows the central area
    grid_ = new WallGridWidget(central);
    grid_->setColourSource(&console_.grid());
    plans_ = new QListWidget(central);
    plans_->setObjectName(QStringLiteral("ListBox1"));
    image_ = new QFrame(central);
    image_->setObjectName(QStringLiteral("Image1"));
    image_->setFrameShape(QFrame::StyledPanel);
    image_->setStyleSheet(QStringLiteral(
        "#Image1 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #2d5f8b, "
        "stop:1 #0f2d4a); border-radius: 6px; }"));
    label58_ = new QLabel(central);
    label58_->setObjectName(QStringLiteral("Label58"));
    label59_ = new QLabel(central);
    label59_->setObjectName(QStringLiteral("Label59"));
    for (QLabel* l : {label58_, label59_}) {
        l->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
        l->setAlignment(Qt::AlignCenter);
    }
    label58_->setStyleSheet(QStringLiteral("color: white; font-weight: bold; font-size: 16px;"));
    buildPages();
    buildMenus();
    buildProductMenu();
    // Without an access level the settings, tool and language menus and plan
    // saving cannot be chosen.
    for (const char* name : kLevelOneEnabled)
        if (QAction* a = actions_.value(QLatin1String(name)))
            a->setEnabled(false);
    buildStatusBar();

    connect(grid_, &WallGridWidget::selectionChanged, this,
            [this](const Selection& s) { console_.grid().setSelection(s); });
    plans_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(plans_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        menus_.value(QStringLiteral("suiPopupMenu1"))->popup(plans_->mapToGlobal(at));
    });
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        menus_.value(QStringLiteral("PopupMenu1"))->popup(grid_->mapToGlobal(at));
    });

    for (int d = 1; d <= kDeviceCount; ++d)
        connect(&devices_.device_(d), &SerialDevice::lost, this,
                [this, d](const QString& reason) { showLinkLost(d, reason); });

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(100);
    connect(timer1_, &QTimer::timeout, this, &MainWindow::Timer1Timer);
}

MainWindow::~MainWindow() {
    console_.polling().setRunningListener({});
    console_.settings().setErrorSink({});
    console_.setNoticeListener({});
}

void MainWindow::buildMenus() {
    for (const MenuItem& m : kMenus) {
        QMenu* menu = menuBar()->addMenu(QString());
        menu->setObjectName(QLatin1String(m.name));
        menu->menuAction()->setObjectName(QLatin1String(m.name));
        menus_.insert(QLatin1String(m.name), menu);
        actions_.insert(QLatin1String(m.name), menu->menuAction());
    }
    auto* popup = new QMenu(this);
    popup->setObjectName(QStringLiteral("PopupMenu1"));
    menus_.insert(QStringLiteral("PopupMenu1"), popup);
    auto* planMenu = new QMenu(this);
    planMenu->setObjectName(QStringLiteral("suiPopupMenu1"));
    menus_.insert(QStringLiteral("suiPopupMenu1"), planMenu);

    for (const MenuItem& item : kItems) {
        QMenu* parent = menus_.value(QLatin1String(item.menu));
        // The background schemes sit between the colour and logo items.
        if (qstrcmp(item.name, "N8") == 0) {
            QMenu* schemes = parent->addMenu(QString());
            schemes->setObjectName(QStringLiteral("N32"));
            schemes->menuAction()->setObjectName(QStringLiteral("N32"));
            schemes->menuAction()->setVisible(false);
            menus_.insert(QStringLiteral("N32"), schemes);
            for (int i = 0; i < 16; ++i) {
                QAction* a = schemes->addAction(QString());
                a->setObjectName(QStringLiteral("N%1").arg(33 + i));
                connect(a, &QAction::triggered, this,
                        [this, i] { console_.setBackgroundScheme(i); });
                actions_.insert(a->objectName(), a);
            }
        }
        QAction* a = parent->addAction(QString());
        a->setObjectName(QLatin1String(item.name));
        a->setVisible(!item.hidden);
        actions_.insert(a->objectName(), a);
    }

    for (const WindowItem& w : kWindowItems) {
        const QString form = QLatin1String(w.form);
        connect(actions_.value(QLatin1String(w.item)), &QAction::triggered, this,
                [this, form] { openWindow(form); });
    }
    connect(actions_.value(QStringLiteral("N6")), &QAction::triggered, this, &QWidget::close);
    QAction* chinese = actions_.value(QStringLiteral("N17"));
    QAction* english = actions_.value(QStringLiteral("N18"));
    for (QAction* a : {chinese, english})
        a->setCheckable(true);
    connect(chinese, &QAction::triggered, this, [this] { SetLanguage(0); });
    connect(english, &QAction::triggered, this, [this] { SetLanguage(1); });
    connect(actions_.value(QStringLiteral("N30")), &QAction::triggered, this,
            &MainWindow::N30Click);
    // Hidden buttons bound to the same handlers as the power menu items.
    for (auto [name, item] : {std::pair{"BitBtn89", "N30"}, std::pair{"BitBtn90", "N31"}}) {
        auto* b = new QPushButton(centralWidget());
        b->setObjectName(QLatin1String(name));
        b->hide();
        connect(b, &QPushButton::clicked, actions_.value(QLatin1String(item)), &QAction::trigger);
    }
    connect(actions_.value(QStringLiteral("N55")), &QAction::triggered, this,
            &MainWindow::N55Click);
    connect(actions_.value(QStringLiteral("N28")), &QAction::triggered, this,
            &MainWindow::N28Click);
    connect(actions_.value(QStringLiteral("N27")), &QAction::triggered, this,
            &MainWindow::N27Click);
}

void MainWindow::buildProductMenu() {
    QMenu* products = new QMenu(this);
    products->setObjectName(QStringLiteral("N23"));
    products->menuAction()->setObjectName(QStringLiteral("N23"));
    menus_.value(QStringLiteral("N1"))->insertMenu(actions_.value(QStringLiteral("N22")), products);
    products->menuAction()->setVisible(false);
    menus_.insert(QStringLiteral("N23"), products);
    actions_.insert(QStringLiteral("N23"), products->menuAction());
    for (const ProductItem& item : kProducts) {
        QAction* a = products->addAction(QString());
        a->setObjectName(QLatin1String(item.name));
        a->setCheckable(true);
        actions_.insert(a->objectName(), a);
        connect(a, &QAction::triggered, this, [this, board = item.board] {
            console_.changeBoardSel(board);
            SetBoard();
        });
    }
}

void MainWindow::grantAccess(int level) {
    ConsoleState& s = console_.state();
    s.accessLevel = level;
    const int board = s.settings.BoardSel;
    auto show = [this](const char* name) { actions_.value(QLatin1String(name))->setVisible(true); };
    // The side buttons and pages that appear take their places at once.
    const auto relayout = qScopeGuard([this] { FormCanResize(); });
    if (level == 10) {
        show("N11");
        return;
    }
    for (const char* name : kLevelOneShown)
        show(name);
    for (const char* name : kLevelOneEnabled)
        if (QAction* a = actions_.value(QLatin1String(name))) // N28 comes with the plans
            a->setEnabled(true);
    pages_->setTabVisible(8, false); // TabSheet9
    if (level == 20) {
        for (int i = 0; i < 8; ++i)
            pages_->setTabVisible(i, true);
        for (const char* name : {"N62", "N19", "N11"})
            show(name);
        for (const char* name : {"btn2", "btn3"})
            if (auto* b = findChild<QWidget*>(QLatin1String(name)))
                b->setVisible(true);
        return;
    }
    for (int i : {0, 1, 3})
        pages_->setTabVisible(i, true);
    if (board == 9 || board == 10 || board == 11)
        pages_->setTabVisible(4, true);
    if (board == 9 || board == 10)
        pages_->setTabVisible(5, true);
    if (board == 11)
        for (const char* name : {"btn2", "btn3"})
            if (auto* b = findChild<QWidget*>(QLatin1String(name)))
                b->setVisible(true);
    if (board == 1)
        show("N62");
}

void MainWindow::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("suiStatusBar1"));
    bar->setSizeGripEnabled(false);
    for (int i = 0; i < 6; ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("suiStatusBar1Panel%1").arg(i));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setContentsMargins(4, 0, 4, 0);
        if (kPanelWidths[i] > 0)
            panel->setFixedWidth(kPanelWidths[i]);
        bar->addWidget(panel, i == 4 ? 1 : 0);
        panels_[size_t(i)] = panel;
    }
}

void MainWindow::buildPages() {
    pages_ = new QTabWidget(centralWidget());
    pages_->setObjectName(QStringLiteral("PageControl1"));
    for (int i = 0; i < 9; ++i) {
        auto* page = new QWidget(pages_);
        page->setObjectName(QStringLiteral("TabSheet%1").arg(i + 1));
        pages_->addTab(page, QString());
    }
}

void MainWindow::buildWindows() {
    for (const WindowItem& w : kWindowItems)
        if (w.caption)
            windows_.insert(QLatin1String(w.form),
                            new PlaceholderWindow(QLatin1String(w.form), w.caption, this));
    form4_ = new WallSettingsDialog(console_, this);
    form30_ = new ColourToolbar(console_, this);
    windows_.insert(QStringLiteral("Form2"), new PowerOffDialog(console_, this));
    auto* form13 = new AdvancedDialog(console_, this);
    connect(form13, &AdvancedDialog::accessGranted, this, &MainWindow::grantAccess);
    connect(form13, &AdvancedDialog::endProcess, this, &QWidget::close);
    auto* form9 = new SystemSettingsDialog(console_, this);
    connect(form9, &SystemSettingsDialog::boardNeedsReapplying, this, &MainWindow::SetBoard);
    form16_ = new LoginDialog(console_, this);
    connect(form16_, &LoginDialog::endProcess, this, &QWidget::close);
    windows_.insert(QStringLiteral("Form13"), form13);
    windows_.insert(QStringLiteral("Form9"), form9);
    windows_.insert(QStringLiteral("Form16"), form16_);
    windows_.insert(QStringLiteral("Form5"), new AboutDialog(this));
    windows_.insert(QStringLiteral("Form12"), new HelpWindow(this));
    form27_ = new SerialSettingsDialog(console_, *form27Setup_, this);
    form27Setup_->setOwner(form27_);
    windows_.insert(QStringLiteral("Form4"), form4_);
    windows_.insert(QStringLiteral("Form30"), form30_);
    windows_.insert(QStringLiteral("Form27"), form27_);
    // Matrix polling steps once a second while it is on, shown or not; like
    // Timer1 it skips its turn while a handler waits.
    auto* pollTimer = new QTimer(this);
    pollTimer->setObjectName(QStringLiteral("Form35Timer1"));
    pollTimer->setInterval(MatrixPolling::kStepMs);
    connect(pollTimer, &QTimer::timeout, this, [this] {
        if (!pacer_.isWaiting())
            console_.polling().step();
    });
    console_.polling().setRunningListener(
        [pollTimer](bool on) { on ? pollTimer->start() : pollTimer->stop(); });
    windows_.insert(QStringLiteral("Form35"), new MatrixPollingDialog(console_, this));
    auto* form10 = new MatrixSettingsDialog(console_, this);
    windows_.insert(QStringLiteral("Form10"), form10);
    auto* form14 = new InputControlDialog(console_, this);
    windows_.insert(QStringLiteral("Form14"), form14);
    connect(form14, &InputControlDialog::refused, this,
            [this](const QString& why) { panels_[4]->setText(why); });
    connect(plans_, &QListWidget::itemDoubleClicked, this, &MainWindow::suitempListBox1DblClick);
    // A recall runs for seconds: the status bar says which switcher it is at.
    console_.planRecall().setProgressListener([this](MatrixKind kind, int screen, int screens) {
        const QString name = kind == MatrixKind::YUV
                                 ? QStringLiteral("YPbPr")
                                 : QString::fromLatin1(matrixKeyName(kind).data(),
                                                       qsizetype(matrixKeyName(kind).size()));
        const int n = console_.plans().current() + 1;
        QString text = console_.english() ? QStringLiteral("Recalling plan %1: %2").arg(n).arg(name)
                                          : QStringLiteral("正在调用预案 %1：%2").arg(n).arg(name);
        if (screen > 0)
            text += console_.english() ? QStringLiteral(", screen %1/%2").arg(screen).arg(screens)
                                       : QStringLiteral("，屏幕 %1/%2").arg(screen).arg(screens);
        panels_[4]->setText(text);
    });
    connect(form14, &InputControlDialog::matrixUseChanged, this, [this](bool on) {
        if (controls_)
            controls_->showPopUseMatrix(on);
    });
    // New matrix settings: the roaming page's choosers follow them.
    connect(form10, &MatrixSettingsDialog::matrixSettingsSaved, this, [this] {
        if (controls_) {
            controls_->SetPipMatrixInput();
            controls_->SetPipMatrix();
        }
    });
    connect(form10, &MatrixSettingsDialog::matrixSettingsSaved, this, &MainWindow::applyMenuRules);
    // The output and input-name dialogs of the matrix settings window.
    auto* form19 = new MatrixOutputDialog(console_, this);
    auto* form34 = new PictureOutputDialog(console_, this);
    auto* form22 = new MatrixInputNamesDialog(console_, this);
    windows_.insert(QStringLiteral("Form19"), form19);
    windows_.insert(QStringLiteral("Form34"), form34);
    windows_.insert(QStringLiteral("Form22"), form22);
    windows_.insert(QStringLiteral("Form8"), new PlanRenameDialog(console_, *plans_, this));
    connect(form10, &MatrixSettingsDialog::outputDialogRequested, this,
            [form10, form19, form34](MatrixKind kind, int screen, bool fourPictures) {
                if (fourPictures)
                    form34->edit(form10->editedOutputMap(MatrixKind::AV), screen);
                else
                    form19->edit(form10->editedOutputMap(kind), kind, screen);
            });
    connect(form19, &MatrixOutputDialog::outputsChosen, form10,
            &MatrixSettingsDialog::refreshCells);
    connect(form34, &PictureOutputDialog::outputsChosen, form10,
            &MatrixSettingsDialog::refreshCells);
    connect(form10, &MatrixSettingsDialog::inputNamesRequested, form22,
            &MatrixInputNamesDialog::openFor);
    connect(form4_, &WallSettingsDialog::wallResized, this, [this] {
        console_.grid().setSelection({0, 0, 0, 0});
        FormCanResize();
        refreshGrid();
    });
    connect(form30_, &ColourToolbar::coloursChanged, this, [this] {
        grid_->setCustomColours(console_.grid().customColours());
        grid_->hide(); // a full repaint, as the toolbar asks
        grid_->show();
    });
    connect(form27_, &SerialSettingsDialog::saved, this, &MainWindow::updateStatusBar);
}

void MainWindow::N30Click() {
    if (console_.busy())
        return; // one power-on sequence at a time
    bool staggered = false;
    const bool english = console_.english();
    const CommandResult r = console_.powerOn(&staggered, [this, english](int done, int total) {
        panels_[4]->setText(english ? QStringLiteral("Power on %1/%2").arg(done).arg(total)
                                    : QStringLiteral("开机 %1/%2").arg(done).arg(total));
    });
    if (!r.ok) {
        Modal::message(this, Modal::Icon::Plain,
                       english ? QStringLiteral("Error") : QStringLiteral("错误提示"), r.message);
        return;
    }
    if (staggered)
        Modal::message(this, Modal::Icon::Information,
                       english ? QStringLiteral("Tips") : QStringLiteral("信息提示框"),
                       english ? QStringLiteral("Power On Good!") : QStringLiteral("完成开机!"));
}

void MainWindow::N55Click() {
    if (console_.reading())
        return;
    console_.clearStop();
    const bool ok = console_.getMainSource();
    panels_[3]->setText(readStateText(console_.state().settings.Language,
                                      ok ? ReadState::Success : ReadState::Failure));
    const bool english = console_.english();
    Modal::message(this, Modal::Icon::Information,
                   english ? QStringLiteral("Tips") : QStringLiteral("信息提示框"),
                   console_.stopRequested()
                       ? (english ? QStringLiteral("You terminated the read!")
                                  : QStringLiteral("您终止了读取!"))
                       : (english ? QStringLiteral("Read Over!") : QStringLiteral("读取结束!")));
}

void MainWindow::N28Click() {
    const int n = plans_->currentRow();
    if (n < 0)
        return; // no plan chosen: nothing to save
    // The status bar says what is being done while the pauses run.
    panels_[4]->setText(console_.english() ? QStringLiteral("Saving plan %1 ...").arg(n + 1)
                                           : QStringLiteral("正在保存预案 %1 ...").arg(n + 1));
    const CommandResult r = console_.plans().save(n);
    if (!r.ok) {
        panels_[4]->setText(r.message);
        return;
    }
    refreshGrid();
}

void MainWindow::suitempListBox1DblClick() {
    const int n = plans_->currentRow();
    if (n < 0)
        return;
    PlanRecall& recall = console_.planRecall();
    // Another plan command or a read is running: it goes on undisturbed.
    if (recall.running() || console_.plans().saving() || console_.reading()) {
        panels_[4]->setText(recall.refusal(n));
        return;
    }
    panels_[4]->setText(console_.english() ? QStringLiteral("Recalling plan %1 ...").arg(n + 1)
                                           : QStringLiteral("正在调用预案 %1 ...").arg(n + 1));
    // Shown busy, and not clickable, until the last pause is over.
    plans_->setEnabled(false);
    const CommandResult r = recall.recall(n);
    plans_->setEnabled(true);
    refreshGrid();
    if (r.ok)
        return;
    panels_[4]->setText(r.message);
    if (!console_.plans().saved(n))
        Modal::message(this, Modal::Icon::Plain, recall.errorCaption(), r.message);
}

void MainWindow::N27Click() {
    const QListWidgetItem* item = plans_->currentItem();
    if (!item || plans_->currentRow() < 0)
        return; // no plan chosen: nothing to rename
    if (auto* form8 = qobject_cast<PlanRenameDialog*>(windows_.value(QStringLiteral("Form8"))))
        form8->openFor(item->text());
}

void MainWindow::openWindow(const QString& formName) {
    // The system settings show the values in use now.
    if (auto* form9 = qobject_cast<SystemSettingsDialog*>(windows_.value(formName)))
        form9->loadFields();
    // N16Click: the input control shows the stored choices, its lists rebuilt.
    if (auto* form14 = qobject_cast<InputControlDialog*>(windows_.value(formName))) {
        form14->N16Click();
        return;
    }
    if (QWidget* w = windows_.value(formName)) {
        w->show();
        w->raise();
        w->activateWindow();
    }
}

void MainWindow::FormCreate() {
    if (created_)
        return;
    created_ = true;
    const StartupReport report = console_.load(QApplication::applicationDirPath());
    // The boxes of start-up (a port that does not open) already speak the
    // console's language, Qt's buttons included.
    applyTranslators(console_.english());
    Modal::setDefaultTitle(console_.mainCaption());
    // Every start-up note shows, the whole of each in the hint.
    if (!report.warnings.isEmpty()) {
        panels_[4]->setText(report.warnings.join(QStringLiteral("; ")));
        panels_[4]->setToolTip(report.warnings.join(u'\n'));
    }
    applyMenuRules();
    // What every command did, in the status bar; set first, so that what the
    // windows start (polling) is said too.
    console_.setNoticeListener([this](const QString& text) {
        panels_[4]->setText(text);
        panels_[4]->setToolTip(text);
    });
    // The dialogs and pages are created now, so that they show the loaded
    // settings.
    buildWindows();
    controls_ = new ControlPages(console_, pages_, this);
    controls_->sideButtons()->setParent(centralWidget());
    controls_->sideButtons()->show();
    connect(controls_, &ControlPages::readStateChanged, this,
            [this](const QString& text) { panels_[3]->setText(text); });
    connect(controls_, &ControlPages::refused, this,
            [this](const QString& why) { panels_[4]->setText(why); });
    // A main source read back relabels its cell at once.
    console_.setSourceListener([this](int) { refreshGrid(); });
    for (const char* name : {"btn2", "btn3"})
        if (auto* b = findChild<QWidget*>(QLatin1String(name)))
            b->setVisible(false); // opened by access levels on board 11
    // The grid starts with its first cell selected.
    console_.grid().setSelection({0, 0, 0, 0});
    placeWindow();

    // Only the roaming or the picture-in-picture page, and the image
    // adjustment page, until an access level opens more.
    for (int i = 0; i < 8; ++i)
        pages_->setTabVisible(i, false);
    pages_->setTabVisible(console_.state().settings.bManYou != 0 ? 7 : 2, true);
    pages_->setCurrentIndex(console_.state().settings.bManYou != 0 ? 7 : 2);

    openSerialDevices(console_.state(), devices_, console_.settings(), *portSetup_);
    updateStatusBar();
    timer1_->start();
}

void MainWindow::applyMenuRules() {
    const MatrixConfig& m = console_.state().matrix;
    actions_.value(QStringLiteral("N26"))->setVisible(m.cameraMenusVisible());
    actions_.value(QStringLiteral("N63"))->setVisible(m.cameraMenusVisible());
    actions_.value(QStringLiteral("PanasonicLogin1"))->setVisible(m.panasonicItemsVisible());
    actions_.value(QStringLiteral("PanasonicLogout1"))->setVisible(m.panasonicItemsVisible());
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    FormActivate();
}

void MainWindow::FormActivate() {
    if (activated_)
        return;
    activated_ = true;
    SetLanguage(console_.state().settings.Language);
    SetBoard();
    if (console_.state().settings.bLogin != 0) {
        Modal::exec(*form16_);
        if (!form16_->loggedIn())
            close(); // no login, no console
    }
}

void MainWindow::SetBoard() {
    const ConsoleState& s = console_.state();
    const int board = s.settings.BoardSel;
    for (const ProductItem& item : kProducts)
        actions_.value(QLatin1String(item.name))->setChecked(item.board == board);
    {
        SettingsScope ini = console_.settings().open();
        console_.grid().loadSources(ini);
    }
    refreshGrid();
    if (s.accessLevel > 0) {
        actions_.value(QStringLiteral("N62"))->setVisible(board == 1);
        pages_->setTabVisible(4, board == 9 || board == 10 || board == 11);
        pages_->setTabVisible(5, board == 9 || board == 10);
        for (const char* name : {"btn2", "btn3"})
            if (auto* b = findChild<QWidget*>(QLatin1String(name)))
                b->setVisible(board == 11);
    }
    pages_->setTabVisible(2, s.settings.bManYou == 0);
    pages_->setTabVisible(7, s.settings.bManYou != 0);
    if (controls_) {
        controls_->applyBoard(board);
        controls_->ReadEnable(s.settings.bReadEn != 0);
        controls_->retranslate(); // the sub-source list follows the board
    }
    actions_.value(QStringLiteral("N55"))->setVisible(s.settings.bReadEn != 0);
    updateStatusBar();
    FormCanResize(); // the status bar's panels follow the read-back switch
}

void MainWindow::refreshGrid() {
    const WallGrid& g = console_.grid();
    QStringList texts;
    for (int r = 0; r < g.rows(); ++r)
        for (int c = 0; c < g.cols(); ++c)
            texts << g.cellText(r, c, console_.state().settings.BoardSel);
    grid_->setCellTexts(texts);
    grid_->setCustomColours(g.customColours());
    grid_->setSelection(g.selection());
}

void MainWindow::SetLanguage(int language) {
    console_.setLanguage(language);
    // The input-control dialog is rebuilt for the new language when next opened.
    console_.state().matrixInputListsCurrent = false;
    // So is the input-name window, which would store default names of the
    // old language as names.
    for (const char* form : {"Form14", "Form22"})
        if (QWidget* w = windows_.value(QLatin1String(form)))
            w->close();
    const bool english = console_.english();
    actions_.value(QStringLiteral("N17"))->setChecked(!english);
    actions_.value(QStringLiteral("N18"))->setChecked(english);
    applyTranslators(english);
    // Every window takes the new captions now, not when the event loop next
    // runs (the translator's own notice follows later and changes nothing).
    retranslate();
    if (controls_)
        controls_->retranslate();
    for (QWidget* w : std::as_const(windows_))
        if (w) {
            QEvent change(QEvent::LanguageChange);
            QCoreApplication::sendEvent(w, &change);
        }
    FormCanResize(); // the side buttons take the width of their captions
}

void MainWindow::applyTranslators(bool english) {
    if (english && !english_) {
        english_ = std::make_unique<QTranslator>();
        if (english_->load(QStringLiteral(":/i18n/wallconsole_en.qm")))
            QApplication::installTranslator(english_.get());
    } else if (!english && english_) {
        QApplication::removeTranslator(english_.get());
        english_.reset();
    }
    // Qt speaks English by itself; in Chinese its buttons and dialogs take
    // the system's Chinese translation where one is installed.
    if (!english && qtChinese_.empty()) {
        for (const char* module : {"qtbase", "qtserialport"}) {
            auto t = std::make_unique<QTranslator>();
            if (t->load(QLocale(QLocale::Chinese, QLocale::China), QLatin1String(module),
                        QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
                QApplication::installTranslator(t.get());
                qtChinese_.push_back(std::move(t));
            }
        }
    } else if (english) {
        for (const auto& t : qtChinese_)
            QApplication::removeTranslator(t.get());
        qtChinese_.clear();
    }
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}

void MainWindow::retranslate() {
    setWindowTitle(console_.mainCaption());
    Modal::setDefaultTitle(console_.mainCaption());
    for (const MenuItem& m : kMenus)
        menus_.value(QLatin1String(m.name))->setTitle(tr(m.caption));
    for (const MenuItem& item : kItems)
        actions_.value(QLatin1String(item.name))->setText(tr(item.caption));
    menus_.value(QStringLiteral("N32"))->setTitle(tr("背景设置"));
    menus_.value(QStringLiteral("N23"))->setTitle(tr("产品选型"));
    for (const ProductItem& item : kProducts)
        actions_.value(QLatin1String(item.name))
            ->setText(boardProductName(item.board, console_.state().settings.Language));
    for (int i = 0; i < 16; ++i)
        actions_.value(QStringLiteral("N%1").arg(33 + i))->setText(tr(kSchemes[i]));
    for (int i = 0; i < 9; ++i)
        pages_->setTabText(i, tr(kTabCaptions[i]));

    plans_->clear();
    plans_->addItems(console_.plans().names());
    plans_->setCurrentRow(console_.plans().current());
    panels_[3]->setText(console_.english() ? QStringLiteral("Read State: ")
                                           : QStringLiteral("读取状态: "));
    updateStatusBar();
}

void MainWindow::updateStatusBar() {
    const ConsoleState& s = console_.state();
    const WallLinkStatus status = wallLinkStatus(s.settings.Language, s.serialDevice(kWallLink),
                                                 devices_.link(kWallLink).isOpen());
    // A long port path is shortened in its middle; the hint has all of it.
    panels_[0]->setText(panels_[0]->fontMetrics().elidedText(
        status.port, Qt::ElideMiddle, std::max(panels_[0]->width() - 6, 40)));
    panels_[0]->setToolTip(status.port);
    panels_[1]->setText(status.baud);
    panels_[2]->setText(status.state);
    // Panel 3 reports reads; it takes room only where read-back is in use.
    panels_[3]->setVisible(s.settings.bReadEn != 0);
    if (s.settings.bReadEn != 0 && panels_[3]->text().isEmpty())
        panels_[3]->setText(s.settings.Language == 0 ? QStringLiteral("读取状态: ")
                                                     : QStringLiteral("Read State: "));
}

void MainWindow::showLinkLost(int device, const QString& reason) {
    if (device == kWallLink)
        updateStatusBar();
    const QString text =
        console_.english()
            ? QStringLiteral("Serial device %1 (YbCommDevice%1) lost: %2").arg(device).arg(reason)
            : QStringLiteral("串口设备 %1（YbCommDevice%1）连接中断: %2").arg(device).arg(reason);
    panels_[4]->setText(text);
    panels_[4]->setToolTip(text);
}

QString MainWindow::statusText(int panel) const {
    return panels_.at(size_t(panel))->text();
}

void MainWindow::Timer1Timer() {
    if (pacer_.isWaiting())
        return; // a handler is waiting; ticks are not queued
    const QDateTime now = QDateTime::currentDateTime();
    panels_[5]->setText(clockText(now));
    label58_->setText(now.toString(QStringLiteral("yyyy-MM-dd")));
    label59_->setText(now.toString(QStringLiteral("hh:mm:ss")));
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FormCanResize();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // The central area's own size is final only once the menu and status
    // bars have theirs; the layout follows it, not the window's.
    if (watched == centralWidget() && event->type() == QEvent::Resize)
        FormCanResize();
    return QMainWindow::eventFilter(watched, event);
}

QSize MainWindow::openingSize() {
    return kOpeningSize;
}

QSize MainWindow::smallestSize() {
    return kSmallestSize;
}

void MainWindow::placeWindow() {
    setMinimumSize(kSmallestSize);
    QList<QRect> screens;
    for (const QScreen* s : QGuiApplication::screens())
        screens << s->availableGeometry();
    if (const std::optional<WindowPlace>& kept = console_.state().mainWindowPlace;
        kept && windowPlaceUsable(*kept, kSmallestSize, screens)) {
        // A place kept on a larger screen shrinks to the screen it is on now.
        QSize size(kept->width, kept->height);
        if (const QScreen* on = QGuiApplication::screenAt(QPoint(kept->left + 60, kept->top + 12)))
            size = size.boundedTo(on->availableGeometry().size()).expandedTo(kSmallestSize);
        resize(size);
        move(kept->left, kept->top);
        return;
    }
    QSize size = kOpeningSize;
    if (const QScreen* s = screen()) {
        const QRect room = s->availableGeometry();
        size = size.boundedTo(room.size() - QSize(0, kFrameAllowance));
        move(room.topLeft());
    }
    resize(size.expandedTo(kSmallestSize));
}

void MainWindow::FormCanResize() {
    // The lower area (the pages and the calendar panel with the read and side
    // buttons) stands on the bottom of the central area, above the status
    // bar, whatever height the menu and status bars take. The grid keeps its
    // rule (the window less 240 x 272) but never reaches into the lower area;
    // the plan list takes the width beside it.
    const QWidget* area = centralWidget();
    const int W = width(), H = height();
    const int areaWidth = area->width(), areaHeight = area->height();
    const int lowerTop = std::max(areaHeight - kPageHeight - kMargin, 0);
    QWidget* side = controls_ ? controls_->sideButtons() : nullptr;
    const int sideWidth = std::max(kImageWidth, side ? side->sizeHint().width() + 2 * kMargin : 0);
    const int sideLeft = areaWidth - sideWidth - 2 * kMargin;
    pages_->setGeometry(kMargin, lowerTop, std::max(sideLeft - 2 * kMargin, 1), kPageHeight);
    image_->setGeometry(sideLeft, lowerTop, sideWidth, kPageHeight);
    const int labelHeight = label58_->sizeHint().height();
    label58_->setGeometry(sideLeft, lowerTop + 30, sideWidth, labelHeight);
    label59_->setGeometry(sideLeft, lowerTop + 30 + labelHeight + 12, sideWidth,
                          label59_->sizeHint().height());
    if (side) {
        const int sideHeight = side->sizeHint().height();
        side->setGeometry(sideLeft + kMargin, lowerTop + kPageHeight - sideHeight - kMargin,
                          sideWidth - 2 * kMargin, sideHeight);
    }

    const WallGrid& g = console_.grid();
    GridMetrics m = gridMetrics(W, H, g.rows(), g.cols());
    const int room = lowerTop - 2 * 8;
    if (m.height > room) // the rule's height for a window that leaves just that room
        m = gridMetrics(W, room + (H - m.height), g.rows(), g.cols());
    grid_->setGeometry(8, 8, std::max(m.width, 1), std::max(m.height, 1));
    grid_->setLayout(g.rows(), g.cols(), m.rowHeight, m.columnWidth);
    plans_->setGeometry(m.width + 16, 8, std::max(areaWidth - m.width - 24, 1),
                        std::max(m.height, 1));
    // Panel 4 takes what panels 0, 1, 2 and 5 leave, less panel 3 where read-back
    // shows it, and the status bar's own spacing, so that the clock stays in view.
    int fixed = kPanelWidths[0] + kPanelWidths[1] + kPanelWidths[2] + kPanelWidths[5];
    if (console_.state().settings.bReadEn != 0)
        fixed += kPanelWidths[3];
    panels_[4]->setFixedWidth(std::max(W - fixed - kStatusSpacing, 0));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (pacer_.isWaiting()) {
        // A sequence is still sending; closing now would cut it off.
        event->ignore();
        return;
    }
    // The place kept for the next start: the frame's corner and the inner
    // size the window has when it is neither maximised nor full screen.
    const QRect inner = isMaximized() || isFullScreen() ? normalGeometry() : geometry();
    const QPoint frame = geometry().topLeft() - pos();
    const WindowPlace place{inner.x() - frame.x(), inner.y() - frame.y(), inner.width(),
                            inner.height()};
    console_.saveOnClose(place); // a failure is reported through the settings' error sink
    for (QWidget* w : windows_)
        if (w)
            w->close();
    event->accept();
}

} // namespace wall
