#include "update/update_identity.h"

#include <array>
#include "update/program_version.h"

namespace {
constexpr std::string_view kBrand = "KVELM";
constexpr std::string_view kProgramTitle = "KV_ELM Gaming mouse";

std::string_view ProgramVersionTextView() {
    static const std::string text = ProgramVersionText();
    return text;
}

const std::array<UpdateIdentityRow, 6>& Table() {
    static const std::array<UpdateIdentityRow, 6> kTable{{
        {1, 1, kBrand, "KVM2002A", "GamingMouse", "KV_ELM Gaming Mouse", "V0101", 0x320F, 0x2002},
        {1, 2, kBrand, "KVKB126A", "GamingKeyboard", "KV_ELM Gaming Keyboard", "", 0x0000, 0x0000},
        {2, 3, kBrand, "KVPAD01A", "GamingMousePad", "KV_ELM Gaming Mouse Pad", "", 0x0000, 0x0000},
        {2, 4, kBrand, "KVHS6533AA", "GamingHeadset", "KV_ELM Gaming Headset", "V0100", 0x0000, 0x0000},
        {1, 5, kBrand, "KVM21FDA", "GamingMouse3389", "KV_ELM Gaming Mouse 3389", "V0101", 0x320F, 0x21FD},
        {kProgramType, 6, kBrand, kProgramModelCode, "Configurator", kProgramTitle, ProgramVersionTextView(),
         0, 0},
    }};
    return kTable;
}
}  // namespace

std::span<const UpdateIdentityRow> UpdateIdentityTable() {
    return Table();
}

std::vector<UpdateRecord> BuildUpdateRecords(std::span<const AttachedDevice> attached,
                                             int32_t programVersion) {
    std::vector<UpdateRecord> records;
    for (const UpdateIdentityRow& row : UpdateIdentityTable()) {
        UpdateRecord record{row.type,
                            row.keyNumber,
                            0,
                            std::string(row.brand),
                            std::string(row.modelCode),
                            std::string(row.productName),
                            std::string(row.displayName),
                            std::string(row.versionText)};
        if (record.IsProgram()) {
            record.installedVersion = programVersion;
        } else if (row.vendorId != 0 || row.productId != 0) {
            for (const AttachedDevice& device : attached) {
                if (device.vendorId == row.vendorId && device.productId == row.productId) {
                    record.installedVersion = device.versionNumber;
                    break;
                }
            }
        }
        records.push_back(std::move(record));
    }
    return records;
}

std::vector<UpdateRecord> RecordsTakingPart(const std::vector<UpdateRecord>& records) {
    std::vector<UpdateRecord> taking;
    for (const UpdateRecord& record : records) {
        if (record.installedVersion != 0) taking.push_back(record);
    }
    return taking;
}

std::string BuildAppKey(const UpdateRecord& record) {
    if (record.installedVersion == 0) return std::string(kNullAppKey);
    return record.brand + "_" + std::to_string(record.type) + "_" + record.modelCode + "_" +
           record.productName + "_" + std::to_string(record.keyNumber);
}
