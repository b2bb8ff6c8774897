#include "persistence/CalibrationRecord.h"

#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

char LocaleSeparator() {
    const QString point = QLocale::system().decimalPoint();
    return point.size() == 1 && point[0].unicode() < 128 ? static_cast<char>(point[0].unicode()) : '.';
}

// The key names of one line, per section kind.
struct TLineKeys {
    std::string gain, offset, points, x, y;
};

const TLineKeys kPlain{"Ganho", "Offset", "NumPontos", "X", "Y"};
const TLineKeys kOutput{"SaidaCorrenteGanho", "SaidaCorrenteOffset", "SaidaCorrenteNumPontos",
                        "SaidaCorrenteX", "SaidaCorrenteY"};
const TLineKeys kOutputLow{"SaidaCorrenteGanho0_1", "SaidaCorrenteOffset0_1", "SaidaCorrente0_1NumPontos",
                           "SaidaCorrente0_1X", "SaidaCorrente0_1Y"};

float ReadNumber(const TIniDocument& d, const std::string& section, const std::string& key, float fallback) {
    const auto text = d.Value(section, key);
    const auto value = text ? ParseCalibrationNumber(*text) : std::nullopt;
    return value ? static_cast<float>(*value) : fallback;
}

void ReadLine(const TIniDocument& d, const std::string& section, const TLineKeys& k, TCalibrationLine& line) {
    line.gain = ReadNumber(d, section, k.gain, 1.0f);
    line.offset = ReadNumber(d, section, k.offset, 0.0f);
    line.points = std::clamp(d.ReadInteger(section, k.points, 0), 0, TCalibrationLine::kMaxPoints);
    for (int i = 0; i < TCalibrationLine::kMaxPoints; ++i) {
        const std::string n = std::to_string(i + 1);
        line.x[static_cast<std::size_t>(i)] = ReadNumber(d, section, k.x + n, 0.0f);
        line.y[static_cast<std::size_t>(i)] = ReadNumber(d, section, k.y + n, 0.0f);
    }
}

void WriteLine(TIniDocument& d, const std::string& section, const TLineKeys& k, const TCalibrationLine& line,
               char separator) {
    d.WriteString(section, k.gain, FormatCalibrationNumber(line.gain, separator));
    d.WriteString(section, k.offset, FormatCalibrationNumber(line.offset, separator));
    d.WriteInteger(section, k.points, line.points);
    for (int i = 0; i < TCalibrationLine::kMaxPoints; ++i) {
        const std::string n = std::to_string(i + 1);
        d.WriteString(section, k.x + n,
                      FormatCalibrationNumber(line.x[static_cast<std::size_t>(i)], separator));
        d.WriteString(section, k.y + n,
                      FormatCalibrationNumber(line.y[static_cast<std::size_t>(i)], separator));
    }
}

std::string Section(const char* name, std::size_t k) {
    return name + std::to_string(k + 1);
}

} // namespace

std::string FormatCalibrationNumber(float value, char decimalSeparator) {
    char text[64];
    const auto [end, ec] =
        std::to_chars(text, text + sizeof text, static_cast<double>(value), std::chars_format::general, 15);
    std::string s = ec == std::errc() ? std::string(text, end) : std::string("0");
    std::replace(s.begin(), s.end(), '.', decimalSeparator);
    return s;
}

std::optional<double> ParseCalibrationNumber(const std::string& text) {
    std::string s = text;
    std::replace(s.begin(), s.end(), ',', '.');
    const auto first = s.find_first_not_of(' ');
    const auto last = s.find_last_not_of(' ');
    if (first == std::string::npos)
        return std::nullopt;
    s = s.substr(first, last - first + 1);
    if (const auto integer = ParseIniInteger(s); integer && s.find_first_of("xX$") != std::string::npos)
        return *integer;
    // One leading sign, "+" included; never a second one.
    if (s.size() > 1 && s[0] == '+' && s[1] != '-')
        s.erase(0, 1);
    double value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || end != s.data() + s.size())
        return std::nullopt;
    // Every value ends up in a 32-bit float: NaN, infinities and anything that does not round to a
    // finite float are not numbers. The largest float written with 15 digits reads a little above
    // it and still rounds to it.
    constexpr double kMax = std::numeric_limits<float>::max();
    const double roundsToMax = std::ldexp(1.0, 128) - std::ldexp(1.0, 103); // half a step above
    if (!std::isfinite(value) || std::fabs(value) >= roundsToMax)
        return std::nullopt;
    return std::clamp(value, -kMax, kMax);
}

std::string TCalibrationRecord::Path(int serial) const {
    return folder_ + "calib" + std::to_string(serial) + ".ini";
}

void TCalibrationRecord::Bind(int serial) {
    if (bound_ == serial)
        return;
    bound_ = serial;
    document_.Load(Path(serial));
}

void TCalibrationRecord::Load(int serial) {
    Bind(serial);
    Read(document_, serial);
}

void TCalibrationRecord::Read(const TIniDocument& d, int fileSerialNumber) {
    // A negative number can only come from a hand-edited file; the file's own name tells.
    serialNumber = d.ReadInteger("CalibSection", "NumSerie", 1);
    if (serialNumber < 0)
        serialNumber = fileSerialNumber;
    const auto res = d.Value("CalibSection", "Res127");
    const auto value = res ? ParseCalibrationNumber(*res) : std::nullopt;
    // Converted only when it fits: anything else is the key's default.
    res127 = value && *value >= std::numeric_limits<int>::min() && *value <= std::numeric_limits<int>::max()
                 ? static_cast<int>(*value)
                 : 12700;
    for (std::size_t k = 0; k < currentOutputs.size(); ++k) {
        ReadLine(d, Section("CalibCorr", k), kOutput, currentOutputs[k].standard);
        ReadLine(d, Section("CalibCorr", k), kOutputLow, currentOutputs[k].lowRange);
    }
    for (std::size_t k = 0; k < rtds.size(); ++k)
        ReadLine(d, Section("CalibRTD", k), kPlain, rtds[k]);
    for (std::size_t k = 0; k < currentInputs.size(); ++k)
        ReadLine(d, Section("CalibEntrCorr", k), kPlain, currentInputs[k]);
}

bool TCalibrationRecord::Save(int serial) {
    Bind(serial);
    const char separator = LocaleSeparator();
    TIniDocument& d = document_;
    d.WriteInteger("CalibSection", "NumSerie", serialNumber);
    d.WriteString("CalibSection", "Res127", FormatCalibrationNumber(static_cast<float>(res127), separator));
    for (std::size_t k = 0; k < currentOutputs.size(); ++k) {
        WriteLine(d, Section("CalibCorr", k), kOutput, currentOutputs[k].standard, separator);
        WriteLine(d, Section("CalibCorr", k), kOutputLow, currentOutputs[k].lowRange, separator);
    }
    for (std::size_t k = 0; k < rtds.size(); ++k)
        WriteLine(d, Section("CalibRTD", k), kPlain, rtds[k], separator);
    for (std::size_t k = 0; k < currentInputs.size(); ++k)
        WriteLine(d, Section("CalibEntrCorr", k), kPlain, currentInputs[k], separator);
    return d.Save(Path(serial));
}
