#include "devices/light_sync_plan.h"

#include "devices/light_sync_modes.h"

std::vector<LightSyncStep> PlanLightSync(int sourceKind, const LightInfoRecord& source,
                                         std::span<const LightSyncTarget> targets) {
    std::vector<LightSyncStep> steps;
    const std::optional<LightSyncKind> from = LightSyncKindOf(sourceKind);
    if (!from) return steps;
    const std::optional<CommonEffect> effect = CommonEffectOf(*from, source.selectItem);
    if (!effect) return steps;
    for (LightSyncKind kind :
         {LightSyncKind::Keyboard, LightSyncKind::Mouse, LightSyncKind::MousePad, LightSyncKind::Headset}) {
        LightInfoRecord record = source;
        record.selectItem = ModeFor(kind, *effect);
        for (std::size_t i = 0; i < targets.size(); ++i) {
            if (!targets[i].channelOpen || LightSyncKindOf(targets[i].deviceKind) != kind) continue;
            steps.push_back({i, record});
        }
    }
    return steps;
}
