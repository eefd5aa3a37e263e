#include <gtest/gtest.h>

#include "devices/mouse/leading_decimal.h"
#include "devices/mouse/mouse_dpi.h"

using namespace mouse;

namespace {

const MouseSensorInfo k3389{0x3389, 50, 318, 100};
const MouseSensorInfo k3327{0x3327, 50, 120, 100};
const MouseSensorInfo k3360{0x3360, 50, 238, 100};
const MouseSensorInfo kOther{0x1234, 50, 200, 100};

}  // namespace

TEST(MouseDpi, SliderRangePerSensor) {
    struct Case {
        MouseSensorInfo sensor;
        bool known;
        int max, largestTyped;
    };
    const Case cases[] = {
        {k3389, true, 318, 16000},
        {k3327, true, 118, 12000},  // two positions short of the largest
        {k3360, true, 238, 12000},
        {kOther, false, 0, 0},
        {{0x3327, 50, 1, 100}, true, 0, 12000},  // never a negative range
    };
    for (const Case& c : cases) {
        const DpiSliderRange r = DpiRangeForSensor(c.sensor);
        EXPECT_EQ(r.known, c.known) << std::hex << c.sensor.sensorCode;
        EXPECT_EQ(r.minPosition, 0);
        EXPECT_EQ(r.maxPosition, c.max) << std::hex << c.sensor.sensorCode;
        EXPECT_EQ(r.largestTypedDpi, c.largestTyped);
    }
}

TEST(MouseDpi, DpiShownForSliderPosition) {
    struct Case {
        MouseSensorInfo sensor;
        int position, dpi;
    };
    const Case
        cases[] =
            {
                {k3389, 0, 100},   {k3389, 6, 400},   {k3389, 318, 16000}, {k3360, 30, 1600},
                {k3327, 60, 3100}, {k3327, 70, 7200}, {k3327, 61, 6300},   {k3327, 0, 100},
                {kOther, 37, 37},  // any other sensor shows the position itself
            };
    for (const Case& c : cases)
        EXPECT_EQ(DpiForPosition(c.sensor, c.position), c.dpi)
            << std::hex << c.sensor.sensorCode << std::dec << " p=" << c.position;
}

TEST(MouseDpi, TypedDpiBecomesSliderPosition) {
    struct Case {
        const char* name;
        MouseSensorInfo sensor;
        const char* text;
        int current, position;
    };
    const Case cases[] = {
        {"below smallest raised", k3389, "50", 9, 0},
        {"empty reads 0, raised", k3389, "", 9, 0},
        {"not a number reads 0", k3389, "abc", 9, 0},
        {"negative raised", k3389, "-800", 9, 0},
        {"exact step", k3389, "1600", 0, 30},
        {"between steps rounds down", k3389, "1649", 0, 30},
        {"trailing text ignored", k3389, "800 dpi", 0, 14},
        {"largest typed value", k3389, "16000", 0, 318},
        {"above largest typed clamped", k3389, "20000", 0, 318},
        {"huge text saturates", k3389, "99999999999999", 0, 318},
        {"3327 upper part", k3327, "7200", 0, 70},
        {"3327 knee", k3327, "3100", 0, 60},
        {"3327 just above 6200", k3327, "6300", 0, 61},
        {"3327 gap below 6200 stays at the knee", k3327, "5000", 0, 60},
        {"3327 above largest typed", k3327, "15000", 0, 118},
        {"3360 linear", k3360, "12000", 0, 238},
        {"other sensor keeps the value", kOther, "640", 0, 640},
        {"other sensor still raised", kOther, "20", 0, 100},
        {"step 0 keeps position (3389)", {0x3389, 0, 318, 100}, "800", 17, 17},
        {"step 0 keeps position (3327)", {0x3327, 0, 120, 100}, "7200", 23, 23},
        {"step 0 keeps position (3360)", {0x3360, 0, 238, 100}, "", 5, 5},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PositionForDpiText(c.sensor, c.text, c.current), c.position) << c.name;
}

TEST(MouseDpi, EveryPositionSurvivesShowingAndTypingBack) {
    for (const MouseSensorInfo& sensor : {k3389, k3327, k3360, MouseSensorInfo{0x3327, 100, 120, 200}}) {
        const DpiSliderRange range = DpiRangeForSensor(sensor);
        for (int p = range.minPosition; p <= range.maxPosition; ++p) {
            const int dpi = DpiForPosition(sensor, p);
            if (dpi > range.largestTypedDpi) break;
            ASSERT_EQ(PositionForDpi(sensor, dpi, -1), p)
                << std::hex << sensor.sensorCode << std::dec << " dpi " << dpi;
        }
    }
}

TEST(LeadingDecimal, ReadsLikeTheEditsDo) {
    struct Case {
        const char* text;
        int value;
    };
    const Case cases[] = {{"", 0},
                          {"30", 30},
                          {"  42", 42},
                          {"+7", 7},
                          {"-12x", -12},
                          {"x12", 0},
                          {"65535", 65535},
                          {"2147483648", 2147483647},
                          {"-99999999999", -2147483647 - 1},
                          {"007", 7},
                          {"3.9", 3}};
    for (const Case& c : cases) EXPECT_EQ(ParseLeadingDecimal(c.text), c.value) << '"' << c.text << '"';
}
