#include "views/chart_specs.h"

namespace tavrin {

namespace {

ChartModel waveform(std::string name, int width, int height, AxisRange time, double lanes)
{
    ChartModel c;
    c.name = std::move(name);
    c.width = width;
    c.height = height;
    c.time_axis = time;
    c.start_time_axis = time;
    c.level_axis = {0, lanes};
    return c;
}

ChartModel exchange_chart(std::string name, double lanes)
{
    ChartModel c = waveform(std::move(name), 739, 496, {-1, 9}, lanes);
    c.time_axis_style = TimeAxisStyle::microseconds;
    c.margins = {2, 2, 3, 3};
    c.panning = true;
    c.zoomable = true;
    return c;
}

} // namespace

ChartModel single_mode_chart(int mode)
{
    const std::string prefix = "tav_spi_acssz_uzemmod" + std::to_string(mode);
    ChartModel c = waveform(prefix + "_chart", 725, 412, {0, 10}, 3);
    c.background = colour::window;
    c.margins = {2, 2, 1, 1};
    c.series = {
        Series(prefix + "_s1", colour::black, 2),
        Series(prefix + "_s2", colour::clock_series, 2),
        Series(prefix + "_sm", colour::black, 2),
    };
    c.lane_labels = {"Adatvonal", "Órajel (SCLK)", "mintavétel"};
    return c;
}

ChartModel packet_chart()
{
    ChartModel c = waveform("tav_spi_acsszim", 739, 326, {0, 10}, 3);
    c.margins = {2, 2, 1, 1};
    c.panning = true;
    c.zoomable = true;
    c.series = {
        Series("tav_spi_acssz_s1", colour::packet_data_series, 2),
        Series("tav_spi_acssz_s2", colour::clock_series, 2),
        Series("tav_spi_acssz_sm", colour::black, 2),
    };
    c.lane_labels = {"adatcsomag", "órajel (SCLK)", "mintavétel"};
    return c;
}

ChartModel exchange_master_chart()
{
    ChartModel c = exchange_chart("tav_spi_avsz_master_chart", 4);
    c.series = {
        Series("tav_spi_avsz_master_svett", colour::black, 2),
        Series("tav_spi_avsz_master_sorajel", colour::clock_series, 2),
        Series("tav_spi_avsz_master_sadatvalt", colour::black, 2),
        Series("tav_spi_avsz_master_sm", colour::black, 2),
    };
    c.lane_labels = {"Master vett adat (MISO)", "órajel (SCLK)", "Slave adatbit váltások", "Master mintavétel"};
    return c;
}

ChartModel exchange_slave_chart()
{
    ChartModel c = exchange_chart("tav_spi_avsz_slave_chart", 4);
    c.series = {
        Series("tav_spi_avsz_slave_svett", colour::black, 2),
        Series("tav_spi_avsz_slave_sorajel", colour::clock_series, 2),
        Series("tav_spi_avsz_slave_sadatvalt", colour::black, 2),
        Series("tav_spi_avsz_slave_sm", colour::black, 2),
    };
    c.lane_labels = {"Slave vett adat (MOSI)", "órajel (SCLK)", "Master adatbit váltások", "Slave mintavétel"};
    return c;
}

ChartModel exchange_summary_chart()
{
    ChartModel c = exchange_chart("tav_spi_avsz_chart", 5);
    c.series = {
        Series("tav_spi_avsz_smastervett", colour::black, 2),
        Series("tav_spi_avsz_sslavevett", colour::black, 2),
        Series("tav_spi_avsz_sorajel", colour::clock_series, 2),
        Series("tav_spi_avsz_sslavekivalaszt", colour::slave_select_series, 2),
        Series("tav_spi_avsz_sm", colour::black, 2),
    };
    c.lane_labels = {"Master vett adat (MISO)", "Slave vett adat (MOSI)", "órajel (SCLK)",
                     "Slave kiválasztó vonal (/SS)", "mintavétel"};
    return c;
}

ChartModel bit_sample_chart(const std::string& chart_name, const std::string& series_name)
{
    ChartModel c = waveform(chart_name, 290, 33, {0, 8}, 1);
    c.level_axis_line = false;
    c.margins = {12, 12, 2, 2};
    c.series = {Series(series_name, colour::bit_sample, 1)};
    return c;
}

} // namespace tavrin
