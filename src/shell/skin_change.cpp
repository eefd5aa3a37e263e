#include "shell/skin_change.h"

#include <algorithm>

CSkinChangeObserver& CSkinChangeObserver::Instance() {
    static CSkinChangeObserver observer;
    return observer;
}

void CSkinChangeObserver::AddReceiver(ISkinChangeReceiver* receiver) {
    if (receiver && std::find(receivers_.begin(), receivers_.end(), receiver) == receivers_.end())
        receivers_.push_back(receiver);
}

void CSkinChangeObserver::RemoveReceiver(ISkinChangeReceiver* receiver) {
    receivers_.erase(std::remove(receivers_.begin(), receivers_.end(), receiver), receivers_.end());
}

void CSkinChangeObserver::Broadcast(const SkinChangedParam& param) {
    // A receiver may remove itself (or another) while it handles the change.
    const std::vector<ISkinChangeReceiver*> snapshot = receivers_;
    for (ISkinChangeReceiver* receiver : snapshot)
        if (std::find(receivers_.begin(), receivers_.end(), receiver) != receivers_.end())
            receiver->OnSkinChanged(param);
}
