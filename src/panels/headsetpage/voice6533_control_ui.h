#pragma once
// CVoice6533ControlUI: the headset's voice and equaliser panel (class "Voice6533Control",
// named "Voice6533ControlItem" on the headset page). It only shows values and hands out
// what its controls hold; the main window turns its notifications into the headset's audio
// operations. Controls are looked up by name on first use; a missing control makes a
// setter do nothing and a getter return the value noted beside it. Setters raise no
// notifications.
#include <QPointer>
#include <QString>
#include <QWidget>

class CVoice6533ControlUI : public QWidget {
    Q_OBJECT
public:
    static constexpr int kEqTypeCount = 13;  // "6533_eq_option_" 1..13, 13 = custom
    static constexpr int kBandCount = 10;    // "6533_eq_hz_slider_" 0..9
    static constexpr int kCustomRowHeight = 30;

    explicit CVoice6533ControlUI(QWidget* parent = nullptr);

    void ShowMicOn(int flag);
    void ShowMicLevel(int level);
    int GetMicLevel() const;  // -1
    void ShowMonitorOn(int flag);
    void ShowMonitorLevel(int level);
    int GetMonitorLevel() const;  // -1
    // Deselects the thirteen type options, then selects option t when t is 1..13.
    void ShowEqType(int t);
    void ShowBand(int n, int value);
    int GetBand(int n) const;  // -1
    void EnableCustomEq(int flag);
    void SetCustomEqNameText(const QString& text);
    QString GetCustomEqNameText() const;  // empty
    void AddCustomEqName(const QString& name);
    void ClearCustomEqNames();
    int GetCustomEqCount() const;          // 0
    QString GetCustomEqName(int i) const;  // empty
    int GetSelectedCustomEq() const;       // -1
    // Selects entry i (-1: none), then empties the name edit.
    void SelectCustomEqItem(int i);
    void RemoveCustomEqItem(int i);
    // Greys the equaliser (type options, bands, custom presets) when the host has none.
    void EnableEqualiser(bool available);

private:
    QWidget* Control(const QString& name) const;
};
