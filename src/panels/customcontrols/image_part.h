#pragma once
// The visible part of a large image shown in a smaller control, moved by dragging: the
// image follows the pointer, so a drag to the left shows more of the image's right side.
// The part keeps its size and never leaves the image. Qt-free.
#include "panels/customcontrols/image_description.h"

namespace controls {

class CImagePart {
public:
    // A part of controlWidth x controlHeight from the image's top-left corner, or the whole
    // image when the image fits the control in both directions.
    void Reset(int imageWidth, int imageHeight, int controlWidth, int controlHeight);
    // The pointer moved by (dx, dy) while dragging.
    void Drag(int dx, int dy);
    const Edges& Part() const { return part_; }
    // True when only a part of the image is shown.
    bool IsPartial() const { return partial_; }

private:
    static void Move(int& low, int& high, int distance, int limit);

    Edges part_;
    int imageWidth_ = 0;
    int imageHeight_ = 0;
    bool partial_ = false;
};

}  // namespace controls
