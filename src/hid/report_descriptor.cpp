#include "hid/report_descriptor.h"

#include <algorithm>
#include <array>
#include <limits>
#include <map>
#include <utility>

#include "hid/report_fields.h"
#include "hid/report_items.h"

namespace {

// Item types and tags of the short item format.
constexpr uint8_t kTypeMain = 0, kTypeGlobal = 1, kTypeLocal = 2;
constexpr uint8_t kMainInput = 0x8, kMainOutput = 0x9, kMainCollection = 0xA, kMainFeature = 0xB,
                  kMainEndCollection = 0xC;
constexpr uint8_t kGlobalUsagePage = 0x0, kGlobalLogicalMin = 0x1, kGlobalLogicalMax = 0x2,
                  kGlobalPhysicalMin = 0x3, kGlobalPhysicalMax = 0x4, kGlobalReportSize = 0x7,
                  kGlobalReportId = 0x8, kGlobalReportCount = 0x9, kGlobalPush = 0xA, kGlobalPop = 0xB;
constexpr uint8_t kLocalUsage = 0x0, kLocalUsageMin = 0x1, kLocalUsageMax = 0x2;
constexpr uint8_t kLongItemPrefix = 0xFE;

// Main item flag bits.
constexpr uint32_t kFlagConstant = 0x01, kFlagVariable = 0x02;

// Limits that keep a hostile descriptor from costing unbounded memory or time.
constexpr uint32_t kMaxReportSizeBits = 256;     // bits of one element
constexpr uint64_t kMaxReportDataBytes = 65534;  // the byte length (plus id byte) fits 16 bits
constexpr size_t kMaxGlobalStackDepth = 32;
constexpr size_t kMaxExpandedUsages = 1u << 20;  // usages spelled out across the descriptor
// Entries the report items of all collections may hold (value items plus button usage
// lists): a usage range of a value field becomes one item per usage, and every button
// capability gets a list as long as all button elements of its page.
constexpr uint64_t kMaxReportItemSlots = 1u << 16;

// A number given by an item together with its size, so a maximum can be reread as
// unsigned when the matching minimum is not negative ("Logical Maximum (255)" coded
// in one byte is 0xFF).
struct ItemNumber {
    uint32_t raw = 0;
    uint8_t size = 0;
    int64_t Signed() const {
        switch (size) {
        case 1:
            return static_cast<int8_t>(raw);
        case 2:
            return static_cast<int16_t>(raw);
        case 4:
            return static_cast<int32_t>(raw);
        default:
            return 0;
        }
    }
    int64_t Unsigned() const { return raw; }
};

struct GlobalState {
    uint16_t usagePage = 0;
    ItemNumber logicalMin, logicalMax, physicalMin, physicalMax;
    uint32_t reportSize = 0;
    uint32_t reportCount = 0;
    uint8_t reportId = 0;
};

struct LocalUsage {
    uint32_t value = 0;
    bool extended = false;  // the item carried its own usage page in the high 16 bits
};

struct LocalState {
    std::vector<LocalUsage> usages;
    bool hasMin = false, hasMax = false;
    LocalUsage usageMin, usageMax;
    void Clear() { *this = LocalState{}; }
};

int32_t ClampToInt32(int64_t value) {
    return static_cast<int32_t>(
        std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

// The minimum and maximum of a pair of items, the maximum read as unsigned when the
// minimum is not negative and the signed reading would put it below the minimum.
std::pair<int32_t, int32_t> ResolveRange(const ItemNumber& minimum, const ItemNumber& maximum) {
    const int64_t low = minimum.Signed();
    int64_t high = maximum.Signed();
    if (low >= 0 && high < low) high = maximum.Unsigned();
    return {ClampToInt32(low), ClampToInt32(high)};
}

uint16_t PageOf(const LocalUsage& usage, uint16_t currentPage) {
    return usage.extended ? static_cast<uint16_t>(usage.value >> 16) : currentPage;
}

class DescriptorParser {
public:
    explicit DescriptorParser(const std::vector<uint8_t>& descriptor) : bytes_(descriptor) {}

    bool Run(std::vector<HidTopCollection>& out) {
        size_t pos = 0;
        while (pos < bytes_.size()) {
            const uint8_t prefix = bytes_[pos];
            if (prefix == kLongItemPrefix) {
                // Long items carry no meaning for reports; skip them whole.
                if (bytes_.size() - pos < 3) return false;
                const size_t dataSize = bytes_[pos + 1];
                if (bytes_.size() - pos < 3 + dataSize) return false;
                pos += 3 + dataSize;
                continue;
            }
            static constexpr std::array<uint8_t, 4> kSizes{0, 1, 2, 4};
            const uint8_t size = kSizes[prefix & 0x3];
            const uint8_t type = (prefix >> 2) & 0x3;
            const uint8_t tag = prefix >> 4;
            if (bytes_.size() - pos - 1 < size) return false;  // truncated item
            uint32_t data = 0;
            for (uint8_t i = 0; i < size; ++i) data |= static_cast<uint32_t>(bytes_[pos + 1 + i]) << (8 * i);
            pos += 1 + size;
            const ItemNumber number{data, size};
            bool ok = true;
            switch (type) {
            case kTypeMain:
                ok = OnMain(tag, data);
                break;
            case kTypeGlobal:
                ok = OnGlobal(tag, number);
                break;
            case kTypeLocal:
                ok = OnLocal(tag, number);
                break;
            default:
                break;  // reserved item type: ignored
            }
            if (!ok) return false;
        }
        if (depth_ != 0) return false;  // a collection was never closed
        return Finish(out);
    }

private:
    bool OnGlobal(uint8_t tag, const ItemNumber& number) {
        switch (tag) {
        case kGlobalUsagePage:
            global_.usagePage = static_cast<uint16_t>(number.raw);
            break;
        case kGlobalLogicalMin:
            global_.logicalMin = number;
            break;
        case kGlobalLogicalMax:
            global_.logicalMax = number;
            break;
        case kGlobalPhysicalMin:
            global_.physicalMin = number;
            break;
        case kGlobalPhysicalMax:
            global_.physicalMax = number;
            break;
        case kGlobalReportSize:
            if (number.raw > kMaxReportSizeBits) return false;
            global_.reportSize = number.raw;
            break;
        case kGlobalReportCount:
            global_.reportCount = number.raw;
            break;
        case kGlobalReportId:
            if (number.raw == 0 || number.raw > 0xFF) return false;  // id 0 is reserved and ids are one byte
            global_.reportId = static_cast<uint8_t>(number.raw);
            usesReportIds_ = true;
            break;
        case kGlobalPush:
            if (stack_.size() >= kMaxGlobalStackDepth) return false;
            stack_.push_back(global_);
            break;
        case kGlobalPop:
            if (stack_.empty()) return false;
            global_ = stack_.back();
            stack_.pop_back();
            break;
        default:
            break;  // unit, unit exponent and reserved tags do not shape reports
        }
        return true;
    }

    bool OnLocal(uint8_t tag, const ItemNumber& number) {
        const LocalUsage usage{number.raw, number.size == 4};
        switch (tag) {
        case kLocalUsage:
            if (local_.usages.size() >= kMaxExpandedUsages) return false;
            local_.usages.push_back(usage);
            break;
        case kLocalUsageMin:
            local_.hasMin = true;
            local_.usageMin = usage;
            break;
        case kLocalUsageMax:
            local_.hasMax = true;
            local_.usageMax = usage;
            break;
        default:
            break;  // designators, strings and delimiters are not used
        }
        return true;
    }

    bool OnMain(uint8_t tag, uint32_t flags) {
        bool ok = true;
        switch (tag) {
        case kMainCollection:
            if (depth_ == 0) {
                HidTopCollection collection;
                if (!local_.usages.empty()) {
                    collection.usagePage = PageOf(local_.usages.front(), global_.usagePage);
                    collection.usage = static_cast<uint16_t>(local_.usages.front().value & 0xFFFF);
                }
                collections_.push_back(std::move(collection));
            }
            ++depth_;
            break;
        case kMainEndCollection:
            if (depth_ == 0) return false;
            --depth_;
            break;
        case kMainInput:
            ok = AddField(HidReportType::Input, flags);
            break;
        case kMainOutput:
            ok = AddField(HidReportType::Output, flags);
            break;
        case kMainFeature:
            ok = AddField(HidReportType::Feature, flags);
            break;
        default:
            break;
        }
        local_.Clear();
        return ok;
    }

    // The usages of the local state in order; ranges are kept as a range when they stand
    // alone and spelled out when mixed with single usages.
    bool ResolveUsages(HidField& field, uint32_t usableCount) {
        const bool hasRange = local_.hasMin && local_.hasMax;
        if (hasRange) {
            const uint16_t minUsage = static_cast<uint16_t>(local_.usageMin.value & 0xFFFF);
            const uint16_t maxUsage = static_cast<uint16_t>(local_.usageMax.value & 0xFFFF);
            if (minUsage > maxUsage) return false;
            if (local_.usages.empty()) {
                field.usagePage = PageOf(local_.usageMin, global_.usagePage);
                field.usageMin = minUsage;
                // Usages beyond the number of elements of a variable item are ignored.
                const uint32_t span = static_cast<uint32_t>(maxUsage) - minUsage + 1;
                field.usageMax = static_cast<uint16_t>(
                    minUsage + std::min<uint32_t>(span, std::max<uint32_t>(usableCount, 1)) - 1);
                return true;
            }
        }
        if (local_.usages.empty()) return true;  // no usages: padding or an unnamed constant
        field.usagePage = PageOf(local_.usages.front(), global_.usagePage);
        std::vector<uint16_t> list;
        for (const LocalUsage& usage : local_.usages)
            list.push_back(static_cast<uint16_t>(usage.value & 0xFFFF));
        if (hasRange) {
            const uint32_t low = local_.usageMin.value & 0xFFFF, high = local_.usageMax.value & 0xFFFF;
            if (expandedUsages_ + (high - low + 1) > kMaxExpandedUsages) return false;
            expandedUsages_ += high - low + 1;
            for (uint32_t usage = low; usage <= high; ++usage) list.push_back(static_cast<uint16_t>(usage));
        }
        if (list.size() > usableCount) list.resize(std::max<uint32_t>(usableCount, 1));
        field.usages = std::move(list);
        const auto [lowest, highest] = std::minmax_element(field.usages.begin(), field.usages.end());
        field.usageMin = *lowest;
        field.usageMax = *highest;
        return true;
    }

    bool AddField(HidReportType type, uint32_t flags) {
        const uint64_t bits = static_cast<uint64_t>(global_.reportSize) * global_.reportCount;
        uint64_t& offset = reportBits_[{static_cast<int>(type), global_.reportId}];
        if (offset + bits > kMaxReportDataBytes * 8) return false;  // absurd report count or size
        HidField field;
        field.type = type;
        field.reportId = global_.reportId;
        field.bitOffset = static_cast<uint32_t>(offset);
        field.reportSize = global_.reportSize;
        field.reportCount = global_.reportCount;
        field.isArray = (flags & kFlagVariable) == 0;
        field.isConstant = (flags & kFlagConstant) != 0;
        std::tie(field.logicalMin, field.logicalMax) = ResolveRange(global_.logicalMin, global_.logicalMax);
        std::tie(field.physicalMin, field.physicalMax) =
            ResolveRange(global_.physicalMin, global_.physicalMax);
        offset += bits;
        if (global_.reportId == 0) unnumberedFieldSeen_ = true;
        // Arrays select any usage of their list; variable items name one usage per element.
        const uint32_t usableCount = field.isArray ? std::numeric_limits<uint32_t>::max() : field.reportCount;
        if (!ResolveUsages(field, usableCount)) return false;
        if (depth_ == 0 || collections_.empty() || bits == 0)
            return true;  // outside any collection, or no bits: counted but not listed
        HidTopCollection& collection = collections_.back();
        if (std::find(collection.reportIds.begin(), collection.reportIds.end(), field.reportId) ==
            collection.reportIds.end())
            collection.reportIds.push_back(field.reportId);
        collection.fields.push_back(std::move(field));
        return true;
    }

    bool Finish(std::vector<HidTopCollection>& out) {
        // With report ids every report starts with its id, so a report without one cannot
        // be told apart.
        if (usesReportIds_ && unnumberedFieldSeen_) return false;
        uint64_t itemSlots = 0;
        for (HidTopCollection& collection : collections_) {
            collection.usesReportIds = usesReportIds_;
            if (!usesReportIds_) collection.reportIds.clear();
            collection.caps.usagePage = collection.usagePage;
            collection.caps.usage = collection.usage;
            collection.caps.inputReportByteLength = ReportByteLength(collection, HidReportType::Input);
            collection.caps.outputReportByteLength = ReportByteLength(collection, HidReportType::Output);
            collection.caps.featureReportByteLength = ReportByteLength(collection, HidReportType::Feature);
            BuildCapabilities(collection);
            for (HidReportType type : {HidReportType::Input, HidReportType::Output, HidReportType::Feature})
                itemSlots += ReportItemSlots(collection, type);
            if (itemSlots > kMaxReportItemSlots) return false;
        }
        out = std::move(collections_);
        return true;
    }

    uint16_t ReportByteLength(const HidTopCollection& collection, HidReportType type) const {
        uint64_t longest = 0;
        bool any = false;
        for (const HidField& field : collection.fields) {
            if (field.type != type) continue;
            any = true;
            const auto it = reportBits_.find({static_cast<int>(type), field.reportId});
            if (it != reportBits_.end()) longest = std::max(longest, (it->second + 7) / 8);
        }
        if (!any) return 0;
        return static_cast<uint16_t>(longest + (usesReportIds_ ? 1 : 0));
    }

    const std::vector<uint8_t>& bytes_;
    GlobalState global_;
    std::vector<GlobalState> stack_;
    LocalState local_;
    int depth_ = 0;
    bool usesReportIds_ = false;
    bool unnumberedFieldSeen_ = false;
    size_t expandedUsages_ = 0;
    std::map<std::pair<int, uint8_t>, uint64_t> reportBits_;  // (type, id) -> bits so far
    std::vector<HidTopCollection> collections_;
};

}  // namespace

std::vector<HidTopCollection> ParseReportDescriptor(const std::vector<uint8_t>& descriptor) {
    std::vector<HidTopCollection> collections;
    DescriptorParser parser(descriptor);
    if (!parser.Run(collections)) return {};
    return collections;
}
