#pragma once
// CMagicControlUI: the headset's voice changer panel (class "MagicControl", named
// "MagicControlItem" on the headset page): "magic_enable_option" switches the voice changer,
// "magic_option_" 1..4 inside "magic_option_layout" choose the voice. A missing control
// makes a setter do nothing and a getter return 0. Setters raise no notifications.
#include <QWidget>

class CMagicControlUI : public QWidget {
    Q_OBJECT
public:
    static constexpr int kVoiceTypeCount = 4;

    explicit CMagicControlUI(QWidget* parent = nullptr);

    void EnableVoiceChangerTypes(int flag);
    void ShowVoiceChangerOn(int flag);
    bool IsVoiceChangerOn() const;
    // Deselects the four type options, then selects option t when t is 1..4.
    void ShowVoiceChangerType(int t);
    // The whole panel is greyed while the host offers no voice changer.
    void SetAvailable(bool available);
};
