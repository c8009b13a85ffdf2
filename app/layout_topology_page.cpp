#include "app/placement.h"
#include "app/tform1.h"
#include "views/colours.h"
#include "views/image_box.h"

#include <QTextEdit>

namespace tavrin {

void TForm1::build_topology_page()
{
    QWidget* page = TabSheet65;
    Image24 = image_at(page, QStringLiteral("Image24"), QStringLiteral(":/pictures/topology.svg"),
                       48, 16, 721, 287);
    tav_spi_top_re = rich_edit_at(page, QStringLiteral("tav_spi_top_re"), 17, 320, 824, 409,
                                  colour::window, QStringLiteral("SPI topológiai leírás"));
}

} // namespace tavrin
