#include "diagram/KoordSys.h"
#include "diagram/State.h"
#include "diagram/Thing.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <memory>
#include <string>

namespace varnel {
namespace {

class ModuleStateTest : public ::testing::Test {
protected:
    void TearDown() override { SetModuleStartValues(); }
};

// Every variable first gets a value unlike its start value, so that one the start routine
// forgets shows up.
TEST_F(ModuleStateTest, StartValuesHoldBeforeTheMainWindowOpens) {
    originX = 1;
    originY = 2;
    beta = -0.25;
    viewpoint = 1;
    timeValue = -500;
    unitSetting = 9;
    spaceFactor = 3000;
    spaceUnit = " km";
    timeFactor = 10;
    timeUnit = " ms";
    eventMarked = true;
    eventX = 5;
    eventY = 6;
    draggingOrigin = true;
    canvasWidth = 636;
    canvasHeight = 553;
    isUpdating = true;
    hasPageSetup = true;
    blackSystem = std::make_shared<KoordSys>();
    redSystem = std::make_shared<KoordSys>();
    blackObject = std::make_shared<Thing>();
    redObject = std::make_shared<Thing>();

    SetModuleStartValues();

    EXPECT_EQ(originX, 300);
    EXPECT_EQ(originY, 400);
    EXPECT_EQ(beta, 0.6);
    EXPECT_EQ(viewpoint, 0);
    EXPECT_EQ(timeValue, 72);
    EXPECT_EQ(unitSetting, 3);
    EXPECT_EQ(spaceFactor, 0);
    EXPECT_EQ(spaceUnit, "");
    EXPECT_EQ(timeFactor, 0);
    EXPECT_EQ(timeUnit, "");
    EXPECT_FALSE(eventMarked);
    EXPECT_EQ(eventX, 0);
    EXPECT_EQ(eventY, 0);
    EXPECT_FALSE(draggingOrigin);
    EXPECT_EQ(canvasWidth, 0);
    EXPECT_EQ(canvasHeight, 0);
    EXPECT_FALSE(isUpdating);
    EXPECT_EQ(printerSetup, nullptr);
    EXPECT_FALSE(hasPageSetup);
    EXPECT_EQ(blackSystem, nullptr);
    EXPECT_EQ(redSystem, nullptr);
    EXPECT_EQ(blackObject, nullptr);
    EXPECT_EQ(redObject, nullptr);
}

TEST_F(ModuleStateTest, TheStartUnitSettingGivesMetresAndNanoseconds) {
    SetModuleStartValues();
    SetUnits();
    EXPECT_EQ(spaceFactor, 3);
    EXPECT_EQ(spaceUnit, " m");
    EXPECT_EQ(timeFactor, 10);
    EXPECT_EQ(timeUnit, " ns");
}

struct Units {
    std::int32_t spaceFactor;
    std::string spaceUnit;
    std::int32_t timeFactor;
    std::string timeUnit;
};

void ExpectUnits(const Units& expected) {
    EXPECT_EQ(spaceFactor, expected.spaceFactor);
    EXPECT_EQ(spaceUnit, expected.spaceUnit);
    EXPECT_EQ(timeFactor, expected.timeFactor);
    EXPECT_EQ(timeUnit, expected.timeUnit);
}

TEST_F(ModuleStateTest, SetUnitsWritesTheRowOfTheUnitSetting) {
    struct Row {
        const char* name;
        std::int32_t setting;
        Units units;
    };
    const Row rows[] = {
        {"3 mm and 10 ps", 0, {3, " mm", 10, " ps"}},
        {"3 cm and 100 ps", 1, {3, " cm", 100, " ps"}},
        {"30 cm and 1 ns", 2, {30, " cm", 1, " ns"}},
        {"3 m and 10 ns", 3, {3, " m", 10, " ns"}},
        {"30 m and 100 ns", 4, {30, " m", 100, " ns"}},
        {"300 m and 1 us", 5, {300, " m", 1, " us"}},
        {"3 km and 10 us", 6, {3, " km", 10, " us"}},
        {"30 km and 100 us", 7, {30, " km", 100, " us"}},
        {"300 km and 1 ms", 8, {300, " km", 1, " ms"}},
        {"3000 km and 10 ms", 9, {3000, " km", 10, " ms"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        spaceFactor = -1;
        spaceUnit = " ?";
        timeFactor = -1;
        timeUnit = " ?";
        unitSetting = row.setting;
        SetUnits();
        ExpectUnits(row.units);
        EXPECT_EQ(unitSetting, row.setting);
    }
}

// A setting outside the table must neither clamp to its first or last row nor clear the
// units: the row in force before stays.
TEST_F(ModuleStateTest, SetUnitsOutsideTheTableChangesNothing) {
    struct Row {
        const char* name;
        std::int32_t setting;
    };
    const Row rows[] = {
        {"one below the table", -1},
        {"one above the table", 10},
        {"smallest int32", std::numeric_limits<std::int32_t>::min()},
        {"largest int32", std::numeric_limits<std::int32_t>::max()},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        unitSetting = 7;
        SetUnits();
        unitSetting = row.setting;
        SetUnits();
        ExpectUnits({30, " km", 100, " us"});
    }
}

} // namespace
} // namespace varnel
