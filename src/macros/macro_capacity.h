#pragma once
// Whether the macros of a user folder fit a device's macro memory, measured with the device
// image encoder, and the message shown when they do not.
#include <cstddef>
#include <string>
#include <vector>

#include "macros/macro_event.h"
#include "macros/macro_store.h"

namespace macros {

// Language text id of the message, and its English text (a format with one %d: the number
// of 4-byte units over the memory plus one).
inline constexpr const char* kCapacityMessageId = "message_text_16";
inline constexpr const char* kCapacityMessageEnglish =
    "The macros do not fit into the device's memory (%d units too many). Please shorten or remove some "
    "macros.";

struct CapacityCheck {
    std::size_t imageLength = 0;
    int overflowUnits = 0;  // 0 when the image fits
    bool Fits() const { return overflowUnits == 0; }
};

// Every macro of `store` in list order, with `replacement` standing for the events of macro
// `index` (the rows being edited), measured against `capacityBytes`.
CapacityCheck CheckMacroCapacity(CMacroStore& store, std::size_t capacityBytes, int index = -1,
                                 const std::vector<MacroEvent>* replacement = nullptr);

// The message format filled with the number ("%d" replaced); the format is the language
// text of kCapacityMessageId, or the English text when empty.
std::string CapacityMessage(int overflowUnits, const std::string& format = {});

}  // namespace macros
