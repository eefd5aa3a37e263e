#pragma once
// The background change chosen in the skin pop-up, handed to every window that wants it.
#include <QString>
#include <vector>

struct SkinChangedParam {
    bool isColor = false;  // true: a colour, false: a picture
    unsigned argb = 0;     // the colour, 0xAARRGGBB
    QString image;         // the picture: relative to the skin folder, or an absolute path
};

class ISkinChangeReceiver {
public:
    virtual ~ISkinChangeReceiver() = default;
    virtual void OnSkinChanged(const SkinChangedParam& param) = 0;
};

// The process-wide observer. Receivers add themselves and must remove themselves before
// they go away. UI thread only.
class CSkinChangeObserver {
public:
    static CSkinChangeObserver& Instance();
    void AddReceiver(ISkinChangeReceiver* receiver);
    void RemoveReceiver(ISkinChangeReceiver* receiver);
    // Gives param to every receiver, in the order they were added.
    void Broadcast(const SkinChangedParam& param);

private:
    CSkinChangeObserver() = default;
    std::vector<ISkinChangeReceiver*> receivers_;
};
