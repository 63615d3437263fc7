// The properties window's section of ies.ini. It is read when the window first opens and written
// when it closes, in the same forms as the other sections: integers in plain decimal.

#include "IniFile.h"
#include "IntegerText.h"
#include "SettingsFile.h"
#include "WindowBounds.h"
#include "ui/Properties.h"

namespace lumetra {

namespace {

const QString kProperties = QStringLiteral("Properties");

int ReadInteger(const IniFile& file, const QString& key, int defaultValue) {
    return IntegerFromText(file.ReadString(kProperties, key, QString::number(defaultValue)));
}

} // namespace

void SettingsFile::ReadProperties(TPropertiesWindow& window) {
    const IniFile file(FileName());
    SetWindowWidth(window, ReadInteger(file, "Width", window.width()));
    SetWindowHeight(window, ReadInteger(file, "Height", window.height()));
    SetWindowLeft(
        window,
        ReadInteger(file, "Left", CentredStart(ScreenSize().width(), OuterSize(window).width())));
    SetWindowTop(
        window,
        ReadInteger(file, "Top", CentredStart(ScreenSize().height(), OuterSize(window).height())));
    window.SetOpenTab(file.ReadString(kProperties, "Tab", window.OpenTab()));
}

void SettingsFile::WriteProperties(TPropertiesWindow& window) {
    IniFile file(FileName());
    const QRect bounds = NormalBounds(window);
    file.WriteString(kProperties, "Left", QString::number(bounds.x()));
    file.WriteString(kProperties, "Top", QString::number(bounds.y()));
    file.WriteString(kProperties, "Width", QString::number(bounds.width()));
    file.WriteString(kProperties, "Height", QString::number(bounds.height()));
    file.WriteString(kProperties, "Tab", window.OpenTab());
}

} // namespace lumetra
