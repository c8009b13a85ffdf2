#include "app/placement.h"
#include "app/tform1.h"
#include "views/colours.h"
#include "views/image_box.h"
#include "views/panel.h"
#include "views/waveform_chart.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QStyledItemDelegate>
#include <QTextEdit>

namespace tavrin {

namespace {

// Keeps the drop-down list's rows at a fixed height whatever the style asks.
class FixedRowDelegate : public QStyledItemDelegate {
public:
    FixedRowDelegate(int row_height, QObject* parent)
        : QStyledItemDelegate(parent), row_height_(row_height)
    {
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(row_height_);
        return size;
    }

private:
    int row_height_;
};

// A drop-down list whose text field shows in its own colour, as a list that
// cannot be typed into looks on the classic desktop; styles that draw such a
// list as a shaded button would lose the panel's colour.
class ColouredListBox : public QComboBox {
public:
    using QComboBox::QComboBox;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter painter(this);
        painter.setPen(palette().color(QPalette::Text));
        QStyleOptionComboBox option;
        initStyleOption(&option);
        option.editable = true;
        painter.drawComplexControl(QStyle::CC_ComboBox, option);
        option.editable = false;
        painter.drawControl(QStyle::CE_ComboBoxLabel, option);
    }
};

} // namespace

void TForm1::build_information_panel()
{
    Image11 = image_at(Panel11, QStringLiteral("Image11"), QStringLiteral(":/pictures/info_sign.svg"),
                       112, 8, 69, 73);
    label_at(Panel11, QStringLiteral("Kérem válasszon egyet az alábbiak közül:"), 40, 104);

    tav_spi_infobox = new ColouredListBox(Panel11);
    tav_spi_infobox->setObjectName(QStringLiteral("tav_spi_infobox"));
    tav_spi_infobox->setEditable(false);
    tav_spi_infobox->setItemDelegate(new FixedRowDelegate(13, tav_spi_infobox));
    QPalette pal = tav_spi_infobox->palette();
    pal.setColor(QPalette::Base, to_qcolor(colour::information_panel));
    pal.setColor(QPalette::Button, to_qcolor(colour::information_panel));
    tav_spi_infobox->setPalette(pal);
    {
        // Start-up selects the first topic and loads its text itself.
        const QSignalBlocker quiet(tav_spi_infobox);
        tav_spi_infobox->addItems({QStringLiteral("SPI adatcsomag felépítése"),
                                   QStringLiteral("SPI adatátvitel beállítása")});
    }
    tav_spi_infobox->setGeometry(40, 123, 209, 21);

    label_at(Panel11, QStringLiteral("A kiválasztott elem leírása"), 8, 179);
    tav_spi_inf_re = rich_edit_at(Panel11, QStringLiteral("tav_spi_inf_re"), 8, 198, 273, 565,
                                  colour::information_panel, QString());
}

} // namespace tavrin
