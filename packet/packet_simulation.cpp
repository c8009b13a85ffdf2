#include "packet/packet_simulation.h"

#include "views/byte_text.h"
#include "views/chart_export.h"
#include "views/chart_specs.h"

namespace tavrin {

ChartModel simulate_packet_chart(std::uint8_t byte, int mode)
{
    ChartModel chart = packet_chart();
    const ModeTraces traces = build_mode_traces(bin_text(byte), mode);
    chart.series[0].append_all(traces.data);
    chart.series[1].append_all(traces.clock);
    chart.series[2].append_all(traces.sampling);
    return chart;
}

PacketSimulation simulate_packet(std::uint8_t byte, int mode)
{
    return {byte, mode, simulate_packet_chart(byte, mode), bit_table_rows(bin_text(byte))};
}

std::string clock_settings_text(int mode)
{
    const ClockLevels levels = clock_levels(mode, 0, 1);
    const bool cpol = levels.idle == 1;
    const bool cpha = levels.first_half != levels.idle;
    return std::string("CPOL ") + (cpol ? "1" : "0") + ", CPHA " + (cpha ? "1" : "0");
}

std::string bit_table_json(const std::array<BitRow, 8>& rows)
{
    std::string s = "[";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        s += i ? ", " : "";
        s += "[" + json_string(rows[i].number) + ", " + json_string(rows[i].type) + ", " +
             json_string(rows[i].value) + "]";
    }
    return s + "]";
}

std::string packet_json(const PacketSimulation& simulation)
{
    std::string s = "{\n";
    s += "  \"command\": \"packet\",\n";
    s += "  \"charts\": [\n    " + chart_json(simulation.chart, 4) + "\n  ],\n";
    s += "  \"sent\": " + std::to_string(simulation.sent) + ",\n";
    s += "  \"table\": " + bit_table_json(simulation.table) + "\n";
    return s + "}\n";
}

std::string packet_text(const PacketSimulation& simulation, int max_columns)
{
    const int byte = simulation.sent;
    std::string s = "packet: " + hex_text(byte) + " (" + std::to_string(byte) + ", " + bin_text(byte) +
                    ") in SPI mode " + std::to_string(simulation.mode) + " (" +
                    clock_settings_text(simulation.mode) + "), most significant bit first\n\n";
    return s + chart_text({simulation.chart}, max_columns);
}

std::string packet_vcd(const PacketSimulation& simulation)
{
    return chart_vcd(simulation.chart, 1e6);
}

} // namespace tavrin
