#include "State.h"

#include "KoordSys.h"
#include "Scales.h"
#include "Thing.h"

#include <array>

namespace varnel {

std::int32_t originX = 0;
std::int32_t originY = 0;
double beta = 0.0;
std::int32_t viewpoint = 0;
std::int32_t timeValue = 0;
std::int32_t unitSetting = 0;
std::int32_t spaceFactor = 0;
std::string spaceUnit;
std::int32_t timeFactor = 0;
std::string timeUnit;
bool eventMarked = false;
std::int32_t eventX = 0;
std::int32_t eventY = 0;
bool draggingOrigin = false;
std::int32_t canvasWidth = 0;
std::int32_t canvasHeight = 0;
bool isUpdating = false;
std::shared_ptr<fw::PrinterSetup> printerSetup;
bool hasPageSetup = false;
std::shared_ptr<KoordSys> blackSystem;
std::shared_ptr<KoordSys> redSystem;
std::shared_ptr<Thing> blackObject;
std::shared_ptr<Thing> redObject;

void SetModuleStartValues() {
    originX = 300;
    originY = 400;
    beta = 0.6;
    viewpoint = 0;
    timeValue = startTime;
    unitSetting = 3;
    spaceFactor = 0;
    spaceUnit.clear();
    timeFactor = 0;
    timeUnit.clear();
    eventMarked = false;
    eventX = 0;
    eventY = 0;
    draggingOrigin = false;
    canvasWidth = 0;
    canvasHeight = 0;
    isUpdating = false;
    printerSetup = nullptr;
    hasPageSetup = false;
    blackSystem = nullptr;
    redSystem = nullptr;
    blackObject = nullptr;
    redObject = nullptr;
}

namespace {

struct UnitRow {
    std::int32_t spaceFactor;
    const char* spaceUnit;
    std::int32_t timeFactor;
    const char* timeUnit;
};

// One grid unit (gridUnit px) on any axis; in every row length / time is the speed of light.
constexpr std::array<UnitRow, 10> unitTable{{
    {3, " mm", 10, " ps"},
    {3, " cm", 100, " ps"},
    {30, " cm", 1, " ns"},
    {3, " m", 10, " ns"},
    {30, " m", 100, " ns"},
    {300, " m", 1, " us"},
    {3, " km", 10, " us"},
    {30, " km", 100, " us"},
    {300, " km", 1, " ms"},
    {3000, " km", 10, " ms"},
}};

} // namespace

void SetUnits() {
    if (unitSetting < 0 || unitSetting >= static_cast<std::int32_t>(unitTable.size()))
        return;
    const UnitRow& row = unitTable[static_cast<std::size_t>(unitSetting)];
    spaceFactor = row.spaceFactor;
    spaceUnit = row.spaceUnit;
    timeFactor = row.timeFactor;
    timeUnit = row.timeUnit;
}

} // namespace varnel
