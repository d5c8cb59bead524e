#pragma once

#include "PageTables.h"

#include <QFrame>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace wall {

// One parameter's panel in either layout: with read-back, every control;
// without it, the caption and "-"/"+" (or the list) in a raised panel.
class SliderPanel final : public QFrame {
    Q_OBJECT
public:
    SliderPanel(const SliderDef& def, QWidget* parent);
    void setReadBack(bool on);
    void retranslate();

    const SliderDef& def() const { return def_; }
    QScrollBar* slider() const { return slider_; }
    QLineEdit* edit() const { return edit_; }
    QPushButton* writeButton() const { return write_; }
    QPushButton* minusButton() const { return minus_; }
    QPushButton* plusButton() const { return plus_; }
    QPushButton* readButton() const { return read_; }
    QLabel* caption() const { return caption_; }

    // A read's result: the range (when the reply gives one) and the position.
    void showRead(int value, std::optional<int> minimum, std::optional<int> maximum);

private:
    void EditChange(const QString& text);

    SliderDef def_;
    QLabel* caption_;
    QScrollBar* slider_;
    QLineEdit* edit_;
    QPushButton* minus_;
    QPushButton* plus_;
    QPushButton* write_;
    QPushButton* read_;
    bool readBack_ = true;
};

class ListPanel final : public QFrame {
    Q_OBJECT
public:
    ListPanel(const ListDef& def, QWidget* parent);
    void setReadBack(bool on);
    void retranslate();

    const ListDef& def() const { return def_; }
    QComboBox* list() const { return list_; }
    QPushButton* writeButton() const { return write_; }
    QPushButton* readButton() const { return read_; }

private:
    ListDef def_;
    QLabel* caption_;
    QComboBox* list_;
    QPushButton* write_;
    QPushButton* read_;
    bool readBack_ = true;
};

} // namespace wall
