#include "update/background_check.h"

BackgroundCheckResult RunBackgroundCheck(const std::vector<UpdateRecord>& records,
                                         const std::string& serviceUrl, const UpdateQuery& query) {
    if (serviceUrl.empty()) return BackgroundCheckResult::NoServiceSet;
    for (const UpdateRecord& record : records) {
        if (record.installedVersion == 0) continue;
        const UpdateAnswer answer = query(record);
        if (answer.ServiceUnreachable()) return BackgroundCheckResult::Unreachable;
        if (!answer.HasInformation()) continue;
        if (answer.status != kStatusCurrent) return BackgroundCheckResult::UpdateAvailable;
    }
    return BackgroundCheckResult::NoUpdate;
}
