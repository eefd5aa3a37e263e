#pragma once
// CDeviceOptionUI: one entry of the device bar (skin class "DeviceOption", built from
// "XML\\CustomControlXML\\DeviceOption.xml"). It holds the option "device_select" (selecting
// it selects the device and shows its page), the option "synchro_device_select" (marks the
// device for light synchronisation) and the label "device_select_name".
//
// The entry only shows its device: the device schedules its own reads (usb_device.h).
//
// Setters change controls without notifications, except Select and SetSynchro, which
// raise "selectchanged" as a user's choice does.
#include <QString>
#include <QWidget>

class QAbstractButton;

class CDeviceOptionUI : public QWidget {
    Q_OBJECT
public:
    explicit CDeviceOptionUI(QWidget* parent = nullptr);

    // Images and tool tip of "device_select" for a device kind (device_kinds.h icon sets);
    // a mouse pad of a sub-kind other than 0 or 1 changes nothing.
    void SetKind(int kind, int subKind);
    int Kind() const { return kind_; }
    int SubKind() const { return subKind_; }
    // The four images as "common/device_ico/<set>_device_<state>.png".
    QString NormalImage() const { return normalImage_; }
    QString SelectedImage() const { return selectedImage_; }
    QString SynchroNormalImage() const { return synchroNormalImage_; }
    QString SynchroSelectedImage() const { return synchroSelectedImage_; }

    void ShowSynchroOption(bool on);
    // Shows the image pair that goes with the synchro option's state (after a user's click).
    void RefreshImages();
    void SetSynchro(bool on);
    bool IsSynchro() const;

    void Select(bool on);
    bool IsSelected() const;

    // Selecting "device_select" shows page index of the tab layout container.
    void BindPage(const QString& container, int index);
    int PageIndex() const;          // -1 when "device_select" is missing
    QString PageContainer() const;  // empty when "device_select" is missing

    // The container of the device's power panel and its index there; a negative index
    // leaves the stored index as it is.
    void SetPowerPanel(const QString& container, int index);
    QString PowerContainer() const { return powerContainer_; }
    int PowerIndex() const { return powerIndex_; }

    void SetGroup(const QString& group);
    // The name under the picture, elided to the entry's width; the full name is the tool
    // tip of the label and of "device_select".
    void SetName(const QString& text);
    QString Name() const;
    QString ShownName() const;  // the label's text as drawn (elided)
    // Wide enough for the whole name, within the entry's minimum and maximum width.
    QSize sizeHint() const override;

    // Shows or hides the entry and keeps the visible flag (the flag holds while the whole
    // window is hidden, when QWidget::isVisible says false).
    void Show(bool on);
    bool IsShown() const { return shown_; }

    QAbstractButton* SelectOption() const;
    QAbstractButton* SynchroOption() const;

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void UpdateToolTip();
    void ElideName();

    QString kindToolTipId_;
    bool shown_ = true;
    int kind_ = 0;
    int subKind_ = 0;
    QString normalImage_, selectedImage_, synchroNormalImage_, synchroSelectedImage_;
    QString name_;
    QString pageContainer_;
    int pageIndex_ = -1;
    QString powerContainer_;
    int powerIndex_ = -1;
};

// Makes "DeviceOption" and "CDeviceOptionUI" known to the skin loader.
void RegisterDeviceOptionClass();
