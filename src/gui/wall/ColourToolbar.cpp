#include "ColourToolbar.h"

#include "ColourPalette.h"
#include "app/Console.h"

#include <QCheckBox>
#include <QEvent>
#include <QVBoxLayout>

namespace wall {

ColourToolbar::ColourToolbar(Console& console, QWidget* parent)
    : QDialog(parent), console_(console), custom_(new QCheckBox(this)),
      palette_(new ColourPalette(this)) {
    setObjectName(QStringLiteral("Form30"));
    custom_->setObjectName(QStringLiteral("CheckBox1"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(palette_);
    layout->addWidget(custom_);
    // The check box shows the stored switch; the palette works only with it.
    custom_->setChecked(console.grid().customColours());
    palette_->setEnabled(custom_->isChecked());
    connect(custom_, &QCheckBox::clicked, this, &ColourToolbar::suitempCheckBox1Click);
    connect(palette_, &ColourPalette::foregroundChosen, this, &ColourToolbar::CColorGrid1MouseDown);
    retranslate();
}

void ColourToolbar::suitempCheckBox1Click() {
    const bool on = custom_->isChecked();
    palette_->setEnabled(on);
    console_.setCustomColours(on);
    Q_EMIT coloursChanged();
}

void ColourToolbar::CColorGrid1MouseDown(int bgr) {
    console_.colourSelection(bgr);
    Q_EMIT coloursChanged();
}

void ColourToolbar::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void ColourToolbar::retranslate() {
    setWindowTitle(tr("颜色工具栏"));
    custom_->setText(tr("幕墙颜色自定义"));
}

} // namespace wall
