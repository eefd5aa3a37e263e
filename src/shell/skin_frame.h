#pragma once
// The skin pop-up: background pictures and colours for the main window.
//
// Opened below an anchor control (its top-right corner at the anchor's bottom-right
// corner), it closes when the user clicks elsewhere (Qt's pop-up behaviour), and deletes
// itself once closed. Its choices are broadcast through CSkinChangeObserver:
//   "skin_image_btn"  the button's user data is the picture; also written to "main.ini"
//                     with FLAGS "1"
//   "skin_color_btn"  the button's colour (its property "bkcolor", ARGB hex "#AARRGGBB")
//   "skin_reset"      the picture "common/background.png"; "main.ini" gets FLAGS "0"
//   "skin_Custom"     a PNG chosen in a file dialog
//   "skin_image" / "skin_color" switch "skin_tab" to page 0 / 1.
#include <QPointer>
#include <optional>
#include "ui/skin_window.h"

class CSkinFrame final : public CSkinWindow {
    Q_OBJECT
public:
    // Builds and shows the pop-up; it deletes itself when closed. The object is owned by
    // the owner window until then (and goes with it).
    CSkinFrame(QWidget* owner, QWidget* anchor);

    QString GetWindowClassName() const override { return QStringLiteral("UISkinFrame"); }
    QString GetSkinFile() const override { return QStringLiteral("skin.xml"); }
    void InitWindow() override;
    void Notify(TNotifyUI& msg) override;
    LRESULT HandleCustomMessage(unsigned msg, WPARAM wParam, LPARAM lParam, bool& handled) override;

    // Test seam: the next "skin_Custom" click takes this path instead of asking with a
    // file dialog (an empty text acts as a cancelled dialog).
    static void SetNextFileName(const QString& path);

    // Where the pop-up goes for an anchor at the given global rectangle.
    static QPoint PlaceBelow(const QRect& anchorGlobal, int width);

    static constexpr const char* kDefaultBackground = "common/background.png";

private:
    void ChooseCustomPicture();
    static std::optional<QString>& NextFileName();
};

// "#AARRGGBB", "AARRGGBB", "0xAARRGGBB" or "#RRGGBB" (opaque) as 0xAARRGGBB; false when
// the text is none of these.
bool ParseArgbText(const QString& text, unsigned* argb);
