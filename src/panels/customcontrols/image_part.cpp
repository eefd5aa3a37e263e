#include "panels/customcontrols/image_part.h"

#include <algorithm>

namespace controls {

void CImagePart::Reset(int imageWidth, int imageHeight, int controlWidth, int controlHeight) {
    imageWidth_ = std::max(imageWidth, 0);
    imageHeight_ = std::max(imageHeight, 0);
    partial_ = imageWidth_ > controlWidth || imageHeight_ > controlHeight;
    if (partial_) {
        part_ = {0, 0, std::clamp(controlWidth, 0, imageWidth_), std::clamp(controlHeight, 0, imageHeight_)};
    } else {
        part_ = {0, 0, imageWidth_, imageHeight_};
    }
}

void CImagePart::Move(int& low, int& high, int distance, int limit) {
    // Moving the pointer by distance moves the part the other way, within 0 .. limit.
    const int shift = std::clamp(-distance, -low, limit - high);
    low += shift;
    high += shift;
}

void CImagePart::Drag(int dx, int dy) {
    if (!partial_) return;
    Move(part_.left, part_.right, dx, imageWidth_);
    Move(part_.top, part_.bottom, dy, imageHeight_);
}

}  // namespace controls
