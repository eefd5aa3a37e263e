#pragma once
// Image descriptions as skins write them: either a plain file name ("Control/light.png") or
// keys with quoted values ("file='gun.png' source='0,0,90,70' dest='2,2,30,30' fade='200'").
// Keys: file, res (same as file), restype, dest, source, corner, mask, fade, hole, xtiled,
// ytiled, hsl. Unknown keys are skipped. Qt-free.
#include <optional>
#include <string>
#include <string_view>

namespace controls {

// A rectangle as left, top, right, bottom.
struct Edges {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const Edges&) const = default;
};

struct ImageDescription {
    std::string file;
    std::optional<Edges> source;  // part of the image to draw; the whole image when absent
    std::optional<Edges> dest;    // where in the control; the whole control when absent
    std::optional<Edges> corner;  // nine-patch borders
    std::string mask;             // colour made transparent ("#FFFF00FF"), empty: none
    int fade = 255;               // opacity 0..255
    bool hole = false, xtiled = false, ytiled = false, hsl = false;
    bool operator==(const ImageDescription&) const = default;
};

// Reads a description. A text without "=" is a file name. A value that does not read
// (a rectangle with fewer than four numbers) leaves its member unset.
ImageDescription ParseImageDescription(std::string_view text);

// The description of `file` limited to `source`, in the skin's syntax:
// "file='<file>' source='l,t,r,b'".
std::string ComposeSourceDescription(const std::string& file, const Edges& source);

}  // namespace controls
