// Parsing the decimal texts the library answers with.
#include <gtest/gtest.h>

#include "devices/audio/property_buffer.h"

TEST(PropertyTextTest, IntegersAndFloatsParsedWholeOrNotAtAll) {
    struct Case {
        const char* text;
        std::optional<int> integer;
        std::optional<double> number;
    };
    const Case cases[] = {
        {"42", 42, 42.0},
        {" -7 ", -7, -7.0},
        {"+3", 3, 3.0},
        {"0.75", {}, 0.75},
        {"", {}, {}},
        {"12abc", {}, {}},
        {"131073", 131073, 131073.0},
        {"99999999999", {}, 99999999999.0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseDecimalInt(c.text), c.integer) << c.text;
        EXPECT_EQ(ParseDecimalFloat(c.text), c.number) << c.text;
    }
}

TEST(PropertyTextTest, TextIsCutToTheBufferAndAlwaysEnded) {
    std::array<uint8_t, 4> buffer{};
    buffer.fill(0xAA);
    EXPECT_FALSE(PutText(buffer, "12345"));
    EXPECT_EQ(BufferText(buffer), "123");
    EXPECT_TRUE(PutText(buffer, "7"));
    EXPECT_EQ(BufferText(buffer), "7");
}
