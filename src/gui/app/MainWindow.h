#pragma once

#include "serial/SerialSetup.h"

#include <QDateTime>
#include <QMainWindow>
#include <QMap>
#include <QPointer>

#include <array>
#include <memory>
#include <vector>

class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QTabWidget;
class QTimer;
class QTranslator;
class QFrame;

namespace wall {

class Console;
class ColourToolbar;
class ControlPages;
class SerialDevices;
class SerialSettingsDialog;
class UiPacer;
class WallGridWidget;
class WallSettingsDialog;
class WindowPortSetup;

// TForm1 "液晶幕墙系统软件": the wall grid, the control pages, the plan list,
// the menus that open every other window, and the status bar.
class MainWindow final : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Console& console, SerialDevices& devices, UiPacer& pacer, QWidget* parent = nullptr);
    ~MainWindow() override;

    // FormCreate: reads Setting.ini, sizes the window, opens the serial
    // devices (with their settings dialog where one fails). Runs once.
    void FormCreate();
    // The first activation: language, board, login. Runs once.
    void FormActivate();

    void SetLanguage(int language);
    void SetBoard();
    // The grid's counts and sizes from the window size, as on every resize.
    void FormCanResize();
    // The size the console opens at when no place of its own is kept, before
    // it is fitted to the screen; and the smallest it can be made.
    static QSize openingSize();
    static QSize smallestSize();
    void Timer1Timer();
    void N30Click();                // wall power on
    void N55Click();                // read the selection's main sources
    void N28Click();                // save the plan chosen in the plan list
    void N27Click();                // rename it (TForm8)
    void suitempListBox1DblClick(); // recall the plan chosen: switchers and screens
    // A successful entry in the advanced-functions dialog.
    void grantAccess(int level);

    WallGridWidget* grid() const { return grid_; }
    QWidget* window(const QString& formName) const { return windows_.value(formName); }
    QString statusText(int panel) const;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildStatusBar();
    void buildProductMenu();
    void buildPages();
    void buildWindows();
    void applyMenuRules();
    void refreshGrid();
    void updateStatusBar();
    void showLinkLost(int device, const QString& reason);
    void retranslate();
    void openWindow(const QString& formName);
    // The kept place when it can be used, else the opening size on the screen.
    void placeWindow();

    Console& console_;
    SerialDevices& devices_;
    UiPacer& pacer_;
    std::unique_ptr<WindowPortSetup> portSetup_;   // owned by the main window
    std::unique_ptr<WindowPortSetup> form27Setup_; // owned by the serial settings dialog
    std::unique_ptr<QTranslator> english_;
    // Qt's own texts (buttons, file dialogs, port errors) in Chinese.
    std::vector<std::unique_ptr<QTranslator>> qtChinese_;
    void applyTranslators(bool english);
    QString lastSettingsError_;
    QDateTime lastSettingsErrorAt_;
    bool created_ = false;
    bool activated_ = false;

    WallGridWidget* grid_ = nullptr;
    ControlPages* controls_ = nullptr;
    class LoginDialog* form16_ = nullptr;
    QTabWidget* pages_ = nullptr;
    QListWidget* plans_ = nullptr;
    QFrame* image_ = nullptr;
    QLabel* label58_ = nullptr;
    QLabel* label59_ = nullptr;
    std::array<QLabel*, 6> panels_{};
    QTimer* timer1_ = nullptr;
    QMap<QString, QAction*> actions_;
    QMap<QString, QMenu*> menus_;
    QMap<QString, QPointer<QWidget>> windows_;
    WallSettingsDialog* form4_ = nullptr;
    ColourToolbar* form30_ = nullptr;
    SerialSettingsDialog* form27_ = nullptr;
};

} // namespace wall
