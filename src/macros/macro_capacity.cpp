#include "macros/macro_capacity.h"

#include "devices/mouse/mouse_images.h"

namespace macros {

CapacityCheck CheckMacroCapacity(CMacroStore& store, std::size_t capacityBytes, int index,
                                 const std::vector<MacroEvent>* replacement) {
    std::vector<std::size_t> counts;
    for (int i = 0; i < store.Count(); ++i)
        counts.push_back(i == index && replacement != nullptr ? replacement->size()
                                                              : store.LoadEvents(i).size());
    CapacityCheck check;
    check.imageLength = mouse::DeviceImageLength(counts);
    check.overflowUnits = mouse::MacroOverflowUnits(check.imageLength, capacityBytes);
    return check;
}

std::string CapacityMessage(int overflowUnits, const std::string& format) {
    std::string text = format.empty() ? kCapacityMessageEnglish : format;
    const std::size_t at = text.find("%d");
    if (at != std::string::npos) text.replace(at, 2, std::to_string(overflowUnits));
    return text;
}

}  // namespace macros
