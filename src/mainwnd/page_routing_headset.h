#pragma once
// The headset page's routing handlers (page_routing_headset.cpp), named in page_routes.cpp.
namespace wiring {

struct WiringContext;

void OnMicOption(WiringContext& ctx, int);
void OnMonitorOption(WiringContext& ctx, int);
void OnMicSlider(WiringContext& ctx, int);
void OnMonitorSlider(WiringContext& ctx, int);
void OnEqTypeOption(WiringContext& ctx, int type);
void OnEqBandSlider(WiringContext& ctx, int band);
void OnCustomEqChosen(WiringContext& ctx, int);
// A name already in use shows "message_text_5"; a refused save shows nothing.
void OnSaveCustomEq(WiringContext& ctx, int);
void OnDeleteCustomEq(WiringContext& ctx, int);
void OnVoiceChangerOption(WiringContext& ctx, int);
void OnVoiceChangerType(WiringContext& ctx, int type);

}  // namespace wiring
