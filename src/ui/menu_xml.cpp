#include "ui/menu_xml.h"

#include <QXmlStreamReader>

namespace {

bool Flag(const QXmlStreamAttributes& attributes, const char* name) {
    const QString value = attributes.value(QLatin1String(name)).toString().trimmed();
    return !(value.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0 || value == QLatin1String("0"));
}

bool Is(const QXmlStreamReader& xml, const char* name) {
    return xml.name().compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

// Reads the children of the current element up to its end element.
void ReadItems(QXmlStreamReader& xml, std::vector<MenuItemSpec>& items) {
    while (xml.readNextStartElement()) {
        if (Is(xml, "Separator")) {
            MenuItemSpec separator;
            separator.separator = true;
            items.push_back(separator);
            xml.skipCurrentElement();
        } else if (Is(xml, "Item") || Is(xml, "MenuElement")) {
            const QXmlStreamAttributes a = xml.attributes();
            MenuItemSpec item;
            item.name = a.value(QLatin1String("name")).toString();
            item.text = a.value(QLatin1String("text")).toString();
            item.textId = a.value(QLatin1String("textid")).toString();
            item.icon = a.value(QLatin1String("icon")).toString();
            item.enabled = Flag(a, "enabled");
            item.visible = Flag(a, "visible");
            ReadItems(xml, item.children);
            items.push_back(std::move(item));
        } else {
            xml.skipCurrentElement();
        }
    }
}

}  // namespace

MenuSpec ParseMenuXml(const QByteArray& data) {
    MenuSpec spec;
    QXmlStreamReader xml(data);
    if (!xml.readNextStartElement()) {
        spec.error = xml.hasError() ? xml.errorString() : QStringLiteral("empty menu file");
        return spec;
    }
    if (!Is(xml, "Menu") && !Is(xml, "Window")) {
        spec.error = QStringLiteral("root element must be <Menu>, not <%1>").arg(xml.name().toString());
        return spec;
    }
    ReadItems(xml, spec.items);
    if (xml.hasError()) {
        spec.error = QStringLiteral("%1 (line %2)").arg(xml.errorString()).arg(xml.lineNumber());
        spec.items.clear();
        return spec;
    }
    spec.ok = true;
    return spec;
}

void MenuTopLeft(int x, int y, int width, int height, int alignment, int* left, int* top) {
    *left = (alignment & kMenuAlignRight) ? x - width : x;
    *top = (alignment & kMenuAlignBottom) ? y - height : y;
}
