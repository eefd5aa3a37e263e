#include "devices/audio/equaliser_plan.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kChannels = 2;
constexpr char kPositions[] = "[ FL FR ]";
constexpr char kSinkClass[] = "Audio/Sink";

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", value);
    return text;
}

// A quoted string of the chain's JSON dialect; quotes and backslashes escaped, control
// characters dropped (node names come from other programs).
std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20) continue;
        if (c == '"' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

std::string FilterNode(int band, double gain) {
    const size_t index = static_cast<size_t>(band - 1);
    return "            { type = builtin name = " + BandNodeName(band) + " label = " + eqplan::kFilterLabel +
           " control = { \"Freq\" = " + Number(eqplan::kBandFrequencies[index]) +
           " \"Q\" = " + Number(eqplan::kBandQ) + " \"Gain\" = " + Number(gain) + " } }\n";
}

std::string Link(int band) {
    return "            { output = \"" + BandNodeName(band) + ":Out\" input = \"" + BandNodeName(band + 1) +
           ":In\" }\n";
}

}  // namespace

double BandGainDb(int value) {
    return std::clamp(value, eqplan::kMinGainDb, eqplan::kMaxGainDb);
}

EqualiserGains FlatGains() {
    return EqualiserGains{};
}

std::string BandNodeName(int band) {
    return "eq_band_" + std::to_string(band);
}

std::string FilterChainArguments(const std::string& targetNode, const EqualiserGains& gains) {
    std::string nodes;
    std::string links;
    for (int band = 1; band <= kEqBands; ++band) {
        nodes += FilterNode(band, gains[static_cast<size_t>(band - 1)]);
        if (band < kEqBands) links += Link(band);
    }
    const std::string description = Quoted(eqplan::kDescription);
    std::string text = "{\n";
    const auto line = [&text](const std::string& content) { text += "    " + content + "\n"; };
    line("node.description = " + description);
    line("media.name = " + description);
    line("filter.graph = {");
    line("    nodes = [");
    text += nodes;
    line("    ]");
    line("    links = [");
    text += links;
    line("    ]");
    line("}");
    line("audio.channels = " + std::to_string(kChannels));
    line(std::string("audio.position = ") + kPositions);
    line("capture.props = {");
    line("    node.name = " + Quoted(eqplan::kSinkNodeName));
    line("    media.class = " + Quoted(kSinkClass));
    line("}");
    line("playback.props = {");
    line("    node.name = " + Quoted(eqplan::kOutputNodeName));
    line("    node.passive = true");
    line("    target.object = " + Quoted(targetNode));
    line("}");
    return text + "}\n";
}

std::vector<EqualiserControl> GainUpdates(const EqualiserGains& before, const EqualiserGains& after) {
    std::vector<EqualiserControl> updates;
    for (size_t i = 0; i < after.size(); ++i) {
        if (before[i] == after[i]) continue;
        updates.push_back({BandNodeName(static_cast<int>(i) + 1) + ":" + eqplan::kGainControl,
                           static_cast<float>(after[i])});
    }
    return updates;
}
