// The windows at the sizes the console runs at, in both languages and both
// read-back layouts: every named control wholly in view, no page scrolling
// sideways, no tab bar scrolling, no button on top of another, no caption
// wider than its control. Each window's grab is saved under the build tree
// (tests/grabs) so that it can be looked at.
#include "ConsoleWindowFixture.h"
#include "app/WindowPlace.h"

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include <gmock/gmock.h>

using namespace wall;
using namespace wall::test;

namespace {

// Room a push button's frame and margins take beside its text.
constexpr int kButtonPadding = 6;

struct Layout {
    int language; // SETTING/Language
    int readBack; // SETTING/bReadEn
};
constexpr Layout kLayouts[] = {{0, 1}, {0, 0}, {1, 1}, {1, 0}};

QString tagOf(const Layout& l) {
    return QStringLiteral("%1-read%2")
        .arg(l.language == 0 ? QStringLiteral("zh") : QStringLiteral("en"))
        .arg(l.readBack);
}

QRect rectIn(const QWidget* w, const QWidget* root) {
    return QRect(w->mapTo(root, QPoint(0, 0)), w->size());
}

bool shownIn(const QWidget* w, const QWidget* root) {
    return w->isVisible() && w->window() == root;
}

QString describe(const QWidget* w, const QWidget* root) {
    const QRect r = rectIn(w, root);
    const QString name = w->objectName().isEmpty()
                             ? QString::fromLatin1(w->metaObject()->className())
                             : w->objectName();
    return QStringLiteral("%1 [%2,%3 %4x%5]")
        .arg(name)
        .arg(r.x())
        .arg(r.y())
        .arg(r.width())
        .arg(r.height());
}

bool internal(const QObject* o) {
    return o->objectName().startsWith(QLatin1String("qt_"));
}

// A tab bar's own scroll arrows and the like are not the window's buttons.
bool insideTabBar(const QWidget* w) {
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (qobject_cast<const QTabBar*>(p))
            return true;
    return false;
}

// The text a label or button shows, as it is measured.
QString shownText(QString text) {
    return text.remove(QLatin1Char('&'));
}

int widestLine(const QFontMetrics& fm, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, fm.horizontalAdvance(line));
    return widest;
}

// Every geometry fault of one window as it stands now, one line each.
QStringList geometryFaults(QWidget* root) {
    QStringList faults;
    const QList<QWidget*> all = root->findChildren<QWidget*>();

    // Named controls: not cut off by any widget they sit in (a page's
    // scrolling viewport, a group, the area above the status bar).
    for (QWidget* w : all) {
        if (w->objectName().isEmpty() || internal(w) || !shownIn(w, root) || insideTabBar(w))
            continue;
        const QRect r = rectIn(w, root);
        if (r.isEmpty()) {
            faults << describe(w, root) + QStringLiteral(" has no room");
            continue;
        }
        if (!root->rect().contains(r))
            faults << describe(w, root) + QStringLiteral(" runs out of the window");
        for (QWidget* p = w->parentWidget(); p && p != root; p = p->parentWidget())
            if (!rectIn(p, root).contains(r)) {
                faults << describe(w, root) + QStringLiteral(" is cut off by ") + describe(p, root);
                break;
            }
    }
    for (QAbstractScrollArea* area : root->findChildren<QAbstractScrollArea*>())
        if (shownIn(area, root) && area->horizontalScrollBar()->isVisible())
            faults << describe(area, root) + QStringLiteral(" scrolls sideways");
    for (QTabBar* bar : root->findChildren<QTabBar*>())
        if (shownIn(bar, root))
            for (QToolButton* arrow : bar->findChildren<QToolButton*>())
                if (arrow->isVisible())
                    faults << describe(bar, root) + QStringLiteral(" needs scroll arrows");

    // Buttons: apart from one another, and wide enough for their text.
    QList<QAbstractButton*> buttons;
    for (QAbstractButton* b : root->findChildren<QAbstractButton*>())
        if (shownIn(b, root) && !insideTabBar(b) && !internal(b))
            buttons << b;
    for (qsizetype i = 0; i < buttons.size(); ++i)
        for (qsizetype j = i + 1; j < buttons.size(); ++j)
            if (rectIn(buttons[i], root).intersects(rectIn(buttons[j], root)))
                faults << describe(buttons[i], root) + QStringLiteral(" overlaps ") +
                              describe(buttons[j], root);
    for (QAbstractButton* b : std::as_const(buttons)) {
        const QString text = shownText(b->text());
        if (text.isEmpty())
            continue;
        const int needed = qobject_cast<QPushButton*>(b)
                               ? widestLine(b->fontMetrics(), text) + kButtonPadding
                               : b->minimumSizeHint().width();
        if (needed > b->width())
            faults << QStringLiteral("\"%1\" needs %2 pixels in ").arg(text).arg(needed) +
                          describe(b, root);
    }

    // Captions: a label's text within the label, a group's title within the
    // group. The status bar's panels show passing messages and are left out.
    for (QLabel* l : root->findChildren<QLabel*>()) {
        if (!shownIn(l, root) || l->wordWrap() || l->text().isEmpty() ||
            Qt::mightBeRichText(l->text()))
            continue;
        bool inStatusBar = false;
        for (const QWidget* p = l->parentWidget(); p; p = p->parentWidget())
            inStatusBar = inStatusBar || qobject_cast<const QStatusBar*>(p);
        if (inStatusBar)
            continue;
        const int needed = widestLine(l->fontMetrics(), shownText(l->text()));
        if (needed > l->contentsRect().width())
            faults << QStringLiteral("\"%1\" needs %2 pixels in ").arg(l->text()).arg(needed) +
                          describe(l, root);
    }
    for (QGroupBox* g : root->findChildren<QGroupBox*>()) {
        if (!shownIn(g, root) || g->title().isEmpty())
            continue;
        const int needed = g->fontMetrics().horizontalAdvance(g->title()) + 2 * kButtonPadding;
        if (needed > g->width())
            faults << QStringLiteral("\"%1\" needs %2 pixels in ").arg(g->title()).arg(needed) +
                          describe(g, root);
    }
    return faults;
}

void expectNoFaults(QWidget* root, const QString& where) {
    const QStringList faults = geometryFaults(root);
    EXPECT_TRUE(faults.isEmpty()) << where.toStdString() << ":\n  "
                                  << faults.join(QStringLiteral("\n  ")).toStdString();
}

void settle(QWidget* w) {
    for (QWidget* top : {w, w->window()})
        if (top->layout())
            top->layout()->activate();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

void saveGrab(QWidget* w, const QString& name) {
    QDir().mkpath(QStringLiteral(WALL_GRAB_DIR));
    w->grab().save(QStringLiteral(WALL_GRAB_DIR "/%1.png").arg(name));
}

// Every window the main window opens, by its component name.
constexpr const char* kDialogs[] = {
    "Form2",  "Form4",  "Form5",  "Form9",  "Form10", "Form11", "Form12",
    "Form13", "Form14", "Form16", "Form19", "Form22", "Form23", "Form24",
    "Form26", "Form27", "Form30", "Form31", "Form33", "Form34", "Form35",
};

class WindowGeometryTest : public ConsoleWindowFixture {
protected:
    // A fresh console in the layout, shown, with every page and side button
    // opened by the full access level.
    void startIn(const Layout& l) {
        window.reset();
        writeFile(QStringLiteral("[SETTING]\nLanguage=%1\nbReadEn=%2\n")
                      .arg(l.language)
                      .arg(l.readBack)
                      .toUtf8());
        start(true);
        window->grantAccess(20);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    QTabWidget* pages() const { return find<QTabWidget>(QStringLiteral("PageControl1")); }
};

TEST_F(WindowGeometryTest, EveryPageFitsTheMainWindowAtItsOpeningAndItsSmallestSize) {
    for (const Layout& l : kLayouts) {
        startIn(l);
        // The console opens at its own size, or smaller on a small screen,
        // never below its smallest size.
        const QSize opened = window->size();
        EXPECT_EQ(opened, opened.boundedTo(MainWindow::openingSize()));
        EXPECT_EQ(opened, opened.expandedTo(MainWindow::smallestSize()));
        EXPECT_EQ(window->minimumSize(), MainWindow::smallestSize());
        EXPECT_LE(window->minimumWidth(), 1024);
        EXPECT_LE(window->minimumHeight(), 700);
        for (const QSize size : {MainWindow::openingSize(), QSize(1024, 700)}) {
            window->resize(size);
            ASSERT_EQ(window->size(), size);
            const QString sizeTag = QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
            for (int i = 0; i < pages()->count(); ++i) {
                pages()->setTabVisible(i, true);
                pages()->setCurrentIndex(i);
                settle(window.get());
                const QString where = QStringLiteral("Form1-%1-%2-%3")
                                          .arg(pages()->widget(i)->objectName(), tagOf(l), sizeTag);
                saveGrab(window.get(), where);
                expectNoFaults(window.get(), where);
            }
        }
    }
}

TEST_F(WindowGeometryTest, EveryDialogShowsAllOfItself) {
    for (const Layout& l : kLayouts) {
        startIn(l);
        for (const char* name : kDialogs) {
            QWidget* dialog = window->window(QLatin1String(name));
            ASSERT_NE(dialog, nullptr) << name;
            dialog->show();
            settle(dialog);
            QWidget* tabs = dialog->findChild<QTabWidget*>();
            for (int i = 0; i < (tabs ? static_cast<QTabWidget*>(tabs)->count() : 1); ++i) {
                if (tabs)
                    static_cast<QTabWidget*>(tabs)->setCurrentIndex(i);
                settle(dialog);
                const QString where =
                    QStringLiteral("%1-%2-page%3").arg(QLatin1String(name), tagOf(l)).arg(i + 1);
                saveGrab(dialog, where);
                expectNoFaults(dialog, where);
            }
            dialog->close();
        }
    }
}

TEST_F(WindowGeometryTest, TheMatrixConnectionGridFillsItsGroup) {
    for (const Layout& l : {kLayouts[0], kLayouts[2]}) {
        startIn(l);
        for (const auto& [rows, cols] : {std::pair{3, 3}, std::pair{4, 6}, std::pair{7, 2}}) {
            console->setWallSize(rows, cols);
            QWidget* dialog = window->window(QStringLiteral("Form10"));
            dialog->show();
            settle(dialog);
            auto* grid = dialog->findChild<QTableWidget*>(QStringLiteral("suitempStringGrid1"));
            auto* group = dialog->findChild<QGroupBox*>(QStringLiteral("suitempGroupBox1"));
            ASSERT_TRUE(grid && group);
            int cellsWide = 0, cellsHigh = 0;
            for (int c = 0; c < grid->columnCount(); ++c)
                cellsWide += grid->columnWidth(c);
            for (int r = 0; r < grid->rowCount(); ++r)
                cellsHigh += grid->rowHeight(r);
            const QSize room = grid->viewport()->size();
            const QString where = QStringLiteral("%1 x %2, %3").arg(rows).arg(cols).arg(tagOf(l));
            // The cells take the whole viewport.
            EXPECT_NEAR(cellsWide, room.width(), 1) << where.toStdString();
            EXPECT_NEAR(cellsHigh, room.height(), 1) << where.toStdString();
            // The grid spans its group but for the group's margins.
            EXPECT_GE(grid->width(), group->contentsRect().width() - 24) << where.toStdString();
            dialog->close();
        }
    }
}

TEST_F(WindowGeometryTest, TheLowerAreaStaysPutAfterTheWallSettingsOk) {
    startIn(kLayouts[0]);
    const char* lower[] = {"PageControl1", "Image1", "SidePanel", "Label58", "Label59"};
    auto places = [&] {
        QList<QRect> r;
        for (const char* name : lower)
            r << rectIn(find<QWidget>(QLatin1String(name)), window.get());
        return r;
    };
    settle(window.get());
    const QList<QRect> before = places();
    QWidget* form4 = window->window(QStringLiteral("Form4"));
    form4->show();
    form4->findChild<QComboBox*>(QStringLiteral("ComboBox1"))->setCurrentIndex(4);
    form4->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
    settle(window.get());
    EXPECT_EQ(places(), before);
    EXPECT_EQ(console->grid().rows(), 5);
}

// Each group of buttons on the system and debugging pages stands in a
// group of its own under its own caption.
TEST_F(WindowGeometryTest, ButtonGroupsCarryTheirOwnCaptions) {
    struct Group {
        std::vector<const char*> buttons;
        const char* chinese;
        const char* english;
    };
    const Group groups[] = {
        {{"suiButton84", "suiButton85"}, "制式", "System"},
        {{"suiButton119", "suiButton122"}, "信源模式", "Source mode"},
        {{"suiButton68", "suiButton136"}, "动态模式", "Dynamic mode"},
        {{"suiButton134", "suiButton135"}, "LVDS信号标准", "LVDS standard"},
        {{"suiButton129", "suiButton130", "suiButton131"}, "Config", "Config"},
    };
    for (const Layout& l : {kLayouts[0], kLayouts[2]}) {
        startIn(l);
        QList<QGroupBox*> seen;
        for (const Group& g : groups) {
            auto* box = qobject_cast<QGroupBox*>(
                find<QWidget>(QLatin1String(g.buttons.front()))->parentWidget());
            ASSERT_NE(box, nullptr) << g.chinese;
            EXPECT_EQ(box->title(), QString::fromUtf8(l.language == 0 ? g.chinese : g.english));
            EXPECT_FALSE(seen.contains(box)) << g.chinese << " shares its group";
            seen << box;
            // The group holds its buttons and nothing else that clicks.
            QStringList inside;
            for (QAbstractButton* b : box->findChildren<QAbstractButton*>())
                inside << b->objectName();
            QStringList expected;
            for (const char* b : g.buttons)
                expected << QLatin1String(b);
            EXPECT_THAT(inside, testing::UnorderedElementsAreArray(expected)) << g.chinese;
        }
    }
}

TEST_F(WindowGeometryTest, TheWindowOpensWhereItWasClosed) {
    // The offscreen screen is where the window must come back to.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const WindowPlace kept{screen.x() + 10, screen.y() + 20, 1090, 730};
    writeFile(QStringLiteral("[Unit1]\nFormLeft=%1\nFormTop=%2\nFormWidth=%3\nFormHeight=%4\n")
                  .arg(kept.left)
                  .arg(kept.top)
                  .arg(kept.width)
                  .arg(kept.height)
                  .toUtf8());
    start(true);
    // Kept on a larger screen, the size shrinks to this one (not below the smallest).
    EXPECT_EQ(
        window->size(),
        QSize(kept.width, kept.height).boundedTo(screen.size()).expandedTo(window->minimumSize()));
    EXPECT_EQ(window->pos(), QPoint(kept.left, kept.top));

    window->resize(1200, 760);
    window->move(screen.x() + 30, screen.y() + 40);
    window->close();
    SettingsStore reread(path());
    EXPECT_EQ(readWindowPlace(reread.open()), (WindowPlace{window->x(), window->y(), 1200, 760}));

    // Too small, or away from every screen: the window opens at its own size.
    for (const WindowPlace& stale : {WindowPlace{screen.x(), screen.y(), 600, 400},
                                     WindowPlace{screen.right() + 500, screen.y(), 1100, 760}}) {
        window.reset();
        writeFile(QStringLiteral("[Unit1]\nFormLeft=%1\nFormTop=%2\nFormWidth=%3\nFormHeight=%4\n")
                      .arg(stale.left)
                      .arg(stale.top)
                      .arg(stale.width)
                      .arg(stale.height)
                      .toUtf8());
        start(true);
        EXPECT_NE(window->size(), QSize(stale.width, stale.height)) << stale.width;
        EXPECT_GE(window->width(), window->minimumWidth());
        EXPECT_TRUE(screen.intersects(window->frameGeometry())) << stale.left;
    }
}

} // namespace
