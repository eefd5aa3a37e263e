#include "devices/keyboard_operations.h"

#include "devices/device_result.h"
#include "devices/keyboard_device.h"
#include "devices/keyboard_system_stages.h"

bool StageIsWritten(int index) {
    return index == keyboard::Stage::kKey6Flag || index == keyboard::Stage::kPollingRate ||
           index == keyboard::Stage::kWFlag || index == keyboard::Stage::kWinFlag;
}

int SetKeyboardStage(CVornakelKeyboardDevice& keyboard, int index, std::uint16_t value) {
    keyboard.SetSystemStages(keyboard::WithStage(keyboard.GetSystemStages(), index, value));
    if (!StageIsWritten(index)) return keyboard.SaveProfile();
    return keyboard.SaveAndWriteSettings();
}
