#pragma once
// Reading one device row from its JSON object, with the checks that keep a bad row out.
#include <string>
#include <json/value.h>
#include "devices/discovery/device_row.h"

// The values every row starts from when no row of its kind exists.
DeviceRow DefaultDeviceRow();

// The identifying values: "vendorId", "productId" (required) and "kind", "subKind" (0 when
// absent). False with *error set when one is missing, of the wrong type or out of range.
bool ReadRowKeys(const Json::Value& value, DeviceRow* keys, std::string* error);

// Every field present in `value` overwrites *row (which holds the row's template); the keys
// come from `keys`. False with *error set on an unknown key or a bad value.
bool ReadRowFields(const Json::Value& value, const DeviceRow& keys, DeviceRow* row, std::string* error);
