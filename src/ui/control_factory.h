#pragma once
// The control factory: class names found in skin files mapped to creators.
//
// When a skin names a class (<widget class="DeviceOption" name="...">), the skin builder
// asks, in this order:
//   1. the window's creation callback (CreateCallback, given to the builder);
//   2. the creators registered here with RegisterControl;
//   3. the subtree classes registered here with RegisterSubtree: the control is the root
//      of another skin file, built with the same creation callback;
//   4. Qt's own classes (QPushButton, QSlider, ... as Qt Designer writes them).
// Class names are compared without regard to case in steps 1-3. A class nobody knows
// yields no control (a skin that declares it in <customwidgets> with <extends> gets the
// base class instead).
//
// Registered at construction: plain containers and standard controls under their short
// names, so skins may use either the Qt or the short name:
//   "Control", "Container", "HorizontalLayout", "VerticalLayout", "TileLayout", "Wnd",
//   "CWndUI"                          -> QWidget
//   "Button", "RedioMacroButton", "CRedioMacroButtonUI" -> QPushButton
//   "Option"                          -> QPushButton, checkable (an option button)
//   "CheckBox"                        -> QCheckBox
//   "Label", "Text"                   -> QLabel
//   "Edit"                            -> QLineEdit
//   "RichEdit"                        -> QPlainTextEdit
//   "Combo"                           -> QComboBox
//   "List"                            -> QListWidget
//   "Slider"                          -> QSlider (horizontal)
//   "Progress"                        -> QProgressBar
//   "TabLayout"                       -> QStackedWidget
// The program registers its own classes ("CDeviceOptionUI", "CMpDevicePowerUI", ...) at
// start-up with RegisterControl.
#include <QHash>
#include <QString>
#include <QWidget>
#include <functional>

// Creates a control of a class for a parent; returns nullptr for "not mine".
using ControlCreator = std::function<QWidget*(QWidget* parent)>;
// A window's creation callback: gets the class name as written in the skin.
using CreateCallback = std::function<QWidget*(const QString& className, QWidget* parent)>;

class CControlFactory {
public:
    static CControlFactory& Instance();

    // Registers (or replaces) the creator of a class name.
    void RegisterControl(const QString& className, ControlCreator creator);
    // Registers a class name that stands for the subtree of another skin file
    // (an id or a file name such as "XML\\CustomControlXML\\DeviceProfile.xml").
    void RegisterSubtree(const QString& className, const QString& skinFile);
    void Unregister(const QString& className);

    // The creator's control, or nullptr when no creator is registered (or it declines).
    QWidget* CreateControl(const QString& className, QWidget* parent) const;
    // The skin file of a subtree class, or an empty text.
    QString SubtreeFile(const QString& className) const;
    bool IsKnown(const QString& className) const;

private:
    CControlFactory();
    QHash<QString, ControlCreator> creators_;  // lower-case class name
    QHash<QString, QString> subtrees_;         // lower-case class name -> skin file
};
