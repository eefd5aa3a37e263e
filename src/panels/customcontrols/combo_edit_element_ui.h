#pragma once
// CComboEditContainerElementUI ("ComboEditContainerElement"): a list row whose content is
// built from the skin file "XML\\CustomControlXML\\ComboEditElementItem.xml": two texts,
// "text1" and "text2", and the edit "delay_edit". Besides what every list row does
// (list_row_element_ui.h) it raises:
//   "itemclick" (row index, 0)  the button is released on the enabled row;
//   "return" (row index, 0)     Return on the enabled row, after activating it;
//   "timer" (timer id, 0)       one of its control timers elapsed (control_timers.h).
// The skin attributes "normalimage", "hotimage" and "selectedimage" are accepted and ignored.
#include <QString>

#include "panels/customcontrols/list_row_element_ui.h"

class QLineEdit;
class QLabel;

class CComboEditContainerElementUI : public CListContainerElementUI {
    Q_OBJECT
    Q_PROPERTY(QString normalimage READ NoImage WRITE IgnoreImage)
    Q_PROPERTY(QString hotimage READ NoImage WRITE IgnoreImage)
    Q_PROPERTY(QString selectedimage READ NoImage WRITE IgnoreImage)
public:
    static constexpr const char* kContentSkin = "XML\\CustomControlXML\\ComboEditElementItem.xml";

    explicit CComboEditContainerElementUI(QWidget* parent = nullptr);

    // The kept children; nullptr when the content skin could not be built.
    QLabel* Text1() const { return text1_; }
    QLabel* Text2() const { return text2_; }
    QLineEdit* DelayEdit() const { return delayEdit_; }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void OnReturnKey() override;

private:
    QString NoImage() const { return QString(); }
    void IgnoreImage(const QString&) {}

    QLabel* text1_ = nullptr;
    QLabel* text2_ = nullptr;
    QLineEdit* delayEdit_ = nullptr;
};
