#include "devices/discovery/device_table_json.h"

#include <json/json.h>
#include <algorithm>
#include <memory>
#include <set>
#include "devices/discovery/device_row_fields.h"
#include "util/json_parse.h"

namespace {

int LineOf(const std::string& text, ptrdiff_t offset) {
    const auto end = text.begin() + std::clamp<ptrdiff_t>(offset, 0, static_cast<ptrdiff_t>(text.size()));
    return 1 + static_cast<int>(std::count(text.begin(), end, '\n'));
}

// The row a new row starts from: the row it replaces, else the first row of its kind.
DeviceRow TemplateFor(const CDeviceTable& table, const DeviceRow& keys) {
    for (const DeviceRow& row : table.Rows())
        if (SameDevice(row, keys)) return row;
    const uint16_t kind = keys.kind == DeviceKind::kMouseVariant ? DeviceKind::kMouse : keys.kind;
    for (const DeviceRow& row : table.Rows())
        if (row.kind == kind) return row;
    return DefaultDeviceRow();
}

bool UserRowFor(const CDeviceTable& table, const DeviceRow& keys) {
    for (const DeviceRow& row : table.Rows())
        if (SameDevice(row, keys)) return row.source == DeviceRowSource::User;
    return false;
}

}  // namespace

int AddDeviceRowsJson(CDeviceTable& table, const std::string& text, DeviceRowSource source,
                      const std::string& origin, std::vector<DeviceTableProblem>* problems) {
    auto report = [&](const std::string& message) {
        if (problems) problems->push_back({origin + ": " + message});
    };
    if (text.size() > kMaxDeviceTableBytes) {
        report("larger than " + std::to_string(kMaxDeviceTableBytes / 1024) + " KiB; not read");
        return 0;
    }
    Json::Value document;
    std::string errors;
    if (!ParseJsonStrict(text, &document, &errors, true)) {
        report("not valid JSON: " + errors.substr(0, errors.find('\n')));
        return 0;
    }
    const Json::Value& devices = document.isObject() ? document["devices"] : Json::Value::nullSingleton();
    if (!devices.isArray()) {
        report("no \"devices\" list");
        return 0;
    }
    int taken = 0;
    for (Json::ArrayIndex i = 0; i < devices.size(); ++i) {
        const Json::Value& value = devices[i];
        const std::string where = "line " + std::to_string(LineOf(text, value.getOffsetStart())) + " (row " +
                                  std::to_string(i + 1) + "): ";
        DeviceRow keys;
        std::string error;
        if (!ReadRowKeys(value, &keys, &error)) {
            report(where + error + "; row skipped");
            continue;
        }
        if (source == DeviceRowSource::Simulator && UserRowFor(table, keys)) continue;  // the user's row wins
        DeviceRow row = TemplateFor(table, keys);
        if (!ReadRowFields(value, keys, &row, &error)) {
            report(where + error + "; row skipped");
            continue;
        }
        row.source = source;
        table.AddOrReplace(std::move(row));
        ++taken;
    }
    return taken;
}
