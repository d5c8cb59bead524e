#include "ParameterPanels.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace wall {

namespace {

QString pageText(const char* source) {
    return QCoreApplication::translate("wall::Pages", source);
}

QPushButton* button(QWidget* parent, const char* name) {
    auto* b = new QPushButton(parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

constexpr int kPanelHeight = 50;
constexpr int kSliderWidthOn = 240;
constexpr int kWidthOff = 145;
// What a list takes beside its text: the frame and the drop-down arrow.
constexpr int kListChrome = 32;

// How much wider than `room` a caption's text is, so that the controls to
// its right can make way for a long caption (English ones mostly).
int overflow(const QLabel* caption, int room) {
    return std::max(0, caption->fontMetrics().horizontalAdvance(caption->text()) + 2 - room);
}

void bevel(QFrame* f, bool on) {
    // With read-back the panels are flat; without, raised inside, lowered outside.
    f->setFrameShape(on ? QFrame::NoFrame : QFrame::Panel);
    f->setFrameShadow(on ? QFrame::Plain : QFrame::Raised);
    f->setLineWidth(on ? 0 : 2);
}

} // namespace

SliderPanel::SliderPanel(const SliderDef& def, QWidget* parent)
    : QFrame(parent), def_(def), caption_(new QLabel(this)),
      slider_(new QScrollBar(Qt::Horizontal, this)), edit_(new QLineEdit(this)),
      minus_(button(this, def.minus)), plus_(button(this, def.plus)),
      write_(button(this, def.write)), read_(button(this, def.read)) {
    slider_->setObjectName(QLatin1String(def.slider));
    edit_->setObjectName(QLatin1String(def.edit));
    slider_->setRange(def.minimum, def.maximum);
    edit_->setText(QString::number(slider_->value()));
    minus_->setText(QStringLiteral("-"));
    plus_->setText(QStringLiteral("+"));
    connect(slider_, &QScrollBar::valueChanged, this,
            [this](int v) { edit_->setText(QString::number(v)); });
    connect(edit_, &QLineEdit::textEdited, this, &SliderPanel::EditChange);
    retranslate();
    setReadBack(true);
}

void SliderPanel::EditChange(const QString& text) {
    QString digits;
    for (QChar c : text)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits += c;
    if (digits.isEmpty()) {
        edit_->setText(digits);
        return;
    }
    bool ok = false;
    const qlonglong number = digits.left(12).toLongLong(&ok);
    if (!ok || number > slider_->maximum())
        QApplication::beep();
    const QSignalBlocker quiet(slider_);
    slider_->setValue(int(std::clamp<qlonglong>(number, slider_->minimum(), slider_->maximum())));
    edit_->setText(QString::number(slider_->value()));
}

void SliderPanel::showRead(int value, std::optional<int> minimum, std::optional<int> maximum) {
    if (minimum) {
        // Window geometry: position, then minimum, then maximum.
        slider_->setValue(value);
        slider_->setMinimum(*minimum);
        if (maximum)
            slider_->setMaximum(*maximum);
    } else {
        // Positions: the maximum, then the position.
        if (maximum)
            slider_->setMaximum(*maximum);
        slider_->setValue(value);
    }
    edit_->setText(QString::number(slider_->value()));
}

void SliderPanel::setReadBack(bool on) {
    readBack_ = on;
    bevel(this, on);
    for (QWidget* w : {static_cast<QWidget*>(slider_), static_cast<QWidget*>(edit_),
                       static_cast<QWidget*>(write_), static_cast<QWidget*>(read_)})
        w->setVisible(on);
    if (on) {
        const int x = overflow(caption_, 120);
        caption_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        caption_->setGeometry(0, 8, 120 + x, 18);
        slider_->setGeometry(0, 30, 120, 16);
        plus_->setGeometry(128 + x, 2, 25, 22);
        minus_->setGeometry(128 + x, 25, 25, 22);
        edit_->setGeometry(158 + x, 14, 36, 22);
        write_->setGeometry(198 + x, 2, 40, 22);
        read_->setGeometry(198 + x, 25, 40, 22);
        setFixedSize(kSliderWidthOn + x, kPanelHeight);
    } else {
        const int x = overflow(caption_, 62);
        caption_->setAlignment(Qt::AlignCenter);
        caption_->setGeometry(8, 19, 62 + x, 18);
        minus_->setGeometry(72 + x, 12, 25, 25);
        plus_->setGeometry(112 + x, 12, 25, 25);
        setFixedSize(kWidthOff + x, kPanelHeight);
    }
}

void SliderPanel::retranslate() {
    caption_->setText(pageText(def_.caption));
    write_->setText(QCoreApplication::translate("wall::Pages", "写"));
    read_->setText(QCoreApplication::translate("wall::Pages", "读"));
    setReadBack(readBack_); // the caption's width may have changed
}

ListPanel::ListPanel(const ListDef& def, QWidget* parent)
    : QFrame(parent), def_(def), caption_(new QLabel(this)), list_(new QComboBox(this)),
      write_(button(this, def.write)), read_(def.read ? button(this, def.read) : button(this, "")) {
    list_->setObjectName(QLatin1String(def.list));
    for (std::size_t i = 0; i < def.items.size(); ++i)
        list_->addItem(QString());
    if (!def.read)
        read_->setEnabled(false); // this list cannot be read back
    retranslate();
    setReadBack(true);
}

void ListPanel::setReadBack(bool on) {
    readBack_ = on;
    bevel(this, on);
    write_->setVisible(on);
    read_->setVisible(on);
    if (on) {
        const int x = overflow(caption_, 91);
        caption_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        caption_->setGeometry(0, 8, 91 + x, 18);
        list_->setGeometry(0, 26, 91, 22);
        write_->setGeometry(100 + x, 2, 40, 22);
        read_->setGeometry(100 + x, 25, 40, 22);
        setFixedSize(kWidthOff + x, kPanelHeight);
    } else {
        const int x = overflow(caption_, 62);
        caption_->setAlignment(Qt::AlignCenter);
        caption_->setGeometry(8, 19, 62 + x, 18);
        // The list as wide as its longest item needs, 70 pixels at least.
        int widest = 0;
        for (int i = 0; i < list_->count(); ++i)
            widest = std::max(widest, list_->fontMetrics().horizontalAdvance(list_->itemText(i)));
        const int listWidth = std::max(70, widest + kListChrome);
        list_->setGeometry(72 + x, 15, listWidth, 22);
        setFixedSize(kWidthOff + x + listWidth - 70, kPanelHeight);
    }
}

void ListPanel::retranslate() {
    caption_->setText(pageText(def_.caption));
    // The items are rebuilt in the language, keeping the chosen position.
    for (int i = 0; i < list_->count(); ++i)
        list_->setItemText(i, pageText(def_.items[size_t(i)]));
    write_->setText(QCoreApplication::translate("wall::Pages", "写"));
    read_->setText(QCoreApplication::translate("wall::Pages", "读"));
    setReadBack(readBack_); // the caption's width may have changed
}

} // namespace wall
