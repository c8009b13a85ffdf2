#include "views/radio_group.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QSignalBlocker>

namespace tavrin {

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this)), columns_(std::max(1, columns))
{
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items[i], this);
        group_->addButton(b, i);
        buttons_.push_back(b);
    }
    connect(group_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on && id != index_) {
            index_ = id;
            emit clicked();
        }
    });
    place_buttons();
}

void RadioGroup::set_item_index(int index)
{
    if (index == index_ || index < -1 || index >= buttons_.size())
        return;
    if (index == -1) {
        const QSignalBlocker block(group_);
        group_->setExclusive(false);
        for (auto* b : buttons_)
            b->setChecked(false);
        group_->setExclusive(true);
        index_ = -1;
        emit clicked();
        return;
    }
    buttons_[index]->setChecked(true); // raises clicked() through idToggled
}

int RadioGroup::count() const
{
    return static_cast<int>(buttons_.size());
}

QRadioButton* RadioGroup::button(int index) const
{
    return buttons_.value(index, nullptr);
}

void RadioGroup::resizeEvent(QResizeEvent* event)
{
    QGroupBox::resizeEvent(event);
    place_buttons();
}

// Items share the space under the caption evenly, column by column, as in
// the classic radio group; the buttons keep their natural height.
void RadioGroup::place_buttons()
{
    if (buttons_.isEmpty())
        return;
    const int rows = (static_cast<int>(buttons_.size()) + columns_ - 1) / columns_;
    const int top = fontMetrics().height() + 2;
    const int inner_w = width() - 16;
    const int inner_h = height() - top - 4;
    const int col_w = inner_w / columns_;
    const int row_h = rows > 0 ? inner_h / rows : inner_h;
    for (int i = 0; i < buttons_.size(); ++i) {
        const int col = i / rows;
        const int row = i % rows;
        auto* b = buttons_[i];
        const int h = b->sizeHint().height();
        b->setGeometry(8 + col * col_w, top + row * row_h + (row_h - h) / 2, col_w - 2, h);
    }
}

} // namespace tavrin
