#pragma once
// The mouse's profile: DPI stages, the active stage, the system values and the sensor
// calibration list, on top of lighting and key assignments.
#include <cstdint>
#include <vector>

#include "profiles/basic_profile_data.h"

// The "DPIStages" array a sensor model uses: "StageDPIs" for 0x3327 and 0x3389,
// "StageDPIs_3360" for 0x3360, nullptr (no stage list) for any other model.
const char* StageArrayKey(uint32_t sensorModel);

class CMouseProfiledata : public CBasicProfiledata {
public:
    // Reads "DPIStages": the active stage, then the stage array of the sensor model. The read
    // stages overwrite the stored ones from the front; the stored list never shrinks on a
    // read, so surplus stored stages stay. Returns the stored list.
    std::vector<DpiStage> GetDpiStages();
    // Stores the list and writes each stage into the sensor model's array (nothing is written
    // for other models; surplus array elements stay).
    void SetDpiStages(const std::vector<DpiStage>& stages);
    // The active stage as last read by GetDpiStages or set.
    uint32_t GetActiveStage() const { return activeStage_; }
    // Sets the active stage and "DPIStages"."StageActive".
    void SetActiveStage(int stage);

    // Reads the nine system values (all zero without "SystemStages"; the report rate is
    // read from "ReportStages" and is 0 without it).
    MouseSystemSettings GetMouseSystem();
    // Stores the words and writes every value to its key as an unsigned 16-bit integer
    // (the high half of word 4 is kept in memory only).
    void SetMouseSystem(const MouseSystemSettings& settings);
    const MouseSystemSettings& CurrentMouseSystem() const { return system_; }

    // One entry per "CorrectInfo" element (empty when missing).
    std::vector<CorrectEntry> GetCorrectInfo();

    // The sensor model the device reports; not stored in the profile. Starts as 0x3327.
    void SetSensorModel(uint32_t model) { sensorModel_ = model; }
    uint32_t GetSensorModel() const { return sensorModel_; }

private:
    std::vector<DpiStage> stages_;
    uint32_t activeStage_ = 0;
    MouseSystemSettings system_;
    std::vector<CorrectEntry> correct_;
    uint32_t sensorModel_ = kSensor3327;
};
