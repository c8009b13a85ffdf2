// tavrin-spi-cli: the simulations of ZEPRA TAVRIN-SPI without the window,
// written as JSON, text waveforms or a value change dump.
#include "exchange/exchange_simulation.h"
#include "exchange/speed_settings.h"
#include "packet/packet_simulation.h"
#include "views/byte_text.h"
#include "views/windows1250_table.h"

#include <charconv>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

using namespace tavrin;

namespace {

constexpr std::string_view help_text = R"(tavrin-spi-cli: the command-line companion of ZEPRA TAVRIN-SPI, the SPI bus
teaching program. It runs the program's simulations without a window.

Usage:
  tavrin-spi-cli byte VALUE
  tavrin-spi-cli packet --byte VALUE --mode M [--format json|text|vcd]
  tavrin-spi-cli exchange --master VALUE --slave VALUE --mode M --speed BPS
                          [--format json|text|vcd]
  tavrin-spi-cli --help

  VALUE  a byte, 0 to 255: decimal (165) or hexadecimal (0xA5)
  M      the SPI mode, 0 to 3: 0 = CPOL 0, CPHA 0; 1 = CPOL 0, CPHA 1;
         2 = CPOL 1, CPHA 0; 3 = CPOL 1, CPHA 1
  BPS    the bus speed in bits per second, 100000 to 25000000
  An option's value follows it as the next argument or after '='
  (--mode 2, --mode=2).

Commands:
  byte      The byte in the program's four notations, one per line:
            DEC 165 / HEX A5h / BIN 1010 0101 / ASCII Ą. ASCII is the
            Windows-1250 character in UTF-8; a character that shows nothing
            (control characters, DEL, no-break space, soft hyphen) is written
            as its code point, e.g. U+000A; for 0 the line is "ASCII ".
  packet    The byte sent in one SPI mode, most significant bit first, as the
            page "Összállított adatcsomag" shows it: chart tav_spi_acsszim with
            the series tav_spi_acssz_s1 (adatcsomag), tav_spi_acssz_s2 (órajel
            (SCLK)) and tav_spi_acssz_sm (mintavétel), counted in bit cells,
            and the bit table.
  exchange  A full-duplex exchange: the master sends its byte on MOSI while
            the slave sends its byte on MISO. Charts tav_spi_avsz_chart
            (Master vett adat (MISO), Slave vett adat (MOSI), órajel (SCLK),
            Slave kiválasztó vonal (/SS), mintavétel), tav_spi_avsz_master_chart
            and tav_spi_avsz_slave_chart, in microseconds, the bytes each side
            received, their bit tables and the result message.

Formats:
  text  (default) the traces drawn with characters, labelled as in the window,
        at most 100 columns wide
  json  one object: "command", "charts" (each with "name", "time_axis",
        "level_axis" and "series" of {"name", "colour", "width", "points":
        [[x, y, colour or null], ...]}); packet adds "sent" and "table";
        exchange adds "bit_time_us", "received", "tables" and "message"
  vcd   a value change dump of the bus lines (packet: SCLK, DATA; exchange:
        SCLK, MOSI, MISO, SS), timescale 1 ps, the first point at time 0;
        one bit cell of the packet is written as 1 µs. GTKWave and sigrok
        (PulseView) read it.

Exit status: 0 on success; 2 on bad arguments, with one line on standard error
naming the argument and its allowed values, and nothing on standard output.
)";

constexpr std::string_view program = "tavrin-spi-cli";
constexpr std::string_view byte_range = "a byte from 0 to 255, decimal (165) or hexadecimal (0xA5)";
constexpr std::string_view mode_range = "an SPI mode from 0 to 3";
constexpr std::string_view format_range = "json, text or vcd";

std::string speed_range()
{
    return "a speed from " + std::to_string(minimum_speed_bps) + " to " + std::to_string(maximum_speed_bps) +
           " bits per second";
}

struct UsageError {
    std::string message;
};

// An argument as the error line quotes it: control characters would break the line.
std::string shown(std::string_view text)
{
    std::string s(text);
    for (char& c : s)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = '?';
    return s;
}

enum class Format { text, json, vcd };

enum class Number { ok, not_a_number, too_large };

// Decimal digits, or 0x and hexadecimal digits; no sign, no blanks, nothing after.
Number parse_number(std::string_view text, unsigned long long& value)
{
    int base = 10;
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty())
        return Number::not_a_number;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (end != text.data() + text.size())
        return Number::not_a_number;
    if (error == std::errc::result_out_of_range)
        return Number::too_large;
    if (error != std::errc())
        return Number::not_a_number;
    return Number::ok;
}

long long number_in(std::string_view name, std::string_view text, long long min, long long max,
                    std::string_view range)
{
    unsigned long long value = 0;
    const Number n = parse_number(text, value);
    if (n == Number::not_a_number)
        throw UsageError{std::string(name) + ": '" + shown(text) + "' is not a number; give " +
                         std::string(range)};
    if (n == Number::too_large || value < static_cast<unsigned long long>(min) ||
        value > static_cast<unsigned long long>(max))
        throw UsageError{std::string(name) + ": " + shown(text) + " is out of range; give " +
                         std::string(range)};
    return static_cast<long long>(value);
}

std::uint8_t byte_value(std::string_view name, std::string_view text)
{
    return static_cast<std::uint8_t>(number_in(name, text, 0, 255, byte_range));
}

int mode_value(std::string_view name, std::string_view text)
{
    return static_cast<int>(number_in(name, text, 0, 3, mode_range));
}

int speed_value(std::string_view name, std::string_view text)
{
    return static_cast<int>(number_in(name, text, minimum_speed_bps, maximum_speed_bps, speed_range()));
}

Format format_value(std::string_view name, std::string_view text)
{
    if (text == "text")
        return Format::text;
    if (text == "json")
        return Format::json;
    if (text == "vcd")
        return Format::vcd;
    throw UsageError{std::string(name) + ": '" + shown(text) + "' is not a format; give " +
                     std::string(format_range)};
}

struct OptionSpec {
    std::string_view name;
    std::string range;
    bool required;
};

// The options of a command, each given at most once, in the order of the specs.
std::vector<std::optional<std::string>> read_options(std::string_view command,
                                                     const std::vector<std::string_view>& args,
                                                     const std::vector<OptionSpec>& specs)
{
    std::string names;
    for (std::size_t i = 0; i < specs.size(); ++i)
        names += std::string(i == 0 ? "" : i + 1 == specs.size() ? " and " : ", ") + std::string(specs[i].name);
    const std::string where = std::string(command) + ": ";

    std::vector<std::optional<std::string>> values(specs.size());
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (!arg.starts_with("--"))
            throw UsageError{where + "unexpected argument '" + shown(arg) + "'; " + std::string(command) +
                             " takes " + names};
        const std::size_t equals = arg.find('=');
        const std::string_view name = arg.substr(0, equals);
        std::size_t k = 0;
        while (k < specs.size() && specs[k].name != name)
            ++k;
        if (k == specs.size())
            throw UsageError{where + "unknown option '" + shown(name) + "'; " + std::string(command) +
                             " takes " + names};
        if (values[k])
            throw UsageError{where + std::string(name) + " is given twice; give it once, " + specs[k].range};
        if (equals != std::string_view::npos)
            values[k] = std::string(arg.substr(equals + 1));
        else if (i + 1 < args.size() && !args[i + 1].starts_with("--"))
            values[k] = std::string(args[++i]);
        else
            throw UsageError{where + std::string(name) + " needs a value: " + specs[k].range};
    }
    for (std::size_t k = 0; k < specs.size(); ++k)
        if (specs[k].required && !values[k])
            throw UsageError{where + std::string(specs[k].name) + " is missing; give " + specs[k].range};
    return values;
}

std::string byte_command(const std::vector<std::string_view>& args)
{
    if (args.empty())
        throw UsageError{"byte: VALUE is missing; give " + std::string(byte_range)};
    if (args.size() > 1)
        throw UsageError{"byte: unexpected argument '" + shown(args[1]) + "'; byte takes one VALUE, " +
                         std::string(byte_range)};
    const std::uint8_t v = byte_value("VALUE", args[0]);
    return "DEC " + std::to_string(v) + "\nHEX " + hex_text(v) + "\nBIN " + bin_text(v) + "\nASCII " +
           windows1250_display_text(v) + "\n";
}

std::string packet_command(const std::vector<std::string_view>& args)
{
    const auto values = read_options("packet", args,
                                     {{"--byte", std::string(byte_range), true},
                                      {"--mode", std::string(mode_range), true},
                                      {"--format", std::string(format_range), false}});
    const std::uint8_t byte = byte_value("--byte", *values[0]);
    const int mode = mode_value("--mode", *values[1]);
    const Format format = values[2] ? format_value("--format", *values[2]) : Format::text;
    const PacketSimulation simulation = simulate_packet(byte, mode);
    switch (format) {
    case Format::json: return packet_json(simulation);
    case Format::vcd: return packet_vcd(simulation);
    case Format::text: break;
    }
    return packet_text(simulation);
}

std::string exchange_command(const std::vector<std::string_view>& args)
{
    const auto values = read_options("exchange", args,
                                     {{"--master", std::string(byte_range), true},
                                      {"--slave", std::string(byte_range), true},
                                      {"--mode", std::string(mode_range), true},
                                      {"--speed", speed_range(), true},
                                      {"--format", std::string(format_range), false}});
    const std::uint8_t master = byte_value("--master", *values[0]);
    const std::uint8_t slave = byte_value("--slave", *values[1]);
    const int mode = mode_value("--mode", *values[2]);
    const int speed = speed_value("--speed", *values[3]);
    const Format format = values[4] ? format_value("--format", *values[4]) : Format::text;
    const ExchangeSimulation simulation = simulate_exchange(master, slave, mode, speed);
    switch (format) {
    case Format::json: return exchange_json(simulation);
    case Format::vcd: return exchange_vcd(simulation);
    case Format::text: break;
    }
    return exchange_text(simulation);
}

bool is_help(std::string_view arg)
{
    return arg == "--help" || arg == "-h";
}

std::string run(const std::vector<std::string_view>& args)
{
    constexpr std::string_view commands = "byte, packet or exchange (see --help)";
    if (args.empty())
        throw UsageError{"no command given; give " + std::string(commands)};
    if (is_help(args[0]) || (args.size() == 2 && is_help(args[1])))
        return std::string(help_text);
    const std::vector<std::string_view> rest(args.begin() + 1, args.end());
    if (args[0] == "byte")
        return byte_command(rest);
    if (args[0] == "packet")
        return packet_command(rest);
    if (args[0] == "exchange")
        return exchange_command(rest);
    throw UsageError{"unknown command '" + shown(args[0]) + "'; give " + std::string(commands)};
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    std::string output;
    try {
        output = run(args);
    } catch (const UsageError& e) {
        std::fprintf(stderr, "%s: %s\n", program.data(), e.message.c_str());
        return 2;
    }
    if (std::fwrite(output.data(), 1, output.size(), stdout) != output.size() || std::fflush(stdout) != 0) {
        std::fprintf(stderr, "%s: cannot write to standard output\n", program.data());
        return 1;
    }
    return 0;
}
