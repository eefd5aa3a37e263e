#pragma once
// Builds control trees from skin files (Qt Designer XML, loaded at run time).
//
// After building, the tree is ready for use:
//   - every control is wired to raise notifications (control_wiring.h);
//   - texts of controls carrying the property "textId" (and tool tips carrying
//     "toolTipId") are resolved through the language table (language_table.h);
//   - options in a <buttongroups> group are exclusive; options with the properties
//     "bindTabName"/"bindTabIndex" switch that tab layout when selected (controls.h);
//   - images named in the skin are found relative to the skin folder.
// Skin author's notes: QUiLoader ignores <string id=...>; put the text id in a property
// <property name="textId" stdset="0"><string>some_text_id</string></property>, the text
// written in the skin is the fallback shown while the language table has no entry.
#include <QString>
#include <QWidget>
#include "ui/control_factory.h"

class CSkinBuilder {
public:
    // Builds the skin named by an id or file name (see skin_resources.h) under parent.
    // Returns the root control, or nullptr when the file is missing or not a valid skin
    // (the reason goes to the debug output and LastError()).
    static QWidget* Build(const QString& skinIdOrFile, QWidget* parent,
                          const CreateCallback& callback = CreateCallback());
    // Builds from XML text (tests and generated skins).
    static QWidget* BuildFromData(const QByteArray& xml, QWidget* parent,
                                  const CreateCallback& callback = CreateCallback());
    // Builds the skin and puts its root into container's layout (a zero-margin vertical
    // layout is made when the container has none). Returns the root or nullptr. Custom
    // controls that take their content from a skin file call this from their constructor.
    static QWidget* BuildInto(QWidget* container, const QString& skinIdOrFile,
                              const CreateCallback& callback = CreateCallback());

    // The reason of the last failed build on this thread.
    static QString LastError();
};
