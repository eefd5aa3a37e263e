#pragma once
// CDeviceKeyButtonUI ("DeviceKeyButton"): a key or light button of a device page. Over the
// button it paints the light image (tinted with the light colour at the light level) while
// the light is on, and the key-set image unless it is hidden. A double click inside the
// enabled button pushes it as a press does and raises "dbclick"; its release clicks. Skin properties:
// "lightimage", "keysetimage" (image descriptions); "lightColour", "lightLevel", "lightOn" and "keysetHidden"
// may be set from code or skin.
#include <QPushButton>
#include <QString>

class CDeviceKeyButtonUI : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(QString lightimage READ LightImage WRITE SetLightImage)
    Q_PROPERTY(QString keysetimage READ KeysetImage WRITE SetKeysetImage)
    Q_PROPERTY(uint lightColour READ LightColour WRITE SetLightColour)
    Q_PROPERTY(int lightLevel READ LightLevel WRITE SetLightLevel)
    Q_PROPERTY(bool lightOn READ LightOn WRITE SetLightOn)
    Q_PROPERTY(bool keysetHidden READ KeysetHidden WRITE SetKeysetHidden)
public:
    static constexpr unsigned kDefaultLightColour = 255;
    static constexpr int kDefaultLightLevel = 200;

    explicit CDeviceKeyButtonUI(QWidget* parent = nullptr);

    // Stores the three values; the next paint uses them.
    void SetLight(unsigned colour, int level, bool on);
    void SetKeysetHidden(bool hidden);  // repaints when it changed
    bool KeysetHidden() const { return keysetHidden_; }
    void SetBandSelected(bool selected) { bandSelected_ = selected; }
    bool IsBandSelected() const { return bandSelected_; }

    QString LightImage() const { return lightImage_; }
    void SetLightImage(const QString& description);
    QString KeysetImage() const { return keysetImage_; }
    void SetKeysetImage(const QString& description);
    unsigned LightColour() const { return lightColour_; }
    void SetLightColour(unsigned colour) { lightColour_ = colour; }
    int LightLevel() const { return lightLevel_; }
    void SetLightLevel(int level) { lightLevel_ = level; }
    bool LightOn() const { return lightOn_; }
    void SetLightOn(bool on) { lightOn_ = on; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QString lightImage_;
    QString keysetImage_;
    bool lightOn_ = false;
    unsigned lightColour_ = kDefaultLightColour;
    int lightLevel_ = kDefaultLightLevel;
    bool keysetHidden_ = true;
    bool bandSelected_ = false;
};
