#include "persistence/IrrigationRecords.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

using IrrigationRecords::TFields;

// Sixty bytes from the five fields as given, each padded with zero bytes to its width.
std::array<std::uint8_t, IrrigationRecords::kRecordBytes> Bytes(const std::array<std::string, 5>& fields) {
    std::array<std::uint8_t, IrrigationRecords::kRecordBytes> bytes{};
    std::size_t at = 0;
    for (std::size_t f = 0; f < fields.size(); ++f) {
        for (std::size_t i = 0; i < fields[f].size() && i < IrrigationRecords::kWidths[f]; ++i)
            bytes[at + i] = static_cast<std::uint8_t>(fields[f][i]);
        at += IrrigationRecords::kWidths[f];
    }
    return bytes;
}

TEST(IrrigationRecords, FieldsEndAtTheirWidthOrFirstZeroByteAndAreTrimmed) {
    struct Case {
        const char* what;
        std::array<std::string, 5> stored;
        TFields fields;
    };
    const Case cases[] = {
        {"zero-padded",
         {"05/03/2024 14:00:00", "12.5", "1234", "25.1", "2.3"},
         {"05/03/2024 14:00:00", "12.5", "1234", "25.1", "2.3"}},
        {"full width, no zero byte: the next field does not run into it",
         {"05/03/2024 14:00:00X", "1234567890", "4294967295", "-123456.78", "9999999.99"},
         {"05/03/2024 14:00:00X", "1234567890", "4294967295", "-123456.78", "9999999.99"}},
        {"blank temperature",
         {"05/03/2024 14:00:00", "0.0", "1000", "", "0.1"},
         {"05/03/2024 14:00:00", "0.0", "1000", "", "0.1"}},
        {"blanks and control characters around",
         {"  05/03/2024 14:00 \t", "\r 1.0\n",
          "\x7f"
          "7 ",
          "  ",
          "\x01"
          "3.3\x1f"},
         {"05/03/2024 14:00", "1.0", "7", "", "3.3"}},
        {"a zero byte ends the field, whatever follows it",
         {std::string("12:00\0garbage", 13),
          std::string("1\0"
                      "2",
                      3),
          "5", "6", "7"},
         {"12:00", "1", "5", "6", "7"}},
        // Windows-1252 bytes are kept as they are, and a blank inside a field stays.
        {"code page",
         {"dia 5",
          "25\xba"
          "C",
          "a b", "x", "y"},
         {"dia 5",
          "25\xba"
          "C",
          "a b", "x", "y"}},
        // Before, a CR or LF inside a field split the record into two lines of the file, and a comma
        // shifted its columns: a damaged card could forge records.
        {"line ends, control bytes and the separator inside a field",
         {"05/03/2024\r\n14:00", "1,5",
          "7\x01"
          "8",
          "2\x7f"
          "0",
          ", 9"},
         {"05/03/2024  14:00", "1;5", "7 8", "2 0", "; 9"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(IrrigationRecords::Decode(Bytes(c.stored)), c.fields);
    }
    const std::array<std::uint8_t, IrrigationRecords::kRecordBytes> zeros{};
    EXPECT_EQ(IrrigationRecords::Decode(zeros), TFields{});
}

TEST(IrrigationRecords, LinesJoinTheFieldsAndMarkABlankTemperature) {
    struct Case {
        TFields fields;
        const char* line;
    };
    const Case cases[] = {
        {{"05/03/2024 14:00:00", "12.5", "1234", "25.1", "2.3"},
         "05/03/2024 14:00:00, 12.5, 1234, 25.1, 2.3"},
        {{"05/03/2024 14:00:00", "12.5", "1234", "", "2.3"}, "05/03/2024 14:00:00, 12.5, 1234, ----- , 2.3"},
        // Only the temperature is marked when blank.
        {{"", "", "", "1.0", ""}, ", , , 1.0, "},
        {{}, ", , , ----- , "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(IrrigationRecords::Line(c.fields), c.line);
    }
}

TEST(IrrigationRecords, TheFileStartsWithTheHeaderLine) {
    // The header is joined like a record, but a blank heading is not a temperature.
    const TFields header{"Hora", "Pluvi\xf4metro", "Hidr\xf4metro", "", "Press\xe3o"};
    const std::vector<TFields> records{{"a", "b", "c", "d", "e"}, {"f", "g", "h", "", "j"}};
    EXPECT_EQ(IrrigationRecords::FileLines(header, records),
              (std::vector<std::string>{"Hora, Pluvi\xf4metro, Hidr\xf4metro, , Press\xe3o", "a, b, c, d, e",
                                        "f, g, h, ----- , j"}));
    EXPECT_EQ(IrrigationRecords::FileLines(header, {}).size(), 1U);
}

} // namespace
