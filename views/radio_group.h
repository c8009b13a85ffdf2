#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

namespace tavrin {

// A captioned group of radio buttons with one selected index, laid out in
// columns. clicked() is raised whenever the index changes, whether the user
// picked an item or the program set the index.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent);

    int item_index() const { return index_; }
    // Selects an item; -1 clears the selection. Raises clicked() when the index changes.
    void set_item_index(int index);
    int count() const;
    QRadioButton* button(int index) const;

signals:
    void clicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void place_buttons();

    QButtonGroup* group_;
    QList<QRadioButton*> buttons_;
    int columns_;
    int index_ = -1;
};

} // namespace tavrin
