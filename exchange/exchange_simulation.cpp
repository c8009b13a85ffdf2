#include "exchange/exchange_simulation.h"

#include "exchange/exchange_traces.h"
#include "packet/packet_simulation.h"
#include "views/byte_text.h"
#include "views/chart_export.h"
#include "views/chart_specs.h"

namespace tavrin {

ExchangeSimulation simulate_exchange(std::uint8_t master_byte, std::uint8_t slave_byte, int mode,
                                     int speed_bps)
{
    ExchangeSimulation r;
    r.master_sent = master_byte;
    r.slave_sent = slave_byte;
    r.mode = mode;
    r.speed_bps = speed_bps;
    r.bit_time_us = bit_time_us(speed_bps);
    const double T = r.bit_time_us;
    const std::string master_bin = bin_text(master_byte);
    const std::string slave_bin = bin_text(slave_byte);
    const ExchangeTraces t = build_exchange_traces(T, mode, master_bin, slave_bin);

    r.summary = exchange_summary_chart();
    r.summary.series[0].append_all(t.summary_miso);
    r.summary.series[1].append_all(t.summary_mosi);
    r.summary.series[2].append_all(t.summary_clock);
    r.summary.series[3].append_all(t.slave_select);
    r.summary.series[4].append_all(t.summary_sampling);

    r.master = exchange_master_chart();
    r.master.series[0].append_all(t.master_miso);
    r.master.series[1].append_all(t.master_clock);
    r.master.series[2].append_all(t.master_changes);
    r.master.series[3].append_all(t.master_sampling);

    r.slave = exchange_slave_chart();
    r.slave.series[0].append_all(t.slave_mosi);
    r.slave.series[1].append_all(t.slave_clock);
    r.slave.series[2].append_all(t.slave_changes);
    r.slave.series[3].append_all(t.slave_sampling);

    for (ChartModel* chart : {&r.summary, &r.master, &r.slave})
        chart->time_axis = exchange_axis_steps(chart->time_axis, -T, 9 * T);

    r.master_received = slave_byte;
    r.slave_received = master_byte;
    r.master_table = bit_table_rows(slave_bin);
    r.slave_table = bit_table_rows(master_bin);
    r.message = exchange_success_message;
    return r;
}

std::string exchange_json(const ExchangeSimulation& simulation)
{
    std::string s = "{\n";
    s += "  \"command\": \"exchange\",\n";
    s += "  \"charts\": [\n";
    bool first = true;
    for (const ChartModel* chart : {&simulation.summary, &simulation.master, &simulation.slave}) {
        s += first ? "    " : ",\n    ";
        first = false;
        s += chart_json(*chart, 4);
    }
    s += "\n  ],\n";
    s += "  \"bit_time_us\": " + json_number(simulation.bit_time_us) + ",\n";
    s += "  \"received\": {\"master\": " + std::to_string(simulation.master_received) +
         ", \"slave\": " + std::to_string(simulation.slave_received) + "},\n";
    s += "  \"tables\": {\n    \"master\": " + bit_table_json(simulation.master_table) +
         ",\n    \"slave\": " + bit_table_json(simulation.slave_table) + "\n  },\n";
    s += "  \"message\": " + json_string(simulation.message) + "\n";
    return s + "}\n";
}

namespace {
std::string byte_text(std::uint8_t byte)
{
    return hex_text(byte) + " (" + std::to_string(byte) + ")";
}
} // namespace

std::string exchange_text(const ExchangeSimulation& simulation, int max_columns)
{
    std::string s = "exchange: SPI mode " + std::to_string(simulation.mode) + " (" +
                    clock_settings_text(simulation.mode) + "), " + std::to_string(simulation.speed_bps) +
                    " bit/s, bit time " + json_number(simulation.bit_time_us) + " µs\n";
    s += "master sends " + byte_text(simulation.master_sent) + " on MOSI, slave sends " +
         byte_text(simulation.slave_sent) + " on MISO\n\n";
    s += chart_text({simulation.summary, simulation.master, simulation.slave}, max_columns);
    s += "\nmaster received " + byte_text(simulation.master_received) + ", slave received " +
         byte_text(simulation.slave_received) + "\n";
    return s + simulation.message + "\n";
}

std::string exchange_vcd(const ExchangeSimulation& simulation)
{
    return chart_vcd(simulation.summary, 1e6);
}

} // namespace tavrin
